// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// Window tests run offscreen, with the program folder and the settings in a fresh temporary
// folder, and fail at once when a real modal dialog would open.

#include "support/window_helpers.h"
#include "ui/application.h"

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace milora::test {

QStringList& expected_modal_windows() {
    static QStringList names;
    return names;
}

} // namespace milora::test

namespace {

// A modal dialog that is not a fake would block the test: report it and close it.
void watch_for_modal_dialogs() {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr &&
            !milora::test::expected_modal_windows().contains(modal->objectName())) {
            ADD_FAILURE() << "unexpected modal dialog: " << modal->windowTitle().toStdString();
            modal->close();
        }
    });
    timer->start(100);
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir home;
    // A screen of a common desktop size; the offscreen default of 800 x 600 is narrower than some
    // calculator windows are designed.
    const QString screens = home.path() + QStringLiteral("/screens.json");
    QFile config(screens);
    if (config.open(QIODevice::WriteOnly)) {
        // MILORA_TEST_SCREEN=WIDTHxHEIGHT runs the windows on a smaller (or larger) screen.
        const QStringList asked =
            qEnvironmentVariable("MILORA_TEST_SCREEN", QStringLiteral("1920x1080"))
                .split(QLatin1Char('x'));
        const QByteArray width = asked.value(0, QStringLiteral("1920")).toLatin1();
        const QByteArray height = asked.value(1, QStringLiteral("1080")).toLatin1();
        config.write(R"({"screens": [{"name": "Screen", "x": 0, "y": 0, "width": )" + width +
                     R"(, "height": )" + height +
                     R"(, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        config.close();
    }
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screens).toLocal8Bit());
    qputenv("MILORA_HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/data")).toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    // The settings store too, so that test programs running side by side do not share it.
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, home.path() + QStringLiteral("/config"));
    }
    milora::ui::GuardedApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Milora"));
    QApplication::setOrganizationName(QStringLiteral("Milora"));
    watch_for_modal_dialogs();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
