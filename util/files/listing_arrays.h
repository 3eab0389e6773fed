// Host arrays that the directory, drive and path listings fill.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "frame/host_api.h"
#include "util/files/file_matches.h"

namespace zw::files {

// True when every handle is a live one-dimensional host array.
bool AreListingArrays(std::initializer_list<HARRAY> arrays);

// Stores the names as string elements 0, 1, ... (with the retry of every
// string result) and sets the bounds to exactly those elements.
void PutNames(HARRAY array, const std::vector<std::wstring>& names);
// The same with the bare names of found entries.
void PutMatchNames(HARRAY array, const std::vector<FileMatch>& matches);

// A found entry's last-write time as a host date/time: local time at the
// two-second resolution of an MS-DOS date and time.
HostDate LastWriteDate(const WIN32_FIND_DATAW& entry);

}  // namespace zw::files
