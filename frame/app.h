// The library's application object and its process-wide state.
#pragma once

#include <windows.h>

#include <string>

namespace zw {

// The library's module instance: owner of its dialogs and source of its resources.
HINSTANCE ModuleInstance();

// The application name, "Zelkova Widgets Library": the caption of the
// library's message boxes.
const wchar_t* AppName();

// Large icon size (SM_CXICON by SM_CYICON) and the small size, fixed at 16 by 16.
SIZE LargeIconSize();
SIZE SmallIconSize();

// Class-palette bitmap by designer index: 1 calendar ... 8 spin field; any other
// index gives the logo.
HBITMAP ClassPaletteBitmap(int index);

// Whether a host class name is one of the host's list or combo box classes.
bool IsListClassName(const std::wstring& className);

// A string-table text of the library ("" when the id is missing).
std::wstring LoadMessage(UINT id);
// The same with "%1" replaced by `argument`.
std::wstring FormatMessageId(UINT id, const std::wstring& argument);

}  // namespace zw
