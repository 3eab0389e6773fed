#include "host/core/prop_block.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

namespace {

const Bytes kNotFound = {0xDE, 0xAD};  // never an item's bytes in these tests

Bytes Found(const Bytes& block, std::u16string_view name) {
    const auto item = host::FindPropItem(block, name);
    return item ? Bytes(item->begin(), item->end()) : kNotFound;
}

}  // namespace

TEST(PropBlock, LayoutIsNameThenLengthThenBytes) {
    host::PropItems items;
    EXPECT_TRUE(items.Block().empty());
    ASSERT_TRUE(items.Set(u"ZW:A", Bytes{1, 2, 3}));
    ASSERT_TRUE(items.Set(u"B", Bytes{}));
    EXPECT_EQ(items.Block(), (Bytes{4, 0, 'Z', 0, 'W', 0, ':', 0, 'A', 0, 3, 0, 0, 0, 1, 2, 3,
                                    1, 0, 'B', 0, 0, 0, 0, 0}));
    // Replacing keeps the item's place; removing drops its entry.
    ASSERT_TRUE(items.Set(u"ZW:A", Bytes{9}));
    EXPECT_EQ(items.Block(), (Bytes{4, 0, 'Z', 0, 'W', 0, ':', 0, 'A', 0, 1, 0, 0, 0, 9,
                                    1, 0, 'B', 0, 0, 0, 0, 0}));
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
    const struct {
        std::u16string name;
        Bytes expected;
    } cases[] = {
        {u"ZW:Calendar", {10, 11}}, {u"ZW:Cal", {12}},           {u"ZW:Empty", {}},
        {u"zw:calendar", kNotFound}, {u"ZW:Calendar2", kNotFound}, {u"", kNotFound},
    };
    for (const auto& c : cases) EXPECT_EQ(Found(items.Block(), c.name), c.expected) << c.name.size();
}

TEST(PropBlock, CutOrCorruptBlocksAreReadOnlyAsFarAsWhole) {
    host::PropItems items;
    items.Set(u"first", Bytes{1});
    items.Set(u"second", Bytes{2, 2});
    const Bytes block = items.Block();
    const std::size_t firstEnd = 2 + 10 + 4 + 1;
    for (std::size_t cut = 0; cut < block.size(); ++cut) {
        const Bytes part(block.begin(), block.begin() + cut);
        EXPECT_EQ(Found(part, u"first"), cut >= firstEnd ? Bytes{1} : kNotFound) << cut;
        EXPECT_EQ(Found(part, u"second"), kNotFound) << cut;
    }
    // Lengths that claim more than the block holds.
    Bytes hugeName = block, hugeItem = block;
    hugeName[0] = hugeName[1] = 0xFF;
    hugeItem[12] = hugeItem[15] = 0xFF;
    EXPECT_EQ(Found(hugeName, u"first"), kNotFound);
    EXPECT_EQ(Found(hugeItem, u"second"), kNotFound);
    EXPECT_EQ(Found(hugeItem, u"first"), kNotFound);
}

TEST(PropBlock, EntryWalkAndObjectItems) {
    host::PropItems items;
    ASSERT_TRUE(items.Set(u"Object:1", Bytes{0x34, 0x12, 0, 0}));
    ASSERT_TRUE(items.Set(u"ZW:Splitter", Bytes{1, 2, 3, 4}));
    ASSERT_TRUE(items.Set(u"Object:2", Bytes{1, 2}));  // not 4 bytes: names no window
    std::vector<std::u16string> names;
    std::vector<std::uint32_t> objects;
    for (auto e = host::PropEntryAt(items.Block(), 0); e; e = host::PropEntryAt(items.Block(), e->next)) {
        names.push_back(e->name);
        objects.push_back(host::ObjectOf(*e).value_or(0));
    }
    EXPECT_EQ(names, (std::vector<std::u16string>{u"Object:1", u"ZW:Splitter", u"Object:2"}));
    EXPECT_EQ(objects, (std::vector<std::uint32_t>{0x1234, 0, 0}));
    // Offsets past the end or inside a cut entry start nothing.
    EXPECT_FALSE(host::PropEntryAt(items.Block(), items.Block().size()));
    EXPECT_FALSE(host::PropEntryAt(items.Block(), items.Block().size() + 5));
    EXPECT_FALSE(host::PropEntryAt(std::span(items.Block()).first(10), 0));
}
