// The colour palette's portable parts: layout with inclusive rectangles,
// hit-testing, keyboard moves across areas, the recently used colours, the
// colour roles and the property record's stored form.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/palette/core/color_roles.h"
#include "controls/palette/core/palette_layout.h"
#include "controls/palette/core/palette_navigation.h"
#include "controls/palette/core/palette_record.h"
#include "controls/palette/core/recent_colors.h"

using namespace zw::palette;
using Bytes = std::vector<std::uint8_t>;

namespace {

// A font 13 pixels high, 6 wide on average: menu lines of 13 + 13/3 = 17
// pixels, a base cell width of 6 + 36/10 = 9, so at least 8 * 9 = 72 pixels
// of area width.
constexpr FontMetrics kFont{13, 6};

std::string Describe(const InclusiveRect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

}  // namespace

TEST(PaletteLayout, AreasStackWithInclusiveRectangles) {
    const struct {
        int clientWidth;
        PaletteCounts counts;
        int cellWidth, columns, mruCellWidth;
        const char *grid, *menu, *mru, *whole;
    } cases[] = {
        // Eight colours in rows of (72+1)/(17+1) = 4; one line; no recent colours,
        // whose empty area adds nothing to the height.
        {50, {8, 1, 0}, 17, 4, 17, "3,3,74,37", "3,39,74,55", "3,57,74,55", "0,0,77,57"},
        // Three colours widen to fill a row of 203 pixels: (203-3+1)/3 = 67.
        {210, {3, 2, 2}, 67, 3, 101, "3,3,205,19", "3,21,205,56", "3,58,205,74", "0,0,208,77"},
        // Nothing at all: each area ends above its top.
        {10, {0, 0, 0}, 17, 4, 17, "3,3,74,1", "3,3,74,0", "3,2,74,0", "0,0,77,1"},
    };
    for (const auto& c : cases) {
        const PaletteLayout l = ComputeLayout(kFont, 0, 0, c.clientWidth, c.counts);
        SCOPED_TRACE(c.clientWidth);
        EXPECT_EQ(l.lineHeight, 17);
        EXPECT_EQ(l.cellHeight, 17);
        EXPECT_EQ(l.cellWidth, c.cellWidth);
        EXPECT_EQ(l.columns, c.columns);
        EXPECT_EQ(l.mruCellWidth, c.mruCellWidth);
        EXPECT_EQ(Describe(l.grid), c.grid);
        EXPECT_EQ(Describe(l.menu), c.menu);
        EXPECT_EQ(Describe(l.mru), c.mru);
        EXPECT_EQ(Describe(l.whole), c.whole);
    }
}

TEST(PaletteLayout, ItemsAndHitTesting) {
    const PaletteCounts counts{8, 2, 3};
    const PaletteLayout l = ComputeLayout(kFont, 0, 0, 50, counts);
    // Cell 5: second column, second row; menu lines step by lineHeight + 2.
    EXPECT_EQ(Describe(ItemRect(l, kGridArea, 5)), "21,21,37,37");
    EXPECT_EQ(Describe(ItemRect(l, kMenuArea, 1)), "3,58,74,74");
    EXPECT_EQ(ItemRect(l, kMenuArea, 1).bottom, l.menu.bottom);
    const struct { int x, y; bool hit; int area, index, areaAt; } points[] = {
        {3, 3, true, kGridArea, 0, kGridArea},
        {20, 3, false, -1, -1, kGridArea},  // the pixel between two cells
        {37, 37, true, kGridArea, 5, kGridArea},
        {74, 55, true, kMenuArea, 0, kMenuArea},
        {40, 57, false, -1, -1, kMenuArea},  // between two lines
        {3, l.mru.top, true, kMRUArea, 0, kMRUArea},
        {2, 3, false, -1, -1, -1},
        {75, l.mru.top, false, -1, -1, -1},
    };
    for (const auto& p : points) {
        const HitResult hit = HitTest(l, counts, p.x, p.y);
        EXPECT_EQ(hit.hit, p.hit) << p.x << "," << p.y;
        EXPECT_EQ(hit.area, p.area) << p.x << "," << p.y;
        EXPECT_EQ(hit.index, p.index) << p.x << "," << p.y;
        EXPECT_EQ(AreaAt(l, p.x, p.y), p.areaAt) << p.x << "," << p.y;
    }
}

TEST(PaletteNavigation, MovesCrossAreas) {
    // Grid rows of 4, MRU rows of 3.
    PaletteLayout l;
    l.columns = 4;
    l.mruColumns = 3;
    const PaletteCounts all{8, 1, 3}, noRecent{8, 1, 0}, noMenu{8, 0, 0}, noColors{0, 2, 0};
    const struct { PaletteCounts counts; PaletteFocus from; ArrowKey key; PaletteFocus to; } cases[] = {
        {all, {0, 5}, ArrowKey::Up, {0, 1}},
        {all, {0, 2}, ArrowKey::Up, {0, 0}},     // the first row goes to swatch 0
        {all, {0, 6}, ArrowKey::Down, {2, 1}},   // 7, menu 0, MRU 0, MRU 1
        {noRecent, {0, 6}, ArrowKey::Down, {1, 0}},
        {noMenu, {0, 6}, ArrowKey::Down, {0, 7}},  // no lines: stays on the last swatch
        {all, {1, 0}, ArrowKey::Left, {0, 7}},
        {all, {1, 0}, ArrowKey::Down, {2, 0}},
        {all, {2, 0}, ArrowKey::Up, {0, 6}},     // menu 0, swatch 7, swatch 6
        {all, {2, 2}, ArrowKey::Right, {2, 2}},  // the MRU grid ends the walk
        {noColors, {1, 0}, ArrowKey::Left, {1, 0}},
        {noColors, {1, 1}, ArrowKey::Up, {1, 0}},
    };
    for (const auto& c : cases) {
        const PaletteFocus to = MoveFocus(c.from, StepsFor(c.key, c.from.area, l), c.counts);
        EXPECT_EQ(to.area, c.to.area) << c.from.area << "," << c.from.index << " key " << int(c.key);
        EXPECT_EQ(to.index, c.to.index) << c.from.area << "," << c.from.index << " key " << int(c.key);
    }
}

TEST(RecentColors, NewestFirstWithinTheMaximum) {
    CColorArray colors;
    PushRecentColor(colors, 1, 2);
    PushRecentColor(colors, 2, 2);
    PushRecentColor(colors, 2, 2);  // the same colour may repeat
    ASSERT_EQ(colors.size(), 2u);
    EXPECT_EQ(colors[0]->color, 2u);
    EXPECT_EQ(colors[1]->color, 2u);
    PushRecentColor(colors, 3, 0);
    EXPECT_TRUE(colors.empty());

    EXPECT_EQ(ClampRecentMax(-5), 0);
    EXPECT_EQ(ClampRecentMax(256), 255);

    const struct { PaletteFocus focus; int count; PaletteFocus after; } moves[] = {
        {{2, 4}, 2, {2, 1}}, {{2, 1}, 2, {2, 1}}, {{2, 0}, 0, {0, 0}}, {{1, 3}, 0, {1, 3}},
    };
    for (const auto& m : moves) EXPECT_EQ(FocusAfterRecentChange(m.focus, m.count), m.after);
}

TEST(ColorRoles, DefaultsFollowTheBackgroundUntilSet) {
    auto system = [](int index) -> std::uint32_t { return 0x100 + index; };
    ColorRoles roles;
    EXPECT_EQ(roles.Get(kRoleInnerLight, system), 0x105u);  // COLOR_WINDOW, through role 1
    EXPECT_EQ(roles.Set(kRoleCellBackground, 7, system), 0x105u);
    roles.Set(kRoleBackground, 9, system);
    EXPECT_EQ(roles.Get(kRoleInnerLight, system), 9u);
    EXPECT_EQ(roles.Get(kRoleCellBackground, system), 7u);  // a set role no longer follows
}

namespace {

struct ByteWriter {
    Bytes bytes;
    ByteWriter& U8(std::uint8_t v) { bytes.push_back(v); return *this; }
    ByteWriter& U16(std::uint16_t v) { return U8(v & 0xFF).U8(v >> 8); }
    ByteWriter& U32(std::uint32_t v) { return U16(v & 0xFFFF).U16(v >> 16); }
    ByteWriter& NewClass(std::string_view name) {
        U16(0xFFFF).U16(1).U16(static_cast<std::uint16_t>(name.size()));
        bytes.insert(bytes.end(), name.begin(), name.end());
        return *this;
    }
    ByteWriter& Str(std::u16string_view s) {
        U8(0xFF).U16(0xFFFE).U8(static_cast<std::uint8_t>(s.size()));
        for (char16_t c : s) U16(c);
        return *this;
    }
};

Bytes Store(SPropPalette& record) {
    zw::MemoryStream stream;
    zw::Archive ar(stream, zw::Archive::Mode::Storing);
    record.Serialize(ar);
    ar.Close();
    const auto bytes = stream.Bytes();
    return Bytes(bytes.begin(), bytes.end());
}

SPropPalette Load(const Bytes& bytes) {
    zw::MemoryStream stream(bytes);
    zw::Archive ar(stream, zw::Archive::Mode::Loading);
    SPropPalette record;
    record.Serialize(ar);
    return record;
}

}  // namespace

TEST(PaletteRecord, StoredFormWithClassIndexTags) {
    SPropPalette record;
    record.Reset();
    record.colors.push_back(std::make_unique<SPaletteColor>(0x0000FF));
    record.colors.push_back(std::make_unique<SPaletteColor>(0x00FF00));
    record.menus.push_back(std::make_unique<SPaletteMenu>(u"Red", 7));
    record.menus.push_back(std::make_unique<SPaletteMenu>(u"Ok", 9));
    record.bAutoSize = 1;
    record.bShowSelection = 1;
    record.nMRUMax = 12;
    // Indices: class SPaletteColor 1, its objects 2 and 3, class SPaletteMenu 4.
    ByteWriter expected;
    expected.U16(2).NewClass("SPaletteColor").U32(1).U32(0x0000FF).U16(0x8001).U32(1).U32(0x00FF00);
    expected.U16(2).NewClass("SPaletteMenu").U32(1).Str(u"Red").U16(7).U16(0x8004).U32(1).Str(u"Ok").U16(9);
    expected.U32(1).U8(1).U8(0).U8(1).U8(1).U32(12);
    EXPECT_EQ(Store(record), expected.bytes);

    const SPropPalette loaded = Load(expected.bytes);
    ASSERT_EQ(loaded.colors.size(), 2u);
    EXPECT_EQ(loaded.colors[1]->color, 0x00FF00u);
    ASSERT_EQ(loaded.menus.size(), 2u);
    EXPECT_EQ(loaded.menus[1]->text, u"Ok");
    EXPECT_EQ(loaded.menus[1]->id, 9);
    EXPECT_EQ(loaded.StyleBits(), kStyleAutoSize | kStyleOtherColor | kStyleShowSelection);
    EXPECT_EQ(loaded.nMRUMax, 12);
}

TEST(PaletteRecord, OlderVersionsAndCopies) {
    // Version 0 after the arrays: the flags keep their defaults; a version-0
    // colour keeps colour 0.
    ByteWriter old;
    old.U16(1).NewClass("SPaletteColor").U32(0).U16(0).U32(0);
    const SPropPalette loaded = Load(old.bytes);
    ASSERT_EQ(loaded.colors.size(), 1u);
    EXPECT_EQ(loaded.colors[0]->color, 0u);
    EXPECT_EQ(loaded.StyleBits(), std::uint32_t(kStyleOtherColor));
    EXPECT_EQ(loaded.nMRUMax, kDefaultMRUMax);

    // A default record holds the eight colours; a copy is deep and drops nulls.
    SPropPalette record;
    ASSERT_EQ(record.colors.size(), 8u);
    EXPECT_EQ(record.colors[2]->color, 0xFF0000u);
    record.colors.insert(record.colors.begin() + 1, nullptr);
    const SPropPalette copy = record;
    ASSERT_EQ(copy.colors.size(), 8u);
    EXPECT_NE(copy.colors[0].get(), record.colors[0].get());
    EXPECT_EQ(copy.colors[1]->color, 0x00FF00u);
}
