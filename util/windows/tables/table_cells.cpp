// ZelTblGetCell, ZelTblGetColumnTitle: a cell's text and a column's title, and
// the cell and column access that the other table helpers share.
#include "util/windows/tables/table_cells.h"

#include <cstring>

#include "frame/call_frame.h"
#include "frame/host_api.h"
#include "frame/host_string.h"

namespace zw::tables {

int ColumnIndex(HWND table, HWND column) {
    return column ? HostTblColumnPos(table, column) - 1 : -1;
}

int ColumnCount(HWND table) {
    int count = 0;
    while (HostTblGetColumn(table, count + 1)) ++count;
    return count;
}

bool ReadCell(HWND table, LONG row, int column, CellText& text) {
    std::memset(text, 0, sizeof text);
    HostTblCellText request{row, column, text, kCellTextSize};
    return SendMessageW(table, HOST_TBL_GETCELLTEXT, 0, reinterpret_cast<LPARAM>(&request)) >= 0;
}

std::wstring WindowText(HWND window) {
    if (!IsWindow(window)) return {};
    std::wstring text(size_t(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(size_t(GetWindowTextW(window, text.data(), int(text.size()))));
    return text;
}

}  // namespace zw::tables

extern "C" HOSTSTR __stdcall ZelTblGetCell(HWND table, LONG row, HWND column) {
    std::wstring text;
    if (IsWindow(table)) {
        text = zw::Guarded(L"ZelTblGetCell()", std::wstring(), [&] {
            zw::tables::CellText cell;
            const int index = zw::tables::ColumnIndex(table, column);
            if (index < 0 || !zw::tables::ReadCell(table, row, index, cell)) return std::wstring();
            return std::wstring(cell);
        });
    }
    return zw::NewHostString(text);
}

extern "C" HOSTSTR __stdcall ZelTblGetColumnTitle(HWND column) {
    const std::wstring title =
        zw::Guarded(L"ZelTblGetColumnTitle()", std::wstring(), [&] { return zw::tables::WindowText(column); });
    return zw::NewHostString(title);
}
