// ZelCalClearMarked, ZelCalGetMarked, ZelCalIsDateMarked, ZelCalMarkDate,
// ZelCalMarkDates: the marked dates of a calendar, as the application sees
// them. Dates are stored as given, time included.
#include "controls/calendar/calendar_api.h"
#include "frame/exceptions.h"

using zw::CCalendar;
using zw::CDateTime;

extern "C" int __stdcall ZelCalClearMarked(void* calendar) {
    return zw::CalendarCall(L"ZelCalClearMarked()", calendar, 0, L" - Unable to clear selected dates.",
                            [](CCalendar& c) { return c.ClearMarked(true); });
}

extern "C" int __stdcall ZelCalGetMarked(void* calendar, HARRAY dates) {
    return zw::CalendarCall(L"ZelCalGetMarked()", calendar, -1, L" - Unable to retrieve marked dates.",
                            [&](CCalendar& c) {
                                zw::CheckHostArray(dates);
                                LONG index = 0;
                                for (const auto& entry : c.Marked())
                                    if (!HostArrayPutDateTime(dates, &entry.second.Value(), index++))
                                        throw zw::InvalidArgException();
                                zw::SetArrayCount(dates, index);
                                return int(index);
                            });
}

extern "C" int __stdcall ZelCalIsDateMarked(void* calendar, HostDate date) {
    return zw::CalendarCall(L"ZelCalIsDateMarked()", calendar, 0,
                            L" - Unable to determine if specified date is marked.",
                            [&](CCalendar& c) { return c.IsDateMarked(CDateTime(date)) ? 1 : 0; });
}

extern "C" int __stdcall ZelCalMarkDate(void* calendar, HostDate date, int mark) {
    return zw::CalendarCall(L"ZelCalMarkDate()", calendar, 0, L" - Unable to add/remove date from selection list.",
                            [&](CCalendar& c) { return zw::MarkApplicationDate(c, date, mark); });
}

extern "C" int __stdcall ZelCalMarkDates(void* calendar, HARRAY dates, int mark) {
    return zw::CalendarCall(L"ZelCalMarkDates()", calendar, -1,
                            L" - Unable to add/remove multiple dates from selection list.", [&](CCalendar& c) {
                                zw::CheckHostArray(dates);
                                LONG lower = 0, upper = -1;
                                HostArrayGetBounds(dates, &lower, &upper);
                                int changed = 0;
                                for (LONG index = lower; index <= upper; ++index) {
                                    HostDate date{};
                                    if (!HostArrayGetDateTime(dates, &date, index)) throw zw::InvalidArgException();
                                    changed += zw::MarkApplicationDate(c, date, mark);
                                }
                                return changed;
                            });
}
