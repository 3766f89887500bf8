// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "numbers/number_reading.h"

#include <gtest/gtest.h>

using milora::numbers::leading_number;
using milora::numbers::parse_number;
using milora::numbers::parse_single;
using milora::numbers::read_back;

TEST(WholeTextReading, AcceptsNumbersWithBlanksSignsSeparatorsAndExponents) {
    EXPECT_EQ(parse_number("20"), 20.0);
    EXPECT_EQ(parse_number("  .445 "), 0.445);
    EXPECT_EQ(parse_number("-5"), -5.0);
    EXPECT_EQ(parse_number("+2.5"), 2.5);
    EXPECT_EQ(parse_number("1,000"), 1000.0);
    EXPECT_EQ(parse_number("12,345,678.5"), 12345678.5);
    EXPECT_EQ(parse_number("1.5E3"), 1500.0);
    EXPECT_EQ(parse_number("2e-2"), 0.02);
    EXPECT_EQ(parse_number("5."), 5.0);
    EXPECT_EQ(parse_number("1e-400"), 0.0);
}

TEST(WholeTextReading, RefusesEverythingElse) {
    for (const char* text :
         {"",      "  ",   "abc",  "$3",    "3$",   "1 000", "--5",   "5-",
          "1,2,3", "1,00", ",100", "1.2.3", ".",    "-",     "e5",    "1e",
          "1e+",   "nan",  "inf",  "-inf",  "0x10", "12abc", "1e400", "\xd9\xa1\xd9\xa2"}) {
        EXPECT_FALSE(parse_number(text).has_value()) << '"' << text << '"';
    }
}

TEST(WholeTextReading, SingleRefusesWhatASingleCannotHold) {
    EXPECT_FALSE(parse_single("1e39").has_value());
    EXPECT_EQ(parse_single("3.4e38"), 3.4e38F);
    EXPECT_EQ(parse_single("0.445"), 0.445F);
}

TEST(LeadingNumber, TakesTheLeadingCharactersThatMakeANumber) {
    EXPECT_EQ(leading_number("20"), 20.0);
    EXPECT_EQ(leading_number("12abc"), 12.0);
    EXPECT_EQ(leading_number("$3"), 0.0);
    EXPECT_EQ(leading_number("abc"), 0.0);
    EXPECT_EQ(leading_number(""), 0.0);
    EXPECT_EQ(leading_number("-5"), -5.0);
    EXPECT_EQ(leading_number("1,000"), 1.0);
    EXPECT_EQ(leading_number(" 1 2 "), 12.0);
    EXPECT_EQ(leading_number(".5x"), 0.5);
    EXPECT_EQ(leading_number("1e3"), 1000.0);
    EXPECT_EQ(leading_number("1e"), 1.0);
    EXPECT_EQ(leading_number("--5"), 0.0);
}

TEST(ReadBack, ReadsAShownFigure) {
    EXPECT_EQ(read_back("$1800"), 1800.0);
    EXPECT_EQ(read_back("1067"), 1067.0);
    EXPECT_EQ(read_back("-$3"), -3.0);
    EXPECT_EQ(read_back("$.50"), 0.5);
    EXPECT_FALSE(read_back("").has_value());
    EXPECT_FALSE(read_back("Not applicable").has_value());
}
