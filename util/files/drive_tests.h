// The drive and directory tests that several directory and drive functions
// share.
#pragma once

#include <windows.h>

#include <string>

namespace zw::files {

// The drive number (1 for A to 26 for Z) of the text's first character,
// upper-cased, when that drive exists (GetLogicalDrives); else 0.
int ExistingDriveNumber(LPCWSTR text);

// The system's drive type of an existing drive (GetDriveTypeW on the text
// with a backslash appended when missing), asked with the system's
// critical-error boxes kept away; DRIVE_UNKNOWN when the drive does not exist.
UINT DriveTypeOf(LPCWSTR root);

// True when `path` is a directory, or ends with a backslash and is one
// without it.
bool IsDirectory(const std::wstring& path);

// `path` with a backslash appended when it does not end with one.
std::wstring WithBackslash(std::wstring path);

}  // namespace zw::files
