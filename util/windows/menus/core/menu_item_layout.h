// The size of an owner-drawn menu item and where its parts go, from the
// measurements of its parts: the check-mark column, then the picture, the
// text and, right-aligned, the accelerator column. Pixels throughout.
#pragma once

namespace zw::menus {

constexpr int kPictureGap = 4;    // between the picture and the text
constexpr int kColumnGap = 12;    // between the text and the accelerator column
constexpr int kRightMargin = 4;   // after the last column

struct ItemMetrics {
    int checkWidth;         // width of the check-mark column (GetMenuCheckMarkDimensions)
    int pictureWidth;       // the picture's size; 0 by 0 without one
    int pictureHeight;
    int labelWidth;         // extent of the text before the tab, in the item's font
    int acceleratorWidth;   // extent of the text after the tab
    bool hasAccelerator;    // whether the text has a tab
    int textHeight;         // height of the item's font
    int menuFontHeight;     // height of the system menu font
};

struct ItemSize {
    int width;
    int height;
};

// Where the parts go, from the item's left edge.
struct ItemPlaces {
    int pictureLeft;  // the picture's left edge
    int labelLeft;    // the text's left edge
};

ItemSize MeasureItem(const ItemMetrics& metrics);
ItemPlaces PlaceItem(const ItemMetrics& metrics);

}  // namespace zw::menus
