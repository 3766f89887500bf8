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
#include "ui/mileage_window_list.h"
#include "ui/services.h"

#include <QPointer>
#include <QWidget>
#include <map>

class QDateEdit;
class QGroupBox;
class QLineEdit;
class QLocale;
class QProgressDialog;
class QPushButton;

namespace milora::ui {
class Application;
}

namespace milora::ui {

class MileagePlotWindow;

// The date form of new fill-ups, in the picker, the list and the files: the locale's short date
// order with a four-digit year ("9/16/2006" in the US); a numeric form also where the locale's
// short form names the month.
QString fillup_date_format(const QLocale& locale);

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
    QGroupBox* build_entry_frame();
    void sync();
    void apply_list_changes();
    void on_main_button(mileage::MainButton b);
    void open_log(mileage::Replacing what);
    void write_log(const mileage::FileDialogDesc& dialog, bool save);
    void add(bool with_missing);
    void open_plot();
    bool show_read_progress(std::size_t done, std::size_t total);
    void end_read_progress();
    void tell_of_rescued_log();

    const CarData& car_;
    ui::Services services_;
    mileage::MileageTracker tracker_;
    std::map<mileage::MainButton, QPushButton*> buttons_;
    MileageListView* list_ = nullptr;
    QGroupBox* frame_ = nullptr;
    QDateEdit* picker_ = nullptr;
    QLineEdit* miles_ = nullptr;
    QLineEdit* gallons_ = nullptr;
    QPointer<MileagePlotWindow> plot_;
    QProgressDialog* progress_ = nullptr;
    bool exiting_ = false;
    bool centred_ = false;
};

} // namespace milora::ui
