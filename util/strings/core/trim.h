// Whitespace trimming. Whitespace is the set that the C runtime's iswspace
// gives for the basic characters: space, tab, line feed, vertical tab, form
// feed and carriage return.
#pragma once

#include <string_view>

namespace zw::strings {

constexpr bool IsTrimSpace(char16_t c) {
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

// Each returns a view into `text`.
std::u16string_view LeftTrim(std::u16string_view text);
std::u16string_view RightTrim(std::u16string_view text);
std::u16string_view Trim(std::u16string_view text);

}  // namespace zw::strings
