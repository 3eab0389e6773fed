// Speed of the string exports against the plain standard-library way of doing
// the same work, on 1 MB and 10 MB texts (characters), and of template
// expansion on arrays of 10,000 and 100,000 elements.
//
// For each case it prints the library's time, the baseline's time, their
// ratio (goal: at most 1.5) and, between the two sizes, the growth factor of
// the library's time (goal: about 10, that is linear).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwctype>
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

double TimeOnce(const std::function<void()>& work) {
    const double start = Seconds();
    work();
    return Seconds() - start;
}

// Prose-like text of `length` characters: words, spaces, now and then the
// word that the substitutions look for.
std::wstring MakeText(size_t length) {
    static const wchar_t* words[] = {L"lorem", L"ipsum", L"dolor", L"sit", L"amet", L"Fox",
                                     L"consectetur", L"adipiscing", L"elit", L"sed", L"do", L"fox"};
    std::wstring text;
    text.reserve(length + 16);
    unsigned seed = 12345;
    while (text.size() < length) {
        seed = seed * 1103515245u + 12345u;
        text += words[(seed >> 16) % 12];
        text += L' ';
    }
    text.resize(length);
    return text;
}

volatile size_t sink;  // keeps baseline results alive

struct Pair {
    double library;
    double baseline;
};

// Best of a few runs of each (the least disturbed), taken in turns so that
// both meet the same load of the machine.
Pair Time(const std::function<void()>& library, const std::function<void()>& baseline, int runs = 5) {
    Pair best{1e30, 1e30};
    for (int i = 0; i < runs; ++i) {
        best.library = std::min(best.library, TimeOnce(library));
        best.baseline = std::min(best.baseline, TimeOnce(baseline));
    }
    return best;
}

void Report(const char* name, const Pair& small, const Pair& large) {
    std::printf("%-22s 1MB: lib %8.2f ms, std %8.2f ms, ratio %.2f | 10MB: lib %8.2f ms, std %8.2f ms, ratio %.2f"
                " | growth lib %.1fx, std %.1fx\n",
                name, small.library * 1e3, small.baseline * 1e3, small.library / small.baseline, large.library * 1e3,
                large.baseline * 1e3, large.library / large.baseline, large.library / small.library,
                large.baseline / small.baseline);
}

Pair Substitute(const std::wstring& text) {
    const Pair p = Time([&] { HostTestFreeString(ZelStrSubstitute(text.c_str(), L"fox", L"cat")); }, [&] {
        std::wstring result;
        result.reserve(text.size());
        size_t done = 0;
        for (size_t at = text.find(L"fox"); at != std::wstring::npos; at = text.find(L"fox", done)) {
            result.append(text, done, at - done);
            result.append(L"cat");
            done = at + 3;
        }
        result.append(text, done);
        sink = result.size();
    });
    return p;
}

Pair Trim(const std::wstring& core) {
    const std::wstring text = L"   \t" + core + L" \r\n  ";
    const Pair p = Time([&] { HostTestFreeString(ZelStrTrim(text.c_str())); }, [&] {
        // The same input contract: a NUL-terminated text whose length is not known.
        const size_t length = wcslen(text.c_str());
        const std::wstring_view view(text.c_str(), length);
        const size_t first = view.find_first_not_of(L" \t\n\v\f\r");
        const size_t last = view.find_last_not_of(L" \t\n\v\f\r");
        std::wstring result(first == std::wstring_view::npos ? std::wstring_view() : view.substr(first, last - first + 1));
        sink = result.size();
    });
    return p;
}

Pair ScanReverse(const std::wstring& core) {
    // The only match is at the very start, so the whole text is searched.
    const std::wstring text = L"NeedleX" + core;
    const std::wstring find = L"needlex";
    const Pair p = Time([&] { sink = size_t(ZelStrScanReverse(text.c_str(), -1, find.c_str())); }, [&] {
        const size_t length = wcslen(text.c_str());
        auto same = [](wchar_t a, wchar_t b) { return std::towlower(a) == std::towlower(b); };
        const auto end = text.begin() + std::ptrdiff_t(length);
        const auto at = std::find_end(text.begin(), end, find.begin(), find.end(), same);
        sink = at == end ? size_t(-1) : size_t(at - text.begin());
    });
    return p;
}

ZW_HARRAY MakeNumberArray(int count) {
    const ZW_HARRAY array = HostArrayCreate(HOST_ARRAY_NUMBER);
    HostArraySetBounds(array, 0, count - 1);
    for (int i = 0; i < count; ++i) {
        HostNumber number{};
        HostIntToNumber(i * 7 - 1000, &number);
        HostArrayPutNumber(array, &number, i);
    }
    return array;
}

// Numbers need no host string per element, so this measures the expander
// itself; the baseline reads and formats each number the plain way.
Pair ExpandNumbers(ZW_HARRAY array, int count) {
    const Pair p = Time([&] { HostTestFreeString(ZelStrExpand(L"Values: {%,n}.", array)); }, [&] {
        std::wstring result = L"Values: ";
        for (int i = 0; i < count; ++i) {
            HostNumber number{};
            HostArrayGetNumber(array, &number, i);
            if (i > 0) result += L',';
            result += std::to_wstring(HostNumberToInt(&number));
        }
        result += L'.';
        HostTestFreeString(HostTestNewString(result.c_str()));
    }, 3);
    return p;
}

void ReportArrays(const char* name, const Pair& small, const Pair& large) {
    std::printf("%-22s 10k: lib %8.2f ms, base %8.2f ms, ratio %.2f | 100k: lib %8.2f ms, base %8.2f ms, ratio %.2f"
                " | growth lib %.1fx, base %.1fx\n",
                name, small.library * 1e3, small.baseline * 1e3, small.library / small.baseline, large.library * 1e3,
                large.baseline * 1e3, large.library / large.baseline, large.library / small.library,
                large.baseline / small.baseline);
}

ZW_HARRAY MakeArray(int count) {
    const ZW_HARRAY array = HostArrayCreate(HOST_ARRAY_STRING);
    HostArraySetBounds(array, 0, count - 1);
    for (int i = 0; i < count; ++i) {
        const std::wstring text = L"element" + std::to_wstring(i);
        const HOSTSTR s = HostTestNewString(text.c_str());
        HostArrayPutString(array, s, i);
        HostTestFreeString(s);
    }
    return array;
}

// The baseline reads each element as the library must (the element's own host
// string, released after use, never freed) and joins them with std::wstring.
Pair Expand(ZW_HARRAY array, int count) {
    const Pair p = Time([&] { HostTestFreeString(ZelStrExpand(L"Items: {%,s}.", array)); }, [&] {
        std::wstring result = L"Items: ";
        for (int i = 0; i < count; ++i) {
            HOSTSTR element = 0;
            HostArrayGetString(array, &element, i);
            DWORD bytes = 0;
            if (const WCHAR* text = HostStrLock(element, &bytes)) {
                if (i > 0) result += L',';
                result += text;
            }
            HostStrRelease(element);
        }
        result += L'.';
        const HOSTSTR made = HostTestNewString(result.c_str());
        HostTestFreeString(made);
    }, 3);
    return p;
}

}  // namespace

int main() {
    const std::wstring small = MakeText(1000000);
    const std::wstring large = MakeText(10000000);

    Report("ZelStrSubstitute", Substitute(small), Substitute(large));
    Report("ZelStrTrim", Trim(small), Trim(large));
    Report("ZelStrScanReverse", ScanReverse(small), ScanReverse(large));

    // Strings: every element read is a new host string, so the host's own
    // work per element is part of both measurements.
    const ZW_HARRAY tenThousand = MakeArray(10000);
    const ZW_HARRAY hundredThousand = MakeArray(100000);
    const Pair strings10k = Expand(tenThousand, 10000);
    const Pair strings100k = Expand(hundredThousand, 100000);
    ReportArrays("ZelStrExpand {%,s}", strings10k, strings100k);
    HostArrayDestroy(tenThousand);
    HostArrayDestroy(hundredThousand);

    const ZW_HARRAY numbers10k = MakeNumberArray(10000);
    const ZW_HARRAY numbers100k = MakeNumberArray(100000);
    const ZW_HARRAY numbers1m = MakeNumberArray(1000000);
    const Pair n10k = ExpandNumbers(numbers10k, 10000);
    const Pair n100k = ExpandNumbers(numbers100k, 100000);
    const Pair n1m = ExpandNumbers(numbers1m, 1000000);
    ReportArrays("ZelStrExpand {%,n}", n10k, n100k);
    // Results of a megabyte and more live in fresh pages from the system on
    // every call, which costs more per character than the reused heap memory
    // of small results; 100k against 1M compares within the same regime.
    std::printf("%-22s 1M:  lib %8.2f ms, base %8.2f ms, ratio %.2f | growth 100k->1M lib %.1fx, base %.1fx\n",
                "ZelStrExpand {%,n}", n1m.library * 1e3, n1m.baseline * 1e3, n1m.library / n1m.baseline,
                n1m.library / n100k.library, n1m.baseline / n100k.baseline);
    HostArrayDestroy(numbers10k);
    HostArrayDestroy(numbers100k);
    HostArrayDestroy(numbers1m);
    return 0;
}
