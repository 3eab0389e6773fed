// What the parts of the outline box share: its kind, the rows through the
// box's underlying procedure, the root, the redraw switch and the three
// subclass procedures.
//
// Rows are read and written through the procedure the box had before the
// subclass, so the box's own interception of list messages (which answers
// text and item-data queries from the records) never gets in the way.
#pragma once

#include <windows.h>

#include <string_view>

#include "controls/outline/core/outline_tree.h"
#include "controls/outline/outline_state.h"

namespace zw::outline {

// Private messages of outline boxes.
enum : UINT {
    kMsgAddRecord = 0x6001,      // add row record lParam at the end
    kMsgInsertRecord = 0x6002,   // insert row record lParam at row wParam
    kMsgSelectionMayChange = 0x6003,  // posted to the box
    kMsgParentDestroyed = 0x6004,     // sent by the parent procedure to its outline children
    kMsgButtonPressed = 0x6009,       // posted: the plus/minus button of row wParam was pressed
    kMsgStoreTag = 0x600B,
    kMsgGetText = 0x600C,
    kMsgIsOutline = 0x600D,
    kMsgComboSelectionChanged = 0x2006,  // sent to a combo box after its selection changed
};

enum class BoxKind { None, List, Combo };

// The kind of a window from its host object type, else from its class name.
BoxKind KindOf(HWND window);

// The box's underlying procedure with a message; 0 when the box has no state.
LRESULT CallUnderlying(HWND box, UINT message, WPARAM wParam, LPARAM lParam);
// The same with a known state.
LRESULT CallUnderlying(HWND box, const OutlineState& state, UINT message, WPARAM wParam, LPARAM lParam);

int RowCount(HWND box, const OutlineState& state);
// The record of a row, or null for a plain host value or a bad row.
RowRecord* RecordAt(HWND box, const OutlineState& state, int row);
// The row's item data as the underlying box holds it (LB_ERR for a bad row).
LRESULT ItemDataAt(HWND box, const OutlineState& state, int row);
// Adds (row -1) or inserts a record as a row through the underlying procedure;
// the new row, or a negative value when the box refused it.
int InsertRecordRow(HWND box, const OutlineState& state, RowRecord* record, int row);
// The row of a node: -1 when it has none.
int RowOfNode(HWND box, const TreeNode* node);
// Repaints one row (a combo box: the whole box).
void RepaintRow(HWND box, const OutlineState& state, int row);

// A new plain record for `text`, with the style's case conversion and the
// host's text colour; throws std::bad_alloc.
RowRecord* NewTextRecord(HWND box, const OutlineState& state, std::u16string_view text);
// Applies the case conversion of a box's style to a text.
void ApplyCase(std::u16string& text, DWORD style);

// The box's hidden root, made when `make` (null when it cannot be).
TreeNode* RootOf(HWND box, bool make);
// Frees the whole tree and the root.
void FreeTree(HWND box);
// Frees the records of the box's plain rows and the tree, and takes every
// pointer out of the rows, so the box no longer refers to anything of ours.
void ReleaseRows(HWND box, const OutlineState& state);

// The process-wide redraw switch (on at start).
bool RedrawSwitch();
void SetRedrawSwitch(bool on);
// Turns redraw back on after a tree operation, when the switch is on.
void RestoreRedraw(HWND box);

// Undoes the subclass of a box: frees rows, tree, caches and state and puts
// the underlying procedure back.
void DetachBox(HWND box);

LRESULT CALLBACK LbxListBoxWndProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK LbxComboBoxWndProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK LbxParentWndProc(HWND parent, UINT message, WPARAM wParam, LPARAM lParam);

// Older host code sends the 16-bit list message numbers; they mean their
// present counterparts (0 when the number is not one of them).
UINT TranslateListMessage(UINT message);
UINT TranslateComboMessage(UINT message);

}  // namespace zw::outline
