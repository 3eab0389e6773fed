// ZelFileExpand: expands every file a pattern matches with the LZ library
// (a file that is not compressed is copied as it is).
#include <windows.h>
#include <lzexpand.h>

#include <vector>

#include "frame/call_frame.h"
#include "util/files/destination.h"
#include "util/files/file_errors.h"
#include "util/files/file_matches.h"
#include "util/files/win_handles.h"

namespace zw::files {

namespace {

// The failure of an expansion is reported as -(100 x last error). When LZCopy
// fails without leaving an error code, its own LZERROR_ code stands in for it
// (LZERROR_READ -3 gives -300), so that a failure never reads as a count.
int ExpansionFailure(LONG lzResult) {
    const DWORD error = GetLastError();
    return -100 * (error ? static_cast<int>(error) : static_cast<int>(-lzResult));
}

int ExpandOne(const std::wstring& sourcePath, const std::wstring& targetPath) {
    // LZOpenFileW takes writable names.
    std::wstring source = sourcePath, target = targetPath;
    OFSTRUCT sourceInfo{}, targetInfo{};
    LzFile from(LZOpenFileW(source.data(), &sourceInfo, OF_READ | OF_SHARE_DENY_WRITE));
    if (!from.Valid()) return NegatedLastError();
    LzFile to(LZOpenFileW(target.data(), &targetInfo, OF_CREATE | OF_WRITE | OF_SHARE_DENY_WRITE));
    if (!to.Valid()) return NegatedLastError();
    SetLastError(0);
    const LONG copied = LZCopy(from.Get(), to.Get());
    return copied < 0 ? ExpansionFailure(copied) : 0;
}

int Expand(const std::wstring& pattern, const std::wstring& destinationText) {
    Destination destination;
    if (const int failure = ResolveDestination(destinationText, destination)) return failure;
    std::vector<FileMatch> matches;
    if (const int failure = FindMatches(pattern, false, matches)) return failure;

    return HandleEach(matches, [&](const FileMatch& match) {
        if (const int failure = ExpandOne(match.path, TargetPath(destination, match.data.cFileName)))
            return failure;
        return 0;
    });
}

}  // namespace

}  // namespace zw::files

extern "C" int __stdcall ZelFileExpand(LPCWSTR pattern, LPCWSTR destination) {
    if (!pattern || !destination) return zw::files::kInvalidParameter;
    return zw::Guarded(L"ZelFileExpand()", zw::files::kOutOfMemory,
                       [&] { return zw::files::Expand(pattern, destination); });
}
