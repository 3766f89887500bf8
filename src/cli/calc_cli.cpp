// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "cli/calc_cli.h"

#include "base/car_data.h"
#include "calc/registry.h"
#include "cardata/car_data_file.h"
#include "cli/measured_cli.h"
#include "cli/mileage_cli.h"
#include "numbers/number_reading.h"

#include <nlohmann/json.hpp>
#include <ostream>

namespace milora::cli {
namespace {

using Json = nlohmann::ordered_json;

struct Options {
    std::string window;
    std::string car_file;
    std::string log_file; // --log: the measured MPG and yearly miles replace the car data's
    bool json = false;
    bool calculate = true;
    std::vector<std::pair<std::string, std::string>> assignments;
};

void print_messages(calc::FormState& state, std::vector<Message>& log, std::ostream& err) {
    for (const auto& m : state.messages) {
        err << m.title << ": " << m.text << '\n';
        log.push_back(m);
    }
    state.messages.clear();
}

Json to_json(const calc::FormState& state, const std::vector<Message>& log) {
    const calc::WindowDescription& d = state.description();
    Json j;
    j["window"] = d.window;
    Json boxes = Json::object();
    for (const auto& b : d.boxes) {
        boxes[b.name] = state.box(b.name);
    }
    j["boxes"] = boxes;
    Json options = Json::object();
    for (const auto& g : d.option_groups) {
        const auto& s = state.options(g.name);
        options[g.name] = s.selected ? Json(*s.selected) : Json(nullptr);
    }
    j["options"] = options;
    Json labels = Json::array();
    for (const auto& key : state.label_order()) {
        const auto& l = state.label(key.name, key.index);
        labels.push_back(
            Json{{"name", key.name},
                 {"index", key.index == calc::kScalar ? Json(nullptr) : Json(key.index)},
                 {"text", l.text},
                 {"visible", l.visible},
                 {"bold", l.bold},
                 {"color", l.red ? "red" : "black"},
                 {"points", l.points > 0 ? Json(l.points) : Json(nullptr)}});
    }
    j["labels"] = labels;
    Json messages = Json::array();
    for (const auto& m : log) {
        messages.push_back(Json{{"title", m.title},
                                {"text", m.text},
                                {"icon", icon_name(m.icon)},
                                {"buttons", buttons_name(m.buttons)}});
    }
    j["messages"] = messages;
    j["fault"] = state.fault ? Json(*state.fault) : Json(nullptr);
    return j;
}

void print_text(const calc::FormState& state, std::ostream& out) {
    for (const auto& key : state.label_order()) {
        const auto& l = state.label(key.name, key.index);
        if (!l.visible || l.text.empty()) {
            continue;
        }
        out << key.name;
        if (key.index != calc::kScalar) {
            out << '(' << key.index << ')';
        }
        out << ": " << l.text;
        if (l.bold) {
            out << " [bold]";
        }
        if (l.red) {
            out << " [red]";
        }
        out << '\n';
    }
}

} // namespace

std::string usage() {
    return "Usage:\n"
           "  milora-calc --list\n"
           "  milora-calc WINDOW [--car FILE] [--log FILE] [--json] [--no-calculate] "
           "[NAME=VALUE]...\n"
           "  milora-calc mileage FILE [--from FORMAT] [--car FILE] [--summary] [--plot] [--json]"
           " [--measured]\n"
           "  milora-calc --help | --version\n"
           "\n"
           "WINDOW opens a calculator as its window does, from the built-in car data or from the\n"
           "car data FILE. NAME=VALUE sets a box and checks it as leaving the box does, or clicks\n"
           "option VALUE of an option group; then Calculate runs once unless --no-calculate.\n"
           "Message boxes go to standard error as TITLE: TEXT.\n"
           "\n"
           "mileage FILE reads a mileage or CSV file, or another fuel-log app's export, as the\n"
           "tracker's Open does and prints its list; --summary adds the summary, --plot the\n"
           "plot's range, labels and EPA values.\n"
           "\n"
           "Options:\n"
           "  --list          the window names and captions of all calculators\n"
           "  --car FILE      start from the car data in FILE (*.miloracar)\n"
           "  --json          print the whole result as JSON\n"
           "  --no-calculate  do not click Calculate\n"
           "  --from FORMAT   mileage: auto (the default), milora, fuelly, fuelio, lubelogger,\n"
           "                  spritmonitor, drivvo or generic\n"
           "  --summary       mileage: add the summary text\n"
           "  --plot          mileage: add the plot's range, axis labels and EPA values\n"
           "  --measured      mileage: add the combined MPG and yearly miles measured from the\n"
           "                  fill-ups of the log's last year\n"
           "  --log FILE      WINDOW: use the combined MPG and yearly miles measured from the\n"
           "                  mileage log FILE instead of those of the car data\n"
           "  --help          this text\n"
           "  --version       the version and the program date\n"
           "\n"
           "Examples:\n"
           "  milora-calc B01_HowMuchDoYouSpendOnGas txtGas_Cost=3.49\n"
           "  milora-calc E02_Gas_And_Time_Cost optBaseSpeed=4 --json\n"
           "  milora-calc mileage my-car.miloragas --summary\n"
           "\n"
           "Exit status: 0 done, 2 usage, 3 a box refused its text, 4 a calculation fault or an\n"
           "unreadable file (also a file in none of the layouts, or a mileage file whose reading\n"
           "stopped before its end).\n";
}

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << usage();
        return kExitUsage;
    }
    if (args[0] == "--help" || args[0] == "-h") {
        out << usage();
        return kExitOk;
    }
    if (args[0] == "--version") {
        out << "milora-calc " << MILORA_VERSION << " (" << Program_Date << ")\n";
        return kExitOk;
    }
    if (args[0] == "mileage") {
        return run_mileage({args.begin() + 1, args.end()}, out, err);
    }
    if (args[0] == "--list") {
        for (const auto& e : calc::calculators()) {
            out << e.window << '\t' << e.make()->description().caption << '\n';
        }
        return kExitOk;
    }
    return run_window(args, out, err);
}

int run_window(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Options o;
    o.window = args[0];
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--json") {
            o.json = true;
        } else if (a == "--no-calculate") {
            o.calculate = false;
        } else if (a == "--car") {
            if (++i >= args.size()) {
                err << "--car needs a file name\n" << usage();
                return kExitUsage;
            }
            o.car_file = args[i];
        } else if (a == "--log") {
            if (++i >= args.size()) {
                err << "--log needs a file name\n" << usage();
                return kExitUsage;
            }
            o.log_file = args[i];
        } else if (const auto eq = a.find('='); eq != std::string::npos && eq > 0) {
            o.assignments.emplace_back(a.substr(0, eq), a.substr(eq + 1));
        } else {
            err << "unknown argument: " << a << '\n' << usage();
            return kExitUsage;
        }
    }
    const calc::CalculatorEntry* entry = calc::find_calculator(o.window);
    if (entry == nullptr) {
        err << "unknown window: " << o.window << " (milora-calc --list names them)\n";
        return kExitUsage;
    }
    CarData car;
    if (!o.car_file.empty() && !cardata::read_tolerant(o.car_file, car)) {
        err << "cannot read the car data file " << o.car_file << '\n';
        return kExitFault;
    }
    if (!o.log_file.empty()) {
        if (const auto status = use_measured_log(o.log_file, car, err)) {
            return *status;
        }
    }
    auto calculator = entry->make();
    const calc::WindowDescription& d = calculator->description();
    calc::FormState state = calc::open_window(*calculator, car);
    std::vector<Message> log;
    print_messages(state, log, err);

    for (const auto& [name, value] : o.assignments) {
        if (d.find_box(name) != nullptr) {
            state.box(name) = value;
            if (const auto refused = calc::validate_box(state, name)) {
                state.show(*refused);
                print_messages(state, log, err);
                return kExitRefused;
            }
            continue;
        }
        const calc::OptionGroupDesc* group = d.find_option_group(name);
        if (group == nullptr) {
            err << "no box or option group " << name << " in " << o.window << '\n';
            return kExitUsage;
        }
        const auto index = numbers::parse_number(value);
        const auto& hidden = state.options(name).hidden;
        bool exists = false;
        for (const auto& opt : group->options) {
            exists = exists || (index && static_cast<double>(opt.index) == *index);
        }
        if (!exists || hidden.contains(static_cast<int>(*index))) {
            err << "no option " << value << " shown in " << name << '\n';
            return kExitUsage;
        }
        calc::run_click_option(*calculator, state, name, static_cast<int>(*index));
        print_messages(state, log, err);
        if (state.fault) {
            break;
        }
    }
    if (o.calculate && !state.fault) {
        calc::run_calculate(*calculator, state);
        print_messages(state, log, err);
    }
    if (o.json) {
        out << to_json(state, log).dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
    } else {
        print_text(state, out);
    }
    return state.fault ? kExitFault : kExitOk;
}

} // namespace milora::cli
