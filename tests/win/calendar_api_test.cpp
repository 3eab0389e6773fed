// The ZelCal functions: each one's failure value and report for a null
// instance (message 48 under its own name) and for one that is no calendar;
// marked dates and special-date rules as applications see them; focus date,
// colours, styles, names and the first day of the week.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "tests/win/support/calendar_harness.h"
#include "tests/win/support/zwtest.h"

using namespace zwtest;

namespace {

const HMODULE library = LoadLibraryW(L"zwi51.dll");

struct Calendar {
    CalendarForm form;
    void* cal = nullptr;
    HWND window = nullptr;
    Calendar() { window = form.Place(L"ZW:cCalendar:10", 280, 240, &cal); }
};

HARRAY Array(int type) { return HostArrayCreate(type); }

HARRAY Names(const std::vector<std::wstring>& names) {
    const HARRAY array = Array(HOST_ARRAY_STRING);
    for (size_t i = 0; i < names.size(); ++i) {
        const HOSTSTR text = HostTestNewString(names[i].c_str());
        HostArrayPutString(array, text, LONG(i));
        HostTestFreeString(text);
    }
    return array;
}

const std::vector<std::wstring> kMonths = {L"January", L"February", L"March",     L"April",   L"May",      L"June",
                                           L"July",    L"August",   L"September", L"October", L"November", L"December"};
const std::vector<std::wstring> kWeekdays = {L"Sunday",   L"Monday", L"Tuesday", L"Wednesday",
                                             L"Thursday", L"Friday", L"Saturday"};

}  // namespace

TEST(CalendarApi, NullAndForeignInstances) {
    ASSERT_NE(library, nullptr);
    const ZW_HOSTVALUE date = Arg(Date(2009, 5, 1));
    const HARRAY dates = Array(HOST_ARRAY_DATETIME), numbers = Array(HOST_ARRAY_NUMBER);
    const HARRAY strings = Names(kMonths);
    ZW_HOSTVALUE out{};
    using Call = std::function<long(void*)>;
    const struct { const wchar_t* context; long failure; const wchar_t* text; Call call; } exports[] = {
        {L"ZelCalClearMarked()", 0, L" - Unable to clear selected dates.", [](void* c) { return long(ZelCalClearMarked(c)); }},
        {L"ZelCalClearSpecial()", 0, L" - Unable to clear special dates.", [](void* c) { return long(ZelCalClearSpecials(c)); }},
        {L"ZelCalGetColor()", -1, L" - Unable to retrieve color for specified role.", [](void* c) { return long(ZelCalGetColor(c, 1)); }},
        {L"ZelCalSetColor()", -1, L" - Unable to assign color to specified role.", [](void* c) { return long(ZelCalSetColor(c, 1, 0)); }},
        {L"ZelCalGetFocusDate()", 0, L" - Unable to retrieve current datetime.", [&](void* c) { return long(ZelCalGetFocusDate(c, &out)); }},
        {L"ZelCalSetFocusDate()", 0, L" - Unable to assign new focus by date.", [&](void* c) { return long(ZelCalSetFocusDate(c, date)); }},
        {L"ZelCalGetMarked()", -1, L" - Unable to retrieve marked dates.", [&](void* c) { return long(ZelCalGetMarked(c, dates)); }},
        {L"ZelCalIsDateMarked()", 0, L" - Unable to determine if specified date is marked.", [&](void* c) { return long(ZelCalIsDateMarked(c, date)); }},
        {L"ZelCalMarkDate()", 0, L" - Unable to add/remove date from selection list.", [&](void* c) { return long(ZelCalMarkDate(c, date, 1)); }},
        {L"ZelCalMarkDates()", -1, L" - Unable to add/remove multiple dates from selection list.", [&](void* c) { return long(ZelCalMarkDates(c, dates, 1)); }},
        {L"ZelCalSpecialDate()", 0, L" - Unable to add/remove date from special rule list.", [&](void* c) { return long(ZelCalSpecialDate(c, 1, date, 0, 0, 0, 0, 1)); }},
        {L"ZelCalIsDateSpecial()", 0, L" - Unable to determine if specified date is special.", [&](void* c) { return long(ZelCalIsDateSpecial(c, 1, date, 0, 0)); }},
        {L"ZelCalGetSpecials()", -1, L" - Unable to retrieve special weekdays.", [&](void* c) { return long(ZelCalGetSpecials(c, numbers, dates, numbers, numbers)); }},
        {L"ZelCalGetStyle()", 0, L" - Unable to retrieve style bits.", [](void* c) { return long(ZelCalGetStyle(c)); }},
        {L"ZelCalSetStyle()", 0, L" - Unable to update style bits.", [](void* c) { return long(ZelCalSetStyle(c, ZW_CAL_3D, 1)); }},
        {L"ZelCalSetMonths()", 0, L" - Unable to assign text for month names.", [&](void* c) { return long(ZelCalSetMonths(c, strings)); }},
        {L"ZelCalSetWeekDays()", 0, L" - Unable to assign text for weekday names.", [&](void* c) { return long(ZelCalSetWeekDays(c, strings)); }},
        {L"ZelCalWeekStartSet()", -1, L" - Unable to set the starting weekday.", [](void* c) { return long(ZelCalWeekStartSet(c, 2)); }},
        {L"ZelCalWeekStartGet()", -1, nullptr, [](void* c) { return long(ZelCalWeekStartGet(c)); }},
    };
    // A pointer to something that is no calendar: the failure value and one
    // debug line under the function's own name.
    int garbage[16] = {};
    for (const auto& e : exports) {
        DebugCapture debug;
        DialogWatcher watcher;
        EXPECT_EQ(e.call(garbage), e.failure) << e.context;
        EXPECT_TRUE(watcher.Seen().empty()) << e.context;
        const std::vector<std::wstring> expected =
            e.text ? std::vector<std::wstring>{std::wstring(e.context) + e.text + L"\n"} : std::vector<std::wstring>{};
        EXPECT_EQ(debug.Lines(), expected) << e.context;
    }
    // A null instance: message 48 naming the function, then the same failure.
    // (Two of them: each message box costs seconds under Wine.)
    for (int i : {1, 18}) {
        const auto& e = exports[i];
        DebugCapture debug;
        DialogWatcher watcher;
        EXPECT_EQ(e.call(nullptr), e.failure) << e.context;
        ASSERT_EQ(watcher.Seen().size(), 1u) << e.context;
        EXPECT_EQ(watcher.Seen()[0].text.rfind(L"Function '" + std::wstring(e.context) + L"' unable to act", 0), 0u)
            << e.context;
        EXPECT_EQ(watcher.Seen()[0].helpContext, 48u);
        EXPECT_EQ(debug.Lines().size(), e.text ? 1u : 0u) << e.context;
    }
    for (HARRAY a : {dates, numbers, strings}) HostArrayDestroy(a);
}

TEST(CalendarApi, MarkedDatesAsGivenTimeIncluded) {
    Calendar c;
    using Texts = std::vector<std::string>;
    ZelCalSetStyle(c.cal, ZW_CAL_MULTISELECT, 1);
    EXPECT_EQ(ZelCalClearMarked(c.cal), 1);
    const HARRAY dates = Array(HOST_ARRAY_DATETIME);
    HostArraySetBounds(dates, 0, 4);
    EXPECT_EQ(ZelCalGetMarked(c.cal, dates), 0);
    EXPECT_TRUE(HostArrayIsEmpty(dates));

    const ZW_HOSTVALUE morning = Arg(Date(2009, 5, 1, 10, 0)), midnight = Arg(Date(2009, 5, 1));
    const struct { ZW_HOSTVALUE date; int flag, result; } marks[] = {
        {morning, 1, 1}, {morning, 1, 0}, {midnight, 0, 0}, {midnight, 2, 0},
    };
    for (const auto& m : marks) EXPECT_EQ(ZelCalMarkDate(c.cal, m.date, m.flag), m.result) << m.flag;
    EXPECT_EQ(ZelCalIsDateMarked(c.cal, morning), 1);
    EXPECT_EQ(ZelCalIsDateMarked(c.cal, midnight), 0);
    EXPECT_EQ(ZelCalGetMarked(c.cal, dates), 1);
    EXPECT_EQ(DateTexts(dates), Texts{"2009-05-01 10:00"});
    // Its cell is not drawn as marked: the cell's date is midnight.
    ZelCalSetFocusDate(c.cal, Arg(Date(2009, 5, 20)));
    const CalendarMetrics m = MeasureCalendar(c.window);
    {
        Snapshot s(c.window);
        EXPECT_EQ(s.CellBackground(m, 5), ZelCalGetColor(c.cal, 1));
    }
    ZelCalMarkDate(c.cal, midnight, 1);
    {
        Snapshot s(c.window);
        EXPECT_EQ(s.CellBackground(m, 5), ZelCalGetColor(c.cal, 4));
    }
    EXPECT_EQ(ZelCalMarkDate(c.cal, morning, 0), 1);
    EXPECT_EQ(ZelCalMarkDate(c.cal, morning, 0), 0);

    // Three dates, one of them marked already: two changes.
    const HARRAY three = Array(HOST_ARRAY_DATETIME);
    const HostDate days[] = {Date(2009, 5, 1), Date(2009, 5, 2), Date(2010, 1, 1)};
    HostArraySetBounds(three, 3, 5);  // read from its lower bound on
    for (LONG i = 0; i < 3; ++i) HostArrayPutDateTime(three, &days[i], i + 3);
    EXPECT_EQ(ZelCalMarkDates(c.cal, three, 1), 2);
    EXPECT_EQ(ZelCalGetMarked(c.cal, dates), 3);
    EXPECT_EQ(DateTexts(dates), (Texts{"2009-05-01 00:00", "2009-05-02 00:00", "2010-01-01 00:00"}));
    EXPECT_EQ(ZelCalMarkDates(c.cal, three, 0), 3);

    // Arrays that are not arrays of dates fail with -1.
    DebugCapture debug;
    const HARRAY numbers = Array(HOST_ARRAY_NUMBER);
    HostNumber one{};
    HostLongToNumber(1, &one);
    HostArrayPutNumber(numbers, &one, 0);
    ZelCalMarkDate(c.cal, midnight, 1);
    EXPECT_EQ(ZelCalGetMarked(c.cal, numbers), -1);
    EXPECT_EQ(ZelCalGetMarked(c.cal, 0xBAD), -1);
    EXPECT_EQ(ZelCalMarkDates(c.cal, numbers, 1), -1);
    EXPECT_EQ(ZelCalMarkDates(c.cal, 0xBAD, 1), -1);
    EXPECT_EQ(debug.Lines().size(), 4u);
    for (HARRAY a : {dates, three, numbers}) HostArrayDestroy(a);
}

TEST(CalendarApi, SpecialRulesAsApplicationsSeeThem) {
    Calendar c;
    const ZW_HOSTVALUE anyDay = Arg(Date(2000, 1, 1)), sunday = Arg(Date(2009, 5, 3));
    EXPECT_EQ(ZelCalSpecialDate(c.cal, 2, anyDay, 1, 0, RGB(1, 1, 1), RGB(2, 2, 2), 1), 1);
    EXPECT_EQ(ZelCalSpecialDate(c.cal, 2, anyDay, 1, 0, RGB(3, 3, 3), RGB(4, 4, 4), 1), 1) << "replaces";
    EXPECT_EQ(ZelCalSpecialDate(c.cal, 1, sunday, 0, 0, 0, RGB(5, 5, 5), 1), 1);
    EXPECT_EQ(ZelCalSpecialDate(c.cal, 4, anyDay, 6, 2, 0, 0, 7), 0) << "neither add nor remove";
    // The weekday and occurrence are the caller's; special dates need not be shown.
    const struct { ZW_HOSTVALUE date; int weekday, occurrence, special; } asks[] = {
        {sunday, 0, 0, 1},                        // the exact date
        {Arg(Date(2009, 5, 10)), 0, 0, 0},        // a Sunday asked with weekday 0
        {Arg(Date(2009, 5, 10)), 1, 2, 1},        // the weekly rule
        {Arg(Date(2009, 5, 11)), 1, 2, 1},        // a Monday, asked as a Sunday
        {Arg(Date(2009, 5, 11)), 2, 2, 0},
    };
    for (const auto& a : asks)
        EXPECT_EQ(ZelCalIsDateSpecial(c.cal, 5, a.date, a.weekday, a.occurrence), a.special) << Text(Host(a.date));

    const HARRAY kinds = Array(HOST_ARRAY_NUMBER), dates = Array(HOST_ARRAY_DATETIME);
    const HARRAY weekdays = Array(HOST_ARRAY_NUMBER), occurrences = Array(HOST_ARRAY_NUMBER);
    ASSERT_EQ(ZelCalGetSpecials(c.cal, kinds, dates, weekdays, occurrences), 2);
    std::vector<std::tuple<int, std::string, int, int>> rules;
    for (LONG i = 0; i < 2; ++i) {
        HostNumber kind{}, weekday{}, occurrence{};
        HostDate date{};
        HostArrayGetNumber(kinds, &kind, i);
        HostArrayGetDateTime(dates, &date, i);
        HostArrayGetNumber(weekdays, &weekday, i);
        HostArrayGetNumber(occurrences, &occurrence, i);
        rules.emplace_back(HostNumberToInt(&kind), Text(date), HostNumberToInt(&weekday), HostNumberToInt(&occurrence));
    }
    std::sort(rules.begin(), rules.end());
    EXPECT_EQ(rules[0], std::make_tuple(1, std::string("2009-05-03 00:00"), 0, 0));
    EXPECT_EQ(rules[1], std::make_tuple(2, std::string("2000-01-01 00:00"), 1, 0));

    EXPECT_EQ(ZelCalSpecialDate(c.cal, 2, sunday, 1, 0, 0, 0, 0), 1) << "removed by kind and weekday";
    EXPECT_EQ(ZelCalSpecialDate(c.cal, 2, sunday, 1, 0, 0, 0, 0), 0);
    EXPECT_EQ(ZelCalClearSpecials(c.cal), 1);
    EXPECT_EQ(ZelCalClearSpecials(c.cal), 1);
    EXPECT_EQ(ZelCalGetSpecials(c.cal, kinds, dates, weekdays, occurrences), 0);
    EXPECT_TRUE(HostArrayIsEmpty(kinds) && HostArrayIsEmpty(dates));
    EXPECT_EQ(ZelCalIsDateSpecial(c.cal, 1, sunday, 0, 0), 0);
    EXPECT_EQ(ZelCalGetSpecials(c.cal, kinds, 0xBAD, weekdays, occurrences), -1);
    for (HARRAY a : {kinds, dates, weekdays, occurrences}) HostArrayDestroy(a);
}

TEST(CalendarApi, FocusDateColoursAndStyles) {
    Calendar c;
    DebugCapture debug;
    EXPECT_EQ(ZelCalGetFocusDate(c.cal, nullptr), 0);
    EXPECT_EQ(debug.Lines(), std::vector<std::wstring>{L"ZelCalGetFocusDate() - Unable to retrieve current datetime.\n"});
    ZW_HOSTVALUE focus{};
    EXPECT_EQ(ZelCalSetFocusDate(c.cal, Arg(Date(2009, 5, 13, 15, 30))), 1);
    EXPECT_EQ(ZelCalGetFocusDate(c.cal, &focus), 1);
    EXPECT_EQ(Text(Host(focus)), "2009-05-13 00:00");
    EXPECT_EQ(ZelCalSetFocusDate(c.cal, ZW_HOSTVALUE{}), 0) << "a null date";
    ZelCalGetFocusDate(c.cal, &focus);
    EXPECT_EQ(Text(Host(focus)), "2009-05-13 00:00");

    const struct { int role; COLORREF set, previous; } colours[] = {
        {5, RGB(1, 2, 3), GetSysColor(COLOR_BTNFACE)},
        {5, RGB(4, 5, 6), RGB(1, 2, 3)},
        {14, RGB(7, 8, 9), GetSysColor(COLOR_HIGHLIGHTTEXT)},
        {16, 0, CLR_INVALID},
        {-1, 0, CLR_INVALID},
    };
    for (const auto& k : colours) {
        EXPECT_EQ(ZelCalSetColor(c.cal, k.role, k.set), k.previous) << k.role;
        EXPECT_EQ(ZelCalGetColor(c.cal, k.role), k.previous == CLR_INVALID ? CLR_INVALID : k.set) << k.role;
    }
    ZelCalSetColor(c.cal, 9, RGB(10, 11, 12));
    EXPECT_EQ(ZelCalGetColor(c.cal, 13), RGB(10, 11, 12)) << "title text inherits the day numbers";

    const DWORD defaults = ZW_CAL_ARROWSACTIVE | ZW_CAL_KEYBOARD | ZW_CAL_OUTSIDESELECTABLE |
                           ZW_CAL_SPECIALSELECTABLE | ZW_CAL_SHOWOUTSIDE | ZW_CAL_SHOWFOCUS;
    EXPECT_EQ(ZelCalGetStyle(c.cal), defaults);
    EXPECT_EQ(ZelCalSetStyle(c.cal, ZW_CAL_VERTICALARROWS | ZW_CAL_INSETFOCUS | 0x8000, 1), defaults);
    EXPECT_EQ(ZelCalGetStyle(c.cal), defaults | ZW_CAL_VERTICALARROWS | ZW_CAL_INSETFOCUS);
    EXPECT_EQ(ZelCalSetStyle(c.cal, ZW_CAL_KEYBOARD | ZW_CAL_VERTICALARROWS, 0),
              defaults | ZW_CAL_VERTICALARROWS | ZW_CAL_INSETFOCUS);
    EXPECT_EQ(ZelCalGetStyle(c.cal), (defaults & ~DWORD(ZW_CAL_KEYBOARD)) | ZW_CAL_INSETFOCUS);
}

TEST(CalendarApi, NamesAndTheFirstDayOfTheWeek) {
    Calendar c;
    ZelCalSetFocusDate(c.cal, Arg(Date(2009, 5, 13)));
    const CalendarMetrics m = MeasureCalendar(c.window);
    auto titleInk = [&] {
        Snapshot s(c.window);
        return s.Count(m.title, ZelCalGetColor(c.cal, 13));
    };
    const int englishTitle = titleInk();
    ASSERT_GT(englishTitle, 0);
    std::vector<std::wstring> long13(13, L"WWWWWWWWWWWW");
    DebugCapture debug;
    EXPECT_EQ(ZelCalSetMonths(c.cal, Names(long13)), 0);
    EXPECT_EQ(debug.Lines(), std::vector<std::wstring>{L"ZelCalSetMonths() - Unable to assign text for month names.\n"});
    EXPECT_EQ(titleInk(), englishTitle) << "no name changed";
    long13.pop_back();
    EXPECT_EQ(ZelCalSetMonths(c.cal, Names(long13)), 1);
    EXPECT_GT(titleInk(), englishTitle);
    EXPECT_EQ(ZelCalSetMonths(c.cal, Names(kMonths)), 1);
    EXPECT_EQ(titleInk(), englishTitle);
    EXPECT_EQ(ZelCalSetWeekDays(c.cal, Names({L"a", L"b", L"c", L"d", L"e", L"f"})), 0);
    EXPECT_EQ(ZelCalSetWeekDays(c.cal, Names(kWeekdays)), 1);

    EXPECT_EQ(ZelCalWeekStartGet(c.cal), 1);
    EXPECT_EQ(ZelCalWeekStartSet(c.cal, 2), 1);
    EXPECT_EQ(ZelCalWeekStartGet(c.cal), 2);
    {
        DialogWatcher watcher;
        EXPECT_EQ(ZelCalWeekStartSet(c.cal, 8), -1);
        ASSERT_EQ(watcher.Seen().size(), 1u);
        EXPECT_EQ(watcher.Seen()[0].text, L"Function 'ZelCalWeekStartSet()' was given an argument that is out of range.");
    }
    EXPECT_EQ(ZelCalWeekStartGet(c.cal), 2);
    // Weeks from Monday: the grid starts on the Monday before 1 May 2009.
    Click(c.window, m.CellCentre(0));
    EXPECT_EQ(FocusOf(c.cal), "2009-04-27 00:00");
}
