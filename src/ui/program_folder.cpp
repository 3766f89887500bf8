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

// Why there is no per-user data folder; empty when there is one. Without HOME (and
// XDG_DATA_HOME) Qt would name one under "/" whoever runs the program; a relative HOME would
// name a different folder in every folder the program is started from. HOME=/ is a home like any
// other: the program starts, and a folder it cannot write is reported where it writes.
QString no_per_user_folder_reason() {
    const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg)) {
        return {};
    }
    const QString home = qEnvironmentVariable("HOME");
    if (home.isEmpty()) {
        return QStringLiteral("HOME is not set");
    }
    if (!QDir::isAbsolutePath(home)) {
        return QStringLiteral("HOME (%1) is not an absolute folder").arg(home);
    }
    return {};
}

// The per-user data folder, or empty when there is none.
QString per_user_data_folder() {
    if (!no_per_user_folder_reason().isEmpty()) {
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

QString no_program_folder_message() {
    const QString reason = no_per_user_folder_reason();
    if (reason == QLatin1String("HOME is not set")) {
        return QString::fromLatin1(kNoProgramFolderMessage);
    }
    return QStringLiteral("Milora cannot find a folder for its data: %1. Set HOME to your home "
                          "folder (a full path, starting with /), or MILORA_HOME to the folder "
                          "for Milora's data, and start Milora again.")
        .arg(reason);
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
