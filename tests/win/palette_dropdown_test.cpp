// The palette drop-down through the library: its parts and defaults, the
// colour field's text protocol and drawing, the exports with their failure
// values, dropping the palette down and closing it by button, keys, clicks
// and focus loss, colours flowing from the palette to the field, "Other
// Color...", the host's refusal and field-edited marks, designer records and
// the popup's place near the screen's bottom.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "tests/win/support/calendar_harness.h"
#include "tests/win/support/designer_items.h"
#include "tests/win/support/dropdown_field.h"
#include "tests/win/support/window_pixels.h"
#include "tests/win/support/zwtest.h"

using namespace zwtest;

namespace {

const HMODULE library = LoadLibraryW(L"zwi51.dll");
const std::uint8_t kWithDesignerData[8] = {0, 0, 0, 0, 1, 0, 0, 0};
constexpr int kRedEdit = 706, kGreenEdit = 707, kBlueEdit = 708;  // the colour dialog's RGB fields
constexpr COLORREF kRed = 0x0000FF, kGreen = 0x00FF00;

// A palette drop-down, 60 x 22, on a form of its own.
struct PalDrop : DropDownField {
    void* palette = nullptr;
    HWND field = nullptr;

    explicit PalDrop(const void* creationRecord = nullptr) {
        if (!Place(L"ZW:cComboPal:10", 60, 22, creationRecord, L"ZW:ColorPalette:10")) return;
        field = FindWindowExW(window, nullptr, L"ZW:EditColor:10", nullptr);
        palette = ZelPalCmbPaletteGet(dd);
        SetFocus(form.Handle());
        Notes();
    }
    std::vector<int> Notes() { return form.TakeNotifications(window); }
    // The field's colour, read back from its text.
    long Colour() const {
        const std::wstring text = WindowText(window);
        return text.empty() ? -1 : std::stol(text);
    }
};

}  // namespace

TEST(PaletteDropDown, PartsDefaultsAndTheColourText) {
    ASSERT_NE(library, nullptr);
    CalendarForm form;
    void* dd = nullptr;
    HWND window = form.Place(L"ZW:cComboPal:10", 60, 22, &dd);
    ASSERT_NE(window, nullptr);
    HWND field = FindWindowExW(window, nullptr, L"ZW:EditColor:10", nullptr);
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(GetClassLongW(window, GCL_STYLE), 0x6888u);
    EXPECT_EQ(GetClassLongW(field, GCL_STYLE), 0x6088u);
    EXPECT_EQ(DWORD(GetWindowLongW(field, GWL_STYLE)), 0x50010080u);
    // Black until the palette's first colour, red, arrives through the field's queue.
    EXPECT_EQ(WindowText(window), L"0");
    PumpMessages();
    EXPECT_EQ(WindowText(window), L"255");
    EXPECT_TRUE(form.TakeNotifications(window).empty()) << "creation notifies nobody";
    EXPECT_EQ(ZelPalCmbStyleGet(dd), DWORD(ZW_PAL_STYLE_AUTOSIZE | ZW_PAL_STYLE_DROPDOWN | ZW_PAL_STYLE_OTHERCOLOR));
    void* palette = ZelPalCmbPaletteGet(dd);
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(ZelPalColorPaletteGet(palette, 0, 1), LONG(kGreen));
    EXPECT_EQ(ZelPalCmbStyleSet(dd, ZW_PAL_STYLE_SHOWSELECTION, 1), 7u);
    EXPECT_EQ(ZelPalStyleGet(palette), 15u);

    // The text protocol: decimal numbers up to 0xFFFFFF, taken after the queue.
    const struct {
        const wchar_t* text;
        BOOL taken;
        std::wstring shown;
    } texts[] = {
        {L"65280", TRUE, L"65280"}, {L"16777216", FALSE, L"65280"}, {L"16777215", TRUE, L"16777215"},
        {L"abc", FALSE, L"16777215"}, {L" 42 ", TRUE, L"42"}, {L"99999999999", FALSE, L"42"},
    };
    for (const auto& t : texts) {
        EXPECT_EQ(SendMessageW(window, WM_SETTEXT, 0, LPARAM(t.text)), t.taken) << t.text;
        PumpMessages();
        EXPECT_EQ(WindowText(window), t.shown) << t.text;
    }
    EXPECT_EQ(SendMessageW(field, WM_SETTEXT, 0, 0), 0) << "a null text";
    SetWindowTextW(window, L"255");
    PumpMessages();
    EXPECT_EQ(GetWindowTextLengthW(window), 3);
    WCHAR cut[3] = {L'x', L'x', L'x'};
    EXPECT_EQ(SendMessageW(window, WM_GETTEXT, 2, LPARAM(cut)), 2) << "the smaller of buffer and text";
    EXPECT_STREQ(cut, L"2");
    // The colour message: the previous colour, or -1 for a negative one.
    EXPECT_EQ(SendMessageW(field, 0x6005, 0, LPARAM(kGreen)), LRESULT(kRed));
    EXPECT_EQ(SendMessageW(field, 0x6005, 0, -1), -1);
    EXPECT_EQ(WindowText(window), L"65280");

    // The field draws its colour inside a one-pixel margin of the parent's edit background.
    const Pixels pixels = PrintedPixels(field, RGB(1, 2, 3));
    EXPECT_EQ(pixels.At(pixels.Width() / 2, pixels.Height() / 2), kGreen);
    EXPECT_EQ(pixels.At(0, 0), GetSysColor(COLOR_WINDOW));
    DestroyWindow(window);
    EXPECT_EQ(ZelPalCmbPaletteGet(dd), nullptr);
}

TEST(PaletteDropDown, ExportsFailOnBadInstances) {
    const struct {
        const wchar_t* context;
        const wchar_t* text;
        std::function<long(void*)> call;
    } exports[] = {
        {L"ZelPalCmbPaletteGet()", L" - Unable to retrieve child Color Palette pointer.", [](void* d) { return long(reinterpret_cast<intptr_t>(ZelPalCmbPaletteGet(d))); }},
        {L"ZelPalCmbStyleGet()", L" - Unable to retrieve style bits.", [](void* d) { return long(ZelPalCmbStyleGet(d)); }},
        {L"ZelPalCmbStyleSet()", L" - Unable to assign style bits.", [](void* d) { return long(ZelPalCmbStyleSet(d, 8, 1)); }},
    };
    CalendarForm form;
    void* plainPalette = nullptr;
    form.Place(L"ZW:cPalette:10", 120, 90, &plainPalette);
    int garbage[16] = {};
    for (void* bad : {plainPalette, static_cast<void*>(garbage)}) {
        for (const auto& e : exports) {
            DebugCapture debug;
            DialogWatcher watcher;
            EXPECT_EQ(e.call(bad), 0) << e.context;
            EXPECT_TRUE(watcher.Seen().empty()) << e.context;
            EXPECT_EQ(debug.Lines(), std::vector<std::wstring>{std::wstring(e.context) + e.text + L"\n"}) << e.context;
        }
    }
    DialogWatcher watcher;
    EXPECT_EQ(ZelPalCmbPaletteGet(nullptr), nullptr);
    ASSERT_EQ(watcher.Seen().size(), 1u);
    EXPECT_EQ(watcher.Seen()[0].helpContext, 48u);
    EXPECT_NE(watcher.Seen()[0].text.find(L"'ZelPalCmbPaletteGet()'"), std::wstring::npos);
}

TEST(PaletteDropDown, OpensClosesAndColoursTheField) {
    PalDrop p;
    ASSERT_NE(p.window, nullptr);
    ASSERT_NE(p.popup, nullptr);
    const std::vector<int> opened{7}, closed{8};
    struct Way {
        const char* name;
        std::function<void()> open, close;
        std::vector<int> closing;
        long colour;  // the field's colour after closing
    };
    const Way ways[] = {
        // Right moves the focus from red to green, which the field shows at once.
        {"button, Right, Escape", [&] { p.Press(); },
         [&] { Key(p.popup, VK_RIGHT); Key(p.popup, VK_ESCAPE); }, {1, 8}, long(kGreen)},
        {"Alt+Down, Alt+Up", [&] { SendMessageW(p.field, WM_SYSKEYDOWN, VK_DOWN, 1 << 29); },
         [&] { SendMessageW(p.popup, WM_SYSKEYDOWN, VK_UP, 1 << 29); }, closed, long(kGreen)},
        // A click on the first swatch (inside the 3-pixel margin) chooses red.
        {"F4, click on red", [&] { Key(p.field, VK_F4); }, [&] { Click(p.popup, POINT{6, 6}); }, {1, 8}, long(kRed)},
        {"button, focus loss", [&] { p.Press(); }, [&] { SetFocus(p.form.Handle()); }, closed, long(kRed)},
    };
    for (const Way& w : ways) {
        SetFocus(p.field);
        p.Notes();
        const int edited = HostTestFieldEditedCount(nullptr);
        w.open();
        EXPECT_EQ(p.Notes(), opened) << w.name;
        ASSERT_TRUE(p.Open()) << w.name;
        EXPECT_EQ(GetFocus(), p.popup) << w.name;
        RECT client{};
        GetClientRect(p.window, &client);
        MapWindowPoints(p.window, nullptr, reinterpret_cast<POINT*>(&client), 2);
        const RECT popup = WindowRect(p.popup);
        EXPECT_EQ(popup.top, client.bottom - 1) << w.name;
        EXPECT_EQ(popup.left, client.left) << w.name;
        w.close();
        EXPECT_EQ(p.Notes(), w.closing) << w.name;
        EXPECT_FALSE(p.Open()) << w.name;
        EXPECT_EQ(p.Colour(), w.colour) << w.name;
        EXPECT_EQ(HostTestFieldEditedCount(nullptr) - edited, w.closing.front() == 1 ? 1 : 0) << w.name;
        EXPECT_EQ(GetFocus(), w.name == ways[3].name ? p.form.Handle() : p.field) << w.name;
    }
}

TEST(PaletteDropDown, OtherColorPutsTheChosenColourIntoTheField) {
    PalDrop p;
    ASSERT_NE(p.window, nullptr);
    p.Press();
    p.Notes();
    ASSERT_TRUE(p.Open());
    const COLORREF chosen = RGB(10, 20, 30);
    DialogWatcher watcher([&](const SeenDialog& seen) {
        SetDlgItemInt(seen.window, kRedEdit, GetRValue(chosen), FALSE);
        SetDlgItemInt(seen.window, kGreenEdit, GetGValue(chosen), FALSE);
        SetDlgItemInt(seen.window, kBlueEdit, GetBValue(chosen), FALSE);
        return IDOK;
    });
    ZelPalFocusSet(p.palette, 1, 0);
    Key(p.popup, VK_SPACE);
    // The dialog took the focus, which closed the palette; the new recent
    // colour then reached the field.
    EXPECT_EQ(p.Notes(), (std::vector<int>{8, 1}));
    EXPECT_EQ(watcher.Seen().size(), 1u);
    EXPECT_FALSE(p.Open());
    EXPECT_EQ(p.Colour(), long(chosen));
    int area = -1, index = -1;
    ZelPalFocusGet(p.palette, &area, &index);
    EXPECT_EQ(area * 100 + index, 200) << "on the new recent colour";
}

TEST(PaletteDropDown, TheHostsRefusalKeepsItClosed) {
    PalDrop p;
    ASSERT_NE(p.window, nullptr);
    SetFocus(p.form.Handle());
    HostTestSetFocusAnswer(FALSE);
    p.Press();
    EXPECT_TRUE(p.Notes().empty());
    HostTestSetFocusAnswer(TRUE);
    EXPECT_FALSE(p.Open());
    EXPECT_EQ(GetFocus(), p.form.Handle());
    HWND asked = nullptr;
    HostTestValidateFocusCount(&asked);
    EXPECT_EQ(asked, p.window) << "the drop-down asked last";
}

TEST(PaletteDropDown, DesignerRecordAndThePlaceNearTheScreensBottom) {
    // Two colours, no lines, then auto size, drop-down, no "Other Color...", 3 recent.
    std::vector<std::uint8_t> b;
    auto u8 = [&](unsigned v) { b.push_back(std::uint8_t(v)); };
    auto u16 = [&](unsigned v) { u8(v & 0xFF); u8(v >> 8); };
    auto u32 = [&](unsigned v) { u16(v & 0xFFFF); u16(v >> 16); };
    u16(2); u16(0xFFFF); u16(1); u16(13);
    for (const char* c = "SPaletteColor"; *c; ++c) u8(*c);
    u32(1); u32(0x112233); u16(0x8001); u32(1); u32(0x445566);
    u16(0);
    u32(1); u8(1); u8(1); u8(0); u8(0); u32(3);
    DesignerItems items(L"ZW:cComboPal:10", {{L"ZW:ColorPaletteCombo", b}});
    PalDrop p(kWithDesignerData);
    ASSERT_NE(p.window, nullptr);
    EXPECT_EQ(p.Colour(), 0x112233);
    EXPECT_EQ(ZelPalCmbStyleGet(p.dd), DWORD(ZW_PAL_STYLE_AUTOSIZE | ZW_PAL_STYLE_DROPDOWN));
    EXPECT_EQ(ZelPalMRUMaxGet(p.palette), 3);
    // Near the screen's bottom the palette opens above the field.
    SetWindowPos(p.form.Handle(), nullptr, 10, GetSystemMetrics(SM_CYSCREEN) - 50, 200, 40,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    p.Press();
    p.Notes();
    ASSERT_TRUE(p.Open());
    RECT client{};
    GetClientRect(p.window, &client);
    MapWindowPoints(p.window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    EXPECT_EQ(WindowRect(p.popup).bottom, client.top - 1);
    Key(p.popup, VK_ESCAPE);
    p.Notes();
}
