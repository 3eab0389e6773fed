#include "controls/outline/list_box.h"

namespace zw::outline {

LRESULT ListBox::Send(UINT listMessage, WPARAM wParam, LPARAM lParam) const {
    if (!IsCombo()) return SendMessageW(window, listMessage, wParam, lParam);
    UINT comboMessage;
    switch (listMessage) {
    case LB_ADDSTRING: comboMessage = CB_ADDSTRING; break;
    case LB_INSERTSTRING: comboMessage = CB_INSERTSTRING; break;
    case LB_DELETESTRING: comboMessage = CB_DELETESTRING; break;
    case LB_RESETCONTENT: comboMessage = CB_RESETCONTENT; break;
    case LB_GETCOUNT: comboMessage = CB_GETCOUNT; break;
    case LB_GETTEXT: comboMessage = CB_GETLBTEXT; break;
    case LB_GETTEXTLEN: comboMessage = CB_GETLBTEXTLEN; break;
    case LB_GETITEMDATA: comboMessage = CB_GETITEMDATA; break;
    case LB_SETITEMDATA: comboMessage = CB_SETITEMDATA; break;
    case LB_GETCURSEL: comboMessage = CB_GETCURSEL; break;
    case LB_SETCURSEL: comboMessage = CB_SETCURSEL; break;
    case LB_FINDSTRINGEXACT: comboMessage = CB_FINDSTRINGEXACT; break;
    default: return LB_ERR;
    }
    return SendMessageW(window, comboMessage, wParam, lParam);
}

}  // namespace zw::outline
