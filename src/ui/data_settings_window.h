// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The Data Settings window: renders DataSettings and keeps its boxes in step with it.
//
// Every change of a box's text goes to DataSettings, which may rewrite other boxes (the coupled
// percentages); the window then writes the texts back without reporting those writes again.
// Boxes are checked when the focus leaves them for another control of this window, and a click
// on any button first checks the box that holds the focus, as in the calculator windows. The
// title-bar close unloads the window without a question and without a commit.

#include "base/car_data.h"
#include "cardata/data_settings.h"
#include "ui/services.h"

#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;

namespace milora::ui {
class Application;
}

namespace milora::cardata {

class DataSettingsWindow : public QWidget {
    Q_OBJECT
public:
    explicit DataSettingsWindow(ui::Application& app, QWidget* parent = nullptr);
    DataSettingsWindow(ProgramState& state, const ui::Services& services,
                       QWidget* parent = nullptr);
    ~DataSettingsWindow() override;

    const DataSettings& settings() const { return settings_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void build();
    QLineEdit* build_box(const BoxInfo& info, QLabel*& caption);
    void on_text_changed(Field field, const QString& text);
    void on_command(Command command);
    void calculate_combined();
    void ok();
    void cancel();
    void save();
    void save_as_default();
    void load_data();
    void open_epa_page();
    bool check_box(Field field);
    bool check_focused_box();
    void sync_boxes();
    void show_pending();
    void show_file_label();

    ui::Services services_;
    DataSettings settings_;
    std::array<QLineEdit*, kFieldCount> boxes_{};
    QLabel* file_label_ = nullptr;
    QLabel* epa_link_ = nullptr;
    bool syncing_ = false;
    bool refocusing_ = false;
    bool closing_ = false;
    bool centred_ = false;
};

} // namespace milora::cardata
