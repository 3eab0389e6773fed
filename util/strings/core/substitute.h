// Replacing every occurrence of a text.
#pragma once

#include <string>
#include <string_view>

namespace zw::strings {

// `text` with every occurrence of `find` (case-sensitive, searched from the
// front, never overlapping) replaced by `replacement`. The replacement text is
// never searched again. An empty `find` leaves the text unchanged.
std::u16string Substitute(std::u16string_view text, std::u16string_view find, std::u16string_view replacement);

}  // namespace zw::strings
