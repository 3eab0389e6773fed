#include "util/windows/debug_settings.h"

#include "frame/app.h"

namespace zw::windows {

DebugSettings& Debug() {
    static DebugSettings settings;
    return settings;
}

bool LevelShown(WORD level) {
    return level <= Debug().level;
}

void ShowDebugBox(LPCWSTR text, UINT captionId) {
    WCHAR caption[64] = {};
    LoadStringW(ModuleInstance(), captionId, caption, 64);
    MessageBoxW(nullptr, text, caption, MB_ICONEXCLAMATION);
}

}  // namespace zw::windows
