// ZelLVCmbGetListView, ZelLVCmbGetEditable, ZelLVCmbSetEditable,
// ZelLVCmbSetListSize: the list view drop-down's pop-up list, its field's
// editable flag and the list's size.
#include "controls/listview/cmb_header_lb.h"
#include "frame/call_frame.h"
#include "frame/exceptions.h"
#include "include/zwi51.h"

using zw::listview::CCmbHeaderLB;
using zw::listview::CHeaderListBox;

extern "C" void* __stdcall ZelLVCmbGetListView(void* dropDown) {
    return zw::ControlCall<CCmbHeaderLB>(L"ZelLVCmbGetListView()", dropDown, static_cast<void*>(nullptr),
                                         L" - Unable to retrieve child ListView pointer.",
                                         [](CCmbHeaderLB& d) -> void* {
                                             CHeaderListBox* list = d.List();
                                             if (!list) throw zw::InvalidArgException();
                                             return static_cast<zw::Wnd*>(list);
                                         });
}

extern "C" BOOL __stdcall ZelLVCmbGetEditable(void* dropDown) {
    return zw::ControlCall<CCmbHeaderLB>(L"ZelLVCmbGetEditable()", dropDown, BOOL(FALSE),
                                         L" - Unable to retrieve style bits.",
                                         [](CCmbHeaderLB& d) { return BOOL(d.IsEditable()); });
}

extern "C" BOOL __stdcall ZelLVCmbSetEditable(void* dropDown, BOOL editable) {
    return zw::ControlCall<CCmbHeaderLB>(L"ZelLVCmbSetEditable()", dropDown, BOOL(FALSE),
                                         L" - Unable to update style bits.",
                                         [&](CCmbHeaderLB& d) { return BOOL(d.SetEditable(editable != FALSE)); });
}

extern "C" BOOL __stdcall ZelLVCmbSetListSize(void* dropDown, int width, int height) {
    return zw::ControlCall<CCmbHeaderLB>(L"ZelLVCmbSetListSize()", dropDown, BOOL(FALSE), zw::kNoDebugText,
                                         [&](CCmbHeaderLB& d) { return d.SetListSize(width, height); });
}
