// ZelPalFocusGet, ZelPalFocusSet: the palette's focus item (area 0 colours,
// 1 menu lines, 2 recent colours, and an index in it).
#include "controls/palette/color_palette.h"
#include "frame/call_frame.h"
#include "include/zwi51.h"

using zw::palette::CColorPalette;

extern "C" BOOL __stdcall ZelPalFocusGet(void* palette, int* area, int* index) {
    return zw::ControlCall<CColorPalette>(L"ZelPalFocusGet()", palette, FALSE, L" - Unable to retrieve current focus.",
                                          [&](CColorPalette& p) -> BOOL {
                                              if (!area || !index) throw zw::InvalidArgException();
                                              *area = p.Focus().area;
                                              *index = p.Focus().index;
                                              return TRUE;
                                          });
}

extern "C" BOOL __stdcall ZelPalFocusSet(void* palette, int area, int index) {
    return zw::ControlCall<CColorPalette>(L"ZelPalFocusSet()", palette, FALSE, L" - Unable to assign new focus.",
                                          [&](CColorPalette& p) -> BOOL {
                                              p.SetFocusItem(area, index, true);
                                              return TRUE;
                                          });
}
