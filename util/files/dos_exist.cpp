// ZelDosExist, ZelDosIsParent: whether a drive, directory or file exists, and
// whether a directory has subdirectories.
#include <windows.h>

#include <cwchar>
#include <string>

#include "frame/call_frame.h"
#include "util/files/drive_tests.h"
#include "util/files/file_matches.h"
#include "util/files/win_handles.h"

namespace zw::files {
namespace {

// A drive name ("X:") is tested as a drive; anything else as a directory,
// then as a file pattern.
int Exist(LPCWSTR path) {
    const size_t length = std::wcslen(path);
    if (path[length - 1] == L':') return ExistingDriveNumber(path) ? 1 : 0;
    if (IsDirectory(path)) return 1;
    WIN32_FIND_DATAW data;
    return FindSearch(FindFirstFileW(path, &data)).Valid() ? 1 : 0;
}

int IsParent(LPCWSTR directory) {
    const std::wstring pattern = WithBackslash(directory) + L"*.*";
    WIN32_FIND_DATAW data;
    FindSearch search(FindFirstFileW(pattern.c_str(), &data));
    if (!search.Valid()) return 0;
    do {
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !IsDotEntry(data.cFileName)) return 1;
    } while (FindNextFileW(search.Get(), &data));
    return 0;
}

}  // namespace
}  // namespace zw::files

extern "C" int __stdcall ZelDosExist(LPCWSTR path) {
    if (!path || !*path) return 0;
    return zw::Guarded(L"ZelDosExist()", 0, [&] { return zw::files::Exist(path); });
}

extern "C" int __stdcall ZelDosIsParent(LPCWSTR directory) {
    if (!directory) return 0;
    return zw::Guarded(L"ZelDosIsParent()", 0, [&] { return zw::files::IsParent(directory); });
}
