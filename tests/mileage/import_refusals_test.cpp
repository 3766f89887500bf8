// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// Files the import must refuse, or read as something else than they first look like: an export
// that gives no fill-up never empties a log, and Milora's own files are never taken for exports.

#include "mileage/fuel_import.h"

#include <gtest/gtest.h>

using namespace milora;
using namespace milora::mileage;

namespace {

struct Read {
    MileageLog log;
    LogRead read;
};

Read read_text(const std::string& text, std::optional<ImportFormat> from = std::nullopt) {
    Read r;
    r.read = read_log_text(text, r.log, from);
    return r;
}

} // namespace

TEST(ImportRefusalTest, AnExportThatGivesNoFillUpIsAFailureWithItsReason) {
    const Read heading = read_text("Date,Odometer (km),Fuel (litres),Full\n");
    EXPECT_TRUE(heading.read.understood);
    EXPECT_EQ(heading.read.failure, "it holds no fill-up rows");
    EXPECT_TRUE(heading.log.empty());

    const Read skipped = read_text("Date,Odometer,Gallons\n2024-01-02,1000,\n2024-01-09,1300,0\n");
    EXPECT_EQ(skipped.read.failure,
              "none of its 2 rows is a fill-up that can be read (line 2: no fuel volume)");
    EXPECT_EQ(skipped.read.report.skipped.size(), 2U);

    const Read fuelio = read_text("\"## Vehicle\"\n\"Name\"\n\"Car\"\n\"## Log\"\n\"Data\"\n");
    EXPECT_EQ(fuelio.read.report.format, ImportFormat::Fuelio);
    EXPECT_FALSE(fuelio.read.failure.empty());

    // A JSON backup renamed .csv, a file of NULs: never an empty log taken for a read one.
    for (const std::string& text :
         {std::string(R"({"vehicles":[{"date":"2024-01-02","odometer":1000,"fuel":40}]})"),
          std::string(4096, '\0')}) {
        const Read r = read_text(text);
        EXPECT_TRUE(!r.read.understood || !r.read.failure.empty()) << text.substr(0, 20);
        EXPECT_TRUE(r.log.empty());
    }

    // An export read into a log that holds entries leaves them as they were.
    MileageLog log;
    log.append("1/1/2024", 100, 5);
    const LogRead r = read_log_text("Date,Odometer,Gallons\n", log);
    EXPECT_FALSE(r.failure.empty());
    EXPECT_EQ(log.fillup_count(), 1);

    // A Milora file with no entry is an empty log, as always: no failure.
    const Read empty = read_text("\r\n");
    EXPECT_TRUE(empty.read.understood);
    EXPECT_TRUE(empty.read.failure.empty());
}

TEST(ImportRefusalTest, AFileWhoseFirstLineIsAMiloraRecordIsMilorasWhateverFollows) {
    // A stray section marker or export header further down is a bad line of the log, not the
    // sign of an export: reading stops there and says so.
    const std::string log = "\"1/2/2024\",1000,10\r\n\"1/9/2024\",1300,10\r\n";
    for (const char* stray :
         {"## Log", "\"## Log\"", "##Refuelling", "car_name,odometer,gallons,fuelup_date"}) {
        const Read r = read_text(log + stray + "\r\n\"1/16/2024\",1600,10\r\n");
        EXPECT_EQ(r.read.report.format, ImportFormat::Milora) << stray;
        EXPECT_EQ(r.log.fillup_count(), 2) << stray;
        ASSERT_TRUE(r.read.milora.stop.has_value()) << stray;
        EXPECT_EQ(r.read.milora.stop->line, 3) << stray;
    }
    // An export stays an export when a record-like line comes later.
    const Read fuelio = read_text("\"## Log\"\n\"Data\",\"Odo (km)\",\"Fuel (litres)\"\n"
                                  "\"2024-01-02\",\"1000\",\"40\"\n");
    EXPECT_EQ(fuelio.read.report.format, ImportFormat::Fuelio);
}

TEST(ImportRefusalTest, FuelThatIsNoVolumeAndASecondTankAreNeverTakenAsLitres) {
    const std::string log_header = "\"## Log\"\n\"Data\",\"Odo (km)\",\"Fuel (kg)\",\"Full\","
                                   "\"Missed\",\"TankNumber\",\"FuelType\"\n";
    const Read cng = read_text(log_header + "\"2024-04-02\",\"30450\",\"14.0\",\"1\",\"0\",\"1\","
                                            "\"501\"\n\"2024-04-20\",\"30900\",\"14.2\",\"1\","
                                            "\"0\",\"1\",\"501\"\n");
    EXPECT_TRUE(cng.log.empty());
    EXPECT_EQ(cng.read.failure, "none of its 2 rows is a fill-up that can be read (line 3: its "
                                "fuel is measured in kg, not as a volume)");

    // Tank 2 is listed, not merged into tank 1 as a partial fill-up.
    std::string litres = log_header;
    litres.replace(litres.find("kg"), 2, "litres");
    const Read two =
        read_text(litres + "\"2024-05-06\",\"40450\",\"40\",\"1\",\"0\",\"1\",\"110\"\n"
                           "\"2024-05-14\",\"40800\",\"30\",\"1\",\"0\",\"2\",\"300\"\n"
                           "\"2024-05-20\",\"41000\",\"38\",\"1\",\"0\",\"1\",\"110\"\n");
    ASSERT_EQ(two.log.fillup_count(), 2);
    EXPECT_FLOAT_EQ(two.log.entry(2).Fillup_Gallons, static_cast<float>(38 / 3.785411784));
    ASSERT_EQ(two.read.report.skipped.size(), 1U);
    EXPECT_EQ(two.read.report.skipped[0].line, 4);
    EXPECT_TRUE(two.read.report.unreliable.empty());

    // The generic form: a fuel column in kg or kWh is no volume either.
    const Read ev = read_text("Date,Odometer,Fuel (kWh)\n2024-01-02,1000,40\n2024-01-09,1300,38\n");
    EXPECT_NE(ev.read.failure.find("measured in kWh"), std::string::npos) << ev.read.failure;
}
