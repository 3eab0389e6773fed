// The splitter's drag feedback: a rectangle inverted with the gray pattern
// brush over the parent's client area and the windows in it, showing where
// the bar would land. Inverting twice restores the pixels, so moving the
// feedback inverts only what the old and the new rectangle do not share,
// and the area shown always equals the current rectangle.
#pragma once

#include <windows.h>

#include "controls/gdi_owners.h"
#include "controls/splitter/core/splitter_layout.h"

namespace zw {

class DragFeedback {
public:
    // Inverts `screenRect` (screen coordinates) over `parent`'s client area.
    void Show(HWND parent, const splitter::Rect& screenRect);
    // Moves the shown feedback to `screenRect`.
    void Move(HWND parent, const splitter::Rect& screenRect);
    // Inverts the shown area back and forgets it.
    void Remove(HWND parent);
    bool Shown() const { return static_cast<bool>(region_); }

private:
    // Inverts `screenRegion` on the parent's client area, children included.
    static void Invert(HWND parent, HRGN screenRegion);

    gdi::Object<HRGN> region_;  // the area shown now, in screen coordinates; null when hidden
};

}  // namespace zw
