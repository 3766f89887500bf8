// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/maintenance/c07_oil_thickness.h"

#include "calc/maintenance/engine_care.h"

namespace milora::calc {
namespace {

using maintenance::BoxValues;
using maintenance::engine_care_window;
using maintenance::LossWindow;
using maintenance::Piece;

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

} // namespace

std::unique_ptr<Calculator> make_C07_Oil_Thickness() {
    return maintenance::make_loss_calculator(oil_thickness());
}

} // namespace milora::calc
