// Message handlers that the list box and combo box procedures share: rows
// added as text or as records, text and item data answered from the records,
// searching by text, and re-measuring rows.
#pragma once

#include <windows.h>

#include "controls/outline/outline_box.h"

namespace zw::outline {

// LB_ADDSTRING / LB_INSERTSTRING (and the combo box's): the string becomes a
// plain row record. `row` -1 adds at the end.
LRESULT AddTextRow(HWND box, const OutlineState& state, int row, LPARAM text);
// Messages 0x6001 and 0x6002: a record made by the library becomes a row.
LRESULT AddRecordRow(HWND box, const OutlineState& state, int row, LPARAM record);
// LB_GETTEXT / CB_GETLBTEXT: from the record (or a reference to its text, once,
// when the text-pointer request is set); other item data is a string pointer.
LRESULT GetRowText(HWND box, const OutlineState& state, int row, LPARAM buffer);
LRESULT GetRowTextLength(HWND box, const OutlineState& state, int row);
// LB_GETITEMDATA / LB_SETITEMDATA: the record's value, or the host value.
LRESULT GetRowValue(HWND box, const OutlineState& state, int row);
LRESULT SetRowValue(HWND box, const OutlineState& state, int row, LPARAM value);
// Message 0x600B: keeps a 16-bit value and a byte string in the state.
LRESULT StoreTag(HWND box, WPARAM tag);
// LB_SETTABSTOPS: stops in dialog units become pixels; none given: default stops.
LRESULT SetTabStops(HWND box, WPARAM count, LPARAM stops);

bool IsDisabled(HWND box, const OutlineState& state, int row);
// The row's text as the box answers it ("" for a bad row).
std::u16string RowText(HWND box, const OutlineState& state, int row);
// The first row after `start` whose text equals `text` without regard to case,
// going on from row 0 up to `start`; -1 when none.
int FindRowByText(HWND box, const OutlineState& state, int start, const wchar_t* text);
// The first item below `top` in pre-order whose text equals `text` without
// regard to case; null when none.
TreeNode* FindTextInBranch(const TreeNode& top, const wchar_t* text);
// The row that a letter or digit key moves to: the next row after `current`
// whose text starts with the key's character, wrapping; -1 when none.
int LetterSearchRow(HWND box, const OutlineState& state, int current, WPARAM key);

// A combo box copies its selected row's text into its edit field (empty for
// none or a disabled row) unless its style says not to, and marks the field edited.
void CopySelectionToEdit(HWND box, const OutlineState& state);

// After the box's font changed: forgets the cached text height and sets every
// row's height again.
void RemeasureRows(HWND box);

}  // namespace zw::outline
