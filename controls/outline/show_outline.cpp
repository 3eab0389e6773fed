// ZelListShowOutline and ZelListSetOutlineRedraw: rebuilding a box's rows
// from its tree, and the process-wide redraw switch.
#include <windows.h>

#include <unordered_set>
#include <vector>

#include "controls/outline/core/outline_flags.h"
#include "controls/outline/outline_box.h"
#include "frame/call_frame.h"
#include "frame/host_api.h"
#include "include/zwi51.h"

namespace zw::outline {
namespace {

// The mode that shows every item not marked hidden.
constexpr int kRestoreSaved = 0x7FFE;

// While alive: redraw and background erasing are off for the box.
class Rebuilding {
public:
    explicit Rebuilding(HWND box) : box_(box) {
        SendMessageW(box, WM_SETREDRAW, FALSE, 0);
        ChangeOutlineState(box, [](OutlineState& s) { s.internalFlags |= kNoErase; });
    }
    ~Rebuilding() {
        ChangeOutlineState(box_, [](OutlineState& s) { s.internalFlags &= WORD(~kNoErase); });
        RestoreRedraw(box_);
    }
    Rebuilding(const Rebuilding&) = delete;
    Rebuilding& operator=(const Rebuilding&) = delete;

private:
    HWND box_;
};

void RestoreSelection(HWND box, const OutlineState& state, int row) {
    if (state.isCombo) {
        CallUnderlying(box, state, CB_SETCURSEL, WPARAM(row), 0);
    } else if (GetWindowLongW(box, GWL_STYLE) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) {
        CallUnderlying(box, state, LB_SETSEL, TRUE, row);
    } else {
        CallUnderlying(box, state, LB_SETCURSEL, WPARAM(row), 0);
    }
}

int ShowOutline(HWND box, int mode) {
    OutlineState state{};
    ParentState parentState{};
    TreeNode* root = RootOf(box, false);
    if (!ReadOutlineState(box, &state) || !root || !ReadParentState(GetParent(box), &parentState)) return 0;

    KeepRecords keep(box);
    Rebuilding rebuilding(box);
    // Plain rows go for good: the rows are rebuilt from the tree alone.
    std::vector<RowRecord*> plain;
    const int count = RowCount(box, state);
    for (int row = 0; row < count; ++row) {
        RowRecord* record = RecordAt(box, state, row);
        if (record && !record->node) plain.push_back(record);
    }
    CallUnderlying(box, state, state.isCombo ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
    for (RowRecord* record : plain) FreeRecord(record);

    // First decide, from the flags as they are, which items get a row: an
    // item under a parent without a row stays hidden, and in the restore mode
    // so does one whose parent was not expanded.
    const bool restore = mode == kRestoreSaved;
    std::unordered_set<const TreeNode*> shown;
    for (TreeNode* node = NextInBranch(*root, *root); node; node = NextInBranch(*node, *root)) {
        const TreeNode* parent = node->parent;
        const bool parentOpen = parent == root || (shown.count(parent) &&
                                                   (!restore || (parent->record->flags & kRowExpanded)));
        if (parentOpen && node->level <= mode && !(restore && (node->record->flags & kRowHidden))) shown.insert(node);
    }
    for (TreeNode* node = NextInBranch(*root, *root); node; node = NextInBranch(*node, *root)) {
        RowRecord& record = *node->record;
        // An item is expanded when one of its children shows.
        record.flags &= ~kRowExpanded;
        if (!shown.count(node)) {
            record.flags |= kRowHidden;
            continue;
        }
        const int row = InsertRecordRow(box, state, &record, -1);
        if (row < 0) throw MemoryException();
        record.flags &= ~kRowHidden;
        if (record.flags & kRowSelected) RestoreSelection(box, state, row);
        node->parent->record->flags |= kRowExpanded;
    }
    const bool anyShown = !shown.empty();
    root->record->flags &= ~kRowExpanded;
    if (!state.isCombo) CallUnderlying(box, state, LB_SETCARETINDEX, 0, FALSE);
    return anyShown ? 1 : 0;
}

int SetOutlineRedraw(HWND box, BOOL on) {
    if (!HasOutlineState(box)) return 0;
    SetRedrawSwitch(on != FALSE);
    if (on) {
        SendMessageW(box, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    } else {
        HostSetRedraw(box, FALSE);
    }
    return 1;
}

}  // namespace
}  // namespace zw::outline

extern "C" int __stdcall ZelListShowOutline(HWND list, int level) {
    if (!IsWindow(list)) return 0;
    return zw::Guarded(L"ZelListShowOutline()", 0, [&] { return zw::outline::ShowOutline(list, level); });
}

extern "C" int __stdcall ZelListSetOutlineRedraw(HWND list, BOOL redraw) {
    if (!IsWindow(list)) return 0;
    return zw::Guarded(L"ZelListSetOutlineRedraw()", 0, [&] { return zw::outline::SetOutlineRedraw(list, redraw); });
}
