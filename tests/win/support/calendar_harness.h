// Helpers of the calendar's test programs: host dates, a form that owns
// calendars and records their notifications, the calendar's layout computed
// from its own font and size, pixels of its painting, and input.
#pragma once

#include <windows.h>

#include <bit>
#include <string>
#include <vector>

#include "host/host_test.h"
#include "include/zwi51.h"

namespace zwtest {

// A host date (midnight unless a time is given); asserts nothing: a date the
// host cannot make is null.
HostDate Date(int year, int month, int day, int hour = 0, int minute = 0);
// The date moved by whole days.
HostDate AddDays(const HostDate& date, int days);
// "yyyy-mm-dd hh:mm" of a date, "null" for a null date.
std::string Text(const HostDate& date);
// The texts of a date/time array's elements, sorted.
std::vector<std::string> DateTexts(HARRAY array);
// The text of a calendar's focus date (ZelCalGetFocusDate).
std::string FocusOf(void* calendar);
// The same value as the exports' argument type, and back.
inline ZW_HOSTVALUE Arg(const HostDate& date) { return std::bit_cast<ZW_HOSTVALUE>(date); }
inline HostDate Host(const ZW_HOSTVALUE& value) { return std::bit_cast<HostDate>(value); }

// A top-level window that owns calendars: it keeps the WM_COMMAND
// notifications they post and answers WM_CTLCOLORLISTBOX as a host form
// would (with the colours set by SetListColours, else the default procedure's).
class CalendarForm {
public:
    CalendarForm();
    ~CalendarForm();
    CalendarForm(const CalendarForm&) = delete;
    CalendarForm& operator=(const CalendarForm&) = delete;

    HWND Handle() const { return window_; }
    // Creates a control window of `windowClass`: child 100 of the form, or
    // with WS_POPUP in `style` a popup it owns. `instance` receives what the
    // control announced with ZWM_ControlCreate.
    HWND Place(const wchar_t* windowClass, int width, int height, void** instance,
               const void* creationRecord = nullptr, DWORD style = WS_CHILD | WS_VISIBLE);
    // The notification codes posted to the form since the last call, from
    // `from` (pumps the thread's messages first).
    std::vector<int> TakeNotifications(HWND from);
    void SetListColours(COLORREF background, COLORREF text);

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND window_ = nullptr;
    HBRUSH listBrush_ = nullptr;
    COLORREF listText_ = 0;
    std::vector<std::pair<HWND, int>> notifications_;
};

// The calendar's layout, computed here from its font's metrics and its
// client size the way the control computes it.
struct CalendarMetrics {
    int cellWidth = 0;
    int cellHeight = 0;
    RECT previousButton{}, nextButton{}, title{}, weekdayRow{}, grid{};
    RECT Cell(int cell) const;
    POINT CellCentre(int cell) const;
};
CalendarMetrics MeasureCalendar(HWND calendar);

// The calendar's painting of its whole client area (WM_PRINTCLIENT) in a
// 32-bit bitmap.
class Snapshot {
public:
    explicit Snapshot(HWND window);
    ~Snapshot();
    Snapshot(const Snapshot&) = delete;
    Snapshot& operator=(const Snapshot&) = delete;
    COLORREF Pixel(int x, int y) const;
    // Pixels of `colour` inside `rect`.
    int Count(const RECT& rect, COLORREF colour) const;
    // A pixel of a cell's background: inside, away from its number.
    COLORREF CellBackground(const CalendarMetrics& metrics, int cell) const;

private:
    int width_ = 0, height_ = 0;
    DWORD* bits_ = nullptr;
    HBITMAP bitmap_ = nullptr;
};

// While alive, GetKeyState reports Control and Shift as given.
class HeldKeys {
public:
    HeldKeys(bool control, bool shift);
    ~HeldKeys();
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

private:
    BYTE saved_[256] = {};
};

// A press and release of the left button at a point, with MK_ modifier bits.
void Click(HWND window, POINT at, WPARAM modifiers = 0);
// A key press (WM_KEYDOWN) and, for a character, WM_CHAR.
void Key(HWND window, UINT virtualKey);
void Char(HWND window, wchar_t ch);

}  // namespace zwtest
