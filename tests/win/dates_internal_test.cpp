// Dates through the real replacement host (corrt51.dll's date operations,
// cornm51.dll's arithmetic) and the library's CDateTime on top of them. The
// calendar, pictures and reader are checked in tests/core/host_date_test.cpp;
// here what the glue decides: arguments, null values, which part each call
// answers, the date order, operand kinds, CDateTime's weekday numbering and its
// names from the library's string table (an internal test: no export).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "controls/calendar/date_time.h"
#include "frame/exceptions.h"
#include "frame/host_api.h"
#include "tests/win/support/zwtest.h"

using zw::CDateTime;

namespace {

HostDate Construct(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    HostDate value;
    std::memset(&value, 0xCC, sizeof value);
    HostDateConstruct(&value, y, mo, d, h, mi, s);
    return value;
}

HostNumber Number(double value) {
    HostNumber number;
    HostDoubleToNumber(value, &number);
    return number;
}

const HostValue kNull{};

bool SameBytes(const HostValue& a, const HostValue& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// The parts the host's part calls answer, as "yyyy-mm-dd hh:mm:ss".
std::string Parts(const HostDate& v) {
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", HostDateYear(&v), HostDateMonth(&v),
                  HostDateDay(&v), HostDateHour(&v), HostDateMinute(&v), HostDateSecond(&v));
    return text;
}

}  // namespace

TEST(HostDates, ConstructionPartsAndNow) {
    const struct { int y, mo, d, h, mi, s; const char* parts; } cases[] = {
        {2024, 3, 5, 15, 4, 5, "2024-03-05 15:04:05"},
        {2024, 2, 30, 8, 0, 0, "2024-02-29 08:00:00"},  // past the month's end: its last day
        {2024, 13, 1, 0, 0, 0, nullptr},
        {2024, 1, 1, 0, 60, 0, nullptr},
    };
    for (const auto& c : cases) {
        HostDate value;
        std::memset(&value, 0xCC, sizeof value);
        EXPECT_EQ(HostDateConstruct(&value, c.y, c.mo, c.d, c.h, c.mi, c.s) != 0, c.parts != nullptr) << c.mo;
        EXPECT_TRUE(c.parts ? !HostValueIsNull(value) : SameBytes(value, kNull)) << c.mo;
        EXPECT_EQ(Parts(value), c.parts ? c.parts : "0000-00-00 00:00:00");
    }
    EXPECT_FALSE(HostDateConstruct(nullptr, 2024, 1, 1, 0, 0, 0));
    EXPECT_EQ(HostDateYear(nullptr), 0);
    EXPECT_EQ(HostDateWeekday(nullptr), 0);
    HostDate garbage = Construct(2024, 3, 5);  // claims to be a date but is not one
    std::memset(garbage.digits, 0xFF, 4);
    EXPECT_EQ(Parts(garbage), "0000-00-00 00:00:00");
    EXPECT_EQ(zwtest::TakeHostText(HostDateFormat(&garbage, L"yyyy")), L"");

    // Now, from the host and as the library's default date.
    SYSTEMTIME before, after;
    GetLocalTime(&before);
    HostDate now;
    ASSERT_TRUE(HostDateNow(&now));
    const CDateTime libraryNow;
    GetLocalTime(&after);
    char today[32];
    std::snprintf(today, sizeof today, "%04d-%02d-%02d", before.wYear, before.wMonth, before.wDay);
    if (before.wDay == after.wDay) {
        EXPECT_EQ(Parts(now).substr(0, 10), today);
        EXPECT_EQ(Parts(libraryNow.Value()).substr(0, 10), today);
    }
    EXPECT_FALSE(HostDateNow(nullptr));
}

TEST(HostDates, DateOrderDecidesAllNumericDates) {
    // Each step sets an order, reads a text, and formats with the default picture.
    const struct { const wchar_t* order; BOOL set; const wchar_t *text, *shown; const char* parts; } steps[] = {
        {L"DMY", TRUE, L"03/05/2024", L"03/05/2024", "2024-05-03 00:00:00"},
        {L"XYZ", FALSE, L"13/05/2024", L"13/05/2024", "2024-05-13 00:00:00"},  // refused: still DMY
        {L"YMD", TRUE, L"24/05/03", L"2024/05/03", "2024-05-03 00:00:00"},
        {nullptr, TRUE, L"03/05/2024", L"03/05/2024", "2024-03-05 00:00:00"},  // back to MDY
    };
    for (const auto& s : steps) {
        EXPECT_EQ(HostTestSetDateOrder(s.order), s.set);
        HostDate read;
        ASSERT_TRUE(HostTextToDate(s.text, &read)) << s.text;
        EXPECT_EQ(Parts(read), s.parts) << s.text;
        EXPECT_EQ(zwtest::TakeHostText(HostDateFormat(&read, L"")), s.shown);
    }
}

TEST(HostDates, ArithmeticOverDatesAndNumbers) {
    const HostDate end = Construct(2009, 12, 31, 18, 0, 0), start = Construct(2009, 12, 30, 6, 0, 0);
    const HostDate last = Construct(9999, 12, 31);
    const HostNumber span = Number(1.5), two = Number(2), three = Number(3.5);
    using Operation = BOOL(__stdcall*)(const HostValue*, const HostValue*, HostValue*);
    const struct { const char* what; Operation op; const HostValue *a, *b; BOOL ok; HostValue result; } cases[] = {
        {"date - date", HostNumSubtract, &end, &start, TRUE, span},
        {"date + days", HostNumAddNum, &start, &span, TRUE, end},
        {"days + date", HostNumAddNum, &span, &start, TRUE, end},
        {"date - days", HostNumSubtract, &end, &span, TRUE, start},
        {"number + number", HostNumAddNum, &two, &three, TRUE, Number(5.5)},
        {"number - number", HostNumSubtract, &two, &three, TRUE, Number(-1.5)},
        {"date - null", HostNumSubtract, &end, &kNull, TRUE, kNull},
        {"date + date", HostNumAddNum, &start, &end, FALSE, kNull},
        {"number - date", HostNumSubtract, &two, &start, FALSE, kNull},
        {"past the calendar", HostNumAddNum, &last, &three, FALSE, kNull},
        {"no operand", HostNumSubtract, nullptr, &start, FALSE, kNull},
    };
    for (const auto& c : cases) {
        HostValue out;
        std::memset(&out, 0xCC, sizeof out);
        EXPECT_EQ(c.op(c.a, c.b, &out), c.ok) << c.what;
        EXPECT_TRUE(SameBytes(out, c.result)) << c.what;
    }
    const struct { const HostValue* a; double days; BOOL ok; HostValue result; } adds[] = {
        {&end, 0.25, TRUE, Construct(2010, 1, 1)}, {&end, -365.5, TRUE, Construct(2008, 12, 31, 6, 0, 0)},
        {&two, 0.25, TRUE, Number(2.25)}, {&kNull, 1.0, TRUE, kNull}, {&last, 1.0, FALSE, kNull},
        {nullptr, 1.0, FALSE, kNull},
    };
    for (const auto& c : adds) {
        HostValue out;
        std::memset(&out, 0xCC, sizeof out);
        EXPECT_EQ(HostNumAdd(c.a, c.days, &out), c.ok) << c.days;
        EXPECT_TRUE(SameBytes(out, c.result)) << c.days;
    }
    EXPECT_FALSE(HostNumAdd(&end, 1.0, nullptr));
}

TEST(DateTime, WeekdaysAndCalendarRules) {
    const HostDate saturday = Construct(2024, 3, 2);
    EXPECT_EQ(HostDateWeekday(&saturday), 0);
    EXPECT_EQ(CDateTime(saturday).Weekday(), 7);
    EXPECT_EQ(CDateTime(2024, 3, 3).Weekday(), 1);  // a Sunday
    EXPECT_EQ(CDateTime(2024, 3, 8).Weekday(), 6);  // a Friday
    // The library's own rules (tests/core/calendar_math_test.cpp) take the month first.
    EXPECT_EQ(CDateTime::DaysInMonth(2, 1900), 28);
    EXPECT_EQ(CDateTime::DaysInMonth(2, 2000), 29);
    EXPECT_EQ(CDateTime::FirstCellIndex(CDateTime(2024, 9, 1).Weekday(), 2), 6);  // a Sunday 1st, Monday weeks
}

TEST(DateTime, NameTablesComeFromTheStringTableAndCanBeReplaced) {
    const std::vector<std::wstring> weekdays = {L"NULL WEEKDAY", L"Sunday", L"Monday", L"Tuesday", L"Wednesday",
                                                L"Thursday", L"Friday", L"Saturday"};
    const std::vector<std::wstring> months = {L"NULL MONTH", L"January", L"February", L"March", L"April", L"May",
                                              L"June", L"July", L"August", L"September", L"October", L"November",
                                              L"December"};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(CDateTime::WeekdayName(i), weekdays[i]) << i;
    for (int i = 0; i < 13; ++i) EXPECT_EQ(CDateTime::MonthName(i), months[i]) << i;
    EXPECT_THROW(CDateTime::WeekdayName(8), zw::InvalidArgException);
    EXPECT_THROW(CDateTime::WeekdayName(-1), zw::InvalidArgException);
    EXPECT_THROW(CDateTime::MonthName(13), zw::InvalidArgException);

    // Replacing needs every entry, keeps entry 0 and lasts for the process: a
    // new date does not reload the tables. Weekdays take the first 7 texts.
    using Names = std::vector<std::wstring>;
    Names numbered;
    for (int i = 1; i <= 12; ++i) numbered.push_back(L"N" + std::to_wstring(i));
    EXPECT_THROW(CDateTime::SetWeekdayNames(Names(numbered.begin(), numbered.begin() + 6)), zw::UserException);
    EXPECT_THROW(CDateTime::SetMonthNames(Names(numbered.begin(), numbered.begin() + 11)), zw::UserException);
    EXPECT_EQ(CDateTime::WeekdayName(1) + CDateTime::MonthName(12), L"SundayDecember") << "nothing replaced";
    CDateTime::SetWeekdayNames(numbered);
    CDateTime::SetMonthNames(numbered);
    const CDateTime tuesday(2030, 1, 1);
    EXPECT_EQ(CDateTime::WeekdayName(tuesday.Weekday()), L"N3");
    EXPECT_EQ(CDateTime::WeekdayName(0) + CDateTime::MonthName(0), L"NULL WEEKDAYNULL MONTH");
    EXPECT_EQ(CDateTime::WeekdayName(7) + CDateTime::MonthName(1) + CDateTime::MonthName(12), L"N7N1N12");
    CDateTime::SetWeekdayNames(Names(weekdays.begin() + 1, weekdays.end()));
    CDateTime::SetMonthNames(Names(months.begin() + 1, months.end()));
}

TEST(DateTime, DayStepsSpansAndTimeOfDay) {
    const struct { CDateTime from; bool next; const char* parts; } steps[] = {
        {CDateTime(2024, 1, 31), true, "2024-02-01 00:00:00"}, {CDateTime(2010, 1, 1), false, "2009-12-31 00:00:00"},
        {CDateTime(1900, 3, 1), false, "1900-02-28 00:00:00"}, {CDateTime(1, 1, 2), false, "0001-01-01 00:00:00"},
        {CDateTime(9999, 12, 30), true, "9999-12-31 00:00:00"},
    };
    for (const auto& s : steps)
        EXPECT_EQ(Parts((s.next ? s.from.NextDay() : s.from.PreviousDay()).Value()), s.parts);
    EXPECT_TRUE(CDateTime(1, 1, 1).PreviousDay().IsNull());
    EXPECT_TRUE(CDateTime(9999, 12, 31).NextDay().IsNull());

    const CDateTime a(2024, 3, 1), b(2023, 3, 1);
    EXPECT_EQ(a.Minus(b).Days(), 366);
    EXPECT_EQ(b.Minus(a).Days(), -366);
    EXPECT_TRUE(SameBytes(b.Plus(a.Minus(b)).Value(), a.Value()));
    EXPECT_TRUE(SameBytes(zw::CDateTimeSpan().Value(), kNull));
    const CDateTime evening(Construct(2024, 3, 5, 21, 30, 0));
    EXPECT_EQ(evening.Minus(a).Days(), 4) << "4.9 days, truncated";
    EXPECT_TRUE(SameBytes(evening.DateOnly().Value(), CDateTime(2024, 3, 5).Value()));

    HostDate flagged = Construct(2024, 3, 5);
    flagged.lengthAndFlags |= 0xA0;
    EXPECT_TRUE(SameBytes(CDateTime(flagged).Value(), Construct(2024, 3, 5))) << "only the length bits are kept";
}

TEST(DateTime, FormattingAndReading) {
    const CDateTime value(Construct(2024, 3, 5, 15, 4, 5));
    const struct { const wchar_t* picture; const wchar_t* text; } formats[] = {
        {zw::kCanonicalDatePicture, L"2024-03-05-15.04.05.000000"},
        {L"dddd, MMMM d, yyyy hh:mm:ss AMPM", L"Tuesday, March 5, 2024 03:04:05 PM"},
        {L"", L"03/05/2024"}, {nullptr, L"03/05/2024"},  // the date order's default picture
        {L"yyy", L""},                                   // not a picture
    };
    for (const auto& f : formats) EXPECT_EQ(value.Format(f.picture), f.text) << (f.picture ? f.picture : L"(null)");
    EXPECT_EQ(CDateTime(kNull).CanonicalText(), L"");

    // Full texts read back to the same bytes; what is no date leaves the target alone.
    CDateTime back(1999, 1, 1);
    ASSERT_TRUE(CDateTime::FromText(formats[1].text, &back));
    EXPECT_TRUE(SameBytes(back.Value(), value.Value()));
    EXPECT_TRUE(CDateTime::IsDateText(formats[1].text));
    CDateTime target(1999, 1, 1);
    for (const wchar_t* text : {L"", L"2024-02-30", L"hello", static_cast<const wchar_t*>(nullptr)}) {
        EXPECT_FALSE(CDateTime::FromText(text, &target));
        EXPECT_FALSE(CDateTime::IsDateText(text));
        EXPECT_FALSE(HostIsDateText(text));
        HostDate read;
        std::memset(&read, 0xCC, sizeof read);
        EXPECT_FALSE(HostTextToDate(text, &read));
        EXPECT_TRUE(SameBytes(read, kNull)) << "a failed read gives the null date";
    }
    EXPECT_TRUE(SameBytes(target.Value(), CDateTime(1999, 1, 1).Value())) << "unchanged";
    EXPECT_FALSE(HostTextToDate(L"2024-03-05", nullptr));
}
