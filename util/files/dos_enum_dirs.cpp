// ZelDosEnumDirs, ZelDosEnumDirInfo: the subdirectories that a pattern
// matches, in the order the system lists them ("." and ".." left out).
#include <windows.h>

#include <vector>

#include "frame/call_frame.h"
#include "util/files/file_errors.h"
#include "util/files/file_matches.h"
#include "util/files/listing_arrays.h"

namespace zw::files {
namespace {

// The directories among the matches; 0, or the negated error of the search.
int FindDirectories(LPCWSTR pattern, std::vector<FileMatch>& directories) {
    std::vector<FileMatch> matches;
    if (const int failure = FindMatches(pattern, true, matches)) return failure;
    for (FileMatch& match : matches) {
        if (match.data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) directories.push_back(std::move(match));
    }
    return 0;
}

int EnumDirs(LPCWSTR pattern, HARRAY names) {
    std::vector<FileMatch> directories;
    if (const int failure = FindDirectories(pattern, directories)) return failure;
    PutMatchNames(names, directories);
    return int(directories.size());
}

int EnumDirInfo(LPCWSTR pattern, HARRAY names, HARRAY dates, HARRAY attributes) {
    std::vector<FileMatch> directories;
    if (const int failure = FindDirectories(pattern, directories)) return failure;
    PutMatchNames(names, directories);
    for (size_t i = 0; i < directories.size(); ++i) {
        const HostDate date = LastWriteDate(directories[i].data);
        HostArrayPutDateTime(dates, &date, LONG(i));
        HostNumber bits{};
        HostLongToNumber(LONG(directories[i].data.dwFileAttributes), &bits);
        HostArrayPutNumber(attributes, &bits, LONG(i));
    }
    HostArraySetBounds(dates, 0, LONG(directories.size()) - 1);
    HostArraySetBounds(attributes, 0, LONG(directories.size()) - 1);
    return int(directories.size());
}

}  // namespace
}  // namespace zw::files

extern "C" int __stdcall ZelDosEnumDirs(LPCWSTR pattern, HARRAY names) {
    using namespace zw::files;
    if (!pattern || !AreListingArrays({names})) return kInvalidParameter;
    return zw::Guarded(L"ZelDosEnumDirs()", kOutOfMemory, [&] { return EnumDirs(pattern, names); });
}

extern "C" int __stdcall ZelDosEnumDirInfo(LPCWSTR pattern, HARRAY names, HARRAY dates, HARRAY attributes) {
    using namespace zw::files;
    if (!pattern || !AreListingArrays({names, dates, attributes})) return kInvalidParameter;
    return zw::Guarded(L"ZelDosEnumDirInfo()", kOutOfMemory,
                       [&] { return EnumDirInfo(pattern, names, dates, attributes); });
}
