// The menu state of a window that owns menus the library changes (a host
// frame, or a plain window with a menu): a moveable local block under the
// window property "ZW:Menu", holding the window's previous procedure, the
// next free command identifier and the table of item records. The window is
// subclassed while it has a state (menu_owner_proc.cpp), so that the library
// draws its owner-drawn items; the state goes with the window.
//
// An item record keeps what the library knows of one item it inserted or
// converted: its menu, its identifier, a copy of its text, its picture and
// its font.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

#include "controls/outline/pictures/pic.h"

namespace zw::menus {

#pragma pack(push, 2)
struct MenuItemRecord {
    HMENU menu;       // the menu that holds the item
    UINT identifier;  // its identifier as owner-drawing reports it
    WORD inUse;       // 1 while the record is taken, 0 when free
    HLOCAL text;      // moveable local block: the library's copy of the item's text
    PIC* picture;     // the library picture shown beside the text; null for none
    HANDLE image;     // that picture's icon or bitmap when it was given: a picture
                      // freed and another made at the same address is not drawn
    HFONT font;       // the font the text is drawn in; null for the menu font
};
#pragma pack(pop)
#if !defined(_WIN64)
static_assert(sizeof(MenuItemRecord) == 26, "an item record is 26 bytes");
#endif

struct MenuState {
    WNDPROC previous;     // the window's procedure before the subclass
    UINT nextIdentifier;  // the command identifier the next inserted item gets
    HLOCAL records;       // moveable local block of `capacity` item records
    int count;            // records used so far (taken or freed again)
    int capacity;         // records the block has room for
};

// What a record holds, copied out.
struct ItemRecordView {
    HWND owner = nullptr;  // the window whose state holds it
    std::wstring text;
    PIC* picture = nullptr;  // null, or a live picture whose image is the one given
    HFONT font = nullptr;
};

// What a record is to hold.
struct ItemContent {
    std::wstring text;
    PIC* picture = nullptr;
    HFONT font = nullptr;
};

// The window's state, made on first use: the next free identifier is one
// more than the highest command identifier in `scanned` (the owner's menu),
// and the window is subclassed. False when it cannot be had.
bool EnsureMenuState(HWND owner, HMENU scanned);
bool HasMenuState(HWND owner);

// The identifier the next inserted item gets, and taking it once the item is in.
UINT NextIdentifier(HWND owner);
void TakeIdentifier(HWND owner);

// Records of the owner's state, keyed by menu and identifier. Setting a
// record replaces the one of the same item or takes a free one (the table
// grows by 10 records at a time); false when memory cannot be had, and then
// nothing changed.
bool SetItemRecord(HWND owner, HMENU menu, UINT identifier, const ItemContent& content);
// Finds the record of an item in any window's state.
bool FindItemRecord(HMENU menu, UINT identifier, ItemRecordView* view);
// Replaces the text of an item's record; false when it has none or memory
// cannot be had.
bool SetRecordText(HMENU menu, UINT identifier, const std::wstring& text);
// Frees an item's record and its text copy.
void ReleaseItemRecord(HMENU menu, UINT identifier);

// The subclass procedure's view of the state: the window's previous
// procedure (null when the window has no state), and taking the state away
// at WM_DESTROY (the procedure is put back when it is still ours).
WNDPROC PreviousProcedure(HWND owner);
void DestroyMenuState(HWND owner);

// Menu states and records in use, for leak accounting.
std::size_t LiveMenuRecordCount();

// The subclass procedure of owners (menu_owner_proc.cpp).
LRESULT CALLBACK MenuOwnerProc(HWND owner, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace zw::menus
