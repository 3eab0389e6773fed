// The message box with the application's buttons: its layout read while it
// is open (the places of the box, icon, text and buttons computed here from
// the same metrics and measurements), the button identifiers and the keys
// that choose them, the focus mark, icons, the background colour, and the
// refusals. Every box is dismissed by the test: by a posted key or click once
// its modal loop runs, and by a safety timer if that does not end it.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "tests/win/support/window_pixels.h"
#include "tests/win/support/zwtest.h"

namespace {

constexpr int kIconId = 302, kTextId = 303;
constexpr INT_PTR kTimedOut = -5;

struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const Rect&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Rect& r) {
    return out << "(" << r.x << "," << r.y << " " << r.width << "x" << r.height << ")";
}

// A child's place in the box's client area.
Rect PlaceOf(HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// What an open box showed.
struct OpenBox {
    HWND dialog = nullptr;
    Rect box;                          // on the screen
    bool iconShown = false;
    HICON icon = nullptr;
    Rect iconPlace, textPlace;
    std::wstring caption, text;
    std::vector<Rect> buttons;         // left to right
    std::vector<int> buttonIds;
    std::vector<std::wstring> buttonTexts;
};

OpenBox Read(HWND dialog) {
    OpenBox seen;
    seen.dialog = dialog;
    RECT r;
    GetWindowRect(dialog, &r);
    seen.box = {r.left, r.top, r.right - r.left, r.bottom - r.top};
    HWND icon = GetDlgItem(dialog, kIconId), text = GetDlgItem(dialog, kTextId);
    seen.iconShown = (GetWindowLongW(icon, GWL_STYLE) & WS_VISIBLE) != 0;
    seen.icon = reinterpret_cast<HICON>(SendMessageW(icon, STM_GETICON, 0, 0));
    seen.iconPlace = PlaceOf(icon);
    seen.textPlace = PlaceOf(text);
    wchar_t buffer[4096] = {};
    GetWindowTextW(dialog, buffer, 4096);
    seen.caption = buffer;
    GetWindowTextW(text, buffer, 4096);
    seen.text = buffer;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t cls[16] = {};
        GetClassNameW(child, cls, 16);
        if (lstrcmpiW(cls, L"Button") != 0) continue;
        seen.buttons.push_back(PlaceOf(child));
        seen.buttonIds.push_back(GetDlgCtrlID(child));
        GetWindowTextW(child, buffer, 4096);
        seen.buttonTexts.push_back(buffer);
    }
    return seen;
}

// Shows a box. `atInit` runs when the box has laid itself out and returns
// the command that ends it (kStayOpen: none); `whenOpen`, when given, runs
// from a timer once the box is shown and its modal loop runs (posted focus
// changes done) and may post keys or clicks to end it.
struct Shown {
    int result = 0;
    OpenBox seen;
    bool opened = false;
};

std::function<void(HWND)> whenOpenNow;
HWND openDialog = nullptr;

void CALLBACK OnOpen(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (openDialog && whenOpenNow) whenOpenNow(openDialog);
}

void CALLBACK OnTimeout(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (openDialog && IsWindow(openDialog)) EndDialog(openDialog, kTimedOut);
}

constexpr int kStayOpen = 0xFFFF;  // a command no button has

Shown Show(LPCWSTR text, LPCWSTR caption, UINT_PTR icon, HARRAY buttons, int count,
           std::function<int(HWND)> atInit, std::function<void(HWND)> whenOpen = nullptr) {
    Shown shown;
    whenOpenNow = std::move(whenOpen);
    zwtest::DialogWatcher watcher([&](const zwtest::SeenDialog& dialog) {
        shown.opened = true;
        shown.seen = Read(dialog.window);
        openDialog = dialog.window;
        if (whenOpenNow) SetTimer(nullptr, 0, 50, &OnOpen);
        SetTimer(nullptr, 0, 5000, &OnTimeout);
        return atInit(dialog.window);
    });
    shown.result = ZelMessageBox(text, caption, icon, buttons, count);
    openDialog = nullptr;
    whenOpenNow = nullptr;
    zwtest::PumpMessages();
    return shown;
}

void Click(HWND dialog, int id) { PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
void Key(HWND dialog, WPARAM key) { PostMessageW(dialog, WM_KEYDOWN, key, 1); }

// Buttons made for one test, freed at its end, and their array (a handle +
// 1 marks the focus button).
struct Buttons {
    explicit Buttons(std::vector<std::pair<const wchar_t*, int>> specs, int focus = -1)
        : array(HOST_ARRAY_NUMBER) {
        for (const auto& [text, value] : specs) handles.push_back(ZelMessageLoadButton(text, value));
        for (size_t i = 0; i < handles.size(); ++i) {
            HostNumber number{};
            HostDoubleToNumber(double(reinterpret_cast<UINT_PTR>(handles[i]) + (int(i) == focus ? 1 : 0)), &number);
            HostArrayPutNumber(array, &number, LONG(i));
        }
    }
    ~Buttons() {
        for (ZW_HBUTTON handle : handles) ZelMessageFreeButton(handle);
    }
    int Count() const { return int(handles.size()); }
    std::vector<ZW_HBUTTON> handles;
    zwtest::HostArray array;
};

// The expected layout, step by step from the box's rules, with the text
// measured in the box's font.
struct Expected {
    Rect box, icon, text;
    std::vector<Rect> buttons;
};

Expected Layout(HWND dialog, const std::wstring& text, const std::vector<std::wstring>& buttonTexts, bool icon) {
    const LONG base = GetDialogBaseUnits();
    const int bx = LOWORD(base), by = HIWORD(base);
    const int cxFull = GetSystemMetrics(SM_CXFULLSCREEN), cyFull = GetSystemMetrics(SM_CYFULLSCREEN);
    const int fx = GetSystemMetrics(SM_CXDLGFRAME), fy = GetSystemMetrics(SM_CYDLGFRAME);
    const int cap = GetSystemMetrics(SM_CYCAPTION);
    const int cxIcon = icon ? GetSystemMetrics(SM_CXICON) : 0, cyIcon = icon ? GetSystemMetrics(SM_CYICON) : 0;
    const int g = icon ? bx * 10 / 4 : 0;

    HDC dc = GetDC(dialog);
    HGDIOBJ before = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(dialog, WM_GETFONT, 0, 0)));
    int limit = cxFull * 65 / 100 - 2 * fx - bx * 9 / 4 - bx * 11 / 4;
    if (icon) limit -= bx * 11 / 4 + cxIcon;
    SIZE size;
    GetTextExtentPointW(dc, text.c_str(), int(text.size()) + 1, &size);
    int w = size.cx, h = size.cy;
    if (w > limit || text.find_first_of(L"\n\t") != std::wstring::npos) {
        RECT r = {0, 0, limit, h};
        DrawTextW(dc, text.c_str(), -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
        w = r.right;
        h = r.bottom;
    }
    int bw = bx * 7;
    for (const std::wstring& t : buttonTexts) {
        GetTextExtentPoint32W(dc, t.c_str(), int(t.size()), &size);
        bw = std::max(bw, int(size.cx) + bx * 2);
    }
    SelectObject(dc, before);
    ReleaseDC(dialog, dc);

    const int iconTop = h > cyIcon ? by + (h - cyIcon) / 2 : by * 9 / 8;
    const int textTop = h > cyIcon ? by : by * 9 / 8 + (cyIcon - h) / 2;
    const int n = int(buttonTexts.size()), gap = bx * 2, bh = by * 14 / 8;
    const int row = std::min(n * bw + (n - 1) * gap + 2 * (bx * 22 / 4), cxFull - 2 * fy);
    const int dw = std::max(row, w + g + bx * 9 / 4 + cxIcon + bx * 11 / 4) + 2 * fx;
    const int dh = 2 * fy + std::max(cyIcon, h) + std::min(iconTop, textTop) + bh + by * 9 / 8 + by * 6 / 8 + cap;
    Expected e;
    e.box = {(cxFull - dw) / 2, std::max(0, (cyFull - dh) / 2), dw, dh};
    e.icon = {bx * 11 / 4, iconTop, cxIcon, cyIcon};
    e.text = {bx * 11 / 4 + g + cxIcon, textTop, w, h};
    const int top = dh - 2 * fy - bh - by * 6 / 8 - cap;
    const int left = std::max(bx * 22 / 4, (dw - 2 * fy - row) / 2 + bx * 22 / 4);
    for (int i = 0; i < n; ++i) e.buttons.push_back({left + i * (bw + gap), top, bw, bh});
    return e;
}

std::wstring ExePath() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

TEST(MessageBoxes, LayoutIdentifiersAndTheButtonPressed) {
    ZW_HPIC picture = ZelPicLoad(PIC_FromModule | PIC_FormatIcon, ExePath().c_str(), L"#0");
    ASSERT_NE(picture, nullptr);
    const std::wstring longText(60, L'x');
    std::wstring paragraph;
    for (int i = 0; i < 40; ++i) paragraph += L"The quick brown fox jumps. ";
    struct Case {
        const char* what;
        std::wstring text;
        UINT_PTR icon;
        std::vector<std::pair<const wchar_t*, int>> buttons;
        std::vector<int> ids;  // expected control identifiers
        int press;             // index of the button clicked
        HICON shown;           // the icon expected, null for none
    } cases[] = {
        {"one button, no icon", L"Saved.", 0, {{L"OK", 1}}, {2}, 0, nullptr},
        {"question with three buttons", L"Save the changes?", MSG_IconQuestion,
         {{L"&Yes", 6}, {L"&No", 2}, {L"Cancel", 9}}, {3, 2, 5}, 2, LoadIconW(nullptr, IDI_QUESTION)},
        {"first flag present wins", L"Note", MSG_IconHand | MSG_IconAsterisk, {{L"A", 1}, {L"B", 4}}, {3, 4}, 1,
         LoadIconW(nullptr, IDI_ASTERISK)},
        {"a short text with a tab is wrapped", L"Name:\tvalue", MSG_IconExclamation, {{L"Close", 3}}, {2}, 0,
         LoadIconW(nullptr, IDI_EXCLAMATION)},
        {"a line feed", L"first line\nsecond line", 0, {{L"OK", 1}, {L"Cancel", 2}}, {3, 2}, 0, nullptr},
        {"long text wraps at the limit", paragraph, MSG_IconHand, {{L"OK", 1}}, {2}, 0, LoadIconW(nullptr, IDI_HAND)},
        {"a long word", longText, 0, {{L"A much longer button text", 8}}, {2}, 0, nullptr},
        {"the application's icon picture", L"Picture", reinterpret_cast<UINT_PTR>(picture), {{L"OK", 1}}, {2}, 0,
         nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Buttons buttons(c.buttons);
        std::vector<std::wstring> texts;
        for (const auto& b : c.buttons) texts.push_back(b.first);
        const bool icon = c.icon != 0;
        Expected e;
        const Shown shown = Show(c.text.c_str(), L"Caption", c.icon, buttons.array, buttons.Count(), [&](HWND dialog) {
            e = Layout(dialog, c.text, texts, icon);
            return c.ids[size_t(c.press)];
        });
        ASSERT_TRUE(shown.opened);
        EXPECT_EQ(shown.result, c.buttons[size_t(c.press)].second);
        const OpenBox& seen = shown.seen;
        EXPECT_EQ(seen.box, e.box);
        EXPECT_EQ(seen.textPlace, e.text);
        EXPECT_EQ(seen.iconShown, icon);
        if (icon) {
            EXPECT_EQ(seen.iconPlace, e.icon);
            if (c.shown) {
                EXPECT_EQ(seen.icon, c.shown);
            } else {
                EXPECT_NE(seen.icon, nullptr) << "the picture's icon";
            }
        }
        EXPECT_EQ(seen.buttons, e.buttons);
        EXPECT_EQ(seen.buttonIds, c.ids);
        EXPECT_EQ(seen.buttonTexts, texts);
        EXPECT_EQ(seen.caption, L"Caption");
        EXPECT_EQ(seen.text, c.text);
        if (c.text == paragraph) {
            EXPECT_GT(e.text.height, 2 * HIWORD(GetDialogBaseUnits())) << "the paragraph takes several lines";
        }
    }
    ZelPicFree(picture);
}

TEST(MessageBoxes, KeysChooseButtons) {
    struct Case {
        const char* what;
        std::vector<std::pair<const wchar_t*, int>> buttons;
        int focus;     // marked element, -1 for none
        WPARAM key;
        int result;
    } cases[] = {
        {"Escape chooses the only button", {{L"Fine", 7}}, -1, VK_ESCAPE, 7},
        {"Escape chooses the button of value 2", {{L"OK", 1}, {L"Cancel", 2}}, -1, VK_ESCAPE, 2},
        {"Return presses the marked button", {{L"One", 11}, {L"Two", 12}, {L"Three", 13}}, 1, VK_RETURN, 12},
        {"the mark moves the focus", {{L"One", 11}, {L"Two", 12}, {L"Three", 13}}, 2, VK_RETURN, 13},
    };
    for (const Case& c : cases) {
        Buttons buttons(c.buttons, c.focus);
        wchar_t focused[32] = {};
        const Shown shown = Show(L"Choose", L"Keys", 0, buttons.array, buttons.Count(),
                                 [](HWND) { return kStayOpen; },
                                 [&](HWND dialog) {
                                     HWND focus = GetFocus();
                                     GetWindowTextW(focus, focused, 32);
                                     Key(focus ? focus : dialog, c.key);
                                 });
        EXPECT_EQ(shown.result, c.result) << c.what;
        if (c.focus >= 0) {
            EXPECT_STREQ(focused, c.buttons[size_t(c.focus)].first) << c.what;
        }
    }
}

TEST(MessageBoxes, BackgroundColourAndClose) {
    const COLORREF colour = RGB(200, 230, 180);
    EXPECT_TRUE(ZelMessageSetBkgdColor(colour));
    Buttons buttons({{L"OK", 1}});
    COLORREF brushColour = CLR_INVALID, textBack = CLR_INVALID, corner = CLR_INVALID;
    int textPixels = 0, textArea = 0;
    bool closeInMenu = true;
    const Shown shown = Show(L"Coloured", L"Colour", 0, buttons.array, 1, [](HWND) { return kStayOpen; },
                             [&](HWND dialog) {
        HDC dc = CreateCompatibleDC(nullptr);
        HWND text = GetDlgItem(dialog, kTextId);
        auto brush = reinterpret_cast<HBRUSH>(SendMessageW(dialog, WM_CTLCOLORSTATIC, WPARAM(dc), LPARAM(text)));
        LOGBRUSH logical = {};
        if (brush && GetObjectW(brush, sizeof logical, &logical)) brushColour = logical.lbColor;
        textBack = GetBkColor(dc);
        DeleteDC(dc);
        UpdateWindow(dialog);
        const zwtest::Pixels pixels = zwtest::ScreenPixels(dialog);
        corner = pixels.At(1, 1);
        const Rect place = PlaceOf(text);
        const RECT area = {place.x, place.y, place.x + place.width, place.y + place.height};
        textPixels = pixels.Count(colour, area);
        textArea = place.width * place.height;
        closeInMenu = GetMenuState(GetSystemMenu(dialog, FALSE), SC_CLOSE, MF_BYCOMMAND) != UINT(-1);
        Click(dialog, 2);
    });
    EXPECT_EQ(shown.result, 1);
    EXPECT_EQ(brushColour, colour);
    EXPECT_EQ(textBack, colour);
    EXPECT_EQ(corner, colour) << "the box's background";
    EXPECT_GT(textPixels, textArea / 2) << "the text's background";
    EXPECT_FALSE(closeInMenu) << "Close is removed from the system menu";
    ZelMessageSetBkgdColor(RGB(255, 255, 255));
}

TEST(MessageBoxes, RefusalsShowNoBox) {
    ZW_HPIC bitmap = ZelPicLoad(PIC_FromModule | PIC_FormatBitmap, L"zwi51.dll", L"plusdk");
    ASSERT_NE(bitmap, nullptr);
    Buttons buttons({{L"OK", 1}, {L"Cancel", 2}});
    Buttons stale({{L"OK", 1}});
    // Freed after every other button is made, so that no live button can
    // have been given the freed one's memory.
    ZW_HBUTTON freed = ZelMessageLoadButton(L"Gone", 3);
    ASSERT_TRUE(ZelMessageFreeButton(freed));
    HostNumber number{};
    HostDoubleToNumber(double(reinterpret_cast<UINT_PTR>(freed)), &number);
    HostArrayPutNumber(stale.array, &number, 0);
    zwtest::HostArray strings(std::vector<std::wstring>{L"not", L"buttons"});
    struct Case {
        const char* what;
        LPCWSTR text, caption;
        UINT_PTR icon;
        HARRAY array;
        int count;
    } cases[] = {
        {"null text", nullptr, L"c", 0, buttons.array, 2},
        {"null caption", L"t", nullptr, 0, buttons.array, 2},
        {"no buttons", L"t", L"c", 0, buttons.array, 0},
        {"negative count", L"t", L"c", 0, buttons.array, -1},
        {"more buttons than the array holds", L"t", L"c", 0, buttons.array, 3},
        {"a freed button", L"t", L"c", 0, stale.array, 1},
        {"a string array", L"t", L"c", 0, strings, 2},
        {"no array", L"t", L"c", 0, 0, 1},
        {"a bitmap picture as icon", L"t", L"c", reinterpret_cast<UINT_PTR>(bitmap), buttons.array, 2},
        {"a handle that is no picture", L"t", L"c", 0x1234, buttons.array, 2},
    };
    zwtest::DialogWatcher watcher;
    for (const Case& c : cases) EXPECT_EQ(ZelMessageBox(c.text, c.caption, c.icon, c.array, c.count), 0) << c.what;
    EXPECT_TRUE(watcher.Seen().empty());
    ZelPicFree(bitmap);

    EXPECT_FALSE(ZelMessageFreeButton(nullptr));
    EXPECT_FALSE(ZelMessageFreeButton(freed)) << "a freed button is refused";
    EXPECT_FALSE(ZelMessageFreeButton(reinterpret_cast<ZW_HBUTTON>(0x5000)));
    ZW_HBUTTON empty = ZelMessageLoadButton(nullptr, 4);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(reinterpret_cast<UINT_PTR>(empty) & 1, 0u) << "the lowest bit is free for the focus mark";
    EXPECT_TRUE(ZelMessageFreeButton(empty));
}

}  // namespace
