// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/maintenance/engine_care_calculators.h"

#include "calc/common_boxes.h"
#include "calc/maintenance/loss_calculator.h"

namespace milora::calc {
namespace {

using maintenance::BoxValues;
using maintenance::LossWindow;
using maintenance::Piece;

const float kChangeInterval = 5000; // miles, the usual oil change interval

struct Tooltips {
    const char* combined_mpg = "";
    const char* gas_cost = "";
    const char* change_interval = nullptr; // none: the window has no interval box
    const char* calculate = "";
    const char* print = "";
    const char* help = "";
    const char* exit = "";
};

// The boxes, buttons and first values that the four windows share; only the texts differ.
LossWindow engine_care_window(const char* window, const char* caption, const char* help,
                              const Tooltips& tips) {
    LossWindow t;
    t.description = describe_window(window, caption, help, tips.calculate);
    WindowDescription& d = t.description;
    d.boxes = {
        combined_mpg_box(tips.combined_mpg, maintenance::kMpgMessage),
        gas_cost_box(tips.gas_cost, maintenance::kGasCostMessage),
    };
    t.read_order = {"txtCombined_MPG", "txtGas_Cost"};
    if (tips.change_interval != nullptr) {
        d.boxes.push_back(
            box("txtChange_Interval", "Recommended Oil Change Interval (miles)",
                tips.change_interval,
                "Please enter a valid number for your oil change interval, greater than 0.")
                .starting_at(kChangeInterval));
        t.read_order.emplace_back("txtChange_Interval");
        t.distance_box = "txtChange_Interval";
    } else {
        t.distance = 1000; // the estimate is per 1000 miles
    }
    d.results.emplace_back(LabelDesc{.name = "lblResults"});
    d.set_tooltips(tips.print, tips.help, tips.exit);
    return t;
}

const LossWindow& air_filter() {
    static const LossWindow w = [] {
        LossWindow t = engine_care_window(
            "C05_Air_Filter", "How Much Might A Dirty Air Filter Cost You?", "Air_Filter.htm",
            {.combined_mpg = "The combined city/highway MPG (miles per gallon)",
             .gas_cost = "Enter the cost of gasoline ($ per gallon)",
             .calculate =
                 "Click here to Calculate the results, or when you change the numbers at left",
             .print = "Click here to Print the results",
             .help = "Click here to open the Help manual",
             .exit = "Click here to Exit the calculator"});
        t.intro = "A clogged air filter has been identified in the past as having a serious "
                  "impact on your gas mileage. "
                  "Enter your car's combined city/highway mileage, and the cost of gas, then click "
                  "on the Calculate button "
                  "to find out how much money you might spend on extra gas (and how much more "
                  "carbon dioxide you'll produce) every "
                  "1000 miles you drive with a clogged air filter. But read the Handbook helpfile "
                  "to find out why this estimate is likely to "
                  "be too high.";
        t.kept = [](const BoxValues&) { return 0.9; };
        t.result = {
            Piece::literal("For every 1000 miles you drive with a clogged air filter, some say you "
                           "might be spending up to "),
            Piece::cost("$#0.00 "),
            Piece::literal("extra on gas, and producing an extra "),
            Piece::co2("#0 pounds "),
            Piece::literal("of carbon dioxide, in addition to suffering from a loss of power. But "
                           "see the Handbook helpfile to find out why "),
            Piece::literal("this \"classic\" result may no longer be valid."),
        };
        return t;
    }();
    return w;
}

const LossWindow& oil_change() {
    static const LossWindow w = [] {
        LossWindow t = engine_care_window(
            "C06_Oil_Change", "What Will Putting Off An Oil Change Cost?", "Oil.htm",
            {.combined_mpg = "Combined city/highway MPG (miles per gallon)",
             .gas_cost = "Cost of gasoline (dollars per gallon)",
             .calculate =
                 "Click here to Calculate results, or update results after data at left is changed",
             .print = "Click here to Print results",
             .help = "Click here to open Help manual",
             .exit = "Click here to Exit calculator"});
        t.intro = "As your motor oil ages, it loses some of its ability to reduce friction, "
                  "decreasing your "
                  "car's fuel efficiency. Enter your car's combined city/highway mileage, and the "
                  "cost of gas, then click on the Calculate button "
                  "to find out how much money you might spend on extra gas (and how much more "
                  "carbon dioxide you'll produce) every "
                  "1000 miles you put off changing your car's oil.";
        t.kept = [](const BoxValues&) { return 0.98; };
        t.result = {
            Piece::literal("For every 1000 miles you go beyond your regular oil change interval, "
                           "you might be spending up to "),
            Piece::cost("$#0.00 "),
            Piece::literal("extra on gas, and producing an extra "),
            Piece::co2("#0 pounds "),
            Piece::literal("of carbon dioxide. And you stand an increasing chance of damaging your "
                           "engine as well."),
        };
        return t;
    }();
    return w;
}

const LossWindow& oil_thickness() {
    static const LossWindow w = [] {
        LossWindow t = engine_care_window(
            "C07_Oil_Thickness", "What Will Using Too Thick A Motor Oil Cost You?",
            "Oil.htm#oilthickness",
            {.combined_mpg = "Enter the combined city/highway MPG (miles per gallon)",
             .gas_cost = "Enter the cost of gasoline (dollars per gallon)",
             .change_interval = "Enter the recommended oil change interval in miles for the "
                                "vehicle (usually listed in the owner's manual)",
             .calculate = "Click here to Calculate results, or to update results when the data on "
                          "the left is modified",
             .print = "Click here to Print results",
             .help = "Click here to open Help manual",
             .exit = "Click here to Exit calculator"});
        t.intro = "If you use a grade of oil thicker than the one your car's manufacturer "
                  "recommends, your engine will "
                  "have to work harder, decreasing your fuel efficiency. Enter your car's combined "
                  "city/highway mileage, the cost of gas, and the manufacturer's recommended oil "
                  "change interval, "
                  "then click on the Calculate button to find out how much money you you could "
                  "save by using the manufacturer's recommended oil grade"
                  " instead of a thicker grade.";
        t.kept = [](const BoxValues&) { return 0.985; };
        // The dollar pattern ends with a blank and the next piece starts with one: two blanks.
        t.result = {
            Piece::literal("Over the course of your regular oil change interval of "),
            Piece::input("txtChange_Interval", "#0"),
            Piece::literal(" miles, you can save up to "),
            Piece::cost("$#0.00 "),
            Piece::literal(" on gas, and produce "),
            Piece::co2("#0 pounds "),
            Piece::literal("less of carbon dioxide by using the oil grade recommended by the "
                           "manufacturer instead of a thicker grade."),
        };
        return t;
    }();
    return w;
}

const LossWindow& ecmo() {
    static const LossWindow w = [] {
        LossWindow t = engine_care_window(
            "C08_ECMO", "How Much Can You Save With An ECMO?", "Oil.htm#ECMO",
            {.combined_mpg = "Combined city/highway MPG (miles per gallon)",
             .gas_cost = "Cost of gasoline (dollars per gallon)",
             .change_interval = "Your car manufacturer's recommended oil change interval (usually "
                                "specified in the owner's manual)",
             .calculate = "Click here to Calculate the results, or to update the results after you "
                          "change any of the data on the left",
             .print = "Click here to Print results",
             .help = "Click here to open the Help manual",
             .exit = "Click here to Exit the calculator"});
        t.intro = "Choosing an Energy-Conserving Motor Oil (ECMO) over a non-ECMO can improve "
                  "your car's mileage. Enter your car's combined city/highway mileage, the cost of "
                  "gas, and the manufacturer's recommended oil change interval, "
                  "then click on the Calculate button to find out how much money you you could "
                  "save by using an Energy-Conserving "
                  "Motor Oil (ECMO) instead of regular motor oil.";
        t.kept = [](const BoxValues&) { return 0.973; };
        t.result = {
            Piece::literal("Over the course of your regular oil change interval, you can save up "
                           "to "),
            Piece::cost("$#0.00"),
            Piece::literal(" on gas, and produce "),
            Piece::co2("#0"),
            Piece::literal(" pounds less of carbon dioxide by choosing an ECMO (energy-conserving "
                           "motor oil)."),
        };
        return t;
    }();
    return w;
}

} // namespace

std::unique_ptr<Calculator> make_C05_Air_Filter() {
    return maintenance::make_loss_calculator(air_filter());
}

std::unique_ptr<Calculator> make_C06_Oil_Change() {
    return maintenance::make_loss_calculator(oil_change());
}

std::unique_ptr<Calculator> make_C07_Oil_Thickness() {
    return maintenance::make_loss_calculator(oil_thickness());
}

std::unique_ptr<Calculator> make_C08_ECMO() {
    return maintenance::make_loss_calculator(ecmo());
}

} // namespace milora::calc
