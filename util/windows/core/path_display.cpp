#include "util/windows/core/path_display.h"

#include <vector>

namespace zw::windows {
namespace {

constexpr std::u16string_view kEllipsis = u"...";
// The shortest a cut last element gets, "..." included.
constexpr size_t kShortestLast = 5;

bool IsSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

struct PathParts {
    std::u16string head;                 // root and the separator after it ("C:\", "\\server\", "")
    std::vector<std::u16string> middle;  // directories between the head and the last element
    std::u16string last;                 // the last element
    char16_t separator = u'\\';          // the separator the text uses
};

PathParts Split(std::u16string_view text) {
    PathParts parts;
    size_t rootEnd = 0;
    if (text.size() >= 2 && text[1] == u':') {
        rootEnd = 2;
    } else if (text.size() >= 2 && IsSeparator(text[0]) && text[1] == text[0]) {
        rootEnd = 2;
        while (rootEnd < text.size() && !IsSeparator(text[rootEnd])) ++rootEnd;
    }
    size_t start = rootEnd;
    while (start < text.size() && IsSeparator(text[start])) ++start;
    for (size_t i = 0; i < text.size(); ++i) {
        if (IsSeparator(text[i])) {
            parts.separator = text[i];
            break;
        }
    }
    parts.head = std::u16string(text.substr(0, start));
    std::u16string element;
    for (size_t i = start; i < text.size(); ++i) {
        if (IsSeparator(text[i])) {
            if (!element.empty()) parts.middle.push_back(std::move(element));
            element.clear();
        } else {
            element += text[i];
        }
    }
    parts.last = std::move(element);
    return parts;
}

// The head, "..." when directories were dropped, the remaining directories
// from `firstKept`, and `last`, joined with the separator.
std::u16string Join(const PathParts& parts, size_t firstKept, std::u16string_view last) {
    std::u16string out = parts.head;
    if (firstKept > 0) {
        out += kEllipsis;
        out += parts.separator;
    }
    for (size_t i = firstKept; i < parts.middle.size(); ++i) {
        out += parts.middle[i];
        out += parts.separator;
    }
    out += last;
    return out;
}

}  // namespace

std::u16string ShortenPath(std::u16string_view text, int width, const TextMeasure& measure) {
    if (measure(text) <= width) return std::u16string(text);
    if (!text.empty() && text.back() == u'\\') text.remove_suffix(1);
    const PathParts parts = Split(text);
    std::u16string shown = Join(parts, 0, parts.last);
    for (size_t dropped = 1; measure(shown) > width && dropped <= parts.middle.size(); ++dropped) {
        shown = Join(parts, dropped, parts.last);
    }
    const size_t allDropped = parts.middle.size();
    for (size_t keep = parts.last.size(); measure(shown) > width && keep > 0;) {
        --keep;
        if (keep + kEllipsis.size() < kShortestLast) break;
        shown = Join(parts, allDropped, parts.last.substr(0, keep) + std::u16string(kEllipsis));
    }
    return shown;
}

}  // namespace zw::windows
