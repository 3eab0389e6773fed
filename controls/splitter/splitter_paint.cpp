#include "controls/splitter/splitter_paint.h"

#include "controls/splitter/core/splitter_layout.h"

namespace zw {

namespace {

void Fill(HDC dc, int left, int top, int right, int bottom, HBRUSH brush) {
    const RECT r{left, top, right, bottom};
    FillRect(dc, &r, brush);
}

}  // namespace

void PaintSplitterBar(HDC dc, const RECT& client, const SPropSplitter& record, int cornerSize) {
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    const bool vertical = record.bVertical != 0;
    if (record.b3D >= 1) {
        const int colours[4] = {COLOR_BTNFACE, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW, COLOR_WINDOWFRAME};
        const int nearEdge = vertical ? client.left : client.top;
        const int farEdge = vertical ? client.right : client.bottom;
        const int at[4] = {nearEdge, nearEdge + 1, farEdge - 2, farEdge - 1};
        for (int i = 0; i < 4; ++i) {
            HBRUSH brush = GetSysColorBrush(colours[i]);
            if (vertical) Fill(dc, at[i], client.top, at[i] + 1, client.bottom, brush);
            else Fill(dc, client.left, at[i], client.right, at[i] + 1, brush);
        }
    }
    if (record.bScrollCorner == 1) {
        const splitter::Rect block = splitter::CornerBlock({client.left, client.top, client.right, client.bottom},
                                                           vertical, cornerSize);
        Fill(dc, block.left, block.top, block.right, block.bottom, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
}

}  // namespace zw
