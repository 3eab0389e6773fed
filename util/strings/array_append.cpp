// ZelArrayAppend: the elements of one array added after those of another.
#include <windows.h>

#include "frame/call_frame.h"
#include "util/strings/host_arrays.h"

namespace zw::strings {
namespace {

constexpr int kOutOfMemory = -8;

int Append(HARRAY source, HARRAY target, int type) {
    const auto from = OneDimensionalBounds(source);
    auto to = OneDimensionalBounds(target);
    if (!from || !to) return -1;
    if (from->count == 0) return 0;
    // An empty target is filled from index 0, whatever lower bound it kept.
    const ArrayBounds before = *to;
    if (to->count == 0) *to = ArrayBounds{0, 0, -1};
    for (LONG i = 0; i < from->count; ++i) {
        if (!MoveElement(type, source, from->lower + i, target, to->upper + 1 + i)) {
            // Out of memory: the target goes back to what it held.
            HostArraySetBounds(target, before.lower, before.count ? before.upper : -1);
            return kOutOfMemory;
        }
    }
    HostArraySetBounds(target, to->lower, to->upper + from->count);
    return to->count + from->count;
}

}  // namespace
}  // namespace zw::strings

extern "C" int __stdcall ZelArrayAppend(HARRAY source, HARRAY target, int type) {
    return zw::Guarded(L"ZelArrayAppend()", -1, [&] { return zw::strings::Append(source, target, type); });
}
