// ZelTblClearColumnSelection, ZelTblSetRowColor, ZelTblAllRows: column
// selection, row colours and row flags of a host table window.
#include <windows.h>

#include "frame/call_frame.h"
#include "frame/host_api.h"

namespace zw::tables {
namespace {

// Row number from which the host's row search starts before the first row.
constexpr LONG kBeforeFirstRow = LONG(0x80000010);

void ClearColumnSelection(HWND table) {
    for (int position = 1;; ++position) {
        HWND column = HostTblGetColumn(table, position);
        if (!column) return;
        if (HostTblGetColumnFlag(column, HOST_COL_SELECTED)) HostTblSetColumnFlag(column, HOST_COL_SELECTED, FALSE);
    }
}

int SetRowColor(HWND table, LONG row, COLORREF colour) {
    if (!HostTblSetContextRow(table, row)) return 0;
    for (int position = 1;; ++position) {
        HWND column = HostTblGetColumn(table, position);
        if (!column) return 1;
        HostTblSetCellColor(column, colour);
    }
}

// The host's search may report rows with only some of `flagsOn`: each flag
// is tested again here.
bool HasEveryFlag(HWND table, LONG row, WORD flagsOn) {
    for (int bit = 0; bit < 16; ++bit) {
        const WORD flag = WORD(1u << bit);
        if ((flagsOn & flag) && !HostTblQueryRowFlag(table, row, flag)) return false;
    }
    return true;
}

int AllRows(HWND table, WORD flagsOn, WORD flagsOff) {
    LONG row = kBeforeFirstRow;
    while (HostTblFindNextRow(table, &row, flagsOn, flagsOff)) {
        if (HasEveryFlag(table, row, flagsOn)) return 1;
    }
    return 0;
}

}  // namespace
}  // namespace zw::tables

extern "C" int __stdcall ZelTblClearColumnSelection(HWND table) {
    if (!IsWindow(table)) return 0;
    return zw::Guarded(L"ZelTblClearColumnSelection()", 0, [&] {
        zw::tables::ClearColumnSelection(table);
        return 1;
    });
}

extern "C" int __stdcall ZelTblSetRowColor(HWND table, LONG row, COLORREF colour) {
    if (!IsWindow(table)) return 0;
    return zw::Guarded(L"ZelTblSetRowColor()", 0, [&] { return zw::tables::SetRowColor(table, row, colour); });
}

extern "C" int __stdcall ZelTblAllRows(HWND table, WORD flagsOn, WORD flagsOff) {
    if (!IsWindow(table)) return 0;
    return zw::Guarded(L"ZelTblAllRows()", 0, [&] { return zw::tables::AllRows(table, flagsOn, flagsOff); });
}
