// Where the colour palette's parts lie: the three stacked areas (the grid of
// palette colours, the menu lines, the grid of recently used colours), every
// cell and line in them, and which of them a point hits. Everything here is a
// function of the font's metrics, the client size and the entry counts.
//
// Rectangles are inclusive: right and bottom are the last pixel inside, so a
// rectangle whose bottom is above its top is empty.
#pragma once

namespace zw::palette {

struct InclusiveRect {
    int left = 0, top = 0, right = -1, bottom = -1;

    bool Contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
    bool IsEmpty() const { return right < left || bottom < top; }
    // Grown by `d` pixels on every side (shrunk for negative `d`).
    InclusiveRect Grown(int d) const { return {left - d, top - d, right + d, bottom + d}; }
    bool operator==(const InclusiveRect&) const = default;
};

// The palette's areas, in their order from top to bottom and for focus.
enum Area : int { kGridArea = 0, kMenuArea = 1, kMRUArea = 2 };
constexpr int kAreaCount = 3;

// Entries in each area. `menuLines` counts the application's lines and the
// built-in lines together.
struct PaletteCounts {
    int colors = 0;
    int menuLines = 0;
    int mruColors = 0;

    int Of(int area) const { return area == kGridArea ? colors : area == kMenuArea ? menuLines : mruColors; }
};

// What the layout needs of the font: its text metrics.
struct FontMetrics {
    int height = 0;        // tmHeight
    int aveCharWidth = 0;  // tmAveCharWidth
};

struct PaletteLayout {
    int lineHeight = 0;     // height of a menu line; menu lines step by lineHeight + 2
    int cellHeight = 0;     // palette colour cell height
    int cellWidth = 0;      // palette colour cell width
    int mruCellHeight = 0;  // recently used colour cell height
    int mruCellWidth = 0;   // recently used colour cell width
    int areaWidth = 0;      // inner width shared by the three areas
    int columns = 1;        // palette colour cells per row
    int mruColumns = 1;     // recently used colour cells per row
    InclusiveRect whole;    // the whole palette, frame margins included
    InclusiveRect grid;     // area of the palette colours
    InclusiveRect menu;     // area of the menu lines
    InclusiveRect mru;      // area of the recently used colours

    const InclusiveRect& AreaRect(int area) const {
        return area == kGridArea ? grid : area == kMenuArea ? menu : mru;
    }
};

// Lays the palette out in a client area `clientWidth` wide, its top-left at
// (clientLeft, clientTop). The whole rectangle is centred horizontally when
// the client is wider than it; its height is what the entries need, whatever
// the client's height.
PaletteLayout ComputeLayout(const FontMetrics& font, int clientLeft, int clientTop, int clientWidth,
                            const PaletteCounts& counts);

// The rectangle of entry `index` of `area`: a cell of either grid or a menu
// line. Defined for any index, whether or not the entry exists.
InclusiveRect ItemRect(const PaletteLayout& layout, int area, int index);

// The entry at a point: the first rectangle that contains it, searching the
// areas in order grid, menu, MRU and each area's entries in index order.
struct HitResult {
    bool hit = false;
    int area = -1;
    int index = -1;
};
HitResult HitTest(const PaletteLayout& layout, const PaletteCounts& counts, int x, int y);

// The area whose rectangle contains the point, or -1.
int AreaAt(const PaletteLayout& layout, int x, int y);

}  // namespace zw::palette
