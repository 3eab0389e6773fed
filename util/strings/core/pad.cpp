#include "util/strings/core/pad.h"

namespace zw::strings {

std::u16string Pad(std::u16string_view text, int length) {
    if (length <= 0) return {};
    const size_t wanted = static_cast<size_t>(length);
    std::u16string result(text.substr(0, wanted));
    result.resize(wanted, u' ');
    return result;
}

}  // namespace zw::strings
