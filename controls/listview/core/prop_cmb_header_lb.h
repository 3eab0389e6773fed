// The designer settings of a list view drop-down (item "ZW:CmbHeaderListBox"):
// the container's record, read-only unless the item says otherwise, then the
// record of its pop-up list, which is in drop-down mode.
//
// Stored form: the SPropComboCtrl in its own stored form, the list's record
// in its own stored form, then a 32-bit version 1. The trailing version is
// read and ignored: nothing follows it yet.
//
// The list's record holds the platform's image lists, so the record is made
// over the list record's type: the library uses SPropCmbHeaderLB (over
// SPropHeaderListBox, cmb_header_lb.h); portable code and its tests may use
// any record with Serialize(Archive&) and a bDropDown field.
#pragma once

#include <cstdint>

#include "controls/dropdown/core/prop_combo_ctrl.h"
#include "frame/core/archive.h"

namespace zw::listview {

template <typename ListRecord>
struct ComboListRecord {
    ComboListRecord() {
        combo.editable = 0;
        list.bDropDown = 1;
    }

    dropdown::SPropComboCtrl combo;  // editable flag (0: read-only) and the edit's first text
    ListRecord list;                 // the pop-up list's columns, images, colours, style and sorting

    void Serialize(Archive& ar) {
        combo.Serialize(ar);
        list.Serialize(ar);
        ar.Version(1);
    }
};

}  // namespace zw::listview
