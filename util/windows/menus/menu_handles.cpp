// ZelMenuGetHandle, ZelMenuGetSystemHandle, ZelMenuGetPopupHandle and
// ZelMenuGetCount: finding menus and counting their items.
#include <windows.h>

#include "frame/call_frame.h"
#include "include/zwi51.h"
#include "util/windows/menus/menu_owner.h"

namespace zw::menus {
namespace {

HMENU SystemMenuOf(HWND window) {
    HMENU menu = window ? GetSystemMenu(window, FALSE) : nullptr;
    return IsMenu(menu) ? menu : nullptr;
}

}  // namespace
}  // namespace zw::menus

extern "C" HMENU __stdcall ZelMenuGetHandle(HWND window) {
    if (!IsWindow(window)) return nullptr;
    return zw::Guarded(L"ZelMenuGetHandle()", HMENU(nullptr), [&]() -> HMENU {
        using namespace zw::menus;
        if (HMENU menu = MenuBarOf(window)) return menu;
        if (HMENU menu = MenuBarOf(GetParent(window))) return menu;
        // A host frame may keep its menu in its frame object only; a window
        // inside it finds it through the frame.
        HWND frame = IsFrameWindow(window) ? window : GetAncestor(window, GA_ROOT);
        return IsFrameWindow(frame) ? FrameMenu(frame) : nullptr;
    }, zw::kNoDebugText);
}

extern "C" HMENU __stdcall ZelMenuGetSystemHandle(HWND window) {
    if (!IsWindow(window)) return nullptr;
    return zw::Guarded(L"ZelMenuGetSystemHandle()", HMENU(nullptr), [&]() -> HMENU {
        if (HMENU menu = zw::menus::SystemMenuOf(window)) return menu;
        return zw::menus::SystemMenuOf(GetParent(window));
    }, zw::kNoDebugText);
}

extern "C" HMENU __stdcall ZelMenuGetPopupHandle(HMENU menu, int position) {
    if (!IsMenu(menu)) return nullptr;
    return zw::Guarded(L"ZelMenuGetPopupHandle()", HMENU(nullptr), [&] { return GetSubMenu(menu, position); },
                       zw::kNoDebugText);
}

extern "C" int __stdcall ZelMenuGetCount(HMENU menu) {
    if (!IsMenu(menu)) return -1;
    return zw::Guarded(L"ZelMenuGetCount()", -1, [&] { return GetMenuItemCount(menu); }, zw::kNoDebugText);
}
