// Proper-casing: the first letter of each word upper-cased, the rest lower-cased,
// with the "Mac" and "Mc" name prefixes treated once each.
#pragma once

#include <string>

#include "util/strings/core/case_mapping.h"

namespace zw::strings {

// The punctuation characters that separate words (the space does too).
bool IsProperSeparator(char16_t c);

// Proper-cases `text` in place. Words are separated by spaces and by the
// punctuation separators, which keep their place and value; tabs and line
// breaks do not separate words.
void ProperCase(std::u16string& text, const CaseMapping& mapping);

}  // namespace zw::strings
