// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// A0_Main: the program's home window. Its six tabs lead to every calculator and chapter of the
// handbook, its menus open car data files, set up the printer and reach the handbook, the web
// site and the About window. Tabs, rows and menus come from main_tables.h.
//
// Load reads default.miloracar from the program folder (skipping lines that do not read); while
// that file is missing a start-up notice points the user to the handbook, and its OK can write
// the file. Closing the window closes every other window, newest first, and stores the window's
// geometry unless it is minimized.

#include "shell/main_tables.h"

#include <QMainWindow>
#include <utility>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QTabWidget;

namespace milora::ui {
class Application;
}

namespace milora::ui {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(ui::Application& app, QWidget* parent = nullptr);

    // The chapter F1 opens: the focused row's, else the first row's of the current tab.
    QString current_chapter() const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* build_tab(const shell::MainTab& tab, bool starting_up);
    void set_tab_order(QWidget* page, QPushButton* exit);
    void fix_minimum_size();
    void build_menus();
    void build_keys();
    void focus_first_row();
    void note_frame();
    void load();
    void run_row(const shell::MainRow& row);
    void run_menu(const shell::MenuItem& item);
    void open_web_page(WebLink link);
    void show_help(const char* control);
    void notice_ok();
    void open_car_data();
    void store_geometry();
    void update_window_buttons();

    ui::Application& app_;
    QTabWidget* tabs_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QSize content_minimum_;
    QGroupBox* notice_ = nullptr;
    QLabel* notice_caption_ = nullptr;
    QCheckBox* nag_ = nullptr;
    std::vector<std::pair<QPushButton*, QString>> window_buttons_;
    QRect last_frame_; // the frame as last seen on screen, what closing stores
    bool centred_ = false;
};

} // namespace milora::ui
