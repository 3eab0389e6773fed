// Host objects: showing, hiding and placing a window in form units, with the
// count of host-object calls that the test surface reports.
//
// The replacement host's form unit is one inch of the window's screen
// (LOGPIXELSX across, LOGPIXELSY down), kept as a double, so converting
// pixels to form units and back lands on the same pixel.
#include <cmath>
#include <map>
#include <utility>

#include "frame/host_api.h"
#include "host/corrt51/object_calls.h"
#include "host/host_test.h"

namespace {

std::map<std::pair<HWND, int>, int> objectCalls;

int PixelsPerInch(HWND window, int axis) {
    HDC dc = GetDC(window);
    const int perInch = dc ? GetDeviceCaps(dc, axis == 0 ? LOGPIXELSX : LOGPIXELSY) : 0;
    if (dc) ReleaseDC(window, dc);
    return perInch > 0 ? perInch : 96;
}

int ToPixels(HWND window, double units, int axis) { return int(std::lround(units * PixelsPerInch(window, axis))); }

}  // namespace

extern "C" BOOL __stdcall HostShowObject(HWND window) {
    CountObjectCall(window, 22);
    if (!IsWindow(window)) return FALSE;
    ShowWindow(window, SW_SHOWNA);
    return TRUE;
}

extern "C" BOOL __stdcall HostHideObject(HWND window) {
    CountObjectCall(window, 23);
    if (!IsWindow(window)) return FALSE;
    ShowWindow(window, SW_HIDE);
    return TRUE;
}

extern "C" BOOL __stdcall HostSetObjectLocation(HWND window, double x, double y) {
    CountObjectCall(window, 356);
    return SetWindowPos(window, nullptr, ToPixels(window, x, 0), ToPixels(window, y, 1), 0, 0,
                        SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

extern "C" BOOL __stdcall HostSetObjectSize(HWND window, double width, double height) {
    CountObjectCall(window, 358);
    return SetWindowPos(window, nullptr, 0, 0, ToPixels(window, width, 0), ToPixels(window, height, 1),
                        SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

extern "C" double __stdcall HostPixelsToFormUnits(HWND window, int pixels, int axis) {
    return double(pixels) / PixelsPerInch(window, axis);
}

void CountObjectCall(HWND window, int ordinal) { ++objectCalls[{window, ordinal}]; }

extern "C" int __stdcall HostTestObjectCalls(HWND window, int ordinal) {
    auto it = objectCalls.find({window, ordinal});
    return it == objectCalls.end() ? 0 : it->second;
}
