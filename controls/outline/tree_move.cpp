// ZelListDemote, ZelListPromote, ZelListMoveUp, ZelListMoveDown and
// ZelListDragDrop: moving items between levels, among their siblings and
// between boxes, with the rows of their shown branches.
#include <windows.h>

#include "controls/outline/core/outline_flags.h"
#include "controls/outline/outline_geometry.h"
#include "controls/outline/pictures/pic.h"
#include "controls/outline/tree_ops.h"
#include "frame/call_frame.h"
#include "include/zwi51.h"

namespace zw::outline {
namespace {

// The row of `node`, searched backwards from `before` (its rows come earlier).
int RowBefore(HWND box, const OutlineState& state, const TreeNode* node, int before) {
    for (int row = before - 1; row >= 0; --row) {
        const RowRecord* record = RecordAt(box, state, row);
        if (record && record->node == node) return row;
    }
    return -1;
}

void KeepCaret(HWND box, const OutlineState& state, int row) {
    if (!state.isCombo && GetFocus() == box) CallUnderlying(box, state, LB_SETCARETINDEX, WPARAM(row), FALSE);
}

void SetPictures(TreeNode& node, PIC* normal, PIC* selected) {
    node.record->normalPicture = PIC::FromHandle(normal);
    node.record->selectedPicture = PIC::FromHandle(selected);
}

bool Demote(HWND box, int row, PIC* normal, PIC* selected) {
    OutlineState state{};
    if (row <= 0 || !ReadOutlineState(box, &state)) return false;
    TreeNode* item = ItemAtRow(box, state, row);
    if (!item || !item->parent || !item->previous) return false;
    TreeNode* previous = item->previous;
    if (previous->firstChild && !(previous->record->flags & kRowExpanded)) return false;
    Unlink(*item);
    AppendChild(*previous, *item);
    SetPictures(*previous, normal, selected);
    previous->record->flags = (previous->record->flags | 0xC0200000u) & ~kRowCollapsed;
    InvalidateRect(box, nullptr, TRUE);
    return true;
}

bool Promote(HWND box, int row, PIC* normal, PIC* selected) {
    OutlineState state{};
    if (!ReadOutlineState(box, &state)) return false;
    TreeNode* item = ItemAtRow(box, state, row);
    if (!item || item->level < 1) return false;
    TreeNode* parent = item->parent;
    if (item->next) {
        RedrawOff quiet(box);
        const int parentRow = RowBefore(box, state, parent, row);
        const std::vector<RemovedRow> rows = TakeRows(box, state, row, BlockEnd(box, state, row));
        Unlink(*item);
        InsertAfter(*parent, *item);
        const int at = parentRow >= 0 ? BlockEnd(box, state, parentRow) : row;
        PutRows(box, state, rows, at);
        KeepCaret(box, state, at);
    } else {
        Unlink(*item);
        InsertAfter(*parent, *item);
    }
    if (!parent->firstChild) {
        parent->record->flags &= ~0xC0300000u;
        SetPictures(*parent, normal, selected);
    }
    InvalidateRect(box, nullptr, TRUE);
    return true;
}

bool Move(HWND box, int row, bool up) {
    OutlineState state{};
    if (!ReadOutlineState(box, &state)) return false;
    TreeNode* item = ItemAtRow(box, state, row);
    if (!item || !item->parent) return false;
    TreeNode* other = up ? item->previous : item->next;
    if (!other) return false;
    if (other->record->hasRow) {
        RedrawOff quiet(box);
        const int end = BlockEnd(box, state, row);
        int at;
        if (up) {
            at = RowBefore(box, state, other, row);
        } else {
            at = BlockEnd(box, state, end) - (end - row);
        }
        const std::vector<RemovedRow> rows = TakeRows(box, state, row, end);
        if (at < 0) at = row;
        PutRows(box, state, rows, at);
        KeepCaret(box, state, at);
    }
    Unlink(*item);
    if (up) InsertBefore(*other, *item);
    else InsertAfter(*other, *item);
    return true;
}

void SetWindow(TreeNode& top, HWND box) {
    for (TreeNode* node = &top; node; node = NextInBranch(*node, top)) node->window = box;
}

bool DragDrop(HWND source, int sourceRow, HWND target, int targetRow, int mode) {
    OutlineState from{}, to{};
    if (!ReadOutlineState(source, &from) || !ReadOutlineState(target, &to) || from.isCombo || to.isCombo) return false;
    if (GetParent(source) != GetParent(target) || !(mode & 0x3)) return false;
    TreeNode* moved = ItemAtRow(source, from, sourceRow);
    TreeNode* onto = ItemAtRow(target, to, targetRow);
    if (!moved || !onto || !moved->parent || IsInBranch(*onto, *moved)) return false;
    if (!(mode & 0x1) && !onto->parent) return false;

    RedrawOff quietSource(source);
    RedrawOff quietTarget(target);
    const std::vector<RemovedRow> rows = TakeRows(source, from, sourceRow, BlockEnd(source, from, sourceRow));
    Unlink(*moved);
    SetWindow(*moved, target);
    int ontoRow = RowOfNode(target, onto);
    if (mode & 0x1) {
        {
            RedrawSwitchOff quiet;
            if (ontoRow >= 0) Expand(target, ontoRow);
        }
        AppendChild(*onto, *moved);
        onto->record->flags = (onto->record->flags | kRowHasChildren | kRowExpanded | kRowChildRowsCurrent) &
                              ~kRowCollapsed;
    } else {
        InsertAfter(*onto, *moved);
    }
    if (ontoRow < 0) return true;
    const int at = BlockEnd(target, to, ontoRow);
    const int end = PutRows(target, to, rows, at);
    int first = 0, last = 0;
    VisibleRows(target, to, &first, &last);
    if (at < first || end - 1 > last) CallUnderlying(target, to, LB_SETTOPINDEX, WPARAM(at), 0);
    return true;
}

}  // namespace
}  // namespace zw::outline

extern "C" int __stdcall ZelListDemote(HWND list, int row, ZW_HPIC normal, ZW_HPIC selected) {
    if (!IsWindow(list)) return 0;
    return zw::Guarded(L"ZelListDemote()", 0, [&] {
        return zw::outline::Demote(list, row, reinterpret_cast<zw::PIC*>(normal), reinterpret_cast<zw::PIC*>(selected)) ? 1 : 0;
    });
}

extern "C" int __stdcall ZelListPromote(HWND list, int row, ZW_HPIC normal, ZW_HPIC selected) {
    if (!IsWindow(list)) return 0;
    return zw::Guarded(L"ZelListPromote()", 0, [&] {
        return zw::outline::Promote(list, row, reinterpret_cast<zw::PIC*>(normal), reinterpret_cast<zw::PIC*>(selected)) ? 1 : 0;
    });
}

extern "C" int __stdcall ZelListMoveUp(HWND list, int row) {
    if (!IsWindow(list)) return 0;
    return zw::Guarded(L"ZelListMoveUp()", 0, [&] { return zw::outline::Move(list, row, true) ? 1 : 0; });
}

extern "C" int __stdcall ZelListMoveDown(HWND list, int row) {
    if (!IsWindow(list)) return 0;
    return zw::Guarded(L"ZelListMoveDown()", 0, [&] { return zw::outline::Move(list, row, false) ? 1 : 0; });
}

extern "C" int __stdcall ZelListDragDrop(HWND source, int sourceRow, HWND target, int targetRow, int mode) {
    if (!IsWindow(source) || !IsWindow(target)) return 0;
    return zw::Guarded(L"ZelListDragDrop()", 0,
                       [&] { return zw::outline::DragDrop(source, sourceRow, target, targetRow, mode) ? 1 : 0; });
}
