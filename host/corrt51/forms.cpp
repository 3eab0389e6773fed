// Host forms for the test surface: a form (host type 1) is a child window
// that fills, or shares, the client area of its frame, a top-level window
// the host keeps hidden until a test shows it. Further forms in the same frame
// stand for the frame's tool bars and other panes.
#include "frame/host_api.h"
#include "host/host_test.h"

namespace {

constexpr wchar_t kFrameClass[] = L"HostTestFrame";
constexpr wchar_t kFormClass[] = L"HostTestForm";

bool RegisterClasses() {
    static bool registered = false;
    if (registered) return true;
    WNDCLASSW cls = {};
    cls.lpfnWndProc = DefWindowProcW;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = kFrameClass;
    if (!RegisterClassW(&cls)) return false;
    cls.lpszClassName = kFormClass;
    if (!RegisterClassW(&cls)) return false;
    registered = true;
    return true;
}

}  // namespace

extern "C" HWND __stdcall HostTestCreateForm(HWND frame, int x, int y, int width, int height) {
    if (!RegisterClasses()) return nullptr;
    HINSTANCE module = GetModuleHandleW(nullptr);
    if (!frame) {
        RECT outer = {0, 0, x + width, y + height};
        AdjustWindowRect(&outer, WS_OVERLAPPEDWINDOW, FALSE);
        frame = CreateWindowExW(0, kFrameClass, L"Form", WS_OVERLAPPEDWINDOW, 20, 20, outer.right - outer.left,
                                outer.bottom - outer.top, nullptr, nullptr, module, nullptr);
        if (!frame) return nullptr;
    }
    HWND form = CreateWindowExW(WS_EX_CONTROLPARENT, kFormClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, x, y,
                                width, height, frame, nullptr, module, nullptr);
    if (form) HostTestSetObjectType(form, HOST_TYPE_FORM);
    return form;
}
