#include "util/strings/core/substitute.h"

#include "util/strings/core/substring_finder.h"

namespace zw::strings {

// Appends to one growing result and continues each search where the last
// occurrence ended, so the work is linear in the text and the result.
std::u16string Substitute(std::u16string_view text, std::u16string_view find, std::u16string_view replacement) {
    if (find.empty()) return std::u16string(text);
    const SubstringFinder finder(find);
    std::u16string result;
    result.reserve(text.size());
    size_t done = 0;
    for (size_t at = finder.Find(text, 0); at != std::u16string_view::npos; at = finder.Find(text, done)) {
        result.append(text.substr(done, at - done));
        result.append(replacement);
        done = at + find.size();
    }
    result.append(text.substr(done));
    return result;
}

}  // namespace zw::strings
