// ZelMenuGetText and ZelMenuSetText: an item's text, through the frame's
// methods on a host frame's menu. The items whose text the library keeps
// (the ones it inserted or draws) are read from, and kept in step with,
// their records.
#include <windows.h>

#include <string>

#include "frame/call_frame.h"
#include "frame/host_string.h"
#include "include/zwi51.h"
#include "util/windows/menus/core/menu_text.h"
#include "util/windows/menus/menu_items.h"
#include "util/windows/menus/menu_owner.h"
#include "util/windows/menus/menu_state.h"

namespace zw::menus {
namespace {

std::wstring KeptOrMenuText(const ItemRef& item) {
    ItemRecordView record;
    if (FindItemRecord(item.menu, item.key, &record)) return record.text;
    return MenuItemString(item);
}

std::wstring ItemText(HMENU menu, int item) {
    const OwnerFrame frame = FindOwnerFrame(menu);
    ItemRef ref;
    if (frame.object) {
        UINT identifier = 0;
        if (!ResolveFrameItem(menu, item, &ref) || !FrameIdentifier(menu, item, &identifier)) return {};
        if (identifier != UINT(-1)) {
            const wchar_t* text = frame.object->GetMenuText(identifier);
            if (text && *text) return text;
        }
        return KeptOrMenuText(ref);
    }
    if (!ResolveWin32Item(menu, item, -1, &ref)) return {};
    return KeptOrMenuText(ref);
}

BOOL SetItemText(HMENU menu, int item, const std::wstring& text, HWND window) {
    const OwnerFrame frame = FindOwnerFrame(menu);
    ItemRef ref;
    ItemRecordView record;
    if (frame.object) {
        UINT identifier = 0;
        if (!ResolveFrameItem(menu, item, &ref) || !FrameIdentifier(menu, item, &identifier)) return FALSE;
        const bool kept = FindItemRecord(ref.menu, ref.key, &record);
        if (kept && !SetRecordText(ref.menu, ref.key, text)) return FALSE;
        bool done = false;
        if (identifier == UINT(-1)) {
            // A popup has no command identifier for the frame: its title is
            // changed in the menu and the frame redraws its bar.
            done = SetMenuItemString(ref, text);
            if (done) frame.object->UpdateMenuBar();
        } else {
            done = frame.object->SetMenuText(identifier, text.c_str()) != FALSE;
        }
        if (!done && kept) SetRecordText(ref.menu, ref.key, record.text);
        return done ? TRUE : FALSE;
    }
    if (!ResolveWin32Item(menu, item, -1, &ref)) return FALSE;
    const bool kept = FindItemRecord(ref.menu, ref.key, &record);
    if (kept && !SetRecordText(ref.menu, ref.key, text)) return FALSE;
    // An owner-drawn item shows its record's text; the others their own.
    if (!(ref.type & MFT_OWNERDRAW) && !SetMenuItemString(ref, text)) {
        if (kept) SetRecordText(ref.menu, ref.key, record.text);
        return FALSE;
    }
    if (IsWindow(window) && MenuBarOf(window) == ref.menu) DrawMenuBar(window);
    return TRUE;
}

}  // namespace
}  // namespace zw::menus

extern "C" ZW_HSTR __stdcall ZelMenuGetText(HMENU menu, int item, HWND window) {
    (void)window;
    return zw::NewHostString(zw::Guarded(L"ZelMenuGetText()", std::wstring(), [&] {
        return IsMenu(menu) ? zw::menus::ItemText(menu, item) : std::wstring();
    }, zw::kNoDebugText));
}

extern "C" BOOL __stdcall ZelMenuSetText(HMENU menu, int item, LPCWSTR text, HWND window) {
    if (!IsMenu(menu) || !text) return FALSE;
    return zw::Guarded(L"ZelMenuSetText()", FALSE, [&] {
        return zw::menus::SetItemText(menu, item, zw::menus::ExpandTabEscape(text), window);
    }, zw::kNoDebugText);
}
