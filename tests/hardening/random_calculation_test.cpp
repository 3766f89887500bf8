// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// Every calculator with random valid box values, very small and very large ones among them, and
// random option clicks: no label ever shows "inf" or "nan", and a floating-point fault always
// stops the calculation with a message.

#include "calc/registry.h"
#include "numbers/number_text.h"

#include <cctype>
#include <cmath>
#include <gtest/gtest.h>
#include <random>

using namespace milora;

namespace {

// "inf", "infinity" or "nan" as a word, in any case ("information" is fine). A plain scan: a
// regular expression per label made this test crawl under the sanitizers.
bool shows_not_a_number(const std::string& text) {
    std::string word;
    auto is_bad = [&] { return word == "inf" || word == "infinity" || word == "nan"; };
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (std::isalnum(u) != 0 || c == '_') {
            word += static_cast<char>(std::tolower(u));
            continue;
        }
        if (is_bad()) {
            return true;
        }
        word.clear();
    }
    return is_bad();
}

class RandomCalculation : public ::testing::TestWithParam<std::string> {};

float random_value(std::mt19937& rng) {
    // Log-uniform over many decades, with a few plain everyday values.
    std::uniform_real_distribution<double> exponent(-6.0, 9.0);
    std::uniform_int_distribution<int> pick(0, 9);
    if (pick(rng) < 3) {
        return static_cast<float>(std::uniform_int_distribution<int>(1, 100)(rng));
    }
    return static_cast<float>(std::pow(10.0, exponent(rng)));
}

} // namespace

TEST_P(RandomCalculation, NeverShowsInfOrNanAndFaultsAreReported) {
    const auto* entry = calc::find_calculator(GetParam());
    ASSERT_NE(entry, nullptr);
    std::mt19937 rng(20261208U);
    const int runs = 10000;
    for (int run = 0; run < runs; ++run) {
        auto calculator = entry->make();
        calc::FormState s = calc::open_window(*calculator, CarData{});
        const calc::WindowDescription& d = calculator->description();
        for (const auto& b : d.boxes) {
            s.box(b.name) = numbers::number_text(random_value(rng));
            if (calc::validate_box(s, b.name)) {
                s.box(b.name) = "1";
            }
        }
        for (const auto& g : d.option_groups) {
            const auto& shown = s.options(g.name).hidden;
            const auto& o =
                g.options[std::uniform_int_distribution<std::size_t>(0, g.options.size() - 1)(rng)];
            if (!shown.contains(o.index)) {
                (void)calc::run_click_option(*calculator, s, g.name, o.index);
            }
        }
        (void)calc::run_calculate(*calculator, s);
        if (s.fault) {
            ASSERT_FALSE(s.dialogue.kept().empty()) << "a fault without a message";
        }
        for (const auto& key : s.label_order()) {
            const std::string& t = s.label(key.name, key.index).text;
            ASSERT_FALSE(shows_not_a_number(t)) << key.name << ": " << t;
        }
    }
}

std::vector<std::string> all_windows() {
    std::vector<std::string> names;
    for (const auto& e : calc::calculators()) {
        names.push_back(e.window);
    }
    return names;
}

INSTANTIATE_TEST_SUITE_P(EveryCalculator, RandomCalculation, ::testing::ValuesIn(all_windows()),
                         [](const auto& param_info) { return param_info.param; });
