// Rows of tree branches: finding, taking out and putting back the block of
// rows that an item and its shown descendants occupy.
#include <windows.h>

#include <algorithm>

#include "controls/outline/core/outline_flags.h"
#include "controls/outline/tree_ops.h"

namespace zw::outline {

TreeNode* ItemAtRow(HWND box, const OutlineState& state, int row, bool rootForMinusOne) {
    if (row == -1 && rootForMinusOne) return RootOf(box, true);
    const RowRecord* record = RecordAt(box, state, row);
    return record ? record->node : nullptr;
}

int BlockEnd(HWND box, const OutlineState& state, int row) {
    const RowRecord* record = RecordAt(box, state, row);
    const int count = RowCount(box, state);
    if (!record || !record->node) return std::min(row + 1, count);
    const int level = record->node->level;
    int end = row + 1;
    for (; end < count; ++end) {
        const RowRecord* below = RecordAt(box, state, end);
        if (!below || !below->node || below->node->level <= level) break;
    }
    return end;
}

bool IsMultipleSelection(HWND box) {
    return (GetWindowLongW(box, GWL_STYLE) & LBS_MULTIPLESEL) != 0;
}

bool IsAnySelection(HWND box) {
    return (GetWindowLongW(box, GWL_STYLE) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
}

void SelectRow(HWND box, const OutlineState& state, int row, bool select) {
    if (state.isCombo) CallUnderlying(box, state, CB_SETCURSEL, WPARAM(select ? row : -1), 0);
    else if (IsAnySelection(box)) CallUnderlying(box, state, LB_SETSEL, select ? TRUE : FALSE, row);
    else if (select) CallUnderlying(box, state, LB_SETCURSEL, WPARAM(row), 0);
    else if (CallUnderlying(box, state, LB_GETCURSEL, 0, 0) == row) CallUnderlying(box, state, LB_SETCURSEL, WPARAM(-1), 0);
}

std::vector<RemovedRow> TakeRows(HWND box, const OutlineState& state, int first, int end) {
    std::vector<RemovedRow> rows;
    for (int row = first; row < end; ++row) {
        RowRecord* record = RecordAt(box, state, row);
        if (!record) continue;
        const UINT getSel = state.isCombo ? CB_GETCURSEL : LB_GETSEL;
        const bool selected = state.isCombo ? CallUnderlying(box, state, getSel, 0, 0) == row
                                            : CallUnderlying(box, state, getSel, WPARAM(row), 0) > 0;
        rows.push_back({record, selected});
    }
    KeepRecords keep(box);
    const UINT remove = state.isCombo ? CB_DELETESTRING : LB_DELETESTRING;
    // From the end: the box moves fewer rows behind each removal.
    for (int row = end - 1; row >= first; --row) CallUnderlying(box, state, remove, WPARAM(row), 0);
    return rows;
}

int PutRows(HWND box, const OutlineState& state, const std::vector<RemovedRow>& rows, int at) {
    for (const RemovedRow& row : rows) {
        if (InsertRecordRow(box, state, row.record, at) < 0) continue;
        if (row.selected) SelectRow(box, state, at, true);
        ++at;
    }
    return at;
}

RedrawOff::RedrawOff(HWND box) : box_(box) {
    SendMessageW(box, WM_SETREDRAW, FALSE, 0);
}

RedrawOff::~RedrawOff() {
    RestoreRedraw(box_);
}

}  // namespace zw::outline
