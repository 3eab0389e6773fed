// ZelLVGetListView, ZelLVGetStyle, ZelLVSetStyle: the list object behind a
// form-placed list view, and the list window's style.
#include "controls/listview/dlg_header_lb.h"
#include "controls/listview/lv_exports.h"

using zw::listview::CDlgHeaderLB;
using zw::listview::CHeaderListBox;
using zw::listview::ListCall;

extern "C" void* __stdcall ZelLVGetListView(void* listView) {
    return zw::ControlCall<CDlgHeaderLB>(L"ZelLVGetListView()", listView, static_cast<void*>(nullptr),
                                         L" - Unable to retrieve child ListView pointer.",
                                         [](CDlgHeaderLB& v) -> void* {
                                             CHeaderListBox* list = v.List();
                                             if (!list) throw zw::InvalidArgException();
                                             return list;
                                         });
}

extern "C" DWORD __stdcall ZelLVGetStyle(void* list) {
    return ListCall(L"ZelLVGetStyle()", list, DWORD(0), L" - Unable to retrieve style bits.",
                    [](CHeaderListBox& l) { return DWORD(GetWindowLongW(l.Handle(), GWL_STYLE)); });
}

extern "C" DWORD __stdcall ZelLVSetStyle(void* list, DWORD bits, int set) {
    return ListCall(L"ZelLVSetStyle()", list, DWORD(0), L" - Unable to update style bits.", [&](CHeaderListBox& l) {
        const DWORD previous = DWORD(GetWindowLongW(l.Handle(), GWL_STYLE));
        SetWindowLongW(l.Handle(), GWL_STYLE, LONG(set == 1 ? previous | bits : previous & ~bits));
        return previous;
    });
}
