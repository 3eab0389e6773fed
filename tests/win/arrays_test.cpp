// Array and number exports over the replacement host's arrays: shapes that
// are refused, the element moves of append, copy, delete and insert, fills,
// searches and the stable sort.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "tests/win/support/zwtest.h"

namespace {

using Strings = std::vector<std::wstring>;
using Numbers = std::vector<double>;

HARRAY MakeStrings(const Strings& values, LONG lower = 0) {
    const HARRAY array = HostArrayCreate(HOST_ARRAY_STRING);
    HostArraySetBounds(array, lower, lower + LONG(values.size()) - 1);
    for (size_t i = 0; i < values.size(); ++i) {
        const HOSTSTR text = HostTestNewString(values[i].c_str());
        HostArrayPutString(array, text, lower + LONG(i));
        HostTestFreeString(text);
    }
    return array;
}

ZW_HOSTVALUE Number(double value) {
    HostNumber number{};
    HostDoubleToNumber(value, &number);
    return std::bit_cast<ZW_HOSTVALUE>(number);
}

HARRAY MakeNumbers(const Numbers& values, LONG lower = 0) {
    const HARRAY array = HostArrayCreate(HOST_ARRAY_NUMBER);
    HostArraySetBounds(array, lower, lower + LONG(values.size()) - 1);
    for (size_t i = 0; i < values.size(); ++i) {
        const HostNumber number = std::bit_cast<HostNumber>(Number(values[i]));
        HostArrayPutNumber(array, &number, lower + LONG(i));
    }
    return array;
}

ZW_HOSTVALUE Date(const wchar_t* canonical) {
    HostDate date{};
    EXPECT_TRUE(HostTextToDate(canonical, &date)) << canonical;
    return std::bit_cast<ZW_HOSTVALUE>(date);
}

std::pair<LONG, LONG> Bounds(HARRAY array) {
    LONG lower = 0, upper = 0;
    HostArrayGetBounds(array, &lower, &upper);
    return {lower, upper};
}

Strings ReadStrings(HARRAY array) {
    const auto [lower, upper] = Bounds(array);
    Strings values;
    for (LONG i = lower; i <= upper; ++i) {
        HOSTSTR text = 0;
        HostArrayGetString(array, &text, i);
        values.push_back(zwtest::HostText(text));
    }
    return values;
}

Numbers ReadNumbers(HARRAY array) {
    const auto [lower, upper] = Bounds(array);
    Numbers values;
    for (LONG i = lower; i <= upper; ++i) {
        HostNumber number{};
        HostArrayGetNumber(array, &number, i);
        values.push_back(HostValueIsNull(number) ? -999 : HostValueToDouble(&number));
    }
    return values;
}

// Destroys the arrays at the end of a test.
struct Arrays {
    std::vector<HARRAY> made;
    HARRAY operator()(HARRAY array) { return made.push_back(array), array; }
    ~Arrays() {
        for (const HARRAY array : made) HostArrayDestroy(array);
    }
};

}  // namespace

TEST(Arrays, RefuseArraysOfMoreDimensionsAndUnknownHandles) {
    Arrays arrays;
    const HARRAY good = arrays(MakeStrings({L"a", L"b"}));
    const HARRAY grid = arrays(MakeStrings({L"a", L"b"}));
    HostTestSetArrayDimensions(grid, 2);
    const ZW_HOSTVALUE one = Number(1);
    for (const HARRAY bad : {grid, HARRAY(0xBAD)}) {
        EXPECT_EQ(ZelArrayAppend(good, bad, 5), -1);
        EXPECT_EQ(ZelArrayAppend(bad, good, 5), -1);
        EXPECT_EQ(ZelArrayCopy(good, bad, 5), -1);
        EXPECT_EQ(ZelArrayCopy(bad, good, 5), -1);
        EXPECT_EQ(ZelArrayDeleteItem(bad, 0, 5), -1);
        EXPECT_EQ(ZelArrayInsertItem(bad, 0, 5), -1);
        EXPECT_EQ(ZelArrayFillString(bad, L"x", 2), 0);
        EXPECT_EQ(ZelArrayFillNumber(bad, one, 2), 0);
        EXPECT_EQ(ZelArrayFillDateTime(bad, Date(L"2024-03-05"), 2), 0);
        EXPECT_EQ(ZelArrayFindString(bad, L"a"), -1);
        EXPECT_EQ(ZelArrayFindNumber(bad, one), -1);
        EXPECT_EQ(ZelArrayFindDateTime(bad, Date(L"2024-03-05")), -1);
        EXPECT_EQ(ZelArraySort(bad, 0, 5), -1);
    }
    EXPECT_EQ(ReadStrings(good), (Strings{L"a", L"b"}));
    EXPECT_EQ(ReadStrings(grid), (Strings{L"a", L"b"}));
}

TEST(Arrays, AppendAndCopy) {
    Arrays arrays;
    const HARRAY source = arrays(MakeStrings({L"c", L"d", L"e"}, 3));
    const HARRAY target = arrays(MakeStrings({L"a", L"b"}));
    const int releases = HostTestReleaseCount();
    EXPECT_EQ(ZelArrayAppend(source, target, 5), 5);
    EXPECT_EQ(HostTestReleaseCount() - releases, 3);  // each fetched string released
    EXPECT_EQ(ReadStrings(target), (Strings{L"a", L"b", L"c", L"d", L"e"}));
    EXPECT_EQ(Bounds(target), std::make_pair(0L, 4L));

    const HARRAY empty = arrays(HostArrayCreate(HOST_ARRAY_STRING));
    EXPECT_EQ(ZelArrayAppend(source, empty, 7), 3);
    EXPECT_EQ(Bounds(empty), std::make_pair(0L, 2L));
    EXPECT_EQ(ZelArrayAppend(arrays(HostArrayCreate(HOST_ARRAY_STRING)), target, 5), 0);
    EXPECT_EQ(Bounds(target), std::make_pair(0L, 4L));
    // An unknown type code moves nothing but still extends the bounds.
    const HARRAY numbers = arrays(MakeNumbers({1, 2}));
    EXPECT_EQ(ZelArrayAppend(numbers, numbers, 99), 4);
    EXPECT_EQ(ReadNumbers(numbers), (Numbers{1, 2, -999, -999}));
    EXPECT_EQ(ZelArrayAppend(numbers, numbers, 3), 8);  // an array onto itself
    EXPECT_EQ(ReadNumbers(numbers), (Numbers{1, 2, -999, -999, 1, 2, -999, -999}));

    // A copy takes the source's bounds, also when the source is empty.
    EXPECT_EQ(ZelArrayCopy(source, target, 5), 3);
    EXPECT_EQ(Bounds(target), std::make_pair(3L, 5L));
    EXPECT_EQ(ReadStrings(target), (Strings{L"c", L"d", L"e"}));
    EXPECT_EQ(ZelArrayCopy(arrays(HostArrayCreate(HOST_ARRAY_NUMBER)), numbers, 3), 0);
    EXPECT_TRUE(HostArrayIsEmpty(numbers));
}

TEST(Arrays, DeleteAndInsertItems) {
    const struct {
        Strings before;
        bool insert;
        LONG index;
        int type;
        int result;
        Strings after;
    } cases[] = {
        {{L"a", L"b", L"c"}, false, 1, 5, 2, {L"a", L"c"}},
        {{L"a", L"b", L"c"}, false, 2, 42, 2, {L"a", L"b"}},  // the last element: nothing moves
        {{L"a", L"b", L"c"}, false, 0, 42, -87, {L"a", L"b", L"c"}},
        {{L"a", L"b", L"c"}, false, 3, 5, -87, {L"a", L"b", L"c"}},
        {{L"a", L"b", L"c"}, false, -1, 5, -87, {L"a", L"b", L"c"}},
        {{}, false, 0, 5, -1, {}},
        {{L"a", L"b"}, true, 0, 7, 3, {L"", L"a", L"b"}},
        {{L"a", L"b"}, true, 1, 5, 3, {L"a", L"", L"b"}},
        {{L"a", L"b"}, true, 2, 5, -87, {L"a", L"b"}},
        {{L"a", L"b"}, true, 0, 42, -87, {L"a", L"b"}},
        {{}, true, 0, 5, -87, {}},
    };
    for (const auto& c : cases) {
        Arrays arrays;
        const HARRAY array = arrays(MakeStrings(c.before));
        const int result = c.insert ? ZelArrayInsertItem(array, c.index, c.type) : ZelArrayDeleteItem(array, c.index, c.type);
        EXPECT_EQ(result, c.result) << c.insert << " at " << c.index;
        EXPECT_EQ(ReadStrings(array), c.after) << c.insert << " at " << c.index;
    }
    // Numbers with a lower bound: the new element is a null number.
    Arrays arrays;
    const HARRAY numbers = arrays(MakeNumbers({1, 2, 3}, 10));
    EXPECT_EQ(ZelArrayInsertItem(numbers, 11, 3), 4);
    EXPECT_EQ(ReadNumbers(numbers), (Numbers{1, -999, 2, 3}));
    EXPECT_EQ(ZelArrayDeleteItem(numbers, 10, 3), 3);
    EXPECT_EQ(ReadNumbers(numbers), (Numbers{-999, 2, 3}));
    EXPECT_EQ(Bounds(numbers), std::make_pair(10L, 12L));
}

TEST(Arrays, Fill) {
    Arrays arrays;
    const HARRAY strings = arrays(MakeStrings({L"old", L"old", L"old", L"old"}, 2));
    const int live = HostTestLiveStrings();
    EXPECT_EQ(ZelArrayFillString(strings, L"x", 1000), 1);
    EXPECT_LE(HostTestLiveStrings(), live + 1);  // no host string left behind per element
    EXPECT_EQ(Bounds(strings), std::make_pair(0L, 999L));
    EXPECT_EQ(ReadStrings(strings), Strings(1000, L"x"));
    EXPECT_EQ(ZelArrayFillString(strings, nullptr, 2), 1);
    EXPECT_EQ(ReadStrings(strings), (Strings{L"", L""}));
    EXPECT_EQ(ZelArrayFillString(strings, L"x", 0), 1);
    EXPECT_TRUE(HostArrayIsEmpty(strings));

    const HARRAY numbers = arrays(MakeNumbers({9}));
    EXPECT_EQ(ZelArrayFillNumber(numbers, Number(2.5), 3), 1);
    EXPECT_EQ(ReadNumbers(numbers), (Numbers{2.5, 2.5, 2.5}));
    EXPECT_EQ(ZelArrayFillString(numbers, L"x", 2), 0);  // the host refuses strings in a number array

    const HARRAY dates = arrays(HostArrayCreate(HOST_ARRAY_DATETIME));
    EXPECT_EQ(ZelArrayFillDateTime(dates, Date(L"2024-03-05-10.20.30.000000"), 2), 1);
    EXPECT_EQ(ZelArrayFindDateTime(dates, Date(L"2024-03-05-10.20.30.000000")), 0);
    EXPECT_EQ(Bounds(dates), std::make_pair(0L, 1L));
}

TEST(Arrays, FindTheFirstMatch) {
    Arrays arrays;
    const HARRAY strings = arrays(MakeStrings({L"abc", L"Ab", L"ab", L""}, 5));
    const HARRAY numbers = arrays(MakeNumbers({1, 2.5, 2.5, -3}, 1));
    const HARRAY dates = arrays(HostArrayCreate(HOST_ARRAY_DATETIME));
    for (const wchar_t* text : {L"2024-03-05-10.20.30.100000", L"2024-03-05-10.20.31.000000"}) {
        const HostDate date = std::bit_cast<HostDate>(Date(text));
        HostArrayPutDateTime(dates, &date, Bounds(dates).second + 1);
    }
    EXPECT_EQ(ZelArrayFindString(strings, L"AB"), 6);  // whole texts, any case, array index
    EXPECT_EQ(ZelArrayFindString(strings, L"abcd"), -1);
    EXPECT_EQ(ZelArrayFindString(strings, nullptr), 8);
    EXPECT_EQ(ZelArrayFindNumber(numbers, Number(2.5)), 2);
    EXPECT_EQ(ZelArrayFindNumber(numbers, Number(-3)), 4);
    EXPECT_EQ(ZelArrayFindNumber(numbers, Number(4)), -1);
    EXPECT_EQ(ZelArrayFindNumber(strings, Number(1)), -1);
    // Fractions of a second do not count; seconds do.
    EXPECT_EQ(ZelArrayFindDateTime(dates, Date(L"2024-03-05-10.20.30.900000")), 0);
    EXPECT_EQ(ZelArrayFindDateTime(dates, Date(L"2024-03-05-10.20.31.500000")), 1);
    EXPECT_EQ(ZelArrayFindDateTime(dates, Date(L"2024-03-05-10.20.32.000000")), -1);
    EXPECT_EQ(ZelArrayFindString(arrays(HostArrayCreate(HOST_ARRAY_STRING)), L""), -1);
}

TEST(Arrays, SortIsStableBothWays) {
    const struct { Strings before; int order; int type; int result; Strings after; } strings[] = {
        {{L"b", L"A", L"a", L"B"}, 0, 5, 4, {L"A", L"a", L"b", L"B"}},
        {{L"b", L"A", L"a", L"B"}, 1, 7, 4, {L"b", L"B", L"A", L"a"}},
        {{L"b", L"A"}, 2, 5, 2, {L"b", L"A"}},   // an unknown order changes nothing
        {{L"b", L"A"}, 0, 256, 2, {L"b", L"A"}},  // nor do handles
        {{L"b", L"A"}, 0, 3, 2, {L"b", L"A"}},    // nor strings read as numbers
        {{}, 0, 5, -1, {}},
    };
    for (const auto& c : strings) {
        Arrays arrays;
        const HARRAY array = arrays(MakeStrings(c.before, 4));
        EXPECT_EQ(ZelArraySort(array, c.order, c.type), c.result);
        EXPECT_EQ(ReadStrings(array), c.after);
    }
    Arrays arrays;
    const HARRAY numbers = arrays(MakeNumbers({3, -1, 2.5, 3, 0}));
    EXPECT_EQ(ZelArraySort(numbers, 1, 3), 5);
    EXPECT_EQ(ReadNumbers(numbers), (Numbers{3, 3, 2.5, 0, -1}));
    const HARRAY dates = arrays(HostArrayCreate(HOST_ARRAY_DATETIME));
    const wchar_t* texts[] = {L"2024-03-05-10.20.30.200000", L"2023-12-31-23.59.59.000000",
                              L"2024-03-05-10.20.30.100000"};
    for (LONG i = 0; i < 3; ++i) {
        const HostDate date = std::bit_cast<HostDate>(Date(texts[i]));
        HostArrayPutDateTime(dates, &date, i);
    }
    EXPECT_EQ(ZelArraySort(dates, 0, 2), 3);
    // Fractions of a second order date/times.
    for (LONG i = 0; i < 3; ++i) {
        HostDate date{};
        HostArrayGetDateTime(dates, &date, i);
        EXPECT_EQ(zwtest::TakeHostText(HostDateFormat(&date, L"yyyy-MM-dd-hh.mm.ss.mmmmmm")), texts[(i + 1) % 3]);
    }
}

TEST(Arrays, SortGivesTheInsertionSortsOrderWithTheSystemsComparison) {
    std::mt19937 random(11);
    Strings words(400);
    for (std::wstring& word : words) {
        for (int n = int(random() % 3) + 1; n > 0; --n) word += L"aAbB-\x00E9"[random() % 6];
    }
    for (const int order : {0, 1}) {
        Strings expected = words;
        const DWORD flags = NORM_IGNORECASE | NORM_IGNOREKANATYPE | NORM_IGNOREWIDTH;
        const int follow = order == 0 ? CSTR_GREATER_THAN : CSTR_LESS_THAN;
        for (size_t i = 1; i < expected.size(); ++i) {
            std::wstring key = expected[i];
            size_t j = i;
            for (; j > 0 && CompareStringW(GetThreadLocale(), flags, expected[j - 1].c_str(), -1, key.c_str(), -1) == follow;
                 --j) {
                expected[j] = expected[j - 1];
            }
            expected[j] = key;
        }
        Arrays arrays;
        const HARRAY array = arrays(MakeStrings(words));
        EXPECT_EQ(ZelArraySort(array, order, 5), 400);
        EXPECT_EQ(ReadStrings(array), expected) << "order " << order;
    }
}

TEST(Numbers, ChooseBitsAndBytes) {
    const ZW_HOSTVALUE a = Number(1.5), b = Number(-2);
    const struct { int condition; ZW_HOSTVALUE expected; } cases[] = {{1, a}, {0, b}, {-5, a}};
    for (const auto& c : cases) {
        const ZW_HOSTVALUE chosen = ZelNumberChoose(c.condition, a, b);
        EXPECT_EQ(std::memcmp(&chosen, &c.expected, sizeof chosen), 0) << c.condition;
    }
    DWORD value = 0x0F0F;
    EXPECT_EQ(ZelNumberBitSet(&value, 0xF000F000), 0xF000FF0Fu);
    EXPECT_EQ(value, 0xF000FF0Fu);
    EXPECT_EQ(ZelNumberBitClear(&value, 0xF0000F01), 0x0000F00Eu);
    EXPECT_EQ(value, 0x0000F00Eu);
    EXPECT_EQ(ZelNumberBitSet(nullptr, 1), 0u);
    EXPECT_EQ(ZelNumberBitClear(nullptr, 1), 0u);
    EXPECT_EQ(ZelNumberHighByte(0x12345678), 0x123456u);
    EXPECT_EQ(ZelNumberHighByte(0xFFFFFFFF), 0xFFFFFFu);  // unsigned shift
    EXPECT_EQ(ZelNumberLowByte(0x12345678), 0x78);
    EXPECT_EQ(ZelNumberMakeLong(0x5678, 0x1234), 0x12345678u);
    EXPECT_EQ(ZelNumberMakeLong(0xFFFF, 0xFFFF), 0xFFFFFFFFu);
}
