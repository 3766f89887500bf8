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
#include "mileage/mileage_file.h"
#include "mileage/plot.h"
#include "mileage/summary.h"
#include "numbers/number_text.h"

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

Json entries_json(const MileageLog& log) {
    Json entries = Json::array();
    for (MileageLog::Index i = 1; i <= log.fillup_count(); ++i) {
        const mileage::Fillup& f = log.entry(i);
        const bool first = i == 1;
        entries.push_back(Json{{"date", f.Fillup_Date},
                               {"odometer", number(f.Fillup_Odometer)},
                               {"gallons", number(f.Fillup_Gallons)},
                               {"tank_mpg", first ? Json(nullptr) : number(f.Tank_MPG)},
                               {"overall_mpg", first ? Json(nullptr) : number(f.Overall_MPG)},
                               {"five_tank_mpg", first ? Json(nullptr) : number(f.Five_Tank_MPG)}});
    }
    return entries;
}

Json import_json(const mileage::ImportReport& r) {
    Json skipped = Json::array();
    for (const mileage::SkippedRow& s : r.skipped) {
        skipped.push_back(Json{{"line", s.line}, {"reason", s.reason}});
    }
    return Json{{"format", mileage::format_name(r.format)},
                {"distance_unit", mileage::unit_name(r.distance)},
                {"volume_unit", mileage::unit_name(r.volume)},
                {"rows", r.rows},
                {"merged_partial", r.merged_partial},
                {"missed", r.missed},
                {"skipped", skipped},
                {"unreliable_tank_mpg", r.unreliable}};
}

} // namespace

int run_mileage(const MileageOptions& o, std::ostream& out, std::ostream& err) {
    if (o.file.empty()) {
        err << "mileage needs a file name\n" << usage();
        return kExitUsage;
    }
    CarData car;
    if (!o.car_file.empty() && !cardata::read_tolerant(o.car_file, car)) {
        err << "cannot read the car data file " << safe_text(o.car_file) << '\n';
        return kExitFault;
    }

    std::vector<Message> messages;
    auto show = [&](const Message& m) {
        err << safe_text(m.title + ": " + m.text) << '\n';
        messages.push_back(m);
    };
    std::string why;
    const auto contents = mileage::read_mileage_contents(o.file, &why);
    if (!contents) {
        show(mileage::cannot_open_message(o.file, why));
        if (o.json) {
            Json j;
            j["entries"] = Json::array();
            j["list"] = "";
            j["summary"] = nullptr;
            j["plot"] = nullptr;
            j["messages"] = messages_json(messages);
            j["read_error"] =
                Json{{"line", nullptr}, {"entries", 0}, {"message", messages.back().text}};
            j["import"] = nullptr;
            out << j.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
        }
        return kExitFault;
    }
    MileageLog log;
    const mileage::LogRead read = mileage::read_log_text(*contents, log, o.from);
    const mileage::Units units = o.units.value_or(mileage::Units::UsMpg);
    std::optional<Message> read_error;
    if (!read.understood) {
        read_error = mileage::not_understood_message(o.file);
    } else if (read.milora.stop) {
        read_error = mileage::read_stopped_message(o.file, read.milora);
    }
    if (read_error) {
        show(*read_error);
    }

    std::optional<std::string> summary;
    if (o.summary) {
        summary = mileage::summary_text(log, units);
        if (!summary) {
            show(mileage::summary_needs_two());
        }
    }
    std::optional<PlotResult> plot;
    if (o.plot) {
        if (log.fillup_count() >= mileage::kPlotMinimumEntries) {
            PlotResult p;
            p.range = mileage::plot_range(log);
            p.labels = mileage::plot_labels(log, p.range);
            p.epa = mileage::epa_reference(car.Global_EPA_City_MPG, car.Global_EPA_Highway_MPG);
            plot = p;
        } else {
            show(mileage::plot_needs_three());
        }
    }

    const auto measured = o.measured ? measure_option(read, log, o.file, !read_error, show)
                                     : std::optional<mileage::Measurement>();

    if (o.json) {
        Json j;
        j["entries"] = entries_json(log);
        j["list"] = mileage::list_text(log, units);
        if (o.units) {
            // The list and the summary are in these units; the entries stay in miles and US
            // gallons.
            const mileage::UnitsDesc& u = mileage::describe(units);
            j["units"] = Json{{"name", u.key},
                              {"distance", u.distance},
                              {"volume", u.volume},
                              {"economy", u.economy}};
        }
        j["summary"] = summary ? Json(*summary) : Json(nullptr);
        if (plot) {
            j["plot"] = Json{{"lo", plot->range.lo},
                             {"hi", plot->range.hi},
                             {"lblMin", plot->labels.lblMin},
                             {"lblMid", plot->labels.lblMid},
                             {"lblMax", plot->labels.lblMax},
                             {"lblDateMin", plot->labels.lblDateMin},
                             {"lblDateMax", plot->labels.lblDateMax},
                             {"U", plot->epa ? number(plot->epa->U) : Json(nullptr)},
                             {"K", plot->epa ? number(plot->epa->K) : Json(nullptr)}};
        } else {
            j["plot"] = nullptr;
        }
        j["messages"] = messages_json(messages);
        if (!read.understood) {
            j["read_error"] = Json{{"line", 1}, {"entries", 0}, {"message", read_error->text}};
        } else if (read.milora.stop) {
            j["read_error"] = Json{{"line", read.milora.stop->line},
                                   {"entries", read.milora.entries},
                                   {"message", read_error->text}};
        } else {
            j["read_error"] = nullptr;
        }
        j["import"] = read.understood ? import_json(read.report) : Json(nullptr);
        if (measured) {
            add_measured_json(*measured, j);
        }
        out << j.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
    } else {
        // Line by line: the list of a long log is never held whole.
        for (MileageLog::Index i = 1; i <= log.fillup_count(); ++i) {
            out << '\n' << safe_text(mileage::entry_line(log, i, units));
        }
        out << '\n';
        if (summary) {
            out << '\n' << safe_text(lf_lines(*summary));
        }
        if (plot) {
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
        if (measured) {
            print_measured(*measured, out);
        }
    }
    return read_error ? kExitFault : kExitOk;
}

} // namespace milora::cli
