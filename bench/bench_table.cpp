// Speed of the table helpers that visit every cell (ZelTblFind* with one
// column and with every column, ZelTblAutoSizeColumn) on tables of 10,000 and
// 100,000 rows of four columns, against a plain loop that reads the same
// cells with the table's cell request and tests them the same way (the
// columns are measured line by line, as the library does).
//
// For each operation it prints the time at each size, its ratio to the loop
// at that size and the growth from one size to the next (linear: about 10).
#include <windows.h>

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>

#include "host/host_test.h"
#include "include/zwi51.h"

namespace {

double Seconds() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return double(now.QuadPart) / double(frequency.QuadPart);
}

constexpr int kColumns = 4;
constexpr LONG kRows[2] = {10000, 100000};

double Time(const std::function<void()>& run) {
    const double start = Seconds();
    run();
    return Seconds() - start;
}

// Cells like "Item 123", "123.25", "2024-03-05 10:30:15", "Note 123\r\nsecond line".
HWND NewTable(HWND form, LONG rows) {
    HWND table = HostTestCreateTable(form, 0, 0, 400, 300, 1);
    for (const wchar_t* title : {L"Name", L"Amount", L"When", L"Note"}) HostTestAddColumn(table, title, 80);
    for (LONG row = 0; row < rows; ++row) {
        const std::wstring n = std::to_wstring(row);
        const std::wstring cells[kColumns] = {L"Item " + n, n + L".25", L"2024-03-05 10:30:15",
                                              L"Note " + n + L"\r\nsecond line"};
        for (int c = 0; c < kColumns; ++c) HostTestSetCell(table, row, c + 1, cells[c].c_str());
    }
    return table;
}

// The plain loop: every cell of the rows (of one column, or all) read with the
// cell request and given to `test`.
LONG PlainScan(HWND table, int only, const std::function<bool(const wchar_t*)>& test) {
    wchar_t text[255];
    for (LONG row = 0;; ++row) {
        bool exists = false;
        for (int c = only < 0 ? 0 : only; c < (only < 0 ? kColumns : only + 1); ++c) {
            std::memset(text, 0, sizeof text);
            HostTblCellText request{row, c, text, 255};
            if (SendMessageW(table, HOST_TBL_GETCELLTEXT, 0, reinterpret_cast<LPARAM>(&request)) < 0) continue;
            exists = true;
            if (test(text)) return row;
        }
        if (!exists) return -1;
    }
}

void Report(const char* name, const double library[2], const double loop[2]) {
    std::printf("%-30s", name);
    for (int i = 0; i < 2; ++i) {
        std::printf(" | rows %-6ld %8.1f ms (loop %7.1f ms) ratio %5.2f", kRows[i], library[i] * 1e3, loop[i] * 1e3,
                    library[i] / loop[i]);
    }
    std::printf(" | growth %.1fx\n", library[1] / library[0]);
}

}  // namespace

int main() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.lpszClassName = L"ZwBenchTableForm";
    RegisterClassW(&wc);
    HWND form = CreateWindowExW(0, wc.lpszClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 420, 320, nullptr, nullptr,
                                nullptr, nullptr);
    HostNumber number{};
    HostDoubleToNumber(-1.5, &number);  // in no cell: every cell is visited
    HostDate date{};
    HostTextToDate(L"1999-01-01 00:00:00", &date);

    double findAll[2], findAllLoop[2], findOne[2], findOneLoop[2], findNumber[2], findNumberLoop[2];
    double findDate[2], findDateLoop[2], autoSize[2], autoSizeLoop[2];
    for (int i = 0; i < 2; ++i) {
        HWND table = NewTable(form, kRows[i]);
        HWND note = HostTblGetColumn(table, 4);
        LONG found = 0;
        findAll[i] = Time([&] { found += ZelTblFindString(table, 0, nullptr, L"missing"); });
        findAllLoop[i] = Time([&] { found += PlainScan(table, -1, [](const wchar_t* t) { return HostStrFind(t, L"missing", 0) >= 0; }); });
        findOne[i] = Time([&] { found += ZelTblFindString(table, 0, note, L"missing"); });
        findOneLoop[i] = Time([&] { found += PlainScan(table, 3, [](const wchar_t* t) { return HostStrFind(t, L"missing", 0) >= 0; }); });
        findNumber[i] = Time([&] { found += ZelTblFindNumber(table, 0, nullptr, std::bit_cast<ZW_HOSTVALUE>(number)); });
        findNumberLoop[i] = Time([&] {
            found += PlainScan(table, -1, [&](const wchar_t* t) {
                HostNumber n{};
                return HostTextToNumber(t, &n) && std::memcmp(&n, &number, sizeof n) == 0;
            });
        });
        findDate[i] = Time([&] { found += ZelTblFindDateTime(table, 0, nullptr, std::bit_cast<ZW_HOSTVALUE>(date)); });
        findDateLoop[i] = Time([&] {
            found += PlainScan(table, -1, [&](const wchar_t* t) {
                HostDate d{};
                return HostTextToDate(t, &d) && HostDateYear(&d) == HostDateYear(&date) &&
                       HostDateMonth(&d) == HostDateMonth(&date) && HostDateDay(&d) == HostDateDay(&date) &&
                       HostDateHour(&d) == HostDateHour(&date) && HostDateMinute(&d) == HostDateMinute(&date) &&
                       HostDateSecond(&d) == HostDateSecond(&date);
            });
        });
        autoSize[i] = Time([&] { found += ZelTblAutoSizeColumn(table, note); });
        autoSizeLoop[i] = Time([&] {
            HDC dc = GetDC(table);
            HGDIOBJ old = SelectObject(dc, GetStockObject(SYSTEM_FONT));
            LONG widest = 0;
            PlainScan(table, 3, [&](const wchar_t* t) {
                // Each line of a cell is measured on its own.
                for (const wchar_t* line = t; *line;) {
                    const size_t length = wcscspn(line, L"\r\n");
                    SIZE size{};
                    if (length) GetTextExtentPoint32W(dc, line, int(length), &size);
                    widest = std::max(widest, size.cx);
                    line += length;
                    while (*line == L'\r' || *line == L'\n') ++line;
                }
                return false;
            });
            SelectObject(dc, old);
            ReleaseDC(table, dc);
            found += widest > 0;
        });
        if (found != -6) std::printf("unexpected results (%ld)\n", found);
        DestroyWindow(table);
    }
    Report("ZelTblFindString, all columns", findAll, findAllLoop);
    Report("ZelTblFindString, one column", findOne, findOneLoop);
    Report("ZelTblFindNumber, all columns", findNumber, findNumberLoop);
    Report("ZelTblFindDateTime, all columns", findDate, findDateLoop);
    Report("ZelTblAutoSizeColumn", autoSize, autoSizeLoop);
    DestroyWindow(form);
    return 0;
}
