// ZelWinIsRequiredFieldNull: the required-field test, and the buttons that
// follow it.
#include "util/windows/required_fields.h"

#include "frame/call_frame.h"
#include "frame/host_api.h"
#include "include/zwi51.h"
#include "util/windows/field_flags.h"
#include "util/windows/host_windows.h"

namespace zw::windows {
namespace {

bool IsEmptyList(HWND list) {
    if (ZelListIsMultiSelect(list)) return SendMessageW(list, LB_GETSELCOUNT, 0, 0) == 0;
    return HostListGetSel(list) == -1;
}

// A drop-down list is empty without a selection; a combo box with an edit
// part only when its text is empty as well.
bool IsEmptyCombo(HWND combo) {
    const bool nothingSelected = HostListGetSel(combo) == -1;
    if ((GetWindowLongW(combo, GWL_STYLE) & CBS_DROPDOWNLIST) == CBS_DROPDOWNLIST) return nothingSelected;
    return nothingSelected && HostFieldIsNull(combo);
}

bool IsEmpty(HWND window) {
    switch (HostGetObjectType(window)) {
    case HOST_TYPE_LISTBOX: return IsEmptyList(window);
    case HOST_TYPE_COMBOBOX: return IsEmptyCombo(window);
    case HOST_TYPE_FIELD:
    case HOST_TYPE_MULTILINE_FIELD: return HostFieldIsNull(window) != FALSE;
    default: return false;
    }
}

void EnableFilledButtons(HWND container, bool filled) {
    ForEachChild(container, [filled](HWND child) {
        if (!(FieldFlags(child) & kFlagEnableWhenFilled)) return;
        if (filled) HostEnableWindow(child);
        else HostDisableWindow(child);
    });
}

}  // namespace

HWND FirstEmptyRequiredField(HWND form) {
    for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((FieldFlags(child) & kFlagRequired) && IsEmpty(child)) return child;
    }
    return nullptr;
}

void UpdateRequiredButtons(HWND form) {
    const bool filled = FirstEmptyRequiredField(form) == nullptr;
    HWND parent = (GetWindowLongW(form, GWL_STYLE) & WS_CHILD) ? GetParent(form) : nullptr;
    if (!parent) {
        EnableFilledButtons(form, filled);
        return;
    }
    ForEachChild(parent, [filled](HWND sibling) { EnableFilledButtons(sibling, filled); });
}

}  // namespace zw::windows

extern "C" HWND __stdcall ZelWinIsRequiredFieldNull(HWND form) {
    if (!IsWindow(form)) return nullptr;
    return zw::Guarded(L"ZelWinIsRequiredFieldNull()", HWND(nullptr),
                       [&] { return zw::windows::FirstEmptyRequiredField(form); });
}
