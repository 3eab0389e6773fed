// Host data fields and the other objects a form clears: the null test, the
// clear operations, and the test surface that makes such objects.
//
// The replacement host's data fields are USER32 edit controls (multi-line
// ones for type 16), its check boxes and option buttons USER32 buttons, and
// its further clearable kind (type 0x80000) a static text.
#include "frame/host_api.h"
#include "host/corrt51/object_calls.h"
#include "host/host_test.h"

namespace {

bool IsCombo(HWND window) { return HostGetObjectType(window) == HOST_TYPE_COMBOBOX; }

}  // namespace

extern "C" BOOL __stdcall HostFieldIsNull(HWND field) {
    if (!IsWindow(field)) return TRUE;
    return GetWindowTextLengthW(field) == 0;
}

extern "C" BOOL __stdcall HostClearField(HWND field) {
    CountObjectCall(field, 3023);
    if (!IsWindow(field)) return FALSE;
    if (IsCombo(field)) SendMessageW(field, CB_SETCURSEL, WPARAM(-1), 0);
    return SetWindowTextW(field, L"");
}

extern "C" BOOL __stdcall HostClearObject(HWND object) {
    CountObjectCall(object, 3024);
    if (!IsWindow(object) || HostGetObjectType(object) != HOST_TYPE_CLEARABLE) return FALSE;
    return SetWindowTextW(object, L"");
}

// ---- test surface ----------------------------------------------------------

extern "C" HWND __stdcall HostTestCreateObject(HWND parent, DWORD type, DWORD style, int x, int y, int width,
                                               int height, int id) {
    const wchar_t* className = nullptr;
    switch (type) {
    case HOST_TYPE_FIELD: className = L"EDIT"; break;
    case HOST_TYPE_MULTILINE_FIELD:
        className = L"EDIT";
        style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
        break;
    case HOST_TYPE_CHECKBOX:
        className = L"BUTTON";
        style |= BS_AUTOCHECKBOX;
        break;
    case HOST_TYPE_OPTION_BUTTON:
        className = L"BUTTON";
        style |= BS_AUTORADIOBUTTON;
        break;
    case HOST_TYPE_CLEARABLE: className = L"STATIC"; break;
    default: return nullptr;
    }
    HWND window = CreateWindowExW(0, className, L"", style | WS_CHILD, x, y, width, height, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                  nullptr);
    if (window) HostTestSetObjectType(window, type);
    return window;
}
