// Who owns a menu: the host frame window whose menu it belongs to (found by
// searching the frames, as every changing function does), or the window the
// application names, or that window's parent. The owner is the window whose
// messages draw the library's items of the menu.
#pragma once

#include <windows.h>

#include <string>

#include "controls/outline/pictures/pic.h"
#include "frame/host_api.h"

namespace zw::menus {

// Whether a window is a host frame window (class "Pellam:AccFrame").
bool IsFrameWindow(HWND window);

// The frame's own menu: its frame object's, else the window's menu.
HMENU FrameMenu(HWND frame);

// Whether `menu` is `root` or a popup nested in it, searched depth first
// through the items that open popups.
bool MenuContains(HMENU root, HMENU menu);

// The window's menu bar: null for a child window, whose "menu" is its
// control identifier, and for a handle that is not a menu.
HMENU MenuBarOf(HWND window);

// The host frame a menu belongs to.
struct OwnerFrame {
    HWND window = nullptr;            // the first top-level frame window of the process that owns it; null for none
    HostFrameWnd* object = nullptr;   // its frame object; null when it is neither host frame class
    bool systemMenu = false;          // the menu is the frame's system menu
};
OwnerFrame FindOwnerFrame(HMENU menu);

// The window whose messages draw the items of `menu` that `window` names:
// the owner frame when there is one, else the window when the menu is its
// system menu or inside its menu bar, else the parent when the menu is
// inside the parent's menu bar.
struct MenuOwner {
    HWND window = nullptr;  // null when the menu belongs to none of them
    OwnerFrame frame;       // the owner frame, when the menu belongs to one
};
MenuOwner ResolveOwner(HWND window, HMENU menu);

// The menu whose highest command identifier starts the owner's numbering:
// the frame's own menu, else the owner's menu bar, else `menu`.
HMENU NumberedMenu(const MenuOwner& owner, HMENU menu);

// Gives a frame's command a picture through the frame: the icon form for
// icons, the bitmap form (with mask and size) for bitmaps.
bool GiveFramePicture(HostFrameWnd& frame, UINT identifier, const std::wstring& text, const PIC& picture);

}  // namespace zw::menus
