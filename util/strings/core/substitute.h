// Replacing every occurrence of a text.
#pragma once

#include <string>
#include <string_view>

#include "util/strings/core/substring_finder.h"

namespace zw::strings {

// `text` with every occurrence of `find` (case-sensitive, searched from the
// front, never overlapping) replaced by `replacement`. The replacement text is
// never searched again. An empty `find` leaves the text unchanged.
//
// Made in two steps so that a caller can write the result straight into memory
// of the right size: the constructor counts the occurrences (one search pass),
// WriteTo() searches again and writes. Searching twice is cheaper than filling
// an intermediate buffer of the result's size and copying it.
class Substitution {
public:
    // Throws std::bad_alloc when the result's length would not fit in size_t.
    Substitution(std::u16string_view text, std::u16string_view find, std::u16string_view replacement);

    size_t ResultLength() const { return resultLength_; }
    // Writes exactly ResultLength() characters (no terminator) to `out`.
    void WriteTo(char16_t* out) const;

private:
    std::u16string_view text_;
    std::u16string_view find_;
    std::u16string_view replacement_;
    SubstringFinder finder_;
    size_t resultLength_ = 0;
};

std::u16string Substitute(std::u16string_view text, std::u16string_view find, std::u16string_view replacement);

}  // namespace zw::strings
