// The icon of a message box from the application's icon argument: 0 for
// none; a picture handle when its low 16 bits are not 0 (it must be a live
// icon picture); otherwise a flag naming a system icon.
#pragma once

#include <windows.h>

namespace zw::msgbox {

enum : UINT_PTR {
    kIconAsterisk = 0x10000,
    kIconHand = 0x20000,
    kIconQuestion = 0x40000,
    kIconExclamation = 0x80000,
};

// False when the argument names a picture that is not a live icon
// picture; otherwise true, with *icon the icon to show (null: no icon).
bool IconOf(UINT_PTR choice, HICON* icon);

}  // namespace zw::msgbox
