// The colour questions a child window asks its parent: WM_CTLCOLOR (0x0019,
// the one message of the old 16-bit kind, no longer in the headers) and
// WM_CTLCOLORMSGBOX to WM_CTLCOLORSTATIC. Controls that keep no colours of
// their own pass them on to their parent, so the form decides.
#pragma once

#include <windows.h>

namespace zw {

constexpr UINT WM_CTLCOLOR_OLD = 0x0019;

inline bool IsColorMessage(UINT message) {
    return message == WM_CTLCOLOR_OLD || (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC);
}

}  // namespace zw
