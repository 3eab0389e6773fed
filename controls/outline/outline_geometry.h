// Row geometry of list boxes: visible rows, the row under a point.
#pragma once

#include <windows.h>

#include "controls/outline/outline_state.h"

namespace zw::outline {

// Walks the row heights from the top row until they fill the window: the
// first and last rows shown (last -1 for an empty box) and their count.
int VisibleRows(HWND box, const OutlineState& state, int* first, int* last);

}  // namespace zw::outline
