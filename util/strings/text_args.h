// Text crossing between the exports (Win32 wide text) and the portable string
// code (char16_t). wchar_t is UTF-16 on Windows, so these are views, not copies.
#pragma once

#include <windows.h>

#include <cwchar>
#include <string_view>

namespace zw::strings {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "wide text is UTF-16 on Windows");

// A NUL-terminated text argument; a null pointer reads as the empty text. The
// length is taken with the C runtime's wcslen, which is faster on long texts
// than a loop over char16_t.
inline std::u16string_view TextArg(LPCWSTR text) {
    if (!text) return {};
    return std::u16string_view(reinterpret_cast<const char16_t*>(text), std::wcslen(text));
}

inline std::wstring_view Wide(std::u16string_view text) {
    return std::wstring_view(reinterpret_cast<const wchar_t*>(text.data()), text.size());
}

}  // namespace zw::strings
