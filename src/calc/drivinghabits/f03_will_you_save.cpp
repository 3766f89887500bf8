// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/drivinghabits/f03_will_you_save.h"

#include "calc/common_boxes.h"
#include "calc/drivinghabits/trip_costs.h"
#include "numbers/format_pattern.h"
#include "numbers/number_text.h"
#include "numbers/precision.h"

#include <cmath>

namespace milora::calc {
namespace {

using numbers::format;
using numbers::single;

const char* const kIntro =
    "Ever drive to save money on a sale, or to cash in a money-saving coupon? Ever ask yourself "
    "if the cost of making that trip cancelled out most or all of those \"savings\"? Enter the "
    "appropriate numbers above, and press the 'Calculate' button on the left to see if driving "
    "to save money, or get a better price, doesn't save you as much as you thought, or even winds "
    "up costing you more than you \"save\".";

WindowDescription make_description() {
    WindowDescription d = describe_window(
        "F03_Will_You_Save", "Will You Really Save Money?",
        "Is_This_Trip_Necessary_.htm#reallysave",
        "Click here to Calculate results, or update results after changing any of the data");
    d.box_columns = 2;
    d.width = 760;
    d.boxes = {
        box("txtDistance_To_Destination", "Total Driving Distance",
            "The total distance you'll be driving to \"save\" money",
            "Please enter a valid distance to travel to the Destination and back, greater "
            "than zero.")
            .starting_at(10.0F),
        box("txtTime_To_Drive_To_Destination", "Driving Time (minutes)",
            "The total extra time (in minutes) this trip will consume",
            "Please enter a valid time to drive to the Destination and back, greater than zero.")
            .starting_at(30.0F),
        box("txtMileage_Cost", "Driving Cost ($/mile)",
            "Total cost per mile of operating your vehicle (including gas, maintenance, "
            "insurance, depreciation, etc.)",
            "Please enter a valid cost per mile, greater than zero.")
            .with_label_name("lblCost_Per_Mile")
            .from(&CarData::Global_Mileage_Cost),
        time_worth_box(
            "What your free time is worth to you ($ per hour)",
            "Please enter a valid number for the worth of your time ($/hr), greater than zero."),
        combined_mpg_box("The combined city/highway MPG (miles per gallon)",
                         "Please enter a valid combined city/highway MPG, greater than zero.")
            .with_plain_message(),
        gas_cost_box("Cost of gasoline ($/gallon)",
                     "Please enter a valid cost of gas ($ per gallon), greater than zero."),
        box("txtHow_Much", "Expected Savings ($)",
            "How much you think you'll save by making this trip",
            "Please enter a valid amount of money you think you're saving, greater than zero.")
            .with_label_name("lblHow_Much_Caption")
            .starting_at(10.0F)
            .under_heading("How Much Do You Think You'll Save By Making This Trip?", "lblHow_Much"),
    };
    d.results.emplace_back(LabelDesc{.name = "lblInitial_Caption", .text = kIntro});
    for (const char* name : {"lblResults_Top", "lblResults_Gas_Only", "lblResults_Total_Cost_Only",
                             "lblResults_With_Time"}) {
        d.results.emplace_back(LabelDesc{.name = name, .visible = false});
    }
    return d;
}

// One verdict line: the cost taken into account, then losing, breaking even or saving by the
// exact sign of the net as stored.
std::string verdict(const std::string& opening, float cost, const std::string& middle, float net,
                    const std::string& saving_words, const std::string& closing) {
    std::string text = opening + format(cost, "$#0.00") + middle;
    if (net < 0) {
        text += "you're actually losing " + format(std::fabs(net), "$#0.00") + " ";
    } else if (net == 0) {
        text += "you're only breaking even ";
    } else {
        text += saving_words + format(net, "$#0.00") + " ";
    }
    return text + closing;
}

class WillYouSave final : public DescribedCalculator<make_description> {
public:
    void calculate(FormState& s) override {
        s.label("lblInitial_Caption").visible = false;
        const auto [w, d, gas, time, mileage] = trip_costs(s);
        const float expected = read_box(s, "txtHow_Much");

        const float net_of_gas = single(double{expected} - gas);
        const float net_of_mileage = single(double{expected} - mileage);
        const float net_of_all = single(double{net_of_mileage} - time);

        set(s, "lblResults_Top",
            "While you might think that you're saving " + format(expected, "$#0.00") +
                " by driving " + format(d, "#0") + " miles making this trip, in reality:");
        set(s, "lblResults_Gas_Only",
            verdict("- taking only the gas costs of ", gas, " into account, ", net_of_gas,
                    "you're only saving ", "in making this trip;"));
        set(s, "lblResults_Total_Cost_Only",
            verdict("- taking just the standard mileage costs of ", mileage, " into account, ",
                    net_of_mileage, "you're only saving just ", "in making this trip;"));
        set(s, "lblResults_With_Time",
            verdict("- including the time cost of ", time, " with the mileage costs, ", net_of_all,
                    "you're only saving just ",
                    "in making this trip. Is this trip really necessary?"));
    }

private:
    static void set(FormState& s, const std::string& name, std::string text) {
        auto& l = s.label(name);
        l.visible = true;
        l.text = std::move(text);
    }
};

} // namespace

std::unique_ptr<Calculator> make_F03_Will_You_Save() {
    return std::make_unique<WillYouSave>();
}

} // namespace milora::calc
