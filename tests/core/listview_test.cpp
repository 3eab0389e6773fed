// The list view's portable parts: the column and row records in the object
// archive, the item store's stable indices, and the row comparison of sorts.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "controls/listview/core/header_list_records.h"
#include "controls/listview/core/item_store.h"
#include "frame/core/memory_stream.h"

using namespace zw::listview;
using Bytes = std::vector<std::uint8_t>;

namespace {

template <typename Fill>
Bytes Stored(Fill fill) {
    zw::MemoryStream stream;
    zw::Archive ar(stream, zw::Archive::Mode::Storing);
    fill(ar);
    ar.Close();
    return Bytes(stream.Bytes().begin(), stream.Bytes().end());
}

template <typename Read>
void Load(const Bytes& bytes, Read read) {
    zw::MemoryStream stream(bytes);
    zw::Archive ar(stream, zw::Archive::Mode::Loading);
    read(ar);
}

}  // namespace

TEST(ListViewRecords, ColumnsRoundTripAndMarkerZeroKeepsDefaults) {
    CHdrLBColumnArray columns;
    columns.push_back(std::make_unique<SHdrLBColumn>(u"Name", 0, 120));
    columns.push_back(std::make_unique<SHdrLBColumn>(u"Size", 1, -1));
    const Bytes bytes = Stored([&](zw::Archive& ar) { ar.WriteObjectArray(columns); });
    // Count, new-class tag, schema 1, "SHdrLBColumn", marker 1, "Name", 0, 120.
    const Bytes head = {2, 0, 0xFF, 0xFF, 1, 0, 12, 0, 'S', 'H', 'd', 'r', 'L', 'B', 'C', 'o', 'l', 'u', 'm', 'n',
                        1, 0, 0, 0, 0xFF, 0xFE, 0xFF, 4, 'N', 0, 'a', 0, 'm', 0, 'e', 0, 0, 0, 0, 0, 120, 0, 0, 0};
    ASSERT_GT(bytes.size(), head.size());
    EXPECT_TRUE(std::equal(head.begin(), head.end(), bytes.begin()));
    EXPECT_EQ(bytes[head.size()], 0x01);  // the second object: 0x8000 | class index 1
    EXPECT_EQ(bytes[head.size() + 1], 0x80);

    CHdrLBColumnArray loaded;
    Load(bytes, [&](zw::Archive& ar) { ar.ReadObjectArray(loaded); });
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(loaded[1]->text, u"Size");
    EXPECT_EQ(loaded[1]->format, 1);
    EXPECT_EQ(loaded[1]->width, -1);

    // A column whose marker is 0 keeps its defaults: no heading, width -1.
    Bytes zero(head.begin(), head.begin() + 20);
    zero[0] = 1;
    zero.insert(zero.end(), {0, 0, 0, 0});
    Load(zero, [&](zw::Archive& ar) { ar.ReadObjectArray(loaded); });
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_EQ(loaded[0]->text, u"");
    EXPECT_EQ(loaded[0]->width, -1);
}

TEST(ListViewRecords, ItemTextsAndDataRoundTrip) {
    SHdrLBItem item(u"first", 42);
    item.SetText(3, u"fourth");
    EXPECT_EQ(item.texts.size(), 4u);
    EXPECT_EQ(item.Text(2), u"");
    EXPECT_EQ(item.Text(9), u"");
    EXPECT_EQ(item.Text(-1), u"");
    const Bytes bytes = Stored([&](zw::Archive& ar) { ar.WriteObject(&item); });
    std::unique_ptr<SHdrLBItem> loaded;
    Load(bytes, [&](zw::Archive& ar) { loaded = ar.ReadObject<SHdrLBItem>(); });
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->texts, item.texts);
    EXPECT_EQ(loaded->data, 42);
    // Cut short inside the texts: the archive refuses it.
    const Bytes cut(bytes.begin(), bytes.end() - 8);
    EXPECT_THROW(Load(cut, [&](zw::Archive& ar) { ar.ReadObject<SHdrLBItem>(); }), zw::FileException);
}

TEST(ListViewRecords, StoreIndicesStayWhenRowsGo) {
    ItemStore store;
    EXPECT_EQ(store.Append(u"a", 1), 0u);
    EXPECT_EQ(store.Append(u"b", 2), 1u);
    store.Erase(0);
    EXPECT_EQ(store.At(0), nullptr);
    EXPECT_EQ(store.Append(u"c", 3), 2u);  // slots are not reused
    EXPECT_EQ(store.At(1)->data, 2);
    EXPECT_EQ(store.At(3), nullptr);
    EXPECT_EQ(store.At(-1), nullptr);
    store.Clear();
    EXPECT_EQ(store.Append(u"d", 4), 0u);
}

TEST(ListViewRecords, RowComparisonFoldsCaseAndEmptyTextsComeFirst) {
    ItemStore store;
    for (const char16_t* text : {u"B", u"a", u"C", u"b"}) store.Append(text, 0);
    store.At(1)->SetText(1, u"x");
    store.Erase(3);
    SHeaderListSort sort;
    sort.items = &store;
    sort.column = 0;
    std::vector<std::intptr_t> rows = {0, 1, 2};
    std::sort(rows.begin(), rows.end(), [&](auto a, auto b) { return CompareRows(a, b, sort) < 0; });
    EXPECT_EQ(rows, (std::vector<std::intptr_t>{1, 0, 2}));  // "a", "B", "C"
    const struct { std::intptr_t a, b; int column, descending, sign; } cases[] = {
        {0, 1, 0, 0, 1},    // "B" after "a"
        {0, 1, 0, 1, -1},   // descending: negated
        {0, 1, 1, 0, -1},   // no text in column 1 sorts before "x"
        {0, 2, 5, 0, 0},    // neither has column 5
        {0, 3, 0, 0, 0},    // an empty slot compares equal
        {0, 9, 0, 0, 0},    // outside the store
    };
    for (const auto& c : cases) {
        sort.column = c.column;
        sort.descending = c.descending;
        const int order = CompareRows(c.a, c.b, sort);
        EXPECT_EQ((order > 0) - (order < 0), c.sign) << c.a << "," << c.b << " column " << c.column;
    }
    EXPECT_LT(CompareFolded(u"ab", u"ABC", nullptr), 0);
    EXPECT_EQ(CompareFolded(u"AbC", u"aBc", nullptr), 0);
    EXPECT_LT(CompareFolded(u"_", u"A", nullptr), 0);  // before "a" once folded, though after "A" in code units
}
