// CCalendar: window procedure, creation, window class, layout, style flags
// and colour roles. Painting, mouse, keyboard, navigation and marks live in
// the calendar_*.cpp files beside this one.
#include "controls/calendar/calendar.h"

#include <new>
#include <utility>

#include "frame/app.h"
#include "frame/call_frame.h"
#include "frame/exceptions.h"
#include "frame/host_api.h"

namespace zw {
namespace {

// The calendar that Create() is making, handed to the class procedure at
// WM_NCCREATE. Everything runs on the user-interface thread.
CCalendar* calendarBeingCreated = nullptr;

std::uint32_t SystemColour(int index) { return GetSysColor(index); }

// Connects a new window of the calendar class to its object: the one that
// Create() is making, or a new calendar (announced like any control) for a
// window that someone else created from the class name.
bool ConnectCalendarWindow(HWND window) noexcept {
    try {
        CCalendar* calendar = std::exchange(calendarBeingCreated, nullptr);
        const bool announce = calendar == nullptr;
        if (!calendar) calendar = new (std::nothrow) CCalendar;
        if (!calendar) return false;
        if (!calendar->Attach(window)) {
            delete calendar;
            return false;
        }
        if (announce) SendMessageW(window, ZWM_ControlCreate, 0, reinterpret_cast<LPARAM>(static_cast<Wnd*>(calendar)));
        return true;
    } catch (...) {
        detail::ReportCaught(L"WM_NCCREATE", nullptr);
        return false;
    }
}

LRESULT CALLBACK CalendarClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE && !Wnd::FromHandle(window) && !ConnectCalendarWindow(window)) return 0;
    LRESULT result = 0;
    if (Wnd::RouteMessage(window, message, wParam, lParam, &result)) return result;
    return DefWindowProcW(window, message, wParam, lParam);
}

// Registers "ZW:Calendar:10" unless this module already has it. A class left
// by an earlier load of the library points at a procedure that is gone: it
// is replaced.
bool EnsureCalendarClass() {
    WNDCLASSW existing{};
    if (GetClassInfoW(ModuleInstance(), kCalendarClassName, &existing)) {
        if (existing.lpfnWndProc == &CalendarClassProc) return true;
        UnregisterClassW(kCalendarClassName, existing.hInstance);
    }
    WNDCLASSW wc{};
    wc.style = CS_PARENTDC | CS_SAVEBITS | CS_BYTEALIGNWINDOW | CS_GLOBALCLASS;
    wc.lpfnWndProc = &CalendarClassProc;
    wc.hInstance = ModuleInstance();
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kCalendarClassName;
    return RegisterClassW(&wc) != 0;
}

RECT ToRECT(const calendar::Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

// The signed client coordinates of a mouse message.
POINT PointOf(LPARAM lParam) {
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

}  // namespace

CCalendar::CCalendar() {
    cal_.focusDate = CDateTime().DateOnly();
    cal_.anchorDate = cal_.focusDate;
    cal_.month = cal_.focusDate.Month();
    cal_.year = cal_.focusDate.Year();
    UpdateMonthGrid();
}

CCalendar::~CCalendar() = default;

CCalendar* CCalendar::Create(DWORD style, const RECT& rect, HWND parent, UINT id) {
    if (!EnsureCalendarClass()) return nullptr;
    auto* calendar = new (std::nothrow) CCalendar;
    if (!calendar) return nullptr;
    // A child's menu argument is its control id; a popup has none.
    const HMENU menu = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)) : nullptr;
    calendarBeingCreated = calendar;
    HWND window = CreateWindowExW(0, kCalendarClassName, L"", style, rect.left, rect.top, rect.right - rect.left,
                                  rect.bottom - rect.top, parent, menu, ModuleInstance(), nullptr);
    // Not taken by the class procedure: the window never got as far as WM_NCCREATE.
    if (CCalendar* untaken = std::exchange(calendarBeingCreated, nullptr)) {
        delete untaken;
        return nullptr;
    }
    // Taken: when creation failed later, the window's destruction deleted it.
    return window ? calendar : nullptr;
}

CCalendar* CCalendar::FromInstance(void* instance) {
    return dynamic_cast<CCalendar*>(Control::FromInstance(instance));
}

LRESULT CCalendar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT at = PointOf(lParam);
    switch (message) {
    case WM_CREATE: return OnCreate(*reinterpret_cast<const CREATESTRUCTW*>(lParam));
    case WM_DESTROY: OnDestroy(); break;
    case WM_PAINT: OnPaint(); return 0;
    case WM_PRINTCLIENT: OnPrintClient(reinterpret_cast<HDC>(wParam)); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SETFONT: OnSetFont(reinterpret_cast<HFONT>(wParam)); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(generic_.font);
    case WM_WINDOWPOSCHANGED:
        Default(message, wParam, lParam);
        if (generic_.created) RecalcLayout();
        return 0;
    case WM_ENABLE: OnEnable(wParam != 0); break;
    case WM_SHOWWINDOW: OnShowWindow(wParam != 0); break;
    case WM_SETFOCUS: OnSetFocus(); return 0;
    case WM_KILLFOCUS: OnKillFocus(); return 0;
    case WM_CANCELMODE: OnCancelMode(); return 0;
    case WM_LBUTTONDOWN: OnLButtonDown(wParam, at); return 0;
    case WM_MOUSEMOVE: OnMouseMove(at); return 0;
    case WM_LBUTTONUP: OnLButtonUp(wParam, at); return 0;
    case WM_TIMER:
        if (OnTimer(wParam)) return 0;
        break;
    case WM_KEYDOWN:
        if (!generic_.keyboard) break;
        OnKeyDown(static_cast<UINT>(wParam));
        return 0;
    case WM_CHAR:
        if (!generic_.keyboard) break;
        OnChar(static_cast<wchar_t>(wParam));
        return 0;
    case WM_SYSKEYDOWN: OnSysKeyDown(static_cast<UINT>(wParam), lParam); break;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    }
    return Default(message, wParam, lParam);
}

// ---- creation and window messages -----------------------------------------------

LRESULT CCalendar::OnCreate(const CREATESTRUCTW& create) {
    // The form-placed calendar draws in its own window; the class is for
    // popups, registered with the first calendar all the same.
    EnsureCalendarClass();
    CreateBase();
    ApplyRecordStyles(calendar::SPropCalendar{});
    SizeToContent(generic_.autoSize);
    FocusToday();
    LoadSettings(create);
    generic_.created = true;
    RecalcLayout();
    return 0;
}

void CCalendar::LoadSettings(const CREATESTRUCTW&) {}

void CCalendar::ApplyRecord(const calendar::SPropCalendar& record) {
    ApplyRecordStyles(record);
    CDateTime initial = CDateTime().DateOnly();
    if (record.useInitialDate == 1) {
        const std::wstring text(record.initialDate.begin(), record.initialDate.end());
        CDateTime::FromText(text.c_str(), &initial);
    }
    SetDisplayedMonth(initial.Month(), initial.Year(), true);
    SetFocusDate(initial, true, true);
}

void CCalendar::OnDestroy() {
    generic_.created = false;
}

void CCalendar::OnSetFont(HFONT font) {
    CopyFont(font);
    RecalcLayout();
    SizeToContent(generic_.autoSize);
    InvalidateRect(Handle(), nullptr, FALSE);
}

void CCalendar::OnEnable(bool enabled) {
    SetStateBits(kStateDisabled, !enabled);
    InvalidateRect(Handle(), nullptr, FALSE);
}

void CCalendar::OnShowWindow(bool shown) {
    SetStateBits(kStateHidden, !shown);
}

void CCalendar::OnSetFocus() {
    if (!HostValidateFocus(Handle(), 1, 0)) return;
    if (generic_.showFocus) InvalidateCell(cal_.focusCell);
}

void CCalendar::OnKillFocus() {
    if (generic_.dropDownMode) {
        if (GetCapture() == Handle()) ReleaseCapture();
        ShowWindow(Handle(), SW_HIDE);
        Notify(kNotifyCloseUp);
    } else {
        InvalidateCell(cal_.focusCell);
    }
    Notify(kNotifyFocusLost);
}

void CCalendar::OnCancelMode() {
    const bool pressed = HasState(kStatePreviousPressed | kStateNextPressed);
    SetStateBits(kStatePreviousPressed | kStateNextPressed | kStatePointerLeft, false);
    if (GetCapture() == Handle()) ReleaseCapture();
    StopTimers(kTimerScrollDown, kTimerPreviousYear);
    if (pressed) {
        InvalidatePart(cal_.layout.previousButton);
        InvalidatePart(cal_.layout.nextButton);
    }
}

// ---- class, layout and size ---------------------------------------------------------

void CCalendar::RegisterWindowClass() {
    if (!EnsureCalendarClass()) throw ResourceException();
}

void CCalendar::RecalcLayout() {
    MeasureUnits();
    PlaceContent();
    InvalidateRect(Handle(), nullptr, FALSE);
}

void CCalendar::PlaceContent() {
    RECT client{};
    GetClientRect(Handle(), &client);
    cal_.layout = calendar::ComputeLayout(client.right, client.bottom,
                                          calendar::Units{generic_.unitWidth, generic_.unitHeight});
    generic_.content = ToRECT(cal_.layout.content);
}

void CCalendar::SizeToContent(bool flag) {
    if (!flag || !Handle()) return;
    // The cell size depends on the client size: lay out first, then size.
    if (generic_.unitWidth == 0) MeasureUnits();
    PlaceContent();
    const calendar::Size size = calendar::ContentWindowSize(cal_.layout);
    SetWindowPos(Handle(), nullptr, 0, 0, size.width, size.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PlaceContent();
}

// ---- style flags ----------------------------------------------------------------------

DWORD CCalendar::Style() const {
    using namespace calendar;
    const struct { bool on; DWORD bit; } flags[] = {
        {generic_.autoSize, kStyleAutoSize},
        {generic_.dropDownMode, kStyleDropDownMode},
        {generic_.arrowsActive, kStyleArrowsActive},
        {generic_.keyboard, kStyleKeyboard},
        {cal_.look3D, kStyle3DLook},
        {generic_.multipleSelection, kStyleMultipleSelection},
        {cal_.outsideDaysSelectable, kStyleOutsideDaysSelectable},
        {cal_.specialDaysSelectable, kStyleSpecialDaysSelectable},
        {cal_.showOutsideDays, kStyleShowOutsideDays},
        {generic_.showFocus, kStyleShowFocus},
        {cal_.insetFocus, kStyleInsetFocus},
        {cal_.showSpecialDates, kStyleShowSpecialDates},
        {cal_.verticalArrows, kStyleVerticalArrows},
    };
    DWORD word = 0;
    for (const auto& f : flags)
        if (f.on) word |= f.bit;
    return word;
}

DWORD CCalendar::SetStyle(DWORD bits, bool on) {
    const DWORD before = Style();
    for (DWORD bit : calendar::kStyleSetOrder)
        if (bits & bit) SetStyleFlag(bit, on);
    return before;
}

void CCalendar::ApplyRecordStyles(const calendar::SPropCalendar& record) {
    for (const auto& setting : record.StyleSettings()) SetStyleFlag(setting.bit, setting.on);
}

void CCalendar::SetStyleFlag(DWORD bit, bool on) {
    using namespace calendar;
    const calendar::Layout& l = cal_.layout;
    switch (bit) {
    case kStyleAutoSize:
        generic_.autoSize = on;
        SizeToContent(on);
        break;
    case kStyleDropDownMode:
        generic_.dropDownMode = on;
        break;
    case kStyleArrowsActive:
        generic_.arrowsActive = on;
        InvalidatePart(l.previousButton);
        InvalidatePart(l.nextButton);
        break;
    case kStyleKeyboard:
        generic_.keyboard = on;
        break;
    case kStyle3DLook:
        cal_.look3D = on;
        InvalidateRect(Handle(), nullptr, FALSE);
        break;
    case kStyleMultipleSelection: {
        const bool wasOn = generic_.multipleSelection;
        generic_.multipleSelection = on;
        if (wasOn && !on) {
            ClearMarked(false);
            if (IsDateSelectable(cal_.focusDate)) MarkDate(cal_.focusDate, 1, false, true);
        }
        break;
    }
    case kStyleOutsideDaysSelectable: {
        const bool wasOn = cal_.outsideDaysSelectable;
        cal_.outsideDaysSelectable = on;
        if (wasOn && !on) UnmarkOutsideDays();
        break;
    }
    case kStyleSpecialDaysSelectable: {
        const bool wasOn = cal_.specialDaysSelectable;
        cal_.specialDaysSelectable = on;
        if (wasOn && !on) UnmarkSpecialDays();
        break;
    }
    case kStyleShowOutsideDays: {
        const bool wasOn = cal_.showOutsideDays;
        cal_.showOutsideDays = on;
        if (wasOn && !on) SetFocusCell(FocusCellInsideMonth(cal_.focusCell, cal_.grid), true);
        if (!wasOn && on && !cal_.outsideDaysSelectable) UnmarkOutsideDays();
        InvalidatePart(l.dayGrid);
        break;
    }
    case kStyleShowFocus:
        generic_.showFocus = on;
        InvalidateCell(cal_.focusCell);
        break;
    case kStyleInsetFocus:
        cal_.insetFocus = on;
        InvalidateCell(cal_.focusCell);
        break;
    case kStyleShowSpecialDates: {
        const bool wasOn = cal_.showSpecialDates;
        cal_.showSpecialDates = on;
        if (!wasOn && on && !cal_.specialDaysSelectable) UnmarkSpecialDays();
        InvalidatePart(l.dayGrid);
        break;
    }
    case kStyleVerticalArrows:
        cal_.verticalArrows = on;
        InvalidatePart(l.previousButton);
        InvalidatePart(l.nextButton);
        break;
    }
}

// ---- colour roles -----------------------------------------------------------------------

COLORREF CCalendar::GetRoleColor(int role) const {
    if (!calendar::IsRole(role)) throw InvalidArgException();
    return cal_.roles.Get(role, &SystemColour);
}

COLORREF CCalendar::SetRoleColor(int role, COLORREF colour, bool repaint) {
    if (!calendar::IsRole(role)) throw InvalidArgException();
    const COLORREF previous = cal_.roles.Set(role, colour, &SystemColour);
    if (repaint) InvalidateRolePart(role);
    return previous;
}

bool CCalendar::IsInheritedRole(int role) const {
    return calendar::IsRole(role) && cal_.roles.IsInherited(role);
}

// ---- repainting --------------------------------------------------------------------------

void CCalendar::InvalidatePart(const calendar::Rect& rect) {
    if (!Handle() || rect.IsEmpty()) return;
    const RECT r = ToRECT(rect);
    InvalidateRect(Handle(), &r, FALSE);
}

void CCalendar::InvalidateCell(int cell) {
    InvalidatePart(cal_.layout.Cell(cell));
}

void CCalendar::InvalidateRolePart(int role) {
    const calendar::Layout& l = cal_.layout;
    switch (calendar::kRoleDefaults[role].part) {
    case calendar::RolePart::Whole: InvalidateRect(Handle(), nullptr, FALSE); break;
    case calendar::RolePart::DayGrid: InvalidatePart(l.dayGrid); break;
    case calendar::RolePart::TitleAndWeekdays:
        InvalidatePart(l.title);
        InvalidatePart(l.weekdayRow);
        break;
    case calendar::RolePart::Buttons:
        InvalidatePart(l.previousButton);
        InvalidatePart(l.nextButton);
        break;
    case calendar::RolePart::Weekdays: InvalidatePart(l.weekdayRow); break;
    case calendar::RolePart::Title: InvalidatePart(l.title); break;
    }
}

void CCalendar::Update() {
    if (Handle()) UpdateWindow(Handle());
}

void CCalendar::RepaintTitle() {
    InvalidatePart(cal_.layout.title);
    Update();
}

void CCalendar::RepaintWeekdays() {
    InvalidatePart(cal_.layout.weekdayRow);
    Update();
}

}  // namespace zw
