// Path display: a path shortened to fit a width, for fields that show paths.
//
// The path is taken apart into its root (a drive "X:", or a server "\\name"
// or "//name"), the separator after the root, the middle directories and the
// last element. While the text is too wide, middle directories are dropped
// from the front, "..." standing in for all of them; when none is left and
// it is still too wide, the last element is cut at its end and ended with
// "...", down to 5 characters ("ab..."). The root and the last element's
// first characters always stay.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace zw::windows {

// Measures a text: its width in the units the limit is given in.
using TextMeasure = std::function<int(std::u16string_view)>;

// The text as it is when it fits `width`; otherwise, without a trailing
// backslash, shortened as described above. The result fits whenever the root
// and a 5-character last element fit.
std::u16string ShortenPath(std::u16string_view text, int width, const TextMeasure& measure);

}  // namespace zw::windows
