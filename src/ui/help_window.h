// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The help window: buttons (Home, Back, Forward, Print) above, the contents, index and search
// beside the page, and the find bar under it. edt.chm is looked for each time a topic is asked
// for, so a handbook copied in while the program runs is found.

#include "ui/chm_archive.h"
#include "ui/help_browser.h"
#include "ui/services.h"

#include <QDateTime>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <vector>

class QPushButton;
class QSplitter;
class QTabWidget;

namespace milora::ui {

class HelpContents;
class HelpFindBar;
class HelpIndex;
class HelpSearch;

// Where a window of `size` goes beside `owner` (its frame) on `screen`: to its right when there
// is room, else to its left, kept on the screen; centred when there is no owner.
QPoint beside(const QRect& owner, const QSize& size, const QRect& screen);

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    HelpWindow(QStringList folders, WebService* web, PrintService* printer = nullptr);
    ~HelpWindow() override;

    void show_topic(const QString& topic);
    // The window that asked for help; the help window first opens beside it.
    void set_owner(QWidget* owner);
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
    void moveEvent(QMoveEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // The window's parts, made in this order.
    void build_buttons();
    void build_navigation();
    void build_layout();
    // Every control Tab may reach, in order (focusNextPrevChild leaves out the hidden ones).
    std::vector<QWidget*> tab_order() const;
    void add_shortcuts();
    void restore_geometry();
    void place();
    void escape();
    // Shows the tab (0 contents, 1 index, 2 search) with the cursor in it.
    void open_pane(int tab);

    // Finds and opens the handbook; returns whether the archive changed since the last topic.
    bool refresh_archive(const QString& topic);
    void load_navigation();
    void widen_contents();
    QString sitemap_text(const QString& suffix) const;
    void follow_link(const QUrl& url);
    void page_shown(const QUrl& url);
    void open_local(const QString& local);
    void open_search_hit(const QString& page, const QStringList& words);
    void step_zoom(int steps);
    void print_page();
    void save_geometry() const;

    QStringList folders_;
    WebService* web_;
    PrintService* printer_;
    HandbookBrowser* browser_;
    QPushButton* home_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* forward_ = nullptr;
    QPushButton* print_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    HelpContents* contents_ = nullptr;
    HelpIndex* index_ = nullptr;
    HelpSearch* search_ = nullptr;
    HelpFindBar* find_bar_ = nullptr;

    ChmArchive archive_;
    QString path_;
    QDateTime modified_;
    qint64 size_ = -1;
    QStringList highlight_words_; // for the page being opened from the search results
    bool placed_ = false;
    bool user_moved_ = false;
    QPoint saved_position_;
    bool has_saved_position_ = false;
    QPointer<QWidget> owner_;
    int zoom_ = 100;
    qreal base_point_size_ = 0;
};

} // namespace milora::ui
