// The calendar control through the library: layout from its own metrics,
// the mouse and the keyboard, marking, the painting of marked and special
// days and of colour roles, designer records, the drop-down mode and the
// calendar's own window class.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/win/support/calendar_harness.h"
#include "tests/win/support/designer_items.h"
#include "tests/win/support/zwtest.h"

using namespace zwtest;

namespace {

const HMODULE library = LoadLibraryW(L"zwi51.dll");
constexpr DWORD kDefaultStyle = ZW_CAL_ARROWSACTIVE | ZW_CAL_KEYBOARD | ZW_CAL_OUTSIDESELECTABLE |
                                ZW_CAL_SPECIALSELECTABLE | ZW_CAL_SHOWOUTSIDE | ZW_CAL_SHOWFOCUS;

std::string Day(int y, int m, int d) { return Text(Date(y, m, d)); }

POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// A focused form-placed calendar showing May 2009 with the 13th focused. May
// 1st 2009 is a Friday: with weeks from Sunday the month fills cells 5 to 35.
struct Calendar {
    CalendarForm form;
    void* cal = nullptr;
    HWND window = nullptr;

    explicit Calendar(int width = 300, int height = 250) {
        window = form.Place(L"ZW:cCalendar:10", width, height, &cal);
        ZelCalSetFocusDate(cal, Arg(Date(2009, 5, 13)));
        SetFocus(window);
        form.TakeNotifications(window);
    }
    std::string Focus() const { return FocusOf(cal); }
    std::vector<std::string> Marked() const {
        const HARRAY dates = HostArrayCreate(HOST_ARRAY_DATETIME);
        ZelCalGetMarked(cal, dates);
        const std::vector<std::string> texts = DateTexts(dates);
        HostArrayDestroy(dates);
        return texts;
    }
    std::vector<int> Notes() { return form.TakeNotifications(window); }
    void SetFocusDate(int y, int m, int d) {
        ZelCalSetFocusDate(cal, Arg(Date(y, m, d)));
        Notes();
    }
};

// The date of a cell while May 2009 is shown with weeks from Sunday.
std::string MayCell(int cell) { return Text(AddDays(Date(2009, 5, 1), cell - 5)); }
int MayCellOf(int day) { return 4 + day; }

}  // namespace

TEST(Calendar, LayoutFollowsItsFontAndSize) {
    ASSERT_NE(library, nullptr);
    Calendar c;
    EXPECT_EQ(SendMessageW(c.window, WM_GETDLGCODE, 0, 0), 0x81);
    const CalendarMetrics m = MeasureCalendar(c.window);
    for (int cell : {0, 5, 12, 35, 41}) {
        Click(c.window, m.CellCentre(cell));
        EXPECT_EQ(c.Focus(), MayCell(cell)) << cell;
    }
    const RECT twelve = m.Cell(12);
    Click(c.window, POINT{twelve.right, twelve.top + 2});  // the line between two cells
    EXPECT_EQ(c.Focus(), MayCell(41));

    ZelCalSetStyle(c.cal, ZW_CAL_AUTOSIZE, 1);
    RECT r{};
    GetWindowRect(c.window, &r);
    EXPECT_EQ(r.right - r.left, 7 * m.cellWidth + 8);
    EXPECT_EQ(r.bottom - r.top, 8 * m.cellHeight + 9);

    // A font given to the calendar is copied; the auto size follows it.
    LOGFONTW lf{};
    lf.lfHeight = -26;
    HFONT big = CreateFontIndirectW(&lf);
    SendMessageW(c.window, WM_SETFONT, reinterpret_cast<WPARAM>(big), 1);
    EXPECT_NE(reinterpret_cast<HFONT>(SendMessageW(c.window, WM_GETFONT, 0, 0)), big);
    DeleteObject(big);
    const CalendarMetrics bigger = MeasureCalendar(c.window);
    GetWindowRect(c.window, &r);
    EXPECT_GT(bigger.cellHeight, m.cellHeight);
    EXPECT_EQ(r.bottom - r.top, 8 * bigger.cellHeight + 9);
}

TEST(Calendar, ArrowsAndDaysOfAdjacentMonths) {
    Calendar c;
    const CalendarMetrics m = MeasureCalendar(c.window);
    const POINT previous = Centre(m.previousButton), next = Centre(m.nextButton);
    const std::vector<int> monthAndFocus{3, 1}, focusOnly{1}, none{};
    const struct { POINT at; WPARAM keys; std::string focus; std::vector<int> notes; } clicks[] = {
        {previous, 0, Day(2009, 4, 13), monthAndFocus},
        {next, 0, Day(2009, 5, 13), monthAndFocus},
        {next, MK_CONTROL, Day(2010, 5, 13), monthAndFocus},
        {previous, MK_CONTROL, Day(2009, 5, 13), monthAndFocus},
        {m.CellCentre(0), 0, Day(2009, 4, 26), focusOnly},  // the month shown stays May
        {m.CellCentre(41), 0, Day(2009, 6, 6), focusOnly},
        {m.CellCentre(MayCellOf(13)), 0, Day(2009, 5, 13), focusOnly},
    };
    for (const auto& k : clicks) {
        Click(c.window, k.at, k.keys);
        EXPECT_EQ(c.Focus(), k.focus);
        EXPECT_EQ(c.Notes(), k.notes) << k.focus;
    }
    // Adjacent days that are hidden, or shown but not selectable, take no click.
    for (DWORD off : {DWORD(ZW_CAL_SHOWOUTSIDE), DWORD(ZW_CAL_OUTSIDESELECTABLE)}) {
        ZelCalSetStyle(c.cal, off, 0);
        Click(c.window, m.CellCentre(0));
        Click(c.window, m.CellCentre(40));
        EXPECT_EQ(c.Focus(), Day(2009, 5, 13)) << off;
        EXPECT_EQ(c.Notes(), none);
        ZelCalSetStyle(c.cal, off, 1);
    }
    // Released over the grid: the selection message to the calendar itself,
    // and the notification to the form under the control's id.
    Click(c.window, m.CellCentre(20));
    MSG msg{};
    ASSERT_TRUE(PeekMessageW(&msg, c.window, 0x2006, 0x2006, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 20u);
    EXPECT_EQ(msg.lParam, 0);
    ASSERT_TRUE(PeekMessageW(&msg, c.form.Handle(), WM_COMMAND, WM_COMMAND, PM_NOREMOVE));
    EXPECT_EQ(msg.wParam, MAKEWPARAM(100, 1));
    EXPECT_EQ(msg.lParam, reinterpret_cast<LPARAM>(c.window));
    // A focus change the host refuses leaves focus, date and marks alone.
    SetFocus(c.form.Handle());
    c.Notes();
    const std::vector<std::string> marked = c.Marked();
    HostTestSetFocusAnswer(FALSE);
    Click(c.window, m.CellCentre(22));
    HostTestSetFocusAnswer(TRUE);
    EXPECT_NE(GetFocus(), c.window);
    EXPECT_EQ(c.Focus(), MayCell(20));
    EXPECT_EQ(c.Marked(), marked);
}

TEST(Calendar, HoldingAnArrowRepeatsUntilThePointerLeaves) {
    Calendar c;
    const CalendarMetrics m = MeasureCalendar(c.window);
    const POINT next = Centre(m.nextButton);
    auto hold = [&](int milliseconds) {
        for (DWORD start = GetTickCount(); GetTickCount() - start < DWORD(milliseconds); Sleep(5)) PumpMessages();
    };
    auto monthsFromMay2009 = [&] {
        ZW_HOSTVALUE v{};
        ZelCalGetFocusDate(c.cal, &v);
        const HostDate d = Host(v);
        return (HostDateYear(&d) - 2009) * 12 + HostDateMonth(&d) - 5;
    };
    SendMessageW(c.window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(next.x, next.y));
    hold(800);
    SendMessageW(c.window, WM_LBUTTONUP, 0, MAKELPARAM(next.x, next.y));
    // A repeat every 250 ms (a busy machine delivers late, never early), and
    // one step on release.
    const int stepped = monthsFromMay2009();
    EXPECT_GE(stepped, 2);
    EXPECT_LE(stepped, 5);
    // Leaving the button stops the repeats; a release away from it steps nothing.
    SendMessageW(c.window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(next.x, next.y));
    SendMessageW(c.window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(m.grid.left + 2, m.grid.top + 2));
    hold(600);
    SendMessageW(c.window, WM_LBUTTONUP, 0, MAKELPARAM(m.grid.left + 2, m.grid.top + 2));
    EXPECT_EQ(monthsFromMay2009(), stepped);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST(Calendar, KeyboardMovesTheFocus) {
    Calendar c;
    const HostDate may13 = Date(2009, 5, 13);
    const struct { HostDate start; UINT key; wchar_t ch; bool control, shift; std::string focus; } keys[] = {
        {may13, VK_LEFT, 0, false, false, Day(2009, 5, 12)},
        {may13, VK_UP, 0, false, false, Day(2009, 5, 6)},
        {may13, VK_DOWN, 0, false, false, Day(2009, 5, 20)},
        {Date(2009, 5, 1), VK_LEFT, 0, false, false, Day(2009, 4, 30)},
        {Date(2009, 6, 6), VK_RIGHT, 0, false, false, Day(2009, 6, 7)},  // leaves the grid
        {Date(2009, 1, 31), VK_PRIOR, 0, false, false, Day(2009, 2, 28)},
        {Date(2008, 1, 31), VK_PRIOR, 0, false, false, Day(2008, 2, 29)},
        {Date(2009, 3, 31), VK_NEXT, 0, false, false, Day(2009, 2, 28)},
        {Date(2009, 12, 5), VK_PRIOR, 0, false, false, Day(2010, 1, 5)},
        {may13, VK_PRIOR, 0, true, false, Day(2010, 5, 13)},
        {may13, VK_HOME, 0, false, false, Day(2009, 5, 10)},
        {may13, VK_END, 0, false, false, Day(2009, 5, 16)},
        {Date(2009, 5, 2), VK_HOME, 0, false, false, Day(2009, 4, 26)},
        {may13, VK_HOME, 0, true, false, Day(2009, 5, 1)},
        {may13, VK_END, 0, true, true, Day(2009, 12, 31)},
        {may13, 0, L'+', false, false, Day(2009, 5, 14)},
        {may13, 0, L'-', false, false, Day(2009, 5, 12)},
    };
    for (const auto& k : keys) {
        c.SetFocusDate(HostDateYear(&k.start), HostDateMonth(&k.start), HostDateDay(&k.start));
        {
            HeldKeys held(k.control, k.shift);
            if (k.key) Key(c.window, k.key);
            else Char(c.window, k.ch);
        }
        EXPECT_EQ(c.Focus(), k.focus) << Text(k.start) << " key " << k.key << " char " << int(k.ch);
    }
    HostDate now{};
    HostDateNow(&now);
    Char(c.window, L't');
    EXPECT_EQ(c.Focus(), Day(HostDateYear(&now), HostDateMonth(&now), HostDateDay(&now)));

    // With adjacent days hidden, Home stops at the 1st and Left leaves the month.
    ZelCalSetStyle(c.cal, ZW_CAL_SHOWOUTSIDE, 0);
    c.SetFocusDate(2009, 5, 2);
    Key(c.window, VK_HOME);
    EXPECT_EQ(c.Focus(), Day(2009, 5, 1));
    c.Notes();
    Key(c.window, VK_LEFT);
    EXPECT_EQ(c.Focus(), Day(2009, 4, 30));
    EXPECT_EQ(c.Notes(), (std::vector<int>{3, 1}));
    // Without the keyboard style keys do nothing.
    ZelCalSetStyle(c.cal, ZW_CAL_KEYBOARD, 0);
    Key(c.window, VK_RIGHT);
    EXPECT_EQ(c.Focus(), Day(2009, 4, 30));
}

TEST(Calendar, MarkingInSingleAndMultipleSelection) {
    Calendar c;
    const CalendarMetrics m = MeasureCalendar(c.window);
    using Texts = std::vector<std::string>;
    // Single selection: the one mark follows the focus.
    for (UINT key : {VK_RIGHT, VK_DOWN, VK_PRIOR, VK_HOME}) {
        Key(c.window, key);
        EXPECT_EQ(c.Marked(), Texts{c.Focus()}) << key;
    }
    c.SetFocusDate(2009, 5, 13);
    Click(c.window, m.CellCentre(0));
    EXPECT_EQ(c.Marked(), Texts{Day(2009, 4, 26)});

    ZelCalSetStyle(c.cal, ZW_CAL_MULTISELECT, 1);
    c.SetFocusDate(2009, 5, 13);
    const struct { UINT key; bool control, shift; Texts marked; } keys[] = {
        {VK_SPACE, false, false, {Day(2009, 5, 13)}},  // the old mark goes
        {VK_RIGHT, false, false, {Day(2009, 5, 13)}},
        {VK_SPACE, true, false, {Day(2009, 5, 13), Day(2009, 5, 14)}},
        {VK_RIGHT, false, false, {Day(2009, 5, 13), Day(2009, 5, 14)}},
        {VK_RIGHT, false, false, {Day(2009, 5, 13), Day(2009, 5, 14)}},
        {VK_SPACE, true, true, {Day(2009, 5, 13), Day(2009, 5, 14), Day(2009, 5, 15), Day(2009, 5, 16)}},
        {VK_SPACE, true, false, {Day(2009, 5, 13), Day(2009, 5, 14), Day(2009, 5, 15)}},
        {VK_DELETE, false, false, {}},
        {VK_INSERT, false, false, {Day(2009, 5, 16)}},
        {VK_LEFT, false, false, {Day(2009, 5, 16)}},
        {VK_LEFT, false, false, {Day(2009, 5, 16)}},
        {VK_INSERT, false, true, {Day(2009, 5, 14), Day(2009, 5, 15), Day(2009, 5, 16)}},
        {VK_DELETE, true, false, {Day(2009, 5, 15), Day(2009, 5, 16)}},
    };
    for (const auto& k : keys) {
        {
            HeldKeys held(k.control, k.shift);
            Key(c.window, k.key);
        }
        EXPECT_EQ(c.Marked(), k.marked) << k.key << " at " << c.Focus();
    }
    // Clicks: Shift extends from the last click without it, Control adds.
    Click(c.window, m.CellCentre(MayCellOf(20)));
    Click(c.window, m.CellCentre(MayCellOf(22)), MK_SHIFT);
    EXPECT_EQ(c.Marked(), (Texts{Day(2009, 5, 20), Day(2009, 5, 21), Day(2009, 5, 22)}));
    Click(c.window, m.CellCentre(MayCellOf(27)), MK_CONTROL);
    EXPECT_EQ(c.Marked(), (Texts{Day(2009, 5, 20), Day(2009, 5, 21), Day(2009, 5, 22), Day(2009, 5, 27)}));
    // Days of other months that cannot be selected are left out of a range.
    ZelCalSetStyle(c.cal, ZW_CAL_OUTSIDESELECTABLE, 0);
    Click(c.window, m.CellCentre(MayCellOf(30)));
    for (int i = 0; i < 3; ++i) Key(c.window, VK_RIGHT);  // to 2 June, shown in May's grid
    {
        HeldKeys shift(false, true);
        Key(c.window, VK_SPACE);
    }
    EXPECT_EQ(c.Marked(), (Texts{Day(2009, 5, 30), Day(2009, 5, 31)}));
    EXPECT_EQ(c.Focus(), Day(2009, 6, 2));

    // Back to single selection: only the focus date stays marked.
    ZelCalSetStyle(c.cal, ZW_CAL_OUTSIDESELECTABLE, 1);
    EXPECT_TRUE(ZelCalSetStyle(c.cal, ZW_CAL_MULTISELECT, 0) & ZW_CAL_MULTISELECT);
    EXPECT_EQ(c.Marked(), Texts{Day(2009, 6, 2)});
}

TEST(Calendar, SpecialRulesColourTheirDays) {
    Calendar c;
    ZelCalSetStyle(c.cal, ZW_CAL_MULTISELECT, 1);
    ZelCalClearMarked(c.cal);
    const COLORREF weekly = RGB(200, 0, 0), exact = RGB(0, 200, 0), monthly = RGB(0, 0, 200),
                   nthWeekday = RGB(200, 200, 0), annual = RGB(0, 200, 200), annualNth = RGB(200, 0, 200);
    const ZW_HOSTVALUE any = Arg(Date(2000, 1, 1));
    ASSERT_EQ(ZelCalSpecialDate(c.cal, 2, any, 1, 0, 0, weekly, 1), 1);                    // Sundays
    ASSERT_EQ(ZelCalSpecialDate(c.cal, 1, Arg(Date(2009, 5, 17)), 0, 0, 0, exact, 1), 1);  // one Sunday
    ASSERT_EQ(ZelCalSpecialDate(c.cal, 3, Arg(Date(2000, 1, 20)), 0, 0, 0, monthly, 1), 1);
    ASSERT_EQ(ZelCalSpecialDate(c.cal, 4, any, 6, 2, 0, nthWeekday, 1), 1);               // second Friday
    ASSERT_EQ(ZelCalSpecialDate(c.cal, 5, Arg(Date(2000, 5, 25)), 0, 0, 0, annual, 1), 1);
    ASSERT_EQ(ZelCalSpecialDate(c.cal, 6, Arg(Date(2000, 5, 1)), 6, 5, 0, annualNth, 1), 1);  // fifth Friday of May
    const CalendarMetrics m = MeasureCalendar(c.window);
    {
        Snapshot hidden(c.window);  // rules colour nothing until special dates are shown
        for (int day : {3, 17, 20, 8, 25, 29})
            EXPECT_EQ(hidden.CellBackground(m, MayCellOf(day)), ZelCalGetColor(c.cal, 1)) << day;
    }
    ZelCalSetStyle(c.cal, ZW_CAL_SHOWSPECIAL, 1);
    Snapshot s(c.window);
    const COLORREF plain = ZelCalGetColor(c.cal, 1);
    const struct { int cell; COLORREF background; } cells[] = {
        {MayCellOf(3), weekly}, {MayCellOf(10), weekly}, {MayCellOf(31), weekly}, {MayCellOf(17), exact},
        {MayCellOf(20), monthly}, {MayCellOf(8), nthWeekday}, {MayCellOf(15), plain}, {MayCellOf(25), annual},
        {MayCellOf(29), annualNth}, {MayCellOf(22), plain}, {MayCellOf(14), plain},
        {0, ZelCalGetColor(c.cal, 2)},  // a shown adjacent-month Sunday keeps its own colours
    };
    for (const auto& cell : cells) EXPECT_EQ(s.CellBackground(m, cell.cell), cell.background) << cell.cell;

    // Rule days that are not selectable take no mark.
    ZelCalSetStyle(c.cal, ZW_CAL_SPECIALSELECTABLE, 0);
    Click(c.window, m.CellCentre(MayCellOf(17)));
    Click(c.window, m.CellCentre(MayCellOf(18)), MK_CONTROL);
    EXPECT_EQ(c.Focus(), Day(2009, 5, 18));
    EXPECT_EQ(ZelCalIsDateMarked(c.cal, Arg(Date(2009, 5, 17))), 0);
    EXPECT_EQ(ZelCalIsDateMarked(c.cal, Arg(Date(2009, 5, 18))), 1);
}

TEST(Calendar, ColourRolesInPainting) {
    Calendar c;
    const CalendarMetrics m = MeasureCalendar(c.window);
    c.form.SetListColours(RGB(250, 240, 200), RGB(90, 0, 0));
    ZelCalSetColor(c.cal, 1, RGB(9, 9, 9));
    ZelCalSetColor(c.cal, 4, RGB(0, 0, 180));
    ZelCalSetColor(c.cal, 8, RGB(0, 120, 0));
    {
        Snapshot s(c.window);
        // Roles 0, 1 and 9 follow the owner's list-box colours at each paint.
        EXPECT_EQ(s.CellBackground(m, MayCellOf(14)), RGB(250, 240, 200));
        EXPECT_EQ(ZelCalGetColor(c.cal, 1), RGB(250, 240, 200));
        EXPECT_EQ(ZelCalGetColor(c.cal, 2), RGB(250, 240, 200)) << "role 2 inherits role 1";
        EXPECT_EQ(ZelCalGetColor(c.cal, 9), RGB(90, 0, 0));
        EXPECT_GT(s.Count(m.Cell(MayCellOf(14)), RGB(90, 0, 0)), 0) << "day number in role 9";
        EXPECT_EQ(s.CellBackground(m, MayCellOf(13)), RGB(0, 0, 180)) << "the marked focus date";
        EXPECT_EQ(s.Pixel(Centre(m.nextButton).x, Centre(m.nextButton).y), RGB(0, 120, 0));
    }
    ZelCalSetColor(c.cal, 12, RGB(128, 1, 1));
    ZelCalSetStyle(c.cal, ZW_CAL_ARROWSACTIVE, 0);
    Snapshot inactive(c.window);
    EXPECT_EQ(inactive.Pixel(Centre(m.previousButton).x, Centre(m.previousButton).y), RGB(128, 1, 1));
    ZelCalSetStyle(c.cal, ZW_CAL_ARROWSACTIVE | ZW_CAL_3D, 1);
    Snapshot look3D(c.window);
    EXPECT_EQ(look3D.CellBackground(m, MayCellOf(14)), GetSysColor(COLOR_BTNFACE));
}

namespace {

// A calendar designer item: the generic part (version, then six flags) and
// the calendar part (version, six flags, use-initial-date, date text and,
// from version 2, vertical arrows).
std::vector<std::uint8_t> Item(std::uint32_t genericVersion, std::vector<std::uint8_t> genericFlags,
                               std::uint32_t version, std::vector<std::uint8_t> flags = {},
                               std::uint32_t useDate = 0, const std::wstring& date = L"", int vertical = -1) {
    std::vector<std::uint8_t> b;
    auto u32 = [&](std::uint32_t v) { for (int i = 0; i < 4; ++i) b.push_back(std::uint8_t(v >> (8 * i))); };
    u32(genericVersion);
    b.insert(b.end(), genericFlags.begin(), genericFlags.end());
    u32(version);
    if (version == 0) return b;
    b.insert(b.end(), flags.begin(), flags.end());
    u32(useDate);
    b.insert(b.end(), {0xFF, 0xFE, 0xFF, std::uint8_t(date.size())});
    for (wchar_t ch : date) b.insert(b.end(), {std::uint8_t(ch), std::uint8_t(ch >> 8)});
    if (vertical >= 0) b.push_back(std::uint8_t(vertical));
    return b;
}

}  // namespace

TEST(Calendar, DesignerRecordsOfEveryVersion) {
    HostDate now{};
    HostDateNow(&now);
    const std::string today = Day(HostDateYear(&now), HostDateMonth(&now), HostDateDay(&now));
    const std::uint8_t withData[8] = {0, 0, 0, 0, 1, 0, 0, 0};
    const std::vector<std::uint8_t> generic{1, 0, 0, 1, 1, 1};  // auto size, arrows off, dropdown off, keyboard, multi, focus
    const DWORD genericStyle = ZW_CAL_KEYBOARD | ZW_CAL_MULTISELECT | ZW_CAL_SHOWFOCUS;
    const std::vector<std::uint8_t> calendarFlags{1, 0, 1, 1, 1, 1};  // 3D, !outside sel., special sel., show, inset, show special
    const DWORD calendarStyle = ZW_CAL_3D | ZW_CAL_SPECIALSELECTABLE | ZW_CAL_SHOWOUTSIDE | ZW_CAL_INSETFOCUS |
                                ZW_CAL_SHOWSPECIAL;
    const struct { std::vector<std::uint8_t> item; const void* record; DWORD style; std::string focus; } cases[] = {
        {Item(0, {}, 0), withData, kDefaultStyle, today},
        {Item(1, generic, 0), withData,
         genericStyle | ZW_CAL_AUTOSIZE | ZW_CAL_OUTSIDESELECTABLE | ZW_CAL_SPECIALSELECTABLE | ZW_CAL_SHOWOUTSIDE,
         today},
        {Item(1, generic, 1, calendarFlags, 1, L"2009-05-13"), withData,
         genericStyle | ZW_CAL_AUTOSIZE | calendarStyle, Day(2009, 5, 13)},
        {Item(1, generic, 2, calendarFlags, 1, L"1999-12-31", 1), withData,
         genericStyle | ZW_CAL_AUTOSIZE | calendarStyle | ZW_CAL_VERTICALARROWS, Day(1999, 12, 31)},
        {Item(1, generic, 2, calendarFlags, 1, L"no date", 0), withData, genericStyle | ZW_CAL_AUTOSIZE | calendarStyle,
         today},
        {Item(1, generic, 2, calendarFlags, 1, L"1999-12-31"), withData, kDefaultStyle, today},  // truncated
        {Item(1, generic, 2, calendarFlags, 1, L"1999-12-31", 1), nullptr, kDefaultStyle, today},  // no designer data
    };
    for (const auto& k : cases) {
        CalendarForm form;
        DesignerItems items(L"ZW:cCalendar:10", {{L"ZW:Calendar", k.item}});
        void* cal = nullptr;
        HWND window = form.Place(L"ZW:cCalendar:10", 250, 200, &cal, k.record);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(ZelCalGetStyle(cal), k.style) << k.item.size();
        EXPECT_EQ(FocusOf(cal), k.focus) << k.item.size();
        if (k.style & ZW_CAL_AUTOSIZE) {
            const CalendarMetrics m = MeasureCalendar(window);
            RECT r{};
            GetWindowRect(window, &r);
            EXPECT_EQ(r.right - r.left, 7 * m.cellWidth + 8);
        }
        EXPECT_TRUE(form.TakeNotifications(window).empty()) << "creation notifies nobody";
    }
}

TEST(Calendar, DropDownModeAsksToBeClosed) {
    Calendar c;
    const CalendarMetrics m = MeasureCalendar(c.window);
    const std::vector<int> closeUp{8};
    Key(c.window, VK_ESCAPE);
    EXPECT_TRUE(c.Notes().empty()) << "only in drop-down mode";
    ZelCalSetStyle(c.cal, ZW_CAL_DROPDOWN, 1);
    Key(c.window, VK_ESCAPE);
    EXPECT_EQ(c.Notes(), closeUp);
    Key(c.window, VK_RETURN);
    EXPECT_EQ(c.Notes(), closeUp);
    SendMessageW(c.window, WM_SYSKEYDOWN, VK_UP, 1 | (1 << 29));
    EXPECT_EQ(c.Notes(), closeUp);
    Click(c.window, POINT{-5, -5});
    EXPECT_EQ(c.Notes(), closeUp);
    Click(c.window, m.CellCentre(MayCellOf(20)));
    EXPECT_EQ(c.Notes(), (std::vector<int>{1, 8}));
    EXPECT_EQ(GetCapture(), nullptr) << "no capture of its own";
    SetFocus(c.form.Handle());
    EXPECT_EQ(c.Notes(), (std::vector<int>{8, 2}));
    EXPECT_FALSE(GetWindowLongW(c.window, GWL_STYLE) & WS_VISIBLE) << "hidden";
}

TEST(Calendar, ItsOwnClassMakesAPopupCalendar) {
    CalendarForm form;
    void* cal = nullptr;
    HWND popup = form.Place(L"ZW:Calendar:10", 220, 180, &cal, nullptr, WS_POPUP | WS_BORDER);
    ASSERT_NE(popup, nullptr);
    ASSERT_NE(cal, nullptr);
    EXPECT_EQ(GetClassLongW(popup, GCL_STYLE), 0x6880);
    EXPECT_EQ(ZelCalGetStyle(cal), kDefaultStyle);
    ASSERT_EQ(ZelCalSetFocusDate(cal, Arg(Date(2001, 2, 3))), 1);
    EXPECT_EQ(form.TakeNotifications(popup), (std::vector<int>{3, 1})) << "to the owner";
    DestroyWindow(popup);
    EXPECT_EQ(ZelCalGetStyle(cal), 0u) << "gone with its window";
}
