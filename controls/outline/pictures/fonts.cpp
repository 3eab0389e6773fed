// ZelFontLoad, ZelFontGet and ZelFontFree.
#include <windows.h>

#include <string>

#include "controls/outline/pictures/caches.h"
#include "controls/outline/pictures/fonts.h"
#include "frame/call_frame.h"
#include "frame/host_string.h"
#include "include/zwi51.h"

namespace zw {

ActiveWindowDc::ActiveWindowDc() : window_(GetActiveWindow()), dc_(GetDC(window_)) {}

ActiveWindowDc::~ActiveWindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
}

HFONT MakeFont(const wchar_t* face, int points, WORD bits) {
    if (!face || lstrlenW(face) >= LF_FACESIZE) return nullptr;
    ActiveWindowDc dc;
    if (!dc.get()) return nullptr;
    LOGFONTW font{};
    font.lfHeight = -MulDiv(points, GetDeviceCaps(dc.get(), LOGPIXELSY), 72);
    const WORD language = PRIMARYLANGID(GetSystemDefaultLangID());
    font.lfCharSet = (language == LANG_CHINESE || language == LANG_KOREAN || language == LANG_JAPANESE)
                         ? DEFAULT_CHARSET
                         : ANSI_CHARSET;
    font.lfWeight = (bits & kFontBold) ? FW_BOLD : FW_NORMAL;
    font.lfItalic = (bits & kFontItalic) ? TRUE : FALSE;
    font.lfUnderline = (bits & kFontUnderline) ? TRUE : FALSE;
    font.lfStrikeOut = (bits & kFontStrikeOut) ? TRUE : FALSE;
    lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
    return CreateFontIndirectW(&font);
}

WORD EnhancementBits(const LOGFONTW& font) {
    WORD bits = 0;
    if (font.lfWeight >= FW_BOLD) bits |= kFontBold;
    if (font.lfItalic) bits |= kFontItalic;
    if (font.lfUnderline) bits |= kFontUnderline;
    if (font.lfStrikeOut) bits |= kFontStrikeOut;
    return bits;
}

int PointSize(HDC dc, HFONT font) {
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    const BOOL measured = GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    if (!measured) return 0;
    return MulDiv(metrics.tmHeight - metrics.tmInternalLeading, 72, GetDeviceCaps(dc, LOGPIXELSY));
}

bool IsFont(HFONT font) {
    return font && GetObjectType(font) == OBJ_FONT;
}

}  // namespace zw

extern "C" HFONT __stdcall ZelFontLoad(LPCWSTR face, int points, UINT bits) {
    return zw::Guarded(L"ZelFontLoad()", HFONT(nullptr), [&] { return zw::MakeFont(face, points, WORD(bits)); });
}

extern "C" int __stdcall ZelFontGet(HFONT font, ZW_HSTR* face, int* points, WORD* bits) {
    if (!zw::IsFont(font)) return 0;
    return zw::Guarded(L"ZelFontGet()", 0, [&] {
        LOGFONTW logical{};
        if (!GetObjectW(font, sizeof logical, &logical)) return 0;
        zw::ActiveWindowDc dc;
        if (!dc.get()) return 0;
        if (points) *points = zw::PointSize(dc.get(), font);
        if (bits) *bits = zw::EnhancementBits(logical);
        if (face) zw::AssignHostString(face, logical.lfFaceName);
        return 1;
    });
}

extern "C" int __stdcall ZelFontFree(HFONT font) {
    return zw::Guarded(L"ZelFontFree()", 1, [&] {
        if (zw::IsFont(font)) {
            zw::ForgetFont(font);
            DeleteObject(font);
        }
        return 1;
    });
}
