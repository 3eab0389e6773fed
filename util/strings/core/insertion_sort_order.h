// The order in which a stable insertion sort leaves a sequence, found in
// O(n log n) comparisons.
//
// The insertion sort takes each element from the second on as the key and
// moves earlier elements up past it while the element must follow the key.
// So a later element ends up before an earlier one exactly when the earlier
// one must follow it, and elements of which neither must follow the other keep
// their order. For a comparison that is a strict weak ordering that is the
// order of the elements sorted by (comparison, original position), which an
// in-place sort finds without the merge buffer of a stable sort.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace zw::strings {

// An element's sort key and its position before sorting. Packed to 4 bytes,
// so that a double and its position take 12 bytes, not 16: on large arrays the
// records' memory is a good part of the cost.
#pragma pack(push, 4)
template <typename Key>
struct Ranked {
    Key key;
    std::uint32_t position;
};
#pragma pack(pop)

// Puts `items` (each a key and its original position, positions 0, 1, ... in
// order) in the order the insertion sort leaves them. `precedence(a, b)` is
// negative when b must follow a, positive when a must follow b, and 0 when
// neither must follow the other.
template <typename Key, typename Precedence>
void SortAsInsertionSort(std::vector<Ranked<Key>>& items, Precedence precedence) {
    std::sort(items.begin(), items.end(), [&](const Ranked<Key>& a, const Ranked<Key>& b) {
        const int order = precedence(a.key, b.key);
        return order < 0 || (order == 0 && a.position < b.position);
    });
}

}  // namespace zw::strings
