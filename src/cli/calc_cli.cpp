// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "cli/calc_cli.h"

#include "base/car_data.h"
#include "base/shown_text.h"
#include "calc/registry.h"
#include "cardata/car_data_file.h"
#include "cli/measured_cli.h"
#include "cli/mileage_cli.h"
#include "cli/options.h"
#include "numbers/number_reading.h"

#include <nlohmann/json.hpp>
#include <ostream>

namespace milora::cli {
namespace {

using Json = nlohmann::ordered_json;

// milora-calc is the window's dialogue: every message box goes to stderr as it comes and into the
// log for --json; a question gets the answer that never throws data away.
void answer_on_stderr(calc::FormState& state, std::vector<Message>& log, std::ostream& err) {
    auto print = [&log, &err](const Message& m) {
        err << safe_text(m.title + ": " + m.text) << '\n';
        log.push_back(m);
        return Dialogue::unattended_answer(m);
    };
    for (const Message& m : state.dialogue.take_kept()) {
        print(m);
    }
    state.dialogue.answer_with(print);
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

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::optional<CommandLine> line = read_command_line(args, err);
    if (!line) {
        return kExitUsage;
    }
    switch (line->command) {
    case CommandLine::Command::Help:
        out << usage();
        return kExitOk;
    case CommandLine::Command::Version:
        out << "milora-calc " << MILORA_VERSION << " (" << Program_Date << ")\n";
        return kExitOk;
    case CommandLine::Command::List:
        for (const auto& e : calc::calculators()) {
            out << e.window << '\t' << e.make()->description().caption << '\n';
        }
        return kExitOk;
    case CommandLine::Command::Mileage:
        return run_mileage(line->mileage, out, err);
    case CommandLine::Command::Window:
        break;
    }
    return run_window(line->window, out, err);
}

int run_window(const WindowOptions& o, std::ostream& out, std::ostream& err) {
    const calc::CalculatorEntry* entry = calc::find_calculator(o.window);
    if (entry == nullptr) {
        err << "unknown window: " << safe_text(o.window) << " (milora-calc --list names them)\n";
        return kExitUsage;
    }
    CarData car;
    if (!o.car_file.empty()) {
        if (const Status read = cardata::read_tolerant(o.car_file, car); !read) {
            err << "cannot read the car data file " << safe_text(o.car_file) << ": "
                << safe_text(read.reason()) << '\n';
            return kExitFault;
        }
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
    answer_on_stderr(state, log, err);

    for (const auto& [name, value] : o.assignments) {
        if (d.find_box(name) != nullptr) {
            state.box(name) = value;
            if (const auto refused = calc::validate_box(state, name)) {
                state.show(*refused);
                return kExitRefused;
            }
            continue;
        }
        const calc::OptionGroupDesc* group = d.find_option_group(name);
        if (group == nullptr) {
            err << "no box or option group " << safe_text(name) << " in " << o.window << '\n';
            return kExitUsage;
        }
        const auto index = numbers::parse_number(value);
        const auto& hidden = state.options(name).hidden;
        bool exists = false;
        for (const auto& opt : group->options) {
            exists = exists || (index && static_cast<double>(opt.index) == *index);
        }
        if (!exists || hidden.contains(static_cast<int>(*index))) {
            err << "no option " << safe_text(value) << " shown in " << name << '\n';
            return kExitUsage;
        }
        if (!calc::run_click_option(*calculator, state, name, static_cast<int>(*index))) {
            break;
        }
    }
    if (o.calculate && !state.fault) {
        (void)calc::run_calculate(*calculator, state);
    }
    if (o.json) {
        out << to_json(state, log).dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
    } else {
        print_text(state, out);
    }
    return state.fault ? kExitFault : kExitOk;
}

} // namespace milora::cli
