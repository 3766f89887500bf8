// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/maintenance/c06_oil_change.h"

#include "calc/maintenance/engine_care.h"

namespace milora::calc {
namespace {

using maintenance::BoxValues;
using maintenance::engine_care_window;
using maintenance::LossWindow;
using maintenance::Piece;

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

} // namespace

std::unique_ptr<Calculator> make_C06_Oil_Change() {
    return maintenance::make_loss_calculator(oil_change());
}

} // namespace milora::calc
