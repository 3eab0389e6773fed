// Host arrays: one-dimensional arrays of booleans, dates, numbers, strings or
// handles, with a lower and an upper bound.
//
// Elements are kept as values (strings as text), so equal arrays hold equal
// bytes. An array is empty when its upper bound is below its lower bound;
// writing past the upper bound grows it, as the host's dynamic arrays do.
// Reading a string element hands out the element's own host string, made on
// first read: it lives as long as the element, so readers that only release
// it (HostStrRelease) leave nothing behind.
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "host/corrt51/allocations.h"
#include "host/corrt51/strings.h"
#include "host/host_test.h"

namespace {

struct Element {
    DWORD scalar = 0;         // handle or boolean
    HostValue value{};        // number or date
    std::wstring text;        // string
    HOSTSTR string = 0;       // host string handed out for `text`, 0 until first read

    Element() = default;
    Element(Element&& other) noexcept
        : scalar(other.scalar), value(other.value), text(std::move(other.text)), string(other.string) {
        other.string = 0;
    }
    Element& operator=(Element&& other) noexcept {
        if (this != &other) {
            host::FreeString(string);
            scalar = other.scalar;
            value = other.value;
            text = std::move(other.text);
            string = other.string;
            other.string = 0;
        }
        return *this;
    }
    ~Element() { host::FreeString(string); }
};

struct HostArray {
    int type = 0;
    int dimensions = 1;
    LONG lower = 0;
    std::vector<Element> elements;  // elements[i] is index lower + i
};

std::map<HARRAY, HostArray>& Arrays() {
    static std::map<HARRAY, HostArray> arrays;
    return arrays;
}
HARRAY nextArray = 0x20000;

// Arrays above this many elements are refused rather than tried.
constexpr LONG kMaxElements = 64 * 1024 * 1024;

HostArray* Find(HARRAY handle) {
    auto it = Arrays().find(handle);
    return it == Arrays().end() ? nullptr : &it->second;
}

bool TypeIs(const HostArray& a, int t1, int t2 = -1) {
    return a.type == t1 || a.type == t2;
}

const Element* At(HARRAY handle, LONG index, int t1, int t2 = -1) {
    HostArray* a = Find(handle);
    if (!a || !TypeIs(*a, t1, t2) || index < a->lower) return nullptr;
    LONGLONG offset = LONGLONG(index) - a->lower;
    if (offset >= LONGLONG(a->elements.size())) return nullptr;
    return &a->elements[size_t(offset)];
}

Element* Slot(HARRAY handle, LONG index, int t1, int t2 = -1) {
    HostArray* a = Find(handle);
    if (!a || !TypeIs(*a, t1, t2)) return nullptr;
    if (a->elements.empty()) a->lower = index < a->lower ? index : a->lower;
    if (index < a->lower) return nullptr;
    LONGLONG offset = LONGLONG(index) - a->lower;
    if (offset >= kMaxElements) return nullptr;
    try {
        if (offset >= LONGLONG(a->elements.size())) {
            if (!host::NextAllocationSucceeds()) {
                SetLastError(ERROR_NOT_ENOUGH_MEMORY);
                return nullptr;
            }
            a->elements.resize(size_t(offset) + 1);
        }
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    return &a->elements[size_t(offset)];
}

}  // namespace

extern "C" HARRAY __stdcall HostArrayCreate(int elementType) {
    switch (elementType) {
    case HOST_ARRAY_BOOL: case HOST_ARRAY_DATETIME: case HOST_ARRAY_NUMBER:
    case HOST_ARRAY_STRING: case HOST_ARRAY_LONGSTRING: case HOST_ARRAY_HANDLE:
        break;
    default:
        return 0;
    }
    if (!host::NextAllocationSucceeds()) return 0;
    HARRAY handle = nextArray++;
    Arrays()[handle].type = elementType;
    return handle;
}

extern "C" void __stdcall HostArrayDestroy(HARRAY array) {
    Arrays().erase(array);
}

extern "C" BOOL __stdcall HostArrayGetDimCount(HARRAY array, int* count) {
    const HostArray* a = Find(array);
    if (!a || !count) return FALSE;
    *count = a->dimensions;
    return TRUE;
}

extern "C" BOOL __stdcall HostArrayIsEmpty(HARRAY array) {
    HostArray* a = Find(array);
    return !a || a->elements.empty();
}

extern "C" int __stdcall HostArrayGetBounds(HARRAY array, LONG* lower, LONG* upper) {
    HostArray* a = Find(array);
    if (!a) return 0;
    LONG count = LONG(a->elements.size());
    if (lower) *lower = a->lower;
    if (upper) *upper = a->lower + count - 1;
    return count;
}

extern "C" BOOL __stdcall HostArraySetBounds(HARRAY array, LONG lower, LONG upper) {
    HostArray* a = Find(array);
    if (!a) return FALSE;
    if (upper == -1 || upper < lower) {
        a->elements.clear();
        a->lower = lower < 0 ? 0 : lower;
        return TRUE;
    }
    LONGLONG count = LONGLONG(upper) - lower + 1;
    if (count > kMaxElements) return FALSE;
    if (count > LONGLONG(a->elements.size()) && !host::NextAllocationSucceeds()) return FALSE;
    try {
        std::vector<Element> resized(static_cast<size_t>(count));
        for (LONGLONG i = 0; i < count; ++i) {
            LONGLONG old = lower + i - LONGLONG(a->lower);
            if (old >= 0 && old < LONGLONG(a->elements.size())) resized[size_t(i)] = std::move(a->elements[size_t(old)]);
        }
        a->elements.swap(resized);
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
    a->lower = lower;
    return TRUE;
}

namespace {

// Reads one element's field into *value; false outside the bounds or for the
// wrong element type.
template <typename Out, typename Field>
BOOL Read(HARRAY array, LONG index, Out* value, Field field, int t1, int t2 = -1) {
    const Element* e = At(array, index, t1, t2);
    if (!e || !value) return FALSE;
    *value = Out(e->*field);
    return TRUE;
}

// Writes one element's field, growing the array when needed.
template <typename In, typename Field>
BOOL Write(HARRAY array, LONG index, const In& value, Field field, int t1, int t2 = -1) {
    Element* e = Slot(array, index, t1, t2);
    if (!e) return FALSE;
    e->*field = value;
    return TRUE;
}

}  // namespace

extern "C" BOOL __stdcall HostArrayGetHandle(HARRAY array, DWORD* value, LONG index) {
    return Read(array, index, value, &Element::scalar, HOST_ARRAY_HANDLE);
}

extern "C" BOOL __stdcall HostArrayGetString(HARRAY array, HOSTSTR* value, LONG index) {
    Element* e = const_cast<Element*>(At(array, index, HOST_ARRAY_STRING, HOST_ARRAY_LONGSTRING));
    if (!e || !value) return FALSE;
    if (!e->string) e->string = host::NewString(e->text);
    if (!e->string) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return FALSE;
    }
    *value = e->string;
    return TRUE;
}

extern "C" BOOL __stdcall HostArrayGetNumber(HARRAY array, HostNumber* value, LONG index) {
    return Read(array, index, value, &Element::value, HOST_ARRAY_NUMBER);
}

extern "C" BOOL __stdcall HostArrayGetBool(HARRAY array, BOOL* value, LONG index) {
    return Read(array, index, value, &Element::scalar, HOST_ARRAY_BOOL);
}

extern "C" BOOL __stdcall HostArrayGetDateTime(HARRAY array, HostDate* value, LONG index) {
    return Read(array, index, value, &Element::value, HOST_ARRAY_DATETIME);
}

extern "C" BOOL __stdcall HostArrayPutHandle(HARRAY array, DWORD value, LONG index) {
    return Write(array, index, value, &Element::scalar, HOST_ARRAY_HANDLE);
}

extern "C" BOOL __stdcall HostArrayPutString(HARRAY array, HOSTSTR value, LONG index) {
    Element* e = Slot(array, index, HOST_ARRAY_STRING, HOST_ARRAY_LONGSTRING);
    if (!e) return FALSE;
    e->text = host::Text(value);
    // A string handed out earlier now holds the new text.
    host::FreeString(e->string);
    e->string = 0;
    return TRUE;
}

extern "C" BOOL __stdcall HostArrayPutNumber(HARRAY array, const HostNumber* value, LONG index) {
    return value && Write(array, index, *value, &Element::value, HOST_ARRAY_NUMBER);
}

extern "C" BOOL __stdcall HostArrayPutBool(HARRAY array, BOOL value, LONG index) {
    return Write(array, index, DWORD(value ? 1 : 0), &Element::scalar, HOST_ARRAY_BOOL);
}

extern "C" BOOL __stdcall HostArrayPutDateTime(HARRAY array, const HostDate* value, LONG index) {
    return value && Write(array, index, *value, &Element::value, HOST_ARRAY_DATETIME);
}

extern "C" void __stdcall HostTestSetArrayDimensions(HARRAY array, int count) {
    if (HostArray* a = Find(array)) a->dimensions = count;
}
