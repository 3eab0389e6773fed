// The designer-data loader, driven the way a form-placed control uses it: a
// window created with the host's creation record loads its record at
// WM_CREATE from the item that the replacement host holds for it. The loader
// has no export of its own, so this program links the library's objects.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "frame/designer_data.h"
#include "host/host_test.h"
#include "tests/win/support/designer_items.h"

using Bytes = std::vector<std::uint8_t>;
using zw::Archive;

namespace {

struct STestEntry : zw::Serializable {
    ZW_DECLARE_SERIAL(STestEntry)
    STestEntry() = default;
    STestEntry(std::u16string t, std::uint32_t v) : text(std::move(t)), value(v) {}
    void Serialize(Archive& ar) override {
        if (ar.Version(1) == 0) return;
        ar.String(text);
        ar.Field(value);
    }
    std::u16string text;
    std::uint32_t value = 0;
};
ZW_IMPLEMENT_SERIAL(STestEntry, 1)

// A record shaped like the controls' records; its defaults are one entry
// "first", enabled 1, size 10 and caption "default".
struct TestRecord {
    TestRecord() { entries.push_back(std::make_unique<STestEntry>(u"first", 1)); }
    std::vector<std::unique_ptr<STestEntry>> entries;
    std::int32_t enabled = 1;
    std::int32_t size = 10;
    std::u16string caption = u"default";
    std::uint32_t storeVersion = 2;  // the version Serialize writes

    void Serialize(Archive& ar) {
        ar.ObjectArray(entries);
        std::uint32_t version = ar.Version(storeVersion);
        if (version == 0) return;
        ar.Flag(enabled);
        ar.Field(size);
        if (version < 2) return;
        ar.String(caption);
    }
};

Bytes Store(TestRecord& record) {
    zw::MemoryStream stream(1024);
    Archive ar(stream, Archive::Mode::Storing);
    record.Serialize(ar);
    ar.Close();
    return Bytes(stream.Bytes().begin(), stream.Bytes().end());
}

TestRecord StoredRecord(std::uint32_t version, std::size_t captionLength = 7) {
    TestRecord record;
    record.entries.clear();
    record.entries.push_back(std::make_unique<STestEntry>(u"alpha", 11));
    record.entries.push_back(std::make_unique<STestEntry>(u"beta", 22));
    record.enabled = 0;
    record.size = 42;
    record.caption = std::u16string(captionLength, u'c');
    record.storeVersion = version;
    return record;
}

// What the test window saw at WM_CREATE.
struct Outcome {
    bool loaded = false;
    TestRecord record;
};
std::map<HWND, Outcome> g_outcomes;

const wchar_t kClassName[] = L"ZwDesignerDataTest";
const wchar_t kItemName[] = L"ZW:TestRecord";

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        Outcome& outcome = g_outcomes[window];
        outcome.loaded = zw::LoadDesignerRecord(window, *create, kItemName, outcome.record);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

class DesignerData : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = TestWindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kClassName;
        ASSERT_NE(RegisterClassW(&wc), 0);
    }

    // Creates a window with `creationRecord` as its creation parameter while
    // the host holds `items` for it; returns what it loaded.
    Outcome Create(const void* creationRecord, std::vector<zwtest::DesignerItems::Item> items) {
        zwtest::DesignerItems designer(kClassName, std::move(items));
        HWND window = CreateWindowExW(0, kClassName, L"", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr,
                                      GetModuleHandleW(nullptr), const_cast<void*>(creationRecord));
        EXPECT_NE(window, nullptr);
        EXPECT_EQ(designer.Windows().size(), 1u);
        Outcome outcome = std::move(g_outcomes[window]);
        g_outcomes.erase(window);
        DestroyWindow(window);
        return outcome;
    }
};

void ExpectDefaults(const Outcome& outcome) {
    EXPECT_FALSE(outcome.loaded);
    ASSERT_EQ(outcome.record.entries.size(), 1u);
    EXPECT_EQ(outcome.record.entries[0]->text, u"first");
    EXPECT_EQ(outcome.record.enabled, 1);
    EXPECT_EQ(outcome.record.size, 10);
    EXPECT_EQ(outcome.record.caption, u"default");
}

// The creation record: bit 0 of the byte at offset 4 says there is designer data.
struct CreationRecord {
    BYTE bytes[8];
};
const CreationRecord kWithData = {{0, 0, 0, 0, 0x01, 0, 0, 0}};
const CreationRecord kWithDataAndOtherBits = {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}};
const CreationRecord kWithoutData = {{0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF}};

}  // namespace

TEST_F(DesignerData, CreationWithDataLoadsTheStoredRecord) {
    TestRecord stored = StoredRecord(2);
    const Bytes item = Store(stored);
    for (const CreationRecord* creation : {&kWithData, &kWithDataAndOtherBits}) {
        int releases = HostTestReleaseCount();
        Outcome outcome = Create(creation, {{L"ZW:Other", {1, 2, 3}}, {kItemName, item}});
        EXPECT_TRUE(outcome.loaded);
        ASSERT_EQ(outcome.record.entries.size(), 2u);
        EXPECT_EQ(outcome.record.entries[0]->text, u"alpha");
        EXPECT_EQ(outcome.record.entries[0]->value, 11u);
        EXPECT_EQ(outcome.record.entries[1]->text, u"beta");
        EXPECT_EQ(outcome.record.entries[1]->value, 22u);
        EXPECT_EQ(outcome.record.enabled, 0);
        EXPECT_EQ(outcome.record.size, 42);
        EXPECT_EQ(outcome.record.caption, u"ccccccc");
        EXPECT_EQ(HostTestReleaseCount(), releases + 1) << "the item's host string is given back once";
    }
}

TEST_F(DesignerData, ItemsLargerThanTheArchiveBufferLoad) {
    TestRecord stored = StoredRecord(2, 60000);  // 120 KB of caption: the stream grows many steps
    Outcome outcome = Create(&kWithData, {{kItemName, Store(stored)}});
    EXPECT_TRUE(outcome.loaded);
    EXPECT_EQ(outcome.record.caption, std::u16string(60000, u'c'));
}

TEST_F(DesignerData, OlderVersionsKeepTheLaterFieldsDefault) {
    TestRecord v1 = StoredRecord(1);
    Outcome one = Create(&kWithData, {{kItemName, Store(v1)}});
    EXPECT_TRUE(one.loaded);
    EXPECT_EQ(one.record.entries.size(), 2u);
    EXPECT_EQ(one.record.size, 42);
    EXPECT_EQ(one.record.caption, u"default");

    TestRecord v0 = StoredRecord(0);
    Outcome zero = Create(&kWithData, {{kItemName, Store(v0)}});
    EXPECT_TRUE(zero.loaded);
    EXPECT_EQ(zero.record.entries.size(), 2u) << "the arrays come before the version";
    EXPECT_EQ(zero.record.enabled, 1);
    EXPECT_EQ(zero.record.size, 10);
    EXPECT_EQ(zero.record.caption, u"default");
}

TEST_F(DesignerData, WithoutUsableDataTheDefaultsStay) {
    TestRecord stored = StoredRecord(2);
    const Bytes good = Store(stored);
    Bytes truncated(good.begin(), good.end() - 1);
    Bytes badTag = good;
    badTag[2] = 0x01;  // the first element's tag: an object index naming nothing yet
    badTag[3] = 0x00;
    Bytes hugeCount = good;
    hugeCount[0] = 0xFE;
    hugeCount[1] = 0xFF;
    struct Case {
        const char* what;
        const void* creation;
        std::vector<zwtest::DesignerItems::Item> items;
    };
    const Case cases[] = {
        {"null creation record", nullptr, {{kItemName, good}}},
        {"bit 0 clear", &kWithoutData, {{kItemName, good}}},
        {"no property data", &kWithData, {}},
        {"item missing", &kWithData, {{L"ZW:Other", good}}},
        {"item name differs in case", &kWithData, {{L"zw:testrecord", good}}},
        {"empty item", &kWithData, {{kItemName, {}}}},
        {"item cut short", &kWithData, {{kItemName, truncated}}},
        {"corrupt object tag", &kWithData, {{kItemName, badTag}}},
        {"count beyond the data", &kWithData, {{kItemName, hugeCount}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ExpectDefaults(Create(c.creation, c.items));
    }
}

TEST_F(DesignerData, AFailedLoadLeavesTheCallersRecordAlone) {
    HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    TestRecord stored = StoredRecord(2);
    Bytes truncated = Store(stored);
    truncated.resize(truncated.size() - 3);  // fails after the entries were read
    HostTestSetNamedItem(window, kItemName, truncated.data(), static_cast<DWORD>(truncated.size()));

    TestRecord record;
    record.size = 77;
    EXPECT_FALSE(zw::LoadDesignerRecord(window, &kWithData, kItemName, record));
    EXPECT_EQ(record.size, 77);
    ASSERT_EQ(record.entries.size(), 1u);
    EXPECT_EQ(record.entries[0]->text, u"first");
    HostTestClearPropData(window);
    DestroyWindow(window);
}

TEST(LoadNamedItem, CopiesTheItemBytesIntoTheStream) {
    HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    const Bytes a = {0xFF, 0x00, 0x10, 0x20};
    const Bytes b(5000, 0x5A);
    HostTestSetNamedItem(window, L"ZW:A", a.data(), static_cast<DWORD>(a.size()));
    HostTestSetNamedItem(window, L"ZW:B", b.data(), static_cast<DWORD>(b.size()));
    const void* data = HostGetPropData(window);
    const DWORD length = HostGetPropDataSize(window);
    ASSERT_NE(data, nullptr);
    ASSERT_GT(length, 5004u);

    struct Case {
        const wchar_t* name;
        int result;
        Bytes bytes;
    };
    const Case cases[] = {{L"ZW:A", 1, a}, {L"ZW:B", 1, b}, {L"ZW:C", 0, {}}, {L"ZW:", 0, {}}};
    for (const Case& c : cases) {
        zw::MemoryStream stream(1024);
        int releases = HostTestReleaseCount();
        int live = HostTestLiveStrings();
        EXPECT_EQ(zw::LoadNamedItem(stream, data, length, c.name), c.result);
        EXPECT_EQ(HostTestLiveStrings(), live) << "no host string outlives the load";
        EXPECT_EQ(Bytes(stream.Bytes().begin(), stream.Bytes().end()), c.bytes);
        EXPECT_EQ(stream.Position(), c.bytes.size());
        EXPECT_EQ(HostTestReleaseCount(), releases + c.result);
    }

    // Bad arguments, and a block cut before the item's end.
    zw::MemoryStream stream(1024);
    EXPECT_EQ(zw::LoadNamedItem(stream, nullptr, length, L"ZW:A"), 0);
    EXPECT_EQ(zw::LoadNamedItem(stream, data, 0, L"ZW:A"), 0);
    EXPECT_EQ(zw::LoadNamedItem(stream, data, length, nullptr), 0);
    EXPECT_EQ(zw::LoadNamedItem(stream, data, length - 1, L"ZW:B"), 0);
    EXPECT_EQ(stream.Size(), 0u);

    // A stream that cannot take the bytes counts as a failure; the host
    // string is still given back.
    zw::MemoryStream full(1024);
    full.Seek(zw::MemoryStream::kMaxSize - 2, zw::MemoryStream::Origin::Begin);
    int releases = HostTestReleaseCount();
    EXPECT_EQ(zw::LoadNamedItem(full, data, length, L"ZW:A"), 0);
    EXPECT_EQ(HostTestReleaseCount(), releases + 1);

    HostTestClearPropData(window);
    DestroyWindow(window);
}

TEST(LoadNamedItem, HasDesignerDataReadsBitZeroOfByteFour) {
    struct Case {
        BYTE byte4;
        bool expected;
    };
    const Case cases[] = {{0x00, false}, {0x01, true}, {0x03, true}, {0xFE, false}, {0xFF, true}};
    for (const Case& c : cases) {
        BYTE record[8] = {0xFF, 0xFF, 0xFF, 0xFF, c.byte4, 0, 0, 0};
        EXPECT_EQ(zw::HasDesignerData(record), c.expected) << int(c.byte4);
    }
    EXPECT_FALSE(zw::HasDesignerData(nullptr));
}
