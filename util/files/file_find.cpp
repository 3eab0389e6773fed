// ZelFileFind: the full path of a file found along the search path.
#include <windows.h>

#include <string>

#include "frame/call_frame.h"
#include "frame/host_string.h"

namespace {

std::wstring SearchFor(LPCWSTR name) {
    WCHAR found[MAX_PATH] = {};
    const DWORD length = SearchPathW(nullptr, name, nullptr, MAX_PATH, found, nullptr);
    return length && length < MAX_PATH ? std::wstring(found, length) : std::wstring();
}

}  // namespace

extern "C" HOSTSTR __stdcall ZelFileFind(LPCWSTR name) {
    std::wstring found;
    if (name && *name) found = zw::Guarded(L"ZelFileFind()", std::wstring(), [&] { return SearchFor(name); });
    return zw::NewHostString(found);
}
