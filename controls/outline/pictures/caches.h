// The picture and font caches of a list or combo box ("ZW:PicList" and
// "ZW:FontList"): through them a box owns the pictures and fonts the library
// made for it, which are freed with the box. Indexes into the caches number
// the pictures and fonts of a saved outline.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "controls/outline/pictures/pic.h"

namespace zw {

// The pictures a box uses, in order of first use.
class CPicArray {
public:
    std::vector<PIC*> items;
};

// One font handle, deleted with the object.
class FONT {
public:
    explicit FONT(HFONT font) : handle(font) { ++live_; }
    ~FONT();
    // FONT objects alive now (leak accounting).
    static std::size_t LiveCount() { return live_; }
    FONT(const FONT&) = delete;
    FONT& operator=(const FONT&) = delete;
    HFONT handle;

private:
    static inline std::size_t live_ = 0;
};

class CFontArray {
public:
    std::vector<std::unique_ptr<FONT>> items;
};

// The cache of a box, made on first use (null when it cannot be made).
CPicArray* PictureCache(HWND box, bool make);
CFontArray* FontCache(HWND box, bool make);

// Adds a picture or font to the box's cache unless it is null or already
// there; returns its index, or -1.
int CachePicture(HWND box, PIC* picture);
int CacheFont(HWND box, HFONT font);
// Index of a picture or font in the box's cache, or -1.
int FindCachedPicture(HWND box, const PIC* picture);
int FindCachedFont(HWND box, HFONT font);

// Deletes the pictures the box owns (load flag 0x8000), then the array, and
// removes the property.
void FreePictureCache(HWND box);
// Deletes every cached font but the box's current one, then the array, and
// removes the property.
void FreeFontCache(HWND box);

// A picture or font freed by the application leaves every cache, so that no
// cache is left holding it.
void ForgetPicture(const PIC* picture);
void ForgetFont(HFONT font);

// Live caches, for leak accounting.
std::size_t LiveCacheCount();

}  // namespace zw
