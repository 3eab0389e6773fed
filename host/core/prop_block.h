// The replacement host's designer property block: the opaque bytes that
// HostGetPropData hands out for a window, holding the window's named items.
//
// Layout (little-endian), one entry per item, in the order the items were
// first stored, with nothing before, between or after them:
//   u16  name length in UTF-16 units
//   ...  the name, UTF-16, no terminator
//   u32  item length in bytes
//   ...  the item's bytes
// Names compare exactly (case matters). A block of 0 bytes has no items.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace host {

// The items of one window, kept with the block built from them.
class PropItems {
public:
    // Stores or replaces an item; false when the name does not fit the
    // layout (empty, or longer than 0xFFFF units) or the item is over 4 GB.
    bool Set(std::u16string_view name, std::span<const std::uint8_t> bytes);
    // Removes an item; false when there was none.
    bool Remove(std::u16string_view name);
    bool Empty() const { return items_.empty(); }
    // The block: valid until the next Set or Remove.
    const std::vector<std::uint8_t>& Block() const { return block_; }

private:
    struct Item {
        std::u16string name;
        std::vector<std::uint8_t> bytes;
    };
    void Rebuild();

    std::vector<Item> items_;
    std::vector<std::uint8_t> block_;
};

// The bytes of item `name` in a block, or nothing when the block has no such
// item. A block that is cut short or malformed is read only as far as its
// entries are whole: the walk never reads outside `block`.
std::optional<std::span<const std::uint8_t>> FindPropItem(std::span<const std::uint8_t> block,
                                                          std::u16string_view name);

// One whole item of a block, as a walk over the block meets it.
struct PropEntry {
    std::u16string name;
    std::span<const std::uint8_t> bytes;
    std::size_t next = 0;  // offset of the entry after it (the block's size at the end)
};
// The item whose entry starts at `offset`, or nothing when no whole entry
// starts there.
std::optional<PropEntry> PropEntryAt(std::span<const std::uint8_t> block, std::size_t offset);

// Items that attach a child object to the block's window: the name begins
// with "Object:" and the 4 bytes hold the child window's 32-bit handle.
inline constexpr std::u16string_view kObjectItemPrefix = u"Object:";
// The window handle of an object item, or nothing for any other item.
std::optional<std::uint32_t> ObjectOf(const PropEntry& entry);

}  // namespace host
