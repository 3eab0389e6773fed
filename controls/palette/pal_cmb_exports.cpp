// ZelPalCmbPaletteGet, ZelPalCmbStyleGet, ZelPalCmbStyleSet: the palette
// drop-down's popup palette and that palette's style bits.
#include "controls/palette/combo_pal.h"
#include "frame/call_frame.h"
#include "frame/exceptions.h"
#include "include/zwi51.h"

using zw::palette::CComboPal;

extern "C" void* __stdcall ZelPalCmbPaletteGet(void* dropDown) {
    return zw::ControlCall<CComboPal>(L"ZelPalCmbPaletteGet()", dropDown, static_cast<void*>(nullptr),
                                      L" - Unable to retrieve child Color Palette pointer.", [](CComboPal& c) -> void* {
                                          zw::palette::CColorPalette* palette = c.Palette();
                                          if (!palette) throw zw::InvalidArgException();
                                          return static_cast<zw::Wnd*>(palette);
                                      });
}

extern "C" DWORD __stdcall ZelPalCmbStyleGet(void* dropDown) {
    return zw::ControlCall<CComboPal>(L"ZelPalCmbStyleGet()", dropDown, DWORD(0), L" - Unable to retrieve style bits.",
                                      [](CComboPal& c) {
                                          const zw::palette::CColorPalette* palette = c.Palette();
                                          return palette ? DWORD(palette->StyleBits()) : DWORD(0);
                                      });
}

extern "C" DWORD __stdcall ZelPalCmbStyleSet(void* dropDown, DWORD mask, BOOL value) {
    return zw::ControlCall<CComboPal>(L"ZelPalCmbStyleSet()", dropDown, DWORD(0), L" - Unable to assign style bits.",
                                      [&](CComboPal& c) {
                                          zw::palette::CColorPalette* palette = c.Palette();
                                          return palette ? DWORD(palette->SetStyleBits(mask, value != 0)) : DWORD(0);
                                      });
}
