/** @file
 * zwi51.dll: custom controls, the outline list box and utility functions for
 * host applications. Every export is __stdcall under its undecorated name.
 *
 * Host values: a host string (ZW_HSTR) is a 32-bit handle owned by the host; a
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
/** A host number or date/time value, copied whole and never read by the
 * library itself (the host converts it). */
typedef struct ZW_HOSTVALUE {
    unsigned char lengthAndFlags; /**< low nibble: length, 0 = null */
    unsigned char digits[24];     /**< the value's bytes, as the host keeps them */
} ZW_HOSTVALUE;
#pragma pack(pop)
#endif
typedef DWORD ZW_HSTR;   /**< host string handle */
typedef DWORD ZW_HARRAY; /**< host array handle (one-dimensional) */

#ifndef ZWAPI
#define ZWAPI
#endif

/* Library messages */
/** Sent by a control to its own window when it is created; lParam is the
 * control instance that the control's functions take. */
#define ZWM_ControlCreate 0x6008

/* ---- Accelerators and window flags ------------------------------------- */
/** Registers a key that sends a message to a window when released; the first
 * accelerator registered for a key wins, and its key-down is swallowed.
 * @param hWnd window that receives the message (wParam 0)
 * @param message the message sent
 * @param modifier 1 Shift, 2 Ctrl, 4 Alt, or a sum of them (up to 7) that must
 *        be down with the others up; any other value ignores the modifier keys
 * @param virtualKey the virtual-key code
 * @param lParam the message's lParam
 * @return the accelerator handle; 0 when hWnd is not a window, or the keyboard
 *         hook or memory cannot be had. */
ZWAPI HLOCAL __stdcall ZelWinLoadAccelerator(HWND hWnd, UINT message, int modifier, WORD virtualKey, LPARAM lParam);
/** Removes an accelerator; the keyboard hook goes with the last one.
 * @param accelerator handle from ZelWinLoadAccelerator
 * @return 1; 0 for a null, stale or unknown handle. */
ZWAPI BOOL __stdcall ZelWinFreeAccelerator(HLOCAL accelerator);
/** The keyboard hook procedure that serves the accelerators (installed by the
 * library for the thread of the first accelerator; not for applications).
 * @param code hook code: only HC_ACTION is acted on
 * @param wParam virtual-key code
 * @param lParam key data (bit 31 set: the key is released)
 * @return 1 when an accelerator took the key; else the next hook's result. */
ZWAPI LRESULT __stdcall KeyboardHookProc(int code, WPARAM wParam, LPARAM lParam);
/** Kept for old applications.
 * @return always 0. */
ZWAPI int __stdcall ZelGetWinFlags(void);

/* ---- Window utilities ---------------------------------------------------------
 * Functions over host windows and the fields of host forms. Where a function
 * shows, moves, tests the state of or reads the text of a window, a host form
 * stands for its frame (the form's parent window). A field's flag word (WF_*)
 * adds behaviour to single windows. */
#define WF_Required        0x00001 /**< required field: must not be empty */
#define WF_KeepOnClear     0x00002 /**< left alone by ZelWinClearAllFields */
#define WF_KeepEdited      0x00004 /**< left alone by ZelWinClearAllEditFlags */
#define WF_PathDisplay     0x00008 /**< text set into the window is shortened to fit: root and last element stay, "..." for the middle */
#define WF_ReadOnly        0x00010 /**< no tab stop; a data field is read-only; other kinds ignore mouse clicks */
#define WF_EnableWhenFilled 0x10000 /**< enabled only while every required field of the form is filled (checked on each change of text or selection) */

#define ZW_WAIT_HostOff    0 /**< ZelWaitCursor: end one ZW_WAIT_HostOn; the outermost switches the host's wait cursor off */
#define ZW_WAIT_HostOn     1 /**< ZelWaitCursor: the host's wait cursor on (nested calls only count) */
#define ZW_WAIT_Show       2 /**< ZelWaitCursor: show the wait cursor now, keeping the cursor it replaces (not counted) */
#define ZW_WAIT_Restore    3 /**< ZelWaitCursor: put the kept cursor back (not counted) */
#define ZW_WAIT_CaptureOn  4 /**< ZelWaitCursor: capture the mouse and show the wait cursor (nested calls only count) */
#define ZW_WAIT_CaptureOff 5 /**< ZelWaitCursor: end one ZW_WAIT_CaptureOn; the outermost releases the mouse and restores the cursor */

/** The first child of a form whose text, without its first "&", equals a
 * text (case ignored), in the host's order of the form's objects.
 * @param form the form
 * @param text the text looked for
 * @param typeMask host object types to look among (0x7FFFFFFF: all)
 * @return the child; 0 when none matches, form is not a window or text is null. */
ZWAPI HWND __stdcall ZelWinGetHandle(HWND form, LPCWSTR text, DWORD typeMask);
/** Empties every field of a form: data fields, combo boxes (value and rows),
 * list boxes, the host's further clearable objects; check boxes and option
 * buttons are unchecked. Fields with WF_KeepOnClear are left alone.
 * @param form the form
 * @return the number of children cleared; -87 when form is not a window. */
ZWAPI int __stdcall ZelWinClearAllFields(HWND form);
/** Clears the edited mark of every data field of a form, except those with
 * WF_KeepEdited.
 * @param form the form
 * @return the number of data fields cleared; -87 when form is not a window. */
ZWAPI int __stdcall ZelWinClearAllEditFlags(HWND form);
/** The first required field (WF_Required) of a form, in z-order, that is
 * empty: a data field without text, a list box without selection, a
 * drop-down list without selection, another combo box without selection and
 * text.
 * @param form the form
 * @return the field; 0 when all are filled or form is not a window. */
ZWAPI HWND __stdcall ZelWinIsRequiredFieldNull(HWND form);
/** A window's flag word.
 * @param window the window
 * @return the WF_* bits; 0 when it has none or is not a window. */
ZWAPI DWORD __stdcall ZelWinGetFlags(HWND window);
/** Sets or clears bits of a window's flag word. The window is subclassed on
 * first use; WF_EnableWhenFilled also subclasses its parent (and, for a
 * parent that is a child window, the parent's siblings); WF_ReadOnly changes
 * the tab stop and a data field's read-only state at once.
 * @param window a window of this process
 * @param bits the WF_* bits
 * @param set nonzero sets the bits, 0 clears them
 * @return 1; 0 when window is not a window of this process, or memory or the
 *         window property cannot be had (nothing is then left behind). */
ZWAPI BOOL __stdcall ZelWinSetFlags(HWND window, DWORD bits, BOOL set);
/** A window's text (a form's: its frame's caption).
 * @param window the window
 * @return a new host string; an empty one when window is not a window. */
ZWAPI ZW_HSTR __stdcall ZelWinGetText(HWND window);
/** A window's style (GWL_STYLE).
 * @param window the window
 * @return the style; -1 when window is not a window. */
ZWAPI LONG __stdcall ZelWinGetStyle(HWND window);
/** Adds or removes style bits.
 * @param window a window of this process
 * @param bits the style bits
 * @param set nonzero adds them, 0 removes them
 * @return 1 when the style was stored; 0 otherwise or when window is not a
 *         window of this process. */
ZWAPI BOOL __stdcall ZelWinSetStyle(HWND window, LONG bits, BOOL set);
/** Win32 IsChild.
 * @param parent the parent window
 * @param window the window
 * @return nonzero when window is a descendant of parent; 0 otherwise or for
 *         handles that are not windows. */
ZWAPI BOOL __stdcall ZelWinIsChild(HWND parent, HWND window);
/** Win32 IsWindow.
 * @param window the handle
 * @return nonzero for a window; 0 otherwise. */
ZWAPI BOOL __stdcall ZelWinIsWindow(HWND window);
/** Whether a window (a form: its frame) is maximized.
 * @param window the window
 * @return nonzero when maximized; 0 otherwise or when window is not a window. */
ZWAPI BOOL __stdcall ZelWinIsMaximized(HWND window);
/** Whether a window (a form: its frame) is minimized.
 * @param window the window
 * @return nonzero when minimized; 0 otherwise or when window is not a window. */
ZWAPI BOOL __stdcall ZelWinIsMinimized(HWND window);
/** Whether a window (a form: its frame) is neither minimized nor maximized.
 * @param window the window
 * @return 1 when restored; 0 otherwise or when window is not a window. */
ZWAPI BOOL __stdcall ZelWinIsRestored(HWND window);
/** Moves and sizes a window (a form: its frame) and repaints it.
 * @param window the window
 * @param x, y the new position (in the parent's client area for a child)
 * @param width, height the new size
 * @return MoveWindow's result; 0 when window is not a window. */
ZWAPI BOOL __stdcall ZelWinMove(HWND window, int x, int y, int width, int height);
/** Shows or hides a window. A form or the host's other top-level windows
 * that are child windows of a window other than an MDI client are shown with
 * that window.
 * @param window the window
 * @param command a ShowWindow command (SW_*)
 * @return 1 when the window was visible before, else 0 (also when window is
 *         not a window). */
ZWAPI BOOL __stdcall ZelWinShow(HWND window, int command);
/** Selects characters of a data field (EM_SETSEL) or of a combo box's edit
 * part (CB_SETEDITSEL).
 * @param window the data field or combo box
 * @param start first character selected (-1: no selection)
 * @param end character after the selection (-1: to the end)
 * @return 1; 0 when window is neither a data field nor a combo box. */
ZWAPI BOOL __stdcall ZelWinSetSelect(HWND window, short start, short end);
/** Moves a window in the tab order of its form directly after another one;
 * without the other one it loses its tab stop instead.
 * @param window a window of this process
 * @param after the window it follows, or 0
 * @return 1, or SetWindowPos's result; 0 when a handle is not a window. */
ZWAPI BOOL __stdcall ZelWinSetTabOrder(HWND window, HWND after);
/** Lists a window's properties in the system's order: names into a string
 * array and values into a number array, both given the bounds 0 to count - 1.
 * @param window the window
 * @param names host string array
 * @param values host number array
 * @return the number of properties listed; -87 when window is not a window or
 *         an array is not a live one-dimensional host array. */
ZWAPI int __stdcall ZelWinEnumProps(HWND window, ZW_HARRAY names, ZW_HARRAY values);
/** A window property (GetPropW).
 * @param window the window
 * @param name the property name
 * @return the value; 0 when there is none, window is not a window or name is null. */
ZWAPI HANDLE __stdcall ZelWinGetProp(HWND window, LPCWSTR name);
/** Sets a window property; only the low 16 bits of the value are stored.
 * Names beginning with "ZW:" belong to the library and are refused.
 * @param window the window
 * @param name the property name
 * @param value the value
 * @return SetPropW's result; 0 when window is not a window, or name is null,
 *         empty or the library's. */
ZWAPI BOOL __stdcall ZelWinSetProp(HWND window, LPCWSTR name, UINT value);
/** Removes a window property. Names beginning with "ZW:" belong to the
 * library and are refused.
 * @param window the window
 * @param name the property name
 * @return 1 when it was removed; 0 when the window had no such property, for a
 *         name of the library's, or when window is not a window or name is null. */
ZWAPI BOOL __stdcall ZelWinRemoveProp(HWND window, LPCWSTR name);
/** Sends a message whose lParam is a text (SendMessageW).
 * @param window the window
 * @param message the message
 * @param wParam its wParam
 * @param text the text, passed as lParam
 * @return the window's answer; 0 when window is not a window. */
ZWAPI LRESULT __stdcall ZelSendMsgString(HWND window, UINT message, WPARAM wParam, LPCWSTR text);
/** Shows or takes away a wait cursor (ZW_WAIT_*). Modes 0, 1, 4 and 5 share
 * one nesting counter; extra ends at 0 do nothing; unknown modes are ignored.
 * Without a mouse, the cursor is put in the middle of the screen and made
 * visible while a wait cursor shows.
 * @param mode 0 to 5 (ZW_WAIT_*) */
ZWAPI void __stdcall ZelWaitCursor(int mode);

/* ---- Message box -----------------------------------------------------------------
 * A modal box with the application's own buttons. Buttons are made with
 * ZelMessageLoadButton, passed to ZelMessageBox as host numbers in a host
 * number array (element 0 on), and freed with ZelMessageFreeButton; one
 * button can serve many boxes. A button handle's lowest bit is always 0: an
 * array element with that bit set (handle + 1) marks the button that takes the
 * keyboard focus. Escape chooses the button whose value is 2, or the only
 * button. */
typedef struct ZW_MSGBUTTON_* ZW_HBUTTON; /**< message box button handle */
#define MSG_IconAsterisk    0x10000 /**< ZelMessageBox icon: IDI_ASTERISK */
#define MSG_IconHand        0x20000 /**< ZelMessageBox icon: IDI_HAND */
#define MSG_IconQuestion    0x40000 /**< ZelMessageBox icon: IDI_QUESTION */
#define MSG_IconExclamation 0x80000 /**< ZelMessageBox icon: IDI_EXCLAMATION */

/** Makes a message box button.
 * @param text the button's text (null: empty)
 * @param value what ZelMessageBox returns when it is pressed
 * @return the button; 0 when memory cannot be had. */
ZWAPI ZW_HBUTTON __stdcall ZelMessageLoadButton(LPCWSTR text, int value);
/** Frees a message box button.
 * @param button the button
 * @return 1; 0 for a null, stale or unknown handle. */
ZWAPI BOOL __stdcall ZelMessageFreeButton(ZW_HBUTTON button);
/** Sets the background colour of the message boxes shown from now on (white
 * until set).
 * @param colour the colour (COLORREF)
 * @return 1 always. */
ZWAPI BOOL __stdcall ZelMessageSetBkgdColor(COLORREF colour);
/** Shows a modal message box, owned by the active window, with the buttons
 * in a row under the text. Texts wider than about two thirds of the screen,
 * or with line feeds or tabs, are wrapped (tabs expanded).
 * @param text the message
 * @param caption the box's caption
 * @param icon 0 for no icon; an icon picture (ZelPicLoad with PIC_FormatIcon);
 *        or MSG_Icon* (the first of the flags present is shown)
 * @param buttons host number array of button handles, from element 0
 * @param count number of buttons
 * @return the value of the button pressed; 0 when text or caption is null,
 *         count is not positive, an element is not a live button, icon is a
 *         picture that is not a live icon picture, or the box cannot be made. */
ZWAPI int __stdcall ZelMessageBox(LPCWSTR text, LPCWSTR caption, UINT_PTR icon, ZW_HARRAY buttons, int count);

/* ---- Library information and error recovery ------------------------------ */
/** Shows the modal error-recovery dialog ("Retry" or "Halt Application"),
 * owned by the active window.
 * @param caption the dialog's caption (null: none)
 * @return 1 retry, 2 halt the application; -1 when the dialog cannot be shown. */
ZWAPI int __stdcall ZelErrorRecovery(LPCWSTR caption);
/** The library's product version from its version resource.
 * @return a new host string; an empty one when the version cannot be read. */
ZWAPI ZW_HSTR __stdcall ZelGetVersion(void);
/** The library's copyright text (LegalCopyright of its version resource).
 * @return a new host string; an empty one when the text cannot be read. */
ZWAPI ZW_HSTR __stdcall ZelGetCopyright(void);
/** The Windows version as a host number: major + minor / 10 in integer
 * arithmetic (5.1 gives 5, 4.10 gives 5).
 * @return the number, returned by value; 0 when the version cannot be read. */
ZWAPI ZW_HOSTVALUE __stdcall ZelGetWinVersion(void);
/** GetKeyState, for host applications.
 * @param virtualKey the virtual-key code
 * @return GetKeyState's result (negative while the key is down). */
ZWAPI SHORT __stdcall ZelGetKeyState(int virtualKey);
/** GetSystemMetrics, for host applications.
 * @param index an SM_* index
 * @return GetSystemMetrics's result (0 for an unknown index). */
ZWAPI int __stdcall ZelGetSystemMetrics(int index);

/* ---- Strings ---------------------------------------------------------------- */
/* Text arguments are NUL-terminated UTF-16; a null pointer reads as the empty
 * text. String results are new host strings that the caller owns (an empty one
 * on failure), except ZelStrSubstitute, which returns 0 when its result cannot
 * be made. A string table is a global memory handle passed as a number:
 * ZelStrLoadTable returns it (or -2 not found, -30 file over 65533 bytes,
 * -8 out of memory or unreadable, or the error of ZelFileGetSize). */
/** One of two host strings by a condition (not copied: the host is told the
 * library is done with the chosen one, which stays usable).
 * @param condition nonzero chooses whenTrue
 * @param whenTrue, whenFalse the two host strings
 * @return whenTrue or whenFalse itself; there is no failure value. */
ZWAPI ZW_HSTR __stdcall ZelStrChoose(int condition, ZW_HSTR whenTrue, ZW_HSTR whenFalse);
/** A copy without leading whitespace (space, tab, CR, LF, VT, FF).
 * @param text the text (null: empty)
 * @return a new host string; an empty one when nothing remains or on failure. */
ZWAPI ZW_HSTR __stdcall ZelStrLeftTrim(LPCWSTR text);
/** A copy without trailing whitespace (space, tab, CR, LF, VT, FF).
 * @param text the text (null: empty)
 * @return a new host string; an empty one when nothing remains or on failure. */
ZWAPI ZW_HSTR __stdcall ZelStrRightTrim(LPCWSTR text);
/** A copy without leading and trailing whitespace (space, tab, CR, LF, VT, FF).
 * @param text the text (null: empty)
 * @return a new host string; an empty one when nothing remains or on failure. */
ZWAPI ZW_HSTR __stdcall ZelStrTrim(LPCWSTR text);
/** The text padded with spaces, or cut, to exactly `length` characters.
 * @param text the text
 * @param length the result's length
 * @return a new host string; an empty one for a null text, a length of 0 or
 *         less, or on failure. */
ZWAPI ZW_HSTR __stdcall ZelStrPad(LPCWSTR text, int length);
/** A proper-cased copy: each word upper-case first, lower-case after; words
 * are split at spaces and punctuation, and the first "Mac" and the first "Mc"
 * capitalise the letter after them ("o'neil mcdonald" gives "O'Neil McDonald").
 * @param text the text (null: empty)
 * @return a new host string; an empty one on failure. */
ZWAPI ZW_HSTR __stdcall ZelStrProper(LPCWSTR text);
/** Searches backwards, without regard to case, for the match met first going
 * back from `start`.
 * @param text the text searched
 * @param start 0-based position to start at; -1 the last character
 * @param find the text sought (empty: matches at start)
 * @return the match's 0-based position; -1 when there is none, for a null
 *         text or find, or a start below -1 or past the last character. */
ZWAPI int __stdcall ZelStrScanReverse(LPCWSTR text, int start, LPCWSTR find);
/** Replaces every occurrence (case-sensitive, left to right, replacements not
 * searched again).
 * @param text the text (null: empty)
 * @param find the text replaced (null or empty: the text is returned unchanged)
 * @param replacement its replacement (null: empty)
 * @return a new host string; 0 (no string) when the result cannot be made. */
ZWAPI ZW_HSTR __stdcall ZelStrSubstitute(LPCWSTR text, LPCWSTR find, LPCWSTR replacement);
/** Fills a template from a host array. Placeholders: %% a "%", \%s the next
 * string element, \%n the next number element as an integer, \%u the number
 * of elements used so far (using one up); a group {prefix\%s suffix} or
 * {prefix%,s suffix} (also n, and u for the index) is written for every
 * element, with "," between repetitions in the second form. Outside groups,
 * placeholders past the last element stay as text.
 * @param templateText the template
 * @param elements one-dimensional host array (a bad array has no elements)
 * @return a new host string; an empty one for a null template or on failure. */
ZWAPI ZW_HSTR __stdcall ZelStrExpand(LPCWSTR templateText, ZW_HARRAY elements);
/** Loads an ANSI text file (found along the search path) as a string table,
 * one line per CR LF.
 * @param fileName the file (at most 65533 bytes)
 * @return the table handle (positive); -2 not found (also a null or empty
 *         name), -30 file over 65533 bytes, -8 out of memory or unreadable, or
 *         the negative error of ZelFileGetSize. */
ZWAPI int __stdcall ZelStrLoadTable(LPCWSTR fileName);
/** Looks a key up in a string table: the first line that contains it
 * (case-sensitive), from the key to the end of the line.
 * @param table handle from ZelStrLoadTable
 * @param key the text sought
 * @return a new host string; an empty one when no line holds the key, for a
 *         null key, or a table that is not live. */
ZWAPI ZW_HSTR __stdcall ZelStrFind(int table, LPCWSTR key);
/** Frees a string table.
 * @param table handle from ZelStrLoadTable
 * @return 1 when its memory was released; 0 for a handle that is not a live
 *         table or when the memory cannot be released. */
ZWAPI int __stdcall ZelStrFreeTable(int table);

/* ---- Files ------------------------------------------------------------------ */
/* Names are UTF-16 paths. Results: counts or 0 on success, negated Win32 error
 * codes on failure (-87 bad argument, -2 file not found, -3 path not found,
 * -15 invalid drive, -18 end of file, -39 disk full, -8 out of memory).
 * A host file handle (ZW_HFILE) is a C runtime stream made by the host. */
typedef FILE* ZW_HFILE; /**< host file handle: a C runtime stream opened by the host */
/* Streams; flags are the OpenFile flags (OF_READ, OF_WRITE, OF_READWRITE,
 * OF_SHARE_*, OF_CREATE, OF_EXIST, OF_DELETE, OF_PARSE). */
/** Opens a file as a host stream. Without OF_CREATE the name is looked up
 * along the search path; OF_CREATE opens for writing; OF_PARSE, OF_EXIST and
 * OF_DELETE open nothing (OF_DELETE deletes the file).
 * @param file receives the stream (null when none is opened)
 * @param name the file's name
 * @param flags the OpenFile flags
 * @return 0; -87 for a null file or name, -2 not found, another negated
 *         error (-1 when there is no code), -8 on an internal failure. */
ZWAPI int __stdcall ZelFileOpen(ZW_HFILE* file, LPCWSTR name, UINT flags);
/** Closes a host stream.
 * @param file the stream
 * @return 0; -87 for a null or stale stream; the negated error of the close. */
ZWAPI int __stdcall ZelFileClose(ZW_HFILE file);
/** Reads bytes through the host.
 * @param file the stream
 * @param buffer receives the bytes
 * @param count how many bytes to read
 * @return the host's read result unchanged (the bytes read); -87 for a null
 *         or stale stream, or a null buffer with a nonzero count. */
ZWAPI int __stdcall ZelFileRead(ZW_HFILE file, void* buffer, DWORD count);
/** Reads one line (at most 8192 characters) through the host.
 * @param file the stream
 * @param line receives the line in a host string
 * @return 0; -18 at the end of the file or when no line can be read; -87 for
 *         a null or stale stream or a null line pointer. */
ZWAPI int __stdcall ZelFileReadString(ZW_HFILE file, ZW_HSTR* line);
/** Writes bytes through the host.
 * @param file the stream
 * @param buffer the bytes
 * @param count how many bytes to write (0 writes nothing and returns 0)
 * @return the number of bytes written; the negated error (-1 when there is no
 *         code); -87 for a null or stale stream, or a null buffer with a count. */
ZWAPI int __stdcall ZelFileWrite(ZW_HFILE file, const void* buffer, DWORD count);
/** Writes a text as one line through the host.
 * @param file the stream
 * @param text the line
 * @return 0; the negated error (-1 when there is no code); -87 for a null or
 *         stale stream or a null text. */
ZWAPI int __stdcall ZelFileWriteString(ZW_HFILE file, LPCWSTR text);
/** Moves the stream's position.
 * @param file the stream
 * @param offset bytes from the origin
 * @param origin 0 the start, 1 the current position, 2 the end
 * @return 0; the negated error; -87 for a null or stale stream or another origin. */
ZWAPI int __stdcall ZelFileSeek(ZW_HFILE file, LONG offset, int origin);
/** The stream's position.
 * @param file the stream
 * @return the position in bytes; the negated error; -87 for a null or stale stream. */
ZWAPI int __stdcall ZelFileTell(ZW_HFILE file);
/* Wildcard operations: each returns the number of files it handled. */
/** Appends every matched file (directories skipped) to one destination file,
 * created when missing, after checking that all of them fit on its drive.
 * @param pattern the files, wildcards allowed
 * @param destination the file appended to (no wildcards)
 * @return the number of files appended; -87 for a null argument or a
 *         destination with wildcards, -2 nothing matches, -39 too little free
 *         space, or the negated error that stopped it. */
ZWAPI int __stdcall ZelFileAppend(LPCWSTR pattern, LPCWSTR destination);
/** Copies every matched file (directories skipped) with its times.
 * @param pattern the files, wildcards allowed
 * @param destination a file, a name pattern ("*.bak") or a directory
 * @return the number of files copied; -87 for a null argument, -2 nothing
 *         matches, -15 invalid drive, -3 destination directory missing,
 *         -39 too little free space, -8 out of memory, or another negated error. */
ZWAPI int __stdcall ZelFileCopy(LPCWSTR pattern, LPCWSTR destination);
/** Expands every matched file (directories skipped) compressed with the LZ
 * format; other files are copied.
 * @param pattern the files, wildcards allowed
 * @param destination a file, a name pattern or a directory
 * @return the number of files expanded; -87 for a null argument, -2 nothing
 *         matches, -15 invalid drive, -3 destination directory missing,
 *         -(100 x error) when an expansion fails, or another negated error. */
ZWAPI int __stdcall ZelFileExpand(LPCWSTR pattern, LPCWSTR destination);
/** Moves every matched file (directories skipped) to its destination name.
 * @param pattern the files, wildcards allowed
 * @param destination a file, a name pattern or a directory
 * @return the number of files moved; -87 for a null argument, -2 nothing
 *         matches, -15 invalid drive, -3 destination directory missing, or
 *         another negated error. */
ZWAPI int __stdcall ZelFileRename(LPCWSTR pattern, LPCWSTR destination);
/** Deletes every matched file (directories are left).
 * @param pattern the files, wildcards allowed
 * @return the number of files deleted; -87 for a null pattern, -2 nothing
 *         matches, or the negated error that stopped it. */
ZWAPI int __stdcall ZelFileDelete(LPCWSTR pattern);
/** Sets or clears attribute bits of every matched file and directory.
 * @param pattern the files, wildcards allowed
 * @param attributes the FILE_ATTRIBUTE_* bits (low 16 bits used)
 * @param set nonzero sets them, 0 clears them
 * @return the number of files changed; -87 for a null pattern, -2 nothing
 *         matches, or the negated error that stopped it. */
ZWAPI int __stdcall ZelFileSetAttribute(LPCWSTR pattern, DWORD attributes, BOOL set);
/** Sets the creation, access and write times of every matched file (directories
 * skipped), as local time at two-second resolution.
 * @param pattern the files, wildcards allowed
 * @param dateTime host date/time, 1980 to 2107 (passed by value)
 * @return the number of files changed; -87 for a null pattern or a null or
 *         unrepresentable date, -2 nothing matches, or the negated error. */
ZWAPI int __stdcall ZelFileSetDateTime(LPCWSTR pattern, ZW_HOSTVALUE dateTime);
/* Single files. ZelFileGetType: 1 program, 2 document with an associated
 * program, 3 hidden or system file, 4 other. */
/** A file's or directory's attribute bits.
 * @param name the file
 * @return the FILE_ATTRIBUTE_* bits; -87 for a null name, or the negated
 *         error (-2 not found, -3 path not found). */
ZWAPI int __stdcall ZelFileGetAttribute(LPCWSTR name);
/** A file's size in bytes (low 32 bits).
 * @param name the file (no wildcards)
 * @return the size; -87 for a null name or one with "*" or "?", or the
 *         negated error (-2 not found, -3 path not found). */
ZWAPI int __stdcall ZelFileGetSize(LPCWSTR name);
/** What kind of file a name is.
 * @param name the file
 * @return 1 program (its extension is in the profile's Programs list),
 *         2 document with an associated program, 3 hidden or system file,
 *         4 other; -87 for a null name, or the negated error of ZelFileGetAttribute. */
ZWAPI int __stdcall ZelFileGetType(LPCWSTR name);
/** The full path of a file found along the search path.
 * @param name the file
 * @return a new host string; an empty one when it is not found or the name is
 *         null or empty. */
ZWAPI ZW_HSTR __stdcall ZelFileFind(LPCWSTR name);
/** Creates a new empty file in the temporary directory, named by
 * GetTempFileName with a "~" put in front (kept without it when that name is taken).
 * @param prefix the name's prefix (GetTempFileName uses up to 3 characters)
 * @return a new host string with the file's full name; an empty one for a null
 *         prefix or when no file can be made. */
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
 * A bad instance below is a null one or one that is no live palette.
 * Notifications: WM_COMMAND posted to the owner with code 1 (focus item set),
 * 2 (focus lost) or 8 (drop-down mode: close requested); message 0x2006 posted
 * to the palette's own window after a completed click (wParam area, lParam
 * index). */
#define ZW_PAL_STYLE_AUTOSIZE      1 /**< the window takes the laid-out size */
#define ZW_PAL_STYLE_DROPDOWN      2 /**< the palette is a drop-down's pop-up */
#define ZW_PAL_STYLE_OTHERCOLOR    4 /**< the "Other Color..." line is shown */
#define ZW_PAL_STYLE_SHOWSELECTION 8 /**< the selection frame shows without the focus */

/** Colour of a role.
 * @param palette the palette's instance
 * @param role 0 grid background, 1 client background, 2 menu background,
 *        3-6 sunken-frame edges, 7 disabled text, 8 text, 9 and 10 selection
 *        frame, 11 stored only
 * @return the role's colour; -1 for a role outside 0..11 or a bad instance. */
ZWAPI int __stdcall ZelPalColorGet(void* palette, int role);
/** Sets the colour of a role and repaints what it colours.
 * @param palette the palette's instance
 * @param role 0..11 (see ZelPalColorGet)
 * @param color the new colour
 * @return the role's previous colour; -1 for a bad role or a bad instance. */
ZWAPI int __stdcall ZelPalColorSet(void* palette, int role, COLORREF color);
/** Replaces the palette colour at min(index, count), or appends it.
 * @param palette the palette's instance
 * @param index 0-based; negative changes nothing
 * @param color the colour
 * @return the colour replaced; -1 when none was (appended, negative index) or
 *         for a bad instance. */
ZWAPI int __stdcall ZelPalColorMainSet(void* palette, int index, COLORREF color);
/** Replaces all palette colours with the numbers of a host array.
 * @param palette the palette's instance
 * @param colors host number array, read at indexes 0 to its upper bound
 * @return the number of elements read (upper bound + 1); -1 for an array the
 *         host does not know or a bad instance. */
ZWAPI int __stdcall ZelPalColorMainSetAll(void* palette, ZW_HARRAY colors);
/** One palette or MRU colour.
 * @param palette the palette's instance
 * @param area 0 palette colours, 1 MRU colours
 * @param index 0-based
 * @return the colour; -1 when there is no such entry or area, or for a bad instance. */
ZWAPI int __stdcall ZelPalColorPaletteGet(void* palette, int area, int index);
/** All colours of an area into a host number array (indexes 0..count-1).
 * @param palette the palette's instance
 * @param area 0 palette colours, 1 MRU colours
 * @param colors host number array that receives them
 * @return the number of colours written (0 leaves the array untouched); -1 for
 *         a bad area, an array that cannot be written or a bad instance. */
ZWAPI int __stdcall ZelPalColorPaletteGetAll(void* palette, int area, ZW_HARRAY colors);
/** The focus item.
 * @param palette the palette's instance
 * @param area receives the focus area (0 colours, 1 menu lines, 2 MRU colours)
 * @param index receives the 0-based index in it
 * @return 1; 0 for a null pointer or a bad instance. */
ZWAPI BOOL __stdcall ZelPalFocusGet(void* palette, int* area, int* index);
/** Moves the focus item, repainting at once and notifying code 1; an entry
 * that does not exist changes nothing.
 * @param palette the palette's instance
 * @param area 0 colours, 1 menu lines, 2 MRU colours, or -1 the current area
 * @param index 0-based
 * @return 1 (also when nothing changed); 0 for a bad instance. */
ZWAPI BOOL __stdcall ZelPalFocusSet(void* palette, int area, int index);
/** Appends a menu line.
 * @param palette the palette's instance
 * @param text the line (null reads as "")
 * @param id its command number
 * @return the new line's index; -1 for a bad instance. */
ZWAPI int __stdcall ZelPalMenuAdd(void* palette, LPCWSTR text, WORD id);
/** Removes every application menu line.
 * @param palette the palette's instance
 * @return 1; 0 for a bad instance. */
ZWAPI BOOL __stdcall ZelPalMenuClear(void* palette);
/** One menu line.
 * @param palette the palette's instance
 * @param index 0-based
 * @param text host string that receives the text (0 makes a new one the caller owns)
 * @param id receives the line's command number
 * @return 1; 0 when there is no such line, for a null pointer, a host string
 *         the host does not know, or a bad instance. */
ZWAPI BOOL __stdcall ZelPalMenuGet(void* palette, int index, ZW_HSTR* text, WORD* id);
/** All menu lines into a host string array and a host number array.
 * @param palette the palette's instance
 * @param texts host string array, filled at indexes 0..count-1
 * @param ids host number array, filled at indexes 0..count-1
 * @return the number of application lines (0 leaves the arrays untouched); -1
 *         for an array that cannot be written or a bad instance. */
ZWAPI int __stdcall ZelPalMenuGetAll(void* palette, ZW_HARRAY texts, ZW_HARRAY ids);
/** Inserts a menu line at min(index, count).
 * @param palette the palette's instance
 * @param index 0-based; negative changes nothing
 * @param text the line (null reads as "")
 * @param id its command number
 * @return 1 (also when nothing changed); 0 for a bad instance. */
ZWAPI BOOL __stdcall ZelPalMenuInsert(void* palette, int index, LPCWSTR text, WORD id);
/** Removes a menu line.
 * @param palette the palette's instance
 * @param index 0-based
 * @return 1; 0 when the index is out of range or for a bad instance. */
ZWAPI BOOL __stdcall ZelPalMenuRemove(void* palette, int index);
/** Replaces the menu line at min(index, count), or appends it.
 * @param palette the palette's instance
 * @param index 0-based; negative changes nothing
 * @param text the line (null reads as "")
 * @param id its command number
 * @return 1 (also when nothing changed); 0 for a bad instance. */
ZWAPI BOOL __stdcall ZelPalMenuSet(void* palette, int index, LPCWSTR text, WORD id);
/** Replaces all menu lines with the elements of two host arrays.
 * @param palette the palette's instance
 * @param texts host string array, read at indexes 0 to its upper bound
 * @param ids host number array with the same upper bound
 * @return the number of lines assigned; -1 when the upper bounds differ, an
 *         array is unknown to the host, or for a bad instance (nothing changed). */
ZWAPI int __stdcall ZelPalMenuSetAll(void* palette, ZW_HARRAY texts, ZW_HARRAY ids);
/** Empties the MRU colours (a focus there moves to the first palette colour).
 * @param palette the palette's instance
 * @return 1; 0 for a bad instance. */
ZWAPI BOOL __stdcall ZelPalMRUClear(void* palette);
/** The largest number of MRU colours kept.
 * @param palette the palette's instance
 * @return the maximum; -1 for a bad instance. */
ZWAPI int __stdcall ZelPalMRUMaxGet(void* palette);
/** Sets the largest number of MRU colours kept, dropping the oldest beyond it.
 * @param palette the palette's instance
 * @param maximum the new maximum, clamped to 0..255
 * @return the previous maximum; -1 for a bad instance. */
ZWAPI int __stdcall ZelPalMRUMaxSet(void* palette, int maximum);
/** The style bits.
 * @param palette the palette's instance
 * @return the ZW_PAL_STYLE_* bits; 0 for a bad instance. */
ZWAPI DWORD __stdcall ZelPalStyleGet(void* palette);
/** Sets or clears style bits. Clearing ZW_PAL_STYLE_OTHERCOLOR removes the
 * "Other Color..." line and empties the MRU colours; setting it puts the line back last.
 * @param palette the palette's instance
 * @param mask the ZW_PAL_STYLE_* bits to change
 * @param value nonzero sets them, 0 clears them
 * @return the bits before the change; 0 for a bad instance. */
ZWAPI DWORD __stdcall ZelPalStyleSet(void* palette, DWORD mask, BOOL value);
/* ---- Palette drop-down -------------------------------------------------------- */
/* A colour field ("cColorPaletteDropDown") whose button opens a colour
 * palette below it, addressed by the instance it announced with
 * ZWM_ControlCreate. A null instance shows message 48 and fails; an instance
 * that is no live palette drop-down fails (a bad instance below is either),
 * writing one debug line. The field's window text is its colour in decimal;
 * setting a text above 16777215 is refused. Notifications (WM_COMMAND to the
 * owner, code in the high word of wParam): 7 dropped down, 8 closed up, 1 the
 * field's colour changed. */

/** The popup palette, for the ZelPal functions (its focus moves onto colours
 * are shown in the field).
 * @param dropDown the palette drop-down's instance
 * @return the palette's instance; 0 for a bad instance. */
ZWAPI void* __stdcall ZelPalCmbPaletteGet(void* dropDown);
/** The popup palette's style bits.
 * @param dropDown the palette drop-down's instance
 * @return the ZW_PAL_STYLE_* bits; 0 for a bad instance. */
ZWAPI DWORD __stdcall ZelPalCmbStyleGet(void* dropDown);
/** Sets or clears style bits of the popup palette, as ZelPalStyleSet.
 * @param dropDown the palette drop-down's instance
 * @param mask the ZW_PAL_STYLE_* bits to change
 * @param value nonzero sets them, 0 clears them
 * @return the bits before the change; 0 for a bad instance. */
ZWAPI DWORD __stdcall ZelPalCmbStyleSet(void* dropDown, DWORD mask, BOOL value);
/* ---- Splitter, spin field and meter ------------------------------------------ */
/* A splitter is addressed by the instance it announced with ZWM_ControlCreate.
 * A null instance shows message 48 and fails; an instance that is no live
 * splitter fails too (a bad instance below is either). */

/** Orientation of a splitter bar.
 * @param splitter the splitter's instance
 * @return 1 (or any nonzero value of the stored flag) for a vertical bar with
 *         left and right panes, 0 for a horizontal bar; -1 for a bad instance. */
ZWAPI int __stdcall ZelSplitGetOrientation(void* splitter);
/** Moves the bar to the drag position without resizing it: the pointer's
 * position while the user drags it, else where the bar already is.
 * @param splitter the splitter's instance
 * @return the bar's left (vertical bar) or top (horizontal bar) in its
 *         parent's client area; -1 for a bad instance. */
ZWAPI int __stdcall ZelSplitMoveToDragPos(void* splitter);
/** Tiles the bar to its parent and places both panes on either side of it;
 * a pane whose area is empty is hidden.
 * @param splitter the splitter's instance
 * @return 1; 0 for a bad instance. */
ZWAPI int __stdcall ZelSplitResizeObjects(void* splitter);
/** Makes a window one of the splitter's panes, removes its border and lays
 * the panes out again; a window that filled the other slot leaves it.
 * @param splitter the splitter's instance
 * @param which 1 the first pane (above or left of the bar), any other value the second
 * @param window the pane
 * @return the slot's previous window (0 when it was empty); 0 for a bad
 *         instance or when window is null or not a window. */
ZWAPI HWND __stdcall ZelSplitSetChild(void* splitter, int which, HWND window);
/** Makes the bar 6 pixels thick and as long as its parent's client area,
 * at its current position along its axis.
 * @param splitter the splitter's instance
 * @return 1; 0 for a bad instance. */
ZWAPI int __stdcall ZelSplitTileToParent(void* splitter);

/* Spin field messages (send to the spin field window):
 * 0x401 lParam minimum, 0x402 lParam maximum (each empties the text);
 * 0x403 wParam decimal adjust (negative: decimal places), lParam increment
 * (0 ignores the message); 0x404 lParam value (ignored outside the limits);
 * 0x405 step up, 0x406 step down (each returns the new value); 0x407 returns
 * the text as a new host string; 0x41F and EM_SETREADONLY go to the edit. */

/** Sets a meter's percentage and redraws it at once.
 * @param meter a meter window ("ZW:cMeter:10")
 * @param percent 0 to 100
 * @return 0; -87 when meter is not a meter window or percent is above 100
 *         (the meter is left unchanged). */
ZWAPI int __stdcall ZelWinSetMeter(HWND meter, UINT percent);
/* ---- Calendar ---------------------------------------------------------------- */
/* A calendar is addressed by the instance it announced with ZWM_ControlCreate
 * (void*). A null instance shows message 48 and fails; an instance that is no
 * live calendar fails (a bad instance below is either). Each failure inside
 * writes one debug line (the function's name, "()", and a text naming what
 * failed). Dates are host
 * date/time values: passed by value they take 28 bytes of arguments.
 *
 * Style bits (ZelCalGetStyle, ZelCalSetStyle), with their defaults: */
#define ZW_CAL_AUTOSIZE          0x0001 /**< off: the window is sized to its content */
#define ZW_CAL_DROPDOWN          0x0002 /**< off: serves as a drop-down popup */
#define ZW_CAL_ARROWSACTIVE      0x0004 /**< on: the arrow buttons work */
#define ZW_CAL_KEYBOARD          0x0008 /**< on: keys move the focus and mark */
#define ZW_CAL_3D                0x0010 /**< off: button-face look */
#define ZW_CAL_MULTISELECT       0x0020 /**< off: any set of dates may be marked */
#define ZW_CAL_OUTSIDESELECTABLE 0x0040 /**< on: adjacent-month days may be marked */
#define ZW_CAL_SPECIALSELECTABLE 0x0080 /**< on: days of special-date rules may be marked */
#define ZW_CAL_SHOWOUTSIDE       0x0100 /**< on: adjacent-month days are shown */
#define ZW_CAL_SHOWFOCUS         0x0200 /**< on: the focus day is framed */
#define ZW_CAL_INSETFOCUS        0x0400 /**< off: the frame lies 1 pixel inside */
#define ZW_CAL_SHOWSPECIAL       0x0800 /**< off: special-date rules colour their days */
#define ZW_CAL_VERTICALARROWS    0x1000 /**< off: up and down arrows */
/* Notifications (WM_COMMAND to the owner, code in the high word of wParam):
 * 1 focus date set, 2 focus lost, 3 displayed month changed, 8 close up. */

/** Unmarks every date.
 * @param calendar the calendar's instance
 * @return 1; 0 for a bad instance. */
ZWAPI int __stdcall ZelCalClearMarked(void* calendar);
/** Removes every special-date rule.
 * @param calendar the calendar's instance
 * @return 1; 0 for a bad instance. */
ZWAPI int __stdcall ZelCalClearSpecials(void* calendar);
/** Colour of a role. Roles 0, 1 and 9 follow the owner's list-box colours at
 * each paint.
 * @param calendar the calendar's instance
 * @param role 0 client background, 1 days, 2 adjacent-month days, 3 title and
 *        weekday row, 4 marked days, 5 button face, 6 light edges, 7 dark
 *        edges, 8 arrows, 9 day numbers, 10 weekday names, 11 adjacent-month
 *        numbers, 12 disabled text, 13 title text, 14 marked numbers, 15 lines
 * @return the colour; CLR_INVALID (-1) for another role or a bad instance. */
ZWAPI COLORREF __stdcall ZelCalGetColor(void* calendar, int role);
/** Gives a role a colour and repaints what shows it.
 * @param calendar the calendar's instance
 * @param role 0..15 (see ZelCalGetColor)
 * @param colour the new colour
 * @return the previous colour; CLR_INVALID (-1) for another role or a bad instance. */
ZWAPI COLORREF __stdcall ZelCalSetColor(void* calendar, int role, COLORREF colour);
/** The focus date (midnight).
 * @param calendar the calendar's instance
 * @param date receives the host date/time (25 bytes)
 * @return 1; 0 for a null date pointer or a bad instance. */
ZWAPI int __stdcall ZelCalGetFocusDate(void* calendar, ZW_HOSTVALUE* date);
/** Makes a date (without its time) the focus date, displaying its month when
 * the grid does not show it.
 * @param calendar the calendar's instance
 * @param date host date/time (passed by value)
 * @return 1 when set; 0 for an invalid or null date (nothing changes) or a bad instance. */
ZWAPI int __stdcall ZelCalSetFocusDate(void* calendar, ZW_HOSTVALUE date);
/** The marked dates, into a date/time array at 0, 1, ... with its bounds set
 * to 0 .. count - 1 (empty when none).
 * @param calendar the calendar's instance
 * @param dates host date/time array that receives them
 * @return the count; -1 for an array the host does not know or a bad instance. */
ZWAPI int __stdcall ZelCalGetMarked(void* calendar, ZW_HARRAY dates);
/** Whether exactly this date and time is marked.
 * @param calendar the calendar's instance
 * @param date host date/time (passed by value)
 * @return 1 when marked; 0 when not, or for a bad instance. */
ZWAPI int __stdcall ZelCalIsDateMarked(void* calendar, ZW_HOSTVALUE date);
/** Marks or unmarks a date (time included).
 * @param calendar the calendar's instance
 * @param date host date/time (passed by value)
 * @param mark 1 marks, 0 unmarks
 * @return 1 when the marks changed; 0 when the date already was in that
 *         state, for another mark value, or a bad instance. */
ZWAPI int __stdcall ZelCalMarkDate(void* calendar, ZW_HOSTVALUE date, int mark);
/** ZelCalMarkDate for every element of a date/time array.
 * @param calendar the calendar's instance
 * @param dates host date/time array
 * @param mark 1 marks, 0 unmarks
 * @return the number of dates changed; -1 for an array the host does not know
 *         or cannot read, or a bad instance. */
ZWAPI int __stdcall ZelCalMarkDates(void* calendar, ZW_HARRAY dates, int mark);
/** Adds (or replaces) or removes a special-date rule, whose days are drawn in
 * its colours.
 * @param calendar the calendar's instance
 * @param kind 1 that date, 2 that weekday every week, 3 that day of every
 *        month, 4 the occurrence-th such weekday of every month, 5 that day
 *        every year, 6 the occurrence-th such weekday of that month every year
 * @param date host date/time giving year, month and day (passed by value)
 * @param weekday 1 Sunday .. 7 Saturday
 * @param occurrence 1..5
 * @param textColour, backgroundColour the colours of the rule's days
 * @param add 1 adds or replaces, 0 removes
 * @return 1 when added, replaced or removed; 0 when there was nothing to
 *         remove, for another add value, or a bad instance. */
ZWAPI int __stdcall ZelCalSpecialDate(void* calendar, int kind, ZW_HOSTVALUE date, int weekday, int occurrence,
                                      COLORREF textColour, COLORREF backgroundColour, int add);
/** Whether a rule of any kind matches the date's year, month and day with the
 * given weekday and occurrence.
 * @param calendar the calendar's instance
 * @param kind plays no part
 * @param date host date/time (passed by value)
 * @param weekday 1 Sunday .. 7 Saturday
 * @param occurrence 1..5
 * @return 1 when one matches; 0 when none does, or for a bad instance. */
ZWAPI int __stdcall ZelCalIsDateSpecial(void* calendar, int kind, ZW_HOSTVALUE date, int weekday, int occurrence);
/** Every special-date rule, into four arrays at 0, 1, ...; all four get the
 * bounds 0 .. count - 1.
 * @param calendar the calendar's instance
 * @param kinds host number array of the rules' kinds
 * @param dates host date/time array of their dates (from year, month and day;
 *        null when the kind has none)
 * @param weekdays host number array of their weekdays
 * @param occurrences host number array of their occurrences
 * @return the count; -1 for an array the host does not know or a bad instance. */
ZWAPI int __stdcall ZelCalGetSpecials(void* calendar, ZW_HARRAY kinds, ZW_HARRAY dates, ZW_HARRAY weekdays,
                                      ZW_HARRAY occurrences);
/** The style word.
 * @param calendar the calendar's instance
 * @return the ZW_CAL_* bits; 0 for a bad instance. */
ZWAPI DWORD __stdcall ZelCalGetStyle(void* calendar);
/** Sets or clears style bits. Turning ZW_CAL_MULTISELECT off leaves only the
 * focus date marked.
 * @param calendar the calendar's instance
 * @param bits the ZW_CAL_* bits to change
 * @param on nonzero sets them, 0 clears them
 * @return the style word before the change; 0 for a bad instance. */
ZWAPI DWORD __stdcall ZelCalSetStyle(void* calendar, DWORD bits, int on);
/** Replaces the month names that every calendar shows.
 * @param calendar the calendar's instance (repainted)
 * @param names host string array of exactly 12 elements, January first
 * @return 1; 0 for another element count or a bad instance (no name changes). */
ZWAPI int __stdcall ZelCalSetMonths(void* calendar, ZW_HARRAY names);
/** Replaces the weekday names that every calendar shows (abbreviated to two
 * characters in the calendar).
 * @param calendar the calendar's instance (repainted)
 * @param names host string array of exactly 7 elements, Sunday first
 * @return 1; 0 for another element count or a bad instance (no name changes). */
ZWAPI int __stdcall ZelCalSetWeekDays(void* calendar, ZW_HARRAY names);
/** Sets the first day of the week.
 * @param calendar the calendar's instance
 * @param weekday 1 Sunday .. 7 Saturday
 * @return the previous first day; -1 for a weekday outside 1..7 (reported in
 *         a message box) or a bad instance. */
ZWAPI int __stdcall ZelCalWeekStartSet(void* calendar, int weekday);
/** The first day of the week.
 * @param calendar the calendar's instance
 * @return 1 Sunday .. 7 Saturday; -1 for a bad instance (no debug line). */
ZWAPI int __stdcall ZelCalWeekStartGet(void* calendar);
/* ---- Calendar drop-down ------------------------------------------------------- */
/* A date field ("cCalendarDropDown") whose button opens a calendar below it,
 * addressed by the instance it announced with ZWM_ControlCreate. A null
 * instance shows message 48 and fails; an instance that is no live calendar
 * drop-down fails (a bad instance below is either), writing one debug line.
 * The keys T, + and - in the field set today, the next day and the previous
 * day. Notifications (WM_COMMAND to the owner, code in the high word of
 * wParam): 7 dropped down, 8 closed up, 1 the field's date was set (from the
 * calendar or by a date key), 2 the calendar lost the focus, 3 its displayed
 * month changed, 0x300 the field's text changed; 0x2004 is posted to the
 * drop-down itself when the focused field's text changed. */

/** The popup calendar, for the ZelCal functions (its focus date moves are
 * shown in the field at once).
 * @param dropDown the calendar drop-down's instance
 * @return the calendar's instance; 0 for a bad instance. */
ZWAPI void* __stdcall ZelCalCmbGetCalendar(void* dropDown);
/** Whether dates may be typed into the field (the date keys and the calendar
 * work either way).
 * @param dropDown the calendar drop-down's instance
 * @return 1 editable, 0 read-only; 0 for a bad instance. */
ZWAPI BOOL __stdcall ZelCalCmbGetEditable(void* dropDown);
/** Makes the field editable or read-only.
 * @param dropDown the calendar drop-down's instance
 * @param editable nonzero: editable; 0: read-only
 * @return the previous flag (1 or 0); 0 for a bad instance. */
ZWAPI BOOL __stdcall ZelCalCmbSetEditable(void* dropDown, BOOL editable);
/** Copies the field's date picture (empty: the host's default picture).
 * @param dropDown the calendar drop-down's instance
 * @param buffer receives at most size - 1 characters and a terminator
 * @param size the buffer's size in characters
 * @return 1 when copied; 0 for a null buffer, a size below 1 or a bad instance. */
ZWAPI int __stdcall ZelCalCmbGetPicture(void* dropDown, LPWSTR buffer, int size);
/** Sets the field's date picture and shows the calendar's focus date with it.
 * @param dropDown the calendar drop-down's instance
 * @param picture a host date picture; null or empty: the host's default
 * @return 1 when a non-empty picture was replaced, 0 when the previous one was
 *         empty (the new one is set all the same); 0 for a bad instance. */
ZWAPI int __stdcall ZelCalCmbSetPicture(void* dropDown, LPCWSTR picture);
/** The popup calendar's style word.
 * @param dropDown the calendar drop-down's instance
 * @return the ZW_CAL_* bits; 0 for a bad instance. */
ZWAPI DWORD __stdcall ZelCalCmbGetStyle(void* dropDown);
/** Sets or clears style bits of the popup calendar, as ZelCalSetStyle.
 * @param dropDown the calendar drop-down's instance
 * @param bits the ZW_CAL_* bits to change
 * @param on nonzero sets them, 0 clears them
 * @return the style word before the change; 0 for a bad instance. */
ZWAPI DWORD __stdcall ZelCalCmbSetStyle(void* dropDown, DWORD bits, int on);
/* ---- Outline list box: item handles, window and drawing -------------------
 * Any host list box or combo box becomes an outline box with ZelListSetStyle.
 * An item handle (ZW_HITEM) is a tree node of an outline box; the hidden root
 * is at level -1, top-level items at level 0. Handles are checked against the
 * live items: a stale or garbage handle gets the failure value. */
typedef struct ZW_ITEM_* ZW_HITEM; /**< item handle: a tree node of an outline box */
typedef struct ZW_PIC_* ZW_HPIC; /**< picture handle (see "Pictures and fonts") */

/* Private messages of outline boxes */
#define ZW_LBN_SELCHANGE 0x6003 /**< posted to the box: the selection may have changed */
#define ZW_LBN_BUTTON 0x6009 /**< posted to the box: the plus or minus button of row wParam was pressed */

/** The hidden root of an outline box, made on first demand.
 * @param list the outline box
 * @return the root; 0 when list is not a window, the box is not in outline
 *         mode or memory runs out. */
ZWAPI ZW_HITEM __stdcall ZelListGetRoot(HWND list);
/** The item shown in a row.
 * @param list the outline box
 * @param row 0-based row; -1 the root
 * @return the item; 0 for a plain row, a bad row, or a window that is not an
 *         outline box. */
ZWAPI ZW_HITEM __stdcall ZelListGetItemHandle(HWND list, int row);
/** The row in which an item is shown (a combo box: its selected row).
 * @param item the item
 * @return the 0-based row; -1 for an item without a row or a null or stale handle. */
ZWAPI int __stdcall ZelListGetItemIndex(ZW_HITEM item);
/** An item's level (top-level items 0).
 * @param item the item
 * @return the level; -1 for the root and for a null or stale handle. */
ZWAPI int __stdcall ZelListGetLevel(ZW_HITEM item);
/** An item's parent.
 * @param item the item
 * @return the parent (the root for a top-level item); 0 for the root or a
 *         null or stale handle. */
ZWAPI ZW_HITEM __stdcall ZelListGetParent(ZW_HITEM item);
/** An item's next sibling.
 * @param item the item
 * @return the sibling; 0 when there is none or the handle is null or stale. */
ZWAPI ZW_HITEM __stdcall ZelListGetNextSibling(ZW_HITEM item);
/** An item's previous sibling.
 * @param item the item
 * @return the sibling; 0 when there is none or the handle is null or stale. */
ZWAPI ZW_HITEM __stdcall ZelListGetPrevSibling(ZW_HITEM item);

/* Outline style bits */
#define ZW_LS_OUTLINE            0x00000001 /**< outline mode (always set once attached) */
#define ZW_LS_UPPERCASE          0x00000002 /**< text of new rows in upper case */
#define ZW_LS_LOWERCASE          0x00000004 /**< text of new rows in lower case */
#define ZW_LS_SELKEEPSCOLOR      0x00000008 /**< a selected row keeps its own text colour */
#define ZW_LS_PAINTPICCOLUMN     0x00000010 /**< the picture column is painted with the background first */
#define ZW_LS_PICTUREABOVE       0x00000020 /**< the picture is centred above the text */
#define ZW_LS_NOTREELINES        0x00000040 /**< no tree lines */
#define ZW_LS_COMBONOEDITCOPY    0x00000100 /**< a combo box does not copy the selected row into its edit field */
#define ZW_LS_SELFOLLOWSFOCUS    0x00000200 /**< the selection follows the focus */
#define ZW_LS_KEEPSELFRAME       0x00000400 /**< the selected row keeps a highlight frame without the focus */
#define ZW_LS_MULTIPLESEL        0x00000800 /**< list box: multiple selection (LBS_MULTIPLESEL) */
#define ZW_LS_HSCROLL            0x00001000 /**< the horizontal extent grows to the widest drawn row */
#define ZW_LS_SELONBACKGROUND    0x00002000 /**< selected rows drawn in their colours on the box background */
#define ZW_LS_OPAQUEFROMINDENT   0x00004000 /**< the opaque text rectangle starts at the indent */
#define ZW_LS_SELBACKISCOLOR     0x00008000 /**< a selected row's background is its own text colour */
#define ZW_LS_WIDEEXTENT         0x00010000 /**< horizontal extent twice the window width, and WS_HSCROLL */
#define ZW_LS_BUTTONS            0x00020000 /**< plus and minus buttons on rows with children (ZW_LBN_BUTTON) */
#define ZW_LS_PROPERCASE         0x00040000 /**< text of new rows without lower case is proper-cased */
#define ZW_LS_EXTENDEDSEL        0x01000000 /**< list box: extended selection (LBS_EXTENDEDSEL) */
#define ZW_LS_DISABLENOSCROLL    0x02000000 /**< LBS_DISABLENOSCROLL or CBS_DISABLENOSCROLL */
#define ZW_LS_NOINTEGRALHEIGHT   0x04000000 /**< LBS_NOINTEGRALHEIGHT or CBS_NOINTEGRALHEIGHT */
#define ZW_LS_COMBOEXTENDEDUI    0x08000000 /**< outline combo box with the extended keyboard interface */

/** Turns a host list or combo box into an outline box (any bit of 0x08FFFFFF)
 * and sets its window styles.
 * @param list the host list or combo box
 * @param style ZW_LS_* bits
 * @param create the box's creation structure when called while the box is
 *        being created (owner-drawn styles only take effect then), else null
 * @return 1; 0 when the window is not a list or combo box, has no parent, or
 *         memory runs out. */
ZWAPI int __stdcall ZelListSetStyle(HWND list, DWORD style, CREATESTRUCTW* create);
/** The box's outline style bits.
 * @param list the outline box
 * @return the ZW_LS_* bits; 0 when the window is not an outline box. */
ZWAPI DWORD __stdcall ZelListGetStyle(HWND list);
/** Sets the indent per level.
 * @param list the outline box
 * @param indent in halves of the average character width
 * @return 1; 0 when the window is not an outline box. */
ZWAPI int __stdcall ZelListSetIndent(HWND list, int indent);
/** Turns the process-wide outline redraw switch on (and repaints the box) or off.
 * @param list the outline box
 * @param redraw nonzero on, 0 off
 * @return 1; 0 when the window is not an outline box. */
ZWAPI int __stdcall ZelListSetOutlineRedraw(HWND list, BOOL redraw);
/** Rebuilds the rows from the tree; plain rows are removed.
 * @param list the outline box
 * @param level the deepest level shown; 0x7FFE every item not marked hidden
 * @return 1; 0 when nothing was shown (rows stay cleared) or the window is
 *         not an outline box. */
ZWAPI int __stdcall ZelListShowOutline(HWND list, int level);
/** The text rectangle of a row in client pixels.
 * @param list the outline list box
 * @param row 0-based row
 * @param top, left, bottom, right receive the edges (each may be null)
 * @return 1; 0 for a combo box, a window that is not an outline box, a bad
 *         row or a row without a record. */
ZWAPI int __stdcall ZelListGetTextRectangle(HWND list, int row, int* top, int* left, int* bottom, int* right);
/** The row under a client point.
 * @param list the outline list box
 * @param x, y the point in client pixels
 * @return the 0-based row; -1 outside the rows, for a combo box or a window
 *         that is not an outline box. */
ZWAPI int __stdcall ZelListGetIndexFromPoint(HWND list, int x, int y);
/** The first and last visible rows of any list box.
 * @param list the list box
 * @param first, last receive the rows (each may be null)
 * @return the number of visible rows; -87 when the window is not a list box. */
ZWAPI int __stdcall ZelListGetVisibleRange(HWND list, int* first, int* last);

/* ---- Outline list box: tree operations --------------------------------------
 * Items are added without rows; rows appear when their parent is expanded or
 * the outline is shown (ZelListShowOutline). Values -2 to -6 of
 * ZelListLoadChild name the standard shell folders (My Computer, Network
 * Neighborhood, My Documents, Recycle Bin, The Internet), whose display names
 * become the item's text. */

/** A new item as the last child of `parent`, without a row. Its text takes
 * the box's case conversion; its colour is the box's text colour.
 * @param list the outline box
 * @param parent the parent item (the root for a top-level item)
 * @param normal, selected its pictures (0: none)
 * @param text its text (null reads as ""); replaced by the folder's display
 *        name for a value of -2 to -6
 * @param value its value; -2 to -6 name standard shell folders
 * @param flags its item flags
 * @return the item; 0 when list is not an outline box, or the parent is null,
 *         stale or of another box. */
ZWAPI ZW_HITEM __stdcall ZelListLoadChild(HWND list, ZW_HITEM parent, ZW_HPIC normal, ZW_HPIC selected,
                                          LPCWSTR text, LONG_PTR value, DWORD flags);
/** A new item right after `sibling`, marked hidden (as ZelListLoadChild).
 * @param list the outline box
 * @param sibling the item it follows (not the root)
 * @param normal, selected its pictures (0: none)
 * @param text its text (null reads as "")
 * @param value its value; -2 to -6 name standard shell folders
 * @param flags its item flags
 * @return the item; 0 when list is not an outline box, or the sibling is
 *         null, stale, the root or of another box. */
ZWAPI ZW_HITEM __stdcall ZelListLoadSibling(HWND list, ZW_HITEM sibling, ZW_HPIC normal, ZW_HPIC selected,
                                            LPCWSTR text, LONG_PTR value, DWORD flags);
/** Children of one parent from three host arrays of the same size, in order.
 * @param list the outline box
 * @param parent the parent item
 * @param normal, selected the pictures of every child
 * @param texts host string array of their texts
 * @param values host number array of their values
 * @param flags host number array of their item flags
 * @return the number added; -87 when the arrays differ in size, list is not
 *         an outline box or the parent is bad; -8 when an item cannot be made. */
ZWAPI int __stdcall ZelListLoadChildren(HWND list, ZW_HITEM parent, ZW_HPIC normal, ZW_HPIC selected,
                                        ZW_HARRAY texts, ZW_HARRAY values, ZW_HARRAY flags);
/** Shows the children of the item in a row as rows below it.
 * @param list the outline box
 * @param row the item's row; -1 the top level
 * @return the number of rows inserted; 0 when none were, or for a bad row or
 *         a window that is not an outline box. */
ZWAPI int __stdcall ZelListExpand(HWND list, int row);
/** Shows every hidden item of the branch of a row.
 * @param list the outline box
 * @param row the item's row; -1 the whole tree
 * @return 1; 0 for a bad row, a window that is not an outline box, or when a
 *         row cannot be added. */
ZWAPI int __stdcall ZelListExpandDescendents(HWND list, int row);
/** Hides the rows below the item in a row, keeping the items.
 * @param list the outline box
 * @param row the item's row
 * @return 1; 0 for a row without an item or a window that is not an outline box. */
ZWAPI int __stdcall ZelListCollapse(HWND list, int row);
/** Deletes the item in a row with its branch and their rows.
 * @param list the outline box
 * @param row the item's row
 * @return the host's result of deleting the row; -1 for a row without an item
 *         or a window that is not an outline box. */
ZWAPI int __stdcall ZelListDeleteChild(HWND list, int row);
/** Deletes the branch below the item in a row, with its rows.
 * @param list the outline box
 * @param row the item's row
 * @return the last host delete result (0 when nothing was shown); -1 for a
 *         row without an item or a window that is not an outline box. */
ZWAPI int __stdcall ZelListDeleteDescendents(HWND list, int row);
/** Frees an item with its branch without touching rows (a row still showing
 * one of them becomes a plain row).
 * @param item the item
 * @return 1; 0 for a null or stale handle or the root. */
ZWAPI int __stdcall ZelListFreeChild(ZW_HITEM item);
/** Frees an item's branch (the item stays).
 * @param item the item (the root frees the whole tree)
 * @return 1; 0 for a null or stale handle. */
ZWAPI int __stdcall ZelListFreeDescendents(ZW_HITEM item);
/** Makes the item in a row the last child of its previous sibling, which
 * gets the pictures.
 * @param list the outline box
 * @param row the item's row
 * @param normal, selected the new parent's pictures
 * @return 1; 0 for row 0 or a row without an item, no previous sibling, a
 *         previous sibling with hidden children, or a window that is not an
 *         outline box. */
ZWAPI int __stdcall ZelListDemote(HWND list, int row, ZW_HPIC normal, ZW_HPIC selected);
/** Makes the item in a row the next sibling of its parent; a parent left
 * without children gets the pictures.
 * @param list the outline box
 * @param row the item's row
 * @param normal, selected the old parent's pictures when it is left childless
 * @return 1; 0 for a top-level item, a row without an item or a window that
 *         is not an outline box. */
ZWAPI int __stdcall ZelListPromote(HWND list, int row, ZW_HPIC normal, ZW_HPIC selected);
/** Swaps the item in a row with its previous sibling, rows and all.
 * @param list the outline box
 * @param row the item's row
 * @return 1; 0 when there is no previous sibling, for a row without an item
 *         or a window that is not an outline box. */
ZWAPI int __stdcall ZelListMoveUp(HWND list, int row);
/** Swaps the item in a row with its next sibling, rows and all.
 * @param list the outline box
 * @param row the item's row
 * @return 1; 0 when there is no next sibling, for a row without an item or a
 *         window that is not an outline box. */
ZWAPI int __stdcall ZelListMoveDown(HWND list, int row);
/** Moves an item with its branch to a row of an outline list box of the same
 * parent window (or the same box).
 * @param source the outline list box it comes from
 * @param sourceRow its row
 * @param target the outline list box it goes to
 * @param targetRow the row of the item it is put under or after
 * @param mode 0x01 as that item's last child, 0x02 as its next sibling
 * @return 1; 0 for a combo box or a window that is not an outline box, boxes
 *         of different parents, a mode with neither bit, a row without an
 *         item, or a target inside the moved branch. */
ZWAPI int __stdcall ZelListDragDrop(HWND source, int sourceRow, HWND target, int targetRow, int mode);
/** Fills a host number array with the handles of an item's children, bounds
 * 0 to count - 1.
 * @param item the item
 * @param numbers host number array
 * @return the count; 0 when there are none, for a null or stale handle, or an
 *         array the host does not take. */
ZWAPI int __stdcall ZelListEnumChildren(ZW_HITEM item, ZW_HARRAY numbers);
/** Fills a host number array with the handles of an item's descendants in
 * pre-order, bounds 0 to count - 1.
 * @param item the item
 * @param numbers host number array
 * @return the count; 0 when there are none, for a null or stale handle, or an
 *         array the host does not take. */
ZWAPI int __stdcall ZelListEnumDescendents(ZW_HITEM item, ZW_HARRAY numbers);
/** The first item in pre-order from `item` (itself included) with a value.
 * @param item where the search starts (the root searches the whole tree)
 * @param value the value sought
 * @return the item; 0 when none has it, or for a null or stale handle. */
ZWAPI ZW_HITEM __stdcall ZelListFindItemValue(ZW_HITEM item, LONG_PTR value);

/* ---- Outline list box: rows with colours, fonts and pictures ----------------
 * A colour's low 24 bits are the text colour; in the adding functions its top
 * 8 bits are set as row flags (0x01000000 disabled). Each returns the new row;
 * -87 for a bad window, -1 when the box is not an outline box or refuses the
 * row, -8 when memory runs out. */
/** Appends a row in a text colour.
 * @param list the outline box
 * @param text its text (null reads as "")
 * @param colour low 24 bits the text colour, top 8 bits row flags
 * @return the new row; -87 when list is not a window, -1 when it is not an
 *         outline box (or has no parent) or refuses
 *         the row, -8 when memory runs out. */
ZWAPI int __stdcall ZelListAddColor(HWND list, LPCWSTR text, DWORD colour);
/** Appends a row in a text colour, with a value.
 * @param list the outline box
 * @param text its text (null reads as "")
 * @param colour low 24 bits the text colour, top 8 bits row flags
 * @param value its value
 * @return the new row; -87 when list is not a window, -1 when it is not an
 *         outline box (or has no parent) or refuses
 *         the row, -8 when memory runs out. */
ZWAPI int __stdcall ZelListAddColorValue(HWND list, LPCWSTR text, DWORD colour, LONG_PTR value);
/** Inserts a row in a text colour.
 * @param list the outline box
 * @param row 0-based row it is inserted at; negative appends
 * @param text its text (null reads as "")
 * @param colour low 24 bits the text colour, top 8 bits row flags
 * @return the new row; -87 when list is not a window, -1 when it is not an
 *         outline box (or has no parent) or refuses
 *         the row, -8 when memory runs out. */
ZWAPI int __stdcall ZelListInsertColor(HWND list, int row, LPCWSTR text, DWORD colour);
/** Inserts a row in a text colour, with a value.
 * @param list the outline box
 * @param row 0-based row it is inserted at; negative appends
 * @param text its text (null reads as "")
 * @param colour low 24 bits the text colour, top 8 bits row flags
 * @param value its value
 * @return the new row; -87 when list is not a window, -1 when it is not an
 *         outline box (or has no parent) or refuses
 *         the row, -8 when memory runs out. */
ZWAPI int __stdcall ZelListInsertColorValue(HWND list, int row, LPCWSTR text, DWORD colour, LONG_PTR value);
/** Appends a row in a font.
 * @param list the outline box
 * @param text its text (null reads as "")
 * @param font its font (0: the box's)
 * @return the new row; -87 when list is not a window, -1 when it is not an
 *         outline box (or has no parent) or refuses
 *         the row, -8 when memory runs out. */
ZWAPI int __stdcall ZelListAddFont(HWND list, LPCWSTR text, HFONT font);
/** Appends a row in a font, with a value.
 * @param list the outline box
 * @param text its text (null reads as "")
 * @param font its font (0: the box's)
 * @param value its value
 * @return the new row; -87 when list is not a window, -1 when it is not an
 *         outline box (or has no parent) or refuses
 *         the row, -8 when memory runs out. */
ZWAPI int __stdcall ZelListAddFontValue(HWND list, LPCWSTR text, HFONT font, LONG_PTR value);
/** Inserts a row in a font.
 * @param list the outline box
 * @param row 0-based row it is inserted at; negative appends
 * @param text its text (null reads as "")
 * @param font its font (0: the box's)
 * @return the new row; -87 when list is not a window, -1 when it is not an
 *         outline box (or has no parent) or refuses
 *         the row, -8 when memory runs out. */
ZWAPI int __stdcall ZelListInsertFont(HWND list, int row, LPCWSTR text, HFONT font);
/** Inserts a row in a font, with a value.
 * @param list the outline box
 * @param row 0-based row it is inserted at; negative appends
 * @param text its text (null reads as "")
 * @param font its font (0: the box's)
 * @param value its value
 * @return the new row; -87 when list is not a window, -1 when it is not an
 *         outline box (or has no parent) or refuses
 *         the row, -8 when memory runs out. */
ZWAPI int __stdcall ZelListInsertFontValue(HWND list, int row, LPCWSTR text, HFONT font, LONG_PTR value);
/** Appends a row with pictures.
 * @param list the outline box
 * @param text its text (null reads as "")
 * @param normal, selected its pictures (0: none)
 * @return the new row; -87 when list is not a window, -1 when it is not an
 *         outline box or refuses the row, -8 when memory runs out. */
ZWAPI int __stdcall ZelListAddPicture(HWND list, LPCWSTR text, ZW_HPIC normal, ZW_HPIC selected);
/** Appends a row with pictures, with a value.
 * @param list the outline box
 * @param text its text (null reads as "")
 * @param normal, selected its pictures (0: none)
 * @param value its value
 * @return the new row; -87 when list is not a window, -1 when it is not an
 *         outline box or refuses the row, -8 when memory runs out. */
ZWAPI int __stdcall ZelListAddPictureValue(HWND list, LPCWSTR text, ZW_HPIC normal, ZW_HPIC selected, LONG_PTR value);
/** Inserts a row with pictures.
 * @param list the outline box
 * @param row 0-based row it is inserted at; negative appends
 * @param text its text (null reads as "")
 * @param normal, selected its pictures (0: none)
 * @return the new row; -87 when list is not a window, -1 when it is not an
 *         outline box or refuses the row, -8 when memory runs out. */
ZWAPI int __stdcall ZelListInsertPicture(HWND list, int row, LPCWSTR text, ZW_HPIC normal, ZW_HPIC selected);
/** Inserts a row with pictures, with a value.
 * @param list the outline box
 * @param row 0-based row it is inserted at; negative appends
 * @param text its text (null reads as "")
 * @param normal, selected its pictures (0: none)
 * @param value its value
 * @return the new row; -87 when list is not a window, -1 when it is not an
 *         outline box or refuses the row, -8 when memory runs out. */
ZWAPI int __stdcall ZelListInsertPictureValue(HWND list, int row, LPCWSTR text, ZW_HPIC normal, ZW_HPIC selected,
                                              LONG_PTR value);

/* ---- Outline list box: row attributes (a row without a record fails) --------- */
/** The row's text colour.
 * @param list the outline box
 * @param row 0-based row
 * @return the colour (low 24 bits); -1 for a bad row or a window that is not
 *         an outline box. */
ZWAPI LONG __stdcall ZelListGetColor(HWND list, int row);
/** Sets the row's text colour and repaints it.
 * @param list the outline box
 * @param row 0-based row
 * @param colour the colour (low 24 bits used)
 * @return 1; 0 for a bad row or a window that is not an outline box. */
ZWAPI int __stdcall ZelListSetColor(HWND list, int row, DWORD colour);
/** Deselects the row, sets its colour and disables it (a disabled row never
 * counts as selected and is drawn in its normal colours).
 * @param list the outline box
 * @param row 0-based row
 * @param colour the new colour (low 24 bits used)
 * @return the row; -1 for a bad row or a window that is not an outline box. */
ZWAPI int __stdcall ZelListDisableItem(HWND list, int row, DWORD colour);
/** Deselects the row, sets its colour and enables it again.
 * @param list the outline box
 * @param row 0-based row
 * @param colour the new colour (low 24 bits used)
 * @return the row; -1 for a bad row or a window that is not an outline box. */
ZWAPI int __stdcall ZelListEnableItem(HWND list, int row, DWORD colour);
/** The row's font.
 * @param list the outline box
 * @param row 0-based row
 * @return the font; 0 when it has none, for a bad row or a window that is not
 *         an outline box. */
ZWAPI HFONT __stdcall ZelListGetFont(HWND list, int row);
/** Sets the row's font and measures the row again.
 * @param list the outline box
 * @param row 0-based row
 * @param font the font (0: the box's)
 * @return 1; 0 for a bad row or a window that is not an outline box. */
ZWAPI int __stdcall ZelListSetFont(HWND list, int row, HFONT font);
/** The row's pictures.
 * @param list the outline box
 * @param row 0-based row
 * @param normal, selected receive the pictures (each may be null)
 * @return 1; 0 for a bad row or a window that is not an outline box. */
ZWAPI int __stdcall ZelListGetPicture(HWND list, int row, ZW_HPIC* normal, ZW_HPIC* selected);
/** Sets the row's pictures and measures the row again.
 * @param list the outline box
 * @param row 0-based row
 * @param normal, selected the pictures (0: none)
 * @return 1; 0 for a bad row or a window that is not an outline box. */
ZWAPI int __stdcall ZelListSetPicture(HWND list, int row, ZW_HPIC normal, ZW_HPIC selected);
/** The row's flags.
 * @param list the outline box
 * @param row 0-based row
 * @return the flags (negative when 0x80000000 is set); -1 for a bad row or a
 *         window that is not an outline box. */
ZWAPI LONG __stdcall ZelListGetFlags(HWND list, int row);
/** Sets or clears row flags: set 0x02000000 takes the row out (a plain row is
 * deleted), 0x20000000 deletes it, 0x04000000 selects or deselects it,
 * 0x80000000 expands it.
 * @param list the outline box
 * @param row 0-based row
 * @param flags the flags
 * @param set nonzero sets them, 0 clears them
 * @return 1; 0 for a bad row or a window that is not an outline box. */
ZWAPI int __stdcall ZelListSetFlags(HWND list, int row, DWORD flags, BOOL set);

/* ---- Outline list box: item attributes ------------------------------------------
 * A null or stale handle gives 0 (an empty host string for the text). */
/** An item's text.
 * @param item the item
 * @return a new host string; an empty one for a null or stale handle; 0 when
 *         the string cannot be made. */
ZWAPI ZW_HSTR __stdcall ZelListGetItemText(ZW_HITEM item);
/** Sets an item's text (with the box's case conversion) and repaints its row.
 * @param item the item
 * @param text the text (null reads as "")
 * @return 1; 0 for a null or stale handle. */
ZWAPI int __stdcall ZelListSetItemText(ZW_HITEM item, LPCWSTR text);
/** An item's value.
 * @param item the item
 * @return the value; 0 for a null or stale handle. */
ZWAPI LONG_PTR __stdcall ZelListGetItemValue(ZW_HITEM item);
/** Sets an item's value.
 * @param item the item
 * @param value the value
 * @return 1; 0 for a null or stale handle. */
ZWAPI int __stdcall ZelListSetItemValue(ZW_HITEM item, LONG_PTR value);
/** An item's colour as stored (all 32 bits).
 * @param item the item
 * @return the colour; 0 for a null or stale handle. */
ZWAPI DWORD __stdcall ZelListGetItemColor(ZW_HITEM item);
/** Stores an item's colour as given and repaints (a combo box or row 0: the
 * whole box).
 * @param item the item
 * @param colour the colour (low 24 bits the text colour)
 * @return 1; 0 for a null or stale handle. */
ZWAPI int __stdcall ZelListSetItemColor(ZW_HITEM item, DWORD colour);
/** An item's font.
 * @param item the item
 * @return the font; 0 when it has none, or for a null or stale handle. */
ZWAPI HFONT __stdcall ZelListGetItemFont(ZW_HITEM item);
/** Sets an item's font, measuring its row again when shown.
 * @param item the item
 * @param font the font (0: the box's)
 * @return 1; 0 for a null or stale handle. */
ZWAPI int __stdcall ZelListSetItemFont(ZW_HITEM item, HFONT font);
/** An item's pictures.
 * @param item the item
 * @param normal, selected receive the pictures (each may be null)
 * @return 1; 0 for a null or stale handle. */
ZWAPI int __stdcall ZelListGetItemPicture(ZW_HITEM item, ZW_HPIC* normal, ZW_HPIC* selected);
/** Sets an item's pictures, measuring its row again when shown.
 * @param item the item
 * @param normal, selected the pictures (0: none)
 * @return 1; 0 for a null or stale handle. */
ZWAPI int __stdcall ZelListSetItemPicture(ZW_HITEM item, ZW_HPIC normal, ZW_HPIC selected);
/** An item's flags.
 * @param item the item
 * @return the flags (negative when 0x80000000 is set); 0 for a null or stale handle. */
ZWAPI LONG __stdcall ZelListGetItemFlags(ZW_HITEM item);
/** Sets or clears item flags. Setting on a shown item: 0x20000000 deletes it,
 * 0x02000000 hides it, else 0x04000000 selects its row and without it the row
 * is deselected; setting without 0x02000000 shows a hidden item again under an
 * expanded parent; 0x80000000 expands (set) or collapses (clear) it.
 * @param item the item
 * @param flags the flags
 * @param set nonzero sets them, 0 clears them
 * @return 1; 0 for a null or stale handle. */
ZWAPI int __stdcall ZelListSetItemFlags(ZW_HITEM item, DWORD flags, BOOL set);
/** An item's text, value and flags.
 * @param item the item
 * @param text receives the text in a host string (0 makes a new one; may be null)
 * @param value receives the value (may be null)
 * @param flags receives the flags (may be null)
 * @return 1; 0 for a null or stale handle or when the string cannot be made. */
ZWAPI int __stdcall ZelListGetItemData(ZW_HITEM item, ZW_HSTR* text, LONG_PTR* value, DWORD* flags);
/** Sets an item's value, sets its flags (as ZelListSetItemFlags with set)
 * and then its text.
 * @param list the outline box the item belongs to
 * @param item the item
 * @param text the text (null reads as "")
 * @param value the value
 * @param flags the flags set
 * @return 1; 0 when list is not a window, or for a null or stale handle or an
 *         item of another box. */
ZWAPI int __stdcall ZelListSetItemData(HWND list, ZW_HITEM item, LPCWSTR text, LONG_PTR value, DWORD flags);

/* ---- General list functions: any host list or combo box ---------------------
 * -87 when the window is not a window. */
/** Appends a text and sets its row's value.
 * @param list the list or combo box
 * @param text the row's text (null reads as "")
 * @param value its value (item data)
 * @return the row; -87 when list is not a window, the box's negative answer
 *         when the row cannot be added, -1 when the value cannot be set. */
ZWAPI int __stdcall ZelListAddValue(HWND list, LPCWSTR text, LONG_PTR value);
/** Inserts a text at a row and sets its value.
 * @param list the list or combo box
 * @param row 0-based row; negative appends
 * @param text the row's text (null reads as "")
 * @param value its value (item data)
 * @return the row; -87 when list is not a window, the box's negative answer
 *         when the row cannot be inserted, -1 when the value cannot be set. */
ZWAPI int __stdcall ZelListInsertValue(HWND list, int row, LPCWSTR text, LONG_PTR value);
/** A row's value (item data; in an outline box the row's value).
 * @param list the list or combo box
 * @param row 0-based row
 * @return the value; -1 (LB_ERR) for a bad row; -87 when list is not a window
 *         (either may also be a stored value). */
ZWAPI LONG_PTR __stdcall ZelListGetValue(HWND list, int row);
/** Sets a row's value (item data).
 * @param list the list or combo box
 * @param row 0-based row
 * @param value the value
 * @return the box's answer to LB_SETITEMDATA or CB_SETITEMDATA (-1 for a bad
 *         row); -87 when list is not a window. */
ZWAPI int __stdcall ZelListSetValue(HWND list, int row, LONG_PTR value);
/** A row's text.
 * @param list the list or combo box
 * @param row 0-based row
 * @return a new host string; an empty one for a bad row or window; 0 when the
 *         string cannot be made. */
ZWAPI ZW_HSTR __stdcall ZelListGetText(HWND list, int row);
/** Replaces a row's text, keeping its value and selection (in an outline box
 * with its case conversion).
 * @param list the list or combo box
 * @param row 0-based row
 * @param text the new text (null reads as "")
 * @return 0; -1 for a bad row or when the text cannot be set; -87 when list
 *         is not a window. */
ZWAPI int __stdcall ZelListSetText(HWND list, int row, LPCWSTR text);
/** Clears the box and adds every string of a host string array.
 * @param list the list or combo box
 * @param strings host string array (a bad array adds nothing)
 * @return the number added; the box's negative answer to a failed add; -87
 *         when list is not a window. */
ZWAPI int __stdcall ZelListArrayPopulate(HWND list, ZW_HARRAY strings);
/** Clears the box and adds every string of a host string array, with the
 * values of a host number array of the same size.
 * @param list the list or combo box
 * @param strings host string array
 * @param numbers host number array of the rows' values
 * @return the number added; -87 when list is not a window, numbers is 0 or the
 *         arrays differ in size; the box's negative answer to a failed add;
 *         -1 when a value cannot be set. */
ZWAPI int __stdcall ZelListArrayPopulateValue(HWND list, ZW_HARRAY strings, ZW_HARRAY numbers);
/** The first row after `start` whose whole text equals the text without
 * regard to case, wrapping to row 0.
 * @param list the list or combo box
 * @param start the row after which the search starts (-1: from row 0)
 * @param text the text sought (null reads as "")
 * @return the row; -1 when none matches; -87 when list is not a window. */
ZWAPI int __stdcall ZelListFindString(HWND list, int start, LPCWSTR text);
/** The first row after `start` whose value equals, wrapping to row 0.
 * @param list the list or combo box
 * @param start the row after which the search starts (-1 or a bad row: from row 0)
 * @param value the value sought
 * @return the row; -1 when none has it, or when list is not a window. */
ZWAPI int __stdcall ZelListFindValue(HWND list, int start, LONG_PTR value);
/** Clears the selection.
 * @param list the list or combo box
 * @return 1; -87 when list is not a window. */
ZWAPI int __stdcall ZelListClearSelection(HWND list);
/** Deletes the selected rows (a single-selection list box without a selection:
 * its caret row).
 * @param list the list or combo box
 * @return the number deleted; -1 when a deletion fails, -8 when memory runs
 *         out, -87 when list is not a window. */
ZWAPI int __stdcall ZelListDeleteSelected(HWND list);
/** Whether a list box has multiple or extended selection.
 * @param list the list box
 * @return 1 when it has; 0 when not, or for a combo box or a window that is
 *         no list box. */
ZWAPI int __stdcall ZelListIsMultiSelect(HWND list);
/** The caret row of a list box, the selected row of a combo box.
 * @param list the list or combo box
 * @return the row; -1 when there is none; -87 when list is not a window. */
ZWAPI int __stdcall ZelListGetFocusIndex(HWND list);
/** Sets the caret row of a multiple-selection list box, else selects the row.
 * @param list the list or combo box
 * @param row 0-based row
 * @return the box's answer (LB_SETCARETINDEX, LB_SETCURSEL or CB_SETCURSEL;
 *         -1 for a bad row); -87 when list is not a window. */
ZWAPI int __stdcall ZelListSetFocusIndex(HWND list, int row);
/** Scrolls a list box so that a row is at the top.
 * @param list the list box
 * @param row 0-based row
 * @return 1; 0 for a bad row, a combo box, or when list is not a window. */
ZWAPI int __stdcall ZelListScroll(HWND list, int row);
/** Whether a combo box is dropped down.
 * @param list the combo box
 * @return nonzero when dropped down, 0 when not; -87 when list is not a window. */
ZWAPI int __stdcall ZelListGetDropdownState(HWND list);
/** Drops a combo box down or closes it.
 * @param list the combo box
 * @param dropped nonzero drops it down, 0 closes it
 * @return the combo box's answer to CB_SHOWDROPDOWN (1); -87 when list is not a window. */
ZWAPI int __stdcall ZelListSetDropdownState(HWND list, BOOL dropped);
/** Widens a list box's horizontal extent to the text of a row (never
 * narrows it) and scrolls to the left edge.
 * @param list the list box
 * @param row 0-based row; negative every row
 * @return 0; -8 when a device context cannot be had, -1 when a row cannot be
 *         read (nothing changed), -87 when list is not a window. */
ZWAPI int __stdcall ZelListSetScrollWidth(HWND list, int row);

/* ---- Outline list box: saved outlines and outline text files -----------------
 * A saved outline is a byte block (signature 0x8759) in a host string whose
 * size is the block length plus one. */
/** Saves the whole outline (style, indent, top row, pictures, fonts and
 * every item) into a host string.
 * @param list the outline box
 * @param saved receives the block in a host string (made by the call)
 * @return 0; -87 when list is not a window or not an outline box, or saved is
 *         null; -8 when memory or a device context cannot be had. */
ZWAPI int __stdcall ZelListSaveOutline(HWND list, ZW_HSTR* saved);
/** Replaces the outline with a saved one and shows it.
 * @param list the outline box
 * @param saved host string from ZelListSaveOutline
 * @return the root; 0 when list is not a window, saved is 0, the block's
 *         signature is wrong (nothing changes), or it is damaged or a picture
 *         or font cannot be loaded (the outline is left empty). */
ZWAPI ZW_HITEM __stdcall ZelListLoadOutline(HWND list, ZW_HSTR saved);
/** Replaces the outline with one built from an indented ANSI text file (a tab
 * counts 8 columns, a space 1). Rows are not added: show them with
 * ZelListShowOutline.
 * @param list the outline box
 * @param file the file (found along the search path; at most 65533 bytes)
 * @param parentNormal, parentSelected pictures of items with children (0: the
 *        library's "plusdk" and "pluswht" bitmaps)
 * @param itemNormal, itemSelected pictures of the other items (0: the
 *        library's "minusdk" and "minuswht" bitmaps)
 * @return the root; 0 when list is not a window or not an outline box, a
 *         picture cannot be loaded, or the file is missing, too large or
 *         unreadable (the outline is then left empty). */
ZWAPI ZW_HITEM __stdcall ZelListLoadOutlineFile(HWND list, LPCWSTR file, ZW_HPIC parentNormal,
                                                ZW_HPIC parentSelected, ZW_HPIC itemNormal, ZW_HPIC itemSelected);

/* ---- Pictures and fonts -------------------------------------------------------
 * A picture handle (ZW_HPIC) is a bitmap with a transparency mask (pixels of
 * the top-left pixel's colour are transparent) or an icon. Fonts are GDI font
 * handles. Enhancement bits: 0x02 italic, 0x04 underline, 0x08 bold,
 * 0x10 strikeout. */
#define PIC_FormatBitmap 0x0001 /**< the picture is a bitmap */
#define PIC_FormatIcon   0x0002 /**< the picture is an icon */
#define PIC_FromMemory   0x0100 /**< source points at a .BMP or .ICO file image */
#define PIC_FromModule   0x0200 /**< source is a program or library; name a resource */
#define PIC_FromFile     0x0400 /**< source is a .BMP or .ICO file */
#define PIC_FromHost     0x0800 /**< name (else source) is a host application resource */
#define PIC_LargeIcon    0x1000 /**< scaled to the large icon size */
#define PIC_SmallIcon    0x2000 /**< scaled to 16 by 16 */
#define PIC_OwnedByList  0x8000 /**< freed with the picture cache of its list box */

/** Loads a picture. A source whose text from its first "." is ".BMP", ".ICO",
 * ".EXE" or ".DLL" adds the matching source and format bits.
 * @param flags PIC_* bits: one source, one format, optionally a size
 * @param source file, module or memory image (see the source bits)
 * @param name resource name in a module or the host application; for an icon
 *        from a module "#n" (or empty) takes the module's icon number n
 * @return the picture; 0 when it cannot be loaded, or the format is not given
 *         (a debug line). */
ZWAPI ZW_HPIC __stdcall ZelPicLoad(UINT flags, LPCWSTR source, LPCWSTR name);
/** Destroys a picture.
 * @param picture the picture
 * @return 0; -87 for a null or stale handle. */
ZWAPI int __stdcall ZelPicFree(ZW_HPIC picture);
/** Makes a font.
 * @param face the face name (fewer than 32 characters)
 * @param points the size in points
 * @param bits enhancement bits: 0x02 italic, 0x04 underline, 0x08 bold, 0x10 strikeout
 * @return the font (a GDI font handle); 0 for a null face, one of 32
 *         characters or more, or when it cannot be made. */
ZWAPI HFONT __stdcall ZelFontLoad(LPCWSTR face, int points, UINT bits);
/** Reads a font back.
 * @param font the font
 * @param face receives the face name in a host string (0 makes a new one; may be null)
 * @param points receives the point size (may be null)
 * @param bits receives the enhancement bits (may be null)
 * @return 1; 0 when the handle is not a font or it cannot be measured. */
ZWAPI int __stdcall ZelFontGet(HFONT font, ZW_HSTR* face, int* points, WORD* bits);
/** Deletes a font and forgets it in every list box's font cache.
 * @param font the font (a handle that is not a font is left alone)
 * @return 1 always; there is no failure value. */
ZWAPI int __stdcall ZelFontFree(HFONT font);
/** Lists font families (a face met twice is listed once), both arrays
 * getting bounds 0 to count - 1.
 * @param which 0x1 screen fonts, 0x2 default printer fonts (listed first)
 * @param names host string array of the face names
 * @param types host number array of their types: 4 TrueType, 1 device,
 *        2 raster, 0 other
 * @return the number of fonts; -87 when an array is not a live one-dimensional
 *         host array, -8 on an internal failure. */
ZWAPI int __stdcall ZelFontEnum(UINT which, ZW_HARRAY names, ZW_HARRAY types);
/* ---- Menus ------------------------------------------------------------------ */
/* Item numbering. On a menu of a host frame window (class "Pellam:AccFrame",
 * whose menu is changed through the frame's own methods) an item value from 0
 * to 1023 is a 0-based position and 1024 or more a command identifier. On
 * other menus a value of 0 or more is a position and a negative value is
 * itself the command identifier (MF_BYCOMMAND); for inserting, deleting and
 * the texts -1 counts as a position, so that -1 inserts at the end.
 * Inserted items get their owner window's next free command identifier: one
 * more than the highest in its menu when the library first changed it. In
 * texts "\\t" written as backslash and t starts the accelerator column.
 * Pictures and fonts are those of ZelPicLoad and ZelFontLoad; the library
 * draws the items that show them, and forgets its records of a window's
 * items when the window is destroyed. */

/** The menu of a window.
 * @param window any window
 * @return the window's menu bar, else its parent's, else the own menu of the
 *         host frame that is or contains the window; 0 when there is none or
 *         the window is not a window. */
ZWAPI HMENU __stdcall ZelMenuGetHandle(HWND window);
/** The system menu of a window.
 * @param window any window
 * @return the window's system menu, else its parent's; 0 when neither has one
 *         or the window is not a window. */
ZWAPI HMENU __stdcall ZelMenuGetSystemHandle(HWND window);
/** The popup menu an item opens.
 * @param menu the menu
 * @param position 0-based position of the item
 * @return the popup; 0 when the item opens none or menu is not a menu. */
ZWAPI HMENU __stdcall ZelMenuGetPopupHandle(HMENU menu, int position);
/** The number of items of a menu.
 * @param menu the menu
 * @return the item count; -1 when menu is not a menu. */
ZWAPI int __stdcall ZelMenuGetCount(HMENU menu);
/** Puts a check mark at an item.
 * @param menu the menu
 * @param item position or command identifier (see Item numbering)
 * @return 1 when done; 0 when there is no such item or menu is not a menu. */
ZWAPI BOOL __stdcall ZelMenuCheck(HMENU menu, int item);
/** Takes an item's check mark away.
 * @param menu the menu
 * @param item position or command identifier
 * @return 1 when done; 0 when there is no such item or menu is not a menu. */
ZWAPI BOOL __stdcall ZelMenuUncheck(HMENU menu, int item);
/** Enables an item.
 * @param menu the menu
 * @param item position or command identifier
 * @return 1 when done; 0 when there is no such item or menu is not a menu. */
ZWAPI BOOL __stdcall ZelMenuEnable(HMENU menu, int item);
/** Disables an item and shows it greyed.
 * @param menu the menu
 * @param item position or command identifier
 * @return 1 when done; 0 when there is no such item or menu is not a menu. */
ZWAPI BOOL __stdcall ZelMenuDisable(HMENU menu, int item);
/** Whether an item has a check mark.
 * @param menu the menu
 * @param item position or command identifier
 * @return nonzero when checked; 0 when not, when there is no such item or
 *         menu is not a menu. */
ZWAPI BOOL __stdcall ZelMenuIsChecked(HMENU menu, int item);
/** Whether an item is enabled.
 * @param menu the menu
 * @param item position or command identifier
 * @return nonzero when enabled; 0 when disabled or greyed, when there is no
 *         such item or menu is not a menu. */
ZWAPI BOOL __stdcall ZelMenuIsEnabled(HMENU menu, int item);
/** The text of an item (for the items the library draws, the text it keeps).
 * @param menu the menu
 * @param item position (-1 names none) or command identifier
 * @param window the window the menu belongs to (not needed to find the text)
 * @return a new host string with the text; an empty one when there is no
 *         such item or menu is not a menu. */
ZWAPI ZW_HSTR __stdcall ZelMenuGetText(HMENU menu, int item, HWND window);
/** Changes the text of an item.
 * @param menu the menu
 * @param item position (-1 names none) or command identifier
 * @param text the new text ("\\t" starts the accelerator column)
 * @param window the window whose menu bar is redrawn when the item is on it (may be 0)
 * @return 1 when done; 0 when there is no such item, text is null, memory is
 *         short or menu is not a menu. */
ZWAPI BOOL __stdcall ZelMenuSetText(HMENU menu, int item, LPCWSTR text, HWND window);
/** Inserts a text item.
 * @param menu the menu: the window's menu bar or a popup in it, its system
 *        menu, its parent's menu, or a menu of a host frame
 * @param item the item before which the new one goes: position (-1 the end)
 *        or command identifier
 * @param text the item's text ("\\t" starts the accelerator column)
 * @param window the window the menu belongs to
 * @param flags MF_GRAYED, MF_DISABLED, MF_CHECKED, MF_MENUBREAK,
 *        MF_MENUBARBREAK, MF_SEPARATOR or MF_RIGHTJUSTIFY; other bits are ignored
 * @return the new item's command identifier; 0 when the menu belongs to none
 *         of those windows, the item is not there, text is null, memory is
 *         short, or menu or window is not one. */
ZWAPI UINT __stdcall ZelMenuInsert(HMENU menu, int item, LPCWSTR text, HWND window, UINT flags);
/** Inserts an item showing a picture before its text.
 * @param menu the menu (as for ZelMenuInsert)
 * @param item the item before which the new one goes
 * @param text the item's text
 * @param window the window the menu belongs to
 * @param picture the picture (ZelPicLoad); the application keeps it alive
 *        while the item shows it
 * @param flags MF_ bits as for ZelMenuInsert
 * @return the new item's command identifier; 0 as for ZelMenuInsert, and for
 *         a null or stale picture. */
ZWAPI UINT __stdcall ZelMenuInsertPicture(HMENU menu, int item, LPCWSTR text, HWND window, ZW_HPIC picture,
                                          UINT flags);
/** Inserts an item whose text is drawn in a chosen font.
 * @param menu the menu (as for ZelMenuInsert)
 * @param item the item before which the new one goes
 * @param text the item's text
 * @param window the window the menu belongs to
 * @param font the font (ZelFontLoad); the application keeps it alive while
 *        the item shows it
 * @return the new item's command identifier; 0 as for ZelMenuInsert, and
 *         when font is not a font. */
ZWAPI UINT __stdcall ZelMenuInsertFont(HMENU menu, int item, LPCWSTR text, HWND window, HFONT font);
/** Shows a picture before an item's text. Outside host frames an item the
 * library inserted, or any item given an icon, becomes drawn by the library;
 * another item shows a bitmap in its check-mark place.
 * @param menu the menu (as for ZelMenuInsert)
 * @param item position or command identifier
 * @param text the item's new text; null or empty keeps it
 * @param window the window the menu belongs to
 * @param picture the picture (ZelPicLoad)
 * @param flags MF_GRAYED, MF_DISABLED or MF_CHECKED for an item the library
 *        starts to draw
 * @return 1 when done; 0 when there is no such item, the menu belongs to no
 *         window named, the picture is null or stale, memory is short, or menu
 *         or window is not one. */
ZWAPI BOOL __stdcall ZelMenuSetPicture(HMENU menu, int item, LPCWSTR text, HWND window, ZW_HPIC picture,
                                       UINT flags);
/** Draws an item's text in a chosen font (the library draws the item from then on).
 * @param menu the menu (as for ZelMenuInsert)
 * @param item position or command identifier
 * @param text the item's new text; null or empty keeps it
 * @param window the window the menu belongs to
 * @param font the font (ZelFontLoad)
 * @return 1 when done; 0 when there is no such item, the menu belongs to no
 *         window named, font is not a font, memory is short, or menu or window
 *         is not one. */
ZWAPI BOOL __stdcall ZelMenuSetFont(HMENU menu, int item, LPCWSTR text, HWND window, HFONT font);
/** Deletes an item (a popup with its menu).
 * @param menu the menu
 * @param item position (-1 names none) or command identifier
 * @param window the window whose menu bar is redrawn when the item was on it (may be 0)
 * @return 1 when done; 0 when there is no such item or menu is not a menu. */
ZWAPI BOOL __stdcall ZelMenuDelete(HMENU menu, int item, HWND window);
/* ---- Arrays and numbers ---------------------------------------------------- */
/* Host arrays are one-dimensional: an array of more dimensions (or a handle
 * the host does not know) is refused. Element type codes: 1 Bool, 2 date/time,
 * 3 number, 5 and 7 string, 256 handle. Indexes are the array's own (from its
 * lower bound). Strings that are moved are fetched, stored and released. */

/** Adds the source's elements after the target's (an empty target is filled
 * from index 0). A type code not listed moves nothing but still extends the
 * target's bounds.
 * @param source the array read
 * @param target the array extended
 * @param type element type code
 * @return the target's new element count; 0 when the source is empty (nothing
 *         changes); -1 when either array is refused; -8 when the host runs
 *         out of memory for an element (the target keeps what it held). */
ZWAPI int __stdcall ZelArrayAppend(ZW_HARRAY source, ZW_HARRAY target, int type);
/** Makes the target an element-for-element copy of the source, bounds included.
 * @param source the array read
 * @param target the array written
 * @param type element type code
 * @return the number of elements copied; -1 when either array is refused; -8
 *         when the host runs out of memory for an element. */
ZWAPI int __stdcall ZelArrayCopy(ZW_HARRAY source, ZW_HARRAY target, int type);
/** Removes an element, moving the later ones down.
 * @param array the array
 * @param index the element's index (from the lower bound)
 * @param type element type code
 * @return the new element count; -1 for a refused or empty array; -87 for an
 *         index outside the bounds, or a type code not listed when elements
 *         have to move; -8 when the host runs out of memory moving them. */
ZWAPI int __stdcall ZelArrayDeleteItem(ZW_HARRAY array, LONG index, int type);
/** Inserts an empty element (0, a null number or date/time, a null string),
 * moving the elements from there up.
 * @param array the array
 * @param index where it goes (within the bounds)
 * @param type element type code
 * @return the new element count; -1 for a refused array; -87 for an index
 *         outside the bounds (an empty array has none) or a type code not
 *         listed; -8 when the host runs out of memory moving elements. */
ZWAPI int __stdcall ZelArrayInsertItem(ZW_HARRAY array, LONG index, int type);
/** Makes the array `count` copies of a text at indexes 0 to count - 1.
 * @param array host string array
 * @param text the text (null fills empty strings)
 * @param count the number of elements (0 or less empties the array)
 * @return 1; 0 for a refused array or when the host does not take the elements. */
ZWAPI int __stdcall ZelArrayFillString(ZW_HARRAY array, LPCWSTR text, int count);
/** Makes the array `count` copies of a number at indexes 0 to count - 1.
 * @param array host number array
 * @param number host number (passed by value)
 * @param count the number of elements (0 or less empties the array)
 * @return 1; 0 for a refused array or when the host does not take the elements. */
ZWAPI int __stdcall ZelArrayFillNumber(ZW_HARRAY array, ZW_HOSTVALUE number, int count);
/** Makes the array `count` copies of a date/time at indexes 0 to count - 1.
 * @param array host date/time array
 * @param dateTime host date/time (passed by value)
 * @param count the number of elements (0 or less empties the array)
 * @return 1; 0 for a refused array or when the host does not take the elements. */
ZWAPI int __stdcall ZelArrayFillDateTime(ZW_HARRAY array, ZW_HOSTVALUE dateTime, int count);
/** The first element equal to a text (whole, without regard to case),
 * searching from the lower bound.
 * @param array host string array
 * @param text the text (null reads as "")
 * @return the element's index; -1 when none is equal, the array is empty or refused. */
ZWAPI int __stdcall ZelArrayFindString(ZW_HARRAY array, LPCWSTR text);
/** The first element equal to a number (by length byte and significant
 * bytes), searching from the lower bound.
 * @param array host number array
 * @param number host number (passed by value)
 * @return the element's index; -1 when none is equal, the array is empty or refused. */
ZWAPI int __stdcall ZelArrayFindNumber(ZW_HARRAY array, ZW_HOSTVALUE number);
/** The first element equal to a date/time (year, month, day, hour, minute and
 * second; fractions of a second do not count), searching from the lower bound.
 * @param array host date/time array
 * @param dateTime host date/time (passed by value)
 * @return the element's index; -1 when none is equal, the array is empty or refused. */
ZWAPI int __stdcall ZelArrayFindDateTime(ZW_HARRAY array, ZW_HOSTVALUE dateTime);
/** Sorts an array; equal elements keep their order. Other type codes or
 * orders, and elements that cannot be read as the type code says, leave the
 * array unchanged.
 * @param array the array
 * @param order 0 ascending, 1 descending
 * @param type 3 numbers, 2 date/times (by value), 5 or 7 strings (by the
 *        system's comparison without regard to case, kana type or width)
 * @return the element count; -1 for a refused or empty array. */
ZWAPI int __stdcall ZelArraySort(ZW_HARRAY array, int order, int type);
/** One of two host numbers by a condition.
 * @param condition nonzero chooses whenTrue
 * @param whenTrue, whenFalse host numbers (passed by value)
 * @return the chosen number, by value; there is no failure value. */
ZWAPI ZW_HOSTVALUE __stdcall ZelNumberChoose(int condition, ZW_HOSTVALUE whenTrue, ZW_HOSTVALUE whenFalse);
/** Sets the mask's bits in a number.
 * @param value the number changed
 * @param mask the bits set
 * @return the new value; 0 when value is null. */
ZWAPI DWORD __stdcall ZelNumberBitSet(DWORD* value, DWORD mask);
/** Clears the mask's bits in a number.
 * @param value the number changed
 * @param mask the bits cleared
 * @return the new value; 0 when value is null. */
ZWAPI DWORD __stdcall ZelNumberBitClear(DWORD* value, DWORD mask);
/** The value shifted right by 8 bits (not masked: 0x12345678 gives 0x123456).
 * @param value the value
 * @return value >> 8; there is no failure value. */
ZWAPI DWORD __stdcall ZelNumberHighByte(DWORD value);
/** The low 8 bits of a value.
 * @param value the value
 * @return value & 0xFF; there is no failure value. */
ZWAPI BYTE __stdcall ZelNumberLowByte(DWORD value);
/** Makes a 32-bit number of two 16-bit halves.
 * @param low the low half
 * @param high the high half
 * @return high * 65536 + low; there is no failure value. */
ZWAPI DWORD __stdcall ZelNumberMakeLong(WORD low, WORD high);

/* ---- Directories, drives and network ------------------------------------------ */
/* Listings write their elements at indexes 0, 1, ... and set each array they
 * fill to exactly those elements (bounds 0 to count - 1); they return the
 * count. Arrays must be live one-dimensional host arrays (else -87). Dates
 * are last-write times in local time at two-second resolution. */

/** Subdirectories that a pattern matches ("." and ".." never listed), as bare names.
 * @param pattern the search pattern, wildcards allowed
 * @param names host string array of the names
 * @return the count; -87 for a null pattern or a bad array, the negated error
 *         of the search when nothing matches (-2, -3), -8 on an internal failure. */
ZWAPI int __stdcall ZelDosEnumDirs(LPCWSTR pattern, ZW_HARRAY names);
/** Subdirectories that a pattern matches ("." and ".." never listed), with
 * their last-write date/times and attribute bits.
 * @param pattern the search pattern, wildcards allowed
 * @param names host string array of the bare names
 * @param dates host date/time array of their last-write times
 * @param attributes host number array of their attribute bits
 * @return the count; -87 for a null pattern or a bad array, the negated error
 *         of the search when nothing matches (-2, -3), -8 on an internal failure. */
ZWAPI int __stdcall ZelDosEnumDirInfo(LPCWSTR pattern, ZW_HARRAY names, ZW_HARRAY dates, ZW_HARRAY attributes);
/** Files (never directories) that a pattern matches, as bare names.
 * @param pattern the search pattern, wildcards allowed
 * @param filter 0 lists files that are neither hidden nor system, otherwise
 *        files having every filter bit (FILE_ATTRIBUTE_*)
 * @param names host string array of the names
 * @return the count; -87 for a null pattern or a bad array, the negated error
 *         of the search when nothing matches (-2, -3), -8 on an internal failure. */
ZWAPI int __stdcall ZelDosEnumFiles(LPCWSTR pattern, WORD filter, ZW_HARRAY names);
/** Files (never directories) that a pattern matches, with sizes, last-write
 * date/times and attribute bits.
 * @param pattern the search pattern, wildcards allowed
 * @param filter 0 lists every file, otherwise files having any filter bit
 * @param names host string array of the bare names
 * @param sizes host number array of their sizes (low 32 bits)
 * @param dates host date/time array of their last-write times
 * @param attributes host number array of their attribute bits
 * @return the count; -87 for a null pattern or a bad array, the negated error
 *         of the search when nothing matches (-2, -3), -8 on an internal failure. */
ZWAPI int __stdcall ZelDosEnumFileInfo(LPCWSTR pattern, WORD filter, ZW_HARRAY names, ZW_HARRAY sizes,
                                       ZW_HARRAY dates, ZW_HARRAY attributes);
/** Every existing drive as "X:\", A to Z.
 * @param names host string array of the drives
 * @return the count; -87 for a bad array, -8 on an internal failure. */
ZWAPI int __stdcall ZelDosEnumDrives(ZW_HARRAY names);
/** The directories of the PATH variable that exist, each with a backslash
 * appended (entries written with a trailing backslash are left out).
 * @param names host string array of the directories
 * @return the count; -87 for a bad array, -8 on an internal failure. */
ZWAPI int __stdcall ZelDosEnumPath(ZW_HARRAY names);
/** Remote drives ("X:") and then printer ports ("LPT1" to "LPT3") with the
 * network names they are connected to.
 * @param localNames host string array of the local devices
 * @param remoteNames host string array of their network names
 * @return the count; 0 when no drive is connected (the arrays are left as
 *         they were); the negated network error when the last remote drive
 *         asked about failed; -87 for a bad array; -8 when a string cannot be made. */
ZWAPI int __stdcall ZelDosEnumNetConnections(ZW_HARRAY localNames, ZW_HARRAY remoteNames);
/** Whether a drive ("X:"), directory or file (wildcards allowed) exists.
 * @param path the path
 * @return 1 when it exists; 0 when not, or for a null or empty path. */
ZWAPI int __stdcall ZelDosExist(LPCWSTR path);
/** Whether a directory has at least one subdirectory.
 * @param directory the directory
 * @return 1 when it has; 0 when not, or for a null or missing directory. */
ZWAPI int __stdcall ZelDosIsParent(LPCWSTR directory);
/** A drive's type.
 * @param root the drive's root ("X:\")
 * @return 0 unknown, 1 no root, 2 removable, 3 fixed, 4 remote, 5 CD-ROM,
 *         6 RAM disk; 0 for a null text or a drive that does not exist. */
ZWAPI int __stdcall ZelDosGetDriveType(LPCWSTR root);
/** Total and free bytes of a drive as host numbers (both null on failure).
 * @param root the drive ("X:" or "X:\")
 * @param totalBytes receives the drive's size
 * @param freeBytes receives its free space
 * @return 0; -15 for a null root or a drive that does not exist; -87 for a
 *         null number pointer; or the negated error of the query. */
ZWAPI int __stdcall ZelDosGetDriveSize(LPCWSTR root, ZW_HOSTVALUE* totalBytes, ZW_HOSTVALUE* freeBytes);
/** The current directory.
 * @param unused not used
 * @return a new host string; an empty one on failure. */
ZWAPI ZW_HSTR __stdcall ZelDosGetCurDir(LPCWSTR unused);
/** An environment variable's value.
 * @param name the variable
 * @return a new host string; an empty one when it is not set or the name is
 *         null or empty. */
ZWAPI ZW_HSTR __stdcall ZelDosGetEnvString(LPCWSTR name);
/** A volume's label.
 * @param root the volume's root ("X:\")
 * @return a new host string; an empty one for a null root or on failure. */
ZWAPI ZW_HSTR __stdcall ZelDosGetVolumeLabel(LPCWSTR root);
/** Sets a volume's label.
 * @param root the volume's root ("X:\")
 * @param label the new label (null removes it)
 * @return 0; the negated error; -87 for a null root. */
ZWAPI int __stdcall ZelDosSetVolumeLabel(LPCWSTR root, LPCWSTR label);
/** The Windows version as a host number (as ZelGetWinVersion): major +
 * minor / 10 in integer arithmetic (5.1 gives 5).
 * @return the number, returned by value; 0 when the version cannot be read. */
ZWAPI ZW_HOSTVALUE __stdcall ZelDosGetVersion(void);
/** A file name in the directory of a loaded module.
 * @param module the module's name
 * @param fileName appended to the directory (null: the directory alone, with
 *        its backslash)
 * @return a new host string; an empty one when the module is null or not loaded. */
ZWAPI ZW_HSTR __stdcall ZelDosBuildFullName(LPCWSTR module, LPCWSTR fileName);
/** The four texts joined with nothing added between them.
 * @param drive, directory, name, extension the parts (null reads as "")
 * @return a new host string; an empty one on failure. */
ZWAPI ZW_HSTR __stdcall ZelDosMakePath(LPCWSTR drive, LPCWSTR directory, LPCWSTR name, LPCWSTR extension);
/** Splits a path by the C runtime's rules (parts cut to 3 and 256 characters).
 * @param path the path (null gives four empty strings)
 * @param drive, directory, name, extension receive the parts in host strings
 *        (each made when 0, else refilled)
 * @return 0; -87 when a string pointer is null; -8 on an internal failure. */
ZWAPI int __stdcall ZelDosSplitPath(LPCWSTR path, ZW_HSTR* drive, ZW_HSTR* directory, ZW_HSTR* name,
                                    ZW_HSTR* extension);
/** Creates a directory and every missing level above it.
 * @param path the directory
 * @return 0; the negated error of the deepest level's creation (-183 when it
 *         exists); -87 for a null or empty path. */
ZWAPI int __stdcall ZelDosMakeAllDir(LPCWSTR path);
/** The network name a local device is connected to.
 * @param localName "X:", "X:\" or "LPT1"
 * @return a new host string; an empty one when it is not connected or the
 *         name is null. */
ZWAPI ZW_HSTR __stdcall ZelDosGetNetName(LPCWSTR localName);
/** Connects a local device to a network resource.
 * @param localName the device ("X:", "LPT1")
 * @param networkName the resource ("\\server\share")
 * @param password its password (null: the default)
 * @return 0; the negated network error; -87 for a null name. */
ZWAPI int __stdcall ZelDosNetConnect(LPCWSTR localName, LPCWSTR networkName, LPCWSTR password);
/** Cancels a network connection.
 * @param name the local device or the network name
 * @param force nonzero cancels it even with open files
 * @return 0; the negated network error; -87 for a null name. */
ZWAPI int __stdcall ZelDosNetDisconnect(LPCWSTR name, BOOL force);
/** Kept for old applications.
 * @return always 0. */
ZWAPI int __stdcall ZelDosGetFlags(void);
/** Kept for old applications; changes nothing.
 * @param unused1, unused2 not used
 * @return always 0. */
ZWAPI int __stdcall ZelDosSetFlags(DWORD unused1, DWORD unused2);

/* ---- Profiles ---------------------------------------------------------------------- */
/* The INI file is found along the search path first (-2 when it is not). */

/** Stores the entry names of a section at indexes 0, 1, ... in file order and
 * sets the bounds to them (an empty section leaves the array as it was).
 * @param fileName the INI file
 * @param section the section
 * @param names host string array
 * @return 0; -2 when the file is not found (also a null or empty name, or an
 *         internal failure); -87 for a null section or an array that is not a
 *         live one-dimensional host array. */
ZWAPI int __stdcall ZelProfileEnumStrings(LPCWSTR fileName, LPCWSTR section, ZW_HARRAY names);
/** Deletes an entry, or a whole section.
 * @param section the section
 * @param entry the entry (empty or null: the whole section)
 * @param fileName the INI file
 * @return nonzero when the change was written; 0 when not (also for a null
 *         or empty section); -2 when the file is not found. */
ZWAPI int __stdcall ZelProfileDelete(LPCWSTR section, LPCWSTR entry, LPCWSTR fileName);

/* ---- Debugging and timing ----------------------------------------------------------- */
/* Process-wide settings: the flag word (initially 0x10000; 0x10000 the timing
 * report shows elapsed times, 0x20000 clock times, 0x80000 output goes to
 * message boxes instead of the debugger output) and the debug level (initially
 * 0; a message or report of a higher level is not shown). */

/** When the condition is 0, shows "window: text" (the host's name of the
 * active window) captioned "Assertion Failure".
 * @param condition nonzero: nothing is shown
 * @param text the text (null reads as "")
 * @return 1 always; there is no failure value. */
ZWAPI int __stdcall ZelDebugAssert(BOOL condition, LPCWSTR text);
/** Writes a text and a line feed to the debugger output (or, with flag
 * 0x80000, shows it in a box captioned "Debug").
 * @param text the text (null reads as "")
 * @param level the message's level
 * @return 1; 0 when the level is above the debug level or on an internal failure. */
ZWAPI int __stdcall ZelDebugString(LPCWSTR text, WORD level);
/** Sets the debug level.
 * @param level messages and reports of a higher level are not shown
 * @return 1 always; there is no failure value. */
ZWAPI int __stdcall ZelDebugSetLevel(WORD level);
/** The debugging flag word.
 * @return the flags; there is no failure value. */
ZWAPI DWORD __stdcall ZelDebugGetFlags(void);
/** Sets or clears bits of the debugging flag word.
 * @param bits the bits
 * @param set nonzero sets them, 0 clears them
 * @return the new flag word; there is no failure value. */
ZWAPI DWORD __stdcall ZelDebugSetFlags(DWORD bits, BOOL set);
/** Starts a timing run: earlier marks are discarded and a begin mark recorded.
 * @return 1; 0 when memory fails. */
ZWAPI int __stdcall ZelDebugBeginTime(void);
/** Records a labelled mark in the timing run.
 * @param label the mark's label (null reads as ""; cut to 254 characters)
 * @return 1; 0 before the first ZelDebugBeginTime or when the run is full
 *         (81 marks). */
ZWAPI int __stdcall ZelDebugSetTime(LPCWSTR label);
/** Reports the timing run: each mark's label with the time since the mark
 * before (m:ss.hh) and its clock time as the flags say, then "Total " and the
 * time from the first mark to the last. A run with only its begin mark gets
 * an "End" mark first.
 * @param level the report's level
 * @return 1; 0 when the level is above the debug level or no run was begun. */
ZWAPI int __stdcall ZelDebugEndTime(WORD level);

/* ---- Populate functions ------------------------------------------------------------
 * Fill a host list box or combo box with ready-made content as an outline box
 * (make the box with an outline style while it is created: owner-drawn
 * styles only take effect then). Pictures are the library's own bitmaps, kept
 * in the box's picture cache. A box that is not a window gets the failure
 * value at once. */

/** Fills a box with the drives, each with a picture of its kind. Fixed and
 * RAM drives show their label, remote drives their network name
 * ("X:\ name"), other drives their root alone; each row's value is the
 * drive type, and the drive of the current directory is selected. A combo
 * box's selection field is made 1.5 times the item height its parent gives.
 * @param box the host list box or combo box (cleared first)
 * @return the number of drives listed; 0 when box is not a window, cannot be
 *         made an outline box or its pictures cannot be loaded. */
ZWAPI int __stdcall ZelPopulateDrives(HWND box);
/** Fills a box with the font families, each with a picture of its kind
 * (TrueType, printer, other) and its font type as the row's value; a combo
 * box selects its first font.
 * @param box the host list box or combo box (cleared first)
 * @param which the fonts listed, as for ZelFontEnum (0x1 screen, 0x2 printer)
 * @return the number of fonts listed; 0 when box is not a window, cannot be
 *         made an outline box or its pictures cannot be loaded. */
ZWAPI int __stdcall ZelPopulateFontNames(HWND box, UINT which);
/** Fills a box with the common-directory view of a path: one nested level
 * per directory from the drive down to the current directory (item flag
 * 0x4000000), and the current directory's subdirectories below it in
 * ascending order. The box shows its texts in lower case.
 * @param box the host list box or combo box (cleared first)
 * @param path an existing directory on a drive ("X:\dir\..."; trailing
 *        backslashes are ignored)
 * @return 1; 0 when box is not a window, the path is null, has no drive
 *         letter or is not an existing directory, or the box cannot be
 *         filled. */
ZWAPI int __stdcall ZelPopulateCommonDir(HWND box, LPCWSTR path);
/** Makes the directory shown in a row of a common-directory view the current
 * one: it replaces every level below its parent, with its subdirectories
 * listed below it.
 * @param box the box that ZelPopulateCommonDir filled
 * @param row 0-based row of the chosen directory
 * @return a new host string with the chosen directory's path; an empty one
 *         when box is not a window, the row is outside the rows or shows no
 *         item, or the directory's item cannot be made. */
ZWAPI ZW_HSTR __stdcall ZelSetCommonDir(HWND box, int row);
/** The directory path of a row of a common-directory view: the texts of its
 * levels from the drive down, joined with "\".
 * @param box the box that ZelPopulateCommonDir filled
 * @param row 0-based row (row 0: the drive alone)
 * @return a new host string with the path; an empty one when box is not a
 *         window, or the row is outside the rows or shows no item. */
ZWAPI ZW_HSTR __stdcall ZelGetCommonDir(HWND box, int row);
/** Fills a box with a directory as the top item (upper-cased, ending in
 * "\") and its subdirectories below it in ascending order.
 * @param box the host list box or combo box (emptied first)
 * @param path an existing directory
 * @return 1; 0 when box is not a window, the path is null, empty or not an
 *         existing directory, or the box cannot be filled. */
ZWAPI int __stdcall ZelPopulateDirTree(HWND box, LPCWSTR path);
/** Fills a box from the picture list that the form designer stored with a
 * window (designer item "ZW:PicItems"): one row per entry, with its text, its
 * value and its picture (loaded from a file or a module).
 * @param holder the window whose designer data holds the picture list
 * @param box the host list box or combo box to fill (cleared first)
 * @return 1 (also for an empty list); 0 when either window is not a window,
 *         holder has no designer data or no picture list, the box cannot be
 *         made an outline box, or a row cannot be added (the rows added so
 *         far stay). */
ZWAPI int __stdcall ZelPopulatePictureFromProperty(HWND holder, HWND box);

/* ---- Table windows -------------------------------------------------------------------
 * A host table window's columns are child windows; its rows are numbered
 * from 0. A column argument is a column window (0: every column, where said).
 * Cells are read as texts of at most 254 characters. */

/** The first row, from a start row on, with a cell that contains a text
 * (compared without regard to case).
 * @param table the table window
 * @param start the row to start at
 * @param column the column window searched; 0 every column
 * @param text the text sought (null reads as "")
 * @return the row; -1 when no row has such a cell, the table is not a window
 *         or the column is not one of its columns. */
ZWAPI LONG __stdcall ZelTblFindString(HWND table, LONG start, HWND column, LPCWSTR text);
/** The first row, from a start row on, with a cell whose text is a number
 * equal to `number`.
 * @param table the table window
 * @param start the row to start at
 * @param column the column window searched; 0 every column
 * @param number host number sought (passed by value)
 * @return the row; -1 when no row has such a cell, the table is not a window
 *         or the column is not one of its columns. */
ZWAPI LONG __stdcall ZelTblFindNumber(HWND table, LONG start, HWND column, ZW_HOSTVALUE number);
/** The first row, from a start row on, with a cell whose text is a date/time
 * equal to `dateTime` in year, month, day, hour, minute and second.
 * @param table the table window
 * @param start the row to start at
 * @param column the column window searched; 0 every column
 * @param dateTime host date/time sought (passed by value)
 * @return the row; -1 when no row has such a cell, the table is not a window
 *         or the column is not one of its columns. */
ZWAPI LONG __stdcall ZelTblFindDateTime(HWND table, LONG start, HWND column, ZW_HOSTVALUE dateTime);
/** The text of a cell.
 * @param table the table window
 * @param row the row
 * @param column the column window
 * @return a new host string; an empty one when the table is not a window, the
 *         column is not one of its columns or there is no such cell. */
ZWAPI ZW_HSTR __stdcall ZelTblGetCell(HWND table, LONG row, HWND column);
/** A column's title (its window text).
 * @param column the column window
 * @return a new host string; an empty one when column is not a window. */
ZWAPI ZW_HSTR __stdcall ZelTblGetColumnTitle(HWND column);
/** Makes a column as wide as its widest line (its title and every cell,
 * split at line ends) in the table's font, plus the cell margins.
 * @param table the table window
 * @param column the column window
 * @return 1 when the width was set; 0 when either is not a window, the column
 *         is not one of the table's, or the table refuses the width. */
ZWAPI int __stdcall ZelTblAutoSizeColumn(HWND table, HWND column);
/** Clears the selected state of every column.
 * @param table the table window
 * @return 1 (also for a table without columns); 0 when table is not a window. */
ZWAPI int __stdcall ZelTblClearColumnSelection(HWND table);
/** Gives every cell of a row a text colour.
 * @param table the table window
 * @param row the row
 * @param colour the text colour
 * @return 1; 0 when the row does not exist (nothing changes) or the table is
 *         not a window. */
ZWAPI int __stdcall ZelTblSetRowColor(HWND table, LONG row, COLORREF colour);
/** Whether any row has every flag of `flagsOn` and none of `flagsOff`.
 * @param table the table window
 * @param flagsOn the row flags that must be set
 * @param flagsOff the row flags that must be clear
 * @return 1 when a row has them; 0 when none has, or the table is not a
 *         window. */
ZWAPI int __stdcall ZelTblAllRows(HWND table, WORD flagsOn, WORD flagsOff);
/** Shows a picture in a row's header, replacing the row's earlier one. Once a
 * table has row pictures, a row without one shows the picture of its state
 * (marked deleted, new, edited).
 * @param table the table window
 * @param row the row
 * @param picture a live picture (ZelPicLoad)
 * @return 1; 0 when the table is not a window, the picture is null or not a
 *         live picture, or memory runs out. */
ZWAPI int __stdcall ZelTblSetRowPicture(HWND table, LONG row, ZW_HPIC picture);
/* ---- List view ------------------------------------------------------------------------ */
/* A form-placed list view ("cListView") announces its instance with
 * ZWM_ControlCreate; ZelLVGetListView turns it into the list object that every
 * other ZelLV function takes first. Rows are addressed by their position in
 * the list (which sorting changes); the library keeps every row's texts and
 * data itself. Every function reports a null object in a message box and
 * returns its failure value; any other failure (a stale object, a null
 * out-pointer, a bad argument) is written as one debug line and returns the
 * failure value (a bad list below is any of these). Messages of the list
 * view: WM_COMMAND posted to the form with the list's notifications (id 0,
 * the notification code's low 16 bits, the list view window); 0x2006 posted
 * to the list view window when the user changed the selection; 0x600E posted
 * to it after a column click (wParam 1 when the sort is descending, lParam
 * the column); 0x600A sent to it once it is created. */

/** The list object of a list view instance.
 * @param listView the list view's instance (from ZWM_ControlCreate)
 * @return the list object; 0 for a null instance (message box), an instance
 *         that is no live list view, or a list view without its list. */
ZWAPI void* __stdcall ZelLVGetListView(void* listView);
/** The background colour (LVM_GETBKCOLOR).
 * @param list the list object
 * @return the colour (CLR_NONE, also -1, when the list has no background);
 *         -1 for a bad list. */
ZWAPI int __stdcall ZelLVGetBkColor(void* list);
/** Sets the background colour and repaints the list.
 * @param list the list object
 * @param color the colour (CLR_NONE: no background)
 * @return the control's answer, nonzero when set; 0 for a bad list. */
ZWAPI BOOL __stdcall ZelLVSetBkColor(void* list, COLORREF color);
/** The number of rows.
 * @param list the list object
 * @return the count; 0 for a bad list. */
ZWAPI int __stdcall ZelLVGetItemCount(void* list);
/** The next row from a start row with the given state or place
 * (LVM_GETNEXTITEM).
 * @param list the list object
 * @param start the row after which to search; -1 from the first row
 * @param flags LVNI_* flags
 * @return the row; -1 when there is none, or for a bad list. */
ZWAPI int __stdcall ZelLVGetNextItem(void* list, int start, UINT flags);
/** A row's rectangle in client pixels.
 * @param list the list object
 * @param row 0-based row
 * @param rect receives the rectangle
 * @param code LVIR_BOUNDS, LVIR_ICON, LVIR_LABEL or LVIR_SELECTBOUNDS
 * @return 1 when the row exists; 0 when it does not, for a null rect, or a
 *         bad list. */
ZWAPI BOOL __stdcall ZelLVGetItemRect(void* list, int row, RECT* rect, int code);
/** Moves a row in an icon view (LVM_SETITEMPOSITION32).
 * @param list the list object
 * @param row 0-based row
 * @param x, y the new position in view coordinates
 * @return the control's answer, nonzero when moved; 0 for a bad list. */
ZWAPI BOOL __stdcall ZelLVSetItemPosition(void* list, int row, int x, int y);
/** A row's position in view coordinates (LVM_GETITEMPOSITION).
 * @param list the list object
 * @param row 0-based row
 * @param point receives the position
 * @return the control's answer, nonzero when found; 0 for a null point or a
 *         bad list. */
ZWAPI BOOL __stdcall ZelLVGetItemPosition(void* list, int row, POINT* point);
/** The width of a text in the list's font.
 * @param list the list object
 * @param text the text
 * @return the width in pixels; 0 for a null text or a bad list. */
ZWAPI int __stdcall ZelLVGetStringWidth(void* list, LPCWSTR text);
/** A column's heading, format and width.
 * @param list the list object
 * @param column 0-based column
 * @param text receives the heading in a host string (made when 0, else
 *        refilled)
 * @param format receives the LVCFMT_* alignment
 * @param width receives the width in pixels
 * @return 1 when the column exists (only then are the three filled); 0 when
 *         it does not, for a null pointer, a host string the host does not
 *         know, or a bad list. */
ZWAPI BOOL __stdcall ZelLVGetColumn(void* list, int column, ZW_HSTR* text, int* format, int* width);
/** Sets a column's heading, format or width, as `mask` says, and repaints the
 * list.
 * @param list the list object
 * @param column 0-based column
 * @param mask LVCF_TEXT, LVCF_FMT, LVCF_WIDTH
 * @param text the heading (null leaves it)
 * @param format the LVCFMT_* alignment
 * @param width the width in pixels
 * @return the control's answer, nonzero when set; 0 for a bad list. */
ZWAPI BOOL __stdcall ZelLVSetColumn(void* list, int column, UINT mask, LPCWSTR text, int format, int width);
/** The rectangle that holds every row, in view coordinates (LVM_GETVIEWRECT).
 * @param list the list object
 * @param rect receives the rectangle
 * @return the control's answer, nonzero when given; 0 for a null rect or a
 *         bad list. */
ZWAPI BOOL __stdcall ZelLVGetViewRect(void* list, RECT* rect);
/** The text colour (LVM_GETTEXTCOLOR).
 * @param list the list object
 * @return the colour; -1 for a bad list. */
ZWAPI int __stdcall ZelLVGetTextColor(void* list);
/** Sets the text colour and repaints the list.
 * @param list the list object
 * @param color the colour
 * @return the control's answer, nonzero when set; 0 for a bad list. */
ZWAPI BOOL __stdcall ZelLVSetTextColor(void* list, COLORREF color);
/** The text background colour (LVM_GETTEXTBKCOLOR).
 * @param list the list object
 * @return the colour (CLR_NONE, also -1, when the text has no background);
 *         -1 for a bad list. */
ZWAPI int __stdcall ZelLVGetTextBkColor(void* list);
/** Sets the text background colour and repaints the list.
 * @param list the list object
 * @param color the colour (CLR_NONE: no text background)
 * @return the control's answer, nonzero when set; 0 for a bad list. */
ZWAPI BOOL __stdcall ZelLVSetTextBkColor(void* list, COLORREF color);
/** The first visible row (LVM_GETTOPINDEX).
 * @param list the list object
 * @return the row (0 in an icon view); -1 for a bad list. */
ZWAPI int __stdcall ZelLVGetTopIndex(void* list);
/** The number of rows that fit in the list (LVM_GETCOUNTPERPAGE).
 * @param list the list object
 * @return the count; 0 for a bad list. */
ZWAPI int __stdcall ZelLVGetCountPerPage(void* list);
/** The view origin (LVM_GETORIGIN).
 * @param list the list object
 * @param origin receives the origin
 * @return the control's answer (0 in list and report views); 0 for a null
 *         origin or a bad list. */
ZWAPI BOOL __stdcall ZelLVGetOrigin(void* list, POINT* origin);
/** A row's state bits.
 * @param list the list object
 * @param row 0-based row
 * @param mask the LVIS_* bits asked for
 * @return the row's LVIS_* bits within mask; 0 for a bad list. */
ZWAPI UINT __stdcall ZelLVGetItemState(void* list, int row, UINT mask);
/** Sets a row's state bits without reporting a selection change to the host;
 * selecting a row of a list view drop-down puts its text into the edit field.
 * @param list the list object
 * @param row 0-based row; -1 every row
 * @param state the new LVIS_* bits
 * @param mask the LVIS_* bits changed
 * @return the control's answer, nonzero when set; 0 for a bad list. */
ZWAPI BOOL __stdcall ZelLVSetItemState(void* list, int row, UINT state, UINT mask);
/** A row's text of one column, its data and its image index.
 * @param list the list object
 * @param row 0-based row
 * @param subItem the column (0: the row's own text)
 * @param text receives the text in a host string (made when 0, else
 *        refilled; empty when never set)
 * @param data receives the row's data (0 when the library holds none for it)
 * @param image receives the image index
 * @return 1 when the row exists (only then are the three filled); 0 when it
 *         does not, for a null pointer, a negative subItem, a host string the
 *         host does not know, or a bad list. */
ZWAPI BOOL __stdcall ZelLVGetItem(void* list, int row, int subItem, ZW_HSTR* text, LONG* data, int* image);
/** Sets a row's text of one column (LVIF_TEXT), its data (LVIF_PARAM) and
 * its image (LVIF_IMAGE), as `mask` says.
 * @param list the list object
 * @param row 0-based row
 * @param subItem the column (0: the row's own text)
 * @param mask LVIF_TEXT, LVIF_PARAM, LVIF_IMAGE
 * @param text the text (must not be null, even when not set)
 * @param data the row's data
 * @param image the image index (must not be negative, even when not set)
 * @return the control's answer, nonzero when set; 0 with LVIF_TEXT for a row
 *         the library holds nothing for, and for a negative row, subItem or
 *         image, a null text or a bad list. */
ZWAPI BOOL __stdcall ZelLVSetItem(void* list, int row, int subItem, UINT mask, LPCWSTR text, LONG data, int image);
/** The number of selected rows.
 * @param list the list object
 * @return the count; 0 for a bad list. */
ZWAPI int __stdcall ZelLVGetSelectedCount(void* list);
/** Inserts a row with its text, data and image.
 * @param list the list object
 * @param row 0-based position of the new row (beyond the last: appended)
 * @param text the row's text
 * @param data the row's data
 * @param image the image index
 * @return the new row's index; -1 when the control refuses it, for a
 *         negative row or image, a null text, or a bad list. */
ZWAPI int __stdcall ZelLVInsertItem(void* list, int row, LPCWSTR text, LONG data, int image);
/** Deletes a row with its texts and data.
 * @param list the list object
 * @param row 0-based row
 * @return the number of rows left; 0 when there is no such row, or for a bad
 *         list (also after deleting the last row). */
ZWAPI int __stdcall ZelLVDeleteItem(void* list, int row);
/** Deletes every row with its texts and data.
 * @param list the list object
 * @return 1 when there were no rows, else the control's answer, nonzero when
 *         deleted; 0 for a bad list. */
ZWAPI BOOL __stdcall ZelLVDeleteAllItems(void* list);
/** The first row after a start row whose text matches (LVM_FINDITEMW).
 * @param list the list object
 * @param flags LVFI_* flags (LVFI_STRING, LVFI_PARTIAL, LVFI_WRAP)
 * @param text the text sought
 * @param start the row after which to search; -1 from the first row
 * @return the row; -1 when none matches, for a null text or a bad list. */
ZWAPI int __stdcall ZelLVFindItem(void* list, UINT flags, LPCWSTR text, int start);
/** The row at a client point (LVM_HITTEST).
 * @param list the list object
 * @param x, y the point in client pixels
 * @param flags receives the LVHT_* flags of the point
 * @return the row; -1 when there is none, for a null flags pointer or a bad
 *         list. */
ZWAPI int __stdcall ZelLVHitTest(void* list, int x, int y, UINT* flags);
/** Scrolls a row into view.
 * @param list the list object
 * @param row 0-based row
 * @param partialOk nonzero: a partly visible row is left as it is
 * @return the control's answer, nonzero when done; 0 for a bad list. */
ZWAPI BOOL __stdcall ZelLVEnsureVisible(void* list, int row, BOOL partialOk);
/** Scrolls the list (LVM_SCROLL).
 * @param list the list object
 * @param dx, dy pixels to scroll by
 * @return the control's answer, nonzero when done; 0 for a bad list. */
ZWAPI BOOL __stdcall ZelLVScroll(void* list, int dx, int dy);
/** Arranges the rows of an icon view (LVM_ARRANGE).
 * @param list the list object
 * @param code LVA_* code
 * @return the control's answer, nonzero when done; 0 for a bad list. */
ZWAPI BOOL __stdcall ZelLVArrange(void* list, UINT code);
/** The list window's whole style (GWL_STYLE).
 * @param list the list object
 * @return the style; 0 for a bad list. */
ZWAPI DWORD __stdcall ZelLVGetStyle(void* list);
/** Adds or removes style bits of the list window.
 * @param list the list object
 * @param bits the style bits (LVS_* and window styles)
 * @param set 1 adds them, any other value removes them
 * @return the style before the change; 0 for a bad list. */
ZWAPI DWORD __stdcall ZelLVSetStyle(void* list, DWORD bits, int set);
/** Replaces every column with columns made from three host arrays, read from
 * index 0.
 * @param list the list object
 * @param headings host string array of the headings
 * @param formats host number array of the LVCFMT_* alignments
 * @param widths host number array of the widths in pixels
 * @param count the number of columns, lowered to each array's upper bound + 1
 *        (0 or less: no columns)
 * @return 1; 0 for a null array or one the host does not know (the columns
 *         stay), or a bad list. */
ZWAPI BOOL __stdcall ZelLVColumnsAssign(void* list, ZW_HARRAY headings, ZW_HARRAY formats, ZW_HARRAY widths,
                                        int count);
/** The column that ZelLVSortItems sorts by.
 * @param list the list object
 * @return the 0-based column; -1 for a bad list. */
ZWAPI int __stdcall ZelLVGetSortColumn(void* list);
/** Sets the column that ZelLVSortItems sorts by.
 * @param list the list object
 * @param column 0-based column
 * @return 1; 0 for a negative column (nothing changes) or a bad list. */
ZWAPI BOOL __stdcall ZelLVSetSortColumn(void* list, int column);
/** The order that ZelLVSortItems sorts in.
 * @param list the list object
 * @return 0 ascending, 1 descending; -1 for a bad list. */
ZWAPI int __stdcall ZelLVGetSortOrder(void* list);
/** Sets the order that ZelLVSortItems sorts in.
 * @param list the list object
 * @param order 0 ascending, 1 descending
 * @return 1; 0 for another order (nothing changes) or a bad list. */
ZWAPI BOOL __stdcall ZelLVSetSortOrder(void* list, int order);
/** Sorts the rows by the texts of the sort column, without regard to case
 * (rows without a text there sort as empty), in the sort order; a later
 * click on that column reverses the order.
 * @param list the list object
 * @return 1; 0 for a bad list. */
ZWAPI BOOL __stdcall ZelLVSortItems(void* list);
/** Adds a large and a small picture as one image.
 * @param list the list object
 * @param large the picture of the large-icon view (ZelPicLoad)
 * @param small the picture of the small-icon views
 * @return the image index; -1 when the two image lists could not take them
 *         alike (neither then changes), for a null or stale picture, or a
 *         bad list. */
ZWAPI int __stdcall ZelLVImageAdd(void* list, ZW_HPIC large, ZW_HPIC small);
/** The number of images.
 * @param list the list object
 * @return the count; -1 for a bad list. */
ZWAPI int __stdcall ZelLVImageCountGet(void* list);
/** Removes an image from both image lists; later images move down.
 * @param list the list object
 * @param index the image index
 * @return nonzero when removed; 0 when the small list could not remove it,
 *         for a negative index, or a bad list. */
ZWAPI BOOL __stdcall ZelLVImageRemove(void* list, int index);
/** Removes every image from both image lists.
 * @param list the list object
 * @return nonzero when both were emptied; 0 when one could not be, or for a
 *         bad list. */
ZWAPI BOOL __stdcall ZelLVImageRemoveAll(void* list);
/** Replaces an image in both image lists.
 * @param list the list object
 * @param index the image index
 * @param large the new large picture
 * @param small the new small picture
 * @return 1 when both were replaced; 0 when not (no such image), for a null
 *         or stale picture, or a bad list. */
ZWAPI BOOL __stdcall ZelLVImageReplace(void* list, int index, ZW_HPIC large, ZW_HPIC small);
/* ---- List view drop-down ------------------------------------------------------ */
/* An edit field ("cListViewDropDown") whose button opens a list view below
 * it, addressed by the instance it announced with ZWM_ControlCreate. A null
 * instance shows message 48 and fails; an instance that is no live list view
 * drop-down fails (a bad instance below is either). The field is read-only
 * until it is made editable; its window text is the field's. A row chosen in
 * the open list puts its text (column 0) into the field; so does a row
 * selected with ZelLVSetItemState on the list. Notifications (WM_COMMAND to
 * the owner, code in the high word of wParam): 7 dropped down, 8 closed up,
 * 1 a row was chosen, 10 the list was cancelled with Escape, 0x300 the
 * field's text changed, and the list's own notifications as a list view's.
 * Posted to the drop-down itself: 0x2006 when a row was chosen, 0x2004 when
 * the focused field's text changed; 0x600A is sent to it once it is created. */

/** The pop-up list, for the ZelLV functions (350 by 250 pixels until
 * ZelLVCmbSetListSize changes it).
 * @param dropDown the list view drop-down's instance
 * @return the list object; 0 for a bad instance. */
ZWAPI void* __stdcall ZelLVCmbGetListView(void* dropDown);
/** Whether text may be typed into the field.
 * @param dropDown the list view drop-down's instance
 * @return 1 editable, 0 read-only; 0 for a bad instance. */
ZWAPI BOOL __stdcall ZelLVCmbGetEditable(void* dropDown);
/** Makes the field editable or read-only and repaints the drop-down.
 * @param dropDown the list view drop-down's instance
 * @param editable nonzero: editable; 0: read-only
 * @return the previous flag (1 or 0); 0 for a bad instance. */
ZWAPI BOOL __stdcall ZelLVCmbSetEditable(void* dropDown, BOOL editable);
/** Resizes the pop-up list without moving, reordering or activating it; it
 * opens at that size from then on.
 * @param dropDown the list view drop-down's instance
 * @param width the list's new width in pixels
 * @param height the list's new height in pixels
 * @return nonzero when the list was resized; 0 when it was not, and for a bad
 * instance (no debug line). */
ZWAPI BOOL __stdcall ZelLVCmbSetListSize(void* dropDown, int width, int height);

/* ---- Diagnostics ------------------------------------------------------- */

/** Counts the library's live objects of one kind, for leak accounting: after
 * every window is destroyed and every table freed the counts return to where
 * they started. Also exported by ordinal 900.
 * @param kind 0 outline row records, 1 tree nodes, 2 pictures, 3 cached
 * fonts, 4 control and window objects, 5 picture and font caches, 6 timing
 * marks, 7 string tables, 8 message box buttons, 9 menu states and item
 * records; 10 the sum of all kinds
 * @return the number of live objects; -1 for an unknown kind. */
ZWAPI int __stdcall ZwLiveObjects(int kind);

#ifdef __cplusplus
}
#endif

#endif /* ZWI51_H */
