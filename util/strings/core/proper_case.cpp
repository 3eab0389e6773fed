#include "util/strings/core/proper_case.h"

#include <string_view>

namespace zw::strings {

namespace {
constexpr std::u16string_view kSeparators = u"~!@#$%^&*()_+|-=\\{}[]:\";'<>?,./";
static_assert(kSeparators.size() == 31);

// All separators are ASCII: a 128-entry table answers per character in O(1).
struct SeparatorTable {
    bool isSeparator[128] = {};
    constexpr SeparatorTable() {
        for (char16_t c : kSeparators) isSeparator[c] = true;
    }
};
constexpr SeparatorTable kSeparatorTable;

// The letter after the first occurrence of `prefix` becomes a capital unless it
// is a space: "macintosh" gives "MacIntosh", "mac donald" stays "Mac Donald".
void CapitaliseAfterPrefix(std::u16string& text, std::u16string_view prefix, CharMapping upper) {
    const size_t at = text.find(prefix);
    if (at == std::u16string::npos) return;
    const size_t next = at + prefix.size();
    if (next < text.size() && text[next] != u' ') text[next] = upper(text[next]);
}
}  // namespace

bool IsProperSeparator(char16_t c) {
    return c < 128 && kSeparatorTable.isSeparator[c];
}

// A separator acts exactly like a space for the word-start flag and is itself
// left as it is, so one walk does the work without setting the separators
// aside and putting them back.
void ProperCase(std::u16string& text, const CaseMapping& mapping) {
    bool wordStart = true;
    for (char16_t& c : text) {
        if (c == u' ' || IsProperSeparator(c)) {
            wordStart = true;
        } else if (wordStart) {
            c = mapping.upper(c);
            wordStart = false;
        } else {
            c = mapping.lower(c);
        }
    }
    CapitaliseAfterPrefix(text, u"Mac", mapping.upper);
    CapitaliseAfterPrefix(text, u"Mc", mapping.upper);
}

}  // namespace zw::strings
