// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/drivingstyle/speed_model.h"

#include "numbers/precision.h"

#include <stdexcept>
#include <string>

namespace milora::calc {

using numbers::single;

// clang-format off
const std::array<std::array<float, kCarTypeCount>, kSpeedCount> MPG_Table = {{
    //  General  Sub/Compact  Mid/Large  SUV/Truck  MiniVan  1980s   (none)
    {{32.0F,    42.25F,      29.7F,     26.4F,     27.8F,   33.5F,  39.0F}}, // 45 mph
    {{32.6F,    42.5F,       32.25F,    25.6F,     30.1F,   31.9F,  36.8F}}, // 50
    {{32.8F,    42.5F,       33.4F,     24.4F,     30.25F,  30.3F,  34.5F}}, // 55
    {{31.8F,    41.3F,       32.2F,     22.9F,     28.0F,   27.6F,  31.7F}}, // 60
    {{29.7F,    38.8F,       29.5F,     21.6F,     25.75F,  24.9F,  29.8F}}, // 65
    {{27.25F,   35.2F,       26.9F,     20.1F,     23.7F,   22.5F,  27.7F}}, // 70
    {{24.9F,    32.75F,      24.4F,     18.6F,     21.4F,   20.0F,  26.0F}}, // 75
    {{22.5F,    29.7F,       22.0F,     17.0F,     18.9F,   16.8F,  23.8F}}, // 80
    {{20.0F,    26.4F,       19.4F,     15.3F,     16.8F,   14.5F,  21.8F}}, // 85
}};
// clang-format on

float speed_of_index(int index) {
    return static_cast<float>(45 + 5 * index);
}

SpeedModel SpeedModel::compute(std::int16_t car_type, std::int16_t base_speed, float epa_mpg) {
    if (car_type < 0 || car_type >= kCarTypeCount - 1 || base_speed < 0 ||
        base_speed >= kSpeedCount) {
        throw std::out_of_range("speed model selection");
    }
    SpeedModel m;
    m.car_type = car_type;
    m.base_speed = base_speed;
    m.epa_highway_mpg = epa_mpg;
    const double t45 = m.table(0);
    const double t50 = m.table(1);
    // 0.6 of the way from the 45 to the 50 mph figure.
    m.Test_Speed_MPG = single((t50 - t45) * 0.6 + t45);
    m.base_mpg = single(double{m.base_table()} / m.Test_Speed_MPG * epa_mpg);
    m.base_mph = static_cast<float>(45 + 5 * base_speed);
    return m;
}

float SpeedModel::table(int speed_index) const {
    return MPG_Table.at(static_cast<std::size_t>(speed_index))
        .at(static_cast<std::size_t>(car_type));
}

double SpeedModel::direct_mpg(int speed_index) const {
    return numbers::checked(double{table(speed_index)} * epa_highway_mpg / Test_Speed_MPG);
}

float SpeedModel::drop(int speed_index) const {
    const double base = base_table();
    return single((base - table(speed_index)) / base);
}

float SpeedModel::relative_mpg(int speed_index) const {
    return single(double{base_mpg} * (1 - double{drop(speed_index)}));
}

std::vector<OptionGroupDesc> speed_selectors(SelectorWindow window) {
    struct CarType {
        const char* caption;
        const char* gas_and_time_tip;
        const char* trip_cost_tip;
    };
    static const CarType kCarTypes[] = {
        {"General", "Average of all types of 1990s vehicles",
         "Average of all types of 1990s vehicles"},
        {"Sub/Compact", "Small passenger cars", "Small passenger cars"},
        {"Mid/Large", "Medium to large cars", "Large sport utility vehicles, trucks"},
        {"SUV/Truck", "Large sport utility vehicles, trucks", "Sport utility vehicles and trucks"},
        {"MiniVan", "Standard minivans", "Standard minivans"},
        {"1980s", "Average of 1980s vehicles", "Average of 1980s vehicles"},
    };

    OptionGroupDesc speed{.name = "optBaseSpeed",
                          .frame_name = "frmBaseSpeed",
                          .frame_caption = "Your Average Highway Travel Speed"};
    OptionGroupDesc car{.name = "optCarType",
                        .frame_name = "frmSelectCarType",
                        .frame_caption = "Type Of Car You Own"};
    switch (window) {
    case SelectorWindow::GasAndTimeCost:
        speed.frame_tooltip = "Click on the highway travel speed to select it";
        car.frame_tooltip = "Click on the type of car you drive";
        break;
    case SelectorWindow::TripCost:
        speed.frame_tooltip = "Click on a speed to select it";
        car.frame_tooltip = "Click on the closest match to your vehicle";
        break;
    case SelectorWindow::YearlyHighwayCost:
        break;
    }
    for (int i = 0; i < kSpeedCount; ++i) {
        speed.options.push_back({.index = i, .caption = std::to_string(45 + 5 * i) + " mph"});
    }
    for (int c = 0; c < kCarTypeCount - 1; ++c) {
        const CarType& t = kCarTypes[c];
        OptionDesc o{.index = c, .caption = t.caption};
        switch (window) {
        case SelectorWindow::GasAndTimeCost:
            o.tooltip = t.gas_and_time_tip;
            break;
        case SelectorWindow::TripCost:
            o.tooltip = t.trip_cost_tip;
            break;
        case SelectorWindow::YearlyHighwayCost:
            if (c == 4) {
                o.caption = "MinVan";
            }
            break;
        }
        car.options.push_back(o);
    }
    return {speed, car};
}

void HighwayCalculator::click_option(FormState& state, const std::string& group, int index) {
    const int count = group == "optBaseSpeed" ? kSpeedCount
                      : group == "optCarType" ? kCarTypeCount - 1
                                              : 0;
    if (index < 0 || index >= count) {
        throw std::out_of_range("no option " + std::to_string(index) + " in " + group);
    }
    state.options(group).selected = index;
    (group == "optBaseSpeed" ? Base_Speed : Car_Type) = static_cast<std::int16_t>(index);
    calculate(state);
}

void HighwayCalculator::load_selectors(FormState& state) {
    Base_Speed = 2;
    Car_Type = 0;
    state.options("optBaseSpeed").selected = Base_Speed;
    state.options("optCarType").selected = Car_Type;
}

void HighwayCalculator::clear_cells(FormState& state, std::initializer_list<const char*> arrays) {
    for (const char* name : arrays) {
        for (int i = 0; i < kSpeedCount; ++i) {
            state.label(name, i).text.clear();
        }
    }
    regular_cells(state, arrays);
}

void HighwayCalculator::regular_cells(FormState& state, std::initializer_list<const char*> arrays) {
    for (const char* name : arrays) {
        for (int i = 0; i < kSpeedCount; ++i) {
            state.label(name, i).bold = false;
        }
    }
}

void HighwayCalculator::bold_cells(FormState& state, std::initializer_list<const char*> arrays,
                                   int index) {
    for (const char* name : arrays) {
        state.label(name, index).bold = true;
    }
}

BoxDesc gas_price_box(std::string caption, std::string tooltip) {
    return box("txtGasPrice", std::move(caption), std::move(tooltip),
               "Please enter a valid gas price, greater than zero.")
        .with_label_name("lblGasPumpCost")
        .from(&CarData::Global_Gas_Cost);
}

BoxDesc trip_distance_box(std::string caption, std::string tooltip) {
    return box("txtTrip_Distance", std::move(caption), std::move(tooltip),
               "Please enter a valid number for the trip distance in miles.")
        .with_label_name("lblTripDistance");
}

BoxDesc highway_mpg_box(std::string tooltip) {
    return box("txtMPG", "EPA Highway MPG", std::move(tooltip),
               "Please enter a valid number for gas mileage, greater than 0.")
        .with_label_name("lblHighwayMileage")
        .from(&CarData::Global_EPA_Highway_MPG);
}

GridDesc speed_grid() {
    GridDesc g;
    g.caption_width = 320;
    g.cell_width = 76;
    return g;
}

GridDesc::Row speed_row(const char* caption_name, const char* caption, const char* cells) {
    return {LabelDesc{.name = caption_name, .text = caption},
            LabelDesc{.name = cells, .first = 0, .last = kSpeedCount - 1, .align = Align::Center}};
}

} // namespace milora::calc
