// The replacement host's test surface: operations that only tests and the demo
// use, exported by name from corrt51.dll (the library never imports them).
#pragma once

#include "frame/host_api.h"

#ifdef ZW_BUILDING_HOST
#define HOSTTEST extern "C"
#else
#define HOSTTEST extern "C" __declspec(dllimport)
#endif

// Host object type that HostGetObjectType answers for `window` (0 forgets it).
HOSTTEST void __stdcall HostTestSetObjectType(HWND window, DWORD type);

// Stores `length` bytes under the item `name` in the designer property data of
// `window` (length 0 with null bytes removes the item). The block that
// HostGetPropData returns is rebuilt each time.
HOSTTEST void __stdcall HostTestSetNamedItem(HWND window, LPCWSTR name, const void* bytes, DWORD length);
// Forgets every item of `window`.
HOSTTEST void __stdcall HostTestClearPropData(HWND window);

// Makes the next `count` string allocations (HostStrSetSize creating or growing
// a string) fail.
HOSTTEST void __stdcall HostTestFailStringAllocs(int count);
// A new host string holding `text`, and freeing one (what the application's
// runtime does when a string variable goes away).
HOSTTEST HOSTSTR __stdcall HostTestNewString(LPCWSTR text);
HOSTTEST void __stdcall HostTestFreeString(HOSTSTR string);
// Number of live host strings.
HOSTTEST int __stdcall HostTestLiveStrings(void);
// Number of HostStrRelease calls so far.
HOSTTEST int __stdcall HostTestReleaseCount(void);

// With `intercept` nonzero HostAbort only counts instead of ending the process.
HOSTTEST void __stdcall HostTestInterceptAbort(BOOL intercept);
HOSTTEST int __stdcall HostTestAbortCount(void);

// HostValidateFocus answers `answer` from now on (default 1) and records calls.
HOSTTEST void __stdcall HostTestSetFocusAnswer(BOOL answer);
HOSTTEST int __stdcall HostTestValidateFocusCount(HWND* lastWindow);
// HostSetFieldEdited calls so far, and the window of the last one.
HOSTTEST int __stdcall HostTestFieldEditedCount(HWND* lastWindow);
// HostInitDialog calls so far, and the dialog of the last one.
HOSTTEST int __stdcall HostTestInitDialogCount(HWND* lastDialog);
// HostSetRedraw calls so far, with the last window and flag.
HOSTTEST int __stdcall HostTestSetRedrawCount(HWND* lastWindow, BOOL* lastFlag);
// Colour that HostGetWindowColor answers for a window and role (CLR_INVALID
// forgets it; unknown pairs answer the system window or text colour).
HOSTTEST void __stdcall HostTestSetWindowColor(HWND window, int role, COLORREF colour);

// How HostTextToDate reads all-numeric dates whose first number is not a
// four-digit year: L"MDY" (the default), L"DMY" or L"YMD"; null restores the
// default. 0 for any other text, which changes nothing.
HOSTTEST BOOL __stdcall HostTestSetDateOrder(LPCWSTR order);

// The name HostGetWindowName answers for `window` (null forgets it).
HOSTTEST void __stdcall HostTestSetWindowName(HWND window, LPCWSTR name);
// Makes an array report `count` dimensions (HostArrayGetDimCount); arrays are
// made with one.
HOSTTEST void __stdcall HostTestSetArrayDimensions(HARRAY array, int count);
