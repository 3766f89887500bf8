// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// Every calculator opened from car data that Data Settings or a car data file can hold but no
// calculation survives: nothing may escape from open, Calculate or an option click.
#include "calc/calculator.h"
#include "calc/registry.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace milora;
using namespace milora::calc;

namespace {

struct Field {
    const char* name;
    std::function<void(CarData&, float)> set;
};

const std::vector<Field>& fields() {
    static const std::vector<Field> f = {
        {"Gas_Cost", [](CarData& c, float v) { c.Global_Gas_Cost = v; }},
        {"EPA_City_MPG", [](CarData& c, float v) { c.Global_EPA_City_MPG = v; }},
        {"EPA_Highway_MPG", [](CarData& c, float v) { c.Global_EPA_Highway_MPG = v; }},
        {"City_Percent",
         [](CarData& c, float v) { c.Global_City_Percent = TaggedPercent::from_single(v); }},
        {"Highway_Percent",
         [](CarData& c, float v) { c.Global_Highway_Percent = TaggedPercent::from_single(v); }},
        {"City_Percent_double",
         [](CarData& c, float v) { c.Global_City_Percent = TaggedPercent::from_double(v); }},
        {"Combined_MPG", [](CarData& c, float v) { c.Global_Combined_MPG = v; }},
        {"Yearly_Miles", [](CarData& c, float v) { c.Global_Yearly_Miles_Traveled = v; }},
        {"Mileage_Cost", [](CarData& c, float v) { c.Global_Mileage_Cost = v; }},
        {"Time_Cost", [](CarData& c, float v) { c.Global_Time_Cost = v; }},
        {"all",
         [](CarData& c, float v) {
             c.Global_Gas_Cost = c.Global_EPA_City_MPG = c.Global_EPA_Highway_MPG = v;
             c.Global_Combined_MPG = c.Global_Yearly_Miles_Traveled = v;
             c.Global_Mileage_Cost = c.Global_Time_Cost = v;
             c.Global_City_Percent = c.Global_Highway_Percent = TaggedPercent::from_single(v);
         }},
    };
    return f;
}

// Opens, calculates and clicks every shown option; a fault must come back as the fault message.
void exercise(const CalculatorEntry& entry, const CarData& car, const std::string& what) {
    SCOPED_TRACE(entry.window + " " + what);
    auto calc = entry.make();
    FormState s = [&] {
        FormState opened(calc->description());
        EXPECT_NO_THROW(opened = open_window(*calc, car));
        return opened;
    }();
    if (s.fault) {
        ASSERT_FALSE(s.dialogue.kept().empty());
        EXPECT_EQ(s.dialogue.kept().back().text, kFaultMessage);
    }
    EXPECT_NO_THROW(run_calculate(*calc, s));
    for (const auto& group : calc->description().option_groups) {
        for (const auto& option : group.options) {
            if (!s.options(group.name).hidden.contains(option.index)) {
                EXPECT_NO_THROW(run_click_option(*calc, s, group.name, option.index));
                EXPECT_NO_THROW(run_calculate(*calc, s));
            }
        }
    }
}

} // namespace

TEST(HostileCarData, NoCalculatorLetsAFaultEscape) {
    for (const float value : {1e37F, 3.4e38F, -3e38F, 1e-38F, 0.0F}) {
        for (const auto& field : fields()) {
            CarData car;
            field.set(car, value);
            for (const auto& entry : calculators()) {
                exercise(entry, car, std::string(field.name) + "=" + std::to_string(value));
            }
        }
    }
}

TEST(HostileCarData, ALoadFaultLeavesTheWindowOpenWithTheFaultMessage) {
    CarData car;
    // As a car data file gives it: the percentage a single, the product beyond a single's range.
    car.Global_Yearly_Miles_Traveled = 1e37F;
    car.Global_City_Percent = TaggedPercent::from_single(55);
    auto calc = find_calculator("E01_City_Driving_Style")->make();
    FormState s = open_window(*calc, car);
    ASSERT_TRUE(s.fault.has_value());
    ASSERT_EQ(s.dialogue.kept().size(), 1U);
    EXPECT_EQ(s.dialogue.kept()[0].text, kFaultMessage);
    // The boxes the load could fill keep their values; the city miles stay empty.
    EXPECT_EQ(s.box("txtCity_MPG"), "18");
    EXPECT_EQ(s.box("txtCity_Mileage"), "");
    (void)s.dialogue.take_kept();
    // Calculate then refuses the empty box as leaving it would.
    EXPECT_FALSE(run_calculate(*calc, s));
    ASSERT_EQ(s.dialogue.kept().size(), 1U);
    EXPECT_EQ(s.dialogue.kept()[0].title, "Data Error");
}

TEST(HostileCarData, OnlyWhatDependsOnTheFaultIsLeftEmpty) {
    CarData car;
    car.Global_Yearly_Miles_Traveled = 3.4e38F;
    car.Global_Highway_Percent = TaggedPercent::from_single(45);
    for (const char* window : {"E04_Yearly_Highway_Cost", "E05_Steady_Driving"}) {
        SCOPED_TRACE(window);
        auto calc = find_calculator(window)->make();
        const FormState plain = open_window(*calc, CarData{});
        const FormState s = open_window(*calc, car);
        ASSERT_TRUE(s.fault.has_value());
        // Every label as a normal load leaves it; the miles box alone is empty.
        for (const auto& key : s.label_order()) {
            EXPECT_EQ(s.label(key.name, key.index).text, plain.label(key.name, key.index).text)
                << key.name;
        }
        std::size_t empty = 0;
        for (const auto& box : s.description().boxes) {
            empty += s.box(box.name).empty() ? 1U : 0U;
        }
        EXPECT_EQ(empty, 1U);
    }
}
