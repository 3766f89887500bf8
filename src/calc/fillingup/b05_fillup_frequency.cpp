// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/fillingup/b05_fillup_frequency.h"

#include "calc/common_boxes.h"
#include "numbers/format_pattern.h"
#include "numbers/number_text.h"
#include "numbers/precision.h"

namespace milora::calc {
namespace {

using numbers::format;
using numbers::single;

const char* const kIntro =
    "Do you fill up your tank when it's still mostly full? You'll pay a price in time, gas, and "
    "added pollution. Enter the appropriate data in the boxes above, then either click on a gas "
    "tank level or \"Calculate\" to see how much filling up too often may cost you.";

const char* const kSelectHigh = "Select a high-tank setting.";

const char* const kHigh = "optHigh_Tank";
const char* const kLow = "optLow_Tank";
const int kInitialHigh = 7;
const int kInitialLow = 1;
const int kLowestHigh = 2; // the first element of the high settings

// The weight of the extra gas carried costs 0.06 percent of the MPG per gallon of the average extra
// part of the tank, which is at most 3/8 of it (7/8 against 1/8 full): from 1 / (0.375 x 0.0006)
// = 4444.4 gallons on the loss reaches the MPG itself and the model has no meaning.
constexpr double kTankLimit = 4444;
const char* const kTankLimitMessage =
    "Please enter a valid number for the gas tank capacity of your car in gallons, less than "
    "4444. The estimate has no meaning for a tank of 4444 gallons or more, where the weight of "
    "the extra gas would cost the whole MPG.";

const char* const kResultLabels[] = {"lblFillup_Savings", "lblFillup_Times", "lblFillup_Hours",
                                     "lblFillup_GasCost"};

// Tank settings in eighths, from `first` to `last`.
std::vector<OptionDesc> eighths(int first, int last) {
    static const char* const kCaptions[] = {"", "1/8", "1/4", "3/8", "1/2", "5/8", "3/4", "7/8"};
    std::vector<OptionDesc> options;
    for (int i = first; i <= last; ++i) {
        options.push_back({.index = i, .caption = kCaptions[i]});
    }
    return options;
}

WindowDescription make_description() {
    WindowDescription d = describe_window(
        "B05_Fillup_Frequency", "Costs of Filling Up Too Often", "Emptying_The_Tank.htm",
        "Click on Calculate to see the results, or when you change any of the numbers on top");
    d.box_columns = 2;
    d.width = 700;
    d.boxes = {
        box("txtGas_Tank_Capacity", "Gas Tank Capacity (gallons)",
            "Total gallons your tank carries when full (see owners manual)",
            "Please enter a valid number for the gas tank capacity of your car in gallons.")
            .starting_at(12.0F),
        box("txtMiles_Per_Year", "Miles Driven Yearly",
            "Average # of miles you travel in a single year",
            "Please enter a valid number for the average number of miles you drive in a year.")
            .from(&CarData::Global_Yearly_Miles_Traveled),
        box("txtGas_Mileage", "Combined City/Hwy MPG", "Your combined city/hwy mileage",
            "Please enter a valid average MPG number for your car.")
            .with_label_tooltip("Average value you actually get in miles per gallon")
            .from(&CarData::Global_Combined_MPG),
        box("txtTime_To_Station", "TimeTo Station (minutes)",
            "Average time to drive to a gas station, select gas, pay bill, etc.",
            "Please enter a valid number for the time you spend getting to the gas station "
            "and at the station, not including the actual pumping time.")
            .with_label_tooltip(
                "Include time to drive to station, park at pump, select gas, pay for "
                "gas, etc. - all time except actual pumping time")
            .starting_at(10.0F),
        gas_cost_box("Average gas cost (dollars per gallon)",
                     "Please enter a valid gas price (dollars per gallon)."),
        box("txtFillup_Time", "Time to Fillup (minutes)",
            "Time to fill up your tank from empty (or nearly empty)",
            "Please enter a valid time for how long it takes your gas tank to fill up from "
            "empty.")
            .starting_at(3.0F),
        time_worth_box(
            "What an hour of free time is worth to you ($ per hour)",
            "Please enter a valid number for how much your time is worth to you in dollars "
            "per hour."),
    };
    d.boxes[0].upper_limit = kTankLimit;
    d.boxes[0].limit_message = kTankLimitMessage;
    d.option_groups = {
        {.name = kHigh,
         .frame_name = "Frame1",
         .frame_caption = "Gas Tank Setting When You Fill Up More Frequently",
         .frame_tooltip = "Your gas gauge setting when you fillup more often, so that your tank is "
                          "fuller on average",
         .options = eighths(2, 7)},
        {.name = kLow,
         .frame_name = "frmLowTank",
         .frame_caption = "Gas Tank Setting When You Fill Up Less Frequently",
         .frame_tooltip = "Your gas gauge setting when you wait longer between fillups, so your "
                          "tank is emptier on average",
         .options = eighths(1, 6)},
    };
    for (const char* name : kResultLabels) {
        d.results.emplace_back(LabelDesc{.name = name});
    }
    d.set_tooltips("Click here to Print these results", "Click here to open the Help manual",
                   "Click here to Exit the calculator");
    d.button(ButtonRole::Calculate).name = "cmdCalcFillup";
    return d;
}

class FillupFrequency final : public DescribedCalculator<make_description> {
public:
    void load(const CarData& /*car*/, FormState& s) override {
        s.options(kHigh).selected = kInitialHigh;
        s.options(kLow).selected = kInitialLow;
        s.label("lblFillup_Savings").text = kIntro;
    }

    void click_option(FormState& s, const std::string& group, int index) override {
        if (group == kHigh) {
            s.options(kHigh).selected = index;
            calculate(s);
            return;
        }
        s.options(kLow).selected = index;
        // A high setting must lie above the low one.
        auto& high = s.options(kHigh);
        high.hidden.clear();
        for (int i = kLowestHigh; i <= index; ++i) {
            high.hidden.insert(i);
        }
        if (high.selected && index < *high.selected) {
            calculate(s);
            return;
        }
        high.selected.reset();
        show_no_high_setting(s);
    }

    void calculate(FormState& s) override {
        const auto high = s.options(kHigh).selected;
        const auto low = s.options(kLow).selected;
        if (!high || !low) {
            show_no_high_setting(s);
            return;
        }
        const int h = *high;
        const int l = *low;
        const auto [cap, y, m, ts, p, tf, w] =
            read_boxes(s, {"txtGas_Tank_Capacity", "txtMiles_Per_Year", "txtGas_Mileage",
                           "txtTime_To_Station", "txtGas_Cost", "txtFillup_Time", "txtTime_Worth"});

        // The average extra part of a tank carried, the gallons that is, and the MPG their weight
        // costs (6 pounds a gallon, 1 percent of MPG per 100 pounds).
        const float u = single((h - l) * 0.125 / 2);
        const float xg = single(double{u} * cap);
        const float lm = single(double{xg} * 6 / 100 * (double{m} * 0.01));
        if (!(lm < m)) {
            // Validation refuses such a tank; a text set past it is not computed with either.
            s.show(Message{"Data Error", kTankLimitMessage, Icon::Warning, Buttons::Ok});
            return;
        }
        const float gn = single(double{y} / m);
        const float gh = single(double{y} / (double{m} - lm));
        const float ge = single(double{gh} - gn);
        const float ce = single(double{ge} * p);
        const float fl = single(gn / ((8 - l) * 0.125 * cap));
        const float fh = single(gh / ((8 - h) * 0.125 * cap));
        // The pumping time counts in proportion to the part of the tank filled.
        const float tx =
            single(((8 - h) * 0.125 * tf + ts) * fh - ((8 - l) * 0.125 * tf + ts) * fl);
        const float tc = single(double{tx} / 60 * w);

        s.label("lblFillup_Savings").text = "If you normally fill up your tank when it's " +
                                            format(static_cast<double>(h), "#/8ths") +
                                            " full instead of " +
                                            format(static_cast<double>(l), "#/8ths") +
                                            " full, over the course of one year you will:";
        s.label("lblFillup_Times").text =
            "- have to stop at the gas station " + format(double{fh} - fl, "#0") + " more times (" +
            format(fh, "#0 fillups vs. ") + format(fl, "#0 fillups") +
            "), increasing the amount of incidental gas pollution " +
            "you put into the air as a consequence of your total fillups by roughly a factor of " +
            format(double{fh} / fl, "#0.");
        s.label("lblFillup_Hours").text = "- waste an extra " + format(double{tx} / 60, "#0.0") +
                                          " hours at the gas station. If you value your time at " +
                                          format(w, "$#.00") + " an hour, that costs you " +
                                          format(tc, "$#0") + " in lost time.";
        s.label("lblFillup_GasCost").text =
            "- burn an extra " + format(ge, "#0.00") +
            " gallons of gas because of the average extra weight of gas your vehicle has to "
            "carry, " +
            "which will cost you " + format(ce, "$#0.00.");
    }

private:
    static void show_no_high_setting(FormState& s) {
        s.label(kResultLabels[0]).text = kSelectHigh;
        for (std::size_t i = 1; i < std::size(kResultLabels); ++i) {
            s.label(kResultLabels[i]).text.clear();
        }
    }
};

} // namespace

std::unique_ptr<Calculator> make_B05_Fillup_Frequency() {
    return std::make_unique<FillupFrequency>();
}

} // namespace milora::calc
