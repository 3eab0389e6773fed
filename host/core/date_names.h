// The English month and weekday names of the replacement host's date pictures
// and date text reader.
#pragma once

#include <optional>
#include <string_view>

namespace host {

// "January" ... "December" for 1..12; "Jan" ... "Dec" abbreviated.
std::u16string_view EnglishMonthName(int month, bool abbreviated);
// By host weekday (0 Saturday, 1 Sunday ... 6 Friday): "Saturday" or "Sat" ...
std::u16string_view EnglishWeekdayName(int hostWeekday, bool abbreviated);

// The month (1..12) whose full or three-letter name `word` is, ignoring ASCII case.
std::optional<int> MonthFromName(std::u16string_view word);
// The host weekday whose full or three-letter name `word` is, ignoring ASCII case.
std::optional<int> WeekdayFromName(std::u16string_view word);

// ASCII-only case-insensitive comparison (the names are ASCII).
bool EqualsIgnoringCase(std::u16string_view a, std::u16string_view b);

}  // namespace host
