// ZelWinSetMeter: sets a meter's percentage.
#include "controls/spin/core/spin_layout.h"
#include "controls/spin/meter.h"
#include "frame/call_frame.h"

namespace {

// Only a meter keeps its value in its first window word: writing that word
// of any other window would overwrite someone else's data.
bool IsMeter(HWND window) {
    wchar_t name[32] = {};
    return IsWindow(window) && GetClassNameW(window, name, 32) && lstrcmpiW(name, zw::kMeterClassName) == 0;
}

}  // namespace

extern "C" int __stdcall ZelWinSetMeter(HWND meter, UINT percent) {
    if (!IsMeter(meter) || percent > zw::spin::kMeterMaximum) return -87;
    return zw::Guarded(L"ZelWinSetMeter()", -87, [&] {
        zw::SetMeterValue(meter, percent);
        return 0;
    });
}
