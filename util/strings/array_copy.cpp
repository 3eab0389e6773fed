// ZelArrayCopy: one array made the element-for-element copy of another.
#include <windows.h>

#include "frame/call_frame.h"
#include "util/strings/host_arrays.h"

namespace zw::strings {
namespace {

constexpr int kOutOfMemory = -8;

int Copy(HARRAY source, HARRAY target, int type) {
    const auto from = OneDimensionalBounds(source);
    if (!from || !OneDimensionalBounds(target)) return -1;
    for (LONG index = from->lower; index <= from->upper; ++index) {
        if (!MoveElement(type, source, index, target, index)) return kOutOfMemory;
    }
    HostArraySetBounds(target, from->lower, from->count ? from->upper : -1);
    return from->count;
}

}  // namespace
}  // namespace zw::strings

extern "C" int __stdcall ZelArrayCopy(HARRAY source, HARRAY target, int type) {
    return zw::Guarded(L"ZelArrayCopy()", -1, [&] { return zw::strings::Copy(source, target, type); });
}
