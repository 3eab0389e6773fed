// Makers of the control objects behind the library's window classes, and the
// procedures of the two classes that keep their state in the window itself.
// Each control's folder defines its own maker.
#pragma once

#include <windows.h>

namespace zw {

class Control;

Control* NewCalendarControl();
Control* NewCalendarDropDownControl();
Control* NewPaletteControl();
Control* NewPaletteDropDownControl();
Control* NewSplitterControl();
Control* NewListViewControl();
Control* NewListViewDropDownControl();

LRESULT CALLBACK SpinFieldWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK MeterWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace zw
