#include "util/files/copy_buffer.h"

#include <algorithm>

#include "util/files/file_errors.h"
#include "util/files/win_handles.h"

namespace zw::files {

int CopyThroughBuffer(HANDLE source, HANDLE target, ULONGLONG sourceSize) {
    constexpr ULONGLONG kLargestBuffer = 0xFFFD;
    // An empty file still gets a block, so that a file that grew since it was
    // found is copied whole.
    const DWORD size = static_cast<DWORD>(std::clamp<ULONGLONG>(sourceSize, 1, kLargestBuffer));
    GlobalBlock buffer(size);
    if (!buffer.Valid()) return kOutOfMemory;
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(source, buffer.Bytes(), size, &read, nullptr)) return NegatedLastError();
        if (read == 0) return 0;
        DWORD written = 0;
        if (!WriteFile(target, buffer.Bytes(), read, &written, nullptr)) return NegatedLastError();
        if (written != read) return kDiskFull;
    }
}

}  // namespace zw::files
