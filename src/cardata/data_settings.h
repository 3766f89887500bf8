// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The Data Settings window without a toolkit: the only editor of the shared car data.
//
// DataSettings holds the nine box texts and the modified flag and does everything the window
// decides: the change handling of each box (the city and highway percentages write each other's
// complement until the texts settle), the check on leaving a box, the combined-MPG estimate, the
// commit of the boxes into CarData, the car data file commands and the question on Cancel. It talks
// to the user through its dialogue; the Qt window answers it, mirrors the texts and puts the focus
// where it is asked to go.

#include "base/car_data.h"
#include "base/dialogue.h"
#include "base/message.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace milora::cardata {

// The nine fields, in the order in which load fills the boxes and the commit reads them.
enum class Field : std::size_t {
    GasCost,
    EpaCity,
    EpaHighway,
    CityPercent,
    HighwayPercent,
    CombinedMpg,
    YearlyMiles,
    MileageCost,
    TimeCost,
};
inline constexpr std::size_t kFieldCount = 9;

struct BoxInfo {
    Field field;
    const char* box;     // objectName of the text box
    const char* label;   // objectName of its caption label
    const char* caption; // caption label text
    const char* tooltip;
    const char* message; // shown when the box is refused on leaving it
};

inline constexpr std::array<BoxInfo, kFieldCount> kBoxes = {{
    {Field::GasCost, "txtGlobal_Gas_Cost", "lblGlobal_Gas_Cost", "Gas Cost",
     "Average cost of gas ($/gallon)",
     "Please enter a valid number for the cost of gas ($/gallon), greater than zero."},
    {Field::EpaCity, "txtGlobal_EPA_City_MPG", "lblGlobal_EPA_City_MPG", "EPA City MPG",
     "EPA City MPG for this car (miles per gallon)",
     "Please enter a valid number for your EPA city MPG (miles per gallon), greater than zero."},
    {Field::EpaHighway, "txtGlobal_EPA_Highway_MPG", "lblGlobal_EPA_Highway_MPG", "EPA Highway MPG",
     "EPA Highway MPG for this car (miles per gallon)",
     "Please enter a valid number for your EPA highway MPG (miles per gallon), greater than "
     "zero."},
    {Field::CityPercent, "txtGlobal_City_Percent", "lblGlobal_City_Percent", "City Driving %",
     "% of total miles driven in city conditions (stop and go)",
     "Please enter a valid number for the percentage of your driving done in the city, greater "
     "than zero but less than 100%."},
    {Field::HighwayPercent, "txtGlobal_Highway_Percent", "lblGlobal_Highway_Percent",
     "Highway Driving %", "% of miles driven on the highway",
     "Please enter a valid number for the percentage of your driving done on the highway, "
     "greater than zero but less than 100%."},
    {Field::CombinedMpg, "txtGlobal_Combined_MPG", "lblGlobal_Combined_MPG", "Combined City/HwyMPG",
     "Combined city/highway mileage (miles per gallon)",
     "Please enter a valid number for your combined city/highway MPG (miles per gallon), "
     "greater than zero."},
    {Field::YearlyMiles, "txtGlobal_Yearly_Miles_Traveled", "lblGlobal_Yearly_Miles_Traveled",
     "Miles Driven Yearly", "# of miles this car is driven in a year",
     "Please enter a valid number for the distance in miles you drive your car in year, greater "
     "than zero."},
    {Field::MileageCost, "txtGlobal_Mileage_Cost", "lblGlobal_Mileage_Cost", "Driving Cost",
     "The actual cost of driving your car one mile ($/mile)",
     "Please enter a valid cost per mile traveled, greater than zero."},
    {Field::TimeCost, "txtGlobal_Time_Cost", "lblGlobal_Time_Cost", "Time Cost",
     "What's your free time worth to you, in $/hr",
     "Please enter a valid value per hour of your time ($/hr), greater than zero."},
}};

const BoxInfo& box_info(Field field);

enum class Command { CalculateCombined, Ok, Cancel, Save, SaveAsDefault, LoadData, Help };

struct ButtonInfo {
    Command command;
    const char* name;
    const char* caption;
    const char* tooltip;
};

inline constexpr std::array<ButtonInfo, 7> kButtons = {{
    {Command::CalculateCombined, "cmdCalculate_Combined_MPG", "Calculate Combined EPA MPG",
     "Click on this button to calculate combined mileage from EPA numbers and percentages above"},
    {Command::Ok, "cmdOK", "OK", "Exit form, saving all entered data in program"},
    {Command::Cancel, "cmdCancel", "Cancel", "Exit form, not saving data"},
    {Command::Save, "cmdSave", "Save", "Save data in a computer file"},
    {Command::SaveAsDefault, "cmdSave_As_Default", "Save As Default",
     "Save data as default, so that it's read in automatically the next time the program "
     "starts"},
    {Command::LoadData, "cmdLoad_Data_Settings", "Load Data", "Load data in from saved file"},
    {Command::Help, "cmdHelp", "Help", "Open help file section on data settings"},
}};

inline constexpr const char* kWindowName = "A01_Data_Settings";
inline constexpr const char* kCaption = "Data Settings";
inline constexpr const char* kHelpTopic = "Entering_Settings.htm";
inline constexpr const char* kEpaLinkName = "lblGo_To_EPA";
inline constexpr const char* kEpaLinkText = "Click Here to open the EPA Fuel Economy website";
inline constexpr const char* kFileLabelName = "lblCar_File_ID";

// "Car Data Filename: " followed by the name.
std::string file_label_text(const std::string& car_data_filename);

// The government fuel-economy site as named in a sentence ("www.fueleconomy.gov").
std::string fuel_economy_site();

struct Description {
    const char* label; // objectName
    std::string text;
};
// The seven explanations beside the boxes, each joined from its pieces.
std::vector<Description> descriptions();

// The other percentage as the user would write it: 100 minus the typed value, rounded to as many
// decimals as the typed text has ("0.1" gives "99.9", "92.9" gives "7.1", "30" gives "70"), in the
// number text form of a single. Nothing when the text does not read as a single.
std::optional<std::string> percent_complement(const std::string& typed);

// Whether `after` is `before` changed by one keystroke: a character typed (over a selection or
// not) or a stretch deleted. A paste of more than one character is not.
bool one_keystroke(const std::string& before, const std::string& after);

// Messages of the window.
Message percent_message();
Message cancel_question();
Message saved_path_message(const std::string& path);
Message default_saved_message();

// The combined-MPG estimate from the EPA figures and the percentages: the percentage-weighted
// harmonic mean in single precision, lowered by 14 % in double, rounded to one decimal with halves
// to the even digit. Not finite when the figures give no meaningful mean.
double combined_estimate(float city_mpg, float highway_mpg, float city_percent,
                         float highway_percent);

class DataSettings {
public:
    explicit DataSettings(ProgramState& state) : state_(state) {}

    // Fills the nine boxes from CarData through their change handling, then clears the flag.
    void load();

    // A box's text changed at once: set by the window, pasted or dropped. A percentage settles
    // with its partner, both in the number text form ("30.0" becomes "30", the other box "70").
    // Nothing happens when it is the same text.
    void change(Field field, const std::string& text);
    // A keystroke in a box. The box keeps the text as typed ("30.", "30.05"); a percentage still
    // writes the other box, but the other box does not write this one back.
    void type(Field field, const std::string& text);
    // The user's edit of a box: one keystroke is typing, anything else arrived at once.
    void edit(Field field, const std::string& text);
    const std::string& text(Field field) const;
    bool modified() const { return modified_; }

    // The check on leaving a box: the message to show when its text is refused.
    std::optional<Message> validate(Field field) const;

    // "Calculate Combined EPA MPG". False (with a message and a focus request) when a box it needs
    // does not hold a usable number; then nothing is stored.
    bool estimate();
    // Stores all nine box texts into CarData, or none when one of them does not convert.
    bool commit();

    // Cancel: true when the window may close without keeping the boxes, at once when nothing
    // changed, otherwise only when the user answers Yes to cancel_question().
    bool cancel();

    // The file commands after the dialog; the commit is the caller's step before it. Save tells
    // the chosen path before it writes.
    bool save_to(const std::string& path);
    bool save_as_default(const std::string& default_path);
    bool load_from(const std::string& path);

    std::string file_label() const { return file_label_text(state_.Car_Data_Filename); }
    const std::string& file_name() const { return state_.Car_Data_Filename; }

    // Every message and question of the window goes here.
    Dialogue& dialogue() { return dialogue_; }
    // Where the window puts the focus: asked for before the message that explains it.
    std::optional<Field> take_focus_request();

private:
    void fill_from_car();
    void couple(Field field, const std::string& text);
    void refuse(Field field);
    // The reason a refused box is given: its own message, or that its number is too large.
    std::string refusal_text(Field field) const;

    ProgramState& state_;
    std::array<std::string, kFieldCount> texts_{};
    bool modified_ = false;
    bool restoring_ = false;
    int coupling_depth_ = 0;
    std::optional<Field> typing_; // the box the user is typing in: the coupling leaves it alone
    Dialogue dialogue_;
    std::optional<Field> focus_;
};

} // namespace milora::cardata
