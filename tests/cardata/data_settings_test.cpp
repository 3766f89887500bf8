// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "cardata/data_settings.h"
#include "support/temp_folder.h"

#include "base/constants.h"
#include "cardata/car_data_file.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <unistd.h>

using namespace milora;
using namespace milora::cardata;
namespace fs = std::filesystem;
using milora::test::TempFolder;

namespace {

class DataSettingsTest : public ::testing::Test {
protected:
    ProgramState state;
    DataSettings form{state};
    TempFolder temp{"settings"};
    const fs::path& dir = temp.path();

    void SetUp() override {
        state.Car_Data_Filename = "Initial data";
        form.load();
    }

    std::string put(const std::string& name, const std::string& contents) {
        return temp.put(name, contents);
    }
    std::string boxes() const {
        std::string all;
        for (const BoxInfo& b : kBoxes) {
            all += form.text(b.field) + "|";
        }
        return all;
    }
};

const Message kPercentMessage{
    "Milora", "You may have typed some incorrect characters for the percentage - please try again.",
    Icon::None, Buttons::Ok};

} // namespace

TEST_F(DataSettingsTest, LoadShowsTheCarDataInTheNumberTextFormAndIsNotAChange) {
    EXPECT_EQ(boxes(), "3|18|24|55|45|20|12000|0.445|10|");
    EXPECT_FALSE(form.modified());
    EXPECT_TRUE(form.dialogue().take_kept().empty());
    EXPECT_EQ(form.file_label(), "Car Data Filename: Initial data");
}

TEST_F(DataSettingsTest, APairThatDoesNotAddUpIsCoupledOnLoad) {
    // A file may hold any pair; filling the highway box last leaves the city box as its complement.
    state.car.Global_City_Percent = TaggedPercent::from_single(30.0F);
    state.car.Global_Highway_Percent = TaggedPercent::from_single(30.0F);
    DataSettings fresh(state);
    fresh.load();
    EXPECT_EQ(fresh.text(Field::CityPercent), "70");
    EXPECT_EQ(fresh.text(Field::HighwayPercent), "30");
    EXPECT_FALSE(fresh.modified());
}

TEST_F(DataSettingsTest, ATextArrivingAtOnceIsRewrittenInTheNumberTextForm) {
    form.change(Field::CityPercent, "30.0");
    EXPECT_EQ(form.text(Field::CityPercent), "30");
    EXPECT_EQ(form.text(Field::HighwayPercent), "70");
    form.change(Field::HighwayPercent, " 1,000 ");
    EXPECT_EQ(form.text(Field::HighwayPercent), "1000");
    EXPECT_EQ(form.text(Field::CityPercent), "-900");
}

TEST_F(DataSettingsTest, AKeystrokeThatKeepsTheValueKeepsTheTypedText) {
    // Typing 30.5 passes through "30." which must survive, or no decimal could ever be typed.
    for (const char* typed : {"3", "30", "30.", "30.5"}) {
        form.change(Field::CityPercent, typed);
        EXPECT_EQ(form.text(Field::CityPercent), typed);
    }
    EXPECT_EQ(form.text(Field::HighwayPercent), "69.5");
}

TEST_F(DataSettingsTest, AnUnconvertibleTextRestoresBothBoxesFromTheCarDataOnce) {
    for (const char* bad : {"", "a", "$", "-", ".", "3a", "1e"}) {
        form.change(Field::CityPercent, "30"); // the restore goes to CarData, not to 30/70
        form.change(Field::CityPercent, bad);
        EXPECT_EQ(form.text(Field::CityPercent), "55") << bad;
        EXPECT_EQ(form.text(Field::HighwayPercent), "45") << bad;
        const auto shown = form.dialogue().take_kept();
        ASSERT_EQ(shown.size(), 1U) << bad;
        EXPECT_EQ(shown[0], kPercentMessage);
    }
    form.change(Field::HighwayPercent, "x");
    EXPECT_EQ(form.text(Field::CityPercent), "55");
    EXPECT_EQ(form.text(Field::HighwayPercent), "45");
    EXPECT_EQ(form.dialogue().take_kept().size(), 1U);
}

TEST_F(DataSettingsTest, TheRestoreUsesTheStoredPairEvenWhenItDoesNotAddUp) {
    state.car.Global_City_Percent = TaggedPercent::from_single(33.5F);
    state.car.Global_Highway_Percent = TaggedPercent::from_single(60.0F);
    form.change(Field::CityPercent, "");
    EXPECT_EQ(form.text(Field::CityPercent), "40");
    EXPECT_EQ(form.text(Field::HighwayPercent), "60");
    EXPECT_EQ(form.dialogue().take_kept().size(), 1U);
}

TEST_F(DataSettingsTest, TheCouplingEndsForValuesAtTheEdgeOfSinglePrecision) {
    // 100 - 1e-6 rounds to 100 in single precision, and 100 - 100 is 0.
    form.change(Field::CityPercent, "0.000001");
    EXPECT_EQ(form.text(Field::HighwayPercent), "100");
    EXPECT_EQ(form.text(Field::CityPercent), "0");
    form.change(Field::CityPercent, "-3.402823E+38");
    EXPECT_EQ(form.text(Field::HighwayPercent), "3.402823E+38");
    EXPECT_TRUE(form.dialogue().take_kept().empty());
}

TEST_F(DataSettingsTest, OtherBoxesOnlySetTheModifiedFlag) {
    form.change(Field::GasCost, "3");
    EXPECT_FALSE(form.modified()); // the same text is no change
    form.change(Field::GasCost, "abc");
    EXPECT_TRUE(form.modified());
    EXPECT_EQ(form.text(Field::GasCost), "abc");
    EXPECT_EQ(form.text(Field::CityPercent), "55");
    EXPECT_TRUE(form.dialogue().take_kept().empty());
}

TEST_F(DataSettingsTest, ValidationRefusesZeroNonNumbersAndPercentagesOfAHundred) {
    const auto refused = [&](Field f, const char* text) {
        form.change(f, text);
        return form.validate(f).has_value();
    };
    // 1e39 is a number, but no single holds it, so the commit could not store it; 1e-50 would be
    // stored as 0.
    for (const char* t : {"", "$3", "12abc", "1e39", "1e-50", "0.0"}) {
        EXPECT_TRUE(refused(Field::GasCost, t)) << t;
    }
    for (const char* t : {" 2.5 ", "1,000", "1e3"}) {
        EXPECT_FALSE(refused(Field::GasCost, t)) << t;
    }
    EXPECT_TRUE(refused(Field::TimeCost, "0")); // zero refused here too
    EXPECT_TRUE(refused(Field::CityPercent, "100.0"));
    form.change(Field::HighwayPercent, "100");
    const auto m = form.validate(Field::HighwayPercent);
    ASSERT_TRUE(m.has_value());
    EXPECT_EQ(*m, (Message{"Data Error",
                           "Please enter a valid number for the percentage of your driving "
                           "done on the highway, greater than zero but less than 100%.",
                           Icon::Warning, Buttons::Ok}));
}

TEST_F(DataSettingsTest, ARefusalSaysWhetherTheNumberIsTooLargeOrNotAboveZero) {
    const auto refusal = [&](Field f, const char* text) {
        form.change(f, text);
        const auto m = form.validate(f);
        return m ? m->text : std::string();
    };
    const std::string gas = "Please enter a valid number for the cost of gas ($/gallon), "
                            "greater than zero.";
    // Above zero but beyond a single: too large, not "greater than zero".
    for (const char* t : {"1e39", "1e300", "3.5e38"}) {
        EXPECT_EQ(refusal(Field::GasCost, t), kTooLargeMessage) << t;
    }
    // Too small to hold, negative, or no number: the box's own message.
    for (const char* t : {"1e-320", "1e-50", "-1e39", "abc"}) {
        EXPECT_EQ(refusal(Field::GasCost, t), gas) << t;
    }
    // A percentage names its upper bound already.
    EXPECT_NE(refusal(Field::CityPercent, "1e39"), kTooLargeMessage);
    // Estimate refuses with the same reason.
    form.change(Field::EpaCity, "1e39");
    EXPECT_FALSE(form.estimate());
    const auto told = form.dialogue().take_kept();
    ASSERT_FALSE(told.empty());
    EXPECT_EQ(told.back().text, kTooLargeMessage);
}

TEST_F(DataSettingsTest, TheEstimateTermsAreSinglePrecision) {
    // Both cases sit on 19.35: in double the first is 19.35 exactly enough to round to 19.4 and
    // the second falls just below; the single-precision terms move each to the other side.
    EXPECT_EQ(combined_estimate(18.0F, 30.0F, 50.0F, 50.0F), 19.3);
    EXPECT_EQ(combined_estimate(16.0F, 36.0F, 48.0F, 52.0F), 19.4);
    EXPECT_EQ(combined_estimate(15.0F, 27.0F, 25.0F, 75.0F), 19.3);
    EXPECT_TRUE(std::isnan(combined_estimate(18.0F, 24.0F, 0.0F, 0.0F)));

    form.change(Field::EpaCity, "50");
    form.change(Field::EpaHighway, "50");
    ASSERT_TRUE(form.estimate());
    EXPECT_EQ(form.text(Field::CombinedMpg), "43"); // 0.86 x 50, no decimal point
}

TEST_F(DataSettingsTest, TheEstimateStoresTheFourFieldsButNotTheCombinedMpg) {
    form.change(Field::EpaCity, "22.5");
    form.change(Field::HighwayPercent, "62.5");
    ASSERT_TRUE(form.estimate());
    EXPECT_EQ(state.car.Global_EPA_City_MPG, 22.5F);
    EXPECT_EQ(state.car.Global_EPA_Highway_MPG, 24.0F);
    EXPECT_TRUE(state.car.Global_City_Percent.is_single());
    EXPECT_EQ(state.car.Global_City_Percent.as_single(), 37.5F);
    EXPECT_EQ(state.car.Global_Highway_Percent.as_single(), 62.5F);
    EXPECT_EQ(state.car.Global_Combined_MPG, 20.0F);
}

TEST_F(DataSettingsTest, TheEstimateNamesTheBoxItCannotUseAndStoresNothing) {
    const CarData before = state.car;
    form.change(Field::EpaHighway, "abc");
    EXPECT_FALSE(form.estimate());
    auto shown = form.dialogue().take_kept();
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_EQ(shown[0].text, box_info(Field::EpaHighway).message);
    EXPECT_EQ(form.take_focus_request(), Field::EpaHighway);

    form.change(Field::EpaHighway, "24");
    form.change(Field::EpaCity, "0");
    form.change(Field::CityPercent, "30");
    EXPECT_FALSE(form.estimate());
    shown = form.dialogue().take_kept();
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_EQ(shown[0].text, box_info(Field::EpaCity).message);
    EXPECT_EQ(form.take_focus_request(), Field::EpaCity);
    EXPECT_EQ(form.text(Field::CombinedMpg), "20");
    EXPECT_EQ(state.car.Global_EPA_City_MPG, before.Global_EPA_City_MPG);
    EXPECT_FALSE(state.car.Global_City_Percent.is_single());
}

TEST_F(DataSettingsTest, CommitStoresAllNineOrNone) {
    form.change(Field::GasCost, "2.899");
    form.change(Field::YearlyMiles, "15,000");
    form.change(Field::TimeCost, "abc");
    EXPECT_FALSE(form.commit());
    EXPECT_EQ(state.car.Global_Gas_Cost, 3.0F);
    EXPECT_EQ(form.take_focus_request(), Field::TimeCost);
    EXPECT_EQ(form.dialogue().take_kept().at(0).text, box_info(Field::TimeCost).message);

    form.change(Field::TimeCost, "12.5");
    form.change(Field::CityPercent, "33.3");
    ASSERT_TRUE(form.commit());
    EXPECT_EQ(state.car.Global_Gas_Cost, 2.899F);
    EXPECT_EQ(state.car.Global_Yearly_Miles_Traveled, 15000.0F);
    EXPECT_EQ(state.car.Global_Time_Cost, 12.5F);
    EXPECT_EQ(state.car.Global_City_Percent.text(), "33.3");
    EXPECT_EQ(state.car.Global_Highway_Percent.text(), "66.7");
    EXPECT_TRUE(state.car.Global_Highway_Percent.is_single());
    EXPECT_EQ(state.Car_Data_Filename, "Initial data");
}

TEST_F(DataSettingsTest, AFailedSaveAsDefaultSaysSoAndKeepsTheOldName) {
    const std::string path = (dir / "no-such-folder" / "default.miloracar").string();
    EXPECT_FALSE(form.save_as_default(path));
    const auto shown = form.dialogue().take_kept();
    ASSERT_EQ(shown.size(), 1U); // the failure, not "Default Data Saved"
    EXPECT_EQ(shown[0].title, "Milora");
    EXPECT_EQ(shown[0].icon, Icon::Warning);
    EXPECT_NE(shown[0].text.find(path), std::string::npos);
    EXPECT_EQ(state.Car_Data_Filename, "Initial data");
    EXPECT_FALSE(fs::exists(path));
}

TEST_F(DataSettingsTest, LoadingAFileRefillsTheBoxesOrChangesNothing) {
    const std::string bad = put("bad.miloracar", "1.02\r\n4\r\n20\r\nabc\r\n");
    EXPECT_FALSE(form.load_from(bad));
    auto shown = form.dialogue().take_kept();
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_NE(shown[0].text.find("line 4"), std::string::npos);
    EXPECT_EQ(boxes(), "3|18|24|55|45|20|12000|0.445|10|");
    EXPECT_EQ(state.car.Global_Gas_Cost, 3.0F);
    EXPECT_EQ(state.Car_Data_Filename, "Initial data");
    EXPECT_FALSE(form.modified());

    // Only the gas cost differs from the boxes.
    const std::string same = put("same.miloracar", "2.5\r\n3\r\n18\r\n24\r\n55\r\n45\r\n20\r\n"
                                                   "12000\r\n0.445\r\n10\r\n");
    ASSERT_TRUE(form.load_from(same));
    EXPECT_FALSE(form.modified());
    EXPECT_EQ(state.Car_Data_Filename, same);

    const std::string good = put("good.miloracar", "1.02\r\n2.899\r\n21\r\n28.5\r\n40\r\n60\r\n"
                                                   "23.4\r\n9000\r\n0.5\r\n0\r\n");
    ASSERT_TRUE(form.load_from(good));
    EXPECT_EQ(boxes(), "2.899|21|28.5|40|60|23.4|9000|0.5|0|");
    EXPECT_TRUE(form.modified());
}

TEST(DataSettingsTexts, DescriptionsAreJoinedWithTheirBlanks) {
    std::map<std::string, std::string> d;
    for (const auto& [label, text] : descriptions()) {
        d[label] = text;
    }
    ASSERT_EQ(d.size(), 7U);
    EXPECT_EQ(d["lblEPA_MPG_Description"],
              "Enter the EPA city and highway mileage numbers, either from your car's original "
              "sticker if you have it, or from the EPA's website at www.fueleconomy.gov. See the "
              "Help manual for more information.");
    EXPECT_EQ(d["lblCombined_MPG_Description"],
              "Enter your combined true city/highway mileage. If you've measured it already based "
              "on your actual gas use, enter that number. If not, click on the \"Calculate "
              "Combined EPA MPG\" button to get a reasonable estimate based on your city and "
              "highway EPA MPGs and percentages, decreased by a conservative 14% to more "
              "accurately reflect real-world  numbers. This is explained further in the "
              "Handbook.");
    EXPECT_EQ(d["lblTime_Cost_Description"],
              "Enter what you would pay to get an extra hour's worth of time in your life. If "
              "driving your car takes up time that you could be spending doing something else, "
              "that gets included in some of the calculations. If you think your time is "
              "worthless, feel free  to enter $0.00, but free time must be worth something to "
              "you. See the Help manual for additional info.");
    EXPECT_EQ(d["lblPercent_Description"],
              "Enter your best guesses for the percentage of driving you do in the city, and on "
              "the highway, with this vehicle. If you're not sure, feel free to leave it at the "
              "default settings of 55% city and 45% highway - those are the numbers the EPA "
              "assumes when calculating your car's overall MPG. Note that you only have to enter "
              "one percentage; the other is automatically calculated for you.");
}

TEST_F(DataSettingsTest, TheComplementIsWrittenAsTheUserWouldWriteIt) {
    const std::map<std::string, std::string> complements = {
        {"0.1", "99.9"},  {"99.9", "0.1"},     {"92.9", "7.1"},         {"30", "70"},
        {"30.", "70"},    {"30.05", "69.95"},  {"33.3", "66.7"},        {"1e-3", "99.999"},
        {"2.5E+1", "75"}, {" 1,000 ", "-900"}, {"12.34567", "87.65433"}};
    for (const auto& [typed, other] : complements) {
        EXPECT_EQ(percent_complement(typed), other) << typed;
    }
    EXPECT_EQ(percent_complement("abc"), std::nullopt);
    EXPECT_EQ(percent_complement(""), std::nullopt);
}

TEST_F(DataSettingsTest, TypingNeverRewritesTheTypedBox) {
    for (const auto& [typed, other] :
         std::map<std::string, std::string>{{"0.1", "99.9"}, {"99.9", "0.1"}, {"92.9", "7.1"}}) {
        form.type(Field::CityPercent, typed);
        EXPECT_EQ(form.text(Field::CityPercent), typed);
        EXPECT_EQ(form.text(Field::HighwayPercent), other) << typed;
    }
    // Key by key: "30.0" is not turned into "30" on the way to "30.05".
    std::string keys;
    for (const char c : std::string("30.05")) {
        keys += c;
        form.edit(Field::HighwayPercent, keys);
        EXPECT_EQ(form.text(Field::HighwayPercent), keys);
    }
    EXPECT_EQ(form.text(Field::CityPercent), "69.95");
    // Deleting the last digit keeps what is left as it stands.
    form.edit(Field::HighwayPercent, "30.0");
    EXPECT_EQ(form.text(Field::HighwayPercent), "30.0");
    EXPECT_EQ(form.text(Field::CityPercent), "70");
    EXPECT_TRUE(form.dialogue().take_kept().empty());
}

TEST_F(DataSettingsTest, APastedPercentageSettlesWithoutBinaryNoise) {
    form.edit(Field::CityPercent, "30.0"); // over "55": more than one keystroke
    EXPECT_EQ(form.text(Field::CityPercent), "30");
    EXPECT_EQ(form.text(Field::HighwayPercent), "70");
    form.edit(Field::CityPercent, "0.1");
    EXPECT_EQ(form.text(Field::CityPercent), "0.1");
    EXPECT_EQ(form.text(Field::HighwayPercent), "99.9");
}

TEST_F(DataSettingsTest, AKeystrokeTypingThatMakesTheTextUnreadableStillRestores) {
    form.edit(Field::CityPercent, "5");
    form.edit(Field::CityPercent, "5a");
    EXPECT_EQ(form.text(Field::CityPercent), "55");
    EXPECT_EQ(form.text(Field::HighwayPercent), "45");
    EXPECT_EQ(form.dialogue().take_kept().size(), 1U);
}

TEST(OneKeystrokeTest, TellsATypedCharacterFromAPaste) {
    EXPECT_TRUE(one_keystroke("30", "30."));
    EXPECT_TRUE(one_keystroke("55", "3"));       // typed over the selection
    EXPECT_TRUE(one_keystroke("30.05", "30.5")); // a character deleted
    EXPECT_TRUE(one_keystroke("12345", "15"));   // a selection deleted
    EXPECT_TRUE(one_keystroke("", "7"));
    EXPECT_TRUE(one_keystroke("33", "333"));
    EXPECT_FALSE(one_keystroke("55", "30.0"));
    EXPECT_FALSE(one_keystroke("", "12"));
    EXPECT_FALSE(one_keystroke("3", "3.14"));
}

TEST_F(DataSettingsTest, CancelAsksOnlyAfterAChangeAndOnlyYesThrowsItAway) {
    // Nothing changed: no question.
    EXPECT_TRUE(form.cancel());
    EXPECT_TRUE(form.dialogue().kept().empty());

    form.edit(Field::GasCost, "3.5");
    ASSERT_TRUE(form.modified());
    // Unattended the question gets its default answer, No: the change stays.
    EXPECT_FALSE(form.cancel());
    ASSERT_EQ(form.dialogue().kept().size(), 1U);
    EXPECT_EQ(form.dialogue().kept()[0], cancel_question());

    std::vector<Message> asked;
    std::vector<Answer> answers = {Answer::No, Answer::Yes};
    form.dialogue().answer_with([&](const Message& m) {
        asked.push_back(m);
        const Answer a = answers.front();
        answers.erase(answers.begin());
        return a;
    });
    EXPECT_FALSE(form.cancel());
    EXPECT_TRUE(form.cancel());
    EXPECT_EQ(asked, (std::vector<Message>{cancel_question(), cancel_question()}));
    EXPECT_EQ(state.car.Global_Gas_Cost, 3.0F); // Cancel never stores the boxes
}

TEST_F(DataSettingsTest, SaveTellsThePathBeforeWritingAndTheFailureAfter) {
    std::vector<std::string> told;
    form.dialogue().answer_with([&](const Message& m) {
        // The file is not there yet when its path is shown.
        told.push_back(m.text + (fs::exists(m.text) ? " (written)" : ""));
        return Answer::Ok;
    });
    const std::string path = (dir / "car.miloracar").string();
    ASSERT_TRUE(form.save_to(path));
    EXPECT_EQ(told, (std::vector<std::string>{path}));
    EXPECT_EQ(state.Car_Data_Filename, path);

    told.clear();
    const std::string nowhere = (dir / "none" / "car.miloracar").string();
    EXPECT_FALSE(form.save_to(nowhere));
    ASSERT_EQ(told.size(), 2U);
    EXPECT_EQ(told[0], nowhere);
    EXPECT_EQ(told[1], save_failed_message(nowhere, "No such file or directory"));
    EXPECT_EQ(state.Car_Data_Filename, path);
}
