// Window objects: a C++ object attached to a window, receiving its messages.
//
// A window object either subclasses its window (its procedure replaces the
// window's, and messages it does not handle go to the procedure it replaced)
// or is attached to a window whose procedure already routes messages to it.
// Messages arrive at WindowProc(); no exception ever leaves into Windows: the
// routing procedure catches everything and answers the message with the
// default procedure.
#pragma once

#include <windows.h>

#include <cstddef>

namespace zw {

class Wnd {
public:
    Wnd() = default;
    virtual ~Wnd();
    Wnd(const Wnd&) = delete;
    Wnd& operator=(const Wnd&) = delete;

    HWND Handle() const { return hwnd_; }

    // Attaches to a window without touching its procedure; the window's own
    // procedure routes messages through RouteMessage().
    bool Attach(HWND window);
    // Replaces the window's procedure with the routing procedure; unhandled
    // messages go to the procedure that was there.
    bool Subclass(HWND window);
    // Puts the earlier procedure back (when ours is still installed) and detaches.
    void Unsubclass();
    void Detach();

    // The object attached to a window, or null.
    static Wnd* FromHandle(HWND window);
    // Whether `object` is a window object that is alive now: application code
    // hands instances back to us, and a stale or garbage pointer must be refused
    // without being touched.
    static bool IsLive(const void* object);
    // Window objects alive now (leak accounting).
    static std::size_t LiveCount();

    // Delivers a message to the object attached to `window`; false when there is
    // none. Exceptions are caught here.
    static bool RouteMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    // The routing window procedure installed by Subclass().
    static LRESULT CALLBACK RoutingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    // Handles one message; the default passes it on with Default().
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The procedure that was replaced (or DefWindowProcW) for this message.
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
    // Called after WM_NCDESTROY, once the object is detached. Controls that
    // belong to their window delete themselves here.
    virtual void PostNcDestroy() {}

private:
    HWND hwnd_ = nullptr;
    WNDPROC previous_ = nullptr;  // procedure replaced by Subclass(), or null when attached
};

}  // namespace zw
