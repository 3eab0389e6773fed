// Reading back what a window shows, for tests where drawing matters.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace zwtest {

// The client area's pixels as 0x00RRGGBB values, row by row.
class Pixels {
public:
    Pixels() = default;
    Pixels(int width, int height, std::vector<DWORD> rgb) : width_(width), height_(height), rgb_(std::move(rgb)) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    // The pixel as a COLORREF (0x00BBGGRR); CLR_INVALID outside.
    COLORREF At(int x, int y) const;
    // Pixels that differ from `other` inside the rectangle [left, right) x [top, bottom).
    int CountDifferent(const Pixels& other, const RECT& area) const;
    // Pixels of colour `colour` inside the rectangle.
    int Count(COLORREF colour, const RECT& area) const;
    bool operator==(const Pixels&) const = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<DWORD> rgb_;
};

// A 32-bit bitmap file image of one colour inside a one-pixel magenta
// border, which a picture's mask makes transparent.
std::string BitmapFile(int width, int height, COLORREF color);

// A visible top-level window (white, 320 x 320 at 40, 40) that lives as long
// as the program: tests put their windows in it, because hiding a top-level
// window makes Wine wait when no window manager runs.
HWND VisibleDesk();

// What the window's client area shows on the screen now, children included.
Pixels ScreenPixels(HWND window);
// What the window draws for WM_PRINTCLIENT into a memory DC first filled
// with `background`.
Pixels PrintedPixels(HWND window, COLORREF background);

}  // namespace zwtest
