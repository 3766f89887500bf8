// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/program_folder.h"

#include "cardata/car_data_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace milora::ui {

QString program_folder() {
    const QString home = qEnvironmentVariable("MILORA_HOME");
    if (!home.isEmpty()) {
        return QDir(home).absolutePath();
    }
    const QString exe = QCoreApplication::applicationDirPath();
    if (!exe.isEmpty() && QFileInfo(exe).isWritable()) {
        return exe;
    }
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString default_car_data_path() {
    return QDir(program_folder()).filePath(QString::fromLatin1(cardata::kDefaultFileName));
}

void enter_program_folder() {
    const QString folder = program_folder();
    QDir().mkpath(folder);
    QDir::setCurrent(folder);
}

QString installed_data_folder() {
    return QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/milora"))
        .absolutePath();
}

} // namespace milora::ui
