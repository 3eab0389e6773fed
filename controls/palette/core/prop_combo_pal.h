// SPropComboPal: the designer settings of a palette drop-down (item
// "ZW:ColorPaletteCombo"): the record of its popup palette, which is
// auto-sized and in drop-down mode unless the item says otherwise. Its
// stored form is that of the embedded SPropPalette.
#pragma once

#include "controls/palette/core/palette_record.h"
#include "frame/core/archive.h"

namespace zw::palette {

struct SPropComboPal {
    SPropComboPal();

    SPropPalette palette;  // the popup's colours, lines and flags

    void Serialize(Archive& ar) { palette.Serialize(ar); }
};

}  // namespace zw::palette
