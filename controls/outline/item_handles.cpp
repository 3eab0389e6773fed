// The item-handle functions: the root, the item of a row, the row of an
// item, and an item's level, parent and siblings. Handles are tree nodes,
// used only after they have been found among the live nodes.
#include <windows.h>

#include "controls/outline/item_call.h"
#include "controls/outline/outline_box.h"
#include "frame/call_frame.h"
#include "include/zwi51.h"

namespace {

using zw::outline::ItemCall;
using zw::outline::TreeNode;

ZW_HITEM Handle(const TreeNode* node) {
    return reinterpret_cast<ZW_HITEM>(const_cast<TreeNode*>(node));
}

}  // namespace

extern "C" ZW_HITEM __stdcall ZelListGetRoot(HWND list) {
    if (!IsWindow(list)) return nullptr;
    return zw::Guarded(L"ZelListGetRoot()", ZW_HITEM(nullptr), [&] { return Handle(zw::outline::RootOf(list, true)); });
}

extern "C" ZW_HITEM __stdcall ZelListGetItemHandle(HWND list, int row) {
    if (!IsWindow(list)) return nullptr;
    return zw::Guarded(L"ZelListGetItemHandle()", ZW_HITEM(nullptr), [&]() -> ZW_HITEM {
        zw::outline::OutlineState state{};
        if (!zw::outline::ReadOutlineState(list, &state)) return nullptr;
        if (row == -1) return Handle(zw::outline::RootOf(list, true));
        const zw::outline::RowRecord* record = zw::outline::RecordAt(list, state, row);
        return record ? Handle(record->node) : nullptr;
    });
}

extern "C" int __stdcall ZelListGetItemIndex(ZW_HITEM item) {
    return ItemCall(L"ZelListGetItemIndex()", item, -1, [](const TreeNode& node) {
        return zw::outline::RowOfNode(static_cast<HWND>(node.window), &node);
    });
}

extern "C" int __stdcall ZelListGetLevel(ZW_HITEM item) {
    return ItemCall(L"ZelListGetLevel()", item, -1, [](const TreeNode& node) { return int(node.level); });
}

extern "C" ZW_HITEM __stdcall ZelListGetParent(ZW_HITEM item) {
    return ItemCall(L"ZelListGetParent()", item, ZW_HITEM(nullptr),
                    [](const TreeNode& node) { return Handle(node.parent); });
}

extern "C" ZW_HITEM __stdcall ZelListGetNextSibling(ZW_HITEM item) {
    return ItemCall(L"ZelListGetNextSibling()", item, ZW_HITEM(nullptr),
                    [](const TreeNode& node) { return Handle(node.next); });
}

extern "C" ZW_HITEM __stdcall ZelListGetPrevSibling(ZW_HITEM item) {
    return ItemCall(L"ZelListGetPrevSibling()", item, ZW_HITEM(nullptr),
                    [](const TreeNode& node) { return Handle(node.previous); });
}
