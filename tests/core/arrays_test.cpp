// Portable parts of the array functions: the stable insertion-sort order and
// host number equality.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "util/strings/core/insertion_sort_order.h"
#include "util/strings/core/number_equality.h"

using namespace zw::strings;

namespace {

// The insertion sort's order through SortAsInsertionSort: order[k] is the
// original position of the element that ends at position k.
template <typename Key, typename Precedence>
std::vector<std::uint32_t> InsertionSortOrder(const std::vector<Key>& keys, Precedence precedence) {
    std::vector<Ranked<Key>> items;
    for (std::uint32_t i = 0; i < keys.size(); ++i) items.push_back({keys[i], i});
    SortAsInsertionSort(items, precedence);
    std::vector<std::uint32_t> order;
    for (const auto& item : items) order.push_back(item.position);
    return order;
}

// The sort as specified, element by element, for comparison: an element moves
// past the key while it must follow it.
template <typename Key, typename Precedence>
std::vector<std::uint32_t> LiteralInsertionSort(const std::vector<Key>& keys, Precedence precedence) {
    const auto mustFollow = [&](const Key& element, const Key& key) { return precedence(key, element) < 0; };
    std::vector<std::uint32_t> order(keys.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = std::uint32_t(i);
    for (size_t i = 1; i < order.size(); ++i) {
        const std::uint32_t key = order[i];
        size_t j = i;
        for (; j > 0 && mustFollow(keys[order[j - 1]], keys[key]); --j) order[j] = order[j - 1];
        order[j] = key;
    }
    return order;
}

char Folded(char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; }
// Case-insensitive three-way comparison standing in for the system's.
int CompareFolded(const std::string& a, const std::string& b) {
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if (Folded(a[i]) != Folded(b[i])) return Folded(a[i]) < Folded(b[i]) ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

}  // namespace

TEST(InsertionSortOrder, MatchesTheInsertionSortOnManyEqualKeys) {
    std::mt19937 random(7);
    for (int round = 0; round < 50; ++round) {
        std::vector<double> numbers(size_t(random() % 200));
        for (double& n : numbers) n = double(random() % 12) / 4;  // many ties
        const auto ascending = [](double a, double b) { return a < b ? -1 : b < a; };
        const auto descending = [](double a, double b) { return a > b ? -1 : b > a; };
        EXPECT_EQ(InsertionSortOrder(numbers, ascending), LiteralInsertionSort(numbers, ascending));
        EXPECT_EQ(InsertionSortOrder(numbers, descending), LiteralInsertionSort(numbers, descending));
    }
}

TEST(InsertionSortOrder, EqualStringsKeepTheirOrderBothWays) {
    const std::vector<std::string> words = {"b", "A", "a", "B", "ab", "AB", ""};
    const auto ascending = [](const std::string& a, const std::string& b) { return CompareFolded(a, b); };
    const auto descending = [](const std::string& a, const std::string& b) { return CompareFolded(b, a); };
    EXPECT_EQ(InsertionSortOrder(words, ascending), (std::vector<std::uint32_t>{6, 1, 2, 4, 5, 0, 3}));
    EXPECT_EQ(InsertionSortOrder(words, descending), (std::vector<std::uint32_t>{0, 3, 4, 5, 1, 2, 6}));
    EXPECT_EQ(InsertionSortOrder(words, ascending), LiteralInsertionSort(words, ascending));
    EXPECT_TRUE(InsertionSortOrder(std::vector<int>{}, [](int a, int b) { return a - b; }).empty());
}

static_assert(sizeof(Ranked<double>) == 12, "sort records of numbers are packed");

TEST(HostNumberEquality, ComparesTheLengthByteAndOnlyTheSignificantBytes) {
    HostValue a{};
    a.lengthAndFlags = 3;
    a.digits[0] = 1, a.digits[1] = 2, a.digits[2] = 3;
    HostValue b = a;
    b.digits[10] = 99;  // past the length: ignored
    EXPECT_TRUE(SameHostNumber(a, b));
    b.digits[2] = 4;
    EXPECT_FALSE(SameHostNumber(a, b));
    b = a;
    b.lengthAndFlags = 0x13;  // same length, other flags
    EXPECT_FALSE(SameHostNumber(a, b));
    EXPECT_TRUE(SameHostNumber(HostValue{}, HostValue{}));
}
