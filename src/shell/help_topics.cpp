// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "shell/help_topics.h"

#include <array>
#include <stdexcept>
#include <string>

namespace milora::shell {
namespace {

constexpr const char* M = kMainWindowName;

constexpr std::array kTopics = std::to_array<HelpTopic>({
    // Main window buttons.
    {M, "cmdIntroduction_Help", "Introduction.htm"},
    {M, "cmdGetting_Started_Help", "Getting_Started.htm"},
    {M, "cmdSettings_Help", "Entering_Settings.htm"},
    {M, "cmdOK", "Getting_Started.htm"},
    {M, "cmd_How_Much_On_Gas_Help", "How_Much_Do_You_Spend_On_Gas.htm"},
    {M, "cmdTrue_Cost_Of_Gas_Help", "True_Cost_of_That__Cheaper_Gas__Across_Town.htm"},
    {M, "cmdExpensive_Vs_Cheap_Help", "Cheap_vs__Expensive_Gas.htm"},
    {M, "cmdFillup_Often_Help", "Emptying_The_Tank.htm"},
    {M, "cmdMissing_Cap_Help", "Gas_Cap.htm"},
    {M, "cmdMorning_Fillup_Help", "Best_Time_To_Fillup.htm"},
    {M, "cmdTrue_MPG_Help", "What_s_Your_True_MPG.htm"},
    {M, "cmdGeneral_Fillup_Tips_Help", "Other_Gas_Station_Tips.htm"},
    {M, "cmdTire_Pressure_Help", "Tires.htm"},
    {M, "cmdTire_Alignment_Help", "Tires.htm#alignment"},
    {M, "cmdTire_Tread_Help", "Tires.htm#tread"},
    {M, "cmdRadial_Vs_Bias_Help", "Tires.htm#radialbias"},
    {M, "cmdAir_Filter_Help", "Air_Filter.htm"},
    {M, "cmdOil_Change_Help", "Oil.htm"},
    {M, "cmdOil_Thickness_Help", "Oil.htm#oilthickness"},
    {M, "cmdECMO_Oil_Help", "Oil.htm#ECMO"},
    {M, "cmdOxygen_Sensor_Help", "Oxygen_sensor.htm"},
    {M, "cmdGadgets_And_Gizmos", "Gadgets_and_Gizmos.htm"},
    {M, "cmdGeneral_Maintenance_Tips", "Other_General_Tips.htm"},
    {M, "cmdIdling_Help", "Idling.htm"},
    {M, "cmdAC_Help", "Air_conditioning.htm"},
    {M, "cmdAerodynamics_Help", "Aerodynamics.htm"},
    {M, "cmdWeight_Help", "Weight.htm"},
    {M, "cmdHeadlights_Help", "Headlights.htm"},
    {M, "cmdCity_Driving_Style_Help", "City_driving_style.htm"},
    {M, "cmdHighway_Gas_Cost_Help", "Highway_driving_style.htm"},
    {M, "cmdHighway_Single_Trip_Cost_Help", "Highway_driving_style.htm#singletripcost"},
    {M, "cmdHighway_Yearly_Trip_Cost_Help", "Highway_driving_style.htm#yearlytripcost"},
    {M, "cmdCruise_Control_Help", "Highway_driving_style.htm#cruisecontrol"},
    {M, "cmdTotal_Driving_Cost_Help", "What_s_The_True_Cost_Of_Driving_.htm"},
    {M, "cmdMiles_Per_Dollar_Help", "Miles_Per_Dollar.htm"},
    {M, "cmdTrue_Cost_Miles_Help", "Is_This_Trip_Necessary_.htm"},
    {M, "cmdReally_Save_Help", "Is_This_Trip_Necessary_.htm#reallysave"},
    {M, "cmdMore_Efficient_Help", "Choose_The_Most_Efficient_Vehicle.htm"},
    {M, "cmdAlternatives", "Alternatives.htm"},
    {M, "cmdOther_Tips", "General_Driving_Habits_Tips.htm"},
    // Main window menus.
    {M, "mnuHelpContents", "Introduction.htm"},
    {M, "mnuFrequently_Asked_Questions", "FAQ.htm"},
    {M, "Comments", "Comments.htm"},
    {M, "mnuCorrections", "Corrections.htm"},
    {M, "Tell_A_Friend", "Tell_A_Friend.htm"},
    {M, "mnuTellFriend", "Tell_A_Friend.htm"},
    {M, "Become_An_Affiliate", "Become_An_Affiliate.htm"},
    {M, "mnuBecomeAffiliate", "Become_An_Affiliate.htm"},
    {M, "mnuProgram_History", "History.htm"},
    {M, "mnuAcknowledgements", "Acknowledgements.htm"},
    // Data Settings window.
    {kDataSettingsWindowName, "cmdHelp", "Entering_Settings.htm"},
});

} // namespace

std::span<const HelpTopic> help_topics() {
    return kTopics;
}

const char* help_topic(std::string_view window, std::string_view control) {
    for (const HelpTopic& t : kTopics) {
        if (window == t.window && control == t.control) {
            return t.topic;
        }
    }
    throw std::out_of_range("no help topic for " + std::string(window) + "." +
                            std::string(control));
}

} // namespace milora::shell
