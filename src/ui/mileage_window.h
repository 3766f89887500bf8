// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// B07_Mileage: the mileage tracker window. MileageTracker decides everything; this window asks
// for file names with the file dialogs, passes the entry boxes and the picker's date in, and
// shows the tracker's state: caption, list, enabled buttons, entry frame. The list is shown in a
// fixed-pitch font, since its columns are laid out by character positions, and is a view over the
// tracker's lines that makes only the rows in sight into text.

#include "base/car_data.h"
#include "mileage/mileage_tracker.h"
#include "ui/mileage_dates.h"
#include "ui/mileage_menus.h"
#include "ui/mileage_read_progress.h"
#include "ui/mileage_window_list.h"
#include "ui/services.h"

#include <QPointer>
#include <QWidget>
#include <map>
#include <optional>
#include <vector>

class QAction;
class QPushButton;

namespace milora::ui {
class Application;
}

namespace milora::ui {

class ColumnHeadings;
class MileageEntryFrame;
class MileagePlotWindow;

class MileageWindow : public QWidget {
    Q_OBJECT
public:
    explicit MileageWindow(ui::Application& app, QWidget* parent = nullptr);
    ~MileageWindow() override;

    const mileage::MileageTracker& tracker() const { return tracker_; }
    // The date text that an entry added now would get.
    QString picker_date_text() const;

    // When the program goes down on an error, an open tracker's unsaved log is written to
    // recovery_path(); the next tracker opened says so and keeps the file under a name of its own.
    static QString recovery_path();
    static void save_unsaved_logs_for_recovery() noexcept;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void build();
    QWidget* build_list_column();
    void sync();
    void apply_list_changes();
    void on_main_button(mileage::MainButton b);
    void open_log(mileage::Replacing what);
    void write_log(const mileage::FileDialogDesc& dialog, bool save);
    void add(bool with_missing);
    void open_plot();
    void tell_of_rescued_log();
    // The Edit menu.
    std::vector<MenuCommand> menu_commands();
    std::optional<mileage::MileageLog::Index> selected_entry() const;
    void undo();
    void delete_entry();
    void edit_entry();
    void enable_menu_commands();
    // The Units menu: the list, summary, plot and entry boxes follow the choice, which the
    // settings keep.
    void set_units(mileage::Units units);

    const CarData& car_;
    ui::Services services_;
    mileage::MileageTracker tracker_;
    std::map<mileage::MainButton, QPushButton*> buttons_;
    MileageListView* list_ = nullptr;
    MileageEntryFrame* frame_ = nullptr;
    ColumnHeadings* headings_ = nullptr;
    QPointer<MileagePlotWindow> plot_;
    ReadProgress progress_{this};
    QAction* undo_ = nullptr;
    QAction* delete_ = nullptr;
    QAction* edit_ = nullptr;
    bool exiting_ = false;
    bool centred_ = false;
};

} // namespace milora::ui
