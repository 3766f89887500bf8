// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// Read access to the files inside a compiled HTML help file (*.chm): the handbook's pages,
// pictures and style sheets.

#include <QByteArray>
#include <QString>
#include <optional>

struct chmFile;

namespace milora::ui {

class ChmArchive {
public:
    ChmArchive() = default;
    ~ChmArchive();
    ChmArchive(const ChmArchive&) = delete;
    ChmArchive& operator=(const ChmArchive&) = delete;

    // False when the file cannot be opened or is not a help file (or this build cannot read
    // help files at all); the archive is then closed.
    bool open(const QString& path);
    void close();
    bool is_open() const { return file_ != nullptr; }

    // `name` is a path inside the archive, "/Tires.htm" or "/images/car.png".
    bool contains(const QString& name) const;
    std::optional<QByteArray> read(const QString& name) const;

    // Whether this build links the help file reader.
    static bool supported();

private:
    chmFile* file_ = nullptr;
};

} // namespace milora::ui
