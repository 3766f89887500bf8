// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/mileage_window.h"

#include "ui/application.h"
#include "ui/measured_dialog.h"
#include "ui/mileage_column_headings.h"
#include "ui/mileage_date_box.h"
#include "ui/mileage_edit_dialog.h"
#include "ui/mileage_entry_frame.h"
#include "ui/mileage_keys.h"
#include "ui/mileage_menus.h"
#include "ui/mileage_plot_window.h"
#include "ui/mileage_rescue.h"
#include "ui/program_folder.h"
#include "ui/qt_text.h"
#include "ui/window_tracker.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTimer>
#include <QVBoxLayout>

namespace milora::ui {

using namespace milora::mileage;
using ui::latin_text;
using ui::path_text;
using ui::qt_text;

namespace {

ui::FileDialogRequest request(const FileDialogDesc& d) {
    return {latin_text(d.title), latin_text(d.filter), latin_text(d.default_suffix),
            ui::program_folder(), QString()};
}

} // namespace

QString MileageWindow::recovery_path() {
    return rescue_path();
}

void MileageWindow::save_unsaved_logs_for_recovery() noexcept {
    save_unsaved_logs();
}

MileageWindow::MileageWindow(ui::Application& app, QWidget* parent)
    : QWidget(parent, Qt::Window), car_(app.state().car), services_(app.services()) {
    tracker_.dialogue().answer_with(
        [this](const Message& m) { return services_.messages->show(this, m); });
    tracker_.set_preview(
        [this](const ImportPreview& p, const Repreview& again) -> std::optional<ImportChoices> {
            if (services_.previews == nullptr) {
                return p.choices;
            }
            return services_.previews->confirm(this, p, again);
        });
    build();
    add_use_in_calculators(*this, app);
    const QString saved = QSettings().value(QStringLiteral("Settings/MileageUnits")).toString();
    set_units(units_named(saved.toStdString()).value_or(Units::UsMpg));
    tracker_.set_read_progress(
        [this](std::size_t done, std::size_t total) { return progress_.step(done, total); });
    sync();
    watch_for_rescue(&tracker_);
}

MileageWindow::~MileageWindow() {
    stop_watching_for_rescue(&tracker_);
    if (plot_) {
        plot_->disconnect(this);
        delete plot_;
    }
}

QWidget* MileageWindow::build_list_column() {
    auto* column = new QWidget(this);
    auto* v = new QVBoxLayout(column);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(2);

    list_ = new MileageListView(tracker_, column);
    list_->setObjectName(QStringLiteral("txtMileage"));
    list_->setFont(fixed_pitch_font());
    const QFontMetrics m(list_->font());
    const int scroll = list_->verticalScrollBar()->sizeHint().width();
    list_->setMinimumWidth(static_cast<int>(list_->column_x(72)) + 2 * list_->frameWidth() +
                           scroll);
    list_->setMinimumHeight(m.lineSpacing() * 14);

    headings_ = new ColumnHeadings(list_, column);
    v->addWidget(headings_);
    v->addWidget(list_, 1);
    frame_ = new MileageEntryFrame(this);
    frame_->on_add = [this](bool with_missing) { add(with_missing); };
    frame_->on_done = [this] {
        tracker_.done_adding();
        sync();
    };
    v->addWidget(frame_);
    return column;
}

void MileageWindow::build() {
    setObjectName(latin_text(kTrackerWindow));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* root = new QHBoxLayout(this);
    root->setMenuBar(build_menu_bar(this, menu_commands()));
    undo_ = findChild<QAction*>(QStringLiteral("mnuUndo"));
    delete_ = findChild<QAction*>(QStringLiteral("mnuDelete_Entry"));
    edit_ = findChild<QAction*>(QStringLiteral("mnuEdit_Entry"));
    root->addWidget(build_list_column(), 1);
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MileageWindow::enable_menu_commands);

    // The main buttons, grouped by what they do; enable_main_buttons sets all ten.
    auto* side = new QVBoxLayout;
    const MainButton order[] = {MainButton::AddNew, MainButton::Plot, MainButton::PrintSummary,
                                MainButton::Open,   MainButton::Save, MainButton::Import,
                                MainButton::Export, MainButton::New,  MainButton::Help,
                                MainButton::Exit};
    for (const MainButton b : order) {
        const MainButtonDesc* d = nullptr;
        for (const auto& desc : main_buttons()) {
            d = desc.button == b ? &desc : d;
        }
        auto* button = make_tracker_button(d->name, d->caption, d->tooltip, this);
        buttons_[b] = button;
        connect(button, &QPushButton::clicked, this, [this, b] { on_main_button(b); });
        if (b == MainButton::Open || b == MainButton::Help) {
            side->addSpacing(16);
        }
        side->addWidget(button);
    }
    side->addStretch(1);
    root->addLayout(side);
    resize(sizeHint());
}

void MileageWindow::sync() {
    setWindowTitle(qt_text(tracker_.caption()));
    for (auto& [b, button] : buttons_) {
        button->setEnabled(tracker_.enabled(b));
    }
    frame_->setVisible(tracker_.entry_frame_visible());
    apply_list_changes();
    enable_menu_commands();
}

std::vector<MenuCommand> MileageWindow::menu_commands() {
    std::vector<MenuCommand> commands{
        {"mnuEdit", "&Edit", "mnuUndo", "&Undo", QKeySequence::Undo, [this] { undo(); }},
        {"mnuEdit", "&Edit", "mnuDelete_Entry", "&Delete Entry", {}, [this] { delete_entry(); }},
        {"mnuEdit", "&Edit", "mnuEdit_Entry", "&Edit Entry...", {}, [this] { edit_entry(); }},
    };
    commands.push_back({"mnuView", "&View", "mnuShow_List", "Show the &List", {}, [this] {
                            tracker_.show_list();
                            sync();
                        }});
    for (const UnitsDesc& u : all_units()) {
        commands.push_back({"mnuUnits",
                            "&Units",
                            u.menu_name,
                            u.menu_text,
                            {},
                            [this, units = u.units] { set_units(units); },
                            true});
    }
    return commands;
}

void MileageWindow::set_units(Units units) {
    tracker_.set_units(units);
    QSettings settings;
    settings.setValue(QStringLiteral("Settings/MileageUnits"), latin_text(describe(units).key));
    findChild<QAction*>(latin_text(describe(units).menu_name))->setChecked(true);
    headings_->set_units(units);
    frame_->set_units(units);
    sync();
}

void MileageWindow::enable_menu_commands() {
    undo_->setEnabled(tracker_.can_undo());
    findChild<QAction*>(QStringLiteral("mnuShow_List"))->setEnabled(tracker_.summary_shown());
    // The column headings belong to the list of entries, not to a summary in its place.
    headings_->setVisible(!tracker_.summary_shown());
    delete_->setEnabled(selected_entry().has_value());
    edit_->setEnabled(delete_->isEnabled());
}

std::optional<MileageLog::Index> MileageWindow::selected_entry() const {
    const QModelIndexList rows = list_->selectionModel()->selectedRows();
    if (rows.size() != 1) {
        return std::nullopt;
    }
    return tracker_.entry_on_line(list_->list_model()->first_line() + rows.front().row());
}

void MileageWindow::undo() {
    tracker_.undo();
    sync();
}

void MileageWindow::delete_entry() {
    if (const auto i = selected_entry()) {
        tracker_.delete_entry(*i);
        sync();
    }
}

void MileageWindow::edit_entry() {
    const auto i = selected_entry();
    if (!i) {
        return;
    }
    MileageEditDialog dialog(
        tracker_.log().entry(*i), tracker_.units(),
        [this, at = *i](const EntryDate& date, const std::string& miles, const std::string& gallons,
                        bool missing) {
            return tracker_.edit_entry(at, date, miles, gallons, missing);
        },
        this);
    dialog.exec();
    sync();
}

void MileageWindow::apply_list_changes() {
    list_->follow(tracker_.take_list_changes());
}

QString MileageWindow::picker_date_text() const {
    return frame_->picker()->stored_text();
}

void MileageWindow::on_main_button(MainButton b) {
    switch (b) {
    case MainButton::New:
        if (tracker_.may_replace_log(Replacing::Clear)) {
            tracker_.clear_data();
        }
        break;
    case MainButton::Open:
        open_log(Replacing::Open);
        break;
    case MainButton::Import:
        open_log(Replacing::Import);
        break;
    case MainButton::Save:
        write_log(kSaveDialog, true);
        break;
    case MainButton::Export:
        write_log(kExportDialog, false);
        break;
    case MainButton::AddNew:
        tracker_.add_new();
        sync();
        frame_->miles()->setFocus(Qt::OtherFocusReason);
        return;
    case MainButton::Plot:
        open_plot();
        return;
    case MainButton::PrintSummary:
        tracker_.summary();
        break;
    case MainButton::Help:
        services_.help->show_topic(this, latin_text(kHelpTopic));
        return;
    case MainButton::Exit:
        if (tracker_.may_exit()) {
            exiting_ = true;
            close();
        }
        return;
    }
    sync();
}

void MileageWindow::open_log(Replacing what) {
    if (!tracker_.may_replace_log(what)) {
        return;
    }
    const bool importing = what == Replacing::Import;
    const QString path =
        services_.files->open_file(this, request(importing ? kImportDialog : kOpenDialog));
    if (path.isEmpty()) {
        return; // cancelled: the log stays as it was
    }
    if (importing) {
        tracker_.import_csv(path_text(path));
    } else {
        tracker_.open(path_text(path));
    }
    progress_.end();
    if (!tracker_.log().empty()) {
        remember_last_log(path);
    }
}

void MileageWindow::write_log(const FileDialogDesc& dialog, bool save) {
    const QString path = services_.files->save_file(this, request(dialog));
    if (path.isEmpty()) {
        return;
    }
    if (save) {
        if (tracker_.save(path_text(path))) {
            remember_last_log(path);
        }
    } else {
        tracker_.export_csv(path_text(path));
    }
}

void MileageWindow::add(bool with_missing) {
    const EntryDate date = frame_->picker()->entry_date();
    const std::string miles = frame_->miles()->text().toStdString();
    const std::string gallons = frame_->gallons()->text().toStdString();
    const EntryOutcome outcome = with_missing ? tracker_.add_with_missing(date, miles, gallons)
                                              : tracker_.add_entry(date, miles, gallons);
    sync();
    if (outcome.added) {
        frame_->miles()->clear();
        frame_->gallons()->clear();
        frame_->miles()->setFocus(Qt::OtherFocusReason);
    } else if (outcome.focus) {
        QLineEdit* box = *outcome.focus == EntryBox::Date    ? frame_->picker()
                         : *outcome.focus == EntryBox::Miles ? frame_->miles()
                                                             : frame_->gallons();
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
    }
}

void MileageWindow::open_plot() {
    if (!tracker_.may_plot()) {
        return;
    }
    tracker_.enable_main_buttons(false);
    sync();
    // Modal to the tracker: it cannot be used until the plot is closed.
    plot_ = new MileagePlotWindow(tracker_.log(), car_, services_, this, tracker_.units());
    connect(plot_, &QObject::destroyed, this, [this] {
        tracker_.enable_main_buttons(true);
        sync();
        raise();
        activateWindow();
    });
    plot_->show();
}

void MileageWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!centred_) {
        centred_ = true;
        ui::centre_on_screen(this);
        QTimer::singleShot(0, this, &MileageWindow::tell_of_rescued_log);
    }
}

void MileageWindow::tell_of_rescued_log() {
    if (const auto told = take_rescued_log()) {
        services_.messages->show(this, *told);
    }
}

void MileageWindow::keyPressEvent(QKeyEvent* event) {
    // Enter on a button presses it; in an entry box Enter adds the purchase. Escape in the entry
    // frame finishes, as its button does.
    if (press_focused_button(this, event)) {
        return;
    }
    if (frame_->isVisible()) {
        if (is_enter_key(event) && frame_->is_entry_box(focusWidget())) {
            add(false);
            return;
        }
        if (event->key() == Qt::Key_Escape) {
            tracker_.done_adding();
            sync();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void MileageWindow::closeEvent(QCloseEvent* event) {
    // Closing by the title bar asks about unsaved entries as Exit does.
    if (!exiting_ && !tracker_.may_exit()) {
        event->ignore();
        return;
    }
    exiting_ = true;
    if (plot_) {
        plot_->close();
    }
    QWidget::closeEvent(event);
}

} // namespace milora::ui