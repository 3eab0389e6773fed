// MenuOwnerProc: the subclass procedure of windows that own menus the library
// changed. It measures and draws the owner-drawn items the library keeps
// records of, answers their mnemonics, and takes the menu state away when the
// window is destroyed. Everything else goes to the window's own procedure.
#include <windows.h>

#include "frame/call_frame.h"
#include "util/windows/menus/core/menu_text.h"
#include "util/windows/menus/menu_item_painter.h"
#include "util/windows/menus/menu_items.h"
#include "util/windows/menus/menu_state.h"

namespace zw::menus {
namespace {

constexpr wchar_t kFunction[] = L"MenuOwnerProc()";

// The library's items carry their menu's handle as item data.
bool OnMeasureItem(HWND owner, MEASUREITEMSTRUCT& measure) {
    ItemRecordView item;
    if (measure.CtlType != ODT_MENU ||
        !FindItemRecord(reinterpret_cast<HMENU>(measure.itemData), measure.itemID, &item)) {
        return false;
    }
    const SIZE size = MeasureMenuItem(owner, item);
    measure.itemWidth = UINT(size.cx);
    measure.itemHeight = UINT(size.cy);
    return true;
}

bool OnDrawItem(const DRAWITEMSTRUCT& draw) {
    ItemRecordView item;
    if (draw.CtlType != ODT_MENU || !FindItemRecord(reinterpret_cast<HMENU>(draw.hwndItem), draw.itemID, &item)) {
        return false;
    }
    DrawMenuItem(draw, item);
    return true;
}

// The first owner-drawn item of the menu whose mnemonic is the typed
// character, compared without case: the system cannot see the mnemonics of
// texts it does not draw.
bool OnMenuChar(wchar_t typed, HMENU menu, LRESULT* result) {
    if (!IsMenu(menu)) return false;
    const LPARAM wanted = reinterpret_cast<LPARAM>(CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(typed))));
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        ItemRef ref;
        ItemRecordView item;
        if (!FindByPosition(menu, position, &ref) || !(ref.type & MFT_OWNERDRAW) ||
            !FindItemRecord(menu, ref.key, &item)) {
            continue;
        }
        const wchar_t mnemonic = Mnemonic(item.text);
        if (!mnemonic) continue;
        const LPARAM have =
            reinterpret_cast<LPARAM>(CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(mnemonic))));
        if (have == wanted) {
            *result = MAKELRESULT(position, MNC_EXECUTE);
            return true;
        }
    }
    return false;
}

// Returns true with *result set when the message is answered here.
bool Handle(HWND owner, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    switch (message) {
    case WM_MEASUREITEM:
        if (!OnMeasureItem(owner, *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return false;
        *result = TRUE;
        return true;
    case WM_DRAWITEM:
        if (!OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return false;
        *result = TRUE;
        return true;
    case WM_MENUCHAR:
        return OnMenuChar(LOWORD(wParam), reinterpret_cast<HMENU>(lParam), result);
    case WM_DESTROY:
        DestroyMenuState(owner);
        return false;
    default:
        return false;
    }
}

}  // namespace

LRESULT CALLBACK MenuOwnerProc(HWND owner, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC previous = PreviousProcedure(owner);
    if (!previous) return DefWindowProcW(owner, message, wParam, lParam);
    try {
        LRESULT result = 0;
        if (Handle(owner, message, wParam, lParam, &result)) return result;
    } catch (...) {
        zw::detail::ReportCaught(kFunction, nullptr);
    }
    return CallWindowProcW(previous, owner, message, wParam, lParam);
}

}  // namespace zw::menus
