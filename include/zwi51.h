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

/* ---- Colour palette ----------------------------------------------------------- */
/* A palette is addressed by the instance it announced with ZWM_ControlCreate
 * when its window ("cColorPalette") was created. Every function reports a
 * null instance in a message box and returns its failure value; any other
 * failure is written as one debug line and returns the failure value.
 * Colour areas: 0 palette colours, 1 recently used (MRU) colours. Focus areas:
 * 0 palette colours, 1 menu lines, 2 MRU colours. Colours are COLORREFs
 * (0x00BBGGRR). Menu functions act on the application's lines only, never on
 * the built-in "Other Color..." line that follows them.
 * Notifications: WM_COMMAND posted to the owner with code 1 (focus item set),
 * 2 (focus lost) or 8 (drop-down mode: close requested); message 0x2006 posted
 * to the palette's own window after a completed click (wParam area, lParam
 * index). */
#define ZW_PAL_STYLE_AUTOSIZE      1 /* the window takes the laid-out size */
#define ZW_PAL_STYLE_DROPDOWN      2 /* the palette is a drop-down's pop-up */
#define ZW_PAL_STYLE_OTHERCOLOR    4 /* the "Other Color..." line is shown */
#define ZW_PAL_STYLE_SHOWSELECTION 8 /* the selection frame shows without the focus */

/* Colour of a role (0..11).
 * palette: the instance; role: 0 grid background, 1 client background,
 * 2 menu background, 3-6 sunken-frame edges, 7 disabled text, 8 text,
 * 9 and 10 selection frame, 11 stored only.
 * Returns the role's colour; -1 for a role outside 0..11 or on failure. */
ZWAPI int __stdcall ZelPalColorGet(void* palette, int role);
/* Sets the colour of a role and repaints what it colours.
 * palette: the instance; role: 0..11; color: the new colour.
 * Returns the role's previous colour; -1 for a bad role or on failure. */
ZWAPI int __stdcall ZelPalColorSet(void* palette, int role, COLORREF color);
/* Replaces the palette colour at min(index, count), or appends it.
 * palette: the instance; index: 0-based, negative changes nothing; color: the colour.
 * Returns the colour replaced, or -1 when none was (append, negative index, failure). */
ZWAPI int __stdcall ZelPalColorMainSet(void* palette, int index, COLORREF color);
/* Replaces all palette colours with the numbers of a host array.
 * palette: the instance; colors: host number array read at indexes 0..upper bound.
 * Returns the number of elements read (upper bound + 1); -1 on failure (bad array). */
ZWAPI int __stdcall ZelPalColorMainSetAll(void* palette, ZW_HARRAY colors);
/* One palette or MRU colour.
 * palette: the instance; area: 0 palette, 1 MRU; index: 0-based.
 * Returns the colour; -1 when there is no such entry or area, or on failure. */
ZWAPI int __stdcall ZelPalColorPaletteGet(void* palette, int area, int index);
/* All colours of an area into a host number array (indexes 0..count-1).
 * palette: the instance; area: 0 palette, 1 MRU; colors: host number array.
 * Returns the number of colours written (0 leaves the array untouched); -1 for
 * a bad area or on failure. */
ZWAPI int __stdcall ZelPalColorPaletteGetAll(void* palette, int area, ZW_HARRAY colors);
/* The focus item.
 * palette: the instance; area, index: receive the focus area and index.
 * Returns 1; 0 on failure (null pointers included). */
ZWAPI BOOL __stdcall ZelPalFocusGet(void* palette, int* area, int* index);
/* Moves the focus item, repainting at once and notifying code 1.
 * palette: the instance; area: 0..2, or -1 for the current area; index: 0-based.
 * An entry that does not exist changes nothing. Returns 1; 0 on failure. */
ZWAPI BOOL __stdcall ZelPalFocusSet(void* palette, int area, int index);
/* Appends a menu line.
 * palette: the instance; text: the line (null reads as ""); id: its command number.
 * Returns the new line's index; -1 on failure. */
ZWAPI int __stdcall ZelPalMenuAdd(void* palette, LPCWSTR text, WORD id);
/* Removes every application menu line.
 * palette: the instance. Returns 1; 0 on failure. */
ZWAPI BOOL __stdcall ZelPalMenuClear(void* palette);
/* One menu line.
 * palette: the instance; index: 0-based; text: host string that receives the
 * text (0 makes a new one the caller owns); id: receives the line's id.
 * Returns 1; 0 when there is no such line or on failure. */
ZWAPI BOOL __stdcall ZelPalMenuGet(void* palette, int index, ZW_HSTR* text, WORD* id);
/* All menu lines into a host string array and a host number array.
 * palette: the instance; texts, ids: filled at indexes 0..count-1.
 * Returns the number of application lines (0 leaves the arrays untouched); -1 on failure. */
ZWAPI int __stdcall ZelPalMenuGetAll(void* palette, ZW_HARRAY texts, ZW_HARRAY ids);
/* Inserts a menu line at min(index, count).
 * palette: the instance; index: 0-based, negative changes nothing; text (null
 * reads as ""), id: the line. Returns 1; 0 on failure. */
ZWAPI BOOL __stdcall ZelPalMenuInsert(void* palette, int index, LPCWSTR text, WORD id);
/* Removes a menu line.
 * palette: the instance; index: 0-based.
 * Returns 1; 0 when the index is out of range or on failure. */
ZWAPI BOOL __stdcall ZelPalMenuRemove(void* palette, int index);
/* Replaces the menu line at min(index, count), or appends it.
 * palette: the instance; index: 0-based, negative changes nothing; text (null
 * reads as ""), id: the line. Returns 1; 0 on failure. */
ZWAPI BOOL __stdcall ZelPalMenuSet(void* palette, int index, LPCWSTR text, WORD id);
/* Replaces all menu lines with the elements of two host arrays.
 * palette: the instance; texts: host string array; ids: host number array
 * with the same upper bound. Returns the number of lines assigned; -1 when
 * the upper bounds differ or on failure (nothing changed). */
ZWAPI int __stdcall ZelPalMenuSetAll(void* palette, ZW_HARRAY texts, ZW_HARRAY ids);
/* Empties the MRU colours (a focus there moves to the first palette colour).
 * palette: the instance. Returns 1; 0 on failure. */
ZWAPI BOOL __stdcall ZelPalMRUClear(void* palette);
/* The largest number of MRU colours kept.
 * palette: the instance. Returns the maximum; -1 on failure. */
ZWAPI int __stdcall ZelPalMRUMaxGet(void* palette);
/* Sets the largest number of MRU colours kept, dropping the oldest beyond it.
 * palette: the instance; maximum: clamped to 0..255.
 * Returns the previous maximum; -1 on failure. */
ZWAPI int __stdcall ZelPalMRUMaxSet(void* palette, int maximum);
/* The style bits (ZW_PAL_STYLE_*).
 * palette: the instance. Returns the bits; 0 on failure. */
ZWAPI DWORD __stdcall ZelPalStyleGet(void* palette);
/* Sets or clears style bits. Clearing ZW_PAL_STYLE_OTHERCOLOR removes the
 * line and empties the MRU colours; setting it puts the line back last.
 * palette: the instance; mask: the ZW_PAL_STYLE_* bits to change; value: 1 sets
 * them, 0 clears them. Returns the bits before the change; 0 on failure. */
ZWAPI DWORD __stdcall ZelPalStyleSet(void* palette, DWORD mask, BOOL value);
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
