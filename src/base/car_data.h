// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The shared car data and the program-wide values beside it.
//
// One ProgramState is owned by the application and handed to the windows that need it; tests make
// their own. Only the main window (its load and File Open) and the Data Settings window write
// CarData; every calculator copies what it needs when it opens.

#include <string>

namespace milora {

// The car data file read at start-up and written by "Save As Default", in the program folder.
inline constexpr const char* kDefaultFileName = "default.miloracar";

// A percentage that remembers whether it holds a double (the built-in defaults) or a single (every
// later assignment). Arithmetic with it is carried out at the precision it holds.
class TaggedPercent {
public:
    static TaggedPercent from_double(double v) { return TaggedPercent(v, false); }
    static TaggedPercent from_single(float v) {
        return TaggedPercent(static_cast<double>(v), true);
    }

    bool is_single() const { return single_; }
    // The value as held: exactly a float's value when is_single().
    double value() const { return value_; }
    float as_single() const { return static_cast<float>(value_); }
    // The number text form at the precision held: "55", "33.5".
    std::string text() const;

private:
    TaggedPercent(double v, bool s) : value_(v), single_(s) {}
    double value_;
    bool single_;
};

struct CarData {
    float Global_Gas_Cost = 3.0F;
    float Global_EPA_City_MPG = 18.0F;
    float Global_EPA_Highway_MPG = 24.0F;
    TaggedPercent Global_City_Percent = TaggedPercent::from_double(55);
    TaggedPercent Global_Highway_Percent = TaggedPercent::from_double(45);
    float Global_Combined_MPG = 20.0F;
    float Global_Yearly_Miles_Traveled = 12000.0F;
    float Global_Mileage_Cost = 0.445F;
    float Global_Time_Cost = 10.0F;
};

inline constexpr float Car_Data_Version = 1.02F;
inline constexpr const char* Program_Date = "9/16/06";

struct ProgramState {
    CarData car;
    // Name of the file whose values `car` holds; empty until the main window loads.
    std::string Car_Data_Filename;
};

} // namespace milora
