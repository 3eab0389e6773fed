#include "controls/dropdown/dropdown_protocol.h"

namespace zw::dropdown {

bool HasNewShell() {
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExW(&version)) return true;
    return version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS ||
           (version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion >= 4);
}

DWORD FieldStyle() {
    return HasNewShell() ? kFieldStyle : kFieldStyle | WS_BORDER;
}

void PostNotification(HWND receiver, HWND sender, WORD code) {
    if (!receiver || !IsWindow(receiver)) return;
    const WORD id = static_cast<WORD>(GetDlgCtrlID(sender));
    PostMessageW(receiver, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(sender));
}

}  // namespace zw::dropdown
