// CCalendar: the mouse. A press on an arrow button holds it down and repeats
// month (or, with Control, year) steps every 250 ms until the release, which
// steps once more; a press in the day grid moves the focus and, dragged,
// keeps moving it, scrolling by weeks while the pointer is above or below
// the window. Timers 500 to 506 carry the repeats.
#include "controls/calendar/calendar.h"
#include "frame/host_api.h"

namespace zw {
namespace {

constexpr UINT kButtonRepeatMs = 250;
constexpr UINT kScrollRepeatMs = 75;
constexpr UINT kButtonReleaseMs = 100;
constexpr WORD kTrackingBits = kStatePointerLeft | kStatePreviousPressed | kStateNextPressed | kStateSelecting;

UINT_PTR RepeatTimer(bool previous, bool control) {
    if (control) return previous ? kTimerPreviousYear : kTimerNextYear;
    return previous ? kTimerPreviousMonth : kTimerNextMonth;
}

}  // namespace

void CCalendar::OnLButtonDown(WPARAM keys, POINT at) {
    RECT client{};
    GetClientRect(Handle(), &client);
    if (generic_.dropDownMode && !PtInRect(&client, at)) {
        if (GetCapture() == Handle()) ReleaseCapture();
        Notify(kNotifyCloseUp);
        return;
    }
    if (GetFocus() != Handle()) {
        if (!HostValidateFocus(Handle(), 1, 0)) return;
        SetFocus(Handle());
    }
    const calendar::Layout& l = cal_.layout;
    const bool control = (keys & MK_CONTROL) != 0;
    const bool onPrevious = l.previousButton.Contains(at.x, at.y);
    const bool onNext = l.nextButton.Contains(at.x, at.y);
    if ((onPrevious || onNext) && generic_.arrowsActive) {
        SetStateBits(onPrevious ? kStatePreviousPressed : kStateNextPressed, true);
        InvalidatePart(onPrevious ? l.previousButton : l.nextButton);
        Update();
        if (!generic_.dropDownMode) SetCapture(Handle());
        StartTimer(RepeatTimer(onPrevious, control), kButtonRepeatMs);
        return;
    }
    if (!l.dayGrid.Contains(at.x, at.y)) return;
    SetStateBits(kStateSelecting, true);
    const int cell = calendar::ClickableCell(l.HitCell(at.x, at.y), cal_.grid, cal_.showOutsideDays,
                                             cal_.outsideDaysSelectable);
    if (cell != -1) {
        SetFocusCell(cell, true);
        if (generic_.multipleSelection) MarkFocus(MarkAction::Toggle, control, (keys & MK_SHIFT) != 0);
    }
    if (!generic_.dropDownMode) SetCapture(Handle());
}

void CCalendar::OnMouseMove(POINT at) {
    const calendar::Layout& l = cal_.layout;
    if (HasState(kStatePreviousPressed | kStateNextPressed)) {
        const calendar::Rect& button = HasState(kStatePreviousPressed) ? l.previousButton : l.nextButton;
        const bool left = !button.Contains(at.x, at.y);
        if (left == HasState(kStatePointerLeft)) return;
        SetStateBits(kStatePointerLeft, left);
        if (left) StopTimers(kTimerNextMonth, kTimerPreviousYear);
        InvalidatePart(button);
        return;
    }
    if (!HasState(kStateSelecting)) return;
    if (l.dayGrid.Contains(at.x, at.y)) {
        SetStateBits(kStatePointerLeft, false);
        StopTimers(kTimerScrollDown, kTimerScrollUp);
        SetFocusCell(calendar::ClickableCell(l.HitCell(at.x, at.y), cal_.grid, cal_.showOutsideDays,
                                             cal_.outsideDaysSelectable),
                     true);
        return;
    }
    SetStateBits(kStatePointerLeft, true);
    RECT client{};
    GetClientRect(Handle(), &client);
    if (at.y >= client.bottom) {
        StopTimers(kTimerScrollUp, kTimerScrollUp);
        StartTimer(kTimerScrollDown, kScrollRepeatMs);
    } else if (at.y < client.top) {
        StopTimers(kTimerScrollDown, kTimerScrollDown);
        StartTimer(kTimerScrollUp, kScrollRepeatMs);
    } else {
        StopTimers(kTimerScrollDown, kTimerScrollUp);
    }
}

void CCalendar::OnLButtonUp(WPARAM keys, POINT) {
    const WORD state = generic_.state;
    EndMouseTracking();
    if (state & kStatePointerLeft) return;
    if (state & (kStatePreviousPressed | kStateNextPressed)) {
        const int direction = (state & kStateNextPressed) ? 1 : -1;
        if (keys & MK_CONTROL) StepYear(direction);
        else StepMonth(direction);
        RepaintTitle();
        StartTimer(kTimerButtonRelease, kButtonReleaseMs);
    } else if (state & kStateSelecting) {
        PostMessageW(Handle(), kCalendarSelectMessage, static_cast<WPARAM>(cal_.focusCell), 0);
        if (generic_.dropDownMode) Notify(kNotifyCloseUp);
    }
}

void CCalendar::EndMouseTracking() {
    if (!generic_.dropDownMode && GetCapture() == Handle()) ReleaseCapture();
    StopTimers(kTimerScrollDown, kTimerPreviousYear);
    SetStateBits(kTrackingBits, false);
}

// ---- timers ---------------------------------------------------------------------------------

bool CCalendar::OnTimer(UINT_PTR id) {
    if (id < kTimerScrollDown || id > kTimerPreviousYear) return false;
    RunTimerAction(id);
    return true;
}

void CCalendar::StartTimer(UINT_PTR id, UINT milliseconds) {
    const unsigned bit = 1u << (id - kTimerScrollDown);
    if (cal_.runningTimers & bit) return;
    if (SetTimer(Handle(), id, milliseconds, nullptr)) cal_.runningTimers |= bit;
    else RunTimerAction(id);
}

void CCalendar::StopTimers(UINT_PTR first, UINT_PTR last) {
    for (UINT_PTR id = first; id <= last; ++id) {
        const unsigned bit = 1u << (id - kTimerScrollDown);
        if (!(cal_.runningTimers & bit)) continue;
        KillTimer(Handle(), id);
        cal_.runningTimers &= ~bit;
    }
}

void CCalendar::RunTimerAction(UINT_PTR id) {
    switch (id) {
    case kTimerScrollDown: MoveFocusBy(calendar::kColumns); break;
    case kTimerScrollUp: MoveFocusBy(-calendar::kColumns); break;
    case kTimerButtonRelease:
        StopTimers(kTimerButtonRelease, kTimerButtonRelease);
        InvalidatePart(cal_.layout.previousButton);
        InvalidatePart(cal_.layout.nextButton);
        break;
    case kTimerNextMonth: StepMonth(1); break;
    case kTimerPreviousMonth: StepMonth(-1); break;
    case kTimerNextYear: StepYear(1); break;
    case kTimerPreviousYear: StepYear(-1); break;
    }
}

}  // namespace zw
