// The placement exports: moving and showing a window (a host form moves and
// shows with its frame), and the tab order of a form's fields.
#include "frame/call_frame.h"
#include "frame/host_api.h"
#include "util/windows/host_windows.h"

namespace zw::windows {
namespace {

// Forms and the host's other top-level windows that sit in a container
// window, not in an MDI client, are shown and hidden with that container.
HWND ShownWindow(HWND window) {
    const DWORD type = HostGetObjectType(window);
    if (type != HOST_TYPE_FORM && type != HOST_TYPE_TOP_WINDOW && type != HOST_TYPE_TOP_WINDOW_OTHER) return window;
    if (!(GetWindowLongW(window, GWL_STYLE) & WS_CHILD)) return window;
    HWND parent = GetParent(window);
    wchar_t className[16] = {};
    if (!parent || (GetClassNameW(parent, className, 16) && lstrcmpiW(className, L"MDIClient") == 0)) return window;
    return parent;
}

// SWP_NOSIZE | SWP_NOMOVE | SWP_NOREDRAW | SWP_NOACTIVATE: only the z-order,
// and so the tab order, changes.
constexpr UINT kZOrderOnly = 0x1B;

}  // namespace
}  // namespace zw::windows

extern "C" BOOL __stdcall ZelWinMove(HWND window, int x, int y, int width, int height) {
    if (!IsWindow(window)) return FALSE;
    return zw::Guarded(L"ZelWinMove()", BOOL(FALSE),
                       [&] { return MoveWindow(zw::windows::FormFrame(window), x, y, width, height, TRUE); });
}

extern "C" BOOL __stdcall ZelWinShow(HWND window, int command) {
    if (!IsWindow(window)) return FALSE;
    return zw::Guarded(L"ZelWinShow()", BOOL(FALSE), [&] {
        return ShowWindow(zw::windows::ShownWindow(window), command) ? TRUE : FALSE;
    });
}

extern "C" BOOL __stdcall ZelWinSetTabOrder(HWND window, HWND after) {
    if (!zw::windows::IsOwnWindow(window) || (after && !IsWindow(after))) return FALSE;
    return zw::Guarded(L"ZelWinSetTabOrder()", BOOL(FALSE), [&]() -> BOOL {
        if (!after) {
            SetWindowLongW(window, GWL_STYLE, GetWindowLongW(window, GWL_STYLE) & ~WS_TABSTOP);
            return TRUE;
        }
        return SetWindowPos(window, after, 0, 0, 0, 0, zw::windows::kZOrderOnly);
    });
}
