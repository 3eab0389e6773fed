// How the table helpers reach a host table window: its columns by position
// and its cells through the table's cell text request.
#pragma once

#include <windows.h>

#include <string>

namespace zw::tables {

// Characters of the buffer a cell is read into, terminator included.
constexpr int kCellTextSize = 255;
using CellText = wchar_t[kCellTextSize];

// 0-based position of one of the table's columns; -1 when it is not one.
int ColumnIndex(HWND table, HWND column);
// Number of the table's columns.
int ColumnCount(HWND table);

// Reads the text of the cell at `row` and 0-based column position into the
// zeroed buffer. False when the table has no such cell.
bool ReadCell(HWND table, LONG row, int column, CellText& text);

// The window's text; "" when it is not a window.
std::wstring WindowText(HWND window);

}  // namespace zw::tables
