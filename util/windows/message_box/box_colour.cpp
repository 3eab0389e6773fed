// ZelMessageSetBkgdColor: the message boxes' background colour, one for the
// process, white until it is changed.
#include "util/windows/message_box/box_colour.h"

#include "frame/call_frame.h"

namespace zw::msgbox {
namespace {

COLORREF background = RGB(255, 255, 255);

}  // namespace

COLORREF BackgroundColour() { return background; }

}  // namespace zw::msgbox

extern "C" BOOL __stdcall ZelMessageSetBkgdColor(COLORREF colour) {
    return zw::Guarded(L"ZelMessageSetBkgdColor()", BOOL(FALSE), [&] {
        zw::msgbox::background = colour;
        return TRUE;
    });
}
