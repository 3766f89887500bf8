// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// Developer tool: pictures of the help viewer for the documentation, drawn offscreen. It shows
// the Introduction, a calculator's page, a search with its hits marked, and the page at 200 %,
// and prints how long the first page and the first search took.
//
//   milora-help-shot OUT_FOLDER HANDBOOK.chm [PAGE [WORD]]

#include "ui/help_viewer.h"
#include "ui/real_services.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cstdio>

namespace {

void settle() {
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
    }
}

bool shoot(QWidget* window, const QString& folder, const char* name) {
    settle();
    const bool saved = window->grab().save(QDir(folder).filePath(QString::fromLatin1(name)));
    if (!saved) {
        std::fprintf(stderr, "could not write %s\n", name);
    }
    return saved;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: milora-help-shot OUT_FOLDER HANDBOOK.chm [PAGE [WORD]]\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString page = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral("Tires.htm");
    const QString word = argc > 4 ? QString::fromLocal8Bit(argv[4]) : QStringLiteral("alignment");
    QTemporaryDir home;
    if (!home.isValid() ||
        !QFile::copy(QString::fromLocal8Bit(argv[2]), QDir(home.path()).filePath("edt.chm"))) {
        std::fprintf(stderr, "could not copy the handbook %s\n", argv[2]);
        return 1;
    }
    milora::ui::DesktopWebService web;
    milora::ui::HelpViewer viewer(&web, {home.path()});

    QElapsedTimer opened;
    opened.start();
    viewer.show_topic(nullptr, QStringLiteral("Introduction.htm"));
    milora::ui::HelpWindow* window = viewer.window();
    window->repaint();
    std::printf("first Help request to page shown: %lld ms\n",
                static_cast<long long>(opened.elapsed()));
    window->resize(1000, 700);
    bool ok = shoot(window, out, "help-introduction.png");
    viewer.show_topic(nullptr, page);
    ok = shoot(window, out, "help-calculator-page.png") && ok;

    window->findChild<QTabWidget*>(QStringLiteral("tabNavigation"))->setCurrentIndex(2);
    window->findChild<QLineEdit*>(QStringLiteral("txtSearch"))->setText(word);
    QElapsedTimer timer;
    timer.start();
    window->search(word);
    settle();
    std::printf("first search for \"%s\": %lld ms\n", word.toUtf8().constData(),
                static_cast<long long>(timer.elapsed()));
    auto* results = window->findChild<QListWidget*>(QStringLiteral("lstSearch"));
    if (results->count() > 0) {
        emit results->itemActivated(results->item(0));
    }
    ok = shoot(window, out, "help-search.png") && ok;
    window->findChild<QTabWidget*>(QStringLiteral("tabNavigation"))->setCurrentIndex(0);
    viewer.show_topic(nullptr, QStringLiteral("Introduction.htm"));
    window->set_zoom(200);
    ok = shoot(window, out, "help-zoom-200.png") && ok;
    return ok ? 0 : 1;
}
