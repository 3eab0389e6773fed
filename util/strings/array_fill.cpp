// ZelArrayFillString, ZelArrayFillNumber, ZelArrayFillDateTime: an array made
// of `count` copies of one value, at indexes 0 to count - 1.
#include <windows.h>

#include "frame/call_frame.h"
#include "util/strings/host_arrays.h"
#include "util/strings/text_args.h"

namespace zw::strings {
namespace {

// Sets the bounds first, so that a count the host cannot hold is refused
// before anything is stored; then `put(index)` stores each element.
template <typename Put>
int Fill(HARRAY array, int count, Put put) {
    if (!OneDimensionalBounds(array)) return 0;
    if (count <= 0) {
        SetElementCount(array, 0);
        return 1;
    }
    if (!HostArraySetBounds(array, 0, count - 1)) return 0;
    for (LONG index = 0; index < count; ++index) {
        if (!put(index)) return 0;
    }
    return 1;
}

}  // namespace
}  // namespace zw::strings

extern "C" int __stdcall ZelArrayFillString(HARRAY array, LPCWSTR text, int count) {
    return zw::Guarded(L"ZelArrayFillString()", 0, [&] {
        HOSTSTR value = 0;
        return zw::strings::Fill(array, count, [&](LONG index) {
            if (!value) value = zw::strings::StagingString(zw::strings::Wide(zw::strings::TextArg(text)));
            return HostArrayPutString(array, value, index) != 0;
        });
    });
}

extern "C" int __stdcall ZelArrayFillNumber(HARRAY array, HostNumber number, int count) {
    return zw::Guarded(L"ZelArrayFillNumber()", 0, [&] {
        return zw::strings::Fill(array, count, [&](LONG index) { return HostArrayPutNumber(array, &number, index) != 0; });
    });
}

extern "C" int __stdcall ZelArrayFillDateTime(HARRAY array, HostDate dateTime, int count) {
    return zw::Guarded(L"ZelArrayFillDateTime()", 0, [&] {
        return zw::strings::Fill(array, count,
                                 [&](LONG index) { return HostArrayPutDateTime(array, &dateTime, index) != 0; });
    });
}
