// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// Opening a long mileage log in the tracker window, progress dialog and list included, with
// 100,000 and 1,000,000 fill-ups. For the peak memory as well, run one size under
// /usr/bin/time -v: milora_bench_tracker_open --benchmark_filter=/1000000

#include "base/atomic_file.h"
#include "ui/application.h"
#include "ui/mileage_window.h"

#include <QApplication>
#include <QPushButton>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>

using namespace milora;

namespace {

// `count` fill-ups of 300 miles on 10 gallons, a day apart in a repeating year.
std::string generated_file(long count) {
    std::string text;
    for (long i = 0; i < count; ++i) {
        text += "\"" + std::to_string(1 + i % 12) + "/" + std::to_string(1 + i % 28) + "/" +
                std::to_string(2006 + i / 336) + "\"," + std::to_string(1000 + 300 * i) + ",10\r\n";
    }
    return text;
}

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

void BM_OpenInTheWindow(benchmark::State& state) {
    const long count = state.range(0);
    const std::string path =
        (std::filesystem::temp_directory_path() / "milora-bench-open.miloragas").string();
    if (!write_file_atomically(path, generated_file(count)).ok) {
        state.SkipWithError("the log could not be written");
        return;
    }
    QuietMessages messages;
    FixedFile files;
    files.path = QString::fromStdString(path);
    ui::Application app({&messages, &files, nullptr, nullptr, nullptr});
    for (auto _ : state) {
        ui::MileageWindow window(app);
        window.show();
        window.findChild<QPushButton*>(QStringLiteral("cmdOpen"))->click();
        QApplication::processEvents();
        if (static_cast<long>(window.tracker().log().fillup_count()) != count) {
            state.SkipWithError("the log did not open whole");
        }
        window.hide();
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_OpenInTheWindow)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
