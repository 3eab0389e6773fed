#include "util/windows/message_box/box_icon.h"

#include "controls/outline/pictures/pic.h"

namespace zw::msgbox {

bool IconOf(UINT_PTR choice, HICON* icon) {
    *icon = nullptr;
    if (LOWORD(choice)) {
        const PIC* picture = PIC::FromHandle(reinterpret_cast<const void*>(choice));
        if (!picture || (picture->type != PIC::kIcon && picture->type != PIC::kIconFromData) || !picture->icon)
            return false;
        *icon = picture->icon;
        return true;
    }
    // Tested in this order: the first flag present chooses.
    static const struct {
        UINT_PTR flag;
        LPCWSTR icon;
    } kSystemIcons[] = {
        {kIconAsterisk, IDI_ASTERISK},
        {kIconHand, IDI_HAND},
        {kIconQuestion, IDI_QUESTION},
        {kIconExclamation, IDI_EXCLAMATION},
    };
    for (const auto& system : kSystemIcons) {
        if (choice & system.flag) {
            *icon = LoadIconW(nullptr, system.icon);
            return true;
        }
    }
    return true;
}

}  // namespace zw::msgbox
