// The test surface of the table windows: making tables and columns, filling
// cells and row flags, and reading back what the library changed.
#include "host/cortl51/table_window.h"
#include "host/host_test.h"

using host::tables::Column;
using host::tables::FindColumn;
using host::tables::FindTable;
using host::tables::Row;
using host::tables::Table;

extern "C" HWND __stdcall HostTestCreateTable(HWND parent, int x, int y, int width, int height, int id) {
    return host::tables::CreateTable(parent, x, y, width, height, id);
}

extern "C" HWND __stdcall HostTestAddColumn(HWND table, LPCWSTR title, int width) {
    return host::tables::AddColumn(table, title, width);
}

extern "C" BOOL __stdcall HostTestSetCell(HWND table, LONG row, int position, LPCWSTR text) {
    Table* t = FindTable(table);
    if (!t || row < 0 || position < 1 || size_t(position) > t->columns.size()) return FALSE;
    if (size_t(row) >= t->rows.size()) t->rows.resize(size_t(row) + 1);
    Row& cells = t->rows[size_t(row)];
    if (cells.cells.size() < size_t(position)) cells.cells.resize(size_t(position));
    cells.cells[size_t(position) - 1] = text ? text : L"";
    InvalidateRect(table, nullptr, FALSE);
    return TRUE;
}

extern "C" BOOL __stdcall HostTestSetRowFlags(HWND table, LONG row, WORD flags) {
    Table* t = FindTable(table);
    if (!t || row < 0 || size_t(row) >= t->rows.size()) return FALSE;
    t->rows[size_t(row)].flags = flags;
    InvalidateRect(table, nullptr, FALSE);
    return TRUE;
}

extern "C" COLORREF __stdcall HostTestCellColor(HWND table, LONG row, int position) {
    const Table* t = FindTable(table);
    if (!t || row < 0 || size_t(row) >= t->rows.size() || position < 1) return CLR_INVALID;
    const Row& cells = t->rows[size_t(row)];
    return size_t(position) <= cells.colours.size() ? cells.colours[size_t(position) - 1] : CLR_INVALID;
}

extern "C" int __stdcall HostTestColumnWidth(HWND column) {
    const Column* c = FindColumn(column);
    return c ? c->width : -1;
}

extern "C" LONG __stdcall HostTestContextRow(HWND table) {
    const Table* t = FindTable(table);
    return t ? t->contextRow : -1;
}
