// Checks of picture file images (a .BMP or .ICO file's bytes) before they are
// handed to the system: every offset and size is tested against the bytes
// actually there, so a truncated or hostile image is refused, not read past.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zw::pictures {

// An uncompressed bitmap file image: "BM", a 40-byte BITMAPINFOHEADER, BI_RGB.
struct BitmapImage {
    const std::uint8_t* info = nullptr;  // the BITMAPINFO (header and colour table)
    const std::uint8_t* bits = nullptr;  // the pixel rows
    std::int32_t width = 0;
    std::int32_t height = 0;             // negative for a top-down bitmap
    std::uint16_t bitCount = 0;
};

// The total size a bitmap file image declares in its file header (0 when the
// first bytes are not a bitmap file header). `available` is how many bytes
// may be read; at least 14 are needed.
std::size_t DeclaredBitmapSize(const std::uint8_t* data, std::size_t available);
bool ParseBitmapImage(const std::uint8_t* data, std::size_t size, BitmapImage* out);

// The first image of an icon file image (resource type 1).
struct IconImage {
    const std::uint8_t* data = nullptr;  // the image's resource bytes
    std::size_t size = 0;
    std::int32_t width = 0;              // as stored in the image header
    std::int32_t height = 0;             // half the image header's height
};

// The number of bytes an icon file image needs for its first image (0 when
// the first bytes are not an icon directory). At least 22 bytes are needed.
std::size_t DeclaredIconSize(const std::uint8_t* data, std::size_t available);
bool ParseIconImage(const std::uint8_t* data, std::size_t size, IconImage* out);

// Images larger than this are refused.
constexpr std::size_t kMaxImageBytes = 64u << 20;

}  // namespace zw::pictures
