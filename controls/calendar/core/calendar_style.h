// The calendar's thirteen style flags as the bits of its style word, and its
// designer property record SPropCalendar, which sets them on a form-placed
// calendar.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "frame/core/archive.h"

namespace zw::calendar {

enum StyleBit : std::uint32_t {
    kStyleAutoSize = 0x0001,               // the window is sized to its content
    kStyleDropDownMode = 0x0002,           // serves as a drop-down's popup
    kStyleArrowsActive = 0x0004,           // arrow buttons work (drawn in role 8, else role 12)
    kStyleKeyboard = 0x0008,               // handles keys
    kStyle3DLook = 0x0010,                 // button-face colours, 3D grid and focus
    kStyleMultipleSelection = 0x0020,      // any set of dates may be marked
    kStyleOutsideDaysSelectable = 0x0040,  // adjacent-month days may be clicked and marked
    kStyleSpecialDaysSelectable = 0x0080,  // days matched by a rule may be marked
    kStyleShowOutsideDays = 0x0100,        // adjacent-month day numbers are shown
    kStyleShowFocus = 0x0200,              // the focus cell is framed
    kStyleInsetFocus = 0x0400,             // the focus frame lies 1 pixel inside the cell
    kStyleShowSpecialDates = 0x0800,       // rules colour their days
    kStyleVerticalArrows = 0x1000,         // up and down arrows instead of left and right
};

// The order in which a change of several bits applies them.
constexpr std::uint32_t kStyleSetOrder[13] = {
    kStyleVerticalArrows, kStyleAutoSize, kStyleDropDownMode, kStyleArrowsActive, kStyleKeyboard,
    kStyle3DLook, kStyleMultipleSelection, kStyleOutsideDaysSelectable, kStyleSpecialDaysSelectable,
    kStyleShowOutsideDays, kStyleShowFocus, kStyleInsetFocus, kStyleShowSpecialDates,
};

// The flags of every control of this family (calendar, spin field, meter):
// the first part of their property records.
struct SPropGeneric {
    std::int32_t autoSize = 0;           // style 0x0001
    std::int32_t arrowsActive = 1;       // style 0x0004
    std::int32_t dropDownMode = 0;       // style 0x0002
    std::int32_t keyboard = 1;           // style 0x0008
    std::int32_t multipleSelection = 0;  // style 0x0020
    std::int32_t showFocus = 1;          // style 0x0200

    // Version 1, then the six flags as one byte each; version 0 has none.
    void Serialize(Archive& ar);
};

struct SPropCalendar : SPropGeneric {
    std::int32_t verticalArrows = 0;         // style 0x1000
    std::int32_t look3D = 0;                 // style 0x0010
    std::int32_t outsideDaysSelectable = 1;  // style 0x0040
    std::int32_t specialDaysSelectable = 1;  // style 0x0080
    std::int32_t showOutsideDays = 1;        // style 0x0100
    std::int32_t insetFocus = 0;             // style 0x0400
    std::int32_t showSpecialDates = 0;       // style 0x0800
    std::int32_t useInitialDate = 0;         // 1: initialDate is the first focus date
    std::u16string initialDate;              // a date as text

    // The generic part, then version 2: six flags as bytes, useInitialDate
    // (32 bits), initialDate, and last the vertical-arrows byte, which
    // version 1 lacks. Version 0: nothing of this group.
    void Serialize(Archive& ar);

    // The style flags in record order, each as its bit and whether it is on.
    struct Setting {
        std::uint32_t bit;
        bool on;
    };
    std::array<Setting, 13> StyleSettings() const;
};

}  // namespace zw::calendar
