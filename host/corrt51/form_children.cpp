// The host's walk over the children of a form: its own objects (windows it
// knows a type for), in the z-order of the form's child windows, restricted
// to a mask of host types.
#include "frame/host_api.h"

namespace {

HWND FirstMatch(HWND window, DWORD typeMask) {
    for (; window; window = GetWindow(window, GW_HWNDNEXT)) {
        if (HostGetObjectType(window) & typeMask) return window;
    }
    return nullptr;
}

}  // namespace

extern "C" HWND __stdcall HostGetFirstChild(HWND form, DWORD typeMask) {
    if (!IsWindow(form)) return nullptr;
    return FirstMatch(GetWindow(form, GW_CHILD), typeMask);
}

extern "C" HWND __stdcall HostGetNextChild(HWND child, DWORD typeMask) {
    if (!IsWindow(child)) return nullptr;
    return FirstMatch(GetWindow(child, GW_HWNDNEXT), typeMask);
}
