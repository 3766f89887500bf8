// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/maintenance/c01_tire_pressure.h"

#include "calc/maintenance/loss_calculator.h"
#include "calc/maintenance/mpg_loss.h"
#include "calc/maintenance/tire_boxes.h"
#include "numbers/precision.h"

namespace milora::calc {
namespace {

using maintenance::BoxValues;
using maintenance::LossWindow;
using maintenance::Piece;
using maintenance::tire_gas_cost_box;
using maintenance::tire_mpg_box;
using maintenance::tire_window;
using maintenance::yearly_mileage_box;

// 0.4 percent of the MPG for every psi that the average tire is below its pressure.
double underinflation_kept(const BoxValues& v) {
    const float loss = numbers::single(double{v.at("txtTotal_Underinflation")} / 4 * 0.4);
    return maintenance::mpg_kept(loss);
}

const LossWindow& tire_pressure() {
    static const LossWindow w = [] {
        LossWindow t;
        t.description = tire_window(
            "C01_Tire_Pressure", "Tire Pressure Effect On Mileage", "Tires.htm",
            "Click here to Calculate results, or to update results when you change the data on "
            "the left");
        t.description.boxes = {
            tire_mpg_box("The combined city/ highway MPG (miles per gallon)"),
            yearly_mileage_box("Enter your total yearly mileage"),
            box("txtTotal_Underinflation", "Total Underinflation (all 4 tires)",
                "Enter the combined amount of pressure that all 4 tires are below the "
                "recommended pressure (see the Help manual for how to determine this)",
                "Please enter a valid number for tire underinflation, greater than 0.")
                .starting_at(12.0F),
            tire_gas_cost_box("Enter the cost of gas (dollars per gallon)"),
        };
        // The first two pieces meet with two blanks ("tires  can").
        t.intro = "While the effect on fuel efficiency is less than once thought, under-inflated "
                  "tires "
                  " can still decrease you fuel economy, hurt safety and handling, and reduce tire "
                  "life. "
                  "In the boxes above, enter your combined city/highway MPG, the total number of "
                  "miles "
                  "you drive every year, the combined underpressure of all 4 tires (how much "
                  "below the recommended pressure all of your tires are), and the cost of gas in "
                  "dollars per gallon. Click on the Calculate button, and see here how "
                  "much that underinflation might cost you per year both in dollars and increased "
                  "carbon dioxide emissions.";
        t.read_order = {"txtCombined_MPG", "txtYearly_Mileage", "txtTotal_Underinflation",
                        "txtGas_Cost"};
        t.distance_box = "txtYearly_Mileage";
        t.kept = underinflation_kept;
        // At 1000 psi the tires would take all of the MPG (a division by zero); beyond, less.
        t.limit = maintenance::UpperLimit{
            .box = "txtTotal_Underinflation",
            .limit = 1000,
            .message = "Please enter a total underinflation of less than 1000 psi. At 1000 psi or "
                       "more the tires would take away all of the car's fuel economy, and no cost "
                       "can be worked out."};
        t.result = {
            Piece::literal("If your four tires are underinflated by a total of "),
            Piece::input("txtTotal_Underinflation", "#0.0 psi"),
            Piece::literal(", it could be costing you as much as "),
            Piece::cost("$#0.00"),
            Piece::literal(" a year, producing an extra "),
            Piece::co2("#0"),
            Piece::literal(" pounds of carbon dioxide every year, and negatively impacting "
                           "safety, handling and tire life."),
        };
        return t;
    }();
    return w;
}

} // namespace

std::unique_ptr<Calculator> make_C01_Tire_Pressure() {
    return maintenance::make_loss_calculator(tire_pressure());
}

} // namespace milora::calc
