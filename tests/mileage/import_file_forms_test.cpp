// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// Everyday file forms: UTF-16 from spreadsheets, the decimal mark of each column, other flag
// columns, exact double entries, and headings in other languages.

#include "mileage/fuel_import.h"

#include <gtest/gtest.h>

using namespace milora::mileage;

namespace {

struct Read {
    MileageLog log;
    LogRead read;
};

Read read_text(const std::string& text) {
    ImportChoices choices;
    choices.assumed_dates = DateOrder::MonthDayYear;
    Read r;
    r.read = read_log_text(text, r.log, choices);
    return r;
}

std::string utf16le(const std::string& ascii, bool bom) {
    std::string out = bom ? "\xFF\xFE" : "";
    for (const char c : ascii) {
        out += c;
        out += '\0';
    }
    return out;
}

const std::string kTabFile = "Date\tOdometer\tGallons\tFilled Tank\r\n"
                             "2014-03-02\t40100\t12.100\tY\r\n"
                             "2014-03-14\t40460\t13.049\tY\r\n"
                             "2014-03-18\t40560\t3.680\tN\r\n"
                             "2014-03-27\t40830\t8.950\tY\r\n";

} // namespace

TEST(ImportFileFormsTest, UnicodeTextWithPointsAndAFilledTankColumn) {
    for (const std::string& text : {kTabFile, utf16le(kTabFile, true), utf16le(kTabFile, false)}) {
        EXPECT_EQ(detect_format(text), ImportFormat::Generic);
        const Read r = read_text(text);
        ASSERT_EQ(r.log.fillup_count(), 3) << r.read.failure;
        // 13.049 gallons, not 13049; the N row is a partial fill-up merged into the next.
        EXPECT_FLOAT_EQ(r.log.entry(2).Fillup_Gallons, 13.049F);
        EXPECT_FLOAT_EQ(r.log.entry(3).Fillup_Gallons, 3.680F + 8.950F);
        EXPECT_EQ(r.read.report.merged_partial, 1);
    }
    // Big-endian with its mark, and a character beyond the basic plane in a note.
    std::string be = "\xFE\xFF";
    for (const char c : std::string("Date,Odometer,Gallons,Notes\n2024-01-02,1000,10,")) {
        be += '\0';
        be += c;
    }
    be += "\xD8\x3D\xDE\x97"; // U+1F697
    be += std::string("\0\n", 2);
    EXPECT_EQ(read_text(be).log.fillup_count(), 1);
}

TEST(ImportFileFormsTest, TheDecimalMarkIsToldPerColumnFromItsValues) {
    // A thousands point in the odometer beside a decimal comma in the litres.
    const Read de = read_text("Datum;Kilometerstand;Menge (Liter);Vollgetankt\n"
                              "02.01.2024;28.023,0;41,5;ja\n"
                              "16.01.2024;28.640,0;40,2;ja\n"
                              "24.01.2024;28.900,0;15,0;nein\n"
                              "06.02.2024;29.310,0;24,1;ja\n");
    ASSERT_EQ(de.log.fillup_count(), 3);
    EXPECT_EQ(de.read.report.merged_partial, 1);
    EXPECT_FLOAT_EQ(de.log.entry(2).Fillup_Odometer, static_cast<float>(28640 / 1.609344));
    // Odometer points always before three digits group thousands; anything else is a decimal
    // point.
    const Read odo = read_text("Date;Odometer (km);Litres\n2024-01-02;10.000;40\n"
                               "2024-01-20;10.600;38.5\n");
    ASSERT_EQ(odo.log.fillup_count(), 2);
    EXPECT_FLOAT_EQ(odo.log.entry(2).Fillup_Odometer, static_cast<float>(10600 / 1.609344));
}

TEST(ImportFileFormsTest, FlagColumnsDoublesAndHeadingsInOtherLanguages) {
    const Read kind = read_text("date,odometer,volume,fillUpType\n2024-01-02,1000,10,full\n"
                                "2024-01-05,1100,3,partial\n2024-01-09,1300,7,full\n");
    EXPECT_EQ(kind.read.report.merged_partial, 1);
    EXPECT_EQ(kind.log.fillup_count(), 2);

    // An exact double (same date, odometer and fuel) goes without marking any tank.
    const Read doubled = read_text("Date,Odometer,Gallons\n2024-01-02,1000,10\n2024-01-09,1300,10\n"
                                   "2024-01-09,1300,10\n2024-01-16,1600,10\n");
    EXPECT_EQ(doubled.log.fillup_count(), 3);
    ASSERT_EQ(doubled.read.report.skipped.size(), 1U);
    EXPECT_EQ(doubled.read.report.skipped[0].reason, "an exact double of line 3");
    EXPECT_TRUE(doubled.read.report.unreliable.empty());

    const char* headings[] = {
        "Datum;Kilometerstand;Liter;Teilbetankung",        // de
        "Date;Kilom\xC3\xA9trage;Quantit\xC3\xA9;Partiel", // fr
        "Fecha;Kilometraje;Litros;Parcial",                // es
        "Data;Contachilometri;Litri;Parziale",             // it
        "Datum;Kilometerstand;Hoeveelheid;Gedeeltelijk",   // nl
        "Data;Quilometragem;Quantidade;Parcial",           // pt
        "Data;Przebieg;Litry;Cz\xC4\x99\xC5\x9B"
        "ciowe", // pl
    };
    for (const char* h : headings) {
        const Read r = read_text(std::string(h) + "\n2024-01-02;1000;40;0\n2024-01-09;1500;10;1\n"
                                                  "2024-01-12;1800;30;0\n");
        EXPECT_EQ(r.read.report.format, ImportFormat::Generic) << h;
        EXPECT_EQ(r.log.fillup_count(), 2) << h;
        EXPECT_EQ(r.read.report.merged_partial, 1) << h;
    }
}
