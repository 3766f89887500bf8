// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// The tracker reading other apps' exports: the preview decides, a file in none of the layouts
// leaves the log, and an export is saved in Milora's own format.

#include "mileage/mileage_tracker.h"

#include "base/atomic_file.h"
#include "mileage/mileage_file.h"

#include <fstream>
#include <functional>
#include <gtest/gtest.h>

using namespace milora;
using namespace milora::mileage;

namespace {

std::string data(const std::string& name) {
    return std::string(MILORA_TEST_DATA) + "/" + name;
}

struct Tracked {
    std::vector<Message> shown;
    std::vector<ImportPreview> previews;
    std::vector<bool> answers; // taken from the back
    // What the user changes in the preview before OK, trying it with `again` first.
    std::function<void(ImportChoices&, const Repreview& again)> change;
    MileageTracker tracker{[this](const Message& m) {
        shown.push_back(m);
        return m.buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }};
    Tracked() {
        tracker.set_preview(
            [this](const ImportPreview& p, const Repreview& again) -> std::optional<ImportChoices> {
                previews.push_back(p);
                if (answers.empty()) {
                    ADD_FAILURE() << "unexpected preview";
                    return std::nullopt;
                }
                const bool ok = answers.back();
                answers.pop_back();
                ImportChoices c = p.choices;
                if (change) {
                    change(c, again);
                }
                return ok ? std::optional(c) : std::nullopt;
            });
    }
};

} // namespace

TEST(ImportTrackerTest, ThePreviewDecidesWhetherAnExportReplacesTheLog) {
    Tracked t;
    t.tracker.open(data("six_entries.miloragas"));
    EXPECT_TRUE(t.previews.empty());
    const std::string list = t.tracker.list();

    t.answers = {false};
    t.tracker.import_csv(data("import/spritmonitor.csv"));
    ASSERT_EQ(t.previews.size(), 1U);
    EXPECT_NE(t.previews[0].text.find("is a Spritmonitor export"), std::string::npos);
    EXPECT_EQ(t.tracker.log().fillup_count(), 6);
    EXPECT_EQ(t.tracker.list(), list);
    EXPECT_FALSE(t.tracker.data_changed());

    t.answers = {true};
    t.tracker.import_csv(data("import/spritmonitor.csv"));
    EXPECT_EQ(t.tracker.log().fillup_count(), 5);
    EXPECT_TRUE(t.tracker.data_changed());
    EXPECT_TRUE(t.tracker.enabled(MainButton::Plot));
    EXPECT_TRUE(t.shown.empty());
}

TEST(ImportTrackerTest, AFileInNoLayoutLeavesTheLogAndCaption) {
    Tracked t;
    t.tracker.open(data("six_entries.miloragas"));
    const std::string caption = t.tracker.caption();
    t.tracker.open(data("import/not_a_log.txt"));
    ASSERT_EQ(t.shown.size(), 1U);
    EXPECT_EQ(t.shown[0], not_understood_message(data("import/not_a_log.txt")));
    EXPECT_EQ(t.tracker.log().fillup_count(), 6);
    EXPECT_EQ(t.tracker.caption(), caption);
}

TEST(ImportTrackerTest, AnExportThatGivesNoFillUpLeavesTheLogWithoutAPreview) {
    Tracked t;
    t.tracker.open(data("six_entries.miloragas"));
    const std::string caption = t.tracker.caption();
    for (const char* file : {"import/heading_only.csv", "import/backup_json.csv"}) {
        t.shown.clear();
        t.tracker.open(data(file));
        EXPECT_TRUE(t.previews.empty()) << file;
        ASSERT_EQ(t.shown.size(), 1U) << file;
        EXPECT_NE(t.shown[0].text.find("nothing was read"), std::string::npos) << file;
        EXPECT_EQ(t.tracker.log().fillup_count(), 6) << file;
        EXPECT_EQ(t.tracker.caption(), caption) << file;
        EXPECT_FALSE(t.tracker.data_changed()) << file;
    }
}

TEST(ImportTrackerTest, AnOpenedExportIsUnsavedUntilSavedInMiloraFormat) {
    Tracked t;
    t.answers = {true};
    t.tracker.open(data("import/fuelio.csv"));
    EXPECT_TRUE(t.tracker.data_changed());
    const std::string path = ::testing::TempDir() + "milora-import-saved.miloragas";
    ASSERT_TRUE(t.tracker.save(path));
    EXPECT_FALSE(t.tracker.data_changed());
    // The saved file is Milora's own: it opens without a preview, to the same entries.
    const Result<std::string> read = read_file(path);
    ASSERT_TRUE(read) << read.reason();
    const std::string& saved = *read;
    // Kilometres held in miles keep the digits that read back to the same odometer.
    EXPECT_EQ(saved.substr(0, 24), "\"1/28/2024\",27091.783,10");
    Tracked again;
    again.tracker.open(path);
    EXPECT_TRUE(again.previews.empty());
    EXPECT_EQ(mileage_file_text(again.tracker.log()), saved);
    EXPECT_FALSE(again.tracker.data_changed());
    std::remove(path.c_str());
}

TEST(ImportTrackerTest, WhatThePreviewLeftOpenTheUserChangesThere) {
    Tracked t;
    // No heading names the units: assumed miles and US gallons, offered to change.
    t.answers = {true};
    t.change = [](ImportChoices& c, const Repreview& again) {
        c.distance = DistanceUnit::Kilometres;
        c.volume = VolumeUnit::Litres;
        const ImportPreview metric = again(c);
        EXPECT_NE(metric.text.find("Average 49.0 MPG"), std::string::npos) << metric.text;
        EXPECT_TRUE(metric.can_accept);
    };
    t.tracker.import_csv(data("import/units_unnamed.csv"));
    ASSERT_EQ(t.previews.size(), 1U);
    const ImportPreview& p = t.previews[0];
    EXPECT_TRUE(p.units_open);
    EXPECT_FALSE(p.dates_open);
    EXPECT_TRUE(p.can_accept);
    EXPECT_EQ(p.choices.distance, DistanceUnit::Miles);
    EXPECT_NE(p.text.find("Average 20.8 MPG"), std::string::npos) << p.text;
    EXPECT_NE(p.text.find("Columns read: date \"date\", odometer \"mileage\", fuel \"volume\""),
              std::string::npos);
    EXPECT_NE(p.text.find("The fill-ups as the log will show them:\n  5/2/2024"), std::string::npos)
        << p.text;
    // OK took the units chosen: the log is the metric reading.
    EXPECT_NEAR(t.tracker.log().overall_average(), 49.0, 0.05);

    // A file of several vehicles is shown with the one of most rows, and another may be chosen.
    Tracked cars;
    cars.answers = {true};
    std::string offered;
    cars.change = [&](ImportChoices& c, const Repreview&) {
        offered = c.vehicle.value_or("");
        c.vehicle = cars.previews.back().vehicles.back();
    };
    cars.tracker.import_csv(data("import/fuelly_three_cars.csv"));
    ASSERT_EQ(cars.previews.size(), 1U);
    EXPECT_EQ(cars.previews[0].vehicles.size(), 3U);
    EXPECT_FALSE(offered.empty());
    ASSERT_FALSE(cars.tracker.log().empty());
    EXPECT_TRUE(cars.shown.empty());
}

TEST(ImportTrackerTest, AnAssumedDateOrderIsOfferedAndLoadDatafileListsEveryKindOfFile) {
    Tracked t;
    t.answers = {true};
    t.change = [](ImportChoices& c, const Repreview& again) {
        ASSERT_TRUE(c.dates.has_value());
        c.dates =
            *c.dates == DateOrder::DayMonthYear ? DateOrder::MonthDayYear : DateOrder::DayMonthYear;
        EXPECT_NE(again(c).text.find("as chosen"), std::string::npos);
    };
    t.tracker.import_csv(data("import/dates_ambiguous.csv"));
    ASSERT_EQ(t.previews.size(), 1U);
    EXPECT_TRUE(t.previews[0].dates_open);
    EXPECT_NE(t.previews[0].text.find("assumed from your locale"), std::string::npos);
    EXPECT_FALSE(t.tracker.log().empty());

    const std::string filter = kOpenDialog.filter;
    EXPECT_NE(filter.find("(*.miloragas)"), std::string::npos);
    EXPECT_NE(filter.find("(*.csv)"), std::string::npos);
    EXPECT_NE(filter.find("All Files (*)"), std::string::npos);
}
