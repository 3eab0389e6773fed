// A rectangle in pixels, shared by the portable layout code of the controls;
// right and bottom lie just outside it, as in a Windows RECT.
#pragma once

namespace zw {

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    // An area with right <= left or bottom <= top holds nothing.
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const Rect&) const = default;
};

}  // namespace zw
