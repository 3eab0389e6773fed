// Portable parts of the array functions: the stable insertion-sort order and
// host number equality.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "util/strings/core/insertion_sort_order.h"
#include "util/strings/core/number_equality.h"

using namespace zw::strings;

static_assert(sizeof(Ranked<double>) == 12, "sort records of numbers are packed");

TEST(InsertionSortOrder, MatchesTheInsertionSortOnManyEqualKeys) {
    std::mt19937 random(7);
    const auto ascending = [](double a, double b) { return a < b ? -1 : b < a; };
    const auto descending = [](double a, double b) { return a > b ? -1 : b > a; };
    for (int round = 0; round < 100; ++round) {
        std::vector<double> keys(size_t(random() % 200));
        for (double& key : keys) key = double(random() % 12) / 4;  // many ties
        for (const auto& precedence : {+ascending, +descending}) {
            // The insertion sort as specified: an element moves up while it must follow the key.
            std::vector<std::uint32_t> expected;
            for (std::uint32_t i = 0; i < keys.size(); ++i) {
                size_t j = expected.size();
                expected.push_back(i);
                for (; j > 0 && precedence(keys[i], keys[expected[j - 1]]) < 0; --j) expected[j] = expected[j - 1];
                expected[j] = i;
            }
            std::vector<Ranked<double>> items;
            for (std::uint32_t i = 0; i < keys.size(); ++i) items.push_back({keys[i], i});
            SortAsInsertionSort(items, precedence);
            std::vector<std::uint32_t> order;
            for (const auto& item : items) order.push_back(item.position);
            EXPECT_EQ(order, expected);
        }
    }
}

TEST(HostNumberEquality, ComparesTheLengthByteAndOnlyTheSignificantBytes) {
    HostValue a{};
    a.lengthAndFlags = 3;
    a.digits[2] = 3;
    HostValue b = a;
    b.digits[10] = 99;  // past the length: ignored
    EXPECT_TRUE(SameHostNumber(a, b));
    b.digits[2] = 4;
    EXPECT_FALSE(SameHostNumber(a, b));
    b = a;
    b.lengthAndFlags = 0x13;  // same length, other flags
    EXPECT_FALSE(SameHostNumber(a, b));
}
