#include "util/strings/core/substitute.h"

#include <algorithm>
#include <limits>
#include <new>

namespace zw::strings {

// Each search continues where the last occurrence ended, so the search is
// linear in the text and the writing in the result.
Substitution::Substitution(std::u16string_view text, std::u16string_view find, std::u16string_view replacement)
    : text_(text), find_(find), replacement_(replacement), finder_(find) {
    if (find_.empty()) {
        resultLength_ = text_.size();
        return;
    }
    const size_t keep = text_.size() / 16 + 16;
    unsigned long long occurrences = 0;
    for (size_t at = finder_.Find(text_, 0); at != std::u16string_view::npos;
         at = finder_.Find(text_, at + find_.size())) {
        if (positions_.size() < keep) {
            positions_.push_back(at);
        } else {
            allKept_ = false;
        }
        ++occurrences;
    }
    const unsigned long long length =
        text_.size() - occurrences * find_.size() + occurrences * static_cast<unsigned long long>(replacement_.size());
    if (length > std::numeric_limits<size_t>::max() / 4) throw std::bad_alloc();
    resultLength_ = static_cast<size_t>(length);
}

void Substitution::WriteTo(char16_t* out) const {
    if (find_.empty()) {
        std::copy(text_.begin(), text_.end(), out);
        return;
    }
    size_t done = 0;
    const auto replace = [&](size_t at) {
        out = std::copy(text_.begin() + done, text_.begin() + at, out);
        out = std::copy(replacement_.begin(), replacement_.end(), out);
        done = at + find_.size();
    };
    for (const size_t at : positions_) replace(at);
    if (!allKept_) {
        for (size_t at = finder_.Find(text_, done); at != std::u16string_view::npos; at = finder_.Find(text_, done)) {
            replace(at);
        }
    }
    std::copy(text_.begin() + done, text_.end(), out);
}

std::u16string Substitute(std::u16string_view text, std::u16string_view find, std::u16string_view replacement) {
    const Substitution substitution(text, find, replacement);
    std::u16string result(substitution.ResultLength(), u'\0');
    substitution.WriteTo(result.data());
    return result;
}

}  // namespace zw::strings
