// The in-memory string table: the lines of a text file, each followed by a NUL
// character, and the whole followed by one 0x1A (Ctrl-Z) end marker.
#pragma once

#include <optional>
#include <string_view>

namespace zw::strings {

inline constexpr char16_t kStringTableEnd = 0x1A;

// Characters a table needs for a text of `textLength` characters: the text
// (CR LF pairs only shrink it), a final NUL and the end marker.
constexpr size_t StringTableCapacity(size_t textLength) { return textLength + 2; }

// Writes the table for `text` into `table` and returns the characters written.
// Each CR LF pair becomes one NUL; a lone CR or LF stays a character. A NUL is
// added unless the last character written is one (a text ending in CR LF gets
// no extra empty line; an empty text becomes one empty line), then the end
// marker. Never writes more than `capacity` characters. `table` may be
// `text.data()`: the text is then rewritten in place (a write never gets ahead
// of the character being read).
size_t WriteStringTable(std::u16string_view text, char16_t* table, size_t capacity);

// Looks for `key` (case-sensitive) in each line in turn, up to the end marker
// or the end of `table`, and returns the first matching line from the start of
// the key to the end of the line; nothing when no line holds the key.
std::optional<std::u16string_view> FindInStringTable(std::u16string_view table, std::u16string_view key);

}  // namespace zw::strings
