#include "host/core/number_value.h"

#include <cmath>
#include <cstring>

namespace host {

HostValue NullValue() {
    HostValue value;
    std::memset(&value, 0, sizeof value);
    return value;
}

HostValue MakeNumber(double number) {
    HostValue value = NullValue();
    if (!std::isfinite(number)) return value;
    if (number == 0) number = 0;  // folds -0 into +0
    value.lengthAndFlags = kNumberLength;
    std::memcpy(value.digits, &number, sizeof number);
    return value;
}

bool IsNumber(const HostValue& value) {
    return (value.lengthAndFlags & 0x0F) == kNumberLength;
}

bool ReadNumber(const HostValue& value, double* out) {
    if (!IsNumber(value)) return false;
    double number;
    std::memcpy(&number, value.digits, sizeof number);
    if (!std::isfinite(number)) return false;
    *out = number;
    return true;
}

std::int64_t NumberToInteger(const HostValue& value, std::int64_t minimum, std::int64_t maximum) {
    double number;
    if (!ReadNumber(value, &number)) return 0;
    number = std::trunc(number);
    if (number <= double(minimum)) return minimum;
    if (number >= double(maximum)) return maximum;
    return std::int64_t(number);
}

}  // namespace host
