// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// Texts crossing between the Qt windows and the Qt-free core. The core's texts are UTF-8; the
// tables of names, captions and tooltips are plain ASCII; file paths go to the core spelled as the
// operating system spells them.

#include <QFile>
#include <QString>

#include <string>

namespace milora::ui {

inline QString qt_text(const std::string& s) {
    return QString::fromStdString(s);
}

inline QString qt_text(const char* s) {
    return QString::fromUtf8(s);
}

inline QString latin_text(const char* s) {
    return QString::fromLatin1(s);
}

inline std::string path_text(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace milora::ui
