// ZelDebugAssert, ZelDebugString, ZelDebugSetLevel, ZelDebugGetFlags,
// ZelDebugSetFlags: assertions and levelled debugging messages.
#include <windows.h>

#include <string>

#include "frame/call_frame.h"
#include "frame/host_api.h"
#include "util/windows/debug_settings.h"

namespace zw::windows {
namespace {

constexpr UINT kAssertionCaption = 306;  // "Assertion Failure"
constexpr UINT kDebugCaption = 309;      // "Debug"

// "name: text", where name is the host's name of the active window.
void ShowAssertion(LPCWSTR text) {
    WCHAR name[256] = {};
    HostGetWindowName(GetActiveWindow(), name, 256);
    ShowDebugBox(std::wstring(name) + L": " + text, kAssertionCaption);
}

void ShowString(LPCWSTR text) {
    if (Debug().flags & kDebugMessageBoxes) {
        ShowDebugBox(text, kDebugCaption);
    } else {
        OutputDebugStringW((std::wstring(text) + L"\n").c_str());
    }
}

}  // namespace
}  // namespace zw::windows

extern "C" int __stdcall ZelDebugAssert(BOOL condition, LPCWSTR text) {
    if (!condition) zw::Guarded(L"ZelDebugAssert()", 0, [&] {
        zw::windows::ShowAssertion(text ? text : L"");
        return 0;
    });
    return 1;
}

extern "C" int __stdcall ZelDebugString(LPCWSTR text, WORD level) {
    if (!zw::windows::LevelShown(level)) return 0;
    return zw::Guarded(L"ZelDebugString()", 0, [&] {
        zw::windows::ShowString(text ? text : L"");
        return 1;
    });
}

extern "C" int __stdcall ZelDebugSetLevel(WORD level) {
    zw::windows::Debug().level = level;
    return 1;
}

extern "C" DWORD __stdcall ZelDebugGetFlags(void) {
    return zw::windows::Debug().flags;
}

extern "C" DWORD __stdcall ZelDebugSetFlags(DWORD bits, BOOL set) {
    DWORD& flags = zw::windows::Debug().flags;
    flags = set ? flags | bits : flags & ~bits;
    return flags;
}
