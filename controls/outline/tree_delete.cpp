// ZelListDeleteChild, ZelListDeleteDescendents, ZelListFreeChild and
// ZelListFreeDescendents: removing items with their rows, or freeing items
// that have none.
#include <windows.h>

#include "controls/outline/core/outline_flags.h"
#include "controls/outline/tree_ops.h"
#include "frame/call_frame.h"
#include "frame/host_api.h"
#include "include/zwi51.h"

namespace zw::outline {

int DeleteDescendants(HWND box, int row) {
    OutlineState state{};
    if (!ReadOutlineState(box, &state)) return -1;
    TreeNode* item = ItemAtRow(box, state, row);
    if (!item) return -1;
    int result = 0;
    {
        RedrawOff quiet(box);
        KeepRecords keep(box);
        for (int end = BlockEnd(box, state, row); end > row + 1; --end) result = HostListDelete(box, end - 1);
    }
    FreeDescendants(*item);
    item->record->flags &= ~(kRowExpanded | kRowHasChildren | kRowChildRowsCurrent);
    return result;
}

int DeleteChild(HWND box, int row) {
    OutlineState state{};
    if (!ReadOutlineState(box, &state)) return -1;
    TreeNode* item = ItemAtRow(box, state, row);
    if (!item) return -1;
    if (item->firstChild) {
        RedrawSwitchOff quiet;
        DeleteDescendants(box, row);
    }
    // The row's removal frees the item through the parent procedure.
    return HostListDelete(box, row);
}

}  // namespace zw::outline

using zw::outline::AsNode;

extern "C" int __stdcall ZelListDeleteChild(HWND list, int row) {
    if (!IsWindow(list)) return -1;
    return zw::Guarded(L"ZelListDeleteChild()", -1, [&] { return zw::outline::DeleteChild(list, row); });
}

extern "C" int __stdcall ZelListDeleteDescendents(HWND list, int row) {
    if (!IsWindow(list)) return -1;
    return zw::Guarded(L"ZelListDeleteDescendents()", -1, [&] { return zw::outline::DeleteDescendants(list, row); });
}

extern "C" int __stdcall ZelListFreeChild(ZW_HITEM item) {
    zw::outline::TreeNode* node = AsNode(item);
    if (!node || !node->parent) return 0;
    return zw::Guarded(L"ZelListFreeChild()", 0, [&] {
        zw::outline::FreeItem(*node);
        return 1;
    });
}

extern "C" int __stdcall ZelListFreeDescendents(ZW_HITEM item) {
    zw::outline::TreeNode* node = AsNode(item);
    if (!node) return 0;
    return zw::Guarded(L"ZelListFreeDescendents()", 0, [&] {
        zw::outline::FreeDescendants(*node);
        return 1;
    });
}
