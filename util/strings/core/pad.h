// Padding or cutting a text to a fixed number of characters.
#pragma once

#include <string>
#include <string_view>

namespace zw::strings {

// Exactly `length` characters: the text followed by spaces, or its first
// `length` characters when it is longer. Empty for length <= 0.
std::u16string Pad(std::u16string_view text, int length);

}  // namespace zw::strings
