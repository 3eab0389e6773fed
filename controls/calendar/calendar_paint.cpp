// CCalendar: painting. WM_PAINT draws off-screen and copies the update area
// to the window; only the parts that meet the update area are drawn. Before
// drawing, roles 0, 1 and 9 are taken from the owner's list-box colours (or
// the 3D look's button colours); Paint() itself only reads the calendar.
#include <cwchar>
#include <string>

#include "controls/calendar/calendar.h"
#include "controls/calendar/gdi_objects.h"

namespace zw {

// One solid pen and one solid brush per colour role, made for one paint.
struct CCalendar::PaintTools {
    explicit PaintTools(const CCalendar& calendar) {
        for (int role = 0; role < calendar::kRoleCount; ++role) {
            colours[role] = calendar.GetRoleColor(role);
            brushes[role].Reset(CreateSolidBrush(colours[role]));
            pens[role].Reset(CreatePen(PS_SOLID, 1, colours[role]));
        }
    }
    COLORREF colours[calendar::kRoleCount];
    GdiObject<HBRUSH> brushes[calendar::kRoleCount];
    GdiObject<HPEN> pens[calendar::kRoleCount];
};

namespace {

using calendar::Rect;

RECT ToRECT(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

bool Meets(const RECT& area, const Rect& part) {
    RECT r = ToRECT(part), common{};
    return IntersectRect(&common, &area, &r) != 0;
}

void Fill(HDC dc, const Rect& r, HBRUSH brush) {
    const RECT rect = ToRECT(r);
    FillRect(dc, &rect, brush);
}

// A line from (x1, y1) up to, not including, (x2, y2).
void Line(HDC dc, HPEN pen, int x1, int y1, int x2, int y2) {
    SelectedObject selected(dc, pen);
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

void CentredText(HDC dc, const std::wstring& text, const Rect& r, COLORREF colour) {
    RECT rect = ToRECT(r);
    SetTextColor(dc, colour);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

// A filled triangle of `size` pointing left, right, up or down, centred on (cx, cy).
enum class Arrow { Left, Right, Up, Down };
void PaintArrow(HDC dc, Arrow arrow, int cx, int cy, int size, HBRUSH brush, HPEN pen) {
    const int tip = size / 2, base = size - size / 2;
    POINT points[3];
    switch (arrow) {
    case Arrow::Left: points[0] = {cx - tip, cy}, points[1] = {cx + base, cy - size}, points[2] = {cx + base, cy + size}; break;
    case Arrow::Right: points[0] = {cx + tip, cy}, points[1] = {cx - base, cy - size}, points[2] = {cx - base, cy + size}; break;
    case Arrow::Up: points[0] = {cx, cy - tip}, points[1] = {cx - size, cy + base}, points[2] = {cx + size, cy + base}; break;
    case Arrow::Down: points[0] = {cx, cy + tip}, points[1] = {cx - size, cy - base}, points[2] = {cx + size, cy - base}; break;
    }
    SelectedObject selectedBrush(dc, brush), selectedPen(dc, pen);
    Polygon(dc, points, 3);
}

}  // namespace

void CCalendar::OnPaint() {
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(Handle(), &ps);
    if (dc) {
        RECT client{};
        GetClientRect(Handle(), &client);
        OffscreenDC memory(dc, client.right, client.bottom);
        if (memory.Ok()) {
            DeriveRoleColours(memory.Get());
            Paint(memory.Get(), ps.rcPaint);
            const RECT& a = ps.rcPaint;
            BitBlt(dc, a.left, a.top, a.right - a.left, a.bottom - a.top, memory.Get(), a.left, a.top, SRCCOPY);
        }
    }
    EndPaint(Handle(), &ps);
}

void CCalendar::OnPrintClient(HDC dc) {
    RECT client{};
    GetClientRect(Handle(), &client);
    OffscreenDC memory(dc, client.right, client.bottom);
    if (!memory.Ok()) return;
    DeriveRoleColours(memory.Get());
    Paint(memory.Get(), client);
    BitBlt(dc, 0, 0, client.right, client.bottom, memory.Get(), 0, 0, SRCCOPY);
}

void CCalendar::DeriveRoleColours(HDC dc) {
    using namespace calendar;
    COLORREF background = GetSysColor(COLOR_BTNFACE), text = GetSysColor(COLOR_BTNTEXT);
    if (!cal_.look3D) {
        background = GetSysColor(COLOR_WINDOW);
        text = GetSysColor(COLOR_WINDOWTEXT);
        const HWND owner = generic_.owner;
        const auto brush = owner ? reinterpret_cast<HBRUSH>(SendMessageW(
                                       owner, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(Handle())))
                                 : nullptr;
        LOGBRUSH lb{};
        if (brush && GetObjectW(brush, sizeof lb, &lb)) {
            background = lb.lbColor;
            text = GetTextColor(dc);
        }
    }
    SetRoleColor(kRoleClientBackground, background, false);
    SetRoleColor(kRoleDayBackground, background, false);
    SetRoleColor(kRoleDayText, text, false);
}

void CCalendar::Paint(HDC dc, const RECT& area) const {
    const PaintTools tools(*this);
    SelectedObject font(dc, generic_.font);
    SetBkMode(dc, TRANSPARENT);
    RECT client{};
    GetClientRect(Handle(), &client);
    FillRect(dc, &client, tools.brushes[calendar::kRoleClientBackground].Get());
    const calendar::Layout& l = cal_.layout;
    Fill(dc, l.weekdayRow, tools.brushes[calendar::kRoleHeaderBackground].Get());
    if (Meets(area, l.title)) PaintTitle(dc, tools);
    if (Meets(area, l.weekdayRow)) PaintWeekdays(dc, tools);
    if (Meets(area, l.previousButton)) PaintButton(dc, tools, true);
    if (Meets(area, l.nextButton)) PaintButton(dc, tools, false);
    if (Meets(area, l.dayGrid)) PaintDays(dc, tools, area);
}

void CCalendar::PaintTitle(HDC dc, const PaintTools& t) const {
    using namespace calendar;
    const Rect& r = cal_.layout.title;
    Fill(dc, r, t.brushes[kRoleHeaderBackground].Get());
    wchar_t year[16];
    std::swprintf(year, 16, kTitleYearFormat, cal_.year);
    const int role = HasState(kStateDisabled) ? kRoleDisabledText : kRoleTitleText;
    CentredText(dc, CDateTime::MonthName(cal_.month) + L" " + year, r, t.colours[role]);
    Line(dc, t.pens[kRoleButtonLight].Get(), r.left, r.top, r.right, r.top);
    Line(dc, t.pens[kRoleButtonFace].Get(), r.left, r.bottom - 1, r.right, r.bottom - 1);
    Line(dc, t.pens[kRoleFrame].Get(), r.left, r.bottom, r.right, r.bottom);
}

void CCalendar::PaintWeekdays(HDC dc, const PaintTools& t) const {
    using namespace calendar;
    const Rect& r = cal_.layout.weekdayRow;
    const int role = HasState(kStateDisabled) ? kRoleDisabledText : kRoleWeekdayText;
    for (int column = 0; column < kColumns; ++column) {
        const int weekday = (cal_.weekStart - 1 + column) % 7 + 1;
        CentredText(dc, CDateTime::WeekdayName(weekday).substr(0, 2), cal_.layout.WeekdayColumn(column),
                    t.colours[role]);
    }
    Line(dc, t.pens[kRoleButtonLight].Get(), r.left, r.top, r.right, r.top);
    Line(dc, t.pens[kRoleButtonFace].Get(), r.left, r.bottom - 1, r.right, r.bottom - 1);
    Line(dc, t.pens[kRoleFrame].Get(), r.left, r.bottom, r.right, r.bottom);
}

void CCalendar::PaintButton(HDC dc, const PaintTools& t, bool previous) const {
    using namespace calendar;
    const Rect& r = previous ? cal_.layout.previousButton : cal_.layout.nextButton;
    const bool down = HasState(previous ? kStatePreviousPressed : kStateNextPressed) && !HasState(kStatePointerLeft);
    Fill(dc, r, t.brushes[kRoleButtonFace].Get());
    if (down) {
        const RECT rect = ToRECT(r);
        FrameRect(dc, &rect, t.brushes[kRoleButtonShadow].Get());
    } else {
        Line(dc, t.pens[kRoleButtonLight].Get(), r.left, r.bottom - 1, r.left, r.top);
        Line(dc, t.pens[kRoleButtonLight].Get(), r.left, r.top, r.right, r.top);
        Line(dc, t.pens[kRoleButtonShadow].Get(), r.right - 1, r.top + 1, r.right - 1, r.bottom);
        Line(dc, t.pens[kRoleButtonShadow].Get(), r.left + 1, r.bottom - 1, r.right, r.bottom - 1);
    }
    Line(dc, t.pens[kRoleFrame].Get(), r.left, r.bottom, r.right, r.bottom);

    const int role = generic_.arrowsActive && !HasState(kStateDisabled) ? kRoleArrow : kRoleDisabledText;
    const bool vertical = cal_.verticalArrows;
    int size = vertical ? (r.Width() - 4) / 3 : (r.Height() - 4) / 3;
    if (size < 1) size = 1;
    const int shift = down ? 1 : 0;
    const Arrow arrow = vertical ? (previous ? Arrow::Up : Arrow::Down) : (previous ? Arrow::Left : Arrow::Right);
    PaintArrow(dc, arrow, r.left + r.Width() / 2 + shift, r.top + r.Height() / 2 + shift, size,
               t.brushes[role].Get(), t.pens[role].Get());
}

void CCalendar::PaintDays(HDC dc, const PaintTools& t, const RECT& area) const {
    using namespace calendar;
    const calendar::Layout& l = cal_.layout;
    const bool disabled = HasState(kStateDisabled);
    CDateTime date = CellDate(0);
    for (int cell = 0; cell < kCells; ++cell, date = date.NextDay()) {
        const Rect r = l.Cell(cell);
        if (!Meets(area, r)) continue;
        const bool inMonth = cal_.grid.IsInMonth(cell);
        const bool marked = IsDateMarked(date);
        COLORREF text = t.colours[kRoleDayText], background = t.colours[kRoleDayBackground];
        RuleColours rule;
        bool special = false;
        if (marked && (inMonth || cal_.showOutsideDays)) {
            text = t.colours[kRoleMarkedText];
            background = t.colours[kRoleMarkedBackground];
        } else if (!marked && !inMonth && cal_.showOutsideDays) {
            text = t.colours[kRoleOutsideDayText];
            background = t.colours[kRoleOutsideDayBackground];
        } else if (IsDaySpecial(date, &rule)) {
            special = true;
            text = rule.text;
            background = rule.background;
        }
        if (disabled && !special) text = t.colours[kRoleDisabledText];
        GdiObject<HBRUSH> brush(CreateSolidBrush(background));
        Fill(dc, r, brush.Get());
        if (inMonth || cal_.showOutsideDays) CentredText(dc, std::to_wstring(date.Day()), r, text);
    }
    const HPEN grid = t.pens[cal_.look3D ? kRoleButtonShadow : kRoleFrame].Get();
    for (int c = 1; c < kColumns; ++c) Line(dc, grid, l.GridLineX(c), l.dayGrid.top, l.GridLineX(c), l.dayGrid.bottom);
    for (int row = 1; row < kWeekRows; ++row)
        Line(dc, grid, l.dayGrid.left, l.GridLineY(row), l.dayGrid.right, l.GridLineY(row));
    PaintFocus(dc, t);
}

void CCalendar::PaintFocus(HDC dc, const PaintTools& t) const {
    using namespace calendar;
    if (!generic_.showFocus || GetFocus() != Handle() || HasState(kStateDisabled)) return;
    Rect r = cal_.layout.Cell(cal_.focusCell);
    if (r.IsEmpty()) return;
    if (cal_.insetFocus) r = Rect{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    if (!cal_.look3D) {
        const RECT rect = ToRECT(r);
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        DrawFocusRect(dc, &rect);
        return;
    }
    // Sunken: dark above and left, light below and right, the frame colour inside.
    Line(dc, t.pens[kRoleButtonShadow].Get(), r.left, r.bottom - 1, r.left, r.top);
    Line(dc, t.pens[kRoleButtonShadow].Get(), r.left, r.top, r.right, r.top);
    Line(dc, t.pens[kRoleButtonLight].Get(), r.right - 1, r.top + 1, r.right - 1, r.bottom);
    Line(dc, t.pens[kRoleButtonLight].Get(), r.left + 1, r.bottom - 1, r.right, r.bottom - 1);
    Line(dc, t.pens[kRoleFrame].Get(), r.left + 1, r.bottom - 2, r.left + 1, r.top + 1);
    Line(dc, t.pens[kRoleFrame].Get(), r.left + 1, r.top + 1, r.right - 1, r.top + 1);
}

}  // namespace zw
