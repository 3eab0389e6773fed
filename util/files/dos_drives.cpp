// ZelDosGetDriveType, ZelDosGetDriveSize, ZelDosGetVolumeLabel,
// ZelDosSetVolumeLabel: what a drive is, how large, and its label.
#include <windows.h>

#include <string>

#include "frame/call_frame.h"
#include "frame/host_string.h"
#include "util/files/drive_names.h"
#include "util/files/drive_tests.h"
#include "util/files/file_errors.h"

namespace zw::files {
namespace {

// The byte counts go to the host as decimal text, the one way into a host
// number that keeps all 64 bits' digits.
void StoreBytes(ULONGLONG bytes, HostNumber* number) {
    wchar_t text[24];
    wchar_t* at = text + 23;
    *at = 0;
    do {
        *--at = wchar_t(L'0' + bytes % 10);
        bytes /= 10;
    } while (bytes);
    HostDecimalToNumber(at, number);
}

int DriveSize(LPCWSTR root, HostNumber* total, HostNumber* free) {
    if (!ExistingDriveNumber(root)) return kInvalidDrive;
    ULARGE_INTEGER available{}, totalBytes{}, freeBytes{};
    if (!GetDiskFreeSpaceExW(WithBackslash(root).c_str(), &available, &totalBytes, &freeBytes)) {
        return NegatedLastError();
    }
    StoreBytes(totalBytes.QuadPart, total);
    StoreBytes(freeBytes.QuadPart, free);
    return 0;
}

}  // namespace

std::wstring VolumeLabel(LPCWSTR root) {
    WCHAR label[MAX_PATH + 1] = {};
    if (!GetVolumeInformationW(root, label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0)) return {};
    return label;
}

}  // namespace zw::files

extern "C" int __stdcall ZelDosGetDriveType(LPCWSTR root) {
    if (!root) return DRIVE_UNKNOWN;
    return zw::Guarded(L"ZelDosGetDriveType()", int(DRIVE_UNKNOWN), [&] { return int(zw::files::DriveTypeOf(root)); });
}

// Both numbers are made null first, so that a failure leaves no stale value.
extern "C" int __stdcall ZelDosGetDriveSize(LPCWSTR root, HostNumber* total, HostNumber* free) {
    using namespace zw::files;
    if (!total || !free) return kInvalidParameter;
    total->lengthAndFlags = 0;
    free->lengthAndFlags = 0;
    if (!root) return kInvalidDrive;
    return zw::Guarded(L"ZelDosGetDriveSize()", kOutOfMemory, [&] { return DriveSize(root, total, free); });
}

extern "C" HOSTSTR __stdcall ZelDosGetVolumeLabel(LPCWSTR root) {
    std::wstring label;
    if (root) label = zw::Guarded(L"ZelDosGetVolumeLabel()", std::wstring(), [&] { return zw::files::VolumeLabel(root); });
    return zw::NewHostString(label);
}

extern "C" int __stdcall ZelDosSetVolumeLabel(LPCWSTR root, LPCWSTR label) {
    using namespace zw::files;
    if (!root) return kInvalidParameter;
    return SetVolumeLabelW(root, label) ? 0 : NegatedLastError();
}
