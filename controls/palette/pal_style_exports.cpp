// ZelPalStyleGet, ZelPalStyleSet: the palette's flags as style bits
// (1 auto-size, 2 drop-down, 4 "Other Color...", 8 selection always shown).
#include "controls/palette/color_palette.h"
#include "frame/call_frame.h"
#include "include/zwi51.h"

using zw::palette::CColorPalette;

extern "C" DWORD __stdcall ZelPalStyleGet(void* palette) {
    return zw::ControlCall<CColorPalette>(L"ZelPalStyleGet()", palette, DWORD(0), L" - Unable to retrieve style bits.",
                                          [&](CColorPalette& p) { return DWORD(p.StyleBits()); });
}

extern "C" DWORD __stdcall ZelPalStyleSet(void* palette, DWORD mask, BOOL value) {
    return zw::ControlCall<CColorPalette>(L"ZelPalStyleSet()", palette, DWORD(0), L" - Unable to assign style bits.",
                                          [&](CColorPalette& p) { return DWORD(p.SetStyleBits(mask, value != 0)); });
}
