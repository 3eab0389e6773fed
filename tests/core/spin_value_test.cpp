// The spin field's numbers and the spin field's and meter's geometry.
#include "controls/spin/core/spin_value.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/spin/core/spin_layout.h"

using zw::spin::SpinSettings;

namespace {
// What the host's text-to-number-to-integer reading gives: truncated, saturated.
std::int32_t HostLike(std::wstring_view text) {
    const double value = std::stod(std::wstring(text));
    if (value >= 2147483647.0) return 2147483647;
    if (value <= -2147483648.0) return -2147483647 - 1;
    return static_cast<std::int32_t>(value);
}
}  // namespace

TEST(SpinValue, StepsClampWithoutWrapping) {
    const int kMax = 2147483647, kMin = -kMax - 1;
    struct Case {
        SpinSettings s;
        int value;
        bool up;
        int expected;
    } cases[] = {
        {{0, 10, 3, 0}, 9, true, 10},
        {{0, 10, 3, 0}, 1, false, 0},
        {{0, 10, 3, 0}, 4, true, 7},
        {{1, kMax, 1, 0}, kMax, true, kMax},     // no wrap past the 32-bit range
        {{kMin, 0, 5, 0}, kMin + 2, false, kMin},
        {{0, 10, -4, 0}, 2, true, 0},            // a negative increment steps the other way
        {{5, 3, 1, 0}, 4, true, 5},              // limits crossed: the minimum wins
    };
    for (const Case& c : cases) EXPECT_EQ(zw::spin::Step(c.value, c.s, c.up), c.expected) << c.value;
    EXPECT_TRUE(zw::spin::InRange(10, {0, 10, 1, 0}));
    EXPECT_FALSE(zw::spin::InRange(11, {0, 10, 1, 0}));
}

TEST(SpinValue, TextBothWays) {
    struct Case {
        int value, adjust;
        const wchar_t* text;
    } cases[] = {
        {1205, -2, L"12.05"}, {1200, -2, L"12"},   {1250, -2, L"12.50"}, {-1205, -2, L"-12.05"},
        {-5, -2, L"-0.05"},   {42, 0, L"42"},      {-7, 0, L"-7"},       {15, 2, L"1500"},
        {7, -40, L"0.000000007"},  // beyond 9 places acts as 9
    };
    for (const Case& c : cases) {
        EXPECT_EQ(zw::spin::FormatValue(c.value, c.adjust), c.text);
        EXPECT_EQ(zw::spin::ReadValue(c.text, c.adjust, HostLike), c.value) << c.text;
    }
    struct Read {
        const wchar_t* text;
        int adjust, value;
    } reads[] = {
        {L"12.5", -2, 1250},  // a short fraction counts as padded with zeros
        {L"12.567", -2, 1256},  // digits beyond the places are dropped
        {L"-.5", -1, -5},
        {L"12.9", 0, 12},
        {L"1599", 2, 15},
        {L"99999999999", -2, 2147483647},
    };
    for (const Read& r : reads) EXPECT_EQ(zw::spin::ReadValue(r.text, r.adjust, HostLike), r.value) << r.text;
}

TEST(SpinLayout, EditBoxRepeatAndVerticalMeter) {
    // The edit's border lies just outside the field.
    EXPECT_EQ(zw::spin::SpinLayoutOf(100, 21).edit, (zw::spin::Box{-1, -1, 87, 22}));
    EXPECT_TRUE(zw::spin::RepeatDue(0xFFFFFF00u, 100));  // the tick count wrapped
    EXPECT_FALSE(zw::spin::RepeatDue(1000, 1299));
    EXPECT_EQ(zw::spin::MeterPartsOf(20, 200, 25).covered, (zw::spin::Box{0, 150, 20, 200}));
    EXPECT_EQ(zw::spin::MeterPartsOf(20, 20, 100).uncovered, (zw::spin::Box{0, 0, 20, 0}));
}
