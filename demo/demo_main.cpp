// The sample host application: a form that places the library's controls the
// way a host's form designer does, and calls its exports the way host
// application code does. With --screenshot FILE it draws its window into a
// bitmap, saves it as PNG and exits; without it, it runs until closed.
#include <windows.h>
#include <commctrl.h>
#include <gdiplus.h>

#include <string>
#include <vector>

#include "host/host_test.h"
#include "include/zwi51.h"

namespace {

constexpr int kFormWidth = 640;
constexpr int kFormHeight = 460;

struct PlacedControl {
    const wchar_t* windowClass;
    const wchar_t* label;
    const wchar_t* bitmap;     // the library's class-palette bitmap
    void* instance = nullptr;  // announced with ZWM_ControlCreate
    HWND window = nullptr;
};

std::vector<PlacedControl> controls = {
    {L"ZW:cCalendar:10", L"cCalendar", L"ZW_CAL"},
    {L"ZW:cComboCal:10", L"cCalendarDropDown", L"ZW_CALDROPDOWN"},
    {L"ZW:cPalette:10", L"cColorPalette", L"ZW_CLRPAL"},
    {L"ZW:cComboPal:10", L"cColorPaletteDropDown", L"ZW_CLRPALDROPDOWN"},
    {L"ZW:cListView:10", L"cListView", L"ZW_LISTVW"},
    {L"ZW:cListViewDropDown:10", L"cListViewDropDown", L"ZW_LISTVWDROPDOWN"},
    {L"ZwDemoSplitterPanel", L"cSplitterWindow", L"ZW_LOGO"},
    {L"ZwDemoSpinPanel", L"cSpinField", L"ZW_SPINFLD"},
    {L"ZwDemoMeterPanel", L"cMeter", L"ZW_METER"},
};

std::wstring TakeText(ZW_HSTR string) {
    DWORD length = 0;
    const WCHAR* text = HostStrLock(string, &length);
    std::wstring result = text ? std::wstring(text) : std::wstring();
    HostTestFreeString(string);
    return result;
}

// A host form keeps the instance a control announces, to pass it to the
// control's functions later.
LRESULT CALLBACK ControlHolderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR index) {
    if (message == ZWM_ControlCreate) controls[index].instance = reinterpret_cast<void*>(lParam);
    return DefSubclassProc(window, message, wParam, lParam);
}

void PaintForm(HWND window, HDC dc) {
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    SetBkMode(dc, TRANSPARENT);
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    HGDIOBJ old = SelectObject(dc, font);
    std::wstring title = L"zwi51 " + TakeText(ZelGetVersion()) + L"   " + TakeText(ZelGetCopyright());
    TextOutW(dc, 12, 8, title.c_str(), int(title.size()));
    HMODULE library = GetModuleHandleW(L"zwi51.dll");
    HDC bitmapDc = CreateCompatibleDC(dc);
    for (size_t i = 0; i < controls.size(); ++i) {
        int x = 12 + int(i % 3) * 205, y = 36 + int(i / 3) * 125;
        // The designer shows a control's palette bitmap beside its name.
        if (HBITMAP picture = LoadBitmapW(library, controls[i].bitmap)) {
            HGDIOBJ previous = SelectObject(bitmapDc, picture);
            BitBlt(dc, x, y, 24, 24, bitmapDc, 0, 0, SRCCOPY);
            SelectObject(bitmapDc, previous);
            DeleteObject(picture);
        }
        std::wstring label = controls[i].label;
        TextOutW(dc, x + 30, y, label.c_str(), int(label.size()));
        std::wstring state = controls[i].instance ? L"instance announced" : L"own window procedure";
        TextOutW(dc, x + 30, y + 12, state.c_str(), int(state.size()));
        RECT frame{x, y + 28, x + 195, y + 118};
        DrawEdge(dc, &frame, EDGE_SUNKEN, BF_RECT);
    }
    DeleteDC(bitmapDc);
    SelectObject(dc, old);
}

// Draws the controls that answer WM_PRINTCLIENT over the form's picture:
// the screenshot's PrintWindow does not draw child windows under Wine.
void PrintControls(HWND form, HDC dc) {
    for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT rect;
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&rect), 2);
        POINT origin;
        SetViewportOrgEx(dc, rect.left, rect.top, &origin);
        SendMessageW(child, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
    }
}

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        PaintForm(window, dc);
        EndPaint(window, &ps);
        return 0;
    }
    case WM_PRINTCLIENT:
        PaintForm(window, reinterpret_cast<HDC>(wParam));
        PrintControls(window, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// Creates a control the way the host does: the form subclasses the new window
// as soon as it exists, so it sees ZWM_ControlCreate.
thread_local size_t creatingIndex = 0;
LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        auto* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam);
        if (create->lpcs->hInstance == GetModuleHandleW(nullptr) && create->lpcs->hwndParent)
            SetWindowSubclass(reinterpret_cast<HWND>(wParam), ControlHolderProc, 1, creatingIndex);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void PlaceControls(HWND form) {
    HHOOK hook = SetWindowsHookExW(WH_CBT, CreationHook, nullptr, GetCurrentThreadId());
    for (size_t i = 0; i < controls.size(); ++i) {
        creatingIndex = i;
        int x = 14 + int(i % 3) * 205, y = 66 + int(i / 3) * 125;
        controls[i].window = CreateWindowExW(0, controls[i].windowClass, L"", WS_CHILD | WS_VISIBLE, x, y, 191, 86,
                                             form, HMENU(UINT_PTR(100 + i)), GetModuleHandleW(nullptr), nullptr);
    }
    UnhookWindowsHookEx(hook);
}

bool SavePng(HWND window, const std::wstring& path) {
    RECT rect;
    GetClientRect(window, &rect);
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    // What the screen shows over the form: child windows and the open
    // drop-down list included (printing a window leaves its children out
    // here, and the list is a window of its own).
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    BitBlt(memory, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
    SelectObject(memory, old);
    bool saved = false;
    {
        Gdiplus::Bitmap image(bitmap, nullptr);
        CLSID png = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
        saved = image.Save(path.c_str(), &png, nullptr) == Gdiplus::Ok;
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return saved;
}

}  // namespace

void DemoPalette(HWND window, void* palette);
void RegisterSplitterDemo(HINSTANCE instance);  // demo_splitter.cpp
void ShowCalendarDemo(HWND form, HWND calendar, void* instance);  // demo_calendar.cpp
void ShowOutlineDemo(HWND form);                                    // demo_outline.cpp
void ShowPopulateDemo(HWND form);                                   // demo_populate.cpp
void ShowListViewDemo(void* listView);                              // demo_listview.cpp
void OpenDropDown(HWND field);  // demo_dropdowns.cpp
void ShowDropDownDemo(HWND form, HWND dateField, void* dateInstance, HWND colourField, void* colourInstance,
                      HWND listField, void* listInstance);              // demo_dropdowns.cpp

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int show) {
    std::wstring screenshot;
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    for (int i = 1; i + 1 < argc; ++i)
        if (std::wstring(argv[i]) == L"--screenshot") screenshot = argv[i + 1];
    LocalFree(argv);

    Gdiplus::GdiplusStartupInput startup;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &startup, nullptr);

    WNDCLASSW wc{};
    wc.lpfnWndProc = FormProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"ZwDemoForm";
    RegisterClassW(&wc);
    RegisterSplitterDemo(instance);
    HWND form = CreateWindowExW(0, L"ZwDemoForm", L"zwi51 sample host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                40, 40, kFormWidth, kFormHeight, nullptr, nullptr, instance, nullptr);
    PlaceControls(form);
    DemoPalette(controls[2].window, controls[2].instance);
    ShowCalendarDemo(form, controls[0].window, controls[0].instance);
    ShowOutlineDemo(form);
    ShowPopulateDemo(form);
    ShowListViewDemo(controls[4].instance);
    ShowDropDownDemo(form, controls[1].window, controls[1].instance, controls[3].window, controls[3].instance,
                     controls[5].window, controls[5].instance);
    ShowWindow(form, screenshot.empty() ? show : SW_SHOW);
    UpdateWindow(form);
    OpenDropDown(controls[5].window);  // the list of currencies, as F4 opens it

    int exitCode = 0;
    if (!screenshot.empty()) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        exitCode = SavePng(form, screenshot) ? 0 : 1;
        DestroyWindow(form);
    } else {
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    Gdiplus::GdiplusShutdown(token);
    return exitCode;
}
