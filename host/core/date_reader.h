// The replacement host's date text reader: reads a date/time from text made by
// any picture, without being told the picture. What it accepts is described in
// host/host_dates.h.
#pragma once

#include <optional>
#include <string_view>

#include "host/core/date_value.h"

namespace host {

// How an all-numeric date whose first number is not a four-digit year is read.
enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

// "MDY", "DMY" or "YMD" in any case; nothing for anything else.
std::optional<DateOrder> ParseDateOrder(std::u16string_view text);

// The picture used when a caller gives an empty one: a numeric date that reads
// back under `order`.
std::u16string_view DefaultPicture(DateOrder order);

// Two-digit years are read into this window: 30..99 as 1930..1999, 00..29 as 2000..2029.
constexpr int kTwoDigitYearPivot = 30;

// The date/time the text holds; nothing when it holds none or holds anything else.
std::optional<DateTime> ReadDateText(std::u16string_view text, DateOrder order);

}  // namespace host
