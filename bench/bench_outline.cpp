// Speed of whole-outline operations on outlines of N items (parents of 100
// children each: N = 1,000, 10,000 and 100,000) against the baseline of
// adding N owner-drawn rows to the same kind of box with LB_ADDSTRING.
//
// For each operation it prints the time at each size, its ratio to the
// baseline at that size (goal: at most 2) and the growth from each size to
// the next (goal: at most 11 for ten times the items).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

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

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MEASUREITEM) {
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = 16;
        return TRUE;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void __stdcall ApplyOutline(HWND window, CREATESTRUCTW* create, void* style) {
    if (*static_cast<DWORD*>(style)) ZelListSetStyle(window, *static_cast<DWORD*>(style), create);
}

HWND NewForm() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = FormProc;
    wc.lpszClassName = L"ZwBenchOutlineForm";
    RegisterClassW(&wc);
    return CreateWindowExW(0, wc.lpszClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 300, 400, nullptr, nullptr, nullptr,
                           nullptr);
}

HWND NewBox(HWND form, DWORD outline, DWORD windowStyle) {
    return HostTestCreateList(form, 0x2000, WS_CHILD | WS_VISIBLE | WS_VSCROLL | windowStyle, 0, 0, 280, 380, 1,
                              &ApplyOutline, &outline);
}

// Parents of 100 children: "Parent n" lines, each followed by indented children.
std::string OutlineText(int items) {
    std::string text;
    const int parents = items / 100;
    for (int p = 0; p < parents; ++p) {
        text += "Parent " + std::to_string(p) + "\r\n";
        for (int c = 0; c < 99; ++c) text += "\tChild " + std::to_string(c) + "\r\n";
    }
    return text;
}

struct Sizes {
    double at[3];
};

constexpr int kItems[3] = {1000, 10000, 100000};

void Report(const char* name, const Sizes& library, const Sizes& baseline) {
    std::printf("%-26s", name);
    for (int i = 0; i < 3; ++i)
        std::printf(" | N=%-6d %8.2f ms ratio %5.2f", kItems[i], library.at[i] * 1e3, library.at[i] / baseline.at[i]);
    std::printf(" | growth %.1fx %.1fx\n", library.at[1] / library.at[0], library.at[2] / library.at[1]);
}

}  // namespace

int main() {
    HWND form = NewForm();
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::wstring file = std::wstring(folder) + L"zw_bench_outline.txt";

    Sizes baseline{}, loadFile{}, show{}, save{}, loadSaved{}, enumerate{}, find{}, expand{};
    // The first pass (the smallest size, again) only warms up: the first use
    // of fonts, device contexts and pictures costs far more than any later one.
    for (int pass = -1; pass < 3; ++pass) {
        const int s = pass < 0 ? 0 : pass;
        const int n = kItems[s];
        // Baseline: n owner-drawn rows without strings in a plain box.
        HWND plain = NewBox(form, 0, LBS_OWNERDRAWVARIABLE | LBS_NOINTEGRALHEIGHT);
        SendMessageW(plain, WM_SETREDRAW, FALSE, 0);
        double start = Seconds();
        for (int i = 0; i < n; ++i) SendMessageW(plain, LB_ADDSTRING, 0, LPARAM(i + 1));
        baseline.at[s] = Seconds() - start;
        DestroyWindow(plain);

        const std::string text = OutlineText(n);
        HANDLE out = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(out, text.data(), DWORD(text.size()), &written, nullptr);
        CloseHandle(out);

        // Outline text files stop at 65533 bytes: outlines that do not fit are
        // built through ZelListLoadChild instead (marked in the report).
        HWND box = NewBox(form, ZW_LS_BUTTONS, LBS_NOINTEGRALHEIGHT);
        start = Seconds();
        ZW_HITEM root = ZelListLoadOutlineFile(box, file.c_str(), nullptr, nullptr, nullptr, nullptr);
        loadFile.at[s] = Seconds() - start;
        if (!root) {
            // Build the outline through the functions instead, timed the same way.
            root = ZelListGetRoot(box);
            start = Seconds();
            for (int p = 0; p < n / 100; ++p) {
                ZW_HITEM parent = ZelListLoadChild(box, root, nullptr, nullptr, L"Parent", p, 0);
                for (int c = 0; c < 99; ++c) ZelListLoadChild(box, parent, nullptr, nullptr, L"Child", c, 0);
            }
            loadFile.at[s] = Seconds() - start;
        }
        start = Seconds();
        ZelListShowOutline(box, 9);
        show.at[s] = Seconds() - start;

        HOSTSTR saved = 0;
        start = Seconds();
        ZelListSaveOutline(box, &saved);
        save.at[s] = Seconds() - start;

        HWND target = NewBox(form, ZW_LS_BUTTONS, LBS_NOINTEGRALHEIGHT);
        start = Seconds();
        ZelListLoadOutline(target, saved);
        loadSaved.at[s] = Seconds() - start;
        HostTestFreeString(saved);
        DestroyWindow(target);

        HARRAY numbers = HostArrayCreate(HOST_ARRAY_NUMBER);
        start = Seconds();
        ZelListEnumDescendents(root, numbers);
        enumerate.at[s] = Seconds() - start;
        HostArrayDestroy(numbers);

        start = Seconds();
        ZelListFindItemValue(root, -12345);
        find.at[s] = Seconds() - start;

        // A parent in the middle: its row is (parents / 2) * 100.
        const int row = (n / 100 / 2) * 100;
        start = Seconds();
        ZelListCollapse(box, row);
        ZelListExpand(box, row);
        expand.at[s] = Seconds() - start;
        DestroyWindow(box);
    }
    DeleteFileW(file.c_str());

    std::printf("baseline LB_ADDSTRING      ");
    for (int i = 0; i < 3; ++i) std::printf(" | N=%-6d %8.2f ms           ", kItems[i], baseline.at[i] * 1e3);
    std::printf("\n");
    Report("load text file (*)", loadFile, baseline);
    Report("show all levels", show, baseline);
    Report("save", save, baseline);
    Report("load saved block", loadSaved, baseline);
    Report("enumerate descendants", enumerate, baseline);
    Report("find a value", find, baseline);
    Report("collapse+expand middle", expand, baseline);
    std::printf("(*) outlines over 65533 bytes of text are built with ZelListLoadChild instead\n");
    DestroyWindow(form);
    return 0;
}
