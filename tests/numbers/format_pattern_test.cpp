// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "numbers/format_pattern.h"
#include "numbers/precision.h"

#include <gtest/gtest.h>

using milora::numbers::format;

TEST(FormatPattern, WholeDollarsAndCounts) {
    EXPECT_EQ(format(1799.5, "$#0"), "$1800");
    EXPECT_EQ(format(-3.2, "$#0"), "-$3");
    EXPECT_EQ(format(-12.0, "$#0"), "-$12");
    EXPECT_EQ(format(12345.6, "$#0"), "$12346");
    EXPECT_EQ(format(0.4, "#0"), "0");
    EXPECT_EQ(format(11738.4F, "#0"), "11738");
    EXPECT_EQ(format(2.5, "#0"), "3");
    EXPECT_EQ(format(-2.5, "#0"), "-3");
}

TEST(FormatPattern, DecimalsRoundHalfAwayOnTheValuesOwnDigits) {
    EXPECT_EQ(format(22.0, "#0.0"), "22.0");
    EXPECT_EQ(format(2.675F, "$#0.00"), "$2.68");
    EXPECT_EQ(format(2.675, "$#0.00"), "$2.68");
    EXPECT_EQ(format(0.125F, "$#0.00"), "$0.13");
    EXPECT_EQ(format(9.995, "$#0.00"), "$10.00");
    EXPECT_EQ(format(0.0683F, "$#0.00"), "$0.07");
    EXPECT_EQ(format(5.4750004F, "$#0.00"), "$5.48");
    EXPECT_EQ(format(-0.001, "$#0.00"), "$0.00");
}

TEST(FormatPattern, OptionalPlaces) {
    EXPECT_EQ(format(0.5, "$#.00"), "$.50");
    EXPECT_EQ(format(10.0, "$#.00"), "$10.00");
    EXPECT_EQ(format(2.5, "$#0.00#"), "$2.50");
    EXPECT_EQ(format(0.125, "$#0.00#"), "$0.125");
    EXPECT_EQ(format(3.0, "$0.00#"), "$3.00");
    EXPECT_EQ(format(0.25F, "#.00 gallons "), ".25 gallons ");
    EXPECT_EQ(format(1.5, "$#0.#0"), "$1.50");
    EXPECT_EQ(format(0.0, "##"), "");
    EXPECT_EQ(format(55.0, "## mph"), "55 mph");
    EXPECT_EQ(format(0.123, "$#0.000"), "$0.123");
}

TEST(FormatPattern, LiteralTextStaysInPlace) {
    EXPECT_EQ(format(3.0, "#/8ths"), "3/8ths");
    EXPECT_EQ(format(7.0, "#/8ths"), "7/8ths");
    EXPECT_EQ(format(55.0, "## MPH :"), "55 MPH :");
    EXPECT_EQ(format(401.08F, "#0 fillups vs. "), "401 fillups vs. ");
    EXPECT_EQ(format(57.14F, "#0 fillups"), "57 fillups");
    EXPECT_EQ(format(16.67, "$#0.00 to "), "$16.67 to ");
    EXPECT_EQ(format(12.04, "#0.0 psi"), "12.0 psi");
    EXPECT_EQ(format(10.0, "00.0 "), "10.0 ");
    EXPECT_EQ(format(5.0, "00.0 "), "05.0 ");
    EXPECT_EQ(format(79.0, "#00 "), "79 ");
    EXPECT_EQ(format(7.0, "#00"), "07");
    EXPECT_EQ(format(7.02F, "#0."), "7.");
    EXPECT_EQ(format(4.873F, "$#0.00."), "$4.87.");
    EXPECT_EQ(format(0.0683F, "$#0.00,"), "$0.07");
    EXPECT_EQ(format(143.0, "#0 pounds "), "143 pounds ");
    EXPECT_EQ(format(9.0, "#0 gallons "), "9 gallons ");
    EXPECT_EQ(format(1.0, "#0h "), "1h ");
    EXPECT_EQ(format(60.0, "#0m"), "60m");
    EXPECT_EQ(format(10.0, "# miles "), "10 miles ");
    EXPECT_EQ(format(12.5, "$#0.00 per hour"), "$12.50 per hour");
}

TEST(FormatPattern, HugeValuesShowAllDigitsAndStayBounded) {
    EXPECT_EQ(format(3.4e38F, "#0").size(), 39U);
    EXPECT_LT(format(1.7e308, "$#0.00").size(), 320U);
    EXPECT_EQ(format(1e20F, "$#0"), "$100000000000000000000");
}

TEST(Precision, SingleStoresAndFaultsOutOfRange) {
    using milora::numbers::FloatFault;
    using milora::numbers::single;
    EXPECT_EQ(single(1.0 / 3.0), 1.0F / 3.0F);
    EXPECT_THROW(single(1e39), FloatFault);
    EXPECT_THROW(single(1.0 / 0.0), FloatFault);
    EXPECT_THROW(milora::numbers::checked(std::numeric_limits<double>::quiet_NaN()), FloatFault);
}

TEST(Precision, BankersRounding) {
    using milora::numbers::round_half_even;
    EXPECT_EQ(round_half_even(2.5), 2.0);
    EXPECT_EQ(round_half_even(3.5), 4.0);
    EXPECT_EQ(round_half_even(-2.5), -2.0);
    EXPECT_EQ(round_half_even(2.6), 3.0);
}
