#include "controls/calendar/core/calendar_layout.h"

#include <algorithm>

namespace zw::calendar {

Units MeasuringUnits(int averageCharWidth, int charHeight) {
    return Units{averageCharWidth + (6 * averageCharWidth) / 10, charHeight + charHeight / 3};
}

Layout ComputeLayout(int clientWidth, int clientHeight, Units units) {
    Layout l;
    l.cellWidth = std::max(clientWidth / kColumns - 1, units.width * 250 / 100);
    l.cellHeight = std::max(clientHeight / 8 - 1, units.height);
    const int W = l.cellWidth, H = l.cellHeight;

    const int contentWidth = kColumns * W + 6, contentHeight = 8 * H + 7;
    const int left = std::max(0, (clientWidth - contentWidth) / 2);
    const int top = std::max(0, (clientHeight - contentHeight) / 2);
    l.content = {left, top, left + contentWidth, top + contentHeight};

    // An odd button width centres the arrow on a pixel.
    const int B = H % 2 == 1 ? H : H + 1;
    l.previousButton = {left, top, left + B, top + H};
    l.nextButton = {l.content.right - B, top, l.content.right, top + H};
    l.title = {l.previousButton.right, top, l.nextButton.left, top + H};
    l.weekdayRow = {left, l.title.bottom + 1, l.content.right, l.title.bottom + 1 + H};
    l.dayGrid = {left, l.weekdayRow.bottom + 1, left + kColumns * W + 6, l.weekdayRow.bottom + 6 + kWeekRows * H};
    return l;
}

Rect Layout::Cell(int cell) const {
    if (cell < 0 || cell >= kCells) return Rect{};
    const int left = dayGrid.left + (cell % kColumns) * (cellWidth + 1);
    const int top = dayGrid.top + (cell / kColumns) * (cellHeight + 1);
    return Rect{left, top, left + cellWidth, top + cellHeight};
}

int Layout::HitCell(int x, int y) const {
    for (int cell = 0; cell < kCells; ++cell)
        if (Cell(cell).Contains(x, y)) return cell;
    return -1;
}

Rect Layout::WeekdayColumn(int column) const {
    const int left = weekdayRow.left + column * (cellWidth + 1);
    return Rect{left, weekdayRow.top, left + cellWidth, weekdayRow.bottom};
}

int Layout::GridLineX(int column) const { return dayGrid.left + column * (cellWidth + 1) - 1; }
int Layout::GridLineY(int row) const { return dayGrid.top + row * (cellHeight + 1) - 1; }

Size ContentWindowSize(const Layout& layout) {
    return Size{kColumns * layout.cellWidth + 8, 8 * layout.cellHeight + 9};
}

}  // namespace zw::calendar
