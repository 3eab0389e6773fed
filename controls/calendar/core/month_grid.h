// The displayed month in the calendar's 42 cells, and the focus moves over
// them that need no date arithmetic: which cell a click may take, where a
// step of the focus lands, the ends of a row, and month and year steps.
#pragma once

namespace zw::calendar {

// Where the displayed month lies in the grid; the cells before firstCell and
// after lastCell show the adjacent months.
struct MonthGrid {
    int firstCell = 0;  // cell of the 1st, 0..6
    int lastCell = 0;   // cell of the last day

    bool IsInMonth(int cell) const { return cell >= firstCell && cell <= lastCell; }
    // Days from the 1st of the month to the date in `cell` (negative before it).
    int DayOffset(int cell) const { return cell - firstCell; }
    // The cell of the date `offset` days after the 1st; -1 outside the grid.
    int CellOfOffset(int offset) const;
};

// weekdayOfFirst and firstDayOfWeek are 1 (Sunday) .. 7 (Saturday).
MonthGrid MakeMonthGrid(int weekdayOfFirst, int firstDayOfWeek, int daysInMonth);

// What a click on `cell` (-1 for none) reaches: a cell of an adjacent month
// only when those days are both shown and selectable.
int ClickableCell(int cell, const MonthGrid& grid, bool showOutsideDays, bool outsideDaysSelectable);

// Whether the focus may rest on `cell`: inside the month, or anywhere in the
// grid while outside days are shown.
bool IsFocusableCell(int cell, const MonthGrid& grid, bool showOutsideDays);

// Where moving the focus by `step` cells lands: on a focusable cell of the
// grid, or, when the step leaves the grid or the shown days (or no cell has
// the focus), on the date `step` days away, whose month is then displayed.
struct FocusStep {
    bool byDays = false;  // true: move the focus date by `step` days
    int cell = -1;        // the new focus cell when !byDays
};
FocusStep StepFocus(int focusCell, int step, const MonthGrid& grid, bool showOutsideDays);

// The first and last focusable cell of the focus cell's row (Home and End);
// -1 when no cell has the focus.
int RowStartCell(int focusCell, const MonthGrid& grid, bool showOutsideDays);
int RowEndCell(int focusCell, const MonthGrid& grid, bool showOutsideDays);

// Where a focus outside the month goes when outside days are hidden: the 1st
// when it lay before the month, the last day when after; unchanged otherwise.
int FocusCellInsideMonth(int focusCell, const MonthGrid& grid);

// A month and its year, and a day in it.
struct MonthStep {
    int year = 0;
    int month = 0;
    int day = 0;
};
// `months` months away (any sign), wrapping the year; the day is reduced to
// the new month's length.
MonthStep StepMonths(int year, int month, int day, int months);

}  // namespace zw::calendar
