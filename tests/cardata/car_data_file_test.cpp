// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "cardata/car_data_file.h"
#include "numbers/line_reading.h"
#include "support/ordinary_user.h"
#include "support/temp_folder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace milora;
using namespace milora::cardata;
using milora::numbers::split_lines;
namespace fs = std::filesystem;
using milora::test::slurp;
using milora::test::TempFolder;

namespace {

class CarDataFileTest : public ::testing::Test {
protected:
    TempFolder temp{"cardata"};
    const fs::path& dir = temp.path();
    std::string put(const std::string& name, const std::string& contents) {
        return temp.put(name, contents);
    }
};

} // namespace

TEST_F(CarDataFileTest, WritingTheDefaultsGivesTheTenLines) {
    const std::string path = (dir / "default.miloracar").string();
    ASSERT_TRUE(write_car_data(path, CarData{}));
    EXPECT_EQ(slurp(path), "1.02\r\n3\r\n18\r\n24\r\n55\r\n45\r\n20\r\n12000\r\n0.445\r\n10\r\n");
}

TEST_F(CarDataFileTest, ReadingBackGivesTheSameValues) {
    CarData car;
    car.Global_Gas_Cost = 2.899F;
    car.Global_City_Percent = TaggedPercent::from_single(33.3F);
    car.Global_Highway_Percent = TaggedPercent::from_single(100.0F - 33.3F);
    car.Global_EPA_Highway_MPG = 22.5F;
    // Seven significant digits in the exponent form too: a value of up to seven reads back.
    car.Global_Yearly_Miles_Traveled = 12345670.0F;
    const std::string path = (dir / "car.miloracar").string();
    ASSERT_TRUE(write_car_data(path, car));
    const auto lines = split_lines(slurp(path));
    EXPECT_EQ(lines[4], "33.3");
    EXPECT_EQ(lines[5], "66.7");
    EXPECT_EQ(lines[7], "1.234567E+07");
    CarData back;
    ASSERT_TRUE(read_strict(path, back));
    EXPECT_EQ(back.Global_Gas_Cost, 2.899F);
    EXPECT_EQ(back.Global_EPA_Highway_MPG, 22.5F);
    EXPECT_EQ(back.Global_Yearly_Miles_Traveled, 12345670.0F);
    EXPECT_TRUE(back.Global_City_Percent.is_single());
    EXPECT_EQ(back.Global_City_Percent.as_single(), 33.3F);
}

TEST_F(CarDataFileTest, LinesEndAtCrLfLoneCrOrLoneLfAndBlanksAroundANumberAreFine) {
    CarData car;
    ASSERT_TRUE(read_strict(put("mixed", "2.5\n4\r5\r\n6\n 45 \n55\n30\n9000\n .445\n0"), car));
    EXPECT_EQ(car.Global_Gas_Cost, 4.0F);
    EXPECT_EQ(car.Global_EPA_City_MPG, 5.0F);
    EXPECT_EQ(car.Global_City_Percent.as_single(), 45.0F);
    EXPECT_EQ(car.Global_Mileage_Cost, 0.445F);
    EXPECT_EQ(car.Global_Time_Cost, 0.0F); // no range checks
}

TEST_F(CarDataFileTest, TolerantReadingSkipsBadAndMissingLinesOneByOne) {
    CarData car;
    ASSERT_TRUE(read_tolerant(put("bad", "1.02\r\n4\r\n19\r\nabc\r\n60\r\n"), car));
    EXPECT_EQ(car.Global_Gas_Cost, 4.0F);
    EXPECT_EQ(car.Global_EPA_City_MPG, 19.0F);
    EXPECT_EQ(car.Global_EPA_Highway_MPG, 24.0F);
    EXPECT_EQ(car.Global_City_Percent.as_single(), 60.0F);
    EXPECT_FALSE(car.Global_Highway_Percent.is_single());
    EXPECT_EQ(car.Global_Combined_MPG, 20.0F);
    EXPECT_FALSE(read_tolerant((dir / "missing").string(), car));
}

TEST_F(CarDataFileTest, StrictReadingIsAllOrNothingAndNamesTheLine) {
    CarData car;
    car.Global_Gas_Cost = 9.0F;
    const std::string bad =
        put("bad", "1.02\r\n4\r\n19\r\n1,000\r\n60\r\n40\r\n20\r\n1\r\n1\r\n1\r\n");
    const Status r = read_strict(bad, car);
    EXPECT_FALSE(r);
    EXPECT_EQ(r.reason(),
              "The car data file \"" + bad + "\" was not loaded: line 4 is not a number.");
    EXPECT_EQ(car.Global_Gas_Cost, 9.0F);
    const std::string short_file = put("short", "1.02\r\n4\r\n19\r\n24\r\n60\r\n");
    EXPECT_EQ(read_strict(short_file, car).reason(),
              "The car data file \"" + short_file + "\" was not loaded: line 6 is missing.");
    EXPECT_EQ(read_strict((dir / "none").string(), car).reason(),
              "The car data file \"" + (dir / "none").string() +
                  "\" could not be opened: it does not exist.");
    // A folder is no file, and the message says so.
    EXPECT_EQ(read_strict(dir.string(), car).reason(),
              "The car data file \"" + dir.string() +
                  "\" could not be opened: it is not a regular file.");
    EXPECT_EQ(car.Global_Gas_Cost, 9.0F);
}

TEST_F(CarDataFileTest, AFailedWriteLeavesTheOldFileWhole) {
    const std::string path = put("keep.miloracar", "old contents");
    const Status interrupted =
        write_car_data(path, CarData{}, [] { throw std::runtime_error("crash"); });
    EXPECT_FALSE(interrupted);
    EXPECT_EQ(slurp(path), "old contents");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator{}), 1);
    // A folder its owner may not write to.
    test::expect_as_ordinary_user({dir.string(), path}, [&] {
        fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
        const Status refused = write_car_data(path, CarData{});
        std::string fault;
        if (refused || refused.reason().empty()) {
            fault += "the save into a read-only folder was not refused with a reason; ";
        }
        if (slurp(path) != "old contents") {
            fault += "the old file changed";
        }
        return fault;
    });
    EXPECT_FALSE(write_car_data("/dev/full/x.miloracar", CarData{}));
}
