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
// Makes the `nth` host allocation from now (a string made or grown, an array
// made or grown) fail, and only that one; 0 cancels. The allocations still
// to come before it (0 once it has failed or when none is set).
HOSTTEST void __stdcall HostTestFailAllocation(int nth);
HOSTTEST int __stdcall HostTestAllocationsBeforeFailure(void);
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
// The edited mark of a field as HostSetFieldEdited last set it (0 when never set).
HOSTTEST BOOL __stdcall HostTestIsFieldEdited(HWND window);
// HostInitDialog calls so far, and the dialog of the last one.
HOSTTEST int __stdcall HostTestInitDialogCount(HWND* lastDialog);
// HostSetRedraw calls so far, with the last window and flag.
HOSTTEST int __stdcall HostTestSetRedrawCount(HWND* lastWindow, BOOL* lastFlag);
// Colour that HostGetWindowColor answers for a window and role (CLR_INVALID
// forgets it; unknown pairs answer the system window or text colour).
HOSTTEST void __stdcall HostTestSetWindowColor(HWND window, int role, COLORREF colour);

// Calls of the host-object operation `ordinal` (22 show, 23 hide, 356
// location, 358 size, 3023 clear field, 3024 clear object, 3025 enable,
// 3026 disable) for `window` so far.
HOSTTEST int __stdcall HostTestObjectCalls(HWND window, int ordinal);

// How HostTextToDate reads all-numeric dates whose first number is not a
// four-digit year: L"MDY" (the default), L"DMY" or L"YMD"; null restores the
// default. 0 for any other text, which changes nothing.
HOSTTEST BOOL __stdcall HostTestSetDateOrder(LPCWSTR order);

// Host list and combo boxes. Makes a real USER32 list box (type 0x2000) or
// combo box (type 0x4000) of window style `style`, subclassed by the host's
// own procedure; `callback`, when given, is called when the window receives
// WM_NCCREATE, before the box itself sees it, with the creation structure the
// box will read: the way a host application learns of a new control.
typedef void(__stdcall* HostTestCreateCallback)(HWND window, CREATESTRUCTW* create, void* context);
HOSTTEST HWND __stdcall HostTestCreateList(HWND parent, DWORD type, DWORD style, int x, int y, int width,
                                           int height, int id, HostTestCreateCallback callback, void* context);
// How many times `message` (a library message, 0x2000 to 0x2FFF or 0x6000 to
// 0x600F) reached the host's procedure of a host list, and its last wParam.
HOSTTEST int __stdcall HostTestListMessages(HWND window, UINT message, WPARAM* lastWParam);

// The text HostGetWindowProperty answers for a window's designer property
// (null forgets it).
HOSTTEST void __stdcall HostTestSetWindowProperty(HWND window, int property, LPCWSTR text);
// A resource of the host application (null bytes forget it), and the number of
// resource blocks handed out and not yet freed.
HOSTTEST void __stdcall HostTestSetAppResource(LPCWSTR name, const void* bytes, DWORD size);
HOSTTEST int __stdcall HostTestAppResourcesHeld(void);
// The name HostGetWindowName answers for `window` (null forgets it).
HOSTTEST void __stdcall HostTestSetWindowName(HWND window, LPCWSTR name);
// Makes an array report `count` dimensions (HostArrayGetDimCount); arrays are
// made with one.
HOSTTEST void __stdcall HostTestSetArrayDimensions(HARRAY array, int count);

// Host forms: a form (type 1) at x, y of `width` by `height` pixels in the
// client area of `frame`; with no frame, in a new hidden top-level frame
// (caption "Form") whose client area ends where the form does. Destroying the
// frame destroys its forms.
HOSTTEST HWND __stdcall HostTestCreateForm(HWND frame, int x, int y, int width, int height);
// A host object of `type` on a form: a data field (8, an edit control; 16, a
// multi-line one), a check box (64), an option button (128) or the further
// clearable kind (0x80000, a static text); `style` adds window styles
// (WS_CHILD is always set). Null for another type.
HOSTTEST HWND __stdcall HostTestCreateObject(HWND parent, DWORD type, DWORD style, int x, int y, int width,
                                             int height, int id);
// Whether the host's wait cursor is on (HostSetWaitCursor), and the number of
// switches so far.
HOSTTEST BOOL __stdcall HostTestWaitCursor(int* calls);

// Table windows (cortl51.dll). A table of the host at x, y in `parent`, and a
// column added at its right end with a title and a width in pixels (null on
// failure).
HOSTTEST HWND __stdcall HostTestCreateTable(HWND parent, int x, int y, int width, int height, int id);
HOSTTEST HWND __stdcall HostTestAddColumn(HWND table, LPCWSTR title, int width);
// Sets the text of a cell (column position from 1); rows up to `row` are made.
HOSTTEST BOOL __stdcall HostTestSetCell(HWND table, LONG row, int position, LPCWSTR text);
// Sets the row flags (HOST_ROW_*) of an existing row.
HOSTTEST BOOL __stdcall HostTestSetRowFlags(HWND table, LONG row, WORD flags);
// The text colour given to a cell, CLR_INVALID when none was.
HOSTTEST COLORREF __stdcall HostTestCellColor(HWND table, LONG row, int position);
// A column's width in pixels, -1 for a window that is not a column.
HOSTTEST int __stdcall HostTestColumnWidth(HWND column);
// The table's context row, -1 when none was set.
HOSTTEST LONG __stdcall HostTestContextRow(HWND table);

// Frame windows (class "Pellam:AccFrame"), hidden, with `menu` as the frame's
// own menu (GetOurMenuHandle), shown as the window's menu bar when `menuBar`
// is nonzero. `kind`: 1 a CRtkFrameWnd, 2 a CRtkMDIFrameWnd (with an MDI
// client window as its child), 0 a frame window whose object is neither
// (HostGetFrameObject answers null; its menu is always its menu bar). The
// frame destroys its menu with itself.
HOSTTEST HWND __stdcall HostTestCreateFrame(int kind, HMENU menu, BOOL menuBar);
// The frame methods called since the last take, one line each ("Name
// arguments\n"; GetOurMenuHandle is not written), copied into `buffer` (at
// most size - 1 characters and a terminator; null takes without copying);
// the log is emptied. The length of the whole log; -1 for a window that is not
// a frame with a frame object.
HOSTTEST int __stdcall HostTestTakeFrameLog(HWND frame, LPWSTR buffer, int size);
