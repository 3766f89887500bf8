// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// The help viewer on large and hostile help files, compiled here with chmcmd: the first search
// over 5,000 small pages and over 50 MB of page text, a query of 1,000 words, highlighting the
// hits on a page of 50,000 paragraphs, a page that is one 10 MB line, and a page of 1,000 table
// rows that each claim a million columns. Each case opens a fresh viewer, so run one case a
// process (--benchmark_filter) to read its peak memory with /usr/bin/time -v.

#include "help/search_index.h"
#include "ui/help_viewer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <functional>
#include <memory>

using namespace milora;

namespace {

class NoWeb final : public ui::WebService {
public:
    bool open_url(const QString& /*url*/) override { return false; }
};

void write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) {
        f.write(bytes);
    }
}

QByteArray page(const QByteArray& title, const QByteArray& body) {
    return "<html><head><title>" + title + "</title></head><body>" + body + "</body></html>\n";
}

// A help file of the pages `make` writes into `folder` (it returns their names), compiled as
// edt.chm in `folder`.
bool compile(const QString& folder, const std::function<QStringList(const QString&)>& make) {
    const QStringList names = make(folder);
    QByteArray project =
        "[OPTIONS]\nCompiled file=edt.chm\nDefault topic=" + names.first().toUtf8() +
        "\nTitle=Bench\n\n[FILES]\n";
    for (const QString& n : names) {
        project += n.toUtf8() + '\n';
    }
    write(QDir(folder).filePath("bench.hhp"), project);
    QProcess chmcmd;
    chmcmd.setWorkingDirectory(folder);
    chmcmd.start("chmcmd", {"--no-html-scan", "--verbosity", "0", "bench.hhp"});
    return chmcmd.waitForFinished(-1) && QFile::exists(QDir(folder).filePath("edt.chm"));
}

QStringList many_small_pages(const QString& folder) {
    QStringList names;
    for (int i = 0; i < 5000; ++i) {
        const QString name = QStringLiteral("Page_%1.htm").arg(i);
        QByteArray body = "<h1>Page " + QByteArray::number(i) + "</h1><p>";
        for (int w = 0; w < 60; ++w) {
            body += "word" + QByteArray::number((i * 7 + w) % 900) + " fuel economy ";
        }
        write(QDir(folder).filePath(name), page("Page " + QByteArray::number(i), body + "</p>"));
        names << name;
    }
    return names;
}

QStringList fifty_megabytes(const QString& folder) {
    QStringList names;
    QByteArray body;
    for (int w = 0; body.size() < 250 * 1024; ++w) {
        body += "w" + QByteArray::number(w) + " ";
    }
    for (int i = 0; i < 200; ++i) {
        const QString name = QStringLiteral("Big_%1.htm").arg(i);
        write(QDir(folder).filePath(name), page("Big", "<p>" + body + "</p>"));
        names << name;
    }
    return names;
}

QStringList paragraphs(const QString& folder) {
    write(QDir(folder).filePath("Paragraphs.htm"),
          page("Paragraphs", QByteArray("<p>a").repeated(50000)));
    return {QStringLiteral("Paragraphs.htm")};
}

QStringList long_line(const QString& folder) {
    write(QDir(folder).filePath("Intro.htm"), page("Intro", "<p>Intro</p>"));
    write(QDir(folder).filePath("Long_Line.htm"),
          page("Long line", QByteArray(10 * 1024 * 1024, ',')));
    return {QStringLiteral("Intro.htm"), QStringLiteral("Long_Line.htm")};
}

QStringList table_spans(const QString& folder) {
    write(QDir(folder).filePath("Spans.htm"),
          page("Spans", "<table>" +
                            QByteArray("<tr><td colspan=1000000>x</td></tr>").repeated(1000) +
                            "</table>"));
    return {QStringLiteral("Spans.htm")};
}

struct Viewer {
    QTemporaryDir folder;
    NoWeb web;
    std::unique_ptr<ui::HelpViewer> viewer;

    explicit Viewer(const std::function<QStringList(const QString&)>& make) {
        if (!compile(folder.path(), make)) {
            std::fprintf(stderr, "chmcmd could not compile the bench handbook\n");
            return;
        }
        viewer = std::make_unique<ui::HelpViewer>(&web, QStringList{folder.path()});
    }
    ui::HelpWindow* window() const { return viewer->window(); }
    void show(const QString& topic) const {
        viewer->show_topic(nullptr, topic);
        QApplication::processEvents();
    }
    // Searches and waits for the answer, however the window gets to it.
    int search(const QString& words) const {
        window()->findChild<QLineEdit*>("txtSearch")->setText(words);
        window()->search(words);
        auto* status = window()->findChild<QLabel*>("lblSearch");
        while (!status->text().contains("found") && !status->text().contains("No page")) {
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        }
        return window()->findChild<QListWidget*>("lstSearch")->count();
    }
};

void BM_FirstSearchOver5000Pages(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        Viewer v(many_small_pages);
        v.show("Page_0.htm");
        state.ResumeTiming();
        benchmark::DoNotOptimize(v.search("economy"));
    }
}
BENCHMARK(BM_FirstSearchOver5000Pages)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_FirstSearchOver50MB(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        Viewer v(fifty_megabytes);
        v.show("Big_0.htm");
        state.ResumeTiming();
        benchmark::DoNotOptimize(v.search("w100"));
    }
}
BENCHMARK(BM_FirstSearchOver50MB)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_QueryOf1000Words(benchmark::State& state) {
    Viewer v(many_small_pages);
    v.show("Page_0.htm");
    v.search("economy");
    QString query;
    for (int i = 0; i < 1000; ++i) {
        query += QStringLiteral("a ");
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(v.search(query));
    }
}
BENCHMARK(BM_QueryOf1000Words)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_HighlightOn50000Paragraphs(benchmark::State& state) {
    Viewer v(paragraphs);
    v.show("Paragraphs.htm");
    v.search("a");
    auto* results = v.window()->findChild<QListWidget*>("lstSearch");
    for (auto _ : state) {
        emit results->itemActivated(results->item(0));
        QApplication::processEvents();
    }
}
BENCHMARK(BM_HighlightOn50000Paragraphs)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_PageOfOne10MBLine(benchmark::State& state) {
    Viewer v(long_line);
    v.show("Intro.htm");
    for (auto _ : state) {
        v.show("Long_Line.htm");
        v.show("Intro.htm");
    }
}
BENCHMARK(BM_PageOfOne10MBLine)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_TableOfHugeSpans(benchmark::State& state) {
    Viewer v(table_spans);
    for (auto _ : state) {
        v.show("Spans.htm");
        v.window()->repaint();
    }
}
BENCHMARK(BM_TableOfHugeSpans)->Unit(benchmark::kMillisecond)->Iterations(1);

QStringList three_pages(const QString& folder) {
    for (const char* name : {"Introduction.htm", "Tires.htm", "Oil.htm"}) {
        write(QDir(folder).filePath(name),
              page(name, QByteArray("<p>Tire pressure and wheel alignment.</p>").repeated(40)));
    }
    return {QStringLiteral("Introduction.htm"), QStringLiteral("Tires.htm"),
            QStringLiteral("Oil.htm")};
}

// From the first Help request to the page drawn, the window made on the way.
void BM_FirstTopicShown(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        Viewer v(three_pages);
        state.ResumeTiming();
        v.show("Tires.htm#alignment");
        v.window()->repaint();
    }
}
BENCHMARK(BM_FirstTopicShown)->Unit(benchmark::kMillisecond)->Iterations(5);

// The index of a handbook-sized help file (80 pages of 400 words) and one search in it.
void BM_IndexHandbookSized(benchmark::State& state) {
    std::string text;
    for (int w = 0; w < 100; ++w) {
        text += "word" + std::to_string(w % 700) + " fuel economy tires ";
    }
    for (auto _ : state) {
        help::SearchIndex index;
        for (int p = 0; p < 80; ++p) {
            index.add_page("P" + std::to_string(p) + ".htm", "Page " + std::to_string(p), text);
        }
        benchmark::DoNotOptimize(index.search("economy"));
    }
}
BENCHMARK(BM_IndexHandbookSized)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
