#include "controls/calendar/core/month_grid.h"

#include <algorithm>

#include "controls/calendar/core/calendar_layout.h"
#include "controls/calendar/core/calendar_math.h"

namespace zw::calendar {

int MonthGrid::CellOfOffset(int offset) const {
    const int cell = firstCell + offset;
    return cell >= 0 && cell < kCells ? cell : -1;
}

MonthGrid MakeMonthGrid(int weekdayOfFirst, int firstDayOfWeek, int daysInMonth) {
    MonthGrid grid;
    grid.firstCell = FirstCellIndex(weekdayOfFirst, firstDayOfWeek);
    grid.lastCell = grid.firstCell + daysInMonth - 1;
    return grid;
}

int ClickableCell(int cell, const MonthGrid& grid, bool showOutsideDays, bool outsideDaysSelectable) {
    if (cell < 0 || cell >= kCells) return -1;
    if (!grid.IsInMonth(cell) && !(showOutsideDays && outsideDaysSelectable)) return -1;
    return cell;
}

bool IsFocusableCell(int cell, const MonthGrid& grid, bool showOutsideDays) {
    return cell >= 0 && cell < kCells && (showOutsideDays || grid.IsInMonth(cell));
}

FocusStep StepFocus(int focusCell, int step, const MonthGrid& grid, bool showOutsideDays) {
    if (focusCell >= 0 && IsFocusableCell(focusCell + step, grid, showOutsideDays))
        return FocusStep{false, focusCell + step};
    return FocusStep{true, -1};
}

int RowStartCell(int focusCell, const MonthGrid& grid, bool showOutsideDays) {
    if (focusCell < 0 || focusCell >= kCells) return -1;
    const int start = focusCell - focusCell % kColumns;
    return showOutsideDays ? start : std::max(start, grid.firstCell);
}

int RowEndCell(int focusCell, const MonthGrid& grid, bool showOutsideDays) {
    if (focusCell < 0 || focusCell >= kCells) return -1;
    const int end = focusCell - focusCell % kColumns + kColumns - 1;
    return showOutsideDays ? end : std::min(end, grid.lastCell);
}

int FocusCellInsideMonth(int focusCell, const MonthGrid& grid) {
    if (focusCell < 0) return focusCell;
    if (focusCell < grid.firstCell) return grid.firstCell;
    if (focusCell > grid.lastCell) return grid.lastCell;
    return focusCell;
}

MonthStep StepMonths(int year, int month, int day, int months) {
    int index = year * 12 + (month - 1) + months;
    MonthStep step;
    step.year = index >= 0 ? index / 12 : -((-index + 11) / 12);
    step.month = index - step.year * 12 + 1;
    step.day = std::min(day, DaysInMonth(step.month, step.year));
    return step;
}

}  // namespace zw::calendar
