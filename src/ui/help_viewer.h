// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The handbook viewer: one help window for the whole program that reads the pages, pictures and
// style sheets of edt.chm and opens a topic such as "Tires.htm#alignment" at its anchor. Beside
// the page: the handbook's contents (.hhc), its index (.hhk) and a full-text search.
//
// edt.chm is looked for in the program folder, then in the installed data folder, each time a
// topic is asked for, so a handbook copied in while the program runs is found. When the file or
// the topic is missing the window shows a page of its own saying what it looked for and where;
// the program never shows a message box for it. Links to web pages and mail go to the desktop;
// nothing a page names is ever read from the disk, only from the help file.

#include "help/search_index.h"
#include "ui/chm_archive.h"
#include "ui/services.h"

#include <QDateTime>
#include <QHash>
#include <QStringList>
#include <QTextBrowser>
#include <QWidget>
#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QSplitter;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace milora::ui {

inline constexpr const char* kHandbookFileName = "edt.chm";

// The program folder, then the installed data folder (then, for a program run from its build
// tree, the folder where that build compiles the handbook).
QStringList handbook_folders();

// The address of a topic inside the handbook: "Tires.htm#alignment" -> chm:/Tires.htm#alignment.
// A topic written as a help-file link ("ms-its:edt.chm::/Oil.htm#ECMO", "/Oil.htm") names the
// same page.
QUrl handbook_url(const QString& topic);

// A text browser whose resources come out of the handbook, or the viewer's own page when the
// handbook or the page is missing. Every other name is an empty resource.
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

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    HelpWindow(QStringList folders, WebService* web, PrintService* printer = nullptr);
    ~HelpWindow() override;

    void show_topic(const QString& topic);
    HandbookBrowser* browser() const { return browser_; }
    // The handbook file in use; empty when none was found.
    QString handbook_path() const { return path_; }

    // The search over every page; the index is made at the first search of a handbook.
    void search(const QString& words);
    void go_home();
    void set_zoom(int percent);
    int zoom() const { return zoom_; }
    // Finds `text` in the page from the cursor on (or back), round the end; false when absent.
    bool find_in_page(const QString& text, bool backward = false);

    static constexpr int kSmallestZoom = 50;
    static constexpr int kLargestZoom = 300;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Finds and opens the handbook; returns whether the archive changed since the last topic.
    bool refresh_archive(const QString& topic);
    void load_navigation();
    void follow_link(const QUrl& url);
    void page_shown(const QUrl& url);
    void open_local(const QString& local);
    void step_zoom(int steps);
    void show_find_bar();
    void find_next(bool backward);
    void filter_index(const QString& text);
    void open_search_hit(QListWidgetItem* item);
    void highlight(const QStringList& words);
    void print_page();
    void save_geometry() const;
    QString sitemap_text(const QString& suffix) const;

    QStringList folders_;
    WebService* web_;
    PrintService* printer_;
    HandbookBrowser* browser_;
    QSplitter* splitter_;
    QTabWidget* tabs_;
    QTreeWidget* contents_;
    QLineEdit* index_filter_;
    QListWidget* index_;
    QLineEdit* search_box_;
    QListWidget* results_;
    QLabel* search_status_;
    QWidget* find_bar_;
    QLineEdit* find_box_;
    QLabel* find_status_;
    QPushButton* print_;

    ChmArchive archive_;
    QString path_;
    QDateTime modified_;
    qint64 size_ = -1;
    // Page (lower case, no leading '/') -> its first row in the contents.
    QHash<QString, QTreeWidgetItem*> rows_;
    std::optional<help::SearchIndex> search_index_;
    QStringList highlight_words_; // for the page being opened from the search results
    bool syncing_ = false;
    bool placed_ = false;
    int zoom_ = 100;
    qreal base_point_size_ = 0;
};

// The real help service: opens topics in the one help window, made at the first request.
class HelpViewer final : public HelpService {
public:
    explicit HelpViewer(WebService* web, QStringList folders = handbook_folders(),
                        PrintService* printer = nullptr);
    ~HelpViewer() override;

    void show_topic(QWidget* owner, const QString& topic) override;
    HelpWindow* window() const { return window_.get(); }

private:
    WebService* web_;
    QStringList folders_;
    PrintService* printer_;
    std::unique_ptr<HelpWindow> window_;
};

} // namespace milora::ui
