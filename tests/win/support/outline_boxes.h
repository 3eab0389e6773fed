// Host list and combo boxes for the outline tests: a form, and boxes made by
// the replacement host with an outline style applied while they are created
// (owner-drawn styles only take effect then), as host applications do.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/win/support/zwtest.h"

namespace zwtest {

constexpr COLORREF kBoxBackground = RGB(255, 255, 255);
constexpr COLORREF kBoxInk = RGB(0, 0, 128);

// A hidden top-level form (visible top-level windows cost seconds each under
// Wine without a window manager); destroyed with its boxes at the end.
class Form {
public:
    Form();
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    HWND Handle() const { return window_; }
    // A box of host type `type` (0x2000 list, 0x4000 combo) with `style` given
    // to ZelListSetStyle at creation (0: a plain host box). Host colours:
    // background kBoxBackground, text kBoxInk.
    HWND Box(DWORD style, DWORD windowStyle = 0, DWORD type = 0x2000, int height = 200, int id = 301);

private:
    HWND window_;
};

// The texts of all rows.
std::vector<std::wstring> RowTexts(HWND box);

}  // namespace zwtest
