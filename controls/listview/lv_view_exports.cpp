// ZelLVGetItemRect, ZelLVSetItemPosition, ZelLVGetItemPosition,
// ZelLVGetStringWidth, ZelLVGetViewRect, ZelLVGetTopIndex,
// ZelLVGetCountPerPage, ZelLVGetOrigin, ZelLVHitTest, ZelLVEnsureVisible,
// ZelLVScroll, ZelLVArrange: where rows are and what the list shows.
#include "controls/listview/lv_exports.h"

using zw::listview::CHeaderListBox;
using zw::listview::ListCall;
using zw::listview::Required;

extern "C" BOOL __stdcall ZelLVGetItemRect(void* list, int row, RECT* rect, int code) {
    return ListCall(L"ZelLVGetItemRect()", list, FALSE, L" - Unable to retrieve item rectangle.",
                    [&](CHeaderListBox& l) -> BOOL {
                        RECT& out = Required(rect);
                        out.left = code;
                        return l.Send(LVM_GETITEMRECT, WPARAM(row), reinterpret_cast<LPARAM>(&out)) ? TRUE : FALSE;
                    });
}

extern "C" BOOL __stdcall ZelLVSetItemPosition(void* list, int row, int x, int y) {
    return ListCall(L"ZelLVSetItemPosition()", list, FALSE, L" - Unable to assign item position.",
                    [&](CHeaderListBox& l) {
                        POINT point{x, y};
                        return BOOL(l.Send(LVM_SETITEMPOSITION32, WPARAM(row), reinterpret_cast<LPARAM>(&point)));
                    });
}

extern "C" BOOL __stdcall ZelLVGetItemPosition(void* list, int row, POINT* point) {
    return ListCall(L"ZelLVGetItemPosition()", list, FALSE, L" - Unable to retrieve item position.",
                    [&](CHeaderListBox& l) {
                        return BOOL(l.Send(LVM_GETITEMPOSITION, WPARAM(row), reinterpret_cast<LPARAM>(&Required(point))));
                    });
}

extern "C" int __stdcall ZelLVGetStringWidth(void* list, LPCWSTR text) {
    return ListCall(L"ZelLVGetStringWidth()", list, 0, L" - Unable to retrieve string width.",
                    [&](CHeaderListBox& l) { return int(l.Send(LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(&Required(text)))); });
}

extern "C" BOOL __stdcall ZelLVGetViewRect(void* list, RECT* rect) {
    return ListCall(L"ZelLVGetViewRect()", list, FALSE, L" - Unable to retrieve view rectangle.",
                    [&](CHeaderListBox& l) { return BOOL(l.Send(LVM_GETVIEWRECT, 0, reinterpret_cast<LPARAM>(&Required(rect)))); });
}

extern "C" int __stdcall ZelLVGetTopIndex(void* list) {
    return ListCall(L"ZelLVGetTopIndex()", list, -1, L" - Unable to retrieve top index.",
                    [](CHeaderListBox& l) { return int(l.Send(LVM_GETTOPINDEX)); });
}

extern "C" int __stdcall ZelLVGetCountPerPage(void* list) {
    return ListCall(L"ZelLVGetCountPerPage()", list, 0, L" - Unable to retrieve count per page.",
                    [](CHeaderListBox& l) { return int(l.Send(LVM_GETCOUNTPERPAGE)); });
}

extern "C" BOOL __stdcall ZelLVGetOrigin(void* list, POINT* origin) {
    return ListCall(L"ZelLVGetOrigin()", list, FALSE, L" - Unable to retrieve origin.",
                    [&](CHeaderListBox& l) { return BOOL(l.Send(LVM_GETORIGIN, 0, reinterpret_cast<LPARAM>(&Required(origin)))); });
}

extern "C" int __stdcall ZelLVHitTest(void* list, int x, int y, UINT* flags) {
    return ListCall(L"ZelLVHitTest()", list, -1, L" - Unable to hit test.", [&](CHeaderListBox& l) {
        UINT& flagsOut = Required(flags);
        LVHITTESTINFO test{};
        test.pt = {x, y};
        const int row = int(l.Send(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&test)));
        flagsOut = test.flags;
        return row;
    });
}

extern "C" BOOL __stdcall ZelLVEnsureVisible(void* list, int row, BOOL partialOk) {
    return ListCall(L"ZelLVEnsureVisible()", list, FALSE, L" - Unable to ensure visible.",
                    [&](CHeaderListBox& l) { return BOOL(l.Send(LVM_ENSUREVISIBLE, WPARAM(row), LPARAM(partialOk))); });
}

extern "C" BOOL __stdcall ZelLVScroll(void* list, int dx, int dy) {
    return ListCall(L"ZelLVScroll()", list, FALSE, L" - Unable to scroll.",
                    [&](CHeaderListBox& l) { return BOOL(l.Send(LVM_SCROLL, WPARAM(dx), LPARAM(dy))); });
}

extern "C" BOOL __stdcall ZelLVArrange(void* list, UINT code) {
    return ListCall(L"ZelLVArrange()", list, FALSE, L" - Unable to arrange items.",
                    [&](CHeaderListBox& l) { return BOOL(l.Send(LVM_ARRANGE, WPARAM(code))); });
}
