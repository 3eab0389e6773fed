#include "controls/palette/core/prop_combo_pal.h"

namespace zw::palette {

SPropComboPal::SPropComboPal() {
    palette.bAutoSize = 1;
    palette.bDropDown = 1;
}

}  // namespace zw::palette
