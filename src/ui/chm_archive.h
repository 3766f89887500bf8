// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// Read access to the files inside a compiled HTML help file (*.chm): the handbook's pages,
// pictures and style sheets, in Qt's types. The reading itself is ChmFile's.

#include "help/chm_file.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace milora::ui {

class ChmArchive {
public:
    // False when the file cannot be opened or is not a help file (or this build cannot read
    // help files at all); the archive is then closed.
    bool open(const QString& path);
    void close() { file_.close(); }
    bool is_open() const { return file_.is_open(); }

    // `name` is a path inside the archive, "/Tires.htm" or "/images/car.png".
    bool contains(const QString& name) const;
    std::optional<QByteArray> read(const QString& name) const;
    // The length of `name`, read from the directory: nothing is decompressed.
    std::optional<qint64> size(const QString& name) const;
    // `name` when it is at most `most` bytes long; `too_large` says when it was longer (and
    // was left unread).
    std::optional<QByteArray> read_at_most(const QString& name, qint64 most,
                                           bool* too_large = nullptr) const;
    // Every file the help file holds for its reader, "/Tires.htm", "/edt.hhc".
    QStringList names() const;

    // Whether this build links the help file reader.
    static bool supported() { return help::ChmFile::supported(); }

private:
    help::ChmFile file_;
};

} // namespace milora::ui
