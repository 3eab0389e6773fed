// Pictures: the bitmaps (with a transparency mask) and icons that outline
// rows, populated lists, list views, menus, message boxes and table rows show.
// The handle applications hold is the picture's address; it is only used
// after it has been found among the live pictures.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

namespace zw {

// Load flags of a picture (ZelPicLoad).
enum PictureFlag : WORD {
    kPicFormatBitmap = 0x0001,
    kPicFormatIcon = 0x0002,
    kPicFromMemory = 0x0100,
    kPicFromModule = 0x0200,
    kPicFromFile = 0x0400,
    kPicFromHost = 0x0800,
    kPicLargeIcon = 0x1000,
    kPicSmallIcon = 0x2000,
    kPicOwnedByList = 0x8000,
};

class PIC {
public:
    enum Type : BYTE { kBitmap = 1, kIcon = 2, kIconFromData = 3 };

    PIC();
    ~PIC();
    PIC(const PIC&) = delete;
    PIC& operator=(const PIC&) = delete;

    // The live picture at `handle`, or null for a stale or garbage handle.
    static PIC* FromHandle(const void* handle);
    static std::size_t LiveCount();

    // Draws the picture with its top-left corner at x, y, clipped to `clip`:
    // a bitmap through its mask (pixels of the top-left colour stay
    // transparent), an icon with DrawIconEx.
    void Draw(HDC dc, int x, int y, const RECT& clip) const;

    BYTE type = 0;              // kBitmap, kIcon or kIconFromData
    int height = 0;             // pixels
    int width = 0;              // pixels
    HBITMAP bitmap = nullptr;   // the bitmap (type 1)
    HBITMAP mask = nullptr;     // monochrome mask: 1 where the bitmap is transparent
    HICON icon = nullptr;       // the icon (types 2 and 3)
    WORD flags = 0;             // load flags, with the bits extension detection added
    std::wstring source;        // module or file name
    std::wstring name;          // resource or entry name
};

// Loads a picture as ZelPicLoad does; null on failure.
PIC* LoadPicture(WORD flags, LPCWSTR source, LPCWSTR name);

// Makes the mask of a bitmap: every pixel of the top-left pixel's colour is
// transparent. Null when the bitmap cannot be read.
HBITMAP MakeMask(HBITMAP bitmap, int width, int height);

}  // namespace zw
