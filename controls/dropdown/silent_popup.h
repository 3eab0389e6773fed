// SilentPopup: while alive, a drop-down's popup reports to nobody. The value
// a drop-down gives its own popup (before opening it, or from a designer
// record) is not the user's choice, so the popup's notifications about it must
// not come back to the drop-down as one. Popup is a control with Owner() and
// SetOwner(); its notifications go nowhere while the owner is null.
#pragma once

#include <windows.h>

#include "frame/wnd.h"

namespace zw::dropdown {

template <typename Popup>
class SilentPopup {
public:
    explicit SilentPopup(Popup* popup) : popup_(popup), owner_(popup ? popup->Owner() : nullptr) {
        if (popup_) popup_->SetOwner(nullptr);
    }
    ~SilentPopup() {
        if (popup_ && Wnd::IsLive(popup_)) popup_->SetOwner(owner_);
    }
    SilentPopup(const SilentPopup&) = delete;
    SilentPopup& operator=(const SilentPopup&) = delete;

private:
    Popup* popup_;
    HWND owner_;
};

}  // namespace zw::dropdown
