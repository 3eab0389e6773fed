// The replacement host's dates: day numbers, the value encoding, arithmetic,
// the picture formatter and the date text reader.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "host/core/date_names.h"
#include "host/core/date_picture.h"
#include "host/core/date_reader.h"
#include "host/core/date_value.h"

using namespace host;

namespace {

std::string Narrow(const std::u16string& text) {
    std::string out;
    for (char16_t c : text) out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

DateTime Make(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int us = 0) {
    const auto value = MakeDateTime({y, mo, d, h, mi, s, us});
    EXPECT_TRUE(value.has_value()) << y << "-" << mo << "-" << d << " " << h << ":" << mi << ":" << s;
    return value.value_or(DateTime{kFirstDay, 0});
}

// A leap rule written differently from the one under test.
bool ReferenceLeap(int year) {
    if (year % 4 != 0) return false;
    if (year % 100 != 0) return true;
    return year % 400 == 0;
}

}  // namespace

TEST(HostDate, DayNumbersFollowTheCalendarDayByDay) {
    // Walk every day from 0001-01-01 to 9999-12-31 with a plain counter.
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::int32_t counter = 1;
    int weekday = 2;  // 0001-01-01 was a Monday: host weekday 2
    int mismatches = 0;
    for (int y = 1; y <= 9999; ++y) {
        for (int m = 1; m <= 12; ++m) {
            const int length = lengths[m - 1] + (m == 2 && ReferenceLeap(y) ? 1 : 0);
            if (DaysInMonth(y, m) != length) ++mismatches;
            for (int d = 1; d <= length; ++d, ++counter, weekday = (weekday + 1) % 7) {
                const CivilDate back = DateOfDay(counter);
                if (DayNumber(y, m, d) != counter || back.year != y || back.month != m || back.day != d ||
                    HostWeekday(counter) != weekday || !IsValidDate(y, m, d)) {
                    if (++mismatches < 10) ADD_FAILURE() << y << "-" << m << "-" << d << " day " << counter;
                }
            }
            if (IsValidDate(y, m, length + 1)) ++mismatches;
        }
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(counter - 1, kLastDay);
}

TEST(HostDate, LeapYearsAndMonthLengths) {
    const struct { int year; bool leap; } years[] = {
        {2000, true}, {2024, true}, {1900, false}, {2100, false}, {1, false}, {4, true},
        {100, false}, {400, true}, {1600, true}, {2023, false}, {9996, true}, {9999, false},
    };
    for (const auto& c : years) {
        EXPECT_EQ(IsLeapYear(c.year), c.leap) << c.year;
        EXPECT_EQ(DaysInMonth(c.year, 2), c.leap ? 29 : 28) << c.year;
    }
    EXPECT_EQ(DaysInMonth(2024, 0), 0);
    EXPECT_EQ(DaysInMonth(2024, 13), 0);
    EXPECT_EQ(DaysInMonth(2024, 4), 30);
    EXPECT_EQ(DaysInMonth(2024, 12), 31);
}

TEST(HostDate, WeekdaysInTheHostNumbering) {
    const struct { int y, m, d, weekday; } cases[] = {
        {2024, 3, 2, 0},   // Saturday
        {2024, 3, 3, 1},   // Sunday
        {2024, 3, 4, 2},   // Monday
        {2024, 3, 8, 6},   // Friday
        {2000, 1, 1, 0},   // Saturday
        {1970, 1, 1, 5},   // Thursday
        {1, 1, 1, 2},      // Monday
        {9999, 12, 31, 6}, // Friday
        {1900, 3, 1, 5},   // Thursday
    };
    for (const auto& c : cases)
        EXPECT_EQ(HostWeekday(DayNumber(c.y, c.m, c.d)), c.weekday) << c.y << "-" << c.m << "-" << c.d;
}

TEST(HostDate, MakeRejectsPartsOutOfRange) {
    const DateTimeParts bad[] = {
        {0, 1, 1},          {10000, 1, 1},      {2024, 0, 1},       {2024, 13, 1},
        {2024, 1, 0},       {2024, 1, 32},      {2023, 2, 29},      {1900, 2, 29},
        {2024, 4, 31},      {2024, 1, 1, 24},   {2024, 1, 1, -1},   {2024, 1, 1, 0, 60},
        {2024, 1, 1, 0, 0, 60}, {2024, 1, 1, 0, 0, 0, 1000000}, {2024, 1, 1, 0, 0, 0, -1},
    };
    for (const auto& parts : bad)
        EXPECT_FALSE(MakeDateTime(parts).has_value())
            << parts.year << "-" << parts.month << "-" << parts.day << " " << parts.hour << ":" << parts.minute
            << ":" << parts.second << "." << parts.microsecond;
    const DateTimeParts good = {2024, 2, 29, 23, 59, 59, 999999};
    const auto value = MakeDateTime(good);
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(SplitDateTime(*value), good);
    EXPECT_EQ(value->microsecond, kMicrosecondsPerDay - 1);
}

TEST(HostDate, ConstructionTakesADayPastTheMonthEndAsItsLastDay) {
    const struct { DateTimeParts in; std::optional<DateTimeParts> out; } cases[] = {
        {{2023, 2, 29}, DateTimeParts{2023, 2, 28}},
        {{2024, 2, 31, 10, 20, 30}, DateTimeParts{2024, 2, 29, 10, 20, 30}},
        {{2024, 4, 31}, DateTimeParts{2024, 4, 30}},
        {{2024, 1, 99}, DateTimeParts{2024, 1, 31}},
        {{2024, 1, 31, 23, 59, 59}, DateTimeParts{2024, 1, 31, 23, 59, 59}},
        {{2024, 1, 0}, std::nullopt},
        {{2024, 13, 1}, std::nullopt},
        {{0, 1, 1}, std::nullopt},
        {{10000, 1, 1}, std::nullopt},
        {{2024, 1, 1, 24}, std::nullopt},
        {{2024, 1, 1, 0, -1}, std::nullopt},
        {{2024, 1, 1, 0, 0, 60}, std::nullopt},
    };
    for (const auto& c : cases) {
        const auto value = ConstructDateTime(c.in);
        ASSERT_EQ(value.has_value(), c.out.has_value()) << c.in.year << "-" << c.in.month << "-" << c.in.day;
        if (value) {
            EXPECT_EQ(SplitDateTime(*value), *c.out);
        }
    }
}

TEST(HostDate, EncodingIsCanonicalAndChecked) {
    const DateTime value = Make(2024, 3, 5, 15, 4, 5, 123456);
    const HostValue encoded = EncodeDate(value);
    EXPECT_EQ(encoded.lengthAndFlags, 12);
    std::int32_t day;
    std::int64_t microsecond;
    std::memcpy(&day, encoded.digits, 4);
    std::memcpy(&microsecond, encoded.digits + 4, 8);
    EXPECT_EQ(day, DayNumber(2024, 3, 5));
    EXPECT_EQ(microsecond, ((15 * 60 + 4) * 60 + 5) * 1000000LL + 123456);
    for (int i = 12; i < 24; ++i) EXPECT_EQ(encoded.digits[i], 0) << i;
    ASSERT_TRUE(DecodeDate(encoded).has_value());
    EXPECT_EQ(*DecodeDate(encoded), value);

    // The same moment reached by arithmetic has the same bytes.
    const auto reached = AddDays(Make(2024, 3, 4, 15, 4, 5, 123456), 1.0);
    ASSERT_TRUE(reached.has_value());
    const HostValue other = EncodeDate(*reached);
    EXPECT_EQ(std::memcmp(&other, &encoded, sizeof encoded), 0);

    // Flags in the high nibble of byte 0 do not change the value.
    HostValue flagged = encoded;
    flagged.lengthAndFlags |= 0x80;
    EXPECT_TRUE(DecodeDate(flagged).has_value());

    const auto corrupt = [&](auto change) {
        HostValue copy = encoded;
        change(copy);
        return DecodeDate(copy).has_value();
    };
    EXPECT_FALSE(corrupt([](HostValue& v) { v.lengthAndFlags = 0; }));          // null
    EXPECT_FALSE(corrupt([](HostValue& v) { v.lengthAndFlags = 8; }));          // a number
    EXPECT_FALSE(corrupt([](HostValue& v) { v.digits[20] = 1; }));              // stray byte
    EXPECT_FALSE(corrupt([](HostValue& v) { std::memset(v.digits, 0, 4); }));   // day 0
    EXPECT_FALSE(corrupt([](HostValue& v) { std::memset(v.digits, 0xFF, 4); })); // day -1
    EXPECT_FALSE(corrupt([](HostValue& v) {
        const std::int32_t day = kLastDay + 1;
        std::memcpy(v.digits, &day, 4);
    }));
    EXPECT_FALSE(corrupt([](HostValue& v) {
        const std::int64_t us = kMicrosecondsPerDay;
        std::memcpy(v.digits + 4, &us, 8);
    }));
    EXPECT_FALSE(corrupt([](HostValue& v) { v.digits[11] = 0x80; }));  // negative time
    EXPECT_TRUE(HasDateLength(encoded));
}

TEST(HostDate, AddingDays) {
    const struct {
        DateTime from;
        double days;
        DateTimeParts expected;
    } cases[] = {
        {Make(2024, 1, 31), 1.0, {2024, 2, 1}},
        {Make(2024, 2, 28), 1.0, {2024, 2, 29}},
        {Make(2023, 2, 28), 1.0, {2023, 3, 1}},
        {Make(2009, 12, 31), 1.0, {2010, 1, 1}},
        {Make(2010, 1, 1), -1.0, {2009, 12, 31}},
        {Make(2024, 3, 1), -1.0, {2024, 2, 29}},
        {Make(2024, 3, 5), 0.5, {2024, 3, 5, 12}},
        {Make(2024, 3, 5), -0.25, {2024, 3, 4, 18}},
        {Make(2024, 3, 5, 18), 0.25, {2024, 3, 6}},
        {Make(2024, 3, 5, 12), -1.5, {2024, 3, 4}},
        {Make(2024, 3, 5), 366.0, {2025, 3, 6}},
        {Make(2024, 3, 5), 1.0 / 86400, {2024, 3, 5, 0, 0, 1}},
        {Make(1, 1, 1), kLastDay - 1.0, {9999, 12, 31}},
        {Make(9999, 12, 31, 23, 59, 59, 999999), -(kLastDay - 1.0), {1, 1, 1, 23, 59, 59, 999999}},
    };
    for (const auto& c : cases) {
        const auto result = AddDays(c.from, c.days);
        ASSERT_TRUE(result.has_value()) << c.days;
        EXPECT_EQ(SplitDateTime(*result), c.expected) << c.days;
    }
    const struct { DateTime from; double days; } outside[] = {
        {Make(1, 1, 1), -1.0},
        {Make(1, 1, 1), -1e-6},
        {Make(9999, 12, 31), 1.0},
        {Make(9999, 12, 31, 23, 59, 59, 999999), 1.0 / 86400e6},
        {Make(2024, 1, 1), 1e300},
        {Make(2024, 1, 1), -1e300},
        {Make(2024, 1, 1), NAN},
        {Make(2024, 1, 1), INFINITY},
    };
    for (const auto& c : outside) EXPECT_FALSE(AddDays(c.from, c.days).has_value()) << c.days;
}

TEST(HostDate, DifferencesAreDaysWithTimeFraction) {
    EXPECT_EQ(DaysBetween(Make(2010, 1, 1), Make(2009, 12, 31)), 1.0);
    EXPECT_EQ(DaysBetween(Make(2009, 12, 31), Make(2010, 1, 1)), -1.0);
    EXPECT_EQ(DaysBetween(Make(2024, 3, 5, 12), Make(2024, 3, 5)), 0.5);
    EXPECT_EQ(DaysBetween(Make(2024, 3, 5, 6), Make(2024, 3, 4, 18)), 0.5);
    EXPECT_EQ(DaysBetween(Make(9999, 12, 31), Make(1, 1, 1)), kLastDay - 1.0);
    EXPECT_EQ(DaysBetween(Make(2001, 1, 1), Make(2000, 1, 1)), 366.0);

    // Adding the difference back lands on the first date: exactly for whole days,
    // and within the resolution of a double (tens of microseconds over the whole
    // calendar) with times of day.
    std::mt19937 random(7);
    std::uniform_int_distribution<std::int32_t> anyDay(kFirstDay, kLastDay);
    std::uniform_int_distribution<std::int64_t> anyTime(0, kMicrosecondsPerDay - 1);
    for (int i = 0; i < 2000; ++i) {
        const DateTime a{anyDay(random), 0}, b{anyDay(random), 0};
        const auto back = AddDays(b, DaysBetween(a, b));
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(*back, a);
        const DateTime c{a.day, anyTime(random)}, d{b.day, anyTime(random)};
        const auto near = AddDays(d, DaysBetween(c, d));
        ASSERT_TRUE(near.has_value());
        const double error = DaysBetween(*near, c) * kMicrosecondsPerDay;
        EXPECT_LE(std::fabs(error), 100.0);
    }
}

TEST(HostDatePicture, Formatting) {
    const DateTime afternoon = Make(2024, 3, 5, 15, 4, 5, 123456);  // a Tuesday
    const DateTime midnight = Make(2009, 12, 31);                    // a Thursday
    const DateTime noon = Make(1, 1, 1, 12, 0, 9);
    const DateTime last = Make(9999, 12, 31, 23, 59, 59, 999999);
    const struct {
        DateTime value;
        std::u16string picture, expected;
    } cases[] = {
        {afternoon, u"yyyy-MM-dd-hh.mm.ss.mmmmmm", u"2024-03-05-15.04.05.123456"},
        {midnight, u"yyyy-MM-dd-hh.mm.ss.mmmmmm", u"2009-12-31-00.00.00.000000"},
        {noon, u"yyyy-MM-dd-hh.mm.ss.mmmmmm", u"0001-01-01-12.00.09.000000"},
        {last, u"yyyy-MM-dd-hh.mm.ss.mmmmmm", u"9999-12-31-23.59.59.999999"},
        {afternoon, u"hh:mm:ss AMPM", u"03:04:05 PM"},
        {midnight, u"hh:mm:ss AMPM", u"12:00:00 AM"},
        {noon, u"h:mm AMPM", u"12:00 PM"},
        {last, u"h:m:s AMPM", u"11:59:59 PM"},
        {afternoon, u"h:m:s", u"15:4:5"},
        {afternoon, u"M/d/yy", u"3/5/24"},
        {afternoon, u"MM/dd/yyyy", u"03/05/2024"},
        {afternoon, u"d MMM yyyy", u"5 Mar 2024"},
        {afternoon, u"dddd, MMMM d, yyyy", u"Tuesday, March 5, 2024"},
        {midnight, u"ddd dd-MMM-yy", u"Thu 31-Dec-09"},
        {noon, u"dddd", u"Monday"},
        {afternoon, u"ss.mmm", u"05.123"},
        {afternoon, u"mmmm", u"1234"},
        {afternoon, u"yyyyMMdd", u"20240305"},
        {afternoon, u"'Today is' dddd", u"Today is Tuesday"},
        {afternoon, u"yyyy''MM", u"2024'03"},
        {afternoon, u"'it''s' d", u"it's 5"},
        {afternoon, u"yyyy-MM-ddThh:mm", u"2024-03-05T15:04"},
        {afternoon, u"Week: D/Y", u"Week: D/Y"},
        {afternoon, u"", u""},
    };
    for (const auto& c : cases) {
        const auto text = FormatDate(c.value, c.picture);
        ASSERT_TRUE(text.has_value()) << Narrow(c.picture);
        EXPECT_EQ(Narrow(*text), Narrow(c.expected)) << Narrow(c.picture);
    }
    for (int month = 1; month <= 12; ++month) {
        const auto text = FormatDate(Make(2024, month, 1), u"MMMM MMM");
        ASSERT_TRUE(text.has_value());
        const std::u16string name(EnglishMonthName(month, false));
        EXPECT_EQ(*text, name + u" " + name.substr(0, 3));
    }
}

TEST(HostDatePicture, InvalidPicturesAreRefused) {
    const std::u16string bad[] = {u"y", u"yyy", u"yyyyy", u"MMMMM", u"ddddd", u"hhh", u"sss", u"mmmmmmm",
                                  u"'unclosed", u"yyyy 'a''", u"dd/MM/yyy"};
    for (const auto& picture : bad) {
        EXPECT_FALSE(IsValidPicture(picture)) << Narrow(picture);
        EXPECT_FALSE(FormatDate(Make(2024, 1, 1), picture).has_value()) << Narrow(picture);
    }
    EXPECT_TRUE(IsValidPicture(kCanonicalPicture));
    EXPECT_TRUE(IsValidPicture(u"''"));
}

TEST(HostDateReader, ReadsTheKnownForms) {
    using O = DateOrder;
    const struct {
        std::u16string text;
        O order;
        DateTimeParts expected;
    } cases[] = {
        {u"2024-03-05-15.04.05.123456", O::MonthDayYear, {2024, 3, 5, 15, 4, 5, 123456}},
        {u"2024-03-05", O::DayMonthYear, {2024, 3, 5}},
        {u"2024/3/5", O::MonthDayYear, {2024, 3, 5}},
        {u"2024.03.05 15:04", O::MonthDayYear, {2024, 3, 5, 15, 4}},
        {u"2024-03-05T15:04:05", O::MonthDayYear, {2024, 3, 5, 15, 4, 5}},
        {u"2024-03-05 15:04:05.5", O::MonthDayYear, {2024, 3, 5, 15, 4, 5, 500000}},
        {u"2024-03-05 15:04:05,123", O::MonthDayYear, {2024, 3, 5, 15, 4, 5, 123000}},
        {u"  03/05/2024  ", O::MonthDayYear, {2024, 3, 5}},
        {u"03/05/2024", O::DayMonthYear, {2024, 5, 3}},
        {u"24/03/05", O::YearMonthDay, {2024, 3, 5}},
        {u"3/5/24", O::MonthDayYear, {2024, 3, 5}},
        {u"3/5/29", O::MonthDayYear, {2029, 3, 5}},
        {u"3/5/30", O::MonthDayYear, {1930, 3, 5}},
        {u"3/5/99", O::MonthDayYear, {1999, 3, 5}},
        {u"3/5/00", O::MonthDayYear, {2000, 3, 5}},
        {u"05.03.2024", O::DayMonthYear, {2024, 3, 5}},
        {u"20240305", O::DayMonthYear, {2024, 3, 5}},
        {u"March 5, 2024", O::DayMonthYear, {2024, 3, 5}},
        {u"5 mar 2024", O::MonthDayYear, {2024, 3, 5}},
        {u"05-Mar-24", O::MonthDayYear, {2024, 3, 5}},
        {u"5Mar2024", O::MonthDayYear, {2024, 3, 5}},
        {u"2024 March 5", O::MonthDayYear, {2024, 3, 5}},
        {u"Tuesday, March 5, 2024", O::MonthDayYear, {2024, 3, 5}},
        {u"TUE 5 MARCH 2024 3:04 pm", O::MonthDayYear, {2024, 3, 5, 15, 4}},
        {u"03/05/2024 03:04:05 PM", O::MonthDayYear, {2024, 3, 5, 15, 4, 5}},
        {u"03/05/2024 12:00 AM", O::MonthDayYear, {2024, 3, 5, 0, 0}},
        {u"03/05/2024 12:00 PM", O::MonthDayYear, {2024, 3, 5, 12, 0}},
        {u"03/05/2024 3PM", O::MonthDayYear, {2024, 3, 5, 15}},
        {u"15:04:05 03/05/2024", O::MonthDayYear, {2024, 3, 5, 15, 4, 5}},
        {u"3:04:05 AM 5 Mar 2024", O::MonthDayYear, {2024, 3, 5, 3, 4, 5}},
        {u"15:04:05", O::MonthDayYear, {1, 1, 1, 15, 4, 5}},
        {u"03:04:05 PM", O::MonthDayYear, {1, 1, 1, 15, 4, 5}},
        {u"11 pm", O::MonthDayYear, {1, 1, 1, 23}},
        {u"0001-01-01", O::MonthDayYear, {1, 1, 1}},
        {u"9999-12-31-23.59.59.999999", O::MonthDayYear, {9999, 12, 31, 23, 59, 59, 999999}},
        {u"2024-02-29", O::MonthDayYear, {2024, 2, 29}},
    };
    for (const auto& c : cases) {
        const auto value = ReadDateText(c.text, c.order);
        ASSERT_TRUE(value.has_value()) << Narrow(c.text);
        EXPECT_EQ(SplitDateTime(*value), c.expected) << Narrow(c.text);
    }
}

TEST(HostDateReader, RefusesTextWithoutADate) {
    const std::u16string bad[] = {
        u"", u"   ", u"abc", u"2024", u"March 2024", u"March 5", u"3/5", u"2024-13-01", u"2024-00-10",
        u"2023-02-29", u"1900-02-29", u"2024-04-31", u"0000-01-01", u"10000-01-01", u"2024-03-05-15",
        u"2024-03-05 25:00", u"2024-03-05 12:60", u"2024-03-05 12:30:60", u"13:00 PM", u"0:30 AM",
        u"2024-03-05 15:04:05.1234567", u"Monday, March 5, 2024", u"Tuesday", u"Tue 15:04",
        u"5 March 2024 at 15:04", u"March May 5", u"3/5/2024/1", u"13/05/2024", u"3/5/224",
        u"3/5/2", u"123/5/2024", u"2024:03:05", u"15.04.05", u"2024-03-05 PM",
        u"5 March 2024 2025", u"20241305", u"2024030", u"5 Mar 2024 15:04 15:04", u"\u00e9 5 Mar 2024",
        u"99999999999999999999/1/1",
    };
    for (const auto& text : bad)
        EXPECT_FALSE(ReadDateText(text, DateOrder::MonthDayYear).has_value()) << Narrow(text);
}

TEST(HostDateReader, DateOrders) {
    EXPECT_EQ(ParseDateOrder(u"MDY"), DateOrder::MonthDayYear);
    EXPECT_EQ(ParseDateOrder(u"dmy"), DateOrder::DayMonthYear);
    EXPECT_EQ(ParseDateOrder(u"Ymd"), DateOrder::YearMonthDay);
    EXPECT_FALSE(ParseDateOrder(u"MYD").has_value());
    EXPECT_FALSE(ParseDateOrder(u"").has_value());
    EXPECT_FALSE(ParseDateOrder(u"MDYY").has_value());
    for (DateOrder order : {DateOrder::MonthDayYear, DateOrder::DayMonthYear, DateOrder::YearMonthDay}) {
        const DateTime value = Make(2024, 11, 7);
        const auto text = FormatDate(value, DefaultPicture(order));
        ASSERT_TRUE(text.has_value());
        EXPECT_EQ(ReadDateText(*text, order), value) << Narrow(*text);
    }
}

namespace {

// What a picture keeps of a value: the parts it does not show read back as
// their lowest value.
enum Keeps { kDate = 1, kHour = 2, kMinute = 4, kSecond = 8, kMillis = 16, kMicros = 32 };

DateTime Kept(const DateTime& value, int keeps) {
    DateTimeParts parts = SplitDateTime(value);
    if (!(keeps & kDate)) parts.year = parts.month = parts.day = 1;
    if (!(keeps & kHour)) parts.hour = 0;
    if (!(keeps & kMinute)) parts.minute = 0;
    if (!(keeps & kSecond)) parts.second = 0;
    if (!(keeps & kMicros)) parts.microsecond = (keeps & kMillis) ? parts.microsecond / 1000 * 1000 : 0;
    return *MakeDateTime(parts);
}

}  // namespace

TEST(HostDateReader, FormattedTextReadsBack) {
    using O = DateOrder;
    const int all = kDate | kHour | kMinute | kSecond | kMicros;
    const int toSecond = kDate | kHour | kMinute | kSecond;
    const struct {
        std::u16string picture;
        O order;
        int keeps;
        bool twoDigitYear;
    } pictures[] = {
        {u"yyyy-MM-dd-hh.mm.ss.mmmmmm", O::MonthDayYear, all, false},
        {u"yyyy-MM-dd-hh.mm.ss.mmmmmm", O::DayMonthYear, all, false},
        {u"yyyy-MM-dd", O::DayMonthYear, kDate, false},
        {u"yyyy/M/d h:m:s", O::MonthDayYear, toSecond, false},
        {u"yyyy-MM-ddThh:mm:ss.mmm", O::MonthDayYear, toSecond | kMillis, false},
        {u"yyyyMMdd", O::MonthDayYear, kDate, false},
        {u"yyyyMMdd hh:mm", O::MonthDayYear, kDate | kHour | kMinute, false},
        {u"MM/dd/yyyy", O::MonthDayYear, kDate, false},
        {u"M/d/yyyy hh:mm:ss AMPM", O::MonthDayYear, toSecond, false},
        {u"dd/MM/yyyy", O::DayMonthYear, kDate, false},
        {u"dd.MM.yyyy hh:mm", O::DayMonthYear, kDate | kHour | kMinute, false},
        {u"d.M.yy", O::DayMonthYear, kDate, true},
        {u"MM/dd/yy", O::MonthDayYear, kDate, true},
        {u"yy-MM-dd", O::YearMonthDay, kDate, true},
        {u"yyyy MM dd", O::YearMonthDay, kDate, false},
        {u"d MMM yyyy", O::MonthDayYear, kDate, false},
        {u"dd-MMM-yy", O::MonthDayYear, kDate, true},
        {u"MMMM d, yyyy", O::DayMonthYear, kDate, false},
        {u"dddd, MMMM d, yyyy h:mm AMPM", O::MonthDayYear, kDate | kHour | kMinute, false},
        {u"ddd dd MMM yyyy hh:mm:ss", O::MonthDayYear, toSecond, false},
        {u"yyyy MMMM dd (dddd)", O::MonthDayYear, kDate, false},
        {u"ddMMMyyyy", O::MonthDayYear, kDate, false},
        {u"hh:mm:ss AMPM dd/MM/yyyy", O::DayMonthYear, toSecond, false},
        {u"hh:mm:ss AMPM", O::MonthDayYear, kHour | kMinute | kSecond, false},
        {u"h:mm:ss.mmmmmm", O::MonthDayYear, kHour | kMinute | kSecond | kMicros, false},
        {u"hh AMPM", O::MonthDayYear, kHour, false},
    };
    std::vector<DateTime> values = {
        Make(1, 1, 1),         Make(9999, 12, 31, 23, 59, 59, 999999), Make(2024, 2, 29, 12),
        Make(2000, 1, 1, 0, 0, 0, 1), Make(1930, 1, 1), Make(2029, 12, 31, 11, 59, 59), Make(2009, 12, 31, 12, 30),
    };
    std::mt19937 random(11);
    std::uniform_int_distribution<std::int32_t> anyDay(kFirstDay, kLastDay);
    std::uniform_int_distribution<std::int64_t> anyTime(0, kMicrosecondsPerDay - 1);
    for (int i = 0; i < 400; ++i) values.push_back(DateTime{anyDay(random), anyTime(random)});

    for (const auto& p : pictures) {
        for (const DateTime& original : values) {
            const int year = DateOfDay(original.day).year;
            if (p.twoDigitYear && (year < 1930 || year > 2029)) continue;
            const DateTime value = Kept(original, p.keeps);
            const auto text = FormatDate(value, p.picture);
            ASSERT_TRUE(text.has_value()) << Narrow(p.picture);
            const auto back = ReadDateText(*text, p.order);
            ASSERT_TRUE(back.has_value()) << Narrow(p.picture) << " -> " << Narrow(*text);
            const HostValue a = EncodeDate(*back), b = EncodeDate(value);
            ASSERT_EQ(std::memcmp(&a, &b, sizeof a), 0) << Narrow(p.picture) << " -> " << Narrow(*text);
        }
    }
}

TEST(HostDateReader, RandomTextNeverMisreads) {
    // Texts built from the characters dates are made of: whatever the reader
    // accepts must be a valid date/time that reads back from its canonical text.
    const std::u16string alphabet = u"0123456789 -/.:,TAPMamJanMarDecSunTue";
    std::mt19937 random(3);
    std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 30);
    int accepted = 0;
    for (int i = 0; i < 100000; ++i) {
        std::u16string text;
        for (int n = length(random); n > 0; --n) text += alphabet[pick(random)];
        const auto value = ReadDateText(text, static_cast<DateOrder>(i % 3));
        if (!value) continue;
        ++accepted;
        ASSERT_TRUE(DecodeDate(EncodeDate(*value)).has_value()) << Narrow(text);
        const auto canonical = FormatDate(*value, kCanonicalPicture);
        ASSERT_TRUE(canonical.has_value());
        EXPECT_EQ(ReadDateText(*canonical, DateOrder::MonthDayYear), value) << Narrow(text);
    }
    EXPECT_GT(accepted, 0);
}

TEST(HostDate, RandomBytesDecodeOnlyToCanonicalValues) {
    std::mt19937 random(5);
    std::uniform_int_distribution<int> byte(0, 255);
    int decoded = 0;
    for (int i = 0; i < 200000; ++i) {
        HostValue value{};
        value.lengthAndFlags = static_cast<std::uint8_t>((byte(random) & 0xF0) | kDateLength);
        // Mostly days and times near the valid ranges, sometimes any bytes.
        for (int k = 0; k < 24; ++k) value.digits[k] = static_cast<std::uint8_t>(byte(random));
        if (i % 4 != 0) {
            const auto day = static_cast<std::int32_t>(std::uniform_int_distribution<std::int64_t>(-2, kLastDay + 2)(random));
            const std::int64_t microsecond =
                std::uniform_int_distribution<std::int64_t>(-2, kMicrosecondsPerDay + 2)(random);
            std::memcpy(value.digits, &day, 4);
            std::memcpy(value.digits + 4, &microsecond, 8);
            if (i % 2 == 0) std::memset(value.digits + 12, 0, 12);
        }
        const auto date = DecodeDate(value);
        if (!date) continue;
        ++decoded;
        HostValue again = EncodeDate(*date);
        again.lengthAndFlags |= value.lengthAndFlags & 0xF0;
        ASSERT_EQ(std::memcmp(&again, &value, sizeof value), 0);
    }
    EXPECT_GT(decoded, 1000);
}

TEST(HostDatePicture, RandomPicturesFormatOrAreRefused) {
    const std::u16string alphabet = u"yMdhmsAMPM' -/.:x";
    std::mt19937 random(9);
    std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 20);
    const DateTime value = Make(2024, 12, 31, 23, 59, 59, 999999);
    int valid = 0;
    for (int i = 0; i < 50000; ++i) {
        std::u16string picture;
        for (int n = length(random); n > 0; --n) picture += alphabet[pick(random)];
        const auto text = FormatDate(value, picture);
        EXPECT_EQ(text.has_value(), IsValidPicture(picture));
        if (text) ++valid;
    }
    EXPECT_GT(valid, 100);
}
