// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "mileage/entry_rules.h"

#include "base/constants.h"
#include "numbers/number_reading.h"
#include "numbers/number_text.h"
#include "numbers/precision.h"

namespace milora::mileage {

namespace messages {

// The questions exist to catch slips, so Enter answers No: the entry is not stored and the boxes
// keep what was typed, to be corrected.

Message odometer_invalid() {
    return {"Data Error", "Please enter a valid number for your odometer reading.", Icon::Warning,
            Buttons::Ok};
}

Message odometer_not_above() {
    return {"Odometer Reading Error", "Odometer reading less than previous value.", Icon::Warning,
            Buttons::Ok};
}

Message gallons_invalid() {
    return {"Data Error",
            "Please enter a valid number for gallons of gas purchased, greater than zero.",
            Icon::Warning, Buttons::Ok};
}

Message far_above_average() {
    return {"Is Your Data Correct?",
            "According to the data you entered, your MPG is more than 50% greater than your "
            "overall average MPG. Are you sure your numbers are right, or that you haven't missed "
            "entering a previous gas purchase? Click Yes to accept this data; click No to correct "
            "it, or to choose the missing gas purchase data option.",
            Icon::None, Buttons::YesNo, Answer::No};
}

Message far_below_average() {
    return {"Is Your Data Correct?",
            "According to the data you entered, your MPG is 25% or more lower than your overall "
            "average MPG. Are you sure your numbers are right? If the numbers are correct, click "
            "Yes to record this data, but keep an eye on your fuel consumption. A sudden and "
            "persistent 25% drop in MPG might be an indication that there's something wrong with "
            "your car, or your driving. If the numbers are wrong, click No to correct them.",
            Icon::None, Buttons::YesNo, Answer::No};
}

Message missing_needs_two() {
    return {kProgramTitle,
            "You need to have at least two consecutive sets of gas purchase info entered before "
            "you can use this option. If you didn't click this entry option by mistake, you'll "
            "have to start recording your gas purchases again.",
            Icon::None, Buttons::Ok};
}

Message missing_confirm() {
    return {"Is This The Right Option?",
            "You've selected the data entry option that's only appropriate if you've missed "
            "entering the data from one or more earlier fillups. Is this what you want to do?",
            Icon::None, Buttons::YesNo, Answer::No};
}

Message no_meaningful_result() {
    return {kProgramTitle, kFaultMessage, Icon::Warning, Buttons::Ok};
}

Message date_invalid(const std::string& example) {
    return {"Data Error",
            "Please enter a valid date for the gas purchase: a day, month and year that exist, "
            "such as " +
                example + ".",
            Icon::Warning, Buttons::Ok};
}

Message date_in_future(const std::string& date) {
    return {"Is Your Data Correct?",
            "The purchase date you entered, " + date +
                ", is later than today. Click Yes to record it anyway; click No to correct it.",
            Icon::None, Buttons::YesNo, Answer::No};
}

Message date_before_previous(const std::string& date, const std::string& previous) {
    return {"Is Your Data Correct?",
            "The purchase date you entered, " + date +
                ", is earlier than the date of your previous gas purchase, " + previous +
                ". Click Yes to record it anyway; click No to correct it.",
            Icon::None, Buttons::YesNo, Answer::No};
}

} // namespace messages

EntryDate EntryDate::typed(std::optional<CivilDate> value, std::string stored, CivilDate today,
                           DateOrder order, std::string example) {
    EntryDate d(std::move(stored));
    d.checked = true;
    d.value = value;
    d.today = today;
    d.order = order;
    d.example = std::move(example);
    return d;
}

namespace {

// A typed text that is no date is refused before anything else is looked at.
bool date_refused(const EntryDate& date, Dialogue& dialogue, EntryOutcome& outcome) {
    if (!date.checked || date.value) {
        return false;
    }
    dialogue.tell(messages::date_invalid(date.example));
    outcome.focus = EntryBox::Date;
    return true;
}

// The questions about a typed date, once the boxes have passed their checks: false when the
// user chose to correct it.
bool date_confirmed(const MileageLog& log, const EntryDate& date, Dialogue& dialogue,
                    EntryOutcome& outcome) {
    if (!date.checked || !date.value) {
        return true;
    }
    bool ok = true;
    if (day_number(*date.value) > day_number(date.today) + 1) {
        ok = dialogue.ask(messages::date_in_future(date.text)) == Answer::Yes;
    } else if (!log.empty()) {
        const std::string previous = log.last().Fillup_Date;
        const auto before = read_typed_date(previous, date.order);
        if (before && *date.value < *before) {
            ok = dialogue.ask(messages::date_before_previous(date.text, previous)) == Answer::Yes;
        }
    }
    if (!ok) {
        outcome.focus = EntryBox::Date;
    }
    return ok;
}

// A box text read as Calculate reads a calculator box: the whole text is the number, thousands
// separators in groups of three included ("12,345" is 12345, "12,34" no number). It must lie within
// a single's range and be above zero, also once stored as a single: "1e-50" would be stored as 0.
std::optional<float> read_entry_box(const std::string& text) {
    const auto value = numbers::parse_single(text);
    if (!value || !(*value > 0)) {
        return std::nullopt;
    }
    return value;
}

struct Checked {
    float odometer = 0;
    float gallons = 0;
};

// The checks shared by both add operations.
std::optional<Checked> check_boxes(const MileageLog& log, const std::string& miles,
                                   const std::string& gallons, Dialogue& dialogue,
                                   EntryOutcome& outcome, Units units) {
    auto o = read_entry_box(miles);
    if (o && units != Units::UsMpg) {
        o = read_entry_box(numbers::number_text(miles_from(units, *o)));
    }
    if (!o) {
        dialogue.tell(messages::odometer_invalid());
        outcome.focus = EntryBox::Miles;
        return std::nullopt;
    }
    if (!log.empty() && !(*o > log.last().Fillup_Odometer)) {
        dialogue.tell(messages::odometer_not_above());
        outcome.focus = EntryBox::Miles;
        return std::nullopt;
    }
    auto g = read_entry_box(gallons);
    if (g && units != Units::UsMpg) {
        g = read_entry_box(numbers::number_text(gallons_from(units, *g)));
    }
    if (!g) {
        dialogue.tell(messages::gallons_invalid());
        outcome.focus = EntryBox::Gallons;
        return std::nullopt;
    }
    return Checked{*o, *g};
}

} // namespace

EntryOutcome add_entry(MileageLog& log, const EntryDate& date, const std::string& miles,
                       const std::string& gallons, Dialogue& dialogue, Units units) {
    EntryOutcome outcome;
    const MileageLog::Index n = log.fillup_count();
    try {
        const float a = n > 1 ? numbers::checked(log.overall_average()) : 0.0F;
        if (date_refused(date, dialogue, outcome)) {
            return outcome;
        }
        const auto c = check_boxes(log, miles, gallons, dialogue, outcome, units);
        if (!c || !date_confirmed(log, date, dialogue, outcome)) {
            return outcome;
        }
        if (n > 1) {
            const float t =
                numbers::checked((c->odometer - log.last().Fillup_Odometer) / c->gallons);
            if (t > numbers::single(double{a} * 1.5) &&
                dialogue.ask(messages::far_above_average()) != Answer::Yes) {
                return outcome;
            }
            if (numbers::single(double{a} * 0.75) > t &&
                dialogue.ask(messages::far_below_average()) != Answer::Yes) {
                return outcome;
            }
        }
        log.append(date.text, c->odometer, c->gallons);
    } catch (const numbers::FloatFault&) {
        dialogue.tell(messages::no_meaningful_result());
        return outcome;
    }
    outcome.added = true;
    return outcome;
}

EntryOutcome add_with_missing(MileageLog& log, const EntryDate& date, const std::string& miles,
                              const std::string& gallons, Dialogue& dialogue, Units units) {
    EntryOutcome outcome;
    if (log.fillup_count() < 2) {
        dialogue.tell(messages::missing_needs_two());
        return outcome;
    }
    if (dialogue.ask(messages::missing_confirm()) != Answer::Yes) {
        return outcome;
    }
    try {
        const float a = numbers::checked(log.overall_average());
        if (date_refused(date, dialogue, outcome)) {
            return outcome;
        }
        const auto c = check_boxes(log, miles, gallons, dialogue, outcome, units);
        if (!c || !date_confirmed(log, date, dialogue, outcome)) {
            return outcome;
        }
        const float estimate = numbers::checked((c->odometer - log.last().Fillup_Odometer) / a);
        if (!(estimate > 0)) {
            throw numbers::FloatFault(); // a log whose average is not above zero
        }
        log.append(date.text, c->odometer, estimate);
    } catch (const numbers::FloatFault&) {
        dialogue.tell(messages::no_meaningful_result());
        return outcome;
    }
    outcome.added = true;
    return outcome;
}

} // namespace milora::mileage
