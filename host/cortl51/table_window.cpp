#include "host/cortl51/table_window.h"

#include <algorithm>
#include <unordered_map>

#include "frame/host_api.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace host::tables {
namespace {

constexpr wchar_t kTableClass[] = L"HostTblWindow";
constexpr wchar_t kColumnClass[] = L"HostTblColumn";

std::unordered_map<HWND, Table>& Tables() {
    static std::unordered_map<HWND, Table> tables;
    return tables;
}

std::unordered_map<HWND, Column>& Columns() {
    static std::unordered_map<HWND, Column> columns;
    return columns;
}

HINSTANCE Module() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

HFONT FontOf(const Table& table) {
    return table.font ? table.font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

void MeasureFont(HWND window, Table& table) {
    HDC dc = GetDC(window);
    if (!dc) return;
    HGDIOBJ old = SelectObject(dc, FontOf(table));
    TEXTMETRICW metrics{};
    if (GetTextMetricsW(dc, &metrics)) table.textHeight = metrics.tmHeight;
    SelectObject(dc, old);
    ReleaseDC(window, dc);
}

// Places the column windows side by side in the title band, after the row header.
void Layout(const Table& table) {
    int x = kRowHeaderWidth;
    for (HWND column : table.columns) {
        const Column* info = FindColumn(column);
        const int width = info ? info->width : 0;
        MoveWindow(column, x, 0, width, TitleHeight(table), TRUE);
        x += width;
    }
}

void Paint(HWND window, const Table& table, HDC dc) {
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    const int title = TitleHeight(table);
    const int rowHeight = RowHeight(table);
    RECT header{0, 0, kRowHeaderWidth, client.bottom};
    FillRect(dc, &header, GetSysColorBrush(COLOR_BTNFACE));
    HGDIOBJ oldFont = SelectObject(dc, FontOf(table));
    SetBkMode(dc, TRANSPARENT);
    const LONG shown = ShownRowCount(window, table);
    for (LONG row = 0; row < shown; ++row) {
        const Row& cells = table.rows[size_t(row)];
        const int top = title + int(row) * rowHeight;
        RECT line{0, top + rowHeight - 1, client.right, top + rowHeight};
        FillRect(dc, &line, GetSysColorBrush(COLOR_BTNSHADOW));
        int x = kRowHeaderWidth;
        for (size_t position = 0; position < table.columns.size(); ++position) {
            const Column* column = FindColumn(table.columns[position]);
            const int width = column ? column->width : 0;
            RECT cell{x + kCellMargin, top, x + width - kCellMargin, top + rowHeight - 1};
            const COLORREF colour = position < cells.colours.size() ? cells.colours[position] : CLR_INVALID;
            SetTextColor(dc, colour == CLR_INVALID ? GetSysColor(COLOR_WINDOWTEXT) : colour);
            if (position < cells.cells.size()) {
                const std::wstring& text = cells.cells[position];
                // A cell of several lines shows its first.
                const size_t end = text.find_first_of(L"\r\n");
                DrawTextW(dc, text.c_str(), int(end == std::wstring::npos ? text.size() : end), &cell,
                          DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
            }
            x += width;
        }
    }
    SelectObject(dc, oldFont);
}

LRESULT GetCellText(const Table& table, const HostTblCellText* request) {
    if (!request || !request->buffer || request->size <= 0) return -1;
    if (request->row < 0 || size_t(request->row) >= table.rows.size()) return -1;
    if (request->column < 0 || size_t(request->column) >= table.columns.size()) return -1;
    const Row& row = table.rows[size_t(request->row)];
    const size_t position = size_t(request->column);
    const std::wstring empty;
    const std::wstring& text = position < row.cells.size() ? row.cells[position] : empty;
    const size_t length = std::min(text.size(), size_t(request->size - 1));
    text.copy(request->buffer, length);
    request->buffer[length] = 0;
    return LRESULT(length);
}

LRESULT SetColumnWidth(HWND window, HWND column, LPARAM width) {
    Column* info = FindColumn(column);
    if (!info || info->table != window || width <= 0) return 0;
    info->width = int(width);
    return 1;
}

LRESULT CALLBACK TableProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Table* table = FindTable(window);
    if (!table) return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
    case HOST_TBL_GETCELLTEXT:
        return GetCellText(*table, reinterpret_cast<const HostTblCellText*>(lParam));
    case HOST_TBL_GETMETRIC:
        return wParam == HOST_TBL_METRIC_ROWHEADERWIDTH ? kRowHeaderWidth : 0;
    case HOST_TBL_GETCELLMARGIN:
        return 2 * kCellMargin;
    case HOST_TBL_SETCOLUMNWIDTH:
        return SetColumnWidth(window, reinterpret_cast<HWND>(wParam), lParam);
    case HOST_TBL_RELAYOUT:
        Layout(*table);
        InvalidateRect(window, nullptr, TRUE);
        return 1;
    case WM_SETFONT:
        table->font = reinterpret_cast<HFONT>(wParam);
        MeasureFont(window, *table);
        Layout(*table);
        for (HWND column : table->columns) SendMessageW(column, WM_SETFONT, wParam, lParam);
        if (lParam) InvalidateRect(window, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(table->font);
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        Paint(window, *table, dc);
        EndPaint(window, &ps);
        return 0;
    }
    case WM_PRINTCLIENT:
        Paint(window, *table, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_NCDESTROY:
        Tables().erase(window);
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void PaintColumn(HWND column, HDC dc) {
    RECT rect;
    GetClientRect(column, &rect);
    FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(dc, &rect, BDR_RAISEDINNER, BF_RECT);
    WCHAR title[256] = {};
    GetWindowTextW(column, title, 256);
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(GetParent(column), WM_GETFONT, 0, 0));
    HGDIOBJ old = SelectObject(dc, font ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    const Column* info = FindColumn(column);
    if (info && (info->flags & HOST_COL_SELECTED)) InvertRect(dc, &rect);
    RECT text{rect.left + kCellMargin, rect.top, rect.right - kCellMargin, rect.bottom};
    DrawTextW(dc, title, -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    SelectObject(dc, old);
}

LRESULT CALLBACK ColumnProc(HWND column, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(column, &ps);
        PaintColumn(column, dc);
        EndPaint(column, &ps);
        return 0;
    }
    case WM_PRINTCLIENT:
        PaintColumn(column, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_NCDESTROY:
        Columns().erase(column);
        break;
    }
    return DefWindowProcW(column, message, wParam, lParam);
}

bool RegisterClasses() {
    static const bool registered = [] {
        WNDCLASSW table{};
        table.style = CS_DBLCLKS;
        table.lpfnWndProc = TableProc;
        table.hInstance = Module();
        table.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        table.lpszClassName = kTableClass;
        WNDCLASSW column = table;
        column.lpfnWndProc = ColumnProc;
        column.lpszClassName = kColumnClass;
        return RegisterClassW(&table) && RegisterClassW(&column);
    }();
    return registered;
}

}  // namespace

Table* FindTable(HWND window) {
    auto it = Tables().find(window);
    return it == Tables().end() ? nullptr : &it->second;
}

Column* FindColumn(HWND window) {
    auto it = Columns().find(window);
    return it == Columns().end() ? nullptr : &it->second;
}

int TitleHeight(const Table& table) { return table.textHeight + 6; }

int RowHeight(const Table& table) { return std::max(table.textHeight + 4, 18); }

LONG ShownRowCount(HWND window, const Table& table) {
    RECT client;
    if (!GetClientRect(window, &client)) return 0;
    const int below = client.bottom - TitleHeight(table);
    if (below <= 0) return 0;
    const LONG fit = LONG((below + RowHeight(table) - 1) / RowHeight(table));
    return std::min(fit, LONG(table.rows.size()));
}

HWND CreateTable(HWND parent, int x, int y, int width, int height, int id) {
    if (!RegisterClasses()) return nullptr;
    HWND window = CreateWindowExW(0, kTableClass, L"", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_CLIPCHILDREN, x, y,
                                  width, height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), Module(),
                                  nullptr);
    if (!window) return nullptr;
    Table& table = Tables()[window];
    MeasureFont(window, table);
    return window;
}

HWND AddColumn(HWND tableWindow, const wchar_t* title, int width) {
    Table* table = FindTable(tableWindow);
    if (!table || width <= 0) return nullptr;
    HWND column = CreateWindowExW(0, kColumnClass, title ? title : L"", WS_CHILD | WS_VISIBLE, 0, 0, width,
                                  TitleHeight(*table), tableWindow, nullptr, Module(), nullptr);
    if (!column) return nullptr;
    Columns()[column] = Column{tableWindow, width, 0};
    table->columns.push_back(column);
    Layout(*table);
    InvalidateRect(tableWindow, nullptr, TRUE);
    return column;
}

}  // namespace host::tables
