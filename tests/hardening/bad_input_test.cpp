// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// Bad input, and what Milora does with it. Each row is an input a user, a spreadsheet or another
// program may hand over, with the behaviour expected; none may crash, hang, show "inf" or "nan",
// or turn into a silent wrong value.

#include "calc/registry.h"
#include "cardata/car_data_file.h"
#include "cardata/data_settings.h"
#include "mileage/mileage_tracker.h"
#include "numbers/number_reading.h"
#include "support/ordinary_user.h"
#include "support/temp_folder.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sys/stat.h>
#include <unistd.h>

using namespace milora;
namespace fs = std::filesystem;

namespace {

// "inf" or "nan" as a word ("information" is fine).
const std::regex kNotANumber(R"(\b(inf|infinity|nan)\b)", std::regex::icase);

// A box text: refused with the box's message when leaving it, or accepted and read as `value`.
struct BoxCase {
    const char* text;
    bool accepted;
    float value; // the value Calculate reads when accepted
};

// clang-format off
const BoxCase kBoxCases[] = {
    {"nan",                 false, 0},  // not a number anywhere in Milora
    {"inf",                 false, 0},
    {"-inf",                false, 0},
    {"1e39",                false, 0},  // beyond what a single holds
    {"1e-50",               false, 0},  // above zero as typed, but zero as a single: refused
    {"--5",                 false, 0},
    {"5-",                  false, 0},
    {"1,2,3",               false, 0},  // thousands separators only between groups of three
    {"1,234",               true,  1234},
    {"\xd9\xa1\xd9\xa2",    false, 0},  // Arabic-Indic digits are not read as digits
    {"0x10",                false, 0},
    {"1e3",                 true,  1000},
    {" 7 ",                 true,  7},
    {"$3",                  false, 0},
    {"",                    false, 0},
};
// clang-format on

} // namespace

TEST(BadInput, BoxTextsAreRefusedOrReadAsTheTableSays) {
    const auto* entry = calc::find_calculator("B01_HowMuchDoYouSpendOnGas");
    auto calculator = entry->make();
    calc::FormState s = calc::open_window(*calculator, CarData{});
    for (const BoxCase& c : kBoxCases) {
        s.box("txtGas_Cost") = c.text;
        EXPECT_EQ(!calc::validate_box(s, "txtGas_Cost").has_value(), c.accepted) << c.text;
        if (c.accepted) {
            EXPECT_EQ(calc::read_box(s, "txtGas_Cost"), c.value) << c.text;
        }
    }
    const std::string long_text(100000, '9');
    s.box("txtGas_Cost") = long_text;
    EXPECT_TRUE(calc::validate_box(s, "txtGas_Cost").has_value()); // too large for a single
    s.box("txtGas_Cost") = "1" + std::string(100000, ' ');
    EXPECT_FALSE(calc::validate_box(s, "txtGas_Cost").has_value());
}

TEST(BadInput, ATinyDivisorStopsTheCalculationWithAMessage) {
    auto calculator = calc::find_calculator("B01_HowMuchDoYouSpendOnGas")->make();
    calc::FormState s = calc::open_window(*calculator, CarData{});
    s.box("txtCombined_MPG") = "1e-50";
    EXPECT_FALSE(calc::run_calculate(*calculator, s));
    ASSERT_EQ(s.dialogue.kept().size(), 1U);
    EXPECT_EQ(s.dialogue.kept()[0].text, kFaultMessage);
    for (const auto& key : s.label_order()) {
        const std::string& t = s.label(key.name, key.index).text;
        EXPECT_FALSE(std::regex_search(t, kNotANumber)) << t;
    }
}

namespace {

class BadFileTest : public ::testing::Test {
protected:
    test::TempFolder temp{"bad"};
    const fs::path& dir = temp.path();
    std::string put(const char* name, const std::string& bytes) { return temp.put(name, bytes); }
};

// A car data file: whether the strict reading takes it, and the gas cost the tolerant one leaves.
struct FileCase {
    const char* name;
    std::string bytes;
    bool strict_ok;
    float tolerant_gas_cost;
};

} // namespace

TEST_F(BadFileTest, CarDataFilesAreTakenWholeOrRefusedAsTheTableSays) {
    const std::string ten = "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10";
    const FileCase cases[] = {
        {"empty", "", false, 3.0F},
        {"nul bytes", std::string("1\r\n2\0\r\n3\r\n", 9) + std::string(200, '\0'), false, 3.0F},
        {"mixed line ends", "1\r\n2\n3\r4\r\n5\n6\r7\r\n8\n9\r10\n", true, 2.0F},
        {"no final line end", ten, true, 2.0F},
        {"quoted", "1\r\n\"2\"\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n", false, 3.0F},
        {"nan line", "1\r\nnan\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n", false, 3.0F},
        {"overflow", "1\r\n1e39\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n", false, 3.0F},
        {"long line", "1\r\n" + std::string(100000, '7') + "\r\n3\r\n", false, 3.0F},
    };
    for (const FileCase& c : cases) {
        const std::string path = put(c.name, c.bytes);
        CarData strict;
        EXPECT_EQ(cardata::read_strict(path, strict).ok(), c.strict_ok) << c.name;
        CarData tolerant;
        EXPECT_TRUE(cardata::read_tolerant(path, tolerant)) << c.name;
        EXPECT_EQ(tolerant.Global_Gas_Cost, c.tolerant_gas_cost) << c.name;
    }
}

TEST_F(BadFileTest, AFolderOrAnUnreadableFileIsReportedNotRead) {
    CarData car;
    EXPECT_FALSE(cardata::read_tolerant(dir.string(), car));
    const auto r = cardata::read_strict(dir.string(), car);
    EXPECT_FALSE(r);
    EXPECT_NE(r.reason().find("could not be opened"), std::string::npos);
    const std::string path = put("locked", "1\r\n2\r\n");
    test::expect_as_ordinary_user({dir.string(), path}, [&] {
        fs::permissions(path, fs::perms::none);
        return cardata::read_strict(path, car) ? "a file without read permission was read" : "";
    });
}

namespace {

// A mileage or comma-separated file imported into the tracker: how many entries it gives, and
// where reading stopped (line 0: it did not; -1: the file is in none of the layouts) and why, as
// the user is told.
struct MileageCase {
    const char* name;
    std::string bytes;
    std::int64_t entries;
    std::int64_t stop_line;
    const char* reason;
};

// Two good fill-ups, then `line`.
std::string after_two(const std::string& line) {
    return "\"9/16/2006\",1000,10\r\n\"9/23/2006\",1300,10\r\n" + line;
}

} // namespace

TEST_F(BadFileTest, MileageFilesAreReadOrStoppedAsTheTableSays) {
    const std::string digits(100000, '9');
    // clang-format off
    const MileageCase cases[] = {
        // "nan" is no number anywhere in Milora: reading stops there, the two before stay.
        {"nan", after_two("\"c\",nan,10\r\n"), 2, 3, "the odometer reading \"nan\" is not a number"},
        // Nor is "inf".
        {"inf", after_two("\"c\",1600,inf\r\n"), 2, 3, "the gallons \"inf\" are not a number"},
        // Beyond what a single holds: no number rather than an infinite odometer.
        {"1e39", after_two("\"c\",1e39,10\r\n"), 2, 3, "the odometer reading \"1e39\" is not a number"},
        // Zero once stored: no gallons, so no MPG.
        {"1e-50", after_two("\"c\",1600,1e-50\r\n"), 2, 3, "its odometer reading and gallons give no meaningful MPG"},
        // Two signs.
        {"--5", after_two("\"c\",--5,10\r\n"), 2, 3, "the odometer reading \"--5\" is not a number"},
        // A sign after the digits.
        {"5-", after_two("\"c\",1600,5-\r\n"), 2, 3, "the gallons \"5-\" are not a number"},
        // Unquoted, the commas make items of their own.
        {"1,2,3", after_two("\"c\",1,2,3\r\n"), 2, 3, "it has more than three items"},
        // Quoted, it is one item, but a file's numbers have no thousands separators.
        {"\"1,2,3\"", after_two("\"c\",\"1,2,3\",10\r\n"), 2, 3, "the odometer reading \"1,2,3\" is not a number"},
        // Arabic-Indic digits are not read as digits.
        {"non-ASCII digits", after_two("\"c\",\xd9\xa1\xd9\xa6\xd9\xa0\xd9\xa0,10\r\n"), 2, 3,
         "the odometer reading \"\xd9\xa1\xd9\xa6\xd9\xa0\xd9\xa0\" is not a number"},
        // A 100,000-character line: too large a number, named by its first characters only.
        {"100,000 digits", after_two("\"c\"," + digits + ",10\r\n"), 2, 3,
         "the odometer reading \"99999999999999999999999999999999...\" is not a number"},
        // A date is never checked, however long.
        {"100,000-character date", after_two("\"" + std::string(100000, 'x') + "\",1600,10"), 3, 0, ""},
        // An empty file is an empty log.
        {"empty", "", 0, 0, ""},
        // Binary after good lines: control bytes are shown as "?" in the message.
        {"NUL bytes", after_two(std::string("\"c\",\0\x01\x02,10\r\n", 12) + std::string(500, '\0')), 2, 3,
         "the odometer reading \"???\" is not a number"},
        // Binary from the start: in none of the layouts (line -1), nothing read.
        {"NUL bytes only", std::string(1000, '\0'), 0, -1, ""},
        // A spreadsheet's quoted date with a comma in it is one item.
        {"quoted comma in the date", after_two("\"Sep 30, 2006\",1600,10\r\n"), 3, 0, ""},
        // CR LF, LF and CR each end a line.
        {"mixed line ends", "\"a\",1000,10\n\"b\",1300,10\r\"c\",1600,10\r\n\"d\",1900,10\n", 4, 0, ""},
        // The last line needs no line end.
        {"no final line end", after_two("\"c\",1600,10"), 3, 0, ""},
        // A byte that is not UTF-8 in a date from an old spreadsheet is kept as it is.
        {"Latin-1 date", after_two("\"30 sept. 2006 \xe9t\xe9\",1600,10\r\n"), 3, 0, ""},
    };
    // clang-format on
    for (const MileageCase& c : cases) {
        mileage::MileageTracker tracker;
        const std::string path = put("import.csv", c.bytes);
        tracker.import_csv(path);
        const std::vector<Message> shown = tracker.dialogue().take_kept();
        EXPECT_EQ(tracker.log().fillup_count(), c.entries) << c.name;
        if (c.stop_line == 0) {
            EXPECT_TRUE(shown.empty()) << c.name;
            EXPECT_TRUE(tracker.data_changed()) << c.name;
            continue;
        }
        ASSERT_EQ(shown.size(), 1U) << c.name;
        if (c.stop_line < 0) {
            EXPECT_EQ(shown[0], mileage::not_understood_message(path)) << c.name;
            EXPECT_FALSE(tracker.data_changed()) << c.name;
            continue;
        }
        const std::string entries =
            c.entries == 1 ? "1 entry was read" : std::to_string(c.entries) + " entries were read";
        EXPECT_EQ(shown[0].text, "Reading of the file \"" + path + "\" stopped at line " +
                                     std::to_string(c.stop_line) + ": " + c.reason + ". " +
                                     entries + " before that line.")
            << c.name;
        EXPECT_FALSE(tracker.data_changed()) << c.name; // a cut-short import is no change
        for (const mileage::Fillup& f : tracker.log().entries()) {
            EXPECT_TRUE(std::isfinite(f.Tank_MPG) && std::isfinite(f.Five_Tank_MPG)) << c.name;
        }
        EXPECT_FALSE(std::regex_search(tracker.list(), kNotANumber)) << c.name;
    }
}

TEST_F(BadFileTest, AMileageFileThatIsNoReadableFileLeavesTheLogAsItWas) {
    std::vector<std::string> shown;
    mileage::MileageTracker tracker([&](const Message& m) {
        shown.push_back(m.text);
        return Answer::Ok;
    });
    tracker.open(put("log.miloragas", after_two("")));
    ASSERT_EQ(tracker.log().fillup_count(), 2);
    const std::string caption = tracker.caption();

    // Each with the reason the user is told.
    std::vector<std::pair<std::string, std::string>> paths = {
        {dir.string(), "it is not a regular file"},
        {(dir / "missing.miloragas").string(), "it does not exist"}};
    // A pipe nobody writes to must not hang the tracker, nor a device fill the memory.
    const std::string fifo = (dir / "pipe.csv").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    paths.emplace_back(fifo, "it is not a regular file");
    paths.emplace_back("/dev/zero", "it is not a regular file");
    // A sparse file beyond the size limit is not read into memory.
    const std::string huge = put("huge.miloragas", "");
    fs::resize_file(huge, kMaxReadSize + 1);
    paths.emplace_back(huge, "it is larger than the limit of 256 MB");
    const auto open_keeps_log = [&](const std::string& p, const std::string& why) {
        shown.clear();
        tracker.open(p);
        std::string fault;
        if (tracker.log().fillup_count() != 2 || tracker.caption() != caption) {
            fault += p + ": the log changed; ";
        }
        const std::string told = "The file \"" + p + "\" could not be opened: " + why + ".";
        if (shown.size() != 1 || shown[0] != told) {
            fault += p + ": not told \"" + told + "\"";
        }
        return fault;
    };
    for (const auto& [p, why] : paths) {
        EXPECT_EQ(open_keeps_log(p, why), "");
    }
    const std::string locked = put("locked.miloragas", after_two(""));
    test::expect_as_ordinary_user({dir.string(), locked}, [&] {
        fs::permissions(locked, fs::perms::none);
        return open_keeps_log(locked, "there is no permission to read it");
    });
}

namespace {

// A text typed into, or pasted over, a Data Settings box.
struct SettingsCase {
    const char* text;
    bool accepted; // when leaving the box
};

// clang-format off
const SettingsCase kSettingsCases[] = {
    {"nan",              false},  // no number anywhere in Milora
    {"inf",              false},  // nor this
    {"-inf",             false},  // nor this
    {"1e39",             false},  // beyond what a single holds
    {"1e-50",            false},  // zero once stored
    {"--5",              false},  // two signs
    {"5-",               false},  // a sign after the digits
    {"1,2,3",            false},  // thousands separators only between groups of three
    {"\xd9\xa1\xd9\xa2", false},  // Arabic-Indic digits are no digits here
    {"0x10",             false},  // no hexadecimal
    {"",                 false},  // nothing
    {"1,234",            true},   // a thousands separator where it belongs
    {" 7 ",              true},   // blanks around a number
};
// clang-format on

} // namespace

TEST(BadInput, DataSettingsBoxesRefuseHostileTextsAndStoreNothing) {
    using cardata::Field;
    for (const SettingsCase& c : kSettingsCases) {
        ProgramState state;
        cardata::DataSettings form(state);
        form.load();
        form.change(Field::GasCost, c.text);
        EXPECT_EQ(!form.validate(Field::GasCost).has_value(), c.accepted) << c.text;
        // OK commits what converts; a text that does not leaves the car data as it was.
        const bool converts = numbers::parse_single(c.text).has_value();
        EXPECT_EQ(form.commit(), converts) << c.text;
        EXPECT_TRUE(std::isfinite(state.car.Global_Gas_Cost)) << c.text;
        if (!converts) {
            EXPECT_EQ(state.car.Global_Gas_Cost, 3.0F) << c.text;
        }
    }
    // In a percentage box a text that does not convert never stays: both boxes come back.
    for (const SettingsCase& c : kSettingsCases) {
        ProgramState state;
        cardata::DataSettings form(state);
        form.load();
        form.dialogue().take_kept();
        form.change(Field::CityPercent, c.text);
        const auto value = numbers::parse_single(c.text);
        if (!value) {
            EXPECT_EQ(form.text(Field::CityPercent), "55") << c.text;
            EXPECT_EQ(form.text(Field::HighwayPercent), "45") << c.text;
            EXPECT_EQ(form.dialogue().take_kept().size(), 1U) << c.text;
        }
        EXPECT_FALSE(std::regex_search(form.text(Field::HighwayPercent), kNotANumber)) << c.text;
    }
}

TEST(BadInput, AnEpaFigureTooSmallToDivideByIsRefusedByItsOwnBox) {
    ProgramState state;
    cardata::DataSettings form(state);
    form.load();
    form.change(cardata::Field::EpaCity,
                "1e-45"); // above zero, but 55 % of a mile per it overflows
    EXPECT_FALSE(form.estimate());
    EXPECT_EQ(form.take_focus_request(), cardata::Field::EpaCity);
    const auto shown = form.dialogue().take_kept();
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_EQ(shown[0].text, cardata::box_info(cardata::Field::EpaCity).message);
    EXPECT_EQ(form.text(cardata::Field::CombinedMpg), "20");
    EXPECT_EQ(state.car.Global_EPA_City_MPG, 18.0F);
}

TEST(BadInput, TrackerEntryBoxesRefuseHostileTexts) {
    // The odometer box, then the gallons box, of a log that already holds one fill-up.
    for (const bool odometer : {true, false}) {
        for (const SettingsCase& c : kSettingsCases) {
            std::vector<Message> shown;
            mileage::MileageTracker tracker([&](const Message& m) {
                shown.push_back(m);
                return Answer::Yes;
            });
            tracker.add_new();
            ASSERT_TRUE(tracker.add_entry("a", "0.5", "10").added);
            const auto outcome = odometer ? tracker.add_entry("b", c.text, "10")
                                          : tracker.add_entry("b", "300", c.text);
            EXPECT_EQ(outcome.added, c.accepted) << c.text;
            if (!c.accepted) {
                ASSERT_EQ(shown.size(), 1U) << c.text;
                EXPECT_EQ(shown[0].title, "Data Error") << c.text;
                EXPECT_EQ(tracker.log().fillup_count(), 1) << c.text;
            }
            EXPECT_FALSE(std::regex_search(tracker.list(), kNotANumber)) << c.text;
        }
    }
}
