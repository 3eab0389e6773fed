// Equality of host numbers as the array search sees it: the same length byte
// and the same significant value bytes. Bytes past the length are ignored.
#pragma once

#include <cstring>

#include "frame/host_value.h"

namespace zw::strings {

inline bool SameHostNumber(const HostValue& a, const HostValue& b) {
    if (a.lengthAndFlags != b.lengthAndFlags) return false;
    const size_t length = a.lengthAndFlags & 0x0F;
    return std::memcmp(a.digits, b.digits, length < sizeof a.digits ? length : sizeof a.digits) == 0;
}

}  // namespace zw::strings
