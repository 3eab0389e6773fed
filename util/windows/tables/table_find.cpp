// ZelTblFindString, ZelTblFindNumber, ZelTblFindDateTime: the first row, from
// a start row on, with a cell of one column (or of any column) that matches
// a text, a number or a date/time.
#include <windows.h>

#include <array>
#include <climits>

#include "frame/call_frame.h"
#include "frame/host_api.h"
#include "util/strings/core/number_equality.h"
#include "util/windows/tables/table_cells.h"

namespace zw::tables {
namespace {

// Walks the rows from `start` while each can be made the context row, and in
// each the cell of `column` or, for a null column, every cell from the first
// column on; `matches(text)` tests one. The first matching row; -1 when none
// does or the column is not one of the table's.
template <typename Matches>
LONG FindRow(HWND table, LONG start, HWND column, Matches matches) {
    int first = 0;
    int end = ColumnCount(table);
    if (column) {
        first = ColumnIndex(table, column);
        if (first < 0) return -1;
        end = first + 1;
    }
    CellText text;
    for (LONG row = start; HostTblSetContextRow(table, row); ++row) {
        for (int position = first; position < end; ++position) {
            if (ReadCell(table, row, position, text) && matches(text)) return row;
        }
        if (row == LONG_MAX) break;
    }
    return -1;
}

// Year, month, day, hour, minute and second: what a cell's date/time must
// share with the one searched for.
std::array<int, 6> DateParts(const HostDate& date) {
    return {HostDateYear(&date), HostDateMonth(&date), HostDateDay(&date),
            HostDateHour(&date), HostDateMinute(&date), HostDateSecond(&date)};
}

}  // namespace
}  // namespace zw::tables

extern "C" LONG __stdcall ZelTblFindString(HWND table, LONG start, HWND column, LPCWSTR text) {
    if (!IsWindow(table)) return -1;
    const wchar_t* wanted = text ? text : L"";
    return zw::Guarded(L"ZelTblFindString()", LONG(-1), [&] {
        return zw::tables::FindRow(table, start, column,
                                   [&](const wchar_t* cell) { return HostStrFind(cell, wanted, 0) >= 0; });
    });
}

// A cell matches when its text holds a number equal to the one searched for.
extern "C" LONG __stdcall ZelTblFindNumber(HWND table, LONG start, HWND column, HostNumber number) {
    if (!IsWindow(table)) return -1;
    return zw::Guarded(L"ZelTblFindNumber()", LONG(-1), [&] {
        return zw::tables::FindRow(table, start, column, [&](const wchar_t* cell) {
            HostNumber value{};
            return HostTextToNumber(cell, &value) && zw::strings::SameHostNumber(value, number);
        });
    });
}

// A cell matches when its text holds a date/time equal to the one searched
// for to the second.
extern "C" LONG __stdcall ZelTblFindDateTime(HWND table, LONG start, HWND column, HostDate dateTime) {
    if (!IsWindow(table)) return -1;
    return zw::Guarded(L"ZelTblFindDateTime()", LONG(-1), [&] {
        const auto wanted = zw::tables::DateParts(dateTime);
        return zw::tables::FindRow(table, start, column, [&](const wchar_t* cell) {
            HostDate value{};
            return HostTextToDate(cell, &value) && zw::tables::DateParts(value) == wanted;
        });
    });
}
