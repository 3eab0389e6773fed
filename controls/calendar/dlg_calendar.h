// CDlgCalendar: the calendar a host form places (host class "cCalendar",
// window class "ZW:cCalendar:10"). It is a CCalendar that, once created,
// reads its designer item "ZW:Calendar" and applies the SPropCalendar record
// in it: style flags, then the initial date.
#pragma once

#include "controls/calendar/calendar.h"

namespace zw {

inline constexpr wchar_t kCalendarItemName[] = L"ZW:Calendar";

class CDlgCalendar : public CCalendar {
protected:
    void LoadSettings(const CREATESTRUCTW& create) override;
};

}  // namespace zw
