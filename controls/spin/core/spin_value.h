// The spin field's numbers: its settings and where they come from (the
// designer item and the creation block), stepping within the limits, and the
// value's text with its decimal adjust, both ways.
//
// The decimal adjust shifts the shown text against the stored integer: -d
// shows d decimal places (1205 with -2 shows "12.05"), +d shows the value
// times 10^d. Adjusts beyond 9 places either way act as 9: a 32-bit value has
// no more digits to shift.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zw::spin {

struct SpinSettings {
    std::int32_t minimum = 1;             // lowest value a step reaches
    std::int32_t maximum = 0x7fffffff;    // highest value a step reaches
    std::int32_t increment = 1;           // added by a step up, taken by a step down
    std::int32_t decimalAdjust = 0;       // negative: decimal places shown; positive: power of ten shown
};

// The designer item "ZW:SpinField": minimum, maximum, increment and decimal
// adjust, 32 bits each, and a terminating byte.
constexpr std::size_t kDesignerItemBytes = 17;
// A block in the creation parameters: a 16-bit byte count, 16, then the same
// four values.
constexpr std::size_t kCreationBlockBytes = 18;
constexpr std::uint16_t kCreationBlockAnnounced = 16;

// The settings of a designer item; nothing unless it is exactly 17 bytes.
std::optional<SpinSettings> ReadDesignerItem(std::span<const std::uint8_t> item);
// The settings of a creation block; nothing unless it announces 16 bytes.
std::optional<SpinSettings> ReadCreationBlock(std::span<const std::uint8_t, kCreationBlockBytes> block);

// `value` moved one increment up or down and clamped to [minimum, maximum]
// (first to the maximum, then to the minimum). The sum is taken in 64 bits,
// so stepping past the 32-bit range stops at the limit instead of wrapping.
std::int32_t Step(std::int32_t value, const SpinSettings& settings, bool up);

// Whether `value` lies within [minimum, maximum].
bool InRange(std::int32_t value, const SpinSettings& settings);

// The text shown for `value`: "%ld" with no adjust; with -d, the integer
// part, then "." and the fraction padded with "0" to d digits unless the
// fraction is 0; with +d, the value times 10^d. A negative value whose
// integer part is 0 keeps its minus sign ("-0.05"), so that the text reads
// back as the same value.
std::wstring FormatValue(std::int32_t value, std::int32_t decimalAdjust);

// Reads a number's integer value the way the host does (text to host number
// to 32-bit integer, truncating and saturating).
using IntegerReader = std::function<std::int32_t(std::wstring_view)>;

// The value that a number text stands for under the decimal adjust, the
// inverse of FormatValue: with -d the part before "." is the integer part
// (read by `readInteger`) and up to d digits after it the fraction, a
// shorter fraction counting as if padded with zeros ("12.5" is 1250 with -2);
// with +d the whole number divided by 10^d. Saturates at the 32-bit range.
std::int32_t ReadValue(std::wstring_view text, std::int32_t decimalAdjust, const IntegerReader& readInteger);

}  // namespace zw::spin
