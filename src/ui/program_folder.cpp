// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/program_folder.h"

#include "base/car_data.h"
#include "ui/qt_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace milora::ui {

namespace {

bool is_installed_copy(const QString& executable_folder) {
    return QFileInfo(executable_folder).fileName() == QLatin1String("bin") &&
           QFileInfo(installed_data_folder_for(executable_folder)).isDir();
}

// The per-user data folder, or empty when there is none: without HOME (and XDG_DATA_HOME) Qt
// would name one under "/", a folder shared by every user.
QString per_user_data_folder() {
    const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    const QString home = qEnvironmentVariable("HOME");
    if (!(!xdg.isEmpty() && QDir::isAbsolutePath(xdg)) &&
        !(!home.isEmpty() && QDir::isAbsolutePath(home) && home != QDir::rootPath())) {
        return {};
    }
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

} // namespace

QString program_folder() {
    return program_folder_for(QCoreApplication::applicationDirPath());
}

QString program_folder_for(const QString& executable_folder) {
    const QString home = qEnvironmentVariable("MILORA_HOME");
    if (!home.isEmpty()) {
        return QDir(home).absolutePath();
    }
    if (!executable_folder.isEmpty() && QFileInfo(executable_folder).isWritable() &&
        !is_installed_copy(executable_folder)) {
        return executable_folder;
    }
    return per_user_data_folder();
}

QString default_car_data_path() {
    return QDir(program_folder()).filePath(latin_text(kDefaultFileName));
}

void make_program_folder() {
    QDir().mkpath(program_folder());
}

void make_start_up_paths_absolute() {
    // The process never changes its working directory, but a relative folder named at start-up
    // is taken once against the folder the program was started in, so that later reads of the
    // environment (Qt's per-user folders included) agree with it.
    for (const char* name : {"MILORA_HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty() && QDir::isRelativePath(value)) {
            qputenv(name, QFile::encodeName(QDir(value).absolutePath()));
        }
    }
}

QString installed_data_folder() {
    return installed_data_folder_for(QCoreApplication::applicationDirPath());
}

QString installed_data_folder_for(const QString& executable_folder) {
    return QDir(executable_folder + QStringLiteral("/../share/milora")).absolutePath();
}

QString build_tree_handbook_folder() {
    return build_tree_handbook_folder_for(QCoreApplication::applicationDirPath());
}

QString build_tree_handbook_folder_for(const QString& executable_folder) {
#if defined(MILORA_BUILD_TREE) && defined(MILORA_BUILD_TREE_HANDBOOK)
    // The same binary may be installed elsewhere (cmake --install, the Debian package); only the
    // copy still in its build tree may look there.
    const QString tree = QDir(QStringLiteral(MILORA_BUILD_TREE)).canonicalPath();
    if (!tree.isEmpty() && QDir(executable_folder).canonicalPath() == tree) {
        return QStringLiteral(MILORA_BUILD_TREE_HANDBOOK);
    }
#else
    (void)executable_folder;
#endif
    return {};
}

} // namespace milora::ui
