#include "util/files/file_matches.h"

#include "util/files/core/dest_name.h"
#include "util/files/file_errors.h"
#include "util/files/path_text.h"
#include "util/files/win_handles.h"

namespace zw::files {

bool IsDotEntry(const WCHAR* name) {
    return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

int FindMatches(const std::wstring& pattern, bool includeDirectories, std::vector<FileMatch>& matches) {
    matches.clear();
    const std::wstring directory = ToWide(DirectoryPart(ToU16(pattern)));
    FileMatch match{};
    FindSearch search(FindFirstFileW(pattern.c_str(), &match.data));
    if (!search.Valid()) return NegatedLastError();
    do {
        const bool isDirectory = (match.data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (isDirectory && (!includeDirectories || IsDotEntry(match.data.cFileName))) continue;
        match.path = directory + match.data.cFileName;
        matches.push_back(match);
    } while (FindNextFileW(search.Get(), &match.data));
    return 0;
}

ULONGLONG SizeOf(const FileMatch& match) {
    return (ULONGLONG{match.data.nFileSizeHigh} << 32) | match.data.nFileSizeLow;
}

ULONGLONG TotalSize(const std::vector<FileMatch>& matches) {
    ULONGLONG total = 0;
    for (const FileMatch& match : matches) total += SizeOf(match);
    return total;
}

}  // namespace zw::files
