// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "cli/mileage_cli.h"

#include "base/car_data.h"
#include "base/shown_text.h"
#include "cardata/car_data_file.h"
#include "cli/calc_cli.h"
#include "cli/measured_cli.h"
#include "mileage/entry_list.h"
#include "mileage/fuel_import.h"
#include "mileage/import_preview.h"
#include "mileage/mileage_file.h"
#include "mileage/plot.h"
#include "mileage/summary.h"
#include "numbers/number_text.h"

#include <cmath>
#include <functional>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <string_view>

namespace milora::cli {
namespace {

using Json = nlohmann::ordered_json;
using mileage::MileageLog;

// A single as JSON: the number its text form shows (27.27273, not 27.272729873657227).
Json number(float v) {
    return Json(std::stod(numbers::number_text(v)));
}

std::string lf_lines(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;
        }
        out += text[i];
    }
    return out;
}

struct PlotResult {
    mileage::PlotRange range;
    mileage::PlotLabels labels;
    std::optional<mileage::EpaReference> epa;
};

Json messages_json(const std::vector<Message>& messages) {
    Json m = Json::array();
    for (const auto& msg : messages) {
        m.push_back(Json{{"title", msg.title},
                         {"text", msg.text},
                         {"icon", icon_name(msg.icon)},
                         {"buttons", buttons_name(msg.buttons)}});
    }
    return m;
}

Json entry_json(const MileageLog& log, MileageLog::Index i) {
    const mileage::Fillup& f = log.entry(i);
    const bool first = i == 1;
    return Json{{"date", f.Fillup_Date},
                {"odometer", number(f.Fillup_Odometer)},
                {"gallons", number(f.Fillup_Gallons)},
                {"tank_mpg", first ? Json(nullptr) : number(f.Tank_MPG)},
                {"overall_mpg", first ? Json(nullptr) : number(f.Overall_MPG)},
                {"five_tank_mpg", first ? Json(nullptr) : number(f.Five_Tank_MPG)}};
}

std::string dumped(const Json& j) {
    return j.dump(2, ' ', false, Json::error_handler_t::replace);
}

// `text` with every line after the first moved `indent` columns right.
void put_indented(std::ostream& out, const std::string& text, std::string_view indent) {
    std::size_t start = 0;
    for (std::size_t nl = text.find('\n'); nl != std::string::npos; nl = text.find('\n', start)) {
        out << std::string_view(text).substr(start, nl + 1 - start) << indent;
        start = nl + 1;
    }
    out << std::string_view(text).substr(start);
}

// The JSON report written as it goes, exactly as a whole document dumped with an indent of 2
// would be: the entries and the list of a long log are never held as one document.
class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out) : out_(out) { out_ << '{'; }
    ~JsonWriter() { out_ << "\n}\n"; }
    JsonWriter(const JsonWriter&) = delete;
    JsonWriter& operator=(const JsonWriter&) = delete;

    void member(std::string_view key, const Json& value) {
        start(key);
        put_indented(out_, dumped(value), "  ");
    }

    void entries(const MileageLog& log) {
        start("entries");
        if (log.empty()) {
            out_ << "[]";
            return;
        }
        out_ << '[';
        for (MileageLog::Index i = 1; i <= log.fillup_count(); ++i) {
            out_ << (i == 1 ? "\n    " : ",\n    ");
            put_indented(out_, dumped(entry_json(log, i)), "    ");
        }
        out_ << "\n  ]";
    }

    void list(const MileageLog& log, mileage::Units units) {
        start("list");
        out_ << '"';
        for (MileageLog::Index i = 1; i <= log.fillup_count(); ++i) {
            const std::string piece = dumped(Json(mileage::entry_line_addition(log, i, units)));
            out_ << std::string_view(piece).substr(1, piece.size() - 2);
        }
        out_ << '"';
    }

private:
    void start(std::string_view key) {
        out_ << (first_ ? "\n  " : ",\n  ") << dumped(Json(std::string(key))) << ": ";
        first_ = false;
    }

    std::ostream& out_;
    bool first_ = true;
};

Json import_json(const mileage::ImportReport& r, const MileageLog& log) {
    Json skipped = Json::array();
    for (const mileage::SkippedRow& s : r.skipped) {
        skipped.push_back(Json{{"line", s.line}, {"reason", s.reason}});
    }
    Json vehicles = Json::array();
    for (const mileage::VehicleRows& v : r.vehicles) {
        vehicles.push_back(Json{{"name", v.name},
                                {"rows", v.rows},
                                {"first", v.first.empty() ? Json(nullptr) : Json(v.first)},
                                {"last", v.last.empty() ? Json(nullptr) : Json(v.last)}});
    }
    Json readings = Json::array();
    for (const mileage::UnitReading& u : mileage::unit_readings(r, log)) {
        readings.push_back(Json{{"distance_unit", mileage::unit_name(u.distance)},
                                {"volume_unit", mileage::unit_name(u.volume)},
                                {"average_mpg", std::round(u.mpg * 10) / 10}});
    }
    return Json{{"format", mileage::format_name(r.format)},
                {"distance_unit", mileage::unit_name(r.distance)},
                {"distance_unit_from", mileage::source_name(r.distance_from)},
                {"volume_unit", mileage::unit_name(r.volume)},
                {"volume_unit_from", mileage::source_name(r.volume_from)},
                {"unit_readings", readings},
                {"date_order", mileage::order_name(r.dates)},
                {"date_order_from", mileage::source_name(r.dates_from)},
                {"rows", r.rows},
                {"merged_partial", r.merged_partial},
                {"missed", r.missed},
                {"skipped_rows", r.skipped_rows},
                {"skipped", skipped},
                {"unreliable_tank_mpg", r.unreliable},
                {"skipped_fuel_estimated", r.skipped_estimated},
                {"skipped_fuel_estimated_miles", std::round(r.skipped_estimated_miles * 10) / 10},
                {"vehicles", vehicles},
                {"vehicle", r.vehicle.empty() ? Json(nullptr) : Json(r.vehicle)}};
}

// What a run found, for the two ways of printing it.
struct MileageRun {
    mileage::Units units = mileage::Units::UsMpg;
    bool units_named = false; // --units given: the JSON says which
    MileageLog log;
    mileage::LogRead read;
    std::optional<Message> read_error;
    std::optional<std::string> summary;
    std::optional<PlotResult> plot;
    std::vector<Message> messages;
    std::optional<mileage::Measurement> measured; // --measured
};

void compute(const MileageOptions& o, const CarData& car, MileageRun& run,
             const std::function<void(const Message&)>& show) {
    if (o.summary) {
        run.summary = mileage::summary_text(run.log, run.units);
        if (!run.summary) {
            show(mileage::summary_needs_two());
        }
    }
    if (o.plot) {
        if (run.log.fillup_count() >= mileage::kPlotMinimumEntries) {
            PlotResult p;
            p.range = mileage::plot_range(run.log);
            p.labels = mileage::plot_labels(run.log, p.range);
            p.epa = mileage::epa_reference(car.Global_EPA_City_MPG, car.Global_EPA_Highway_MPG);
            run.plot = p;
        } else {
            show(mileage::plot_needs_three());
        }
    }
}

Json plot_json(const std::optional<PlotResult>& plot) {
    if (!plot) {
        return nullptr;
    }
    return Json{{"lo", plot->range.lo},
                {"hi", plot->range.hi},
                {"lblMin", plot->labels.lblMin},
                {"lblMid", plot->labels.lblMid},
                {"lblMax", plot->labels.lblMax},
                {"lblDateMin", plot->labels.lblDateMin},
                {"lblDateMax", plot->labels.lblDateMax},
                {"U", plot->epa ? number(plot->epa->U) : Json(nullptr)},
                {"K", plot->epa ? number(plot->epa->K) : Json(nullptr)}};
}

Json read_error_json(const MileageRun& run) {
    if (!run.read.understood) {
        return Json{{"line", 1}, {"entries", 0}, {"message", run.read_error->text}};
    }
    if (!run.read.failure.empty()) {
        return Json{{"line", nullptr}, {"entries", 0}, {"message", run.read_error->text}};
    }
    if (run.read.milora.stop) {
        return Json{{"line", run.read.milora.stop->line},
                    {"entries", run.read.milora.entries},
                    {"message", run.read_error->text}};
    }
    return nullptr;
}

void write_json(const MileageRun& run, std::ostream& out) {
    JsonWriter j(out);
    j.entries(run.log);
    j.list(run.log, run.units);
    if (run.units_named) {
        // The list and the summary are in these units; the entries stay in miles and US gallons.
        const mileage::UnitsDesc& u = mileage::describe(run.units);
        j.member("units", Json{{"name", u.key},
                               {"distance", u.distance},
                               {"volume", u.volume},
                               {"economy", u.economy}});
    }
    j.member("summary", run.summary ? Json(*run.summary) : Json(nullptr));
    j.member("plot", plot_json(run.plot));
    j.member("messages", messages_json(run.messages));
    j.member("read_error", read_error_json(run));
    j.member("import", run.read.understood ? import_json(run.read.report, run.log) : Json(nullptr));
    if (run.measured) {
        Json measured;
        add_measured_json(*run.measured, measured);
        for (const auto& [key, value] : measured.items()) {
            j.member(key, value);
        }
    }
}

void write_text(const MileageRun& run, std::ostream& out) {
    // Line by line: the list of a long log is never held whole.
    for (MileageLog::Index i = 1; i <= run.log.fillup_count(); ++i) {
        out << '\n' << safe_text(mileage::entry_line(run.log, i, run.units));
    }
    out << '\n';
    // What the import made of the file where it changed a figure the file gives.
    if (run.read.understood) {
        const std::string notes = mileage::skipped_fuel_text(run.read.report) +
                                  mileage::assumed_units_text(run.read.report, run.log);
        if (!notes.empty()) {
            out << '\n' << safe_text(notes);
        }
    }
    if (run.summary) {
        out << '\n' << safe_text(lf_lines(*run.summary));
    }
    if (const auto& plot = run.plot) {
        out << '\n'
            << "lo: " << numbers::number_text(plot->range.lo) << '\n'
            << "hi: " << numbers::number_text(plot->range.hi) << '\n'
            << "lblMin: " << plot->labels.lblMin << '\n'
            << "lblMid: " << plot->labels.lblMid << '\n'
            << "lblMax: " << plot->labels.lblMax << '\n'
            << "lblDateMin: " << safe_text(plot->labels.lblDateMin) << '\n'
            << "lblDateMax: " << safe_text(plot->labels.lblDateMax) << '\n';
        if (plot->epa) {
            out << "U: " << numbers::number_text(plot->epa->U) << '\n'
                << "K: " << numbers::number_text(plot->epa->K) << '\n';
        } else {
            out << "U: none (the EPA figures give no combined MPG)\nK: none\n";
        }
    }
    if (run.measured) {
        print_measured(*run.measured, out);
    }
}

void write_cannot_open(const std::vector<Message>& messages, std::ostream& out) {
    Json j;
    j["entries"] = Json::array();
    j["list"] = "";
    j["summary"] = nullptr;
    j["plot"] = nullptr;
    j["messages"] = messages_json(messages);
    j["read_error"] = Json{{"line", nullptr}, {"entries", 0}, {"message", messages.back().text}};
    j["import"] = nullptr;
    out << j.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
}

} // namespace

int run_mileage(const MileageOptions& o, std::ostream& out, std::ostream& err) {
    CarData car;
    if (!o.car_file.empty()) {
        if (const Status read = cardata::read_tolerant(o.car_file, car); !read) {
            err << "cannot read the car data file " << safe_text(o.car_file) << ": "
                << safe_text(read.reason()) << '\n';
            return kExitFault;
        }
    }
    MileageRun run;
    run.units = o.units.value_or(mileage::Units::UsMpg);
    run.units_named = o.units.has_value();
    auto show = [&](const Message& m) {
        err << safe_text(m.title + ": " + m.text) << '\n';
        run.messages.push_back(m);
    };
    const auto contents = mileage::read_mileage_contents(o.file);
    if (!contents) {
        show(mileage::cannot_open_message(o.file, contents.reason()));
        if (o.json) {
            write_cannot_open(run.messages, out);
        }
        return kExitFault;
    }
    run.read = mileage::read_log_text(*contents, run.log, o.choices);
    if (!run.read.understood) {
        run.read_error = mileage::not_understood_message(o.file);
    } else if (!run.read.failure.empty()) {
        run.read_error = mileage::import_failed_message(o.file, run.read);
    } else if (run.read.milora.stop) {
        run.read_error = mileage::read_stopped_message(o.file, run.read.milora);
    }
    if (run.read.understood && run.read.milora.skipped_lines > 0) {
        show(mileage::lines_skipped_message(o.file, run.read.milora));
    }
    if (run.read_error) {
        show(*run.read_error);
    }
    compute(o, car, run, show);
    if (o.measured) {
        run.measured = measure_option(run.read, run.log, o.file, !run.read_error, show);
    }
    if (o.json) {
        write_json(run, out);
    } else {
        write_text(run, out);
    }
    return run.read_error ? kExitFault : kExitOk;
}

} // namespace milora::cli
