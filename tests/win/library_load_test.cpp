// Start-up and shut-down of the library: its nine window classes exist with
// their styles while it is loaded and are gone once it is unloaded.
#include <gtest/gtest.h>

#include "tests/win/support/zwtest.h"

namespace {

struct ExpectedClass {
    const wchar_t* name;
    UINT style;
    int extra;
    bool arrow;
};

const ExpectedClass kExpected[] = {
    {L"ZW:cCalendar:10", 0x6880, 0, true},     {L"ZW:cComboCal:10", 0x6888, 0, true},
    {L"ZW:cPalette:10", 0x6080, 0, true},      {L"ZW:cComboPal:10", 0x6888, 0, true},
    {L"ZW:cSplitter:10", 0x400B, 0, false},    {L"ZW:cListView:10", 0x4088, 0, true},
    {L"ZW:cListViewDropDown:10", 0x4088, 0, true}, {L"ZW:cSpinField:10", 0x4008, 4, true},
    {L"ZW:cMeter:10", 0x4000, 4, true},
};

TEST(LibraryLoad, ClassesLiveExactlyWhileTheLibraryIsLoaded) {
    for (int round = 0; round < 2; ++round) {
        HMODULE library = LoadLibraryW(L"zwi51.dll");
        ASSERT_NE(library, nullptr) << GetLastError();
        HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
        for (const ExpectedClass& c : kExpected) {
            WNDCLASSEXW info{};
            info.cbSize = sizeof info;
            ASSERT_TRUE(GetClassInfoExW(library, c.name, &info)) << c.name;
            EXPECT_EQ(info.style, c.style) << c.name;
            EXPECT_EQ(info.cbWndExtra, c.extra) << c.name;
            EXPECT_EQ(info.hCursor, c.arrow ? arrow : nullptr) << c.name;
            EXPECT_EQ(info.hIcon, nullptr) << c.name;
            EXPECT_EQ(info.hbrBackground, nullptr) << c.name;
            EXPECT_EQ(info.lpszMenuName, nullptr) << c.name;
        }
        // Global classes: a window of each can be made without naming the module.
        HWND calendar = CreateWindowExW(0, L"ZW:cCalendar:10", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
        EXPECT_NE(calendar, nullptr);
        DestroyWindow(calendar);

        ASSERT_TRUE(FreeLibrary(library));
        for (const ExpectedClass& c : kExpected) {
            WNDCLASSW info{};
            EXPECT_FALSE(GetClassInfoW(nullptr, c.name, &info)) << c.name << " still registered";
        }
    }
}

}  // namespace
