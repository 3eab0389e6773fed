// The process-wide debugging settings: the flag word and the debug level, and
// where debugging text goes.
#pragma once

#include <windows.h>

namespace zw::windows {

enum : DWORD {
    kDebugShowElapsed = 0x10000,  // the timing report shows elapsed times
    kDebugShowClock = 0x20000,    // the timing report shows clock times
    kDebugMessageBoxes = 0x80000, // output goes to message boxes, not the debugger
};

struct DebugSettings {
    DWORD flags = kDebugShowElapsed;  // kDebug* bits
    WORD level = 0;                   // messages and reports above it are not shown
};

DebugSettings& Debug();

// True when something of `level` is shown at the current debug level.
bool LevelShown(WORD level);

// Shows `text` in a message box without owner, captioned with string-table
// text `captionId`, with the exclamation icon. Allocates nothing, so that it
// also works when memory has run out.
void ShowDebugBox(LPCWSTR text, UINT captionId);

}  // namespace zw::windows
