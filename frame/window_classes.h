// The library's window classes: registered at start-up when missing,
// unregistered in the same order at shut-down.
#pragma once

#include <windows.h>

namespace zw {

struct WindowClassInfo {
    const wchar_t* className;      // window class, e.g. "ZW:cCalendar:10"
    const wchar_t* hostClassName;  // name the host's designer and application use
    UINT style;
    int windowExtra;               // extra window bytes
    bool arrowCursor;              // arrow cursor, or none
};

// The nine classes in registration order.
const WindowClassInfo* WindowClasses(int* count);

// Registers each class that GetClassInfoW does not find on `instance`;
// throws ResourceException when a registration fails.
void RegisterWindowClasses(HINSTANCE instance);
// Unregisters the classes in registration order; throws ResourceException when
// one cannot be unregistered (after trying the rest).
void UnregisterWindowClasses(HINSTANCE instance);

}  // namespace zw
