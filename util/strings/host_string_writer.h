// A new host string written in place, for results too large to build twice.
#pragma once

#include <windows.h>

#include <utility>

#include "frame/host_api.h"

namespace zw::strings {

// A new host string of exactly `length` characters and its terminator, whose
// text `fill(WCHAR*)` writes straight into the host's storage. 0 when the host
// cannot allocate it; there is no retry (the caller's contract is to return 0).
template <typename Fill>
HOSTSTR TryNewHostStringInPlace(size_t length, Fill&& fill) {
    if (length >= 0x7FFFFFFFu / sizeof(WCHAR)) return 0;
    const DWORD bytes = static_cast<DWORD>((length + 1) * sizeof(WCHAR));
    HOSTSTR string = 0;
    if (!HostStrSetSize(&string, bytes)) return 0;
    DWORD stored = 0;
    WCHAR* text = HostStrLock(string, &stored);
    if (!text || stored < bytes) return 0;
    std::forward<Fill>(fill)(text);
    text[length] = 0;
    return string;
}

}  // namespace zw::strings
