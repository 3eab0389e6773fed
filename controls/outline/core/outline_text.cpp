#include "controls/outline/core/outline_text.h"

namespace zw::outline {

std::vector<OutlineTextItem> ParseOutlineText(std::string_view bytes) {
    const size_t end = bytes.find('\0');
    if (end != std::string_view::npos) bytes = bytes.substr(0, end);

    std::vector<OutlineTextItem> items;
    // Indentation recorded for each depth; the root's is -1 so any line is deeper.
    std::vector<long> recorded{-1};
    size_t depth = 0;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t lineEnd = bytes.find("\r\n", start);
        if (lineEnd == std::string_view::npos) lineEnd = bytes.size();
        const std::string_view line = bytes.substr(start, lineEnd - start);
        start = lineEnd + 2;

        long indent = 0;
        size_t first = 0;
        for (; first < line.size() && (line[first] == '\t' || line[first] == ' '); ++first)
            indent += line[first] == '\t' ? 8 : 1;
        if (first == line.size()) continue;

        for (;;) {
            if (indent > recorded[depth]) {
                items.push_back({true, depth, line.substr(first)});
                ++depth;
                recorded.resize(depth + 1);
                recorded[depth] = indent;
                break;
            }
            if (indent == recorded[depth]) {
                items.push_back({false, depth, line.substr(first)});
                break;
            }
            // Shallower: step back to the depth the line is deeper than
            // (the root at worst), then place it there.
            while (depth > 0 && indent <= recorded[depth]) --depth;
        }
    }
    return items;
}

}  // namespace zw::outline
