// Speed of filling and sorting a list view through the library against the
// platform list-view control driven directly.
//
// Library: a form-placed list view gets 5 columns (ZelLVColumnsAssign) and
// 100,000 rows of 5 texts (ZelLVInsertItem and ZelLVSetItem), then sorts by
// its third column (ZelLVSetSortColumn, ZelLVSortItems). Baseline, in the same
// run: a plain "SysListView32" of the same size gets the same rows with
// LVM_INSERTITEMW and LVM_SETITEMTEXTW and sorts them with LVM_SORTITEMS over
// the application's own copy of the texts. Goal: at most 1.5 times the
// baseline.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

#include "host/host_test.h"
#include "include/zwi51.h"

namespace {

constexpr int kRows = 100000;
constexpr int kColumns = 5;
constexpr int kSortColumn = 2;

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

// Texts of mixed case in no particular order: "Row" texts with a number
// scrambled by a multiplicative step.
std::vector<std::wstring> MakeTexts() {
    std::vector<std::wstring> texts(size_t(kRows) * kColumns);
    unsigned value = 12345;
    for (auto& text : texts) {
        value = value * 1103515245u + 12345u;
        wchar_t buffer[32];
        std::swprintf(buffer, 32, L"%ls %u", (value >> 9) & 1 ? L"Cell" : L"cell", (value >> 8) % 1000000);
        text = buffer;
    }
    return texts;
}

void* announced = nullptr;
LRESULT CALLBACK WatchCreate(int code, WPARAM wp, LPARAM lp) {
    auto* msg = reinterpret_cast<CWPSTRUCT*>(lp);
    if (code == HC_ACTION && msg->message == ZWM_ControlCreate) announced = reinterpret_cast<void*>(msg->lParam);
    return CallNextHookEx(nullptr, code, wp, lp);
}

HWND NewForm() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.lpszClassName = L"ZwBenchListViewForm";
    RegisterClassW(&wc);
    return CreateWindowExW(0, wc.lpszClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 500, 400, nullptr, nullptr, nullptr,
                           nullptr);
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

const std::vector<std::wstring>* baselineTexts = nullptr;
int CALLBACK CompareBaseline(LPARAM a, LPARAM b, LPARAM) {
    return _wcsicmp((*baselineTexts)[size_t(a) * kColumns + kSortColumn].c_str(),
                    (*baselineTexts)[size_t(b) * kColumns + kSortColumn].c_str());
}

struct Times {
    double fill, sort;
};

Times Baseline(HWND form, const std::vector<std::wstring>& texts, int rows) {
    HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 480, 380, form,
                                nullptr, nullptr, nullptr);
    for (int c = 0; c < kColumns; ++c) {
        wchar_t heading[] = L"Column";
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = heading;
        column.cx = 90;
        column.iSubItem = c;
        SendMessageW(list, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&column));
    }
    const double start = Seconds();
    for (int r = 0; r < rows; ++r) {
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
        item.iItem = r;
        item.pszText = const_cast<wchar_t*>(texts[size_t(r) * kColumns].c_str());
        item.lParam = r;
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        for (int c = 1; c < kColumns; ++c) {
            LVITEMW sub{};
            sub.iSubItem = c;
            sub.pszText = const_cast<wchar_t*>(texts[size_t(r) * kColumns + c].c_str());
            SendMessageW(list, LVM_SETITEMTEXTW, r, reinterpret_cast<LPARAM>(&sub));
        }
    }
    const double filled = Seconds();
    baselineTexts = &texts;
    SendMessageW(list, LVM_SORTITEMS, 0, reinterpret_cast<LPARAM>(&CompareBaseline));
    const double sorted = Seconds();
    DestroyWindow(list);
    return {filled - start, sorted - filled};
}

Times Library(HWND form, const std::vector<std::wstring>& texts, int rows) {
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, WatchCreate, nullptr, GetCurrentThreadId());
    HWND window = CreateWindowExW(0, L"ZW:cListView:10", L"", WS_CHILD | WS_VISIBLE, 0, 0, 480, 380, form, nullptr,
                                  nullptr, nullptr);
    UnhookWindowsHookEx(hook);
    void* list = ZelLVGetListView(announced);
    ZelLVSetStyle(list, LVS_REPORT, 1);
    HARRAY headings = HostArrayCreate(HOST_ARRAY_STRING), numbers = HostArrayCreate(HOST_ARRAY_NUMBER);
    for (int c = 0; c < kColumns; ++c) {
        HOSTSTR heading = HostTestNewString(L"Column");
        HostArrayPutString(headings, heading, c);
        HostTestFreeString(heading);
        HostNumber width{};
        HostIntToNumber(90, &width);
        HostArrayPutNumber(numbers, &width, c);
    }
    ZelLVColumnsAssign(list, headings, numbers, numbers, kColumns);
    const double start = Seconds();
    for (int r = 0; r < rows; ++r) {
        ZelLVInsertItem(list, r, texts[size_t(r) * kColumns].c_str(), r, 0);
        for (int c = 1; c < kColumns; ++c)
            ZelLVSetItem(list, r, c, LVIF_TEXT, texts[size_t(r) * kColumns + c].c_str(), 0, 0);
    }
    const double filled = Seconds();
    ZelLVSetSortColumn(list, kSortColumn);
    ZelLVSortItems(list);
    const double sorted = Seconds();
    DestroyWindow(window);
    HostArrayDestroy(headings);
    HostArrayDestroy(numbers);
    return {filled - start, sorted - filled};
}

}  // namespace

int main(int argc, char** argv) {
    // A row count on the command line replaces the 100,000 rows (for a quick look).
    const int rows = argc > 1 ? std::max(1000, std::atoi(argv[1])) : kRows;
    HWND form = NewForm();
    const std::vector<std::wstring> texts = MakeTexts();
    // A small first pass only warms up (and makes the library register the
    // list-view class for the baseline).
    Library(form, texts, 1000);
    Baseline(form, texts, 1000);
    PumpMessages();
    const Times baseline = Baseline(form, texts, rows);
    PumpMessages();
    const Times library = Library(form, texts, rows);
    PumpMessages();
    std::printf("%d rows of %d columns   | library ms | baseline ms | ratio (goal <= 1.5)\n", rows, kColumns);
    std::printf("fill                    | %10.1f | %11.1f | %5.2f\n", library.fill * 1e3, baseline.fill * 1e3,
                library.fill / baseline.fill);
    std::printf("sort by column %d        | %10.1f | %11.1f | %5.2f\n", kSortColumn, library.sort * 1e3,
                baseline.sort * 1e3, library.sort / baseline.sort);
    const double total = library.fill + library.sort, baseTotal = baseline.fill + baseline.sort;
    std::printf("fill and sort           | %10.1f | %11.1f | %5.2f\n", total * 1e3, baseTotal * 1e3, total / baseTotal);
    DestroyWindow(form);
    return 0;
}
