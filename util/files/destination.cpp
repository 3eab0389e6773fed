#include "util/files/destination.h"

#include <windows.h>

#include "util/files/core/dest_name.h"
#include "util/files/file_errors.h"
#include "util/files/path_text.h"

namespace zw::files {

namespace {

bool DriveExists(wchar_t letter) {
    const wchar_t root[] = {letter, L':', L'\\', L'\0'};
    return GetDriveTypeW(root) != DRIVE_NO_ROOT_DIR;
}

bool IsDirectory(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

int ResolveDestination(const std::wstring& destination, Destination& resolved) {
    const std::u16string text = ToU16(destination);
    const bool hasDrive = text.size() >= 2 && IsDriveAlone(std::u16string_view(text).substr(0, 2));
    if (hasDrive && !DriveExists(destination[0])) return kInvalidDrive;

    if (IsDriveAlone(text)) {
        resolved = {destination, u"*.*"};
        return 0;
    }
    if (!HasWildcards(text) && IsDirectory(destination)) {
        resolved = {destination, u"*.*"};
        if (destination.back() != L'\\') resolved.directory += L'\\';
        return 0;
    }

    const std::u16string_view directory = DirectoryPart(text);
    const std::u16string_view name = NamePart(text);
    if (name.empty()) return kPathNotFound;
    // "" is the current directory and "X:" the current directory of a drive
    // already checked; a root ("\" or "X:\") is tested with its backslash.
    if (!directory.empty() && !IsDriveAlone(directory)) {
        std::wstring folder = ToWide(directory);
        const bool isRoot = folder == L"\\" || (folder.size() == 3 && hasDrive);
        if (!isRoot) folder.pop_back();
        if (HasWildcards(directory) || !IsDirectory(folder)) return kPathNotFound;
    }
    resolved = {ToWide(directory), std::u16string(name)};
    return 0;
}

std::wstring TargetPath(const Destination& destination, const std::wstring& sourceName) {
    return destination.directory + ToWide(TargetName(destination.namePattern, ToU16(sourceName)));
}

}  // namespace zw::files
