// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The page side of the help window: a text browser whose pages, pictures and style sheets come
// out of the handbook, or the viewer's own page when the handbook or the page is missing. Every
// other name is an empty resource: nothing a page names is ever read from the disk.

#include "ui/chm_archive.h"

#include <QTextBrowser>

namespace milora::ui {

class HandbookBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit HandbookBrowser(QWidget* parent = nullptr);

    void set_archive(const ChmArchive* archive, const QString& path);
    // Every page shows `html` until the next set_archive: the handbook is missing or unreadable.
    void set_problem(const QString& html);

    QVariant loadResource(int type, const QUrl& name) override;

signals:
    // Ctrl and the mouse wheel: +1 larger, -1 smaller.
    void zoom_step(int steps);

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    QVariant handbook_resource(int type, const QUrl& url) const;

    const ChmArchive* archive_ = nullptr;
    QString path_;
    QString problem_;
    int wheel_ = 0;
};

} // namespace milora::ui
