// ZelArrayInsertItem: an empty element put in at an index, the later ones
// moved up.
#include <windows.h>

#include "frame/call_frame.h"
#include "util/strings/host_arrays.h"

namespace zw::strings {
namespace {

constexpr int kBadArgument = -87;
constexpr int kOutOfMemory = -8;

int InsertItem(HARRAY array, LONG index, int type) {
    const auto bounds = OneDimensionalBounds(array);
    if (!bounds) return -1;
    if (bounds->count == 0 || index < bounds->lower || index > bounds->upper || !IsElementType(type)) {
        return kBadArgument;
    }
    // From the top down, so that every element is read before it is overwritten.
    for (LONG at = bounds->upper; at >= index; --at) {
        if (!MoveElement(type, array, at, array, at + 1)) return kOutOfMemory;
    }
    StoreEmptyElement(type, array, index);
    HostArraySetBounds(array, bounds->lower, bounds->upper + 1);
    return bounds->count + 1;
}

}  // namespace
}  // namespace zw::strings

extern "C" int __stdcall ZelArrayInsertItem(HARRAY array, LONG index, int type) {
    return zw::Guarded(L"ZelArrayInsertItem()", -1, [&] { return zw::strings::InsertItem(array, index, type); });
}
