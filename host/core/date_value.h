// The replacement host's date/time value: calendar arithmetic and the 25-byte
// encoding (layout described in host/host_dates.h).
#pragma once

#include <cstdint>
#include <optional>

#include "frame/host_value.h"

namespace host {

// Day numbers count days of the proleptic Gregorian calendar: day 1 is
// 0001-01-01, the last day is 9999-12-31.
constexpr std::int32_t kFirstDay = 1;
constexpr std::int32_t kLastDay = 3652059;
constexpr std::int64_t kMicrosecondsPerDay = 86'400'000'000;
// Length nibble of a date/time value (the value bytes it uses after byte 0).
constexpr std::uint8_t kDateLength = 12;

bool IsLeapYear(int year);
// 28..31; 0 for a month outside 1..12.
int DaysInMonth(int year, int month);

// Day number of a date; the date must be valid (see IsValidDate).
std::int32_t DayNumber(int year, int month, int day);
bool IsValidDate(int year, int month, int day);

struct CivilDate {
    int year;
    int month;
    int day;
};
// The date of a day number in kFirstDay..kLastDay.
CivilDate DateOfDay(std::int32_t day);

// Weekday in the host's numbering: 0 Saturday, 1 Sunday ... 6 Friday.
int HostWeekday(std::int32_t day);

// A date/time: a day and the microseconds since its midnight.
struct DateTime {
    std::int32_t day;          // kFirstDay..kLastDay
    std::int64_t microsecond;  // 0..kMicrosecondsPerDay - 1

    friend bool operator==(const DateTime&, const DateTime&) = default;
};

struct DateTimeParts {
    int year = 1;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int microsecond = 0;

    friend bool operator==(const DateTimeParts&, const DateTimeParts&) = default;
};

// Nothing when a part is out of range (a day past the month's end included).
std::optional<DateTime> MakeDateTime(const DateTimeParts& parts);
DateTimeParts SplitDateTime(const DateTime& value);
// The same, but a day past the month's end is taken as the month's last day
// (what the host's date construction does; see host/host_dates.h).
std::optional<DateTime> ConstructDateTime(DateTimeParts parts);

// `value` moved by `days` (the fraction is time of day, rounded to the
// microsecond); nothing when the result leaves the calendar or days is not finite.
std::optional<DateTime> AddDays(const DateTime& value, double days);
// a - b in days, the fraction being time of day; exact for whole days.
double DaysBetween(const DateTime& a, const DateTime& b);

// The canonical bytes of a date/time value: equal values, equal bytes.
HostValue EncodeDate(const DateTime& value);
// The date/time in a value; nothing for a null value, a value of another kind
// (a number) or bytes that are not a valid date/time.
std::optional<DateTime> DecodeDate(const HostValue& value);
// Whether the value claims to be a date/time (its length nibble), valid or not.
bool HasDateLength(const HostValue& value);

}  // namespace host
