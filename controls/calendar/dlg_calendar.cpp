#include "controls/calendar/dlg_calendar.h"

#include <new>

#include "frame/control_factories.h"
#include "frame/designer_data.h"

namespace zw {

void CDlgCalendar::LoadSettings(const CREATESTRUCTW& create) {
    calendar::SPropCalendar record;
    if (LoadDesignerRecord(Handle(), create, kCalendarItemName, record)) ApplyRecord(record);
}

Control* NewCalendarControl() { return new (std::nothrow) CDlgCalendar; }

}  // namespace zw
