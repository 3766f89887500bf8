// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The Data Settings window: renders DataSettings and keeps its boxes in step with it.
//
// Every change of a box's text goes to DataSettings, which may rewrite other boxes (the coupled
// percentages); the window then writes the texts back without reporting those writes again.
// Enter is OK and Escape is Cancel.
// Boxes are checked when the focus leaves them for another control of this window (a
// ValidatingEdit, as in the calculator windows). The commands that use the boxes' texts (the
// estimate, OK, Save, Save As Default) first check the box that holds the focus; Cancel, Load
// Data, Help and the title-bar close never do, so that a refused box never traps the user. The
// title-bar close unloads the window without a question and without a commit.

#include "base/car_data.h"
#include "cardata/data_settings.h"
#include "ui/services.h"

#include <QWidget>
#include <array>
#include <string>
#include <vector>

class QGridLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace milora::ui {
class Application;
class ElidedLabel;
class LinkLabel;
class ValidatingEdit;
} // namespace milora::ui

namespace milora::ui {

class DataSettingsWindow : public QWidget {
    Q_OBJECT
public:
    explicit DataSettingsWindow(ui::Application& app, QWidget* parent = nullptr);
    DataSettingsWindow(ProgramState& state, const ui::Services& services,
                       QWidget* parent = nullptr);
    ~DataSettingsWindow() override;

    const cardata::DataSettings& settings() const { return settings_; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void build();
    QGridLayout* build_sections();
    void build_section_boxes(QGridLayout& grid, const std::vector<cardata::Field>& fields,
                             int& row);
    QVBoxLayout* build_description(cardata::Field first, const char* name, const std::string& text);
    ui::ValidatingEdit* build_box(const cardata::BoxInfo& info, QLabel*& caption);
    QPushButton* build_button(const cardata::ButtonInfo& b);
    QPushButton* build_measured_button();
    void build_file_label(QVBoxLayout* root);
    void build_buttons(QVBoxLayout* root);
    void set_tab_order();
    void fix_size(QVBoxLayout* root);
    void on_text_changed(cardata::Field field, const QString& text);
    void on_command(cardata::Command command);
    void calculate_combined();
    void ok();
    void cancel();
    void save();
    void save_as_default();
    void load_data();
    void open_epa_page();
    void sync_boxes();
    // Shows a message of the Data Settings model and returns the answer.
    Answer answer(const Message& m);
    void show_file_label();

    ui::Services services_;
    cardata::DataSettings settings_;
    std::array<ui::ValidatingEdit*, cardata::kFieldCount> boxes_{};
    ui::ElidedLabel* file_label_ = nullptr;
    ui::LinkLabel* epa_link_ = nullptr;
    bool syncing_ = false;
    bool centred_ = false;
};

} // namespace milora::ui
