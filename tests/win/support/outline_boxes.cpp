#include "tests/win/support/outline_boxes.h"

namespace zwtest {
namespace {

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

void __stdcall ApplyStyle(HWND window, CREATESTRUCTW* create, void* style) {
    HostTestSetWindowColor(window, 5, kBoxBackground);
    HostTestSetWindowColor(window, 8, kBoxInk);
    const DWORD outline = *static_cast<DWORD*>(style);
    if (outline) ZelListSetStyle(window, outline, create);
}

}  // namespace

Form::Form() {
    static const ATOM registered = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = FormProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"ZwOutlineTestForm";
        return RegisterClassW(&wc);
    }();
    window_ = registered ? CreateWindowExW(0, L"ZwOutlineTestForm", L"", WS_OVERLAPPEDWINDOW, 0, 0, 400, 400,
                                           nullptr, nullptr, GetModuleHandleW(nullptr), nullptr)
                         : nullptr;
}

Form::~Form() {
    if (window_) DestroyWindow(window_);
}

HWND Form::Box(DWORD style, DWORD windowStyle, DWORD type, int height, int id) {
    const DWORD base = WS_CHILD | WS_VISIBLE | (type == 0x2000 ? LBS_NOTIFY : CBS_DROPDOWN);
    return HostTestCreateList(window_, type, base | windowStyle, 0, 0, 200, height, id, &ApplyStyle, &style);
}

std::vector<std::wstring> RowTexts(HWND box) {
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
