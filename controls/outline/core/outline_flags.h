// The outline's row flags and the library style bits of an outline box.
#pragma once

#include <cstdint>

namespace zw::outline {

// Row flags (the flags field of a row record).
enum RowFlag : std::uint32_t {
    kRowExpanded = 0x80000000,        // children shown as rows (minus button)
    kRowHasChildren = 0x40000000,     // children have been loaded
    kRowDelete = 0x20000000,          // setting it deletes the item's row
    kRowKeptFrame = 0x10000000,       // keeps a highlight frame after the box lost the focus
    kRowFocusPending = 0x08000000,    // draw a focus rectangle on the selected row
    kRowSelected = 0x04000000,        // drawn selected; restored when the row is shown again
    kRowHidden = 0x02000000,          // the item has no row
    kRowDisabled = 0x01000000,        // never counts as selected; drawn in its own colours
    kRowChildRowsCurrent = 0x00200000,
    kRowCollapsed = 0x00100000,       // collapsed with children (plus button)
    kRowPositionMask = 0x000F0000,
    kRowBelowTop = 0x00010000,        // the item is below level 0
    kRowHasPrevious = 0x00060000,     // the item has a previous sibling
    kRowHasNext = 0x00080000,         // the item has a next sibling
    kRowApplicationMask = 0x0000FFFF,
};

// Library style bits of an outline box (ZelListSetStyle).
enum OutlineStyle : std::uint32_t {
    kStyleOutline = 0x00000001,
    kStyleUpperCase = 0x00000002,
    kStyleLowerCase = 0x00000004,
    kStyleSelectedKeepsColour = 0x00000008,
    kStylePaintPictureColumn = 0x00000010,
    kStylePictureAbove = 0x00000020,
    kStyleNoTreeLines = 0x00000040,
    kStyleComboNoEditCopy = 0x00000100,
    kStyleSelectionFollowsFocus = 0x00000200,
    kStyleKeepSelectionFrame = 0x00000400,
    kStyleMultipleSel = 0x00000800,
    kStyleHorizontalScroll = 0x00001000,
    kStyleSelectedOnBackground = 0x00002000,
    kStyleOpaqueFromIndent = 0x00004000,
    kStyleSelectedBackgroundIsColour = 0x00008000,
    kStyleWideExtent = 0x00010000,
    kStyleButtons = 0x00020000,
    kStyleProperCase = 0x00040000,
    kStyleExtendedSel = 0x01000000,
    kStyleDisableNoScroll = 0x02000000,
    kStyleNoIntegralHeight = 0x04000000,
    kStyleComboExtendedUi = 0x08000000,
    // Any of these bits attaches the outline machinery.
    kStyleAttachMask = 0x08FFFFFF,
};

// Indent units per level: the default, and the one that leaves room for buttons.
constexpr int kDefaultIndentUnit = 5;
constexpr int kButtonIndentUnit = 8;

}  // namespace zw::outline
