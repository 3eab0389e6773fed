// Enabling and disabling windows the host's way, counted for the test surface
// (HostTestObjectCalls with ordinals 3025 and 3026).
#include "frame/host_api.h"
#include "host/corrt51/object_calls.h"

extern "C" BOOL __stdcall HostEnableWindow(HWND window) {
    CountObjectCall(window, 3025);
    if (!IsWindow(window)) return FALSE;
    EnableWindow(window, TRUE);
    return TRUE;
}

extern "C" BOOL __stdcall HostDisableWindow(HWND window) {
    CountObjectCall(window, 3026);
    if (!IsWindow(window)) return FALSE;
    EnableWindow(window, FALSE);
    return TRUE;
}
