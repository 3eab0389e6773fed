// The flag word of a field (window property "ZW:WinFlags"): behaviour the
// application adds to single windows of a host form.
#pragma once

#include <windows.h>

namespace zw::windows {

enum FieldFlag : DWORD {
    kFlagRequired = 0x1,             // must not be empty
    kFlagKeepOnClear = 0x2,          // left alone by ZelWinClearAllFields
    kFlagKeepEdited = 0x4,           // left alone by ZelWinClearAllEditFlags
    kFlagPathDisplay = 0x8,          // text set into the window is shortened to fit
    kFlagReadOnly = 0x10,            // no tab stop; read-only data field; other kinds ignore clicks
    kFlagEnableWhenFilled = 0x10000, // enabled only while every required field of the form is filled
};

// The window's flag word; 0 when it has none.
DWORD FieldFlags(HWND window);

// Sets (`set`) or clears `bits` in the window's flag word, making the flag
// block and subclassing the window on first use, and the parent (and its
// siblings) when `bits` asks for required-field watching. False, leaving no
// block behind, when the block or its property cannot be made.
bool SetFieldFlags(HWND window, DWORD bits, bool set);

}  // namespace zw::windows
