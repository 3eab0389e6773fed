#include "host/core/prop_block.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

namespace {

std::span<const std::uint8_t> Span(const Bytes& b) { return {b.data(), b.size()}; }

Bytes Found(const Bytes& block, std::u16string_view name) {
    auto item = host::FindPropItem(Span(block), name);
    if (!item) return {0xDE, 0xAD};  // never a valid answer in these tests
    return Bytes(item->begin(), item->end());
}

}  // namespace

TEST(PropBlock, LayoutIsNameThenLengthThenBytes) {
    host::PropItems items;
    EXPECT_TRUE(items.Block().empty());
    ASSERT_TRUE(items.Set(u"ZW:A", Bytes{1, 2, 3}));
    ASSERT_TRUE(items.Set(u"B", Bytes{}));
    const Bytes expected = {4, 0, 'Z', 0, 'W', 0, ':', 0, 'A', 0, 3, 0, 0, 0, 1, 2, 3,
                            1, 0, 'B', 0, 0, 0, 0, 0};
    EXPECT_EQ(items.Block(), expected);

    // Replacing keeps the item's place; removing drops its entry.
    ASSERT_TRUE(items.Set(u"ZW:A", Bytes{9}));
    const Bytes replaced = {4, 0, 'Z', 0, 'W', 0, ':', 0, 'A', 0, 1, 0, 0, 0, 9,
                            1, 0, 'B', 0, 0, 0, 0, 0};
    EXPECT_EQ(items.Block(), replaced);
    EXPECT_TRUE(items.Remove(u"ZW:A"));
    EXPECT_FALSE(items.Remove(u"ZW:A"));
    EXPECT_EQ(items.Block(), (Bytes{1, 0, 'B', 0, 0, 0, 0, 0}));

    EXPECT_FALSE(items.Set(u"", Bytes{1}));
    EXPECT_FALSE(items.Set(std::u16string(0x10000, u'n'), Bytes{1}));
    EXPECT_TRUE(items.Set(std::u16string(0xFFFF, u'n'), Bytes{1}));
}

TEST(PropBlock, FindsItemsByExactName) {
    host::PropItems items;
    items.Set(u"ZW:Calendar", Bytes{10, 11});
    items.Set(u"ZW:Cal", Bytes{12});
    items.Set(u"ZW:Empty", Bytes{});
    const Bytes& block = items.Block();
    struct Case {
        std::u16string name;
        Bytes expected;
    };
    const Case cases[] = {
        {u"ZW:Calendar", {10, 11}}, {u"ZW:Cal", {12}}, {u"ZW:Empty", {}},
        {u"zw:calendar", {0xDE, 0xAD}}, {u"ZW:Calendar2", {0xDE, 0xAD}}, {u"", {0xDE, 0xAD}},
    };
    for (const Case& c : cases) EXPECT_EQ(Found(block, c.name), c.expected) << std::string(c.name.begin(), c.name.end());
}

TEST(PropBlock, CutOrCorruptBlocksAreReadOnlyAsFarAsWhole) {
    host::PropItems items;
    items.Set(u"first", Bytes{1});
    items.Set(u"second", Bytes{2, 2});
    const Bytes block = items.Block();
    const std::size_t firstEnd = 2 + 10 + 4 + 1;
    for (std::size_t cut = 0; cut < block.size(); ++cut) {
        Bytes part(block.begin(), block.begin() + cut);
        bool firstWhole = cut >= firstEnd;
        EXPECT_EQ(Found(part, u"first"), firstWhole ? Bytes{1} : (Bytes{0xDE, 0xAD})) << cut;
        EXPECT_EQ(Found(part, u"second"), (Bytes{0xDE, 0xAD})) << cut;
    }
    // Lengths that claim more than the block holds.
    Bytes hugeName = block;
    hugeName[0] = 0xFF;
    hugeName[1] = 0xFF;
    EXPECT_EQ(Found(hugeName, u"first"), (Bytes{0xDE, 0xAD}));
    Bytes hugeItem = block;
    hugeItem[12] = 0xFF;
    hugeItem[15] = 0xFF;
    EXPECT_EQ(Found(hugeItem, u"second"), (Bytes{0xDE, 0xAD}));
    EXPECT_EQ(Found(hugeItem, u"first"), (Bytes{0xDE, 0xAD}));
}
