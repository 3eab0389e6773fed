// General list functions over any host list or combo box (outline or not):
// rows with values, row texts and filling a box from host arrays.
#include <windows.h>

#include <string>
#include <vector>

#include "controls/outline/box_messages.h"
#include "controls/outline/list_box.h"
#include "frame/call_frame.h"
#include "frame/host_api.h"
#include "frame/host_string.h"
#include "include/zwi51.h"

namespace zw::outline {
namespace {

int AddValue(const ListBox& box, int row, LPCWSTR text, LONG_PTR value) {
    const LRESULT added = row < 0 ? box.Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text ? text : L""))
                                  : box.Send(LB_INSERTSTRING, WPARAM(row), reinterpret_cast<LPARAM>(text ? text : L""));
    if (added < 0) return int(added);
    return box.Send(LB_SETITEMDATA, WPARAM(added), value) == LB_ERR ? -1 : int(added);
}

HOSTSTR GetText(const ListBox& box, int row) {
    OutlineState state{};
    if (ReadOutlineState(box.window, &state)) {
        // Read by reference: the record's own text, copied once into the result.
        RowRecord* record = RecordAt(box.window, state, row);
        if (record) return NewHostString(std::wstring_view(reinterpret_cast<const wchar_t*>(record->text.data()),
                                                           record->text.size()));
    }
    const LRESULT length = box.Send(LB_GETTEXTLEN, WPARAM(row), 0);
    if (length < 0) return NewHostString(L"");
    std::wstring text(size_t(length) + 1, L'\0');
    const LRESULT read = box.Send(LB_GETTEXT, WPARAM(row), reinterpret_cast<LPARAM>(text.data()));
    if (read < 0) return NewHostString(L"");
    text.resize(size_t(std::min(read, length)));
    return NewHostString(text);
}

int SetText(const ListBox& box, int row, LPCWSTR text) {
    OutlineState state{};
    if (ReadOutlineState(box.window, &state)) {
        RowRecord* record = RecordAt(box.window, state, row);
        if (!record) return -1;
        std::u16string value = text ? reinterpret_cast<const char16_t*>(text) : u"";
        ApplyCase(value, state.style);
        record->text = std::move(value);
        RepaintRow(box.window, state, row);
        return 0;
    }
    if (row < 0 || row >= box.Count()) return -1;
    const bool selected = HostListIsSelected(box.window, row) != FALSE;
    const LRESULT value = box.Send(LB_GETITEMDATA, WPARAM(row), 0);
    HostSetRedraw(box.window, FALSE);
    const int inserted = AddValue(box, row, text, value);
    if (inserted >= 0) HostListDelete(box.window, row + 1);
    HostSetRedraw(box.window, TRUE);
    if (inserted < 0) return -1;
    if (selected) {
        if (box.Style() & LBS_MULTIPLESEL) HostListSetMultiSel(box.window, row, TRUE);
        else HostListSetSel(box.window, row);
    }
    return 0;
}

std::wstring ArrayText(HARRAY strings, LONG index) {
    HOSTSTR text = 0;
    if (!HostArrayGetString(strings, &text, index)) return {};
    std::wstring read = ReadHostString(text);
    HostStrRelease(text);
    return read;
}

int Populate(const ListBox& box, HARRAY strings, HARRAY numbers) {
    LONG lower = 0, upper = -1, numbersLower = 0, numbersUpper = -1;
    const int count = HostArrayGetBounds(strings, &lower, &upper);
    if (numbers && HostArrayGetBounds(numbers, &numbersLower, &numbersUpper) != count) return -87;
    box.Send(LB_RESETCONTENT, 0, 0);
    for (int i = 0; i < count; ++i) {
        const std::wstring text = ArrayText(strings, lower + i);
        const LRESULT added = box.Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        if (added < 0) return int(added);
        if (numbers) {
            HostNumber number{};
            HostArrayGetNumber(numbers, &number, numbersLower + i);
            if (box.Send(LB_SETITEMDATA, WPARAM(added), HostNumberToInt(&number)) == LB_ERR) return -1;
        }
    }
    return count;
}

}  // namespace
}  // namespace zw::outline

using zw::outline::ListBox;

extern "C" int __stdcall ZelListAddValue(HWND list, LPCWSTR text, LONG_PTR value) {
    const ListBox box(list);
    if (!box) return -87;
    return zw::Guarded(L"ZelListAddValue()", -1, [&] { return zw::outline::AddValue(box, -1, text, value); });
}

extern "C" int __stdcall ZelListInsertValue(HWND list, int row, LPCWSTR text, LONG_PTR value) {
    const ListBox box(list);
    if (!box) return -87;
    return zw::Guarded(L"ZelListInsertValue()", -1, [&] { return zw::outline::AddValue(box, row, text, value); });
}

extern "C" LONG_PTR __stdcall ZelListGetValue(HWND list, int row) {
    const ListBox box(list);
    if (!box) return -87;
    return zw::Guarded(L"ZelListGetValue()", LONG_PTR(LB_ERR),
                       [&] { return LONG_PTR(box.Send(LB_GETITEMDATA, WPARAM(row), 0)); });
}

extern "C" int __stdcall ZelListSetValue(HWND list, int row, LONG_PTR value) {
    const ListBox box(list);
    if (!box) return -87;
    return zw::Guarded(L"ZelListSetValue()", -1, [&] { return int(box.Send(LB_SETITEMDATA, WPARAM(row), value)); });
}

extern "C" ZW_HSTR __stdcall ZelListGetText(HWND list, int row) {
    return zw::Guarded(L"ZelListGetText()", ZW_HSTR(0), [&] {
        const ListBox box(list);
        return box ? zw::outline::GetText(box, row) : zw::NewHostString(L"");
    });
}

extern "C" int __stdcall ZelListSetText(HWND list, int row, LPCWSTR text) {
    const ListBox box(list);
    if (!box) return -87;
    return zw::Guarded(L"ZelListSetText()", -1, [&] { return zw::outline::SetText(box, row, text); });
}

extern "C" int __stdcall ZelListArrayPopulate(HWND list, ZW_HARRAY strings) {
    const ListBox box(list);
    if (!box) return -87;
    return zw::Guarded(L"ZelListArrayPopulate()", -1, [&] { return zw::outline::Populate(box, strings, 0); });
}

extern "C" int __stdcall ZelListArrayPopulateValue(HWND list, ZW_HARRAY strings, ZW_HARRAY numbers) {
    const ListBox box(list);
    if (!box) return -87;
    if (!numbers) return -87;
    return zw::Guarded(L"ZelListArrayPopulateValue()", -1, [&] { return zw::outline::Populate(box, strings, numbers); });
}
