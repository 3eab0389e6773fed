// ZelCalSetMonths, ZelCalSetWeekDays, ZelCalWeekStartSet, ZelCalWeekStartGet:
// the month and weekday names every calendar of the process shows, and one
// calendar's first day of the week.
#include "controls/calendar/calendar_api.h"

using zw::CCalendar;
using zw::CDateTime;

namespace {
// Shown when a week start outside 1..7 is refused: "Function '%1' was given
// an argument that is out of range."
constexpr UINT kOutOfRangeMessage = 49;
}  // namespace

extern "C" int __stdcall ZelCalSetMonths(void* calendar, HARRAY names) {
    return zw::CalendarCall(L"ZelCalSetMonths()", calendar, 0, L" - Unable to assign text for month names.",
                            [&](CCalendar& c) {
                                CDateTime::SetMonthNames(zw::ReadNameArray(names, 12));
                                c.RepaintTitle();
                                return 1;
                            });
}

extern "C" int __stdcall ZelCalSetWeekDays(void* calendar, HARRAY names) {
    return zw::CalendarCall(L"ZelCalSetWeekDays()", calendar, 0, L" - Unable to assign text for weekday names.",
                            [&](CCalendar& c) {
                                CDateTime::SetWeekdayNames(zw::ReadNameArray(names, 7));
                                c.RepaintWeekdays();
                                return 1;
                            });
}

extern "C" int __stdcall ZelCalWeekStartSet(void* calendar, int weekday) {
    return zw::CalendarCall(L"ZelCalWeekStartSet()", calendar, -1, L" - Unable to set the starting weekday.",
                            [&](CCalendar& c) {
                                if (weekday < 1 || weekday > 7) zw::ReportError(kOutOfRangeMessage, L"ZelCalWeekStartSet()");
                                return c.SetWeekStart(weekday);
                            });
}

extern "C" int __stdcall ZelCalWeekStartGet(void* calendar) {
    return zw::CalendarCall(L"ZelCalWeekStartGet()", calendar, -1, zw::kNoDebugText,
                            [](CCalendar& c) { return c.WeekStart(); });
}
