// ZelArrayFindString, ZelArrayFindNumber, ZelArrayFindDateTime: the index of
// the first element, from the lower bound up, that matches a value.
#include <windows.h>

#include <array>
#include <cwchar>

#include "frame/call_frame.h"
#include "util/strings/core/number_equality.h"
#include "util/strings/host_arrays.h"
#include "util/strings/text_args.h"

namespace zw::strings {
namespace {

// Scans the elements in order; `matches(index)` tests one. -1 when none
// matches, the array is empty or it has more than one dimension.
template <typename Matches>
int FindFirst(HARRAY array, Matches matches) {
    const auto bounds = OneDimensionalBounds(array);
    if (!bounds) return -1;
    for (LONG index = bounds->lower; index <= bounds->upper; ++index) {
        if (matches(index)) return index;
    }
    return -1;
}

// Whole-text comparison without regard to case, as _wcsicmp makes it, done
// on the element's text in place.
bool SameTextIgnoringCase(HARRAY array, LONG index, std::wstring_view text) {
    HOSTSTR element = 0;
    if (!HostArrayGetString(array, &element, index)) return false;
    DWORD bytes = 0;
    const WCHAR* stored = HostStrLock(element, &bytes);
    size_t length = 0;
    while (stored && length < bytes / sizeof(WCHAR) && stored[length]) ++length;
    const bool same = stored && length == text.size() && _wcsnicmp(stored, text.data(), length) == 0;
    HostStrRelease(element);
    return same;
}

// Year, month, day, hour, minute and second: what two date/times must share
// to match (fractions of a second do not count).
std::array<int, 6> DateParts(const HostDate& date) {
    return {HostDateYear(&date), HostDateMonth(&date), HostDateDay(&date),
            HostDateHour(&date), HostDateMinute(&date), HostDateSecond(&date)};
}

}  // namespace
}  // namespace zw::strings

extern "C" int __stdcall ZelArrayFindString(HARRAY array, LPCWSTR text) {
    return zw::Guarded(L"ZelArrayFindString()", -1, [&] {
        const std::wstring_view wanted = zw::strings::Wide(zw::strings::TextArg(text));
        return zw::strings::FindFirst(array, [&](LONG index) {
            return zw::strings::SameTextIgnoringCase(array, index, wanted);
        });
    });
}

extern "C" int __stdcall ZelArrayFindNumber(HARRAY array, HostNumber number) {
    return zw::Guarded(L"ZelArrayFindNumber()", -1, [&] {
        return zw::strings::FindFirst(array, [&](LONG index) {
            HostNumber element{};
            return HostArrayGetNumber(array, &element, index) && zw::strings::SameHostNumber(element, number);
        });
    });
}

extern "C" int __stdcall ZelArrayFindDateTime(HARRAY array, HostDate dateTime) {
    return zw::Guarded(L"ZelArrayFindDateTime()", -1, [&] {
        const auto wanted = zw::strings::DateParts(dateTime);
        return zw::strings::FindFirst(array, [&](LONG index) {
            HostDate element{};
            return HostArrayGetDateTime(array, &element, index) && zw::strings::DateParts(element) == wanted;
        });
    });
}
