// The spin field and the meter through the library: the application's
// messages, the designer item, the buttons with their repeat timer, keys,
// focus, and the meter's pixels set with ZelWinSetMeter. The number and
// layout arithmetic is checked in tests/core/spin_value_test.cpp.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/win/support/designer_items.h"
#include "tests/win/support/window_pixels.h"
#include "tests/win/support/zwtest.h"

namespace {

// Creation records: bit 0 of byte 4 set at run time, clear while the form
// designer draws the control.
const BYTE kRunTime[8] = {0, 0, 0, 0, 1, 0, 0, 0};
const BYTE kDesigner[8] = {0, 0, 0, 0, 0, 0, 0, 0};
constexpr COLORREF kBack = RGB(255, 255, 0), kFore = RGB(0, 0, 128);

struct Form {
    Form() {
        window = CreateWindowExW(0, L"ZwTestDesk", L"", WS_CHILD | WS_VISIBLE, 0, 0, 300, 300, zwtest::VisibleDesk(),
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    ~Form() {
        DestroyWindow(window);
        zwtest::PumpMessages();
    }
    HWND Make(const wchar_t* cls, const void* record, int width, int height, int y = 40) const {
        return CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE, 20, y, width, height, window, nullptr,
                               GetModuleHandleW(nullptr), const_cast<void*>(record));
    }
    HWND window;
};

struct Spin {
    explicit Spin(const Form& form, const void* record = kRunTime)
        : window(form.Make(L"ZW:cSpinField:10", record, 100, 21)), edit(GetWindow(window, GW_CHILD)) {}
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return SendMessageW(window, message, wParam, lParam);
    }
    std::wstring Text() const {
        wchar_t text[64] = {};
        GetWindowTextW(edit, text, 64);
        return text;
    }
    void Mouse(UINT message, POINT at) const { Send(message, 0, MAKELPARAM(at.x, at.y)); }
    HWND window, edit;
};

// Centres of the buttons, from the layout rule: a column 2 x (H / 3) wide,
// split at H / 2.
POINT UpButton(HWND spin) {
    RECT r;
    GetClientRect(spin, &r);
    return {r.right - (r.bottom / 3), r.bottom / 4};
}
POINT DownButton(HWND spin) {
    RECT r;
    GetClientRect(spin, &r);
    return {r.right - (r.bottom / 3), r.bottom * 3 / 4};
}

void PumpFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        zwtest::PumpMessages();
    }
}

TEST(SpinField, MessagesStepWithinTheLimitsAndShowTheText) {
    struct Case {
        int minimum, maximum, increment, adjust;
        std::optional<int> value;  // set with 0x404
        const wchar_t* typed;      // or typed into the field
        UINT step;                 // 0x405, 0x406 or none
        const wchar_t* text;
    } cases[] = {
        {0, 10, 3, 0, 9, nullptr, 0x405, L"10"},
        {0, 10, 3, 0, 1, nullptr, 0x406, L"0"},
        {0, 99999, 1, -2, 1205, nullptr, 0, L"12.05"},
        {5, 10, 1, 0, std::nullopt, nullptr, 0x405, L"5"},  // an empty field shows the minimum
        {5, 10, 1, 0, std::nullopt, nullptr, 0x406, L"5"},
        {0, 99999, 1, -2, std::nullopt, L"12.5", 0x405, L"12.51"},
        {0, 100, 1, 0, 7, L"abc", 0x405, L"8"},             // not a number: the stored value steps
        {0, 10, 1, 0, 20, nullptr, 0, L""},                 // outside the limits: ignored
    };
    Form form;
    for (const Case& c : cases) {
        Spin spin(form);
        ASSERT_NE(spin.edit, nullptr);
        spin.Send(0x401, 0, c.minimum);
        spin.Send(0x402, 0, c.maximum);
        spin.Send(0x403, c.adjust, c.increment);
        if (c.value) {
            EXPECT_EQ(spin.Send(0x404, 0, *c.value), *c.value >= c.minimum && *c.value <= c.maximum);
        }
        if (c.typed) SetWindowTextW(spin.window, c.typed);
        if (c.step) spin.Send(c.step);
        EXPECT_EQ(spin.Text(), c.text) << c.minimum << ".." << c.maximum << " by " << c.increment;
        DestroyWindow(spin.window);
    }
    Spin spin(form);
    spin.Send(0x404, 0, 42);
    // An increment of 0 ignores the message: the text and the step stay.
    EXPECT_EQ(spin.Send(0x403, WPARAM(-2), 0), 0);
    spin.Send(0x405);
    EXPECT_EQ(spin.Text(), L"43");
    EXPECT_EQ(zwtest::TakeHostText(HOSTSTR(spin.Send(0x407))), L"43");
    wchar_t text[8] = {};
    EXPECT_EQ(GetWindowTextW(spin.window, text, 8), 2);
    spin.Send(EM_SETREADONLY, TRUE);
    EXPECT_NE(GetWindowLongW(spin.edit, GWL_STYLE) & ES_READONLY, 0);
}

TEST(SpinField, SettingsFromTheDesignerOrTheCreationBlock) {
    Form form;
    std::vector<std::uint8_t> item(17, 0);
    const int values[4] = {0, 10, 3, 0};
    for (int i = 0; i < 16; ++i) item[i] = std::uint8_t(values[i / 4] >> (8 * (i % 4)));
    {
        zwtest::DesignerItems designer(L"ZW:cSpinField:10", {{L"ZW:SpinField", item}});
        Spin spin(form);
        spin.Send(0x405);  // empty: the minimum
        spin.Send(0x405);
        EXPECT_EQ(spin.Text(), L"3");
    }
    {
        // An item of another size is not the spin field's: the defaults stay.
        zwtest::DesignerItems designer(L"ZW:cSpinField:10", {{L"ZW:SpinField", {item.begin(), item.end() - 1}}});
        Spin spin(form);
        spin.Send(0x405);
        EXPECT_EQ(spin.Text(), L"1");
    }
    {
        // A creation block announcing 16 bytes; the field works at run time.
        std::vector<std::uint8_t> block = {16, 0};
        block.insert(block.end(), item.begin(), item.begin() + 16);
        block[2] = 4;  // minimum 4
        Spin spin(form, block.data());
        ASSERT_NE(spin.edit, nullptr);
        spin.Send(0x405);
        spin.Send(0x405);
        EXPECT_EQ(spin.Text(), L"7");
    }
    {
        // Drawn by the designer: no edit child, the edit area in the host's background.
        HWND window = form.Make(L"ZW:cSpinField:10", kDesigner, 100, 21);
        EXPECT_EQ(GetWindow(window, GW_CHILD), nullptr);
        HostTestSetWindowColor(window, 5, kBack);
        const zwtest::Pixels pixels = zwtest::PrintedPixels(window, RGB(1, 2, 3));
        EXPECT_EQ(pixels.Count(kBack, {0, 0, 100 - 14, 21}), (100 - 14) * 21);
        EXPECT_EQ(pixels.At(100 - 14 + 5, 10) == kBack, false);
        DestroyWindow(window);
    }
}

TEST(SpinField, ButtonsStepOnReleaseAndRepeatWhileHeld) {
    Form form;
    Spin spin(form);
    spin.Send(0x404, 0, 100);
    // A click: one step on release.
    spin.Mouse(WM_LBUTTONDOWN, UpButton(spin.window));
    EXPECT_EQ(GetCapture(), spin.window);
    spin.Mouse(WM_LBUTTONUP, UpButton(spin.window));
    EXPECT_EQ(spin.Text(), L"101");
    EXPECT_NE(GetCapture(), spin.window);
    // Held: nothing for 300 ms, then a step every 75 ms, one more on release.
    const DWORD start = GetTickCount();
    spin.Mouse(WM_LBUTTONDOWN, DownButton(spin.window));
    PumpFor(250);
    EXPECT_EQ(spin.Text(), L"101");
    PumpFor(650);
    const DWORD held = GetTickCount() - start;
    const int repeats = 101 - std::stoi(spin.Text());
    const int expected = int(held - 300) / 75;
    EXPECT_GE(repeats, expected - 3) << held << " ms";
    EXPECT_LE(repeats, expected + 1) << held << " ms";
    spin.Mouse(WM_LBUTTONUP, DownButton(spin.window));
    EXPECT_EQ(std::stoi(spin.Text()), 101 - repeats - 1);
    // Leaving the button ends the press: no step on release, no more repeats.
    const std::wstring before = spin.Text();
    spin.Mouse(WM_LBUTTONDOWN, UpButton(spin.window));
    spin.Mouse(WM_MOUSEMOVE, {2, 2});
    EXPECT_NE(GetCapture(), spin.window);
    PumpFor(450);
    spin.Mouse(WM_LBUTTONUP, {2, 2});
    EXPECT_EQ(spin.Text(), before);
    // A disabled form ends a held press at the next tick.
    spin.Mouse(WM_LBUTTONDOWN, UpButton(spin.window));
    EnableWindow(form.window, FALSE);
    PumpFor(450);
    EnableWindow(form.window, TRUE);
    EXPECT_NE(GetCapture(), spin.window);
    EXPECT_EQ(spin.Text(), before);
}

TEST(SpinField, KeysFocusAndTheEditedMark) {
    Form form;
    const HWND other = CreateWindowExW(0, L"EDIT", L"field", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 150, 0, 80, 20,
                                       form.window, nullptr, GetModuleHandleW(nullptr), nullptr);
    HostTestSetObjectType(other, 8);
    Spin spin(form);
    SetWindowPos(spin.window, other, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    spin.Send(0x404, 0, 5);
    SendMessageW(spin.edit, WM_KEYDOWN, VK_UP, 0);
    SendMessageW(spin.edit, WM_KEYDOWN, VK_UP, 0);
    SendMessageW(spin.edit, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(spin.Text(), L"6");
    HWND edited = nullptr;
    const int editedBefore = HostTestFieldEditedCount(nullptr);
    SetWindowTextW(spin.edit, L"9");
    EXPECT_EQ(HostTestFieldEditedCount(&edited), editedBefore + 1);
    EXPECT_EQ(edited, spin.window);

    SetForegroundWindow(zwtest::VisibleDesk());
    SetFocus(other);
    // Focus given to the field goes to its edit, text selected.
    SetFocus(spin.window);
    EXPECT_EQ(GetFocus(), spin.edit);
    DWORD from = 1, to = 0;
    SendMessageW(spin.edit, EM_GETSEL, WPARAM(&from), LPARAM(&to));
    EXPECT_EQ(from, 0u);
    EXPECT_EQ(to, 1u);
    // Back from the edit to the field itself (Shift+Tab): on to the window
    // before it, a host data field, with its whole text selected.
    SetFocus(spin.window);
    EXPECT_EQ(GetFocus(), other);
    SendMessageW(other, EM_GETSEL, WPARAM(&from), LPARAM(&to));
    EXPECT_EQ(to - from, 5u);
    // The host refuses: the focus goes back where it came from.
    HostTestSetFocusAnswer(FALSE);
    HWND asked = nullptr;
    const int askedBefore = HostTestValidateFocusCount(nullptr);
    SetFocus(spin.window);
    HostTestSetFocusAnswer(TRUE);
    EXPECT_EQ(GetFocus(), other);
    EXPECT_EQ(HostTestValidateFocusCount(&asked), askedBefore + 1);
    EXPECT_EQ(asked, spin.window);
}

TEST(Meter, SetMeterDrawsAtOnce) {
    Form form;
    const HWND meter = form.Make(L"ZW:cMeter:10", kRunTime, 200, 20);
    const HWND tall = form.Make(L"ZW:cMeter:10", kRunTime, 20, 200, 80);
    for (HWND w : {meter, tall}) {
        HostTestSetWindowColor(w, 5, kBack);
        HostTestSetWindowColor(w, 8, kFore);
    }
    // Blank after creation at run time; the designer previews 30%.
    EXPECT_EQ(zwtest::PrintedPixels(meter, RGB(1, 2, 3)).Count(RGB(1, 2, 3), {0, 0, 200, 20}), 200 * 20);
    const HWND preview = form.Make(L"ZW:cMeter:10", kDesigner, 100, 20, 10);
    EXPECT_EQ(zwtest::PrintedPixels(preview, RGB(1, 2, 3)).At(29, 1), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(zwtest::PrintedPixels(preview, RGB(1, 2, 3)).At(30, 1), GetSysColor(COLOR_WINDOW));
    DestroyWindow(preview);

    struct Case {
        HWND window;
        UINT value;
        POINT covered, uncovered;  // away from the centred text
    } cases[] = {
        {meter, 0, {-1, -1}, {2, 2}},  {meter, 25, {49, 1}, {50, 1}},  {meter, 50, {2, 2}, {197, 2}},
        {meter, 100, {197, 2}, {-1, -1}}, {tall, 25, {2, 150}, {2, 149}},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(ZelWinSetMeter(c.window, c.value), 0);
        // No message pumped: the meter has drawn itself already.
        const zwtest::Pixels shown = zwtest::ScreenPixels(c.window);
        if (c.covered.x >= 0) {
            EXPECT_EQ(shown.At(c.covered.x, c.covered.y), kFore) << c.value;
        }
        if (c.uncovered.x >= 0) {
            EXPECT_EQ(shown.At(c.uncovered.x, c.uncovered.y), kBack) << c.value;
        }
    }
    // At 100 the text is wholly inverted: the bar's colour everywhere but in
    // the centred text, which is drawn in the background colour.
    ZelWinSetMeter(meter, 100);
    const zwtest::Pixels full = zwtest::ScreenPixels(meter);
    SIZE text{};
    HDC dc = GetDC(meter);
    GetTextExtentPoint32W(dc, L"100%", 4, &text);
    ReleaseDC(meter, dc);
    const RECT box{100 - text.cx / 2, 10 - text.cy / 2, 100 - text.cx / 2 + text.cx, 10 - text.cy / 2 + text.cy};
    const RECT all{0, 0, 200, 20};
    const int boxArea = (box.right - box.left) * (box.bottom - box.top);
    EXPECT_EQ(full.Count(kFore, all) - full.Count(kFore, box), 200 * 20 - boxArea);
    EXPECT_GT(full.Count(kBack, box), 0);
    // Refused: above 100, not a meter, not a window; the meter is unchanged.
    for (UINT value : {101u, 0xFFFFFFFFu}) EXPECT_EQ(ZelWinSetMeter(meter, value), -87);
    EXPECT_EQ(ZelWinSetMeter(form.window, 5), -87);
    EXPECT_EQ(ZelWinSetMeter(reinterpret_cast<HWND>(0x12340), 5), -87);
    EXPECT_EQ(zwtest::ScreenPixels(meter), full);
}

}  // namespace
