// Array and number exports over the replacement host's arrays: refused
// shapes, the element moves of append, copy, delete and insert, fills,
// searches and the stable sort.
#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "tests/win/support/zwtest.h"

namespace {

using Strings = std::vector<std::wstring>;
using Numbers = std::vector<double>;
using zwtest::HostArray;
using zwtest::StringElements;

ZW_HOSTVALUE Number(double value) {
    HostNumber number{};
    HostDoubleToNumber(value, &number);
    return std::bit_cast<ZW_HOSTVALUE>(number);
}

ZW_HOSTVALUE Date(const wchar_t* canonical) {
    HostDate date{};
    HostTextToDate(canonical, &date);
    return std::bit_cast<ZW_HOSTVALUE>(date);
}

// Numbers (or date/times) at indexes lower, lower + 1, ...
void PutValues(HARRAY array, const std::vector<ZW_HOSTVALUE>& values, LONG lower = 0) {
    if (HostArrayIsEmpty(array)) HostArraySetBounds(array, lower, lower + LONG(values.size()) - 1);
    for (size_t i = 0; i < values.size(); ++i) {
        const HostValue value = std::bit_cast<HostValue>(values[i]);
        if (!HostArrayPutNumber(array, &value, lower + LONG(i))) HostArrayPutDateTime(array, &value, lower + LONG(i));
    }
}

// Number elements as doubles; a null number reads as -999.
Numbers NumberElements(HARRAY array) {
    LONG lower = 0, upper = -1;
    HostArrayGetBounds(array, &lower, &upper);
    Numbers values;
    for (LONG i = lower; i <= upper; ++i) {
        HostNumber number{};
        HostArrayGetNumber(array, &number, i);
        values.push_back(HostValueIsNull(number) ? -999 : HostValueToDouble(&number));
    }
    return values;
}

std::pair<LONG, LONG> Bounds(HARRAY array) {
    LONG lower = 0, upper = 0;
    HostArrayGetBounds(array, &lower, &upper);
    return {lower, upper};
}

}  // namespace

TEST(Arrays, RefuseArraysOfMoreDimensionsAndUnknownHandles) {
    const HostArray good({L"a", L"b"}), grid({L"a", L"b"});
    HostTestSetArrayDimensions(grid, 2);
    for (const HARRAY bad : {HARRAY(grid), HARRAY(0xBAD)}) {
        const int results[] = {
            ZelArrayAppend(good, bad, 5), ZelArrayAppend(bad, good, 5), ZelArrayCopy(good, bad, 5),
            ZelArrayCopy(bad, good, 5), ZelArrayDeleteItem(bad, 0, 5), ZelArrayInsertItem(bad, 0, 5),
            ZelArrayFindString(bad, L"a"), ZelArrayFindNumber(bad, Number(1)),
            ZelArrayFindDateTime(bad, Date(L"2024-03-05")), ZelArraySort(bad, 0, 5),
        };
        for (const int result : results) EXPECT_EQ(result, -1);
        EXPECT_EQ(ZelArrayFillString(bad, L"x", 2) | ZelArrayFillNumber(bad, Number(1), 2) |
                      ZelArrayFillDateTime(bad, Date(L"2024-03-05"), 2), 0);
    }
    EXPECT_EQ(StringElements(good), (Strings{L"a", L"b"}));
    EXPECT_EQ(StringElements(grid), (Strings{L"a", L"b"}));
}

TEST(Arrays, AppendAndCopy) {
    const HostArray source({L"c", L"d", L"e"}, 3), target({L"a", L"b"}), empty, none;
    const int releases = HostTestReleaseCount();
    EXPECT_EQ(ZelArrayAppend(source, target, 5), 5);
    EXPECT_EQ(HostTestReleaseCount() - releases, 3);  // each fetched string released
    EXPECT_EQ(StringElements(target), (Strings{L"a", L"b", L"c", L"d", L"e"}));
    EXPECT_EQ(ZelArrayAppend(source, empty, 7), 3);
    EXPECT_EQ(Bounds(empty), std::make_pair(0L, 2L));
    EXPECT_EQ(ZelArrayAppend(none, target, 5), 0);
    EXPECT_EQ(Bounds(target), std::make_pair(0L, 4L));
    // An unknown type code moves nothing but extends the bounds; an array
    // appended to itself doubles.
    const HostArray numbers(HOST_ARRAY_NUMBER);
    PutValues(numbers, {Number(1), Number(2)});
    EXPECT_EQ(ZelArrayAppend(numbers, numbers, 99), 4);
    EXPECT_EQ(ZelArrayAppend(numbers, numbers, 3), 8);
    EXPECT_EQ(NumberElements(numbers), (Numbers{1, 2, -999, -999, 1, 2, -999, -999}));
    // A copy takes the source's bounds, also when the source is empty.
    EXPECT_EQ(ZelArrayCopy(source, target, 5), 3);
    EXPECT_EQ(Bounds(target), std::make_pair(3L, 5L));
    EXPECT_EQ(StringElements(target), (Strings{L"c", L"d", L"e"}));
    EXPECT_EQ(ZelArrayCopy(none, numbers, 3), 0);
    EXPECT_TRUE(HostArrayIsEmpty(numbers));
}

TEST(Arrays, DeleteAndInsertItems) {
    const struct { Strings before; bool insert; LONG index; int type; int result; Strings after; } cases[] = {
        {{L"a", L"b", L"c"}, false, 1, 5, 2, {L"a", L"c"}},
        {{L"a", L"b", L"c"}, false, 2, 42, 2, {L"a", L"b"}},  // the last: nothing moves, any type
        {{L"a", L"b", L"c"}, false, 0, 42, -87, {L"a", L"b", L"c"}},
        {{L"a", L"b", L"c"}, false, 3, 5, -87, {L"a", L"b", L"c"}},
        {{}, false, 0, 5, -1, {}},
        {{L"a", L"b"}, true, 0, 7, 3, {L"", L"a", L"b"}},
        {{L"a", L"b"}, true, 2, 5, -87, {L"a", L"b"}},
        {{L"a", L"b"}, true, 0, 42, -87, {L"a", L"b"}},
        {{}, true, 0, 5, -87, {}},
    };
    for (const auto& c : cases) {
        const HostArray array(c.before);
        EXPECT_EQ(c.insert ? ZelArrayInsertItem(array, c.index, c.type) : ZelArrayDeleteItem(array, c.index, c.type),
                  c.result) << c.insert << " at " << c.index;
        EXPECT_EQ(StringElements(array), c.after) << c.insert << " at " << c.index;
    }
    // With a lower bound; the new number is a null one.
    const HostArray numbers(HOST_ARRAY_NUMBER);
    PutValues(numbers, {Number(1), Number(2), Number(3)}, 10);
    EXPECT_EQ(ZelArrayInsertItem(numbers, 11, 3), 4);
    EXPECT_EQ(ZelArrayDeleteItem(numbers, 10, 3), 3);
    EXPECT_EQ(NumberElements(numbers), (Numbers{-999, 2, 3}));
    EXPECT_EQ(Bounds(numbers), std::make_pair(10L, 12L));
}

TEST(Arrays, FillAndFind) {
    const HostArray strings({L"old"}, 2), numbers(HOST_ARRAY_NUMBER), dates(HOST_ARRAY_DATETIME);
    const int live = HostTestLiveStrings();
    EXPECT_EQ(ZelArrayFillString(strings, L"x", 1000), 1);
    EXPECT_LE(HostTestLiveStrings(), live + 1);  // no host string left behind per element
    EXPECT_EQ(StringElements(strings), Strings(1000, L"x"));
    EXPECT_EQ(ZelArrayFillString(strings, L"x", 0), 1);
    EXPECT_TRUE(HostArrayIsEmpty(strings));
    EXPECT_EQ(ZelArrayFillNumber(numbers, Number(2.5), 3), 1);
    EXPECT_EQ(NumberElements(numbers), (Numbers{2.5, 2.5, 2.5}));
    EXPECT_EQ(ZelArrayFillString(numbers, L"x", 2), 0);  // the host takes no strings there
    EXPECT_EQ(ZelArrayFillDateTime(dates, Date(L"2024-03-05-10.20.30.100000"), 2), 1);
    EXPECT_EQ(Bounds(dates), std::make_pair(0L, 1L));

    // Whole texts in any case; array indexes; fractions of a second ignored.
    const HostArray texts({L"abc", L"Ab", L"ab", L""}, 5), values(HOST_ARRAY_NUMBER);
    PutValues(values, {Number(1), Number(2.5), Number(2.5), Number(-3)}, 1);
    PutValues(dates, {Date(L"2024-03-05-10.20.31.000000")}, 1);
    const struct { int found; int expected; } cases[] = {
        {ZelArrayFindString(texts, L"AB"), 6},  {ZelArrayFindString(texts, L"abcd"), -1},
        {ZelArrayFindString(texts, nullptr), 8}, {ZelArrayFindNumber(values, Number(2.5)), 2},
        {ZelArrayFindNumber(values, Number(4)), -1}, {ZelArrayFindNumber(texts, Number(1)), -1},
        {ZelArrayFindDateTime(dates, Date(L"2024-03-05-10.20.30.900000")), 0},
        {ZelArrayFindDateTime(dates, Date(L"2024-03-05-10.20.31.500000")), 1},
        {ZelArrayFindDateTime(dates, Date(L"2024-03-05-10.20.32.000000")), -1},
        {ZelArrayFindString(HostArray(), L""), -1},
    };
    for (size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(cases[i].found, cases[i].expected) << "case " << i;
}

TEST(Arrays, SortIsStableBothWays) {
    const struct { Strings before; int order; int type; int result; Strings after; } cases[] = {
        {{L"b", L"A", L"a", L"B"}, 0, 5, 4, {L"A", L"a", L"b", L"B"}},
        {{L"b", L"A", L"a", L"B"}, 1, 7, 4, {L"b", L"B", L"A", L"a"}},
        {{L"b", L"A"}, 2, 5, 2, {L"b", L"A"}},   // an unknown order changes nothing
        {{L"b", L"A"}, 0, 256, 2, {L"b", L"A"}},  // nor do handles
        {{L"b", L"A"}, 0, 3, 2, {L"b", L"A"}},    // nor strings read as numbers
        {{}, 0, 5, -1, {}},
    };
    for (const auto& c : cases) {
        const HostArray array(c.before, 4);
        EXPECT_EQ(ZelArraySort(array, c.order, c.type), c.result);
        EXPECT_EQ(StringElements(array), c.after);
    }
    const HostArray numbers(HOST_ARRAY_NUMBER), dates(HOST_ARRAY_DATETIME);
    PutValues(numbers, {Number(3), Number(-1), Number(2.5), Number(3)});
    EXPECT_EQ(ZelArraySort(numbers, 1, 3), 4);
    EXPECT_EQ(NumberElements(numbers), (Numbers{3, 3, 2.5, -1}));
    // Date/times in order down to the fraction of a second.
    const wchar_t* texts[] = {L"2024-03-05-10.20.30.200000", L"2023-12-31-23.59.59.000000",
                              L"2024-03-05-10.20.30.100000"};
    PutValues(dates, {Date(texts[0]), Date(texts[1]), Date(texts[2])});
    EXPECT_EQ(ZelArraySort(dates, 0, 2), 3);
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
    const DWORD flags = NORM_IGNORECASE | NORM_IGNOREKANATYPE | NORM_IGNOREWIDTH;
    for (const int order : {0, 1}) {
        // The insertion sort as specified: an element moves up while it must follow the key.
        Strings expected = words;
        const int follows = order == 0 ? CSTR_GREATER_THAN : CSTR_LESS_THAN;
        for (size_t i = 1; i < expected.size(); ++i) {
            const std::wstring key = expected[i];
            size_t j = i;
            for (; j > 0 && CompareStringW(GetThreadLocale(), flags, expected[j - 1].c_str(), -1, key.c_str(), -1) ==
                                follows;
                 --j) {
                expected[j] = expected[j - 1];
            }
            expected[j] = key;
        }
        const HostArray array(words);
        EXPECT_EQ(ZelArraySort(array, order, 5), 400);
        EXPECT_EQ(StringElements(array), expected) << "order " << order;
    }
}

TEST(Numbers, ChooseBitsAndBytes) {
    const ZW_HOSTVALUE a = Number(1.5), b = Number(-2);
    const ZW_HOSTVALUE first = ZelNumberChoose(-5, a, b), second = ZelNumberChoose(0, a, b);
    EXPECT_EQ(std::memcmp(&first, &a, sizeof a), 0);
    EXPECT_EQ(std::memcmp(&second, &b, sizeof b), 0);
    DWORD value = 0x0F0F;
    EXPECT_EQ(ZelNumberBitSet(&value, 0xF000F000), 0xF000FF0Fu);
    EXPECT_EQ(ZelNumberBitClear(&value, 0xF0000F01), 0x0000F00Eu);
    EXPECT_EQ(value, 0x0000F00Eu);
    EXPECT_EQ(ZelNumberBitSet(nullptr, 1) | ZelNumberBitClear(nullptr, 1), 0u);
    EXPECT_EQ(ZelNumberHighByte(0x12345678), 0x123456u);
    EXPECT_EQ(ZelNumberHighByte(0xFFFFFFFF), 0xFFFFFFu);  // unsigned shift
    EXPECT_EQ(ZelNumberLowByte(0x12345678), 0x78);
    EXPECT_EQ(ZelNumberMakeLong(0x5678, 0x1234), 0x12345678u);
    EXPECT_EQ(ZelNumberMakeLong(0xFFFF, 0xFFFF), 0xFFFFFFFFu);
}
