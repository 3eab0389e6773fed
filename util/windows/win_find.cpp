// ZelWinGetHandle: a child of a host form found by its text, the way a user
// reads it (without the "&" of its mnemonic).
#include <string>

#include "frame/call_frame.h"
#include "frame/host_api.h"

namespace zw::windows {
namespace {

std::wstring ShownText(HWND window) {
    std::wstring text(size_t(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(size_t(GetWindowTextW(window, text.data(), int(text.size()))));
    const size_t mnemonic = text.find(L'&');
    if (mnemonic != std::wstring::npos) text.erase(mnemonic, 1);
    return text;
}

HWND FindChild(HWND form, const wchar_t* text, DWORD typeMask) {
    for (HWND child = HostGetFirstChild(form, typeMask); child; child = HostGetNextChild(child, typeMask)) {
        if (lstrcmpiW(ShownText(child).c_str(), text) == 0) return child;
    }
    return nullptr;
}

}  // namespace
}  // namespace zw::windows

extern "C" HWND __stdcall ZelWinGetHandle(HWND form, LPCWSTR text, DWORD typeMask) {
    if (!IsWindow(form) || !text) return nullptr;
    return zw::Guarded(L"ZelWinGetHandle()", HWND(nullptr),
                       [&] { return zw::windows::FindChild(form, text, typeMask); });
}
