// ZelDebugAssert, ZelDebugString, ZelDebugSetLevel, ZelDebugGetFlags,
// ZelDebugSetFlags: assertions and levelled debugging messages.
#include <windows.h>

#include <new>
#include <string>

#include "frame/call_frame.h"
#include "frame/host_api.h"
#include "util/windows/debug_settings.h"

namespace zw::windows {
namespace {

constexpr UINT kAssertionCaption = 306;  // "Assertion Failure"
constexpr UINT kDebugCaption = 309;      // "Debug"

// "name: text", where name is the host's name of the active window; the
// text alone when there is no memory for the message.
void ShowAssertion(LPCWSTR text) {
    WCHAR name[256] = {};
    HostGetWindowName(GetActiveWindow(), name, 256);
    std::wstring message;
    try {
        message = std::wstring(name) + L": " + text;
    } catch (const std::bad_alloc&) {
        ShowDebugBox(text, kAssertionCaption);
        return;
    }
    ShowDebugBox(message.c_str(), kAssertionCaption);
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
    if (condition) return 1;
    return zw::Guarded(L"ZelDebugAssert()", 1, [&] {
        zw::windows::ShowAssertion(text ? text : L"");
        return 1;
    });
}

extern "C" int __stdcall ZelDebugString(LPCWSTR text, WORD level) {
    if (!zw::windows::LevelShown(level)) return 0;
    return zw::Guarded(L"ZelDebugString()", 0, [&] {
        zw::windows::ShowString(text ? text : L"");
        return 1;
    });
}

extern "C" int __stdcall ZelDebugSetLevel(WORD level) {
    return zw::Guarded(L"ZelDebugSetLevel()", 0, [&] {
        zw::windows::Debug().level = level;
        return 1;
    });
}

extern "C" DWORD __stdcall ZelDebugGetFlags(void) {
    return zw::Guarded(L"ZelDebugGetFlags()", DWORD(0), [] { return zw::windows::Debug().flags; });
}

extern "C" DWORD __stdcall ZelDebugSetFlags(DWORD bits, BOOL set) {
    return zw::Guarded(L"ZelDebugSetFlags()", DWORD(0), [&] {
        DWORD& flags = zw::windows::Debug().flags;
        flags = set ? flags | bits : flags & ~bits;
        return flags;
    });
}
