// Keyboard moves of the palette's focus item. A move is a number of single
// steps; a step past the end of an area continues in the next area and a
// step before the start continues in the previous one, so that the arrow keys
// walk from the colours through the menu lines to the recently used colours.
#pragma once

#include "controls/palette/core/palette_layout.h"

namespace zw::palette {

// The focus item: an area (kGridArea, kMenuArea, kMRUArea) and an entry in it.
struct PaletteFocus {
    int area = 0;
    int index = 0;
    bool operator==(const PaletteFocus&) const = default;
};

enum class ArrowKey { Left, Right, Up, Down };

// Steps of an arrow key from `area`: Left and Right one entry; Up and Down a
// row of the grid the focus is in, or one menu line.
int StepsFor(ArrowKey key, int area, const PaletteLayout& layout);

// Where `steps` single steps (negative: backwards) lead from `from`.
//   Forward past an area's last entry: the MRU grid, or an area followed by
//   an empty one, keeps its last entry; otherwise entry 0 of the next area.
//   Backward before entry 0: the grid keeps entry 0; an area preceded by an
//   empty one keeps entry 0 as well; otherwise the last entry of the
//   previous area.
PaletteFocus MoveFocus(PaletteFocus from, int steps, const PaletteCounts& counts);

// Whether `focus` names an entry that exists.
bool FocusExists(PaletteFocus focus, const PaletteCounts& counts);

}  // namespace zw::palette
