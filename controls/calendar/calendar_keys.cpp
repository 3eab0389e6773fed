// CCalendar: the keyboard (while the keyboard style is on).
//   Left/Right, Up/Down     one day, one week          "+" / "-"   one day
//   Page Up / Page Down     next / previous month (Control: a year)
//   Home / End              ends of the focus row; Control: of the month;
//                           Control+Shift: of the year
//   Space, Insert, Delete   toggle, mark, unmark (multiple selection)
//   Enter, Escape, Alt+Up   close a drop-down popup        "T"         today
#include "controls/calendar/calendar.h"

namespace zw {
namespace {

bool IsDown(int key) { return GetKeyState(key) < 0; }

}  // namespace

void CCalendar::OnKeyDown(UINT key) {
    const bool control = IsDown(VK_CONTROL), shift = IsDown(VK_SHIFT);
    switch (key) {
    case VK_LEFT: MoveFocusBy(-1); break;
    case VK_RIGHT: MoveFocusBy(1); break;
    case VK_UP: MoveFocusBy(-calendar::kColumns); break;
    case VK_DOWN: MoveFocusBy(calendar::kColumns); break;
    case VK_PRIOR:
        if (control) StepYear(1);
        else StepMonth(1);
        break;
    case VK_NEXT:
        if (control) StepYear(-1);
        else StepMonth(-1);
        break;
    case VK_HOME: FocusRowEnd(false, control, shift); break;
    case VK_END: FocusRowEnd(true, control, shift); break;
    case VK_SPACE: MarkFocus(MarkAction::Toggle, control, shift); break;
    case VK_INSERT: MarkFocus(MarkAction::Mark, control, shift); break;
    case VK_DELETE: MarkFocus(MarkAction::Unmark, control, shift); break;
    case VK_RETURN:
    case VK_ESCAPE:
        if (!generic_.dropDownMode) break;
        EndMouseTracking();
        Notify(kNotifyCloseUp);
        break;
    }
}

void CCalendar::OnChar(wchar_t ch) {
    switch (ch) {
    case L'+': MoveFocusBy(1); break;
    case L'-': MoveFocusBy(-1); break;
    case L'T':
    case L't': FocusToday(); break;
    }
}

void CCalendar::OnSysKeyDown(UINT key, LPARAM flags) {
    // Bit 29: the Alt key was down with the key.
    const bool alt = (flags & (LPARAM(1) << 29)) != 0;
    if (key == VK_UP && alt && generic_.dropDownMode) Notify(kNotifyCloseUp);
}

}  // namespace zw
