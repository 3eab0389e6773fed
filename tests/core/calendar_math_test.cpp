// The library's own calendar knowledge: leap years, month lengths, weekday
// occurrences and the grid position of a month's 1st.
#include <gtest/gtest.h>

#include "controls/calendar/core/calendar_math.h"

TEST(CalendarMath, LeapYearsAndMonthLengths) {
    const struct { int year; bool leap; } years[] = {
        {2000, true}, {2024, true}, {1900, false}, {2100, false}, {1600, true},
        {1700, false}, {2023, false}, {4, true}, {1, false}, {9999, false},
    };
    for (const auto& c : years) {
        EXPECT_EQ(zw::IsLeapYear(c.year), c.leap) << c.year;
        EXPECT_EQ(zw::DaysInMonth(2, c.year), c.leap ? 29 : 28) << c.year;
    }
    const int common[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int month = 0; month <= 12; ++month) {
        EXPECT_EQ(zw::kDaysInMonth[month], common[month]) << month;
        EXPECT_EQ(zw::DaysInMonth(month, 2023), common[month]) << month;
        EXPECT_EQ(zw::DaysInMonth(month, 2024), common[month] + (month == 2 ? 1 : 0)) << month;
    }
    EXPECT_EQ(zw::DaysInMonth(13, 2024), 0);
    EXPECT_EQ(zw::DaysInMonth(-1, 2024), 0);
}

TEST(CalendarMath, WeekdayOccurrence) {
    for (int day = 1; day <= 31; ++day) {
        const int expected = day <= 7 ? 1 : day <= 14 ? 2 : day <= 21 ? 3 : day <= 28 ? 4 : 5;
        EXPECT_EQ(zw::WeekdayOccurrence(day), expected) << day;
    }
}

TEST(CalendarMath, FirstCellIndex) {
    const struct { int weekdayOfFirst, firstDayOfWeek, cell; } cases[] = {
        {1, 1, 0},  // a month starting on Sunday, weeks starting on Sunday
        {1, 2, 6},  // the same month, weeks starting on Monday
        {2, 2, 0}, {7, 1, 6}, {7, 2, 5}, {3, 7, 3}, {6, 7, 6}, {7, 7, 0}, {4, 1, 3},
    };
    for (const auto& c : cases)
        EXPECT_EQ(zw::FirstCellIndex(c.weekdayOfFirst, c.firstDayOfWeek), c.cell)
            << c.weekdayOfFirst << " " << c.firstDayOfWeek;
    // Stepping the first day of the week forward moves the 1st one cell back.
    for (int first = 1; first <= 7; ++first)
        for (int start = 1; start <= 7; ++start) {
            const int next = start == 7 ? 1 : start + 1;
            EXPECT_EQ(zw::FirstCellIndex(first, next), (zw::FirstCellIndex(first, start) + 6) % 7);
        }
}
