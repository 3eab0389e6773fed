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
    Bytes bytes = Stored([&](zw::Archive& ar) { ar.WriteObjectArray(columns); });
    CHdrLBColumnArray loaded;
    Load(bytes, [&](zw::Archive& ar) { ar.ReadObjectArray(loaded); });
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(loaded[0]->text + u"/" + loaded[1]->text, u"Name/Size");
    EXPECT_EQ(loaded[1]->format * 1000 + loaded[1]->width, 999);
    // One column whose marker (after count, tag, schema and class name) is 0
    // keeps its defaults: no heading, width -1.
    bytes.resize(20);
    bytes[0] = 1;
    bytes.insert(bytes.end(), {0, 0, 0, 0});
    Load(bytes, [&](zw::Archive& ar) { ar.ReadObjectArray(loaded); });
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_EQ(loaded[0]->text, u"");
    EXPECT_EQ(loaded[0]->width, -1);
}

TEST(ListViewRecords, ItemTextsAndDataRoundTrip) {
    SHdrLBItem item(u"first", 42);
    item.SetText(3, u"fourth");
    EXPECT_EQ(item.texts.size(), 4u);
    EXPECT_EQ(item.Text(2) + item.Text(9) + item.Text(-1), u"");
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
    store.Append(u"a", 1);
    store.Append(u"b", 2);
    store.Erase(0);
    EXPECT_EQ(store.Append(u"c", 3), 2u);  // slots are not reused
    EXPECT_EQ(store.At(1)->data, 2);
    for (std::intptr_t gone : {0, 3, -1}) EXPECT_EQ(store.At(gone), nullptr) << gone;
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
