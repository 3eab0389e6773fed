// ZelFileAppend: appends every file a pattern matches to one destination file,
// creating it when it does not exist.
#include <windows.h>

#include <vector>

#include "frame/call_frame.h"
#include "util/files/copy_buffer.h"
#include "util/files/core/dest_name.h"
#include "util/files/file_errors.h"
#include "util/files/file_matches.h"
#include "util/files/free_space.h"
#include "util/files/path_text.h"
#include "util/files/win_handles.h"

namespace zw::files {

namespace {

int AppendOne(const FileMatch& source, const std::wstring& destination) {
    FileHandle from(CreateFileW(source.path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                0, nullptr));
    if (!from.Valid()) return NegatedLastError();
    FileHandle to(CreateFileW(destination.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!to.Valid()) return NegatedLastError();
    if (!SetFilePointerEx(to.Get(), LARGE_INTEGER{}, nullptr, FILE_END)) return NegatedLastError();
    if (const int failure = CopyThroughBuffer(from.Get(), to.Get(), SizeOf(source))) return failure;
    return to.Close() ? 0 : NegatedLastError();
}

int Append(const std::wstring& pattern, const std::wstring& destination) {
    if (HasWildcards(ToU16(destination))) return kInvalidParameter;
    std::vector<FileMatch> matches;
    if (const int failure = FindMatches(pattern, false, matches)) return failure;

    // Everything must fit before anything is written.
    ULONGLONG freeBytes = 0, clusterBytes = 0;
    if (const int failure = DriveFreeBytes(destination, freeBytes, clusterBytes)) return failure;
    if (TotalSize(matches) > freeBytes) return kDiskFull;

    return HandleEach(matches, [&](const FileMatch& match) {
        if (const int failure = AppendOne(match, destination)) return failure;
        return 0;
    });
}

}  // namespace

}  // namespace zw::files

extern "C" int __stdcall ZelFileAppend(LPCWSTR pattern, LPCWSTR destination) {
    if (!pattern || !destination) return zw::files::kInvalidParameter;
    return zw::Guarded(L"ZelFileAppend()", zw::files::kOutOfMemory,
                       [&] { return zw::files::Append(pattern, destination); });
}
