#include <algorithm>

#include "controls/gdi_owners.h"
#include "controls/spin/spin_field.h"

namespace zw {

namespace {

// A filled triangle pointing up or down, centred in `box` and drawn row by
// row; nudged one pixel down and right while its button is held.
void DrawArrow(HDC dc, const spin::Box& box, bool up, bool held) {
    const int width = box.right - box.left, height = box.bottom - box.top;
    const int rows = std::max(1, std::min(width / 4, height / 3));
    const int nudge = held ? 1 : 0;
    const int cx = box.left + width / 2 + nudge;
    const int top = box.top + (height - rows) / 2 + nudge;
    HBRUSH brush = GetSysColorBrush(COLOR_BTNTEXT);
    for (int i = 0; i < rows; ++i) {
        const int half = up ? i : rows - 1 - i;
        const RECT line{cx - half, top + i, cx + half + 1, top + i + 1};
        FillRect(dc, &line, brush);
    }
}

void DrawButton(HDC dc, const spin::Box& box, bool up, bool held) {
    RECT r{box.left, box.top, box.right, box.bottom};
    DrawEdge(dc, &r, held ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    DrawArrow(dc, box, up, held);
}

}  // namespace

void PaintSpinField(HDC dc, const RECT& client, const SpinFieldState& spin, COLORREF editBackground) {
    const spin::SpinLayout layout = spin::SpinLayoutOf(client.right, client.bottom);
    if (spin.state & kSpinNoEdit) {
        const RECT editArea{0, 0, layout.buttonLeft, client.bottom};
        gdi::Object<HBRUSH> background(CreateSolidBrush(editBackground));
        FillRect(dc, &editArea, background.Get());
    }
    const RECT column{layout.buttonLeft, 0, client.right, client.bottom};
    FillRect(dc, &column, GetSysColorBrush(COLOR_BTNFACE));
    DrawButton(dc, layout.up, true, (spin.state & kSpinUpPressed) != 0);
    DrawButton(dc, layout.down, false, (spin.state & kSpinDownPressed) != 0);
}

}  // namespace zw
