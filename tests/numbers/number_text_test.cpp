// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "numbers/number_reading.h"
#include "numbers/number_text.h"

#include <gtest/gtest.h>
#include <limits>

using milora::numbers::number_text;
using milora::numbers::parse_number;
using milora::numbers::parse_single;
using milora::numbers::plain_number_text;

TEST(NumberText, SinglesKeepSevenDigitsWithoutTrailingZeros) {
    EXPECT_EQ(number_text(3.0F), "3");
    EXPECT_EQ(number_text(1.02F), "1.02");
    EXPECT_EQ(number_text(12000.0F), "12000");
    EXPECT_EQ(number_text(0.445F), "0.445");
    EXPECT_EQ(number_text(1.0F / 3.0F), "0.3333333");
    EXPECT_EQ(number_text(-1.5F), "-1.5");
    EXPECT_EQ(number_text(20.0F), "20");
    EXPECT_EQ(number_text(0.0F), "0");
    EXPECT_EQ(number_text(-0.0F), "0");
    EXPECT_EQ(number_text(33.3F), "33.3");
    EXPECT_EQ(number_text(100.0F - 33.3F), "66.7");
    EXPECT_EQ(number_text(2.79F), "2.79");
    EXPECT_EQ(number_text(1234567.0F), "1234567");
}

TEST(NumberText, DoublesKeepFifteenDigits) {
    EXPECT_EQ(number_text(55.0), "55");
    EXPECT_EQ(number_text(17.4), "17.4");
    EXPECT_EQ(number_text(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(number_text(0.1 + 0.2), "0.3");
    EXPECT_EQ(number_text(5400.0), "5400");
}

TEST(NumberText, ExponentFormOnlyWhereNeededAndReadsBack) {
    EXPECT_EQ(number_text(1e20F), "1E+20");
    EXPECT_EQ(number_text(0.000001F), "1E-06");
    EXPECT_EQ(number_text(0.00001F), "0.00001");
    // Values of up to 7 (15) significant digits read back exactly.
    for (const float v : {1e20F, 1.234567e12F, 1e-7F, -9.876543e9F, 1e-45F, 3.402823e38F}) {
        const std::string text = number_text(v);
        ASSERT_TRUE(parse_single(text).has_value()) << text;
        EXPECT_EQ(*parse_single(text), v) << text;
    }
    for (const double v : {1e300, 1.23456789012345e20, 5e-324, -2.5e-10}) {
        const std::string text = number_text(v);
        ASSERT_TRUE(parse_number(text).has_value()) << text;
        EXPECT_EQ(*parse_number(text), v) << text;
    }
}

TEST(NumberText, ExponentFormKeepsSevenDigitsForASingleAndFifteenForADouble) {
    EXPECT_EQ(number_text(12345678.0F), "1.234568E+07");
    EXPECT_EQ(number_text(16777217.0F), "1.677722E+07");
    EXPECT_EQ(number_text(-98765432.0F), "-9.876543E+07");
    EXPECT_EQ(number_text(3.4028235e38F), "3.402823E+38");
    EXPECT_EQ(number_text(1.17549435e-38F), "1.175494E-38");
    EXPECT_EQ(number_text(99999999.0F), "1E+08"); // rounding carries into the exponent
    EXPECT_EQ(number_text(1.0000000272564224e15), "1.00000002725642E+15");
    EXPECT_EQ(number_text(1.2345678901234567e20), "1.23456789012346E+20");
    // The largest double cannot round up to 15 digits: it keeps the digits that read back.
    const double largest = std::numeric_limits<double>::max();
    EXPECT_EQ(*parse_number(number_text(largest)), largest);
    EXPECT_EQ(*parse_number(number_text(-largest)), -largest);
}

TEST(NumberText, SevenDigitFormReadsBackSevenDigitValues) {
    for (const float v : {0.445F, 2.899F, 12000.0F, 22.5F, 9999999.0F, 0.1234567F}) {
        EXPECT_EQ(*parse_single(number_text(v)), v) << number_text(v);
    }
}

TEST(NumberText, PlainFormHasLeadingBlankAndNoZeroBeforeThePoint) {
    EXPECT_EQ(plain_number_text(55.0F), " 55");
    EXPECT_EQ(plain_number_text(0.5F), " .5");
    EXPECT_EQ(plain_number_text(0.0F), " 0");
    EXPECT_EQ(plain_number_text(-2.25F), "-2.25");
    EXPECT_EQ(plain_number_text(-0.5F), "-.5");
}

TEST(NumberText, TinyValuesKeepTheirExponent) {
    // Subnormal singles and doubles: the exponent is read from the digits written, nothing more.
    EXPECT_EQ(number_text(8.2652E-40F), "8.2652E-40");
    EXPECT_EQ(*parse_single(number_text(8.2652E-40F)), 8.2652E-40F);
    EXPECT_EQ(number_text(6.153816935E-313), "6.153816935E-313");
}
