// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// The mileage tracker on a log of 100,000 fill-ups: reading the file and building the list, the
// summary, the plot's range, and adding one more entry, both in the tracker itself and in its
// window (where an entry must add one line, not set the whole list again).

#include "mileage/entry_list.h"
#include "mileage/mileage_file.h"
#include "mileage/mileage_tracker.h"
#include "mileage/plot.h"
#include "mileage/summary.h"
#include "ui/application.h"
#include "ui/mileage_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <random>

using namespace milora;
using namespace milora::mileage;

namespace {

constexpr int kEntries = 100000;

// A file of `count` fill-ups of 250 to 350 miles on 8 to 13 gallons, a few days apart.
std::string generated_file(int count) {
    std::mt19937 random(20060916);
    std::uniform_int_distribution<int> miles(250, 350);
    std::uniform_int_distribution<int> tenths(80, 130);
    std::string text;
    long odometer = 1000;
    for (int i = 0; i < count; ++i) {
        text += "\"" + std::to_string(1 + i % 12) + "/" + std::to_string(1 + i % 28) + "/" +
                std::to_string(2006 + i / 120) + "\"," + std::to_string(odometer) + "," +
                std::to_string(tenths(random) / 10) + "." + std::to_string(tenths(random) % 10) +
                "\r\n";
        odometer += miles(random);
    }
    return text;
}

const std::string& file_path() {
    static const std::string path = [] {
        const auto p = std::filesystem::temp_directory_path() / "milora-bench.miloragas";
        if (!write_file_atomically(p.string(), generated_file(kEntries))) {
            std::abort();
        }
        return p.string();
    }();
    return path;
}

const MileageLog& big_log() {
    static const MileageLog log = [] {
        MileageLog l;
        read_mileage_text(*read_mileage_contents(file_path()), l);
        return l;
    }();
    return log;
}

void BM_ReadFileAndBuildList(benchmark::State& state) {
    const std::string& path = file_path();
    for (auto _ : state) {
        MileageLog log;
        const ReadResult r = read_mileage_text(*read_mileage_contents(path), log);
        std::string list = list_text(log);
        benchmark::DoNotOptimize(list);
        if (r.stop || log.fillup_count() != kEntries) {
            state.SkipWithError("the generated file did not read whole");
        }
    }
}
BENCHMARK(BM_ReadFileAndBuildList)->Unit(benchmark::kMillisecond);

// Delete Entry on the first entry: every MPG after it is derived again, and the tracker's list is
// made anew from the log (the rows themselves are made only when shown).
void BM_DeleteFirstEntry(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        MileageLog log = big_log();
        state.ResumeTiming();
        log.erase(1);
        benchmark::DoNotOptimize(log.last().Overall_MPG);
    }
}
BENCHMARK(BM_DeleteFirstEntry)->Unit(benchmark::kMillisecond);

void BM_DeleteFirstEntryInTheTracker(benchmark::State& state) {
    const std::string& path = file_path();
    MileageTracker tracker([](const Message&) { return Answer::Yes; });
    for (auto _ : state) {
        state.PauseTiming();
        tracker.open(path);
        state.ResumeTiming();
        tracker.delete_entry(1);
        benchmark::DoNotOptimize(tracker.list_line(tracker.list_line_count() - 1));
    }
}
BENCHMARK(BM_DeleteFirstEntryInTheTracker)->Unit(benchmark::kMillisecond);

void BM_Summary(benchmark::State& state) {
    const MileageLog& log = big_log();
    for (auto _ : state) {
        auto text = summary_text(log);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_Summary)->Unit(benchmark::kMillisecond);

void BM_PlotRange(benchmark::State& state) {
    const MileageLog& log = big_log();
    for (auto _ : state) {
        const PlotRange r = plot_range(log);
        PlotLabels labels = plot_labels(log, r);
        benchmark::DoNotOptimize(labels);
    }
}
BENCHMARK(BM_PlotRange)->Unit(benchmark::kMillisecond);

// One entry added to a log of state.range(0) entries: the time must not grow with the log.
void BM_AddOneEntry(benchmark::State& state) {
    const std::string path = std::filesystem::temp_directory_path() / "milora-bench-add.miloragas";
    (void)write_file_atomically(path, generated_file(static_cast<int>(state.range(0))));
    MileageTracker tracker([](const Message&) { return Answer::Yes; });
    tracker.open(path);
    tracker.take_list_changes();
    tracker.add_new();
    double odometer = tracker.log().last().Fillup_Odometer;
    for (auto _ : state) {
        odometer += 300;
        const EntryOutcome out =
            tracker.add_entry("12/31/2099", std::to_string(static_cast<long>(odometer)), "10");
        auto changes = tracker.take_list_changes();
        benchmark::DoNotOptimize(changes);
        if (!out.added) {
            state.SkipWithError("an entry was refused");
        }
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_AddOneEntry)->Arg(1000)->Arg(kEntries)->Unit(benchmark::kMicrosecond);

// The same through the window: the list box gains one line per entry.
class QuietMessages final : public ui::MessageService {
public:
    Answer show(QWidget*, const Message&) override { return Answer::Yes; }
};
class FixedFile final : public ui::FileDialogService {
public:
    QString path;
    QString open_file(QWidget*, const ui::FileDialogRequest&) override { return path; }
    QString save_file(QWidget*, const ui::FileDialogRequest&) override { return {}; }
};

void BM_AddOneEntryInTheWindow(benchmark::State& state) {
    const std::string path =
        std::filesystem::temp_directory_path() / "milora-bench-window.miloragas";
    (void)write_file_atomically(path, generated_file(static_cast<int>(state.range(0))));
    QuietMessages messages;
    FixedFile files;
    files.path = QString::fromStdString(path);
    ui::Application app({&messages, &files, nullptr, nullptr, nullptr});
    ui::MileageWindow window(app);
    window.show();
    window.findChild<QPushButton*>(QStringLiteral("cmdOpen"))->click();
    window.findChild<QPushButton*>(QStringLiteral("cmdAddNew"))->click();
    auto* miles = window.findChild<QLineEdit*>(QStringLiteral("txtMiles"));
    auto* gallons = window.findChild<QLineEdit*>(QStringLiteral("txtGallons"));
    auto* add = window.findChild<QPushButton*>(QStringLiteral("cmdAddEntry"));
    double odometer = window.tracker().log().last().Fillup_Odometer;
    QApplication::processEvents();
    for (auto _ : state) {
        odometer += 300;
        miles->setText(QString::number(static_cast<long>(odometer)));
        gallons->setText(QStringLiteral("10"));
        add->click();
        QApplication::processEvents();
    }
    window.findChild<QPushButton*>(QStringLiteral("cmdDoneAdding"))->click();
    window.hide();
    std::filesystem::remove(path);
}
BENCHMARK(BM_AddOneEntryInTheWindow)->Arg(1000)->Arg(kEntries)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove(file_path());
    return 0;
}
