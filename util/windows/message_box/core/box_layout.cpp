#include "util/windows/message_box/core/box_layout.h"

#include <algorithm>

namespace zw::msgbox {

int TextLimit(const BoxMetrics& m) {
    const int bx = m.baseX;
    int limit = m.fullWidth * 65 / 100 - 2 * m.frameX - bx * 9 / 4 - bx * 11 / 4;
    if (m.hasIcon) limit -= bx * 11 / 4 + m.iconWidth;
    return limit;
}

BoxLayout LayOutBox(const BoxMetrics& m, int textWidth, int textHeight, const std::vector<int>& buttonTextWidths) {
    const int bx = m.baseX, by = m.baseY;
    const int cxIcon = m.hasIcon ? m.iconWidth : 0;
    const int cyIcon = m.hasIcon ? m.iconHeight : 0;
    const int gap = m.hasIcon ? bx * 10 / 4 : 0;  // between the icon and the text
    BoxLayout layout;

    int iconTop = 0, textTop = 0;
    if (textHeight > cyIcon) {
        textTop = by;
        iconTop = by + (textHeight - cyIcon) / 2;
    } else {
        iconTop = by * 9 / 8;
        textTop = by * 9 / 8 + (cyIcon - textHeight) / 2;
    }

    const int count = static_cast<int>(buttonTextWidths.size());
    int buttonWidth = bx * 7;
    for (int width : buttonTextWidths) buttonWidth = std::max(buttonWidth, width + bx * 2);
    const int buttonGap = bx * 2;
    const int buttonHeight = by * 14 / 8;
    const int row = std::min(count * buttonWidth + (count - 1) * buttonGap + 2 * (bx * 22 / 4),
                             m.fullWidth - 2 * m.frameY);

    const int width = std::max(row, textWidth + gap + bx * 9 / 4 + cxIcon + bx * 11 / 4) + 2 * m.frameX;
    const int height = 2 * m.frameY + std::max(cyIcon, textHeight) + std::min(iconTop, textTop) + buttonHeight +
                       by * 9 / 8 + by * 6 / 8 + m.caption;
    layout.box = {(m.fullWidth - width) / 2, std::max(0, (m.fullHeight - height) / 2), width, height};
    layout.icon = {bx * 11 / 4, iconTop, cxIcon, cyIcon};
    layout.text = {bx * 11 / 4 + gap + cxIcon, textTop, textWidth, textHeight};
    layout.buttonTop = height - 2 * m.frameY - buttonHeight - by * 6 / 8 - m.caption;
    layout.firstButtonX = std::max(bx * 22 / 4, (width - 2 * m.frameY - row) / 2 + bx * 22 / 4);
    layout.buttonWidth = buttonWidth;
    layout.buttonHeight = buttonHeight;
    layout.buttonStep = buttonWidth + buttonGap;
    return layout;
}

}  // namespace zw::msgbox
