// What the drop-down controls share beyond their classes: the notification
// codes their parts exchange, the message posted for the host application,
// and the styles of the parts.
//
// Every notification is WM_COMMAND, posted to the receiver with the sender's
// control id in the low word and the code in the high word of wParam, and
// the sender's window in lParam:
//   7      button, edit or field -> container; container -> owner: drop down
//   8      popup -> container; container -> owner: close up
//   1      popup -> container: the popup's value changed; container -> owner:
//          the control's value changed
//   2, 10  popup -> container -> owner: the popup lost the focus; it was
//          cancelled (Escape in a list)
//   0x300  edit -> container -> owner: the edit's text changed (EN_CHANGE)
#pragma once

#include <windows.h>

namespace zw::dropdown {

enum Code : WORD {
    kCodeValueChanged = 1,
    kCodeFocusLost = 2,
    kCodeDropDown = 7,
    kCodeCloseUp = 8,
    kCodeCancel = 10,
    kCodeEditChanged = EN_CHANGE,
};

// Posted by a container to itself, for the host application, when the text of
// its focused edit changed (wParam 0, lParam 0).
constexpr UINT ZWM_EditChanged = 0x2004;

// The edit or colour field: a tab stop filling the client area, with a
// border of its own on platforms without the version-4 shell.
constexpr DWORD kFieldStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL;
// A popup: a bordered top-level window that clips its children.
constexpr DWORD kPopupStyle = WS_POPUP | WS_CLIPCHILDREN | WS_BORDER;

// Whether the platform has the version-4 shell (the Windows 95 family, or NT
// 4 and later), whose 3D edges make the field's border unnecessary.
bool HasNewShell();
// kFieldStyle, with WS_BORDER without the version-4 shell.
DWORD FieldStyle();

// Posts a notification with `code` from `sender` to `receiver`.
void PostNotification(HWND receiver, HWND sender, WORD code);

}  // namespace zw::dropdown
