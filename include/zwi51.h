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
/* ---- Calendar ---------------------------------------------------------------- */
/* A calendar is addressed by the instance it announced with ZWM_ControlCreate
 * (void*). A null instance shows message 48 and fails; an instance that is no
 * live calendar fails. Each failure inside writes one debug line (the
 * function's name, "()", and a text naming what failed). Dates are host
 * date/time values: passed by value they take 28 bytes of arguments.
 *
 * Style bits (ZelCalGetStyle, ZelCalSetStyle), with their defaults: */
#define ZW_CAL_AUTOSIZE          0x0001 /* off: the window is sized to its content */
#define ZW_CAL_DROPDOWN          0x0002 /* off: serves as a drop-down popup */
#define ZW_CAL_ARROWSACTIVE      0x0004 /* on: the arrow buttons work */
#define ZW_CAL_KEYBOARD          0x0008 /* on: keys move the focus and mark */
#define ZW_CAL_3D                0x0010 /* off: button-face look */
#define ZW_CAL_MULTISELECT       0x0020 /* off: any set of dates may be marked */
#define ZW_CAL_OUTSIDESELECTABLE 0x0040 /* on: adjacent-month days may be marked */
#define ZW_CAL_SPECIALSELECTABLE 0x0080 /* on: days of special-date rules may be marked */
#define ZW_CAL_SHOWOUTSIDE       0x0100 /* on: adjacent-month days are shown */
#define ZW_CAL_SHOWFOCUS         0x0200 /* on: the focus day is framed */
#define ZW_CAL_INSETFOCUS        0x0400 /* off: the frame lies 1 pixel inside */
#define ZW_CAL_SHOWSPECIAL       0x0800 /* off: special-date rules colour their days */
#define ZW_CAL_VERTICALARROWS    0x1000 /* off: up and down arrows */
/* Notifications (WM_COMMAND to the owner, code in the high word of wParam):
 * 1 focus date set, 2 focus lost, 3 displayed month changed, 8 close up. */

/* Unmarks every date. 1; 0 on failure. */
ZWAPI int __stdcall ZelCalClearMarked(void* calendar);
/* Removes every special-date rule. 1; 0 on failure. */
ZWAPI int __stdcall ZelCalClearSpecials(void* calendar);
/* Colour of role 0..15 (0 client background, 1 days, 2 adjacent-month days,
 * 3 title and weekday row, 4 marked days, 5 button face, 6 light edges,
 * 7 dark edges, 8 arrows, 9 day numbers, 10 weekday names, 11 adjacent-month
 * numbers, 12 disabled text, 13 title text, 14 marked numbers, 15 lines).
 * CLR_INVALID (-1) on failure or for another role. Roles 0, 1 and 9 follow
 * the owner's list-box colours at each paint. */
ZWAPI COLORREF __stdcall ZelCalGetColor(void* calendar, int role);
/* Gives a role a colour and repaints what shows it. The previous colour;
 * CLR_INVALID (-1) on failure. */
ZWAPI COLORREF __stdcall ZelCalSetColor(void* calendar, int role, COLORREF colour);
/* Writes the focus date (midnight) to *date (25 bytes). 1; 0 on failure. */
ZWAPI int __stdcall ZelCalGetFocusDate(void* calendar, ZW_HOSTVALUE* date);
/* Makes a valid date (without its time) the focus date, displaying its month
 * when the grid does not show it. 1 when set; 0 for an invalid or null date
 * (nothing changes) or on failure. */
ZWAPI int __stdcall ZelCalSetFocusDate(void* calendar, ZW_HOSTVALUE date);
/* Puts the marked dates into a date/time array at 0, 1, ... and sets its
 * bounds to 0 .. count - 1 (empty when none). The count; -1 on failure. */
ZWAPI int __stdcall ZelCalGetMarked(void* calendar, ZW_HARRAY dates);
/* 1 when exactly this date and time is marked, else 0 (also on failure). */
ZWAPI int __stdcall ZelCalIsDateMarked(void* calendar, ZW_HOSTVALUE date);
/* mark 1 marks the date (time included), 0 unmarks it. 1 when the marks
 * changed; 0 when the date already was in that state, for another flag, or
 * on failure. */
ZWAPI int __stdcall ZelCalMarkDate(void* calendar, ZW_HOSTVALUE date, int mark);
/* ZelCalMarkDate for every element of a date/time array. The number of
 * changes; -1 on failure. */
ZWAPI int __stdcall ZelCalMarkDates(void* calendar, ZW_HARRAY dates, int mark);
/* add 1 adds (or replaces) and add 0 removes a special-date rule of a kind:
 * 1 that date, 2 that weekday every week, 3 that day of every month, 4 the
 * occurrence-th such weekday of every month, 5 that day every year, 6 the
 * occurrence-th such weekday of that month every year. Year, month and day
 * come from date; weekday 1 Sunday .. 7 Saturday; occurrence 1..5. 1 when
 * added, replaced or removed; 0 when there was nothing to remove, for another
 * flag, or on failure. */
ZWAPI int __stdcall ZelCalSpecialDate(void* calendar, int kind, ZW_HOSTVALUE date, int weekday, int occurrence,
                                      COLORREF textColour, COLORREF backgroundColour, int add);
/* 1 when a rule of any kind matches date's year, month and day with the
 * given weekday and occurrence (kind plays no part), else 0 (also on failure). */
ZWAPI int __stdcall ZelCalIsDateSpecial(void* calendar, int kind, ZW_HOSTVALUE date, int weekday, int occurrence);
/* Puts each rule's kind, date (from its year, month and day; null when the
 * kind has none), weekday and occurrence into four arrays (numbers, date/times,
 * numbers, numbers) at 0, 1, ...; all four get the bounds 0 .. count - 1.
 * The count; -1 on failure. */
ZWAPI int __stdcall ZelCalGetSpecials(void* calendar, ZW_HARRAY kinds, ZW_HARRAY dates, ZW_HARRAY weekdays,
                                      ZW_HARRAY occurrences);
/* The style word (ZW_CAL_*). 0 on failure. */
ZWAPI DWORD __stdcall ZelCalGetStyle(void* calendar);
/* Sets (on nonzero) or clears every style bit in bits. The style word before;
 * 0 on failure. Turning ZW_CAL_MULTISELECT off leaves only the focus date
 * marked. */
ZWAPI DWORD __stdcall ZelCalSetStyle(void* calendar, DWORD bits, int on);
/* Replaces the month names of every calendar with a string array of exactly
 * 12 elements, January first. 1; 0 on failure (no name changes). */
ZWAPI int __stdcall ZelCalSetMonths(void* calendar, ZW_HARRAY names);
/* Replaces the weekday names (abbreviated to two characters in the calendar)
 * with a string array of exactly 7 elements, Sunday first. 1; 0 on failure. */
ZWAPI int __stdcall ZelCalSetWeekDays(void* calendar, ZW_HARRAY names);
/* Sets the first day of the week, 1 Sunday .. 7 Saturday. The previous one;
 * -1 on failure (a weekday outside 1..7 is reported in a message box). */
ZWAPI int __stdcall ZelCalWeekStartSet(void* calendar, int weekday);
/* The first day of the week, 1..7; -1 on failure (no debug line). */
ZWAPI int __stdcall ZelCalWeekStartGet(void* calendar);
/* ---- Outline list box: item handles, window and drawing -------------------
 * Any host list box or combo box becomes an outline box with ZelListSetStyle.
 * An item handle (ZW_HITEM) is a tree node of an outline box; the hidden root
 * is at level -1, top-level items at level 0. Handles are checked against the
 * live items: a stale or garbage handle gets the failure value. */
typedef struct ZW_ITEM_* ZW_HITEM;
typedef struct ZW_PIC_* ZW_HPIC; /* picture handle (see "Pictures and fonts") */

/* Private messages of outline boxes. ZW_LBN_SELCHANGE (posted to the box): the
 * selection may have changed. ZW_LBN_BUTTON (posted to the box): the plus or
 * minus button of row wParam was pressed. */
#define ZW_LBN_SELCHANGE 0x6003
#define ZW_LBN_BUTTON 0x6009

/* The hidden root of an outline box, made on first demand.
 * Returns 0 when the box is not in outline mode or memory runs out. */
ZWAPI ZW_HITEM __stdcall ZelListGetRoot(HWND list);
/* The item shown in `row` (the root for row -1). Returns 0 for a plain row, a
 * bad row or a box not in outline mode. */
ZWAPI ZW_HITEM __stdcall ZelListGetItemHandle(HWND list, int row);
/* The row in which an item is shown (a combo box: its selected row).
 * Returns -1 for an item without a row or a null or stale handle. */
ZWAPI int __stdcall ZelListGetItemIndex(ZW_HITEM item);
/* An item's level: -1 for the root and for a null or stale handle. */
ZWAPI int __stdcall ZelListGetLevel(ZW_HITEM item);
/* An item's parent, next and previous sibling; 0 when there is none or the
 * handle is null or stale. */
ZWAPI ZW_HITEM __stdcall ZelListGetParent(ZW_HITEM item);
ZWAPI ZW_HITEM __stdcall ZelListGetNextSibling(ZW_HITEM item);
ZWAPI ZW_HITEM __stdcall ZelListGetPrevSibling(ZW_HITEM item);

/* Outline style bits */
#define ZW_LS_OUTLINE            0x00000001
#define ZW_LS_UPPERCASE          0x00000002
#define ZW_LS_LOWERCASE          0x00000004
#define ZW_LS_SELKEEPSCOLOR      0x00000008
#define ZW_LS_PAINTPICCOLUMN     0x00000010
#define ZW_LS_PICTUREABOVE       0x00000020
#define ZW_LS_NOTREELINES        0x00000040
#define ZW_LS_COMBONOEDITCOPY    0x00000100
#define ZW_LS_SELFOLLOWSFOCUS    0x00000200
#define ZW_LS_KEEPSELFRAME       0x00000400
#define ZW_LS_MULTIPLESEL        0x00000800
#define ZW_LS_HSCROLL            0x00001000
#define ZW_LS_SELONBACKGROUND    0x00002000
#define ZW_LS_OPAQUEFROMINDENT   0x00004000
#define ZW_LS_SELBACKISCOLOR     0x00008000
#define ZW_LS_WIDEEXTENT         0x00010000
#define ZW_LS_BUTTONS            0x00020000
#define ZW_LS_PROPERCASE         0x00040000
#define ZW_LS_EXTENDEDSEL        0x01000000
#define ZW_LS_DISABLENOSCROLL    0x02000000
#define ZW_LS_NOINTEGRALHEIGHT   0x04000000
#define ZW_LS_COMBOEXTENDEDUI    0x08000000

/* Turns a host list or combo box into an outline box (any bit of 0x08FFFFFF)
 * and sets its window styles. `create` is the box's creation structure when
 * called while the box is being created (owner-drawn styles only take effect
 * then), else null. Returns 1; 0 when the window is not a list or combo box,
 * has no parent, or memory runs out. */
ZWAPI int __stdcall ZelListSetStyle(HWND list, DWORD style, CREATESTRUCTW* create);
/* The box's outline style bits; 0 when it is not an outline box. */
ZWAPI DWORD __stdcall ZelListGetStyle(HWND list);
/* Sets the indent per level, in halves of the average character width.
 * Returns 1; 0 when the box is not an outline box. */
ZWAPI int __stdcall ZelListSetIndent(HWND list, int indent);
/* Turns the process-wide outline redraw switch on (and repaints the box) or
 * off. Returns 1; 0 when the box is not an outline box. */
ZWAPI int __stdcall ZelListSetOutlineRedraw(HWND list, BOOL redraw);
/* Rebuilds the rows from the tree, showing the items up to `level`
 * (0x7FFE: every item not marked hidden). Returns 1; 0 when nothing was shown. */
ZWAPI int __stdcall ZelListShowOutline(HWND list, int level);
/* The text rectangle of a row in client pixels. Returns 1; 0 for a combo box,
 * a bad row or a row without a record. */
ZWAPI int __stdcall ZelListGetTextRectangle(HWND list, int row, int* top, int* left, int* bottom, int* right);
/* The row under a client point; -1 outside the rows or for a combo box. */
ZWAPI int __stdcall ZelListGetIndexFromPoint(HWND list, int x, int y);
/* The first and last visible rows; returns their number, -87 when the window
 * is not a list box. */
ZWAPI int __stdcall ZelListGetVisibleRange(HWND list, int* first, int* last);

/* ---- Outline list box: tree operations --------------------------------------
 * Items are added without rows; rows appear when their parent is expanded or
 * the outline is shown (ZelListShowOutline). Values -2 to -6 of
 * ZelListLoadChild name the standard shell folders (My Computer, Network
 * Neighborhood, My Documents, Recycle Bin, The Internet), whose display names
 * become the item's text. */

/* A new item as the last child of `parent`. Returns the item, 0 on failure
 * (not an outline box, a stale parent or one of another box). */
ZWAPI ZW_HITEM __stdcall ZelListLoadChild(HWND list, ZW_HITEM parent, ZW_HPIC normal, ZW_HPIC selected,
                                          LPCWSTR text, LONG_PTR value, DWORD flags);
/* A new item right after `sibling` (which needs a parent), marked hidden.
 * Returns the item, 0 on failure. */
ZWAPI ZW_HITEM __stdcall ZelListLoadSibling(HWND list, ZW_HITEM sibling, ZW_HPIC normal, ZW_HPIC selected,
                                            LPCWSTR text, LONG_PTR value, DWORD flags);
/* Children from a host string array of texts and host number arrays of values
 * and flags. Returns the number added; -87 when the arrays differ in size or
 * the box or parent is bad; -8 when an item cannot be made. */
ZWAPI int __stdcall ZelListLoadChildren(HWND list, ZW_HITEM parent, ZW_HPIC normal, ZW_HPIC selected,
                                        ZW_HARRAY texts, ZW_HARRAY values, ZW_HARRAY flags);
/* Shows the children of the item in `row` (-1: the top level) as rows.
 * Returns the number of rows inserted, 0 on failure. */
ZWAPI int __stdcall ZelListExpand(HWND list, int row);
/* Shows every hidden item of the branch of `row`. Returns 1, 0 on failure. */
ZWAPI int __stdcall ZelListExpandDescendents(HWND list, int row);
/* Hides the rows below the item in `row`, keeping the items. Returns 1, 0 on failure. */
ZWAPI int __stdcall ZelListCollapse(HWND list, int row);
/* Deletes the item in `row` with its branch. Returns the host's delete
 * result, -1 on failure. */
ZWAPI int __stdcall ZelListDeleteChild(HWND list, int row);
/* Deletes the branch below the item in `row`. Returns the last host delete
 * result (0 when nothing was shown), -1 on failure. */
ZWAPI int __stdcall ZelListDeleteDescendents(HWND list, int row);
/* Frees an item with its branch without touching rows (a row still showing
 * one of them becomes a plain row). Returns 1, 0 for a bad handle or the root. */
ZWAPI int __stdcall ZelListFreeChild(ZW_HITEM item);
/* Frees an item's branch. Returns 1, 0 for a bad handle. */
ZWAPI int __stdcall ZelListFreeDescendents(ZW_HITEM item);
/* Makes the item in `row` the last child of its previous sibling, which gets
 * the pictures. Returns 1, 0 on failure (row 0, no previous sibling, or one
 * with hidden children). */
ZWAPI int __stdcall ZelListDemote(HWND list, int row, ZW_HPIC normal, ZW_HPIC selected);
/* Makes the item in `row` the next sibling of its parent; a parent left
 * without children gets the pictures. Returns 1, 0 on failure. */
ZWAPI int __stdcall ZelListPromote(HWND list, int row, ZW_HPIC normal, ZW_HPIC selected);
/* Swaps the item in `row` with its previous or next sibling, rows and all.
 * Returns nonzero on success, 0 on failure. */
ZWAPI int __stdcall ZelListMoveUp(HWND list, int row);
ZWAPI int __stdcall ZelListMoveDown(HWND list, int row);
/* Moves the item in `sourceRow` with its branch to `target` (a box of the same
 * parent): mode 0x01 as the last child of the target row's item, 0x02 as its
 * next sibling. Returns 1, 0 on failure. */
ZWAPI int __stdcall ZelListDragDrop(HWND source, int sourceRow, HWND target, int targetRow, int mode);
/* Fills a host number array with the handles of an item's children or
 * descendants (pre-order), bounds 0 to count - 1. Returns the count, 0 for a
 * bad handle. */
ZWAPI int __stdcall ZelListEnumChildren(ZW_HITEM item, ZW_HARRAY numbers);
ZWAPI int __stdcall ZelListEnumDescendents(ZW_HITEM item, ZW_HARRAY numbers);
/* The first item in pre-order from `item` (itself included) with the value;
 * 0 when none. */
ZWAPI ZW_HITEM __stdcall ZelListFindItemValue(ZW_HITEM item, LONG_PTR value);

/* ---- Outline list box: rows with colours, fonts and pictures ----------------
 * A colour's low 24 bits are the text colour; in the adding functions its top
 * 8 bits are set as row flags (0x01000000 disabled). Each returns the new row;
 * -87 for a bad window, -1 when the box is not an outline box or refuses the
 * row, -8 when memory runs out. */
ZWAPI int __stdcall ZelListAddColor(HWND list, LPCWSTR text, DWORD colour);
ZWAPI int __stdcall ZelListAddColorValue(HWND list, LPCWSTR text, DWORD colour, LONG_PTR value);
ZWAPI int __stdcall ZelListInsertColor(HWND list, int row, LPCWSTR text, DWORD colour);
ZWAPI int __stdcall ZelListInsertColorValue(HWND list, int row, LPCWSTR text, DWORD colour, LONG_PTR value);
ZWAPI int __stdcall ZelListAddFont(HWND list, LPCWSTR text, HFONT font);
ZWAPI int __stdcall ZelListAddFontValue(HWND list, LPCWSTR text, HFONT font, LONG_PTR value);
ZWAPI int __stdcall ZelListInsertFont(HWND list, int row, LPCWSTR text, HFONT font);
ZWAPI int __stdcall ZelListInsertFontValue(HWND list, int row, LPCWSTR text, HFONT font, LONG_PTR value);
ZWAPI int __stdcall ZelListAddPicture(HWND list, LPCWSTR text, ZW_HPIC normal, ZW_HPIC selected);
ZWAPI int __stdcall ZelListAddPictureValue(HWND list, LPCWSTR text, ZW_HPIC normal, ZW_HPIC selected, LONG_PTR value);
ZWAPI int __stdcall ZelListInsertPicture(HWND list, int row, LPCWSTR text, ZW_HPIC normal, ZW_HPIC selected);
ZWAPI int __stdcall ZelListInsertPictureValue(HWND list, int row, LPCWSTR text, ZW_HPIC normal, ZW_HPIC selected,
                                              LONG_PTR value);

/* ---- Outline list box: row attributes (a row without a record fails) --------- */
/* The row's colour (low 24 bits); -1 on failure. */
ZWAPI LONG __stdcall ZelListGetColor(HWND list, int row);
/* Sets the colour and repaints. Returns 1, 0 on failure. */
ZWAPI int __stdcall ZelListSetColor(HWND list, int row, DWORD colour);
/* Deselects the row and sets its colour and disabled state (disabled rows
 * never count as selected). Returns the row, -1 on failure. */
ZWAPI int __stdcall ZelListDisableItem(HWND list, int row, DWORD colour);
ZWAPI int __stdcall ZelListEnableItem(HWND list, int row, DWORD colour);
/* The row's font, 0 for none or on failure. */
ZWAPI HFONT __stdcall ZelListGetFont(HWND list, int row);
/* Sets the row's font and measures the row again. Returns 1, 0 on failure. */
ZWAPI int __stdcall ZelListSetFont(HWND list, int row, HFONT font);
/* The row's pictures. Returns 1, 0 on failure. */
ZWAPI int __stdcall ZelListGetPicture(HWND list, int row, ZW_HPIC* normal, ZW_HPIC* selected);
/* Sets the row's pictures and measures the row again. Returns 1, 0 on failure. */
ZWAPI int __stdcall ZelListSetPicture(HWND list, int row, ZW_HPIC normal, ZW_HPIC selected);
/* The row's flags; -1 on failure. */
ZWAPI LONG __stdcall ZelListGetFlags(HWND list, int row);
/* Sets (`set` nonzero) or clears row flags: 0x02000000 takes the row out,
 * 0x20000000 deletes it, 0x04000000 selects or deselects it, 0x80000000
 * expands it. Returns 1, 0 on failure. */
ZWAPI int __stdcall ZelListSetFlags(HWND list, int row, DWORD flags, BOOL set);

/* ---- Outline list box: item attributes ------------------------------------------
 * A null or stale handle gives 0 (an empty host string for the text). */
ZWAPI ZW_HSTR __stdcall ZelListGetItemText(ZW_HITEM item);
/* Sets the text (with the box's case conversion) and repaints. Returns 1. */
ZWAPI int __stdcall ZelListSetItemText(ZW_HITEM item, LPCWSTR text);
ZWAPI LONG_PTR __stdcall ZelListGetItemValue(ZW_HITEM item);
ZWAPI int __stdcall ZelListSetItemValue(ZW_HITEM item, LONG_PTR value);
/* The colour as stored (all 32 bits). */
ZWAPI DWORD __stdcall ZelListGetItemColor(ZW_HITEM item);
ZWAPI int __stdcall ZelListSetItemColor(ZW_HITEM item, DWORD colour);
ZWAPI HFONT __stdcall ZelListGetItemFont(ZW_HITEM item);
ZWAPI int __stdcall ZelListSetItemFont(ZW_HITEM item, HFONT font);
ZWAPI int __stdcall ZelListGetItemPicture(ZW_HITEM item, ZW_HPIC* normal, ZW_HPIC* selected);
ZWAPI int __stdcall ZelListSetItemPicture(ZW_HITEM item, ZW_HPIC normal, ZW_HPIC selected);
ZWAPI LONG __stdcall ZelListGetItemFlags(ZW_HITEM item);
/* Sets or clears item flags: 0x20000000 deletes the item, 0x02000000 hides
 * it, 0x04000000 selects it, 0x80000000 expands or collapses it; an item
 * hidden under an expanded parent is shown again. Returns 1. */
ZWAPI int __stdcall ZelListSetItemFlags(ZW_HITEM item, DWORD flags, BOOL set);
/* Text (a new host string in *text), value and flags. Returns 1, 0 on failure. */
ZWAPI int __stdcall ZelListGetItemData(ZW_HITEM item, ZW_HSTR* text, LONG_PTR* value, DWORD* flags);
/* Sets the value, the flags (as ZelListSetItemFlags with set) and the text of
 * an item of `list`. Returns nonzero on success, 0 on failure. */
ZWAPI int __stdcall ZelListSetItemData(HWND list, ZW_HITEM item, LPCWSTR text, LONG_PTR value, DWORD flags);

/* ---- General list functions: any host list or combo box ---------------------
 * -87 when the window is not a window. */
/* Adds or inserts a text and sets its row's value. Returns the row, -1 when
 * the value cannot be set. */
ZWAPI int __stdcall ZelListAddValue(HWND list, LPCWSTR text, LONG_PTR value);
ZWAPI int __stdcall ZelListInsertValue(HWND list, int row, LPCWSTR text, LONG_PTR value);
/* A row's value (item data) and setting it. */
ZWAPI LONG_PTR __stdcall ZelListGetValue(HWND list, int row);
ZWAPI int __stdcall ZelListSetValue(HWND list, int row, LONG_PTR value);
/* A row's text as a new host string (empty on any failure). */
ZWAPI ZW_HSTR __stdcall ZelListGetText(HWND list, int row);
/* Replaces a row's text, keeping its value and selection. Returns 0, -1 on failure. */
ZWAPI int __stdcall ZelListSetText(HWND list, int row, LPCWSTR text);
/* Clears the box and adds every string of a host string array (with values
 * from a host number array). Returns the number added, the negative result of
 * a failed add, -87 when the arrays differ in size, -1 when a value cannot be set. */
ZWAPI int __stdcall ZelListArrayPopulate(HWND list, ZW_HARRAY strings);
ZWAPI int __stdcall ZelListArrayPopulateValue(HWND list, ZW_HARRAY strings, ZW_HARRAY numbers);
/* The first row after `start` whose text equals the text (without regard to
 * case in an outline box), wrapping; -1 when none. */
ZWAPI int __stdcall ZelListFindString(HWND list, int start, LPCWSTR text);
/* The first row after `start` whose value equals, wrapping to row 0; -1 when
 * none or for a bad window. */
ZWAPI int __stdcall ZelListFindValue(HWND list, int start, LONG_PTR value);
/* Clears the selection. Returns 1. */
ZWAPI int __stdcall ZelListClearSelection(HWND list);
/* Deletes the selected rows. Returns the number deleted, -1 when a deletion
 * fails, -8 when memory runs out. */
ZWAPI int __stdcall ZelListDeleteSelected(HWND list);
/* Nonzero for a list box with multiple or extended selection. */
ZWAPI int __stdcall ZelListIsMultiSelect(HWND list);
/* The caret row of a list box, the selected row of a combo box, and setting it. */
ZWAPI int __stdcall ZelListGetFocusIndex(HWND list);
ZWAPI int __stdcall ZelListSetFocusIndex(HWND list, int row);
/* Scrolls a list box so that `row` is at the top. Returns 1, 0 otherwise. */
ZWAPI int __stdcall ZelListScroll(HWND list, int row);
/* A combo box's drop-down state, and dropping it down or closing it. */
ZWAPI int __stdcall ZelListGetDropdownState(HWND list);
ZWAPI int __stdcall ZelListSetDropdownState(HWND list, BOOL dropped);
/* Widens the horizontal extent to the text of `row` (negative: every row) and
 * scrolls to the left edge. Returns 0; -8 when memory or a device context
 * cannot be had, -1 when a row cannot be read. */
ZWAPI int __stdcall ZelListSetScrollWidth(HWND list, int row);

/* ---- Outline list box: saved outlines and outline text files -----------------
 * A saved outline is a byte block (signature 0x8759) in a host string whose
 * size is the block length plus one. */
/* Saves the whole outline into *saved. Returns 0; -87 when the box is not an
 * outline box; -8 when memory or a device context cannot be had. */
ZWAPI int __stdcall ZelListSaveOutline(HWND list, ZW_HSTR* saved);
/* Replaces the outline with a saved one and shows it. Returns the root; 0 on
 * failure (a block with a wrong signature changes nothing; a damaged one
 * leaves an empty outline). */
ZWAPI ZW_HITEM __stdcall ZelListLoadOutline(HWND list, ZW_HSTR saved);
/* Builds the outline from an indented ANSI text file of at most 65533 bytes
 * (a tab counts 8 columns, a space 1). Missing pictures come from the
 * library's "plusdk", "pluswht", "minusdk" and "minuswht" bitmaps. Rows are
 * not added: show them with ZelListShowOutline. Returns the root, 0 on failure. */
ZWAPI ZW_HITEM __stdcall ZelListLoadOutlineFile(HWND list, LPCWSTR file, ZW_HPIC parentNormal,
                                                ZW_HPIC parentSelected, ZW_HPIC itemNormal, ZW_HPIC itemSelected);

/* ---- Pictures and fonts -------------------------------------------------------
 * A picture handle (ZW_HPIC) is a bitmap with a transparency mask (pixels of
 * the top-left pixel's colour are transparent) or an icon. Fonts are GDI font
 * handles. Enhancement bits: 0x02 italic, 0x04 underline, 0x08 bold,
 * 0x10 strikeout. */
#define PIC_FormatBitmap 0x0001
#define PIC_FormatIcon   0x0002
#define PIC_FromMemory   0x0100 /* source points at a .BMP or .ICO file image */
#define PIC_FromModule   0x0200 /* source is a program or library; name a resource */
#define PIC_FromFile     0x0400
#define PIC_FromHost     0x0800 /* name (else source) is a host application resource */
#define PIC_LargeIcon    0x1000 /* scaled to the large icon size */
#define PIC_SmallIcon    0x2000 /* scaled to 16 by 16 */
#define PIC_OwnedByList  0x8000 /* freed with the picture cache of its list box */

/* Loads a picture. A source whose text from its first "." is ".BMP", ".ICO",
 * ".EXE" or ".DLL" adds the matching source and format bits. For an icon from
 * a module, a name "#n" (or empty) takes the module's icon number n.
 * Returns the picture, 0 on failure. */
ZWAPI ZW_HPIC __stdcall ZelPicLoad(UINT flags, LPCWSTR source, LPCWSTR name);
/* Destroys a picture. Returns 0; -87 for a null or stale handle. */
ZWAPI int __stdcall ZelPicFree(ZW_HPIC picture);
/* Makes a font of `points` points with the enhancement bits. Returns the
 * font, 0 on failure (a face name of 32 characters or more). */
ZWAPI HFONT __stdcall ZelFontLoad(LPCWSTR face, int points, UINT bits);
/* Reads a font back: face name (a new host string in *face), point size and
 * enhancement bits. Returns 1; 0 when the handle is not a font. */
ZWAPI int __stdcall ZelFontGet(HFONT font, ZW_HSTR* face, int* points, WORD* bits);
/* Deletes a font (and forgets it in every list box's font cache). Returns 1. */
ZWAPI int __stdcall ZelFontFree(HFONT font);
/* Lists font families: `which` 0x1 screen, 0x2 default printer (first). Face
 * names go to a host string array, types to a host number array (4 TrueType,
 * 1 device, 2 raster, 0 other); both get bounds 0 to count - 1.
 * Returns the number of fonts; -87 for bad arrays. */
ZWAPI int __stdcall ZelFontEnum(UINT which, ZW_HARRAY names, ZW_HARRAY types);
/* ---- Arrays and numbers ---------------------------------------------------- */
/* Host arrays are one-dimensional: an array of more dimensions (or a handle
 * the host does not know) is refused. Element type codes: 1 Bool, 2 date/time,
 * 3 number, 5 and 7 string, 256 handle. Indexes are the array's own (from its
 * lower bound). Strings that are moved are fetched, stored and released. */

/* Adds the source's elements after the target's (an empty target is filled
 * from index 0). Returns the target's new element count; 0 when the source is
 * empty (nothing changes); -1 when either array is refused. A type code not
 * listed moves nothing but still extends the target's bounds. */
ZWAPI int __stdcall ZelArrayAppend(ZW_HARRAY source, ZW_HARRAY target, int type);
/* Makes the target an element-for-element copy of the source, bounds
 * included. Returns the number of elements copied; -1 when either array is
 * refused. */
ZWAPI int __stdcall ZelArrayCopy(ZW_HARRAY source, ZW_HARRAY target, int type);
/* Removes element `index`, moving the later ones down. Returns the new
 * element count; -1 for a refused or empty array; -87 for an index outside the
 * bounds, or a type code not listed when elements have to move. */
ZWAPI int __stdcall ZelArrayDeleteItem(ZW_HARRAY array, LONG index, int type);
/* Inserts an empty element (0, a null number or date/time, a null string) at
 * `index`, moving the elements from there up. Returns the new element count;
 * -1 for a refused array; -87 for an index outside the bounds (an empty array
 * has none) or a type code not listed. */
ZWAPI int __stdcall ZelArrayInsertItem(ZW_HARRAY array, LONG index, int type);
/* Make the array `count` copies of the value at indexes 0 to count - 1
 * (count <= 0 empties it). Return 1; 0 for a refused array or when the host
 * does not take the elements. A null text fills empty strings. */
ZWAPI int __stdcall ZelArrayFillString(ZW_HARRAY array, LPCWSTR text, int count);
ZWAPI int __stdcall ZelArrayFillNumber(ZW_HARRAY array, ZW_HOSTVALUE number, int count);
ZWAPI int __stdcall ZelArrayFillDateTime(ZW_HARRAY array, ZW_HOSTVALUE dateTime, int count);
/* Index of the first element equal to the value, searching from the lower
 * bound; -1 when none is, the array is empty or it is refused. Strings compare
 * whole and without regard to case (a null text is ""); numbers by their
 * length byte and significant bytes; date/times by year, month, day, hour,
 * minute and second (fractions of a second do not count). */
ZWAPI int __stdcall ZelArrayFindString(ZW_HARRAY array, LPCWSTR text);
ZWAPI int __stdcall ZelArrayFindNumber(ZW_HARRAY array, ZW_HOSTVALUE number);
ZWAPI int __stdcall ZelArrayFindDateTime(ZW_HARRAY array, ZW_HOSTVALUE dateTime);
/* Sorts numbers or date/times (types 3, 2: by value) or strings (5, 7: by
 * the system's comparison without regard to case, kana type or width),
 * ascending (order 0) or descending (1). Equal elements keep their order.
 * Returns the element count; -1 for a refused or empty array. Other type
 * codes or orders, and an array whose elements cannot be read as the type
 * code says, leave the array unchanged. */
ZWAPI int __stdcall ZelArraySort(ZW_HARRAY array, int order, int type);
/* `whenTrue` if condition is nonzero, else `whenFalse` (returned by value). */
ZWAPI ZW_HOSTVALUE __stdcall ZelNumberChoose(int condition, ZW_HOSTVALUE whenTrue, ZW_HOSTVALUE whenFalse);
/* Set / clear the mask's bits in *value; return the new value (0 when value
 * is null). */
ZWAPI DWORD __stdcall ZelNumberBitSet(DWORD* value, DWORD mask);
ZWAPI DWORD __stdcall ZelNumberBitClear(DWORD* value, DWORD mask);
/* The value shifted right by 8 bits (not masked: 0x12345678 gives 0x123456). */
ZWAPI DWORD __stdcall ZelNumberHighByte(DWORD value);
/* The low 8 bits of the value. */
ZWAPI BYTE __stdcall ZelNumberLowByte(DWORD value);
/* high * 65536 + low. */
ZWAPI DWORD __stdcall ZelNumberMakeLong(WORD low, WORD high);

/* ---- Directories, drives and network ------------------------------------------ */
/* Listings write their elements at indexes 0, 1, ... and set each array they
 * fill to exactly those elements (bounds 0 to count - 1); they return the
 * count. Arrays must be live one-dimensional host arrays (else -87). Dates
 * are last-write times in local time at two-second resolution. */

/* Subdirectories that the pattern matches ("." and ".." never listed): bare
 * names; the info variant also their date/times and attribute bits (numbers).
 * Return the count, the negated error of the search when nothing matches, or
 * -87 for a null pattern. */
ZWAPI int __stdcall ZelDosEnumDirs(LPCWSTR pattern, ZW_HARRAY names);
ZWAPI int __stdcall ZelDosEnumDirInfo(LPCWSTR pattern, ZW_HARRAY names, ZW_HARRAY dates, ZW_HARRAY attributes);
/* Files (never directories) that the pattern matches. ZelDosEnumFiles: filter
 * 0 lists files that are neither hidden nor system, otherwise files having
 * every filter bit. ZelDosEnumFileInfo: filter 0 lists every file, otherwise
 * files having any filter bit; also sizes (low 32 bits), date/times and
 * attribute bits. Return the count, the negated error of the search when
 * nothing matches, or -87 for a null pattern. */
ZWAPI int __stdcall ZelDosEnumFiles(LPCWSTR pattern, WORD filter, ZW_HARRAY names);
ZWAPI int __stdcall ZelDosEnumFileInfo(LPCWSTR pattern, WORD filter, ZW_HARRAY names, ZW_HARRAY sizes,
                                       ZW_HARRAY dates, ZW_HARRAY attributes);
/* Every existing drive as "X:\", A to Z. Returns the count. */
ZWAPI int __stdcall ZelDosEnumDrives(ZW_HARRAY names);
/* The directories of the PATH variable that exist, each with a backslash
 * appended; elements written with a trailing backslash are left out. Returns
 * the count. */
ZWAPI int __stdcall ZelDosEnumPath(ZW_HARRAY names);
/* Remote drives ("X:") and then printer ports ("LPT1" to "LPT3") with the
 * network names they are connected to. Returns the count; 0 when no drive is
 * connected (the arrays are left as they were); the negated network error when
 * the last remote drive asked about failed; -8 when a string cannot be made. */
ZWAPI int __stdcall ZelDosEnumNetConnections(ZW_HARRAY localNames, ZW_HARRAY remoteNames);
/* 1 when the drive ("X:"), directory or file (wildcards allowed) exists, else
 * 0 (also for a null or empty path). */
ZWAPI int __stdcall ZelDosExist(LPCWSTR path);
/* 1 when the directory has at least one subdirectory, else 0. */
ZWAPI int __stdcall ZelDosIsParent(LPCWSTR directory);
/* The drive's type: 0 unknown, 1 no root, 2 removable, 3 fixed, 4 remote,
 * 5 CD-ROM, 6 RAM disk; 0 for a null text or a drive that does not exist. */
ZWAPI int __stdcall ZelDosGetDriveType(LPCWSTR root);
/* Total and free bytes of the drive as host numbers (both null on failure).
 * Returns 0; -15 for a null root or a drive that does not exist; -87 for a
 * null number pointer; or the negated error of the query. */
ZWAPI int __stdcall ZelDosGetDriveSize(LPCWSTR root, ZW_HOSTVALUE* totalBytes, ZW_HOSTVALUE* freeBytes);
/* A new string: the current directory; empty on failure. The argument is not
 * used. */
ZWAPI ZW_HSTR __stdcall ZelDosGetCurDir(LPCWSTR unused);
/* A new string: the environment variable's value; empty when it is not set. */
ZWAPI ZW_HSTR __stdcall ZelDosGetEnvString(LPCWSTR name);
/* A new string: the volume label of the root ("X:\"); empty for a null root
 * or on failure. */
ZWAPI ZW_HSTR __stdcall ZelDosGetVolumeLabel(LPCWSTR root);
/* Sets the volume label. Returns 0, the negated error, or -87 for a null root. */
ZWAPI int __stdcall ZelDosSetVolumeLabel(LPCWSTR root, LPCWSTR label);
/* The Windows version as a host number: major + minor / 10 in integer
 * arithmetic (5.1 gives 5). */
ZWAPI ZW_HOSTVALUE __stdcall ZelDosGetVersion(void);
/* A new string: the directory of the loaded module with `fileName` appended;
 * empty when the module is not loaded or the name is null. */
ZWAPI ZW_HSTR __stdcall ZelDosBuildFullName(LPCWSTR module, LPCWSTR fileName);
/* A new string: the four texts joined with nothing added between them. */
ZWAPI ZW_HSTR __stdcall ZelDosMakePath(LPCWSTR drive, LPCWSTR directory, LPCWSTR name, LPCWSTR extension);
/* Splits the path by the C runtime's rules into the four strings (each made
 * when 0, else refilled; parts are cut to 3 and 256 characters). A null path
 * gives four empty strings. Returns 0; -87 when a string pointer is null. */
ZWAPI int __stdcall ZelDosSplitPath(LPCWSTR path, ZW_HSTR* drive, ZW_HSTR* directory, ZW_HSTR* name,
                                    ZW_HSTR* extension);
/* Creates the directory and every missing level above it. Returns 0 or the
 * negated error of the deepest level's creation (-183 when it exists);
 * -87 for a null or empty path. */
ZWAPI int __stdcall ZelDosMakeAllDir(LPCWSTR path);
/* A new string: the network name the local device ("X:", "X:\", "LPT1") is
 * connected to; empty when none. */
ZWAPI ZW_HSTR __stdcall ZelDosGetNetName(LPCWSTR localName);
/* Connects the local device to the network resource. Returns 0, the negated
 * network error, or -87 for a null name. */
ZWAPI int __stdcall ZelDosNetConnect(LPCWSTR localName, LPCWSTR networkName, LPCWSTR password);
/* Cancels a connection (`force`: even with open files). Returns 0, the negated
 * network error, or -87 for a null name. */
ZWAPI int __stdcall ZelDosNetDisconnect(LPCWSTR name, BOOL force);
/* Kept for old applications: always 0. */
ZWAPI int __stdcall ZelDosGetFlags(void);
ZWAPI int __stdcall ZelDosSetFlags(DWORD unused1, DWORD unused2);

/* ---- Profiles ---------------------------------------------------------------------- */
/* The INI file is found along the search path first (-2 when it is not). */

/* Stores the entry names of the section at indexes 0, 1, ... in file order and
 * sets the bounds to them (an empty section leaves the array as it was).
 * Returns 0; -2 when the file is not found; -87 for a null section or an array
 * that is not a live one-dimensional host array. */
ZWAPI int __stdcall ZelProfileEnumStrings(LPCWSTR fileName, LPCWSTR section, ZW_HARRAY names);
/* Deletes the entry, or the whole section when the entry name is empty or
 * null. Returns nonzero when the change was written, 0 when not (also for a
 * null or empty section); -2 when the file is not found. */
ZWAPI int __stdcall ZelProfileDelete(LPCWSTR section, LPCWSTR entry, LPCWSTR fileName);

/* ---- Debugging and timing ----------------------------------------------------------- */
/* Process-wide settings: the flag word (initially 0x10000; 0x10000 the timing
 * report shows elapsed times, 0x20000 clock times, 0x80000 output goes to
 * message boxes instead of the debugger output) and the debug level (initially
 * 0; a message or report of a higher level is not shown). */

/* When the condition is 0, shows "window: text" (the host's name of the active
 * window) captioned "Assertion Failure". Returns 1. */
ZWAPI int __stdcall ZelDebugAssert(BOOL condition, LPCWSTR text);
/* Writes the text and a line feed to the debugger output (or shows it in a
 * box captioned "Debug"). Returns 1; 0 when the level is above the debug level. */
ZWAPI int __stdcall ZelDebugString(LPCWSTR text, WORD level);
/* Sets the debug level. Returns 1. */
ZWAPI int __stdcall ZelDebugSetLevel(WORD level);
/* The flag word. */
ZWAPI DWORD __stdcall ZelDebugGetFlags(void);
/* Sets (`set` nonzero) or clears the bits; returns the new flag word. */
ZWAPI DWORD __stdcall ZelDebugSetFlags(DWORD bits, BOOL set);
/* Starts a timing run: earlier marks are discarded and a begin mark recorded.
 * Returns 1; 0 when memory fails. */
ZWAPI int __stdcall ZelDebugBeginTime(void);
/* Records a labelled mark (labels are cut to 254 characters). Returns 1; 0
 * before the first ZelDebugBeginTime or when the run is full (81 marks). */
ZWAPI int __stdcall ZelDebugSetTime(LPCWSTR label);
/* Reports the run: each mark's label with the time since the mark before
 * (m:ss.hh) and its clock time as the flags say, then "Total " and the time
 * from the first mark to the last. A run with only its begin mark gets an
 * "End" mark first. Returns 1; 0 when the level is above the debug level or no
 * run was begun. */
ZWAPI int __stdcall ZelDebugEndTime(WORD level);

/* ---- List view ------------------------------------------------------------------------ */
/* A form-placed list view ("cListView") announces its instance with
 * ZWM_ControlCreate; ZelLVGetListView turns it into the list object that every
 * other ZelLV function takes first. Rows are addressed by their position in
 * the list (which sorting changes); the library keeps every row's texts and
 * data itself. Every function reports a null object in a message box and
 * returns its failure value; any other failure (a stale object, a null
 * out-pointer, a bad argument) is written as one debug line and returns the
 * failure value. Messages of the list view: WM_COMMAND posted to the form
 * with the list's notifications (id 0, the notification code's low 16 bits,
 * the list view window); 0x2006 posted to the list view window when the user
 * changed the selection; 0x600E posted to it after a column click (wParam 1
 * when the sort is descending, lParam the column); 0x600A sent to it once it
 * is created. */

/* The list object of a list view instance. 0 on failure. */
ZWAPI void* __stdcall ZelLVGetListView(void* listView);
/* Background colour (LVM_GETBKCOLOR); -1 on failure. */
ZWAPI int __stdcall ZelLVGetBkColor(void* list);
/* Sets the background colour and repaints. The control's answer; 0 on failure. */
ZWAPI BOOL __stdcall ZelLVSetBkColor(void* list, COLORREF color);
/* Number of rows; 0 on failure. */
ZWAPI int __stdcall ZelLVGetItemCount(void* list);
/* The next row from `start` with the LVNI_* flags (LVM_GETNEXTITEM); -1 on failure. */
ZWAPI int __stdcall ZelLVGetNextItem(void* list, int start, UINT flags);
/* A row's rectangle of kind `code` (LVIR_*) into *rect. 1 when found; 0 otherwise or on failure. */
ZWAPI BOOL __stdcall ZelLVGetItemRect(void* list, int row, RECT* rect, int code);
/* Moves a row in an icon view (LVM_SETITEMPOSITION32). The control's answer; 0 on failure. */
ZWAPI BOOL __stdcall ZelLVSetItemPosition(void* list, int row, int x, int y);
/* A row's position into *point (LVM_GETITEMPOSITION). The control's answer; 0 on failure. */
ZWAPI BOOL __stdcall ZelLVGetItemPosition(void* list, int row, POINT* point);
/* Width of a text in the list's font; 0 on failure (null text). */
ZWAPI int __stdcall ZelLVGetStringWidth(void* list, LPCWSTR text);
/* A column's heading (into *text, created when 0), format and width. 1 when
 * the column exists; 0 otherwise or on failure (null pointers). */
ZWAPI BOOL __stdcall ZelLVGetColumn(void* list, int column, ZW_HSTR* text, int* format, int* width);
/* Sets a column's fields named by `mask` (LVCF_*; a null text leaves the
 * heading) and repaints. The control's answer; 0 on failure. */
ZWAPI BOOL __stdcall ZelLVSetColumn(void* list, int column, UINT mask, LPCWSTR text, int format, int width);
/* The rectangle of all rows into *rect (LVM_GETVIEWRECT). The control's answer; 0 on failure. */
ZWAPI BOOL __stdcall ZelLVGetViewRect(void* list, RECT* rect);
/* Text colour; -1 on failure. */
ZWAPI int __stdcall ZelLVGetTextColor(void* list);
/* Sets the text colour and repaints. The control's answer; 0 on failure. */
ZWAPI BOOL __stdcall ZelLVSetTextColor(void* list, COLORREF color);
/* Text background colour; -1 on failure. */
ZWAPI int __stdcall ZelLVGetTextBkColor(void* list);
/* Sets the text background colour and repaints. The control's answer; 0 on failure. */
ZWAPI BOOL __stdcall ZelLVSetTextBkColor(void* list, COLORREF color);
/* The first visible row; -1 on failure. */
ZWAPI int __stdcall ZelLVGetTopIndex(void* list);
/* Rows that fit in the list; 0 on failure. */
ZWAPI int __stdcall ZelLVGetCountPerPage(void* list);
/* The view origin into *origin (LVM_GETORIGIN). The control's answer; 0 on failure. */
ZWAPI BOOL __stdcall ZelLVGetOrigin(void* list, POINT* origin);
/* A row's LVIS_* state bits within `mask`; 0 on failure. */
ZWAPI UINT __stdcall ZelLVGetItemState(void* list, int row, UINT mask);
/* Sets a row's state bits within `mask` (row -1: every row) without reporting
 * a selection change to the host. The control's answer; 0 on failure. */
ZWAPI BOOL __stdcall ZelLVSetItemState(void* list, int row, UINT state, UINT mask);
/* The text of a row's column `subItem` (into *text, created when 0), its data
 * (0 when the library holds none for it) and its image index. 1 when the row
 * exists; 0 otherwise or on failure (null pointers, negative sub-item). */
ZWAPI BOOL __stdcall ZelLVGetItem(void* list, int row, int subItem, ZW_HSTR* text, LONG* data, int* image);
/* Sets a row's text of column `subItem` (LVIF_TEXT), data (LVIF_PARAM) and
 * image (LVIF_IMAGE) as `mask` says. The control's answer; 0 for a row the
 * library holds nothing for and on failure (negative numbers, null text). */
ZWAPI BOOL __stdcall ZelLVSetItem(void* list, int row, int subItem, UINT mask, LPCWSTR text, LONG data, int image);
/* Number of selected rows; 0 on failure. */
ZWAPI int __stdcall ZelLVGetSelectedCount(void* list);
/* Inserts a row with its text, data and image at `row`. The new row's index;
 * -1 on failure (negative row or image, null text). */
ZWAPI int __stdcall ZelLVInsertItem(void* list, int row, LPCWSTR text, LONG data, int image);
/* Deletes a row. The rows left; 0 on failure (no such row). */
ZWAPI int __stdcall ZelLVDeleteItem(void* list, int row);
/* Deletes every row. 1 when there were none, else the control's answer; 0 on failure. */
ZWAPI BOOL __stdcall ZelLVDeleteAllItems(void* list);
/* The first row after `start` (-1: from the top) whose text matches, by the
 * LVFI_* flags. -1 when none or on failure (null text). */
ZWAPI int __stdcall ZelLVFindItem(void* list, UINT flags, LPCWSTR text, int start);
/* The row at a client point, with the LVHT_* flags into *flags. -1 when none or on failure. */
ZWAPI int __stdcall ZelLVHitTest(void* list, int x, int y, UINT* flags);
/* Scrolls a row into view (wholly unless `partialOk`). The control's answer; 0 on failure. */
ZWAPI BOOL __stdcall ZelLVEnsureVisible(void* list, int row, BOOL partialOk);
/* Scrolls by dx, dy pixels. The control's answer; 0 on failure. */
ZWAPI BOOL __stdcall ZelLVScroll(void* list, int dx, int dy);
/* Arranges an icon view (LVA_*). The control's answer; 0 on failure. */
ZWAPI BOOL __stdcall ZelLVArrange(void* list, UINT code);
/* The list window's style; 0 on failure. */
ZWAPI DWORD __stdcall ZelLVGetStyle(void* list);
/* Adds (`set` 1) or removes (other values) style bits. The previous style; 0 on failure. */
ZWAPI DWORD __stdcall ZelLVSetStyle(void* list, DWORD bits, int set);
/* Replaces every column with `count` columns (fewer when an array holds
 * fewer from index 0): headings from a string array, formats (LVCFMT_*) and
 * widths from number arrays. 1; 0 on failure (a missing or bad array). */
ZWAPI BOOL __stdcall ZelLVColumnsAssign(void* list, ZW_HARRAY headings, ZW_HARRAY formats, ZW_HARRAY widths,
                                        int count);
/* The column ZelLVSortItems sorts by; -1 on failure. */
ZWAPI int __stdcall ZelLVGetSortColumn(void* list);
/* Sets the column ZelLVSortItems sorts by. 1; 0 for a negative column or on failure. */
ZWAPI BOOL __stdcall ZelLVSetSortColumn(void* list, int column);
/* The order ZelLVSortItems sorts in: 0 ascending, 1 descending; -1 on failure. */
ZWAPI int __stdcall ZelLVGetSortOrder(void* list);
/* Sets the order: 0 or 1. 1; 0 for other values or on failure. */
ZWAPI BOOL __stdcall ZelLVSetSortOrder(void* list, int order);
/* Sorts the rows by the sort column's texts, ignoring case; a later click on
 * that column reverses the order. 1; 0 on failure. */
ZWAPI BOOL __stdcall ZelLVSortItems(void* list);
/* Adds a large and a small picture as one image. The image index; -1 when
 * the two lists could not take them alike (neither then changes) or on
 * failure (null or stale pictures). */
ZWAPI int __stdcall ZelLVImageAdd(void* list, ZW_HPIC large, ZW_HPIC small);
/* Number of images; -1 on failure. */
ZWAPI int __stdcall ZelLVImageCountGet(void* list);
/* Removes an image from both lists. Nonzero on success; 0 for a negative index or on failure. */
ZWAPI BOOL __stdcall ZelLVImageRemove(void* list, int index);
/* Removes every image. Nonzero on success; 0 on failure. */
ZWAPI BOOL __stdcall ZelLVImageRemoveAll(void* list);
/* Replaces an image in both lists. 1 when both were replaced; 0 otherwise or on failure. */
ZWAPI BOOL __stdcall ZelLVImageReplace(void* list, int index, ZW_HPIC large, ZW_HPIC small);

#ifdef __cplusplus
}
#endif

#endif /* ZWI51_H */
