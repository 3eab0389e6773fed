#include "util/windows/menus/menu_owner.h"

namespace zw::menus {
namespace {

constexpr wchar_t kFrameClass[] = L"Pellam:AccFrame";
// Popups nested deeper than this are not searched: it bounds the walk over a
// menu that (through a bad application) contains itself.
constexpr int kMaxDepth = 16;

bool Contains(HMENU root, HMENU menu, int depth) {
    if (root == menu) return true;
    if (depth >= kMaxDepth) return false;
    const int count = GetMenuItemCount(root);
    for (int position = 0; position < count; ++position) {
        HMENU popup = GetSubMenu(root, position);
        if (popup && Contains(popup, menu, depth + 1)) return true;
    }
    return false;
}

}  // namespace

bool IsFrameWindow(HWND window) {
    wchar_t name[32] = {};
    return window && GetClassNameW(window, name, 32) && !lstrcmpiW(name, kFrameClass);
}

HMENU FrameMenu(HWND frame) {
    if (HostFrameWnd* object = HostGetFrameObject(frame)) {
        HMENU menu = object->GetOurMenuHandle();
        return IsMenu(menu) ? menu : nullptr;
    }
    return MenuBarOf(frame);
}

bool MenuContains(HMENU root, HMENU menu) {
    return root && menu && IsMenu(root) && Contains(root, menu, 0);
}

HMENU MenuBarOf(HWND window) {
    if (!window || (GetWindowLongW(window, GWL_STYLE) & WS_CHILD)) return nullptr;
    HMENU menu = GetMenu(window);
    return IsMenu(menu) ? menu : nullptr;
}

OwnerFrame FindOwnerFrame(HMENU menu) {
    const DWORD process = GetCurrentProcessId();
    for (HWND frame = FindWindowExW(nullptr, nullptr, kFrameClass, nullptr); frame;
         frame = FindWindowExW(nullptr, frame, kFrameClass, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(frame, &owner);
        if (owner != process) continue;
        const bool systemMenu = GetSystemMenu(frame, FALSE) == menu;
        if (systemMenu || MenuContains(FrameMenu(frame), menu)) return {frame, HostGetFrameObject(frame), systemMenu};
    }
    return {};
}

MenuOwner ResolveOwner(HWND window, HMENU menu) {
    const OwnerFrame frame = FindOwnerFrame(menu);
    if (frame.window) return {frame.window, frame};
    if (GetSystemMenu(window, FALSE) == menu || MenuContains(MenuBarOf(window), menu)) return {window, {}};
    HWND parent = GetParent(window);
    if (parent && MenuContains(MenuBarOf(parent), menu)) return {parent, {}};
    return {};
}

HMENU NumberedMenu(const MenuOwner& owner, HMENU menu) {
    HMENU numbered = owner.frame.window ? FrameMenu(owner.frame.window) : MenuBarOf(owner.window);
    return numbered ? numbered : menu;
}

bool GiveFramePicture(HostFrameWnd& frame, UINT identifier, const std::wstring& text, const PIC& picture) {
    if (picture.icon) return frame.SetMenuPicture(identifier, text.c_str(), picture.icon) != FALSE;
    return frame.SetMenuPicture(identifier, text.c_str(), picture.bitmap, picture.mask, picture.width,
                                picture.height) != FALSE;
}

}  // namespace zw::menus
