// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "cli/options.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <memory>
#include <ostream>
#include <sstream>

namespace milora::cli {
namespace {

constexpr const char* kForms =
    "Usage:\n"
    "  milora-calc --list\n"
    "  milora-calc WINDOW [--car FILE] [--log FILE] [--json] [--no-calculate]\n"
    "                     [NAME=VALUE]...\n"
    "  milora-calc mileage FILE [--from FORMAT] [--car FILE] [--summary] [--plot] [--json]\n"
    "                           [--dates ORDER] [--vehicle NAME] [--distance UNIT]\n"
    "                           [--volume UNIT] [--units UNITS] [--measured]\n"
    "  milora-calc --help | --version\n"
    "\n"
    "WINDOW opens a calculator as its window does, from the built-in car data or from the\n"
    "car data FILE. NAME=VALUE sets a box and checks it as leaving the box does, or clicks\n"
    "option VALUE of an option group; then Calculate runs once unless --no-calculate.\n"
    "Message boxes go to standard error as TITLE: TEXT.\n"
    "\n"
    "mileage FILE reads a mileage or CSV file, or another fuel-log app's export, as the\n"
    "tracker's Open does and prints its list; --summary adds the summary, --plot the\n"
    "plot's range, labels and EPA values; --measured the combined MPG and yearly miles\n"
    "measured from the fill-ups of the log's last year.\n";

constexpr const char* kExamplesAndStatus =
    "Examples:\n"
    "  milora-calc B01_HowMuchDoYouSpendOnGas txtGas_Cost=3.49\n"
    "  milora-calc E02_Gas_And_Time_Cost optBaseSpeed=4 --json\n"
    "  milora-calc mileage my-car.miloragas --summary\n"
    "\n"
    "Exit status: 0 done, 2 usage, 3 a box refused its text, 4 a calculation fault or an\n"
    "unreadable file (also a file in none of the layouts, or a mileage file whose reading\n"
    "stopped before its end).\n";

// The names --from takes: "auto", then every layout the import reads.
std::vector<std::string> format_names() {
    std::vector<std::string> names{"auto"};
    for (auto f = static_cast<int>(mileage::ImportFormat::Milora);
         f <= static_cast<int>(mileage::ImportFormat::Generic); ++f) {
        names.emplace_back(mileage::format_name(static_cast<mileage::ImportFormat>(f)));
    }
    return names;
}

std::string joined(const std::vector<std::string>& names) {
    std::string out;
    for (std::size_t i = 0; i < names.size(); ++i) {
        out += i == 0 ? "" : (i + 1 == names.size() ? " or " : ", ");
        out += names[i];
    }
    return out;
}

// Where the parser puts what it reads, before it becomes a CommandLine.
struct Targets {
    bool list = false;
    bool version = false;
    std::vector<std::string> window_args; // WINDOW, then NAME=VALUE...
    std::string from = "auto";
    std::string dates;
    std::string distance;
    std::string volume;
    std::string units;
    CommandLine line;
};

std::unique_ptr<CLI::App> make_parser(Targets& t) {
    auto app = std::make_unique<CLI::App>("", "milora-calc");
    app->set_help_flag("--help,-h", "this text");
    app->add_flag("--version", t.version, "the version and the program date");
    app->add_flag("--list", t.list, "the window names and captions of all calculators");
    WindowOptions& w = t.line.window;
    app->add_option("--car", w.car_file, "start from the car data in FILE (*.miloracar)")
        ->option_text("FILE");
    app->add_option("--log", w.log_file,
                    "use the combined MPG and yearly miles measured from the mileage log FILE "
                    "instead of the car data's")
        ->option_text("FILE");
    app->add_flag("--json", w.json, "print the whole result as JSON");
    app->add_flag("--no-calculate{false}", w.calculate, "do not click Calculate");
    app->add_option("WINDOW", t.window_args, "a window name, then NAME=VALUE...");

    CLI::App* m = app->add_subcommand("mileage", "read a mileage file or another app's export");
    MileageOptions& mo = t.line.mileage;
    m->set_help_flag("--help,-h", "this text");
    m->add_option("FILE", mo.file, "the file to read")->required();
    const std::vector<std::string> formats = format_names();
    m->add_option("--from", t.from,
                  "the file's layout: " + joined(formats) + " (auto tells it from the contents)")
        ->option_text("FORMAT")
        ->check(CLI::IsMember(formats));
    m->add_option("--dates", t.dates,
                  "the order of day and month when the file leaves it open: mdy, dmy or ymd")
        ->option_text("ORDER")
        ->check(CLI::IsMember({"mdy", "dmy", "ymd"}));
    m->add_option("--vehicle", mo.choices.vehicle,
                  "read the fill-ups of this vehicle from a file that holds several")
        ->option_text("NAME");
    m->add_option("--distance", t.distance,
                  "the unit of the file's odometer, whatever its headings say: mi or km")
        ->option_text("UNIT")
        ->check(CLI::IsMember({"mi", "km"}));
    m->add_option("--volume", t.volume,
                  "the unit of the file's fuel, whatever its headings say: gal (US gallons), l "
                  "or imp (imperial gallons)")
        ->option_text("UNIT")
        ->check(CLI::IsMember({"gal", "l", "imp"}));
    std::vector<std::string> unit_keys;
    for (const mileage::UnitsDesc& u : mileage::all_units()) {
        unit_keys.emplace_back(u.key);
    }
    m->add_option("--units", t.units,
                  "the units of the list and summary: " + joined(unit_keys) +
                      " (us: miles and US gallons, uk: imperial gallons, l100km and kml: km and "
                      "litres)")
        ->option_text("UNITS")
        ->check(CLI::IsMember(unit_keys));
    m->add_option("--car", mo.car_file, "the car data for the plot's EPA values")
        ->option_text("FILE");
    m->add_flag("--summary", mo.summary, "add the summary text");
    m->add_flag("--plot", mo.plot, "add the plot's range, axis labels and EPA values");
    m->add_flag("--json", mo.json, "print all of it as JSON");
    m->add_flag("--measured", mo.measured,
                "add the combined MPG and yearly miles measured from the last year's fill-ups");
    return app;
}

// "  --car FILE      description", the descriptions lined up and wrapped at 79 columns.
void describe_options(const CLI::App& app, std::ostringstream& out) {
    std::vector<std::pair<std::string, std::string>> rows;
    for (const CLI::Option* o : app.get_options()) {
        if (!o->nonpositional()) {
            continue;
        }
        // The long form alone ("--help", not "-h,--help"; "--no-calculate", not its default).
        std::string name = "--" + o->get_lnames().front();
        if (!o->get_option_text().empty()) {
            name += ' ' + o->get_option_text();
        }
        rows.emplace_back(name, o->get_description());
    }
    std::size_t width = 0;
    for (const auto& r : rows) {
        width = std::max(width, r.first.size());
    }
    for (const auto& [name, text] : rows) {
        std::string line = "  " + name + std::string(width - name.size() + 2, ' ');
        const std::size_t indent = line.size();
        std::istringstream words(text);
        std::string word;
        bool first = true;
        while (words >> word) {
            if (!first && line.size() + 1 + word.size() > 79) {
                out << line << '\n';
                line = std::string(indent, ' ');
                first = true;
            }
            line += (first ? "" : " ") + word;
            first = false;
        }
        out << line << '\n';
    }
}

std::optional<CommandLine> usage_error(const std::string& what, std::ostream& err) {
    err << "milora-calc: " << what << "\nmilora-calc --help lists the commands and options.\n";
    return std::nullopt;
}

std::optional<CommandLine> finish(Targets& t, bool mileage, std::ostream& err) {
    CommandLine& line = t.line;
    if (t.version) {
        line.command = CommandLine::Command::Version;
    } else if (t.list) {
        line.command = CommandLine::Command::List;
    } else if (mileage) {
        line.command = CommandLine::Command::Mileage;
        if (t.from != "auto") {
            line.mileage.choices.from = mileage::format_named(t.from);
        }
        if (!t.dates.empty()) {
            line.mileage.choices.dates = mileage::order_named(t.dates);
        }
        if (!t.distance.empty()) {
            line.mileage.choices.distance = mileage::distance_named(t.distance);
        }
        if (!t.volume.empty()) {
            line.mileage.choices.volume = mileage::volume_named(t.volume);
        }
        if (!t.units.empty()) {
            line.mileage.units = mileage::units_named(t.units);
        }
    } else if (t.window_args.empty()) {
        return usage_error("a window name or mileage FILE is needed", err);
    } else {
        line.command = CommandLine::Command::Window;
        line.window.window = t.window_args.front();
        for (std::size_t i = 1; i < t.window_args.size(); ++i) {
            const std::string& a = t.window_args[i];
            const auto eq = a.find('=');
            if (eq == std::string::npos || eq == 0) {
                return usage_error("unknown argument: " + a, err);
            }
            line.window.assignments.emplace_back(a.substr(0, eq), a.substr(eq + 1));
        }
    }
    return line;
}

} // namespace

std::optional<CommandLine> read_command_line(const std::vector<std::string>& args,
                                             std::ostream& err) {
    if (args.empty()) {
        err << usage();
        return std::nullopt;
    }
    Targets t;
    auto app = make_parser(t);
    std::vector<std::string> reversed(args.rbegin(), args.rend()); // the order CLI11 reads
    try {
        app->parse(reversed);
    } catch (const CLI::CallForHelp&) {
        t.line.command = CommandLine::Command::Help;
        return t.line;
    } catch (const CLI::ParseError& e) {
        return usage_error(e.what(), err);
    }
    return finish(t, app->got_subcommand("mileage"), err);
}

std::string usage() {
    Targets t;
    const auto app = make_parser(t);
    std::ostringstream out;
    out << kForms << "\nOptions:\n";
    describe_options(*app, out);
    out << "\nOptions of mileage:\n";
    describe_options(*app->get_subcommand("mileage"), out);
    out << '\n' << kExamplesAndStatus;
    return out.str();
}

} // namespace milora::cli
