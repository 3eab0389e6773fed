#include "controls/dropdown/dropdown_field.h"

#include <utility>

#include "frame/host_api.h"

namespace zw {

bool CDropDownField::AskHostForFocus(HWND previous, int flag) {
    const HWND giveBackTo = std::exchange(focusReturn_, nullptr);
    focusAccepted_ = HostValidateFocus(GetParent(Handle()), flag, 0) != 0;
    if (focusAccepted_) return true;
    HWND target = giveBackTo ? giveBackTo : previous;
    // Never back into the control itself: its container would pass the focus
    // on to the field again, and the host would refuse again.
    if (target == GetParent(Handle()) || !IsWindow(target)) target = nullptr;
    SetFocus(target);
    return false;
}

}  // namespace zw
