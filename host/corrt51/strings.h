// Host strings inside the replacement host, for the host's other operations.
#pragma once

#include <string>
#include <string_view>

#include "frame/host_api.h"

namespace host {

// A new host string holding `text` and its terminator (0 when allocation fails).
HOSTSTR NewString(std::wstring_view text);

// A new host string holding exactly these bytes (0 when allocation fails).
HOSTSTR NewBytes(const void* bytes, size_t length);

// Marks a string made by a host operation for the library's own use: the
// library's HostStrRelease frees it. Returns `string`.
HOSTSTR ForLibrary(HOSTSTR string);

// Frees a string (0 and unknown handles are ignored).
void FreeString(HOSTSTR string);

// The text of a string up to its first NUL ("" for a bad handle).
std::wstring Text(HOSTSTR string);

}  // namespace host
