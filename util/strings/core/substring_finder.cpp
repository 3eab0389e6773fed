#include "util/strings/core/substring_finder.h"

namespace zw::strings {

size_t FindChar(std::u16string_view text, char16_t c, size_t from) {
    const char16_t* data = text.data();
    const size_t size = text.size();
    for (size_t i = from; i < size; ++i) {
        if (data[i] == c) return i;
    }
    return std::u16string_view::npos;
}

SubstringFinder::SubstringFinder(std::u16string_view pattern) : pattern_(pattern), border_(pattern.size(), 0) {
    std::uint32_t k = 0;
    for (size_t i = 1; i < pattern_.size(); ++i) {
        while (k > 0 && pattern_[i] != pattern_[k]) k = border_[k - 1];
        if (pattern_[i] == pattern_[k]) ++k;
        border_[i] = k;
    }
}

size_t SubstringFinder::Find(std::u16string_view text, size_t from) const {
    const size_t m = pattern_.size();
    const size_t n = text.size();
    if (m == 0) return from <= n ? from : std::u16string_view::npos;
    if (from >= n || n - from < m) return std::u16string_view::npos;
    const char16_t first = pattern_[0];
    size_t matched = 0;
    size_t i = from;
    while (i < n) {
        if (matched == 0) {
            i = FindChar(text, first, i);
            if (i == std::u16string_view::npos || n - i < m) return std::u16string_view::npos;
            matched = 1;
            ++i;
        } else if (text[i] == pattern_[matched]) {
            ++matched;
            ++i;
        } else {
            matched = border_[matched - 1];
            continue;
        }
        if (matched == m) return i - m;
    }
    return std::u16string_view::npos;
}

}  // namespace zw::strings
