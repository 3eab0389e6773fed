// The replacement host's date picture formatter. The picture language is
// described in host/host_dates.h.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/core/date_value.h"

namespace host {

// The canonical date text's picture.
constexpr std::u16string_view kCanonicalPicture = u"yyyy-MM-dd-hh.mm.ss.mmmmmm";

// One element of a compiled picture.
struct PictureField {
    enum Kind {
        Literal,         // `literal` as it is
        Year4,           // yyyy
        Year2,           // yy
        Month,           // M
        Month2,          // MM
        MonthAbbrev,     // MMM
        MonthName,       // MMMM
        Day,             // d
        Day2,            // dd
        WeekdayAbbrev,   // ddd
        WeekdayName,     // dddd
        Hour,            // h
        Hour2,           // hh
        Minute,          // m
        Minute2,         // mm
        Second,          // s
        Second2,         // ss
        Fraction,        // mmm to mmmmmm: `digits` digits of the second's fraction
        AmPm,            // AMPM
    };
    Kind kind;
    std::u16string literal;  // Literal only
    int digits = 0;          // Fraction only: 3..6
};

struct Picture {
    std::vector<PictureField> fields;
    bool twelveHour = false;  // the picture holds AMPM, so hours count 1..12
};

// Nothing when the picture is not valid (an unknown run length such as "yyy" or
// "MMMMM", or an unterminated quote).
std::optional<Picture> CompilePicture(std::u16string_view picture);
bool IsValidPicture(std::u16string_view picture);

std::u16string FormatDate(const DateTime& value, const Picture& picture);
// Nothing when the picture is not valid.
std::optional<std::u16string> FormatDate(const DateTime& value, std::u16string_view picture);

}  // namespace host
