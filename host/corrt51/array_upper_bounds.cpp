// Host arrays by their upper bound: the array operations that name a
// dimension (always 1 here) and leave the lower bound alone.
#include "frame/host_api.h"

namespace {
bool IsArrayDimension(HARRAY array, int dimension) {
    int dimensions = 0;
    return HostArrayGetDimCount(array, &dimensions) && dimension >= 1 && dimension <= dimensions;
}
}  // namespace

extern "C" BOOL __stdcall HostArrayGetUpperBound(HARRAY array, int dimension, LONG* upper) {
    if (!upper || !IsArrayDimension(array, dimension)) return FALSE;
    LONG lower = 0;
    HostArrayGetBounds(array, &lower, upper);
    return TRUE;
}

extern "C" BOOL __stdcall HostArraySetUpperBound(HARRAY array, int dimension, LONG upper) {
    if (!IsArrayDimension(array, dimension)) return FALSE;
    LONG lower = 0, last = 0;
    HostArrayGetBounds(array, &lower, &last);
    return HostArraySetBounds(array, lower, upper);
}
