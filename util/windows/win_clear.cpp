// ZelWinClearAllFields and ZelWinClearAllEditFlags: emptying the fields of a
// host form and clearing their edited marks, child by child in the host's
// order, each skipped when its flag word says so.
#include "frame/call_frame.h"
#include "frame/host_api.h"
#include "util/windows/field_flags.h"

namespace zw::windows {
namespace {

// Empties one child by its host type; false for kinds that are not cleared.
bool ClearChild(HWND child) {
    switch (HostGetObjectType(child)) {
    case HOST_TYPE_FIELD:
    case HOST_TYPE_MULTILINE_FIELD: HostClearField(child); return true;
    case HOST_TYPE_COMBOBOX:
        HostClearField(child);
        HostListClear(child);
        return true;
    case HOST_TYPE_LISTBOX: HostListClear(child); return true;
    case HOST_TYPE_CLEARABLE: HostClearObject(child); return true;
    case HOST_TYPE_CHECKBOX:
    case HOST_TYPE_OPTION_BUTTON: SendMessageW(child, BM_SETCHECK, BST_UNCHECKED, 0); return true;
    default: return false;
    }
}

int ClearAllFields(HWND form) {
    int cleared = 0;
    for (HWND child = HostGetFirstChild(form, HOST_TYPE_ANY); child; child = HostGetNextChild(child, HOST_TYPE_ANY)) {
        if (FieldFlags(child) & kFlagKeepOnClear) continue;
        if (ClearChild(child)) ++cleared;
    }
    return cleared;
}

int ClearAllEditFlags(HWND form) {
    constexpr DWORD kDataFields = HOST_TYPE_FIELD | HOST_TYPE_MULTILINE_FIELD;
    int cleared = 0;
    for (HWND child = HostGetFirstChild(form, kDataFields); child; child = HostGetNextChild(child, kDataFields)) {
        if (FieldFlags(child) & kFlagKeepEdited) continue;
        HostSetFieldEdited(child, FALSE);
        ++cleared;
    }
    return cleared;
}

}  // namespace
}  // namespace zw::windows

extern "C" int __stdcall ZelWinClearAllFields(HWND form) {
    if (!IsWindow(form)) return -87;
    return zw::Guarded(L"ZelWinClearAllFields()", -87, [&] { return zw::windows::ClearAllFields(form); });
}

extern "C" int __stdcall ZelWinClearAllEditFlags(HWND form) {
    if (!IsWindow(form)) return -87;
    return zw::Guarded(L"ZelWinClearAllEditFlags()", -87, [&] { return zw::windows::ClearAllEditFlags(form); });
}
