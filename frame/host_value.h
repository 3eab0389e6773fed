// The host's 25-byte number and date/time values as they cross the library's
// boundary. The library treats the 24 value bytes as opaque: only the host's
// operations read or make them. Byte 0's low four bits give the length of the
// value; 0 means null (no number, no date).
#pragma once

#include <cstdint>

#pragma pack(push, 1)
struct HostValue {
    std::uint8_t lengthAndFlags;  // low nibble: length of the value, 0 = null
    std::uint8_t digits[24];      // the host's representation
};
#pragma pack(pop)

static_assert(sizeof(HostValue) == 25, "host values are 25 bytes");

typedef HostValue HostNumber;
typedef HostValue HostDate;

inline bool HostValueIsNull(const HostValue& value) {
    return (value.lengthAndFlags & 0x0F) == 0;
}
