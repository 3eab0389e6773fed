#include "controls/calendar/core/calendar_math.h"

namespace zw {

const int kDaysInMonth[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

bool IsLeapYear(int year) {
    return year % 400 == 0 || (year % 4 == 0 && year % 100 != 0);
}

int DaysInMonth(int month, int year) {
    if (month < 1 || month > 12) return 0;
    return kDaysInMonth[month] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

int WeekdayOccurrence(int dayOfMonth) {
    return (dayOfMonth - 1) / 7 + 1;
}

int FirstCellIndex(int weekdayOfFirst, int firstDayOfWeek) {
    // Both in 1..7; the sum keeps the remainder's operand positive.
    return ((weekdayOfFirst - firstDayOfWeek) % 7 + 7) % 7;
}

}  // namespace zw
