// Menu functions on the menus of plain windows (the Win32 menu calls) and of
// host frame windows (the frame's methods, read back from the host's log):
// finding menus, item numbering, checks, states and texts, insertion with the
// owner's next identifiers, pictures and fonts drawn by the library through
// WM_MEASUREITEM and WM_DRAWITEM, mnemonics, deletion, and the records going
// with their window.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/win/support/window_pixels.h"
#include "tests/win/support/zwtest.h"
#include "util/windows/menus/core/menu_item_layout.h"

namespace {

using zwtest::BitmapFile;
using zwtest::TakeHostText;
using Change = BOOL(__stdcall*)(HMENU, int);

constexpr int kLiveMenuRecords = 9;  // the leak-accounting kind of menu states and item records
constexpr COLORREF kPictureInk = RGB(200, 0, 0);
constexpr COLORREF kUntouched = RGB(1, 2, 3);

int LiveMenuRecords() {
    using Query = int(__stdcall*)(int);
    FARPROC query = GetProcAddress(GetModuleHandleW(L"zwi51.dll"), MAKEINTRESOURCEA(900));
    return reinterpret_cast<Query>(reinterpret_cast<void*>(query))(kLiveMenuRecords);
}

// The menu bar every owner starts with: "&File" (100 "&Open", 101 "&Save", a
// separator, the command -7 "&Negative", 500 "E&xit") and "&Edit" (200
// "Cu&t", and 1100 "&Copy" unless left out): its highest command identifier
// is 1100, or 500 without that item.
HMENU MenuBar(bool withHighCommand = true) {
    HMENU file = CreatePopupMenu(), edit = CreatePopupMenu(), bar = CreateMenu();
    AppendMenuW(file, MF_STRING, 100, L"&Open");
    AppendMenuW(file, MF_STRING, 101, L"&Save");
    AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(file, MF_STRING, UINT_PTR(UINT(-7)), L"&Negative");
    AppendMenuW(file, MF_STRING, 500, L"E&xit");
    AppendMenuW(edit, MF_STRING, 200, L"Cu&t");
    if (withHighCommand) AppendMenuW(edit, MF_STRING, 1100, L"&Copy");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), L"&Edit");
    return bar;
}

LRESULT CALLBACK PlainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

// A hidden top-level window with `menu` as its menu bar.
HWND PlainWindow(HMENU menu, DWORD style = WS_OVERLAPPEDWINDOW) {
    static const ATOM registered = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = PlainProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ZwMenuTestWindow";
        return RegisterClassW(&wc);
    }();
    (void)registered;
    return CreateWindowExW(0, L"ZwMenuTestWindow", L"Plain", style, 0, 0, 300, 200, nullptr, menu,
                           GetModuleHandleW(nullptr), nullptr);
}

std::wstring TakeLog(HWND frame) {
    std::wstring log(4096, L'\0');
    const int length = HostTestTakeFrameLog(frame, log.data(), int(log.size()));
    log.resize(size_t(std::clamp(length, 0, int(log.size()) - 1)));
    return log;
}

std::wstring MenuString(HMENU menu, UINT item, UINT by) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, item, text, 128, by);
    return text;
}

MENUITEMINFOW ItemInfo(HMENU menu, UINT identifier) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_DATA | MIIM_CHECKMARKS | MIIM_ID;
    GetMenuItemInfoW(menu, identifier, FALSE, &info);
    return info;
}

bool OwnerDrawn(HMENU menu, UINT identifier) {
    return (ItemInfo(menu, identifier).fType & MFT_OWNERDRAW) != 0;
}

ZW_HPIC BitmapPicture() {
    const std::string file = BitmapFile(16, 16, kPictureInk);
    return ZelPicLoad(PIC_FromMemory | PIC_FormatBitmap, reinterpret_cast<LPCWSTR>(file.data()), nullptr);
}

// The first icon of this program (menus_test.rc), at the small icon size.
ZW_HPIC IconPicture() {
    wchar_t program[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    return ZelPicLoad(PIC_FromModule | PIC_FormatIcon | PIC_SmallIcon, program, L"#0");
}

// Measurements as the library takes them: in a screen device context,
// DrawText's width ("&" prefixes taken out) and the font's height.
struct TextMeasure {
    int width;
    int height;
};
TextMeasure Measure(HFONT font, const std::wstring& text) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    RECT bounds{};
    if (!text.empty()) DrawTextW(dc, text.c_str(), -1, &bounds, DT_SINGLELINE | DT_VCENTER | DT_CALCRECT);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return {int(bounds.right - bounds.left), int(metrics.tmHeight)};
}

HFONT CreateMenuFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    return CreateFontIndirectW(&metrics.lfMenuFont);
}

int CheckWidth() {
    return LOWORD(GetMenuCheckMarkDimensions());
}

SIZE MeasureItem(HWND owner, HMENU menu, UINT identifier, LRESULT* answered) {
    MEASUREITEMSTRUCT measure{ODT_MENU, 0, identifier, 0, 0, reinterpret_cast<ULONG_PTR>(menu)};
    *answered = SendMessageW(owner, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
    return SIZE{LONG(measure.itemWidth), LONG(measure.itemHeight)};
}

// What the owner draws for an item (WM_DRAWITEM) into a memory DC first
// filled with kUntouched.
zwtest::Pixels DrawItem(HWND owner, HMENU menu, UINT identifier, UINT state, SIZE size, LRESULT* answered) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const RECT all{0, 0, size.cx, size.cy};
    HBRUSH fill = CreateSolidBrush(kUntouched);
    FillRect(dc, &all, fill);
    DeleteObject(fill);
    DRAWITEMSTRUCT draw{ODT_MENU, 0, identifier, ODA_DRAWENTIRE, state, reinterpret_cast<HWND>(menu), dc, all,
                        reinterpret_cast<ULONG_PTR>(menu)};
    *answered = SendMessageW(owner, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
    GdiFlush();
    std::vector<DWORD> rgb(static_cast<const DWORD*>(bits), static_cast<const DWORD*>(bits) + size.cx * size.cy);
    for (DWORD& p : rgb) p &= 0x00FFFFFF;
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return zwtest::Pixels(size.cx, size.cy, std::move(rgb));
}

// A plain window and a host frame (a CRtkFrameWnd that keeps its menu in
// its object only), each with its own copy of the menu bar.
class Menus : public ::testing::Test {
protected:
    void SetUp() override {
        window_ = PlainWindow(MenuBar());
        child_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 50, 20, window_, nullptr, nullptr, nullptr);
        frameMenu_ = MenuBar();
        frame_ = HostTestCreateFrame(1, frameMenu_, FALSE);
        ASSERT_TRUE(window_ && child_ && frame_);
        bar_ = GetMenu(window_);
        file_ = GetSubMenu(bar_, 0);
        edit_ = GetSubMenu(bar_, 1);
        frameFile_ = GetSubMenu(frameMenu_, 0);
        frameEdit_ = GetSubMenu(frameMenu_, 1);
    }
    void TearDown() override {
        DestroyWindow(window_);
        DestroyWindow(frame_);
    }

    HWND window_ = nullptr, child_ = nullptr, frame_ = nullptr;
    HMENU bar_ = nullptr, file_ = nullptr, edit_ = nullptr;
    HMENU frameMenu_ = nullptr, frameFile_ = nullptr, frameEdit_ = nullptr;
};

}  // namespace

TEST_F(Menus, FindingMenusAndCountingItems) {
    HMENU mdiMenu = MenuBar(), shownMenu = MenuBar();
    HWND mdi = HostTestCreateFrame(2, mdiMenu, FALSE);
    HWND inside = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10,
                                  FindWindowExW(mdi, nullptr, L"MDICLIENT", nullptr), nullptr, nullptr, nullptr);
    HWND objectless = HostTestCreateFrame(0, shownMenu, FALSE);
    HWND bare = PlainWindow(nullptr, WS_OVERLAPPED);
    ASSERT_TRUE(inside && objectless && bare);
    const struct {
        HWND window;
        HMENU menu, system;
        const char* what;
    } cases[] = {
        {window_, bar_, GetSystemMenu(window_, FALSE), "a window with a menu bar"},
        {child_, bar_, GetSystemMenu(window_, FALSE), "its child: the parent's"},
        {frame_, frameMenu_, GetSystemMenu(frame_, FALSE), "a frame keeping its menu in its object"},
        {inside, mdiMenu, nullptr, "a window inside an MDI frame: the frame's"},
        {objectless, shownMenu, GetSystemMenu(objectless, FALSE), "a frame window without frame object"},
        {bare, nullptr, nullptr, "a window without menus"},
        {reinterpret_cast<HWND>(5), nullptr, nullptr, "not a window"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ZelMenuGetHandle(c.window), c.menu) << c.what;
        EXPECT_EQ(ZelMenuGetSystemHandle(c.window), c.system) << c.what;
    }
    EXPECT_NE(GetSystemMenu(window_, FALSE), nullptr);

    const struct {
        HMENU menu;
        int position;
        HMENU popup;
        int count;
    } menus[] = {
        {bar_, 0, file_, 2},
        {bar_, 1, edit_, 2},
        {file_, 0, nullptr, 5},
        {bar_, 7, nullptr, 2},
        {nullptr, 0, nullptr, -1},
        {reinterpret_cast<HMENU>(window_), 0, nullptr, -1},
    };
    for (const auto& m : menus) {
        EXPECT_EQ(ZelMenuGetPopupHandle(m.menu, m.position), m.popup) << m.position;
        EXPECT_EQ(ZelMenuGetCount(m.menu), m.count) << m.position;
    }
    DestroyWindow(mdi);
    DestroyWindow(objectless);
    DestroyWindow(bare);
}

TEST_F(Menus, ChecksAndStatesOfPlainMenus) {
    // File: 0 "&Open" (100), 1 "&Save" (101), 2 separator, 3 "&Negative" (-7), 4 "E&xit" (500).
    const struct {
        Change change;
        int item;
        BOOL done;
        Change ask;
        BOOL answer;
        const char* what;
    } cases[] = {
        {ZelMenuCheck, 0, TRUE, ZelMenuIsChecked, TRUE, "check the first item"},
        {ZelMenuUncheck, 0, TRUE, ZelMenuIsChecked, FALSE, "uncheck it"},
        {ZelMenuCheck, -7, TRUE, ZelMenuIsChecked, TRUE, "a negative value is the command"},
        {ZelMenuDisable, 1, TRUE, ZelMenuIsEnabled, FALSE, "disable by position"},
        {ZelMenuEnable, 1, TRUE, ZelMenuIsEnabled, TRUE, "enable it"},
        {ZelMenuDisable, -7, TRUE, ZelMenuIsEnabled, FALSE, "disable a command"},
        {ZelMenuCheck, 100, FALSE, ZelMenuIsChecked, FALSE, "100 is a position, and there is none"},
        {ZelMenuEnable, -1234, FALSE, ZelMenuIsEnabled, FALSE, "no such command"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.change(file_, c.item), c.done) << c.what;
        EXPECT_EQ(c.ask(file_, c.item) != FALSE, c.answer != FALSE) << c.what;
    }
    EXPECT_EQ(GetMenuState(file_, 3, MF_BYPOSITION) & (MF_CHECKED | MF_GRAYED), UINT(MF_CHECKED | MF_GRAYED));
    EXPECT_EQ(ZelMenuCheck(bar_, 0), TRUE) << "item 0 of any menu";
    for (Change change : {ZelMenuCheck, ZelMenuUncheck, ZelMenuEnable, ZelMenuDisable, ZelMenuIsChecked,
                          ZelMenuIsEnabled}) {
        EXPECT_EQ(change(nullptr, 0), FALSE);
        EXPECT_EQ(change(reinterpret_cast<HMENU>(child_), 0), FALSE);
    }
}

TEST_F(Menus, ChecksAndStatesGoThroughTheFrame) {
    // The frame's Edit menu: 0 "Cu&t" (200), 1 "&Copy" (1100).
    const std::wstring close = std::to_wstring(SC_CLOSE);
    const std::wstring enableClose = L"SetMenuEnable " + close + L" " + close + L" 1\n";
    const struct {
        Change call;
        HMENU menu;
        int item;
        BOOL result;
        const wchar_t* log;
    } cases[] = {
        {ZelMenuCheck, frameFile_, 0, TRUE, L"SetMenuCheck 0 100 1\n"},
        {ZelMenuIsChecked, frameFile_, 100, FALSE, L""},  // a position, and there is none
        {ZelMenuIsChecked, frameFile_, 0, TRUE, L"GetMenuCheck 100\n"},
        {ZelMenuUncheck, frameFile_, 0, TRUE, L"SetMenuCheck 0 100 0\n"},
        {ZelMenuDisable, frameEdit_, 1100, TRUE, L"SetMenuEnable 1100 1100 0\n"},
        {ZelMenuIsEnabled, frameEdit_, 1100, FALSE, L"GetMenuEnable 1100\n"},
        {ZelMenuEnable, frameEdit_, 1, TRUE, L"SetMenuEnable 1 1100 1\n"},
        {ZelMenuIsEnabled, frameEdit_, 1100, TRUE, L"GetMenuEnable 1100\n"},
        {ZelMenuIsEnabled, frameMenu_, 0, TRUE, L""},  // a popup's state is read from the menu
        {ZelMenuCheck, frameFile_, -7, FALSE, L""},    // frames have no negative identifiers
        {ZelMenuEnable, GetSystemMenu(frame_, FALSE), SC_CLOSE, TRUE, enableClose.c_str()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.call(c.menu, c.item) != FALSE, c.result != FALSE) << c.item;
        EXPECT_EQ(TakeLog(frame_), c.log) << c.item;
    }
    EXPECT_TRUE(GetMenuState(frameEdit_, 1100, MF_BYCOMMAND) != UINT(-1));

    // An MDI frame takes the same path; a frame window without a frame
    // object is changed with the Win32 calls.
    HMENU mdiMenu = MenuBar(), plainMenu = MenuBar();
    HWND mdi = HostTestCreateFrame(2, mdiMenu, TRUE);
    HWND objectless = HostTestCreateFrame(0, plainMenu, FALSE);
    EXPECT_EQ(ZelMenuCheck(GetSubMenu(mdiMenu, 0), 1), TRUE);
    EXPECT_EQ(TakeLog(mdi), L"SetMenuCheck 1 101 1\n");
    EXPECT_EQ(ZelMenuCheck(GetSubMenu(plainMenu, 0), 1), TRUE);
    EXPECT_TRUE(GetMenuState(GetSubMenu(plainMenu, 0), 1, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_EQ(HostTestTakeFrameLog(objectless, nullptr, 0), -1);
    DestroyWindow(mdi);
    DestroyWindow(objectless);
}

TEST_F(Menus, TextsOfPlainMenusAndThroughTheFrame) {
    const struct {
        HMENU menu;
        int item;
        const wchar_t* text;
        const wchar_t* log;
    } reads[] = {
        {file_, 0, L"&Open", L""},
        {file_, -7, L"&Negative", L""},
        {file_, -1, L"", L""},
        {file_, 9, L"", L""},
        {bar_, 1, L"&Edit", L""},
        {nullptr, 0, L"", L""},
        {frameFile_, 4, L"E&xit", L"GetMenuText 500\n"},
        {frameEdit_, 1100, L"&Copy", L"GetMenuText 1100\n"},
        {frameMenu_, 0, L"&File", L""},
    };
    for (const auto& r : reads) {
        EXPECT_EQ(TakeHostText(ZelMenuGetText(r.menu, r.item, window_)), r.text) << r.item;
        EXPECT_EQ(TakeLog(frame_), r.log) << r.item;
    }

    const struct {
        HMENU menu;
        int item;
        const wchar_t* text;
        HWND window;
        BOOL done;
        const wchar_t* shown;  // the item's text afterwards, read by position
        int position;
        const wchar_t* log;
    } writes[] = {
        {file_, 1, L"&Store\\tCtrl+S", window_, TRUE, L"&Store\tCtrl+S", 1, L""},
        {file_, -7, L"Minus", nullptr, TRUE, L"Minus", 3, L""},
        {bar_, 0, L"&Files", window_, TRUE, L"&Files", 0, L""},
        {file_, -1, L"none", window_, FALSE, L"&Open", 0, L""},
        {file_, 0, nullptr, window_, FALSE, L"&Open", 0, L""},
        {frameEdit_, 1100, L"C&opy all", frame_, TRUE, L"C&opy all", 1, L"SetMenuText 1100 C&opy all\n"},
        {frameFile_, 0, L"&Open...", frame_, TRUE, L"&Open...", 0, L"SetMenuText 100 &Open...\n"},
        {frameMenu_, 1, L"&Change", frame_, TRUE, L"&Change", 1, L"UpdateMenuBar\n"},
        {frameFile_, -7, L"none", frame_, FALSE, L"&Negative", 3, L""},
    };
    for (const auto& w : writes) {
        EXPECT_EQ(ZelMenuSetText(w.menu, w.item, w.text, w.window), w.done) << w.item;
        EXPECT_EQ(MenuString(w.menu, UINT(w.position), MF_BYPOSITION), w.shown) << w.item;
        EXPECT_EQ(TakeLog(frame_), w.log) << w.item;
    }
    EXPECT_EQ(ZelMenuSetText(nullptr, 0, L"x", window_), FALSE);
}

TEST_F(Menus, InsertedItemsTakeTheNextIdentifiers) {
    // A frame whose highest command identifier is 500.
    HMENU numbered = MenuBar(false);
    HWND frame = HostTestCreateFrame(1, numbered, FALSE);
    HMENU file = GetSubMenu(numbered, 0), edit = GetSubMenu(numbered, 1);
    const struct {
        HMENU menu;
        int item;
        const wchar_t* text;
        UINT flags;
        UINT identifier;
        HMENU holder;
        int position;
        const wchar_t* log;
    } frameCases[] = {
        {file, -1, L"&New\\tCtrl+N", 0, 501, file, 5, L"InsertMenuW -1 501 &New\tCtrl+N\nAttachMenu\n"},
        {file, 0, L"First", MF_GRAYED, 502, file, 0, L"InsertMenuW 0 502 First\nAttachMenu\n"},
        {numbered, -1, L"&Help", 0, 503, numbered, 2, L"InsertMenuW -1 503 &Help\nAttachMenu\n"},
        {edit, 0, L"Undo", MF_POPUP | MF_CHECKED, 504, edit, 0, L"InsertMenuW 0 504 Undo\nAttachMenu\n"},
        {GetSystemMenu(frame, FALSE), -1, L"About", 0, 505, GetSystemMenu(frame, FALSE), -1,
         L"InsertMenuW -1 505 About\n"},
        {file, -7, L"none", 0, 0, nullptr, 0, L""},  // frames take no negative identifiers
        {file, 4000, L"none", 0, 0, nullptr, 0, L""},
    };
    for (const auto& c : frameCases) {
        EXPECT_EQ(ZelMenuInsert(c.menu, c.item, c.text, frame, c.flags), c.identifier) << c.item;
        EXPECT_EQ(TakeLog(frame), c.log) << c.item;
        if (!c.holder) continue;
        const int position = c.position >= 0 ? c.position : GetMenuItemCount(c.holder) - 1;
        EXPECT_EQ(GetMenuItemID(c.holder, position), c.identifier) << c.item;
    }
    EXPECT_EQ(MenuString(file, 501, MF_BYCOMMAND), L"&New\tCtrl+N");
    EXPECT_EQ(GetMenuState(file, 502, MF_BYCOMMAND) & MF_GRAYED, UINT(MF_GRAYED));
    EXPECT_EQ(GetMenuState(edit, 504, MF_BYCOMMAND) & (MF_CHECKED | MF_POPUP), UINT(MF_CHECKED));
    // A command identifier from 1024 on names the item to insert before.
    HMENU high = MenuBar();
    HWND highFrame = HostTestCreateFrame(1, high, FALSE);
    EXPECT_EQ(ZelMenuInsert(GetSubMenu(high, 1), 1100, L"Paste", highFrame, 0), 1101u);
    EXPECT_EQ(GetMenuItemID(GetSubMenu(high, 1), 1), 1101u);
    EXPECT_EQ(TakeLog(highFrame), L"InsertMenuW 1 1101 Paste\nAttachMenu\n");
    DestroyWindow(highFrame);

    // A plain window numbers from its own menu bar (the command -7 does not
    // count); a child names its parent's menu.
    HWND plain = PlainWindow(MenuBar(false)), child =
        CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, plain, nullptr, nullptr, nullptr);
    HMENU plainFile = GetSubMenu(GetMenu(plain), 0);
    const struct {
        int item;
        HWND window;
        UINT flags;
        UINT identifier;
        int position;
    } plainCases[] = {
        {-1, plain, MF_CHECKED, 501, 5},
        {-7, plain, 0, 502, 3},
        {0, child, 0, 503, 0},
        {-1234, plain, 0, 0, -1},
    };
    for (const auto& c : plainCases) {
        EXPECT_EQ(ZelMenuInsert(plainFile, c.item, L"Item", c.window, c.flags), c.identifier) << c.item;
        if (c.position >= 0) {
            EXPECT_EQ(GetMenuItemID(plainFile, c.position), c.identifier) << c.item;
        }
    }
    EXPECT_TRUE(GetMenuState(plainFile, 501, MF_BYCOMMAND) & MF_CHECKED);

    // Refused: a menu of another window, a null text, not a window, not a menu.
    const int count = GetMenuItemCount(plainFile);
    EXPECT_EQ(ZelMenuInsert(plainFile, -1, L"x", window_, 0), 0u);
    EXPECT_EQ(ZelMenuInsert(plainFile, -1, nullptr, plain, 0), 0u);
    EXPECT_EQ(ZelMenuInsert(plainFile, -1, L"x", reinterpret_cast<HWND>(5), 0), 0u);
    EXPECT_EQ(ZelMenuInsert(nullptr, -1, L"x", plain, 0), 0u);
    EXPECT_EQ(GetMenuItemCount(plainFile), count);
    DestroyWindow(plain);
    DestroyWindow(frame);
}

TEST_F(Menus, DeletingItemsReleasesTheirRecords) {
    const int before = LiveMenuRecords();
    const UINT identifier = ZelMenuInsert(file_, -1, L"Temporary", window_, 0);
    ASSERT_EQ(identifier, 1101u);
    EXPECT_EQ(LiveMenuRecords(), before + 2) << "the window's state and one record";
    const struct {
        HMENU menu;
        int item;
        BOOL done;
        int count;  // items of the menu afterwards
        const wchar_t* log;
    } cases[] = {
        {file_, -1, FALSE, 6, L""},
        {file_, 5, TRUE, 5, L""},
        {file_, -7, TRUE, 4, L""},
        {frameEdit_, 1100, TRUE, 1, L"AttachMenu\n"},
        {frameFile_, -1, FALSE, 5, L""},
        {frameMenu_, 1, TRUE, 1, L"AttachMenu\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ZelMenuDelete(c.menu, c.item, window_), c.done) << c.item;
        EXPECT_EQ(GetMenuItemCount(c.menu), c.count) << c.item;
        EXPECT_EQ(TakeLog(frame_), c.log) << c.item;
    }
    EXPECT_EQ(LiveMenuRecords(), before + 1) << "the record went with its item";
    EXPECT_EQ(ZelMenuDelete(nullptr, 0, window_), FALSE);
}

TEST_F(Menus, PictureAndFontItemsAreMeasuredAndDrawnByTheLibrary) {
    ZW_HPIC picture = BitmapPicture();
    HFONT font = ZelFontLoad(L"Arial", 14, 0x08);
    ASSERT_TRUE(picture && font);
    const UINT pictured = ZelMenuInsertPicture(file_, -1, L"&Picture\\tF5", window_, picture, 0);
    const UINT lettered = ZelMenuInsertFont(file_, -1, L"&Zoom", window_, font);
    ASSERT_EQ(pictured, 1101u);
    ASSERT_EQ(lettered, 1102u);
    for (UINT identifier : {pictured, lettered}) {
        EXPECT_TRUE(OwnerDrawn(file_, identifier));
        EXPECT_EQ(ItemInfo(file_, identifier).dwItemData, reinterpret_cast<ULONG_PTR>(file_));
    }

    HFONT menuFont = CreateMenuFont();
    const TextMeasure label = Measure(menuFont, L"&Picture"), accelerator = Measure(menuFont, L"F5");
    const TextMeasure zoom = Measure(font, L"&Zoom");
    DeleteObject(menuFont);
    using namespace zw::menus;
    const int pictureLeft = CheckWidth(), labelLeft = pictureLeft + 16 + kPictureGap;
    const SIZE expected[] = {
        {labelLeft + label.width + kColumnGap + accelerator.width + kRightMargin, std::max(label.height, 16)},
        {CheckWidth() + zoom.width + kRightMargin, std::max(zoom.height, label.height)},
    };
    const UINT items[] = {pictured, lettered};
    for (int i = 0; i < 2; ++i) {
        LRESULT answered = 0;
        const SIZE size = MeasureItem(window_, file_, items[i], &answered);
        EXPECT_EQ(answered, TRUE);
        EXPECT_EQ(size.cx, expected[i].cx) << i;
        EXPECT_EQ(size.cy, expected[i].cy) << i;
    }

    // Each state of the picture item: the background, the check mark, the
    // picture (its magenta border transparent), the text and the accelerator.
    const SIZE cell = expected[0];
    const RECT checkArea{0, 0, pictureLeft, cell.cy};
    const RECT labelArea{labelLeft, 0, labelLeft + label.width, cell.cy};
    const RECT acceleratorArea{cell.cx - kRightMargin - accelerator.width, 0, cell.cx - kRightMargin, cell.cy};
    const int pictureTop = (cell.cy - 16) / 2;
    const struct {
        UINT state;
        int background, ink;
    } states[] = {
        {0, COLOR_MENU, COLOR_MENUTEXT},
        {ODS_SELECTED, COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT},
        {ODS_GRAYED, COLOR_MENU, COLOR_GRAYTEXT},
        {ODS_CHECKED, COLOR_MENU, COLOR_MENUTEXT},
        {ODS_CHECKED | ODS_SELECTED, COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT},
    };
    for (const auto& s : states) {
        LRESULT answered = 0;
        const zwtest::Pixels pixels = DrawItem(window_, file_, pictured, s.state, cell, &answered);
        const COLORREF background = GetSysColor(s.background), ink = GetSysColor(s.ink);
        EXPECT_EQ(answered, TRUE);
        EXPECT_EQ(pixels.At(cell.cx - 1, cell.cy - 1), background) << s.state;
        EXPECT_EQ(pixels.Count(ink, checkArea) > 0, (s.state & ODS_CHECKED) != 0) << s.state;
        EXPECT_EQ(pixels.At(pictureLeft + 8, pictureTop + 8), kPictureInk) << s.state;
        EXPECT_EQ(pixels.At(pictureLeft, pictureTop), background) << s.state;
        EXPECT_GT(pixels.Count(ink, labelArea), 0) << s.state;
        EXPECT_GT(pixels.Count(ink, acceleratorArea), 0) << s.state;
    }
    LRESULT answered = 0;
    const zwtest::Pixels lettering = DrawItem(window_, file_, lettered, 0, expected[1], &answered);
    EXPECT_EQ(answered, TRUE);
    EXPECT_GT(lettering.Count(GetSysColor(COLOR_MENUTEXT), RECT{CheckWidth(), 0, expected[1].cx, expected[1].cy}), 0);

    // Items the library does not draw are left to the window.
    const zwtest::Pixels other = DrawItem(window_, file_, 100, 0, cell, &answered);
    EXPECT_EQ(answered, FALSE);
    EXPECT_EQ(other.Count(kUntouched, RECT{0, 0, cell.cx, cell.cy}), cell.cx * cell.cy);
    MeasureItem(window_, file_, 100, &answered);
    EXPECT_EQ(answered, FALSE);

    // Refused: a freed picture, a handle that is not a font.
    ZW_HPIC freed = BitmapPicture();
    ZelPicFree(freed);
    EXPECT_EQ(ZelMenuInsertPicture(file_, -1, L"x", window_, freed, 0), 0u);
    EXPECT_EQ(ZelMenuInsertPicture(file_, -1, L"x", window_, nullptr, 0), 0u);
    EXPECT_EQ(ZelMenuInsertFont(file_, -1, L"x", window_, static_cast<HFONT>(GetStockObject(WHITE_BRUSH))), 0u);
    EXPECT_EQ(ZelMenuInsertFont(nullptr, -1, L"x", window_, font), 0u);
    DestroyWindow(window_);
    window_ = nullptr;
    ZelPicFree(picture);
    ZelFontFree(font);
}

TEST_F(Menus, MnemonicsOfDrawnItems) {
    HFONT font = ZelFontLoad(L"Arial", 10, 0);
    ZW_HPIC picture = BitmapPicture();
    ASSERT_EQ(ZelMenuInsertFont(file_, -1, L"&Zoom", window_, font), 1101u);
    ASSERT_EQ(ZelMenuInsertPicture(file_, 0, L"P&icture", window_, picture, 0), 1102u);
    const struct {
        wchar_t typed;
        bool found;
        int position;
    } cases[] = {{L'z', true, 6}, {L'Z', true, 6}, {L'I', true, 0}, {L'o', false, 0}, {L'q', false, 0}};
    for (const auto& c : cases) {
        const LRESULT result = SendMessageW(window_, WM_MENUCHAR, MAKEWPARAM(c.typed, MF_POPUP),
                                            reinterpret_cast<LPARAM>(file_));
        EXPECT_EQ(HIWORD(result) == MNC_EXECUTE, c.found) << char(c.typed);
        if (c.found) {
            EXPECT_EQ(LOWORD(result), c.position) << char(c.typed);
        }
    }
    DestroyWindow(window_);
    window_ = nullptr;
    ZelPicFree(picture);
    ZelFontFree(font);
}

TEST_F(Menus, PicturesAndFontsForExistingItems) {
    ZW_HPIC bitmap = BitmapPicture(), icon = IconPicture(), freed = BitmapPicture();
    HFONT font = ZelFontLoad(L"Arial", 12, 0);
    ASSERT_TRUE(bitmap && icon && freed && font);
    ZelPicFree(freed);
    const UINT inserted = ZelMenuInsert(file_, -1, L"&Inserted", window_, 0);
    ASSERT_EQ(inserted, 1101u);

    // A plain item shows a bitmap in its check-mark place; an icon, or any
    // picture on an item the library inserted, makes the item drawn by the
    // library; a font too. The texts stay readable.
    const struct {
        bool font;
        ZW_HPIC picture;
        int item;
        const wchar_t* text;
        BOOL done;
        UINT identifier;  // the item's, to see whether it is drawn by the library
        int read;         // the item value its text is read back with
        bool ownerDrawn;
        const wchar_t* shown;
    } plain[] = {
        {false, bitmap, 0, nullptr, TRUE, 100, 0, false, L"&Open"},
        {false, icon, 1, L"&Store", TRUE, 101, 1, true, L"&Store"},
        {false, bitmap, 5, nullptr, TRUE, inserted, 5, true, L"&Inserted"},
        {true, nullptr, 4, nullptr, TRUE, 500, 4, true, L"E&xit"},
        {true, nullptr, -7, L"Minus", TRUE, UINT(-7), -7, true, L"Minus"},
        {false, freed, 0, nullptr, FALSE, 100, 0, false, L"&Open"},
        {false, bitmap, 9, nullptr, FALSE, 100, 0, false, L"&Open"},
    };
    for (const auto& c : plain) {
        const BOOL done = c.font ? ZelMenuSetFont(file_, c.item, c.text, window_, font)
                                 : ZelMenuSetPicture(file_, c.item, c.text, window_, c.picture, 0);
        EXPECT_EQ(done, c.done) << c.item;
        EXPECT_EQ(OwnerDrawn(file_, c.identifier), c.ownerDrawn) << c.item;
        EXPECT_EQ(TakeHostText(ZelMenuGetText(file_, c.read, window_)), c.shown) << c.item;
    }
    EXPECT_NE(ItemInfo(file_, 100).hbmpUnchecked, nullptr);
    HFONT menuFont = CreateMenuFont();
    const int storeWidth = Measure(menuFont, L"&Store").width;
    DeleteObject(menuFont);
    LRESULT answered = 0;
    EXPECT_EQ(MeasureItem(window_, file_, 101, &answered).cx,
              CheckWidth() + 16 + zw::menus::kPictureGap + storeWidth + zw::menus::kRightMargin);
    EXPECT_EQ(ZelMenuSetFont(file_, 0, nullptr, window_, static_cast<HFONT>(GetStockObject(WHITE_BRUSH))), FALSE);
    EXPECT_EQ(ZelMenuSetPicture(file_, 0, nullptr, child_, bitmap, 0), TRUE) << "the parent's menu";
    EXPECT_EQ(ZelMenuSetPicture(edit_, 0, nullptr, frame_, bitmap, 0), FALSE) << "not the frame's menu";
    EXPECT_EQ(ZelMenuSetFont(nullptr, 0, nullptr, window_, font), FALSE);

    // On a frame the frame is given the picture; font items are drawn by
    // the library in the frame, which redraws its bar.
    const struct {
        int call;  // 0 set picture, 1 insert picture, 2 set font, 3 insert font
        ZW_HPIC picture;
        int item;
        const wchar_t* text;
        UINT result;
        const wchar_t* log;
    } framed[] = {
        {0, bitmap, 1100, L"Copy", 1, L"SetMenuPicture 1100 Copy bitmap 16x16\n"},
        {0, icon, 0, nullptr, 1, L"SetMenuPicture 100  icon\n"},
        {0, bitmap, 7, nullptr, 0, L""},  // no such item
        {1, icon, -1, L"Pic", 1101, L"InsertMenuW -1 1101 Pic\nSetMenuPicture 1101 Pic icon\nAttachMenu\n"},
        {2, nullptr, 1, nullptr, 1, L"UpdateMenuBar\n"},
        {3, nullptr, -1, L"&Big", 1102, L"InsertMenuW -1 1102 &Big\nAttachMenu\n"},
    };
    for (const auto& c : framed) {
        HMENU menu = c.item == 1100 ? frameEdit_ : frameFile_;
        UINT result = 0;
        switch (c.call) {
        case 0: result = UINT(ZelMenuSetPicture(menu, c.item, c.text, frame_, c.picture, 0)); break;
        case 1: result = ZelMenuInsertPicture(menu, c.item, c.text, frame_, c.picture, 0); break;
        case 2: result = UINT(ZelMenuSetFont(menu, c.item, c.text, frame_, font)); break;
        default: result = ZelMenuInsertFont(menu, c.item, c.text, frame_, font); break;
        }
        EXPECT_EQ(result, c.result) << c.call << " " << c.item;
        EXPECT_EQ(TakeLog(frame_), c.log) << c.call << " " << c.item;
    }
    EXPECT_FALSE(OwnerDrawn(frameFile_, 1101)) << "the frame draws its pictures";
    EXPECT_TRUE(OwnerDrawn(frameFile_, 1102));
    EXPECT_TRUE(OwnerDrawn(frameFile_, 101));
    EXPECT_GT(MeasureItem(frame_, frameFile_, 1102, &answered).cx, 0);
    EXPECT_EQ(answered, TRUE);
    DestroyWindow(window_);
    DestroyWindow(frame_);
    window_ = frame_ = nullptr;
    ZelPicFree(bitmap);
    ZelPicFree(icon);
    ZelFontFree(font);
}

TEST_F(Menus, ClosingTheOwnerReleasesEveryRecord) {
    const int before = LiveMenuRecords();
    ZW_HPIC picture = BitmapPicture();
    HFONT font = ZelFontLoad(L"Arial", 10, 0);
    for (int i = 0; i < 12; ++i) EXPECT_NE(ZelMenuInsert(file_, -1, L"More", window_, 0), 0u);
    EXPECT_NE(ZelMenuInsertPicture(edit_, 0, L"Picture", window_, picture, 0), 0u);
    EXPECT_NE(ZelMenuSetFont(file_, 0, nullptr, window_, font), FALSE);
    EXPECT_NE(ZelMenuInsertFont(frameFile_, -1, L"Font", frame_, font), 0u);
    EXPECT_NE(ZelMenuInsert(frameEdit_, -1, L"Plain", frame_, 0), 0u);
    EXPECT_EQ(LiveMenuRecords(), before + 1 + 14 + 1 + 2);
    EXPECT_NE(GetPropW(window_, L"ZW:Menu"), nullptr);
    EXPECT_NE(GetPropW(frame_, L"ZW:Menu"), nullptr);
    DestroyWindow(window_);
    EXPECT_EQ(LiveMenuRecords(), before + 3);
    DestroyWindow(frame_);
    EXPECT_EQ(LiveMenuRecords(), before);
    window_ = frame_ = nullptr;
    ZelPicFree(picture);
    ZelFontFree(font);
}
