// The replacement host's table window: a grid whose columns are child windows
// (each shows its title, its window text) and whose rows hold one text per
// column, a text colour per cell and 16 row flags. The table answers the
// private messages of the host interface (frame/host_api.h) and paints its
// cells, a row header at the left and the column titles.
//
// Not done yet: scrolling (the first row is always shown at the top), editing,
// moving or hiding columns, deleting rows.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace host::tables {

struct Row {
    std::vector<std::wstring> cells;  // by column position - 1; missing cells are empty
    std::vector<COLORREF> colours;    // text colour by column position - 1; CLR_INVALID: the window text colour
    WORD flags = 0;                   // HOST_ROW_* bits
};

struct Column {
    HWND table = nullptr;  // the table the column belongs to
    int width = 0;         // pixels
    DWORD flags = 0;       // HOST_COL_* bits
};

struct Table {
    std::vector<HWND> columns;  // column windows by position - 1
    std::vector<Row> rows;      // rows by number
    LONG contextRow = -1;       // row of cell operations without a row; -1 none
    HFONT font = nullptr;       // WM_SETFONT; null: the system font
    int textHeight = 16;        // tmHeight of the font, pixels
};

// Widths in pixels.
constexpr int kRowHeaderWidth = 22;
constexpr int kCellMargin = 3;  // each side of a cell's text

Table* FindTable(HWND window);
Column* FindColumn(HWND window);

// A new table window, and a new column at its right end; null on failure.
HWND CreateTable(HWND parent, int x, int y, int width, int height, int id);
HWND AddColumn(HWND table, const wchar_t* title, int width);

// Heights of the title band and of a row, pixels.
int TitleHeight(const Table& table);
int RowHeight(const Table& table);
// Rows that fit below the title band of the window, counted from row 0
// (a row cut at the bottom counts).
LONG ShownRowCount(HWND window, const Table& table);

}  // namespace host::tables
