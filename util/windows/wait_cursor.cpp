// ZelWaitCursor: the wait cursor, shown by the host (modes 0 and 1) or by
// the library itself, with or without taking the mouse (modes 2 to 5).
//
// Modes 0, 1, 4 and 5 share one nesting counter: only the outermost switch
// acts. The library's own wait cursor under modes 4 and 5 holds the mouse
// captured by a hidden zero-size window of the class "Zel:MouseCapture", so
// no other window sets its own cursor meanwhile.
#include "frame/app.h"
#include "frame/call_frame.h"
#include "frame/host_api.h"

namespace zw::windows {
namespace {

constexpr wchar_t kCaptureClass[] = L"Zel:MouseCapture";

enum WaitMode : int {
    kHostOff = 0,      // counter - 1; at 0 the host's wait cursor goes off
    kHostOn = 1,       // at 0 the host's wait cursor comes on; counter + 1
    kShow = 2,         // the wait cursor, keeping the cursor it replaces
    kRestore = 3,      // the kept cursor back
    kCaptureOn = 4,    // at 0 the mouse is captured and the wait cursor shown; counter + 1
    kCaptureOff = 5,   // counter - 1; at 0 the kept cursor back and the capture released
};

struct WaitCursorState {
    int depth = 0;                // nesting counter of modes 0, 1, 4 and 5
    HCURSOR saved = nullptr;      // the cursor the wait cursor replaced
    HCURSOR wait = nullptr;       // the system wait cursor, loaded once
    HWND capture = nullptr;       // the capture window, made once
    bool shownForNoMouse = false; // the cursor was made visible because no mouse is present
};
WaitCursorState state;

// Without a mouse the cursor is normally hidden: while a wait cursor shows
// it is put in the middle of the screen and made visible.
void RevealWithoutMouse() {
    if (GetSystemMetrics(SM_MOUSEPRESENT) || state.shownForNoMouse) return;
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2);
    ShowCursor(TRUE);
    state.shownForNoMouse = true;
}

void HideWithoutMouse() {
    if (!state.shownForNoMouse) return;
    ShowCursor(FALSE);
    state.shownForNoMouse = false;
}

// A wait cursor shown over a wait cursor keeps the cursor saved before.
void ShowWait() {
    if (!state.wait) state.wait = LoadCursorW(nullptr, IDC_WAIT);
    const HCURSOR previous = SetCursor(state.wait);
    if (previous != state.wait) state.saved = previous;
    RevealWithoutMouse();
}

void RestoreSaved() {
    SetCursor(state.saved);
    HideWithoutMouse();
}

// The capture window's class procedure is the system's own, so the window
// stays harmless however long the process keeps it.
HWND CaptureWindow() {
    if (state.capture && IsWindow(state.capture)) return state.capture;
    WNDCLASSW cls = {};
    if (!GetClassInfoW(ModuleInstance(), kCaptureClass, &cls)) {
        cls.lpfnWndProc = DefWindowProcW;
        cls.hInstance = ModuleInstance();
        cls.lpszClassName = kCaptureClass;
        if (!RegisterClassW(&cls)) return nullptr;
    }
    state.capture = CreateWindowExW(0, kCaptureClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, ModuleInstance(),
                                    nullptr);
    return state.capture;
}

void CaptureOn() {
    HWND capture = CaptureWindow();
    if (!capture) {
        state.depth = 0;
        return;
    }
    if (state.depth++ > 0) return;
    SetCapture(capture);
    ShowWait();
}

void WaitCursor(int mode) {
    switch (mode) {
    case kHostOff:
        if (state.depth == 0 || --state.depth > 0) return;
        HostSetWaitCursor(FALSE);
        HideWithoutMouse();
        return;
    case kHostOn:
        if (state.depth++ > 0) return;
        HostSetWaitCursor(TRUE);
        RevealWithoutMouse();
        return;
    case kShow: ShowWait(); return;
    case kRestore: RestoreSaved(); return;
    case kCaptureOn: CaptureOn(); return;
    case kCaptureOff:
        if (state.depth == 0 || --state.depth > 0) return;
        RestoreSaved();
        ReleaseCapture();
        return;
    default: return;
    }
}

}  // namespace
}  // namespace zw::windows

extern "C" void __stdcall ZelWaitCursor(int mode) {
    zw::Guarded(L"ZelWaitCursor()", 0, [&] {
        zw::windows::WaitCursor(mode);
        return 0;
    });
}
