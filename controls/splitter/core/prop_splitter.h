// SPropSplitter: the splitter's property record, as the form designer stores
// it under the item "ZW:Splitter".
//
// Stored form: the 32-bit version (1); the four colours, 32 bits each; the
// five 16-bit fields, each as a 32-bit value; the two corner flags, one byte
// each. Version 0 stores nothing more, and loading it keeps every default.
#pragma once

#include <cstdint>

#include "frame/core/archive.h"

namespace zw {

// The four colours a record starts with: the system's window-frame, button
// face, highlight and shadow colours where a window system is at hand.
struct SplitterColors {
    std::uint32_t frame = 0;
    std::uint32_t face = 0;
    std::uint32_t highlight = 0;
    std::uint32_t shadow = 0;
};

struct SPropSplitter {
    static constexpr std::uint32_t kVersion = 1;

    explicit SPropSplitter(const SplitterColors& colors = {})
        : colorFrame(colors.frame), colorFace(colors.face), colorHighlight(colors.highlight),
          colorShadow(colors.shadow) {}

    void Serialize(Archive& ar);

    std::uint32_t colorFrame;      // stored only: painting uses the current system colours
    std::uint32_t colorFace;       // stored only
    std::uint32_t colorHighlight;  // stored only
    std::uint32_t colorShadow;     // stored only
    std::uint16_t reserved1 = 2;   // stored only
    std::uint16_t reserved2 = 0;   // stored only
    std::uint16_t reserved3 = 1;   // stored only
    std::int16_t b3D = 1;          // 1 or more: raised edge lines; below 1: a flat face
    std::uint16_t bVertical = 1;   // nonzero: vertical bar (left and right panes); 0: horizontal bar
    std::int32_t bScrollCorner = 0;  // 1: a black scroll-bar-sized block at the bar's far end
    std::int32_t bTrackCorner = 1;   // not 1 (with bScrollCorner 1): the drag feedback leaves the block out
};

}  // namespace zw
