// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/drivinghabits/f03_will_you_save.h"

#include "numbers/format_pattern.h"
#include "numbers/number_text.h"
#include "numbers/precision.h"

#include <cmath>

namespace milora::calc {
namespace {

using numbers::format;
using numbers::number_text;
using numbers::single;

const char* const kIntro =
    "Ever drive to save money on a sale, or to cash in a money-saving coupon? Ever ask yourself "
    "if the cost of making that trip cancelled out most or all of those \"savings\"? Enter the "
    "appropriate numbers above, and press the 'Calculate' button on the left to see if driving "
    "to save money, or get a better price, doesn't save you as much as you thought, or even winds "
    "up costing you more than you \"save\".";

WindowDescription make_description() {
    WindowDescription d;
    d.window = "F03_Will_You_Save";
    d.caption = "Will You Really Save Money?";
    d.help_topic = "Is_This_Trip_Necessary_.htm#reallysave";
    d.width = 760;
    d.box_columns = 2;
    BoxDesc mpg{"txtCombined_MPG", "Combined City/Hwy MPG",
                "The combined city/highway MPG (miles per gallon)",
                "Please enter a valid combined city/highway MPG, greater than zero."};
    mpg.plain_message = true;
    BoxDesc how_much{"txtHow_Much",
                     "Expected Savings ($)",
                     "How much you think you'll save by making this trip",
                     "Please enter a valid amount of money you think you're saving, greater than "
                     "zero.",
                     "",
                     "lblHow_Much_Caption"};
    how_much.heading = "How Much Do You Think You'll Save By Making This Trip?";
    how_much.heading_name = "lblHow_Much";
    d.boxes = {
        {"txtDistance_To_Destination", "Total Driving Distance",
         "The total distance you'll be driving to \"save\" money",
         "Please enter a valid distance to travel to the Destination and back, greater than "
         "zero."},
        {"txtTime_To_Drive_To_Destination", "Driving Time (minutes)",
         "The total extra time (in minutes) this trip will consume",
         "Please enter a valid time to drive to the Destination and back, greater than zero."},
        {"txtMileage_Cost", "Driving Cost ($/mile)",
         "Total cost per mile of operating your vehicle (including gas, maintenance, insurance, "
         "depreciation, etc.)",
         "Please enter a valid cost per mile, greater than zero.", "", "lblCost_Per_Mile"},
        {"txtTime_Worth", "Time Worth ($/hr)", "What your free time is worth to you ($ per hour)",
         "Please enter a valid number for the worth of your time ($/hr), greater than zero.", "",
         "", true},
        mpg,
        {"txtGas_Cost", "Gas Cost ($/gallon)", "Cost of gasoline ($/gallon)",
         "Please enter a valid cost of gas ($ per gallon), greater than zero."},
        how_much,
    };
    d.results.emplace_back(LabelDesc{"lblInitial_Caption", kIntro});
    for (const char* name : {"lblResults_Top", "lblResults_Gas_Only", "lblResults_Total_Cost_Only",
                             "lblResults_With_Time"}) {
        d.results.emplace_back(LabelDesc{name, "", "", kScalar, kScalar, false, 0, false});
    }
    d.buttons = standard_buttons(
        "Click here to Calculate results, or update results after changing any of the data");
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

class WillYouSave final : public Calculator {
public:
    const WindowDescription& description() const override {
        static const WindowDescription d = make_description();
        return d;
    }

    void load(const CarData& car, FormState& s) override {
        s.box("txtDistance_To_Destination") = number_text(10.0F);
        s.box("txtTime_To_Drive_To_Destination") = number_text(30.0F);
        s.box("txtMileage_Cost") = number_text(car.Global_Mileage_Cost);
        s.box("txtTime_Worth") = number_text(car.Global_Time_Cost);
        s.box("txtCombined_MPG") = number_text(car.Global_Combined_MPG);
        s.box("txtGas_Cost") = number_text(car.Global_Gas_Cost);
        s.box("txtHow_Much") = number_text(10.0F);
    }

    void calculate(FormState& s) override {
        s.label("lblInitial_Caption").visible = false;
        const float w = read_box(s, "txtTime_Worth");
        const float t = read_box(s, "txtTime_To_Drive_To_Destination");
        const float d = read_box(s, "txtDistance_To_Destination");
        const float c = read_box(s, "txtMileage_Cost");
        const float m = read_box(s, "txtCombined_MPG");
        const float g = read_box(s, "txtGas_Cost");
        const float expected = read_box(s, "txtHow_Much");

        const float gas = single(double{g} * d / m);
        const float time = single(t / 60.0 * w);
        const float mileage = single(double{c} * d);
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
