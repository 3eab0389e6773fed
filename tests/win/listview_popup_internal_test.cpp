// The list view's list as another control's pop-up (the list view
// drop-down's list): made with CHeaderListBox::Create as a bordered pop-up
// whose owner reflects its notifications, in drop-down mode it asks its host
// window to close on Enter, Escape, Alt+Up, a click and focus loss, passes
// its key-downs on, and tells of rows selected through SetItemState. No
// export makes one, so this program links the library's objects.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/listview/header_list_box.h"
#include "tests/win/support/zwtest.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);

namespace {

using zw::listview::CHeaderListBox;

std::wstring seen;  // what reached the host: "c<code>" for WM_COMMAND, "k<key>" for WM_KEYDOWN

LRESULT CALLBACK HostProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (m == WM_NOTIFYFORMAT) return NFR_UNICODE;
    if (m == WM_NOTIFY && CHeaderListBox::ReflectNotify(lp, &result)) return result;
    // Only the list's own codes; forwarded notifications carry the host as lParam.
    if (m == WM_COMMAND && reinterpret_cast<HWND>(lp) != w) seen += L"c" + std::to_wstring(HIWORD(wp)) + L" ";
    if (m == WM_KEYDOWN) seen += L"k" + std::to_wstring(wp) + L" ";
    return DefWindowProcW(w, m, wp, lp);
}

}  // namespace

TEST(ListViewPopup, DropDownModeAsksToClose) {
    ASSERT_TRUE(DllMain(GetModuleHandleW(nullptr), DLL_PROCESS_ATTACH, nullptr));
    WNDCLASSW wc{};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"PopupHost";
    RegisterClassW(&wc);
    const HWND host = CreateWindowExW(0, wc.lpszClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                                      nullptr, wc.hInstance, nullptr);
    CHeaderListBox* popup = CHeaderListBox::Create(WS_POPUP | WS_CLIPCHILDREN | WS_BORDER, RECT{0, 0, 350, 250}, host,
                                                   0, host, host);
    ASSERT_NE(popup, nullptr);
    const HWND list = popup->Handle();
    WCHAR name[32] = {};
    GetClassNameW(list, name, 32);
    EXPECT_STREQ(name, WC_LISTVIEWW);
    EXPECT_EQ(CHeaderListBox::FromInstance(popup), popup);
    zw::listview::SPropHeaderListBox record;
    record.bDropDown = 1;
    record.style = LVS_REPORT;
    popup->ApplyRecord(record);
    ASSERT_TRUE(popup->DropDown());
    popup->InsertItem(0, L"first", 1, 0);
    popup->InsertItem(1, L"second", 2, 0);

    // A row selected by the program reaches the drop-down's hook, not the host.
    std::wstring echoed;
    popup->onStateSelected = [&](CHeaderListBox& l) { echoed = l.FirstSelectedText(); };
    popup->SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    zwtest::PumpMessages();
    EXPECT_EQ(echoed, L"second");

    RECT row{LVIR_LABEL, 0, 0, 0};
    popup->Send(LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
    const LPARAM at = MAKELPARAM(row.left + 2, (row.top + row.bottom) / 2);
    const struct { std::function<void()> act; const wchar_t* seen; } cases[] = {
        {[] {}, L""},
        {[&] { SendMessageW(list, WM_KEYDOWN, VK_ESCAPE, 0); }, L"c8 c10 k27 "},
        {[&] { SendMessageW(list, WM_KEYDOWN, VK_RETURN, 0); }, L"c8 k13 "},
        {[&] { SendMessageW(list, WM_KEYDOWN, VK_DOWN, 0); }, L"c1 k40 "},  // the user selected the first row
        {[&] { SendMessageW(list, WM_SYSKEYDOWN, VK_UP, 0x20000000); }, L"c8 "},
        {[&] { SendMessageW(list, WM_KILLFOCUS, WPARAM(host), 0); }, L"c8 "},
        {[&] { SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at), SendMessageW(list, WM_LBUTTONUP, 0, at); }, L"c1 c8 "},
    };
    for (const auto& c : cases) {
        seen.clear();
        c.act();
        zwtest::PumpMessages();
        EXPECT_EQ(seen, c.seen);
    }
    DestroyWindow(host);
    EXPECT_FALSE(IsWindow(list));
}
