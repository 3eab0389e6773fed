// Host list and combo boxes for the outline tests (header only: only the
// programs that link the library use it): a form, and boxes made by
// the replacement host with an outline style applied while they are created
// (owner-drawn styles only take effect then), as host applications do.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/win/support/zwtest.h"

namespace zwtest {

constexpr COLORREF kBoxBackground = RGB(255, 255, 255);
constexpr COLORREF kBoxInk = RGB(0, 0, 128);

// A hidden top-level form (visible top-level windows cost seconds each under
// Wine without a window manager); destroyed with its boxes at the end.
class Form {
public:
    Form();
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    HWND Handle() const { return window_; }
    // A box of host type `type` (0x2000 list, 0x4000 combo) with `style` given
    // to ZelListSetStyle at creation (0: a plain host box). Host colours:
    // background kBoxBackground, text kBoxInk.
    HWND Box(DWORD style, DWORD windowStyle = 0, DWORD type = 0x2000, int height = 200, int id = 301);

private:
    HWND window_;
};

// The texts of all rows.
std::vector<std::wstring> RowTexts(HWND box);

namespace detail {

inline LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

inline void __stdcall ApplyStyle(HWND window, CREATESTRUCTW* create, void* style) {
    HostTestSetWindowColor(window, 5, kBoxBackground);
    HostTestSetWindowColor(window, 8, kBoxInk);
    const DWORD outline = *static_cast<DWORD*>(style);
    if (outline) ZelListSetStyle(window, outline, create);
}

}  // namespace detail

inline Form::Form() {
    static const ATOM registered = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = detail::FormProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ZwOutlineTestForm";
        return RegisterClassW(&wc);
    }();
    window_ = registered ? CreateWindowExW(0, L"ZwOutlineTestForm", L"", WS_OVERLAPPEDWINDOW, 0, 0, 400, 400,
                                           nullptr, nullptr, GetModuleHandleW(nullptr), nullptr)
                         : nullptr;
}

inline Form::~Form() {
    if (window_) DestroyWindow(window_);
}

inline HWND Form::Box(DWORD style, DWORD windowStyle, DWORD type, int height, int id) {
    const DWORD base = WS_CHILD | WS_VISIBLE | (type == 0x2000 ? LBS_NOTIFY : CBS_DROPDOWN);
    return HostTestCreateList(window_, type, base | windowStyle, 0, 0, 200, height, id, &detail::ApplyStyle, &style);
}

inline std::vector<std::wstring> RowTexts(HWND box) {
    std::vector<std::wstring> rows;
    const LRESULT count = SendMessageW(box, LB_GETCOUNT, 0, 0);
    for (int row = 0; row < count; ++row) {
        wchar_t text[256] = {};
        SendMessageW(box, LB_GETTEXT, WPARAM(row), reinterpret_cast<LPARAM>(text));
        rows.push_back(text);
    }
    return rows;
}

}  // namespace zwtest
