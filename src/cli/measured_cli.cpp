// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "cli/measured_cli.h"

#include "base/shown_text.h"
#include "cardata/data_settings.h"
#include "cli/calc_cli.h"
#include "numbers/number_reading.h"
#include "numbers/number_text.h"

#include <ostream>

namespace milora::cli {

mileage::Measurement measure_option(const mileage::LogRead& read, const mileage::MileageLog& log,
                                    const std::string& file, bool read_whole,
                                    const std::function<void(const Message&)>& show) {
    mileage::Measurement m = mileage::measure_read(read, log, mileage::DayMonthOrder::MonthFirst);
    if (!m.measured && read_whole) {
        show(mileage::cannot_measure_message("the file \"" + file + "\"", m.reason));
    }
    return m;
}

void print_measured(const mileage::Measurement& m, std::ostream& out) {
    out << '\n';
    if (!m.measured) {
        out << "measured: none\nreason: " << safe_text(m.reason) << '\n';
        return;
    }
    const mileage::Measured& v = *m.measured;
    out << "measured_mpg: " << mileage::measured_mpg_text(v.mpg) << '\n'
        << "measured_miles_per_year: " << mileage::measured_miles_text(v.miles_per_year) << '\n'
        << "from: " << safe_text(v.from) << '\n'
        << "to: " << safe_text(v.to) << '\n'
        << "fill_ups: " << v.fill_ups() << '\n';
}

void add_measured_json(const mileage::Measurement& m, nlohmann::ordered_json& report) {
    if (!m.measured) {
        report["measured"] = nullptr;
        report["reason"] = m.reason;
        return;
    }
    const mileage::Measured& v = *m.measured;
    report["measured"] = nlohmann::ordered_json{{"measured_mpg", v.mpg},
                                                {"measured_miles_per_year", v.miles_per_year},
                                                {"from", v.from},
                                                {"to", v.to},
                                                {"fill_ups", v.fill_ups()}};
    report["reason"] = nullptr;
}

std::optional<int> use_measured_log(const std::string& path, CarData& car, std::ostream& err) {
    const mileage::FileMeasurement m = mileage::measure_file(path);
    if (!m.measured) {
        err << safe_text(m.failure->title + ": " + m.failure->text) << '\n';
        return kExitFault;
    }
    // The values go through the check of the boxes they stand for, as if typed there.
    ProgramState state;
    state.car = car;
    cardata::DataSettings boxes(state);
    boxes.load();
    const std::pair<cardata::Field, std::string> values[] = {
        {cardata::Field::CombinedMpg, mileage::measured_mpg_text(m.measured->mpg)},
        {cardata::Field::YearlyMiles, mileage::measured_miles_text(m.measured->miles_per_year)},
    };
    for (const auto& [field, text] : values) {
        boxes.change(field, text);
        if (const auto refused = boxes.validate(field)) {
            err << safe_text(refused->title + ": " + refused->text) << '\n';
            return kExitRefused;
        }
    }
    car.Global_Combined_MPG = *numbers::parse_single(values[0].second);
    car.Global_Yearly_Miles_Traveled = *numbers::parse_single(values[1].second);
    return std::nullopt;
}

} // namespace milora::cli
