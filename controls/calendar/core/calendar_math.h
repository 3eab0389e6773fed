// The calendar knowledge the library keeps for itself, apart from the host's
// date operations: the leap-year rule, month lengths, the weekday occurrence of
// a day and where the 1st of a month sits in a week grid. Weekdays here are
// numbered 1 = Sunday ... 7 = Saturday.
#pragma once

namespace zw {

// Days of each month in a common year; entry 0 is unused and holds 0.
extern const int kDaysInMonth[13];

// The Gregorian rule: divisible by 400, or by 4 and not by 100.
bool IsLeapYear(int year);

// Days of `month` (1..12) in `year`; 0 for a month outside 1..12.
int DaysInMonth(int month, int year);

// Which such weekday of its month a day of the month is: days 1-7 give 1,
// 8-14 give 2 ... 29-31 give 5.
int WeekdayOccurrence(int dayOfMonth);

// Cells, counting weekdays cyclically from the week's first day, before the
// cell of the 1st of a month whose 1st falls on `weekdayOfFirst`: 0..6.
int FirstCellIndex(int weekdayOfFirst, int firstDayOfWeek);

}  // namespace zw
