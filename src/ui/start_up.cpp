// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/start_up.h"

#include "base/car_data.h"
#include "shell/splash_wait.h"
#include "ui/splash_window.h"

#include <QApplication>
#include <QThread>
#include <chrono>

namespace milora::ui {

QString program_version() {
    return QStringLiteral(MILORA_VERSION);
}

std::string version_line() {
    return std::string("Milora ") + MILORA_VERSION + " (" + Program_Date + ")";
}

void show_splash() {
    SplashWindow splash;
    splash.show();
    wait_processing_events(
        kSplashTime, [] { return std::chrono::steady_clock::now(); },
        [] {
            QApplication::processEvents(QEventLoop::AllEvents, 20);
            QThread::msleep(10);
        });
    splash.repaint();
}

} // namespace milora::ui
