// ZelMenuSetFont: an existing item's text drawn in a chosen font. The item
// becomes owner-drawn, on a host frame's menu too (the frame has no font
// method; it redraws its bar), and the library draws it from its record.
#include <windows.h>

#include <string>

#include "controls/outline/pictures/fonts.h"
#include "frame/call_frame.h"
#include "include/zwi51.h"
#include "util/windows/menus/core/menu_text.h"
#include "util/windows/menus/menu_items.h"
#include "util/windows/menus/menu_owner.h"
#include "util/windows/menus/menu_state.h"

namespace zw::menus {
namespace {

BOOL SetFont(HMENU menu, int item, const std::wstring& text, HWND window, HFONT font) {
    const MenuOwner owner = ResolveOwner(window, menu);
    if (!owner.window) return FALSE;
    HostFrameWnd* frame = owner.frame.object;
    ItemRef ref;
    if (!(frame ? ResolveFrameItem(menu, item, &ref) : ResolveWin32Item(menu, item, 0, &ref))) return FALSE;
    if (!EnsureMenuState(owner.window, NumberedMenu(owner, menu))) return FALSE;
    ItemRecordView kept;
    const bool hasRecord = FindItemRecord(ref.menu, ref.key, &kept);
    const std::wstring shown = !text.empty() ? text : hasRecord ? kept.text : MenuItemString(ref);
    HWND holder = hasRecord ? kept.owner : owner.window;
    if (!SetItemRecord(holder, ref.menu, ref.key, {shown, hasRecord ? kept.picture : nullptr, font})) return FALSE;
    if (!(ref.type & MFT_OWNERDRAW) && !MakeOwnerDrawn(ref, 0)) {
        if (hasRecord) SetItemRecord(holder, ref.menu, ref.key, {kept.text, kept.picture, kept.font});
        else ReleaseItemRecord(ref.menu, ref.key);
        return FALSE;
    }
    if (frame) frame->UpdateMenuBar();
    else if (MenuBarOf(owner.window) == ref.menu) DrawMenuBar(owner.window);
    return TRUE;
}

}  // namespace
}  // namespace zw::menus

extern "C" BOOL __stdcall ZelMenuSetFont(HMENU menu, int item, LPCWSTR text, HWND window, HFONT font) {
    if (!IsMenu(menu) || !IsWindow(window) || !zw::IsFont(font)) return FALSE;
    return zw::Guarded(L"ZelMenuSetFont()", FALSE, [&] {
        const std::wstring given = text ? zw::menus::ExpandTabEscape(text) : std::wstring();
        return zw::menus::SetFont(menu, item, given, window, font);
    }, zw::kNoDebugText);
}
