// Free space of the drive that holds a path.
#pragma once

#include <windows.h>

#include <string>

namespace zw::files {

// Sets `bytes` to the free space of the drive holding `path` (which need not
// exist yet) and returns 0, or returns the negated error of GetDiskFreeSpaceW.
int DriveFreeBytes(const std::wstring& path, ULONGLONG& bytes);

}  // namespace zw::files
