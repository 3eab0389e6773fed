#include "frame/window_classes.h"

#include "frame/call_frame.h"
#include "frame/control.h"
#include "frame/control_factories.h"
#include "frame/exceptions.h"

namespace zw {
namespace {

using ControlFactory = Control* (*)();

// How a class's window procedure is provided.
struct ClassEntry {
    WindowClassInfo info;
    ControlFactory make;  // makes the control object; null for classes with their own procedure
    WNDPROC ownProc;      // the class's own procedure when `make` is null
    bool keepClassProc;   // after subclassing, put the class procedure back and route through it
};

LRESULT CALLBACK ControlClassProc(HWND, UINT, WPARAM, LPARAM);

const ClassEntry kClasses[] = {
    {{L"ZW:cCalendar:10", L"cCalendar", 0x6880, 0, true}, NewCalendarControl, nullptr, false},
    {{L"ZW:cComboCal:10", L"cCalendarDropDown", 0x6888, 0, true}, NewCalendarDropDownControl, nullptr, false},
    {{L"ZW:cPalette:10", L"cColorPalette", 0x6080, 0, true}, NewPaletteControl, nullptr, true},
    {{L"ZW:cComboPal:10", L"cColorPaletteDropDown", 0x6888, 0, true}, NewPaletteDropDownControl, nullptr, false},
    {{L"ZW:cSplitter:10", L"cSplitterWindow", 0x400B, 0, false}, NewSplitterControl, nullptr, false},
    {{L"ZW:cListView:10", L"cListView", 0x4088, 0, true}, NewListViewControl, nullptr, false},
    {{L"ZW:cListViewDropDown:10", L"cListViewDropDown", 0x4088, 0, true}, NewListViewDropDownControl, nullptr, false},
    {{L"ZW:cSpinField:10", L"cSpinField", 0x4008, 4, true}, nullptr, SpinFieldWindowProc, false},
    {{L"ZW:cMeter:10", L"cMeter", 0x4000, 4, true}, nullptr, MeterWindowProc, false},
};
constexpr int kClassCount = int(sizeof kClasses / sizeof kClasses[0]);

const ClassEntry* EntryOf(HWND window) {
    WCHAR name[64] = {};
    if (!GetClassNameW(window, name, 64)) return nullptr;
    for (const ClassEntry& entry : kClasses)
        if (entry.make && lstrcmpiW(name, entry.info.className) == 0) return &entry;
    return nullptr;
}

// Makes the control object, connects it to the window and announces it.
// Returns false when the window must not be created.
bool CreateControlObject(HWND window, const ClassEntry& entry) {
    Control* control = entry.make();
    if (!control) return false;
    bool connected;
    if (!entry.keepClassProc &&
        GetWindowLongPtrW(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&ControlClassProc)) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DefWindowProcW));
        connected = control->Subclass(window);
    } else {
        // The window's procedure keeps routing messages through this class
        // procedure (the host may have subclassed the window already).
        connected = control->Attach(window);
    }
    if (!connected) {
        delete control;
        return false;
    }
    SendMessageW(window, ZWM_ControlCreate, 0, reinterpret_cast<LPARAM>(control));
    return true;
}

LRESULT CALLBACK ControlClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE: {
        const ClassEntry* entry = EntryOf(window);
        bool created = false;
        try {
            created = entry && CreateControlObject(window, *entry);
        } catch (...) {
            detail::ReportCaught(L"WM_NCCREATE", nullptr);
        }
        if (!created) return 0;
        break;
    }
    case WM_STYLECHANGING:
    case WM_STYLECHANGED:
        return 1;
    }
    LRESULT result = 0;
    if (Wnd::RouteMessage(window, message, wParam, lParam, &result)) return result;
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

const WindowClassInfo* WindowClasses(int* count) {
    static WindowClassInfo infos[kClassCount];
    for (int i = 0; i < kClassCount; ++i) infos[i] = kClasses[i].info;
    if (count) *count = kClassCount;
    return infos;
}

void RegisterWindowClasses(HINSTANCE instance) {
    for (const ClassEntry& entry : kClasses) {
        WNDCLASSW existing{};
        if (GetClassInfoW(instance, entry.info.className, &existing)) continue;
        WNDCLASSW wc{};
        wc.style = entry.info.style;
        wc.lpfnWndProc = entry.make ? &ControlClassProc : entry.ownProc;
        wc.cbWndExtra = entry.info.windowExtra;
        wc.hInstance = instance;
        wc.hCursor = entry.info.arrowCursor ? LoadCursorW(nullptr, IDC_ARROW) : nullptr;
        wc.lpszClassName = entry.info.className;
        if (!RegisterClassW(&wc)) throw ResourceException();
    }
}

void UnregisterWindowClasses(HINSTANCE instance) {
    bool failed = false;
    for (const ClassEntry& entry : kClasses)
        if (!UnregisterClassW(entry.info.className, instance)) failed = true;
    if (failed) throw ResourceException();
}

}  // namespace zw
