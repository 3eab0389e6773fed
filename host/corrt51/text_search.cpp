// Text operations of the host: finding a text in another without regard to
// case, and splitting a text at a separator into a string array.
#include <array>
#include <string>
#include <string_view>

#include "host/corrt51/strings.h"

namespace {

// Upper-case form of every UTF-16 code unit, as the system maps them, made
// once: the search compares folded units without a call per character.
const std::array<WCHAR, 65536>& UpperTable() {
    static const std::array<WCHAR, 65536> table = [] {
        std::array<WCHAR, 65536> t{};
        for (size_t i = 0; i < t.size(); ++i) t[i] = WCHAR(i);
        // Surrogates are not characters of their own: they stay as they are.
        CharUpperBuffW(t.data(), 0xD800);
        CharUpperBuffW(t.data() + 0xE000, DWORD(t.size() - 0xE000));
        return t;
    }();
    return table;
}

int Find(std::wstring_view text, std::wstring_view find, size_t start) {
    if (start > text.size() || find.size() > text.size() - start) return -1;
    const auto& upper = UpperTable();
    const size_t last = text.size() - find.size();
    for (size_t at = start; at <= last; ++at) {
        size_t i = 0;
        while (i < find.size() && upper[text[at + i]] == upper[find[i]]) ++i;
        if (i == find.size()) return int(at);
    }
    return -1;
}

}  // namespace

extern "C" int __stdcall HostStrFind(LPCWSTR text, LPCWSTR find, int start) {
    if (start < 0) start = 0;
    return Find(text ? text : L"", find ? find : L"", size_t(start));
}

extern "C" int __stdcall HostStrSplit(LPCWSTR text, LPCWSTR separator, HARRAY array) {
    int dimensions = 0;
    if (!HostArrayGetDimCount(array, &dimensions) || dimensions != 1) return -1;
    const std::wstring_view whole = text ? text : L"";
    const std::wstring_view at = separator ? separator : L"";
    LONG count = 0;
    size_t begin = 0;
    while (begin <= whole.size() && !whole.empty()) {
        size_t end = at.empty() ? std::wstring_view::npos : whole.find(at, begin);
        if (end == std::wstring_view::npos) end = whole.size();
        HOSTSTR piece = host::NewString(whole.substr(begin, end - begin));
        const bool stored = piece && HostArrayPutString(array, piece, count);
        host::FreeString(piece);
        if (!stored) return -1;
        ++count;
        if (end == whole.size()) break;
        begin = end + at.size();
    }
    HostArraySetBounds(array, 0, count - 1);
    return count;
}
