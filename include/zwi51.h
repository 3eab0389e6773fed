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

#ifdef __cplusplus
}
#endif

#endif /* ZWI51_H */
