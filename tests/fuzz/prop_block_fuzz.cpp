// Fuzz target for the replacement host's property block: looking an item up
// in any bytes stays inside them, and a block built from items answers every
// item with exactly its bytes.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "host/core/prop_block.h"

namespace {

void CheckLookup(std::span<const std::uint8_t> block, std::u16string_view name) {
    auto found = host::FindPropItem(block, name);
    if (found && (found->data() < block.data() || found->data() + found->size() > block.data() + block.size()))
        std::abort();
}

}  // namespace

extern "C" int ZwFuzzSeed(int index, const std::uint8_t** data, std::size_t* size) {
    static const std::vector<std::uint8_t> seed = [] {
        host::PropItems items;
        items.Set(u"ZW:A", std::vector<std::uint8_t>{1, 2, 3});
        items.Set(u"\x01", std::vector<std::uint8_t>(40, 0xFF));
        items.Set(u"\x0101", std::vector<std::uint8_t>{});
        return items.Block();
    }();
    if (index != 0) return 0;
    *data = seed.data();
    *size = seed.size();
    return 1;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::span<const std::uint8_t> input(data, size);
    for (std::u16string_view name : {std::u16string_view(u"ZW:A"), std::u16string_view(u""),
                                     std::u16string_view(u"\x01"), std::u16string_view(u"\x0101")}) {
        CheckLookup(input, name);
    }

    // The same bytes as commands: name length, name units (one byte each),
    // item length, item bytes; a length 0 name removes the previous item.
    host::PropItems items;
    std::map<std::u16string, std::vector<std::uint8_t>> expected;
    std::u16string last;
    std::size_t at = 0;
    while (at < size) {
        std::size_t nameLength = data[at++] % 8;
        if (nameLength == 0) {
            if (items.Remove(last) != (expected.erase(last) == 1)) std::abort();
            continue;
        }
        if (size - at < nameLength + 1) break;
        std::u16string name(data + at, data + at + nameLength);
        at += nameLength;
        std::size_t wanted = data[at++];
        std::size_t itemLength = std::min(wanted, size - at);
        std::vector<std::uint8_t> bytes(data + at, data + at + itemLength);
        at += itemLength;
        if (!items.Set(name, bytes)) std::abort();
        expected[name] = bytes;
        last = name;
    }
    const auto& block = items.Block();
    for (const auto& [name, bytes] : expected) {
        auto found = host::FindPropItem(block, name);
        if (!found || !std::equal(found->begin(), found->end(), bytes.begin(), bytes.end())) std::abort();
    }
    return 0;
}
