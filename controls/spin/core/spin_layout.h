// Geometry and timing of the spin field's buttons and of the meter: which
// part of the window is what, as functions of the client size, so tests can
// compute positions the way the controls do.
#pragma once

#include <cstdint>
#include <string>

#include "frame/core/rect.h"

namespace zw::spin {

using Box = zw::Rect;

// The spin field in a client area `width` by `height`: a button column
// 2 x (height / 3) wide at the right edge, the up button its upper half (down
// to height / 2) and the down button its lower half; the edit child covers
// the rest with its border one pixel outside the field.
struct SpinLayout {
    int buttonLeft = 0;  // x of the button column
    Box up;              // up button
    Box down;            // down button
    Box edit;            // edit child, in the field's client coordinates
};
SpinLayout SpinLayoutOf(int width, int height);

enum class SpinButton { None, Up, Down };
// The button under a client point.
SpinButton SpinHitTest(const SpinLayout& layout, int x, int y);

// Auto-repeat: the timer ticks every 75 ms; a held button steps from 300 ms
// after the press on.
constexpr unsigned kRepeatTimerMs = 75;
constexpr unsigned kRepeatDelayMs = 300;
// Whether a tick at `now` (a millisecond tick count) steps, for a press at
// `pressTick`; the difference is taken modulo 2^32, so the count may wrap.
inline bool RepeatDue(std::uint32_t pressTick, std::uint32_t now) { return now - pressTick >= kRepeatDelayMs; }

// The meter's value: 0 to 100 is a percentage; anything above shows nothing.
constexpr unsigned kMeterMaximum = 100;
// The value a meter keeps after creation on a form: blank.
constexpr std::uint16_t kMeterBlank = 0xFFFF;
inline bool MeterShowsValue(unsigned value) { return value <= kMeterMaximum; }

// The meter's text: "30%" for 30.
std::wstring MeterText(unsigned value);

// The meter split into the part the bar covers and the part it leaves: a
// meter wider than high fills from the left (split x = width x value / 100),
// any other from the bottom (split y = height x (100 - value) / 100), the
// split kept within the client area.
struct MeterParts {
    Box covered;
    Box uncovered;
};
MeterParts MeterPartsOf(int width, int height, unsigned value);

// Where the centred text starts.
struct TextOrigin {
    int x = 0;
    int y = 0;
};
inline TextOrigin MeterTextOrigin(int width, int height, int textWidth, int textHeight) {
    return {width / 2 - textWidth / 2, height / 2 - textHeight / 2};
}

}  // namespace zw::spin
