// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// What the import makes of what a file leaves open: the fuel of a skipped fill-up, and units no
// heading names.
#include "mileage/fuel_import.h"
#include "mileage/import_preview.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace milora::mileage;

namespace {

struct Read {
    MileageLog log;
    LogRead read;
};

Read read_text(const std::string& text, const ImportChoices& choices = {}) {
    Read r;
    r.read = read_log_text(text, r.log, choices);
    return r;
}

} // namespace

TEST(ImportChoicesTest, ASkippedFillUpInTheMiddleDoesNotRaiseTheAverage) {
    // 30 MPG throughout; the fill-up at 1900 has no readable volume.
    const std::string text = "Date,Odometer,Gallons\n2024-03-02,1000,10\n2024-03-09,1300,10\n"
                             "2024-03-16,1600,10\n2024-03-23,1900,n/a\n2024-03-30,2200,10\n"
                             "2024-04-06,2500,10\n";
    const Read r = read_text(text);
    ASSERT_EQ(r.log.fillup_count(), 5);
    EXPECT_FLOAT_EQ(r.log.overall_average(), 30); // 36.0 if the stretch kept only 10 gallons
    EXPECT_FLOAT_EQ(r.log.entry(4).Fillup_Gallons, 20);
    EXPECT_EQ(r.read.report.skipped_estimated, (std::vector<MileageLog::Index>{4}));
    EXPECT_TRUE(r.read.report.unreliable.empty());
    // rows = entries + merged partial + skipped still holds.
    EXPECT_EQ(r.read.report.rows, 6);
    EXPECT_EQ(r.read.report.skipped_rows, 1);
    EXPECT_NE(
        import_preview("f.csv", r.read.report, r.log).text.find(skipped_fuel_text(r.read.report)),
        std::string::npos);

    // The second entry has one entry before it: nothing to estimate from, so it is only marked.
    const Read early = read_text("Date,Odometer,Gallons\n2024-03-02,1000,10\n2024-03-09,1300,\n"
                                 "2024-03-16,1600,10\n2024-03-23,1900,10\n");
    EXPECT_EQ(early.read.report.unreliable, (std::vector<MileageLog::Index>{2}));
    EXPECT_TRUE(early.read.report.skipped_estimated.empty());
    EXPECT_TRUE(skipped_fuel_text(early.read.report).empty());
    EXPECT_FLOAT_EQ(early.log.entry(2).Fillup_Gallons, 10);

    // A tank already estimated as after missed fill-ups is not estimated twice.
    const Read missed = read_text("Date,Odometer,Gallons,Missed\n2024-03-02,1000,10,\n"
                                  "2024-03-09,1300,10,\n2024-03-16,1600,10,\n"
                                  "2024-03-23,1900,x,\n2024-03-30,2200,10,yes\n");
    EXPECT_EQ(missed.read.report.missed, 1);
    EXPECT_TRUE(missed.read.report.skipped_estimated.empty());
    EXPECT_FLOAT_EQ(missed.log.overall_average(), 30);
}

TEST(ImportChoicesTest, UnitsNoHeadingNamesAreAssumedAndOfferedUnderEachReading) {
    // km and litres: 625 km on 30 l a tank is 49.0 MPG, read as miles and US gallons 20.8.
    const std::string text = "date,mileage,volume\n2024-05-02,41200,38\n2024-05-12,41825,30\n"
                             "2024-05-24,42450,30\n";
    const Read assumed = read_text(text);
    const ImportReport& a = assumed.read.report;
    EXPECT_EQ(a.distance_from, Source::Assumed);
    EXPECT_EQ(a.volume_from, Source::Assumed);
    const std::vector<UnitReading> readings = unit_readings(a, assumed.log);
    ASSERT_EQ(readings.size(), 4U);
    EXPECT_EQ(readings[0].distance, DistanceUnit::Miles); // the one used comes first
    EXPECT_NEAR(readings[0].mpg, 20.83, 0.01);
    const auto km_l = std::find_if(readings.begin(), readings.end(), [](const UnitReading& u) {
        return u.distance == DistanceUnit::Kilometres && u.volume == VolumeUnit::Litres;
    });
    ASSERT_NE(km_l, readings.end());
    EXPECT_NEAR(km_l->mpg, 49.0, 0.05);

    // The reading offered is the reading given when the units are chosen.
    ImportChoices metric;
    metric.distance = DistanceUnit::Kilometres;
    metric.volume = VolumeUnit::Litres;
    const Read chosen = read_text(text, metric);
    EXPECT_EQ(chosen.read.report.distance_from, Source::Chosen);
    EXPECT_EQ(chosen.read.report.volume_from, Source::Chosen);
    EXPECT_NEAR(chosen.log.overall_average(), km_l->mpg, 0.01);
    EXPECT_TRUE(unit_readings(chosen.read.report, chosen.log).empty());
    EXPECT_TRUE(assumed_units_text(chosen.read.report, chosen.log).empty());
    EXPECT_NE(import_preview("f.csv", a, assumed.log).text.find("Units assumed"),
              std::string::npos);

    // Headings that name their units leave nothing assumed; one that names only the fuel leaves
    // the distance open, and only readings in that fuel unit are offered.
    const Read named = read_text("Date,Odometer (km),Litres\n2024-05-02,41200,38\n"
                                 "2024-05-12,41825,30\n");
    EXPECT_EQ(named.read.report.distance_from, Source::File);
    EXPECT_EQ(named.read.report.volume_from, Source::File);
    const Read half = read_text("Date,Odometer,Gallons\n2024-05-02,1000,10\n2024-05-12,1300,10\n");
    EXPECT_EQ(half.read.report.distance_from, Source::Assumed);
    EXPECT_EQ(half.read.report.volume_from, Source::File);
    for (const UnitReading& u : unit_readings(half.read.report, half.log)) {
        EXPECT_EQ(u.volume, VolumeUnit::UsGallons);
    }
}

TEST(ImportChoicesTest, LubeLoggerUnitsAreToldFromEachOfItsModes) {
    const std::string head = "Date,Odometer,FuelConsumed,Cost,FuelEconomy,IsFillToFull,"
                             "MissedFuelUp,Notes,Tags,ExtraFields\n";
    // Every tank 350 distance units on 45.46 volume units; FuelEconomy as each mode shows it.
    const auto file = [&](const char* economy) {
        std::string t = head + "2/3/2024,61000,40,1,0,True,False,,,\n";
        t += std::string("2/14/2024,61350,45.46,1,") + economy + ",True,False,,,\n";
        t += std::string("2/27/2024,61700,45.46,1,") + economy + ",True,False,,,\n";
        return t;
    };
    const Read british = read_text(file("35.00")); // miles per imperial gallon, from litres
    EXPECT_EQ(british.read.report.distance, DistanceUnit::Miles);
    EXPECT_EQ(british.read.report.volume, VolumeUnit::Litres);
    EXPECT_EQ(british.read.report.volume_from, Source::File);
    const Read metric = read_text(file("12.99")); // l/100 km
    EXPECT_EQ(metric.read.report.distance, DistanceUnit::Kilometres);
    EXPECT_EQ(metric.read.report.volume, VolumeUnit::Litres);
    const Read us = read_text(file("7.70")); // MPG
    EXPECT_EQ(us.read.report.distance, DistanceUnit::Miles);
    EXPECT_EQ(us.read.report.volume, VolumeUnit::UsGallons);
    // No economy to tell from: assumed, and offered under each reading.
    const Read none = read_text(file("0"));
    EXPECT_EQ(none.read.report.distance_from, Source::Assumed);
    EXPECT_EQ(none.read.report.volume_from, Source::Assumed);
    // A unit the user chose is never overruled by the economy column.
    ImportChoices gallons;
    gallons.volume = VolumeUnit::UsGallons;
    const Read forced = read_text(file("35.00"), gallons);
    EXPECT_EQ(forced.read.report.volume, VolumeUnit::UsGallons);
    EXPECT_EQ(forced.read.report.volume_from, Source::Chosen);
}
