// CDropDownField: what the value field of every drop-down (the edit, or the
// palette drop-down's colour field) does about the focus. The host decides
// whether the focus may enter the field; when it refuses, the field records
// that and hands the focus back: to the window that the container named (the
// one that had the focus before the container passed it on) or else to the
// window that lost it to the field. The container reads the record when a
// drop-down is requested.
#pragma once

#include <windows.h>

#include "frame/wnd.h"

namespace zw {

class CDropDownField : public Wnd {
public:
    // Whether the host allowed the focus into the field at its last WM_SETFOCUS.
    bool AcceptedFocus() const { return focusAccepted_; }
    // The window that gets the focus back if the host refuses the next one.
    void SetFocusReturn(HWND window) { focusReturn_ = window; }

protected:
    // At WM_SETFOCUS (`previous` lost the focus): asks the host with
    // HostValidateFocus(parent, flag, 0). Refused, the focus goes back and
    // false is returned; the field then must not act as focused.
    bool AskHostForFocus(HWND previous, int flag);
    void PostNcDestroy() override { delete this; }

private:
    bool focusAccepted_ = false;  // the host allowed the last focus change into the field
    HWND focusReturn_ = nullptr;  // where a refused focus goes back to; null: the window that lost it
};

}  // namespace zw
