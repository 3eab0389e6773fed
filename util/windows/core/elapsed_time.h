// Elapsed times of the timing report: hundredths of a second written as
// minutes, seconds and hundredths ("%ld:%.2ld.%.2ld", so 12345 is "2:03.45").
#pragma once

#include <cstdint>
#include <string>

namespace zw::windows {

std::u16string FormatElapsed(std::uint32_t hundredths);

}  // namespace zw::windows
