// Replacing every occurrence of a text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "util/strings/core/substring_finder.h"

namespace zw::strings {

// `text` with every occurrence of `find` (case-sensitive, searched from the
// front, never overlapping) replaced by `replacement`. The replacement text is
// never searched again. An empty `find` leaves the text unchanged.
//
// Made in two steps so that a caller can write the result straight into memory
// of the right size: the constructor finds the occurrences (the one search
// pass) and keeps their positions, WriteTo() copies around them. Only when a
// text holds more occurrences than is worth keeping (one per 16 characters:
// the positions then would take a quarter of the text's memory) are the later
// ones searched for again while writing.
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
    std::vector<size_t> positions_;  // the first occurrences found, in order
    bool allKept_ = true;            // positions_ holds every occurrence
    size_t resultLength_ = 0;
};

std::u16string Substitute(std::u16string_view text, std::u16string_view find, std::u16string_view replacement);

}  // namespace zw::strings
