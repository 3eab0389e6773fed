#include "host/core/number_text.h"

#include <cmath>
#include <string>

namespace host {

namespace {
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }
}  // namespace

std::optional<double> ReadNumberText(std::u16string_view text) {
    std::size_t at = 0, end = text.size();
    while (at < end && IsBlank(text[at])) ++at;
    while (end > at && IsBlank(text[end - 1])) --end;
    // Everything checked is ASCII, so the narrowed copy is what strtod reads.
    std::string ascii;
    auto take = [&](auto accept) {
        std::size_t n = 0;
        while (at < end && accept(text[at])) ascii += char(text[at++]), ++n;
        return n;
    };
    take([&](char16_t c) { return (c == u'+' || c == u'-') && ascii.empty(); });
    std::size_t digits = take(IsDigit);
    if (at < end && text[at] == u'.') {
        ascii += '.';
        ++at;
        digits += take(IsDigit);
    }
    if (digits == 0) return std::nullopt;
    if (at < end && (text[at] == u'e' || text[at] == u'E')) {
        ascii += 'e';
        ++at;
        take([&](char16_t c) { return (c == u'+' || c == u'-') && ascii.back() == 'e'; });
        if (take(IsDigit) == 0) return std::nullopt;
    }
    if (at != end) return std::nullopt;
    const double value = std::strtod(ascii.c_str(), nullptr);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace host
