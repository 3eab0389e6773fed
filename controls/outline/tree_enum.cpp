// ZelListEnumChildren, ZelListEnumDescendents and ZelListFindItemValue.
#include <windows.h>

#include <cstdint>

#include "controls/outline/item_call.h"
#include "controls/outline/tree_ops.h"
#include "frame/call_frame.h"
#include "frame/host_api.h"
#include "include/zwi51.h"

namespace zw::outline {
namespace {

// Host numbers hold 32-bit values: the handle as the application sees it.
// The 32-bit library stores the whole pointer; the 64-bit test build keeps
// only its low 32 bits, which name the item only while it lies below 4 GB.
#if !defined(_WIN64)
static_assert(sizeof(TreeNode*) == sizeof(int), "an item handle fits a host number");
#endif

bool Put(HARRAY array, const TreeNode* node, LONG index) {
    HostNumber number{};
    HostIntToNumber(int(reinterpret_cast<std::intptr_t>(node)), &number);
    return HostArrayPutNumber(array, &number, index) != FALSE;
}

template <typename Next>
int Enumerate(HARRAY array, TreeNode* first, Next next) {
    LONG count = 0;
    for (TreeNode* node = first; node; node = next(*node)) {
        if (!Put(array, node, count)) throw MemoryException();
        ++count;
    }
    HostArraySetBounds(array, 0, count - 1);
    return int(count);
}

}  // namespace
}  // namespace zw::outline

using zw::outline::ItemCall;
using zw::outline::TreeNode;

extern "C" int __stdcall ZelListEnumChildren(ZW_HITEM item, ZW_HARRAY numbers) {
    return ItemCall(L"ZelListEnumChildren()", item, 0, [&](const TreeNode& node) {
        return zw::outline::Enumerate(numbers, node.firstChild, [](const TreeNode& at) { return at.next; });
    });
}

extern "C" int __stdcall ZelListEnumDescendents(ZW_HITEM item, ZW_HARRAY numbers) {
    return ItemCall(L"ZelListEnumDescendents()", item, 0, [&](const TreeNode& node) {
        return zw::outline::Enumerate(numbers, zw::outline::NextInBranch(node, node),
                                      [&node](const TreeNode& at) { return zw::outline::NextInBranch(at, node); });
    });
}

extern "C" ZW_HITEM __stdcall ZelListFindItemValue(ZW_HITEM item, LONG_PTR value) {
    return ItemCall(L"ZelListFindItemValue()", item, ZW_HITEM(nullptr), [&](TreeNode& node) -> ZW_HITEM {
        for (TreeNode* at = &node; at; at = zw::outline::NextInBranch(*at, node)) {
            if (at->record->value == value) return reinterpret_cast<ZW_HITEM>(at);
        }
        return nullptr;
    });
}
