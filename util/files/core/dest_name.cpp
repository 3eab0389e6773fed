#include "util/files/core/dest_name.h"

namespace zw::files {

std::u16string_view DirectoryPart(std::u16string_view path) {
    const size_t slash = path.rfind(u'\\');
    if (slash != std::u16string_view::npos) return path.substr(0, slash + 1);
    if (path.size() >= 2 && path[1] == u':') return path.substr(0, 2);
    return {};
}

std::u16string_view NamePart(std::u16string_view path) {
    return path.substr(DirectoryPart(path).size());
}

bool HasWildcards(std::u16string_view text) {
    return text.find_first_of(u"*?") != std::u16string_view::npos;
}

bool IsDriveAlone(std::u16string_view path) {
    if (path.size() != 2 || path[1] != u':') return false;
    const char16_t letter = path[0];
    return (letter >= u'A' && letter <= u'Z') || (letter >= u'a' && letter <= u'z');
}

std::u16string TargetName(std::u16string_view pattern, std::u16string_view source) {
    constexpr size_t npos = std::u16string_view::npos;
    std::u16string target;
    size_t s = 0;  // position in the source name
    size_t p = 0;  // position in the pattern
    while (p < pattern.size()) {
        const char16_t c = pattern[p];
        if (c == u'*') {
            const size_t sourceDot = source.find(u'.', s);
            const size_t patternDot = pattern.find(u'.', p + 1);
            if (sourceDot == npos || patternDot == npos) {
                target.append(source.substr(s));
                return target;
            }
            target.append(source.substr(s, sourceDot - s));
            s = sourceDot;
            p = patternDot;
        } else if (c == u'?') {
            if (s < source.size() && source[s] != u'.') target.push_back(source[s++]);
            ++p;
        } else if (c == u'.') {
            target.push_back(u'.');
            const size_t sourceDot = source.find(u'.', s);
            s = sourceDot == npos ? source.size() : sourceDot + 1;
            ++p;
        } else {
            target.push_back(c);
            if (s < source.size()) ++s;
            ++p;
        }
    }
    return target;
}

}  // namespace zw::files
