// Indented outline text files: each line becomes an item, placed by its
// indentation (a tab counts 8 columns, a space 1) against the lines before
// it. Lines end at CR LF pairs; a last line without one ends at the end of
// the file (or at a NUL byte). Lines with nothing but indentation make no item.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace zw::outline {

// Where a line's item goes. The reader keeps a table of current items by
// depth, with the root at depth 0. `asChild`: the item becomes the last child
// of the current item at `depth` (which first gets the parent pictures), and
// the new current item at depth + 1. Otherwise it becomes the next sibling of
// the current item at `depth` and replaces it there.
struct OutlineTextItem {
    bool asChild = false;
    std::size_t depth = 0;
    std::string_view text;  // the rest of the line after its indentation (ANSI bytes)
};

std::vector<OutlineTextItem> ParseOutlineText(std::string_view bytes);

// Files of this many bytes or more are refused.
constexpr std::size_t kMaxOutlineFile = 65534;

}  // namespace zw::outline
