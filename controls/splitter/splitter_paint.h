// Drawing the splitter bar from its record alone.
#pragma once

#include <windows.h>

#include "controls/splitter/core/prop_splitter.h"

namespace zw {

// Draws the bar into `dc` over `client`: the button face; with b3D of 1 or
// more, four lines along the bar (face, highlight, shadow, window frame, from
// the near edge to the far one); with bScrollCorner 1, the black corner
// block of `cornerSize` at the far end.
void PaintSplitterBar(HDC dc, const RECT& client, const SPropSplitter& record, int cornerSize);

}  // namespace zw
