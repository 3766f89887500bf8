// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/maintenance/c02_tire_alignment.h"

#include "calc/maintenance/loss_calculator.h"
#include "calc/maintenance/mpg_loss.h"
#include "calc/maintenance/tire_boxes.h"

namespace milora::calc {
namespace {

using maintenance::BoxValues;
using maintenance::LossWindow;
using maintenance::Piece;
using maintenance::tire_gas_cost_box;
using maintenance::tire_mpg_box;
using maintenance::tire_window;
using maintenance::yearly_mileage_box;

const LossWindow& tire_alignment() {
    static const LossWindow w = [] {
        LossWindow t;
        t.description = tire_window("C02_Tire_Alignment", "Tire Alignment Effect On Mileage",
                                    "Tires.htm#alignment",
                                    "Click here to Calculate results, or update results after "
                                    "data at left is changed");
        t.description.boxes = {
            tire_gas_cost_box("Cost of gasoline ($/gallon)"),
            yearly_mileage_box("Total number of miles you drive this vehicle yearly"),
            tire_mpg_box("The combined city and highway MPG (miles per gallon)"),
        };
        t.intro = "Bad wheel alignment not only wears out your tires early, it can waste gas. "
                  "Enter above your combined city/highway MPG, the total number of miles "
                  "you drive every year, and the cost of gas. Click on the Calculate button to "
                  "find out how "
                  "much having your wheels out of alignment might cost you per year in dollars "
                  "and increased carbon dioxide emissions.";
        t.read_order = {"txtCombined_MPG", "txtYearly_Mileage", "txtGas_Cost"};
        t.distance_box = "txtYearly_Mileage";
        t.kept = [](const BoxValues&) { return maintenance::mpg_kept(2); };
        t.result = {
            Piece::literal("If your car's wheels are out of alignment, "),
            Piece::literal("it could be costing you as much as "),
            Piece::cost("$#0.00"),
            Piece::literal(" a year, and producing an extra "),
            Piece::co2("#0"),
            Piece::literal(" pounds of carbon dioxide every year. Your safety, handling and tire "
                           "life will also suffer as well."),
        };
        return t;
    }();
    return w;
}

} // namespace

std::unique_ptr<Calculator> make_C02_Tire_Alignment() {
    return maintenance::make_loss_calculator(tire_alignment());
}

} // namespace milora::calc
