// Message box buttons: objects the application makes with
// ZelMessageLoadButton, passes to any number of boxes, and frees with
// ZelMessageFreeButton. The handle the application holds is the object's
// address (its lowest bit is always 0, so a box's button array can use that
// bit to mark the button that takes the focus); it is only used after it has
// been found among the live buttons.
#pragma once

#include <cstddef>
#include <string>

namespace zw::msgbox {

struct MessageButton {
    int value = 0;      // what the box returns when this button is pressed
    int controlId = 0;  // the button control's identifier in the box being shown
    std::wstring text;  // the button's text

    MessageButton();
    ~MessageButton();
    MessageButton(const MessageButton&) = delete;
    MessageButton& operator=(const MessageButton&) = delete;

    // The live button at `handle`, or null for a stale or garbage handle.
    static MessageButton* FromHandle(const void* handle);
    static std::size_t LiveCount();
};

}  // namespace zw::msgbox
