#include <windows.h>

#include "controls/outline/outline_box.h"
#include "frame/host_api.h"

namespace zw::outline {

BoxKind KindOf(HWND window) {
    if (!IsWindow(window)) return BoxKind::None;
    switch (HostGetObjectType(window)) {
    case HOST_TYPE_LISTBOX:
        return BoxKind::List;
    case HOST_TYPE_COMBOBOX:
        return BoxKind::Combo;
    default:
        break;
    }
    WCHAR name[64] = {};
    GetClassNameW(window, name, 64);
    for (const wchar_t* list : {L"listbox", L"PellamListBox30", L"QsCtrlListBox"}) {
        if (lstrcmpiW(name, list) == 0) return BoxKind::List;
    }
    for (const wchar_t* combo : {L"combobox", L"PellamComboBox30", L"QsCtrlComboBox"}) {
        if (lstrcmpiW(name, combo) == 0) return BoxKind::Combo;
    }
    return BoxKind::None;
}

UINT TranslateListMessage(UINT message) {
    switch (message) {
    case 0x401: return LB_ADDSTRING;
    case 0x402: return LB_INSERTSTRING;
    case 0x408: return LB_GETSEL;
    case 0x409: return LB_GETCURSEL;
    case 0x40A: return LB_GETTEXT;
    case 0x40B: return LB_GETTEXTLEN;
    case 0x40D: return LB_SELECTSTRING;
    case 0x411: return LB_GETSELCOUNT;
    case 0x412: return LB_GETSELITEMS;
    case 0x413: return LB_SETTABSTOPS;
    case 0x41A: return LB_GETITEMDATA;
    case 0x41B: return LB_SETITEMDATA;
    default: return 0;
    }
}

UINT TranslateComboMessage(UINT message) {
    switch (message) {
    case 0x403: return CB_ADDSTRING;
    case 0x407: return CB_GETCURSEL;
    case 0x408: return CB_GETLBTEXT;
    case 0x409: return CB_GETLBTEXTLEN;
    case 0x40A: return CB_INSERTSTRING;
    case 0x40D: return CB_SELECTSTRING;
    case 0x40E: return CB_SETCURSEL;
    case 0x410: return CB_GETITEMDATA;
    case 0x411: return CB_SETITEMDATA;
    default: return 0;
    }
}

}  // namespace zw::outline
