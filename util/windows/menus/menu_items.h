// Menu items as the application names them, and small operations on one item.
//
// The item argument of the menu functions: on a menu of a host frame (changed
// through the frame's methods) 0 to 1023 is a 0-based position and 1024 or
// more a command identifier. Elsewhere (Win32 menu calls) a value from the
// position floor up is a position and a value below it is passed, as it is, as
// a command identifier; the floor is 0, or -1 for insertion, deletion and the
// texts, so that -1 inserts at the end.
#pragma once

#include <windows.h>

#include <string>

namespace zw::menus {

constexpr int kFirstFrameCommand = 1024;

// An item found in a menu tree.
struct ItemRef {
    HMENU menu = nullptr;  // the menu that holds it (a popup nested in the one named, for a command)
    int position = -1;     // its 0-based position there
    UINT key = 0;          // its identifier as owner-drawing reports it (a popup's is its menu handle)
    HMENU popup = nullptr; // the popup it opens, or null
    UINT type = 0;         // MFT_ bits
    UINT state = 0;        // MFS_ bits
};

// The item at a position of `menu`; false when there is none.
bool FindByPosition(HMENU menu, int position, ItemRef* item);
// The item with a command identifier in `menu` or the popups nested in it
// (a popup's own items first); false when there is none.
bool FindByCommand(HMENU menu, UINT identifier, ItemRef* item);

// The item an application's item value names: by the frame rule, or by the
// Win32 rule with its position floor (0 or -1).
bool ResolveFrameItem(HMENU menu, int item, ItemRef* found);
bool ResolveWin32Item(HMENU menu, int item, int floor, ItemRef* found);

// MF_BYPOSITION or MF_BYCOMMAND for an item value by the Win32 rule.
UINT Win32By(int item, int floor);

// The command identifier the frame methods take for an item value by the
// frame rule: GetMenuItemID of a position ((UINT)-1 for a popup or no item),
// the value itself from 1024 on; false for a negative value.
bool FrameIdentifier(HMENU menu, int item, UINT* identifier);

// The highest positive command identifier in a menu tree; 0 when it has none.
int HighestCommand(HMENU menu);

// The item's text as the menu holds it ("" for none).
std::wstring MenuItemString(const ItemRef& item);

// Replaces the item's text in the menu.
bool SetMenuItemString(const ItemRef& item, const std::wstring& text);

// Makes an item owner-drawn with the menu's handle as its item data, keeping
// its state, its popup and its breaks. `extra` adds MF_ state bits.
bool MakeOwnerDrawn(const ItemRef& item, UINT extra);

// The MF_ bits an application may give to an insertion: states, breaks,
// separator and right justification. Which kind of item it is (string,
// owner-drawn, popup, bitmap) and how it is addressed are the library's.
constexpr UINT kApplicationFlags =
    MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_MENUBARBREAK | MF_MENUBREAK | MF_SEPARATOR | MF_RIGHTJUSTIFY;

}  // namespace zw::menus
