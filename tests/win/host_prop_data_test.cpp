// The replacement host's designer property data operations, called by
// ordinal through corrt51's import library as the library calls them.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "frame/host_api.h"
#include "host/host_test.h"

using Bytes = std::vector<std::uint8_t>;

namespace {

class Window {
public:
    Window() : handle_(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr)) {}
    ~Window() {
        HostTestClearPropData(handle_);
        DestroyWindow(handle_);
    }
    HWND get() const { return handle_; }

private:
    HWND handle_;
};

Bytes BlockOf(HWND window) {
    const auto* data = static_cast<const std::uint8_t*>(HostGetPropData(window));
    DWORD size = HostGetPropDataSize(window);
    return data ? Bytes(data, data + size) : Bytes();
}

// The item's bytes through HostGetNamedProp, or {0xDE, 0xAD} when it fails.
Bytes NamedItem(const void* data, DWORD length, const wchar_t* name) {
    HOSTSTR item = 0;
    if (!HostGetNamedProp(data, length, name, &item)) {
        EXPECT_EQ(item, 0u) << "a failed lookup must not hand out a string";
        return {0xDE, 0xAD};
    }
    DWORD size = 0;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(HostStrLock(item, &size));
    EXPECT_NE(bytes, nullptr);
    EXPECT_GE(size, 1u);
    Bytes result;
    if (bytes && size) {
        EXPECT_EQ(bytes[size - 1], 0) << "the extra byte after the item is 0";
        result.assign(bytes, bytes + size - 1);
    }
    HostTestFreeString(item);
    return result;
}

}  // namespace

TEST(HostPropData, BlockHoldsTheItemsInTheDocumentedLayout) {
    Window window;
    EXPECT_EQ(HostGetPropData(window.get()), nullptr);
    EXPECT_EQ(HostGetPropDataSize(window.get()), 0u);

    const Bytes a = {7, 8, 9};
    HostTestSetNamedItem(window.get(), L"ZW:A", a.data(), 3);
    const Bytes expected = {4, 0, 'Z', 0, 'W', 0, ':', 0, 'A', 0, 3, 0, 0, 0, 7, 8, 9};
    EXPECT_EQ(BlockOf(window.get()), expected);

    // Removing the only item leaves no data at all.
    HostTestSetNamedItem(window.get(), L"ZW:A", nullptr, 0);
    EXPECT_EQ(HostGetPropData(window.get()), nullptr);
    EXPECT_EQ(HostGetPropDataSize(window.get()), 0u);
}

TEST(HostPropData, NamedItemsComeBackWithOneExtraByte) {
    Window window;
    const Bytes a = {1, 2, 3};
    const Bytes big(70000, 0xA5);
    const std::uint8_t none = 0;
    HostTestSetNamedItem(window.get(), L"ZW:Calendar", a.data(), 3);
    HostTestSetNamedItem(window.get(), L"ZW:Big", big.data(), static_cast<DWORD>(big.size()));
    HostTestSetNamedItem(window.get(), L"ZW:Empty", &none, 0);
    const void* data = HostGetPropData(window.get());
    const DWORD length = HostGetPropDataSize(window.get());

    struct Case {
        const wchar_t* name;
        Bytes expected;
    };
    const Case cases[] = {
        {L"ZW:Calendar", a}, {L"ZW:Big", big}, {L"ZW:Empty", {}}, {L"ZW:Cal", {0xDE, 0xAD}},
        {L"ZW:CALENDAR", {0xDE, 0xAD}}, {L"", {0xDE, 0xAD}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NamedItem(data, length, c.name), c.expected) << static_cast<const void*>(c.name);
    }

    HOSTSTR item = 0;
    EXPECT_FALSE(HostGetNamedProp(nullptr, length, L"ZW:Calendar", &item));
    EXPECT_FALSE(HostGetNamedProp(data, length, nullptr, &item));
    EXPECT_FALSE(HostGetNamedProp(data, length, L"ZW:Calendar", nullptr));
    EXPECT_EQ(item, 0u);
}

TEST(HostPropData, ReplacingAnItemKeepsTheOthers) {
    Window window;
    const Bytes one = {1}, two = {2, 2}, three = {3, 3, 3};
    HostTestSetNamedItem(window.get(), L"first", one.data(), 1);
    HostTestSetNamedItem(window.get(), L"second", two.data(), 2);
    HostTestSetNamedItem(window.get(), L"first", three.data(), 3);
    Bytes block = BlockOf(window.get());
    EXPECT_EQ(NamedItem(block.data(), static_cast<DWORD>(block.size()), L"first"), three);
    EXPECT_EQ(NamedItem(block.data(), static_cast<DWORD>(block.size()), L"second"), two);

    HostTestClearPropData(window.get());
    EXPECT_EQ(HostGetPropDataSize(window.get()), 0u);
}

TEST(HostPropData, DesignerStoresThroughItsContext) {
    Window window;
    const DWORD context = static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(window.get()));
    const Bytes bytes = {0xCA, 0xFE};
    EXPECT_TRUE(HostSetNamedProp(context, 0, L"ZW:Splitter", bytes.data(), 2));
    Bytes block = BlockOf(window.get());
    EXPECT_EQ(NamedItem(block.data(), static_cast<DWORD>(block.size()), L"ZW:Splitter"), bytes);

    EXPECT_FALSE(HostSetNamedProp(context, 0, nullptr, bytes.data(), 2));
    EXPECT_FALSE(HostSetNamedProp(context, 0, L"ZW:Splitter", nullptr, 2));
    EXPECT_FALSE(HostSetNamedProp(context, 0, L"", bytes.data(), 2));
    EXPECT_TRUE(HostSetNamedProp(context, 0, L"ZW:Splitter", nullptr, 0)) << "null bytes, length 0 removes";
    EXPECT_EQ(HostGetPropDataSize(window.get()), 0u);
    EXPECT_FALSE(HostSetNamedProp(context, 0, L"ZW:Splitter", nullptr, 0)) << "nothing left to remove";
}

TEST(HostPropData, GarbageBlocksAreReadSafely) {
    // Every prefix of a real block and random blocks (in a buffer exactly as
    // long as claimed) are looked up without reading outside them.
    Window window;
    const Bytes a = {1, 2, 3, 4};
    HostTestSetNamedItem(window.get(), L"ZW:One", a.data(), 4);
    HostTestSetNamedItem(window.get(), L"ZW:Two", a.data(), 4);
    const Bytes block = BlockOf(window.get());
    for (std::size_t cut = 0; cut < block.size(); ++cut) {
        std::vector<std::uint8_t> part(block.begin(), block.begin() + cut);
        Bytes got = NamedItem(part.empty() ? block.data() : part.data(), static_cast<DWORD>(cut), L"ZW:Two");
        EXPECT_EQ(got, (Bytes{0xDE, 0xAD})) << cut;
    }
    std::mt19937 random(51);
    for (int i = 0; i < 2000; ++i) {
        Bytes garbage(1 + random() % 64);
        for (auto& b : garbage) b = static_cast<std::uint8_t>(random() % 4 == 0 ? 0xFF : random() % 8);
        HOSTSTR item = 0;
        if (HostGetNamedProp(garbage.data(), static_cast<DWORD>(garbage.size()), L"\x01", &item)) {
            DWORD size = 0;
            ASSERT_NE(HostStrLock(item, &size), nullptr);
            EXPECT_LE(size, garbage.size());
            HostTestFreeString(item);
        }
    }
}
