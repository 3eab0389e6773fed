#include "controls/calendar/core/calendar_style.h"

namespace zw::calendar {

void SPropGeneric::Serialize(Archive& ar) {
    if (ar.Version(1) == 0) return;
    ar.Flag(autoSize);
    ar.Flag(arrowsActive);
    ar.Flag(dropDownMode);
    ar.Flag(keyboard);
    ar.Flag(multipleSelection);
    ar.Flag(showFocus);
}

void SPropCalendar::Serialize(Archive& ar) {
    SPropGeneric::Serialize(ar);
    const std::uint32_t version = ar.Version(2);
    if (version == 0) return;
    ar.Flag(look3D);
    ar.Flag(outsideDaysSelectable);
    ar.Flag(specialDaysSelectable);
    ar.Flag(showOutsideDays);
    ar.Flag(insetFocus);
    ar.Flag(showSpecialDates);
    ar.Field(useInitialDate);
    ar.String(initialDate);
    if (version >= 2) ar.Flag(verticalArrows);
}

std::array<SPropCalendar::Setting, 13> SPropCalendar::StyleSettings() const {
    return {{
        {kStyleAutoSize, autoSize != 0},
        {kStyleArrowsActive, arrowsActive != 0},
        {kStyleDropDownMode, dropDownMode != 0},
        {kStyleKeyboard, keyboard != 0},
        {kStyleMultipleSelection, multipleSelection != 0},
        {kStyleShowFocus, showFocus != 0},
        {kStyleVerticalArrows, verticalArrows != 0},
        {kStyle3DLook, look3D != 0},
        {kStyleOutsideDaysSelectable, outsideDaysSelectable != 0},
        {kStyleSpecialDaysSelectable, specialDaysSelectable != 0},
        {kStyleShowOutsideDays, showOutsideDays != 0},
        {kStyleInsetFocus, insetFocus != 0},
        {kStyleShowSpecialDates, showSpecialDates != 0},
    }};
}

}  // namespace zw::calendar
