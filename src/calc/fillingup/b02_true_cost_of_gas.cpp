// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/fillingup/b02_true_cost_of_gas.h"

#include "calc/common_boxes.h"
#include "numbers/format_pattern.h"
#include "numbers/number_text.h"
#include "numbers/precision.h"

#include <cmath>

namespace milora::calc {
namespace {

using numbers::format;
using numbers::single;

const char* const kIntro =
    "Newspapers and TV stations are always publicizing the names and addresses of gas stations "
    "with the \"cheapest\" posted price for gas. But after you drive there and back, is it really "
    "cheaper than buying it at a closer gas station with a slightly higher posted price? Enter the "
    "data above, click on Calculate, and find out how much that \"cheap\" gas may really be "
    "costing you.";

const char* const kCheapAboveExpensive =
    "The \"cheap\" gas has to cost less than the \"expensive\" gas! Please check your numbers.";

const float kCheapPrice = 2.79F;
const float kExpensivePrice = 2.89F;

// One label per way of counting the trip's cost. The lead-in ends in "save ", "break even " or
// "spend "; the saving's total has no period in one of them.
struct SentenceDesc {
    const char* label;
    const char* lead;
    const char* total_pattern;
};

const SentenceDesc kSentences[] = {
    {"lblSentence_GasCostsOnly",
     "Taking into account only the extra gas you burn driving to the station, you will ",
     "$#0.00. "},
    {"lblSentence_TotalCosts", "Taking into account the cost of driving per mile, you will ",
     "$#0.00 "},
    {"lblSentence_TotalCostsAndTime",
     "Taking into account the cost of driving per mile and the value of your time, you will ",
     "$#0.00. "},
};

// `saving` is the real saving per gallon, `posted` the saving the prices promise, `gallons` the
// gallons box as a double.
std::string sentence(const SentenceDesc& d, float saving, float posted, float distance,
                     double gallons) {
    const std::string lead = d.lead;
    const double total = gallons * saving;
    if (saving > 0) {
        return lead + "save " + format(saving, "$#0.00 ") + "per gallon of gas (not the " +
               format(posted, "$#0.00 ") + "per gallon you thought you were saving). Driving " +
               format(distance, "# miles") +
               " to the station with \"cheap\" gas and back will save you a total of " +
               format(total, d.total_pattern);
    }
    if (saving == 0) {
        return lead + "break even " + "on the cost of gas; you will neither save nor lose money.";
    }
    return lead + "spend " + format(std::fabs(saving), "$#0.00 ") +
           " more per gallon of gas (not the " + format(posted, "$#0.00 ") +
           "per gallon you thought you were saving). Driving " + format(distance, "# miles") +
           " to the station with \"cheap\" gas  and back will actually cost you " +
           format(std::fabs(total), "$#0.00 ") +
           "more than filling up at the \"expensive\" station.";
}

WindowDescription make_description() {
    WindowDescription d = describe_window(
        "B02_True_Cost_of_Gas", "Does Driving To A Station With \"Cheap\" Gas Make Sense?",
        "True_Cost_of_That__Cheaper_Gas__Across_Town.htm",
        "Click here to Calculate results, or to update results when data on top is changed");
    d.box_columns = 2;
    d.width = 760;
    d.boxes = {
        box("txtGas_Mileage", "Combined City/Hwy MPG",
            "Average mileage for the kind of driving (city or highway) you'll do when "
            "driving to the gas station",
            "Please enter a valid gas mileage (MPG), greater than zero.")
            .with_label_tooltip("Combined city/highway MPG (miles per gallon)")
            .from(&CarData::Global_Combined_MPG),
        box("txtGas_Cost_Cheap", "Cheap Gas Cost ($/gallon)",
            "Gas cost at the station you're driving to because of the \"low\" price "
            "(dollars per gallon)",
            "Please enter a valid cost for gas per gallon, greater than zero.")
            .starting_at(kCheapPrice),
        box("txtGas_Cost_Expensive", "Expensive Gas Cost  ($/gallon)",
            "Gas cost at the station you're avoiding because the price is \"high\" "
            "(dollars per gallon)",
            "Please enter a valid cost for gas per gallon, greater than zero.")
            .starting_at(kExpensivePrice),
        box("txtDistance_To_Station", "Distance To Station  And Back (miles)",
            "The total distance out of your way (round-trip) to get to this station in miles",
            "Please enter a valid distance to travel to the station and back, greater than zero.")
            .starting_at(10.0F),
        box("txtTime_To_Drive_To_Station", "Time To Drive To Station And Back (min.)",
            "The total extra time (in minutes) this out-of-the-way trip will take",
            "Please enter a valid time to drive to the station and back, greater than zero.")
            .starting_at(30.0F),
        box("txtNumber_Gallons_Purchased", "# Gallons Bought",
            "Roughly how many gallons you plan to buy",
            "Please enter a valid number of gallons of gas purchased, greater than zero.")
            .starting_at(10.0F),
        time_worth_box(
            "What your free time is worth to you ($ per hour)",
            "Please enter a valid number for the worth of your time ($/hr), greater than zero."),
        box("txtCost_Per_Mile", "Driving Cost ($/mile)",
            "Total cost per mile of operating your vehicle (including gas, maintenance, "
            "insurance, depreciation, etc.)",
            "Please enter a valid total cost per mile of driving ($/mile), greater than zero.")
            .from(&CarData::Global_Mileage_Cost),
    };
    d.results.emplace_back(LabelDesc{.name = "lblInitial_Caption", .text = kIntro});
    d.results.emplace_back(LabelDesc{.name = "lblHeader_Sentence"});
    for (const SentenceDesc& s : kSentences) {
        d.results.emplace_back(LabelDesc{.name = s.label});
    }
    d.results.emplace_back(LabelDesc{.name = "lblTank_Lower"});
    return d;
}

class TrueCostOfGas final : public DescribedCalculator<make_description> {
public:
    void calculate(FormState& s) override {
        const auto [g, pc, pe, d, tm] =
            read_boxes(s, {"txtGas_Mileage", "txtGas_Cost_Cheap", "txtGas_Cost_Expensive",
                           "txtDistance_To_Station", "txtTime_To_Drive_To_Station"});
        // The gallons box keeps no single copy: its text is the value, and every expression with
        // it is evaluated in double.
        const double n = read_box_double(s, "txtNumber_Gallons_Purchased");
        const float w = read_box(s, "txtTime_Worth");
        const float cm = read_box(s, "txtCost_Per_Mile");

        if (pc > pe) {
            s.show(Message{kProgramTitle, kCheapAboveExpensive, Icon::None, Buttons::Ok});
            return;
        }
        s.label("lblInitial_Caption").visible = false;
        s.label("lblHeader_Sentence").text =
            "If you drive " + format(d, "# miles ") + "across town to buy \"cheap\" gas:";

        const float tc = single(double{tm} / 60 * w);
        const float bg = single(double{d} / (2 * double{g}));
        const float dp = single(double{pe} - pc);
        const float gc = single(double{bg} * 2 * pc);
        const float s1 = single(double{pe} - single((n * pc + gc) / n));
        const float dc = single(double{d} * cm);
        const float s2 = single(double{pe} - single((n * pc + dc) / n));
        const float s3 = single(double{pe} - single((n * pc + dc + tc) / n));

        const float savings[] = {s1, s2, s3};
        for (std::size_t i = 0; i < std::size(kSentences); ++i) {
            s.label(kSentences[i].label).text = sentence(kSentences[i], savings[i], dp, d, n);
        }
        s.label("lblTank_Lower").text = "... and, even if you fill up, when you get back home, "
                                        "your gas tank will be " +
                                        format(bg, "#.00 gallons ") + "below full.";
    }
};

} // namespace

std::unique_ptr<Calculator> make_B02_True_Cost_of_Gas() {
    return std::make_unique<TrueCostOfGas>();
}

} // namespace milora::calc
