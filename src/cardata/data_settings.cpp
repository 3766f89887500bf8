// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "cardata/data_settings.h"

#include "base/constants.h"
#include "base/web_links.h"
#include "cardata/car_data_file.h"
#include "numbers/number_reading.h"
#include "numbers/number_text.h"
#include "numbers/precision.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string_view>

namespace milora::cardata {
namespace {

// A pathological pair of percentages could in principle keep rewriting each other; the settling
// never takes more than a few rounds, so a deeper chain is cut off.
constexpr int kMaxCouplingDepth = 8;

std::size_t at(Field f) {
    return static_cast<std::size_t>(f);
}

bool is_percent(Field f) {
    return f == Field::CityPercent || f == Field::HighwayPercent;
}

std::string field_text(const CarData& car, Field f) {
    using numbers::number_text;
    switch (f) {
    case Field::GasCost:
        return number_text(car.Global_Gas_Cost);
    case Field::EpaCity:
        return number_text(car.Global_EPA_City_MPG);
    case Field::EpaHighway:
        return number_text(car.Global_EPA_Highway_MPG);
    case Field::CityPercent:
        return car.Global_City_Percent.text();
    case Field::HighwayPercent:
        return car.Global_Highway_Percent.text();
    case Field::CombinedMpg:
        return number_text(car.Global_Combined_MPG);
    case Field::YearlyMiles:
        return number_text(car.Global_Yearly_Miles_Traveled);
    case Field::MileageCost:
        return number_text(car.Global_Mileage_Cost);
    case Field::TimeCost:
        return number_text(car.Global_Time_Cost);
    }
    return {};
}

void store(CarData& car, Field f, float v) {
    switch (f) {
    case Field::GasCost:
        car.Global_Gas_Cost = v;
        break;
    case Field::EpaCity:
        car.Global_EPA_City_MPG = v;
        break;
    case Field::EpaHighway:
        car.Global_EPA_Highway_MPG = v;
        break;
    case Field::CityPercent:
        car.Global_City_Percent = TaggedPercent::from_single(v);
        break;
    case Field::HighwayPercent:
        car.Global_Highway_Percent = TaggedPercent::from_single(v);
        break;
    case Field::CombinedMpg:
        car.Global_Combined_MPG = v;
        break;
    case Field::YearlyMiles:
        car.Global_Yearly_Miles_Traveled = v;
        break;
    case Field::MileageCost:
        car.Global_Mileage_Cost = v;
        break;
    case Field::TimeCost:
        car.Global_Time_Cost = v;
        break;
    }
}

Message failure(const std::string& text) {
    return {kProgramTitle, text, Icon::Warning, Buttons::Ok};
}

} // namespace

const BoxInfo& box_info(Field field) {
    return kBoxes[at(field)];
}

std::string file_label_text(const std::string& car_data_filename) {
    return "Car Data Filename: " + car_data_filename;
}

std::string fuel_economy_site() {
    std::string_view address = web_address(WebLink::FindACar);
    if (const auto scheme = address.find("://"); scheme != std::string_view::npos) {
        address.remove_prefix(scheme + 3);
    }
    return std::string(address.substr(0, address.find('/')));
}

std::vector<Description> descriptions() {
    return {
        {"lblGas_Cost_Description",
         std::string("Enter your best guess for the average cost of gas over the coming year. ") +
             "It doesn't have to be the exact number - anything close should be fine."},
        {"lblYearly_Miles_Description",
         std::string("Enter the number of miles this vehicle is driven in an average year. If ") +
             "you're not sure, check the Help manual for suggestions on how to come up with a "
             "reasonable number."},
        {"lblEPA_MPG_Description",
         std::string("Enter the EPA city and highway mileage numbers, either from your car's "
                     "original ") +
             "sticker if you have it, or from the EPA's website at " + fuel_economy_site() +
             ". See the Help manual for more information."},
        {"lblPercent_Description",
         std::string("Enter your best guesses for the percentage of driving you do in the city, "
                     "and on ") +
             "the highway, with this vehicle. If you're not sure, feel free to leave it at the "
             "default settings of 55% " +
             "city and 45% highway - those are the numbers the EPA assumes when calculating your "
             "car's overall MPG. Note that " +
             "you only have to enter one percentage; the other is automatically calculated for "
             "you."},
        {"lblCombined_MPG_Description",
         std::string("Enter your combined true city/highway mileage. If you've measured it "
                     "already based ") +
             "on your actual gas use, enter that number. If not, click on the \"Calculate "
             "Combined EPA MPG\" button to get a reasonable estimate " +
             "based on your city and highway EPA MPGs and percentages, decreased by a "
             "conservative 14% to more accurately reflect real-world " +
             " numbers. This is explained further in the Handbook."},
        {"lblMileage_Cost_Description",
         std::string("Enter the true cost of driving your car one mile. To start, you should ") +
             "probably use the IRS's mileage reimbursal rate (currently $0.445/mile for 2006). "
             "This number is discussed " +
             "in more detail later, and you should feel free to adjust it up or down. But the "
             "IRS rate almost certainly " +
             "underestimates the true cost per mile of driving your car."},
        {"lblTime_Cost_Description",
         std::string("Enter what you would pay to get an extra hour's worth of time in your "
                     "life. If driving your car takes ") +
             "up time that you could be spending doing something else, that gets included in "
             "some of the calculations. If you think your time is worthless, feel free " +
             " to enter $0.00, but free time must be worth something to you. See the Help "
             "manual for " +
             "additional info."},
    };
}

namespace {

// The decimals that a number text shows: those after its point, less the exponent ("0.25" has 2,
// "1e-3" 3, "30" and "2.5E+3" none). Blanks around the text are allowed.
int shown_decimals(std::string_view text) {
    const auto mark = text.find_first_of("eE");
    const std::string_view mantissa = text.substr(0, mark);
    int decimals = 0;
    if (const auto point = mantissa.find('.'); point != std::string_view::npos) {
        for (std::size_t i = point + 1;
             i < mantissa.size() && mantissa[i] >= '0' && mantissa[i] <= '9'; ++i) {
            ++decimals;
        }
    }
    if (mark != std::string_view::npos) {
        // The exponent is known to read: the whole text has read as a number.
        int exponent = 0;
        bool negative = false;
        for (const char c : text.substr(mark + 1)) {
            if (c == '-') {
                negative = true;
            } else if (c >= '0' && c <= '9' && exponent < 1000) {
                exponent = exponent * 10 + (c - '0');
            }
        }
        decimals += negative ? exponent : -exponent;
    }
    return std::max(decimals, 0);
}

} // namespace

std::optional<std::string> percent_complement(const std::string& typed) {
    const auto p = numbers::parse_single(typed);
    if (!p) {
        return std::nullopt;
    }
    // Beyond nine decimals a single has no digits left to show; the number text form rounds.
    const int decimals = std::min(shown_decimals(typed), 9);
    const double scale = std::pow(10.0, decimals);
    const double complement = 100.0 - static_cast<double>(*p);
    const double rounded = std::round(complement * scale) / scale;
    if (!std::isfinite(rounded) || !numbers::fits_single(rounded)) {
        return numbers::number_text(complement);
    }
    return numbers::number_text(static_cast<float>(rounded));
}

bool one_keystroke(const std::string& before, const std::string& after) {
    std::size_t head = 0;
    while (head < before.size() && head < after.size() && before[head] == after[head]) {
        ++head;
    }
    std::size_t tail = 0;
    while (tail < before.size() - head && tail < after.size() - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) {
        ++tail;
    }
    // What is left of `after` between the common head and tail is what was put in.
    return after.size() - head - tail <= 1;
}

Message percent_message() {
    return {kProgramTitle,
            "You may have typed some incorrect characters for the percentage - please try again.",
            Icon::None, Buttons::Ok};
}

Message cancel_question() {
    return {"Save Modified Data?",
            std::string("You have changed some data - click Yes to exit without saving the data, "
                        "or No to ") +
                "return to the window to save data permanently with a Save command, or "
                "temporarily by clicking on OK",
            Icon::None, Buttons::YesNo,
            // Yes throws the changes away: Enter must not do that by accident.
            Answer::No};
}

Message saved_path_message(const std::string& path) {
    return {kProgramTitle, path, Icon::None, Buttons::Ok};
}

Message default_saved_message() {
    return {"Default Data Saved", "Data saved in file \"default.miloracar\".", Icon::None,
            Buttons::Ok};
}

double combined_estimate(float city_mpg, float highway_mpg, float city_percent,
                         float highway_percent) {
    const float city_term = (city_percent / 100.0F) / city_mpg;
    const float highway_term = (highway_percent / 100.0F) / highway_mpg;
    const float sum = city_term + highway_term;
    if (!std::isfinite(sum) || !(sum > 0.0F)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const double estimate = 0.86 / static_cast<double>(sum);
    return numbers::round_half_even(estimate * 10.0) / 10.0;
}

void DataSettings::load() {
    fill_from_car();
    modified_ = false;
}

void DataSettings::fill_from_car() {
    for (const BoxInfo& b : kBoxes) {
        change(b.field, field_text(state_.car, b.field));
    }
}

const std::string& DataSettings::text(Field field) const {
    return texts_[at(field)];
}

void DataSettings::change(Field field, const std::string& text) {
    std::string& current = texts_[at(field)];
    if (current == text) {
        return; // the same text is no change
    }
    current = text;
    modified_ = true;
    if (!is_percent(field) || coupling_depth_ >= kMaxCouplingDepth) {
        return;
    }
    ++coupling_depth_;
    couple(field, text);
    --coupling_depth_;
}

void DataSettings::couple(Field field, const std::string& text) {
    const Field other = field == Field::CityPercent ? Field::HighwayPercent : Field::CityPercent;
    if (const auto complement = percent_complement(text)) {
        if (other != typing_) {
            change(other, *complement);
        }
    } else if (!restoring_) {
        // Both boxes go back to the stored values; their own change handling runs as usual, so
        // the restore must not start a second restore of its own.
        restoring_ = true;
        change(Field::CityPercent, state_.car.Global_City_Percent.text());
        change(Field::HighwayPercent, state_.car.Global_Highway_Percent.text());
        restoring_ = false;
        dialogue_.tell(percent_message());
    }
}

void DataSettings::type(Field field, const std::string& text) {
    typing_ = field;
    change(field, text);
    typing_.reset();
}

void DataSettings::edit(Field field, const std::string& text) {
    if (one_keystroke(texts_[at(field)], text)) {
        type(field, text);
    } else {
        change(field, text);
    }
}

std::optional<Message> DataSettings::validate(Field field) const {
    const std::string& t = text(field);
    // The whole text must be a number a single can hold, so that the commit can store it, and the
    // value stored must pass the same range as the text: 1e-50 would be stored as 0.
    const auto value = numbers::parse_single(t);
    const auto in_range = [&](double v) { return v > 0 && (!is_percent(field) || v < 100); };
    const bool ok = value && in_range(numbers::leading_number(t)) && in_range(*value);
    if (ok) {
        return std::nullopt;
    }
    return Message{"Data Error", refusal_text(field), Icon::Warning, Buttons::Ok};
}

std::string DataSettings::refusal_text(Field field) const {
    // A positive number no single can hold: the box's own "greater than zero" would mislead. A
    // percentage keeps its message, which names its upper bound.
    const auto typed = numbers::parse_number(text(field));
    if (!is_percent(field) && typed && *typed > std::numeric_limits<float>::max()) {
        return kTooLargeMessage;
    }
    return box_info(field).message;
}

void DataSettings::refuse(Field field) {
    focus_ = field;
    dialogue_.tell({"Data Error", refusal_text(field), Icon::Warning, Buttons::Ok});
}

bool DataSettings::estimate() {
    constexpr std::array<Field, 4> kInputs = {Field::EpaCity, Field::EpaHighway, Field::CityPercent,
                                              Field::HighwayPercent};
    std::array<float, 4> v{};
    for (std::size_t i = 0; i < kInputs.size(); ++i) {
        const auto value = numbers::parse_single(text(kInputs[i]));
        if (!value) {
            refuse(kInputs[i]);
            return false;
        }
        v[i] = *value;
    }
    // A zero (or negative) EPA figure gives no mean, and one so small that its share overflows
    // ("1e-45") none either; the user fixes that box first.
    for (std::size_t i = 0; i < 2; ++i) {
        if (!(v[i] > 0.0F) || !std::isfinite((v[i + 2] / 100.0F) / v[i])) {
            refuse(kInputs[i]);
            return false;
        }
    }
    const double estimate = combined_estimate(v[0], v[1], v[2], v[3]);
    if (!std::isfinite(estimate)) {
        refuse(Field::CityPercent);
        return false;
    }
    for (std::size_t i = 0; i < kInputs.size(); ++i) {
        store(state_.car, kInputs[i], v[i]);
    }
    change(Field::CombinedMpg, numbers::number_text(estimate));
    return true;
}

bool DataSettings::commit() {
    std::array<float, kFieldCount> values{};
    for (const BoxInfo& b : kBoxes) {
        const auto v = numbers::parse_single(text(b.field));
        if (!v) {
            refuse(b.field);
            return false;
        }
        values[at(b.field)] = *v;
    }
    for (const BoxInfo& b : kBoxes) {
        store(state_.car, b.field, values[at(b.field)]);
    }
    return true;
}

bool DataSettings::cancel() {
    return !modified_ || dialogue_.ask(cancel_question()) == Answer::Yes;
}

bool DataSettings::save_to(const std::string& path) {
    dialogue_.tell(saved_path_message(path));
    const Status written = write_car_data(path, state_.car);
    if (!written) {
        dialogue_.tell(failure(save_failed_message(path, written.reason())));
        return false;
    }
    state_.Car_Data_Filename = path;
    return true;
}

bool DataSettings::save_as_default(const std::string& default_path) {
    const Status written = write_car_data(default_path, state_.car);
    if (!written) {
        dialogue_.tell(failure(save_failed_message(default_path, written.reason())));
        return false;
    }
    state_.Car_Data_Filename = kDefaultFileName;
    dialogue_.tell(default_saved_message());
    return true;
}

bool DataSettings::load_from(const std::string& path) {
    const Status read = read_strict(path, state_.car);
    if (!read) {
        dialogue_.tell(failure(read.reason()));
        return false;
    }
    state_.Car_Data_Filename = path;
    fill_from_car();
    return true;
}

std::optional<Field> DataSettings::take_focus_request() {
    auto taken = focus_;
    focus_.reset();
    return taken;
}

} // namespace milora::cardata
