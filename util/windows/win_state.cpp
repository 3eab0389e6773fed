// The window state exports: whether a window exists, is a child, is
// maximized, minimized or restored, and its style. A host form answers for
// its frame wherever its state is tested.
#include "frame/call_frame.h"
#include "util/windows/host_windows.h"

namespace {

constexpr LONG kSizedStates = WS_MINIMIZE | WS_MAXIMIZE;  // 0x21000000

}  // namespace

extern "C" BOOL __stdcall ZelWinIsWindow(HWND window) {
    return zw::Guarded(L"ZelWinIsWindow()", BOOL(FALSE), [&] { return IsWindow(window); });
}

extern "C" BOOL __stdcall ZelWinIsChild(HWND parent, HWND window) {
    return zw::Guarded(L"ZelWinIsChild()", BOOL(FALSE), [&] { return IsChild(parent, window); });
}

extern "C" BOOL __stdcall ZelWinIsMaximized(HWND window) {
    if (!IsWindow(window)) return FALSE;
    return zw::Guarded(L"ZelWinIsMaximized()", BOOL(FALSE),
                       [&] { return IsZoomed(zw::windows::FormFrame(window)); });
}

extern "C" BOOL __stdcall ZelWinIsMinimized(HWND window) {
    if (!IsWindow(window)) return FALSE;
    return zw::Guarded(L"ZelWinIsMinimized()", BOOL(FALSE),
                       [&] { return IsIconic(zw::windows::FormFrame(window)); });
}

extern "C" BOOL __stdcall ZelWinIsRestored(HWND window) {
    if (!IsWindow(window)) return FALSE;
    return zw::Guarded(L"ZelWinIsRestored()", BOOL(FALSE), [&] {
        return (GetWindowLongW(zw::windows::FormFrame(window), GWL_STYLE) & kSizedStates) ? FALSE : TRUE;
    });
}

extern "C" LONG __stdcall ZelWinGetStyle(HWND window) {
    if (!IsWindow(window)) return -1;
    return zw::Guarded(L"ZelWinGetStyle()", LONG(-1), [&] { return GetWindowLongW(window, GWL_STYLE); });
}

extern "C" BOOL __stdcall ZelWinSetStyle(HWND window, LONG bits, BOOL set) {
    if (!zw::windows::IsOwnWindow(window)) return FALSE;
    return zw::Guarded(L"ZelWinSetStyle()", BOOL(FALSE), [&] {
        const LONG style = GetWindowLongW(window, GWL_STYLE);
        // SetWindowLongW answers the previous style, which may be 0: only the
        // last error tells a failure.
        SetLastError(ERROR_SUCCESS);
        SetWindowLongW(window, GWL_STYLE, set ? style | bits : style & ~bits);
        return GetLastError() == ERROR_SUCCESS ? TRUE : FALSE;
    });
}
