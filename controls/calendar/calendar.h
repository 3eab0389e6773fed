// CCalendar: a month-at-a-glance calendar. A title line shows the month and
// year between two arrow buttons, a row shows the weekday abbreviations, and
// a grid of 6 x 7 cells shows the days, with the adjacent months' days around
// the displayed month. The user moves a focus date with the mouse and the
// keyboard, pages through months and years, and marks dates (one, following
// the focus, or any set in multiple selection). Special-date rules colour
// matching days; sixteen colour roles and thirteen style flags adapt it.
//
// Two variants: the form-placed calendar (CDlgCalendar, dlg_calendar.h),
// and a calendar in a window of its own class "ZW:Calendar:10" made with
// Create(), which the calendar drop-down uses as its popup. Either way the
// object belongs to its window and is deleted when the window is destroyed.
//
// Talking to a calendar from other code:
//   - value: FocusDate() / SetFocusDate(); marks: MarkDate(), Marked();
//   - style: Style() / SetStyle(); owner: SetOwner();
//   - notifications: WM_COMMAND posted to the owner with the window's
//     control id and a NotifyCode (1 focus date set, 2 focus lost, 3 month
//     changed, 8 close up in drop-down mode); and kCalendarSelectMessage
//     posted to the calendar's own window when a press in the day grid is
//     released there.
//
// Not done here: double clicks (the class has no CS_DBLCLKS, so a second
// click is a second press); a range limit on dates (every date the host can
// make can be shown); and telling the host that its field was edited
// (HostSetFieldEdited): the focus notifications are all the owner gets.
#pragma once

#include <windows.h>

#include <string>
#include <unordered_map>

#include "controls/calendar/core/calendar_layout.h"
#include "controls/calendar/core/calendar_style.h"
#include "controls/calendar/core/colour_roles.h"
#include "controls/calendar/core/month_grid.h"
#include "controls/calendar/core/special_rules.h"
#include "controls/calendar/date_time.h"
#include "controls/calendar/generic_control.h"

namespace zw {

// The window class of calendars made with CCalendar::Create().
inline constexpr wchar_t kCalendarClassName[] = L"ZW:Calendar:10";
// Posted to the calendar's own window when a press in the day grid is
// released there: wParam the focus cell, lParam 0.
constexpr UINT kCalendarSelectMessage = 0x2006;

// Window timers of the calendar.
enum CalendarTimer : UINT_PTR {
    kTimerScrollDown = 500,     // selecting below the window: acts as the Down key, 75 ms
    kTimerScrollUp = 501,       // selecting above the window: acts as the Up key, 75 ms
    kTimerButtonRelease = 502,  // repaints the released button once, 100 ms
    kTimerNextMonth = 503,      // next button held, 250 ms
    kTimerPreviousMonth = 504,  // previous button held, 250 ms
    kTimerNextYear = 505,       // next button held with Control
    kTimerPreviousYear = 506,   // previous button held with Control
};

// What a marking operation does to the focus date (or the range from the
// anchor to it).
enum class MarkAction { Toggle, Mark, Unmark };

class CCalendar : public CGenericControl {
public:
    // Window style of a calendar used as a drop-down's popup.
    static constexpr DWORD kPopupStyle = WS_POPUP | WS_CLIPCHILDREN | WS_BORDER;
    // The marked dates, keyed by their canonical date text.
    using MarkedDates = std::unordered_map<std::wstring, CDateTime>;

    CCalendar();
    ~CCalendar() override;

    // Makes a calendar in a new window of class "ZW:Calendar:10" (registered
    // on first use): a popup owned by `parent` with kPopupStyle, or a child
    // with WS_CHILD and control id `id`. The calendar belongs to the window.
    // Null when the window cannot be made.
    static CCalendar* Create(DWORD style, const RECT& rect, HWND parent, UINT id = 0);
    // The live calendar behind an instance handed back by application code,
    // or null (stale, garbage, or another kind of control).
    static CCalendar* FromInstance(void* instance);

    // ---- CGenericControl
    COLORREF GetRoleColor(int role) const override;
    COLORREF SetRoleColor(int role, COLORREF colour, bool repaint) override;
    void RegisterWindowClass() override;
    bool IsInheritedRole(int role) const override;
    void SizeToContent(bool flag) override;
    void RecalcLayout() override;
    void PlaceContent() override;

    // ---- style flags (calendar::StyleBit)
    // The style word built from the thirteen flags.
    DWORD Style() const;
    // Sets or clears every flag whose bit is in `bits` (in kStyleSetOrder);
    // returns the style word before.
    DWORD SetStyle(DWORD bits, bool on);
    // Sets one flag, with the side effects on marks, focus and size that
    // changing it has; repaints what it affects.
    void SetStyleFlag(DWORD bit, bool on);
    // Applies a property record's flags in record order (not its date).
    void ApplyRecordStyles(const calendar::SPropCalendar& record);
    // Applies a whole property record: flags, then the initial date (or
    // today), its month displayed and focused. The calendar drop-down applies
    // its record's calendar part to its popup this way.
    void ApplyRecord(const calendar::SPropCalendar& record);

    // ---- focus date and displayed month
    const CDateTime& FocusDate() const { return cal_.focusDate; }
    int DisplayedMonth() const { return cal_.month; }
    int DisplayedYear() const { return cal_.year; }
    int FocusCell() const { return cal_.focusCell; }
    const calendar::MonthGrid& Grid() const { return cal_.grid; }
    const calendar::Layout& Layout() const { return cal_.layout; }
    // Makes `date` (without its time) the focus date: in single selection the
    // mark moves with it (when the day is selectable); a date not shown in the
    // grid has its month displayed (repainted with `showMonthRepaint`). Once
    // created: the window is updated with `update`, and notification 1 is
    // sent. Returns 1.
    int SetFocusDate(const CDateTime& date, bool showMonthRepaint, bool update);
    // Displays another month: the focus cell is cleared until a focus date is
    // set. Once created: title and grid repainted (with `repaint`) and
    // notification 3 sent. Nothing happens when it is already displayed.
    void SetDisplayedMonth(int month, int year, bool repaint);
    // Moves the focus to a cell of the grid (ignores -1 and the focus cell).
    void SetFocusCell(int cell, bool update);
    int WeekStart() const { return cal_.weekStart; }
    // Sets the first day of the week (1 Sunday .. 7 Saturday; the caller
    // checks the range); returns the previous one.
    int SetWeekStart(int weekday);
    // Whether the day in `cell` may be marked by the user.
    bool IsSelectable(int cell) const;
    bool IsDateSelectable(const CDateTime& date) const;
    // The date of a grid cell (midnight), and the cell of a date (-1 when the
    // grid does not hold it).
    CDateTime CellDate(int cell) const;
    int CellOfDate(const CDateTime& date) const;

    // ---- marked dates
    // Mark flag 1 marks, 0 unmarks: 1 when the marks changed, else 0. The
    // date's cell is repainted (with `repaint`), the window updated (with
    // `update`). Selectability is the caller's business.
    int MarkDate(const CDateTime& date, int markFlag, bool update, bool repaint);
    bool IsDateMarked(const CDateTime& date) const;
    // Unmarks everything; returns 1.
    int ClearMarked(bool update);
    const MarkedDates& Marked() const { return cal_.marked; }
    // The user's marking in multiple selection, with the Control and Shift
    // states of the key or click that asked for it.
    void MarkFocus(MarkAction action, bool control, bool shift);

    // ---- special-date rules
    // Add flag 1 adds or replaces, 0 removes (see calendar::SpecialRules::Set);
    // repaints the rule's days.
    int SetSpecialRule(const calendar::SpecialRule& rule, int addFlag);
    // Whether a rule of any kind matches the probe's numbers; the colours of
    // the first match (lowest kind), or 0.
    bool MatchSpecial(const calendar::SpecialRule& probe, calendar::RuleColours* colours) const;
    // Whether a rule matches the date, while special dates are shown.
    bool IsDaySpecial(const CDateTime& date, calendar::RuleColours* colours) const;
    // Removes every rule; returns 1.
    int ClearSpecials(bool update);
    const calendar::SpecialRules& Specials() const { return cal_.specials; }

    // Repaint the title or the weekday row at once (after name changes).
    void RepaintTitle();
    void RepaintWeekdays();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Called at the end of WM_CREATE, before the calendar counts as created:
    // the form-placed calendar reads its designer settings here.
    virtual void LoadSettings(const CREATESTRUCTW& create);

private:
    struct CalendarState {
        bool verticalArrows = false;          // style: up/down arrows
        bool look3D = false;                  // style: button-face look, 3D grid and focus
        bool outsideDaysSelectable = true;    // style: adjacent-month days may be marked
        bool specialDaysSelectable = true;    // style: rule days may be marked
        bool showOutsideDays = true;          // style: adjacent-month days are shown
        bool insetFocus = false;              // style: focus frame 1 pixel inside the cell
        bool showSpecialDates = false;        // style: rules colour their days
        calendar::ColourRoles roles;          // the sixteen colour roles
        MarkedDates marked;                   // marked dates by canonical text
        calendar::SpecialRules specials;      // special-date rules by rule key
        CDateTime anchorDate;                 // where a Shift range starts
        CDateTime focusDate;                  // the focus date, midnight
        int month = 1;                        // displayed month 1..12
        int year = 2000;                      // displayed year
        int focusCell = -1;                   // cell of the focus date, -1 for none
        calendar::MonthGrid grid;             // first and last cell of the displayed month
        int weekStart = 1;                    // first day of the week, 1 Sunday .. 7 Saturday
        calendar::Layout layout;              // cell size and the rectangles of every part
        unsigned runningTimers = 0;           // bit (id - 500) of each timer started and not stopped
    };

    // ---- message handlers (calendar.cpp)
    LRESULT OnCreate(const CREATESTRUCTW& create);
    void OnDestroy();
    void OnSetFont(HFONT font);
    void OnEnable(bool enabled);
    void OnShowWindow(bool shown);
    void OnSetFocus();
    void OnKillFocus();
    void OnCancelMode();
    // ---- painting (calendar_paint.cpp)
    void OnPaint();
    void OnPrintClient(HDC dc);
    // Roles 0, 1 and 9 follow the owner's list-box colours (or the 3D look).
    void DeriveRoleColours(HDC dc);
    // Draws the parts that meet `area` into `dc`, reading state only.
    void Paint(HDC dc, const RECT& area) const;
    struct PaintTools;
    void PaintTitle(HDC dc, const PaintTools& tools) const;
    void PaintWeekdays(HDC dc, const PaintTools& tools) const;
    void PaintButton(HDC dc, const PaintTools& tools, bool previous) const;
    void PaintDays(HDC dc, const PaintTools& tools, const RECT& area) const;
    void PaintFocus(HDC dc, const PaintTools& tools) const;
    // ---- mouse (calendar_mouse.cpp)
    void OnLButtonDown(WPARAM keys, POINT at);
    void OnMouseMove(POINT at);
    void OnLButtonUp(WPARAM keys, POINT at);
    // False for a timer that is not the calendar's.
    bool OnTimer(UINT_PTR id);
    // ---- keyboard (calendar_keys.cpp)
    void OnKeyDown(UINT key);
    void OnChar(wchar_t ch);
    void OnSysKeyDown(UINT key, LPARAM flags);

    // ---- navigation (calendar_focus.cpp)
    void MoveFocusBy(int step);
    void StepMonth(int months);
    void StepYear(int years);
    void FocusRowEnd(bool end, bool control, bool shift);
    void FocusToday();
    void ShowDateMonth(const CDateTime& date);
    CDateTime FirstOfMonth() const;
    void UpdateMonthGrid();
    // Mouse selection and repeat timers end; the button state is cleared.
    void EndMouseTracking();
    // Starts a timer, or runs its action once when it cannot be started.
    void StartTimer(UINT_PTR id, UINT milliseconds);
    void StopTimers(UINT_PTR first, UINT_PTR last);
    void RunTimerAction(UINT_PTR id);

    // ---- marks (calendar_marks.cpp)
    void UnmarkOutsideDays();
    void UnmarkSpecialDays();

    // ---- repainting
    void InvalidatePart(const calendar::Rect& rect);
    void InvalidateCell(int cell);
    void InvalidateRolePart(int role);
    void Update();

    CalendarState cal_;
};

}  // namespace zw
