// ZelCalGetColor, ZelCalSetColor, ZelCalGetStyle, ZelCalSetStyle: the
// calendar's colour roles (0 to 15) and style bits.
#include "controls/calendar/calendar_api.h"

using zw::CCalendar;

extern "C" COLORREF __stdcall ZelCalGetColor(void* calendar, int role) {
    return zw::CalendarCall(L"ZelCalGetColor()", calendar, CLR_INVALID,
                            L" - Unable to retrieve color for specified role.",
                            [&](CCalendar& c) { return c.GetRoleColor(role); });
}

extern "C" COLORREF __stdcall ZelCalSetColor(void* calendar, int role, COLORREF colour) {
    return zw::CalendarCall(L"ZelCalSetColor()", calendar, CLR_INVALID, L" - Unable to assign color to specified role.",
                            [&](CCalendar& c) { return c.SetRoleColor(role, colour, true); });
}

extern "C" DWORD __stdcall ZelCalGetStyle(void* calendar) {
    return zw::CalendarCall(L"ZelCalGetStyle()", calendar, DWORD(0), L" - Unable to retrieve style bits.",
                            [](CCalendar& c) { return c.Style(); });
}

extern "C" DWORD __stdcall ZelCalSetStyle(void* calendar, DWORD bits, int on) {
    return zw::CalendarCall(L"ZelCalSetStyle()", calendar, DWORD(0), L" - Unable to update style bits.",
                            [&](CCalendar& c) { return c.SetStyle(bits, on != 0); });
}
