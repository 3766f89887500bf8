// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/registry.h"
#include "support/opened_calculator.h"

#include <gtest/gtest.h>

using namespace milora;
using namespace milora::calc;

namespace {

struct Opened : test::OpenedWindow {
    Opened() : OpenedWindow("B05_Fillup_Frequency") {}

    bool click(const char* group, int index) {
        return run_click_option(*calc, state, group, index).ok();
    }
    const std::string& text(const char* label) const { return state.label(label).text; }
    const OptionGroupState& high() const { return state.options("optHigh_Tank"); }
    std::set<int> hidden_high() const { return high().hidden; }
    bool shows_no_high_setting() const {
        return text("lblFillup_Savings") == "Select a high-tank setting." &&
               text("lblFillup_Times").empty() && text("lblFillup_Hours").empty() &&
               text("lblFillup_GasCost").empty();
    }
};

std::string savings(int high, int low) {
    return "If you normally fill up your tank when it's " + std::to_string(high) +
           "/8ths full instead of " + std::to_string(low) +
           "/8ths full, over the course of one year you will:";
}
std::string times(const char* more, const char* high, const char* low, const char* factor) {
    return std::string("- have to stop at the gas station ") + more + " more times (" + high +
           " fillups vs. " + low +
           " fillups), increasing the amount of incidental gas pollution you put into the air as "
           "a consequence of your total fillups by roughly a factor of " +
           factor + ".";
}
std::string hours(const char* h, const char* worth, const char* cost) {
    return std::string("- waste an extra ") + h +
           " hours at the gas station. If you value your time at " + worth +
           " an hour, that costs you " + cost + " in lost time.";
}
std::string gas_cost(const char* gallons, const char* cost) {
    return std::string("- burn an extra ") + gallons +
           " gallons of gas because of the average extra weight of gas your vehicle has to carry, "
           "which will cost you " +
           cost;
}

} // namespace

TEST(FillupFrequency, LoadsTheDataTheSettingsAndTheIntro) {
    CarData car;
    car.Global_Yearly_Miles_Traveled = 15000.0F;
    car.Global_Combined_MPG = 27.5F;
    car.Global_Gas_Cost = 2.9F;
    car.Global_Time_Cost = 0.0F;
    const test::OpenedWindow opened("B05_Fillup_Frequency", car);
    const FormState& s = opened.state;
    const std::pair<const char*, const char*> boxes[] = {
        {"txtGas_Tank_Capacity", "12"}, {"txtMiles_Per_Year", "15000"}, {"txtGas_Mileage", "27.5"},
        {"txtTime_To_Station", "10"},   {"txtGas_Cost", "2.9"},         {"txtFillup_Time", "3"},
        {"txtTime_Worth", "0"},
    };
    for (const auto& [box, text] : boxes) {
        EXPECT_EQ(s.box(box), text) << box;
        EXPECT_FALSE(validate_box(s, box)) << box;
    }
    EXPECT_EQ(s.options("optHigh_Tank").selected, 7);
    EXPECT_EQ(s.options("optLow_Tank").selected, 1);
    EXPECT_TRUE(s.options("optHigh_Tank").hidden.empty());
    EXPECT_EQ(s.label("lblFillup_Savings").text,
              "Do you fill up your tank when it's still mostly full? You'll pay a price in time, "
              "gas, and added pollution. Enter the appropriate data in the boxes above, then "
              "either click on a gas tank level or \"Calculate\" to see how much filling up too "
              "often may cost you.");
    EXPECT_EQ(s.label("lblFillup_Times").text, "");
    EXPECT_EQ(s.label("lblFillup_Hours").text, "");
    EXPECT_EQ(s.label("lblFillup_GasCost").text, "");
}

TEST(FillupFrequency, InitialValuesGiveTheFourSentences) {
    Opened w;
    ASSERT_TRUE(run_calculate(*w.calc, w.state));
    EXPECT_EQ(w.text("lblFillup_Savings"), savings(7, 1));
    EXPECT_EQ(w.text("lblFillup_Times"), times("344", "401", "57", "7"));
    EXPECT_EQ(w.text("lblFillup_Hours"), hours("57.3", "$10.00", "$573"));
    EXPECT_EQ(w.text("lblFillup_GasCost"), gas_cost("1.62", "$4.87."));
}

TEST(FillupFrequency, StoredSinglesShowInTheLastCent) {
    Opened w;
    const std::pair<const char*, const char*> boxes[] = {
        {"txtMiles_Per_Year", "21094"}, {"txtGas_Mileage", "32.8"}, {"txtTime_To_Station", "21"},
        {"txtGas_Cost", "4.50"},        {"txtTime_Worth", "31"},
    };
    for (const auto& [box, text] : boxes) {
        w.state.box(box) = text;
    }
    ASSERT_TRUE(run_calculate(*w.calc, w.state));
    EXPECT_EQ(w.text("lblFillup_Times"), times("369", "430", "61", "7"));
    EXPECT_EQ(w.text("lblFillup_Hours"), hours("129.0", "$31.00", "$4000"));
    // The MPG with the extra weight is not stored on its own; storing it would give $7.83.
    EXPECT_EQ(w.text("lblFillup_GasCost"), gas_cost("1.74", "$7.84."));

    w.state.box("txtTime_Worth") = "0.5";
    ASSERT_TRUE(run_calculate(*w.calc, w.state));
    EXPECT_EQ(w.text("lblFillup_Hours"), hours("129.0", "$.50", "$65"));
}

TEST(FillupFrequency, OptionClicksRecalculate) {
    Opened w;
    ASSERT_TRUE(w.click("optHigh_Tank", 4));
    EXPECT_EQ(w.high().selected, 4);
    EXPECT_EQ(w.text("lblFillup_Savings"), savings(4, 1));
    EXPECT_EQ(w.text("lblFillup_Times"), times("43", "100", "57", "2"));
    EXPECT_EQ(w.text("lblFillup_Hours"), hours("7.2", "$10.00", "$72"));
    EXPECT_EQ(w.text("lblFillup_GasCost"), gas_cost("0.81", "$2.43."));

    ASSERT_TRUE(w.click("optLow_Tank", 3));
    EXPECT_EQ(w.state.options("optLow_Tank").selected, 3);
    EXPECT_EQ(w.hidden_high(), (std::set<int>{2, 3}));
    EXPECT_EQ(w.high().selected, 4);
    EXPECT_EQ(w.text("lblFillup_Savings"), savings(4, 3));
    EXPECT_EQ(w.text("lblFillup_Times"), times("20", "100", "80", "1"));
}

TEST(FillupFrequency, ALowSettingAtOrAboveTheHighOneAsksForAHighSetting) {
    Opened w;
    // Low 3/4 under high 7/8: recalculated, 1/4 to 3/4 hidden.
    ASSERT_TRUE(w.click("optLow_Tank", 6));
    EXPECT_EQ(w.hidden_high(), (std::set<int>{2, 3, 4, 5, 6}));
    EXPECT_EQ(w.high().selected, 7);
    EXPECT_EQ(w.text("lblFillup_Savings"), savings(7, 6));

    // Back to low 1/8, then high 5/8 and low 3/4: the high setting is dropped.
    ASSERT_TRUE(w.click("optLow_Tank", 1));
    EXPECT_TRUE(w.hidden_high().empty());
    ASSERT_TRUE(w.click("optHigh_Tank", 5));
    ASSERT_TRUE(w.click("optLow_Tank", 6));
    EXPECT_EQ(w.hidden_high(), (std::set<int>{2, 3, 4, 5, 6}));
    EXPECT_FALSE(w.high().selected);
    EXPECT_TRUE(w.shows_no_high_setting());

    // Equal settings count as "at or above" too.
    ASSERT_TRUE(w.click("optLow_Tank", 2));
    ASSERT_TRUE(w.click("optHigh_Tank", 3));
    ASSERT_TRUE(w.click("optLow_Tank", 3));
    EXPECT_FALSE(w.high().selected);
    EXPECT_TRUE(w.shows_no_high_setting());

    // With no high setting every low click keeps asking; a high click answers.
    ASSERT_TRUE(w.click("optLow_Tank", 1));
    EXPECT_TRUE(w.shows_no_high_setting());
    ASSERT_TRUE(w.click("optHigh_Tank", 7));
    EXPECT_EQ(w.text("lblFillup_Times"), times("344", "401", "57", "7"));
}

TEST(FillupFrequency, CalculateWithoutAHighSettingReadsNoBoxes) {
    Opened w;
    ASSERT_TRUE(w.click("optHigh_Tank", 5));
    ASSERT_TRUE(w.click("optLow_Tank", 5));
    w.state.box("txtGas_Mileage") = "not a number";
    EXPECT_TRUE(run_calculate(*w.calc, w.state));
    EXPECT_FALSE(w.state.fault);
    EXPECT_TRUE(w.state.dialogue.kept().empty());
    EXPECT_TRUE(w.shows_no_high_setting());
}

TEST(FillupFrequency, ATankWhoseFuelWeightCostsTheWholeMpgIsRefused) {
    Opened o;
    const std::string limit_message =
        "Please enter a valid number for the gas tank capacity of your car in gallons, less than "
        "4444. The estimate has no meaning for a tank of 4444 gallons or more, where the weight "
        "of the extra gas would cost the whole MPG.";
    // Just below the limit the widest settings still give positive figures.
    o.state.box("txtGas_Tank_Capacity") = "4443";
    EXPECT_FALSE(validate_box(o.state, "txtGas_Tank_Capacity").has_value());
    ASSERT_TRUE(o.click("optLow_Tank", 1));
    ASSERT_TRUE(o.click("optHigh_Tank", 7));
    EXPECT_EQ(o.text("lblFillup_GasCost").find("- burn an extra -"), std::string::npos)
        << o.text("lblFillup_GasCost");
    for (const char* text : {"4444", "4445", "5000", "1e30"}) {
        o.state.box("txtGas_Tank_Capacity") = text;
        const auto refused = validate_box(o.state, "txtGas_Tank_Capacity");
        ASSERT_TRUE(refused.has_value()) << text;
        EXPECT_EQ(refused->text, limit_message) << text;
    }
    // Zero, negative and non-numbers keep the box's own message.
    for (const char* text : {"0", "-5", "abc"}) {
        o.state.box("txtGas_Tank_Capacity") = text;
        EXPECT_EQ(validate_box(o.state, "txtGas_Tank_Capacity")->text,
                  "Please enter a valid number for the gas tank capacity of your car in gallons.")
            << text;
    }
    // A text set past validation is not computed into negative fill-ups.
    o.state.box("txtGas_Tank_Capacity") = "5000";
    (void)o.state.dialogue.take_kept();
    EXPECT_TRUE(run_calculate(*o.calc, o.state));
    ASSERT_EQ(o.state.dialogue.kept().size(), 1U);
    EXPECT_EQ(o.state.dialogue.kept()[0].text, limit_message);
}
