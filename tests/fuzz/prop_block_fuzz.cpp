// Fuzz target for the replacement host's property block: looking an item up
// in any bytes stays inside them, and a block built from items answers every
// item with exactly its bytes.
#include <algorithm>
#include <cstdlib>
#include <map>

#include "host/core/prop_block.h"

using Bytes = std::vector<std::uint8_t>;

extern "C" int ZwFuzzSeed(int index, const std::uint8_t** data, std::size_t* size) {
    static const Bytes seed = [] {
        host::PropItems items;
        items.Set(u"ZW:A", Bytes{1, 2, 3});
        items.Set(u"\x01", Bytes(40, 0xFF));
        items.Set(u"\x0101", Bytes{});
        return items.Block();
    }();
    *data = seed.data();
    *size = seed.size();
    return index == 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> input(data, size);
    for (std::u16string_view name : {u"ZW:A", u"", u"\x01", u"\x0101"}) {
        const auto found = host::FindPropItem(input, name);
        if (found && (found->data() < data || found->data() + found->size() > data + size)) std::abort();
    }

    // The same bytes as commands: name length, name units (one byte each),
    // item length, item bytes; a length 0 name removes the previous item.
    host::PropItems items;
    std::map<std::u16string, Bytes> expected;
    std::u16string last;
    for (std::size_t at = 0; at < size;) {
        const std::size_t nameLength = data[at++] % 8;
        if (nameLength == 0) {
            if (items.Remove(last) != (expected.erase(last) == 1)) std::abort();
            continue;
        }
        if (size - at < nameLength + 1) break;
        last.assign(data + at, data + at + nameLength);
        at += nameLength;
        const std::size_t wanted = data[at++];
        const std::size_t itemLength = std::min(wanted, size - at);
        const Bytes bytes(data + at, data + at + itemLength);
        at += itemLength;
        if (!items.Set(last, bytes)) std::abort();
        expected[last] = bytes;
    }
    for (const auto& [name, bytes] : expected) {
        const auto found = host::FindPropItem(items.Block(), name);
        if (!found || !std::equal(found->begin(), found->end(), bytes.begin(), bytes.end())) std::abort();
    }
    return 0;
}
