// The splitter's geometry and its property record.
#include "controls/splitter/core/splitter_layout.h"

#include <gtest/gtest.h>

#include <vector>

#include "controls/splitter/core/prop_splitter.h"

TEST(SplitterLayout, ClampingToANarrowParentKeepsTheMinimum) {
    // The maximum is applied first: when it falls below the minimum, the minimum wins.
    EXPECT_EQ(zw::splitter::ClampDragPos(0, {5, 3}), 5);
    EXPECT_EQ(zw::splitter::ClampDragPos(9, {5, 3}), 5);
}

TEST(SplitterLayout, ChoosePanes) {
    using C = zw::splitter::PaneCandidate;
    const C plain{}, ignored{true, false}, hidden{false, true};
    struct Case {
        std::vector<C> candidates;
        int first, second;
    } cases[] = {
        {{}, -1, -1},
        {{plain}, 0, -1},
        {{ignored, plain, ignored, plain, plain}, 1, 3},
        // A hidden companion takes the window after it out, whatever it is.
        {{hidden, plain, plain}, 0, 2},
        {{hidden, ignored, plain}, 0, 2},
        {{plain, hidden, plain}, 0, 1},
    };
    for (const Case& c : cases) {
        const auto panes = zw::splitter::ChoosePanes(c.candidates);
        EXPECT_EQ(panes[0], c.first);
        EXPECT_EQ(panes[1], c.second);
    }
}

namespace {
std::vector<std::uint8_t> Store(zw::SPropSplitter& record) {
    zw::MemoryStream stream(64);
    zw::Archive ar(stream, zw::Archive::Mode::Storing);
    record.Serialize(ar);
    ar.Close();
    return {stream.Bytes().begin(), stream.Bytes().end()};
}
zw::SPropSplitter Load(const std::vector<std::uint8_t>& bytes) {
    zw::MemoryStream stream(bytes);
    zw::Archive ar(stream, zw::Archive::Mode::Loading);
    zw::SPropSplitter record({1, 2, 3, 4});
    record.Serialize(ar);
    ar.Close();
    return record;
}
}  // namespace

TEST(SplitterRecord, StoredFormAndVersions) {
    zw::SPropSplitter record({0x11, 0x22, 0x33, 0x44});
    record.b3D = -2;
    record.bVertical = 0;
    record.bScrollCorner = 1;
    record.bTrackCorner = 0;
    const std::vector<std::uint8_t> expected = {
        1, 0, 0, 0, 0x11, 0, 0, 0, 0x22, 0, 0, 0, 0x33, 0, 0, 0, 0x44, 0, 0, 0,
        2, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0,    // reserved fields as 32-bit values
        0xFE, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0,    // b3D -2 widened with its sign, bVertical 0
        1, 0};                                 // the corner flags as bytes
    EXPECT_EQ(Store(record), expected);
    const zw::SPropSplitter loaded = Load(expected);
    EXPECT_EQ(loaded.colorShadow, 0x44u);
    EXPECT_EQ(loaded.b3D, -2);
    EXPECT_EQ(loaded.bVertical, 0);
    EXPECT_EQ(loaded.bScrollCorner, 1);
    EXPECT_EQ(loaded.bTrackCorner, 0);
    // Version 0: every field keeps its default.
    const zw::SPropSplitter empty = Load({0, 0, 0, 0});
    EXPECT_EQ(empty.colorFrame, 1u);
    EXPECT_EQ(empty.b3D, 1);
    EXPECT_EQ(empty.bVertical, 1);
    EXPECT_EQ(empty.bTrackCorner, 1);
    // Cut short: the archive refuses it.
    EXPECT_THROW(Load({1, 0, 0, 0, 0x11}), zw::FileException);
}
