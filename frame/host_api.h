// The host runtime operations that zwi51.dll calls, with the DLL and ordinal of
// each. The library imports them by ordinal only (the host DLLs export them
// NONAME), so zwi51.dll loads against any host that has these ordinals. Our
// replacement host in host/ implements them from this same header.
//
// Calling contract: every operation is __stdcall; every argument is 32 bits
// wide except a double, which takes 8 bytes. Host numbers and dates always go
// by pointer (const for inputs, non-const for results).
//
// Ordinals from 3000 upward are ours: the host's own documentation names these
// operations without an ordinal, so they are fixed here, once:
//
//   corrt51.dll
//     3000 HostFileOpen        3001 HostFileClose       3002 HostFileRead
//     3003 HostFileReadLine    3004 HostFileWrite       3005 HostFileWriteLine
//     3006 HostFileIsOpen
//     3010 HostDateHour        3011 HostDateMinute      3012 HostDateSecond
//     3020 HostGetFirstChild   3021 HostGetNextChild    3022 HostFieldIsNull
//     3023 HostClearField      3024 HostClearObject     3025 HostEnableWindow
//     3026 HostDisableWindow   3027 HostSetWaitCursor   3028 HostGetWindowName
//     3030 HostGetCurrentDir   3031 HostStrSplit        3032 HostStrFind
//     3033 HostDecimalToNumber 3034 HostValueToDouble
//     3035 HostGetWindowProperty 3036 HostLoadAppResource 3037 HostFreeAppResource
//     3038 HostGetFrameObject
//   cortl51.dll (table windows)
//     3100 HostTblGetColumn    3101 HostTblColumnPos    3102 HostTblSetContextRow
//     3103 HostTblGetColumnFlag 3104 HostTblSetColumnFlag 3105 HostTblSetCellColor
//     3106 HostTblFindNextRow  3107 HostTblQueryRowFlag
//     3130 HostTblGetVisibleRows 3131 HostTblGetRowHeaderRect
//
// Operations of that table not declared below are reserved: their signatures
// are fixed when the library first uses them.
#pragma once

#include <windows.h>
#include <stdio.h>

#include "frame/host_value.h"

#ifdef ZW_BUILDING_HOST
#define HOSTAPI extern "C"
#else
#define HOSTAPI extern "C" __declspec(dllimport)
#endif

// Host string handle: a 32-bit handle to a UTF-16 string owned by the host.
typedef DWORD HOSTSTR;
// Host array handle: a one-dimensional host array.
typedef DWORD HARRAY;

// Host object types (HostGetObjectType).
enum : DWORD {
    HOST_TYPE_FORM = 0x1,             // a form whose frame is its parent window
    HOST_TYPE_TOP_WINDOW = 0x2,       // other top-level windows of the host
    HOST_TYPE_TOP_WINDOW_OTHER = 0x4,
    HOST_TYPE_FIELD = 0x8,            // single-line data field
    HOST_TYPE_MULTILINE_FIELD = 0x10, // multi-line data field
    HOST_TYPE_CHECKBOX = 0x40,
    HOST_TYPE_OPTION_BUTTON = 0x80,
    HOST_TYPE_LISTBOX = 0x2000,
    HOST_TYPE_COMBOBOX = 0x4000,
    HOST_TYPE_CLEARABLE = 0x80000,    // a further kind that HostClearObject empties
    HOST_TYPE_CHILD_TABLE = 0x200000,
    HOST_TYPE_ANY = 0x7FFFFFFF,       // child walk mask: every type
};

// Host array element types.
enum : int {
    HOST_ARRAY_BOOL = 1,
    HOST_ARRAY_DATETIME = 2,
    HOST_ARRAY_NUMBER = 3,
    HOST_ARRAY_STRING = 5,
    HOST_ARRAY_LONGSTRING = 7,
    HOST_ARRAY_HANDLE = 256,
};

// ---- corrt51.dll: strings ------------------------------------------------
// Writable text of a string; *length receives the size of its storage in
// bytes, terminator included (what HostStrSetSize was given). 0 for a bad handle.
HOSTAPI WCHAR* __stdcall HostStrLock(HOSTSTR string, DWORD* length);                 // 38
// Sizes *string to `bytes` (terminator included), creating it when *string is 0.
// New storage is zero-filled. Returns 0 on failure.
HOSTAPI BOOL __stdcall HostStrSetSize(HOSTSTR* string, DWORD bytes);                  // 262
// Sets the used length in characters, terminator included; text past it is cleared.
HOSTAPI BOOL __stdcall HostStrSetLength(HOSTSTR* string, DWORD characters);           // 96
// The library is done with the handle; it stays usable by the application.
// A string that a host operation made for the library (HostDateFormat,
// HostGetNamedProp) is freed by it.
HOSTAPI void __stdcall HostStrRelease(HOSTSTR string);                                // 590

// ---- corrt51.dll: application and windows ---------------------------------
HOSTAPI void __stdcall HostAbort(void);                                            // 31
HOSTAPI void __stdcall HostInitDialog(HWND dialog);                                // 387
HOSTAPI void __stdcall HostSetRedraw(HWND window, BOOL redraw);                    // 369
HOSTAPI DWORD __stdcall HostGetObjectType(HWND window);                            // 207
// role 8 text, 5 background
HOSTAPI COLORREF __stdcall HostGetWindowColor(HWND window, int role);              // 290
HOSTAPI BOOL __stdcall HostValidateFocus(HWND window, int flag, int reserved);     // 604
HOSTAPI void __stdcall HostSetFieldEdited(HWND window, BOOL edited);               // 41

// The host's children of a form, in the host's order (the z-order of the
// form's child windows), restricted to the host types in `typeMask`
// (HOST_TYPE_ANY: every host object; windows the host did not make are never
// among them): the first, and the one after `child`; 0 at the end.
HOSTAPI HWND __stdcall HostGetFirstChild(HWND form, DWORD typeMask);               // 3020
HOSTAPI HWND __stdcall HostGetNextChild(HWND child, DWORD typeMask);               // 3021
// Whether a data field or combo box holds no value (its text is empty);
// nonzero also for a window that is not one.
HOSTAPI BOOL __stdcall HostFieldIsNull(HWND field);                                // 3022
// Empties a data field, or a combo box's selection and text; nonzero on success.
HOSTAPI BOOL __stdcall HostClearField(HWND field);                                 // 3023
// Empties a host object of type HOST_TYPE_CLEARABLE; nonzero on success.
HOSTAPI BOOL __stdcall HostClearObject(HWND object);                               // 3024
// Enable and disable a window the host's way (the host keeps its own
// state of the object in step); nonzero on success.
HOSTAPI BOOL __stdcall HostEnableWindow(HWND window);                              // 3025
HOSTAPI BOOL __stdcall HostDisableWindow(HWND window);                             // 3026
// Switches the host's own wait cursor on (1) or off (0).
HOSTAPI void __stdcall HostSetWaitCursor(BOOL on);                                 // 3027

// Designer property `property` of a window as text: nonzero and a new host
// string in *text (which the library releases) when the window has it.
HOSTAPI BOOL __stdcall HostGetWindowProperty(HWND window, int property, HOSTSTR* text); // 3035
// The bytes of the host application's resource `name`: a nonzero handle for
// HostFreeAppResource, with the bytes and their count, or 0 when there is none.
HOSTAPI DWORD __stdcall HostLoadAppResource(LPCWSTR name, const void** bytes, DWORD* size); // 3036
HOSTAPI void __stdcall HostFreeAppResource(DWORD resource);                        // 3037

// ---- corrt51.dll: frame windows and their menus ------------------------------
// A host frame window (class "Pellam:AccFrame") owns its menu through its frame
// object, a CRtkFrameWnd or a CRtkMDIFrameWnd (both have the same set of menu
// methods). Every change the library makes to a menu of a frame goes through
// these methods, so that the host's own menu model stays in step. The library
// and the host build this interface with the same compiler (virtual calls);
// only the host makes and destroys frame objects.
//
// Item numbering of the methods that take `item`: a value from 0 to 1023 is a
// 0-based position in `menu`, 1024 or more a command identifier.

// What InsertMenuW puts into a menu: Win32 InsertMenuW's arguments but the position.
struct HostFrameMenuItem {
    HMENU menu;           // the frame's menu, its system menu or a popup nested in its menu
    UINT flags;           // MF_ bits, with MF_BYPOSITION or MF_BYCOMMAND for `before`
    UINT identifier;      // command identifier of the new item
    const WCHAR* text;    // the item's text
};

class HostFrameWnd {
public:
    // The menu the frame owns (its menu bar, shown or not).
    virtual HMENU GetOurMenuHandle() = 0;
    // Makes `menu` the frame's menu again after a change of its items.
    virtual void AttachMenu(HMENU menu) = 0;
    // Redraws the frame's menu bar.
    virtual void UpdateMenuBar() = 0;
    // Inserts an item before `before` (a position or a command identifier, as
    // the item's flags say); `item` is the address of a HostFrameMenuItem (a
    // 32-bit long in the host's own interface). Nonzero on success.
    virtual BOOL InsertMenuW(UINT before, LONG_PTR item) = 0;
    // Checks (or unchecks) item `item` of `menu`, whose command identifier is
    // `identifier` ((UINT)-1 for a popup); nonzero on success.
    virtual BOOL SetMenuCheck(HMENU menu, int item, UINT identifier, BOOL checked) = 0;
    // Enables (or disables and greys) an item, as SetMenuCheck; nonzero on success.
    virtual BOOL SetMenuEnable(HMENU menu, int item, UINT identifier, BOOL enabled) = 0;
    // Nonzero when the command is checked / enabled; 0 when there is no such command.
    virtual BOOL GetMenuCheck(UINT identifier) = 0;
    virtual BOOL GetMenuEnable(UINT identifier) = 0;
    // Changes the text of a command; nonzero on success.
    virtual BOOL SetMenuText(UINT identifier, const WCHAR* text) = 0;
    // The text of a command, valid until the next call of the frame; null
    // when there is no such command.
    virtual const WCHAR* GetMenuText(UINT identifier) = 0;
    // Gives a command a picture shown beside its text (the text replaces the
    // item's when not empty): an icon, or a bitmap with its transparency mask
    // (1 where transparent, may be null) and its size in pixels. The frame
    // draws it; the handles stay the caller's. Nonzero on success.
    virtual BOOL SetMenuPicture(UINT identifier, const WCHAR* text, HICON icon) = 0;
    virtual BOOL SetMenuPicture(UINT identifier, const WCHAR* text, HBITMAP bitmap, HBITMAP mask, int width,
                                int height) = 0;

protected:
    ~HostFrameWnd() = default;
};

// The frame object of a host frame window; null for any other window and for
// a frame window whose object is neither a CRtkFrameWnd nor a CRtkMDIFrameWnd.
HOSTAPI HostFrameWnd* __stdcall HostGetFrameObject(HWND window);                     // 3038

// ---- corrt51.dll: list and combo boxes ------------------------------------
HOSTAPI int __stdcall HostListClear(HWND list);                                    // 59
HOSTAPI int __stdcall HostListDelete(HWND list, int row);                          // 60
HOSTAPI int __stdcall HostListCount(HWND list);                                    // 62
HOSTAPI int __stdcall HostListGetSel(HWND list);                                   // 63
HOSTAPI BOOL __stdcall HostListIsSelected(HWND list, int row);                     // 64
HOSTAPI int __stdcall HostListSetSel(HWND list, int row);                          // 68
HOSTAPI int __stdcall HostListSetMultiSel(HWND list, int row, BOOL select);        // 69

// ---- corrt51.dll: host objects: placement in form units, show and hide -------
// Form units are the host's own measure of a form: the replacement host's are
// inches of the window's screen, so a conversion back lands on the same pixel.
HOSTAPI BOOL __stdcall HostShowObject(HWND window);                                // 22
HOSTAPI BOOL __stdcall HostHideObject(HWND window);                                // 23
// Moves a window (in its parent's client area) to x, y in form units.
HOSTAPI BOOL __stdcall HostSetObjectLocation(HWND window, double x, double y);     // 356
// Sizes a window to width by height form units.
HOSTAPI BOOL __stdcall HostSetObjectSize(HWND window, double width, double height); // 358
// `pixels` on `window`'s screen in form units along an axis: 0 x, 1 y.
HOSTAPI double __stdcall HostPixelsToFormUnits(HWND window, int pixels, int axis);  // 360

// ---- corrt51.dll: designer property data ------------------------------------
HOSTAPI const void* __stdcall HostGetPropData(HWND window);                        // 495
HOSTAPI DWORD __stdcall HostGetPropDataSize(HWND window);                          // 624
// On success *item is a new host string holding the item's bytes plus one extra
// byte: the item's length is the string's length less one.
HOSTAPI BOOL __stdcall HostGetNamedProp(const void* data, DWORD length, LPCWSTR name,
                                        HOSTSTR* item);                               // 234
HOSTAPI BOOL __stdcall HostSetNamedProp(DWORD context1, DWORD context2, LPCWSTR name,
                                        const void* bytes, DWORD length);          // 233

// Walk over the entries of a property block (HostGetPropData): the first
// entry, then each next one until 0. An entry may name a window attached to
// the block's own object (HostPropWindow; 0 for entries that name none).
HOSTAPI HWND __stdcall HostPropSelf(const void* data, DWORD length);               // 274
HOSTAPI DWORD __stdcall HostPropFirst(const void* data, DWORD length);             // 366
HOSTAPI DWORD __stdcall HostPropNext(const void* data, DWORD length, DWORD entry); // 368
HOSTAPI HWND __stdcall HostPropWindow(const void* data, DWORD length, DWORD entry); // 623

// ---- corrt51.dll: arrays -------------------------------------------------------
HOSTAPI HARRAY __stdcall HostArrayCreate(int elementType);                         // 592
HOSTAPI void __stdcall HostArrayDestroy(HARRAY array);                             // 593
HOSTAPI BOOL __stdcall HostArrayGetDimCount(HARRAY array, int* count);             // 642
HOSTAPI BOOL __stdcall HostArrayIsEmpty(HARRAY array);                             // 643
// Returns the element count (0 when empty); bounds through the out arguments.
HOSTAPI int __stdcall HostArrayGetBounds(HARRAY array, LONG* lower, LONG* upper);  // 105
// upper -1 empties the array.
HOSTAPI BOOL __stdcall HostArraySetBounds(HARRAY array, LONG lower, LONG upper);   // 104
// Reading outside the bounds fails (0) and leaves *value unchanged. A string is
// read as the element's own host string: it stays valid while the element
// keeps its value, and the reader only releases it (HostStrRelease).
HOSTAPI BOOL __stdcall HostArrayGetHandle(HARRAY array, DWORD* value, LONG index);      // 2000
HOSTAPI BOOL __stdcall HostArrayGetString(HARRAY array, HOSTSTR* value, LONG index);       // 2001
HOSTAPI BOOL __stdcall HostArrayGetNumber(HARRAY array, HostNumber* value, LONG index); // 2002
HOSTAPI BOOL __stdcall HostArrayGetBool(HARRAY array, BOOL* value, LONG index);         // 2003
HOSTAPI BOOL __stdcall HostArrayGetDateTime(HARRAY array, HostDate* value, LONG index); // 2004
// The upper bound of dimension 1 (the only one); an empty array answers its
// lower bound less one. Other dimensions and bad handles fail (0).
HOSTAPI BOOL __stdcall HostArrayGetUpperBound(HARRAY array, int dimension, LONG* upper);   // 641
// Sets the upper bound of dimension 1, keeping the lower bound and the
// elements that stay inside; below the lower bound empties the array.
HOSTAPI BOOL __stdcall HostArraySetUpperBound(HARRAY array, int dimension, LONG upper);    // 639
// Writing past the upper bound grows the array; a string is copied in.
HOSTAPI BOOL __stdcall HostArrayPutHandle(HARRAY array, DWORD value, LONG index);              // 2005
HOSTAPI BOOL __stdcall HostArrayPutString(HARRAY array, HOSTSTR value, LONG index);               // 2006
HOSTAPI BOOL __stdcall HostArrayPutNumber(HARRAY array, const HostNumber* value, LONG index);  // 2007
HOSTAPI BOOL __stdcall HostArrayPutBool(HARRAY array, BOOL value, LONG index);                 // 2008
HOSTAPI BOOL __stdcall HostArrayPutDateTime(HARRAY array, const HostDate* value, LONG index);  // 2009

// ---- corrt51.dll: numbers --------------------------------------------------------
HOSTAPI BOOL __stdcall HostLongToNumber(LONG value, HostNumber* number);           // 2010
HOSTAPI BOOL __stdcall HostWordToNumber(WORD value, HostNumber* number);           // 2011
HOSTAPI BOOL __stdcall HostUIntToNumber(UINT value, HostNumber* number);           // 2012
HOSTAPI BOOL __stdcall HostIntToNumber(int value, HostNumber* number);             // 2013
HOSTAPI BOOL __stdcall HostDoubleToNumber(double value, HostNumber* number);       // 2014
// Conversions to integers truncate toward zero and saturate at the type's range;
// a null number converts to 0.
HOSTAPI LONG __stdcall HostNumberToLong(const HostNumber* number);                 // 2015
HOSTAPI WORD __stdcall HostNumberToWord(const HostNumber* number);                 // 2016
HOSTAPI int __stdcall HostNumberToInt(const HostNumber* number);                   // 2017
HOSTAPI UINT __stdcall HostNumberToUInt(const HostNumber* number);                 // 2018

// Whether a text is a number; the number a text holds (a null number and 0
// when it holds none).
HOSTAPI BOOL __stdcall HostIsNumberText(LPCWSTR text);                             // 319
HOSTAPI BOOL __stdcall HostTextToNumber(LPCWSTR text, HostNumber* number);         // 146

// ---- corrt51.dll: dates ------------------------------------------------------
// Values, pictures and the text reader of our replacement host: host/host_dates.h.
// Results go to `out`; 0 when no date/time could be made (then *out is null).
HOSTAPI BOOL __stdcall HostDateNow(HostDate* out);                                 // 116
HOSTAPI BOOL __stdcall HostDateConstruct(HostDate* out, int year, int month, int day,
                                         int hour, int minute, int second);        // 118
// Parts of a date/time; a null date gives 0.
HOSTAPI int __stdcall HostDateDay(const HostDate* value);                          // 119
HOSTAPI int __stdcall HostDateMonth(const HostDate* value);                        // 122
// 0 Saturday, 1 Sunday ... 6 Friday.
HOSTAPI int __stdcall HostDateWeekday(const HostDate* value);                      // 129
HOSTAPI int __stdcall HostDateYear(const HostDate* value);                         // 130
HOSTAPI int __stdcall HostDateHour(const HostDate* value);                         // 3010
HOSTAPI int __stdcall HostDateMinute(const HostDate* value);                       // 3011
HOSTAPI int __stdcall HostDateSecond(const HostDate* value);                       // 3012
// Nonzero when the text held a date/time; otherwise *out becomes a null date.
HOSTAPI BOOL __stdcall HostTextToDate(LPCWSTR text, HostDate* out);                // 145
HOSTAPI BOOL __stdcall HostIsDateText(LPCWSTR text);                               // 320
// A new host string: the date/time formatted with the picture; empty for a
// null date or an invalid picture.
HOSTAPI HOSTSTR __stdcall HostDateFormat(const HostDate* value, LPCWSTR picture);     // 323

// ---- cornm51.dll: arithmetic over numbers and date/times ------------------------
// date + number of days -> date, number + number -> number; a null operand gives
// a null result. 0 for operands that do not combine or a date out of range.
HOSTAPI BOOL __stdcall HostNumAddNum(const HostValue* a, const HostValue* b, HostValue* out); // 4
// date - date -> number of days (the fraction is time of day), date - number ->
// date, number - number -> number.
HOSTAPI BOOL __stdcall HostNumSubtract(const HostValue* a, const HostValue* b, HostValue* out); // 7
// a + `value`: a date moves by that many days, a number grows by it.
HOSTAPI BOOL __stdcall HostNumAdd(const HostValue* a, double value, HostValue* out); // 10

// ---- corrt51.dll: files ----------------------------------------------------------
// Host file handles are C runtime streams: the library and the host share the
// runtime (msvcrt), so the library may fseek and ftell a stream the host made.
// Opens `name` with the OpenFile access, share and create flags (OF_READ,
// OF_WRITE, OF_READWRITE, OF_SHARE_*, OF_CREATE); the name is used as given.
// Returns > 0 and sets *file on success, else 0 with the last error set.
HOSTAPI int __stdcall HostFileOpen(FILE** file, LPCWSTR name, DWORD flags);        // 3000
// Nonzero on success.
HOSTAPI BOOL __stdcall HostFileClose(FILE* file);                                  // 3001
// Bytes read (fread's count).
HOSTAPI int __stdcall HostFileRead(FILE* file, void* buffer, DWORD count);         // 3002
// Reads one text line into *line (creating the string when *line is 0): at most
// maxLength - 1 bytes, ending after a line feed; the line feed and a carriage
// return before it are dropped. Lines are bytes in the ANSI code page. Nonzero
// when a line was read, 0 at the end of the file or on a read error.
HOSTAPI BOOL __stdcall HostFileReadLine(FILE* file, HOSTSTR* line, int maxLength);    // 3003
// Bytes written.
HOSTAPI int __stdcall HostFileWrite(FILE* file, const void* buffer, DWORD count);  // 3004
// Writes `text` in the ANSI code page followed by a carriage return and line
// feed; nonzero on success.
HOSTAPI BOOL __stdcall HostFileWriteLine(FILE* file, LPCWSTR text);               // 3005
// Whether `file` is a stream that HostFileOpen made and that is still open.
HOSTAPI BOOL __stdcall HostFileIsOpen(FILE* file);                                 // 3006

// ---- corrt51.dll: values, window names ---------------------------------------------
// A number as its value, a date/time as days since the host's day zero with the
// time of day as fraction (so later date/times are larger); a null or unknown
// value gives 0.
HOSTAPI double __stdcall HostValueToDouble(const HostValue* value);                // 3034
// Reads decimal text (optional sign, digits, optional fraction) into *number;
// 0 for other text, and *number becomes a null number.
HOSTAPI BOOL __stdcall HostDecimalToNumber(LPCWSTR text, HostNumber* number);      // 3033
// Copies the host's name of `window` (the name the application knows it by)
// into `name` (at most size - 1 characters and a terminator) and returns its
// length; 0 for a window the host has no name for.
HOSTAPI int __stdcall HostGetWindowName(HWND window, LPWSTR name, int size);       // 3028

// ---- corrt51.dll: current directory, text search and split --------------------------
// Copies the host's current directory into `buffer` (at most size - 1
// characters and a terminator); returns its length, 0 on failure.
HOSTAPI int __stdcall HostGetCurrentDir(LPWSTR buffer, int size);                  // 3030
// Splits `text` at every occurrence of `separator` into string elements 0 ..
// count - 1 of `array` (bounds set to them) and returns the count: an empty
// text gives none, an empty separator the whole text; -1 for a bad array.
HOSTAPI int __stdcall HostStrSplit(LPCWSTR text, LPCWSTR separator, HARRAY array);  // 3031
// 0-based position of the first occurrence of `find` in `text` at or after
// `start`, compared without regard to case; -1 when there is none.
HOSTAPI int __stdcall HostStrFind(LPCWSTR text, LPCWSTR find, int start);          // 3032

// ---- cortl51.dll: table windows ----------------------------------------------------
// A table window is a grid whose columns are child windows (their window text
// is the column title) at 1-based positions; rows are numbered from 0. The
// context row is the row that cell operations without a row act on.

// Private messages of a table window.
enum : UINT {
    // lParam: HostTblCellText*. Fills the buffer with the cell's text (cut to
    // size - 1 characters); returns its length, -1 when there is no such cell.
    HOST_TBL_GETCELLTEXT = 0x429,
    // wParam: a metric index (HOST_TBL_METRIC_*); returns the metric.
    HOST_TBL_GETMETRIC = 0x448,
    // Returns the horizontal margins of a cell (left and right together), pixels.
    HOST_TBL_GETCELLMARGIN = 0x449,
    // wParam: column window, lParam: width in pixels. Nonzero when the width was set.
    HOST_TBL_SETCOLUMNWIDTH = 0x41A,
    // Places the columns again after a change of widths and repaints.
    HOST_TBL_RELAYOUT = 0x42F,
};
// Metric indexes of HOST_TBL_GETMETRIC.
enum : WPARAM {
    HOST_TBL_METRIC_ROWHEADERWIDTH = 0x16,  // width of the row header, pixels
};
// Row flags (HostTblFindNextRow, HostTblQueryRowFlag).
enum : WORD {
    HOST_ROW_SELECTED = 0x0001,
    HOST_ROW_EDITED = 0x0002,
    HOST_ROW_NEW = 0x0004,
    HOST_ROW_MARKDELETED = 0x0008,
};
// Column flags (HostTblGetColumnFlag, HostTblSetColumnFlag).
enum : DWORD {
    HOST_COL_SELECTED = 0x0004,
};

struct HostTblCellText {
    LONG row;       // row number
    int column;     // 0-based column position
    LPWSTR buffer;  // receives the text and a terminator
    int size;       // characters the buffer holds
};

// The column at a 1-based position, 0 when there is none.
HOSTAPI HWND __stdcall HostTblGetColumn(HWND table, int position);                 // 3100
// The 1-based position of a column of the table, 0 when it is not one.
HOSTAPI int __stdcall HostTblColumnPos(HWND table, HWND column);                   // 3101
// Makes `row` the context row; 1 when the row exists (else nothing changes).
HOSTAPI BOOL __stdcall HostTblSetContextRow(HWND table, LONG row);                 // 3102
// Nonzero when the column has any of the flag bits.
HOSTAPI BOOL __stdcall HostTblGetColumnFlag(HWND column, DWORD flag);              // 3103
// Sets (`set` nonzero) or clears column flag bits; nonzero for a column.
HOSTAPI BOOL __stdcall HostTblSetColumnFlag(HWND column, DWORD flag, BOOL set);    // 3104
// The text colour of the column's cell in the context row; nonzero when set.
HOSTAPI BOOL __stdcall HostTblSetCellColor(HWND column, COLORREF colour);          // 3105
// The next row after *row that has any of `flagsOn` (any row when 0) and none
// of `flagsOff`: nonzero and *row set to it, or 0 at the end. A *row below 0
// (such as 0x80000010) starts before the first row.
HOSTAPI BOOL __stdcall HostTblFindNextRow(HWND table, LONG* row, WORD flagsOn, WORD flagsOff); // 3106
// Nonzero when the row has any of the flag bits.
HOSTAPI BOOL __stdcall HostTblQueryRowFlag(HWND table, LONG row, WORD flag);       // 3107
// The first and last rows shown (wholly or in part); 0 when none is.
HOSTAPI BOOL __stdcall HostTblGetVisibleRows(HWND table, LONG* first, LONG* last); // 3130
// The row header of a shown row in client pixels; 0 when the row is not shown.
HOSTAPI BOOL __stdcall HostTblGetRowHeaderRect(HWND table, LONG row, RECT* rect);  // 3131
