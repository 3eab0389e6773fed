#include "host/core/number_text.h"

#include <gtest/gtest.h>

TEST(NumberText, WhatTheHostTakesForANumber) {
    struct Case {
        std::u16string_view text;
        bool isNumber;
        double value;
    } cases[] = {
        {u"12", true, 12},     {u" -12.05 ", true, -12.05}, {u"+.5", true, 0.5}, {u"7.", true, 7},
        {u"1e3", true, 1000},  {u"2.5E-1", true, 0.25},     {u"", false, 0},     {u"-", false, 0},
        {u".", false, 0},      {u"1.2.3", false, 0},        {u"12a", false, 0},  {u"1e", false, 0},
        {u"--1", false, 0},    {u"1 2", false, 0},          {u"1e999", false, 0},
    };
    for (const Case& c : cases) {
        const auto value = host::ReadNumberText(c.text);
        EXPECT_EQ(value.has_value(), c.isNumber) << std::string(c.text.begin(), c.text.end());
        if (value && c.isNumber) {
            EXPECT_DOUBLE_EQ(*value, c.value);
        }
    }
}
