// What every splitter shares, made when the first splitter is constructed:
// the inner window class "ZW:Splitter:10", the two sizing cursors and the
// gray pattern brush that draws the drag feedback.
#pragma once

#include <windows.h>

namespace zw {

struct SplitterResources {
    HCURSOR verticalCursor;    // "IDC_VSplit": over a vertical bar
    HCURSOR horizontalCursor;  // "IDC_HSplit": over a horizontal bar
    HBRUSH patternBrush;       // made from the bitmap "IDB_PatternGray"
};

// The shared resources, made on the first call and kept until the library
// unloads.
const SplitterResources& SharedSplitterResources();

}  // namespace zw
