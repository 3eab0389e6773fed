// Fonts made by the library: ZelFontLoad's arguments, and reading a font back.
#pragma once

#include <windows.h>

namespace zw {

// Font enhancement bits (ZelFontLoad, ZelFontGet, saved outlines).
enum FontBits : WORD {
    kFontItalic = 0x02,
    kFontUnderline = 0x04,
    kFontBold = 0x08,
    kFontStrikeOut = 0x10,
};

// The device context of the active window (the screen's when none is active).
class ActiveWindowDc {
public:
    ActiveWindowDc();
    ~ActiveWindowDc();
    ActiveWindowDc(const ActiveWindowDc&) = delete;
    ActiveWindowDc& operator=(const ActiveWindowDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// A font of `points` points at the screen's resolution with the enhancement
// bits; null for a face name of 32 characters or more, or when it cannot be made.
HFONT MakeFont(const wchar_t* face, int points, WORD bits);
// The enhancement bits of a font (bold from weight 700).
WORD EnhancementBits(const LOGFONTW& font);
// The point size of a font as measured in `dc`: MulDiv(tmHeight - tmInternalLeading, 72, LOGPIXELSY).
int PointSize(HDC dc, HFONT font);
// Whether a handle is a live GDI font.
bool IsFont(HFONT font);

}  // namespace zw
