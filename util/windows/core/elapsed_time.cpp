#include "util/windows/core/elapsed_time.h"

#include <cstdio>

namespace zw::windows {

std::u16string FormatElapsed(std::uint32_t hundredths) {
    char text[32];
    const int length = std::snprintf(text, sizeof text, "%lu:%.2lu.%.2lu", static_cast<unsigned long>(hundredths / 6000),
                                     static_cast<unsigned long>(hundredths % 6000 / 100),
                                     static_cast<unsigned long>(hundredths % 100));
    return std::u16string(text, text + (length > 0 ? length : 0));
}

}  // namespace zw::windows
