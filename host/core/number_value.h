// The replacement host's number representation.
//
// A host number is a HostValue whose low nibble of byte 0 is 8 and whose bytes
// 1 to 8 hold an IEEE double, little-endian; every other byte is zero. A null
// number is all zero bytes. The representation is canonical: -0 is stored as
// +0, and values that are not finite are stored as null, so equal numbers have
// equal bytes.
#pragma once

#include <cstdint>

#include "frame/host_value.h"

namespace host {

constexpr std::uint8_t kNumberLength = 8;

HostValue MakeNumber(double value);
HostValue NullValue();
// True when `value` is a (non-null) number; its value in *out.
bool ReadNumber(const HostValue& value, double* out);
bool IsNumber(const HostValue& value);

// Truncates toward zero and saturates at [minimum, maximum]; null and
// non-numbers give 0.
std::int64_t NumberToInteger(const HostValue& value, std::int64_t minimum, std::int64_t maximum);

}  // namespace host
