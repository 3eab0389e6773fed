#include "frame/wnd.h"

#include <unordered_map>
#include <unordered_set>

#include "frame/call_frame.h"

namespace zw {
namespace {

std::unordered_map<HWND, Wnd*>& Attached() {
    static std::unordered_map<HWND, Wnd*> map;
    return map;
}

std::unordered_set<const void*>& Alive() {
    static std::unordered_set<const void*> set;
    return set;
}

}  // namespace

Wnd::~Wnd() {
    Unsubclass();
}

bool Wnd::Attach(HWND window) {
    if (hwnd_ || !IsWindow(window) || FromHandle(window)) return false;
    Attached()[window] = this;
    Alive().insert(this);
    hwnd_ = window;
    return true;
}

bool Wnd::Subclass(HWND window) {
    if (!Attach(window)) return false;
    previous_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Wnd::RoutingProc)));
    if (!previous_) {
        Detach();
        return false;
    }
    return true;
}

void Wnd::Unsubclass() {
    if (hwnd_ && previous_ &&
        GetWindowLongPtrW(hwnd_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&Wnd::RoutingProc)) {
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    }
    Detach();
}

void Wnd::Detach() {
    if (hwnd_) Attached().erase(hwnd_);
    Alive().erase(this);
    hwnd_ = nullptr;
    previous_ = nullptr;
}

Wnd* Wnd::FromHandle(HWND window) {
    auto it = Attached().find(window);
    return it == Attached().end() ? nullptr : it->second;
}

std::size_t Wnd::LiveCount() {
    return Alive().size();
}

bool Wnd::IsLive(const void* object) {
    return object && Alive().count(object) != 0;
}

LRESULT Wnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return Default(message, wParam, lParam);
}

LRESULT Wnd::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    if (previous_) return CallWindowProcW(previous_, hwnd_, message, wParam, lParam);
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

bool Wnd::RouteMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    Wnd* object = FromHandle(window);
    if (!object) return false;
    WNDPROC previous = object->previous_;
    LRESULT answer = 0;
    try {
        answer = object->WindowProc(message, wParam, lParam);
    } catch (...) {
        detail::ReportCaught(L"WindowProc()", nullptr);
        answer = previous ? CallWindowProcW(previous, window, message, wParam, lParam)
                          : DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY && FromHandle(window) == object) {
        object->Unsubclass();
        try {
            object->PostNcDestroy();
        } catch (...) {
            detail::ReportCaught(L"PostNcDestroy()", nullptr);
        }
    }
    *result = answer;
    return true;
}

LRESULT CALLBACK Wnd::RoutingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (RouteMessage(window, message, wParam, lParam, &result)) return result;
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace zw
