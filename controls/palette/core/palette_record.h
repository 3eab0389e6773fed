// The colour palette's property record and its element objects, as the
// form designer stores them (item "ZW:ColorPalette") and as the live palette
// keeps them.
//
// Stored form of SPropPalette: the colours as an object array of
// "SPaletteColor", the menu lines as an object array of "SPaletteMenu", the
// 32-bit version 1, the four flags as one byte each (bAutoSize, bDropDown,
// bOtherColor, bShowSelection), then nMRUMax in 32 bits. Version 0 ends the
// record there and leaves those fields at their defaults.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "frame/core/archive.h"

namespace zw::palette {

// One palette or recently-used colour.
struct SPaletteColor : Serializable {
    ZW_DECLARE_SERIAL(SPaletteColor)
    explicit SPaletteColor(std::uint32_t c = 0) : color(c) {}
    void Serialize(Archive& ar) override;

    std::uint32_t color;  // COLORREF, 0x00BBGGRR
};

// One menu line. The built-in "Other Color..." line has id 0.
struct SPaletteMenu : Serializable {
    ZW_DECLARE_SERIAL(SPaletteMenu)
    explicit SPaletteMenu(std::u16string t = u"", std::uint16_t i = 0) : text(std::move(t)), id(i) {}
    void Serialize(Archive& ar) override;

    std::u16string text;  // the line's text
    std::uint16_t id;     // command number reported when the line is chosen
};

// Owning arrays: removing an entry deletes it. Loaded arrays may hold null
// entries; copying a record drops them.
using CColorArray = std::vector<std::unique_ptr<SPaletteColor>>;
using CMenuArray = std::vector<std::unique_ptr<SPaletteMenu>>;

// Style bits through which applications read and set the four flags.
enum : std::uint32_t {
    kStyleAutoSize = 1,
    kStyleDropDown = 2,
    kStyleOtherColor = 4,
    kStyleShowSelection = 8,
};

// The eight colours of a new palette: red, green, blue, yellow, magenta, cyan,
// black, white.
extern const std::uint32_t kDefaultColors[8];
constexpr std::int32_t kDefaultMRUMax = 8;

struct SPropPalette {
    SPropPalette();
    SPropPalette(const SPropPalette& other);
    SPropPalette& operator=(const SPropPalette& other);
    SPropPalette(SPropPalette&&) noexcept = default;
    SPropPalette& operator=(SPropPalette&&) noexcept = default;

    // Flags and nMRUMax to their defaults, both arrays empty.
    void Reset();
    void Serialize(Archive& ar);
    // The four flags as style bits.
    std::uint32_t StyleBits() const;

    std::int32_t bAutoSize;       // 1: the window takes the laid-out size after each layout
    std::int32_t bDropDown;       // 1: the palette is a drop-down's pop-up
    std::int32_t bOtherColor;     // 1: the built-in "Other Color..." line is shown
    std::int32_t bShowSelection;  // 1: the selection frame shows without the focus too
    CColorArray colors;           // palette colours, in grid order
    CMenuArray menus;             // the application's menu lines
    std::int32_t nMRUMax;         // most recently used colours kept at most
};

}  // namespace zw::palette
