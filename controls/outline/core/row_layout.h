// Where the parts of an outline row go: indentation, picture, text, the
// opaque text rectangle, tree-line columns and the plus/minus button. The same
// layout serves drawing, mouse hit-testing and ZelListGetTextRectangle, so the
// three always agree.
#pragma once

#include <cstdint>

#include "frame/core/rect.h"

namespace zw::outline {

using Box = zw::Rect;

struct RowInput {
    Box row;                     // the row's rectangle in client pixels
    bool tree = false;           // the row belongs to the tree (has a node)
    int level = 0;               // the item's level (tree rows)
    int indentUnit = 5;          // outline state's indent unit per level
    std::uint32_t style = 0;     // library style bits
    bool disabled = false;       // row flag 0x01000000
    int aveCharWidth = 0;        // tmAveCharWidth of the row's font
    int textHeight = 0;          // tmHeight of the row's font
    int textWidth = 0;           // extent of the row's text
    bool hasPicture = false;
    int pictureWidth = 0;
    int pictureHeight = 0;
};

struct RowLayout {
    int levelWidth = 0;  // pixels per level: indent unit x (tmAveCharWidth / 2)
    int indent = 0;      // level x levelWidth for tree rows, 0 for plain rows
    int gap = 0;         // between picture and text: tmAveCharWidth (tree) or 5 (plain), 0 without picture
    Box picture;         // where the picture is drawn (clipped to the row when taller)
    int textX = 0, textY = 0;
    Box text;            // the text rectangle: text x to x + width + 4, text height centred
    Box opaque;          // the rectangle ExtTextOut paints behind the text
    int middleY = 0;     // the row's vertical middle, where stubs and buttons sit
    Box button;          // the 9 by 9 plus/minus box around the item's stub start
    int stubEnd = 0;     // x where the horizontal stub ends (picture or text start)
};

RowLayout LayOutRow(const RowInput& in);

// x of the vertical tree line that joins the children of items at level
// `level` - 1, i.e. the column in which an item of `level` starts its stub.
int LineColumn(const RowInput& in, int level);

// Where a mouse press lands on a tree row of a box with buttons: inside the
// button (when the row has one), between the button's left edge and the
// text's right edge (passed on to the box), or elsewhere on the row.
enum class RowHit { Button, PassOn, Swallow };
RowHit HitTestRow(const RowLayout& layout, int x, int y, bool hasButton);

}  // namespace zw::outline

namespace zw::outline {

// The next tab stop after `x` (pixels from the text's start). `count` stops
// in `stops`; with count -1 a stop falls every `interval` pixels; with no
// stop left the piece follows at `x`.
int NextTabStop(int x, const int* stops, int count, int interval);

}  // namespace zw::outline
