// The spin field: a numeric field made of an edit child for the number and a
// pair of up/down arrow buttons at its right edge, which step the value by
// an increment within a minimum and a maximum, with an optional number of
// decimal places. Applications drive it with window messages 0x401 to 0x407;
// its state lives in a moveable local memory block that the window and its
// edit child reach through the property "ZW:SpinParent".
//
// In designer mode (the host's creation record with bit 0 clear: the form
// designer draws the control) there is no edit child; the field only paints.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "controls/spin/core/spin_layout.h"
#include "controls/spin/core/spin_value.h"

namespace zw {

// Messages the application sends to a spin field.
enum : UINT {
    SPM_SETMINIMUM = 0x401,    // lParam: the minimum; empties the edit text
    SPM_SETMAXIMUM = 0x402,    // lParam: the maximum; empties the edit text
    SPM_SETINCREMENT = 0x403,  // wParam: decimal adjust, lParam: increment (0 ignores the message)
    SPM_SETVALUE = 0x404,      // lParam: the value, kept only within the limits
    SPM_STEPUP = 0x405,
    SPM_STEPDOWN = 0x406,
    SPM_GETTEXT = 0x407,       // returns the text as a new host string
    SPM_SETREADONLY = 0x41F,   // passed on to the edit child, as EM_SETREADONLY is
};

// Bits of the state word.
enum : std::uint16_t {
    kSpinNoEdit = 0x01,       // designer mode: no edit child
    kSpinUpPressed = 0x02,    // the up button is held
    kSpinDownPressed = 0x04,  // the down button is held
};

constexpr wchar_t kSpinParentProperty[] = L"ZW:SpinParent";

// The instance block.
struct SpinFieldState {
    std::int32_t value;             // the value, in units of the last decimal place shown
    spin::SpinSettings settings;    // minimum, maximum, increment, decimal adjust
    HWND edit;                      // edit child; null in designer mode
    HWND self;                      // the spin field's own window
    HWND focusBefore;               // window that had the focus before the spin field took it
    HFONT font;                     // font given with WM_SETFONT, passed to the edit child
    WNDPROC editProc;               // the edit child's procedure before subclassing
    std::uint16_t state;            // kSpinNoEdit, kSpinUpPressed, kSpinDownPressed
    UINT_PTR timer;                 // repeat timer identifier; 0 while no button is held
    DWORD pressTick;                // tick count of the press, milliseconds
};

// The locked instance block of a spin field or its edit child, unlocked when
// the object goes. Empty when the window has no block or it cannot be locked.
class LockedSpinState {
public:
    explicit LockedSpinState(HWND window);
    ~LockedSpinState();
    LockedSpinState(const LockedSpinState&) = delete;
    LockedSpinState& operator=(const LockedSpinState&) = delete;

    explicit operator bool() const { return state_ != nullptr; }
    SpinFieldState* operator->() const { return state_; }
    SpinFieldState& operator*() const { return *state_; }

private:
    HLOCAL block_;
    SpinFieldState* state_;
};

// One step up or down, reading the edit text first (spin_field.cpp).
std::int32_t SpinStep(SpinFieldState& spin, bool up);

// The edit child's subclass procedure: arrow keys step, focus is checked
// with the host (spin_edit.cpp).
LRESULT CALLBACK SpinEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);

// Draws the spin field from its state (spin_paint.cpp): in designer mode the
// edit area in the host's background colour; the buttons raised, or sunken
// while held, with their arrows.
void PaintSpinField(HDC dc, const RECT& client, const SpinFieldState& spin, COLORREF editBackground);

}  // namespace zw
