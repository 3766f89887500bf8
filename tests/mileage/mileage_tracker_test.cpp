// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "mileage/mileage_tracker.h"

#include "base/atomic_file.h"
#include "mileage/entry_list.h"
#include "mileage/mileage_file.h"
#include "mileage/plot.h"
#include "mileage/summary.h"
#include "support/scripted_user.h"
#include "support/temp_folder.h"

#include <deque>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace milora;
using namespace milora::mileage;
namespace fs = std::filesystem;
using milora::test::slurp;
using milora::test::TempFolder;

namespace {

class MileageTrackerTest : public ::testing::Test {
protected:
    TempFolder temp{"tracker"};
    const fs::path& dir = temp.path();
    std::vector<Message> shown;
    std::deque<Answer> answers;
    MileageTracker tracker{
        [this](const Message& m) { return test::answer_from_script(shown, answers, m); }};

    void TearDown() override {
        EXPECT_TRUE(answers.empty()) << "a question that was expected did not come";
    }
    std::string put(const std::string& name, const std::string& contents) {
        return temp.put(name, contents);
    }
    void enter_thirty_mpg_entries(int count) {
        tracker.add_new();
        for (int i = 0; i < count; ++i) {
            ASSERT_TRUE(
                tracker.add_entry("d" + std::to_string(i + 1), std::to_string(1000 + 300 * i), "10")
                    .added);
        }
        tracker.done_adding();
    }
    bool all_enabled(bool on) const {
        for (const auto& b : main_buttons()) {
            if (tracker.enabled(b.button) != on) {
                return false;
            }
        }
        return true;
    }
};

// The text that a change adding lines brought: CR LF and each added line.
std::string added_text(const MileageTracker& tracker, const ListChange& change) {
    std::string out;
    for (std::int64_t k = tracker.list_line_count() - change.added; k < tracker.list_line_count();
         ++k) {
        out += "\r\n" + tracker.list_line(k);
    }
    return out;
}

const std::string kThreeEntries = "\"a\",1000,10\r\n\"b\",1300,10\r\n\"c\",1600,12\r\n";

} // namespace

TEST_F(MileageTrackerTest, StartsEmptyWithPlotAndSummaryDisabled) {
    EXPECT_EQ(tracker.caption(), "Track Your Gas Mileage");
    EXPECT_EQ(tracker.list(), "");
    EXPECT_FALSE(tracker.data_changed());
    EXPECT_FALSE(tracker.entry_frame_visible());
    for (const auto& b : main_buttons()) {
        const bool off = b.button == MainButton::Plot || b.button == MainButton::PrintSummary;
        EXPECT_EQ(tracker.enabled(b.button), !off) << b.name;
    }
}

TEST_F(MileageTrackerTest, EntryFrameDisablesTheMainButtonsUntilFinished) {
    tracker.add_new();
    EXPECT_TRUE(tracker.entry_frame_visible());
    EXPECT_TRUE(all_enabled(false));
    ASSERT_TRUE(tracker.add_entry("a", "1000", "10").added);
    ASSERT_TRUE(tracker.add_entry("b", "1300", "10").added);
    EXPECT_TRUE(all_enabled(false)); // a second entry enables nothing while the frame is open
    EXPECT_TRUE(tracker.data_changed());
    tracker.done_adding();
    EXPECT_FALSE(tracker.entry_frame_visible());
    EXPECT_TRUE(all_enabled(true));
    // Finished enables Plot and Summary whatever the number of entries.
    tracker.clear_data();
    tracker.add_new();
    tracker.done_adding();
    EXPECT_TRUE(all_enabled(true));
}

TEST_F(MileageTrackerTest, AddingAnEntryAddsOneLineToTheList) {
    enter_thirty_mpg_entries(2);
    auto changes = tracker.take_list_changes();
    ASSERT_EQ(changes.size(), 2U);
    EXPECT_TRUE(changes[0].replace); // the load's empty list
    EXPECT_FALSE(changes[1].replace);
    EXPECT_EQ(added_text(tracker, changes[1]), list_text(tracker.log()));
    tracker.add_new();
    ASSERT_TRUE(tracker.add_entry("d3", "1600", "10").added);
    changes = tracker.take_list_changes();
    ASSERT_EQ(changes.size(), 1U);
    EXPECT_FALSE(changes[0].replace);
    EXPECT_EQ(added_text(tracker, changes[0]), entry_line_addition(tracker.log(), 3));
    EXPECT_EQ(tracker.list(), list_text(tracker.log()));
    // A refused entry changes nothing.
    tracker.add_entry("d4", "1600", "10");
    EXPECT_TRUE(tracker.take_list_changes().empty());
    EXPECT_EQ(shown.back(), messages::odometer_not_above());
}

TEST_F(MileageTrackerTest, SummaryReplacesTheListAndLaterEntriesFollowIt) {
    tracker.summary();
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_EQ(shown[0], summary_needs_two());
    enter_thirty_mpg_entries(3);
    tracker.summary();
    const std::string summary = summary_text(tracker.log()).value();
    EXPECT_EQ(tracker.list(), summary);
    tracker.add_new();
    ASSERT_TRUE(tracker.add_entry("d4", "1900", "10").added);
    EXPECT_EQ(tracker.list(), summary + entry_line_addition(tracker.log(), 4));
}

TEST_F(MileageTrackerTest, PlotNeedsMoreThanTwoEntries) {
    enter_thirty_mpg_entries(2);
    EXPECT_FALSE(tracker.may_plot());
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_EQ(shown[0], plot_needs_three());
    tracker.add_new();
    tracker.add_entry("d3", "1600", "10");
    tracker.done_adding();
    EXPECT_TRUE(tracker.may_plot());
    EXPECT_EQ(shown.size(), 1U);
}

TEST_F(MileageTrackerTest, OpenReadsTheFileAndNamesItInTheCaption) {
    const std::string p = put("car.miloragas", kThreeEntries);
    tracker.open(p);
    EXPECT_EQ(tracker.caption(), "Track Your Gas Mileage-" + p);
    EXPECT_EQ(tracker.log().fillup_count(), 3);
    EXPECT_EQ(tracker.list(), list_text(tracker.log()));
    EXPECT_TRUE(tracker.enabled(MainButton::Plot));
    EXPECT_TRUE(tracker.enabled(MainButton::PrintSummary));
    EXPECT_FALSE(tracker.data_changed());
    EXPECT_TRUE(shown.empty());
    // One entry has no MPG: Plot and Summary stay disabled.
    tracker.open(put("one.miloragas", "\"a\",1000,10\r\n"));
    EXPECT_FALSE(tracker.enabled(MainButton::Plot));
    EXPECT_FALSE(tracker.enabled(MainButton::PrintSummary));
}

TEST_F(MileageTrackerTest, AFileThatCannotBeOpenedLeavesTheLogAsItWas) {
    enter_thirty_mpg_entries(3);
    const std::string list = tracker.list();
    const std::string missing = (dir / "missing.miloragas").string();
    tracker.open(missing);
    tracker.import_csv(missing);
    EXPECT_EQ(tracker.log().fillup_count(), 3);
    EXPECT_EQ(tracker.list(), list);
    EXPECT_EQ(tracker.caption(), "Track Your Gas Mileage");
    EXPECT_TRUE(tracker.data_changed());
    ASSERT_EQ(shown.size(), 2U);
    EXPECT_EQ(shown[0], cannot_open_message(missing, "it does not exist"));
}

TEST_F(MileageTrackerTest, ReadingThatStopsKeepsTheEntriesAndSaysWhere) {
    const std::string p = put("broken.csv", "\"a\",1000,10\r\n\"b\",1300,10\r\n\"c\",16OO,10\r\n");
    tracker.import_csv(p);
    EXPECT_EQ(tracker.log().fillup_count(), 2);
    EXPECT_EQ(tracker.list(), list_text(tracker.log()));
    EXPECT_FALSE(tracker.data_changed()); // a stopped import does not count as a change
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_NE(shown[0].text.find("\"" + p + "\" stopped at line 3"), std::string::npos);
    EXPECT_NE(shown[0].text.find("2 entries were read"), std::string::npos);
    EXPECT_EQ(shown[0].icon, Icon::Warning);
}

TEST_F(MileageTrackerTest, ImportMarksTheDataChangedAndKeepsThePlainCaption) {
    tracker.import_csv(put("car.csv", kThreeEntries));
    EXPECT_EQ(tracker.log().fillup_count(), 3);
    EXPECT_TRUE(tracker.data_changed());
    EXPECT_EQ(tracker.caption(), "Track Your Gas Mileage");
}

TEST_F(MileageTrackerTest, AHeaderLineImportsNothingAndKeepsTheChangedFlag) {
    for (const bool changed_before : {false, true}) {
        tracker.load();
        if (changed_before) {
            enter_thirty_mpg_entries(1);
        }
        shown.clear();
        const std::string list = tracker.list();
        // "Miles" names no odometer column, so this is in none of the layouts: the log stays.
        tracker.import_csv(put("header.csv", "Date,Miles,Gallons\r\n" + kThreeEntries));
        EXPECT_EQ(tracker.log().fillup_count(), changed_before ? 1 : 0);
        EXPECT_EQ(tracker.list(), list);
        EXPECT_EQ(tracker.data_changed(), changed_before);
        ASSERT_EQ(shown.size(), 1U);
        EXPECT_NE(shown[0].text.find("is in none of the layouts Milora reads"), std::string::npos);
    }
}

TEST_F(MileageTrackerTest, ReplacingUnsavedEntriesAsksFirst) {
    // Nothing unsaved: nothing asked.
    EXPECT_TRUE(tracker.may_replace_log(Replacing::Open));
    EXPECT_TRUE(tracker.may_exit());
    EXPECT_TRUE(shown.empty());
    enter_thirty_mpg_entries(2);
    const struct {
        Replacing what;
        const char* yes_does;
    } cases[] = {{Replacing::Open, "load another datafile without saving the data"},
                 {Replacing::Import, "import a .CSV file without saving the data"},
                 {Replacing::Clear, "clear out the data without saving it"}};
    for (const auto& c : cases) {
        answers = {Answer::No, Answer::Yes};
        shown.clear();
        EXPECT_FALSE(tracker.may_replace_log(c.what));
        EXPECT_TRUE(tracker.may_replace_log(c.what));
        ASSERT_EQ(shown.size(), 2U);
        EXPECT_EQ(shown[0], (Message{"Save Modified Data?",
                                     "You have changed some data, or imported a .CSV file - "
                                     "click Yes to " +
                                         std::string(c.yes_does) +
                                         ", or No to return to the program window to save "
                                         "the data.",
                                     Icon::None, Buttons::YesNo, Answer::No}));
    }
    answers = {Answer::No};
    EXPECT_FALSE(tracker.may_exit());
    EXPECT_EQ(shown.back(),
              (Message{"Save Modified Data?",
                       "You have changed some data, or imported a .CSV file - click Yes to "
                       "exit without saving the data, or No to return to the program window "
                       "to save the data.",
                       Icon::None, Buttons::YesNo, Answer::No}));
    EXPECT_EQ(tracker.log().fillup_count(), 2); // asking replaced nothing
    // Once cleared there is nothing left to lose.
    tracker.clear_data();
    EXPECT_FALSE(tracker.data_changed());
    EXPECT_TRUE(tracker.may_exit());
}

// With no one to answer (a script, a test) every message is kept in order and each question
// gets the answer that keeps the typed entries.
TEST(UnattendedTrackerTest, KeepsItsMessagesAndNeverDropsUnsavedEntries) {
    MileageTracker alone;
    alone.add_new();
    EXPECT_FALSE(alone.add_entry("a", "abc", "10").added);
    EXPECT_TRUE(alone.add_entry("a", "1000", "10").added);
    EXPECT_TRUE(alone.add_entry("b", "1300", "10").added);
    alone.done_adding();
    EXPECT_FALSE(alone.may_exit());
    EXPECT_FALSE(alone.may_replace_log(Replacing::Clear));
    const std::vector<Message> kept = alone.dialogue().take_kept();
    ASSERT_EQ(kept.size(), 3U);
    EXPECT_EQ(kept[0], messages::odometer_invalid());
    EXPECT_EQ(kept[1], messages::exit_question());
    EXPECT_EQ(kept[2], messages::replace_question(Replacing::Clear));
    EXPECT_EQ(alone.log().fillup_count(), 2);
}

TEST_F(MileageTrackerTest, SavedAndExportedFilesAreTheSameBytes) {
    enter_thirty_mpg_entries(4);
    tracker.add_new();
    ASSERT_TRUE(tracker.add_entry("Oct 1, 2006", "2234.5", "11.25").added);
    tracker.done_adding();
    const std::string saved = (dir / "log.miloragas").string();
    const std::string exported = (dir / "log.csv").string();
    EXPECT_TRUE(tracker.export_csv(exported));
    EXPECT_TRUE(tracker.data_changed()); // an export is no save
    EXPECT_TRUE(tracker.save(saved));
    EXPECT_FALSE(tracker.data_changed());
    EXPECT_EQ(slurp(saved), slurp(exported));
    EXPECT_TRUE(slurp(saved).ends_with("\n\"Oct 1, 2006\",2234.5,11.25\r\n"));

    // Opening the saved file gives back the same log and list.
    const MileageLog before = tracker.log();
    const std::string list = tracker.list();
    tracker.open(saved);
    EXPECT_EQ(tracker.list(), list);
    ASSERT_EQ(tracker.log().fillup_count(), before.fillup_count());
    EXPECT_EQ(tracker.log().last().Five_Tank_MPG, before.last().Five_Tank_MPG);
    EXPECT_EQ(tracker.log().last().Overall_MPG, before.last().Overall_MPG);
}

TEST_F(MileageTrackerTest, AFailedSaveSaysSoAndKeepsTheChangedFlag) {
    enter_thirty_mpg_entries(2);
    const std::string bad = (dir / "no" / "such" / "log.miloragas").string();
    EXPECT_FALSE(tracker.save(bad));
    EXPECT_TRUE(tracker.data_changed());
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_EQ(shown[0].icon, Icon::Warning);
    EXPECT_EQ(shown[0].text.rfind("The file \"" + bad + "\" could not be saved: ", 0), 0U);
    EXPECT_FALSE(tracker.export_csv(bad));
    EXPECT_EQ(shown.size(), 2U);
}

TEST_F(MileageTrackerTest, AReadingStoppedByTheUserKeepsTheLogThatWasThere) {
    enter_thirty_mpg_entries(3);
    const std::string list = tracker.list();
    std::string text;
    for (int i = 0; i < 40000; ++i) {
        text += "\"d\"," + std::to_string(1000 + 300 * i) + ",10\r\n";
    }
    const std::string p = put("long.miloragas", text);
    std::vector<std::size_t> told;
    tracker.set_read_progress([&](std::size_t done, std::size_t total) {
        EXPECT_EQ(total, text.size());
        EXPECT_LT(done, total);
        told.push_back(done);
        return told.size() < 2;
    });
    tracker.open(p);
    ASSERT_EQ(told.size(), 2U);
    EXPECT_LT(told[0], told[1]);
    EXPECT_EQ(tracker.log().fillup_count(), 3);
    EXPECT_EQ(tracker.list(), list);
    EXPECT_EQ(tracker.caption(), "Track Your Gas Mileage");
    EXPECT_TRUE(tracker.data_changed());
    EXPECT_TRUE(shown.empty());
    tracker.import_csv(p);
    EXPECT_EQ(tracker.log().fillup_count(), 3);

    // Let through, the whole file is read.
    told.clear();
    tracker.set_read_progress([&](std::size_t done, std::size_t) {
        told.push_back(done);
        return true;
    });
    tracker.open(p);
    EXPECT_EQ(told.size(), 2U); // every 16384 lines
    EXPECT_EQ(tracker.log().fillup_count(), 40000);
    EXPECT_EQ(tracker.list_line_count(), 40001);
    EXPECT_EQ(tracker.list_line(40000), entry_line(tracker.log(), 40000));
    EXPECT_EQ(tracker.list_line(0), "");
}

TEST_F(MileageTrackerTest, DeleteAndEditChangeOneEntryAndUndoTakesEveryChangeBack) {
    enter_thirty_mpg_entries(5);
    tracker.done_adding();
    const std::string saved = put("five.miloragas", "");
    ASSERT_TRUE(tracker.save(saved));
    const std::string five = mileage_file_text(tracker.log());
    const std::string list = tracker.list();

    // The list's first line is the empty line, then entry 1: line k shows entry k.
    EXPECT_EQ(tracker.entry_on_line(0), std::nullopt);
    EXPECT_EQ(tracker.entry_on_line(2), 2);
    EXPECT_EQ(tracker.entry_on_line(6), std::nullopt);

    answers = {Answer::No}; // asked first; No keeps it
    EXPECT_FALSE(tracker.delete_entry(2));
    EXPECT_EQ(shown.back().title, "Delete Entry?");
    EXPECT_EQ(shown.back().default_answer, Answer::No);
    EXPECT_FALSE(tracker.data_changed());
    answers = {Answer::Yes};
    ASSERT_TRUE(tracker.delete_entry(2));
    EXPECT_TRUE(tracker.data_changed());
    EXPECT_EQ(tracker.log().fillup_count(), 4);
    EXPECT_EQ(tracker.log().entry(2).Tank_MPG, 60.0F); // 600 miles on entry 3's 10 gallons
    EXPECT_EQ(tracker.list(), list_text(tracker.log()));

    // An edit follows the rules of a new entry against the entries around it.
    EXPECT_FALSE(tracker.edit_entry(2, "d3", "900", "10", false).added);
    EXPECT_EQ(shown.back(), messages::odometer_not_above());
    EXPECT_FALSE(tracker.edit_entry(2, "d3", "1900", "10", false).added);
    EXPECT_EQ(shown.back(), messages::odometer_not_below_next());
    EXPECT_EQ(tracker.edit_entry(2, "d3", "1500", "0", false).focus, EntryBox::Gallons);
    ASSERT_TRUE(tracker.edit_entry(2, "d3b", "1500", "10", false).added);
    EXPECT_EQ(tracker.log().entry(2).Fillup_Date, "d3b");
    EXPECT_EQ(tracker.log().entry(3).Tank_MPG, 40.0F); // 1900 - 1500 on 10 gallons
    // The missing-data mark stores the gallons at the average of the entries before it.
    answers = {Answer::Yes}; // "Is This The Right Option?"
    ASSERT_TRUE(tracker.edit_entry(3, "d4", "2100", "1", true).added);
    EXPECT_EQ(tracker.log().entry(3).Fillup_Gallons, 12.0F); // 600 miles at 50 MPG

    tracker.undo();
    tracker.undo();
    EXPECT_EQ(tracker.log().entry(2).Fillup_Odometer, 1600.0F);
    tracker.undo();
    EXPECT_EQ(mileage_file_text(tracker.log()), five);
    EXPECT_EQ(tracker.list(), list);
    EXPECT_FALSE(tracker.data_changed()); // the log is the saved file again
    EXPECT_EQ(slurp(saved), five);        // undo touches no file
}

TEST_F(MileageTrackerTest, UndoBringsBackAReplacedLogAndCountsAsAChangeAfterASave) {
    enter_thirty_mpg_entries(3);
    tracker.done_adding();
    const std::string three = mileage_file_text(tracker.log());
    tracker.clear_data();
    EXPECT_EQ(tracker.log().fillup_count(), 0);
    tracker.undo();
    EXPECT_EQ(mileage_file_text(tracker.log()), three);
    EXPECT_TRUE(tracker.data_changed()); // never saved
    EXPECT_TRUE(tracker.enabled(MainButton::Plot));

    const std::string other = put("other.miloragas", "\"x\",5000,10\r\n\"y\",5300,10\r\n");
    answers = {Answer::Yes};
    ASSERT_TRUE(tracker.may_replace_log(Replacing::Open));
    tracker.open(other);
    ASSERT_TRUE(tracker.save(put("saved.miloragas", "")));
    tracker.undo(); // back to the three entries before the file was opened
    EXPECT_EQ(mileage_file_text(tracker.log()), three);
    EXPECT_EQ(tracker.caption(), "Track Your Gas Mileage");
    EXPECT_TRUE(tracker.data_changed());

    // Undo keeps a bounded number of steps.
    tracker.add_new();
    for (int i = 0; i < 30; ++i) {
        ASSERT_TRUE(tracker.add_entry("e", std::to_string(2000 + 300 * i), "10").added);
    }
    int undone = 0;
    while (tracker.can_undo()) {
        tracker.undo();
        ++undone;
    }
    EXPECT_EQ(undone, static_cast<int>(MileageTracker::kUndoLevels));
    EXPECT_EQ(tracker.log().fillup_count(), 3 + 30 - 20);
}

TEST_F(MileageTrackerTest, WhatIsTypedInEachUnitsIsWhatTheListAndBoxesShowAfterOpen) {
    struct Typed {
        const char* odometer;
        const char* volume;
    };
    // Figures whose miles or US gallons need more than seven digits to read back as typed.
    const std::vector<Typed> typed{{"12345", "40.37"},
                                   {"12862.5", "9.25"},
                                   {"13500", "45.06"},
                                   {"98765.4", "37.5"},
                                   {"123457", "41.3"}};
    for (const UnitsDesc& u : all_units()) {
        MileageTracker t{[](const Message&) { return Answer::Yes; }};
        t.set_units(u.units);
        t.add_new();
        for (std::size_t k = 0; k < typed.size(); ++k) {
            ASSERT_TRUE(
                t.add_entry("d" + std::to_string(k), typed[k].odometer, typed[k].volume).added)
                << u.key << " " << k;
        }
        t.done_adding();
        const std::string before = t.list();
        const std::string file = put(std::string(u.key) + ".miloragas", "");
        ASSERT_TRUE(t.save(file));
        MileageTracker again{[](const Message&) { return Answer::Ok; }};
        again.set_units(u.units);
        again.open(file);
        EXPECT_EQ(again.list(), before) << u.key;
        for (std::size_t k = 0; k < typed.size(); ++k) {
            const Fillup f = again.log().entry(static_cast<MileageLog::Index>(k) + 1);
            EXPECT_EQ(distance_box_text(u.units, f.Fillup_Odometer), typed[k].odometer) << u.key;
            EXPECT_EQ(volume_box_text(u.units, f.Fillup_Gallons), typed[k].volume) << u.key;
        }
        if (u.units == Units::UsMpg) {
            // Typed in miles and US gallons, the file is the number text form as ever.
            EXPECT_EQ(slurp(file).substr(0, 18), "\"d0\",12345,40.37\r\n");
        }
    }
}

TEST_F(MileageTrackerTest, EntriesTypedInKilometresAndLitresReadBackAsTyped) {
    tracker.set_units(Units::LitresPer100Km);
    tracker.add_new();
    ASSERT_TRUE(tracker.add_entry("d1", "12345", "40").added);
    ASSERT_TRUE(tracker.add_entry("d2", "12845", "37.5").added);
    tracker.done_adding();
    // Stored in miles and US gallons, so the file format is unchanged.
    EXPECT_NEAR(tracker.log().entry(1).Fillup_Odometer, 12345 / 1.609344, 1e-3);
    EXPECT_NEAR(tracker.log().entry(2).Fillup_Gallons, 37.5 / 3.785411784, 1e-5);
    const std::string file = put("km.miloragas", "");
    ASSERT_TRUE(tracker.save(file));

    MileageTracker again{[](const Message&) { return Answer::Ok; }};
    again.set_units(Units::LitresPer100Km);
    again.open(file);
    ASSERT_EQ(again.log().fillup_count(), 2);
    EXPECT_EQ(again.list_line(1).substr(10, 25), "      12345          40.0");
    EXPECT_EQ(again.list_line(2).substr(10, 42), "      12845          37.5              7.5");
    again.set_units(Units::UsMpg);
    EXPECT_EQ(again.list(), list_text(again.log()));
}

TEST_F(MileageTrackerTest, AFileWhoseOdometerGoesBackIsToldOnLoadAndAveragesNothingNegative) {
    const std::string file =
        put("back.miloragas",
            "\"1/1/2024\",1000,10\r\n\"1/8/2024\",1300,10\r\n"
            "\"1/15/2024\",1,10\r\n\"1/22/2024\",1600,10\r\n\"1/29/2024\",1900,10\r\n");
    tracker.open(file);
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_NE(shown[0].text.find("line 3: its odometer reading 1 is not above the previous "
                                 "entry's 1300"),
              std::string::npos);
    EXPECT_EQ(tracker.log().fillup_count(), 4);
    EXPECT_EQ(tracker.list().find('-'), std::string::npos) << tracker.list();
    const std::string summary = summary_text(tracker.log()).value();
    EXPECT_NE(summary.find("overall average fuel economy is 30.0 miles"), std::string::npos);
    EXPECT_NE(summary.find("lowest single-tank MPG was 30.0"), std::string::npos);
    const PlotRange range = plot_range(tracker.log());
    EXPECT_GE(range.lo, 28);
    EXPECT_LE(range.hi, 32);
}
