// ZelDosEnumDrives, ZelDosEnumPath: the drives that exist, and the
// directories of the "PATH" environment variable.
#include <windows.h>

#include <string>
#include <vector>

#include "frame/call_frame.h"
#include "util/files/core/path_parts.h"
#include "util/files/drive_tests.h"
#include "util/files/file_errors.h"
#include "util/files/listing_arrays.h"
#include "util/files/path_text.h"

namespace zw::files {
namespace {

int EnumDrives(HARRAY names) {
    std::vector<std::wstring> drives;
    for (wchar_t letter = L'A'; letter <= L'Z'; ++letter) {
        const std::wstring root{letter, L':', L'\\'};
        if (ExistingDriveNumber(root.c_str())) drives.push_back(root);
    }
    PutNames(names, drives);
    return int(drives.size());
}

// The variable's value; asked again with the size it needs when longer than
// the first buffer.
std::wstring PathVariable() {
    std::wstring value(MAX_PATH, L'\0');
    DWORD length = GetEnvironmentVariableW(L"PATH", value.data(), DWORD(value.size()));
    if (length >= value.size()) {
        value.resize(length);
        length = GetEnvironmentVariableW(L"PATH", value.data(), DWORD(value.size()));
        if (length >= value.size()) length = 0;
    }
    value.resize(length);
    return value;
}

int EnumPath(HARRAY names) {
    std::vector<std::wstring> directories;
    for (const std::u16string& candidate : SearchPathCandidates(ToU16(PathVariable()))) {
        const std::wstring directory = ToWide(candidate);
        if (IsDirectory(directory)) directories.push_back(directory + L'\\');
    }
    PutNames(names, directories);
    return int(directories.size());
}

}  // namespace
}  // namespace zw::files

extern "C" int __stdcall ZelDosEnumDrives(HARRAY names) {
    using namespace zw::files;
    if (!AreListingArrays({names})) return kInvalidParameter;
    return zw::Guarded(L"ZelDosEnumDrives()", kOutOfMemory, [&] { return EnumDrives(names); });
}

extern "C" int __stdcall ZelDosEnumPath(HARRAY names) {
    using namespace zw::files;
    if (!AreListingArrays({names})) return kInvalidParameter;
    return zw::Guarded(L"ZelDosEnumPath()", kOutOfMemory, [&] { return EnumPath(names); });
}
