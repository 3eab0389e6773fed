// Speed of the array exports against the plain standard-library way of doing
// the same work over values read from the same host arrays.
//
// ZelArraySort of 100,000 and 1,000,000 numbers and of 100,000 strings against
// std::stable_sort with the same comparison (goal: at most 2x), and the
// searches over 100,000 and 1,000,000 elements (goal: linear, a growth of
// about 10x; and near a plain loop of host reads).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <functional>
#include <string>
#include <vector>

#include "host/host_test.h"
#include "include/zwi51.h"

namespace {

double Seconds() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return double(now.QuadPart) / double(frequency.QuadPart);
}

volatile size_t sink;

struct Pair {
    double library;
    double baseline;
};

double TimeOnce(const std::function<void()>& prepare, const std::function<void()>& work) {
    prepare();
    const double start = Seconds();
    work();
    return Seconds() - start;
}

// Best of several runs of each, taken in turns so that both meet the same
// load of the machine; each run follows an untimed `prepare`.
Pair Time(const std::function<void()>& prepare, const std::function<void()>& library,
          const std::function<void()>& baseline, int runs = 5) {
    Pair best{1e30, 1e30};
    for (int i = 0; i < runs; ++i) {
        best.library = std::min(best.library, TimeOnce(prepare, library));
        best.baseline = std::min(best.baseline, TimeOnce(prepare, baseline));
    }
    return best;
}

void Report(const char* name, const Pair& p) {
    std::printf("%-34s lib %9.2f ms, std %9.2f ms, ratio %.2f\n", name, p.library * 1e3, p.baseline * 1e3,
                p.library / p.baseline);
}

unsigned g_seed = 12345;
unsigned Next() { return g_seed = g_seed * 1103515245u + 12345u, g_seed >> 8; }

// Fills `array` with the values again (the sort changes their order).
void PutNumbers(ZW_HARRAY array, const std::vector<double>& values) {
    HostArraySetBounds(array, 0, LONG(values.size()) - 1);
    for (size_t i = 0; i < values.size(); ++i) {
        HostNumber number{};
        HostDoubleToNumber(values[i], &number);
        HostArrayPutNumber(array, &number, LONG(i));
    }
}

void PutStrings(ZW_HARRAY array, const std::vector<std::wstring>& values) {
    HostArraySetBounds(array, 0, LONG(values.size()) - 1);
    for (size_t i = 0; i < values.size(); ++i) {
        const HOSTSTR text = HostTestNewString(values[i].c_str());
        HostArrayPutString(array, text, LONG(i));
        HostTestFreeString(text);
    }
}

std::vector<double> ReadNumbers(ZW_HARRAY array, size_t count) {
    std::vector<double> keys(count);
    for (size_t i = 0; i < count; ++i) {
        HostNumber number{};
        HostArrayGetNumber(array, &number, LONG(i));
        keys[i] = HostValueToDouble(&number);
    }
    return keys;
}

std::vector<std::wstring> ReadStrings(ZW_HARRAY array, size_t count) {
    std::vector<std::wstring> texts(count);
    for (size_t i = 0; i < count; ++i) {
        HOSTSTR element = 0;
        HostArrayGetString(array, &element, LONG(i));
        DWORD bytes = 0;
        if (const WCHAR* text = HostStrLock(element, &bytes)) texts[i] = text;
        HostStrRelease(element);
    }
    return texts;
}

Pair SortNumbers(size_t count) {
    std::vector<double> values(count);
    for (double& v : values) v = double(Next() % 50000) / 4;  // ties included
    const ZW_HARRAY array = HostArrayCreate(HOST_ARRAY_NUMBER);
    const Pair p = Time([&] { PutNumbers(array, values); }, [&] { sink = size_t(ZelArraySort(array, 0, 3)); }, [&] {
        std::vector<double> keys = ReadNumbers(array, count);
        std::stable_sort(keys.begin(), keys.end(), [](double a, double b) { return a < b; });
        sink = keys.size();
    });
    HostArrayDestroy(array);
    return p;
}

Pair SortStrings(size_t count) {
    std::vector<std::wstring> values(count);
    for (std::wstring& v : values) {
        v = L"Item" + std::to_wstring(Next() % 30000);
        if (Next() % 2) v[0] = L'i';
    }
    const ZW_HARRAY array = HostArrayCreate(HOST_ARRAY_STRING);
    const DWORD flags = NORM_IGNORECASE | NORM_IGNOREKANATYPE | NORM_IGNOREWIDTH;
    const Pair p = Time([&] { PutStrings(array, values); }, [&] { sink = size_t(ZelArraySort(array, 0, 5)); }, [&] {
        std::vector<std::wstring> texts = ReadStrings(array, count);
        std::stable_sort(texts.begin(), texts.end(), [&](const std::wstring& a, const std::wstring& b) {
            return CompareStringW(GetThreadLocale(), flags, b.data(), int(b.size()), a.data(), int(a.size())) ==
                   CSTR_GREATER_THAN;
        });
        sink = texts.size();
    }, 3);
    HostArrayDestroy(array);
    return p;
}

// Searches for a value that is not there, so every element is compared.
struct Searches {
    Pair numbers, strings, dates;
};

Searches Find(size_t count) {
    const ZW_HARRAY numbers = HostArrayCreate(HOST_ARRAY_NUMBER);
    const ZW_HARRAY strings = HostArrayCreate(HOST_ARRAY_STRING);
    const ZW_HARRAY dates = HostArrayCreate(HOST_ARRAY_DATETIME);
    std::vector<double> values(count);
    std::vector<std::wstring> texts(count);
    for (size_t i = 0; i < count; ++i) values[i] = double(i), texts[i] = L"element" + std::to_wstring(i);
    PutNumbers(numbers, values);
    PutStrings(strings, texts);
    HostDate date{};
    HostDateConstruct(&date, 2024, 3, 5, 10, 20, 30);
    for (size_t i = 0; i < count; ++i) HostArrayPutDateTime(dates, &date, LONG(i));
    const auto none = [] {};

    Searches s{};
    HostNumber missing{};
    HostDoubleToNumber(-1, &missing);
    ZW_HOSTVALUE missingNumber;
    std::memcpy(&missingNumber, &missing, sizeof missing);
    s.numbers = Time(none, [&] { sink = size_t(ZelArrayFindNumber(numbers, missingNumber)); }, [&] {
        size_t found = 0;
        for (size_t i = 0; i < count; ++i) {
            HostNumber number{};
            HostArrayGetNumber(numbers, &number, LONG(i));
            found += std::memcmp(&number, &missing, sizeof number) == 0;
        }
        sink = found;
    });
    s.strings = Time(none, [&] { sink = size_t(ZelArrayFindString(strings, L"ELEMENT-1")); }, [&] {
        size_t found = 0;
        for (size_t i = 0; i < count; ++i) {
            HOSTSTR element = 0;
            HostArrayGetString(strings, &element, LONG(i));
            found += _wcsicmp(HostStrLock(element, nullptr), L"ELEMENT-1") == 0;
            HostStrRelease(element);
        }
        sink = found;
    });
    HostDate other{};
    HostDateConstruct(&other, 2024, 3, 5, 10, 20, 31);
    ZW_HOSTVALUE otherDate;
    std::memcpy(&otherDate, &other, sizeof other);
    s.dates = Time(none, [&] { sink = size_t(ZelArrayFindDateTime(dates, otherDate)); }, [&] {
        size_t found = 0;
        const int wanted[6] = {HostDateYear(&other), HostDateMonth(&other), HostDateDay(&other),
                               HostDateHour(&other), HostDateMinute(&other), HostDateSecond(&other)};
        for (size_t i = 0; i < count; ++i) {
            HostDate element{};
            HostArrayGetDateTime(dates, &element, LONG(i));
            const int parts[6] = {HostDateYear(&element), HostDateMonth(&element), HostDateDay(&element),
                                  HostDateHour(&element), HostDateMinute(&element), HostDateSecond(&element)};
            found += std::equal(parts, parts + 6, wanted);
        }
        sink = found;
    });
    for (const ZW_HARRAY array : {numbers, strings, dates}) HostArrayDestroy(array);
    return s;
}

void ReportGrowth(const char* name, const Pair& small, const Pair& large) {
    std::printf("%-22s 100k: lib %8.2f ms, base %8.2f ms, ratio %.2f | 1M: lib %8.2f ms, base %8.2f ms, ratio %.2f"
                " | growth lib %.1fx, base %.1fx\n",
                name, small.library * 1e3, small.baseline * 1e3, small.library / small.baseline, large.library * 1e3,
                large.baseline * 1e3, large.library / large.baseline, large.library / small.library,
                large.baseline / small.baseline);
}

}  // namespace

int main() {
    Report("ZelArraySort 100k numbers", SortNumbers(100000));
    Report("ZelArraySort 1M numbers", SortNumbers(1000000));
    Report("ZelArraySort 100k strings", SortStrings(100000));
    const Searches small = Find(100000);
    const Searches large = Find(1000000);
    ReportGrowth("ZelArrayFindNumber", small.numbers, large.numbers);
    ReportGrowth("ZelArrayFindString", small.strings, large.strings);
    ReportGrowth("ZelArrayFindDateTime", small.dates, large.dates);
    return 0;
}
