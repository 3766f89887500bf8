// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// Start-up: the splash for three seconds while events are processed, then the main window.

#include "app/main_window.h"
#include "app/splash_wait.h"
#include "app/splash_window.h"
#include "mileage/mileage_window.h"
#include "ui/application.h"
#include "ui/logging_help_service.h"
#include "ui/real_services.h"

#include <QApplication>
#include <QThread>
#include <memory>

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Milora"));
    QApplication::setOrganizationName(QStringLiteral("Milora"));
    QApplication::setApplicationVersion(QStringLiteral(MILORA_VERSION));

    milora::ui::QtMessageService messages;
    milora::ui::QtFileDialogService files;
    milora::ui::QtPrintService printer(messages, files);
    milora::ui::LoggingHelpService help;
    milora::ui::DesktopWebService web;
    milora::ui::Application app({&messages, &files, &printer, &help, &web});

    {
        milora::app::SplashWindow splash;
        splash.show();
        milora::wait_processing_events(
            milora::kSplashTime, [] { return std::chrono::steady_clock::now(); },
            [] {
                QApplication::processEvents(QEventLoop::AllEvents, 20);
                QThread::msleep(10);
            });
        splash.repaint();
    }

    app.add_window_factory(QStringLiteral("B07_Mileage"), [](milora::ui::Application& a) {
        return new milora::mileage::MileageWindow(a);
    });
    auto main_window = std::make_unique<milora::app::MainWindow>(app);
    main_window->show();
    return QApplication::exec();
}
