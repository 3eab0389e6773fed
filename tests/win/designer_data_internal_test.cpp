// The designer-data loader, driven the way a form-placed control uses it: a
// window created with the host's creation record loads its record at
// WM_CREATE from the item that the replacement host holds for it. The archive
// format itself is checked in tests/core/archive_test.cpp. The loader has no
// export of its own, so this program links the library's objects.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/designer_data.h"
#include "host/host_test.h"
#include "tests/core/sample_record.h"
#include "tests/win/support/designer_items.h"

using Bytes = std::vector<std::uint8_t>;

namespace {

const wchar_t kClassName[] = L"ZwDesignerDataTest";
const wchar_t kItemName[] = L"ZW:TestRecord";
// Creation records: bit 0 of the byte at offset 4 says there is designer data.
const BYTE kWithData[8] = {0, 0, 0, 0, 0x01, 0, 0, 0};
const BYTE kWithDataAndOtherBits[8] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
const BYTE kWithoutData[8] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF};

// What the last test window saw at WM_CREATE.
struct Outcome {
    bool loaded = false;
    SSampleRecord record;
} g_outcome;

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        g_outcome.loaded = zw::LoadDesignerRecord(window, *reinterpret_cast<const CREATESTRUCTW*>(lParam), kItemName,
                                                  g_outcome.record);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// Creates a window with `creationRecord` as its creation parameter while the
// host holds `items` for it; returns what it loaded.
Outcome Create(const void* creationRecord, std::vector<zwtest::DesignerItems::Item> items) {
    static const ATOM registered = [] {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = TestWindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kClassName;
        return RegisterClassW(&wc);
    }();
    EXPECT_NE(registered, 0);
    g_outcome = Outcome();
    zwtest::DesignerItems designer(kClassName, std::move(items));
    HWND window = CreateWindowExW(0, kClassName, L"", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), const_cast<void*>(creationRecord));
    EXPECT_NE(window, nullptr);
    EXPECT_EQ(designer.Windows().size(), 1u);
    DestroyWindow(window);
    return std::move(g_outcome);
}

// The sample record with a title of 3000 characters: an item larger than the
// loader's stream step and archive buffer.
SSampleRecord BigRecord() {
    SSampleRecord record = SampleRecord();
    record.title.assign(3000, u'c');
    return record;
}

Bytes StoredItem() {
    SSampleRecord record = BigRecord();
    zw::MemoryStream stream;
    zw::Archive ar(stream, zw::Archive::Mode::Storing);
    record.Serialize(ar);
    ar.Close();
    return Bytes(stream.Bytes().begin(), stream.Bytes().end());
}

}  // namespace

TEST(DesignerData, CreationWithDataLoadsTheStoredRecord) {
    for (const BYTE* creation : {kWithData, kWithDataAndOtherBits}) {
        const int releases = HostTestReleaseCount();
        const Outcome outcome = Create(creation, {{L"ZW:Other", {1, 2, 3}}, {kItemName, StoredItem()}});
        EXPECT_TRUE(outcome.loaded);
        EXPECT_EQ(Describe(outcome.record), Describe(BigRecord()));
        EXPECT_EQ(HostTestReleaseCount(), releases + 1) << "the item's host string is given back once";
    }
}

TEST(DesignerData, WithoutUsableDataTheDefaultsStay) {
    const Bytes good = StoredItem();
    const Bytes truncated(good.begin(), good.end() - 1);  // fails after the arrays were read
    Bytes badTag = good, hugeCount = good;
    badTag[2] = 0x01;  // the first element's tag: an object index naming nothing yet
    badTag[3] = 0x00;
    hugeCount[0] = 0xFE;
    hugeCount[1] = 0xFF;
    using Items = std::vector<zwtest::DesignerItems::Item>;
    const struct { const char* what; const void* creation; Items items; } cases[] = {
        {"null creation record", nullptr, {{kItemName, good}}},
        {"bit 0 clear", kWithoutData, {{kItemName, good}}},
        {"no property data", kWithData, {}},
        {"item missing", kWithData, {{L"ZW:Other", good}}},
        {"item name differs in case", kWithData, {{L"zw:testrecord", good}}},
        {"empty item", kWithData, {{kItemName, {}}}},
        {"item cut short", kWithData, {{kItemName, truncated}}},
        {"corrupt object tag", kWithData, {{kItemName, badTag}}},
        {"count beyond the data", kWithData, {{kItemName, hugeCount}}},
    };
    for (const auto& c : cases) {
        const Outcome outcome = Create(c.creation, c.items);
        EXPECT_FALSE(outcome.loaded) << c.what;
        EXPECT_EQ(Describe(outcome.record), Describe(SSampleRecord())) << c.what;
    }
}

TEST(LoadNamedItem, CopiesTheItemBytesIntoTheStream) {
    HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    const Bytes a = {0xFF, 0x00, 0x10, 0x20};
    HostTestSetNamedItem(window, L"ZW:A", a.data(), static_cast<DWORD>(a.size()));
    const void* data = HostGetPropData(window);
    const DWORD length = HostGetPropDataSize(window);
    ASSERT_NE(data, nullptr);

    const struct { const wchar_t* name; int result; Bytes bytes; } cases[] = {{L"ZW:A", 1, a}, {L"ZW:C", 0, {}}};
    for (const auto& c : cases) {
        zw::MemoryStream stream;
        const int releases = HostTestReleaseCount(), live = HostTestLiveStrings();
        EXPECT_EQ(zw::LoadNamedItem(stream, data, length, c.name), c.result);
        EXPECT_EQ(HostTestLiveStrings(), live) << "no host string outlives the load";
        EXPECT_EQ(HostTestReleaseCount(), releases + c.result);
        EXPECT_EQ(Bytes(stream.Bytes().begin(), stream.Bytes().end()), c.bytes);
        EXPECT_EQ(stream.Position(), c.bytes.size());
    }

    // Bad arguments, and a block cut before the item's end.
    zw::MemoryStream stream;
    EXPECT_EQ(zw::LoadNamedItem(stream, nullptr, length, L"ZW:A"), 0);
    EXPECT_EQ(zw::LoadNamedItem(stream, data, 0, L"ZW:A"), 0);
    EXPECT_EQ(zw::LoadNamedItem(stream, data, length, nullptr), 0);
    EXPECT_EQ(zw::LoadNamedItem(stream, data, length - 1, L"ZW:A"), 0);
    EXPECT_EQ(stream.Size(), 0u);

    // A stream that cannot take the bytes is a failure; the host string is
    // still given back.
    stream.Seek(zw::MemoryStream::kMaxSize - 2, zw::MemoryStream::Origin::Begin);
    const int releases = HostTestReleaseCount();
    EXPECT_EQ(zw::LoadNamedItem(stream, data, length, L"ZW:A"), 0);
    EXPECT_EQ(HostTestReleaseCount(), releases + 1);
    HostTestClearPropData(window);
    DestroyWindow(window);
}

TEST(LoadNamedItem, HasDesignerDataReadsBitZeroOfByteFour) {
    const struct { BYTE byte4; bool expected; } cases[] = {
        {0x00, false}, {0x01, true}, {0x03, true}, {0xFE, false}, {0xFF, true}};
    for (const auto& c : cases) {
        const BYTE record[8] = {0xFF, 0xFF, 0xFF, 0xFF, c.byte4, 0, 0, 0};
        EXPECT_EQ(zw::HasDesignerData(record), c.expected) << int(c.byte4);
    }
    EXPECT_FALSE(zw::HasDesignerData(nullptr));
}
