// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/measured_dialog.h"

#include "cardata/data_settings.h"
#include "ui/application.h"
#include "ui/data_settings_window.h"
#include "ui/mileage_window.h"
#include "ui/program_folder.h"
#include "ui/qt_text.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

namespace milora::ui {

using cardata::Field;

namespace {

constexpr const char* kDialogName = "A01a_Measured_Values";
constexpr const char* kDialogCaption = "From Mileage Log";
constexpr const char* kLastLogKey = "LastMileageLog";

// The short name of a box's value in the dialog, and the control names of its row.
struct RowNames {
    Field field;
    const char* check;
    const char* measured;
    const char* current;
};
constexpr RowNames kRows[] = {
    {Field::CombinedMpg, "chkMeasured_Combined_MPG", "lblMeasured_Combined_MPG",
     "lblCurrent_Combined_MPG"},
    {Field::YearlyMiles, "chkMeasured_Yearly_Miles", "lblMeasured_Yearly_Miles",
     "lblCurrent_Yearly_Miles"},
};

QLabel* plain_label(const QString& text, const char* name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(latin_text(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

std::string measured_text(const mileage::Measured& m, Field field) {
    return field == Field::CombinedMpg ? mileage::measured_mpg_text(m.mpg)
                                       : mileage::measured_miles_text(m.miles_per_year);
}

// "31 fill-ups from 1/5/2025 to 12/1/2025 (330 days): 10696 miles on 390.4 gallons."
QString span_text(const mileage::Measured& m) {
    return QStringLiteral("%1 fill-ups from %2 to %3 (%4 days): %5 miles on %6 gallons.")
        .arg(m.fill_ups())
        .arg(qt_text(m.from), qt_text(m.to))
        .arg(m.days)
        .arg(qt_text(mileage::measured_miles_text(m.distance)),
             qt_text(mileage::measured_mpg_text(m.gallons)));
}

} // namespace

MeasuredDialog::MeasuredDialog(const mileage::Measured& measured, const QString& source,
                               const cardata::DataSettings& current, Apply apply, QWidget* parent)
    : QDialog(parent), apply_(std::move(apply)) {
    setObjectName(latin_text(kDialogName));
    setWindowTitle(latin_text(kDialogCaption));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* root = new QVBoxLayout(this);
    auto* source_label =
        plain_label(QStringLiteral("Measured from ") + source, "lblMeasured_Log", this);
    source_label->setWordWrap(true);
    root->addWidget(source_label);
    root->addWidget(plain_label(span_text(measured), "lblMeasured_Span", this));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->addWidget(plain_label(QStringLiteral("Measured"), "lblMeasured_Heading", this), 0, 1,
                    Qt::AlignRight);
    grid->addWidget(plain_label(QStringLiteral("In the box now"), "lblCurrent_Heading", this), 0, 2,
                    Qt::AlignRight);
    grid->setColumnStretch(3, 1);
    int row = 1;
    for (const RowNames& r : kRows) {
        const std::string text = measured_text(measured, r.field);
        measured_.emplace_back(r.field, text);
        auto* check = new QCheckBox(qt_text(cardata::box_info(r.field).caption), this);
        check->setObjectName(latin_text(r.check));
        check->setChecked(true);
        checks_.push_back(check);
        grid->addWidget(check, row, 0);
        grid->addWidget(plain_label(qt_text(text), r.measured, this), row, 1, Qt::AlignRight);
        grid->addWidget(plain_label(qt_text(current.text(r.field)), r.current, this), row, 2,
                        Qt::AlignRight);
        ++row;
    }
    root->addLayout(grid);
    root->addWidget(plain_label(QStringLiteral("OK puts the ticked values into the Data Settings "
                                               "boxes; they are kept when you save as always."),
                                "lblMeasured_Note", this));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &MeasuredDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &MeasuredDialog::reject);
    root->addWidget(buttons);
}

BoxTexts MeasuredDialog::chosen() const {
    BoxTexts out;
    for (std::size_t i = 0; i < checks_.size(); ++i) {
        if (checks_[i]->isChecked()) {
            out.push_back(measured_[i]);
        }
    }
    return out;
}

void MeasuredDialog::accept() {
    if (apply_ && !apply_(chosen())) {
        return; // a value was refused: the user may untick it or cancel
    }
    QDialog::accept();
}

mileage::DayMonthOrder locale_date_order(const QLocale& locale) {
    const QString format = fillup_date_format(locale);
    const auto day = format.indexOf(QLatin1Char('d'));
    const auto month = format.indexOf(QLatin1Char('M'));
    return day >= 0 && month >= 0 && day < month ? mileage::DayMonthOrder::DayFirst
                                                 : mileage::DayMonthOrder::MonthFirst;
}

namespace {

// The check a box makes when the focus leaves it, tried on a copy of the window's state, so that
// a refused value leaves every box as it was.
std::optional<Message> refused(const cardata::DataSettings& settings, const BoxTexts& texts) {
    cardata::DataSettings probe = settings;
    for (const auto& [field, text] : texts) {
        probe.change(field, text);
        if (auto message = probe.validate(field)) {
            return message;
        }
    }
    return std::nullopt;
}

void put_into_boxes(DataSettingsWindow& window, const BoxTexts& texts) {
    for (const auto& [field, text] : texts) {
        // The box's own change handling runs, as for a text the user typed or pasted.
        if (auto* box = window.findChild<QLineEdit*>(latin_text(cardata::box_info(field).box))) {
            box->setText(qt_text(text));
        }
    }
}

} // namespace

bool fill_data_settings(DataSettingsWindow& window, const BoxTexts& texts, MessageService& messages,
                        QWidget* message_parent) {
    if (const auto message = refused(window.settings(), texts)) {
        messages.show(message_parent, *message);
        return false;
    }
    put_into_boxes(window, texts);
    return true;
}

void measure_for_data_settings(DataSettingsWindow& window, const Services& services) {
    const QString last = last_log();
    const QString folder = last.isEmpty() ? program_folder() : QFileInfo(last).absolutePath();
    const QString path = services.files->open_file(
        &window, {QStringLiteral("Measure From Mileage Log"),
                  QStringLiteral("Mileage Logs (*.miloragas *.csv *.txt);;All Files (*)"),
                  QString(), folder, last.isEmpty() ? QString() : QFileInfo(last).fileName()});
    if (path.isEmpty()) {
        return;
    }
    const mileage::FileMeasurement m =
        mileage::measure_file(path_text(path), locale_date_order(QLocale()));
    if (!m.measured) {
        services.messages->show(&window, *m.failure);
        return;
    }
    QPointer<DataSettingsWindow> target(&window);
    MessageService* messages = services.messages;
    auto* dialog = new MeasuredDialog(
        *m.measured, QDir::toNativeSeparators(path), window.settings(),
        [target, messages](const BoxTexts& texts) {
            return target && fill_data_settings(*target, texts, *messages, target);
        },
        &window);
    dialog->open();
}

namespace {

DataSettingsWindow* open_data_settings(Application& app) {
    return qobject_cast<DataSettingsWindow*>(app.windows().find(latin_text(cardata::kWindowName)));
}

void use_in_calculators(MileageWindow& tracker, Application& app) {
    MessageService* messages = app.services().messages;
    const mileage::Measurement m =
        mileage::measure_log(tracker.tracker().log(), locale_date_order(QLocale()));
    if (!m.measured) {
        messages->show(&tracker, mileage::cannot_measure_message("this log", m.reason));
        return;
    }
    // What the boxes hold now: the open Data Settings window's, else what it shows when opened.
    cardata::DataSettings loaded(app.state());
    loaded.load();
    const DataSettingsWindow* shown = open_data_settings(app);
    Application* program = &app;
    QPointer<MileageWindow> from(&tracker);
    auto* dialog = new MeasuredDialog(
        *m.measured, QStringLiteral("the log in the tracker"),
        shown != nullptr ? shown->settings() : loaded,
        [program, from, messages, loaded](const BoxTexts& texts) {
            const DataSettingsWindow* now = open_data_settings(*program);
            if (auto message = refused(now != nullptr ? now->settings() : loaded, texts)) {
                messages->show(from, *message);
                return false;
            }
            auto* window = qobject_cast<DataSettingsWindow*>(
                program->open_window(latin_text(cardata::kWindowName)));
            if (window != nullptr) {
                put_into_boxes(*window, texts);
            }
            return true;
        },
        &tracker);
    dialog->open();
}

} // namespace

void add_use_in_calculators(MileageWindow& tracker, Application& app) {
    auto* bar = tracker.findChild<QMenuBar*>();
    if (bar == nullptr) {
        bar = new QMenuBar(&tracker);
        tracker.layout()->setMenuBar(bar);
    }
    QMenu* menu = bar->addMenu(QStringLiteral("&Tools"));
    menu->setObjectName(QStringLiteral("mnuTools"));
    QAction* action = menu->addAction(QStringLiteral("&Use In Calculators"));
    action->setObjectName(QStringLiteral("mnuUse_In_Calculators"));
    action->setToolTip(QStringLiteral("Put the MPG and yearly miles measured from this log into "
                                      "Data Settings, for every calculator"));
    QObject::connect(action, &QAction::triggered, &tracker,
                     [&tracker, &app] { use_in_calculators(tracker, app); });
}

void remember_last_log(const QString& path) {
    QSettings settings(QStringLiteral("Milora"), QStringLiteral("Milora"));
    settings.beginGroup(QStringLiteral("Settings"));
    settings.setValue(latin_text(kLastLogKey), QFileInfo(path).absoluteFilePath());
}

QString last_log() {
    QSettings settings(QStringLiteral("Milora"), QStringLiteral("Milora"));
    settings.beginGroup(QStringLiteral("Settings"));
    return settings.value(latin_text(kLastLogKey)).toString();
}

} // namespace milora::ui
