#include "controls/splitter/core/splitter_layout.h"

#include <algorithm>

namespace zw::splitter {

Rect Intersect(const Rect& a, const Rect& b) {
    Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
    return r.IsEmpty() ? Rect{} : r;
}

Rect TiledBar(const Rect& bar, const Rect& parentClient, bool vertical) {
    if (vertical) return {bar.left, parentClient.top, bar.left + kBarThickness, parentClient.bottom};
    return {parentClient.left, bar.top, parentClient.right, bar.top + kBarThickness};
}

PaneAreas PaneAreasOf(const Rect& bar, const Rect& parentClient, bool vertical) {
    const Rect& p = parentClient;
    if (vertical) return {{p.left, p.top, bar.left, p.bottom}, {bar.left + bar.Width(), p.top, p.right, p.bottom}};
    return {{p.left, p.top, p.right, bar.top}, {p.left, bar.top + bar.Height(), p.right, p.bottom}};
}

DragLimits DragLimitsOf(const Rect& parentInBar, int grabOffset, int thickness, bool vertical) {
    return {NearEdge(parentInBar, vertical) + grabOffset - 1, FarEdge(parentInBar, vertical) + grabOffset - thickness + 1};
}

int ClampDragPos(int position, const DragLimits& limits) {
    position = std::min(position, limits.maximum);
    return std::max(position, limits.minimum);
}

Rect FeedbackRect(const Rect& barOnScreen, int shift, bool vertical, int cornerCut, const Rect& parentOnScreen) {
    Rect r = barOnScreen;
    if (vertical) {
        r.left += shift;
        r.right += shift;
        r.bottom -= cornerCut;
    } else {
        r.top += shift;
        r.bottom += shift;
        r.right -= cornerCut;
    }
    return Intersect(r, parentOnScreen);
}

Rect CornerBlock(const Rect& client, bool vertical, int cornerSize) {
    Rect r = client;
    if (vertical) r.top = r.bottom - cornerSize;
    else r.left = r.right - cornerSize;
    return Intersect(r, client);
}

std::array<int, 2> ChoosePanes(std::span<const PaneCandidate> candidates) {
    std::array<int, 2> panes{-1, -1};
    int found = 0;
    bool skipNext = false;
    for (int i = 0; i < int(candidates.size()) && found < 2; ++i) {
        if (skipNext) {
            skipNext = false;
            continue;
        }
        if (candidates[i].ignored) continue;
        panes[found++] = i;
        skipNext = candidates[i].hiddenCompanion;
    }
    return panes;
}

}  // namespace zw::splitter
