// ZelCalGetFocusDate, ZelCalSetFocusDate: the calendar's value.
#include <cstring>

#include "controls/calendar/calendar_api.h"
#include "frame/exceptions.h"

using zw::CCalendar;
using zw::CDateTime;

extern "C" int __stdcall ZelCalGetFocusDate(void* calendar, HostDate* date) {
    return zw::CalendarCall(L"ZelCalGetFocusDate()", calendar, 0, L" - Unable to retrieve current datetime.",
                            [&](CCalendar& c) {
                                if (!date) throw zw::InvalidArgException();
                                std::memcpy(date, &c.FocusDate().Value(), sizeof *date);
                                return 1;
                            });
}

extern "C" int __stdcall ZelCalSetFocusDate(void* calendar, HostDate date) {
    return zw::CalendarCall(L"ZelCalSetFocusDate()", calendar, 0, L" - Unable to assign new focus by date.",
                            [&](CCalendar& c) {
                                const CDateTime focus(date);
                                // The host must read the date back from its canonical text.
                                if (!CDateTime::IsDateText(focus.CanonicalText().c_str())) return 0;
                                return c.SetFocusDate(focus, true, true);
                            });
}
