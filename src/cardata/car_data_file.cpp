// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "cardata/car_data_file.h"

#include "numbers/number_reading.h"

#include <fstream>
#include <iterator>
#include <sstream>

namespace milora::cardata {
namespace {

bool read_all(const std::string& path, std::string& contents) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::ostringstream buf;
    buf << in.rdbuf();
    if (in.bad()) {
        return false;
    }
    contents = buf.str();
    return true;
}

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

std::vector<std::string> split_lines(const std::string& contents) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < contents.size(); ++i) {
        const char c = contents[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < contents.size() && contents[i + 1] == '\n') {
                ++i;
            }
        } else {
            line.push_back(c);
        }
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

bool read_tolerant(const std::string& path, CarData& car) {
    std::string contents;
    if (!read_all(path, contents)) {
        return false;
    }
    const auto lines = split_lines(contents);
    for (std::size_t field = 0; field < 9; ++field) {
        const std::size_t line = field + 1;
        if (line >= lines.size()) {
            continue;
        }
        if (const auto v = numbers::parse_single(lines[line])) {
            store(car, field, *v);
        }
    }
    return true;
}

} // namespace milora::cardata
