// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// Developer tool: renders the main window's tabs and menus, the start-up notice, the About window
// and the help viewer offscreen to PNG files, so that their layout can be looked at without a
// display.
//
//   milora-shell-shot OUTDIR [HANDBOOK.chm]

#include "support/logging_help_service.h"
#include "ui/about_window.h"
#include "ui/application.h"
#include "ui/help_viewer.h"
#include "ui/main_window.h"
#include "ui/real_services.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cstdio>

namespace {

bool save(QWidget* w, const QString& folder, const QString& name) {
    QApplication::processEvents();
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    const bool ok = w->grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home; // no default.miloracar: the notice shows
    qputenv("MILORA_HOME", home.path().toLocal8Bit());
    QApplication qapp(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: milora-shell-shot OUTDIR [HANDBOOK.chm]\n");
        return 2;
    }
    // Absolute now: the main window makes the program folder current.
    const QString out = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const QString handbook =
        argc > 2 ? QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath() : QString();
    QDir().mkpath(out);
    milora::ui::QtMessageService messages;
    milora::ui::QtFileDialogService files;
    milora::ui::QtPrintService printer(messages, files);
    milora::ui::LoggingHelpService help;
    milora::ui::DesktopWebService web;
    milora::ui::Application app({&messages, &files, &printer, &help, &web});

    bool ok = true;
    milora::ui::MainWindow main(app);
    main.show();
    auto* tabs = main.findChild<QTabWidget*>(QStringLiteral("SSTab1"));
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        ok = save(&main, out, QStringLiteral("main_tab%1").arg(i)) && ok;
    }
    for (QAction* top : main.menuBar()->actions()) {
        QMenu* menu = top->menu();
        menu->popup(main.mapToGlobal(QPoint(0, 0)));
        ok = save(menu, out, QStringLiteral("menu_") + menu->objectName()) && ok;
        menu->hide();
    }
    milora::ui::AboutWindow about(&main);
    about.show();
    ok = save(&about, out, QStringLiteral("about")) && ok;
    about.hide();

    QTemporaryDir handbook_home;
    if (!handbook.isEmpty()) {
        QFile::copy(handbook, QDir(handbook_home.path()).filePath(QStringLiteral("edt.chm")));
    }
    milora::ui::HelpViewer viewer(&web, {handbook_home.path()});
    viewer.show_topic(&main, QStringLiteral("Introduction.htm"));
    ok = save(viewer.window(), out, QStringLiteral("help_page")) && ok;
    viewer.show_topic(&main, QStringLiteral("Oil.htm#ECMO"));
    ok = save(viewer.window(), out, QStringLiteral("help_missing_topic")) && ok;
    milora::ui::HelpViewer nothing(&web, {home.path()});
    nothing.show_topic(&main, QStringLiteral("Tires.htm#alignment"));
    ok = save(nothing.window(), out, QStringLiteral("help_missing_file")) && ok;
    return ok ? 0 : 1;
}
