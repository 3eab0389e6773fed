// Host window operations: object types, colours, focus validation, edited
// marks, redraw, dialog set-up and halting the application, with the test
// surface that lets tests declare and observe them.
#include <map>
#include <utility>

#include "frame/host_api.h"
#include "host/host_test.h"

namespace {

std::map<HWND, DWORD> objectTypes;
std::map<std::pair<HWND, int>, COLORREF> windowColours;

bool interceptAbort = false;
int abortCount = 0;

BOOL focusAnswer = TRUE;
int validateFocusCount = 0;
HWND lastValidateFocus = nullptr;

int fieldEditedCount = 0;
HWND lastFieldEdited = nullptr;
std::map<HWND, bool> fieldEdited;  // the edited mark of each field the library set or cleared

int initDialogCount = 0;
HWND lastInitDialog = nullptr;

int setRedrawCount = 0;
HWND lastSetRedraw = nullptr;
BOOL lastRedrawFlag = FALSE;

}  // namespace

extern "C" DWORD __stdcall HostGetObjectType(HWND window) {
    auto it = objectTypes.find(window);
    return it == objectTypes.end() ? 0 : it->second;
}

extern "C" COLORREF __stdcall HostGetWindowColor(HWND window, int role) {
    auto it = windowColours.find({window, role});
    if (it != windowColours.end()) return it->second;
    return GetSysColor(role == 8 ? COLOR_WINDOWTEXT : COLOR_WINDOW);
}

extern "C" BOOL __stdcall HostValidateFocus(HWND window, int, int) {
    ++validateFocusCount;
    lastValidateFocus = window;
    return focusAnswer;
}

extern "C" void __stdcall HostSetFieldEdited(HWND window, BOOL edited) {
    ++fieldEditedCount;
    lastFieldEdited = window;
    fieldEdited[window] = edited != FALSE;
}

extern "C" void __stdcall HostSetRedraw(HWND window, BOOL redraw) {
    ++setRedrawCount;
    lastSetRedraw = window;
    lastRedrawFlag = redraw;
    SendMessageW(window, WM_SETREDRAW, redraw ? TRUE : FALSE, 0);
    if (redraw) InvalidateRect(window, nullptr, TRUE);
}

extern "C" void __stdcall HostInitDialog(HWND dialog) {
    ++initDialogCount;
    lastInitDialog = dialog;
}

extern "C" void __stdcall HostAbort(void) {
    if (interceptAbort) {
        ++abortCount;
        return;
    }
    ExitProcess(3);
}

// ---- test surface ----------------------------------------------------------

extern "C" void __stdcall HostTestSetObjectType(HWND window, DWORD type) {
    if (type) objectTypes[window] = type;
    else objectTypes.erase(window);
}

extern "C" void __stdcall HostTestSetWindowColor(HWND window, int role, COLORREF colour) {
    if (colour == CLR_INVALID) windowColours.erase({window, role});
    else windowColours[{window, role}] = colour;
}

extern "C" void __stdcall HostTestInterceptAbort(BOOL intercept) { interceptAbort = intercept != FALSE; }
extern "C" int __stdcall HostTestAbortCount(void) { return abortCount; }

extern "C" void __stdcall HostTestSetFocusAnswer(BOOL answer) { focusAnswer = answer; }

extern "C" int __stdcall HostTestValidateFocusCount(HWND* lastWindow) {
    if (lastWindow) *lastWindow = lastValidateFocus;
    return validateFocusCount;
}

extern "C" int __stdcall HostTestFieldEditedCount(HWND* lastWindow) {
    if (lastWindow) *lastWindow = lastFieldEdited;
    return fieldEditedCount;
}

extern "C" BOOL __stdcall HostTestIsFieldEdited(HWND window) {
    auto it = fieldEdited.find(window);
    return it != fieldEdited.end() && it->second;
}

extern "C" int __stdcall HostTestInitDialogCount(HWND* lastDialog) {
    if (lastDialog) *lastDialog = lastInitDialog;
    return initDialogCount;
}

extern "C" int __stdcall HostTestSetRedrawCount(HWND* lastWindow, BOOL* lastFlag) {
    if (lastWindow) *lastWindow = lastSetRedraw;
    if (lastFlag) *lastFlag = lastRedrawFlag;
    return setRedrawCount;
}
