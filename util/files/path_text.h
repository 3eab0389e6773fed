// Moves names between Windows wide strings and the portable cores' UTF-16
// strings (both 16-bit units on Windows; copied, never reinterpreted).
#pragma once

#include <string>
#include <string_view>

namespace zw::files {

inline std::u16string ToU16(std::wstring_view text) { return std::u16string(text.begin(), text.end()); }
inline std::wstring ToWide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

}  // namespace zw::files
