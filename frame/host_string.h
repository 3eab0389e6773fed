// Host string results and host string reading.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "frame/host_api.h"

namespace zw {

// Makes a new host string holding `text`. When the host cannot allocate it the
// retry dialog is shown until it can, or the user halts the application
// (HostAbort): a null handle is never returned.
HOSTSTR NewHostString(std::wstring_view text);

// The same without retry: 0 when the host cannot allocate the string.
HOSTSTR TryNewHostString(std::wstring_view text);

// A new host string with room for `length` characters and a terminator (the
// host zero-fills it), with the same retry as NewHostString: for results
// written in place, whose length is then set with HostStrSetLength.
HOSTSTR NewHostStringOfLength(size_t length);

// The retry dialog, once, for a host string that could not be made: halting
// ends the application (HostAbort); any other answer returns.
void AskAfterStringFailure();

// The text of a host string, up to its first NUL ("" for a bad handle).
std::wstring ReadHostString(HOSTSTR string);

// Replaces the contents of *string (creating it when *string is 0) with `text`,
// with the retry dialog when the host cannot allocate it.
void AssignHostString(HOSTSTR* string, std::wstring_view text);

}  // namespace zw
