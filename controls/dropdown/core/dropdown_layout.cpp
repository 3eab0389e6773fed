#include "controls/dropdown/core/dropdown_layout.h"

namespace zw::dropdown {

int EditButtonGap(int buttonWidth, bool editable, bool newShell) {
    return editable && !newShell ? buttonWidth / 2 - 1 : 0;
}

FieldLayout LayOutField(const Box& client, int buttonWidth, int gap) {
    FieldLayout layout;
    layout.edit = {client.left, client.top, client.right - buttonWidth - gap, client.bottom};
    layout.button = {client.right - buttonWidth, client.top, client.right, client.bottom};
    return layout;
}

Point PlacePopup(const PopupRule& rule, int popupWidth, int popupHeight, int screenWidth, int screenHeight) {
    Point at{rule.anchor.left, rule.anchor.bottom + rule.belowOffset};
    if (at.x + popupWidth > screenWidth) at.x = screenWidth - popupWidth;
    if (at.x < 0) at.x = 0;
    if (at.y + popupHeight > screenHeight) at.y = rule.anchor.top - popupHeight - 1;
    if (at.y < 0) at.y = 0;
    return at;
}

}  // namespace zw::dropdown
