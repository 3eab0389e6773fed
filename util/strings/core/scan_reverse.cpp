#include "util/strings/core/scan_reverse.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace zw::strings {

namespace {

constexpr bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
constexpr bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

class Folder {
public:
    explicit Folder(CharMapping lowerNonAscii) : lowerNonAscii_(lowerNonAscii) {}
    char16_t operator()(char16_t c) const { return c < 0x80 ? AsciiLower(c) : lowerNonAscii_(c); }

private:
    CharMapping lowerNonAscii_;
};

// Whether stepping back from `start` one character at a time reaches `pos`:
// CharPrev moves over a surrogate pair as a whole, so the low half of a pair
// below `start` is skipped.
bool IsStepPosition(std::u16string_view text, size_t pos, size_t start) {
    return pos == start || pos == 0 || !(IsLowSurrogate(text[pos]) && IsHighSurrogate(text[pos - 1]));
}

}  // namespace

// A Knuth-Morris-Pratt match of the reversed folded pattern against the text
// read backwards: every match is met in decreasing order of position, and the
// text is read once, whatever the pattern.
int ScanReverse(std::u16string_view text, int start, std::u16string_view find, CharMapping lowerNonAscii) {
    const long long length = static_cast<long long>(text.size());
    if (start < -1 || start > length - 1) return -1;
    const size_t from = start == -1 ? text.size() - 1 : static_cast<size_t>(start);
    if (find.empty()) return static_cast<int>(from);
    const size_t m = find.size();
    if (m > text.size()) return -1;

    const Folder fold(lowerNonAscii);
    // reversed[k] is the folded find[m - 1 - k].
    std::vector<char16_t> reversed(m);
    for (size_t k = 0; k < m; ++k) reversed[k] = fold(find[m - 1 - k]);
    std::vector<std::uint32_t> border(m, 0);
    for (size_t i = 1, k = 0; i < m; ++i) {
        while (k > 0 && reversed[i] != reversed[k]) k = border[k - 1];
        if (reversed[i] == reversed[k]) ++k;
        border[i] = static_cast<std::uint32_t>(k);
    }

    // The last candidate position must leave room for the whole find text.
    const size_t lastStart = std::min(from, text.size() - m);
    size_t matched = 0;
    // Reading text[i] for i from lastStart + m - 1 down to 0.
    for (size_t i = lastStart + m; i-- > 0;) {
        const char16_t c = fold(text[i]);
        while (matched > 0 && c != reversed[matched]) matched = border[matched - 1];
        if (c == reversed[matched]) ++matched;
        if (matched == m) {
            if (IsStepPosition(text, i, from)) return static_cast<int>(i);
            matched = border[m - 1];
        }
    }
    return -1;
}

}  // namespace zw::strings
