// Wildcard enumeration shared by the pattern operations (append, copy, expand,
// rename, delete, set attribute, set date and time).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace zw::files {

struct FileMatch {
    std::wstring path;      // directory part of the pattern + found name
    WIN32_FIND_DATAW data;  // what the search reported (name, size, times)
};

// True for the entries "." and "..".
bool IsDotEntry(const WCHAR* name);

// Collects what `pattern` matches, skipping directories unless
// `includeDirectories` (and always skipping "." and ".."). The whole list is
// taken before any file is touched, so that files an operation creates or
// renames inside the searched folder are never matched again. Returns 0, or the
// negated error of FindFirstFileW (no match at all: -2).
int FindMatches(const std::wstring& pattern, bool includeDirectories, std::vector<FileMatch>& matches);

// Runs `step` on each match in order. A step returns 0, or a negated error
// that ends the operation at once; otherwise the result is the number of
// matches handled.
template <typename Step>
int HandleEach(const std::vector<FileMatch>& matches, Step step) {
    int handled = 0;
    for (const FileMatch& match : matches) {
        if (const int failure = step(match)) return failure;
        ++handled;
    }
    return handled;
}

// Size of one match, and the sum of the sizes of all, in bytes.
ULONGLONG SizeOf(const FileMatch& match);
ULONGLONG TotalSize(const std::vector<FileMatch>& matches);

}  // namespace zw::files
