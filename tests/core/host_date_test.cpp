// The replacement host's dates: day numbers, the value encoding, arithmetic,
// the picture formatter and the date text reader.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "host/core/date_picture.h"
#include "host/core/date_reader.h"
#include "host/core/date_value.h"

using namespace host;

namespace {

std::string Narrow(const std::u16string& text) { return std::string(text.begin(), text.end()); }

DateTime Make(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int us = 0) {
    const auto value = MakeDateTime({y, mo, d, h, mi, s, us});
    EXPECT_TRUE(value.has_value()) << y << "-" << mo << "-" << d << " " << h << ":" << mi << ":" << s;
    return value.value_or(DateTime{kFirstDay, 0});
}

DateTime RandomMoment(std::mt19937& random) {
    return {std::uniform_int_distribution<std::int32_t>(kFirstDay, kLastDay)(random),
            std::uniform_int_distribution<std::int64_t>(0, kMicrosecondsPerDay - 1)(random)};
}

bool SameBytes(const HostValue& a, const HostValue& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

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

TEST(HostDate, DayNumbersFollowTheCalendarDayByDay) {
    // Every day from 0001-01-01 (a Monday: host weekday 2) to 9999-12-31,
    // against a plain counter and a leap rule written differently from the
    // one under test.
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::int32_t counter = 1;
    int weekday = 2, mismatches = 0;
    for (int y = 1; y <= 9999; ++y) {
        const bool leap = y % 4 != 0 ? false : y % 100 != 0 ? true : y % 400 == 0;
        if (IsLeapYear(y) != leap && ++mismatches < 10) ADD_FAILURE() << "leap year " << y;
        for (int m = 1; m <= 12; ++m) {
            const int length = lengths[m - 1] + (m == 2 && leap ? 1 : 0);
            if ((DaysInMonth(y, m) != length || IsValidDate(y, m, length + 1)) && ++mismatches < 10)
                ADD_FAILURE() << "length of " << y << "-" << m;
            for (int d = 1; d <= length; ++d, ++counter, weekday = (weekday + 1) % 7) {
                const CivilDate back = DateOfDay(counter);
                if ((DayNumber(y, m, d) != counter || back.year != y || back.month != m || back.day != d ||
                     HostWeekday(counter) != weekday || !IsValidDate(y, m, d)) &&
                    ++mismatches < 10)
                    ADD_FAILURE() << y << "-" << m << "-" << d << " day " << counter;
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(counter - 1, kLastDay);
    for (int year : {2000, 2024}) EXPECT_TRUE(IsLeapYear(year)) << year;
    for (int year : {1900, 2100}) EXPECT_FALSE(IsLeapYear(year)) << year;
    EXPECT_EQ(DaysInMonth(2024, 0), 0);
    EXPECT_EQ(DaysInMonth(2024, 13), 0);
}

TEST(HostDate, MakeRefusesAndConstructClampsPartsOutOfRange) {
    // Make refuses every part out of range; Construct takes a day past the
    // month's end as the month's last day and refuses the rest.
    using P = DateTimeParts;
    const struct { P in; std::optional<P> constructed; } cases[] = {
        {{2024, 2, 29, 23, 59, 59, 999999}, P{2024, 2, 29, 23, 59, 59, 999999}}, {{2023, 2, 29}, P{2023, 2, 28}},
        {{1900, 2, 29}, P{1900, 2, 28}}, {{2024, 2, 31, 10, 20, 30}, P{2024, 2, 29, 10, 20, 30}},
        {{2024, 4, 31}, P{2024, 4, 30}}, {{2024, 1, 99}, P{2024, 1, 31}},
        {{0, 1, 1}, {}},           {{10000, 1, 1}, {}},         {{2024, 0, 1}, {}},
        {{2024, 13, 1}, {}},       {{2024, 1, 0}, {}},          {{2024, 1, 1, 24}, {}},
        {{2024, 1, 1, -1}, {}},    {{2024, 1, 1, 0, 60}, {}},   {{2024, 1, 1, 0, -1}, {}},
        {{2024, 1, 1, 0, 0, 60}, {}}, {{2024, 1, 1, 0, 0, 0, 1000000}, {}}, {{2024, 1, 1, 0, 0, 0, -1}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.in.year << "-" << c.in.month << "-" << c.in.day << " " << c.in.hour
                                        << ":" << c.in.minute << ":" << c.in.second << "." << c.in.microsecond);
        const auto made = MakeDateTime(c.in), constructed = ConstructDateTime(c.in);
        ASSERT_EQ(made.has_value(), c.constructed == c.in);
        ASSERT_EQ(constructed.has_value(), c.constructed.has_value());
        EXPECT_EQ(made ? SplitDateTime(*made) : c.in, c.in);
        EXPECT_EQ(constructed ? SplitDateTime(*constructed) : P{}, c.constructed.value_or(P{}));
    }
    EXPECT_EQ(Make(2024, 2, 29, 23, 59, 59, 999999).microsecond, kMicrosecondsPerDay - 1);
}

TEST(HostDate, EncodingIsCanonicalAndChecked) {
    const DateTime value = Make(2024, 3, 5, 15, 4, 5, 123456);
    const HostValue encoded = EncodeDate(value);
    HostValue expected{kDateLength, {}};
    const std::int32_t day = DayNumber(2024, 3, 5);
    const std::int64_t microsecond = ((15 * 60 + 4) * 60 + 5) * 1000000LL + 123456;
    std::memcpy(expected.digits, &day, 4);
    std::memcpy(expected.digits + 4, &microsecond, 8);
    EXPECT_TRUE(SameBytes(encoded, expected));
    EXPECT_EQ(DecodeDate(encoded), value);
    EXPECT_TRUE(HasDateLength(encoded));

    // One field of the encoding changed at byte `at` of the digits.
    const auto decodes = [&](std::uint8_t lengthAndFlags, int at, auto field) {
        HostValue copy = encoded;
        copy.lengthAndFlags = lengthAndFlags;
        std::memcpy(copy.digits + at, &field, sizeof field);
        return DecodeDate(copy).has_value();
    };
    EXPECT_TRUE(decodes(0x80 | kDateLength, 0, day)) << "flags in the high nibble";
    EXPECT_TRUE(decodes(kDateLength, 0, kLastDay));
    EXPECT_TRUE(decodes(kDateLength, 4, kMicrosecondsPerDay - 1));
    EXPECT_FALSE(decodes(0, 0, day)) << "null";
    EXPECT_FALSE(decodes(8, 0, day)) << "a number";
    for (int at = kDateLength; at < 24; ++at) EXPECT_FALSE(decodes(kDateLength, at, std::uint8_t{1})) << at;
    EXPECT_FALSE(decodes(kDateLength, 0, std::int32_t{0})) << "day 0";
    EXPECT_FALSE(decodes(kDateLength, 0, std::int32_t{-1})) << "day -1";
    EXPECT_FALSE(decodes(kDateLength, 0, kLastDay + 1));
    EXPECT_FALSE(decodes(kDateLength, 4, kMicrosecondsPerDay));
    EXPECT_FALSE(decodes(kDateLength, 11, std::uint8_t{0x80})) << "negative time";
}

TEST(HostDate, AddingDays) {
    // Whole days move the day number (the calendar walk above maps it); the
    // fraction is time of day, borrowing and carrying across midnight.
    const struct { DateTime from; double days; DateTimeParts expected; } cases[] = {
        {Make(2024, 2, 28), 1.0, {2024, 2, 29}}, {Make(2010, 1, 1), -1.0, {2009, 12, 31}},
        {Make(2024, 3, 5), 0.5, {2024, 3, 5, 12}}, {Make(2024, 3, 5), -0.25, {2024, 3, 4, 18}},
        {Make(2024, 3, 5, 18), 0.25, {2024, 3, 6}}, {Make(2024, 3, 5, 12), -1.5, {2024, 3, 4}},
        {Make(2024, 3, 5), 366.0, {2025, 3, 6}}, {Make(2024, 3, 5), 1.0 / 86400, {2024, 3, 5, 0, 0, 1}},
        {Make(1, 1, 1), kLastDay - 1.0, {9999, 12, 31}},
        {Make(9999, 12, 31, 23, 59, 59, 999999), -(kLastDay - 1.0), {1, 1, 1, 23, 59, 59, 999999}},
    };
    for (const auto& c : cases) {
        const auto result = AddDays(c.from, c.days);
        ASSERT_TRUE(result.has_value()) << c.days;
        EXPECT_EQ(SplitDateTime(*result), c.expected) << c.days;
    }
    const struct { DateTime from; double days; } outside[] = {
        {Make(1, 1, 1), -1.0},        {Make(1, 1, 1), -1e-6},   {Make(9999, 12, 31), 1.0},
        {Make(9999, 12, 31, 23, 59, 59, 999999), 1.0 / 86400e6}, {Make(2024, 1, 1), 1e300},
        {Make(2024, 1, 1), -1e300},   {Make(2024, 1, 1), NAN},  {Make(2024, 1, 1), INFINITY},
    };
    for (const auto& c : outside) EXPECT_FALSE(AddDays(c.from, c.days).has_value()) << c.days;
}

TEST(HostDate, DifferencesAreDaysWithTimeFraction) {
    EXPECT_EQ(DaysBetween(Make(2009, 12, 31), Make(2010, 1, 1)), -1.0);
    EXPECT_EQ(DaysBetween(Make(2024, 3, 5, 6), Make(2024, 3, 4, 18)), 0.5);
    EXPECT_EQ(DaysBetween(Make(9999, 12, 31), Make(1, 1, 1)), kLastDay - 1.0);

    // Adding the difference back lands on the first date: exactly for whole days,
    // and within the resolution of a double (tens of microseconds over the whole
    // calendar) with times of day.
    std::mt19937 random(7);
    for (int i = 0; i < 2000; ++i) {
        const DateTime c = RandomMoment(random), d = RandomMoment(random);
        const DateTime a{c.day, 0}, b{d.day, 0};
        EXPECT_EQ(AddDays(b, DaysBetween(a, b)), a);
        const auto near = AddDays(d, DaysBetween(c, d));
        ASSERT_TRUE(near.has_value());
        EXPECT_LE(std::fabs(DaysBetween(*near, c) * kMicrosecondsPerDay), 100.0);
    }
}

TEST(HostDatePicture, Formatting) {
    const DateTime afternoon = Make(2024, 3, 5, 15, 4, 5, 123456);  // a Tuesday
    const DateTime midnight = Make(2009, 12, 31);                    // a Thursday
    const DateTime noon = Make(1, 1, 1, 12, 0, 9);
    const struct { DateTime value; std::u16string picture, expected; } cases[] = {
        {afternoon, u"yyyy-MM-dd-hh.mm.ss.mmmmmm", u"2024-03-05-15.04.05.123456"},
        {noon, u"yyyy-MM-dd-hh.mm.ss.mmmmmm", u"0001-01-01-12.00.09.000000"},
        {afternoon, u"hh:mm:ss AMPM", u"03:04:05 PM"}, {midnight, u"hh:mm:ss AMPM", u"12:00:00 AM"},
        {noon, u"h:mm AMPM", u"12:00 PM"}, {afternoon, u"h:m:s", u"15:4:5"}, {afternoon, u"M/d/yy", u"3/5/24"},
        {afternoon, u"MM/dd/yyyy", u"03/05/2024"}, {afternoon, u"d MMM yyyy", u"5 Mar 2024"},
        {afternoon, u"dddd, MMMM d, yyyy", u"Tuesday, March 5, 2024"}, {midnight, u"ddd dd-MMM-yy", u"Thu 31-Dec-09"},
        {noon, u"dddd", u"Monday"}, {afternoon, u"ss.mmm", u"05.123"}, {afternoon, u"mmmm", u"1234"},
        {afternoon, u"yyyyMMdd", u"20240305"}, {afternoon, u"'Today is' dddd", u"Today is Tuesday"},
        {afternoon, u"yyyy''MM", u"2024'03"}, {afternoon, u"'it''s' d", u"it's 5"},
        {afternoon, u"yyyy-MM-ddThh:mm", u"2024-03-05T15:04"}, {afternoon, u"Week: D/Y", u"Week: D/Y"},
        {afternoon, u"", u""},
    };
    for (const auto& c : cases) {
        const auto text = FormatDate(c.value, c.picture);
        ASSERT_TRUE(text.has_value()) << Narrow(c.picture);
        EXPECT_EQ(Narrow(*text), Narrow(c.expected)) << Narrow(c.picture);
    }
    std::u16string names;
    for (int month = 1; month <= 12; ++month) names += FormatDate(Make(2024, month, 1), u"MMM MMMM ").value_or(u"?");
    EXPECT_EQ(Narrow(names), "Jan January Feb February Mar March Apr April May May Jun June Jul July Aug August "
                             "Sep September Oct October Nov November Dec December ");
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
    // Forms beyond what the pictures of the round trips below make.
    using O = DateOrder;
    const struct { std::u16string text; O order; DateTimeParts expected; } cases[] = {
        {u"2024/3/5", O::MonthDayYear, {2024, 3, 5}}, {u"2024.03.05 15:04", O::MonthDayYear, {2024, 3, 5, 15, 4}},
        {u"2024-03-05 15:04:05.5", O::MonthDayYear, {2024, 3, 5, 15, 4, 5, 500000}},
        {u"2024-03-05 15:04:05,123", O::MonthDayYear, {2024, 3, 5, 15, 4, 5, 123000}},
        {u"  03/05/2024  ", O::MonthDayYear, {2024, 3, 5}}, {u"24/03/05", O::YearMonthDay, {2024, 3, 5}},
        {u"5 mar 2024", O::MonthDayYear, {2024, 3, 5}}, {u"5Mar2024", O::MonthDayYear, {2024, 3, 5}},
        {u"2024 March 5", O::MonthDayYear, {2024, 3, 5}},
        {u"TUE 5 MARCH 2024 3:04 pm", O::MonthDayYear, {2024, 3, 5, 15, 4}},
        {u"03/05/2024 3PM", O::MonthDayYear, {2024, 3, 5, 15}},
        {u"15:04:05 03/05/2024", O::MonthDayYear, {2024, 3, 5, 15, 4, 5}},
        {u"15:04:05", O::MonthDayYear, {1, 1, 1, 15, 4, 5}}, {u"11 pm", O::MonthDayYear, {1, 1, 1, 23}},
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
    for (const char16_t* bad : {u"MYD", u"", u"MDYY"}) EXPECT_FALSE(ParseDateOrder(bad).has_value());
}

TEST(HostDateReader, FormattedTextReadsBack) {
    using O = DateOrder;
    const int all = kDate | kHour | kMinute | kSecond | kMicros;
    const int toSecond = kDate | kHour | kMinute | kSecond;
    const struct { std::u16string picture; O order; int keeps; } pictures[] = {
        {u"yyyy-MM-dd-hh.mm.ss.mmmmmm", O::MonthDayYear, all}, {u"yyyy-MM-dd-hh.mm.ss.mmmmmm", O::DayMonthYear, all},
        {u"yyyy-MM-dd", O::DayMonthYear, kDate}, {u"yyyy/M/d h:m:s", O::MonthDayYear, toSecond},
        {u"yyyy-MM-ddThh:mm:ss.mmm", O::MonthDayYear, toSecond | kMillis}, {u"yyyyMMdd", O::MonthDayYear, kDate},
        {u"yyyyMMdd hh:mm", O::MonthDayYear, kDate | kHour | kMinute}, {u"MM/dd/yyyy", O::MonthDayYear, kDate},
        {u"M/d/yyyy hh:mm:ss AMPM", O::MonthDayYear, toSecond}, {u"dd/MM/yyyy", O::DayMonthYear, kDate},
        {u"dd.MM.yyyy hh:mm", O::DayMonthYear, kDate | kHour | kMinute}, {u"d.M.yy", O::DayMonthYear, kDate},
        {u"MM/dd/yy", O::MonthDayYear, kDate}, {u"yy-MM-dd", O::YearMonthDay, kDate},
        {u"yyyy MM dd", O::YearMonthDay, kDate}, {u"d MMM yyyy", O::MonthDayYear, kDate},
        {u"dd-MMM-yy", O::MonthDayYear, kDate}, {u"MMMM d, yyyy", O::DayMonthYear, kDate},
        {u"dddd, MMMM d, yyyy h:mm AMPM", O::MonthDayYear, kDate | kHour | kMinute},
        {u"ddd dd MMM yyyy hh:mm:ss", O::MonthDayYear, toSecond}, {u"yyyy MMMM dd (dddd)", O::MonthDayYear, kDate},
        {u"ddMMMyyyy", O::MonthDayYear, kDate}, {u"hh:mm:ss AMPM dd/MM/yyyy", O::DayMonthYear, toSecond},
        {u"hh:mm:ss AMPM", O::MonthDayYear, kHour | kMinute | kSecond},
        {u"h:mm:ss.mmmmmm", O::MonthDayYear, kHour | kMinute | kSecond | kMicros},
        {u"hh AMPM", O::MonthDayYear, kHour},
    };
    std::vector<DateTime> values = {
        Make(1, 1, 1),         Make(9999, 12, 31, 23, 59, 59, 999999), Make(2024, 2, 29, 12),
        Make(2000, 1, 1, 0, 0, 0, 1), Make(1930, 1, 1), Make(2029, 12, 31, 11, 59, 59), Make(2009, 12, 31, 12, 30),
    };
    std::mt19937 random(11);
    for (int i = 0; i < 400; ++i) values.push_back(RandomMoment(random));

    for (const auto& p : pictures) {
        for (const DateTime& original : values) {
            const int year = DateOfDay(original.day).year;
            const bool twoDigitYear = (p.keeps & kDate) && p.picture.find(u"yyyy") == std::u16string::npos;
            if (twoDigitYear && (year < 1930 || year > 2029)) continue;
            const DateTime value = Kept(original, p.keeps);
            const auto text = FormatDate(value, p.picture);
            ASSERT_TRUE(text.has_value()) << Narrow(p.picture);
            const auto back = ReadDateText(*text, p.order);
            ASSERT_TRUE(back && SameBytes(EncodeDate(*back), EncodeDate(value)))
                << Narrow(p.picture) << ": " << Narrow(*text);
        }
    }
}
