// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "cardata/car_data_file.h"

#include "numbers/line_reading.h"
#include "numbers/number_text.h"

#include <array>
#include <optional>

namespace milora::cardata {

using numbers::read_line_number;
using numbers::split_lines;

namespace {

constexpr std::size_t kFields = 9;

// The nine fields of lines 2 to 10, in file order.
void store(CarData& car, std::size_t field, float v) {
    switch (field) {
    case 0:
        car.Global_Gas_Cost = v;
        break;
    case 1:
        car.Global_EPA_City_MPG = v;
        break;
    case 2:
        car.Global_EPA_Highway_MPG = v;
        break;
    case 3:
        car.Global_City_Percent = TaggedPercent::from_single(v);
        break;
    case 4:
        car.Global_Highway_Percent = TaggedPercent::from_single(v);
        break;
    case 5:
        car.Global_Combined_MPG = v;
        break;
    case 6:
        car.Global_Yearly_Miles_Traveled = v;
        break;
    case 7:
        car.Global_Mileage_Cost = v;
        break;
    case 8:
        car.Global_Time_Cost = v;
        break;
    default:
        break;
    }
}

} // namespace

std::string car_data_text(const CarData& car) {
    using numbers::number_text;
    const std::array<std::string, 10> lines = {
        number_text(Car_Data_Version),        number_text(car.Global_Gas_Cost),
        number_text(car.Global_EPA_City_MPG), number_text(car.Global_EPA_Highway_MPG),
        car.Global_City_Percent.text(),       car.Global_Highway_Percent.text(),
        number_text(car.Global_Combined_MPG), number_text(car.Global_Yearly_Miles_Traveled),
        number_text(car.Global_Mileage_Cost), number_text(car.Global_Time_Cost),
    };
    std::string text;
    for (const auto& l : lines) {
        text += l + "\r\n";
    }
    return text;
}

Status write_car_data(const std::string& path, const CarData& car,
                      const std::function<void()>& before_rename) {
    return write_file_atomically(path, car_data_text(car), before_rename);
}

Status read_tolerant(const std::string& path, CarData& car) {
    const Result<std::string> contents = read_file(path);
    if (contents) {
        apply_tolerant(*contents, car);
    }
    return status_of(contents);
}

void apply_tolerant(const std::string& contents, CarData& car) {
    const auto lines = split_lines(contents);
    for (std::size_t field = 0; field < kFields; ++field) {
        const std::size_t line = field + 1;
        if (line >= lines.size()) {
            continue;
        }
        if (const auto v = read_line_number(lines[line])) {
            store(car, field, *v);
        }
    }
}

Status read_strict(const std::string& path, CarData& car) {
    const Result<std::string> contents = read_file(path);
    if (!contents) {
        return Failure{"The car data file \"" + path +
                       "\" could not be opened: " + contents.reason() + "."};
    }
    return apply_strict(*contents, path, car);
}

Status apply_strict(const std::string& contents, const std::string& path, CarData& car) {
    const auto lines = split_lines(contents);
    std::array<float, kFields> values{};
    for (std::size_t field = 0; field < kFields; ++field) {
        const std::size_t line = field + 1;
        const std::string where =
            "The car data file \"" + path + "\" was not loaded: line " + std::to_string(line + 1);
        if (line >= lines.size()) {
            return Failure{where + " is missing."};
        }
        const auto v = read_line_number(lines[line]);
        if (!v) {
            return Failure{where + " is not a number."};
        }
        values[field] = *v;
    }
    for (std::size_t field = 0; field < kFields; ++field) {
        store(car, field, values[field]);
    }
    return {};
}

std::string save_failed_message(const std::string& path, const std::string& why) {
    return "The car data file \"" + path + "\" could not be saved: " + why + ".";
}

} // namespace milora::cardata
