// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// Files that hold several vehicles: never merged into one log; one is read when asked for.

#include "base/atomic_file.h"
#include "mileage/fuel_import.h"

#include <gtest/gtest.h>

using namespace milora;
using namespace milora::mileage;

namespace {

std::string three_cars() {
    Result<std::string> read =
        read_file(std::string(MILORA_TEST_DATA) + "/import/fuelly_three_cars.csv");
    EXPECT_TRUE(read) << read.reason();
    return read ? std::move(*read) : std::string();
}

} // namespace

TEST(ImportVehiclesTest, SeveralVehiclesAreListedAndNeverMerged) {
    MileageLog log;
    const LogRead r = read_log_text(three_cars(), log);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(
        r.failure,
        "it holds the fill-ups of 3 vehicles, which are never merged: \"Blue Wagon\" (3 rows, "
        "1/6/2024 to 2/3/2024), \"Old Truck\" (3 rows, 1/2/2024 to 1/30/2024), \"City "
        "Hatch\" (2 rows, 1/10/2024 to 1/24/2024); choose one");
    ASSERT_EQ(r.report.vehicles.size(), 3U);
    EXPECT_EQ(r.report.vehicles[1], (VehicleRows{"Old Truck", 3, "1/2/2024", "1/30/2024"}));
}

TEST(ImportVehiclesTest, TheVehicleAskedForIsReadAlone) {
    ImportChoices choices;
    choices.vehicle = " Old Truck";
    MileageLog log;
    const LogRead r = read_log_text(three_cars(), log, choices);
    EXPECT_TRUE(r.failure.empty()) << r.failure;
    EXPECT_EQ(r.report.vehicle, "Old Truck");
    ASSERT_EQ(log.fillup_count(), 3);
    EXPECT_NEAR(log.overall_average(), 19.85F, 0.01F); // the truck's own, not 14.5 for the fleet
    EXPECT_EQ(r.report.rows, 3);
    EXPECT_TRUE(r.report.skipped.empty());

    choices.vehicle = "Red Van";
    MileageLog none;
    const LogRead missing = read_log_text(three_cars(), none, choices);
    EXPECT_TRUE(none.empty());
    EXPECT_EQ(missing.failure.substr(0, 48), "it holds no vehicle named \"Red Van\"; its vehicle");

    // A file with one vehicle needs no choice; the generic form knows a vehicle column too.
    MileageLog one;
    const LogRead single = read_log_text(
        "Vehicle,Date,Odometer,Gallons\nVan,2024-01-02,1000,10\nVan,2024-01-09,1300,10\n", one);
    EXPECT_TRUE(single.failure.empty());
    EXPECT_EQ(one.fillup_count(), 2);
    MileageLog two;
    EXPECT_FALSE(read_log_text("Vehicle,Date,Odometer,Gallons\nVan,2024-01-02,1000,10\n"
                               "Car,2024-01-09,1300,10\n",
                               two)
                     .failure.empty());
}
