#include "controls/palette/palette_arrays.h"

#include "frame/exceptions.h"
#include "frame/host_string.h"

namespace zw::palette {

LONG ArrayUpperBound(HARRAY array) {
    LONG upper = 0;
    if (!HostArrayGetUpperBound(array, 1, &upper)) throw InvalidArgException();
    return upper;
}

void SetArrayUpperBound(HARRAY array, LONG upper) {
    if (!HostArraySetUpperBound(array, 1, upper)) throw InvalidArgException();
}

namespace {
HostNumber ReadNumber(HARRAY array, LONG index) {
    HostNumber number{};
    HostArrayGetNumber(array, &number, index);
    return number;
}

void WriteNumber(HARRAY array, LONG index, const HostNumber& number) {
    if (!HostArrayPutNumber(array, &number, index)) throw InvalidArgException();
}
}  // namespace

COLORREF ReadArrayColor(HARRAY array, LONG index) {
    const HostNumber number = ReadNumber(array, index);
    return HostNumberToUInt(&number);
}

WORD ReadArrayId(HARRAY array, LONG index) {
    const HostNumber number = ReadNumber(array, index);
    return HostNumberToWord(&number);
}

std::u16string ReadArrayText(HARRAY array, LONG index) {
    HOSTSTR element = 0;
    if (!HostArrayGetString(array, &element, index) || !element) return {};
    const std::wstring text = ReadHostString(element);
    HostStrRelease(element);
    return std::u16string(text.begin(), text.end());
}

void WriteArrayColor(HARRAY array, LONG index, COLORREF color) {
    HostNumber number{};
    if (!HostUIntToNumber(color, &number)) throw InvalidArgException();
    WriteNumber(array, index, number);
}

void WriteArrayId(HARRAY array, LONG index, WORD id) {
    HostNumber number{};
    if (!HostWordToNumber(id, &number)) throw InvalidArgException();
    WriteNumber(array, index, number);
}

ArrayTextWriter::~ArrayTextWriter() {
    if (scratch_) HostStrRelease(scratch_);
}

void ArrayTextWriter::Write(HARRAY array, LONG index, const std::u16string& text) {
    AssignHostString(&scratch_, std::wstring_view(reinterpret_cast<const wchar_t*>(text.data()), text.size()));
    if (!HostArrayPutString(array, scratch_, index)) throw InvalidArgException();
}

}  // namespace zw::palette
