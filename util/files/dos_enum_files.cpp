// ZelDosEnumFiles, ZelDosEnumFileInfo: the files (never directories) that a
// pattern matches and an attribute filter lets through.
#include <windows.h>

#include <vector>

#include "frame/call_frame.h"
#include "util/files/file_errors.h"
#include "util/files/file_matches.h"
#include "util/files/listing_arrays.h"

namespace zw::files {
namespace {

// The two functions filter differently: ZelDosEnumFiles with filter 0 hides
// hidden and system files and otherwise wants every filter bit; the info
// variant with filter 0 lists everything and otherwise wants any filter bit.
bool NamesFilter(DWORD attributes, WORD filter) {
    if (filter == 0) return (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
    return (attributes & filter) == filter;
}

bool InfoFilter(DWORD attributes, WORD filter) {
    return filter == 0 || (attributes & filter) != 0;
}

// The files that `keep` lets through; 0, or the negated error of the search.
template <typename Keep>
int FindFiles(LPCWSTR pattern, Keep keep, std::vector<FileMatch>& files) {
    std::vector<FileMatch> matches;
    if (const int failure = FindMatches(pattern, false, matches)) return failure;
    for (FileMatch& match : matches) {
        if (keep(match.data.dwFileAttributes)) files.push_back(std::move(match));
    }
    return 0;
}

void PutNumber(HARRAY array, LONG index, HostNumber number) {
    HostArrayPutNumber(array, &number, index);
}

int EnumFiles(LPCWSTR pattern, WORD filter, HARRAY names) {
    std::vector<FileMatch> files;
    const int failure = FindFiles(pattern, [&](DWORD attributes) { return NamesFilter(attributes, filter); }, files);
    if (failure) return failure;
    PutMatchNames(names, files);
    return int(files.size());
}

int EnumFileInfo(LPCWSTR pattern, WORD filter, HARRAY names, HARRAY sizes, HARRAY dates, HARRAY attributes) {
    std::vector<FileMatch> files;
    const int failure = FindFiles(pattern, [&](DWORD bits) { return InfoFilter(bits, filter); }, files);
    if (failure) return failure;
    PutMatchNames(names, files);
    for (size_t i = 0; i < files.size(); ++i) {
        const LONG index = LONG(i);
        HostNumber number{};
        HostUIntToNumber(files[i].data.nFileSizeLow, &number);
        PutNumber(sizes, index, number);
        const HostDate date = LastWriteDate(files[i].data);
        HostArrayPutDateTime(dates, &date, index);
        HostLongToNumber(LONG(files[i].data.dwFileAttributes), &number);
        PutNumber(attributes, index, number);
    }
    for (const HARRAY array : {sizes, dates, attributes}) HostArraySetBounds(array, 0, LONG(files.size()) - 1);
    return int(files.size());
}

}  // namespace
}  // namespace zw::files

extern "C" int __stdcall ZelDosEnumFiles(LPCWSTR pattern, WORD filter, HARRAY names) {
    using namespace zw::files;
    if (!pattern || !AreListingArrays({names})) return kInvalidParameter;
    return zw::Guarded(L"ZelDosEnumFiles()", kOutOfMemory, [&] { return EnumFiles(pattern, filter, names); });
}

extern "C" int __stdcall ZelDosEnumFileInfo(LPCWSTR pattern, WORD filter, HARRAY names, HARRAY sizes, HARRAY dates,
                                            HARRAY attributes) {
    using namespace zw::files;
    if (!pattern || !AreListingArrays({names, sizes, dates, attributes})) return kInvalidParameter;
    return zw::Guarded(L"ZelDosEnumFileInfo()", kOutOfMemory,
                       [&] { return EnumFileInfo(pattern, filter, names, sizes, dates, attributes); });
}
