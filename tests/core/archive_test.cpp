#include "frame/core/archive.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using zw::Archive;
using zw::FileException;
using zw::MemoryStream;
using Bytes = std::vector<std::uint8_t>;

namespace {

// ---- sample records ---------------------------------------------------------------

struct SSampleColor : zw::Serializable {
    ZW_DECLARE_SERIAL(SSampleColor)
    SSampleColor() = default;
    explicit SSampleColor(std::uint32_t c) : color(c) {}
    void Serialize(Archive& ar) override {
        if (ar.Version(1) == 0) return;
        ar.Field(color);
    }
    std::uint32_t color = 0x00ABCDEF;
};
ZW_IMPLEMENT_SERIAL(SSampleColor, 1)

struct SSampleMenu : zw::Serializable {
    ZW_DECLARE_SERIAL(SSampleMenu)
    SSampleMenu() = default;
    SSampleMenu(std::u16string t, std::uint16_t i) : text(std::move(t)), id(i) {}
    void Serialize(Archive& ar) override {
        if (ar.Version(1) == 0) return;
        ar.String(text);
        ar.Field(id);
    }
    std::u16string text;
    std::uint16_t id = 0;
};
ZW_IMPLEMENT_SERIAL(SSampleMenu, 1)

// An element holding elements, to check index counting across nesting and
// the depth limit.
struct SSampleGroup : zw::Serializable {
    ZW_DECLARE_SERIAL(SSampleGroup)
    void Serialize(Archive& ar) override {
        ar.ObjectArray(children);
        ar.ObjectArray(colors);
    }
    std::vector<std::unique_ptr<SSampleGroup>> children;
    std::vector<std::unique_ptr<SSampleColor>> colors;
};
ZW_IMPLEMENT_SERIAL(SSampleGroup, 1)

// A class of schema 2 under a name that no other test registers.
struct SSampleSchema2 : zw::Serializable {
    ZW_DECLARE_SERIAL(SSampleSchema2)
    void Serialize(Archive&) override {}
};
ZW_IMPLEMENT_SERIAL(SSampleSchema2, 2)

// A property record shaped like the controls' records: two object arrays, a
// version, flags kept as 32-bit values and stored as bytes, a number, and a
// later version's string.
struct SSampleRecord {
    std::vector<std::unique_ptr<SSampleColor>> colors;
    std::vector<std::unique_ptr<SSampleMenu>> menus;
    std::int32_t autoSize = 0;
    std::int32_t otherColor = 1;
    std::int32_t mruMax = 8;
    std::u16string title = u"untitled";

    void Serialize(Archive& ar) {
        ar.ObjectArray(colors);
        ar.ObjectArray(menus);
        std::uint32_t version = ar.Version(2);
        if (version == 0) return;
        ar.Flag(autoSize);
        ar.Flag(otherColor);
        ar.Field(mruMax);
        if (version < 2) return;
        ar.String(title);
    }
};

// ---- helpers -----------------------------------------------------------------------

// Builds expected archive bytes.
struct ByteWriter {
    Bytes bytes;
    ByteWriter& U8(std::uint8_t v) { bytes.push_back(v); return *this; }
    ByteWriter& U16(std::uint16_t v) { return U8(v & 0xFF).U8(v >> 8); }
    ByteWriter& U32(std::uint32_t v) { return U16(v & 0xFFFF).U16(v >> 16); }
    ByteWriter& Ascii(std::string_view s) { bytes.insert(bytes.end(), s.begin(), s.end()); return *this; }
    ByteWriter& Chars(std::u16string_view s) { for (char16_t c : s) U16(c); return *this; }
    // A short string (below 255 characters) in the archive's form.
    ByteWriter& Str(std::u16string_view s) { return U8(0xFF).U16(0xFFFE).U8(static_cast<std::uint8_t>(s.size())).Chars(s); }
    ByteWriter& NewClass(std::string_view name, std::uint16_t schema = 1) {
        return U16(0xFFFF).U16(schema).U16(static_cast<std::uint16_t>(name.size())).Ascii(name);
    }
};

template <typename Record>
Bytes Store(Record& record, std::size_t bufferSize = Archive::kDefaultBufferSize) {
    MemoryStream stream(1024);
    Archive ar(stream, Archive::Mode::Storing, bufferSize);
    record.Serialize(ar);
    ar.Close();
    return Bytes(stream.Bytes().begin(), stream.Bytes().end());
}

// Loads a record and checks that it used every byte.
template <typename Record>
void Load(const Bytes& bytes, Record& record, std::size_t bufferSize = Archive::kDefaultBufferSize) {
    MemoryStream stream(bytes);
    Archive ar(stream, Archive::Mode::Loading, bufferSize);
    record.Serialize(ar);
    ar.Close();
    EXPECT_EQ(stream.Position(), stream.Size()) << "record left bytes unread";
}

// Loads into a default record; true when no exception was thrown.
template <typename Record>
bool Loads(const Bytes& bytes) {
    Record record;
    try {
        MemoryStream stream(bytes);
        Archive ar(stream, Archive::Mode::Loading);
        record.Serialize(ar);
        return true;
    } catch (const FileException&) {
        return false;
    }
}

SSampleRecord SampleRecord() {
    SSampleRecord record;
    record.colors.push_back(std::make_unique<SSampleColor>(0x0000FF));
    record.colors.push_back(std::make_unique<SSampleColor>(0x00FF00));
    record.menus.push_back(std::make_unique<SSampleMenu>(u"Open", 7));
    record.menus.push_back(std::make_unique<SSampleMenu>(u"Close", 9));
    record.autoSize = 1;
    record.otherColor = 0;
    record.mruMax = 12;
    record.title = u"Tints";
    return record;
}

// The bytes of SampleRecord(): indices 1 SSampleColor, 2 and 3 its objects,
// 4 SSampleMenu, 5 and 6 its objects.
Bytes SampleBytes() {
    ByteWriter w;
    w.U16(2);
    w.NewClass("SSampleColor").U32(1).U32(0x0000FF);
    w.U16(0x8001).U32(1).U32(0x00FF00);
    w.U16(2);
    w.NewClass("SSampleMenu").U32(1).Str(u"Open").U16(7);
    w.U16(0x8004).U32(1).Str(u"Close").U16(9);
    w.U32(2).U8(1).U8(0).U32(12).Str(u"Tints");
    return w.bytes;
}

}  // namespace

TEST(Archive, SampleRecordWritesExactBytesAndReadsBack) {
    for (std::size_t bufferSize : {std::size_t{16}, std::size_t{20}, Archive::kDefaultBufferSize}) {
        SCOPED_TRACE(bufferSize);
        SSampleRecord record = SampleRecord();
        EXPECT_EQ(Store(record, bufferSize), SampleBytes());

        SSampleRecord loaded;
        loaded.colors.push_back(std::make_unique<SSampleColor>(1));  // replaced, not appended to
        Load(SampleBytes(), loaded, bufferSize);
        ASSERT_EQ(loaded.colors.size(), 2u);
        EXPECT_EQ(loaded.colors[0]->color, 0x0000FFu);
        EXPECT_EQ(loaded.colors[1]->color, 0x00FF00u);
        ASSERT_EQ(loaded.menus.size(), 2u);
        EXPECT_EQ(loaded.menus[0]->text, u"Open");
        EXPECT_EQ(loaded.menus[0]->id, 7);
        EXPECT_EQ(loaded.menus[1]->text, u"Close");
        EXPECT_EQ(loaded.menus[1]->id, 9);
        EXPECT_EQ(loaded.autoSize, 1);
        EXPECT_EQ(loaded.otherColor, 0);
        EXPECT_EQ(loaded.mruMax, 12);
        EXPECT_EQ(loaded.title, u"Tints");
    }
}

TEST(Archive, IndicesCountNestedObjectsAndNulls) {
    // colors [c1, null], groups [g1 {children [g2], colors [c2]}], then c3:
    // 1 SSampleColor, 2 c1, 3 SSampleGroup, 4 g1, 5 g2, 6 c2, 7 c3. A null
    // takes no index.
    struct Record {
        std::vector<std::unique_ptr<SSampleColor>> colors;
        std::vector<std::unique_ptr<SSampleGroup>> groups;
        std::vector<std::unique_ptr<SSampleColor>> more;
        void Serialize(Archive& ar) {
            ar.ObjectArray(colors);
            ar.ObjectArray(groups);
            ar.ObjectArray(more);
        }
    } record;
    record.colors.push_back(std::make_unique<SSampleColor>(1));
    record.colors.push_back(nullptr);
    auto g1 = std::make_unique<SSampleGroup>();
    g1->children.push_back(std::make_unique<SSampleGroup>());
    g1->colors.push_back(std::make_unique<SSampleColor>(2));
    record.groups.push_back(std::move(g1));
    record.more.push_back(std::make_unique<SSampleColor>(3));

    ByteWriter w;
    w.U16(2).NewClass("SSampleColor").U32(1).U32(1).U16(0);
    w.U16(1).NewClass("SSampleGroup");
    w.U16(1).U16(0x8003).U16(0).U16(0);  // g2: no children, no colors
    w.U16(1).U16(0x8001).U32(1).U32(2);  // g1's colors
    w.U16(1).U16(0x8001).U32(1).U32(3);
    EXPECT_EQ(Store(record), w.bytes);

    Record loaded;
    Load(w.bytes, loaded);
    ASSERT_EQ(loaded.colors.size(), 2u);
    EXPECT_EQ(loaded.colors[0]->color, 1u);
    EXPECT_EQ(loaded.colors[1], nullptr);
    ASSERT_EQ(loaded.groups.size(), 1u);
    ASSERT_EQ(loaded.groups[0]->children.size(), 1u);
    EXPECT_TRUE(loaded.groups[0]->children[0]->children.empty());
    ASSERT_EQ(loaded.groups[0]->colors.size(), 1u);
    EXPECT_EQ(loaded.groups[0]->colors[0]->color, 2u);
    ASSERT_EQ(loaded.more.size(), 1u);
    EXPECT_EQ(loaded.more[0]->color, 3u);
}

TEST(Archive, LongCountsAndBigClassIndices) {
    // 70000 colours take indices 2..70001 and a count in the long form; the
    // menu class then gets index 70002, past what 0x8000 | index can hold,
    // so its second object uses 7FFF + 80000000 | index.
    SSampleRecord record;
    for (std::uint32_t i = 0; i < 70000; ++i) record.colors.push_back(std::make_unique<SSampleColor>(i));
    record.menus.push_back(std::make_unique<SSampleMenu>(u"a", 1));
    record.menus.push_back(std::make_unique<SSampleMenu>(u"b", 2));
    Bytes bytes = Store(record);

    ByteWriter head;
    head.U16(0xFFFF).U32(70000).NewClass("SSampleColor").U32(1).U32(0).U16(0x8001).U32(1).U32(1);
    ASSERT_GT(bytes.size(), head.bytes.size());
    EXPECT_TRUE(std::equal(head.bytes.begin(), head.bytes.end(), bytes.begin()));
    ByteWriter menus;
    menus.U16(2).NewClass("SSampleMenu").U32(1).Str(u"a").U16(1);
    menus.U16(0x7FFF).U32(0x80000000u | 70002).U32(1).Str(u"b").U16(2);
    menus.U32(2).U8(0).U8(1).U32(8).Str(u"untitled");
    ASSERT_GT(bytes.size(), menus.bytes.size());
    EXPECT_TRUE(std::equal(menus.bytes.begin(), menus.bytes.end(), bytes.end() - menus.bytes.size()));

    SSampleRecord loaded;
    Load(bytes, loaded);
    ASSERT_EQ(loaded.colors.size(), 70000u);
    EXPECT_EQ(loaded.colors[69999]->color, 69999u);
    ASSERT_EQ(loaded.menus.size(), 2u);
    EXPECT_EQ(loaded.menus[1]->text, u"b");
}

TEST(Archive, StringLengthForms) {
    struct Case {
        std::size_t length;
        Bytes header;  // everything before the characters
    };
    const Case cases[] = {
        {0, {0xFF, 0xFE, 0xFF, 0x00}},
        {1, {0xFF, 0xFE, 0xFF, 0x01}},
        {254, {0xFF, 0xFE, 0xFF, 0xFE}},
        {255, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0x00}},
        {256, {0xFF, 0xFE, 0xFF, 0xFF, 0x00, 0x01}},
        {65533, {0xFF, 0xFE, 0xFF, 0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {65535, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        std::u16string text(c.length, u'x');
        for (std::size_t i = 0; i < c.length; ++i) text[i] = static_cast<char16_t>(0x4E00 + i % 500);
        struct Record {
            std::u16string text;
            void Serialize(Archive& ar) { ar.String(text); }
        } record{text};
        Bytes expected = c.header;
        ByteWriter chars;
        chars.Chars(text);
        expected.insert(expected.end(), chars.bytes.begin(), chars.bytes.end());
        EXPECT_EQ(Store(record), expected);

        Record loaded{u"previous"};
        Load(expected, loaded, 16);
        EXPECT_EQ(loaded.text, text);
    }
}

TEST(Archive, ReadsEightBitStrings) {
    // The older form without the FF FFFE marker: 8-bit characters.
    Bytes longText(300, 'q');
    Bytes veryLong(70000, 'z');
    struct Case {
        Bytes bytes;
        std::u16string text;
    };
    std::vector<Case> cases = {
        {{0x00}, u""},
        {{0x03, 'a', 'b', 0xE9}, u"ab\u00E9"},
        {ByteWriter().U8(0xFF).U16(300).bytes, std::u16string(300, u'q')},
        {ByteWriter().U8(0xFF).U16(0xFFFF).U32(70000).bytes, std::u16string(70000, u'z')},
        // In the UTF-16 form a 16-bit FFFE after the marker is a length.
        {ByteWriter().U8(0xFF).U16(0xFFFE).U8(0xFF).U16(0xFFFE).Chars(std::u16string(0xFFFE, u'w')).bytes,
         std::u16string(0xFFFE, u'w')},
    };
    cases[2].bytes.insert(cases[2].bytes.end(), longText.begin(), longText.end());
    cases[3].bytes.insert(cases[3].bytes.end(), veryLong.begin(), veryLong.end());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.size());
        MemoryStream stream(c.bytes);
        Archive ar(stream, Archive::Mode::Loading);
        EXPECT_EQ(ar.ReadString(), c.text);
        EXPECT_EQ(ar.BytesLeft(), 0u);
    }
}

TEST(Archive, OlderVersionsKeepLaterFieldsAtDefaults) {
    ByteWriter arrays;
    arrays.U16(1).NewClass("SSampleColor").U32(1).U32(0x112233).U16(0);

    ByteWriter v1 = arrays;
    v1.U32(1).U8(1).U8(0).U32(20);  // version 1 had no title
    SSampleRecord one;
    Load(v1.bytes, one);
    EXPECT_EQ(one.autoSize, 1);
    EXPECT_EQ(one.otherColor, 0);
    EXPECT_EQ(one.mruMax, 20);
    EXPECT_EQ(one.title, u"untitled");

    ByteWriter v0 = arrays;
    v0.U32(0);  // nothing of the group follows
    SSampleRecord zero;
    Load(v0.bytes, zero);
    ASSERT_EQ(zero.colors.size(), 1u);
    EXPECT_EQ(zero.colors[0]->color, 0x112233u);
    EXPECT_EQ(zero.autoSize, 0);
    EXPECT_EQ(zero.otherColor, 1);
    EXPECT_EQ(zero.mruMax, 8);
    EXPECT_EQ(zero.title, u"untitled");

    // An element object of version 0 keeps its defaults and has no data.
    ByteWriter element;
    element.U16(2).NewClass("SSampleColor").U32(0).U16(0x8001).U32(1).U32(5).U16(0).U32(0);
    SSampleRecord elements;
    Load(element.bytes, elements);
    ASSERT_EQ(elements.colors.size(), 2u);
    EXPECT_EQ(elements.colors[0]->color, 0x00ABCDEFu);
    EXPECT_EQ(elements.colors[1]->color, 5u);

    // A newer version is read as far as this reader knows it.
    ByteWriter v3 = arrays;
    v3.U32(3).U8(0).U8(1).U32(4).Str(u"new");
    SSampleRecord three;
    Load(v3.bytes, three);
    EXPECT_EQ(three.mruMax, 4);
    EXPECT_EQ(three.title, u"new");
}

TEST(Archive, TruncationAtEveryOffsetIsRejected) {
    const Bytes whole = SampleBytes();
    ASSERT_TRUE(Loads<SSampleRecord>(whole));
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        Bytes part(whole.begin(), whole.begin() + cut);
        EXPECT_FALSE(Loads<SSampleRecord>(part)) << "prefix of " << cut << " bytes";
    }
    // A long string and a long count cut short as well.
    struct Text {
        std::u16string text;
        void Serialize(Archive& ar) { ar.String(text); }
    } text{std::u16string(300, u'k')};
    const Bytes textBytes = Store(text);
    for (std::size_t cut = 0; cut < textBytes.size(); ++cut) {
        EXPECT_FALSE(Loads<Text>(Bytes(textBytes.begin(), textBytes.begin() + cut))) << cut;
    }
}

TEST(Archive, CorruptTagsAndCountsAreRejected) {
    // Each case patches the sample bytes; offsets from SampleBytes(): the
    // colour array's count at 0, the first class tag at 2, its schema at 4,
    // its name length at 6, the second colour's tag at 28.
    const Bytes sample = SampleBytes();
    ASSERT_EQ(sample[28], 0x01);
    ASSERT_EQ(sample[29], 0x80);
    auto patched = [&](std::size_t at, Bytes with) {
        Bytes b = sample;
        std::copy(with.begin(), with.end(), b.begin() + at);
        return b;
    };
    auto inserted = [&](std::size_t at, Bytes with) {
        Bytes b = sample;
        b.erase(b.begin() + at, b.begin() + at + 2);
        b.insert(b.begin() + at, with.begin(), with.end());
        return b;
    };
    struct Case {
        const char* what;
        Bytes bytes;
    };
    const Case cases[] = {
        {"object index naming a class", patched(28, {0x01, 0x00})},
        {"back-reference to the first colour", patched(28, {0x02, 0x00})},
        {"object index past the map", patched(28, {0x09, 0x00})},
        {"class index naming an object", patched(28, {0x02, 0x80})},
        {"class index past the map", patched(28, {0x05, 0x80})},
        {"class index 0", patched(28, {0x00, 0x80})},
        {"big back-reference", inserted(28, {0xFF, 0x7F, 0x02, 0x00, 0x00, 0x00})},
        {"big class index past the map", inserted(28, {0xFF, 0x7F, 0x09, 0x00, 0x00, 0x80})},
        {"unknown class name", patched(8, {'X'})},
        {"schema differs", patched(4, {0x02, 0x00})},
        {"class name length 0", patched(6, {0x00, 0x00})},
        {"class name length too long", patched(6, {0x41, 0x00})},
        {"class name length past the end", patched(6, {0xFF, 0x00})},
        {"menu in the colour array",
         ByteWriter().U16(1).NewClass("SSampleMenu").U32(1).Str(u"x").U16(1).U16(0).U32(0).bytes},
        {"count larger than the data", patched(0, {0xF0, 0xFF})},
        {"long count larger than the data", inserted(0, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})},
        {"long count of 0x7FFFFFFF", inserted(0, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F})},
        {"string length past the end", patched(sample.size() - 11, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F})},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(Loads<SSampleRecord>(c.bytes)) << c.what;
    }

    // The class name must be exactly the registered one, and a schema-2
    // class read where schema 1 was written fails too.
    ByteWriter schema;
    schema.U16(1).NewClass("SSampleSchema2", 1);
    struct Schema2 {
        std::vector<std::unique_ptr<SSampleSchema2>> items;
        void Serialize(Archive& ar) { ar.ObjectArray(items); }
    };
    EXPECT_FALSE(Loads<Schema2>(schema.bytes));
    ByteWriter schemaOk;
    schemaOk.U16(1).NewClass("SSampleSchema2", 2);
    EXPECT_TRUE(Loads<Schema2>(schemaOk.bytes));
}

TEST(Archive, BigObjectTagZeroIsNull) {
    ByteWriter w;
    w.U16(1).U16(0x7FFF).U32(0).U16(0).U32(0);
    SSampleRecord loaded;
    Load(w.bytes, loaded);
    ASSERT_EQ(loaded.colors.size(), 1u);
    EXPECT_EQ(loaded.colors[0], nullptr);
}

TEST(Archive, NestingDeeperThanTheLimitIsRejected) {
    auto nested = [](int depth) {
        ByteWriter w;
        w.U16(1).NewClass("SSampleGroup");
        for (int i = 1; i < depth; ++i) w.U16(1).U16(0x8001);
        w.U16(0).U16(0);
        for (int i = 1; i < depth; ++i) w.U16(0);
        return w.bytes;
    };
    struct Record {
        std::vector<std::unique_ptr<SSampleGroup>> groups;
        void Serialize(Archive& ar) { ar.ObjectArray(groups); }
    };
    Record ok;
    Load(nested(Archive::kMaxObjectDepth), ok);
    ASSERT_EQ(ok.groups.size(), 1u);
    EXPECT_EQ(ok.groups[0]->children.size(), 1u);
    EXPECT_FALSE(Loads<Record>(nested(Archive::kMaxObjectDepth + 1)));
    EXPECT_FALSE(Loads<Record>(nested(100000 / 4)));
}

TEST(Archive, CloseLeavesTheStreamAfterTheData) {
    Bytes bytes = SampleBytes();
    bytes.push_back(0xAA);
    bytes.push_back(0xBB);
    MemoryStream stream(bytes);
    {
        Archive ar(stream, Archive::Mode::Loading);
        SSampleRecord record;
        record.Serialize(ar);
        EXPECT_EQ(ar.BytesLeft(), 2u);
        ar.Close();
        EXPECT_THROW(ar.ReadU8(), FileException);
    }
    EXPECT_EQ(stream.Position(), bytes.size() - 2);
}

TEST(Archive, StoringGoesThroughTheBuffer) {
    MemoryStream stream(1024);
    {
        Archive ar(stream, Archive::Mode::Storing, 64);
        ar.WriteU32(0x04030201);
        EXPECT_EQ(stream.Size(), 0u) << "bytes should wait in the buffer";
        Bytes big(100, 0x55);
        ar.WriteBytes(big.data(), big.size());  // larger than the buffer: goes straight through
        EXPECT_EQ(stream.Size(), 104u);
        ar.WriteU16(0x0605);
        EXPECT_THROW(ar.ReadU8(), FileException) << "a storing archive cannot load";
    }  // the destructor flushes
    ASSERT_EQ(stream.Size(), 106u);
    EXPECT_EQ(stream.Bytes()[0], 0x01);
    EXPECT_EQ(stream.Bytes()[3], 0x04);
    EXPECT_EQ(stream.Bytes()[104], 0x05);
    EXPECT_EQ(stream.Bytes()[105], 0x06);
}

TEST(Archive, FieldsOfEveryWidthAndSign) {
    struct Record {
        std::int8_t a = 0;
        std::uint8_t b = 0;
        std::int16_t c = 0;
        std::uint16_t d = 0;
        std::int32_t e = 0;
        std::uint32_t f = 0;
        bool g = false;
        std::int32_t h = 0;  // a 32-bit flag kept as one byte
        void Serialize(Archive& ar) {
            ar.Field(a);
            ar.Field(b);
            ar.Field(c);
            ar.Field(d);
            ar.Field(e);
            ar.Field(f);
            ar.Flag(g);
            ar.Flag(h);
        }
    } record{-2, 0xFE, -3, 0xFFFD, -4, 0xFFFFFFFC, true, 7};
    Bytes bytes = Store(record);
    EXPECT_EQ(bytes, (Bytes{0xFE, 0xFE, 0xFD, 0xFF, 0xFD, 0xFF, 0xFC, 0xFF, 0xFF, 0xFF,
                            0xFC, 0xFF, 0xFF, 0xFF, 0x01, 0x01}));
    Record loaded;
    bytes[15] = 0x02;  // any nonzero flag byte loads as set
    Load(bytes, loaded);
    EXPECT_EQ(loaded.a, -2);
    EXPECT_EQ(loaded.b, 0xFE);
    EXPECT_EQ(loaded.c, -3);
    EXPECT_EQ(loaded.d, 0xFFFD);
    EXPECT_EQ(loaded.e, -4);
    EXPECT_EQ(loaded.f, 0xFFFFFFFCu);
    EXPECT_TRUE(loaded.g);
    EXPECT_EQ(loaded.h, 1);
}

TEST(Archive, ClassRegistry) {
    EXPECT_EQ(zw::FindSerialClass("SSampleColor"), &SSampleColor::SerialClassOf());
    EXPECT_EQ(zw::FindSerialClass("SSampleColo"), nullptr);
    EXPECT_TRUE(zw::RegisterSerialClass(SSampleColor::SerialClassOf()));
    static const zw::SerialClass impostor{"SSampleColor", 1, [] {
        return std::unique_ptr<zw::Serializable>(std::make_unique<SSampleMenu>());
    }};
    EXPECT_FALSE(zw::RegisterSerialClass(impostor));
    EXPECT_EQ(zw::FindSerialClass("SSampleColor"), &SSampleColor::SerialClassOf());
}
