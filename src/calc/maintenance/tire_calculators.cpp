// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/maintenance/tire_calculators.h"

#include "calc/common_boxes.h"
#include "calc/maintenance/loss_calculator.h"
#include "calc/maintenance/mpg_loss.h"
#include "numbers/precision.h"

namespace milora::calc {
namespace {

using maintenance::BoxValues;
using maintenance::LossWindow;
using maintenance::Piece;

const char* const kYearlyMileageMessage =
    "Please enter a valid number for your totaly yearly mileage, greater than 0.";

// Every button but Calculate carries the same tooltip in the three tire windows.
WindowDescription tire_window(const char* window, const char* caption, const char* help,
                              const char* calculate_tooltip) {
    WindowDescription d = describe_window(window, caption, help, calculate_tooltip);
    d.results.emplace_back(LabelDesc{.name = "lblResults"});
    return d;
}

BoxDesc tire_mpg_box(const char* tooltip) {
    return combined_mpg_box(tooltip, maintenance::kMpgMessage)
        .with_label_name("lblCombined_Mileage");
}

BoxDesc tire_gas_cost_box(const char* tooltip) {
    return gas_cost_box(tooltip, maintenance::kGasCostMessage);
}

BoxDesc yearly_mileage_box(const char* tooltip) {
    return box("txtYearly_Mileage", "Miles driven yearly", tooltip, kYearlyMileageMessage)
        .from(&CarData::Global_Yearly_Miles_Traveled);
}

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

std::unique_ptr<Calculator> make_C01_Tire_Pressure() {
    return maintenance::make_loss_calculator(tire_pressure());
}

std::unique_ptr<Calculator> make_C02_Tire_Alignment() {
    return maintenance::make_loss_calculator(tire_alignment());
}

std::unique_ptr<Calculator> make_C03_Tire_Tread() {
    return maintenance::make_loss_calculator(tire_tread());
}

} // namespace milora::calc
