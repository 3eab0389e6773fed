// Dates through the real replacement host: the host's date operations in
// corrt51.dll and cornm51.dll, and the library's CDateTime on top of them.
// CDateTime has no export of its own, so this program links the library's
// objects and resources (an internal test): the name tables come from the
// library's own string table.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "controls/calendar/date_time.h"
#include "frame/exceptions.h"
#include "frame/host_api.h"
#include "tests/win/support/zwtest.h"

using zw::CDateTime;
using zw::CDateTimeSpan;

namespace {

HostDate Construct(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    HostDate value;
    std::memset(&value, 0xCC, sizeof value);
    HostDateConstruct(&value, y, mo, d, h, mi, s);
    return value;
}

HostDate NullDate() {
    HostDate value;
    std::memset(&value, 0, sizeof value);
    return value;
}

std::wstring HostFormat(const HostDate& value, const wchar_t* picture) {
    return zwtest::TakeHostText(HostDateFormat(&value, picture));
}

bool SameBytes(const HostValue& a, const HostValue& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

double NumberValue(const HostNumber& number) {
    double value = 0;
    std::memcpy(&value, number.digits, sizeof value);
    return value;
}

struct Parts {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

Parts PartsOf(const HostDate& value) {
    return {HostDateYear(&value), HostDateMonth(&value), HostDateDay(&value),
            HostDateHour(&value), HostDateMinute(&value), HostDateSecond(&value)};
}

void ExpectParts(const HostDate& value, Parts expected, const std::string& what) {
    const Parts got = PartsOf(value);
    EXPECT_EQ(got.year, expected.year) << what;
    EXPECT_EQ(got.month, expected.month) << what;
    EXPECT_EQ(got.day, expected.day) << what;
    EXPECT_EQ(got.hour, expected.hour) << what;
    EXPECT_EQ(got.minute, expected.minute) << what;
    EXPECT_EQ(got.second, expected.second) << what;
}

}  // namespace

TEST(HostDates, ConstructionAndParts) {
    const struct { int y, mo, d, h, mi, s; Parts expected; bool ok; } cases[] = {
        {2024, 3, 5, 15, 4, 5, {2024, 3, 5, 15, 4, 5}, true},
        {1, 1, 1, 0, 0, 0, {1, 1, 1, 0, 0, 0}, true},
        {9999, 12, 31, 23, 59, 59, {9999, 12, 31, 23, 59, 59}, true},
        {2023, 2, 29, 0, 0, 0, {2023, 2, 28, 0, 0, 0}, true},  // past the month's end: its last day
        {2024, 2, 30, 8, 0, 0, {2024, 2, 29, 8, 0, 0}, true},
        {2024, 13, 1, 0, 0, 0, {0, 0, 0, 0, 0, 0}, false},
        {0, 1, 1, 0, 0, 0, {0, 0, 0, 0, 0, 0}, false},
        {10000, 1, 1, 0, 0, 0, {0, 0, 0, 0, 0, 0}, false},
        {2024, 1, 0, 0, 0, 0, {0, 0, 0, 0, 0, 0}, false},
        {2024, 1, 1, 24, 0, 0, {0, 0, 0, 0, 0, 0}, false},
        {2024, 1, 1, 0, 60, 0, {0, 0, 0, 0, 0, 0}, false},
        {2024, 1, 1, 0, 0, -1, {0, 0, 0, 0, 0, 0}, false},
    };
    for (const auto& c : cases) {
        HostDate value;
        std::memset(&value, 0xCC, sizeof value);
        const std::string what = std::to_string(c.y) + "-" + std::to_string(c.mo) + "-" + std::to_string(c.d);
        EXPECT_EQ(HostDateConstruct(&value, c.y, c.mo, c.d, c.h, c.mi, c.s) != 0, c.ok) << what;
        EXPECT_EQ(HostValueIsNull(value), !c.ok) << what;
        ExpectParts(value, c.expected, what);
    }
    EXPECT_FALSE(HostDateConstruct(nullptr, 2024, 1, 1, 0, 0, 0));
    EXPECT_EQ(HostDateYear(nullptr), 0);
    EXPECT_EQ(HostDateWeekday(nullptr), 0);

    // A value that claims to be a date but is not one reads as no date.
    HostDate garbage = Construct(2024, 3, 5);
    std::memset(garbage.digits, 0xFF, 4);
    EXPECT_EQ(HostDateYear(&garbage), 0);
    EXPECT_EQ(HostFormat(garbage, L"yyyy"), L"");

    HostDate now;
    ASSERT_TRUE(HostDateNow(&now));
    SYSTEMTIME local;
    GetLocalTime(&local);
    EXPECT_NEAR(HostDateYear(&now), local.wYear, 1);
    EXPECT_GE(HostDateMonth(&now), 1);
}

TEST(HostDates, WeekdaysInTheHostNumbering) {
    const struct { int y, mo, d, weekday; } cases[] = {
        {2024, 3, 2, 0}, {2024, 3, 3, 1}, {2024, 3, 4, 2}, {2024, 3, 8, 6}, {1, 1, 1, 2}, {9999, 12, 31, 6},
    };
    for (const auto& c : cases) {
        const HostDate value = Construct(c.y, c.mo, c.d);
        EXPECT_EQ(HostDateWeekday(&value), c.weekday) << c.y << "-" << c.mo << "-" << c.d;
    }
}

TEST(HostDates, FormattingAndReading) {
    const HostDate value = Construct(2024, 3, 5, 15, 4, 5);
    const struct { const wchar_t* picture; const wchar_t* expected; } formats[] = {
        {L"yyyy-MM-dd-hh.mm.ss.mmmmmm", L"2024-03-05-15.04.05.000000"},
        {L"hh:mm:ss AMPM", L"03:04:05 PM"},
        {L"dddd, MMMM d, yyyy", L"Tuesday, March 5, 2024"},
        {L"ddd dd-MMM-yy", L"Tue 05-Mar-24"},
        {L"yyy", L""},            // not a picture
        {L"", L"03/05/2024"},     // the default picture of the date order
        {nullptr, L"03/05/2024"},
    };
    for (const auto& f : formats)
        EXPECT_EQ(HostFormat(value, f.picture), f.expected) << (f.picture ? f.picture : L"(null)");
    EXPECT_EQ(HostFormat(NullDate(), L"yyyy"), L"");

    HostDate read;
    ASSERT_TRUE(HostTextToDate(L"2024-03-05-15.04.05.000000", &read));
    EXPECT_TRUE(SameBytes(read, value));
    ASSERT_TRUE(HostTextToDate(L"Tuesday, March 5, 2024 3:04:05 PM", &read));
    EXPECT_TRUE(SameBytes(read, value));
    EXPECT_TRUE(HostIsDateText(L"03:04:05 PM"));

    const wchar_t* notDates[] = {L"", L"2024-02-30", L"hello", L"Monday, March 5, 2024", L"12:61"};
    for (const wchar_t* text : notDates) {
        std::memset(&read, 0xCC, sizeof read);
        EXPECT_FALSE(HostTextToDate(text, &read)) << text;
        EXPECT_TRUE(HostValueIsNull(read)) << text;
        EXPECT_FALSE(HostIsDateText(text)) << text;
    }
    EXPECT_FALSE(HostTextToDate(nullptr, &read));
    EXPECT_FALSE(HostTextToDate(L"2024-03-05", nullptr));
    EXPECT_FALSE(HostIsDateText(nullptr));
}

TEST(HostDates, DateOrderDecidesAllNumericDates) {
    HostDate read;
    ASSERT_TRUE(HostTextToDate(L"03/05/2024", &read));
    ExpectParts(read, {2024, 3, 5, 0, 0, 0}, "MDY");
    ASSERT_TRUE(HostTestSetDateOrder(L"DMY"));
    ASSERT_TRUE(HostTextToDate(L"03/05/2024", &read));
    ExpectParts(read, {2024, 5, 3, 0, 0, 0}, "DMY");
    EXPECT_EQ(HostFormat(read, L""), L"03/05/2024");
    EXPECT_FALSE(HostTestSetDateOrder(L"XYZ"));
    ASSERT_TRUE(HostTextToDate(L"13/05/2024", &read));  // still DMY
    ExpectParts(read, {2024, 5, 13, 0, 0, 0}, "DMY kept");
    ASSERT_TRUE(HostTestSetDateOrder(L"YMD"));
    ASSERT_TRUE(HostTextToDate(L"24/05/03", &read));
    ExpectParts(read, {2024, 5, 3, 0, 0, 0}, "YMD");
    ASSERT_TRUE(HostTestSetDateOrder(nullptr));
    EXPECT_FALSE(HostTextToDate(L"13/05/2024", &read));
}

TEST(HostDates, Arithmetic) {
    const HostDate endOfYear = Construct(2009, 12, 31, 18, 0, 0);
    HostValue out;
    ASSERT_TRUE(HostNumAdd(&endOfYear, 1.0, &out));
    ExpectParts(out, {2010, 1, 1, 18, 0, 0}, "+1");
    ASSERT_TRUE(HostNumAdd(&endOfYear, 0.25, &out));
    ExpectParts(out, {2010, 1, 1, 0, 0, 0}, "+0.25");
    ASSERT_TRUE(HostNumAdd(&endOfYear, -365.5, &out));
    ExpectParts(out, {2008, 12, 31, 6, 0, 0}, "-365.5");

    HostNumber days;
    const HostDate start = Construct(2009, 12, 30, 6, 0, 0);
    ASSERT_TRUE(HostNumSubtract(&endOfYear, &start, &days));
    EXPECT_EQ(days.lengthAndFlags & 0x0F, 8);
    EXPECT_DOUBLE_EQ(NumberValue(days), 1.5);
    EXPECT_EQ(HostNumberToInt(&days), 1);
    ASSERT_TRUE(HostNumAddNum(&start, &days, &out));
    EXPECT_TRUE(SameBytes(out, endOfYear));
    ASSERT_TRUE(HostNumAddNum(&days, &start, &out));
    EXPECT_TRUE(SameBytes(out, endOfYear));
    ASSERT_TRUE(HostNumSubtract(&endOfYear, &days, &out));
    EXPECT_TRUE(SameBytes(out, start));

    HostNumber two, three;
    HostIntToNumber(2, &two);
    HostDoubleToNumber(3.5, &three);
    ASSERT_TRUE(HostNumAddNum(&two, &three, &out));
    EXPECT_DOUBLE_EQ(NumberValue(out), 5.5);
    ASSERT_TRUE(HostNumSubtract(&two, &three, &out));
    EXPECT_DOUBLE_EQ(NumberValue(out), -1.5);
    ASSERT_TRUE(HostNumAdd(&two, 0.25, &out));
    EXPECT_DOUBLE_EQ(NumberValue(out), 2.25);

    // Null in, null out; dates that do not combine, or leave the calendar, fail.
    const HostValue null = NullDate();
    EXPECT_TRUE(HostNumAdd(&null, 1.0, &out));
    EXPECT_TRUE(HostValueIsNull(out));
    EXPECT_TRUE(HostNumSubtract(&endOfYear, &null, &out));
    EXPECT_TRUE(HostValueIsNull(out));
    EXPECT_FALSE(HostNumAddNum(&start, &endOfYear, &out));
    EXPECT_TRUE(HostValueIsNull(out));
    EXPECT_FALSE(HostNumSubtract(&two, &start, &out));
    const HostDate first = Construct(1, 1, 1), last = Construct(9999, 12, 31);
    EXPECT_FALSE(HostNumAdd(&first, -1.0, &out));
    EXPECT_TRUE(HostValueIsNull(out));
    EXPECT_FALSE(HostNumAdd(&last, 1.0, &out));
    ASSERT_TRUE(HostNumSubtract(&last, &first, &days));
    EXPECT_EQ(HostNumberToInt(&days), 3652058);
    EXPECT_FALSE(HostNumAdd(nullptr, 1.0, &out));
    EXPECT_FALSE(HostNumAdd(&first, 1.0, nullptr));
}

TEST(DateTime, LeapYearsAndMonthLengths) {
    EXPECT_TRUE(CDateTime::IsLeapYear(2000));
    EXPECT_TRUE(CDateTime::IsLeapYear(2024));
    EXPECT_FALSE(CDateTime::IsLeapYear(1900));
    EXPECT_FALSE(CDateTime::IsLeapYear(2100));
    EXPECT_EQ(CDateTime::DaysInMonth(2, 1900), 28);
    EXPECT_EQ(CDateTime::DaysInMonth(2, 2000), 29);
    // The library's rule agrees with the host's calendar on every month's last day.
    for (int year : {1, 4, 100, 400, 1900, 2000, 2023, 2024, 2100, 9999})
        for (int month = 1; month <= 12; ++month) {
            const int last = CDateTime::DaysInMonth(month, year);
            EXPECT_EQ(CDateTime(year, month, last).Day(), last) << year << "-" << month;
            if (year < 9999 || month < 12) {
                EXPECT_EQ(CDateTime(year, month, last).NextDay().Day(), 1) << year << "-" << month;
            }
        }
}

TEST(DateTime, WeekdaysOccurrencesAndGridCells) {
    EXPECT_EQ(CDateTime(2024, 3, 2).Weekday(), 7);  // a Saturday: the host says 0
    EXPECT_EQ(CDateTime(2024, 3, 3).Weekday(), 1);  // a Sunday
    EXPECT_EQ(CDateTime(2024, 3, 8).Weekday(), 6);  // a Friday
    for (int day = 1; day <= 31; ++day) {
        const int expected = day <= 7 ? 1 : day <= 14 ? 2 : day <= 21 ? 3 : day <= 28 ? 4 : 5;
        EXPECT_EQ(CDateTime::WeekdayOccurrence(day), expected) << day;
    }
    // September 2024 begins on a Sunday.
    const int first = CDateTime(2024, 9, 1).Weekday();
    ASSERT_EQ(first, 1);
    EXPECT_EQ(CDateTime::FirstCellIndex(first, 1), 0);
    EXPECT_EQ(CDateTime::FirstCellIndex(first, 2), 6);
    // March 2024 begins on a Friday: cell 5 in a Sunday week, 4 in a Monday week.
    EXPECT_EQ(CDateTime::FirstCellIndex(CDateTime(2024, 3, 1).Weekday(), 1), 5);
    EXPECT_EQ(CDateTime::FirstCellIndex(CDateTime(2024, 3, 1).Weekday(), 2), 4);
}

TEST(DateTime, NameTablesComeFromTheStringTable) {
    CDateTime today;
    const wchar_t* weekdays[] = {L"NULL WEEKDAY", L"Sunday", L"Monday", L"Tuesday", L"Wednesday",
                                 L"Thursday", L"Friday", L"Saturday"};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(CDateTime::WeekdayName(i), weekdays[i]) << i;
    const wchar_t* months[] = {L"NULL MONTH", L"January", L"February", L"March", L"April", L"May", L"June",
                               L"July", L"August", L"September", L"October", L"November", L"December"};
    for (int i = 0; i < 13; ++i) EXPECT_EQ(CDateTime::MonthName(i), months[i]) << i;
    EXPECT_EQ(CDateTime::WeekdayName(CDateTime(2024, 3, 2).Weekday()), L"Saturday");
    EXPECT_THROW(CDateTime::WeekdayName(8), zw::InvalidArgException);
    EXPECT_THROW(CDateTime::WeekdayName(-1), zw::InvalidArgException);
    EXPECT_THROW(CDateTime::MonthName(13), zw::InvalidArgException);
}

TEST(DateTime, ReplacingNames) {
    const std::vector<std::wstring> original = {L"Sunday", L"Monday", L"Tuesday", L"Wednesday",
                                                L"Thursday", L"Friday", L"Saturday"};
    const std::vector<std::wstring> german = {L"Sonntag", L"Montag", L"Dienstag", L"Mittwoch",
                                              L"Donnerstag", L"Freitag", L"Samstag"};
    std::vector<std::wstring> shortList(german.begin(), german.end() - 1);
    EXPECT_THROW(CDateTime::SetWeekdayNames(shortList), zw::UserException);
    EXPECT_EQ(CDateTime::WeekdayName(1), L"Sunday");  // nothing replaced

    CDateTime::SetWeekdayNames(german);
    EXPECT_EQ(CDateTime::WeekdayName(0), L"NULL WEEKDAY");
    EXPECT_EQ(CDateTime::WeekdayName(1), L"Sonntag");
    EXPECT_EQ(CDateTime::WeekdayName(7), L"Samstag");
    // A new date does not fill the tables again.
    CDateTime later(2030, 1, 1);
    EXPECT_EQ(CDateTime::WeekdayName(later.Weekday()), L"Dienstag");
    CDateTime::SetWeekdayNames(original);

    std::vector<std::wstring> months;
    for (int i = 1; i <= 12; ++i) months.push_back(L"M" + std::to_wstring(i));
    EXPECT_THROW(CDateTime::SetMonthNames(std::vector<std::wstring>(months.begin(), months.begin() + 11)),
                 zw::UserException);
    EXPECT_EQ(CDateTime::MonthName(12), L"December");
    std::vector<std::wstring> saved;
    for (int i = 1; i <= 12; ++i) saved.push_back(CDateTime::MonthName(i));
    CDateTime::SetMonthNames(months);
    EXPECT_EQ(CDateTime::MonthName(0), L"NULL MONTH");
    EXPECT_EQ(CDateTime::MonthName(1), L"M1");
    EXPECT_EQ(CDateTime::MonthName(12), L"M12");
    CDateTime::SetMonthNames(saved);
}

TEST(DateTime, DaySteps) {
    const struct { CDateTime from; bool next; Parts expected; } cases[] = {
        {CDateTime(2024, 1, 31), true, {2024, 2, 1}},
        {CDateTime(2024, 2, 29), true, {2024, 3, 1}},
        {CDateTime(2023, 2, 28), true, {2023, 3, 1}},
        {CDateTime(2009, 12, 31), true, {2010, 1, 1}},
        {CDateTime(2010, 1, 1), false, {2009, 12, 31}},
        {CDateTime(2024, 3, 1), false, {2024, 2, 29}},
        {CDateTime(1900, 3, 1), false, {1900, 2, 28}},
        {CDateTime(1, 1, 2), false, {1, 1, 1}},
        {CDateTime(9999, 12, 30), true, {9999, 12, 31}},
    };
    for (const auto& c : cases) {
        const CDateTime moved = c.next ? c.from.NextDay() : c.from.PreviousDay();
        ExpectParts(moved.Value(), c.expected,
                    std::to_string(c.from.Year()) + "-" + std::to_string(c.from.Month()) + "-" +
                        std::to_string(c.from.Day()) + (c.next ? " next" : " previous"));
    }
    EXPECT_TRUE(CDateTime(1, 1, 1).PreviousDay().IsNull());
    EXPECT_TRUE(CDateTime(9999, 12, 31).NextDay().IsNull());
    EXPECT_EQ(CDateTime(1, 1, 1).Year(), 1);
    EXPECT_EQ(CDateTime(9999, 12, 31).Year(), 9999);
    EXPECT_EQ(CDateTime(9999, 12, 31).Weekday(), 6);
}

TEST(DateTime, SpansAndTimeOfDay) {
    const CDateTime a(2024, 3, 1), b(2023, 3, 1);
    EXPECT_EQ(a.Minus(b).Days(), 366);
    EXPECT_EQ(b.Minus(a).Days(), -366);
    EXPECT_TRUE(SameBytes(b.Plus(a.Minus(b)).Value(), a.Value()));
    EXPECT_EQ(CDateTimeSpan().Days(), 0);
    EXPECT_TRUE(HostValueIsNull(CDateTimeSpan().Value()));

    const CDateTime evening(Construct(2024, 3, 5, 21, 30, 0));
    EXPECT_EQ(evening.Minus(a).Days(), 4);  // 4.9 days, truncated
    const CDateTime dateOnly = evening.DateOnly();
    EXPECT_TRUE(SameBytes(dateOnly.Value(), CDateTime(2024, 3, 5).Value()));
    EXPECT_EQ(HostDateHour(&dateOnly.Value()), 0);

    // Only the length bits of the first byte are kept.
    HostDate flagged = Construct(2024, 3, 5);
    flagged.lengthAndFlags |= 0xA0;
    EXPECT_EQ(CDateTime(flagged).Value().lengthAndFlags, Construct(2024, 3, 5).lengthAndFlags);

    // The default date is now.
    SYSTEMTIME before, after;
    GetLocalTime(&before);
    const CDateTime now;
    GetLocalTime(&after);
    EXPECT_GE(now.Year(), before.wYear);
    EXPECT_LE(now.Year(), after.wYear);
    if (before.wDay == after.wDay) {
        EXPECT_EQ(now.Month(), before.wMonth);
        EXPECT_EQ(now.Day(), before.wDay);
    }
}

TEST(DateTime, FormattingAndReadingBack) {
    const CDateTime value(Construct(2024, 3, 5, 15, 4, 5));
    EXPECT_EQ(value.CanonicalText(), L"2024-03-05-15.04.05.000000");
    EXPECT_EQ(CDateTime(1, 1, 1).CanonicalText(), L"0001-01-01-00.00.00.000000");
    EXPECT_EQ(CDateTime(9999, 12, 31).CanonicalText(), L"9999-12-31-00.00.00.000000");
    EXPECT_EQ(value.Format(L"hh:mm:ss AMPM"), L"03:04:05 PM");
    EXPECT_EQ(CDateTime(NullDate()).CanonicalText(), L"");

    const wchar_t* pictures[] = {zw::kCanonicalDatePicture, L"dddd, MMMM d, yyyy hh:mm:ss AMPM",
                                 L"MM/dd/yyyy h:mm:ss", L"d MMM yyyy hh.mm.ss"};
    for (const CDateTime& date : {value, CDateTime(1, 1, 1), CDateTime(9999, 12, 31), CDateTime(2000, 2, 29)}) {
        for (const wchar_t* picture : pictures) {
            const std::wstring text = date.Format(picture);
            CDateTime back(1999, 1, 1);
            ASSERT_TRUE(CDateTime::FromText(text.c_str(), &back)) << text;
            EXPECT_TRUE(SameBytes(back.Value(), date.Value())) << text;
            EXPECT_TRUE(CDateTime::IsDateText(text.c_str())) << text;
        }
    }

    CDateTime target(1999, 1, 1);
    EXPECT_FALSE(CDateTime::FromText(L"not a date", &target));
    EXPECT_FALSE(CDateTime::FromText(nullptr, &target));
    EXPECT_TRUE(SameBytes(target.Value(), CDateTime(1999, 1, 1).Value()));  // unchanged
    EXPECT_FALSE(CDateTime::IsDateText(L"2024-02-30"));
}
