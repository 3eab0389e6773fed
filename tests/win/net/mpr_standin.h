// A stand-in for the system's network provider (mpr.dll), built beside the
// network test program and preferred to the system's by a DLL override, so
// that the library's network functions meet scripted answers.
//
// Connections are kept per local device name (compared without regard to
// case). WNetGetConnectionW answers the remote name, ERROR_MORE_DATA with the
// length it needs when the buffer is too small, ERROR_NOT_CONNECTED for an
// unknown device, or the error scripted for the device. WNetAddConnectionW
// refuses a device already connected (ERROR_ALREADY_ASSIGNED) and a remote
// name that does not begin with "\\" (ERROR_BAD_NET_NAME).
// WNetCancelConnectionW refuses an unknown device (ERROR_NOT_CONNECTED) and,
// without force, one marked as having open files (ERROR_OPEN_FILES).
//
// The test reaches the scripting functions with GetProcAddress on the loaded
// mpr.dll; each is __stdcall.
#pragma once

#include <windows.h>

// Forgets every connection, scripted answer and recorded buffer length.
typedef void(__stdcall* MprStandInResetProc)(void);
// Connects `local` to `remote`; `openFiles` marks it as having open files.
typedef void(__stdcall* MprStandInConnectProc)(LPCWSTR local, LPCWSTR remote, BOOL openFiles);
// WNetGetConnectionW answers `error` for `local` (NO_ERROR forgets it).
typedef void(__stdcall* MprStandInFailProc)(LPCWSTR local, DWORD error);
// The buffer lengths that WNetGetConnectionW was offered, in call order:
// copies at most `max` and returns how many there were.
typedef int(__stdcall* MprStandInOfferedLengthsProc)(DWORD* lengths, int max);
