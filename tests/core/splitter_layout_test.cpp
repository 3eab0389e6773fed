// The splitter's geometry and its property record.
#include "controls/splitter/core/splitter_layout.h"

#include <gtest/gtest.h>

#include <vector>

#include "controls/splitter/core/prop_splitter.h"

using zw::splitter::Rect;

TEST(SplitterLayout, DragStopsOnePixelBeyondEitherEdge) {
    // A vertical bar at x = 100 in a 300-wide parent, grabbed 2 pixels into it:
    // the parent is at -100..200 in the bar's coordinates.
    const auto limits = zw::splitter::DragLimitsOf({-100, 0, 200, 200}, 2, 6, true);
    EXPECT_EQ(limits.minimum, -99);  // bar's left at -1 in the parent
    EXPECT_EQ(limits.maximum, 197);  // bar's left at 295, one pixel past 294
    const int cases[][2] = {{-500, -99}, {-99, -99}, {50, 50}, {197, 197}, {900, 197}};
    for (const auto& c : cases) EXPECT_EQ(zw::splitter::ClampDragPos(c[0], limits), c[1]) << c[0];
    // A parent narrower than the bar: the maximum falls below the minimum and
    // the minimum wins.
    EXPECT_EQ(zw::splitter::ClampDragPos(0, {5, 3}), 5);
}

TEST(SplitterLayout, FeedbackIsShiftedCutAndKeptInTheParent) {
    const Rect parent{1000, 500, 1300, 700};
    EXPECT_EQ(zw::splitter::FeedbackRect({1000, 600, 1300, 606}, 10, false, 16, parent), (Rect{1000, 610, 1284, 616}));
    EXPECT_EQ(zw::splitter::FeedbackRect({1100, 500, 1106, 700}, -103, true, 0, parent), (Rect{1000, 500, 1003, 700}));
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
