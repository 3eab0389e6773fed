// The recently used colours: the colours chosen in the system colour dialog,
// newest first, at most a maximum that applications set between 0 and 255. The
// same colour may appear more than once.
#pragma once

#include <cstdint>

#include "controls/palette/core/palette_navigation.h"
#include "controls/palette/core/palette_record.h"

namespace zw::palette {

constexpr int kMaxRecentColors = 255;

// A maximum given by an application, brought into 0..255.
int ClampRecentMax(int maximum);

// Drops colours from the end until at most `maximum` remain (none for a
// negative maximum).
void TrimRecentColors(CColorArray& colors, int maximum);

// Puts `color` first, then trims to `maximum`: with a maximum of 0 the colour
// is dropped at once.
void PushRecentColor(CColorArray& colors, std::uint32_t color, int maximum);

// The focus after the list shrank to `count` colours: a focus in the MRU grid
// beyond its end moves to the last colour, or to the first palette colour
// when none is left; any other focus stays.
PaletteFocus FocusAfterRecentChange(PaletteFocus focus, int count);

}  // namespace zw::palette
