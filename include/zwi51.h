/* zwi51.dll: custom controls, the outline list box and utility functions for
 * host applications. Every export is __stdcall under its undecorated name.
 *
 * Host values: a host string (HOSTSTR) is a 32-bit handle owned by the host; a
 * function that returns one gives the caller a new string. Host numbers and
 * date/time values are opaque 25-byte values (ZW_HOSTVALUE); passed by value
 * they take 28 bytes of arguments. */
#ifndef ZWI51_H
#define ZWI51_H

#include <windows.h>
#include <stdio.h>

#ifdef __cplusplus
extern "C" {
#endif

#ifndef ZW_HOSTVALUE_DEFINED
#define ZW_HOSTVALUE_DEFINED
#pragma pack(push, 1)
typedef struct ZW_HOSTVALUE {
    unsigned char lengthAndFlags; /* low nibble: length, 0 = null */
    unsigned char digits[24];
} ZW_HOSTVALUE;
#pragma pack(pop)
#endif
typedef DWORD ZW_HSTR;   /* host string handle */
typedef DWORD ZW_HARRAY; /* host array handle */

#ifndef ZWAPI
#define ZWAPI
#endif

/* Library messages */
#define ZWM_ControlCreate 0x6008

/* ---- Accelerators and window flags ------------------------------------- */
ZWAPI HLOCAL __stdcall ZelWinLoadAccelerator(HWND hWnd, UINT message, int modifier, WORD virtualKey, LPARAM lParam);
ZWAPI BOOL __stdcall ZelWinFreeAccelerator(HLOCAL accelerator);
ZWAPI LRESULT __stdcall KeyboardHookProc(int code, WPARAM wParam, LPARAM lParam);
ZWAPI int __stdcall ZelGetWinFlags(void);

/* ---- Library information and error recovery ------------------------------ */
ZWAPI int __stdcall ZelErrorRecovery(LPCWSTR caption);
ZWAPI ZW_HSTR __stdcall ZelGetVersion(void);
ZWAPI ZW_HSTR __stdcall ZelGetCopyright(void);
ZWAPI ZW_HOSTVALUE __stdcall ZelGetWinVersion(void);
ZWAPI SHORT __stdcall ZelGetKeyState(int virtualKey);
ZWAPI int __stdcall ZelGetSystemMetrics(int index);

/* ---- Strings ---------------------------------------------------------------- */
/* Text arguments are NUL-terminated UTF-16; a null pointer reads as the empty
 * text. String results are new host strings that the caller owns (an empty one
 * on failure), except ZelStrSubstitute, which returns 0 when its result cannot
 * be made. A string table is a global memory handle passed as a number:
 * ZelStrLoadTable returns it (or -2 not found, -30 file over 65533 bytes,
 * -8 out of memory or unreadable, or the error of ZelFileGetSize). */
ZWAPI ZW_HSTR __stdcall ZelStrChoose(int condition, ZW_HSTR whenTrue, ZW_HSTR whenFalse);
ZWAPI ZW_HSTR __stdcall ZelStrLeftTrim(LPCWSTR text);
ZWAPI ZW_HSTR __stdcall ZelStrRightTrim(LPCWSTR text);
ZWAPI ZW_HSTR __stdcall ZelStrTrim(LPCWSTR text);
ZWAPI ZW_HSTR __stdcall ZelStrPad(LPCWSTR text, int length);
ZWAPI ZW_HSTR __stdcall ZelStrProper(LPCWSTR text);
/* 0-based position of the match met first going back from start (-1: the last
 * character), case-insensitive; -1 when none. */
ZWAPI int __stdcall ZelStrScanReverse(LPCWSTR text, int start, LPCWSTR find);
ZWAPI ZW_HSTR __stdcall ZelStrSubstitute(LPCWSTR text, LPCWSTR find, LPCWSTR replacement);
/* Template placeholders: %% %s %n %u, and groups {prefix%s suffix} or
 * {prefix%,s suffix} repeated for every element (also with n and u). */
ZWAPI ZW_HSTR __stdcall ZelStrExpand(LPCWSTR templateText, ZW_HARRAY elements);
ZWAPI int __stdcall ZelStrLoadTable(LPCWSTR fileName);
ZWAPI ZW_HSTR __stdcall ZelStrFind(int table, LPCWSTR key);
ZWAPI int __stdcall ZelStrFreeTable(int table);

/* ---- Files ------------------------------------------------------------------ */
/* Names are UTF-16 paths. Results: counts or 0 on success, negated Win32 error
 * codes on failure (-87 bad argument, -2 file not found, -3 path not found,
 * -15 invalid drive, -18 end of file, -39 disk full, -8 out of memory).
 * A host file handle (ZW_HFILE) is a C runtime stream made by the host. */
typedef FILE* ZW_HFILE;
/* Streams; flags are the OpenFile flags (OF_READ, OF_WRITE, OF_READWRITE,
 * OF_SHARE_*, OF_CREATE, OF_EXIST, OF_DELETE, OF_PARSE). */
ZWAPI int __stdcall ZelFileOpen(ZW_HFILE* file, LPCWSTR name, UINT flags);
ZWAPI int __stdcall ZelFileClose(ZW_HFILE file);
ZWAPI int __stdcall ZelFileRead(ZW_HFILE file, void* buffer, DWORD count);
ZWAPI int __stdcall ZelFileReadString(ZW_HFILE file, ZW_HSTR* line);
ZWAPI int __stdcall ZelFileWrite(ZW_HFILE file, const void* buffer, DWORD count);
ZWAPI int __stdcall ZelFileWriteString(ZW_HFILE file, LPCWSTR text);
ZWAPI int __stdcall ZelFileSeek(ZW_HFILE file, LONG offset, int origin);
ZWAPI int __stdcall ZelFileTell(ZW_HFILE file);
/* Wildcard operations: each returns the number of files it handled. */
ZWAPI int __stdcall ZelFileAppend(LPCWSTR pattern, LPCWSTR destination);
ZWAPI int __stdcall ZelFileCopy(LPCWSTR pattern, LPCWSTR destination);
ZWAPI int __stdcall ZelFileExpand(LPCWSTR pattern, LPCWSTR destination);
ZWAPI int __stdcall ZelFileRename(LPCWSTR pattern, LPCWSTR destination);
ZWAPI int __stdcall ZelFileDelete(LPCWSTR pattern);
ZWAPI int __stdcall ZelFileSetAttribute(LPCWSTR pattern, DWORD attributes, BOOL set);
ZWAPI int __stdcall ZelFileSetDateTime(LPCWSTR pattern, ZW_HOSTVALUE dateTime);
/* Single files. ZelFileGetType: 1 program, 2 document with an associated
 * program, 3 hidden or system file, 4 other. */
ZWAPI int __stdcall ZelFileGetAttribute(LPCWSTR name);
ZWAPI int __stdcall ZelFileGetSize(LPCWSTR name);
ZWAPI int __stdcall ZelFileGetType(LPCWSTR name);
ZWAPI ZW_HSTR __stdcall ZelFileFind(LPCWSTR name);
ZWAPI ZW_HSTR __stdcall ZelFileCreateTemp(LPCWSTR prefix);

/* ---- Splitter, spin field and meter ------------------------------------------ */
/* A splitter is addressed by the instance it announced with ZWM_ControlCreate.
 * A null instance shows message 48 and fails; no other failure is reported. */

/** Orientation of a splitter bar.
 * splitter: the splitter's instance.
 * Returns 1 (or any nonzero value of the stored flag) for a vertical bar with
 * left and right panes, 0 for a horizontal bar; -1 for a bad instance. */
ZWAPI int __stdcall ZelSplitGetOrientation(void* splitter);
/** Moves the bar to the drag position without resizing it: the pointer's
 * position while the user drags it, else where the bar already is.
 * splitter: the splitter's instance.
 * Returns the bar's left (vertical bar) or top (horizontal bar) in its
 * parent's client area; -1 for a bad instance. */
ZWAPI int __stdcall ZelSplitMoveToDragPos(void* splitter);
/** Tiles the bar to its parent and places both panes on either side of it;
 * a pane whose area is empty is hidden.
 * splitter: the splitter's instance.
 * Returns 1; 0 for a bad instance. */
ZWAPI int __stdcall ZelSplitResizeObjects(void* splitter);
/** Makes a window one of the splitter's panes, removes its border and lays
 * the panes out again; a window that filled the other slot leaves it.
 * splitter: the splitter's instance; which: 1 for the first pane (above or
 * left of the bar), any other value for the second; window: the pane.
 * Returns the slot's previous window (0 when it was empty); 0 for a bad
 * instance or when window is null or not a window. */
ZWAPI HWND __stdcall ZelSplitSetChild(void* splitter, int which, HWND window);
/** Makes the bar 6 pixels thick and as long as its parent's client area,
 * at its current position along its axis.
 * splitter: the splitter's instance.
 * Returns 1; 0 for a bad instance. */
ZWAPI int __stdcall ZelSplitTileToParent(void* splitter);

/* Spin field messages (send to the spin field window):
 * 0x401 lParam minimum, 0x402 lParam maximum (each empties the text);
 * 0x403 wParam decimal adjust (negative: decimal places), lParam increment
 * (0 ignores the message); 0x404 lParam value (ignored outside the limits);
 * 0x405 step up, 0x406 step down (each returns the new value); 0x407 returns
 * the text as a new host string; 0x41F and EM_SETREADONLY go to the edit. */

/** Sets a meter's percentage and redraws it at once.
 * meter: a meter window ("ZW:cMeter:10"); percent: 0 to 100.
 * Returns 0; -87 when meter is not a meter window or percent is above 100
 * (the meter is left unchanged). */
ZWAPI int __stdcall ZelWinSetMeter(HWND meter, UINT percent);

#ifdef __cplusplus
}
#endif

#endif /* ZWI51_H */
