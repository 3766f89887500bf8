// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The speed and fuel economy model of the three highway windows (gas and time cost, trip cost,
// yearly highway cost).
//
// `MPG_Table` holds reference MPG figures for nine steady speeds (45 to 85 mph) and seven car
// types. The user's EPA highway MPG is taken to be the car's MPG at 48 mph, so every figure the
// windows show is a ratio of table values within one column scaled by that MPG. SpeedModel holds
// the values each Calculate derives first (`Test_Speed_MPG`, base MPG, base speed) and gives the
// MPG at any speed by the direct or the relative form. HighwayCalculator is what the three windows
// share: the two selectors `optBaseSpeed` and `optCarType`, whose clicks recalculate at once, and
// the clearing of the nine-column grids.

#include "calc/calculator.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace milora::calc {

inline constexpr int kSpeedCount = 9;   // 45, 50, ... 85 mph
inline constexpr int kCarTypeCount = 7; // the last column has no option button

// Reference MPG by speed index (rows) and car type (columns).
extern const std::array<std::array<float, kCarTypeCount>, kSpeedCount> MPG_Table;

// 45 + 5 x index mph, held as a single.
float speed_of_index(int index);

struct SpeedModel {
    std::int16_t car_type = 0;
    std::int16_t base_speed = 2;
    float epa_highway_mpg = 0;
    float Test_Speed_MPG = 0; // the column's reference MPG at 48 mph
    float base_mpg = 0;       // the user's MPG at the base speed
    float base_mph = 0;       // the base speed in mph

    // The values of one Calculate, from the selectors and the EPA highway MPG read from its box.
    static SpeedModel compute(std::int16_t car_type, std::int16_t base_speed, float epa_mpg);

    float table(int speed_index) const;
    float base_table() const { return table(base_speed); }
    // The user's MPG at a speed, scaled straight from the EPA figure (not stored).
    double direct_mpg(int speed_index) const;
    // The fraction of the base MPG lost at a speed (negative where the car does better), stored.
    float drop(int speed_index) const;
    // The base MPG less that drop, stored.
    float relative_mpg(int speed_index) const;
};

// The selectors' tooltips differ from window to window; the yearly window has none and spells the
// minivan option its own way.
enum class SelectorWindow { GasAndTimeCost, TripCost, YearlyHighwayCost };

// The frames `frmBaseSpeed` and `frmSelectCarType` with their option buttons, one row each.
std::vector<OptionGroupDesc> speed_selectors(SelectorWindow window);

class HighwayCalculator : public Calculator {
public:
    // A click on either selector takes the new choice and calculates at once.
    void click_option(FormState& state, const std::string& group, int index) override;

protected:
    // Back to "General" at 55 mph, both buttons selected; called by each window's load.
    void load_selectors(FormState& state);
    SpeedModel model(float epa_mpg) const {
        return SpeedModel::compute(Car_Type, Base_Speed, epa_mpg);
    }
    // Empties the nine cells of each array and sets them in regular weight.
    static void clear_cells(FormState& state, std::initializer_list<const char*> arrays);
    static void regular_cells(FormState& state, std::initializer_list<const char*> arrays);
    static void bold_cells(FormState& state, std::initializer_list<const char*> arrays, int index);

    std::int16_t Car_Type = 0;
    std::int16_t Base_Speed = 2;
};

// The three windows' width, and their tables of nine cells a row: the widths leave room for a
// cell such as "-$12345.67" or a bold "3333h 20m" on one line.
inline constexpr int kSpeedWindowWidth = 1120;
// The boxes of the speed windows: the same names, messages and label names everywhere; the gas
// price and the MPG start from the car data.
BoxDesc gas_price_box(std::string caption, std::string tooltip);
BoxDesc trip_distance_box(std::string caption, std::string tooltip);
BoxDesc highway_mpg_box(std::string tooltip);

GridDesc speed_grid();
// The description of one row of nine cells, centred, empty until a Calculate.
GridDesc::Row speed_row(const char* caption_name, const char* caption, const char* cells);

} // namespace milora::calc
