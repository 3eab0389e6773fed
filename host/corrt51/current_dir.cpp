// The host's current directory: the process's own.
#include "frame/host_api.h"

extern "C" int __stdcall HostGetCurrentDir(LPWSTR buffer, int size) {
    if (!buffer || size <= 0) return 0;
    const DWORD length = GetCurrentDirectoryW(DWORD(size), buffer);
    if (length == 0 || length >= DWORD(size)) {
        buffer[0] = 0;
        return 0;
    }
    return int(length);
}
