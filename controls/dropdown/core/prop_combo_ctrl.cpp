#include "controls/dropdown/core/prop_combo_ctrl.h"

namespace zw::dropdown {

void SPropComboCtrl::Serialize(Archive& ar) {
    if (ar.Version(1) == 0) return;
    ar.Flag(editable);
    ar.String(text);
}

}  // namespace zw::dropdown
