// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "shell/main_tables.h"

#include "cardata/data_settings.h"
#include "mileage/mileage_tracker.h"

namespace milora::shell {
namespace {

using enum RowAction;

MainRow opens(const char* button, const char* caption, const char* window, const char* help_button,
              const char* label, std::vector<const char*> pieces) {
    return {button, caption, OpenWindow, window, help_button, label, std::move(pieces)};
}

MainRow chapter(const char* button, const char* caption, const char* label,
                std::vector<const char*> pieces) {
    return {button, caption, HelpChapter, nullptr, nullptr, label, std::move(pieces)};
}

MainRow exit_row(const char* button) {
    return {button, "Exit Program", Exit};
}

MainTab starting_up_tab() {
    return {
        "Starting Up",
        {
            chapter("cmdIntroduction_Help", "Introduction", "lblIntroduction",
                    {" Start here - click on this button for a brief introduction to the "
                     "concepts of fuel-efficient driving, ",
                     "why it matters, and how it can save you money."}),
            chapter("cmdGetting_Started_Help", "Getting Started", "lblGetting_Started",
                    {"Next, click on this button for a brief description of how to use the "
                     "Handbook and ",
                     "software, and the best way to use it to improve your gas mileage."}),
            opens("cmdSettings", "Settings", cardata::kWindowName, "cmdSettings_Help",
                  "lblSettings",
                  {"Then, click on the button on the far left to open the Data Settings data "
                   "form. This form allows you to enter and ",
                   "save numbers that get used on a regular basis throughout the program (like "
                   "the cost of gas, your car's average MPG (miles ",
                   "per gallon), the number of miles you drive in a typical year, and so on). "
                   "Once entered here, they will automatically ",
                   "be entered into the appropriate spaces in every calculator. You can also save "
                   "them as a default, so that the program ",
                   "will automatically load them in when it starts. The button on the near left "
                   "opens up the section of the help manual ",
                   "that describes how to use the Settings data form, and where to find the "
                   "data. "}),
            exit_row("cmdExit"),
        }};
}

MainTab filling_up_tab() {
    return {
        "Filling Up",
        {
            opens("cmdHow_Much_On_Gas", "How Much Do You Spend On Gas?",
                  "B01_HowMuchDoYouSpendOnGas", "cmd_How_Much_On_Gas_Help", "lblHow_Much_On_Gas",
                  {"Find out how much you're actually spending on gas every year, and how much ",
                   "you could save by improving your MPG by 10-50%."}),
            opens("cmdTrue_Cost_Of_Gas", "True Cost Of 'Cheap' Gas", "B02_True_Cost_of_Gas",
                  "cmdTrue_Cost_Of_Gas_Help", "lblTrue_Cost_Of_Gas",
                  {"Do you drive crosstown to buy gas at a station with a \"cheap\" price? Find "
                   "out ",
                   "what the true cost of that \"cheap\" gas is."}),
            opens("cmdExpensive_Vs_Cheap", "Expensive Versus Cheap Gas", "B03_Expensive_Vs_Cheap",
                  "cmdExpensive_Vs_Cheap_Help", "lblExpensive_Vs_Cheap",
                  {"For most cars, regular is just as good as premium, and cheap gas is as good "
                   "as ",
                   "the expensive stuff. Find out how much you can save by buying the cheaper "
                   "gas."}),
            opens("cmdMorning_Fillup", "Don't Fill Up In The Morning", "B04_Gas_Air_Temp",
                  "cmdMorning_Fillup_Help", "lblMorning_Fillup",
                  {"Ever hear about how you can get more for your money by buying gas early in "
                   "the morning, ",
                   "when it's denser? Find out why that's not true."}),
            opens("cmdFillup_Often", "Don't Fill Up Too Often", "B05_Fillup_Frequency",
                  "cmdFillup_Often_Help", "lblFillup_Often",
                  {"Are you always topping off your tank? See how much that's costing you in "
                   "gas, time and ",
                   "increased pollution."}),
            opens("cmdMissing_Cap", "Replace Your Gas Cap", "B06_Gas_Cap", "cmdMissing_Cap_Help",
                  "lblMissing_Cap",
                  {"A missing gas cap can cost you a surprising amount of money over the course "
                   "of a year ",
                   "as gas evaporates out of your tank (and can cost you in maintenance as "
                   "well). Find out how much."}),
            chapter("cmdGeneral_Fillup_Tips_Help", "General Fillup Tips", "lblGeneral_Fillup_Tips",
                    {"A whole bunch of additional tips on how to fillup your tank safely, "
                     "economically, ",
                     "and with the least environmental impact."}),
            opens("cmdTrue_MPG", "What's Your True MPG?", mileage::kTrackerWindow,
                  "cmdTrue_MPG_Help", "lblTrue_MPG",
                  {"If you track how much gas you're buying, you can use this calculator to "
                   "calculate and track ",
                   "your actual fuel economy."}),
            exit_row("cmdExit_Program_FillingUp"),
        }};
}

MainTab maintenance_tab() {
    return {
        "Maintenance",
        {
            opens("cmdTire_Pressure", "Tire Pressure", "C01_Tire_Pressure", "cmdTire_Pressure_Help",
                  "lblTire_Pressure",
                  {"Keeping your tires inflated at the correct pressure not only makes your "
                   "driving safer, ",
                   "it also saves on gas, though not as much as some have claimed. Find out how "
                   "and why."}),
            opens("cmdTire_Alignment", "Tire Alignment", "C02_Tire_Alignment",
                  "cmdTire_Alignment_Help", "lblTire_Alignment",
                  {"If your wheels aren't properly aligned, the extra drag not only wears your "
                   "tires ",
                   "out faster, it uses more gas."}),
            opens("cmdTire_Tread", "Tire Tread", "C03_Tire_Tread", "cmdTire_Tread_Help",
                  "lblTire_Tread",
                  {"Buying new tires? An unnecessary tread type can cost you significant "
                   "amounts of gas."}),
            opens("cmdRadial_Vs_Bias", "Radial Vs Bias", "C04_Radial_Bias",
                  "cmdRadial_Vs_Bias_Help", "lblRadial_Vs_Bias",
                  {"Bias ply tires are cheaper upfront than radials, but may wind up costing you "
                   "more ",
                   "in the long run."}),
            opens("cmdAir_Filter", "Air Filter", "C05_Air_Filter", "cmdAir_Filter_Help",
                  "lblAir_Filter",
                  {"A clogged air filter is supposed to have a huge effect on mileage. Does "
                   "it?"}),
            opens("cmdOil_Change", "Oil Change", "C06_Oil_Change", "cmdOil_Change_Help",
                  "lblOil_Change",
                  {"Putting off your scheduled oil change may not only harm your engine, it can "
                   "cost ",
                   "you more on gas as well."}),
            opens("cmdOil_Thickness", "Oil Thickness", "C07_Oil_Thickness", "cmdOil_Thickness_Help",
                  "lblOil_Thickness",
                  {"Choosing a grade of oil that's thicker than the manufacturer's "
                   "recommendation ",
                   "can make your engine work harder, and burn more gas."}),
            opens("cmdECMO_Oil", "ECMO Oil", "C08_ECMO", "cmdECMO_Oil_Help", "lblECMO_Oil",
                  {"ECMOs (Energy-Conserving Motor Oils) are a good choice for saving gas."}),
            opens("cmdOxygen_Sensor", "Oxygen Sensor", "C09_Oxygen_Sensor", "cmdOxygen_Sensor_Help",
                  "lblOxygen_Sensor",
                  {"If your oxygen sensor goes bad, your engine will use more gas than it has "
                   "to, and create more pollution."}),
            chapter("cmdGadgets_And_Gizmos", "Goops, Gadgets && Gizmos", "lblGadgets_And_Gizmos",
                    {"Do any of those \"gas-saving\" goops, gadgets and gizmos actually work?"}),
            chapter("cmdGeneral_Maintenance_Tips", "General Maintenance Tips",
                    "lblGeneral_Maintenance_Tips",
                    {"Other assorted maintenance tips to help keep your gas consumption down."}),
            exit_row("cmdExit_Program_Maintenance"),
        }};
}

MainTab general_tab() {
    return {"General",
            {
                opens("cmdIdling", "Idling", "D01_Idling", "cmdIdling_Help", "lblIdling",
                      {"Not only does your car get its worst mileage when you're idling (O MPG), "
                       "wasting gas and money,",
                       " it's bad for your car (and the environment) as well."}),
                opens("cmdAC", "Air Conditioning", "D02_Air_Conditioning", "cmdAC_Help", "lblAC",
                      {"Using your air conditioning burns more gas. At highway speeds, though, "
                       "should you use your A/C ",
                       "instead of opening your windows?"}),
                opens("cmdAerodynamics", "Aerodynamics", "D03_Aerodynamics", "cmdAerodynamics_Help",
                      "lblAerodynamics",
                      {"The better your car can cut through the air, the better your mileage."}),
                opens("cmdWeight", "Weight", "D04_Weight", "cmdWeight_Help", "lblWeight",
                      {"Putting your car on a \"diet\" can save on gas."}),
                opens("cmdHeadlights", "Headlights", "D05_Headlights", "cmdHeadlights_Help",
                      "lblHeadlights",
                      {"While safety should be your main factor in using your headlights, turning "
                       "them ",
                       "off when they're not needed burns a little bit less gas."}),
                exit_row("cmdExit_Program"),
            }};
}

MainTab driving_style_tab() {
    return {
        "Driving Style",
        {
            opens("cmdCity_Driving_Style", "Smart City Driving", "E01_City_Driving_Style",
                  "cmdCity_Driving_Style_Help", "lblCity_Driving_Style",
                  {"Drive the right way in the city, and not only do you save on gas, but you ",
                   "have fewer accidents, less wear and tear on your car, and you might even get "
                   "there faster."}),
            opens("cmdHighway_Gas_Cost", "Highway Gas And Time Cost", "E02_Gas_And_Time_Cost",
                  "cmdHighway_Gas_Cost_Help", "lblHighway_Gas_Cost",
                  {"Drive faster, and you get there faster, but you pay more. How much, and "
                   "when ",
                   "is it no longer worth the reduced travel time?"}),
            opens("cmdHighway_Single_Trip_Cost", "Highway Single Trip Cost", "E03_Trip_Cost",
                  "cmdHighway_Single_Trip_Cost_Help", "lblHighway_Single_Trip_Cost",
                  {"If you travel slower on a trip to save on gas, how much money will you "
                   "save, ",
                   "and how much longer will it take you to get there?"}),
            opens("cmdHighway_Yearly_Trip_Cost", "Highway Yearly Trip Cost",
                  "E04_Yearly_Highway_Cost", "cmdHighway_Yearly_Trip_Cost_Help",
                  "lblHighway_Yearly_Trip_Cost",
                  {"If you travel slower over the course of a year to save on gas, how much "
                   "money will you save, ",
                   "and how much more time will it take you driving as a daily average?"}),
            opens("cmdCruise_Control", "Cruise Control", "E05_Steady_Driving",
                  "cmdCruise_Control_Help", "lblCruise_Control",
                  {"Weaving in and out of highway traffic to get there faster isn't just more "
                   "dangerous, ",
                   "it burns more gas than traveling at a constant speed."}),
            exit_row("cmdExit_Program_Style"),
        }};
}

MainTab driving_habits_tab() {
    return {
        "Driving Habits",
        {
            opens("cmdTotal_Driving_Cost", "Total Yearly Cost Of Driving", "F01_Driving_Less",
                  "cmdTotal_Driving_Cost_Help", "lblTotal_Driving_Cost",
                  {"You may think that you're paying a lot for gas, but that's just a fraction ",
                   "of the total cost of driving your car. See how driving less can save you a "
                   "lot more than just on gas."}),
            opens("cmdMiles_Per_Dollar", "Miles Per Dollar", "F01a_Miles_Per_Dollar",
                  "cmdMiles_Per_Dollar_Help", "lblMiles_Per_Dollar",
                  {"Instead of thinking \"miles per gallon\", maybe you should be thinking "
                   "\"miles per dollar.\""}),
            opens("cmdTrue_Cost_Miles", "Is Your Trip Necessary?", "F02_Cost_Of_Trip",
                  "cmdTrue_Cost_Miles_Help", "lblTrue_Cost_Miles",
                  {"Before you make that trip, ask yourself: is this trip necessary? Is it worth "
                   "the cost?"}),
            opens("cmdReally_Save", "Will This Trip Really Save You Money?", "F03_Will_You_Save",
                  "cmdReally_Save_Help", "lblReally_Save",
                  {"Think you're saving money by making that trip? You may need to think "
                   "again."}),
            opens("cmdMore_Efficient", "Use The More Fuel-Efficient Car",
                  "F04_More_Efficient_Vehicle", "cmdMore_Efficient_Help", "lblMore_Efficient",
                  {"If you own two cars, and have a choice, using the more fuel-efficient "
                   "vehicle can ",
                   "save you a lot on gas."}),
            chapter("cmdAlternatives", "Alternatives", "lblAlternatives",
                    {"A look at the alternatives to driving your car all the time - walking, "
                     "biking, mass transit, ",
                     "car pooling. Some of these alternatives may not makes as much sense as you "
                     "might think."}),
            chapter("cmdOther_Tips", "Other Tips", "lblOther_Tips",
                    {"Some other suggestions to help you improve the efficiency with which you "
                     "use your car."}),
            exit_row("cmdExit_Program_Habits"),
        }};
}

std::vector<MainTab> make_tabs() {
    return {
        starting_up_tab(), filling_up_tab(),    maintenance_tab(),
        general_tab(),     driving_style_tab(), driving_habits_tab(),
    };
}

std::vector<Menu> make_menus() {
    using enum MenuAction;
    const auto help = [](const char* name, const char* caption) {
        return MenuItem{name, caption, HelpTopic};
    };
    const auto web = [](const char* name, const char* caption, WebLink link) {
        return MenuItem{name, caption, WebPage, 0, link};
    };
    return {
        {"mnuFile",
         "&File",
         {
             {"mnuFileOpen", "&Open...", OpenCarData},
             {"PrintSetup", "&Print Setup", PrintSetup},
             {"mnuFileExit", "E&xit", Exit},
         }},
        {"mnuSections",
         "Sections",
         {
             {"mnuSectionsGetting_Started", "Starting Up", SelectTab, 0},
             {"mnuSectionsFilling_Up", "Filling Up", SelectTab, 1},
             {"mnuSectionsMaintenance", "Maintenance", SelectTab, 2},
             {"mnuSectionsGeneral_Operation", "General", SelectTab, 3},
             {"mnuSectionsDriving_Style", "Driving Style", SelectTab, 4},
             {"mnuSectionsDriving_Habits", "Driving Habits", SelectTab, 5},
         }},
        {"mnuRecommend",
         "Recommend",
         {
             help("mnuTellFriend", "Tell A Friend"),
             help("mnuBecomeAffiliate", "Become An Affiliate"),
         }},
        {"mnuHelp",
         "&Help",
         {
             help("mnuHelpContents", "Contents"),
             web("mnuHelpWebsite", "Visit Website", WebLink::HomePage),
             help("mnuFrequently_Asked_Questions", "Frequently Asked Questions"),
             help("Comments", "Comments, Suggestions, Bugs?"),
             help("mnuCorrections", "Corrections/Mistakes"),
             help("Tell_A_Friend", "Tell A Friend"),
             help("Become_An_Affiliate", "Become An Affiliate"),
             help("mnuProgram_History", "Program History"),
             web("mnuUpdates", "Check For Updates", WebLink::SoftwareCentre),
             help("mnuAcknowledgements", "Acknowledgements"),
             {"mnuHelpAbout", "About ", About},
         }},
    };
}

} // namespace

const std::vector<MainTab>& main_tabs() {
    static const std::vector<MainTab> tabs = make_tabs();
    return tabs;
}

const std::vector<Menu>& main_menus() {
    static const std::vector<Menu> menus = make_menus();
    return menus;
}

Message updates_message(const std::string& version) {
    return {"Check For Updates",
            "Milora is updated through your system's package manager (or the software centre "
            "of your desktop): look there for the package \"milora\" to get a newer "
            "version.\n\nInstalled version: " +
                version,
            Icon::Information, Buttons::Ok};
}

std::string join_pieces(const std::vector<const char*>& pieces) {
    std::string text;
    for (const char* p : pieces) {
        text += p;
    }
    return text;
}

std::string startup_notice_text() {
    return join_pieces({
        "Unlike most programs, where the helpfile is often only used to ",
        "help solve problems, in the Milora the helpfile *IS* the Handbook - the most important "
        "information resource. ",
        "If you don't read it, and use it, you'll miss out on lots of useful information, and "
        "won't make the ",
        "best use of the program.",
        "\r\n\r\n",
        "The software's main purpose is to demonstrate what is presented in the Help section, ",
        " and allow you to modify the calculations to match your car and driving habits. ",
        "Use the Help section as your primary information resource, ",
        " and the software as a tool. ",
        "\r\n\r\n",
        "Clicking OK below will automatically open the Help section of the Handbook. The "
        "\"Starting Up\" tab will also open, ",
        "where you can directly access the \"Introduction\" and \"Getting Started\" chapters of "
        "the Help file by clicking on the appropriately-named button.",
    });
}

} // namespace milora::shell
