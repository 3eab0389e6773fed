// The spin field's edit child: Up and Down step the field, and the host
// decides whether the edit may take the focus.
#include "controls/spin/spin_field.h"
#include "frame/call_frame.h"
#include "frame/host_api.h"

namespace zw {

namespace {

LRESULT PassOn(const SpinFieldState& spin, HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(spin.editProc, edit, message, wParam, lParam);
}

LRESULT OnKeyDown(const SpinFieldState& spin, HWND edit, WPARAM key, LPARAM lParam) {
    if (key == VK_UP) return SendMessageW(spin.self, SPM_STEPUP, 0, 0), 0;
    if (key == VK_DOWN) return SendMessageW(spin.self, SPM_STEPDOWN, 0, 0), 0;
    return PassOn(spin, edit, WM_KEYDOWN, key, lParam);
}

// On refusal the focus goes back where it came from: to the window before
// the spin field when it came through the spin field itself.
LRESULT OnSetFocus(const SpinFieldState& spin, HWND edit, HWND previous) {
    if (!HostValidateFocus(spin.self, 1, 0)) {
        SetFocus(previous == spin.self ? spin.focusBefore : previous);
        return 0;
    }
    return PassOn(spin, edit, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
}

LRESULT EditMessage(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    LockedSpinState spin(edit);
    if (!spin || !spin->editProc) return DefWindowProcW(edit, message, wParam, lParam);
    switch (message) {
    case WM_KEYDOWN: return OnKeyDown(*spin, edit, wParam, lParam);
    case WM_SETFOCUS: return OnSetFocus(*spin, edit, reinterpret_cast<HWND>(wParam));
    }
    return PassOn(*spin, edit, message, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK SpinEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return EditMessage(edit, message, wParam, lParam);
    } catch (...) {
        detail::ReportCaught(L"SpinEditProc()", nullptr);
    }
    return DefWindowProcW(edit, message, wParam, lParam);
}

}  // namespace zw
