// Measuring and drawing the owner-drawn menu items the library keeps records
// of: the check mark, the picture, the text in the item's font and the
// accelerator column after a tab.
#pragma once

#include <windows.h>

#include "util/windows/menus/menu_state.h"

namespace zw::menus {

// The item's size (WM_MEASUREITEM), measured in `owner`'s device context.
SIZE MeasureMenuItem(HWND owner, const ItemRecordView& item);

// Draws the item (WM_DRAWITEM): the background in the highlight colour when
// selected, else the menu colour; the system check mark when checked; the
// picture; the text in the highlight text colour when selected and in grey
// when disabled. Changes nothing but the pixels.
void DrawMenuItem(const DRAWITEMSTRUCT& draw, const ItemRecordView& item);

}  // namespace zw::menus
