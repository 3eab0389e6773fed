// What the ZelCal exports share: the call frame for a calendar instance, and
// the checks and conversions of their host arguments.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "controls/calendar/calendar.h"
#include "frame/call_frame.h"
#include "frame/host_api.h"

namespace zw {

// The shape of every calendar export: a null instance shows message 48, an
// instance that is no live calendar fails quietly, a failure inside writes
// the function-name context and `failText` as one debug line.
template <typename R, typename Body>
R CalendarCall(const wchar_t* functionName, void* instance, R failure, const wchar_t* failText, Body&& body) noexcept {
    return ControlCall<CCalendar>(functionName, instance, failure, failText, std::forward<Body>(body));
}

// Throws InvalidArgException unless the host knows `array`.
void CheckHostArray(HARRAY array);

// Sets `array`'s bounds to 0 .. count - 1 (an empty array for 0); throws
// InvalidArgException when the host refuses.
void SetArrayCount(HARRAY array, int count);

// The texts of a host string array that must hold exactly `count` elements
// (else UserException); an element that cannot be read counts as "".
std::vector<std::wstring> ReadNameArray(HARRAY array, int count);

// Marks (1) or unmarks (0) a date given by an application, repainting its
// cell at once: 1 when the marks changed.
int MarkApplicationDate(CCalendar& calendar, const HostDate& date, int markFlag);

}  // namespace zw
