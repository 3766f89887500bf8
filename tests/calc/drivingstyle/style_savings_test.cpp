// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/drivingstyle/grid_text.h"
#include "support/opened_calculator.h"

#include <gtest/gtest.h>

using namespace milora;
using namespace milora::calc;
using namespace milora::test;

namespace {

std::string refusal(OpenedWindow& w, const char* box) {
    w.state.box(box) = "0";
    const auto m = validate_box(w.state, box);
    return m ? m->title + ": " + m->text : "accepted";
}

} // namespace

TEST(CityDrivingStyle, LoadShowsTheIntroAndTheCityShareOfTheYearlyMiles) {
    OpenedWindow w("E01_City_Driving_Style");
    const auto& d = w.state.description();
    EXPECT_EQ(d.caption, "How Much Can You Save With Smart City Driving?");
    EXPECT_EQ(d.help_topic, "City_driving_style.htm");
    EXPECT_FALSE(d.landscape);
    EXPECT_EQ(d.boxes[2].label_name, "lbl_Yearly_Mileage");
    EXPECT_EQ(d.buttons[0].tooltip, "Click here to Calculate results");
    EXPECT_EQ(w.state.box("txtCity_MPG"), "18");
    EXPECT_EQ(w.state.box("txtGas_Cost"), "3");
    EXPECT_EQ(w.state.box("txtCity_Mileage"), "6600");
    EXPECT_EQ(w.state.label("lblResults").text.substr(0, 50),
              "Changing the way you drive in city conditions can ");

    CarData car;
    car.Global_Yearly_Miles_Traveled = 1000.0F;
    car.Global_City_Percent = TaggedPercent::from_single(64.2F);
    EXPECT_EQ(OpenedWindow("E01_City_Driving_Style", car).state.box("txtCity_Mileage"), "641.9999");
}

TEST(CityDrivingStyle, TheSavingsRangeWithItsDoubleBlank) {
    OpenedWindow w("E01_City_Driving_Style");
    ASSERT_TRUE(w.click_calculate());
    EXPECT_EQ(w.state.label("lblResults").text,
              "Over the course of a year, using smart driving techniques in the city could save "
              "you between $122.22 to $244.44  on gas. You could also be putting between 797 and "
              "1594 fewer pounds of carbon dioxide into the atmosphere.");

    // The upper ends double the unrounded figures: not 2 x $111.34 nor 2 x 751.
    w.state.box("txtCity_MPG") = "22.5";
    w.state.box("txtGas_Cost") = "2.899";
    w.state.box("txtCity_Mileage") = "7,777";
    ASSERT_TRUE(w.click_calculate());
    EXPECT_EQ(w.state.label("lblResults").text,
              "Over the course of a year, using smart driving techniques in the city could save "
              "you between $111.34 to $222.67  on gas. You could also be putting between 751 and "
              "1503 fewer pounds of carbon dioxide into the atmosphere.");
}

TEST(SteadyDriving, LoadShowsTheIntroAndTheHighwayShareOfTheYearlyMiles) {
    OpenedWindow w("E05_Steady_Driving");
    const auto& d = w.state.description();
    EXPECT_EQ(d.caption, "Save By Keeping a Steady Highway Speed");
    EXPECT_EQ(d.help_topic, "Highway_driving_style.htm#cruisecontrol");
    EXPECT_EQ(d.boxes[0].tooltip, "");
    EXPECT_EQ(w.state.box("txtHighway_MPG"), "24");
    EXPECT_EQ(w.state.box("txtGas_Cost"), "3");
    EXPECT_EQ(w.state.box("txtHighway_Mileage"), "5400");
    EXPECT_NE(w.state.label("lblResults").text.find("seriously reduce  your fuel economy"),
              std::string::npos);
}

TEST(SteadyDriving, TheUpperBoundWithItsDoubleBlank) {
    OpenedWindow w("E05_Steady_Driving");
    ASSERT_TRUE(w.click_calculate());
    EXPECT_EQ(w.state.label("lblResults").text,
              "Over the course of a year, driving at a constant speed instead of constantly "
              "accelerating and braking  under highway driving conditions could save you as much "
              "as $332.46 on gas. You could also be putting up to 2168 fewer pounds of carbon "
              "dioxide into the atmosphere.");

    w.state.box("txtHighway_MPG") = "31.7";
    w.state.box("txtGas_Cost") = "3.459";
    w.state.box("txtHighway_Mileage") = "8250";
    ASSERT_TRUE(w.click_calculate());
    EXPECT_EQ(w.state.label("lblResults").text,
              "Over the course of a year, driving at a constant speed instead of constantly "
              "accelerating and braking  under highway driving conditions could save you as much "
              "as $443.39 on gas. You could also be putting up to 2508 fewer pounds of carbon "
              "dioxide into the atmosphere.");
}

TEST(DrivingStyleValidation, EachBoxRefusesZeroWithItsOwnMessage) {
    OpenedWindow city("E01_City_Driving_Style");
    EXPECT_EQ(refusal(city, "txtCity_MPG"),
              "Data Error: Please enter a valid number for MPG, greater than 0.");
    EXPECT_EQ(refusal(city, "txtGas_Cost"),
              "Data Error: Please enter a valid number for gas cost, greater than 0.");
    EXPECT_EQ(refusal(city, "txtCity_Mileage"),
              "Data Error: Please enter a valid number for your total yearly city mileage, "
              "greater than 0.");
    OpenedWindow steady("E05_Steady_Driving");
    EXPECT_EQ(refusal(steady, "txtHighway_MPG"),
              "Data Error: Please enter a valid number for EPA highway MPG, greater than 0.");
    EXPECT_EQ(refusal(steady, "txtHighway_Mileage"),
              "Data Error: Please enter a valid number for your total yearly highway mileage, "
              "greater than 0.");
    for (const char* window :
         {"E02_Gas_And_Time_Cost", "E03_Trip_Cost", "E04_Yearly_Highway_Cost"}) {
        OpenedWindow w(window);
        EXPECT_EQ(refusal(w, "txtMPG"),
                  "Data Error: Please enter a valid number for gas mileage, greater than 0.");
        EXPECT_EQ(refusal(w, "txtGasPrice"),
                  "Data Error: Please enter a valid gas price, greater than zero.");
    }
    OpenedWindow trip("E03_Trip_Cost");
    EXPECT_EQ(refusal(trip, "txtTrip_Distance"),
              "Data Error: Please enter a valid number for the trip distance in miles.");
    OpenedWindow yearly("E04_Yearly_Highway_Cost");
    EXPECT_EQ(refusal(yearly, "txtTrip_Distance"),
              "Data Error: Please enter a valid number for the trip distance in miles.");
}
