// Host list boxes and combo boxes: real USER32 boxes that the host makes for
// its list classes and reports as host types 0x2000 and 0x4000. The host
// subclasses each one with its own procedure, which stays underneath
// anything the library installs later, and which counts the library's
// messages that reach it (the host application's handlers would see them).
#include <windows.h>

#include <map>

#include "frame/host_api.h"
#include "host/host_test.h"

namespace {

struct HostList {
    WNDPROC original = nullptr;        // USER32's procedure
    HostTestCreateCallback callback = nullptr;  // told of the window at WM_NCCREATE
    void* context = nullptr;
    std::map<UINT, int> counts;        // library messages that reached the host, by number
    std::map<UINT, WPARAM> lastWParam; // wParam of the last of each
};

std::map<HWND, HostList> lists;

// The box being made and what to tell the application while it is made.
struct Creation {
    DWORD type = 0;
    HostTestCreateCallback callback = nullptr;
    void* context = nullptr;
};
Creation creating;

bool IsLibraryMessage(UINT message) {
    return (message >= 0x6000 && message <= 0x600F) || (message >= 0x2000 && message <= 0x2FFF);
}

LRESULT CALLBACK HostListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto it = lists.find(window);
    if (it == lists.end()) return DefWindowProcW(window, message, wParam, lParam);
    const WNDPROC original = it->second.original;
    if (message == WM_NCCREATE && it->second.callback) {
        // The application hears of the box with the creation structure that
        // the box's own creation will read.
        const HostTestCreateCallback callback = it->second.callback;
        it->second.callback = nullptr;
        callback(window, reinterpret_cast<CREATESTRUCTW*>(lParam), it->second.context);
    }
    if (IsLibraryMessage(message)) {
        ++it->second.counts[message];
        it->second.lastWParam[message] = wParam;
    }
    if (message == WM_NCDESTROY) {
        lists.erase(it);
        HostTestSetObjectType(window, 0);
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    }
    return CallWindowProcW(original, window, message, wParam, lParam);
}

LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && creating.type) {
        auto window = reinterpret_cast<HWND>(wParam);
        const Creation now = creating;
        creating.type = 0;  // only the box itself, not windows it makes
        HostList& list = lists[window];
        list.callback = now.callback;
        list.context = now.context;
        list.original = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HostListProc)));
        HostTestSetObjectType(window, now.type);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

extern "C" HWND __stdcall HostTestCreateList(HWND parent, DWORD type, DWORD style, int x, int y, int width,
                                             int height, int id, HostTestCreateCallback callback, void* context) {
    if (type != HOST_TYPE_LISTBOX && type != HOST_TYPE_COMBOBOX) return nullptr;
    HHOOK hook = SetWindowsHookExW(WH_CBT, &CreationHook, nullptr, GetCurrentThreadId());
    if (!hook) return nullptr;
    creating = Creation{type, callback, context};
    HWND window = CreateWindowExW(0, type == HOST_TYPE_LISTBOX ? L"LISTBOX" : L"COMBOBOX", L"", style, x, y, width,
                                  height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                  GetModuleHandleW(nullptr), nullptr);
    creating = Creation{};
    UnhookWindowsHookEx(hook);
    return window;
}

extern "C" int __stdcall HostTestListMessages(HWND window, UINT message, WPARAM* lastWParam) {
    auto it = lists.find(window);
    if (it == lists.end()) return 0;
    auto count = it->second.counts.find(message);
    if (count == it->second.counts.end()) return 0;
    if (lastWParam) *lastWParam = it->second.lastWParam[message];
    return count->second;
}
