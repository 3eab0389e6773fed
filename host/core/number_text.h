// How the replacement host reads a number typed as text: blanks around it,
// an optional sign, digits with at most one decimal point (at least one
// digit in all), and an optional exponent ("e" or "E", an optional sign,
// digits). Nothing else is a number.
#pragma once

#include <optional>
#include <string_view>

namespace host {

std::optional<double> ReadNumberText(std::u16string_view text);

}  // namespace host
