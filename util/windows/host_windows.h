// What the window utilities ask about host windows: the kind of host object
// a window is, and which window stands for a host form.
#pragma once

#include <windows.h>

namespace zw::windows {

// A single-line or multi-line host data field (host types 8 and 16).
bool IsDataField(HWND window);

// The window that a function showing, moving, testing the state of or reading
// the text of `window` acts on: for a host form (type 1) its frame, the
// form's parent window; any other window itself.
HWND FormFrame(HWND window);

// Whether `window` is a window of this process, whose procedure the library
// may replace.
bool IsOwnWindow(HWND window);

// Calls `visit` for each child window of `parent` in z-order (only the
// direct children).
template <typename Visit>
void ForEachChild(HWND parent, Visit&& visit) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) visit(child);
}

}  // namespace zw::windows
