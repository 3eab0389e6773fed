// Where the parts of a month calendar lie: the title line between two arrow
// buttons, the weekday row and the 6 x 7 day grid, all laid out from the
// client size and the control font's measuring units. Rows and columns are
// separated by 1-pixel lines; the content is centred in the client area.
#pragma once

#include "frame/core/rect.h"

namespace zw::calendar {

using Rect = zw::Rect;

// The font's measuring units, in pixels: unit width = average character
// width x 1.6, unit height = character height x 4/3 (integer arithmetic).
struct Units {
    int width = 0;
    int height = 0;
};
Units MeasuringUnits(int averageCharWidth, int charHeight);

constexpr int kColumns = 7;
constexpr int kWeekRows = 6;
constexpr int kCells = kColumns * kWeekRows;

struct Layout {
    int cellWidth = 0;     // W: width of a day cell, pixels
    int cellHeight = 0;    // H: height of every row, pixels
    Rect content;          // title, weekday row and grid: 7W + 6 by 8H + 7
    Rect previousButton;   // top-left, H high, B wide (B = H when odd, else H + 1)
    Rect nextButton;       // top-right, same size
    Rect title;            // between the buttons
    Rect weekdayRow;       // below the title, full content width
    Rect dayGrid;          // the 42 cells and the lines between them

    // Cell 0..41, seven to a row; -1 (or any other number) gives an empty rectangle.
    Rect Cell(int cell) const;
    // The cell whose rectangle holds the point; -1 on a separator or outside.
    int HitCell(int x, int y) const;
    // Column c (0..6) of the weekday row.
    Rect WeekdayColumn(int column) const;
    // Separator lines of the grid: x of vertical line c (1..6), y of
    // horizontal line r (1..5).
    int GridLineX(int column) const;
    int GridLineY(int row) const;
};

Layout ComputeLayout(int clientWidth, int clientHeight, Units units);

// The window size that fits the content exactly (a 1-pixel border around it).
struct Size {
    int width = 0;
    int height = 0;
};
Size ContentWindowSize(const Layout& layout);

}  // namespace zw::calendar
