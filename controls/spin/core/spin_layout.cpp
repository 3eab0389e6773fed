#include "controls/spin/core/spin_layout.h"

#include <algorithm>

namespace zw::spin {

SpinLayout SpinLayoutOf(int width, int height) {
    SpinLayout layout;
    layout.buttonLeft = width - 2 * (height / 3);
    layout.up = {layout.buttonLeft, 0, width, height / 2};
    layout.down = {layout.buttonLeft, height / 2, width, height};
    layout.edit = {-1, -1, layout.buttonLeft + 1, height + 1};
    return layout;
}

SpinButton SpinHitTest(const SpinLayout& layout, int x, int y) {
    if (layout.up.Contains(x, y)) return SpinButton::Up;
    if (layout.down.Contains(x, y)) return SpinButton::Down;
    return SpinButton::None;
}

std::wstring MeterText(unsigned value) { return std::to_wstring(value) + L"%"; }

MeterParts MeterPartsOf(int width, int height, unsigned value) {
    if (width > height) {
        const int split = std::clamp(int(static_cast<long long>(width) * value / 100), 0, width);
        return {{0, 0, split, height}, {split, 0, width, height}};
    }
    const int split = std::clamp(int(static_cast<long long>(height) * (100 - int(value)) / 100), 0, height);
    return {{0, split, width, height}, {0, 0, width, split}};
}

}  // namespace zw::spin
