// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/general/d03_aerodynamics.h"

#include "calc/common_boxes.h"
#include "calc/constants.h"
#include "numbers/format_pattern.h"
#include "numbers/number_text.h"
#include "numbers/precision.h"

#include <array>

namespace milora::calc {
namespace {

using numbers::format;
using numbers::number_text;
using numbers::single;

// One aerodynamic change: the share of the EPA highway MPG the car keeps without it, whether the
// answer goes on to a year, and the sentence's own opening and (for the per-1000-mile answers)
// closing.
struct AeroOption {
    const char* caption = "";
    const char* tooltip = "";
    double factor = 1;
    bool yearly = false;
    const char* opening = "";
    const char* closing = "";
};

const char* const kCityClosing = " fewer pounds of carbon dioxide directly into the atmosphere. "
                                 "You will also save in city driving as well, ";
const char* const kCityConditionsClosing =
    " fewer pounds of carbon dioxide directly into the atmosphere. You will also save in city "
    "driving conditions as well, ";

const std::array<AeroOption, 6> kOptions{{
    {.caption = "Remove Luggage Rack",
     .tooltip = "What happens if you remove the roof rack, or even just the cross-pieces?",
     .factor = 0.98,
     .yearly = true,
     .opening = "If you take off your car's luggage rack, you might save "},
    {.caption = "Put Luggage Inside Car",
     .tooltip = "What happens if you put your luggage inside your car, instead of outside on the "
                "roof rack?",
     .factor = 0.92,
     .yearly = false,
     .opening = "If you put your luggage inside of your car instead of on top of the luggage rack "
                "while driving on the highway, you might save ",
     .closing = kCityClosing},
    {.caption = "Put Bicycle In Car",
     .tooltip = "What happens if you put your bicycle inside your car, instead of outside on top?",
     .factor = 0.89,
     .yearly = false,
     .opening = "If you put your bicycle inside of your car instead of on top while driving on the "
                "highway, you might save ",
     .closing = kCityConditionsClosing},
    {.caption = "Convertible Top Up",
     .tooltip = "What happens if you put your convertible top up on the highway?",
     .factor = 0.94,
     .yearly = false,
     .opening = "If you keep your convertible top up while driving on the highway, you might save ",
     .closing = kCityConditionsClosing},
    {.caption = "Truck Tailgate Up",
     .factor = 0.98,
     .yearly = true,
     .opening = "If you keep your truck's tailgate up, you might save "},
    {.caption = "Install Truck Bed Cover",
     .factor = 0.92,
     .yearly = true,
     .opening = "If you install a bed cover on your truck (also known as a tonneau cover), you "
                "might save "},
}};

const char* const kGroup = "optAero";
constexpr int kOptionsPerRow = 3;

const char* const kIntro =
    "The easier your car cuts through the air at highway speeds, the better your fuel economy. "
    "Enter your car's highway MPG, the cost of gas, and the number of highway miles you travel in "
    "a year. Then either click on the Calculate button or choose an option to find out how much "
    "money you can save by improving your car's aerodynamics.";

WindowDescription make_description() {
    WindowDescription d = describe_window(
        "D03_Aerodynamics", "How Much Can You Save By Improved Aerodynamics?", "Aerodynamics.htm",
        "Click here to Calculate results, or to update results after changing data on left");
    d.boxes = {
        box("txtEPA_Highway_MPG", "EPA Highway MPG", "EPA highway MPG (miles per gallon)",
            "Please enter a valid number for your EPA highway MPG (miles per gallon), "
            "greater than 0.")
            .from(&CarData::Global_EPA_Highway_MPG),
        gas_cost_box("Cost of gasoline (dollars per gallon)",
                     "Please enter a valid number for gas cost, greater than 0."),
        box("txtHighway_Mileage", "Yearly Highway Miles",
            "Number of highway miles you drive in an average year (current figure "
            "calculated from total yearly miles and highway percent)",
            "Please enter a valid number for your total yearly highway mileage, greater than 0.")
            .with_label_name("lbl_Yearly_Mileage"),
    };
    OptionGroupDesc group{
        .name = kGroup,
        .frame_name = "Frame1",
        .frame_caption = "Options to improve aerodynamics",
        .frame_tooltip =
            "Click here to see the effect of these actions on your car's fuel economy"};
    for (std::size_t i = 0; i < kOptions.size(); ++i) {
        group.options.push_back({.index = static_cast<int>(i),
                                 .caption = kOptions[i].caption,
                                 .tooltip = kOptions[i].tooltip});
    }
    group.columns = kOptionsPerRow;
    d.option_groups.push_back(group);
    d.results.emplace_back(LabelDesc{.name = "lblResults"});
    d.button(ButtonRole::Print).tooltip = "Click here to Print current results";
    return d;
}

// The highway share of the yearly miles. The product is taken at the precision the percentage
// holds, the division in double.
float yearly_highway_miles(const CarData& car) {
    const TaggedPercent& percent = car.Global_Highway_Percent;
    const double product =
        percent.is_single()
            ? double{single(double{percent.as_single()} * car.Global_Yearly_Miles_Traveled)}
            : percent.value() * car.Global_Yearly_Miles_Traveled;
    return single(product / 100);
}

class Aerodynamics final : public DescribedCalculator<make_description> {
public:
    void load(const CarData& car, FormState& s) override {
        s.label("lblResults").text = kIntro;
        try {
            s.box("txtHighway_Mileage") = number_text(yearly_highway_miles(car));
        } catch (const numbers::FloatFault&) {
            // Car data too large to give a figure: the box starts empty for the user to fill.
            s.box("txtHighway_Mileage").clear();
        }
        s.options(kGroup).selected = 0;
    }

    void click_option(FormState& s, const std::string& group, int index) override {
        Calculator::click_option(s, group, index);
        calculate(s);
    }

    void calculate(FormState& s) override {
        const auto [mpg, gas, highway_miles] =
            read_boxes(s, {"txtEPA_Highway_MPG", "txtGas_Cost", "txtHighway_Mileage"});
        const AeroOption& option = kOptions.at(static_cast<std::size_t>(selected(s)));

        const float gallons_1000 =
            single(1000 / (double{mpg} * option.factor) - 1000 / double{mpg});
        const float dollars_1000 = single(double{gallons_1000} * gas);
        const float co2_1000 = single(double{gallons_1000} * kCo2PerGallon);

        std::string text = option.opening + format(dollars_1000, "$#0.00") +
                           " on gas for every 1000 miles you drive on the highway, and put " +
                           format(co2_1000, "#0");
        if (option.yearly) {
            const double dollars_year = double{highway_miles} / 1000 * dollars_1000;
            const double co2_year = double{highway_miles} / 1000 * co2_1000;
            text += " fewer pounds of carbon dioxide directly into the atmosphere. Over the course "
                    "of a year,  that could save you " +
                    format(dollars_year, "$#0.00") + ", and put " + format(co2_year, "0") +
                    " fewer pounds of carbon dioxide into the atmosphere. You will also save in "
                    "city driving as well, ";
        } else {
            text += option.closing;
        }
        s.label("lblResults").text =
            text + "but less per mile than what you save at highway speeds.";
    }

private:
    static int selected(const FormState& s) {
        const auto& chosen = s.options(kGroup).selected;
        return chosen ? *chosen : 0;
    }
};

} // namespace

std::unique_ptr<Calculator> make_D03_Aerodynamics() {
    return std::make_unique<Aerodynamics>();
}

} // namespace milora::calc
