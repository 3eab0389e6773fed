// Control windows: creating a window of a control class makes its control
// object and announces it with ZWM_ControlCreate; the class procedure answers
// style-change messages itself.
#include <gtest/gtest.h>

#include <vector>

#include "tests/win/support/zwtest.h"

namespace {

const wchar_t* kControlClasses[] = {
    L"ZW:cCalendar:10", L"ZW:cComboCal:10", L"ZW:cPalette:10", L"ZW:cComboPal:10",
    L"ZW:cSplitter:10", L"ZW:cListView:10", L"ZW:cListViewDropDown:10",
};

// Records ZWM_ControlCreate as the window receives it.
struct Announcement {
    HWND window;
    WPARAM wParam;
    LPARAM instance;
};
std::vector<Announcement> announcements;

LRESULT CALLBACK RecordSent(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
        auto* msg = reinterpret_cast<CWPSTRUCT*>(lParam);
        if (msg->message == ZWM_ControlCreate) announcements.push_back({msg->hwnd, msg->wParam, msg->lParam});
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The host loads the library before it opens a form with its controls.
const HMODULE library = LoadLibraryW(L"zwi51.dll");

HWND Create(const wchar_t* cls) {
    return CreateWindowExW(0, cls, L"title", WS_POPUP, 0, 0, 100, 80, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

TEST(WindowClasses, EachControlWindowAnnouncesOneLiveInstance) {
    ASSERT_NE(library, nullptr);
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, RecordSent, nullptr, GetCurrentThreadId());
    std::vector<LPARAM> instances;
    std::vector<HWND> windows;  // all alive at once, so no instance can reuse another's memory
    for (const wchar_t* cls : kControlClasses) {
        announcements.clear();
        HWND window = Create(cls);
        ASSERT_NE(window, nullptr) << cls;
        ASSERT_EQ(announcements.size(), 1u) << cls;
        EXPECT_EQ(announcements[0].window, window);
        EXPECT_EQ(announcements[0].wParam, 0u);
        EXPECT_NE(announcements[0].instance, 0);
        instances.push_back(announcements[0].instance);
        // The window still behaves as a window: its title went through
        // WM_NCCREATE. (A drop-down's text is its field's, a list view's its
        // selected row's, not the title.)
        WCHAR title[16] = {};
        GetWindowTextW(window, title, 16);
        if (!wcsstr(cls, L"Combo") && !wcsstr(cls, L"ListView")) {
            EXPECT_STREQ(title, L"title") << cls;
        }
        windows.push_back(window);
    }
    UnhookWindowsHookEx(hook);
    for (HWND window : windows) DestroyWindow(window);
    for (size_t i = 0; i < instances.size(); ++i)
        for (size_t j = i + 1; j < instances.size(); ++j) EXPECT_NE(instances[i], instances[j]);
}

// A host that subclasses the window as it is created keeps the class procedure
// behind its own: the class procedure then answers style changes with 1.
LRESULT CALLBACK HostProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    auto previous = reinterpret_cast<WNDPROC>(GetPropW(w, L"HostPrevious"));
    return CallWindowProcW(previous, w, m, wp, lp);
}
LRESULT CALLBACK SubclassAtCreation(int code, WPARAM wParam, LPARAM lParam) {
    HWND window = reinterpret_cast<HWND>(wParam);
    WCHAR cls[64] = {};
    // Only the control: the system may create windows of its own meanwhile.
    if (code == HCBT_CREATEWND && GetClassNameW(window, cls, 64) && wcsncmp(cls, L"ZW:", 3) == 0) {
        LONG_PTR previous = SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HostProc));
        SetPropW(window, L"HostPrevious", reinterpret_cast<HANDLE>(previous));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(WindowClasses, ClassProcedureAnswersStyleChangesWhenTheHostSubclassed) {
    for (const wchar_t* cls : kControlClasses) {
        HHOOK hook = SetWindowsHookExW(WH_CBT, SubclassAtCreation, nullptr, GetCurrentThreadId());
        HWND window = Create(cls);
        UnhookWindowsHookEx(hook);
        ASSERT_NE(window, nullptr) << cls;
        STYLESTRUCT styles{WS_POPUP, WS_POPUP | WS_BORDER};
        EXPECT_EQ(SendMessageW(window, WM_STYLECHANGING, GWL_STYLE, reinterpret_cast<LPARAM>(&styles)), 1) << cls;
        EXPECT_EQ(SendMessageW(window, WM_STYLECHANGED, GWL_STYLE, reinterpret_cast<LPARAM>(&styles)), 1) << cls;
        DestroyWindow(window);
    }
}

TEST(WindowClasses, SpinFieldAndMeterKeepFourBytesInTheWindow) {
    for (const wchar_t* cls : {L"ZW:cSpinField:10", L"ZW:cMeter:10"}) {
        HWND window = Create(cls);
        ASSERT_NE(window, nullptr) << cls;
        SetLastError(0);
        SetWindowLongW(window, 0, 0x12345678);
        EXPECT_EQ(GetWindowLongW(window, 0), 0x12345678) << cls;
        DestroyWindow(window);
    }
}

}  // namespace
