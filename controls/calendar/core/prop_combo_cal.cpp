#include "controls/calendar/core/prop_combo_cal.h"

namespace zw::calendar {

SPropComboCal::SPropComboCal() {
    calendar.autoSize = 1;
    calendar.dropDownMode = 1;
    calendar.multipleSelection = 0;
    calendar.outsideDaysSelectable = 1;
    calendar.specialDaysSelectable = 1;
}

void SPropComboCal::Serialize(Archive& ar) {
    calendar.Serialize(ar);
    if (ar.Version(1) == 0) return;
    ar.Flag(editable);
    ar.String(picture);
}

}  // namespace zw::calendar
