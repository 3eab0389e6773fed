#include "controls/spin/core/spin_value.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace zw::spin {

namespace {

constexpr int kMaxShift = 9;

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

std::int32_t GetI32(const std::uint8_t* p) {
    return static_cast<std::int32_t>(std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
                                     std::uint32_t(p[3]) << 24);
}

SpinSettings ReadValues(const std::uint8_t* p) {
    return {GetI32(p), GetI32(p + 4), GetI32(p + 8), GetI32(p + 12)};
}

std::int64_t Pow10(int exponent) {
    std::int64_t p = 1;
    while (exponent-- > 0) p *= 10;
    return p;
}

// Decimal places shown (adjust < 0) or the power of ten shown (adjust > 0).
int Shift(std::int32_t decimalAdjust) {
    return std::min<std::int64_t>(kMaxShift, decimalAdjust < 0 ? -std::int64_t(decimalAdjust) : decimalAdjust);
}

std::int32_t Saturate(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

std::int32_t ClampToLimits(std::int64_t value, const SpinSettings& s) {
    value = std::min<std::int64_t>(value, s.maximum);
    return static_cast<std::int32_t>(std::max<std::int64_t>(value, s.minimum));
}

}  // namespace

std::optional<SpinSettings> ReadDesignerItem(std::span<const std::uint8_t> item) {
    if (item.size() != kDesignerItemBytes) return std::nullopt;
    return ReadValues(item.data());
}

std::optional<SpinSettings> ReadCreationBlock(std::span<const std::uint8_t, kCreationBlockBytes> block) {
    if ((block[0] | block[1] << 8) != kCreationBlockAnnounced) return std::nullopt;
    return ReadValues(block.data() + 2);
}

std::int32_t Step(std::int32_t value, const SpinSettings& settings, bool up) {
    const std::int64_t moved = std::int64_t(value) + (up ? std::int64_t(settings.increment) : -std::int64_t(settings.increment));
    return ClampToLimits(moved, settings);
}

bool InRange(std::int32_t value, const SpinSettings& settings) {
    return value >= settings.minimum && value <= settings.maximum;
}

std::wstring FormatValue(std::int32_t value, std::int32_t decimalAdjust) {
    const int shift = Shift(decimalAdjust);
    if (decimalAdjust >= 0) return std::to_wstring(std::int64_t(value) * Pow10(shift));
    const std::int64_t scale = Pow10(shift);
    const std::int64_t integer = value / scale;
    const std::int64_t fraction = std::abs(value - integer * scale);
    std::wstring text = (value < 0 && integer == 0 ? L"-" : L"") + std::to_wstring(integer);
    if (fraction != 0) {
        std::wstring digits = std::to_wstring(fraction);
        text += L'.' + std::wstring(shift - digits.size(), L'0') + digits;
    }
    return text;
}

std::int32_t ReadValue(std::wstring_view text, std::int32_t decimalAdjust, const IntegerReader& readInteger) {
    const int shift = Shift(decimalAdjust);
    if (decimalAdjust >= 0) return Saturate(readInteger(text) / Pow10(shift));

    const std::size_t dot = text.find(L'.');
    const std::wstring_view integerText = text.substr(0, dot);
    std::int64_t fraction = 0;
    int digits = 0;
    if (dot != std::wstring_view::npos) {
        for (std::size_t i = dot + 1; i < text.size() && digits < shift && IsDigit(text[i]); ++i, ++digits)
            fraction = fraction * 10 + (text[i] - L'0');
    }
    fraction *= Pow10(shift - digits);
    const bool hasDigits = std::any_of(integerText.begin(), integerText.end(), IsDigit);
    const std::int64_t integer = hasDigits ? readInteger(integerText) : 0;
    const bool negative = integerText.find(L'-') != std::wstring_view::npos;
    return Saturate(integer * Pow10(shift) + (negative ? -fraction : fraction));
}

}  // namespace zw::spin
