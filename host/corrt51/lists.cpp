// Host list operations over list boxes and combo boxes. A window whose host
// type is the combo box type, or whose class is a combo box, gets the combo
// box messages; every other window the list box messages.
#include "frame/host_api.h"

namespace {

bool IsCombo(HWND window) {
    if (HostGetObjectType(window) == HOST_TYPE_COMBOBOX) return true;
    WCHAR name[32] = {};
    GetClassNameW(window, name, 32);
    return lstrcmpiW(name, L"ComboBox") == 0;
}

}  // namespace

extern "C" int __stdcall HostListClear(HWND list) {
    if (!IsWindow(list)) return -1;
    SendMessageW(list, IsCombo(list) ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
    return 0;
}

extern "C" int __stdcall HostListDelete(HWND list, int row) {
    if (!IsWindow(list)) return -1;
    return int(SendMessageW(list, IsCombo(list) ? CB_DELETESTRING : LB_DELETESTRING, WPARAM(row), 0));
}

extern "C" int __stdcall HostListCount(HWND list) {
    if (!IsWindow(list)) return -1;
    return int(SendMessageW(list, IsCombo(list) ? CB_GETCOUNT : LB_GETCOUNT, 0, 0));
}

extern "C" int __stdcall HostListGetSel(HWND list) {
    if (!IsWindow(list)) return -1;
    if (IsCombo(list)) return int(SendMessageW(list, CB_GETCURSEL, 0, 0));
    LONG style = GetWindowLongW(list, GWL_STYLE);
    if (style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) {
        int row = -1;
        return SendMessageW(list, LB_GETSELITEMS, 1, LPARAM(&row)) == 1 ? row : -1;
    }
    return int(SendMessageW(list, LB_GETCURSEL, 0, 0));
}

extern "C" BOOL __stdcall HostListIsSelected(HWND list, int row) {
    if (!IsWindow(list)) return FALSE;
    if (IsCombo(list)) return row >= 0 && SendMessageW(list, CB_GETCURSEL, 0, 0) == row;
    return SendMessageW(list, LB_GETSEL, WPARAM(row), 0) > 0;
}

extern "C" int __stdcall HostListSetSel(HWND list, int row) {
    if (!IsWindow(list)) return -1;
    return int(SendMessageW(list, IsCombo(list) ? CB_SETCURSEL : LB_SETCURSEL, WPARAM(row), 0));
}

extern "C" int __stdcall HostListSetMultiSel(HWND list, int row, BOOL select) {
    if (!IsWindow(list) || IsCombo(list)) return -1;
    return int(SendMessageW(list, LB_SETSEL, select ? TRUE : FALSE, LPARAM(row)));
}
