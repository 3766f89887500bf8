// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// Building and showing a calculator window offscreen, and one Calculate.

#include "calc/registry.h"
#include "support/logging_help_service.h"
#include "ui/application.h"
#include "ui/calculator_window.h"
#include "ui/real_services.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

void BM_BuildAndShowB01Window(benchmark::State& state) {
    milora::ui::QtMessageService messages;
    milora::ui::QtFileDialogService files;
    milora::ui::QtPrintService printer(messages, files);
    milora::ui::LoggingHelpService help;
    milora::ui::DesktopWebService web;
    const milora::ui::Services services{&messages, &files, &printer, &help, &web};
    const milora::CarData car;
    const auto* entry = milora::calc::find_calculator("B01_HowMuchDoYouSpendOnGas");
    for (auto _ : state) {
        milora::ui::CalculatorWindow window(entry->make(), car, services);
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.width());
    }
}
BENCHMARK(BM_BuildAndShowB01Window)->Unit(benchmark::kMillisecond);

void BM_CalculateB01(benchmark::State& state) {
    const auto* entry = milora::calc::find_calculator("B01_HowMuchDoYouSpendOnGas");
    auto calc = entry->make();
    milora::calc::FormState form = milora::calc::open_window(*calc, milora::CarData{});
    for (auto _ : state) {
        milora::calc::run_calculate(*calc, form);
        benchmark::DoNotOptimize(form.label("lblCO2_Reduction", 5).text.data());
    }
}
BENCHMARK(BM_CalculateB01)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
