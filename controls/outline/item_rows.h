// What attribute changes do to the rows of the items they change.
#pragma once

#include <windows.h>

#include "controls/outline/outline_box.h"

namespace zw::outline {

// Sets (or clears) flags on a record and repaints its row when any of the top
// 8 bits is involved (a combo box, or a record without a row: the whole box).
void ApplyFlags(HWND box, const OutlineState& state, RowRecord& record, int row, DWORD flags, bool set);
// Measures a row again through the parent (WM_MEASUREITEM), sets its height
// and repaints it.
void Remeasure(HWND box, const OutlineState& state, int row);

}  // namespace zw::outline
