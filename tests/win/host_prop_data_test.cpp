// The replacement host's designer property data operations, called by
// ordinal through corrt51's import library as the library calls them. The
// block's layout and lookup rules are checked in tests/core/prop_block_test.cpp;
// here the blocks windows hold and the host strings items come back in.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "frame/host_api.h"
#include "host/host_test.h"

using Bytes = std::vector<std::uint8_t>;

namespace {

const Bytes kFailed = {0xDE, 0xAD};

// A window whose designer data goes with it.
struct Window {
    HWND handle = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ~Window() {
        HostTestClearPropData(handle);
        DestroyWindow(handle);
    }
};

Bytes BlockOf(HWND window) {
    const auto* data = static_cast<const std::uint8_t*>(HostGetPropData(window));
    return data ? Bytes(data, data + HostGetPropDataSize(window)) : Bytes();
}

// The item's bytes through HostGetNamedProp, or kFailed when it fails.
Bytes NamedItem(const void* data, DWORD length, const wchar_t* name) {
    HOSTSTR item = 0;
    if (!HostGetNamedProp(data, length, name, &item)) {
        EXPECT_EQ(item, 0u) << "a failed lookup must not hand out a string";
        return kFailed;
    }
    DWORD size = 0;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(HostStrLock(item, &size));
    Bytes result = bytes ? Bytes(bytes, bytes + size) : Bytes();
    HostTestFreeString(item);
    EXPECT_TRUE(!result.empty() && result.back() == 0) << "the host adds a 0 byte after the item";
    if (!result.empty()) result.pop_back();
    return result;
}

Bytes NamedItem(const Bytes& block, const wchar_t* name) {
    return NamedItem(block.data(), static_cast<DWORD>(block.size()), name);
}

}  // namespace

TEST(HostPropData, WindowsHoldBlocksOfNamedItems) {
    Window window;
    EXPECT_EQ(HostGetPropData(window.handle), nullptr);
    EXPECT_EQ(HostGetPropDataSize(window.handle), 0u);
    const Bytes a = {7, 8, 9};
    HostTestSetNamedItem(window.handle, L"ZW:A", a.data(), 3);
    EXPECT_EQ(BlockOf(window.handle), (Bytes{4, 0, 'Z', 0, 'W', 0, ':', 0, 'A', 0, 3, 0, 0, 0, 7, 8, 9}));
    HostTestSetNamedItem(window.handle, L"ZW:A", nullptr, 0);
    EXPECT_EQ(HostGetPropData(window.handle), nullptr) << "removing the only item leaves no data";
    EXPECT_EQ(HostGetPropDataSize(window.handle), 0u);
}

TEST(HostPropData, NamedItemsComeBackWithOneExtraByte) {
    Window window;
    const Bytes a = {1, 2, 3}, big(70000, 0xA5), replaced = {4, 4};
    const std::uint8_t none = 0;
    HostTestSetNamedItem(window.handle, L"ZW:Calendar", a.data(), 3);
    HostTestSetNamedItem(window.handle, L"ZW:Big", big.data(), static_cast<DWORD>(big.size()));
    HostTestSetNamedItem(window.handle, L"ZW:Empty", &none, 0);
    HostTestSetNamedItem(window.handle, L"ZW:Calendar", replaced.data(), 2);
    const Bytes block = BlockOf(window.handle);
    const struct { const wchar_t* name; Bytes expected; } cases[] = {
        {L"ZW:Calendar", replaced}, {L"ZW:Big", big}, {L"ZW:Empty", {}}, {L"ZW:Cal", kFailed}, {L"", kFailed}};
    for (const auto& c : cases) EXPECT_EQ(NamedItem(block, c.name), c.expected) << c.name;
    EXPECT_EQ(NamedItem(block.data(), static_cast<DWORD>(block.size() - 1), L"ZW:Empty"), kFailed) << "cut short";

    HOSTSTR item = 0;
    EXPECT_FALSE(HostGetNamedProp(nullptr, 16, L"ZW:Calendar", &item));
    EXPECT_FALSE(HostGetNamedProp(block.data(), static_cast<DWORD>(block.size()), nullptr, &item));
    EXPECT_FALSE(HostGetNamedProp(block.data(), static_cast<DWORD>(block.size()), L"ZW:Calendar", nullptr));
    EXPECT_EQ(item, 0u);
    HostTestClearPropData(window.handle);
    EXPECT_EQ(HostGetPropDataSize(window.handle), 0u);
}

TEST(HostPropData, DesignerStoresThroughItsContext) {
    Window window;
    const DWORD context = static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(window.handle));
    const Bytes bytes = {0xCA, 0xFE};
    EXPECT_TRUE(HostSetNamedProp(context, 0, L"ZW:Splitter", bytes.data(), 2));
    EXPECT_EQ(NamedItem(BlockOf(window.handle), L"ZW:Splitter"), bytes);

    EXPECT_FALSE(HostSetNamedProp(context, 0, nullptr, bytes.data(), 2));
    EXPECT_FALSE(HostSetNamedProp(context, 0, L"ZW:Splitter", nullptr, 2));
    EXPECT_FALSE(HostSetNamedProp(context, 0, L"", bytes.data(), 2));
    EXPECT_TRUE(HostSetNamedProp(context, 0, L"ZW:Splitter", nullptr, 0)) << "null bytes, length 0 removes";
    EXPECT_EQ(HostGetPropDataSize(window.handle), 0u);
    EXPECT_FALSE(HostSetNamedProp(context, 0, L"ZW:Splitter", nullptr, 0)) << "nothing left to remove";
}
