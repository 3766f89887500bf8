// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "mileage/fuel_import.h"

#include "base/atomic_file.h"
#include "mileage/entry_rules.h"
#include "mileage/import_preview.h"
#include "mileage/log_fixtures.h"

#include <cmath>
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

std::string data_file(const std::string& name) {
    Result<std::string> read = read_file(std::string(MILORA_TEST_DATA) + "/import/" + name);
    EXPECT_TRUE(read) << name << ": " << read.reason();
    return read ? std::move(*read) : std::string();
}

struct Expected {
    const char* date;
    float odometer;
    float gallons;
};

void expect_entries(const MileageLog& log, std::initializer_list<Expected> expected) {
    ASSERT_EQ(log.fillup_count(), static_cast<MileageLog::Index>(expected.size()));
    MileageLog::Index i = 1;
    for (const Expected& e : expected) {
        const Fillup& f = log.entry(i);
        EXPECT_EQ(f.Fillup_Date, e.date) << i;
        EXPECT_FLOAT_EQ(f.Fillup_Odometer, e.odometer) << i;
        EXPECT_FLOAT_EQ(f.Fillup_Gallons, e.gallons) << i;
        ++i;
    }
}

std::vector<std::int64_t> skipped_lines(const ImportReport& r) {
    std::vector<std::int64_t> lines;
    for (const SkippedRow& s : r.skipped) {
        lines.push_back(s.line);
    }
    return lines;
}

std::string reversed_rows(const std::string& header, std::vector<std::string> rows) {
    std::string out = header;
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        out += *it;
    }
    return out;
}

constexpr const char* kFuellyHeader =
    "car_name, model, mpg, odometer, miles, gallons, price, city_percentage, fuelup_date, "
    "date_added, tags, notes, missed_fuelup, partial_fuelup, latitude, longitude, brand\n";

std::string fuelly_row(const char* odometer, const char* gallons, const char* date, int missed,
                       int partial, const char* notes = "") {
    return std::string("Car, M, 0, ") + odometer + ", 0, " + gallons + ", 3.00, 50, " + date +
           ", " + date + " 08:00:00, , " + notes + ", " + std::to_string(missed) + ", " +
           std::to_string(partial) + ", , , Shell\n";
}

} // namespace

TEST(FuelImportTest, EachLayoutIsToldFromItsContentsAlone) {
    const struct {
        const char* file;
        ImportFormat format;
    } cases[] = {
        {"fuelly.csv", ImportFormat::Fuelly},
        {"fuelly_metric.csv", ImportFormat::Fuelly},
        {"fuelio.csv", ImportFormat::Fuelio},
        {"fuelio_miles.csv", ImportFormat::Fuelio},
        {"lubelogger_mi.csv", ImportFormat::LubeLogger},
        {"lubelogger_km.csv", ImportFormat::LubeLogger},
        {"spritmonitor.csv", ImportFormat::Spritmonitor},
        {"spritmonitor_en.csv", ImportFormat::Spritmonitor},
        {"drivvo.csv", ImportFormat::Drivvo},
        {"generic_eu.csv", ImportFormat::Generic},
        {"generic_tab.csv", ImportFormat::Generic},
    };
    for (const auto& c : cases) {
        const std::string text = data_file(c.file);
        EXPECT_EQ(detect_format(text), c.format) << c.file;
        // Every row is accounted for: an entry, merged into one, or skipped and listed.
        const Read r = read_text(text);
        ASSERT_TRUE(r.read.understood) << c.file;
        EXPECT_EQ(r.read.report.rows,
                  r.log.fillup_count() + r.read.report.merged_partial + r.read.report.skipped_rows)
            << c.file;
        EXPECT_GE(r.log.fillup_count(), 3) << c.file;
    }
    EXPECT_EQ(detect_format(""), ImportFormat::Milora);
    EXPECT_EQ(detect_format("\r\n  \n"), ImportFormat::Milora);
    EXPECT_EQ(detect_format("\xEF\xBB\xBF\"9/16/2006\",1000,10\r\n"), ImportFormat::Milora);
    EXPECT_EQ(detect_format("9/16/2006, 1000 ,10\n"), ImportFormat::Milora);
    EXPECT_EQ(detect_format(data_file("not_a_log.txt")), std::nullopt);
    EXPECT_EQ(detect_format("Date,Miles,Gallons\n1/1/2024,100,10\n"), std::nullopt);
    EXPECT_EQ(detect_format(std::string(100, '\0')), std::nullopt);
    // A section marker must be a line of its own.
    EXPECT_EQ(detect_format("\"a ## Log\",1000,10\n"), ImportFormat::Milora);
    // Drivvo's marker wins over a header that would also pass as the generic form.
    EXPECT_EQ(detect_format("##Refuelling\nOdometer,Date,Fuel,Price,Total,Volume,Full\n"),
              ImportFormat::Drivvo);
}

TEST(FuelImportTest, MiloraFilesReadExactlyAsTheirOwnReaderReadsThem) {
    const std::string texts[] = {
        "\"9/16/2006\",1000,10\r\n\"9/23/2006\",1300,10\r\n\"9/30/2006\",1600,12\r\n",
        "\"a\",1000,10\r\n\"b\",1300,10\r\n\"c\",x,10\r\n\"d\",1900,10\r\n", // stops at line 3
        "",
    };
    for (const std::string& text : texts) {
        MileageLog own;
        const ReadResult expected = read_mileage_text(text, own);
        const Read r = read_text(text);
        ASSERT_TRUE(r.read.understood);
        EXPECT_EQ(r.read.report.format, ImportFormat::Milora);
        EXPECT_EQ(r.read.milora.entries, expected.entries);
        EXPECT_EQ(r.read.milora.stop.has_value(), expected.stop.has_value());
        EXPECT_EQ(r.read.report.rows, expected.entries);
        EXPECT_EQ(mileage_file_text(r.log), mileage_file_text(own));
        EXPECT_FALSE(needs_preview(r.read.report));
    }
}

TEST(FuelImportTest, FuellyPartialMissedAndDuplicateRowsInEitherOrder) {
    const std::vector<std::string> rows = {
        fuelly_row("12000", "11.2", "2024-01-06", 0, 0),
        fuelly_row("12310", "10.3", "2024-01-14", 0, 0, "\"home, then work\""),
        fuelly_row("12450", "4.0", "2024-01-18", 0, 1),
        fuelly_row("12620", "6.0", "2024-01-22", 0, 0),
        fuelly_row("12620", "6.0", "2024-01-22", 0, 0, "entered twice"),
        fuelly_row("13300", "9.9", "2024-02-10", 1, 0),
        fuelly_row("13612", "10.0", "02/18/2024", 0, 0),
        fuelly_row("13700", "3.0", "2024-02-20", 0, 1),
    };
    const Read oldest_first = read_text(reversed_rows(kFuellyHeader, {rows.rbegin(), rows.rend()}));
    const Read newest_first = read_text(reversed_rows(kFuellyHeader, rows));
    // The missed fill-up is entered as the missing-data entry enters it.
    MileageLog by_hand = test::make_log(
        {{"1/6/2024", 12000, 11.2F}, {"1/14/2024", 12310, 10.3F}, {"1/22/2024", 12620, 10}});
    Dialogue yes{[](const Message&) { return Answer::Yes; }};
    ASSERT_TRUE(add_with_missing(by_hand, "2/10/2024", "13300", "9.9", yes).added);
    const float estimated = by_hand.last().Fillup_Gallons;
    for (const Read* r : {&oldest_first, &newest_first}) {
        expect_entries(r->log, {{"1/6/2024", 12000, 11.2F},
                                {"1/14/2024", 12310, 10.3F},
                                {"1/22/2024", 12620, 10},
                                {"2/10/2024", 13300, estimated},
                                {"2/18/2024", 13612, 10}});
        EXPECT_EQ(r->log.entry(4).Tank_MPG, by_hand.last().Tank_MPG);
        const ImportReport& rep = r->read.report;
        EXPECT_EQ(rep.format, ImportFormat::Fuelly);
        EXPECT_EQ(rep.rows, 8);
        EXPECT_EQ(rep.merged_partial, 1);
        EXPECT_EQ(rep.missed, 1);
        ASSERT_EQ(rep.skipped.size(), 2U);
    }
    // Of the duplicate pair the later line goes, whichever order the file is in.
    EXPECT_EQ(oldest_first.read.report.skipped[0], (SkippedRow{6, "an exact double of line 5"}));
    EXPECT_EQ(newest_first.read.report.skipped[1], (SkippedRow{6, "an exact double of line 5"}));
    EXPECT_EQ(oldest_first.read.report.skipped[1],
              (SkippedRow{9, "a partial fill-up with no full fill-up after it"}));
    EXPECT_EQ(newest_first.read.report.skipped[0],
              (SkippedRow{2, "a partial fill-up with no full fill-up after it"}));
}

TEST(FuelImportTest, AMissedFlagNeedsTwoEntriesBeforeIt) {
    const Read r =
        read_text(std::string(kFuellyHeader) + fuelly_row("1000", "10", "2024-01-01", 1, 0) +
                  fuelly_row("1300", "10", "2024-01-08", 1, 0) +
                  fuelly_row("1900", "99", "2024-01-20", 1, 0));
    expect_entries(r.log,
                   {{"1/1/2024", 1000, 10}, {"1/8/2024", 1300, 10}, {"1/20/2024", 1900, 20}});
    EXPECT_EQ(r.read.report.missed, 1);
}

TEST(FuelImportTest, UnitsAreConvertedToMilesAndUsGallons) {
    const Read metric = read_text(data_file("fuelly_metric.csv"));
    EXPECT_EQ(metric.read.report.distance, DistanceUnit::Kilometres);
    EXPECT_EQ(metric.read.report.volume, VolumeUnit::Litres);
    EXPECT_FLOAT_EQ(metric.log.entry(1).Fillup_Odometer, static_cast<float>(20000 / 1.609344));
    EXPECT_FLOAT_EQ(metric.log.entry(1).Fillup_Gallons, static_cast<float>(40 / 3.785411784));

    const Read imperial = read_text(data_file("generic_tab.csv"));
    EXPECT_EQ(imperial.read.report.distance, DistanceUnit::Miles);
    EXPECT_EQ(imperial.read.report.volume, VolumeUnit::ImperialGallons);
    EXPECT_FLOAT_EQ(imperial.log.entry(2).Fillup_Gallons, static_cast<float>(8.5 * 1.200949925));
    EXPECT_EQ(imperial.log.entry(2).Fillup_Date, "7/15/2024"); // the time is dropped

    const Read miles = read_text(data_file("fuelio_miles.csv"));
    EXPECT_EQ(miles.read.report.distance, DistanceUnit::Miles);
    EXPECT_EQ(miles.read.report.volume, VolumeUnit::UsGallons);
    expect_entries(
        miles.log,
        {{"4/1/2024", 30000, 13}, {"4/10/2024", 30300, 12.5F}, {"4/20/2024", 30600, 12}});
}

TEST(FuelImportTest, FuelioSkipsEveryRowOutsideItsLog) {
    const Read r = read_text(data_file("fuelio.csv")); // BOM, CR LF, newest first
    const ImportReport& rep = r.read.report;
    EXPECT_EQ(rep.format, ImportFormat::Fuelio);
    EXPECT_EQ(skipped_lines(rep), (std::vector<std::int64_t>{3, 6, 8, 15, 16, 19, 22}));
    EXPECT_EQ(rep.skipped[0].reason, "a row of the Vehicle section, not a fill-up");
    EXPECT_EQ(rep.skipped[2].reason, "no fuel volume");
    EXPECT_EQ(rep.skipped[5].reason, "a row of the Costs section, not a fill-up");
    EXPECT_EQ(rep.merged_partial, 1);
    EXPECT_EQ(rep.missed, 1);
    ASSERT_EQ(r.log.fillup_count(), 4);
    EXPECT_EQ(r.log.entry(1).Fillup_Date, "1/28/2024");
    EXPECT_FLOAT_EQ(r.log.entry(3).Fillup_Gallons, static_cast<float>(40 / 3.785411784));
    // The skipped row without litres lies before an estimated entry, which loses nothing.
    EXPECT_TRUE(rep.unreliable.empty());
}

TEST(FuelImportTest, LubeLoggerUnitsFollowItsFuelEconomyColumn) {
    const Read mi = read_text(data_file("lubelogger_mi.csv"));
    EXPECT_EQ(mi.read.report.distance, DistanceUnit::Miles);
    EXPECT_EQ(mi.read.report.volume, VolumeUnit::UsGallons);
    EXPECT_EQ(mi.read.report.merged_partial, 1);
    EXPECT_EQ(mi.read.report.missed, 1);
    const Read km = read_text(data_file("lubelogger_km.csv"));
    EXPECT_EQ(km.read.report.distance, DistanceUnit::Kilometres);
    EXPECT_EQ(km.read.report.volume, VolumeUnit::Litres);
    // No row to judge by: miles and gallons.
    const Read none = read_text(
        "Date,Odometer,FuelConsumed,Cost,FuelEconomy,IsFillToFull,MissedFuelUp,Notes,Tags\n"
        "1/1/2024,100,10,1,0,True,False,,\n1/9/2024,400,10,1,0,True,False,,\n");
    EXPECT_EQ(none.read.report.distance, DistanceUnit::Miles);
    EXPECT_EQ(none.log.fillup_count(), 2);
}

TEST(FuelImportTest, SpritmonitorTypesDecimalCommaAndThousandsPoints) {
    const Read r = read_text(data_file("spritmonitor.csv"));
    const ImportReport& rep = r.read.report;
    EXPECT_EQ(rep.merged_partial, 1); // type 2
    EXPECT_EQ(rep.missed, 1);         // type 3
    ASSERT_EQ(r.log.fillup_count(), 5);
    EXPECT_FLOAT_EQ(r.log.entry(1).Fillup_Odometer, static_cast<float>(12000 / 1.609344));
    EXPECT_FLOAT_EQ(r.log.entry(3).Fillup_Gallons, static_cast<float>(37 / 3.785411784));
    EXPECT_EQ(r.log.entry(5).Fillup_Date, "3/1/2024");
    // Type 0 on the first rows: the flag is ignored there.
    const Read zero = read_text("Date;Odometer;Trip;Quantity;Total price;Currency;Type\n"
                                "01.06.2024;5000;0;30,00;1;EUR;0\n"
                                "15.06.2024;5500;500;27,50;1;EUR;0\n");
    EXPECT_EQ(zero.read.report.missed, 0);
    EXPECT_FLOAT_EQ(zero.log.entry(2).Fillup_Gallons, static_cast<float>(27.5 / 3.785411784));
}

TEST(FuelImportTest, DrivvoReadsByPositionAndSkipsExpensesAndServices) {
    const Read r = read_text(data_file("drivvo.csv"));
    const ImportReport& rep = r.read.report;
    EXPECT_EQ(rep.format, ImportFormat::Drivvo);
    EXPECT_EQ(skipped_lines(rep), (std::vector<std::int64_t>{6, 12, 16}));
    EXPECT_EQ(rep.skipped[0].reason, "no odometer reading (\"0\")");
    EXPECT_EQ(rep.skipped[1].reason, "a row of the Expense section, not a fill-up");
    EXPECT_EQ(rep.merged_partial, 1);
    ASSERT_EQ(r.log.fillup_count(), 4);
    // The fill-up without an odometer lies between 61200 and 61700 km in the file: the tank
    // ending at 61700 km lacks its fuel, which is estimated at the average before it.
    EXPECT_TRUE(rep.unreliable.empty());
    EXPECT_EQ(rep.skipped_estimated, (std::vector<MileageLog::Index>{3}));
    EXPECT_EQ(r.log.entry(3).Fillup_Date, "5/10/2024");
    EXPECT_FLOAT_EQ(r.log.entry(3).Tank_MPG, r.log.entry(2).Overall_MPG);

    // Miles and gallons from the header; the yes-words of other languages.
    const Read us = read_text(
        "##Refuelling\n"
        "\"Odometer (mi)\",\"Data\",\"C\",\"Pre\xC3\xA7o/gal\",\"T\",\"V\",\"F\"\n"
        "\"1000\",\"2024-01-01 10:00:00\",\"\",\"3\",\"30\",\"10\",\"Sim\"\n"
        "\"1300\",\"2024-01-08 10:00:00\",\"\",\"3\",\"15\",\"5\",\"Nein\"\n"
        "\"1600\",\"2024-01-15 10:00:00\",\"\",\"3\",\"15\",\"5\",\"\xD0\x94\xD0\xB0\"\n");
    EXPECT_EQ(us.read.report.distance, DistanceUnit::Miles);
    EXPECT_EQ(us.read.report.volume, VolumeUnit::UsGallons);
    expect_entries(us.log, {{"1/1/2024", 1000, 10}, {"1/15/2024", 1600, 10}});
}

TEST(FuelImportTest, GenericFormsOfSeparatorsDatesUnitsAndFlags) {
    const Read eu = read_text(data_file("generic_eu.csv"));
    EXPECT_EQ(eu.read.report.distance, DistanceUnit::Kilometres);
    EXPECT_EQ(eu.read.report.volume, VolumeUnit::Litres);
    EXPECT_EQ(eu.read.report.merged_partial, 1); // Full = no
    EXPECT_FLOAT_EQ(eu.log.entry(1).Fillup_Odometer, static_cast<float>(10000 / 1.609344));
    EXPECT_EQ(eu.log.entry(1).Fillup_Date, "2/3/2024");

    const Read us = read_text("Fill Date,Odometer,Gallons,Price per gallon,Partial,Missed\r"
                              "1/5/2024,\"1,000\",10,3,,\r"
                              "2024/01/12,1300,5,3,x,\r"
                              "01/19/2024,1450,5,3,,\r"
                              "2024-01-26T08:00,1750,77,3,,true\r");
    expect_entries(
        us.log,
        {{"1/5/2024", 1000, 10}, {"1/19/2024", 1450, 10}, {"1/26/2024", 1750, 300.0F / 45.0F}});
    EXPECT_EQ(us.read.report.distance, DistanceUnit::Miles);
    EXPECT_EQ(us.read.report.volume, VolumeUnit::UsGallons);

    // Dates in no known form, and cells that are no numbers, are skipped with the reason.
    const Read bad = read_text("date,odo,volume\n"
                               "yesterday,1000,10\n"
                               "1/8/2024,,10\n"
                               "1/9/2024,1300,lots\n"
                               "13/45/2024,1400,10\n"
                               "1/20/2024,1600,10\n");
    EXPECT_EQ(bad.read.report.skipped,
              (std::vector<SkippedRow>{{2, "the date \"yesterday\" is in no known form"},
                                       {3, "no odometer reading"},
                                       {4, "no fuel volume (\"lots\")"},
                                       {5, "the date \"13/45/2024\" is no day of the calendar"}}));
    expect_entries(bad.log, {{"1/20/2024", 1600, 10}});
}

TEST(FuelImportTest, TheTankAfterASkippedFillUpIsMarkedUnreliable) {
    const Read r = read_text("Date,Odometer,Gallons\n"
                             "1/1/2024,500,9\n"
                             "1/2/2024,1000,10\n"
                             "1/3/2024,1300,\n" // no volume, between 1000 and 1600
                             "1/4/2024,1600,10\n"
                             "1/5/2024,1900,10\n"
                             "1/6/2024,1900,10\n" // duplicate: before the entry at 2200
                             "1/7/2024,2200,10\n"
                             "1/8/2024,2500,10\n");
    // Both tanks have two entries before them: their fuel is estimated, as a missed fill-up's.
    EXPECT_TRUE(r.read.report.unreliable.empty());
    EXPECT_EQ(r.read.report.skipped_estimated, (std::vector<MileageLog::Index>{3, 5}));
    EXPECT_DOUBLE_EQ(r.read.report.skipped_estimated_miles, 900);
    EXPECT_EQ(r.log.entry(3).Fillup_Odometer, 1600);
    EXPECT_FLOAT_EQ(r.log.entry(3).Fillup_Gallons, 12); // 600 miles at 50 MPG
    EXPECT_EQ(r.log.entry(5).Fillup_Odometer, 2200);
    EXPECT_FLOAT_EQ(r.log.entry(5).Fillup_Gallons, 300 / (1400.0F / 32));
    // A skipped row before the first entry or after the last touches no tank.
    const Read ends = read_text("Date,Odometer,Gallons\n1/1/2024,100,\n1/2/2024,1000,10\n"
                                "1/3/2024,1300,10\n1/4/2024,1600,\n");
    EXPECT_TRUE(ends.read.report.unreliable.empty());
    EXPECT_EQ(ends.read.report.skipped.size(), 2U);
}

TEST(FuelImportTest, NumbersBeyondASingleAreSkippedNotStored) {
    const Read r = read_text("Date,Odometer,Gallons\n1/1/2024,1000,10\n1/2/2024,1e300,10\n"
                             "1/3/2024,1300,1e-50\n1/4/2024,1600,10\n");
    expect_entries(r.log, {{"1/1/2024", 1000, 10}, {"1/4/2024", 1600, 10}});
    ASSERT_EQ(r.read.report.skipped.size(), 2U);
    EXPECT_EQ(r.read.report.skipped[0].reason, "the odometer reading is too large");
    EXPECT_EQ(r.read.report.skipped[1].reason,
              "its odometer reading and fuel give no meaningful MPG");
    for (const Fillup& f : r.log.entries()) {
        EXPECT_TRUE(std::isfinite(f.Tank_MPG));
    }
    // A reading too small to be stored is zero, not too large.
    const Read tiny = read_text("Date,Odometer,Gallons\n1/1/2024,1e-320,10\n1/3/2024,1000,10\n");
    ASSERT_EQ(tiny.read.report.skipped.size(), 1U);
    EXPECT_EQ(tiny.read.report.skipped[0].reason, "the odometer reading is not above zero");
}

TEST(FuelImportTest, QuotedCellsMayHoldLineEndsAndLinesStillCount) {
    const Read r =
        read_text(std::string(kFuellyHeader) + fuelly_row("1000", "10", "2024-01-01", 0, 0) +
                  fuelly_row("1300", "10", "2024-01-08", 0, 0, "\"two\r\nlines\"") +
                  fuelly_row("1600", "", "2024-01-15", 0, 0));
    ASSERT_EQ(r.read.report.skipped.size(), 1U);
    EXPECT_EQ(r.read.report.skipped[0].line, 5);
    EXPECT_EQ(r.log.fillup_count(), 2);
}

TEST(FuelImportTest, AFormatAskedForIsTheOnlyOneTried) {
    const std::string fuelly = data_file("fuelly.csv");
    EXPECT_FALSE(read_text(fuelly, ImportFormat::Drivvo).read.understood);
    EXPECT_FALSE(read_text(fuelly, ImportFormat::Spritmonitor).read.understood);
    const Read generic = read_text(fuelly, ImportFormat::Generic);
    EXPECT_TRUE(generic.read.understood);
    EXPECT_EQ(generic.read.report.format, ImportFormat::Generic);
    EXPECT_EQ(generic.log.fillup_count(), 5);
    // As Milora's own, an export stops at its header.
    const Read own = read_text(fuelly, ImportFormat::Milora);
    EXPECT_TRUE(own.read.understood);
    ASSERT_TRUE(own.read.milora.stop);
    EXPECT_EQ(own.read.milora.stop->line, 1);
    // Nothing is appended when the file is not understood.
    MileageLog log = test::six_entry_log();
    EXPECT_FALSE(read_log_text("hello\n", log).understood);
    EXPECT_EQ(log.fillup_count(), 6);
    for (const char* name :
         {"milora", "fuelly", "fuelio", "lubelogger", "spritmonitor", "drivvo", "generic"}) {
        ASSERT_TRUE(format_named(name)) << name;
        EXPECT_STREQ(format_name(*format_named(name)), name);
    }
    EXPECT_FALSE(format_named("auto"));
    EXPECT_FALSE(format_named("Fuelly"));
}

TEST(FuelImportTest, ThePreviewSaysWhatWasFound) {
    const Read r = read_text(data_file("drivvo.csv"));
    const ImportPreview p = import_preview("/home/u/drivvo.csv", r.read.report, r.log);
    EXPECT_EQ(p.title, "Import Fill-Ups");
    EXPECT_EQ(p.text, "The file \"/home/u/drivvo.csv\" is a Drivvo export.\n"
                      "Columns read: date \"date\", odometer \"odometer(km)\", fuel \"liters\".\n"
                      "4 fill-ups, from 4/12/2024 to 5/28/2024.\n"
                      "Average 35.0 MPG over 1118 miles and 32.0 gallons.\n"
                      "Fuel of skipped fill-ups estimated: 1 tank (entry 3; 311 miles), each at "
                      "the overall average before it, as Add Purchase (With Missing Data) does, "
                      "so the skipped row does not raise the MPG.\n"
                      "Units converted: kilometres to miles, litres to US gallons.\n"
                      "Dates read as year-month-day, as the file writes them.\n"
                      "Partial fill-ups merged into the next full one: 1.\n"
                      "Missed fill-ups estimated at the overall average: 0.\n"
                      "Rows skipped: 3:\n"
                      "    line 6: no odometer reading (\"0\")\n"
                      "    line 12: a row of the Expense section, not a fill-up\n"
                      "    line 16: a row of the Service section, not a fill-up\n"
                      "The fill-ups as the log will show them:\n"
                      " 4/12/2024      37717          10.6             XXXX          XXXX   \n"
                      " 4/26/2024      38028           9.2             33.6           33.6  \n"
                      " 5/10/2024      38339           9.2             33.6           33.6  \n"
                      " 5/28/2024      38836          13.5             36.9           35.0  \n"
                      "OK replaces the current log with these fill-ups; Cancel keeps it.");
    EXPECT_TRUE(needs_preview(r.read.report));

    // Beyond the first few skipped rows, a count.
    std::string text = "Date,Odometer,Gallons\n1/1/2024,1000,10\n";
    for (int i = 0; i < 8; ++i) {
        text += "1/2/2024,,10\n";
    }
    const Read many = read_text(text + "1/3/2024,1300,10\n");
    const std::string shown = import_preview("f.csv", many.read.report, many.log).text;
    EXPECT_NE(shown.find("a CSV file with named columns"), std::string::npos);
    EXPECT_NE(shown.find("Units: miles and US gallons"), std::string::npos);
    EXPECT_NE(shown.find("Rows skipped: 8:\n"), std::string::npos);
    EXPECT_NE(shown.find("    line 7: no odometer reading\n    and 3 more rows.\n"),
              std::string::npos)
        << shown;
}
