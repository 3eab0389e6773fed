#include "util/files/drive_tests.h"

#include <cwctype>

namespace zw::files {

int ExistingDriveNumber(LPCWSTR text) {
    if (!text) return 0;
    const wchar_t letter = wchar_t(std::towupper(text[0]));
    if (letter < L'A' || letter > L'Z') return 0;
    const int number = letter - L'A' + 1;
    return (GetLogicalDrives() >> (number - 1)) & 1 ? number : 0;
}

namespace {

// Keeps the system's "insert a disk" and similar boxes away while a drive is
// asked about, and restores the caller's error mode afterwards.
class NoCriticalErrorBoxes {
public:
    NoCriticalErrorBoxes() : previous_(SetErrorMode(SEM_NOOPENFILEERRORBOX)) {}
    ~NoCriticalErrorBoxes() { SetErrorMode(previous_); }
    NoCriticalErrorBoxes(const NoCriticalErrorBoxes&) = delete;
    NoCriticalErrorBoxes& operator=(const NoCriticalErrorBoxes&) = delete;

private:
    UINT previous_;
};

}  // namespace

UINT DriveTypeOf(LPCWSTR root) {
    if (!ExistingDriveNumber(root)) return DRIVE_UNKNOWN;
    const NoCriticalErrorBoxes quiet;
    return GetDriveTypeW(WithBackslash(root).c_str());
}

bool IsDirectory(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return true;
    return !path.empty() && path.back() == L'\\' && IsDirectory(path.substr(0, path.size() - 1));
}

std::wstring WithBackslash(std::wstring path) {
    if (path.empty() || path.back() != L'\\') path += L'\\';
    return path;
}

}  // namespace zw::files
