#include "controls/palette/core/palette_layout.h"

#include <algorithm>

namespace zw::palette {

namespace {

// Cells are at least square; a list shorter than a row widens its cells so
// that they fill the row (one pixel between cells).
int CellWidthFor(int areaWidth, int cellHeight, int count) {
    const int fit = std::min((areaWidth + 1) / (cellHeight + 1), count);
    if (fit < 1) return cellHeight;
    return std::max(cellHeight, (areaWidth - fit + 1) / fit);
}

int ColumnsFor(int areaWidth, int cellWidth) {
    return std::max(1, (areaWidth + 1) / (cellWidth + 1));
}

int RowsFor(int count, int columns) {
    return (count + columns - 1) / columns;
}

// The three areas stacked from the whole rectangle's top-left corner, with
// two pixels between areas; an area without entries ends above its top.
void PlaceAreas(PaletteLayout& l, int left, int top, const PaletteCounts& counts) {
    const int right = left + 3 + l.areaWidth - 1;
    l.grid = {left + 3, top + 3, right, 0};
    l.grid.bottom = l.grid.top + RowsFor(counts.colors, l.columns) * (l.cellHeight + 1) - 2;
    l.menu = {l.grid.left, l.grid.bottom + 2, right, 0};
    l.menu.bottom = l.menu.top + counts.menuLines * (l.lineHeight + 2) - 3;
    l.mru = {l.grid.left, l.menu.bottom + 2, right, 0};
    l.mru.bottom = l.mru.top + RowsFor(counts.mruColors, l.mruColumns) * (l.mruCellHeight + 1) - 2;
}

}  // namespace

PaletteLayout ComputeLayout(const FontMetrics& font, int clientLeft, int clientTop, int clientWidth,
                            const PaletteCounts& counts) {
    PaletteLayout l;
    l.lineHeight = font.height + font.height / 3;
    const int baseCellWidth = font.aveCharWidth + (6 * font.aveCharWidth) / 10;
    l.cellHeight = l.mruCellHeight = l.lineHeight;
    l.areaWidth = std::max(8 * baseCellWidth, clientWidth - 7);
    l.cellWidth = CellWidthFor(l.areaWidth, l.cellHeight, counts.colors);
    l.mruCellWidth = CellWidthFor(l.areaWidth, l.mruCellHeight, counts.mruColors);
    l.columns = ColumnsFor(l.areaWidth, l.cellWidth);
    l.mruColumns = ColumnsFor(l.areaWidth, l.mruCellWidth);

    PlaceAreas(l, clientLeft, clientTop, counts);
    const int menuHeight = l.menu.bottom - l.menu.top;
    const int mruHeight = l.mru.bottom - l.mru.top;
    const int width = l.areaWidth + 6;
    const int height = (l.grid.bottom - l.grid.top) + menuHeight + mruHeight + 9 + (menuHeight > 0 ? 1 : 0) +
                       (mruHeight > 0 ? 1 : 0);
    const int left = clientWidth > width ? clientLeft + (clientWidth - width) / 2 : clientLeft;
    l.whole = {left, clientTop, left + width - 1, clientTop + height - 1};
    PlaceAreas(l, l.whole.left, l.whole.top, counts);
    return l;
}

InclusiveRect ItemRect(const PaletteLayout& l, int area, int index) {
    InclusiveRect r;
    if (area == kMenuArea) {
        r.left = l.menu.left;
        r.top = l.menu.top + (l.lineHeight + 2) * index;
        r.right = r.left + l.areaWidth - 1;
        r.bottom = r.top + l.lineHeight - 1;
        return r;
    }
    const bool grid = area == kGridArea;
    const InclusiveRect& origin = grid ? l.grid : l.mru;
    const int columns = grid ? l.columns : l.mruColumns;
    const int width = grid ? l.cellWidth : l.mruCellWidth;
    const int height = grid ? l.cellHeight : l.mruCellHeight;
    r.left = origin.left + (width + 1) * (index % columns);
    r.top = origin.top + (height + 1) * (index / columns);
    r.right = r.left + width - 1;
    r.bottom = r.top + height - 1;
    return r;
}

HitResult HitTest(const PaletteLayout& layout, const PaletteCounts& counts, int x, int y) {
    for (int area = 0; area < kAreaCount; ++area) {
        if (!layout.AreaRect(area).Contains(x, y)) continue;
        for (int index = 0; index < counts.Of(area); ++index)
            if (ItemRect(layout, area, index).Contains(x, y)) return {true, area, index};
    }
    return {};
}

int AreaAt(const PaletteLayout& layout, int x, int y) {
    for (int area = 0; area < kAreaCount; ++area)
        if (layout.AreaRect(area).Contains(x, y)) return area;
    return -1;
}

}  // namespace zw::palette
