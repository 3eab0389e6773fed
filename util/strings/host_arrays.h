// How the library reads and writes the host's arrays: their shape, their
// elements by type code, and string elements written from text.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "frame/host_api.h"

namespace zw::strings {

struct ArrayBounds {
    LONG count;  // number of elements, 0 when empty
    LONG lower;  // lower bound
    LONG upper;  // upper bound (lower - 1 when empty)
};

// The bounds of a one-dimensional array; nothing for an array of more
// dimensions or a handle the host does not know.
std::optional<ArrayBounds> OneDimensionalBounds(HARRAY array);

// True for the element type codes that elements can be moved by: 1 (Bool),
// 2 (date/time), 3 (number), 5 and 7 (string), 256 (handle).
bool IsElementType(int type);

// Copies element `from` of `source` to index `to` of `target` (which may be
// the same array). A string element is fetched, stored and its fetched handle
// released. An element that cannot be read is not stored. False only when the
// host ran out of memory for it (reading or storing), so that the caller can
// undo its work and report -8.
bool MoveElement(int type, HARRAY source, LONG from, HARRAY target, LONG to);

// Stores the type's empty value at `index`: 0, a null number or date/time,
// or a null string handle.
void StoreEmptyElement(int type, HARRAY array, LONG index);

// The text of string element `index`; nothing when it cannot be read.
std::optional<std::wstring> ReadStringElement(HARRAY array, LONG index);

// Stores `text` as string element `index`. The text goes to the host through
// one host string that the library keeps for the purpose and refills for each
// element (storing copies it into the array), so no host string is left behind
// per element. The first form retries (the error-recovery dialog of every
// string result) until the host can hold the text; the second gives up at once.
// Both return false when the array refuses the element.
bool PutStringElement(HARRAY array, LONG index, std::wstring_view text);
bool TryPutStringElement(HARRAY array, LONG index, std::wstring_view text);

// The library's string for moving text into arrays, holding `text` (with the
// retry): for storing one text many times.
HOSTSTR StagingString(std::wstring_view text);

// Sets the bounds to (0, count - 1): exactly the elements written from 0 on.
void SetElementCount(HARRAY array, LONG count);

}  // namespace zw::strings
