// The background colour of every message box the process shows.
#pragma once

#include <windows.h>

namespace zw::msgbox {

COLORREF BackgroundColour();

}  // namespace zw::msgbox
