// The lines of a table cell's text, as a column is sized to them: a carriage
// return or a line feed ends a line, and the line ends are not part of it.
#pragma once

#include <cstddef>
#include <string_view>

namespace zw::windows {

// Calls `line(std::u16string_view)` for every non-empty line of `text`, in order.
template <typename Line>
void ForEachCellLine(std::u16string_view text, Line&& line) {
    std::size_t begin = 0;
    for (std::size_t at = 0; at <= text.size(); ++at) {
        if (at == text.size() || text[at] == u'\r' || text[at] == u'\n') {
            if (at > begin) line(text.substr(begin, at - begin));
            begin = at + 1;
        }
    }
}

}  // namespace zw::windows
