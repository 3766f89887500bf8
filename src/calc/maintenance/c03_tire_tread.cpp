// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/maintenance/c03_tire_tread.h"

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

const LossWindow& tire_tread() {
    static const LossWindow w = [] {
        LossWindow t;
        t.description =
            tire_window("C03_Tire_Tread", "Tire Tread Effect On Mileage", "Tires.htm#tread",
                        "Click here to Calculate results, or to update results after "
                        "modifying data on the left");
        t.description.boxes = {
            tire_gas_cost_box("Enter the cost of gasoline (dollars per gallon)"),
            box("txtTire_Life", "Rated Tire Life (miles)",
                "The tire manufacturer's estimate for the life of the tire in miles",
                "Please enter a valid number for the rated life of the tire, greater than 0.")
                .starting_at(50000.0F),
            tire_mpg_box("Thel combined city/highway MPG (miles per gallon)"),
        };
        t.intro = "Choosing a tire with an unneeded or unnecessarily \"aggressive\" tread, like a "
                  "snow tire or off-road tire instead of a highway-rated tire, can have a negative "
                  "impact on fuel economy. "
                  "Enter above your combined city/highway MPG, the total life of the new tires in "
                  "miles,"
                  " and the cost of gas. Click on the Calculate button, and see here how "
                  "much buying such a tire with an unnecessarily \"aggressive\" tread might cost "
                  "you in dollars and increased carbon dioxide production over the life of the "
                  "tires.";
        t.read_order = {"txtCombined_MPG", "txtTire_Life", "txtGas_Cost"};
        t.distance_box = "txtTire_Life";
        t.kept = [](const BoxValues&) { return maintenance::mpg_kept(4); };
        t.result = {
            Piece::literal("If you buy tires with an unnecessarily \"aggressive\" tread, "),
            Piece::literal("it could be costing you as much as "),
            Piece::cost("$#0.00"),
            Piece::literal(" over the life of the tires, and producing an extra "),
            Piece::co2("#0"),
            Piece::literal(" pounds of carbon dioxide over that period. You're likely to pay more "
                           "for those kind of tires as well, adding to the extra expense."),
        };
        return t;
    }();
    return w;
}

} // namespace

std::unique_ptr<Calculator> make_C03_Tire_Tread() {
    return maintenance::make_loss_calculator(tire_tread());
}

} // namespace milora::calc
