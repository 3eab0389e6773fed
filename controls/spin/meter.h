// The meter: a percentage bar. A rectangle filled in proportion to a value
// from 0 to 100, with the percentage written across it in inverted colours
// where the bar covers it. Its only state is the 16-bit window word at
// offset 0: 0 to 100 is the percentage; anything larger (the state after
// creation on a form) draws nothing.
#pragma once

#include <windows.h>

namespace zw {

constexpr wchar_t kMeterClassName[] = L"ZW:cMeter:10";

// Stores `percent` (0 to 100) in a meter window and redraws it at once.
void SetMeterValue(HWND meter, unsigned percent);

}  // namespace zw
