// ZelLVGetColumn, ZelLVSetColumn, ZelLVColumnsAssign: the list's columns.
// ZelLVColumnsAssign takes the headings, formats and widths from host arrays.
#include <algorithm>
#include <memory>
#include <string>

#include "controls/listview/lv_exports.h"
#include "frame/host_api.h"
#include "frame/host_string.h"

using zw::listview::CHeaderListBox;
using zw::listview::ListCall;
using zw::listview::Required;

namespace {

constexpr int kHeadingBuffer = 260;  // characters, terminator included

// Elements the array lacks read as null: the empty text and 0.
std::u16string ArrayText(HARRAY array, LONG index) {
    HOSTSTR element = 0;
    if (!HostArrayGetString(array, &element, index) || !element) return {};
    const std::wstring text = zw::ReadHostString(element);
    HostStrRelease(element);
    return std::u16string(text.begin(), text.end());
}

std::int32_t ArrayNumber(HARRAY array, LONG index) {
    HostNumber number{};
    HostArrayGetNumber(array, &number, index);
    return HostNumberToLong(&number);
}

// How many elements an array can give from index 0; InvalidArgException for
// a missing or bad array.
LONG ArrayLength(HARRAY array) {
    LONG upper = 0;
    if (!array || !HostArrayGetUpperBound(array, 1, &upper)) throw zw::InvalidArgException();
    return upper + 1;
}

}  // namespace

extern "C" BOOL __stdcall ZelLVGetColumn(void* list, int column, ZW_HSTR* text, int* format, int* width) {
    return ListCall(L"ZelLVGetColumn()", list, FALSE, L" - Unable to retrieve column.", [&](CHeaderListBox& l) {
        ZW_HSTR& textOut = Required(text);
        int& formatOut = Required(format);
        int& widthOut = Required(width);
        DWORD bytes = 0;
        if (textOut && !HostStrLock(textOut, &bytes)) throw zw::InvalidArgException();
        WCHAR heading[kHeadingBuffer] = {};
        LVCOLUMNW info{};
        info.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
        info.pszText = heading;
        info.cchTextMax = kHeadingBuffer;
        const BOOL result = BOOL(l.Send(LVM_GETCOLUMNW, WPARAM(column), reinterpret_cast<LPARAM>(&info)));
        if (result == 1) {
            zw::AssignHostString(&textOut, heading);
            formatOut = info.fmt;
            widthOut = info.cx;
        }
        return result;
    });
}

extern "C" BOOL __stdcall ZelLVSetColumn(void* list, int column, UINT mask, LPCWSTR text, int format, int width) {
    return ListCall(L"ZelLVSetColumn()", list, FALSE, L" - Unable to assign column.", [&](CHeaderListBox& l) {
        std::wstring heading = text ? text : L"";
        LVCOLUMNW info{};
        info.mask = text ? mask : mask & ~LVCF_TEXT;
        info.fmt = format;
        info.cx = width;
        info.pszText = heading.data();
        const BOOL result = BOOL(l.Send(LVM_SETCOLUMNW, WPARAM(column), reinterpret_cast<LPARAM>(&info)));
        InvalidateRect(l.Handle(), nullptr, TRUE);
        return result;
    });
}

extern "C" BOOL __stdcall ZelLVColumnsAssign(void* list, ZW_HARRAY headings, ZW_HARRAY formats, ZW_HARRAY widths,
                                             int count) {
    return ListCall(L"ZelLVColumnsAssign()", list, FALSE, L" - Unable to assign columns.",
                    [&](CHeaderListBox& l) -> BOOL {
                        const LONG n = std::min({LONG(count), ArrayLength(headings), ArrayLength(formats),
                                                 ArrayLength(widths)});
                        zw::listview::CHdrLBColumnArray columns;
                        for (LONG i = 0; i < n; ++i)
                            columns.push_back(std::make_unique<zw::listview::SHdrLBColumn>(
                                ArrayText(headings, i), ArrayNumber(formats, i), ArrayNumber(widths, i)));
                        l.AssignColumns(std::move(columns));
                        return TRUE;
                    });
}
