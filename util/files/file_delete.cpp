// ZelFileDelete: deletes every file a pattern matches (never a directory).
#include <windows.h>

#include <vector>

#include "frame/call_frame.h"
#include "util/files/file_errors.h"
#include "util/files/file_matches.h"

namespace zw::files {

namespace {

int Delete(const std::wstring& pattern) {
    std::vector<FileMatch> matches;
    if (const int failure = FindMatches(pattern, false, matches)) return failure;
    return HandleEach(matches, [&](const FileMatch& match) {
        if (!DeleteFileW(match.path.c_str())) return NegatedLastError();
        return 0;
    });
}

}  // namespace

}  // namespace zw::files

extern "C" int __stdcall ZelFileDelete(LPCWSTR pattern) {
    if (!pattern) return zw::files::kInvalidParameter;
    return zw::Guarded(L"ZelFileDelete()", zw::files::kOutOfMemory, [&] { return zw::files::Delete(pattern); });
}
