#include "host/core/prop_block.h"

#include <algorithm>

namespace host {

namespace {

void PutU16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

std::uint32_t GetLE(const std::uint8_t* p, std::size_t bytes) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < bytes; ++i) v |= static_cast<std::uint32_t>(p[i]) << (8 * i);
    return v;
}

}  // namespace

bool PropItems::Set(std::u16string_view name, std::span<const std::uint8_t> bytes) {
    if (name.empty() || name.size() > 0xFFFF || bytes.size() > 0xFFFFFFFFu) return false;
    auto it = std::find_if(items_.begin(), items_.end(), [&](const Item& item) { return item.name == name; });
    if (it == items_.end()) {
        items_.push_back({std::u16string(name), {}});
        it = items_.end() - 1;
    }
    it->bytes.assign(bytes.begin(), bytes.end());
    Rebuild();
    return true;
}

bool PropItems::Remove(std::u16string_view name) {
    auto it = std::find_if(items_.begin(), items_.end(), [&](const Item& item) { return item.name == name; });
    if (it == items_.end()) return false;
    items_.erase(it);
    Rebuild();
    return true;
}

void PropItems::Rebuild() {
    std::vector<std::uint8_t> block;
    for (const Item& item : items_) {
        PutU16(block, static_cast<std::uint32_t>(item.name.size()));
        for (char16_t c : item.name) PutU16(block, c);
        PutU32(block, static_cast<std::uint32_t>(item.bytes.size()));
        block.insert(block.end(), item.bytes.begin(), item.bytes.end());
    }
    block_ = std::move(block);
}

std::optional<PropEntry> PropEntryAt(std::span<const std::uint8_t> block, std::size_t at) {
    const std::size_t size = block.size();
    // Every comparison subtracts from what is left, so no sum can overflow.
    if (at > size || size - at < 2) return std::nullopt;
    const std::size_t nameUnits = GetLE(block.data() + at, 2);
    at += 2;
    if (nameUnits > (size - at) / 2) return std::nullopt;
    PropEntry entry;
    for (std::size_t i = 0; i < nameUnits; ++i) entry.name += static_cast<char16_t>(GetLE(block.data() + at + 2 * i, 2));
    at += nameUnits * 2;
    if (size - at < 4) return std::nullopt;
    const std::size_t length = GetLE(block.data() + at, 4);
    at += 4;
    if (length > size - at) return std::nullopt;
    entry.bytes = block.subspan(at, length);
    entry.next = at + length;
    return entry;
}

std::optional<std::span<const std::uint8_t>> FindPropItem(std::span<const std::uint8_t> block,
                                                          std::u16string_view name) {
    for (auto entry = PropEntryAt(block, 0); entry; entry = PropEntryAt(block, entry->next))
        if (entry->name == name) return entry->bytes;
    return std::nullopt;
}

std::optional<std::uint32_t> ObjectOf(const PropEntry& entry) {
    if (!entry.name.starts_with(kObjectItemPrefix) || entry.bytes.size() != 4) return std::nullopt;
    return GetLE(entry.bytes.data(), 4);
}

}  // namespace host
