// A host list or combo box as the general list functions see it: list box
// messages are sent as their combo box counterparts when the window is a
// combo box, so each function is written once.
#pragma once

#include <windows.h>

#include "controls/outline/outline_box.h"

namespace zw::outline {

struct ListBox {
    HWND window = nullptr;
    BoxKind kind = BoxKind::None;

    // A window that is neither a list box nor a combo box (nor a window) is
    // taken as a list box when it is a window at all: its own procedure answers.
    explicit ListBox(HWND candidate) {
        if (!IsWindow(candidate)) return;
        window = candidate;
        kind = KindOf(candidate);
        if (kind == BoxKind::None) kind = BoxKind::List;
    }
    explicit operator bool() const { return window != nullptr; }
    bool IsCombo() const { return kind == BoxKind::Combo; }
    LONG Style() const { return GetWindowLongW(window, GWL_STYLE); }
    // Sends a list box message (LB_...), translated for a combo box.
    LRESULT Send(UINT listMessage, WPARAM wParam, LPARAM lParam) const;
    int Count() const { return int(Send(LB_GETCOUNT, 0, 0)); }
};

}  // namespace zw::outline
