#include "util/strings/host_arrays.h"

#include <cstring>

#include "frame/host_string.h"

namespace zw::strings {

namespace {

// The library's one host string for moving text into arrays.
HOSTSTR g_staging = 0;

// Forgets the staging string if the host no longer knows it.
void CheckStaging() {
    if (g_staging && !HostStrLock(g_staging, nullptr)) g_staging = 0;
}

// Refills the staging string with `text`; false when the host cannot hold it.
bool FillStaging(std::wstring_view text) {
    CheckStaging();
    if (text.size() >= 0x7FFFFFFFu / sizeof(WCHAR)) return false;
    const DWORD bytes = DWORD((text.size() + 1) * sizeof(WCHAR));
    if (!HostStrSetSize(&g_staging, bytes)) return false;
    DWORD stored = 0;
    WCHAR* buffer = HostStrLock(g_staging, &stored);
    if (!buffer || stored < bytes) return false;
    if (!text.empty()) std::memcpy(buffer, text.data(), text.size() * sizeof(WCHAR));
    buffer[text.size()] = 0;
    return true;
}

}  // namespace

std::optional<ArrayBounds> OneDimensionalBounds(HARRAY array) {
    int dimensions = 0;
    if (!HostArrayGetDimCount(array, &dimensions) || dimensions != 1) return std::nullopt;
    ArrayBounds bounds{0, 0, -1};
    bounds.count = HostArrayGetBounds(array, &bounds.lower, &bounds.upper);
    if (bounds.count <= 0 || HostArrayIsEmpty(array)) {
        bounds.count = 0;
        bounds.upper = bounds.lower - 1;
    }
    return bounds;
}

bool IsElementType(int type) {
    switch (type) {
    case HOST_ARRAY_BOOL: case HOST_ARRAY_DATETIME: case HOST_ARRAY_NUMBER:
    case HOST_ARRAY_STRING: case HOST_ARRAY_LONGSTRING: case HOST_ARRAY_HANDLE:
        return true;
    default:
        return false;
    }
}

bool MoveElement(int type, HARRAY source, LONG from, HARRAY target, LONG to) {
    // The host says why an element operation failed: a wrong type or index
    // only skips the element, running out of memory fails the move.
    SetLastError(ERROR_SUCCESS);
    bool moved = true;
    switch (type) {
    case HOST_ARRAY_BOOL: {
        BOOL value = FALSE;
        moved = HostArrayGetBool(source, &value, from) && HostArrayPutBool(target, value, to);
        break;
    }
    case HOST_ARRAY_HANDLE: {
        DWORD value = 0;
        moved = HostArrayGetHandle(source, &value, from) && HostArrayPutHandle(target, value, to);
        break;
    }
    case HOST_ARRAY_NUMBER: {
        HostNumber value{};
        moved = HostArrayGetNumber(source, &value, from) && HostArrayPutNumber(target, &value, to);
        break;
    }
    case HOST_ARRAY_DATETIME: {
        HostDate value{};
        moved = HostArrayGetDateTime(source, &value, from) && HostArrayPutDateTime(target, &value, to);
        break;
    }
    case HOST_ARRAY_STRING:
    case HOST_ARRAY_LONGSTRING: {
        HOSTSTR value = 0;
        moved = HostArrayGetString(source, &value, from);
        if (moved) {
            moved = HostArrayPutString(target, value, to);
            HostStrRelease(value);
        }
        break;
    }
    default:
        break;
    }
    return moved || GetLastError() != ERROR_NOT_ENOUGH_MEMORY;
}

void StoreEmptyElement(int type, HARRAY array, LONG index) {
    const HostValue empty{};
    switch (type) {
    case HOST_ARRAY_BOOL: HostArrayPutBool(array, FALSE, index); break;
    case HOST_ARRAY_HANDLE: HostArrayPutHandle(array, 0, index); break;
    case HOST_ARRAY_NUMBER: HostArrayPutNumber(array, &empty, index); break;
    case HOST_ARRAY_DATETIME: HostArrayPutDateTime(array, &empty, index); break;
    case HOST_ARRAY_STRING:
    case HOST_ARRAY_LONGSTRING: HostArrayPutString(array, 0, index); break;
    default: break;
    }
}

std::optional<std::wstring> ReadStringElement(HARRAY array, LONG index) {
    HOSTSTR element = 0;
    if (!HostArrayGetString(array, &element, index)) return std::nullopt;
    std::wstring text = ReadHostString(element);
    HostStrRelease(element);
    return text;
}

HOSTSTR StagingString(std::wstring_view text) {
    CheckStaging();
    AssignHostString(&g_staging, text);
    return g_staging;
}

bool PutStringElement(HARRAY array, LONG index, std::wstring_view text) {
    return HostArrayPutString(array, StagingString(text), index) != 0;
}

bool TryPutStringElement(HARRAY array, LONG index, std::wstring_view text) {
    return FillStaging(text) && HostArrayPutString(array, g_staging, index);
}

void SetElementCount(HARRAY array, LONG count) {
    HostArraySetBounds(array, 0, count > 0 ? count - 1 : -1);
}

}  // namespace zw::strings
