// ZelDosGetCurDir, ZelDosGetEnvString, ZelDosGetVersion, ZelDosGetFlags,
// ZelDosSetFlags: the process's current directory and environment, the
// Windows version, and two flag functions kept for old applications.
#include <windows.h>

#include <string>

#include "frame/call_frame.h"
#include "frame/host_string.h"

namespace zw::files {
namespace {

std::wstring CurrentDirectory() {
    std::wstring directory(MAX_PATH, L'\0');
    DWORD length = GetCurrentDirectoryW(DWORD(directory.size()), directory.data());
    // Above 256 characters the answer may have been cut: ask again with the
    // size it gave.
    if (length > 256) {
        directory.resize(length + 1);
        length = GetCurrentDirectoryW(DWORD(directory.size()), directory.data());
        if (length >= directory.size()) length = 0;
    }
    directory.resize(length);
    return directory;
}

std::wstring EnvironmentValue(LPCWSTR name) {
    std::wstring value(MAX_PATH, L'\0');
    DWORD length = GetEnvironmentVariableW(name, value.data(), DWORD(value.size()));
    if (length >= value.size()) {
        value.resize(length);
        length = GetEnvironmentVariableW(name, value.data(), DWORD(value.size()));
        if (length >= value.size()) length = 0;
    }
    value.resize(length);
    return value;
}

}  // namespace
}  // namespace zw::files

extern "C" HOSTSTR __stdcall ZelDosGetCurDir(LPCWSTR) {
    return zw::NewHostString(zw::Guarded(L"ZelDosGetCurDir()", std::wstring(), [] {
        return zw::files::CurrentDirectory();
    }));
}

extern "C" HOSTSTR __stdcall ZelDosGetEnvString(LPCWSTR name) {
    std::wstring value;
    if (name && *name) {
        value = zw::Guarded(L"ZelDosGetEnvString()", std::wstring(), [&] { return zw::files::EnvironmentValue(name); });
    }
    return zw::NewHostString(value);
}

// The same number as the library's own version export gives.
extern "C" HostNumber __stdcall ZelGetWinVersion(void);

extern "C" HostNumber __stdcall ZelDosGetVersion(void) {
    return zw::Guarded(L"ZelDosGetVersion()", HostNumber{}, [] { return ZelGetWinVersion(); });
}

extern "C" int __stdcall ZelDosGetFlags(void) {
    return zw::Guarded(L"ZelDosGetFlags()", 0, [] { return 0; });
}

extern "C" int __stdcall ZelDosSetFlags(DWORD, DWORD) {
    return zw::Guarded(L"ZelDosSetFlags()", 0, [] { return 0; });
}
