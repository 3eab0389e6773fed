// The calendar in the sample host application: the form-placed calendar
// gets room of its own at the right of the form and shows this month with
// marked dates (multiple selection) and special-date rules, all set through
// the ZelCal functions the way host application code sets them.
#include <windows.h>

#include <cstring>

#include "host/host_test.h"
#include "include/zwi51.h"

namespace {

ZW_HOSTVALUE Day(int year, int month, int day) {
    HostDate date{};
    HostDateConstruct(&date, year, month, day, 0, 0, 0);
    ZW_HOSTVALUE value;
    std::memcpy(&value, &date, sizeof value);
    return value;
}

constexpr int kColumnWidth = 210;

}  // namespace

void ShowCalendarDemo(HWND form, HWND calendar, void* instance) {
    if (!calendar || !instance) return;
    RECT frame{};
    GetWindowRect(form, &frame);
    SetWindowPos(form, nullptr, 0, 0, frame.right - frame.left + kColumnWidth, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client{};
    GetClientRect(form, &client);
    SetWindowPos(calendar, HWND_TOP, client.right - kColumnWidth, 36, kColumnWidth - 12, 220, SWP_NOACTIVATE);
    CreateWindowExW(0, L"STATIC", L"The calendar is at the right: marked dates, Sundays and 25 December in colour.",
                    WS_CHILD | WS_VISIBLE, 20, 72, 180, 70, form, nullptr, GetModuleHandleW(nullptr), nullptr);

    HostDate today{};
    HostDateNow(&today);
    const int year = HostDateYear(&today), month = HostDateMonth(&today);
    ZelCalSetStyle(instance, ZW_CAL_MULTISELECT | ZW_CAL_SHOWSPECIAL | ZW_CAL_3D, 1);
    // Every Sunday in red, and 25 December of every year in green.
    ZelCalSpecialDate(instance, 2, Day(year, month, 1), 1, 0, RGB(255, 255, 255), RGB(192, 0, 0), 1);
    ZelCalSpecialDate(instance, 5, Day(year, 12, 25), 0, 0, RGB(255, 255, 255), RGB(0, 128, 0), 1);
    // Three marked days of this month.
    const HARRAY marks = HostArrayCreate(HOST_ARRAY_DATETIME);
    const int days[] = {9, 10, 20};
    for (LONG i = 0; i < 3; ++i) {
        HostDate date{};
        HostDateConstruct(&date, year, month, days[i], 0, 0, 0);
        HostArrayPutDateTime(marks, &date, i);
    }
    ZelCalMarkDates(instance, marks, 1);
    HostArrayDestroy(marks);
}
