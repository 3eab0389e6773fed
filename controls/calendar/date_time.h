// Date values of the library. CDateTime wraps one host date/time value and asks
// the host for its parts, for now, for construction, formatting and reading;
// it never does arithmetic on the value's bytes. It also holds the library's
// process-wide month and weekday name tables, which calendars show and
// applications may replace.
#pragma once

#include <string>
#include <vector>

#include "frame/host_value.h"

namespace zw {

// The canonical date text's picture: the key of marked dates and the text
// through which a new focus date is validated.
inline constexpr wchar_t kCanonicalDatePicture[] = L"yyyy-MM-dd-hh.mm.ss.mmmmmm";
// The key of a special-date rule: year, month, day, weekday, occurrence.
inline constexpr wchar_t kSpecialRuleKeyFormat[] = L"%04.4d%02.2d%02.2d%02.2d%02.2d";
// The year in a calendar's title line.
inline constexpr wchar_t kTitleYearFormat[] = L"%04i";

// A difference of two dates: a host number of days.
class CDateTimeSpan {
public:
    // The zero number (length byte 0 and 24 zero bytes).
    CDateTimeSpan();
    explicit CDateTimeSpan(const HostNumber& days);
    virtual ~CDateTimeSpan();
    CDateTimeSpan(const CDateTimeSpan&) = default;
    CDateTimeSpan& operator=(const CDateTimeSpan&) = default;

    const HostNumber& Value() const { return value_; }
    // Whole days, truncated toward zero (HostNumberToInt).
    int Days() const;

private:
    HostNumber value_;  // the host number of days
};

class CDateTime {
public:
    // The current date and time.
    CDateTime();
    // A copy of a host value; only the length bits of its first byte are kept.
    explicit CDateTime(const HostDate& value);
    // Midnight of a day.
    CDateTime(int year, int month, int day);
    virtual ~CDateTime();
    CDateTime(const CDateTime&) = default;
    CDateTime& operator=(const CDateTime&) = default;

    const HostDate& Value() const { return value_; }
    bool IsNull() const { return HostValueIsNull(value_); }

    int Year() const;
    int Month() const;
    int Day() const;
    // 1 Sunday ... 7 Saturday.
    int Weekday() const;

    // The same day at midnight.
    CDateTime DateOnly() const;
    CDateTime NextDay() const;
    CDateTime PreviousDay() const;
    // This date moved by a whole number of days (any sign).
    CDateTime AddDays(int days) const;
    // This date less `other`, in days.
    CDateTimeSpan Minus(const CDateTime& other) const;
    // This date moved by a span.
    CDateTime Plus(const CDateTimeSpan& span) const;

    // The host's formatting with a date picture (passed through unchanged).
    std::wstring Format(const wchar_t* picture) const;
    std::wstring CanonicalText() const;

    // Reads a date from text with the host's reader; false leaves *target unchanged.
    static bool FromText(const wchar_t* text, CDateTime* target);
    // Whether the host reads `text` as a date/time.
    static bool IsDateText(const wchar_t* text);

    static bool IsLeapYear(int year);
    static int DaysInMonth(int month, int year);
    static int WeekdayOccurrence(int dayOfMonth);
    static int FirstCellIndex(int weekdayOfFirst, int firstDayOfWeek);

    // Entries of the name tables: weekdays 1 Sunday ... 7 Saturday, months
    // 1 ... 12; entry 0 is a placeholder. An index outside throws InvalidArgException.
    static std::wstring WeekdayName(int index);
    static std::wstring MonthName(int index);
    // Replace entries 1 .. 12 (or 1 .. 7) with the first 12 (or 7) texts, for
    // every calendar of the process; fewer texts throw UserException and
    // replace nothing.
    static void SetMonthNames(const std::vector<std::wstring>& names);
    static void SetWeekdayNames(const std::vector<std::wstring>& names);

private:
    HostDate value_;  // the host's date/time value, 25 bytes
};

}  // namespace zw
