// ZelMenuSetPicture: a picture beside an existing item's text. A host frame
// is given it through its method and draws it; elsewhere an item the library
// keeps a record of (or any item, for an icon) becomes owner-drawn with the
// picture, and a plain item shows a bitmap in its check-mark place.
#include <windows.h>

#include <string>

#include "controls/outline/pictures/pic.h"
#include "frame/call_frame.h"
#include "include/zwi51.h"
#include "util/windows/menus/core/menu_text.h"
#include "util/windows/menus/menu_items.h"
#include "util/windows/menus/menu_owner.h"
#include "util/windows/menus/menu_state.h"

namespace zw::menus {
namespace {

BOOL SetFramePicture(const OwnerFrame& frame, HMENU menu, int item, const std::wstring& text, PIC& picture) {
    ItemRef ref;
    UINT identifier = 0;
    if (!ResolveFrameItem(menu, item, &ref) || !FrameIdentifier(menu, item, &identifier) ||
        identifier == UINT(-1)) {
        return FALSE;
    }
    // A record the library keeps of the item follows the change.
    ItemRecordView kept;
    if (FindItemRecord(ref.menu, ref.key, &kept) &&
        !SetItemRecord(kept.owner, ref.menu, ref.key, {text.empty() ? kept.text : text, &picture, kept.font})) {
        return FALSE;
    }
    return GiveFramePicture(*frame.object, identifier, text, picture) ? TRUE : FALSE;
}

BOOL SetPicture(HMENU menu, int item, const std::wstring& text, HWND window, PIC& picture, UINT flags) {
    const MenuOwner owner = ResolveOwner(window, menu);
    if (!owner.window) return FALSE;
    if (owner.frame.object) return SetFramePicture(owner.frame, menu, item, text, picture);
    ItemRef ref;
    if (!ResolveWin32Item(menu, item, 0, &ref)) return FALSE;
    ItemRecordView kept;
    const bool hasRecord = FindItemRecord(ref.menu, ref.key, &kept);
    if (!hasRecord && picture.type == PIC::kBitmap && !(ref.type & MFT_OWNERDRAW)) {
        if (!text.empty() && !SetMenuItemString(ref, text)) return FALSE;
        return SetMenuItemBitmaps(ref.menu, UINT(ref.position), MF_BYPOSITION, picture.bitmap, picture.bitmap);
    }
    if (!EnsureMenuState(owner.window, NumberedMenu(owner, menu))) return FALSE;
    const std::wstring shown = !text.empty() ? text : hasRecord ? kept.text : MenuItemString(ref);
    HWND holder = hasRecord ? kept.owner : owner.window;
    if (!SetItemRecord(holder, ref.menu, ref.key, {shown, &picture, hasRecord ? kept.font : nullptr})) return FALSE;
    if (!(ref.type & MFT_OWNERDRAW) && !MakeOwnerDrawn(ref, flags)) {
        if (hasRecord) SetItemRecord(holder, ref.menu, ref.key, {kept.text, kept.picture, kept.font});
        else ReleaseItemRecord(ref.menu, ref.key);
        return FALSE;
    }
    if (MenuBarOf(owner.window) == ref.menu) DrawMenuBar(owner.window);
    return TRUE;
}

}  // namespace
}  // namespace zw::menus

extern "C" BOOL __stdcall ZelMenuSetPicture(HMENU menu, int item, LPCWSTR text, HWND window, ZW_HPIC picture,
                                            UINT flags) {
    if (!IsMenu(menu) || !IsWindow(window) || !picture) return FALSE;
    return zw::Guarded(L"ZelMenuSetPicture()", FALSE, [&]() -> BOOL {
        zw::PIC* shown = zw::PIC::FromHandle(picture);
        if (!shown) return FALSE;
        const std::wstring given = text ? zw::menus::ExpandTabEscape(text) : std::wstring();
        return zw::menus::SetPicture(menu, item, given, window, *shown, flags);
    }, zw::kNoDebugText);
}
