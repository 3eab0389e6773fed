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

/* ---- Files ------------------------------------------------------------------ */

#ifdef __cplusplus
}
#endif

#endif /* ZWI51_H */
