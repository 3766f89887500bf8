// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// Start-up: the splash for three seconds while events are processed, then the main window.

#include "ui/application.h"
#include "ui/data_settings_window.h"
#include "ui/help_viewer.h"
#include "ui/import_preview_dialog.h"
#include "ui/main_window.h"
#include "ui/mileage_rescue.h"
#include "ui/mileage_window.h"
#include "ui/program_folder.h"
#include "ui/real_services.h"
#include "ui/start_up.h"

#include <CLI/CLI.hpp>
#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <memory>
#include <new>
#include <string>

namespace {

// --help and --version are answered before any window system is needed; every other argument
// (Qt's own, such as -platform or -style) is left to QApplication.
bool answer_command_line(int argc, char** argv) {
    CLI::App parser("Milora: fuel-economy calculators, car data settings and a mileage tracker.",
                    "milora");
    parser.allow_extras();
    parser.set_help_flag("--help,-h", "this text");
    bool version = false;
    parser.add_flag("--version,-v", version, "the version and the program date");
    parser.footer("Qt's own options (for example -platform or -style) are passed on.\n"
                  "\n"
                  "Car data is read from default.miloracar in the program folder: the folder named "
                  "by\nMILORA_HOME, else the program's own folder when it is writable and not an "
                  "installed\ncopy, else the per-user data folder (usually "
                  "~/.local/share/Milora/Milora).\nThe handbook edt.chm is looked for there and "
                  "then in share/milora.\nSee also milora-calc(1).");
    try {
        parser.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        std::fputs(parser.help().c_str(), stdout);
        return true;
    } catch (const CLI::ParseError&) {
        return false; // left to QApplication, which ignores what it does not know
    }
    if (version) {
        std::printf("%s\n", milora::ui::version_line().c_str());
    }
    return version;
}

int run_program(int argc, char** argv);

// An allocation that failed in a window's work and reached the event loop: the windows still
// stand, so an unsaved mileage log is rescued before anything is torn down, and the user is told
// where it went.
int stop_out_of_memory() {
    const std::string text = milora::ui::rescue_on_out_of_memory();
    std::fprintf(stderr, "%s\n", text.c_str());
    try {
        QMessageBox::critical(nullptr, QStringLiteral("Milora"), QString::fromStdString(text));
    } catch (...) {
        // Standard error has it.
    }
    return 4;
}

} // namespace

int main(int argc, char** argv) {
    if (answer_command_line(argc, argv)) {
        return 0;
    }
    try {
        return run_program(argc, argv);
    } catch (const std::bad_alloc&) {
        // Out of memory is said plainly and ends with the status milora-calc uses for it.
        std::fprintf(stderr, "%s\n", milora::ui::rescue_on_out_of_memory().c_str());
        return 4;
    }
}

namespace {

int run_program(int argc, char** argv) {
    milora::ui::make_start_up_paths_absolute();
    milora::ui::GuardedApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Milora"));
    QApplication::setOrganizationName(QStringLiteral("Milora"));
    QApplication::setApplicationVersion(milora::ui::program_version());

    if (milora::ui::program_folder().isEmpty()) {
        const QString why = milora::ui::no_program_folder_message();
        std::fprintf(stderr, "%s\n", why.toLocal8Bit().constData());
        QMessageBox::critical(nullptr, QStringLiteral("Milora"), why);
        return 2;
    }

    milora::ui::QtMessageService messages;
    milora::ui::QtFileDialogService files;
    milora::ui::QtPrintService printer(messages, files);
    milora::ui::DesktopWebService web;
    milora::ui::QtImportPreviewService previews;
    milora::ui::HelpViewer help(&web, milora::ui::handbook_folders(), &printer);
    milora::ui::Application app({&messages, &files, &printer, &help, &web, &previews});
    qapp.report_faults_to(&messages);

    milora::ui::show_splash();

    app.add_window_factory(
        QString::fromLatin1(milora::cardata::kWindowName),
        [](milora::ui::Application& a) { return new milora::ui::DataSettingsWindow(a); });
    app.add_window_factory(
        QString::fromLatin1(milora::mileage::kTrackerWindow),
        [](milora::ui::Application& a) { return new milora::ui::MileageWindow(a); });
    auto main_window = std::make_unique<milora::ui::MainWindow>(app);
    main_window->show();
    try {
        return QApplication::exec();
    } catch (const std::bad_alloc&) {
        return stop_out_of_memory();
    }
}

} // namespace
