#include "util/strings/core/string_table.h"

#include "util/strings/core/substring_finder.h"

namespace zw::strings {

size_t WriteStringTable(std::u16string_view text, char16_t* table, size_t capacity) {
    size_t written = 0;
    auto put = [&](char16_t c) {
        if (written < capacity) table[written++] = c;
    };
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            put(u'\0');
            ++i;
        } else {
            put(text[i]);
        }
    }
    if (written == 0 || table[written - 1] != u'\0') put(u'\0');
    put(kStringTableEnd);
    return written;
}

std::optional<std::u16string_view> FindInStringTable(std::u16string_view table, std::u16string_view key) {
    const SubstringFinder finder(key);
    size_t lineStart = 0;
    while (lineStart < table.size() && table[lineStart] != kStringTableEnd) {
        size_t lineEnd = FindChar(table, u'\0', lineStart);
        if (lineEnd == std::u16string_view::npos) lineEnd = table.size();
        const std::u16string_view line = table.substr(lineStart, lineEnd - lineStart);
        const size_t at = finder.Find(line);
        if (at != std::u16string_view::npos) return line.substr(at);
        lineStart = lineEnd + 1;
    }
    return std::nullopt;
}

}  // namespace zw::strings
