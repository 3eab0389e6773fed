// ZelFileSetDateTime: gives every file a pattern matches one creation,
// last-access and last-write time, at the two-second resolution of an MS-DOS
// date and time.
#include <windows.h>

#include <vector>

#include "frame/call_frame.h"
#include "frame/host_api.h"
#include "util/files/file_errors.h"
#include "util/files/file_matches.h"
#include "util/files/win_handles.h"

namespace zw::files {

namespace {

// The host date as a UTC file time, through the MS-DOS packing (years from
// 1980, seconds halved). False for a null date or one the packing cannot hold.
bool HostDateToFileTime(const HostDate& date, FILETIME& utc) {
    if (HostValueIsNull(date)) return false;
    const int year = HostDateYear(&date), month = HostDateMonth(&date), day = HostDateDay(&date);
    const int hour = HostDateHour(&date), minute = HostDateMinute(&date), second = HostDateSecond(&date);
    if (year < 1980 || year > 2107 || month < 1 || month > 12 || day < 1 || day > 31 || hour < 0 || hour > 23 ||
        minute < 0 || minute > 59 || second < 0 || second > 59)
        return false;
    const WORD dosDate = static_cast<WORD>(((year - 1980) << 9) | (month << 5) | day);
    const WORD dosTime = static_cast<WORD>((hour << 11) | (minute << 5) | (second / 2));
    FILETIME local{};
    return DosDateTimeToFileTime(dosDate, dosTime, &local) && LocalFileTimeToFileTime(&local, &utc);
}

int SetDateTime(const std::wstring& pattern, const HostDate& date) {
    FILETIME time{};
    if (!HostDateToFileTime(date, time)) return kInvalidParameter;
    std::vector<FileMatch> matches;
    if (const int failure = FindMatches(pattern, false, matches)) return failure;
    return HandleEach(matches, [&](const FileMatch& match) {
        FileHandle file(CreateFileW(match.path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.Valid()) return NegatedLastError();
        if (!SetFileTime(file.Get(), &time, &time, &time)) return NegatedLastError();
        if (!file.Close()) return NegatedLastError();
        return 0;
    });
}

}  // namespace

}  // namespace zw::files

extern "C" int __stdcall ZelFileSetDateTime(LPCWSTR pattern, HostDate dateTime) {
    if (!pattern) return zw::files::kInvalidParameter;
    return zw::Guarded(L"ZelFileSetDateTime()", zw::files::kOutOfMemory,
                       [&] { return zw::files::SetDateTime(pattern, dateTime); });
}
