// The message box's layout: where the box, its icon, its text and its row of
// buttons go, from the dialog base units, the system metrics, the measured
// text and the buttons' text widths. Every division is an integer division,
// in the order written, so the box looks the same wherever it is shown.
#pragma once

#include <vector>

namespace zw::msgbox {

struct BoxMetrics {
    int baseX = 0;        // horizontal dialog base unit (bx)
    int baseY = 0;        // vertical dialog base unit (by)
    int fullWidth = 0;    // SM_CXFULLSCREEN
    int fullHeight = 0;   // SM_CYFULLSCREEN
    int frameX = 0;       // SM_CXDLGFRAME
    int frameY = 0;       // SM_CYDLGFRAME
    int caption = 0;      // SM_CYCAPTION
    int iconWidth = 0;    // SM_CXICON, 0 without an icon
    int iconHeight = 0;   // SM_CYICON, 0 without an icon
    bool hasIcon = false;
};

struct BoxRect {
    int x = 0, y = 0, width = 0, height = 0;
};

struct BoxLayout {
    BoxRect box;           // the box on the screen, frame included
    BoxRect icon;          // the icon control in the box's client area
    BoxRect text;          // the text control
    int buttonTop = 0;     // top of the row of buttons
    int firstButtonX = 0;  // left of the first button
    int buttonWidth = 0;   // every button's width
    int buttonHeight = 0;
    int buttonStep = 0;    // from one button's left to the next one's
};

// The widest the text may be before it is wrapped.
int TextLimit(const BoxMetrics& metrics);

// The layout for a text of `textWidth` by `textHeight` pixels (measured,
// wrapped when wider than TextLimit) and buttons whose texts measure
// `buttonTextWidths` (at least one).
BoxLayout LayOutBox(const BoxMetrics& metrics, int textWidth, int textHeight, const std::vector<int>& buttonTextWidths);

}  // namespace zw::msgbox
