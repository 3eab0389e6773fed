// The host's table operations over its table windows (table_window.h).
#include "frame/host_api.h"
#include "host/cortl51/table_window.h"

using host::tables::Column;
using host::tables::FindColumn;
using host::tables::FindTable;
using host::tables::Row;
using host::tables::Table;

extern "C" HWND __stdcall HostTblGetColumn(HWND table, int position) {
    const Table* t = FindTable(table);
    if (!t || position < 1 || size_t(position) > t->columns.size()) return nullptr;
    return t->columns[size_t(position) - 1];
}

extern "C" int __stdcall HostTblColumnPos(HWND table, HWND column) {
    const Table* t = FindTable(table);
    if (!t) return 0;
    for (size_t i = 0; i < t->columns.size(); ++i) {
        if (t->columns[i] == column) return int(i) + 1;
    }
    return 0;
}

extern "C" BOOL __stdcall HostTblSetContextRow(HWND table, LONG row) {
    Table* t = FindTable(table);
    if (!t || row < 0 || size_t(row) >= t->rows.size()) return FALSE;
    t->contextRow = row;
    return TRUE;
}

extern "C" BOOL __stdcall HostTblGetColumnFlag(HWND column, DWORD flag) {
    const Column* c = FindColumn(column);
    return c && (c->flags & flag) ? TRUE : FALSE;
}

extern "C" BOOL __stdcall HostTblSetColumnFlag(HWND column, DWORD flag, BOOL set) {
    Column* c = FindColumn(column);
    if (!c) return FALSE;
    const DWORD before = c->flags;
    c->flags = set ? (c->flags | flag) : (c->flags & ~flag);
    if (c->flags != before) InvalidateRect(column, nullptr, TRUE);
    return TRUE;
}

extern "C" BOOL __stdcall HostTblSetCellColor(HWND column, COLORREF colour) {
    const Column* c = FindColumn(column);
    Table* t = c ? FindTable(c->table) : nullptr;
    if (!t || t->contextRow < 0 || size_t(t->contextRow) >= t->rows.size()) return FALSE;
    const int position = HostTblColumnPos(c->table, column);
    if (position == 0) return FALSE;
    Row& row = t->rows[size_t(t->contextRow)];
    if (row.colours.size() < size_t(position)) row.colours.resize(size_t(position), CLR_INVALID);
    row.colours[size_t(position) - 1] = colour;
    InvalidateRect(c->table, nullptr, FALSE);
    return TRUE;
}

extern "C" BOOL __stdcall HostTblFindNextRow(HWND table, LONG* row, WORD flagsOn, WORD flagsOff) {
    const Table* t = FindTable(table);
    if (!t || !row) return FALSE;
    const LONG count = LONG(t->rows.size());
    for (LONG next = *row < 0 ? 0 : *row + 1; next < count && next >= 0; ++next) {
        const WORD flags = t->rows[size_t(next)].flags;
        if ((flagsOn == 0 || (flags & flagsOn)) && !(flags & flagsOff)) {
            *row = next;
            return TRUE;
        }
    }
    return FALSE;
}

extern "C" BOOL __stdcall HostTblQueryRowFlag(HWND table, LONG row, WORD flag) {
    const Table* t = FindTable(table);
    if (!t || row < 0 || size_t(row) >= t->rows.size()) return FALSE;
    return (t->rows[size_t(row)].flags & flag) ? TRUE : FALSE;
}

extern "C" BOOL __stdcall HostTblGetVisibleRows(HWND table, LONG* first, LONG* last) {
    const Table* t = FindTable(table);
    if (!t || !first || !last) return FALSE;
    const LONG shown = host::tables::ShownRowCount(table, *t);
    if (shown == 0) return FALSE;
    *first = 0;
    *last = shown - 1;
    return TRUE;
}

extern "C" BOOL __stdcall HostTblGetRowHeaderRect(HWND table, LONG row, RECT* rect) {
    const Table* t = FindTable(table);
    if (!t || !rect || row < 0 || row >= host::tables::ShownRowCount(table, *t)) return FALSE;
    const int top = host::tables::TitleHeight(*t) + int(row) * host::tables::RowHeight(*t);
    *rect = RECT{0, top, host::tables::kRowHeaderWidth, top + host::tables::RowHeight(*t) - 1};
    return TRUE;
}
