// ZelArrayDeleteItem: one element taken out, the later ones moved down.
#include <windows.h>

#include "frame/call_frame.h"
#include "util/strings/host_arrays.h"

namespace zw::strings {
namespace {

constexpr int kBadArgument = -87;
constexpr int kOutOfMemory = -8;

int DeleteItem(HARRAY array, LONG index, int type) {
    const auto bounds = OneDimensionalBounds(array);
    if (!bounds || bounds->count == 0) return -1;
    if (index < bounds->lower || index > bounds->upper) return kBadArgument;
    // Deleting the last element moves nothing, so any type code will do.
    if (index < bounds->upper && !IsElementType(type)) return kBadArgument;
    for (LONG at = index; at < bounds->upper; ++at) {
        if (!MoveElement(type, array, at + 1, array, at)) return kOutOfMemory;
    }
    HostArraySetBounds(array, bounds->lower, bounds->upper - 1);
    return bounds->count - 1;
}

}  // namespace
}  // namespace zw::strings

extern "C" int __stdcall ZelArrayDeleteItem(HARRAY array, LONG index, int type) {
    return zw::Guarded(L"ZelArrayDeleteItem()", -1, [&] { return zw::strings::DeleteItem(array, index, type); });
}
