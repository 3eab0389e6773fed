// ZelFileCopy: copies every file a pattern matches to a destination file,
// name pattern or directory, keeping each source's times.
#include <windows.h>

#include <vector>

#include "frame/call_frame.h"
#include "util/files/copy_buffer.h"
#include "util/files/destination.h"
#include "util/files/file_errors.h"
#include "util/files/file_matches.h"
#include "util/files/free_space.h"
#include "util/files/win_handles.h"

namespace zw::files {

namespace {

// Creates the target, emptying a file already there. A new name is tried with
// CREATE_NEW first: truncating, even a file just made, makes some file systems
// (ext4 under Wine) force the data to disk at close, which costs a third of
// the copy time of a large file; on Windows the two steps cost the same as one.
HANDLE CreateTarget(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
    return CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

int CopyOne(const FileMatch& source, const std::wstring& targetPath) {
    FileHandle from(CreateFileW(source.path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                0, nullptr));
    if (!from.Valid()) return NegatedLastError();
    FileHandle to(CreateTarget(targetPath));
    if (!to.Valid()) return NegatedLastError();

    const WIN32_FIND_DATAW& found = source.data;
    int result = CopyThroughBuffer(from.Get(), to.Get(), SizeOf(source));
    if (result == 0 && !SetFileTime(to.Get(), &found.ftCreationTime, &found.ftLastAccessTime, &found.ftLastWriteTime))
        result = NegatedLastError();
    if (!to.Close() && result == 0) result = NegatedLastError();
    // A half-written copy is worth nothing and may fill the disk: remove it.
    if (result != 0) DeleteFileW(targetPath.c_str());
    return result;
}

int Copy(const std::wstring& pattern, const std::wstring& destinationText) {
    Destination destination;
    if (const int failure = ResolveDestination(destinationText, destination)) return failure;
    std::vector<FileMatch> matches;
    if (const int failure = FindMatches(pattern, false, matches)) return failure;

    FreeSpaceGauge freeSpace(destination.directory);
    return HandleEach(matches, [&](const FileMatch& match) {
        if (const int failure = freeSpace.Take(SizeOf(match))) return failure;
        const std::wstring target = TargetPath(destination, match.data.cFileName);
        if (const int failure = CopyOne(match, target)) return failure;
        return 0;
    });
}

}  // namespace

}  // namespace zw::files

extern "C" int __stdcall ZelFileCopy(LPCWSTR pattern, LPCWSTR destination) {
    if (!pattern || !destination) return zw::files::kInvalidParameter;
    return zw::Guarded(L"ZelFileCopy()", zw::files::kOutOfMemory,
                       [&] { return zw::files::Copy(pattern, destination); });
}
