// Backward, case-insensitive search for a text.
#pragma once

#include <string_view>

#include "util/strings/core/case_mapping.h"

namespace zw::strings {

// Searches backwards from `start` (-1: the last character) for `find`,
// comparing case-insensitively, and returns the 0-based position of the first
// match met, or -1. Positions are visited as the system's CharPrev steps back:
// the second half of a surrogate pair is never a candidate (except `start`
// itself). An empty `find` matches at the start position. -1 as well when
// start < -1 or start > text.size() - 1.
//
// Characters are compared after folding: ASCII letters are folded here, every
// other character through `lowerNonAscii` (the system's lower-casing).
int ScanReverse(std::u16string_view text, int start, std::u16string_view find, CharMapping lowerNonAscii);

}  // namespace zw::strings
