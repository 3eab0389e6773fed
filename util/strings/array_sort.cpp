// ZelArraySort: numbers, date/times and strings put in ascending or
// descending order; equal elements keep their order.
//
// The order is that of a stable insertion sort (see
// core/insertion_sort_order.h), but found with O(n log n) comparisons: the
// elements are read once, their order is found in memory and only those that
// move are written back.
#include <windows.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "frame/call_frame.h"
#include "util/strings/core/insertion_sort_order.h"
#include "util/strings/host_arrays.h"

namespace zw::strings {
namespace {

enum class Order { Ascending, Descending };

// A host value with only the bytes that can be significant: the first byte
// and as many value bytes as its low four bits say, at most 15. Sixteen
// bytes instead of 25 a value: on large arrays the copy's memory is a good
// part of the cost.
struct SignificantBytes {
    unsigned char bytes[16];

    static SignificantBytes Of(const HostValue& value) {
        SignificantBytes kept;
        std::memcpy(kept.bytes, &value, sizeof kept.bytes);
        return kept;
    }
    HostValue Value() const {
        HostValue value{};
        std::memcpy(&value, bytes, 1 + (bytes[0] & 0x0F));
        return value;
    }
};

// Numbers (type 3) and date/times (type 2) compare as the host's doubles.
// An element that cannot be read leaves the array as it was.
//
// The values are kept while their order is found and then written in index
// order: writing the array from front to back is several times faster on a
// large array than walking it in the order of the permutation's cycles.
void SortValues(HARRAY array, const ArrayBounds& bounds, Order order, int type) {
    const bool dates = type == HOST_ARRAY_DATETIME;
    const std::uint32_t count = std::uint32_t(bounds.count);
    const std::unique_ptr<SignificantBytes[]> values(new SignificantBytes[count]);
    std::vector<Ranked<double>> items;
    items.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const LONG index = bounds.lower + LONG(i);
        HostValue value{};
        const BOOL read = dates ? HostArrayGetDateTime(array, &value, index) : HostArrayGetNumber(array, &value, index);
        if (!read) return;
        values[i] = SignificantBytes::Of(value);
        items.push_back({HostValueToDouble(&value), i});
    }
    // Ascending, an element moves past the key while key < element;
    // descending, while key > element.
    if (order == Order::Ascending) {
        SortAsInsertionSort(items, [](double a, double b) { return a < b ? -1 : b < a; });
    } else {
        SortAsInsertionSort(items, [](double a, double b) { return a > b ? -1 : b > a; });
    }
    for (std::uint32_t k = 0; k < count; ++k) {
        const std::uint32_t from = items[k].position;
        if (from == k) continue;
        const LONG index = bounds.lower + LONG(k);
        const HostValue value = values[from].Value();
        dates ? HostArrayPutDateTime(array, &value, index) : HostArrayPutNumber(array, &value, index);
    }
}

// The system's comparison without regard to case, kana type or width, in the
// thread's locale.
int CompareTexts(std::wstring_view a, std::wstring_view b) {
    return CompareStringW(GetThreadLocale(), NORM_IGNORECASE | NORM_IGNOREKANATYPE | NORM_IGNOREWIDTH, a.data(),
                          int(a.size()), b.data(), int(b.size()));
}

// Strings (types 5 and 7). An element that cannot be read leaves the array
// as it was.
void SortStrings(HARRAY array, const ArrayBounds& bounds, Order order) {
    std::vector<std::wstring> texts(size_t(bounds.count));
    for (size_t i = 0; i < texts.size(); ++i) {
        auto text = ReadStringElement(array, bounds.lower + LONG(i));
        if (!text) return;
        texts[i] = std::move(*text);
    }
    std::vector<Ranked<std::wstring_view>> items;
    items.reserve(texts.size());
    for (std::uint32_t i = 0; i < texts.size(); ++i) items.push_back({texts[i], i});
    // Ascending, an element moves past the key while element > key; so b
    // must follow a when b > a. Descending, when b < a. The comparison is made
    // in that order (element first), as the insertion sort makes it.
    const int follows = order == Order::Ascending ? CSTR_GREATER_THAN : CSTR_LESS_THAN;
    const int precedes = order == Order::Ascending ? CSTR_LESS_THAN : CSTR_GREATER_THAN;
    SortAsInsertionSort(items, [&](std::wstring_view a, std::wstring_view b) {
        const int result = CompareTexts(b, a);
        return result == follows ? -1 : result == precedes ? 1 : 0;
    });
    for (std::uint32_t k = 0; k < items.size(); ++k) {
        const std::uint32_t from = items[k].position;
        if (from != k) PutStringElement(array, bounds.lower + LONG(k), texts[from]);
    }
}

int Sort(HARRAY array, int order, int type) {
    const auto bounds = OneDimensionalBounds(array);
    if (!bounds || bounds->count == 0) return -1;
    if (order != 0 && order != 1) return bounds->count;
    const Order direction = order == 0 ? Order::Ascending : Order::Descending;
    switch (type) {
    case HOST_ARRAY_NUMBER:
    case HOST_ARRAY_DATETIME:
        SortValues(array, *bounds, direction, type);
        break;
    case HOST_ARRAY_STRING:
    case HOST_ARRAY_LONGSTRING:
        SortStrings(array, *bounds, direction);
        break;
    default:
        break;
    }
    return bounds->count;
}

}  // namespace
}  // namespace zw::strings

extern "C" int __stdcall ZelArraySort(HARRAY array, int order, int type) {
    return zw::Guarded(L"ZelArraySort()", -1, [&] { return zw::strings::Sort(array, order, type); });
}
