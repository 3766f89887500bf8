// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/data_settings_window.h"

#include "base/web_links.h"
#include "cardata/car_data_file.h"
#include "ui/application.h"
#include "ui/labels.h"
#include "ui/measured_dialog.h"
#include "ui/program_folder.h"
#include "ui/qt_text.h"
#include "ui/validating_edit.h"
#include "ui/window_tracker.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <map>
#include <vector>

namespace milora::ui {

using namespace milora::cardata;
using ui::latin_text;
using ui::qt_text;

namespace {

// The boxes in groups, each group with the explanation beside it, in load order.
struct Section {
    std::vector<Field> fields;
    const char* description;
};

const std::vector<Section>& sections() {
    static const std::vector<Section> list = {
        {{Field::GasCost}, "lblGas_Cost_Description"},
        {{Field::EpaCity, Field::EpaHighway}, "lblEPA_MPG_Description"},
        {{Field::CityPercent, Field::HighwayPercent}, "lblPercent_Description"},
        {{Field::CombinedMpg}, "lblCombined_MPG_Description"},
        {{Field::YearlyMiles}, "lblYearly_Miles_Description"},
        {{Field::MileageCost}, "lblMileage_Cost_Description"},
        {{Field::TimeCost}, "lblTime_Cost_Description"},
    };
    return list;
}

const ButtonInfo& button_info(Command command) {
    return *std::find_if(kButtons.begin(), kButtons.end(),
                         [command](const ButtonInfo& b) { return b.command == command; });
}

constexpr int kWidth = 820;
constexpr int kDescriptionWidth = 520;
const QColor kLinkBlue(0, 0, 255);
const QColor kVisitedRed(255, 0, 0);

} // namespace

DataSettingsWindow::DataSettingsWindow(ui::Application& app, QWidget* parent)
    : DataSettingsWindow(app.state(), app.services(), parent) {}

DataSettingsWindow::DataSettingsWindow(ProgramState& state, const ui::Services& services,
                                       QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services), settings_(state) {
    build();
    show_file_label();
    settings_.dialogue().answer_with([this](const Message& m) { return answer(m); });
    settings_.load();
    sync_boxes();
}

DataSettingsWindow::~DataSettingsWindow() = default;

ui::ValidatingEdit* DataSettingsWindow::build_box(const BoxInfo& info, QLabel*& caption) {
    caption = new QLabel(qt_text(info.caption), this);
    caption->setObjectName(qt_text(info.label));
    caption->setTextFormat(Qt::PlainText);
    const Field field = info.field;
    auto* box = new ui::ValidatingEdit(
        *services_.messages, [this, field](const QString&) { return settings_.validate(field); },
        this);
    box->setObjectName(qt_text(info.box));
    box->setToolTip(qt_text(info.tooltip));
    box->setFixedWidth(90);
    caption->setBuddy(box);
    connect(box, &QLineEdit::textChanged, this,
            [this, field](const QString& text) { on_text_changed(field, text); });
    boxes_[static_cast<std::size_t>(field)] = box;
    return box;
}

void DataSettingsWindow::build() {
    setObjectName(qt_text(kWindowName));
    setWindowTitle(qt_text(kCaption));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* root = new QVBoxLayout(this);
    root->setSpacing(10);
    root->addLayout(build_sections());
    build_file_label(root);
    build_buttons(root);
    set_tab_order();
    fix_size(root);
}

QGridLayout* DataSettingsWindow::build_sections() {
    std::map<std::string, std::string> texts;
    for (const Description& d : descriptions()) {
        texts[d.label] = d.text;
    }
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);
    grid->setColumnMinimumWidth(2, 12);
    grid->setColumnStretch(3, 1);
    int row = 0;
    for (const Section& section : sections()) {
        if (row > 0) {
            auto* line = new QFrame(this);
            line->setFrameShape(QFrame::HLine);
            line->setFrameShadow(QFrame::Sunken);
            grid->addWidget(line, row++, 0, 1, 4);
        }
        const int first = row;
        build_section_boxes(*grid, section.fields, row);
        grid->addLayout(build_description(section.fields.front(), section.description,
                                          texts.at(section.description)),
                        first, 3, row - first, 1);
    }
    return grid;
}

void DataSettingsWindow::build_section_boxes(QGridLayout& grid, const std::vector<Field>& fields,
                                             int& row) {
    for (const Field f : fields) {
        QLabel* caption = nullptr;
        ui::ValidatingEdit* box = build_box(box_info(f), caption);
        grid.addWidget(caption, row, 0, Qt::AlignRight | Qt::AlignVCenter);
        grid.addWidget(box, row, 1, Qt::AlignLeft | Qt::AlignVCenter);
        ++row;
    }
    if (fields.front() == Field::CombinedMpg) {
        QPushButton* button = build_button(button_info(Command::CalculateCombined));
        grid.addWidget(button, row++, 0, 1, 2, Qt::AlignRight);
        QPushButton* measured = build_measured_button();
        grid.addWidget(measured, row++, 0, 1, 2, Qt::AlignRight);
    }
}

QVBoxLayout* DataSettingsWindow::build_description(Field first, const char* name,
                                                   const std::string& text) {
    auto* description = new QLabel(qt_text(text), this);
    description->setObjectName(qt_text(name));
    description->setTextFormat(Qt::PlainText);
    description->setWordWrap(true);
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    description->setMinimumWidth(kDescriptionWidth);
    auto* column = new QVBoxLayout;
    column->setSpacing(4);
    column->addWidget(description);
    if (first == Field::EpaCity) {
        epa_link_ = new ui::LinkLabel(qt_text(kEpaLinkText), kLinkBlue, kVisitedRed, this);
        epa_link_->setObjectName(qt_text(kEpaLinkName));
        connect(epa_link_, &ui::LinkLabel::activated, this, &DataSettingsWindow::open_epa_page);
        column->addWidget(epa_link_, 0, Qt::AlignLeft);
    }
    column->addStretch(1);
    return column;
}

QPushButton* DataSettingsWindow::build_measured_button() {
    auto* button = new QPushButton(QStringLiteral("From Mileage Log..."), this);
    button->setObjectName(QStringLiteral("cmdFrom_Mileage_Log"));
    button->setToolTip(QStringLiteral("Click on this button to measure your combined MPG and "
                                      "yearly miles from your own fill-ups in a mileage log"));
    button->setFocusPolicy(Qt::TabFocus);
    button->setAutoDefault(true);
    connect(button, &QPushButton::clicked, this, [this] {
        if (ui::ValidatingEdit::validate_focused(this)) {
            ui::measure_for_data_settings(*this, services_);
        }
    });
    return button;
}

void DataSettingsWindow::build_file_label(QVBoxLayout* root) {
    file_label_ = new ui::ElidedLabel(this);
    file_label_->setObjectName(qt_text(kFileLabelName));
    root->addWidget(file_label_);
}

QPushButton* DataSettingsWindow::build_button(const ButtonInfo& b) {
    auto* button = new QPushButton(qt_text(b.caption), this);
    button->setObjectName(qt_text(b.name));
    button->setToolTip(qt_text(b.tooltip));
    // Buttons take no focus on a click, so that the box being left is checked first; Tab
    // reaches them, and Enter presses the one that holds the focus.
    button->setFocusPolicy(Qt::TabFocus);
    button->setAutoDefault(true);
    const Command command = b.command;
    connect(button, &QPushButton::clicked, this, [this, command] { on_command(command); });
    return button;
}

void DataSettingsWindow::build_buttons(QVBoxLayout* root) {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (const ButtonInfo& b : kButtons) {
        if (b.command == Command::CalculateCombined) {
            continue; // it stands under the combined MPG box
        }
        QPushButton* button = build_button(b);
        button->setMinimumWidth(90);
        // Enter anywhere but on another button is OK.
        button->setDefault(b.command == Command::Ok);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    root->addLayout(buttons);
}

void DataSettingsWindow::set_tab_order() {
    // Reading order: each section's boxes, then what stands beside or under them, then the row
    // of buttons from left to right.
    std::vector<QWidget*> order;
    for (const Section& section : sections()) {
        for (const Field f : section.fields) {
            order.push_back(boxes_[static_cast<std::size_t>(f)]);
        }
        if (section.fields.front() == Field::EpaCity) {
            order.push_back(epa_link_);
        }
    }
    const auto after_combined =
        std::find(order.begin(), order.end(), boxes_[static_cast<std::size_t>(Field::CombinedMpg)]);
    order.insert(after_combined + 1,
                 {findChild<QPushButton*>(qt_text(button_info(Command::CalculateCombined).name)),
                  findChild<QPushButton*>(QStringLiteral("cmdFrom_Mileage_Log"))});
    for (const ButtonInfo& b : kButtons) {
        if (b.command != Command::CalculateCombined) {
            order.push_back(findChild<QPushButton*>(qt_text(b.name)));
        }
    }
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void DataSettingsWindow::fix_size(QVBoxLayout* root) {
    // The descriptions wrap, so the height they need grows as the window narrows: the window
    // is never narrower than kWidth nor lower than all of them need at that width.
    root->activate();
    const int width = std::max(kWidth, root->minimumSize().width());
    const int height = root->totalHeightForWidth(width);
    setMinimumSize(width, height);
    resize(width, height);
}

void DataSettingsWindow::show_file_label() {
    file_label_->setText(qt_text(settings_.file_label()));
    file_label_->setToolTip(qt_text(settings_.file_name()));
}

void DataSettingsWindow::sync_boxes() {
    syncing_ = true;
    for (const BoxInfo& b : kBoxes) {
        ui::ValidatingEdit* box = boxes_[static_cast<std::size_t>(b.field)];
        const QString text = qt_text(settings_.text(b.field));
        if (box->text() != text) {
            box->setText(text);
        }
    }
    syncing_ = false;
}

void DataSettingsWindow::on_text_changed(Field field, const QString& text) {
    if (syncing_) {
        return; // the window's own write of a text that DataSettings already holds
    }
    settings_.edit(field, text.toStdString());
    sync_boxes();
}

Answer DataSettingsWindow::answer(const Message& m) {
    // The boxes and the file label show what the model holds when a message comes, and a refused
    // box takes the focus before its message shows, so that it is seen where the fault is, and its
    // text is selected afterwards.
    sync_boxes();
    show_file_label();
    const auto field = settings_.take_focus_request();
    ui::ValidatingEdit* box = field ? boxes_[static_cast<std::size_t>(*field)] : nullptr;
    if (box != nullptr) {
        box->take_focus_back();
    }
    const Answer answer = services_.messages->show(this, m);
    if (box != nullptr) {
        box->take_focus_back();
    }
    return answer;
}

void DataSettingsWindow::keyPressEvent(QKeyEvent* event) {
    const bool plain =
        event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        on_command(Command::Ok);
        return;
    }
    if (plain && event->key() == Qt::Key_Escape) {
        on_command(Command::Cancel);
        return;
    }
    QWidget::keyPressEvent(event);
}

void DataSettingsWindow::on_command(Command command) {
    // Only the commands that use the boxes' texts check the box being left; leaving the window,
    // loading other data or reading the help is never held up by a box the user has not fixed.
    const bool uses_boxes = command == Command::CalculateCombined || command == Command::Ok ||
                            command == Command::Save || command == Command::SaveAsDefault;
    if (uses_boxes && !ui::ValidatingEdit::validate_focused(this)) {
        return;
    }
    switch (command) {
    case Command::CalculateCombined:
        calculate_combined();
        break;
    case Command::Ok:
        ok();
        break;
    case Command::Cancel:
        cancel();
        break;
    case Command::Save:
        save();
        break;
    case Command::SaveAsDefault:
        save_as_default();
        break;
    case Command::LoadData:
        load_data();
        break;
    case Command::Help:
        services_.help->show_topic(this, qt_text(kHelpTopic));
        break;
    }
}

void DataSettingsWindow::calculate_combined() {
    settings_.estimate();
    sync_boxes();
}

void DataSettingsWindow::ok() {
    if (!settings_.commit()) {
        return;
    }
    close();
}

void DataSettingsWindow::cancel() {
    if (settings_.cancel()) {
        close();
    }
}

namespace {

ui::FileDialogRequest car_data_dialog() {
    return {QString(), latin_text(kDialogFilter), latin_text(kExtension), ui::program_folder(),
            QString()};
}

} // namespace

void DataSettingsWindow::save() {
    if (!settings_.commit()) {
        return;
    }
    const QString path = services_.files->save_file(this, car_data_dialog());
    if (path.isEmpty()) {
        return;
    }
    settings_.save_to(path.toStdString());
    show_file_label();
}

void DataSettingsWindow::save_as_default() {
    ui::make_program_folder();
    if (!settings_.commit()) {
        return;
    }
    settings_.save_as_default(ui::default_car_data_path().toStdString());
    show_file_label();
}

void DataSettingsWindow::load_data() {
    const QString path = services_.files->open_file(this, car_data_dialog());
    if (path.isEmpty()) {
        return;
    }
    settings_.load_from(path.toStdString());
    sync_boxes();
    show_file_label();
}

void DataSettingsWindow::open_epa_page() {
    ui::open_link(services_, this, latin_text(web_address(WebLink::FindACar)));
}

void DataSettingsWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!centred_) {
        centred_ = true;
        ui::centre_on_screen(this);
    }
}

} // namespace milora::ui
