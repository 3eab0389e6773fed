// Tree operations shared by the exports that build and reshape outlines and
// by the attribute functions that trigger them (expanding through flags,
// deleting through flags).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "controls/outline/outline_box.h"

namespace zw::outline {

// The item shown in a row (null for a plain row or a bad row); the root for
// row -1 when `rootForMinusOne`.
TreeNode* ItemAtRow(HWND box, const OutlineState& state, int row, bool rootForMinusOne = false);

// A new item as the last child of `parent`, or right after `sibling`. Null
// when the box is not in outline mode, the node is not this box's, or memory
// runs out.
TreeNode* LoadChild(HWND box, TreeNode* parent, PIC* normal, PIC* selected, std::u16string text, std::intptr_t value,
                    std::uint32_t flags);
TreeNode* LoadSibling(HWND box, TreeNode* sibling, PIC* normal, PIC* selected, std::u16string text,
                      std::intptr_t value, std::uint32_t flags);

// Rows inserted; -1 when the row holds no item.
int Expand(HWND box, int row);
bool ExpandDescendants(HWND box, int row);
bool Collapse(HWND box, int row);
// The host's delete result; -1 on failure.
int DeleteChild(HWND box, int row);
int DeleteDescendants(HWND box, int row);

// The row after the block that starts with `row`: the row itself and the
// rows below it of deeper level.
int BlockEnd(HWND box, const OutlineState& state, int row);

// A row taken out of a box for a while, with its selection.
struct RemovedRow {
    RowRecord* record;
    bool selected;
};
// Takes the rows [first, end) out of the box, keeping their records.
std::vector<RemovedRow> TakeRows(HWND box, const OutlineState& state, int first, int end);
// Puts rows back from `at` on, with their selection; returns the row after them.
int PutRows(HWND box, const OutlineState& state, const std::vector<RemovedRow>& rows, int at);

// Selects a row the way the box's kind wants (a multiple-selection list box
// adds it to the selection).
void SelectRow(HWND box, const OutlineState& state, int row, bool select);
bool IsMultipleSelection(HWND box);
bool IsAnySelection(HWND box);

// Turns redraw off for the box while alive, and back on at the end when the
// redraw switch is on.
class RedrawOff {
public:
    explicit RedrawOff(HWND box);
    ~RedrawOff();
    RedrawOff(const RedrawOff&) = delete;
    RedrawOff& operator=(const RedrawOff&) = delete;

private:
    HWND box_;
};

// Turns the process-wide redraw switch off while alive.
class RedrawSwitchOff {
public:
    RedrawSwitchOff() : was_(RedrawSwitch()) { SetRedrawSwitch(false); }
    ~RedrawSwitchOff() { SetRedrawSwitch(was_); }
    RedrawSwitchOff(const RedrawSwitchOff&) = delete;
    RedrawSwitchOff& operator=(const RedrawSwitchOff&) = delete;

private:
    bool was_;
};

}  // namespace zw::outline
