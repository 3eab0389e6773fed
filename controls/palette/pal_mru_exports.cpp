// ZelPalMRUClear, ZelPalMRUMaxGet, ZelPalMRUMaxSet: the recently used colours.
#include "controls/palette/color_palette.h"
#include "frame/call_frame.h"
#include "include/zwi51.h"

using zw::palette::CColorPalette;

extern "C" BOOL __stdcall ZelPalMRUClear(void* palette) {
    return zw::ControlCall<CColorPalette>(L"ZelPalMRUClear()", palette, FALSE,
                                          L" - Unable to clear most recently used palette.",
                                          [&](CColorPalette& p) -> BOOL {
                                              p.ClearRecent();
                                              return TRUE;
                                          });
}

extern "C" int __stdcall ZelPalMRUMaxGet(void* palette) {
    return zw::ControlCall<CColorPalette>(L"ZelPalMRUMaxGet()", palette, -1,
                                          L" - Unable to retrieve most recently used palette maximum.",
                                          [&](CColorPalette& p) { return p.RecentMax(); });
}

extern "C" int __stdcall ZelPalMRUMaxSet(void* palette, int maximum) {
    return zw::ControlCall<CColorPalette>(L"ZelPalMRUMaxSet()", palette, -1,
                                          L" - Unable to assign most recently used palette maximum.",
                                          [&](CColorPalette& p) { return p.SetRecentMax(maximum); });
}
