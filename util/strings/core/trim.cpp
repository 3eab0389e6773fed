#include "util/strings/core/trim.h"

namespace zw::strings {

std::u16string_view LeftTrim(std::u16string_view text) {
    size_t first = 0;
    while (first < text.size() && IsTrimSpace(text[first])) ++first;
    return text.substr(first);
}

// Walks back from the end, so only the trailing run is visited: the cost does
// not depend on the length of the text before it.
std::u16string_view RightTrim(std::u16string_view text) {
    size_t end = text.size();
    while (end > 0 && IsTrimSpace(text[end - 1])) --end;
    return text.substr(0, end);
}

std::u16string_view Trim(std::u16string_view text) {
    return RightTrim(LeftTrim(text));
}

}  // namespace zw::strings
