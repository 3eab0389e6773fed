// The splitter bar's geometry: where the bar sits after tiling, the areas of
// its two panes, how far a drag may take it, the drag feedback's rectangle,
// and which of a parent's child windows become the panes. All of it is
// arithmetic over rectangles, kept apart from the window so tests can check
// it without one.
//
// A vertical bar divides left and right panes and moves along x; a
// horizontal bar divides top and bottom panes and moves along y.
#pragma once

#include <array>
#include <span>

#include "frame/core/rect.h"

namespace zw::splitter {

using Rect = zw::Rect;

// The bar's thickness across its axis after every re-layout.
constexpr int kBarThickness = 6;

// The common part of two rectangles (an empty rectangle when they do not meet).
Rect Intersect(const Rect& a, const Rect& b);

// The bar after tiling: 6 pixels thick from its current left (vertical) or
// top (horizontal) edge, as long as the parent's client area across the axis.
// `bar` and `parentClient` are in the parent's client coordinates.
Rect TiledBar(const Rect& bar, const Rect& parentClient, bool vertical);

// The panes' areas on either side of the bar: the first pane above or left of
// it, the second below or right of it. Either may be empty.
struct PaneAreas {
    Rect first;
    Rect second;
};
PaneAreas PaneAreasOf(const Rect& bar, const Rect& parentClient, bool vertical);

// Coordinate along the bar's axis: x for a vertical bar, y for a horizontal one.
inline int AlongAxis(int x, int y, bool vertical) { return vertical ? x : y; }
inline int NearEdge(const Rect& r, bool vertical) { return vertical ? r.left : r.top; }
inline int FarEdge(const Rect& r, bool vertical) { return vertical ? r.right : r.bottom; }

// The range of pointer positions (in the bar's client coordinates) that a
// drag accepts. The bar's near edge then stays within one pixel beyond either
// edge of the parent's client area.
struct DragLimits {
    int minimum = 0;
    int maximum = 0;
};
// `parentInBar` is the parent's client rectangle in the bar's client
// coordinates; `grabOffset` the pointer's distance from the bar's near edge
// at button-down; `thickness` the bar's size along the axis.
DragLimits DragLimitsOf(const Rect& parentInBar, int grabOffset, int thickness, bool vertical);

// The pointer position clamped to the limits: first to the maximum, then to
// the minimum, so a parent narrower than the bar leaves the bar at the minimum.
int ClampDragPos(int position, const DragLimits& limits);

// The drag feedback in screen coordinates: the bar's screen rectangle moved
// `shift` pixels along the axis, shortened at its far end (bottom of a
// vertical bar, right of a horizontal one) by `cornerCut`, and kept inside the
// parent's client area on the screen.
Rect FeedbackRect(const Rect& barOnScreen, int shift, bool vertical, int cornerCut, const Rect& parentOnScreen);

// The black block that stands for the scroll-bar corner at the bar's far
// end: the bottom `cornerSize` rows of a vertical bar, the right `cornerSize`
// columns of a horizontal one. `client` is the bar's client rectangle.
Rect CornerBlock(const Rect& client, bool vertical, int cornerSize);

// A child window of the parent, as the automatic pane assignment sees it, in
// z-order from the top.
struct PaneCandidate {
    bool ignored = false;        // a splitter or one of the host's sizing handles
    bool hiddenCompanion = false;  // host type 0x8000000 and not visible: the window after it goes too
};

// Indices of the windows that become the first and the second pane (-1 when
// there are not enough): the first two candidates not ignored, where a
// counted hidden companion takes the window after it out of the running.
std::array<int, 2> ChoosePanes(std::span<const PaneCandidate> candidates);

}  // namespace zw::splitter
