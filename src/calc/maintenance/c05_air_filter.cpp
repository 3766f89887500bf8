// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/maintenance/c05_air_filter.h"

#include "calc/maintenance/engine_care.h"

namespace milora::calc {
namespace {

using maintenance::BoxValues;
using maintenance::engine_care_window;
using maintenance::LossWindow;
using maintenance::Piece;

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

} // namespace

std::unique_ptr<Calculator> make_C05_Air_Filter() {
    return maintenance::make_loss_calculator(air_filter());
}

} // namespace milora::calc
