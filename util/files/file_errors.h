// Failure results of the file functions: negated Win32 error codes.
#pragma once

#include <windows.h>

namespace zw::files {

// The last error, negated; -1 when a call failed without leaving an error code,
// so that a failure never reads as success (0).
inline int NegatedLastError() {
    const DWORD error = GetLastError();
    return error ? -static_cast<int>(error) : -1;
}

constexpr int kInvalidParameter = -static_cast<int>(ERROR_INVALID_PARAMETER);  // -87
constexpr int kOutOfMemory = -static_cast<int>(ERROR_NOT_ENOUGH_MEMORY);       // -8
constexpr int kDiskFull = -static_cast<int>(ERROR_HANDLE_DISK_FULL);           // -39
constexpr int kInvalidDrive = -static_cast<int>(ERROR_INVALID_DRIVE);          // -15
constexpr int kPathNotFound = -static_cast<int>(ERROR_PATH_NOT_FOUND);         // -3
constexpr int kNoMoreFiles = -static_cast<int>(ERROR_NO_MORE_FILES);           // -18

}  // namespace zw::files
