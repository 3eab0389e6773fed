// ZelListEnumChildren, ZelListEnumDescendents and ZelListFindItemValue.
#include <windows.h>

#include <cstdint>

#include "controls/outline/tree_ops.h"
#include "frame/call_frame.h"
#include "frame/host_api.h"
#include "include/zwi51.h"

namespace zw::outline {
namespace {

// Host numbers hold 32-bit values: the handle as the application sees it.
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

using zw::outline::AsNode;
using zw::outline::TreeNode;

extern "C" int __stdcall ZelListEnumChildren(ZW_HITEM item, ZW_HARRAY numbers) {
    const TreeNode* node = AsNode(item);
    if (!node) return 0;
    return zw::Guarded(L"ZelListEnumChildren()", 0, [&] {
        return zw::outline::Enumerate(numbers, node->firstChild, [](const TreeNode& at) { return at.next; });
    });
}

extern "C" int __stdcall ZelListEnumDescendents(ZW_HITEM item, ZW_HARRAY numbers) {
    const TreeNode* node = AsNode(item);
    if (!node) return 0;
    return zw::Guarded(L"ZelListEnumDescendents()", 0, [&] {
        return zw::outline::Enumerate(numbers, zw::outline::NextInBranch(*node, *node),
                                      [node](const TreeNode& at) { return zw::outline::NextInBranch(at, *node); });
    });
}

extern "C" ZW_HITEM __stdcall ZelListFindItemValue(ZW_HITEM item, LONG_PTR value) {
    TreeNode* node = AsNode(item);
    if (!node) return nullptr;
    for (TreeNode* at = node; at; at = zw::outline::NextInBranch(*at, *node)) {
        if (at->record->value == value) return reinterpret_cast<ZW_HITEM>(at);
    }
    return nullptr;
}
