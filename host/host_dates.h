// The replacement host's date/time values, date pictures and date text reader.
// The operations themselves are declared in frame/host_api.h (corrt51.dll:
// HostDateNow ... HostDateFormat; cornm51.dll: HostNumAdd, HostNumSubtract,
// HostNumAddNum); this header describes what they do with dates, and gathers the
// portable code behind them.
//
// VALUE
//   A date/time is a 25-byte HostValue:
//     byte 0       12 (the low nibble is the length; 0 means null, no date)
//     bytes 1..4   day number, int32 little-endian: 1 = 0001-01-01 ... 3652059 =
//                  9999-12-31, proleptic Gregorian calendar (years 1 to 9999)
//     bytes 5..12  microseconds since midnight, int64 little-endian,
//                  0 .. 86,399,999,999
//     bytes 13..24 zero
//   The encoding is canonical: equal date/times have equal bytes. A value
//   whose length nibble is 12 but whose bytes are not a valid date/time is
//   treated like a null date by every operation. The high nibble of byte 0
//   (flags) is ignored on input and written as 0.
//   A host number has length 8 (host/core/number_value.h), so the length nibble
//   tells a date from a number.
//
// PARTS AND ARITHMETIC
//   HostDateYear/Month/Day/Hour/Minute/Second/Weekday of a null date give 0.
//   Weekdays: 0 Saturday, 1 Sunday ... 6 Friday.
//   HostDateConstruct(out, year, month, day, hour, minute, second) takes years
//   1..9999, months 1..12, days from 1, hours 0..23, minutes and seconds
//   0..59. A day past the month's end is taken as the month's last day, so
//   that a calendar moving by months or years from the 31st or from 29 February
//   stays in the month it aims at (2023-02-29 gives 2023-02-28). Any other part
//   out of range gives a null date and 0.
//   Dates count days: adding the number 1.0 moves a date one day forward, -1.0
//   one day back; a fraction is time of day (0.5 = 12 hours), rounded to the
//   microsecond. The difference of two dates is a number of days with the time
//   as fraction (exact for whole days). A result outside 0001-01-01 ..
//   9999-12-31 23:59:59.999999 fails (0) with a null result. Null in gives null
//   out and success.
//
// PICTURES (HostDateFormat)
//   A picture is text in which these runs of letters (case matters) stand for
//   parts of the date/time; everything else is copied as it is.
//     yyyy   year, four digits (0001..9999)     yy     year % 100, two digits
//     M      month 1..12                        MM     month, two digits
//     MMM    month, short English name (Jan)    MMMM   month, English name (January)
//     d      day 1..31                          dd     day, two digits
//     ddd    weekday, short name (Sun)          dddd   weekday, name (Sunday)
//     h      hour                               hh     hour, two digits
//     m      minute                             mm     minute, two digits
//     s      second                             ss     second, two digits
//     mmm .. mmmmmm  the fraction of the second in 3 to 6 digits (truncated):
//                    mmm milliseconds, mmmmmm microseconds
//     AMPM   "AM" or "PM"; when a picture holds AMPM its hours count 12, 1 .. 11
//            (midnight is 12 AM, noon 12 PM); otherwise hours count 0 .. 23
//     'text' copied as it is, letters included; '' is one quote, inside or
//            outside quotes
//   So the canonical picture "yyyy-MM-dd-hh.mm.ss.mmmmmm" gives
//   "2024-03-05-15.04.05.123456", and "hh:mm:ss AMPM" gives "03:04:05 PM".
//   Other run lengths of y, M, d, h, m, s ("y", "yyy", "MMMMM", "hhh"...) and an
//   unclosed quote make the picture invalid: HostDateFormat then gives an empty
//   string. A null date gives an empty string. An empty (or null) picture means the default picture of the
//   date order: "MM/dd/yyyy" (MDY), "dd/MM/yyyy" (DMY), "yyyy/MM/dd" (YMD).
//
// READING TEXT (HostTextToDate, HostIsDateText)
//   The reader is given no picture. It reads a date, a time, or both (in
//   either order), separated by blanks, punctuation, a weekday name or the
//   letter T:
//   - a date of three parts: year, month, day. The month is a number or an
//     English month name (full or three letters, any case). Parts are
//     separated by blanks or punctuation other than ':' (nothing is needed
//     next to a month name: "5Mar2024"). With a month name the four-digit
//     number is the year; otherwise the first number is the day ("5 Mar 24").
//     All-numeric: a four-digit first number makes year-month-day ("2024-03-05",
//     "2024/3/5"); otherwise the host's date order decides (month-day-year by
//     default; HostTestSetDateOrder changes it). Eight digits alone are
//     yyyyMMdd.
//   - a time: h:mm, h:mm:ss, h:mm:ss.ffffff (1 to 6 fraction digits, '.' or
//     ','), each optionally followed by AM or PM (any case); "3 PM" alone is
//     an hour. After a date the separators may be dots instead of colons, as
//     in the canonical "hh.mm.ss.mmmmmm". With AM/PM the hour is 1..12.
//   - years have 4 digits, or 2 digits read into 1930..2029 (30..99 are 19xx,
//     00..29 are 20xx); months and days 1 or 2 digits and must exist.
//   - a weekday name anywhere must be the date's weekday; with no date it is refused.
//   - parts not given take their lowest value: a date alone is at midnight,
//     a time alone is on 0001-01-01.
//   Anything else (another word, a missing part, a number out of range, a
//   non-ASCII character other than a no-break space) means the text holds no date.
//   Round trip: text made with a picture reads back to the same bytes when the
//   picture holds year, month and day (and, for a time of day, every time part
//   the value uses), its numbers are separated (or it is yyyyMMdd), a
//   two-digit year lies in the window, and an all-numeric date not starting
//   with the four-digit year follows the host's date order.
#pragma once

#include "host/core/date_names.h"
#include "host/core/date_picture.h"
#include "host/core/date_reader.h"
#include "host/core/date_value.h"
