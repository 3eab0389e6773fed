// The order in which a stable insertion sort leaves a sequence, found in
// O(n log n) comparisons.
//
// The insertion sort takes each element from the second on as the key and
// moves earlier elements up past it while mustFollow(element, key) holds. So
// a later element ends up before an earlier one exactly when the earlier one
// must follow it, and elements that need not follow each other keep their
// order: for any comparison that is a strict weak ordering that is the order
// of a stable merge sort whose "comes first" test is mustFollow(second, first).
#pragma once

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace zw::strings {

// order[k] is the index in `keys` of the element that the insertion sort puts
// at position k.
template <typename Key, typename MustFollow>
std::vector<std::uint32_t> InsertionSortOrder(std::vector<Key> keys, MustFollow mustFollow) {
    std::vector<std::pair<Key, std::uint32_t>> items;
    items.reserve(keys.size());
    for (size_t i = 0; i < keys.size(); ++i) items.emplace_back(std::move(keys[i]), static_cast<std::uint32_t>(i));
    std::stable_sort(items.begin(), items.end(),
                     [&](const auto& first, const auto& second) { return mustFollow(second.first, first.first); });
    std::vector<std::uint32_t> order;
    order.reserve(items.size());
    for (const auto& item : items) order.push_back(item.second);
    return order;
}

}  // namespace zw::strings
