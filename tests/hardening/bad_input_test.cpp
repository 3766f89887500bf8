// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// Bad input, and what Milora does with it. Each row is an input a user, a spreadsheet or another
// program may hand over, with the behaviour expected; none may crash, hang, show "inf" or "nan",
// or turn into a silent wrong value.

#include "calc/registry.h"
#include "cardata/car_data_file.h"
#include "numbers/number_reading.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
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
    {"1e-50",               true,  0},  // above zero as typed, zero as a single: a fault if divided by
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
    ASSERT_EQ(s.messages.size(), 1U);
    EXPECT_EQ(s.messages[0].text, calc::kFaultMessage);
    for (const auto& key : s.label_order()) {
        const std::string& t = s.label(key.name, key.index).text;
        EXPECT_FALSE(std::regex_search(t, kNotANumber)) << t;
    }
}

namespace {

class BadFileTest : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("milora-bad-" + std::to_string(::getpid()));
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }
    std::string put(const char* name, const std::string& bytes) {
        std::ofstream(dir / name, std::ios::binary) << bytes;
        return (dir / name).string();
    }
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
        EXPECT_EQ(cardata::read_strict(path, strict).ok, c.strict_ok) << c.name;
        CarData tolerant;
        EXPECT_TRUE(cardata::read_tolerant(path, tolerant)) << c.name;
        EXPECT_EQ(tolerant.Global_Gas_Cost, c.tolerant_gas_cost) << c.name;
    }
}

TEST_F(BadFileTest, AFolderOrAnUnreadableFileIsReportedNotRead) {
    CarData car;
    EXPECT_FALSE(cardata::read_tolerant(dir.string(), car));
    const auto r = cardata::read_strict(dir.string(), car);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("could not be opened"), std::string::npos);
    if (::geteuid() != 0) {
        const std::string path = put("locked", "1\r\n2\r\n");
        fs::permissions(path, fs::perms::none);
        EXPECT_FALSE(cardata::read_strict(path, car).ok);
    }
}
