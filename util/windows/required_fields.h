// Required fields of a host form: the test for the first empty one, and the
// buttons that are enabled only while none is empty.
#pragma once

#include <windows.h>

namespace zw::windows {

// The first child of `form` in z-order that has the required flag and is
// empty; null when every required field is filled.
HWND FirstEmptyRequiredField(HWND form);

// Runs the required-field test over the form's children, then enables (all
// filled) or disables, through the host, every window with the
// enable-when-filled flag among the form's children; when the form is a
// child window, among the children of each of its siblings (itself included).
void UpdateRequiredButtons(HWND form);

// Makes `parent` (and, when it is a child window, each of its siblings) run
// UpdateRequiredButtons whenever a child reports a change of selection or
// text (the parent window procedure). False when `parent` itself cannot be
// watched; a window without parent needs no watching.
bool WatchRequiredFields(HWND parent);

}  // namespace zw::windows
