// The text exports: a window's text as a host string (a host form answers
// with its frame's caption), the selection in a data field or combo box, and
// a message sent with a text pointer.
#include <string>

#include "frame/call_frame.h"
#include "frame/host_api.h"
#include "frame/host_string.h"
#include "util/strings/string_result.h"
#include "util/windows/host_windows.h"

namespace zw::windows {
namespace {

std::wstring WindowText(HWND window) {
    std::wstring text(size_t(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(size_t(GetWindowTextW(window, text.data(), int(text.size()))));
    return text;
}

}  // namespace
}  // namespace zw::windows

extern "C" HOSTSTR __stdcall ZelWinGetText(HWND window) {
    return zw::strings::StringResult(L"ZelWinGetText()", [&] {
        if (!IsWindow(window)) return zw::NewHostString(L"");
        return zw::NewHostString(zw::windows::WindowText(zw::windows::FormFrame(window)));
    });
}

extern "C" BOOL __stdcall ZelWinSetSelect(HWND window, short start, short end) {
    if (!IsWindow(window)) return FALSE;
    return zw::Guarded(L"ZelWinSetSelect()", BOOL(FALSE), [&]() -> BOOL {
        if (zw::windows::IsDataField(window)) {
            SendMessageW(window, EM_SETSEL, WPARAM(INT_PTR(start)), LPARAM(end));
            return TRUE;
        }
        if (HostGetObjectType(window) == HOST_TYPE_COMBOBOX) {
            SendMessageW(window, CB_SETEDITSEL, 0, MAKELPARAM(WORD(start), WORD(end)));
            return TRUE;
        }
        return FALSE;
    });
}

extern "C" LRESULT __stdcall ZelSendMsgString(HWND window, UINT message, WPARAM wParam, LPCWSTR text) {
    if (!IsWindow(window)) return 0;
    return zw::Guarded(L"ZelSendMsgString()", LRESULT(0),
                       [&] { return SendMessageW(window, message, wParam, reinterpret_cast<LPARAM>(text)); });
}
