// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/maintenance/c08_ecmo.h"

#include "calc/maintenance/engine_care.h"

namespace milora::calc {
namespace {

using maintenance::BoxValues;
using maintenance::engine_care_window;
using maintenance::LossWindow;
using maintenance::Piece;

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

std::unique_ptr<Calculator> make_C08_ECMO() {
    return maintenance::make_loss_calculator(ecmo());
}

} // namespace milora::calc
