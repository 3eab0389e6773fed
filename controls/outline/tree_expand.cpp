// ZelListExpand, ZelListExpandDescendents and ZelListCollapse: showing and
// hiding the rows of an item's children. Rows are tracked while walking the
// children, never looked up per item.
#include <windows.h>

#include <algorithm>

#include "controls/outline/core/outline_flags.h"
#include "controls/outline/outline_geometry.h"
#include "controls/outline/tree_ops.h"
#include "frame/call_frame.h"
#include "include/zwi51.h"

namespace zw::outline {
namespace {

// Shows `child` as a row at `row`, with the flags a newly shown row gets.
bool ShowRow(HWND box, const OutlineState& state, TreeNode& child, int row, bool restoreSelection) {
    RowRecord& record = *child.record;
    if (InsertRecordRow(box, state, &record, row) < 0) return false;
    record.flags &= ~(kRowHidden | kRowChildRowsCurrent);
    if (child.firstChild) record.flags = (record.flags | kRowCollapsed) & ~kRowExpanded;
    const bool remembered = (record.flags & kRowSelected) != 0;
    if (restoreSelection && remembered) SelectRow(box, state, row, true);
    else record.flags &= ~kRowSelected;
    return true;
}

// Scrolls so that rows inserted below the expanded row come into view.
void ScrollIntoView(HWND box, const OutlineState& state, int row, int inserted) {
    int first = 0, last = 0;
    VisibleRows(box, state, &first, &last);
    if (row + inserted <= last) return;
    const int top = std::min(row, first + (inserted + row - last));
    CallUnderlying(box, state, LB_SETTOPINDEX, WPARAM(top), 0);
}

}  // namespace

int Expand(HWND box, int row) {
    OutlineState state{};
    if (!ReadOutlineState(box, &state)) return -1;
    TreeNode* item = ItemAtRow(box, state, row, true);
    if (!item || (row >= 0 && !item->record->hasRow)) return -1;
    const bool restore = !state.isCombo && IsMultipleSelection(box);
    int inserted = 0;
    {
        RedrawOff quiet(box);
        int at = row + 1;
        for (TreeNode* child = item->firstChild; child; child = child->next) {
            if (child->record->hasRow) {
                at = BlockEnd(box, state, at);
                continue;
            }
            if (!ShowRow(box, state, *child, at, restore)) break;
            ++at;
            ++inserted;
        }
        if (!state.isCombo && !(state.style & kStyleButtons) && inserted && row >= 0)
            ScrollIntoView(box, state, row, inserted);
        if (!state.isCombo && row >= 0) CallUnderlying(box, state, LB_SETCARETINDEX, WPARAM(row), FALSE);
    }
    item->record->flags = (item->record->flags & ~kRowCollapsed) | kRowExpanded | kRowChildRowsCurrent;
    return inserted;
}

bool ExpandDescendants(HWND box, int row) {
    OutlineState state{};
    if (!ReadOutlineState(box, &state)) return false;
    TreeNode* item = ItemAtRow(box, state, row, true);
    if (!item || (row >= 0 && !item->record->hasRow)) return false;
    const bool restore = !state.isCombo && IsMultipleSelection(box);
    int at = row + 1;
    {
        RedrawOff quiet(box);
        // The rows below the item are its shown descendants in pre-order, so
        // the walk and the rows advance together.
        for (TreeNode* node = NextInBranch(*item, *item); node; node = NextInBranch(*node, *item)) {
            if (!node->record->hasRow && !ShowRow(box, state, *node, at, restore)) return false;
            ++at;
        }
        for (TreeNode* node = item; node; node = NextInBranch(*node, *item)) {
            if (node->firstChild)
                node->record->flags = (node->record->flags & ~kRowCollapsed) | kRowExpanded | kRowChildRowsCurrent;
        }
    }
    if (state.isCombo && at > row + 1) {
        CallUnderlying(box, state, CB_SETCURSEL, WPARAM(at - 1), 0);
        CallUnderlying(box, state, CB_SETCURSEL, WPARAM(row), 0);
    }
    return true;
}

bool Collapse(HWND box, int row) {
    OutlineState state{};
    if (!ReadOutlineState(box, &state)) return false;
    TreeNode* item = ItemAtRow(box, state, row);
    if (!item) return false;
    {
        RedrawOff quiet(box);
        const std::vector<RemovedRow> removed = TakeRows(box, state, row + 1, BlockEnd(box, state, row));
        for (const RemovedRow& gone : removed) {
            gone.record->flags = (gone.record->flags | kRowHidden) & ~kRowExpanded;
            if (gone.selected) gone.record->flags |= kRowSelected;
        }
    }
    item->record->flags =
        (item->record->flags & ~(kRowExpanded | kRowChildRowsCurrent | kRowCollapsed)) | kRowCollapsed;
    return true;
}

}  // namespace zw::outline

extern "C" int __stdcall ZelListExpand(HWND list, int row) {
    if (!IsWindow(list)) return 0;
    return zw::Guarded(L"ZelListExpand()", 0, [&] { return std::max(zw::outline::Expand(list, row), 0); });
}

extern "C" int __stdcall ZelListExpandDescendents(HWND list, int row) {
    if (!IsWindow(list)) return 0;
    return zw::Guarded(L"ZelListExpandDescendents()", 0, [&] { return zw::outline::ExpandDescendants(list, row) ? 1 : 0; });
}

extern "C" int __stdcall ZelListCollapse(HWND list, int row) {
    if (!IsWindow(list)) return 0;
    return zw::Guarded(L"ZelListCollapse()", 0, [&] { return zw::outline::Collapse(list, row) ? 1 : 0; });
}
