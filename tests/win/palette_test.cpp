// The colour palette through the library: a form-placed "cColorPalette"
// driven with real messages, its 21 functions with their failure values, the
// system colour dialog answered by a hook, the designer record, and pixels
// read back from a memory DC. Positions come from the palette's own font.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "tests/win/support/designer_items.h"
#include "tests/win/support/zwtest.h"

namespace {

constexpr int kPaletteId = 42;
constexpr UINT kChoice = 0x2006;
constexpr int kRedEdit = 706, kGreenEdit = 707, kBlueEdit = 708;  // the colour dialog's RGB fields

// ---- a host form holding palettes ----------------------------------------------

struct Note { int id, code; HWND from; };
std::vector<Note> notes;
COLORREF formText = CLR_INVALID;  // colours the form answers WM_CTLCOLORLISTBOX with, when set
HBRUSH formBrush = nullptr;

LRESULT CALLBACK FormProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_COMMAND) notes.push_back({LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp)});
    if (m == WM_CTLCOLORLISTBOX && formBrush) {
        SetTextColor(reinterpret_cast<HDC>(wp), formText);
        return reinterpret_cast<LRESULT>(formBrush);
    }
    return DefWindowProcW(w, m, wp, lp);
}

HWND Form() {
    static HWND form = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = FormProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"PaletteTestForm";
        RegisterClassW(&wc);
        return CreateWindowExW(0, wc.lpszClassName, L"form", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 600, 400,
                               nullptr, nullptr, wc.hInstance, nullptr);
    }();
    return form;
}

void* announced = nullptr;
LRESULT CALLBACK WatchCreate(int code, WPARAM wp, LPARAM lp) {
    auto* msg = reinterpret_cast<CWPSTRUCT*>(lp);
    if (code == HC_ACTION && msg->message == ZWM_ControlCreate) announced = reinterpret_cast<void*>(msg->lParam);
    return CallNextHookEx(nullptr, code, wp, lp);
}

// A palette placed on the form, destroyed at the end of the scope.
struct Palette {
    explicit Palette(int width = 300, const void* creationRecord = nullptr) {
        HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, WatchCreate, nullptr, GetCurrentThreadId());
        window = CreateWindowExW(0, L"ZW:cPalette:10", L"", WS_CHILD | WS_VISIBLE, 10, 10, width, 150, Form(),
                                 HMENU(kPaletteId), GetModuleHandleW(nullptr), const_cast<void*>(creationRecord));
        UnhookWindowsHookEx(hook);
        instance = announced;
        zwtest::PumpMessages();
        notes.clear();
    }
    ~Palette() { DestroyWindow(window); }
    int Key(WPARAM key) {
        SendMessageW(window, WM_KEYDOWN, key, 0);
        zwtest::PumpMessages();
        return Focus();
    }
    int Focus() const {  // area * 100 + index
        int area = -9, index = -9;
        ZelPalFocusGet(instance, &area, &index);
        return area * 100 + index;
    }
    void Click(POINT p, bool release = true) {
        SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
        if (release) SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    }
    HWND window;
    void* instance;
};

// Where the palette's parts are, computed from its font and width the way
// the palette lays itself out: cells at least square and widened to fill a
// short row, one pixel apart; menu lines two pixels apart; areas two apart.
struct Geometry {
    Geometry(const Palette& p, int colors, int lines, int recent) : lines(lines) {
        HDC dc = GetDC(p.window);
        HGDIOBJ old = SelectObject(dc, HGDIOBJ(SendMessageW(p.window, WM_GETFONT, 0, 0)));
        TEXTMETRICW tm;
        GetTextMetricsW(dc, &tm);
        SelectObject(dc, old);
        ReleaseDC(p.window, dc);
        RECT client;
        GetClientRect(p.window, &client);
        line = int(tm.tmHeight + tm.tmHeight / 3);
        minWidth = int(8 * (tm.tmAveCharWidth + 6 * tm.tmAveCharWidth / 10));
        areaWidth = std::max(minWidth, int(client.right) - 7);
        width = CellWidth(colors);
        mruWidth = CellWidth(recent);
        menuTop = 3 + (colors + Columns(width) - 1) / Columns(width) * (line + 1);
        mruTop = menuTop + lines * (line + 2) - 1;
    }
    int CellWidth(int count) const {
        int fit = std::min((areaWidth + 1) / (line + 1), count);
        return fit < 1 ? line : std::max(line, (areaWidth - fit + 1) / fit);
    }
    int Columns(int cellWidth) const { return (areaWidth + 1) / (cellWidth + 1); }
    RECT Cell(int i) const { return CellAt(3, width, i); }
    RECT Recent(int i) const { return CellAt(mruTop, mruWidth, i); }
    RECT Line(int i) const { return {3, menuTop + (line + 2) * i, 3 + areaWidth, menuTop + (line + 2) * i + line}; }
    RECT CellAt(int top, int w, int i) const {
        int c = Columns(w), left = 3 + (w + 1) * (i % c);
        top += (line + 1) * (i / c);
        return {left, top, left + w, top + line};  // right and bottom exclusive
    }
    static POINT Centre(RECT r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
    int lines, line, minWidth, areaWidth, width, mruWidth, menuTop, mruTop;
};

// The palette drawn into a 32-bit memory bitmap through WM_PRINTCLIENT.
struct Pixels {
    explicit Pixels(HWND window) {
        RECT client;
        GetClientRect(window, &client);
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        old = SelectObject(dc, bitmap);
        SendMessageW(window, WM_PRINTCLIENT, WPARAM(dc), PRF_CLIENT);
    }
    ~Pixels() {
        DeleteObject(SelectObject(dc, old));
        DeleteDC(dc);
    }
    COLORREF At(int x, int y) const { return GetPixel(dc, x, y); }
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap;
    HGDIOBJ old;
};

// Runs "Other Color..." from the keyboard on menu line `line` and answers the
// colour dialog: types `color` into its RGB fields and presses OK, or presses
// Cancel for CLR_INVALID. Returns the colour the dialog opened with.
COLORREF ChooseOtherColor(Palette& p, int line, COLORREF color) {
    COLORREF opened = CLR_INVALID;
    zwtest::DialogWatcher watcher([&](const zwtest::SeenDialog& seen) {
        auto field = [&](int id) { return BYTE(GetDlgItemInt(seen.window, id, nullptr, FALSE)); };
        opened = RGB(field(kRedEdit), field(kGreenEdit), field(kBlueEdit));
        if (color == CLR_INVALID) return IDCANCEL;
        SetDlgItemInt(seen.window, kRedEdit, GetRValue(color), FALSE);
        SetDlgItemInt(seen.window, kGreenEdit, GetGValue(color), FALSE);
        SetDlgItemInt(seen.window, kBlueEdit, GetBValue(color), FALSE);
        return IDOK;
    });
    ZelPalFocusSet(p.instance, 1, line);
    p.Key(VK_SPACE);
    EXPECT_EQ(watcher.Seen().size(), 1u);
    return opened;
}

HARRAY Numbers(const std::vector<double>& values) {
    HARRAY array = HostArrayCreate(HOST_ARRAY_NUMBER);
    for (size_t i = 0; i < values.size(); ++i) {
        HostNumber n{};
        HostDoubleToNumber(values[i], &n);
        HostArrayPutNumber(array, &n, LONG(i));
    }
    return array;
}

LONG Upper(HARRAY array) {
    LONG lower = 0, upper = 0;
    HostArrayGetBounds(array, &lower, &upper);
    return upper;
}

}  // namespace

TEST(Palette, ExportsFailOnNullAndStaleInstances) {
    HARRAY a = HostArrayCreate(HOST_ARRAY_NUMBER), s = HostArrayCreate(HOST_ARRAY_STRING);
    int area, index;
    ZW_HSTR text = 0;
    WORD id;
    const struct { const wchar_t* name; std::function<int(void*)> call; int failure; const wchar_t* message; } cases[] = {
        {L"ZelPalColorGet", [](void* p) { return ZelPalColorGet(p, 1); }, -1, L"Unable to retrieve color for specified role."},
        {L"ZelPalColorSet", [](void* p) { return ZelPalColorSet(p, 1, 0); }, -1, L"Unable to assign color to specified role."},
        {L"ZelPalColorMainSet", [](void* p) { return ZelPalColorMainSet(p, 0, 0); }, -1, L"Unable to assign palette color."},
        {L"ZelPalColorMainSetAll", [&](void* p) { return ZelPalColorMainSetAll(p, a); }, -1, L"Unable to assign all palette colors."},
        {L"ZelPalColorPaletteGet", [](void* p) { return ZelPalColorPaletteGet(p, 0, 0); }, -1, L"Unable to retrieve palette color."},
        {L"ZelPalColorPaletteGetAll", [&](void* p) { return ZelPalColorPaletteGetAll(p, 0, a); }, -1, L"Unable to retrieve all palette colors."},
        {L"ZelPalFocusGet", [&](void* p) { return ZelPalFocusGet(p, &area, &index); }, 0, L"Unable to retrieve current focus."},
        {L"ZelPalFocusSet", [](void* p) { return ZelPalFocusSet(p, 0, 0); }, 0, L"Unable to assign new focus."},
        {L"ZelPalMenuAdd", [](void* p) { return ZelPalMenuAdd(p, L"x", 1); }, -1, L"Unable to add menu item."},
        {L"ZelPalMenuClear", [](void* p) { return ZelPalMenuClear(p); }, 0, L"Unable to clear menu list."},
        {L"ZelPalMenuGet", [&](void* p) { return ZelPalMenuGet(p, 0, &text, &id); }, 0, L"Unable to retrieve menu item."},
        {L"ZelPalMenuGetAll", [&](void* p) { return ZelPalMenuGetAll(p, s, a); }, -1, L"Unable to retrieve menu list."},
        {L"ZelPalMenuInsert", [](void* p) { return ZelPalMenuInsert(p, 0, L"x", 1); }, 0, L"Unable to insert menu item."},
        {L"ZelPalMenuRemove", [](void* p) { return ZelPalMenuRemove(p, 0); }, 0, L"Unable to remove menu item."},
        {L"ZelPalMenuSet", [](void* p) { return ZelPalMenuSet(p, 0, L"x", 1); }, 0, L"Unable to assign menu item."},
        {L"ZelPalMenuSetAll", [&](void* p) { return ZelPalMenuSetAll(p, s, a); }, -1, L"Unable to assign menu list."},
        {L"ZelPalMRUClear", [](void* p) { return ZelPalMRUClear(p); }, 0, L"Unable to clear most recently used palette."},
        {L"ZelPalMRUMaxGet", [](void* p) { return ZelPalMRUMaxGet(p); }, -1, L"Unable to retrieve most recently used palette maximum."},
        {L"ZelPalMRUMaxSet", [](void* p) { return ZelPalMRUMaxSet(p, 3); }, -1, L"Unable to assign most recently used palette maximum."},
        {L"ZelPalStyleGet", [](void* p) { return int(ZelPalStyleGet(p)); }, 0, L"Unable to retrieve style bits."},
        {L"ZelPalStyleSet", [](void* p) { return int(ZelPalStyleSet(p, 8, 1)); }, 0, L"Unable to assign style bits."},
    };
    // A stale instance: the failure value and the function's own debug line.
    int stale[16] = {};
    for (const auto& c : cases) {
        zwtest::DebugCapture debug;
        EXPECT_EQ(c.call(stale), c.failure) << c.name;
        EXPECT_NE(debug.All().find(std::wstring(c.name) + L"() - " + c.message), std::wstring::npos) << c.name;
    }
    // A null instance: message 48 naming the function (the message box is
    // slow under Wine, so one function stands for all: they share the frame).
    zwtest::DialogWatcher boxes;
    EXPECT_EQ(cases[3].call(nullptr), -1);
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_NE(boxes.Seen()[0].text.find(L"'ZelPalColorMainSetAll()'"), std::wstring::npos);
}

TEST(Palette, NewPaletteDrawsDefaultsAndRoles) {
    Palette p;
    // The default font is 8-point bold; no font means a copy of the system font.
    LOGFONTW font{}, system{};
    const int dpi = GetDeviceCaps(Pixels(p.window).dc, LOGPIXELSY);
    GetObjectW(HGDIOBJ(SendMessageW(p.window, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -(8 * dpi / 72));
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    SendMessageW(p.window, WM_SETFONT, 0, 0);
    GetObjectW(GetStockObject(SYSTEM_FONT), sizeof system, &system);
    GetObjectW(HGDIOBJ(SendMessageW(p.window, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_NE(HGDIOBJ(SendMessageW(p.window, WM_GETFONT, 0, 0)), GetStockObject(SYSTEM_FONT));
    EXPECT_STREQ(font.lfFaceName, system.lfFaceName);
    EXPECT_EQ(ZelPalStyleGet(p.instance), 4u);
    EXPECT_EQ(ZelPalMRUMaxGet(p.instance), 8);
    EXPECT_EQ(p.Focus(), 0);
    EXPECT_EQ(ZelPalColorPaletteGet(p.instance, 1, 0), -1);
    EXPECT_EQ(SendMessageW(p.window, WM_GETDLGCODE, 0, 0), 0x81);

    // Role 0 follows role 1 until it is set; the next paint takes role 1 and
    // the text role from the owner's answer to WM_CTLCOLORLISTBOX.
    EXPECT_EQ(ZelPalColorSet(p.instance, 1, RGB(9, 9, 9)), int(GetSysColor(COLOR_WINDOW)));
    EXPECT_EQ(ZelPalColorGet(p.instance, 0), RGB(9, 9, 9));
    EXPECT_EQ(ZelPalColorGet(p.instance, 12), -1);
    EXPECT_EQ(ZelPalColorSet(p.instance, -1, 0), -1);
    ZelPalColorSet(p.instance, 10, RGB(200, 0, 0));
    ZelPalColorSet(p.instance, 9, RGB(0, 200, 0));
    formText = RGB(1, 2, 3);
    formBrush = CreateSolidBrush(RGB(40, 50, 60));
    ZelPalStyleSet(p.instance, 8, 1);  // the selection frame shows without the focus
    Pixels px(p.window);
    EXPECT_EQ(ZelPalColorGet(p.instance, 1), RGB(40, 50, 60));
    EXPECT_EQ(ZelPalColorGet(p.instance, 8), RGB(1, 2, 3));
    const Geometry g(p, 8, 1, 0);
    const COLORREF swatches[] = {0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF, 0xFFFF00, 0x000000, 0xFFFFFF};
    for (int i = 0; i < 8; ++i) {
        const POINT c = Geometry::Centre(g.Cell(i));
        EXPECT_EQ(px.At(c.x, c.y), swatches[i]) << i;
    }
    // Eight cells fill one row of the 293-pixel area: widened beyond square.
    EXPECT_GT(g.width, g.line);
    const RECT cell = g.Cell(1), focus = g.Cell(0);
    EXPECT_EQ(px.At(cell.left, cell.top), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(px.At(cell.right - 1, cell.bottom - 1), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(px.At(cell.left + 1, cell.top + 1), GetSysColor(COLOR_WINDOWFRAME));
    EXPECT_EQ(px.At(cell.right - 2, cell.bottom - 2), RGB(40, 50, 60));
    EXPECT_EQ(px.At(focus.left - 1, focus.top - 1), RGB(200, 0, 0));
    EXPECT_EQ(px.At(focus.left, focus.top), RGB(200, 0, 0));
    EXPECT_EQ(px.At(focus.left + 1, focus.top + 1), RGB(0, 200, 0));
    EXPECT_EQ(px.At(0, 0), RGB(40, 50, 60));
    // Disabled: no selection frame.
    EnableWindow(p.window, FALSE);
    Pixels disabled(p.window);
    EXPECT_EQ(disabled.At(focus.left - 1, focus.top - 1), RGB(40, 50, 60));
    DeleteObject(formBrush);
    formBrush = nullptr;
}

TEST(Palette, ColoursThroughFunctionsAndArrays) {
    Palette p;
    const struct { int result, expected; } cases[] = {
        {ZelPalColorMainSet(p.instance, -1, 5), -1},     // nothing changes
        {ZelPalColorMainSet(p.instance, 1, 0x123456), 0x00FF00},
        {ZelPalColorMainSet(p.instance, 100, 0x654321), -1},  // appended at 8
        {ZelPalColorPaletteGet(p.instance, 0, 1), 0x123456},
        {ZelPalColorPaletteGet(p.instance, 0, 8), 0x654321},
        {ZelPalColorPaletteGet(p.instance, 0, 9), -1},
        {ZelPalColorPaletteGet(p.instance, 2, 0), -1},
        {ZelPalColorPaletteGetAll(p.instance, 3, HostArrayCreate(HOST_ARRAY_NUMBER)), -1},
    };
    for (size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(cases[i].result, cases[i].expected) << i;

    EXPECT_EQ(ZelPalColorMainSetAll(p.instance, Numbers({255, 65280, 16711680})), 3);
    HARRAY out = HostArrayCreate(HOST_ARRAY_NUMBER);
    EXPECT_EQ(ZelPalColorPaletteGetAll(p.instance, 0, out), 3);
    EXPECT_EQ(Upper(out), 2);
    HostNumber n{};
    HostArrayGetNumber(out, &n, 2);
    EXPECT_EQ(HostNumberToUInt(&n), 0xFF0000u);
    // An empty area leaves the array as it was; a bad array changes nothing.
    EXPECT_EQ(ZelPalColorPaletteGetAll(p.instance, 1, out), 0);
    EXPECT_EQ(Upper(out), 2);
    EXPECT_EQ(ZelPalColorMainSetAll(p.instance, 0xBAD), -1);
    EXPECT_EQ(ZelPalColorPaletteGet(p.instance, 0, 2), 0xFF0000);
}

TEST(Palette, MenuLinesAreTheApplicationsOnly) {
    Palette p;
    EXPECT_EQ(ZelPalMenuAdd(p.instance, L"Second", 2), 0);
    EXPECT_EQ(ZelPalMenuInsert(p.instance, 0, L"First", 1), 1);
    EXPECT_EQ(ZelPalMenuInsert(p.instance, -1, L"Never", 9), 1);
    EXPECT_EQ(ZelPalMenuSet(p.instance, 50, L"Third", 3), 1);  // appended
    EXPECT_EQ(ZelPalMenuSet(p.instance, 1, nullptr, 4), 1);     // replaced
    EXPECT_EQ(ZelPalMenuRemove(p.instance, 3), 0);
    HARRAY texts = HostArrayCreate(HOST_ARRAY_STRING), ids = HostArrayCreate(HOST_ARRAY_NUMBER);
    ASSERT_EQ(ZelPalMenuGetAll(p.instance, texts, ids), 3);  // never "Other Color..."
    const struct { const wchar_t* text; WORD id; } lines[] = {{L"First", 1}, {L"", 4}, {L"Third", 3}};
    for (int i = 0; i < 3; ++i) {
        ZW_HSTR text = 0;
        WORD id = 0;
        ASSERT_EQ(ZelPalMenuGet(p.instance, i, &text, &id), 1);
        EXPECT_EQ(zwtest::TakeHostText(text), lines[i].text);
        EXPECT_EQ(id, lines[i].id);
        HOSTSTR element = 0;
        HostArrayGetString(texts, &element, i);
        EXPECT_EQ(zwtest::HostText(element), lines[i].text);
    }
    ZW_HSTR text = 0, bad = 0xBAD;
    WORD id = 0;
    EXPECT_EQ(ZelPalMenuGet(p.instance, 3, &text, &id), 0);  // the built-in line is not the application's
    EXPECT_EQ(ZelPalMenuGet(p.instance, 0, &bad, &id), 0);

    // Unequal bounds change nothing; equal ones replace every line.
    HARRAY two = HostArrayCreate(HOST_ARRAY_STRING);
    const HOSTSTR a = HostTestNewString(L"A");
    HostArrayPutString(two, a, 0);
    HostArrayPutString(two, a, 1);
    EXPECT_EQ(ZelPalMenuSetAll(p.instance, two, Numbers({7})), -1);
    EXPECT_EQ(ZelPalMenuGetAll(p.instance, texts, ids), 3);
    EXPECT_EQ(ZelPalMenuSetAll(p.instance, two, Numbers({7, 8})), 2);
    ASSERT_EQ(ZelPalMenuGet(p.instance, 1, &(text = 0), &id), 1);
    EXPECT_EQ(zwtest::TakeHostText(text), L"A");
    EXPECT_EQ(id, 8);
    EXPECT_EQ(ZelPalMenuRemove(p.instance, 0), 1);
    EXPECT_EQ(ZelPalMenuClear(p.instance), 1);
    EXPECT_EQ(ZelPalMenuGetAll(p.instance, texts, ids), 0);
    EXPECT_EQ(Upper(texts), 2);  // untouched
}

TEST(Palette, KeyboardWalksAcrossAreas) {
    Palette p;
    ZelPalMenuAdd(p.instance, L"Line", 5);
    // Eight colours in one row, two lines, no recent colours; every key
    // notifies code 1, also when the focus stays.
    const struct { WPARAM key; int focus; } steps[] = {
        {VK_RIGHT, 1}, {VK_UP, 0}, {VK_DOWN, 100}, {VK_DOWN, 101}, {VK_DOWN, 101}, {VK_UP, 100}, {VK_LEFT, 7},
    };
    for (const auto& s : steps) {
        EXPECT_EQ(p.Key(s.key), s.focus) << s.key;
        ASSERT_EQ(notes.size(), 1u);
        EXPECT_EQ(notes[0].code * 1000 + notes[0].id, 1000 + kPaletteId);
        EXPECT_EQ(notes[0].from, p.window);
        notes.clear();
    }
    // Enter on an application line runs no colour dialog.
    zwtest::DialogWatcher none;
    EXPECT_EQ(ZelPalFocusSet(p.instance, 1, 0), 1);
    p.Key(VK_RETURN);
    EXPECT_TRUE(none.Seen().empty());
    // Focus functions: -1 keeps the area; a missing entry changes nothing.
    EXPECT_EQ(ZelPalFocusSet(p.instance, -1, 1), 1);
    EXPECT_EQ(p.Focus(), 101);
    EXPECT_EQ(ZelPalFocusSet(p.instance, 0, 8), 1);
    EXPECT_EQ(ZelPalFocusSet(p.instance, 3, 0), 1);
    EXPECT_EQ(p.Focus(), 101);
    int area = 0;
    EXPECT_EQ(ZelPalFocusGet(p.instance, &area, nullptr), 0);

    // Taking the focus asks the host first; a refusal sets nothing.
    const bool allowed[] = {false, true};
    for (bool allow : allowed) {
        HostTestSetFocusAnswer(allow);
        SetFocus(Form());
        zwtest::PumpMessages();
        notes.clear();
        SetFocus(p.window);
        zwtest::PumpMessages();
        HWND asked = nullptr;
        HostTestValidateFocusCount(&asked);
        EXPECT_EQ(asked, p.window);
        EXPECT_EQ(std::count_if(notes.begin(), notes.end(), [](const Note& n) { return n.code == 1; }), allow ? 1 : 0);
    }
}

TEST(Palette, OtherColorFillsTheRecentColours) {
    Palette p;
    ChooseOtherColor(p, 0, RGB(10, 20, 30));
    EXPECT_EQ(ZelPalColorPaletteGet(p.instance, 1, 0), RGB(10, 20, 30));
    EXPECT_EQ(p.Focus(), 200);
    EXPECT_EQ(ChooseOtherColor(p, 0, RGB(40, 50, 60)), RGB(10, 20, 30));  // opens on the newest colour
    ChooseOtherColor(p, 0, CLR_INVALID);  // cancelled: nothing changes
    ChooseOtherColor(p, 0, RGB(70, 80, 90));
    const int recent[] = {RGB(70, 80, 90), RGB(40, 50, 60), RGB(10, 20, 30), -1};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(ZelPalColorPaletteGet(p.instance, 1, i), recent[i]) << i;

    // Clicking a recent colour chooses it and tells the host.
    const Geometry g(p, 8, 1, 3);
    p.Click(Geometry::Centre(g.Recent(2)));
    MSG msg{};
    ASSERT_TRUE(PeekMessageW(&msg, p.window, kChoice, kChoice, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 2u);
    EXPECT_EQ(msg.lParam, 2);
    Pixels px(p.window);
    const POINT c = Geometry::Centre(g.Recent(1));
    EXPECT_EQ(px.At(c.x, c.y), RGB(40, 50, 60));

    // A smaller maximum drops the oldest and moves the focus onto the list.
    EXPECT_EQ(ZelPalMRUMaxSet(p.instance, 2), 8);
    EXPECT_EQ(p.Focus(), 201);
    EXPECT_EQ(ZelPalColorPaletteGet(p.instance, 1, 2), -1);
    EXPECT_EQ(ZelPalMRUMaxSet(p.instance, 300), 2);
    EXPECT_EQ(ZelPalMRUMaxGet(p.instance), 255);
    EXPECT_EQ(ZelPalMRUClear(p.instance), 1);
    EXPECT_EQ(p.Focus(), 0);
    EXPECT_EQ(ZelPalColorPaletteGet(p.instance, 1, 0), -1);

    // With a maximum of 0 a chosen colour is dropped at once.
    ZelPalMRUMaxSet(p.instance, 0);
    ChooseOtherColor(p, 0, RGB(1, 1, 1));
    EXPECT_EQ(ZelPalColorPaletteGet(p.instance, 1, 0), -1);

    // Without "Other Color..." the recent colours go; back, the line is last.
    ZelPalMRUMaxSet(p.instance, 8);
    ChooseOtherColor(p, 0, RGB(2, 2, 2));
    ZelPalMenuAdd(p.instance, L"Mine", 3);
    EXPECT_EQ(ZelPalStyleSet(p.instance, 4, 0), 4u);
    EXPECT_EQ(ZelPalColorPaletteGet(p.instance, 1, 0), -1);
    EXPECT_EQ(ZelPalStyleSet(p.instance, 4, 1), 0u);
    ChooseOtherColor(p, 1, RGB(3, 3, 3));  // the line after "Mine"
    EXPECT_EQ(ZelPalColorPaletteGet(p.instance, 1, 0), RGB(3, 3, 3));
}

TEST(Palette, MouseTracking) {
    Palette p;
    const Geometry g(p, 8, 1, 0);
    MSG msg{};
    const struct { POINT down, up; bool posted; int focus; } clicks[] = {
        {Geometry::Centre(g.Cell(5)), Geometry::Centre(g.Cell(5)), true, 5},
        {Geometry::Centre(g.Cell(2)), {-50, -50}, false, 2},  // released outside: no choice
        {{g.Cell(3).right, g.Cell(3).top}, {g.Cell(3).right, g.Cell(3).top}, true, 2},  // between cells
        {{1, 1}, {1, 1}, false, 2},  // outside every area
    };
    for (const auto& c : clicks) {
        SendMessageW(p.window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.down.x, c.down.y));
        SendMessageW(p.window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(c.up.x, c.up.y));
        SendMessageW(p.window, WM_LBUTTONUP, 0, MAKELPARAM(c.up.x, c.up.y));
        EXPECT_EQ(PeekMessageW(&msg, p.window, kChoice, kChoice, PM_REMOVE) != 0, c.posted) << c.focus;
        EXPECT_EQ(p.Focus(), c.focus);
        EXPECT_EQ(GetCapture(), nullptr);
    }
    // Dragging over the cells moves the focus with the pointer.
    p.Click(Geometry::Centre(g.Cell(0)), false);
    SendMessageW(p.window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(Geometry::Centre(g.Line(0)).x, Geometry::Centre(g.Line(0)).y));
    EXPECT_EQ(p.Focus(), 100);
    SendMessageW(p.window, WM_CANCELMODE, 0, 0);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST(Palette, DropDownModeAsksToClose) {
    Palette p;
    ZelPalStyleSet(p.instance, 2, 1);
    const Geometry g(p, 8, 1, 0);
    const std::function<void()> actions[] = {
        [&] { SendMessageW(p.window, WM_KEYDOWN, VK_ESCAPE, 0); },
        [&] { SendMessageW(p.window, WM_SYSKEYDOWN, VK_UP, 0x20000000); },
        [&] { p.Click({-5, -5}); },
        [&] { p.Click(Geometry::Centre(g.Cell(4))); },
    };
    for (const auto& act : actions) {
        notes.clear();
        act();
        zwtest::PumpMessages();
        EXPECT_TRUE(std::any_of(notes.begin(), notes.end(), [](const Note& n) { return n.code == 8; }));
    }
    // Losing the focus hides the pop-up, then asks to close and tells of the loss.
    SetFocus(p.window);
    notes.clear();
    SetFocus(Form());
    zwtest::PumpMessages();
    EXPECT_FALSE(IsWindowVisible(p.window));
    ASSERT_GE(notes.size(), 2u);
    EXPECT_EQ(notes[notes.size() - 2].code, 8);
    EXPECT_EQ(notes.back().code, 2);
}

TEST(Palette, DesignerRecordWithTwoObjectsOfAClass) {
    // Two colours and two lines; each second object is tagged 0x8000 | class index.
    std::vector<std::uint8_t> b;
    auto u8 = [&](unsigned v) { b.push_back(std::uint8_t(v)); };
    auto u16 = [&](unsigned v) { u8(v & 0xFF); u8(v >> 8); };
    auto u32 = [&](unsigned v) { u16(v & 0xFFFF); u16(v >> 16); };
    auto cls = [&](const char* name) { u16(0xFFFF); u16(1); u16(unsigned(strlen(name))); for (const char* c = name; *c; ++c) u8(*c); };
    auto str = [&](const wchar_t* s) { u8(0xFF); u16(0xFFFE); u8(unsigned(wcslen(s))); for (; *s; ++s) u16(*s); };
    u16(2); cls("SPaletteColor"); u32(1); u32(0x112233); u16(0x8001); u32(1); u32(0x445566);
    u16(2); cls("SPaletteMenu"); u32(1); str(L"Tint"); u16(11); u16(0x8004); u32(1); str(L"Shade"); u16(12);
    u32(1); u8(1); u8(0); u8(0); u8(1); u32(3);  // auto-size, no "Other Color...", selection shown, 3 recent
    const BYTE withData[8] = {0, 0, 0, 0, 1, 0, 0, 0};
    zwtest::DesignerItems designer(L"ZW:cPalette:10", {{L"ZW:ColorPalette", b}});
    Palette p(20, withData);
    EXPECT_EQ(ZelPalColorPaletteGet(p.instance, 0, 1), 0x445566);
    EXPECT_EQ(ZelPalColorPaletteGet(p.instance, 0, 2), -1);
    ZW_HSTR text = 0;
    WORD id = 0;
    ASSERT_EQ(ZelPalMenuGet(p.instance, 1, &text, &id), 1);
    EXPECT_EQ(zwtest::TakeHostText(text), L"Shade");
    EXPECT_EQ(id, 12);
    EXPECT_EQ(ZelPalStyleGet(p.instance), 9u);
    EXPECT_EQ(ZelPalMRUMaxGet(p.instance), 3);
    // Auto-sized: the window shows the whole palette, 3 pixels around the
    // areas and 2 of them below the last line, inside a one-pixel border.
    const Geometry g(p, 2, 2, 0);
    RECT window;
    GetWindowRect(p.window, &window);
    EXPECT_EQ(window.right - window.left, g.minWidth + 8);
    EXPECT_EQ(window.bottom - window.top, g.Line(1).bottom + 4);

    // A truncated item leaves the defaults.
    b.resize(b.size() - 3);
    zwtest::DesignerItems truncated(L"ZW:cPalette:10", {{L"ZW:ColorPalette", b}});
    Palette q(20, withData);
    EXPECT_EQ(ZelPalColorPaletteGet(q.instance, 0, 7), 0xFFFFFF);
    EXPECT_EQ(ZelPalStyleGet(q.instance), 4u);
}
