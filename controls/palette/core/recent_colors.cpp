#include "controls/palette/core/recent_colors.h"

#include <algorithm>
#include <memory>

namespace zw::palette {

int ClampRecentMax(int maximum) {
    return std::clamp(maximum, 0, kMaxRecentColors);
}

void TrimRecentColors(CColorArray& colors, int maximum) {
    const std::size_t keep = maximum < 0 ? 0 : static_cast<std::size_t>(maximum);
    if (colors.size() > keep) colors.resize(keep);
}

void PushRecentColor(CColorArray& colors, std::uint32_t color, int maximum) {
    colors.insert(colors.begin(), std::make_unique<SPaletteColor>(color));
    TrimRecentColors(colors, maximum);
}

PaletteFocus FocusAfterRecentChange(PaletteFocus focus, int count) {
    if (focus.area != kMRUArea || focus.index < count) return focus;
    if (count == 0) return {kGridArea, 0};
    return {kMRUArea, count - 1};
}

}  // namespace zw::palette
