// Leak accounting: the library's live objects (read through its private
// by-ordinal query) and the process's GDI and USER objects return to where
// they started after each control is made and destroyed many times, and after
// outline boxes full of rows, pictures and fonts, string tables and timing
// marks are freed.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

#include "include/zwi51.h"
#include "tests/win/support/calendar_harness.h"
#include "tests/win/support/outline_boxes.h"
#include "tests/win/support/zwtest.h"

namespace {

// The kinds the query counts, in its order.
constexpr const char* kKinds[] = {"row records",  "tree nodes",    "pictures",        "cache fonts",
                                  "window objects", "caches",      "timing marks",    "string tables",
                                  "message buttons", "menu records"};
constexpr int kKindCount = static_cast<int>(std::size(kKinds));

using LiveQuery = int(__stdcall*)(int kind);
LiveQuery Query() {
    FARPROC found = GetProcAddress(GetModuleHandleW(L"zwi51.dll"), MAKEINTRESOURCEA(900));
    return reinterpret_cast<LiveQuery>(reinterpret_cast<void*>(found));
}

// Windows of this thread, children included: what the USER count would
// show when the platform does not count for us.
BOOL CALLBACK CountWindow(HWND, LPARAM counter) {
    ++*reinterpret_cast<int*>(counter);
    return TRUE;
}

// A top-level window and all its descendants.
BOOL CALLBACK CountTree(HWND window, LPARAM counter) {
    ++*reinterpret_cast<int*>(counter);
    EnumChildWindows(window, CountWindow, counter);
    return TRUE;
}

int ThreadWindowCount() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountTree, reinterpret_cast<LPARAM>(&count));
    return count;
}

// GDI objects of this process as the platform counts them; 0 where it does
// not count (Wine answers 0), and then the comparisons rest on the library's
// own counts of the objects that hold GDI objects (pictures, fonts, caches,
// controls) and on the windows counted below.
DWORD GdiObjectCount() {
    return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
}

struct Counts {
    std::array<int, kKindCount> live{};
    DWORD gdi = 0;
    DWORD user = 0;
    int windows = 0;
};

Counts Now() {
    zwtest::PumpMessages();
    Counts c;
    for (int k = 0; k < kKindCount; ++k) c.live[k] = Query()(k);
    c.gdi = GdiObjectCount();
    c.user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    c.windows = ThreadWindowCount();
    return c;
}

void ExpectSame(const Counts& before, const Counts& after, const char* what) {
    for (int k = 0; k < kKindCount; ++k) EXPECT_EQ(after.live[k], before.live[k]) << what << ": " << kKinds[k];
    EXPECT_EQ(after.gdi, before.gdi) << what << ": GDI objects";
    EXPECT_EQ(after.user, before.user) << what << ": USER objects";
    EXPECT_EQ(after.windows, before.windows) << what << ": windows";
}

// The GDI count sees objects come and go (else every comparison below
// would pass whatever leaked).
TEST(Leaks, GdiObjectsAreCounted) {
    const DWORD before = GdiObjectCount();
    if (before == 0) GTEST_SKIP() << "this platform does not count GDI objects";
    HBRUSH brushes[10];
    for (HBRUSH& brush : brushes) brush = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(GdiObjectCount(), before + 10);
    for (HBRUSH brush : brushes) DeleteObject(brush);
    EXPECT_EQ(GdiObjectCount(), before);
}

TEST(Leaks, QueryCountsEveryKindAndRefusesOthers) {
    ASSERT_NE(Query(), nullptr);
    for (int k = 0; k < kKindCount; ++k) EXPECT_GE(Query()(k), 0) << kKinds[k];
    EXPECT_EQ(Query()(-1), -1);
    EXPECT_EQ(Query()(kKindCount + 1), -1);
    int sum = 0;
    for (int k = 0; k < kKindCount; ++k) sum += Query()(k);
    EXPECT_EQ(Query()(kKindCount), sum);
}

// Each control class, made and destroyed a hundred times on one form.
TEST(Leaks, ControlsMadeAndDestroyedAHundredTimes) {
    const wchar_t* classes[] = {L"ZW:cCalendar:10", L"ZW:cPalette:10", L"ZW:cSplitter:10", L"ZW:cSpinField:10",
                                L"ZW:cMeter:10", L"ZW:cComboCal:10", L"ZW:cComboPal:10", L"ZW:cListView:10",
                                L"ZW:cListViewDropDown:10"};
    zwtest::CalendarForm form;
    for (const wchar_t* name : classes) {
        const std::string what(name, name + wcslen(name));
        // The first one made loads what a class keeps for the process (its
        // fonts and bitmaps); the counting starts after it.
        void* instance = nullptr;
        HWND first = form.Place(name, 160, 120, &instance);
        if (!first) continue;  // a class this build does not have yet
        DestroyWindow(first);
        const Counts before = Now();
        for (int i = 0; i < 100; ++i) {
            HWND window = form.Place(name, 160, 120, &instance);
            ASSERT_NE(window, nullptr) << what;
            UpdateWindow(window);
            SendMessageW(window, WM_SETFOCUS, 0, 0);
            DestroyWindow(window);
        }
        ExpectSame(before, Now(), what.c_str());
    }
}

std::string BitmapFile(int width, int height) {
    const int stride = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + stride * height;
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
    bytes.append(static_cast<size_t>(stride) * height, '\x40');
    return bytes;
}

// Outline boxes with trees, pictures and fonts, destroyed; the pictures the
// application loaded itself are freed by it.
TEST(Leaks, OutlineBoxesGiveBackRowsPicturesAndFonts) {
    const std::string image = BitmapFile(16, 16);
    auto cycle = [&] {
        zwtest::Form form;
        HWND box = form.Box(ZW_LS_OUTLINE);
        ZW_HPIC own = ZelPicLoad(PIC_FromMemory | PIC_FormatBitmap, reinterpret_cast<LPCWSTR>(image.data()), L"");
        ZW_HPIC owned = ZelPicLoad(PIC_FromMemory | PIC_FormatBitmap | PIC_OwnedByList,
                                   reinterpret_cast<LPCWSTR>(image.data()), L"");
        ASSERT_NE(own, nullptr);
        ASSERT_NE(owned, nullptr);
        ZW_HITEM root = ZelListLoadChild(box, ZelListGetRoot(box), own, owned, L"root", 1, 0);
        ASSERT_NE(root, nullptr);
        for (int i = 0; i < 20; ++i) {
            ZW_HITEM child = ZelListLoadChild(box, root, own, nullptr, L"child", i, 0);
            ASSERT_NE(child, nullptr);
            ZelListLoadChild(box, child, nullptr, owned, L"grandchild", i, 0);
        }
        ZelListShowOutline(box, 2);
        HFONT font = ZelFontLoad(L"Arial", 12, 0);
        ZelListSetFont(box, 0, font);
        DestroyWindow(box);
        // Pictures that never entered the box's cache stay the application's.
        ZelPicFree(own);
        ZelPicFree(owned);
    };
    cycle();  // first use loads what is kept for the process
    const Counts before = Now();
    for (int i = 0; i < 20; ++i) cycle();
    ExpectSame(before, Now(), "outline boxes");
}

TEST(Leaks, StringTablesAndTimingMarksAreFreed) {
    zwtest::TempFolder folder(L"leaks");
    ASSERT_TRUE(zwtest::WriteFileBytes(folder / L"table.txt", "KEY=value\r\nOTHER=text\r\n"));
    ZelDebugBeginTime();  // the timing marks are counted as kept from here on
    const Counts before = Now();
    for (int i = 0; i < 50; ++i) {
        int table = ZelStrLoadTable((folder / L"table.txt").c_str());
        ASSERT_GT(table, 0);
        EXPECT_EQ(Query()(7), before.live[7] + 1);
        ZelStrFreeTable(table);
    }
    // Marks are kept until the next run begins: runs replace them, never add.
    auto run = [] {
        zwtest::DialogWatcher answer;  // the report, when the debug level shows it
        ZelDebugBeginTime();
        ZelDebugSetTime(L"middle");
        ZelDebugEndTime(0);
    };
    run();
    const int marks = Query()(6);
    EXPECT_EQ(marks, 2);
    for (int i = 0; i < 50; ++i) run();
    EXPECT_EQ(Query()(6), marks);
    ZelDebugBeginTime();  // back to the one mark counted at the start
    ExpectSame(before, Now(), "string tables and timing marks");
}

// Message boxes shown many times give back their windows and brush; buttons
// are counted while the application holds them.
TEST(Leaks, MessageBoxesAndTheirButtons) {
    const Counts before = Now();
    for (int i = 0; i < 20; ++i) {
        ZW_HBUTTON yes = ZelMessageLoadButton(L"&Yes", 6), no = ZelMessageLoadButton(L"&No", 7);
        EXPECT_EQ(Query()(8), before.live[8] + 2);
        zwtest::HostArray buttons(HOST_ARRAY_NUMBER);
        HostNumber number{};
        HostDoubleToNumber(double(reinterpret_cast<UINT_PTR>(yes)), &number);
        HostArrayPutNumber(buttons, &number, 0);
        HostDoubleToNumber(double(reinterpret_cast<UINT_PTR>(no)), &number);
        HostArrayPutNumber(buttons, &number, 1);
        zwtest::DialogWatcher answer([](const zwtest::SeenDialog& seen) { return seen.buttonIds.back(); });
        EXPECT_EQ(ZelMessageBox(L"Save the changes?", L"Leaks", MSG_IconQuestion, buttons, 2), 7);
        ZelMessageFreeButton(yes);
        ZelMessageFreeButton(no);
    }
    ExpectSame(before, Now(), "message boxes");
}

}  // namespace
