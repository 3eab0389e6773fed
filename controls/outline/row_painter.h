// Measuring and drawing the rows of outline boxes (the parent procedure's
// WM_MEASUREITEM and WM_DRAWITEM), and the text rectangle of a row.
#pragma once

#include <windows.h>

#include "controls/outline/core/outline_tree.h"
#include "controls/outline/core/row_layout.h"
#include "controls/outline/outline_state.h"

namespace zw::outline {

// The height of a row holding `record` (null: a row without a record, such
// as a combo box's edit field). Fills the state's first-use fields.
UINT MeasureRow(HWND box, const RowRecord* record);

// Draws one row of `box` as the box's owner is asked to.
void DrawRow(HWND box, const DRAWITEMSTRUCT& item);

// The layout of a row whose rectangle is `row`, with `dc` for measuring;
// false when the row's item data is not a record.
bool LayOutRecordRow(HWND box, const OutlineState& state, HDC dc, const RowRecord& record, const RECT& row,
                     bool selected, RowLayout* layout);

}  // namespace zw::outline
