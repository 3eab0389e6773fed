// The calendar's portable parts: layout, the month grid and focus moves,
// special-date rule keys and matching, and the property record's stored form.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "controls/calendar/core/calendar_layout.h"
#include "controls/calendar/core/calendar_style.h"
#include "controls/calendar/core/month_grid.h"
#include "controls/calendar/core/special_rules.h"
#include "frame/core/memory_stream.h"

using namespace zw::calendar;

TEST(CalendarLayout, CellsFromClientSizeAndUnits) {
    const struct { int w, h, avg, height, cellW, cellH; } cases[] = {
        {70, 90, 6, 13, 22, 17},    // small client: the units decide (9 * 250 / 100 = 22)
        {400, 300, 6, 13, 56, 36},  // large client: the client decides
        {0, 0, 5, 12, 20, 16},
    };
    for (const auto& c : cases) {
        const Layout l = ComputeLayout(c.w, c.h, MeasuringUnits(c.avg, c.height));
        EXPECT_EQ(l.cellWidth, c.cellW) << c.w;
        EXPECT_EQ(l.cellHeight, c.cellH) << c.h;
        EXPECT_EQ(l.content.left, std::max(0, (c.w - 7 * l.cellWidth - 6) / 2));
        EXPECT_EQ(l.previousButton.Width() % 2, 1) << "odd buttons";
        EXPECT_EQ(l.title, (Rect{l.previousButton.right, l.content.top, l.nextButton.left, l.content.top + l.cellHeight}));
        EXPECT_EQ(l.Cell(41).right, l.content.right);
        EXPECT_EQ(l.Cell(41).bottom, l.content.bottom);
        EXPECT_EQ(l.HitCell(l.Cell(8).right, l.Cell(8).top), -1) << "separator";
        EXPECT_EQ(ContentWindowSize(l).height, l.content.Height() + 2);
    }
}

TEST(MonthGrid, CellsOfAMonthAndWhatAClickReaches) {
    // Weeks starting on Sunday; a month whose 1st is a Saturday.
    const MonthGrid may = MakeMonthGrid(7, 1, 31), june = MakeMonthGrid(7, 1, 30);
    EXPECT_EQ(may.firstCell, 6);
    EXPECT_EQ(may.lastCell, 36);
    EXPECT_EQ(june.lastCell, 35);
    EXPECT_EQ(may.CellOfOffset(-6), 0);
    EXPECT_EQ(may.CellOfOffset(-7), -1);
    EXPECT_EQ(may.CellOfOffset(35), 41);
    EXPECT_EQ(may.CellOfOffset(36), -1);
    const struct { int cell; bool show, selectable; int reached; } clicks[] = {
        {10, false, false, 10}, {3, false, true, -1}, {3, true, false, -1}, {3, true, true, 3},
        {40, true, true, 40}, {-1, true, true, -1},
    };
    for (const auto& c : clicks)
        EXPECT_EQ(ClickableCell(c.cell, may, c.show, c.selectable), c.reached) << c.cell;
}

TEST(MonthGrid, FocusStepsAndRowEnds) {
    const MonthGrid g = MakeMonthGrid(4, 1, 30);  // cells 3..32
    const struct { int focus, step; bool show; bool byDays; int cell; } steps[] = {
        {10, 1, false, false, 11}, {10, -7, false, false, 3}, {3, -1, false, true, -1},
        {3, -1, true, false, 2}, {0, -1, true, true, -1}, {40, 7, true, true, -1},
        {32, 1, false, true, -1}, {-1, 1, true, true, -1},
    };
    for (const auto& s : steps) {
        const FocusStep r = StepFocus(s.focus, s.step, g, s.show);
        EXPECT_EQ(r.byDays, s.byDays) << s.focus << " " << s.step;
        EXPECT_EQ(r.cell, s.cell) << s.focus << " " << s.step;
    }
    EXPECT_EQ(RowStartCell(5, g, false), 3);
    EXPECT_EQ(RowStartCell(5, g, true), 0);
    EXPECT_EQ(RowEndCell(30, g, false), 32);
    EXPECT_EQ(RowEndCell(30, g, true), 34);
    EXPECT_EQ(RowEndCell(-1, g, true), -1);
    EXPECT_EQ(FocusCellInsideMonth(1, g), 3);
    EXPECT_EQ(FocusCellInsideMonth(40, g), 32);
    EXPECT_EQ(FocusCellInsideMonth(12, g), 12);
}

TEST(MonthGrid, MonthStepsWrapAndShortenTheDay) {
    const struct { int y, m, d, by; MonthStep expected; } cases[] = {
        {2023, 1, 31, 1, {2023, 2, 28}}, {2024, 1, 31, 1, {2024, 2, 29}}, {2024, 12, 15, 1, {2025, 1, 15}},
        {2024, 1, 15, -1, {2023, 12, 15}}, {2024, 3, 31, -1, {2024, 2, 29}}, {2024, 5, 31, 25, {2026, 6, 30}},
        {2024, 5, 10, -17, {2022, 12, 10}},
    };
    for (const auto& c : cases) {
        const MonthStep s = StepMonths(c.y, c.m, c.d, c.by);
        EXPECT_EQ(s.year, c.expected.year) << c.m << " " << c.by;
        EXPECT_EQ(s.month, c.expected.month) << c.m << " " << c.by;
        EXPECT_EQ(s.day, c.expected.day) << c.m << " " << c.by;
    }
}

TEST(SpecialRules, KeysUseOnlyTheNumbersOfTheirKind) {
    // The probe carries every number; each kind keeps its own.
    SpecialRule r{0, 12, 25, 2009, 6, 4};
    const char* keys[] = {"000000000000", "200912250000", "000000000600", "000000250000",
                          "000000000604", "000012250000", "000012000604", "000000000000"};
    for (int kind = 0; kind <= 7; ++kind) {
        r.kind = kind;
        EXPECT_EQ(RuleKey(r), keys[kind]) << kind;
    }
}

TEST(SpecialRules, LowestKindWinsAndRulesReplaceByKey) {
    SpecialRules rules;
    RuleColours colours{1, 1};
    EXPECT_FALSE(rules.Match(SpecialRule{1, 5, 3, 2009, 1, 1}, &colours));
    EXPECT_EQ(colours.text, 0u);
    // Sunday every week, and one given Sunday.
    EXPECT_EQ(rules.Set({2, 0, 0, 0, 1, 0, 0xB2, 0x72}, 1), 1);
    EXPECT_EQ(rules.Set({1, 5, 3, 2009, 0, 0, 0xB1, 0x71}, 1), 1);
    // Second Friday of every month; occurrence 5 of Monday in November.
    EXPECT_EQ(rules.Set({4, 0, 0, 0, 6, 2, 0xB4, 0x74}, 1), 1);
    EXPECT_EQ(rules.Set({6, 11, 0, 0, 2, 5, 0xB6, 0x76}, 1), 1);
    const struct { SpecialRule probe; bool match; std::uint32_t text; } days[] = {
        {{0, 5, 3, 2009, 1, 1}, true, 0x71},    // that Sunday: the exact date wins
        {{0, 5, 10, 2009, 1, 2}, true, 0x72},   // another Sunday
        {{0, 5, 8, 2009, 6, 2}, true, 0x74},    // second Friday
        {{0, 5, 15, 2009, 6, 3}, false, 0},     // third Friday
        {{0, 11, 29, 2010, 2, 5}, true, 0x76},  // fifth Monday of November
        {{0, 10, 29, 2010, 2, 5}, false, 0},
        {{0, 5, 3, 2009, 0, 0}, true, 0x71},    // weekday 0 still finds the exact date
        {{0, 5, 10, 2009, 0, 0}, false, 0},     // ... but not the weekly rule
    };
    for (const auto& d : days) {
        EXPECT_EQ(rules.Match(d.probe, &colours), d.match) << d.probe.day;
        EXPECT_EQ(colours.text, d.text) << d.probe.day;
    }
    // Removal goes by kind and numbers, whatever the colours.
    EXPECT_EQ(rules.Set({2, 7, 7, 1999, 1, 0, 0xC2, 0x82}, 0), 1);
    EXPECT_FALSE(rules.Match({0, 5, 10, 2009, 1, 2}, &colours));
    EXPECT_TRUE(rules.Clear());
    EXPECT_FALSE(rules.Clear());
}

namespace {

std::vector<std::uint8_t> Store(SPropCalendar record) {
    zw::MemoryStream stream;
    zw::Archive ar(stream, zw::Archive::Mode::Storing);
    record.Serialize(ar);
    ar.Close();
    return std::vector<std::uint8_t>(stream.Bytes().begin(), stream.Bytes().end());
}

SPropCalendar Load(const std::vector<std::uint8_t>& bytes) {
    zw::MemoryStream stream(bytes);
    zw::Archive ar(stream, zw::Archive::Mode::Loading);
    SPropCalendar record;
    record.Serialize(ar);
    return record;
}

}  // namespace

TEST(SPropCalendar, StoredFormAndOlderVersions) {
    SPropCalendar r;
    r.autoSize = 1;
    r.keyboard = 0;
    r.verticalArrows = 1;
    r.insetFocus = 1;
    r.useInitialDate = 1;
    r.initialDate = u"2009-05-01";
    const std::vector<std::uint8_t> bytes = Store(r);
    const std::vector<std::uint8_t> expected = {
        1, 0, 0, 0, 1, 1, 0, 0, 0, 1,           // version 1 and the six generic flags
        2, 0, 0, 0, 0, 1, 1, 1, 1, 0,           // version 2, 3D .. show special
        1, 0, 0, 0, 0xFF, 0xFE, 0xFF, 10,       // use initial date, string header
    };
    ASSERT_EQ(bytes.size(), expected.size() + 20 + 1);
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), bytes.begin()));
    EXPECT_EQ(bytes.back(), 1) << "vertical arrows come last";
    const SPropCalendar back = Load(bytes);
    EXPECT_EQ(back.initialDate, u"2009-05-01");
    EXPECT_EQ(back.verticalArrows, 1);
    EXPECT_EQ(back.keyboard, 0);

    // Version 1 of the calendar group has no vertical-arrows byte.
    std::vector<std::uint8_t> v1(bytes.begin(), bytes.end() - 1);
    v1[10] = 1;
    EXPECT_EQ(Load(v1).verticalArrows, 0);
    EXPECT_EQ(Load(v1).insetFocus, 1);
    EXPECT_THROW(Load({1, 0, 0, 0, 1}), zw::FileException);
}
