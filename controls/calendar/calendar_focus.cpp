// CCalendar: the focus date, the displayed month and the moves between them
// (by cells, days, months and years), and where each date sits in the grid.
#include <algorithm>

#include "controls/calendar/calendar.h"
#include "controls/calendar/core/calendar_math.h"

namespace zw {

CDateTime CCalendar::FirstOfMonth() const {
    return CDateTime(cal_.year, cal_.month, 1);
}

void CCalendar::UpdateMonthGrid() {
    cal_.grid = calendar::MakeMonthGrid(FirstOfMonth().Weekday(), cal_.weekStart, DaysInMonth(cal_.month, cal_.year));
}

CDateTime CCalendar::CellDate(int cell) const {
    return FirstOfMonth().AddDays(cal_.grid.DayOffset(cell));
}

int CCalendar::CellOfDate(const CDateTime& date) const {
    if (date.IsNull()) return -1;
    // Whole days from the 1st: the time of day must not pull a date before
    // the 1st onto the 1st.
    return cal_.grid.CellOfOffset(date.DateOnly().Minus(FirstOfMonth()).Days());
}

bool CCalendar::IsDateSelectable(const CDateTime& date) const {
    const bool inMonth = date.Month() == cal_.month && date.Year() == cal_.year;
    if (!inMonth && !cal_.outsideDaysSelectable) return false;
    if (!cal_.specialDaysSelectable && IsDaySpecial(date, nullptr)) return false;
    return true;
}

bool CCalendar::IsSelectable(int cell) const {
    return cell >= 0 && cell < calendar::kCells && IsDateSelectable(CellDate(cell));
}

int CCalendar::SetFocusDate(const CDateTime& date, bool showMonthRepaint, bool update) {
    const CDateTime day = date.DateOnly();
    const bool single = !generic_.multipleSelection;
    if (single) MarkDate(cal_.focusDate, 0, false, true);
    cal_.focusDate = day;
    // A date the grid does not show (outside it, or an adjacent month's day
    // while those are hidden) brings its month.
    if (!calendar::IsFocusableCell(CellOfDate(day), cal_.grid, cal_.showOutsideDays))
        SetDisplayedMonth(day.Month(), day.Year(), showMonthRepaint);
    InvalidateCell(cal_.focusCell);
    cal_.focusCell = CellOfDate(day);
    InvalidateCell(cal_.focusCell);
    if (single && IsSelectable(cal_.focusCell)) MarkDate(day, 1, false, true);
    if (generic_.created) {
        if (update) Update();
        Notify(kNotifyValueChanged);
    }
    return 1;
}

void CCalendar::SetDisplayedMonth(int month, int year, bool repaint) {
    if (month == cal_.month && year == cal_.year) return;
    cal_.month = month;
    cal_.year = year;
    cal_.focusCell = -1;
    UpdateMonthGrid();
    if (!generic_.created) return;
    if (repaint) {
        InvalidatePart(cal_.layout.title);
        InvalidatePart(cal_.layout.dayGrid);
    }
    Notify(kNotifyMonthChanged);
}

void CCalendar::SetFocusCell(int cell, bool update) {
    if (cell < 0 || cell >= calendar::kCells || cell == cal_.focusCell) return;
    const CDateTime previous = cal_.focusDate;
    cal_.focusDate = CellDate(cell);
    InvalidateCell(cal_.focusCell);
    cal_.focusCell = cell;
    InvalidateCell(cell);
    if (!generic_.multipleSelection) {
        MarkDate(previous, 0, false, true);
        if (IsSelectable(cell)) MarkDate(cal_.focusDate, 1, false, true);
    }
    if (generic_.created) {
        if (update) Update();
        Notify(kNotifyValueChanged);
    }
}

int CCalendar::SetWeekStart(int weekday) {
    const int previous = cal_.weekStart;
    cal_.weekStart = weekday;
    UpdateMonthGrid();
    cal_.focusCell = CellOfDate(cal_.focusDate);
    if (generic_.created) {
        InvalidateRect(Handle(), nullptr, FALSE);
        Update();
    }
    return previous;
}

// ---- moves ------------------------------------------------------------------------------

void CCalendar::ShowDateMonth(const CDateTime& date) {
    SetDisplayedMonth(date.Month(), date.Year(), true);
    SetFocusDate(date, true, true);
}

void CCalendar::MoveFocusBy(int step) {
    const calendar::FocusStep to = calendar::StepFocus(cal_.focusCell, step, cal_.grid, cal_.showOutsideDays);
    if (!to.byDays) {
        SetFocusCell(to.cell, true);
        return;
    }
    const CDateTime moved = cal_.focusDate.AddDays(step);
    if (!moved.IsNull()) ShowDateMonth(moved);
}

void CCalendar::StepMonth(int months) {
    const calendar::MonthStep to = calendar::StepMonths(cal_.year, cal_.month, cal_.focusDate.Day(), months);
    const CDateTime date(to.year, to.month, to.day);
    if (!date.IsNull()) ShowDateMonth(date);
}

void CCalendar::StepYear(int years) {
    // The day goes to the host unchanged: it decides what 29 February becomes.
    const CDateTime date(cal_.year + years, cal_.month, cal_.focusDate.Day());
    if (!date.IsNull()) ShowDateMonth(date);
}

void CCalendar::FocusRowEnd(bool end, bool control, bool shift) {
    if (control && shift) {
        ShowDateMonth(end ? CDateTime(cal_.year, 12, 31) : CDateTime(cal_.year, 1, 1));
    } else if (control) {
        ShowDateMonth(CDateTime(cal_.year, cal_.month, end ? DaysInMonth(cal_.month, cal_.year) : 1));
    } else {
        const int cell = end ? calendar::RowEndCell(cal_.focusCell, cal_.grid, cal_.showOutsideDays)
                             : calendar::RowStartCell(cal_.focusCell, cal_.grid, cal_.showOutsideDays);
        SetFocusCell(cell, true);
    }
}

void CCalendar::FocusToday() {
    ShowDateMonth(CDateTime().DateOnly());
}

}  // namespace zw
