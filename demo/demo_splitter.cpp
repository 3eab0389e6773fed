// The sample host's splitter, spin field and meter: three panels of the form
// that place these controls the way a host form does and then call them the
// way host application code does.
//
// - The splitter panel holds two list boxes and a splitter between them; once
//   its windows exist, the host tells the splitter to take its panes
//   (message 0x600A), and dragging the bar resizes both lists.
// - The spin field steps from 0.00 to 10.00 in steps of 0.25.
// - The meter shows 65%.
#include <windows.h>

#include "include/zwi51.h"

namespace {

// The creation record the host gives the controls it creates at run time:
// bit 0 of byte 4 set.
const BYTE kRunTimeRecord[8] = {0, 0, 0, 0, 1, 0, 0, 0};
constexpr UINT kAssignPanes = 0x600A;
constexpr UINT kSpinSetMinimum = 0x401, kSpinSetMaximum = 0x402, kSpinSetIncrement = 0x403, kSpinSetValue = 0x404;

HWND Make(HWND parent, const wchar_t* cls, DWORD style, int x, int y, int width, int height) {
    const HWND window = CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                                        nullptr, GetModuleHandleW(nullptr), const_cast<BYTE*>(kRunTimeRecord));
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return window;
}

void FillList(HWND list, const wchar_t* const* items) {
    for (; *items; ++items) SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(*items));
}

LRESULT CALLBACK SplitterPanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        static const wchar_t* const kLeft[] = {L"Orders", L"Customers", L"Invoices", L"Stock", nullptr};
        static const wchar_t* const kRight[] = {L"1024  Alder Ltd", L"1025  Birch & Co", L"1026  Cedar plc",
                                                 L"1027  Dogwood", nullptr};
        FillList(Make(panel, L"LISTBOX", WS_BORDER | LBS_NOINTEGRALHEIGHT, 0, 0, 60, 86), kLeft);
        FillList(Make(panel, L"LISTBOX", WS_BORDER | LBS_NOINTEGRALHEIGHT, 80, 0, 111, 86), kRight);
        const HWND splitter = Make(panel, L"ZW:cSplitter:10", 0, 70, 0, 6, 86);
        SendMessageW(splitter, kAssignPanes, 0, 0);
        return 0;
    }
    return DefWindowProcW(panel, message, wParam, lParam);
}

LRESULT CALLBACK SpinPanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        const HWND spin = Make(panel, L"ZW:cSpinField:10", 0, 0, 0, 120, 22);
        SendMessageW(spin, kSpinSetMinimum, 0, 0);
        SendMessageW(spin, kSpinSetMaximum, 0, 1000);
        SendMessageW(spin, kSpinSetIncrement, WPARAM(-2), 25);  // two decimal places, steps of 0.25
        SendMessageW(spin, kSpinSetValue, 0, 650);
        return 0;
    }
    return DefWindowProcW(panel, message, wParam, lParam);
}

LRESULT CALLBACK MeterPanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        // Low in its panel: the open drop-down list above reaches into the top.
        ZelWinSetMeter(Make(panel, L"ZW:cMeter:10", 0, 0, 56, 191, 22), 65);
        return 0;
    }
    return DefWindowProcW(panel, message, wParam, lParam);
}

void RegisterPanel(HINSTANCE instance, const wchar_t* name, WNDPROC proc) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = name;
    RegisterClassW(&wc);
}

}  // namespace

// The form places "ZwDemoSplitterPanel", "ZwDemoSpinPanel" and
// "ZwDemoMeterPanel" where the splitter, spin field and meter go.
void RegisterSplitterDemo(HINSTANCE instance) {
    RegisterPanel(instance, L"ZwDemoSplitterPanel", SplitterPanelProc);
    RegisterPanel(instance, L"ZwDemoSpinPanel", SpinPanelProc);
    RegisterPanel(instance, L"ZwDemoMeterPanel", MeterPanelProc);
}
