// One-character case mappings. The portable code takes them as parameters so
// that the Windows glue can pass the system's own mappings; the ASCII ones here
// serve tests and any caller without a system mapping.
#pragma once

namespace zw::strings {

using CharMapping = char16_t (*)(char16_t);

struct CaseMapping {
    CharMapping upper;
    CharMapping lower;
};

constexpr char16_t AsciiUpper(char16_t c) {
    return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 0x20) : c;
}
constexpr char16_t AsciiLower(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 0x20) : c;
}

inline constexpr CaseMapping kAsciiCaseMapping{&AsciiUpper, &AsciiLower};

}  // namespace zw::strings
