// ZelPopulateDrives: the drives, each with a picture of its kind and, for
// fixed and RAM drives, its label, for remote drives its network name.
#include <windows.h>

#include <cwctype>
#include <string>

#include "frame/call_frame.h"
#include "include/zwi51.h"
#include "util/files/drive_names.h"
#include "util/strings/host_arrays.h"
#include "util/windows/populate/populate_box.h"

namespace zw::populate {
namespace {

// The picture of a drive type and the text beside its root.
struct DriveEntry {
    const wchar_t* picture;
    std::wstring detail;
};

DriveEntry EntryOf(int type, const std::wstring& root) {
    switch (type) {
    case DRIVE_REMOVABLE:
        return {L"drvflop2", {}};
    case DRIVE_FIXED:
        return {L"drvhard2", files::VolumeLabel(root.c_str())};
    case DRIVE_REMOTE:
        return {L"drvnet2", files::NetName(root.c_str())};
    case DRIVE_CDROM:
        return {L"drvcd3", {}};
    case DRIVE_RAMDISK:
        return {L"drvram2", files::VolumeLabel(root.c_str())};
    default:
        return {L"empty", {}};
    }
}

bool ShowsDetail(int type) { return type == DRIVE_FIXED || type == DRIVE_REMOTE || type == DRIVE_RAMDISK; }

int PopulateDrives(HWND box) {
    const bool combo = IsComboBox(box);
    if (!MakeOutlineBox(box, combo ? kComboStyle : kListStyle)) return 0;
    if (!LoadLibraryPictures(box, {L"drvflop2", L"drvhard2", L"drvcd3", L"drvram2", L"drvnet2", L"empty"})) return 0;
    if (combo) SizeSelectionField(box);
    HostListClear(box);
    TempArray roots(HOST_ARRAY_STRING);
    const int count = roots.Made() ? ZelDosEnumDrives(roots) : 0;
    WCHAR current[MAX_PATH] = {};
    HostGetCurrentDir(current, MAX_PATH);
    const wchar_t currentDrive = wchar_t(std::towupper(current[0]));
    int listed = 0;
    for (LONG index = 0; index < count; ++index) {
        const auto root = strings::ReadStringElement(roots, index);
        if (!root || root->empty()) break;
        const int type = ZelDosGetDriveType(root->c_str());
        const DriveEntry entry = EntryOf(type, *root);
        const std::wstring text = ShowsDetail(type) ? *root + L" " + entry.detail : *root;
        ZW_HPIC picture = reinterpret_cast<ZW_HPIC>(LibraryPicture(box, entry.picture));
        const int row = ZelListAddPictureValue(box, text.c_str(), picture, picture, type);
        if (row < 0) break;
        ++listed;
        if (wchar_t(std::towupper((*root)[0])) == currentDrive) SelectRow(box, row);
    }
    return listed;
}

}  // namespace
}  // namespace zw::populate

extern "C" int __stdcall ZelPopulateDrives(HWND box) {
    if (!IsWindow(box)) return 0;
    return zw::Guarded(L"ZelPopulateDrives()", 0, [&] { return zw::populate::PopulateDrives(box); });
}
