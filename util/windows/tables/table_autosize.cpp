// ZelTblAutoSizeColumn: a column as wide as its widest line (title or cell,
// each text split at its line ends) in the table's font, plus the table's
// cell margins.
#include <windows.h>

#include <algorithm>

#include "controls/gdi_owners.h"
#include "frame/call_frame.h"
#include "frame/host_api.h"
#include "util/strings/text_args.h"
#include "util/windows/core/cell_lines.h"
#include "util/windows/tables/table_cells.h"

namespace zw::tables {
namespace {

// The width of the text's widest line in the DC's font, pixels.
int WidestLine(HDC dc, const wchar_t* text) {
    int widest = 0;
    windows::ForEachCellLine(strings::TextArg(text), [&](std::u16string_view line) {
        SIZE size{};
        if (GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(line.data()), int(line.size()), &size)) {
            widest = std::max(widest, int(size.cx));
        }
    });
    return widest;
}

int AutoSizeColumn(HWND table, HWND column) {
    const int index = ColumnIndex(table, column);
    if (index < 0) return 0;
    gdi::WindowDC dc(table, DCX_CACHE);
    if (!dc) return 0;
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(table, WM_GETFONT, 0, 0));
    gdi::Selection selected(dc.Get(), font ? font : GetStockObject(SYSTEM_FONT));
    int widest = WidestLine(dc.Get(), WindowText(column).c_str());
    CellText text;
    for (LONG row = 0; HostTblSetContextRow(table, row); ++row) {
        if (ReadCell(table, row, index, text)) widest = std::max(widest, WidestLine(dc.Get(), text));
    }
    const LRESULT margins = SendMessageW(table, HOST_TBL_GETCELLMARGIN, 0, 0);
    const LPARAM width = LPARAM(widest) + std::max<LRESULT>(margins, 0);
    if (!SendMessageW(table, HOST_TBL_SETCOLUMNWIDTH, reinterpret_cast<WPARAM>(column), width)) return 0;
    SendMessageW(table, HOST_TBL_RELAYOUT, 0, 0);
    return 1;
}

}  // namespace
}  // namespace zw::tables

extern "C" int __stdcall ZelTblAutoSizeColumn(HWND table, HWND column) {
    if (!IsWindow(table) || !IsWindow(column)) return 0;
    return zw::Guarded(L"ZelTblAutoSizeColumn()", 0, [&] { return zw::tables::AutoSizeColumn(table, column); });
}
