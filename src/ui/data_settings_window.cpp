// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/data_settings_window.h"

#include "base/web_links.h"
#include "cardata/car_data_file.h"
#include "ui/application.h"
#include "ui/program_folder.h"
#include "ui/window_tracker.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <map>
#include <vector>

namespace milora::cardata {
namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

QString q(const char* s) {
    return QString::fromUtf8(s);
}

bool validating_reason(Qt::FocusReason r) {
    // Only a move to another control of this window; not a switch of windows or a popup menu.
    return r == Qt::TabFocusReason || r == Qt::BacktabFocusReason || r == Qt::MouseFocusReason ||
           r == Qt::ShortcutFocusReason || r == Qt::OtherFocusReason;
}

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
    settings_.load();
    sync_boxes();
    show_pending();
}

DataSettingsWindow::~DataSettingsWindow() = default;

QLineEdit* DataSettingsWindow::build_box(const BoxInfo& info, QLabel*& caption) {
    caption = new QLabel(q(info.caption), this);
    caption->setObjectName(q(info.label));
    caption->setTextFormat(Qt::PlainText);
    auto* box = new QLineEdit(this);
    box->setObjectName(q(info.box));
    box->setToolTip(q(info.tooltip));
    box->setFixedWidth(90);
    box->installEventFilter(this);
    caption->setBuddy(box);
    const Field field = info.field;
    connect(box, &QLineEdit::textChanged, this,
            [this, field](const QString& text) { on_text_changed(field, text); });
    boxes_[static_cast<std::size_t>(field)] = box;
    return box;
}

void DataSettingsWindow::build() {
    setObjectName(q(kWindowName));
    setWindowTitle(q(kCaption));
    setAttribute(Qt::WA_DeleteOnClose);

    std::map<std::string, std::string> texts;
    for (const Description& d : descriptions()) {
        texts[d.label] = d.text;
    }

    auto* root = new QVBoxLayout(this);
    root->setSpacing(10);
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
        for (const Field f : section.fields) {
            QLabel* caption = nullptr;
            QLineEdit* box = build_box(box_info(f), caption);
            grid->addWidget(caption, row, 0, Qt::AlignRight | Qt::AlignVCenter);
            grid->addWidget(box, row, 1, Qt::AlignLeft | Qt::AlignVCenter);
            ++row;
        }
        if (section.fields.front() == Field::CombinedMpg) {
            const ButtonInfo& b = kButtons[0];
            auto* button = new QPushButton(q(b.caption), this);
            button->setObjectName(q(b.name));
            button->setToolTip(q(b.tooltip));
            grid->addWidget(button, row++, 0, 1, 2, Qt::AlignRight);
        }

        auto* description = new QLabel(q(texts.at(section.description)), this);
        description->setObjectName(q(section.description));
        description->setTextFormat(Qt::PlainText);
        description->setWordWrap(true);
        description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        description->setMinimumWidth(kDescriptionWidth);
        auto* column = new QVBoxLayout;
        column->setSpacing(4);
        column->addWidget(description);
        if (section.fields.front() == Field::EpaCity) {
            epa_link_ = new QLabel(q(kEpaLinkText), this);
            epa_link_->setObjectName(q(kEpaLinkName));
            epa_link_->setTextFormat(Qt::PlainText);
            epa_link_->setCursor(Qt::PointingHandCursor);
            QFont font = epa_link_->font();
            font.setUnderline(true);
            epa_link_->setFont(font);
            QPalette palette = epa_link_->palette();
            palette.setColor(QPalette::WindowText, kLinkBlue);
            epa_link_->setPalette(palette);
            epa_link_->installEventFilter(this);
            column->addWidget(epa_link_);
        }
        column->addStretch(1);
        grid->addLayout(column, first, 3, row - first, 1);
    }
    root->addLayout(grid);

    file_label_ = new QLabel(this);
    file_label_->setObjectName(q(kFileLabelName));
    file_label_->setTextFormat(Qt::PlainText);
    file_label_->setWordWrap(true);
    file_label_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    root->addWidget(file_label_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (const ButtonInfo& b : kButtons) {
        QPushButton* button = nullptr;
        if (b.command == Command::CalculateCombined) {
            button = findChild<QPushButton*>(q(b.name));
        } else {
            button = new QPushButton(q(b.caption), this);
            button->setObjectName(q(b.name));
            button->setToolTip(q(b.tooltip));
            button->setMinimumWidth(90);
            buttons->addWidget(button);
        }
        // Buttons take no focus on a click, so that the box being left is checked first.
        button->setFocusPolicy(Qt::TabFocus);
        button->setAutoDefault(false);
        button->setDefault(false);
        const Command command = b.command;
        connect(button, &QPushButton::clicked, this, [this, command] { on_command(command); });
    }
    buttons->addStretch(1);
    root->addLayout(buttons);

    setMinimumWidth(kWidth);
    root->activate();
    resize(kWidth, root->totalHeightForWidth(kWidth));
}

void DataSettingsWindow::show_file_label() {
    file_label_->setText(q(settings_.file_label()));
}

void DataSettingsWindow::sync_boxes() {
    syncing_ = true;
    for (const BoxInfo& b : kBoxes) {
        QLineEdit* box = boxes_[static_cast<std::size_t>(b.field)];
        const QString text = q(settings_.text(b.field));
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
    settings_.change(field, text.toStdString());
    sync_boxes();
    show_pending();
}

void DataSettingsWindow::show_pending() {
    for (const Message& m : settings_.take_messages()) {
        services_.messages->show(this, m);
    }
    if (const auto field = settings_.take_focus_request()) {
        QLineEdit* box = boxes_[static_cast<std::size_t>(*field)];
        refocusing_ = true;
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
        refocusing_ = false;
    }
}

bool DataSettingsWindow::check_box(Field field) {
    const auto message = settings_.validate(field);
    if (!message) {
        return true;
    }
    QLineEdit* box = boxes_[static_cast<std::size_t>(field)];
    refocusing_ = true;
    services_.messages->show(this, *message);
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
    refocusing_ = false;
    return false;
}

bool DataSettingsWindow::check_focused_box() {
    for (const BoxInfo& b : kBoxes) {
        if (boxes_[static_cast<std::size_t>(b.field)] == focusWidget()) {
            return check_box(b.field);
        }
    }
    return true;
}

bool DataSettingsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == epa_link_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        open_epa_page();
        return true;
    }
    if (event->type() == QEvent::FocusOut && !refocusing_ && !closing_ &&
        validating_reason(static_cast<QFocusEvent*>(event)->reason())) {
        for (const BoxInfo& b : kBoxes) {
            if (boxes_[static_cast<std::size_t>(b.field)] != watched) {
                continue;
            }
            // Checked once the move has finished, so that the focus can be put back cleanly.
            const Field field = b.field;
            QTimer::singleShot(0, this, [this, field] {
                if (!closing_) {
                    check_box(field);
                }
            });
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DataSettingsWindow::on_command(Command command) {
    if (!check_focused_box()) {
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
        services_.help->show_topic(this, q(kHelpTopic));
        break;
    }
}

void DataSettingsWindow::calculate_combined() {
    settings_.estimate();
    sync_boxes();
    show_pending();
}

void DataSettingsWindow::ok() {
    if (!settings_.commit()) {
        show_pending();
        return;
    }
    close();
}

void DataSettingsWindow::cancel() {
    if (settings_.modified() && services_.messages->show(this, cancel_question()) != Answer::Yes) {
        return;
    }
    close();
}

namespace {

ui::FileDialogRequest car_data_dialog() {
    return {QString(), QString::fromLatin1(kDialogFilter), QString::fromLatin1(kExtension),
            ui::program_folder(), QString()};
}

} // namespace

void DataSettingsWindow::save() {
    if (!settings_.commit()) {
        show_pending();
        return;
    }
    const QString path = services_.files->save_file(this, car_data_dialog());
    if (path.isEmpty()) {
        return;
    }
    services_.messages->show(this, saved_path_message(path.toStdString()));
    settings_.save_to(path.toStdString());
    show_file_label();
    show_pending();
}

void DataSettingsWindow::save_as_default() {
    ui::make_program_folder();
    if (!settings_.commit()) {
        show_pending();
        return;
    }
    settings_.save_as_default(ui::default_car_data_path().toStdString());
    show_file_label();
    show_pending();
}

void DataSettingsWindow::load_data() {
    const QString path = services_.files->open_file(this, car_data_dialog());
    if (path.isEmpty()) {
        return;
    }
    settings_.load_from(path.toStdString());
    sync_boxes();
    show_file_label();
    show_pending();
}

void DataSettingsWindow::open_epa_page() {
    services_.web->open_url(QString::fromLatin1(web_address(WebLink::FindACar)));
    QPalette palette = epa_link_->palette();
    palette.setColor(QPalette::WindowText, kVisitedRed);
    epa_link_->setPalette(palette);
}

void DataSettingsWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!centred_) {
        centred_ = true;
        ui::centre_on_screen(this);
    }
}

void DataSettingsWindow::closeEvent(QCloseEvent* event) {
    closing_ = true;
    QWidget::closeEvent(event);
}

} // namespace milora::cardata
