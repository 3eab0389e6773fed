#include "util/windows/populate/dir_views.h"

#include <cstring>

#include "util/windows/populate/populate_box.h"

namespace zw::populate {
namespace {

// A level no outline reaches: ZelListShowOutline shows every item up to it.
constexpr int kEveryLevel = 0x7FFD;

}  // namespace

int LoadSubdirectories(HWND box, ZW_HITEM parent, ZW_HPIC normal, ZW_HPIC selected, const std::wstring& directory) {
    TempArray names(HOST_ARRAY_STRING);
    TempArray values(HOST_ARRAY_NUMBER);
    TempArray flags(HOST_ARRAY_NUMBER);
    if (!names.Made() || !values.Made() || !flags.Made()) return -8;
    std::wstring pattern = directory;
    if (pattern.empty() || pattern.back() != L'\\') pattern += L'\\';
    pattern += L"*.*";
    // A directory without subdirectories, or a drive root without entries,
    // lists nothing: an empty level, not a failure.
    const int count = ZelDosEnumDirs(pattern.c_str(), names);
    if (count <= 0) return 0;
    ZelArraySort(names, 0, HOST_ARRAY_STRING);
    HostNumber number{};
    HostIntToNumber(0, &number);
    ZW_HOSTVALUE zero{};
    static_assert(sizeof zero == sizeof number);
    std::memcpy(&zero, &number, sizeof zero);
    ZelArrayFillNumber(values, zero, count);
    ZelArrayFillNumber(flags, zero, count);
    return ZelListLoadChildren(box, parent, normal, selected, names, values, flags);
}

void ShowWholeTree(HWND box) { ZelListShowOutline(box, kEveryLevel); }

bool IsExistingDirectory(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace zw::populate
