#include "controls/palette/core/palette_navigation.h"

namespace zw::palette {

int StepsFor(ArrowKey key, int area, const PaletteLayout& layout) {
    switch (key) {
    case ArrowKey::Left: return -1;
    case ArrowKey::Right: return 1;
    case ArrowKey::Up:
    case ArrowKey::Down: {
        const int row = area == kGridArea ? layout.columns : area == kMRUArea ? layout.mruColumns : 1;
        return key == ArrowKey::Up ? -row : row;
    }
    }
    return 0;
}

PaletteFocus MoveFocus(PaletteFocus from, int steps, const PaletteCounts& counts) {
    PaletteFocus at = from;
    const int direction = steps < 0 ? -1 : 1;
    for (int taken = 0; taken != steps; taken += direction) {
        at.index += direction;
        if (direction > 0 && at.index >= counts.Of(at.area)) {
            if (at.area == kMRUArea || counts.Of(at.area + 1) == 0) {
                at.index = counts.Of(at.area) - 1;
            } else {
                ++at.area;
                at.index = 0;
            }
        } else if (direction < 0 && at.index < 0) {
            if (at.area == kGridArea || counts.Of(at.area - 1) == 0) {
                at.index = 0;
            } else {
                --at.area;
                at.index = counts.Of(at.area) - 1;
            }
        }
    }
    return at;
}

bool FocusExists(PaletteFocus focus, const PaletteCounts& counts) {
    return focus.area >= 0 && focus.area < kAreaCount && focus.index >= 0 && focus.index < counts.Of(focus.area);
}

}  // namespace zw::palette
