// ZelArraySort: numbers, date/times and strings put in ascending or
// descending order; equal elements keep their order.
//
// The order is that of a stable insertion sort (see
// core/insertion_sort_order.h), but found with O(n log n) comparisons: the
// elements are read once, sorted in memory and only those that move are
// written back.
#include <windows.h>

#include <string>
#include <vector>

#include "frame/call_frame.h"
#include "util/strings/core/insertion_sort_order.h"
#include "util/strings/host_arrays.h"

namespace zw::strings {
namespace {

enum class Order { Ascending, Descending };

// Numbers (type 3) and date/times (type 2) compare as the host's doubles.
// An element that cannot be read leaves the array as it was.
void SortValues(HARRAY array, const ArrayBounds& bounds, Order order, int type) {
    const bool dates = type == HOST_ARRAY_DATETIME;
    std::vector<HostValue> values(size_t(bounds.count));
    std::vector<double> keys(values.size());
    for (size_t i = 0; i < values.size(); ++i) {
        const LONG index = bounds.lower + LONG(i);
        const BOOL read = dates ? HostArrayGetDateTime(array, &values[i], index)
                                : HostArrayGetNumber(array, &values[i], index);
        if (!read) return;
        keys[i] = HostValueToDouble(&values[i]);
    }
    const auto sorted = order == Order::Ascending
                            ? InsertionSortOrder(std::move(keys), [](double element, double key) { return key < element; })
                            : InsertionSortOrder(std::move(keys), [](double element, double key) { return key > element; });
    for (size_t k = 0; k < sorted.size(); ++k) {
        if (sorted[k] == k) continue;
        const LONG index = bounds.lower + LONG(k);
        dates ? HostArrayPutDateTime(array, &values[sorted[k]], index)
              : HostArrayPutNumber(array, &values[sorted[k]], index);
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
    std::vector<std::wstring_view> keys(texts.begin(), texts.end());
    const int mustFollow = order == Order::Ascending ? CSTR_GREATER_THAN : CSTR_LESS_THAN;
    const auto sorted = InsertionSortOrder(std::move(keys), [&](std::wstring_view element, std::wstring_view key) {
        return CompareTexts(element, key) == mustFollow;
    });
    for (size_t k = 0; k < sorted.size(); ++k) {
        if (sorted[k] != k) PutStringElement(array, bounds.lower + LONG(k), texts[sorted[k]]);
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
