// Library information exports: version texts, the Windows version number and
// two direct forwards.
#include <windows.h>

#include <memory>

#include "frame/app.h"
#include "frame/call_frame.h"
#include "frame/core/win_version.h"
#include "frame/host_string.h"
#include "resources/resource_ids.h"

namespace {

// Reads one value of the library's version resource through the query path
// held in the string table under `pathId`; "" on any failure.
std::wstring VersionText(UINT pathId) {
    WCHAR file[MAX_PATH] = {};
    if (!SearchPathW(nullptr, L"ZWI51.DLL", nullptr, MAX_PATH, file, nullptr)) return {};
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeW(file, &ignored);
    if (!size) return {};
    struct LocalBlock {
        HLOCAL h;
        ~LocalBlock() { if (h) LocalFree(h); }
    } block{LocalAlloc(LMEM_FIXED | LMEM_ZEROINIT, size)};
    if (!block.h || !GetFileVersionInfoW(file, 0, size, block.h)) return {};
    WCHAR query[100] = {};
    if (!LoadStringW(zw::ModuleInstance(), pathId, query, 100)) return {};
    LPVOID value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.h, query, &value, &length) || !value || !length) return {};
    const WCHAR* text = static_cast<const WCHAR*>(value);
    UINT used = 0;
    while (used < length && text[used]) ++used;
    return std::wstring(text, used);
}

}  // namespace

extern "C" HOSTSTR __stdcall ZelGetVersion(void) {
    std::wstring text = zw::Guarded(L"ZelGetVersion()", std::wstring(),
                                    [] { return VersionText(IDS_VERSION_PRODUCT_PATH); });
    return zw::NewHostString(text);
}

extern "C" HOSTSTR __stdcall ZelGetCopyright(void) {
    std::wstring text = zw::Guarded(L"ZelGetCopyright()", std::wstring(),
                                    [] { return VersionText(IDS_VERSION_COPYRIGHT_PATH); });
    return zw::NewHostString(text);
}

extern "C" HostNumber __stdcall ZelGetWinVersion(void) {
    return zw::Guarded(L"ZelGetWinVersion()", HostNumber{}, [] {
        OSVERSIONINFOW info{};
        info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        if (!GetVersionExW(&info)) info.dwMajorVersion = info.dwMinorVersion = 0;
#pragma GCC diagnostic pop
        HostNumber number{};
        HostDoubleToNumber(zw::WinVersionNumber(info.dwMajorVersion, info.dwMinorVersion), &number);
        return number;
    });
}

extern "C" SHORT __stdcall ZelGetKeyState(int virtualKey) {
    return zw::Guarded(L"ZelGetKeyState()", SHORT(0), [&] { return GetKeyState(virtualKey); });
}

extern "C" int __stdcall ZelGetSystemMetrics(int index) {
    return zw::Guarded(L"ZelGetSystemMetrics()", 0, [&] { return GetSystemMetrics(index); });
}
