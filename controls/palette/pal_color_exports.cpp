// ZelPalColorGet, ZelPalColorSet: the palette's colour roles.
// ZelPalColorMainSet, ZelPalColorMainSetAll: the palette colours.
// ZelPalColorPaletteGet, ZelPalColorPaletteGetAll: palette and recent colours.
#include <vector>

#include "controls/palette/color_palette.h"
#include "controls/palette/palette_arrays.h"
#include "frame/call_frame.h"
#include "include/zwi51.h"

using zw::palette::CColorPalette;

extern "C" int __stdcall ZelPalColorGet(void* palette, int role) {
    return zw::ControlCall<CColorPalette>(L"ZelPalColorGet()", palette, -1,
                                          L" - Unable to retrieve color for specified role.",
                                          [&](CColorPalette& p) { return p.RoleColor(role); });
}

extern "C" int __stdcall ZelPalColorSet(void* palette, int role, COLORREF color) {
    return zw::ControlCall<CColorPalette>(L"ZelPalColorSet()", palette, -1,
                                          L" - Unable to assign color to specified role.",
                                          [&](CColorPalette& p) { return p.SetRoleColor(role, color, true); });
}

extern "C" int __stdcall ZelPalColorMainSet(void* palette, int index, COLORREF color) {
    return zw::ControlCall<CColorPalette>(L"ZelPalColorMainSet()", palette, -1, L" - Unable to assign palette color.",
                                          [&](CColorPalette& p) { return p.SetPaletteColor(index, color); });
}

extern "C" int __stdcall ZelPalColorMainSetAll(void* palette, ZW_HARRAY colors) {
    return zw::ControlCall<CColorPalette>(
        L"ZelPalColorMainSetAll()", palette, -1, L" - Unable to assign all palette colors.", [&](CColorPalette& p) {
            const LONG upper = zw::palette::ArrayUpperBound(colors);
            std::vector<COLORREF> values;
            for (LONG i = 0; i <= upper; ++i) values.push_back(zw::palette::ReadArrayColor(colors, i));
            p.SetPaletteColors(values);
            return int(upper + 1);
        });
}

extern "C" int __stdcall ZelPalColorPaletteGet(void* palette, int area, int index) {
    return zw::ControlCall<CColorPalette>(L"ZelPalColorPaletteGet()", palette, -1,
                                          L" - Unable to retrieve palette color.",
                                          [&](CColorPalette& p) { return p.ColorAt(area, index); });
}

extern "C" int __stdcall ZelPalColorPaletteGetAll(void* palette, int area, ZW_HARRAY colors) {
    return zw::ControlCall<CColorPalette>(
        L"ZelPalColorPaletteGetAll()", palette, -1, L" - Unable to retrieve all palette colors.",
        [&](CColorPalette& p) {
            if (area != zw::palette::kPaletteColors && area != zw::palette::kRecentColors) return -1;
            const std::vector<COLORREF> values = p.Colors(area);
            if (values.empty()) return 0;
            zw::palette::SetArrayUpperBound(colors, LONG(values.size()) - 1);
            for (size_t i = 0; i < values.size(); ++i) zw::palette::WriteArrayColor(colors, LONG(i), values[i]);
            return int(values.size());
        });
}
