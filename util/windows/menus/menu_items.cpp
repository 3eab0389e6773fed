#include "util/windows/menus/menu_items.h"

#include <algorithm>

namespace zw::menus {
namespace {

constexpr int kMaxDepth = 16;  // as deep as menu trees are searched

bool Find(HMENU menu, UINT identifier, ItemRef* item, int depth) {
    if (depth >= kMaxDepth) return false;
    const int count = GetMenuItemCount(menu);
    ItemRef candidate;
    for (int position = 0; position < count; ++position) {
        if (!FindByPosition(menu, position, &candidate)) continue;
        if (candidate.popup ? Find(candidate.popup, identifier, item, depth + 1) : false) return true;
        if (candidate.key == identifier) {
            *item = candidate;
            return true;
        }
    }
    return false;
}

int Highest(HMENU menu, int depth) {
    int highest = 0;
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count && depth < kMaxDepth; ++position) {
        if (HMENU popup = GetSubMenu(menu, position)) {
            highest = std::max(highest, Highest(popup, depth + 1));
        } else {
            highest = std::max(highest, int(GetMenuItemID(menu, position)));
        }
    }
    return highest;
}

}  // namespace

bool FindByPosition(HMENU menu, int position, ItemRef* item) {
    if (position < 0) return false;
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STATE;
    if (!GetMenuItemInfoW(menu, UINT(position), TRUE, &info)) return false;
    *item = ItemRef{menu, position, info.wID, info.hSubMenu, info.fType, info.fState};
    return true;
}

bool FindByCommand(HMENU menu, UINT identifier, ItemRef* item) {
    return IsMenu(menu) && Find(menu, identifier, item, 0);
}

bool ResolveFrameItem(HMENU menu, int item, ItemRef* found) {
    if (item < 0) return false;
    if (item < kFirstFrameCommand) return FindByPosition(menu, item, found);
    return FindByCommand(menu, UINT(item), found);
}

bool ResolveWin32Item(HMENU menu, int item, int floor, ItemRef* found) {
    if (item >= floor) return FindByPosition(menu, item, found);
    return FindByCommand(menu, UINT(item), found);
}

UINT Win32By(int item, int floor) {
    return item >= floor ? MF_BYPOSITION : MF_BYCOMMAND;
}

bool FrameIdentifier(HMENU menu, int item, UINT* identifier) {
    if (item < 0) return false;
    *identifier = item < kFirstFrameCommand ? GetMenuItemID(menu, item) : UINT(item);
    return true;
}

int HighestCommand(HMENU menu) {
    return IsMenu(menu) ? Highest(menu, 0) : 0;
}

std::wstring MenuItemString(const ItemRef& item) {
    const int length = GetMenuStringW(item.menu, UINT(item.position), nullptr, 0, MF_BYPOSITION);
    if (length <= 0) return {};
    std::wstring text(size_t(length) + 1, L'\0');
    const int copied = GetMenuStringW(item.menu, UINT(item.position), text.data(), length + 1, MF_BYPOSITION);
    text.resize(size_t(std::max(copied, 0)));
    return text;
}

bool SetMenuItemString(const ItemRef& item, const std::wstring& text) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = const_cast<LPWSTR>(text.c_str());
    return SetMenuItemInfoW(item.menu, UINT(item.position), TRUE, &info) != FALSE;
}

bool MakeOwnerDrawn(const ItemRef& item, UINT extra) {
    UINT flags = MF_BYPOSITION | MF_OWNERDRAW | (extra & (MF_GRAYED | MF_DISABLED | MF_CHECKED));
    flags |= item.state & (MFS_GRAYED | MFS_CHECKED | MFS_DEFAULT);
    flags |= item.type & (MFT_MENUBARBREAK | MFT_MENUBREAK | MFT_RIGHTJUSTIFY);
    UINT_PTR identifier = item.key;
    if (item.popup) {
        flags |= MF_POPUP;
        identifier = reinterpret_cast<UINT_PTR>(item.popup);
    }
    return ModifyMenuW(item.menu, UINT(item.position), flags, identifier, reinterpret_cast<LPCWSTR>(item.menu));
}

}  // namespace zw::menus
