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
ZWAPI int __stdcall ZelFileGetSize(LPCWSTR name);

#ifdef __cplusplus
}
#endif

#endif /* ZWI51_H */
