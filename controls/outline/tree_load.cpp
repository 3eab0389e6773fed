// ZelListLoadChild, ZelListLoadSibling and ZelListLoadChildren: new items.
// Items are added without rows; rows appear when the parent is expanded or
// the outline is shown.
#include <windows.h>

#include <string>

#include "controls/outline/core/outline_flags.h"
#include "controls/outline/pictures/pic.h"
#include "controls/outline/shell_folders.h"
#include "controls/outline/tree_ops.h"
#include "frame/call_frame.h"
#include "frame/host_api.h"
#include "frame/host_string.h"
#include "include/zwi51.h"

namespace zw::outline {
namespace {

// A node of this box's tree, with its record.
TreeNode* NodeOf(HWND box, const void* handle) {
    TreeNode* node = AsNode(handle);
    return (node && node->window == box && node->record) ? node : nullptr;
}

TreeNode* MakeItem(HWND box, const OutlineState& state, PIC* normal, PIC* selected, std::u16string text,
                   std::intptr_t value, std::uint32_t flags) {
    if (value >= -6 && value <= -2) {
        const std::u16string folder = ShellFolderName(int(value), text);
        text = folder;
    }
    ApplyCase(text, state.style);
    TreeNode* node = NewNode(box);
    RowRecord& record = *node->record;
    record.normalPicture = PIC::FromHandle(normal);
    record.selectedPicture = PIC::FromHandle(selected);
    record.text = std::move(text);
    record.value = value;
    record.flags = flags & ~kRowPositionMask;
    record.colour = HostGetWindowColor(box, 8) & 0x00FFFFFF;
    return node;
}

std::u16string Text(LPCWSTR text) {
    return text ? std::u16string(reinterpret_cast<const char16_t*>(text)) : std::u16string();
}

}  // namespace

TreeNode* LoadChild(HWND box, TreeNode* parent, PIC* normal, PIC* selected, std::u16string text, std::intptr_t value,
                    std::uint32_t flags) {
    OutlineState state{};
    parent = NodeOf(box, parent);
    if (!parent || !ReadOutlineState(box, &state)) return nullptr;
    TreeNode* node = MakeItem(box, state, normal, selected, std::move(text), value, flags);
    AppendChild(*parent, *node);
    parent->record->flags = (parent->record->flags & ~kRowChildRowsCurrent) | kRowHasChildren | kRowCollapsed;
    return node;
}

TreeNode* LoadSibling(HWND box, TreeNode* sibling, PIC* normal, PIC* selected, std::u16string text,
                      std::intptr_t value, std::uint32_t flags) {
    OutlineState state{};
    sibling = NodeOf(box, sibling);
    if (!sibling || !sibling->parent || !ReadOutlineState(box, &state)) return nullptr;
    TreeNode* node = MakeItem(box, state, normal, selected, std::move(text), value, flags | kRowHidden);
    InsertAfter(*sibling, *node);
    return node;
}

namespace {

int LoadChildren(HWND box, TreeNode* parent, PIC* normal, PIC* selected, HARRAY texts, HARRAY values, HARRAY flags) {
    OutlineState state{};
    if (!NodeOf(box, parent) || !ReadOutlineState(box, &state)) return -87;
    LONG lower = 0, upper = -1, l2 = 0, u2 = -1, l3 = 0, u3 = -1;
    const int count = HostArrayGetBounds(texts, &lower, &upper);
    if (HostArrayGetBounds(values, &l2, &u2) != count || HostArrayGetBounds(flags, &l3, &u3) != count) return -87;
    int added = 0;
    for (int i = 0; i < count; ++i) {
        HostNumber value{}, bits{};
        HOSTSTR text = 0;
        HostArrayGetNumber(values, &value, l2 + i);
        HostArrayGetNumber(flags, &bits, l3 + i);
        std::u16string words;
        if (HostArrayGetString(texts, &text, lower + i)) {
            const std::wstring read = ReadHostString(text);
            words.assign(read.begin(), read.end());
            HostStrRelease(text);
        }
        if (!LoadChild(box, parent, normal, selected, std::move(words), HostNumberToInt(&value),
                       HostNumberToUInt(&bits)))
            return -8;
        ++added;
    }
    if (added) parent->record->flags |= kRowExpanded;
    return added;
}

}  // namespace
}  // namespace zw::outline

using zw::outline::TreeNode;

extern "C" ZW_HITEM __stdcall ZelListLoadChild(HWND list, ZW_HITEM parent, ZW_HPIC normal, ZW_HPIC selected,
                                               LPCWSTR text, LONG_PTR value, DWORD flags) {
    if (!IsWindow(list)) return nullptr;
    return zw::Guarded(L"ZelListLoadChild()", ZW_HITEM(nullptr), [&] {
        return reinterpret_cast<ZW_HITEM>(zw::outline::LoadChild(
            list, reinterpret_cast<TreeNode*>(parent), reinterpret_cast<zw::PIC*>(normal),
            reinterpret_cast<zw::PIC*>(selected), zw::outline::Text(text), value, flags));
    });
}

extern "C" ZW_HITEM __stdcall ZelListLoadSibling(HWND list, ZW_HITEM sibling, ZW_HPIC normal, ZW_HPIC selected,
                                                 LPCWSTR text, LONG_PTR value, DWORD flags) {
    if (!IsWindow(list)) return nullptr;
    return zw::Guarded(L"ZelListLoadSibling()", ZW_HITEM(nullptr), [&] {
        return reinterpret_cast<ZW_HITEM>(zw::outline::LoadSibling(
            list, reinterpret_cast<TreeNode*>(sibling), reinterpret_cast<zw::PIC*>(normal),
            reinterpret_cast<zw::PIC*>(selected), zw::outline::Text(text), value, flags));
    });
}

extern "C" int __stdcall ZelListLoadChildren(HWND list, ZW_HITEM parent, ZW_HPIC normal, ZW_HPIC selected,
                                             ZW_HARRAY texts, ZW_HARRAY values, ZW_HARRAY flags) {
    if (!IsWindow(list)) return -87;
    return zw::Guarded(L"ZelListLoadChildren()", -8, [&] {
        return zw::outline::LoadChildren(list, reinterpret_cast<TreeNode*>(parent), reinterpret_cast<zw::PIC*>(normal),
                                         reinterpret_cast<zw::PIC*>(selected), texts, values, flags);
    });
}
