// ZelFileRename: moves every file a pattern matches to its target name.
#include <windows.h>

#include <vector>

#include "frame/call_frame.h"
#include "util/files/destination.h"
#include "util/files/file_errors.h"
#include "util/files/file_matches.h"

namespace zw::files {

namespace {

int Rename(const std::wstring& pattern, const std::wstring& destinationText) {
    Destination destination;
    if (const int failure = ResolveDestination(destinationText, destination)) return failure;
    std::vector<FileMatch> matches;
    if (const int failure = FindMatches(pattern, false, matches)) return failure;

    return HandleEach(matches, [&](const FileMatch& match) {
        const std::wstring target = TargetPath(destination, match.data.cFileName);
        if (!MoveFileW(match.path.c_str(), target.c_str())) return NegatedLastError();
        return 0;
    });
}

}  // namespace

}  // namespace zw::files

extern "C" int __stdcall ZelFileRename(LPCWSTR pattern, LPCWSTR destination) {
    if (!pattern || !destination) return zw::files::kInvalidParameter;
    return zw::Guarded(L"ZelFileRename()", zw::files::kOutOfMemory,
                       [&] { return zw::files::Rename(pattern, destination); });
}
