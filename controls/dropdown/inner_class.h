// The window classes of the drop-downs' inner windows (the drop-down button,
// the colour field): registered with the library's module on first use and
// connected to their window objects at WM_NCCREATE.
//
// T names its class and style (T::kClassName, T::kClassStyle) and is a Wnd
// that deletes itself after WM_NCDESTROY. A window that other code makes from
// the class name gets a new T of its own.
#pragma once

#include <windows.h>

#include <new>
#include <utility>

#include "frame/app.h"
#include "frame/call_frame.h"
#include "frame/wnd.h"

namespace zw {

template <typename T>
class InnerClass {
public:
    // Registers the class unless this module has it with this procedure; a
    // class left by an earlier load of the library, whose procedure is gone,
    // is replaced. False when it cannot be registered.
    static bool Ensure() {
        WNDCLASSW existing{};
        if (GetClassInfoW(ModuleInstance(), T::kClassName, &existing)) {
            if (existing.lpfnWndProc == &Proc) return true;
            UnregisterClassW(T::kClassName, existing.hInstance);
        }
        WNDCLASSW wc{};
        wc.style = T::kClassStyle;
        wc.lpfnWndProc = &Proc;
        wc.hInstance = ModuleInstance();
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = T::kClassName;
        return RegisterClassW(&wc) != 0;
    }

    // Makes a child window of the class for `object`, which from then on
    // belongs to the window. Null when the window cannot be made (the object
    // is deleted then).
    static T* Create(T* object, DWORD style, const RECT& rect, HWND parent, UINT id) {
        if (!object) return nullptr;
        if (!Ensure()) {
            delete object;
            return nullptr;
        }
        pending_ = object;
        const HMENU menu = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id));
        HWND window = CreateWindowExW(0, T::kClassName, L"", style, rect.left, rect.top, rect.right - rect.left,
                                      rect.bottom - rect.top, parent, menu, ModuleInstance(), nullptr);
        // Never taken: the window did not get as far as WM_NCCREATE.
        if (T* untaken = std::exchange(pending_, nullptr)) {
            delete untaken;
            return nullptr;
        }
        // Taken: when creation failed later, the window's destruction deleted it.
        return window ? object : nullptr;
    }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE && !Wnd::FromHandle(window) && !Connect(window)) return 0;
        LRESULT result = 0;
        if (Wnd::RouteMessage(window, message, wParam, lParam, &result)) return result;
        return DefWindowProcW(window, message, wParam, lParam);
    }

    static bool Connect(HWND window) noexcept {
        T* object = std::exchange(pending_, nullptr);
        if (!object) object = new (std::nothrow) T;
        if (!object) return false;
        if (object->Attach(window)) return true;
        delete object;
        return false;
    }

    static inline T* pending_ = nullptr;  // the object Create() is making a window for
};

}  // namespace zw
