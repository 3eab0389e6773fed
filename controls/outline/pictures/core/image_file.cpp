#include "controls/outline/pictures/core/image_file.h"

#include <cstring>

namespace zw::pictures {
namespace {

std::uint16_t U16(const std::uint8_t* p) {
    return std::uint16_t(p[0] | (p[1] << 8));
}

std::uint32_t U32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}

constexpr std::size_t kFileHeader = 14;
constexpr std::size_t kInfoHeader = 40;
constexpr std::uint32_t kBiRgb = 0;

}  // namespace

std::size_t DeclaredBitmapSize(const std::uint8_t* data, std::size_t available) {
    if (!data || available < kFileHeader || data[0] != 'B' || data[1] != 'M') return 0;
    return U32(data + 2);
}

bool ParseBitmapImage(const std::uint8_t* data, std::size_t size, BitmapImage* out) {
    if (!data || size < kFileHeader + kInfoHeader || size > kMaxImageBytes) return false;
    if (data[0] != 'B' || data[1] != 'M') return false;
    const std::uint8_t* info = data + kFileHeader;
    if (U32(info) != kInfoHeader) return false;
    const auto width = std::int32_t(U32(info + 4));
    const auto height = std::int32_t(U32(info + 8));
    const std::uint16_t planes = U16(info + 12);
    const std::uint16_t bitCount = U16(info + 14);
    const std::uint32_t compression = U32(info + 16);
    const std::uint32_t coloursUsed = U32(info + 32);
    if (compression != kBiRgb || planes != 1) return false;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32)
        return false;
    if (width <= 0 || width > 0x8000 || height == 0 || height < -0x8000 || height > 0x8000) return false;

    std::uint64_t colours = coloursUsed;
    if (bitCount <= 8) {
        if (colours == 0 || colours > (1u << bitCount)) colours = 1u << bitCount;
    } else if (colours > 256) {
        return false;
    }
    const std::uint64_t infoEnd = kFileHeader + kInfoHeader + colours * 4;
    const std::uint64_t stride = (std::uint64_t(width) * bitCount + 31) / 32 * 4;
    const std::uint64_t rows = height < 0 ? std::uint64_t(-std::int64_t(height)) : std::uint64_t(height);
    const std::uint64_t offset = U32(data + 10);
    if (infoEnd > size || offset < infoEnd || offset + stride * rows > size) return false;

    out->info = info;
    out->bits = data + offset;
    out->width = width;
    out->height = height;
    out->bitCount = bitCount;
    return true;
}

std::size_t DeclaredIconSize(const std::uint8_t* data, std::size_t available) {
    if (!data || available < 22 || U16(data) != 0 || U16(data + 2) != 1 || U16(data + 4) == 0) return 0;
    const std::uint64_t bytes = U32(data + 6 + 8);
    const std::uint64_t offset = U32(data + 6 + 12);
    const std::uint64_t end = offset + bytes;
    return end > kMaxImageBytes ? kMaxImageBytes + 1 : std::size_t(end);
}

bool ParseIconImage(const std::uint8_t* data, std::size_t size, IconImage* out) {
    if (!data || size > kMaxImageBytes) return false;
    const std::size_t needed = DeclaredIconSize(data, size);
    if (needed == 0 || needed > size) return false;
    const std::uint32_t bytes = U32(data + 6 + 8);
    const std::uint32_t offset = U32(data + 6 + 12);
    if (offset < 22 || bytes < kInfoHeader) return false;
    const std::uint8_t* image = data + offset;
    // A PNG-compressed entry has no BITMAPINFOHEADER; the system reads those
    // itself, but the stored size below comes from the header, so refuse them.
    if (U32(image) != kInfoHeader) return false;
    const auto width = std::int32_t(U32(image + 4));
    const auto height = std::int32_t(U32(image + 8));
    if (width <= 0 || width > 1024 || height <= 0 || height > 2048) return false;
    out->data = image;
    out->size = bytes;
    out->width = width;
    out->height = height / 2;
    return true;
}

}  // namespace zw::pictures
