// Speed of filling and sorting a list view through the library against the
// platform list-view control driven directly.
//
// Library: a form-placed list view gets 5 columns (ZelLVColumnsAssign) and
// 100,000 rows of 5 texts (ZelLVInsertItem and ZelLVSetItem), then sorts by
// its third column (ZelLVSetSortColumn, ZelLVSortItems). Baseline, in the same
// run: a plain "SysListView32" of the same size gets the same rows with
// LVM_INSERTITEMW and LVM_SETITEMTEXTW and sorts them with LVM_SORTITEMS over
// the application's own copy of the texts. The two lists are filled in turns
// of 1,000 rows, so that both meet the same load of a shared machine. Goal:
// at most 1.5 times the baseline.
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
constexpr int kTurn = 1000;  // rows filled in each turn

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

// Texts of mixed case in no particular order: "Cell" texts with a number
// scrambled by a multiplicative step.
std::vector<std::wstring> MakeTexts(int rows) {
    std::vector<std::wstring> texts(size_t(rows) * kColumns);
    unsigned value = 12345;
    for (auto& text : texts) {
        value = value * 1103515245u + 12345u;
        wchar_t buffer[32];
        std::swprintf(buffer, 32, L"%ls %u", (value >> 9) & 1 ? L"Cell" : L"cell", (value >> 8) % 1000000);
        text = buffer;
    }
    return texts;
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

void* announced = nullptr;
LRESULT CALLBACK WatchCreate(int code, WPARAM wp, LPARAM lp) {
    auto* msg = reinterpret_cast<CWPSTRUCT*>(lp);
    if (code == HC_ACTION && msg->message == ZWM_ControlCreate) announced = reinterpret_cast<void*>(msg->lParam);
    return CallNextHookEx(nullptr, code, wp, lp);
}

const std::vector<std::wstring>* baselineTexts = nullptr;
int CALLBACK CompareBaseline(LPARAM a, LPARAM b, LPARAM) {
    return _wcsicmp((*baselineTexts)[size_t(a) * kColumns + kSortColumn].c_str(),
                    (*baselineTexts)[size_t(b) * kColumns + kSortColumn].c_str());
}

// The platform control driven directly.
struct Baseline {
    Baseline(HWND form, const std::vector<std::wstring>& t) : texts(t) {
        list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 480, 380, form,
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
    }
    ~Baseline() { DestroyWindow(list); }
    void Fill(int from, int to) {
        for (int r = from; r < to; ++r) {
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
    }
    void Sort() {
        baselineTexts = &texts;
        SendMessageW(list, LVM_SORTITEMS, 0, reinterpret_cast<LPARAM>(&CompareBaseline));
    }
    const std::vector<std::wstring>& texts;
    HWND list;
};

// The same through the library.
struct Library {
    Library(HWND form, const std::vector<std::wstring>& t) : texts(t) {
        HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, WatchCreate, nullptr, GetCurrentThreadId());
        window = CreateWindowExW(0, L"ZW:cListView:10", L"", WS_CHILD | WS_VISIBLE, 0, 0, 480, 380, form, nullptr,
                                 nullptr, nullptr);
        UnhookWindowsHookEx(hook);
        list = ZelLVGetListView(announced);
        ZelLVSetStyle(list, LVS_REPORT, 1);
        HARRAY headings = HostArrayCreate(HOST_ARRAY_STRING), formats = HostArrayCreate(HOST_ARRAY_NUMBER),
               widths = HostArrayCreate(HOST_ARRAY_NUMBER);
        for (int c = 0; c < kColumns; ++c) {
            HOSTSTR heading = HostTestNewString(L"Column");
            HostArrayPutString(headings, heading, c);
            HostTestFreeString(heading);
            HostNumber number{};
            HostIntToNumber(LVCFMT_LEFT, &number);
            HostArrayPutNumber(formats, &number, c);
            HostIntToNumber(90, &number);
            HostArrayPutNumber(widths, &number, c);
        }
        ZelLVColumnsAssign(list, headings, formats, widths, kColumns);
        for (HARRAY array : {headings, formats, widths}) HostArrayDestroy(array);
    }
    ~Library() { DestroyWindow(window); }
    void Fill(int from, int to) {
        for (int r = from; r < to; ++r) {
            ZelLVInsertItem(list, r, texts[size_t(r) * kColumns].c_str(), r, 0);
            for (int c = 1; c < kColumns; ++c)
                ZelLVSetItem(list, r, c, LVIF_TEXT, texts[size_t(r) * kColumns + c].c_str(), 0, 0);
        }
    }
    void Sort() {
        ZelLVSetSortColumn(list, kSortColumn);
        ZelLVSortItems(list);
    }
    const std::vector<std::wstring>& texts;
    HWND window;
    void* list;
};

struct Times {
    double library = 0, baseline = 0;
};

// Fills and sorts both lists; returns the fill and sort times.
void Run(HWND form, const std::vector<std::wstring>& texts, int rows, Times* fill, Times* sort) {
    Baseline baseline(form, texts);
    Library library(form, texts);
    for (int from = 0; from < rows; from += kTurn) {
        const int to = std::min(rows, from + kTurn);
        double start = Seconds();
        baseline.Fill(from, to);
        fill->baseline += Seconds() - start;
        start = Seconds();
        library.Fill(from, to);
        fill->library += Seconds() - start;
    }
    double start = Seconds();
    baseline.Sort();
    sort->baseline = Seconds() - start;
    start = Seconds();
    library.Sort();
    sort->library = Seconds() - start;
}

}  // namespace

int main(int argc, char** argv) {
    // A row count on the command line replaces the 100,000 rows (for a quick look).
    const int rows = argc > 1 ? std::max(kTurn, std::atoi(argv[1])) : kRows;
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.lpszClassName = L"ZwBenchListViewForm";
    RegisterClassW(&wc);
    HWND form = CreateWindowExW(0, wc.lpszClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 500, 400, nullptr, nullptr,
                                nullptr, nullptr);
    const std::vector<std::wstring> texts = MakeTexts(rows);
    // A first small run only warms up; the library's list view also makes
    // sure that the list-view class exists for the baseline.
    Times fill, sort;
    DestroyWindow(Library(form, texts).window);
    Run(form, texts, kTurn, &fill, &sort);
    PumpMessages();
    fill = sort = Times();
    Run(form, texts, rows, &fill, &sort);
    PumpMessages();
    std::printf("%d rows of %d columns   | library ms | baseline ms | ratio (goal <= 1.5)\n", rows, kColumns);
    std::printf("fill                    | %10.1f | %11.1f | %5.2f\n", fill.library * 1e3, fill.baseline * 1e3,
                fill.library / fill.baseline);
    std::printf("sort by column %d        | %10.1f | %11.1f | %5.2f\n", kSortColumn, sort.library * 1e3,
                sort.baseline * 1e3, sort.library / sort.baseline);
    const double library = fill.library + sort.library, baseline = fill.baseline + sort.baseline;
    std::printf("fill and sort           | %10.1f | %11.1f | %5.2f\n", library * 1e3, baseline * 1e3,
                library / baseline);
    DestroyWindow(form);
    return 0;
}
