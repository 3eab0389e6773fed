// The host arrays through which applications pass palette colours and menu
// lines in bulk: colours and menu ids as host numbers, texts as host strings.
// Failures of the host throw, for the export's frame to report.
#pragma once

#include <windows.h>

#include <string>

#include "frame/host_api.h"

namespace zw::palette {

// The upper bound of a one-dimensional array (its lower bound less one when
// empty); throws InvalidArgException for a bad array.
LONG ArrayUpperBound(HARRAY array);
// Sets the upper bound, keeping the lower bound.
void SetArrayUpperBound(HARRAY array, LONG upper);

// Elements read from indexes the array lacks read as null: colour and id 0,
// empty text.
COLORREF ReadArrayColor(HARRAY array, LONG index);
WORD ReadArrayId(HARRAY array, LONG index);
std::u16string ReadArrayText(HARRAY array, LONG index);

void WriteArrayColor(HARRAY array, LONG index, COLORREF color);
void WriteArrayId(HARRAY array, LONG index, WORD id);

// Writes texts into string arrays through one host string of its own, which
// it gives back to the host when done.
class ArrayTextWriter {
public:
    ArrayTextWriter() = default;
    ~ArrayTextWriter();
    ArrayTextWriter(const ArrayTextWriter&) = delete;
    ArrayTextWriter& operator=(const ArrayTextWriter&) = delete;

    void Write(HARRAY array, LONG index, const std::u16string& text);

private:
    HOSTSTR scratch_ = 0;
};

}  // namespace zw::palette
