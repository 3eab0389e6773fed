#include "controls/private_messages.h"

#include <cwchar>
#include <set>
#include <string>
#include <utility>

#include "frame/call_frame.h"

namespace zw {

void NoteUnhandledPrivateMessage(const wchar_t* control, UINT message) {
    static std::set<std::pair<std::wstring, UINT>> noted;
    if (!noted.emplace(control, message).second) return;
    wchar_t text[64];
    std::swprintf(text, 64, L" - Unhandled library message 0x%04X.", message);
    DebugLine(control, text);
}

}  // namespace zw
