// The library's private window messages (0x6001 to 0x600E) that a control
// does not handle: each is logged once per control kind, so a message sent
// to the wrong control shows up in the debug output without flooding it.
#pragma once

#include <windows.h>

namespace zw {

constexpr UINT kFirstPrivateMessage = 0x6001;
constexpr UINT kLastPrivateMessage = 0x600E;

inline bool IsPrivateMessage(UINT message) {
    return message >= kFirstPrivateMessage && message <= kLastPrivateMessage;
}

// Writes "<control> - Unhandled library message 0x60xx." the first time a
// control kind meets that message.
void NoteUnhandledPrivateMessage(const wchar_t* control, UINT message);

}  // namespace zw
