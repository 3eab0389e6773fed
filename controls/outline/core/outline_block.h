// The saved outline: one OBLOB holding the box's style, indent and top row,
// the pictures and fonts in use and every item in pre-order from the hidden
// root, written field by field (no class information, no object tags).
//
//   signature 0x8759 (16)  style (32)  indent (32)  top row (32)
//   picture count (32)  font count (32)  item count (32)
//   pictures: load flags (16), source, name
//   fonts:    point size (16), enhancement bits (16), face name
//   items:    level (32, signed), normal picture, selected picture and font
//             indexes (32 each, -1 none), colour, flags, value (32 each), text
//
// Strings are the archive's strings (FF FE FF, then the length in
// characters, then UTF-16LE); a string without the marker is 8-bit text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zw::outline {

constexpr std::uint16_t kOutlineSignature = 0x8759;

struct OBPIC {
    std::uint16_t flags = 0;  // load flags as given to ZelPicLoad
    std::u16string source;
    std::u16string name;
};

struct OBFONT {
    std::uint16_t points = 0;  // point size
    std::uint16_t bits = 0;    // enhancement bits
    std::u16string face;
};

struct OBITEM {
    std::int32_t level = 0;
    std::int32_t normalPicture = -1;    // index into the pictures, -1 none
    std::int32_t selectedPicture = -1;
    std::int32_t font = -1;             // index into the fonts, -1 none
    std::uint32_t colour = 0;
    std::uint32_t flags = 0;
    std::uint32_t value = 0;
    std::u16string text;
};

using COBPicArray = std::vector<OBPIC>;
using COBFontArray = std::vector<OBFONT>;
using COBItemArray = std::vector<OBITEM>;

struct OBLOB {
    std::uint32_t style = 0;
    std::uint32_t indent = 0;
    std::uint32_t topRow = 0;
    COBPicArray pictures;
    COBFontArray fonts;
    COBItemArray items;
};

// The block's bytes. Throws FileException or std::bad_alloc.
std::vector<std::uint8_t> WriteOutlineBlock(const OBLOB& outline);

enum class BlockResult { Ok, WrongSignature, Corrupt };
// Reads a block; on anything but Ok, `outline` is left as it was.
BlockResult ReadOutlineBlock(const std::uint8_t* bytes, std::size_t size, OBLOB* outline);

}  // namespace zw::outline
