#include "controls/splitter/drag_feedback.h"

#include "controls/splitter/splitter_resources.h"

namespace zw {

namespace {

constexpr DWORD kPatternInvert = PATINVERT;  // 0x5A0049: destination XOR pattern

HRGN RegionOf(const splitter::Rect& r) { return CreateRectRgn(r.left, r.top, r.right, r.bottom); }

}  // namespace

void DragFeedback::Show(HWND parent, const splitter::Rect& screenRect) {
    region_.Reset(RegionOf(screenRect));
    if (region_) Invert(parent, region_.Get());
}

void DragFeedback::Move(HWND parent, const splitter::Rect& screenRect) {
    if (!region_) return Show(parent, screenRect);
    gdi::Object<HRGN> next(RegionOf(screenRect));
    gdi::Object<HRGN> changed(CreateRectRgn(0, 0, 0, 0));
    if (!next || !changed) return;
    if (CombineRgn(changed.Get(), region_.Get(), next.Get(), RGN_XOR) != NULLREGION) Invert(parent, changed.Get());
    region_ = std::move(next);
}

void DragFeedback::Remove(HWND parent) {
    if (!region_) return;
    Invert(parent, region_.Get());
    region_.Reset();
}

void DragFeedback::Invert(HWND parent, HRGN screenRegion) {
    // A cache DC without child clipping: the feedback crosses the panes.
    gdi::WindowDC dc(parent, DCX_CACHE | DCX_LOCKWINDOWUPDATE);
    gdi::Object<HRGN> local(CreateRectRgn(0, 0, 0, 0));
    if (!dc || !local) return;
    POINT origin{0, 0};
    ClientToScreen(parent, &origin);
    CombineRgn(local.Get(), screenRegion, nullptr, RGN_COPY);
    OffsetRgn(local.Get(), -origin.x, -origin.y);
    RECT box;
    if (GetRgnBox(local.Get(), &box) == NULLREGION) return;
    SelectClipRgn(dc.Get(), local.Get());
    gdi::Selection brush(dc.Get(), SharedSplitterResources().patternBrush);
    PatBlt(dc.Get(), box.left, box.top, box.right - box.left, box.bottom - box.top, kPatternInvert);
}

}  // namespace zw
