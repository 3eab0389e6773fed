// ZelMenuInsert, ZelMenuInsertPicture and ZelMenuInsertFont: new items with
// the owner's next free command identifier. On a host frame's menu the item
// goes in through the frame (and a picture is given to the frame, which
// draws it); elsewhere picture items, and font items everywhere, are
// owner-drawn by the library from their records.
#include <windows.h>

#include <string>

#include "controls/outline/pictures/fonts.h"
#include "controls/outline/pictures/pic.h"
#include "frame/call_frame.h"
#include "include/zwi51.h"
#include "util/windows/menus/core/menu_text.h"
#include "util/windows/menus/menu_items.h"
#include "util/windows/menus/menu_owner.h"
#include "util/windows/menus/menu_state.h"

namespace zw::menus {
namespace {

struct NewItem {
    std::wstring text;      // the item's text, tab escapes turned into tabs
    UINT flags = 0;         // MF_ bits the application gave
    PIC* picture = nullptr; // shown beside the text, or null
    HFONT font = nullptr;   // the text's font, or null for the menu's
};

// Where the new item goes: the menu that holds the item named and the
// position there ((UINT)-1 at the end). False when the item named is not there.
bool InsertionPlace(HMENU menu, int item, bool frameRule, HMENU* target, UINT* before) {
    *target = menu;
    const bool position = frameRule ? item >= -1 && item < kFirstFrameCommand : item >= -1;
    if (position) {
        *before = UINT(item);
        return true;
    }
    ItemRef ref;
    if (frameRule && item < 0) return false;
    if (!FindByCommand(menu, UINT(item), &ref)) return false;
    *target = ref.menu;
    *before = UINT(ref.position);
    return true;
}

// Puts the item in through the frame; the frame's menu is attached again
// afterwards (its system menu needs no attaching). A step that fails takes
// the item out again.
bool InsertThroughFrame(const OwnerFrame& frame, HMENU target, UINT before, UINT flags, UINT identifier,
                        const NewItem& item, bool ownerDrawn) {
    HostFrameWnd& object = *frame.object;
    const HostFrameMenuItem inserted{target, flags | MF_STRING, identifier, item.text.c_str()};
    bool done = object.InsertMenuW(before, reinterpret_cast<LONG_PTR>(&inserted)) != FALSE;
    if (!done) return false;
    ItemRef ref;
    if (ownerDrawn) done = FindByCommand(target, identifier, &ref) && MakeOwnerDrawn(ref, 0);
    if (done && item.picture) done = GiveFramePicture(object, identifier, item.text, *item.picture);
    if (!done) DeleteMenu(target, identifier, MF_BYCOMMAND);
    if (!frame.systemMenu) object.AttachMenu(object.GetOurMenuHandle());
    return done;
}

// The new item's command identifier; 0 when it could not be inserted (the
// menu is then as it was).
UINT InsertItem(HMENU menu, int item, HWND window, const NewItem& newItem) {
    const MenuOwner owner = ResolveOwner(window, menu);
    if (!owner.window) return 0;
    const OwnerFrame& frame = owner.frame;
    HMENU target = nullptr;
    UINT before = 0;
    if (!InsertionPlace(menu, item, frame.object != nullptr, &target, &before)) return 0;
    if (!EnsureMenuState(owner.window, NumberedMenu(owner, menu))) return 0;
    const UINT identifier = NextIdentifier(owner.window);
    if (!SetItemRecord(owner.window, target, identifier, {newItem.text, newItem.picture, newItem.font})) return 0;

    const UINT flags = MF_BYPOSITION | (newItem.flags & kApplicationFlags);
    const bool separator = (flags & MF_SEPARATOR) != 0;
    bool done = false;
    if (frame.object) {
        done = InsertThroughFrame(frame, target, before, flags, identifier, newItem, newItem.font && !separator);
    } else {
        const bool ownerDrawn = !separator && (newItem.font || newItem.picture);
        done = ownerDrawn ? InsertMenuW(target, before, flags | MF_OWNERDRAW, identifier,
                                        reinterpret_cast<LPCWSTR>(target))
                          : InsertMenuW(target, before, flags | MF_STRING, identifier, newItem.text.c_str());
    }
    if (!done) {
        ReleaseItemRecord(target, identifier);
        return 0;
    }
    TakeIdentifier(owner.window);
    if (MenuBarOf(owner.window) == target) DrawMenuBar(owner.window);
    return identifier;
}

}  // namespace
}  // namespace zw::menus

using zw::menus::NewItem;

extern "C" UINT __stdcall ZelMenuInsert(HMENU menu, int item, LPCWSTR text, HWND window, UINT flags) {
    if (!IsMenu(menu) || !text || !IsWindow(window)) return 0;
    return zw::Guarded(L"ZelMenuInsert()", 0u, [&] {
        return zw::menus::InsertItem(menu, item, window, NewItem{zw::menus::ExpandTabEscape(text), flags});
    }, zw::kNoDebugText);
}

extern "C" UINT __stdcall ZelMenuInsertPicture(HMENU menu, int item, LPCWSTR text, HWND window, ZW_HPIC picture,
                                               UINT flags) {
    if (!IsMenu(menu) || !text || !IsWindow(window) || !picture) return 0;
    return zw::Guarded(L"ZelMenuInsertPicture()", 0u, [&]() -> UINT {
        zw::PIC* shown = zw::PIC::FromHandle(picture);
        if (!shown) return 0;
        return zw::menus::InsertItem(menu, item, window, NewItem{zw::menus::ExpandTabEscape(text), flags, shown});
    }, zw::kNoDebugText);
}

extern "C" UINT __stdcall ZelMenuInsertFont(HMENU menu, int item, LPCWSTR text, HWND window, HFONT font) {
    if (!IsMenu(menu) || !text || !IsWindow(window) || !zw::IsFont(font)) return 0;
    return zw::Guarded(L"ZelMenuInsertFont()", 0u, [&] {
        return zw::menus::InsertItem(menu, item, window, NewItem{zw::menus::ExpandTabEscape(text), 0, nullptr, font});
    }, zw::kNoDebugText);
}
