// The replacement host's number representation and the Windows version number.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <limits>

#include "frame/core/win_version.h"
#include "host/core/number_value.h"

namespace {

bool SameBytes(const HostValue& a, const HostValue& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(HostNumber, EqualValuesHaveEqualBytes) {
    EXPECT_TRUE(SameBytes(host::MakeNumber(0.0), host::MakeNumber(-0.0)));
    EXPECT_TRUE(SameBytes(host::MakeNumber(2.5), host::MakeNumber(5.0 / 2)));
    EXPECT_FALSE(SameBytes(host::MakeNumber(1.0), host::MakeNumber(2.0)));
    // Values that are not numbers become the null number, never stray bits.
    EXPECT_TRUE(SameBytes(host::MakeNumber(std::nan("")), host::NullValue()));
    EXPECT_TRUE(SameBytes(host::MakeNumber(std::numeric_limits<double>::infinity()), host::NullValue()));
    EXPECT_TRUE(HostValueIsNull(host::NullValue()));
    EXPECT_FALSE(HostValueIsNull(host::MakeNumber(0.0)));
    // Bytes past the double stay zero.
    HostValue v = host::MakeNumber(-123.75);
    for (int i = 8; i < 24; ++i) EXPECT_EQ(v.digits[i], 0) << i;
}

TEST(HostNumber, IntegerConversionTruncatesAndSaturates) {
    struct Case { double value; std::int64_t expected; } cases[] = {
        {0.0, 0}, {1.9, 1}, {-1.9, -1}, {2147483647.0, INT_MAX}, {3e9, INT_MAX},
        {-3e9, INT_MIN}, {-2147483648.0, INT_MIN}, {42.0, 42},
    };
    for (const Case& c : cases)
        EXPECT_EQ(host::NumberToInteger(host::MakeNumber(c.value), INT_MIN, INT_MAX), c.expected) << c.value;
    EXPECT_EQ(host::NumberToInteger(host::NullValue(), INT_MIN, INT_MAX), 0);
    EXPECT_EQ(host::NumberToInteger(host::MakeNumber(-5), 0, UINT_MAX), 0);
}

TEST(WinVersion, MinorPartIsTruncatedBeforeTheAddition) {
    struct Case { unsigned major, minor; double expected; } cases[] = {
        {5, 1, 5}, {4, 10, 5}, {6, 3, 6}, {10, 0, 10}, {3, 95, 12}, {0, 0, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(zw::WinVersionNumber(c.major, c.minor), c.expected) << c.major << "." << c.minor;
}

}  // namespace
