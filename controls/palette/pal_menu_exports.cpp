// ZelPalMenuAdd, ZelPalMenuClear, ZelPalMenuGet, ZelPalMenuGetAll,
// ZelPalMenuInsert, ZelPalMenuRemove, ZelPalMenuSet, ZelPalMenuSetAll: the
// application's menu lines of a palette. The built-in "Other Color..." line
// is never among them.
#include <string>
#include <utility>
#include <vector>

#include "controls/palette/color_palette.h"
#include "controls/palette/palette_arrays.h"
#include "frame/call_frame.h"
#include "frame/host_string.h"
#include "include/zwi51.h"

using zw::palette::CColorPalette;

namespace {
// A text argument; null reads as the empty text.
std::u16string Text(LPCWSTR text) {
    if (!text) return {};
    return std::u16string(reinterpret_cast<const char16_t*>(text));
}
}  // namespace

extern "C" int __stdcall ZelPalMenuAdd(void* palette, LPCWSTR text, WORD id) {
    return zw::ControlCall<CColorPalette>(L"ZelPalMenuAdd()", palette, -1, L" - Unable to add menu item.",
                                          [&](CColorPalette& p) { return p.AddMenu(Text(text), id); });
}

extern "C" BOOL __stdcall ZelPalMenuClear(void* palette) {
    return zw::ControlCall<CColorPalette>(L"ZelPalMenuClear()", palette, FALSE, L" - Unable to clear menu list.",
                                          [&](CColorPalette& p) -> BOOL {
                                              p.ClearMenus();
                                              return TRUE;
                                          });
}

extern "C" BOOL __stdcall ZelPalMenuGet(void* palette, int index, ZW_HSTR* text, WORD* id) {
    return zw::ControlCall<CColorPalette>(
        L"ZelPalMenuGet()", palette, FALSE, L" - Unable to retrieve menu item.", [&](CColorPalette& p) -> BOOL {
            const zw::palette::SPaletteMenu* line = p.MenuAt(index);
            if (!line || !text || !id) throw zw::InvalidArgException();
            // A handle the host does not know could never be sized.
            DWORD bytes = 0;
            if (*text && !HostStrLock(*text, &bytes)) throw zw::InvalidArgException();
            zw::AssignHostString(text, std::wstring(line->text.begin(), line->text.end()));
            *id = line->id;
            return TRUE;
        });
}

extern "C" int __stdcall ZelPalMenuGetAll(void* palette, ZW_HARRAY texts, ZW_HARRAY ids) {
    return zw::ControlCall<CColorPalette>(
        L"ZelPalMenuGetAll()", palette, -1, L" - Unable to retrieve menu list.", [&](CColorPalette& p) {
            const int count = p.MenuCount();
            if (count == 0) return 0;
            zw::palette::SetArrayUpperBound(texts, count - 1);
            zw::palette::SetArrayUpperBound(ids, count - 1);
            zw::palette::ArrayTextWriter writer;
            for (int i = 0; i < count; ++i) {
                writer.Write(texts, i, p.MenuAt(i)->text);
                zw::palette::WriteArrayId(ids, i, p.MenuAt(i)->id);
            }
            return count;
        });
}

extern "C" BOOL __stdcall ZelPalMenuInsert(void* palette, int index, LPCWSTR text, WORD id) {
    return zw::ControlCall<CColorPalette>(L"ZelPalMenuInsert()", palette, FALSE, L" - Unable to insert menu item.",
                                          [&](CColorPalette& p) -> BOOL {
                                              p.InsertMenu(index, Text(text), id);
                                              return TRUE;
                                          });
}

extern "C" BOOL __stdcall ZelPalMenuRemove(void* palette, int index) {
    return zw::ControlCall<CColorPalette>(L"ZelPalMenuRemove()", palette, FALSE, L" - Unable to remove menu item.",
                                          [&](CColorPalette& p) -> BOOL { return p.RemoveMenu(index); });
}

extern "C" BOOL __stdcall ZelPalMenuSet(void* palette, int index, LPCWSTR text, WORD id) {
    return zw::ControlCall<CColorPalette>(L"ZelPalMenuSet()", palette, FALSE, L" - Unable to assign menu item.",
                                          [&](CColorPalette& p) -> BOOL {
                                              p.SetMenu(index, Text(text), id);
                                              return TRUE;
                                          });
}

extern "C" int __stdcall ZelPalMenuSetAll(void* palette, ZW_HARRAY texts, ZW_HARRAY ids) {
    return zw::ControlCall<CColorPalette>(
        L"ZelPalMenuSetAll()", palette, -1, L" - Unable to assign menu list.", [&](CColorPalette& p) {
            const LONG upper = zw::palette::ArrayUpperBound(texts);
            if (zw::palette::ArrayUpperBound(ids) != upper) throw zw::InvalidArgException();
            std::vector<std::pair<std::u16string, WORD>> lines;
            for (LONG i = 0; i <= upper; ++i)
                lines.emplace_back(zw::palette::ReadArrayText(texts, i), zw::palette::ReadArrayId(ids, i));
            return p.SetMenus(std::move(lines));
        });
}
