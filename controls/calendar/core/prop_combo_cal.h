// SPropComboCal: the designer settings of a calendar drop-down (item
// "ZW:CalendarComboBox"): its popup calendar's record, the editable flag and
// the date picture of the field.
//
// Stored form: the embedded SPropCalendar in its own stored form, then a
// 32-bit version 1, the editable flag as one byte and the picture as a
// serialised string. Version 0 leaves the last two at their defaults.
#pragma once

#include <cstdint>
#include <string>

#include "controls/calendar/core/calendar_style.h"
#include "frame/core/archive.h"

namespace zw::calendar {

struct SPropComboCal {
    SPropComboCal();

    SPropCalendar calendar;     // the popup's flags: auto-sized, in drop-down mode, single selection
    std::int32_t editable = 0;  // 1: dates may be typed; 0: the field is read-only
    std::u16string picture;     // the date picture of the field's text; empty: the host's default

    void Serialize(Archive& ar);
};

}  // namespace zw::calendar
