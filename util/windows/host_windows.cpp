#include "util/windows/host_windows.h"

#include "frame/host_api.h"

namespace zw::windows {

bool IsDataField(HWND window) {
    const DWORD type = HostGetObjectType(window);
    return type == HOST_TYPE_FIELD || type == HOST_TYPE_MULTILINE_FIELD;
}

HWND FormFrame(HWND window) {
    if (HostGetObjectType(window) != HOST_TYPE_FORM) return window;
    HWND frame = GetParent(window);
    return frame ? frame : window;
}

bool IsOwnWindow(HWND window) {
    DWORD process = 0;
    return IsWindow(window) && GetWindowThreadProcessId(window, &process) && process == GetCurrentProcessId();
}

}  // namespace zw::windows
