// Case-sensitive substring search in time linear in the text searched.
//
// A Knuth-Morris-Pratt matcher: after a partial match it never re-reads text,
// so no input (for example "aaaa…b" searched for "aa…ab") costs more than one
// pass. While no partial match is pending it skips ahead to the next
// occurrence of the pattern's first character with a tight scan, which keeps
// ordinary searches as fast as a plain character search.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zw::strings {

class SubstringFinder {
public:
    explicit SubstringFinder(std::u16string_view pattern);

    // Position of the first occurrence that starts at or after `from`, or npos.
    // An empty pattern is found at `from` (when from <= text.size()).
    size_t Find(std::u16string_view text, size_t from = 0) const;

    size_t PatternSize() const { return pattern_.size(); }

private:
    std::u16string pattern_;
    // border_[i]: length of the longest proper border of pattern_[0..i].
    std::vector<std::uint32_t> border_;
};

// Position of the first `c` in text[from..), or npos.
size_t FindChar(std::u16string_view text, char16_t c, size_t from);

}  // namespace zw::strings
