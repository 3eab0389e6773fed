// Where the parts of a drop-down control go: the edit field and the button
// inside the control's client area, and the popup on the screen, below the
// control or, when the screen ends first, above it. Sizes in pixels.
#pragma once

#include "frame/core/rect.h"

namespace zw::dropdown {

using Box = zw::Rect;

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

// The gap between edit and button: half a button less one for an editable
// control on platforms without the version-4 shell, whose edit has a border
// of its own; none otherwise.
int EditButtonGap(int buttonWidth, bool editable, bool newShell);

struct FieldLayout {
    Box edit;    // at the client's left, full height
    Box button;  // at the client's right, `buttonWidth` wide, full height
};

// The edit and the button in a client area.
FieldLayout LayOutField(const Box& client, int buttonWidth, int gap);

// How a popup is placed against the control it belongs to (screen
// coordinates): its left edge on the anchor's left edge and its top
// `belowOffset` pixels under the anchor's bottom edge.
struct PopupRule {
    Box anchor;
    int belowOffset = 0;
};

// The popup's top-left corner on a screen of `screenWidth` x `screenHeight`:
// below the anchor by the rule; moved left so that it ends at the screen's
// right edge when it would pass it, but never left of 0; placed above the
// anchor instead (ending 1 pixel over its top) when it would pass the
// screen's bottom, but never above 0.
Point PlacePopup(const PopupRule& rule, int popupWidth, int popupHeight, int screenWidth, int screenHeight);

}  // namespace zw::dropdown
