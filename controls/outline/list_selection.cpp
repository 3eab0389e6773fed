// General list functions over any host list or combo box: searching,
// selection, the focus row, scrolling, the drop-down state and the
// horizontal scroll width.
#include <windows.h>

#include <algorithm>
#include <vector>

#include "controls/outline/box_messages.h"
#include "controls/outline/list_box.h"
#include "frame/call_frame.h"
#include "frame/host_api.h"
#include "include/zwi51.h"

namespace zw::outline {
namespace {

bool IsMulti(const ListBox& box) {
    return !box.IsCombo() && (box.Style() & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL));
}

int FindString(const ListBox& box, int start, LPCWSTR text) {
    OutlineState state{};
    if (ReadOutlineState(box.window, &state)) return FindRowByText(box.window, state, start, text);
    const LRESULT row = box.Send(LB_FINDSTRINGEXACT, WPARAM(start), reinterpret_cast<LPARAM>(text ? text : L""));
    return row < 0 ? -1 : int(row);
}

int FindValue(const ListBox& box, int start, LONG_PTR value) {
    const int count = box.Count();
    if (count <= 0) return -1;
    if (start < -1 || start >= count) start = -1;
    for (int i = 1; i <= count; ++i) {
        const int row = (start + i) % count;
        if (box.Send(LB_GETITEMDATA, WPARAM(row), 0) == value) return row;
    }
    return -1;
}

int ClearSelection(const ListBox& box) {
    if (IsMulti(box)) box.Send(LB_SETSEL, FALSE, -1);
    else box.Send(LB_SETCURSEL, WPARAM(-1), 0);
    return 1;
}

int DeleteSelected(const ListBox& box) {
    if (box.IsCombo()) {
        const LRESULT row = box.Send(LB_GETCURSEL, 0, 0);
        return row < 0 ? 0 : (box.Send(LB_DELETESTRING, WPARAM(row), 0) < 0 ? -1 : 1);
    }
    if (!IsMulti(box)) {
        LRESULT row = box.Send(LB_GETCURSEL, 0, 0);
        if (row < 0) row = box.Send(LB_GETCARETINDEX, 0, 0);
        if (row < 0) return 0;
        return box.Send(LB_DELETESTRING, WPARAM(row), 0) < 0 ? -1 : 1;
    }
    const LRESULT count = box.Send(LB_GETSELCOUNT, 0, 0);
    if (count <= 0) return int(std::max<LRESULT>(count, 0));
    std::vector<int> rows;
    try {
        rows.resize(size_t(count));
    } catch (const std::bad_alloc&) {
        return -8;
    }
    const LRESULT got = box.Send(LB_GETSELITEMS, WPARAM(count), reinterpret_cast<LPARAM>(rows.data()));
    rows.resize(size_t(std::max<LRESULT>(got, 0)));
    std::sort(rows.begin(), rows.end());
    HostSetRedraw(box.window, FALSE);
    int deleted = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        // Each deletion moves the later rows up by one.
        if (box.Send(LB_DELETESTRING, WPARAM(rows[i] - deleted), 0) < 0) {
            HostSetRedraw(box.window, TRUE);
            return -1;
        }
        ++deleted;
    }
    HostSetRedraw(box.window, TRUE);
    return deleted;
}

int SetScrollWidth(const ListBox& box, int row) {
    HDC dc = GetDC(box.window);
    if (!dc) return -8;
    auto font = reinterpret_cast<HFONT>(SendMessageW(box.window, WM_GETFONT, 0, 0));
    HGDIOBJ old = SelectObject(dc, font ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
    int widest = int(SendMessageW(box.window, LB_GETHORIZONTALEXTENT, 0, 0));
    int result = 0;
    const int count = box.Count();
    const int first = row < 0 ? 0 : row, last = row < 0 ? count - 1 : row;
    for (int at = first; at <= last; ++at) {
        const LRESULT length = box.Send(LB_GETTEXTLEN, WPARAM(at), 0);
        if (length < 0) {
            result = -1;
            break;
        }
        std::wstring text(size_t(length) + 1, L'\0');
        if (box.Send(LB_GETTEXT, WPARAM(at), reinterpret_cast<LPARAM>(text.data())) < 0) {
            result = -1;
            break;
        }
        SIZE size{};
        GetTextExtentPoint32W(dc, text.c_str(), int(std::min<LRESULT>(length, LRESULT(text.size()))), &size);
        widest = std::max(widest, int(size.cx));
    }
    SelectObject(dc, old);
    ReleaseDC(box.window, dc);
    if (result < 0) return result;
    SendMessageW(box.window, LB_SETHORIZONTALEXTENT, WPARAM(widest), 0);
    SendMessageW(box.window, WM_HSCROLL, MAKEWPARAM(SB_TOP, 0), 0);
    return 0;
}

}  // namespace
}  // namespace zw::outline

using zw::outline::ListBox;

extern "C" int __stdcall ZelListFindString(HWND list, int start, LPCWSTR text) {
    const ListBox box(list);
    if (!box) return -87;
    return zw::Guarded(L"ZelListFindString()", -1, [&] { return zw::outline::FindString(box, start, text); });
}

extern "C" int __stdcall ZelListFindValue(HWND list, int start, LONG_PTR value) {
    const ListBox box(list);
    if (!box) return -1;
    return zw::Guarded(L"ZelListFindValue()", -1, [&] { return zw::outline::FindValue(box, start, value); });
}

extern "C" int __stdcall ZelListClearSelection(HWND list) {
    const ListBox box(list);
    if (!box) return -87;
    return zw::Guarded(L"ZelListClearSelection()", -1, [&] { return zw::outline::ClearSelection(box); });
}

extern "C" int __stdcall ZelListDeleteSelected(HWND list) {
    const ListBox box(list);
    if (!box) return -87;
    return zw::Guarded(L"ZelListDeleteSelected()", -1, [&] { return zw::outline::DeleteSelected(box); });
}

extern "C" int __stdcall ZelListIsMultiSelect(HWND list) {
    const ListBox box(list);
    if (!box || zw::outline::KindOf(list) != zw::outline::BoxKind::List) return 0;
    return zw::Guarded(L"ZelListIsMultiSelect()", 0,
                       [&] { return (box.Style() & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) ? 1 : 0; });
}

extern "C" int __stdcall ZelListGetFocusIndex(HWND list) {
    const ListBox box(list);
    if (!box) return -87;
    return zw::Guarded(L"ZelListGetFocusIndex()", -1, [&] {
        return int(box.IsCombo() ? box.Send(LB_GETCURSEL, 0, 0) : SendMessageW(list, LB_GETCARETINDEX, 0, 0));
    });
}

extern "C" int __stdcall ZelListSetFocusIndex(HWND list, int row) {
    const ListBox box(list);
    if (!box) return -87;
    return zw::Guarded(L"ZelListSetFocusIndex()", -1, [&] {
        if (!box.IsCombo() && (box.Style() & LBS_MULTIPLESEL))
            return int(SendMessageW(list, LB_SETCARETINDEX, WPARAM(row), FALSE));
        return int(box.Send(LB_SETCURSEL, WPARAM(row), 0));
    });
}

extern "C" int __stdcall ZelListScroll(HWND list, int row) {
    const ListBox box(list);
    if (!box || box.IsCombo()) return 0;
    return zw::Guarded(L"ZelListScroll()", 0,
                       [&] { return SendMessageW(list, LB_SETTOPINDEX, WPARAM(row), 0) == LB_ERR ? 0 : 1; });
}

extern "C" int __stdcall ZelListGetDropdownState(HWND list) {
    if (!IsWindow(list)) return -87;
    return zw::Guarded(L"ZelListGetDropdownState()", -1,
                       [&] { return int(SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0)); });
}

extern "C" int __stdcall ZelListSetDropdownState(HWND list, BOOL dropped) {
    if (!IsWindow(list)) return -87;
    return zw::Guarded(L"ZelListSetDropdownState()", -1,
                       [&] { return int(SendMessageW(list, CB_SHOWDROPDOWN, dropped ? TRUE : FALSE, 0)); });
}

extern "C" int __stdcall ZelListSetScrollWidth(HWND list, int row) {
    const ListBox box(list);
    if (!box) return -87;
    return zw::Guarded(L"ZelListSetScrollWidth()", -8, [&] { return zw::outline::SetScrollWidth(box, row); });
}
