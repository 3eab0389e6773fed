#include "controls/outline/core/row_layout.h"

#include <algorithm>

#include "controls/outline/core/outline_flags.h"

namespace zw::outline {

int LineColumn(const RowInput& in, int level) {
    const int levelWidth = in.indentUnit * (in.aveCharWidth / 2);
    return in.row.left + level * levelWidth - levelWidth / 2;
}

RowLayout LayOutRow(const RowInput& in) {
    RowLayout out;
    out.levelWidth = in.indentUnit * (in.aveCharWidth / 2);
    out.indent = in.tree ? std::max(in.level, 0) * out.levelWidth : 0;
    out.gap = in.hasPicture ? (in.tree ? in.aveCharWidth : 5) : 0;
    const int pictureWidth = in.hasPicture ? in.pictureWidth : 0;
    const int pictureHeight = in.hasPicture ? in.pictureHeight : 0;
    const Box& row = in.row;

    if (in.style & kStylePictureAbove) {
        out.picture = {row.left + (row.Width() - pictureWidth) / 2, row.top, 0, 0};
        out.textX = row.left + (row.Width() - in.textWidth) / 2;
        out.textY = row.top + pictureHeight;
    } else {
        out.picture = {row.left + out.indent + out.gap / 2, row.top + (row.Height() - pictureHeight) / 2, 0, 0};
        out.textX = row.left + out.indent + pictureWidth + out.gap;
        out.textY = row.top + (row.Height() - in.textHeight) / 2;
    }
    out.picture.right = out.picture.left + pictureWidth;
    out.picture.bottom = out.picture.top + pictureHeight;
    out.text = {out.textX, out.textY, std::min(out.textX + in.textWidth + 4, row.right), out.textY + in.textHeight};

    out.opaque = row;
    if (in.disabled && in.tree && out.indent != 0) {
        out.opaque = {row.left - 1, row.top - 1, row.right + 2, row.bottom + 2};
    } else if (in.style & kStyleOpaqueFromIndent) {
        out.opaque.left = row.left + out.indent;
        out.opaque.right = std::min(out.opaque.left + in.textWidth + out.gap + pictureWidth + 4, row.right);
    } else if (in.style & kStylePaintPictureColumn) {
        out.opaque.left = out.textX - 2;
        out.opaque.right = std::min(out.opaque.left + in.textWidth + 4, row.right);
    }

    out.middleY = row.top + row.Height() / 2;
    const int column = LineColumn(in, in.level);
    out.button = {column - 4, out.middleY - 4, column + 5, out.middleY + 5};
    out.stubEnd = in.hasPicture ? out.picture.left - 1 : out.textX - 2;
    return out;
}

RowHit HitTestRow(const RowLayout& layout, int x, int y, bool hasButton) {
    if (hasButton && layout.button.Contains(x, y)) return RowHit::Button;
    if (x >= layout.button.left && x < layout.text.right) return RowHit::PassOn;
    return RowHit::Swallow;
}

}  // namespace zw::outline

namespace zw::outline {

int NextTabStop(int x, const int* stops, int count, int interval) {
    if (count < 0) return interval > 0 ? (x / interval + 1) * interval : x;
    for (int i = 0; i < count; ++i) {
        if (stops[i] > x) return stops[i];
    }
    return x;
}

}  // namespace zw::outline
