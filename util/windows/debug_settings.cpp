#include "util/windows/debug_settings.h"

#include <string>

#include "frame/app.h"

namespace zw::windows {

DebugSettings& Debug() {
    static DebugSettings settings;
    return settings;
}

bool LevelShown(WORD level) {
    return level <= Debug().level;
}

void ShowDebugBox(std::wstring_view text, UINT captionId) {
    MessageBoxW(nullptr, std::wstring(text).c_str(), LoadMessage(captionId).c_str(), MB_ICONEXCLAMATION);
}

}  // namespace zw::windows
