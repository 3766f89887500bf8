// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The handbook viewer: one help window for the whole program that reads the pages, pictures and
// style sheets of edt.chm and opens a topic such as "Tires.htm#alignment" at its anchor.
//
// edt.chm is looked for in the program folder, then in the installed data folder, each time a
// topic is asked for, so a handbook copied in while the program runs is found. When the file or
// the topic is missing the window shows a page of its own saying what it looked for and where;
// the program never shows a message box for it. Links to web pages go to the browser.

#include "ui/chm_archive.h"
#include "ui/services.h"

#include <QDateTime>
#include <QStringList>
#include <QTextBrowser>
#include <QWidget>
#include <memory>

namespace milora::ui {

inline constexpr const char* kHandbookFileName = "edt.chm";

// The program folder, then the installed data folder (then, for a program run from its build
// tree, the folder where that build compiles the handbook).
QStringList handbook_folders();

// The address of a topic inside the handbook: "Tires.htm#alignment" -> chm:/Tires.htm#alignment.
QUrl handbook_url(const QString& topic);

// A text browser whose resources come out of the handbook, or the viewer's own page when the
// handbook or the page is missing.
class HandbookBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit HandbookBrowser(QWidget* parent = nullptr);

    void set_archive(const ChmArchive* archive, const QString& path);
    // Every page shows `html` until the next set_archive: the handbook is missing or unreadable.
    void set_problem(const QString& html);

    QVariant loadResource(int type, const QUrl& name) override;

private:
    const ChmArchive* archive_ = nullptr;
    QString path_;
    QString problem_;
};

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    HelpWindow(QStringList folders, WebService* web);

    void show_topic(const QString& topic);
    HandbookBrowser* browser() const { return browser_; }
    // The handbook file in use; empty when none was found.
    QString handbook_path() const { return path_; }

private:
    // Finds and opens the handbook; returns whether the archive changed since the last topic.
    bool refresh_archive(const QString& topic);
    void follow_link(const QUrl& url);

    QStringList folders_;
    WebService* web_;
    HandbookBrowser* browser_;
    ChmArchive archive_;
    QString path_;
    QDateTime modified_;
    qint64 size_ = -1;
};

// The real help service: opens topics in the one help window, made at the first request.
class HelpViewer final : public HelpService {
public:
    explicit HelpViewer(WebService* web, QStringList folders = handbook_folders());
    ~HelpViewer() override;

    void show_topic(QWidget* owner, const QString& topic) override;
    HelpWindow* window() const { return window_.get(); }

private:
    WebService* web_;
    QStringList folders_;
    std::unique_ptr<HelpWindow> window_;
};

} // namespace milora::ui
