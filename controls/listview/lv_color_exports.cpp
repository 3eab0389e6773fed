// ZelLVGetBkColor, ZelLVSetBkColor, ZelLVGetTextColor, ZelLVSetTextColor,
// ZelLVGetTextBkColor, ZelLVSetTextBkColor: the control's colours. Setting
// one repaints the whole list.
#include "controls/listview/lv_exports.h"

using zw::listview::CHeaderListBox;
using zw::listview::ListCall;

namespace {
BOOL SetColor(CHeaderListBox& list, UINT message, COLORREF color) {
    const BOOL result = BOOL(list.Send(message, 0, LPARAM(color)));
    InvalidateRect(list.Handle(), nullptr, TRUE);
    return result;
}
}  // namespace

extern "C" int __stdcall ZelLVGetBkColor(void* list) {
    return ListCall(L"ZelLVGetBkColor()", list, -1, L" - Unable to retrieve background color.",
                    [](CHeaderListBox& l) { return int(l.Send(LVM_GETBKCOLOR)); });
}

extern "C" BOOL __stdcall ZelLVSetBkColor(void* list, COLORREF color) {
    return ListCall(L"ZelLVSetBkColor()", list, FALSE, L" - Unable to assign background color.",
                    [&](CHeaderListBox& l) { return SetColor(l, LVM_SETBKCOLOR, color); });
}

extern "C" int __stdcall ZelLVGetTextColor(void* list) {
    return ListCall(L"ZelLVGetTextColor()", list, -1, L" - Unable to retrieve text color.",
                    [](CHeaderListBox& l) { return int(l.Send(LVM_GETTEXTCOLOR)); });
}

extern "C" BOOL __stdcall ZelLVSetTextColor(void* list, COLORREF color) {
    return ListCall(L"ZelLVSetTextColor()", list, FALSE, L" - Unable to assign text color.",
                    [&](CHeaderListBox& l) { return SetColor(l, LVM_SETTEXTCOLOR, color); });
}

extern "C" int __stdcall ZelLVGetTextBkColor(void* list) {
    return ListCall(L"ZelLVGetTextBkColor()", list, -1, L" - Unable to retrieve text background color.",
                    [](CHeaderListBox& l) { return int(l.Send(LVM_GETTEXTBKCOLOR)); });
}

extern "C" BOOL __stdcall ZelLVSetTextBkColor(void* list, COLORREF color) {
    return ListCall(L"ZelLVSetTextBkColor()", list, FALSE, L" - Unable to assign text background color.",
                    [&](CHeaderListBox& l) { return SetColor(l, LVM_SETTEXTBKCOLOR, color); });
}
