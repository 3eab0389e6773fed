// The colour palette as another control's pop-up (the palette drop-down's
// list): made with CColorPalette::Create in the inner class, sized to its
// layout, reporting to the owner it was given, and closing itself on focus
// loss. No export makes one, so this program links the library's objects and
// starts them as the library's loader would.
#include <gtest/gtest.h>

#include <vector>

#include "controls/palette/color_palette.h"
#include "tests/win/support/zwtest.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);

namespace {

std::vector<std::pair<int, HWND>> notes;  // (code, window) of the owner's WM_COMMAND

LRESULT CALLBACK OwnerProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_COMMAND) notes.emplace_back(HIWORD(wp), reinterpret_cast<HWND>(lp));
    return DefWindowProcW(w, m, wp, lp);
}

HWND MakeOwner() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = OwnerProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"PopupOwner";
    RegisterClassW(&wc);
    return CreateWindowExW(0, wc.lpszClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                           nullptr, wc.hInstance, nullptr);
}

}  // namespace

TEST(PalettePopup, MadeInTheInnerClassForAnOwner) {
    using namespace zw::palette;
    ASSERT_TRUE(DllMain(GetModuleHandleW(nullptr), DLL_PROCESS_ATTACH, nullptr));
    const HWND owner = MakeOwner();
    const RECT rect{0, 0, 40, 30};
    CColorPalette* popup = CColorPalette::Create(WS_POPUP | WS_CLIPCHILDREN | WS_BORDER, rect, owner, 0, owner);
    ASSERT_NE(popup, nullptr);
    const HWND window = popup->Handle();
    WCHAR name[64] = {};
    GetClassNameW(window, name, 64);
    EXPECT_STREQ(name, L"ZW:ColorPalette:10");
    EXPECT_EQ(CColorPalette::FromInstance(popup), popup);
    EXPECT_EQ(popup->Owner(), owner);

    // A drop-down's record: auto-sized inside the border, in drop-down mode.
    SPropPalette record;
    record.bAutoSize = record.bDropDown = 1;
    popup->ApplyRecord(record);
    RECT outer, client;
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    EXPECT_EQ(outer.right - outer.left, popup->LaidOutSize().cx);
    EXPECT_EQ(client.right, popup->Layout().whole.right + 1);
    EXPECT_EQ(client.bottom, popup->Layout().whole.bottom + 1);

    ShowWindow(window, SW_SHOWNA);
    popup->SetFocusItem(kGridArea, 3, true);
    COLORREF color = 0;
    EXPECT_TRUE(popup->FocusColor(&color));
    EXPECT_EQ(color, 0x00FFFFu);
    zwtest::PumpMessages();
    ASSERT_FALSE(notes.empty());
    EXPECT_EQ(notes.back(), std::make_pair(1, window));

    // Losing the focus hides it and asks the owner to close it up. (The focus
    // loss is sent: moving the real focus between top-level windows waits on
    // the X server under Wine.)
    notes.clear();
    SendMessageW(window, WM_KILLFOCUS, WPARAM(owner), 0);
    zwtest::PumpMessages();
    EXPECT_FALSE(IsWindowVisible(window));
    const std::vector<std::pair<int, HWND>> closing = {{8, window}, {2, window}};
    EXPECT_EQ(notes, closing);

    // The palette goes with its window; a window that cannot be made leaves nothing.
    DestroyWindow(window);
    EXPECT_EQ(CColorPalette::FromInstance(popup), nullptr);
    EXPECT_EQ(CColorPalette::Create(WS_CHILD, rect, reinterpret_cast<HWND>(0xBAD0), 1, nullptr), nullptr);
    DestroyWindow(owner);
}
