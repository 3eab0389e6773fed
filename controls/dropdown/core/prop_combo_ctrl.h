// SPropComboCtrl: the designer settings of a drop-down container, the first
// part of the records of drop-downs built on it.
//
// Stored form: a 32-bit version 1, the editable flag as one byte, the text as
// a serialised string. Version 0 ends the record and leaves the defaults.
#pragma once

#include <cstdint>
#include <string>

#include "frame/core/archive.h"

namespace zw::dropdown {

struct SPropComboCtrl {
    std::int32_t editable = 1;  // 1: text may be typed into the edit; 0: it is read-only
    std::u16string text;        // the edit's first text

    void Serialize(Archive& ar);
};

}  // namespace zw::dropdown
