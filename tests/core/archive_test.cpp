#include "frame/core/archive.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "tests/core/sample_record.h"

using zw::Archive;
using zw::FileException;
using zw::MemoryStream;
using Bytes = std::vector<std::uint8_t>;

namespace {

// Builds expected archive bytes.
struct ByteWriter {
    Bytes bytes;
    ByteWriter& U8(std::uint8_t v) { bytes.push_back(v); return *this; }
    ByteWriter& U16(std::uint16_t v) { return U8(v & 0xFF).U8(v >> 8); }
    ByteWriter& U32(std::uint32_t v) { return U16(v & 0xFFFF).U16(v >> 16); }
    ByteWriter& Ascii(std::string_view s) { bytes.insert(bytes.end(), s.begin(), s.end()); return *this; }
    ByteWriter& Chars(std::u16string_view s) { for (char16_t c : s) U16(c); return *this; }
    // A short string (below 255 characters) in the archive's form.
    ByteWriter& Str(std::u16string_view s) {
        return U8(0xFF).U16(0xFFFE).U8(static_cast<std::uint8_t>(s.size())).Chars(s);
    }
    ByteWriter& NewClass(std::string_view name, std::uint16_t schema = 1) {
        return U16(0xFFFF).U16(schema).U16(static_cast<std::uint16_t>(name.size())).Ascii(name);
    }
};

struct TextRecord {
    std::u16string text;
    void Serialize(Archive& ar) { ar.String(text); }
};

template <typename Record>
Bytes Store(Record&& record, std::size_t bufferSize = Archive::kDefaultBufferSize) {
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
        Load(bytes, record);
    } catch (const FileException&) {
        return false;
    }
    return true;
}

template <typename Record>
void ExpectEveryPrefixRejected(const Bytes& whole) {
    ASSERT_TRUE(Loads<Record>(whole));
    for (std::size_t cut = 0; cut < whole.size(); ++cut)
        EXPECT_FALSE(Loads<Record>(Bytes(whole.begin(), whole.begin() + cut))) << cut << " of " << whole.size();
}

// The bytes of SampleRecord(): indices 1 SSampleColor, 2 and 3 its objects
// (the null takes none), 4 SSampleGroup, 5 and 6 its objects, 7 the nested
// colour, 8 SSampleMenu, 9 and 10 its objects.
Bytes SampleBytes() {
    ByteWriter w;
    w.U16(3).NewClass("SSampleColor").U32(1).U32(0x0000FF).U16(0x8001).U32(1).U32(0x00FF00).U16(0);
    w.U16(1).NewClass("SSampleGroup", 2).U16(1).U16(0x8004).U16(0).U16(0).U16(1).U16(0x8001).U32(1).U32(3);
    w.U16(2).NewClass("SSampleMenu").U32(1).Str(u"Open").U16(7).U16(0x8008).U32(1).Str(u"Close").U16(9);
    w.U32(2).U8(1).U8(0).U32(12).Str(u"Tints");
    return w.bytes;
}

}  // namespace

TEST(Archive, SampleRecordWritesExactBytesAndReadsBack) {
    for (std::size_t bufferSize : {std::size_t{16}, std::size_t{20}, Archive::kDefaultBufferSize}) {
        SCOPED_TRACE(bufferSize);
        EXPECT_EQ(Store(SampleRecord(), bufferSize), SampleBytes());
        SSampleRecord loaded;
        loaded.colors.push_back(std::make_unique<SSampleColor>(1));  // replaced, not appended to
        Load(SampleBytes(), loaded, bufferSize);
        EXPECT_EQ(Describe(loaded), "[255 65280 null][{[{[][]}][3]}][Open=7 Close=9] 1 0 12 Tints");
    }
}

TEST(Archive, LongCountsAndBigClassIndices) {
    // 70000 colours take indices 2..70001 and a count in the long form; the
    // menu class then gets index 70002, past what 0x8000 | index can hold,
    // so its second object uses 7FFF + 80000000 | index.
    SSampleRecord record;
    for (std::uint32_t i = 0; i < 70000; ++i) record.colors.push_back(std::make_unique<SSampleColor>(i));
    record.menus.push_back(std::make_unique<SSampleMenu>(u"a", 1));
    record.menus.push_back(std::make_unique<SSampleMenu>(u"b", 2));
    const Bytes bytes = Store(record);

    const Bytes head =
        ByteWriter().U16(0xFFFF).U32(70000).NewClass("SSampleColor").U32(1).U32(0).U16(0x8001).U32(1).U32(1).bytes;
    ByteWriter tail;
    tail.U16(2).NewClass("SSampleMenu").U32(1).Str(u"a").U16(1);
    tail.U16(0x7FFF).U32(0x80000000u | 70002).U32(1).Str(u"b").U16(2).U32(2).U8(0).U8(1).U32(8).Str(u"untitled");
    ASSERT_GT(bytes.size(), head.size() + tail.bytes.size());
    EXPECT_TRUE(std::equal(head.begin(), head.end(), bytes.begin()));
    EXPECT_TRUE(std::equal(tail.bytes.begin(), tail.bytes.end(), bytes.end() - tail.bytes.size()));

    SSampleRecord loaded;
    Load(bytes, loaded);
    ASSERT_EQ(loaded.colors.size(), 70000u);
    EXPECT_EQ(loaded.colors[69999]->color, 69999u);
    EXPECT_EQ(Describe(loaded.menus), "[a=1 b=2]");
}

TEST(Archive, StringLengthForms) {
    const struct { std::size_t length; Bytes header; } cases[] = {  // header: all before the characters
        {0, {0xFF, 0xFE, 0xFF, 0x00}}, {1, {0xFF, 0xFE, 0xFF, 0x01}}, {254, {0xFF, 0xFE, 0xFF, 0xFE}},
        {255, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0x00}}, {256, {0xFF, 0xFE, 0xFF, 0xFF, 0x00, 0x01}},
        {65533, {0xFF, 0xFE, 0xFF, 0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {65535, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        std::u16string text(c.length, u'x');
        for (std::size_t i = 0; i < c.length; ++i) text[i] = static_cast<char16_t>(0x4E00 + i % 500);
        const Bytes expected = ByteWriter{c.header}.Chars(text).bytes;
        EXPECT_EQ(Store(TextRecord{text}), expected);
        TextRecord loaded{u"previous"};
        Load(expected, loaded, 16);
        EXPECT_EQ(loaded.text, text);
    }
}

TEST(Archive, ReadsEightBitStrings) {
    // The older form without the FF FFFE marker: 8-bit characters.
    const struct { Bytes bytes; std::u16string text; } cases[] = {
        {{0x00}, u""},
        {{0x03, 'a', 'b', 0xE9}, u"ab\u00E9"},
        {ByteWriter().U8(0xFF).U16(300).Ascii(std::string(300, 'q')).bytes, std::u16string(300, u'q')},
        {ByteWriter().U8(0xFF).U16(0xFFFF).U32(70000).Ascii(std::string(70000, 'z')).bytes,
         std::u16string(70000, u'z')},
        // In the UTF-16 form a 16-bit FFFE after the marker is a length.
        {ByteWriter().U8(0xFF).U16(0xFFFE).U8(0xFF).U16(0xFFFE).Chars(std::u16string(0xFFFE, u'w')).bytes,
         std::u16string(0xFFFE, u'w')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.size());
        MemoryStream stream(c.bytes);
        Archive ar(stream, Archive::Mode::Loading);
        EXPECT_EQ(ar.ReadString(), c.text);
        EXPECT_EQ(ar.BytesLeft(), 0u);
    }
}

TEST(Archive, OlderVersionsAndNullFormsLoad) {
    const Bytes arrays = ByteWriter().U16(1).NewClass("SSampleColor").U32(1).U32(5).U16(0).U16(0).bytes;
    const struct { const char* what; Bytes bytes; const char* loaded; } cases[] = {
        {"version 1 had no title", ByteWriter{arrays}.U32(1).U8(1).U8(0).U32(20).bytes, "[5][][] 1 0 20 untitled"},
        {"version 0: nothing follows", ByteWriter{arrays}.U32(0).bytes, "[5][][] 0 1 8 untitled"},
        {"a newer version is read as far as known", ByteWriter{arrays}.U32(3).U8(0).U8(1).U32(4).Str(u"new").bytes,
         "[5][][] 0 1 4 new"},
        {"an element of version 0 keeps its defaults",
         ByteWriter().U16(2).NewClass("SSampleColor").U32(0).U16(0x8001).U32(1).U32(5).U16(0).U16(0).U32(0).bytes,
         "[11259375 5][][] 0 1 8 untitled"},
        {"a big object tag 0 is null", ByteWriter().U16(1).U16(0x7FFF).U32(0).U16(0).U16(0).U32(0).bytes,
         "[null][][] 0 1 8 untitled"},
    };
    for (const auto& c : cases) {
        SSampleRecord loaded;
        Load(c.bytes, loaded);
        EXPECT_EQ(Describe(loaded), c.loaded) << c.what;
    }
}

TEST(Archive, TruncationAtEveryOffsetIsRejected) {
    ExpectEveryPrefixRejected<SSampleRecord>(SampleBytes());
    ExpectEveryPrefixRejected<TextRecord>(Store(TextRecord{std::u16string(300, u'k')}));  // a long length
}

TEST(Archive, CorruptTagsAndCountsAreRejected) {
    // Offsets in SampleBytes(): the colour array's count at 0, the first class
    // tag at 2, its schema at 4, its name length at 6, the second colour's tag
    // at 28, the group class's schema at 44.
    const Bytes sample = SampleBytes();
    ASSERT_EQ(sample[28], 0x01);
    ASSERT_EQ(sample[29], 0x80);
    ASSERT_EQ(sample[44], 0x02);
    auto patched = [&](std::size_t at, Bytes with) {
        Bytes b = sample;
        std::copy(with.begin(), with.end(), b.begin() + at);
        return b;
    };
    auto replaced = [&](std::size_t at, Bytes with) {  // the 16 bits at `at` become `with`
        Bytes b = sample;
        b.erase(b.begin() + at, b.begin() + at + 2);
        b.insert(b.begin() + at, with.begin(), with.end());
        return b;
    };
    const struct { const char* what; Bytes bytes; } cases[] = {
        {"object index naming a class", patched(28, {0x01, 0x00})},
        {"back-reference to the first colour", patched(28, {0x02, 0x00})},
        {"object index past the map", patched(28, {0x09, 0x00})},
        {"class index naming an object", patched(28, {0x02, 0x80})},
        {"class index past the map", patched(28, {0x05, 0x80})},
        {"class index 0", patched(28, {0x00, 0x80})},
        {"big back-reference", replaced(28, {0xFF, 0x7F, 0x02, 0x00, 0x00, 0x00})},
        {"big class index past the map", replaced(28, {0xFF, 0x7F, 0x09, 0x00, 0x00, 0x80})},
        {"unknown class name", patched(8, {'X'})},
        {"schema 2 for a class of schema 1", patched(4, {0x02, 0x00})},
        {"schema 1 for a class of schema 2", patched(44, {0x01, 0x00})},
        {"class name length 0", patched(6, {0x00, 0x00})},
        {"class name length too long", patched(6, {0x41, 0x00})},
        {"class name length past the end", patched(6, {0xFF, 0x00})},
        {"menu in the colour array",
         ByteWriter().U16(1).NewClass("SSampleMenu").U32(1).Str(u"x").U16(1).U16(0).U16(0).U32(0).bytes},
        {"count larger than the data", patched(0, {0xF0, 0xFF})},
        {"long count larger than the data", replaced(0, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})},
        {"long count of 0x7FFFFFFF", replaced(0, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F})},
        {"string length past the end", patched(sample.size() - 11, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F})},
    };
    for (const auto& c : cases) EXPECT_FALSE(Loads<SSampleRecord>(c.bytes)) << c.what;
}

TEST(Archive, NestingDeeperThanTheLimitIsRejected) {
    auto nested = [](int depth) {
        ByteWriter w;
        w.U16(0).U16(1).NewClass("SSampleGroup", 2);
        for (int i = 1; i < depth; ++i) w.U16(1).U16(0x8001);
        w.U16(0).U16(0);
        for (int i = 1; i < depth; ++i) w.U16(0);
        return w.U16(0).U32(0).bytes;
    };
    SSampleRecord deepest;
    Load(nested(Archive::kMaxObjectDepth), deepest);
    EXPECT_EQ(Describe(deepest.groups).substr(0, 8), "[{[{[{[{");
    EXPECT_FALSE(Loads<SSampleRecord>(nested(Archive::kMaxObjectDepth + 1)));
    EXPECT_FALSE(Loads<SSampleRecord>(nested(100000 / 4)));
}

TEST(Archive, CloseLeavesTheStreamAfterTheData) {
    Bytes bytes = SampleBytes();
    bytes.insert(bytes.end(), {0xAA, 0xBB});
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
        const Bytes big(100, 0x55);
        ar.WriteBytes(big.data(), big.size());  // larger than the buffer: goes straight through
        EXPECT_EQ(stream.Size(), 104u);
        ar.WriteU16(0x0605);
        EXPECT_THROW(ar.ReadU8(), FileException) << "a storing archive cannot load";
    }  // the destructor flushes
    EXPECT_EQ(Bytes(stream.Bytes().begin(), stream.Bytes().end()),
              ByteWriter().U32(0x04030201).Ascii(std::string(100, 0x55)).U16(0x0605).bytes);
}

TEST(Archive, FieldsOfEveryWidthAndSign) {
    struct Record {  // h: a 32-bit flag kept as one byte
        std::int8_t a; std::uint8_t b; std::int16_t c; std::uint16_t d; std::int32_t e; std::uint32_t f; bool g;
        std::int32_t h;
        void Serialize(Archive& ar) {
            ar.Field(a); ar.Field(b); ar.Field(c); ar.Field(d); ar.Field(e); ar.Field(f);
            ar.Flag(g); ar.Flag(h);
        }
    };
    Bytes bytes = Store(Record{-2, 0xFE, -3, 0xFFFD, -4, 0xFFFFFFFC, true, 7});
    EXPECT_EQ(bytes, (Bytes{0xFE, 0xFE, 0xFD, 0xFF, 0xFD, 0xFF, 0xFC, 0xFF, 0xFF, 0xFF, 0xFC, 0xFF, 0xFF, 0xFF, 1,
                            1}));
    Record loaded{};
    bytes[15] = 0x02;  // any nonzero flag byte loads as set
    Load(bytes, loaded);
    EXPECT_EQ(std::make_tuple(loaded.a, loaded.b, loaded.c, loaded.d, loaded.e, loaded.f, loaded.g, loaded.h),
              std::make_tuple(std::int8_t{-2}, std::uint8_t{0xFE}, std::int16_t{-3}, std::uint16_t{0xFFFD}, -4,
                              0xFFFFFFFCu, true, 1));
}

TEST(Archive, ClassRegistry) {
    EXPECT_EQ(zw::FindSerialClass("SSampleColor"), &SSampleColor::SerialClassOf());
    EXPECT_EQ(zw::FindSerialClass("SSampleColo"), nullptr);
    EXPECT_TRUE(zw::RegisterSerialClass(SSampleColor::SerialClassOf())) << "the same class again";
    static const zw::SerialClass impostor{"SSampleColor", 1, [] {
        return std::unique_ptr<zw::Serializable>(std::make_unique<SSampleMenu>());
    }};
    EXPECT_FALSE(zw::RegisterSerialClass(impostor));
    EXPECT_EQ(zw::FindSerialClass("SSampleColor"), &SSampleColor::SerialClassOf());
}
