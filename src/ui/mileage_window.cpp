// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/mileage_window.h"

#include "mileage/mileage_file.h"
#include "ui/application.h"
#include "ui/measured_dialog.h"
#include "ui/mileage_plot_window.h"
#include "ui/program_folder.h"
#include "ui/qt_text.h"
#include "ui/window_tracker.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdlib>
#include <exception>

namespace milora::ui {

using namespace milora::mileage;
using ui::latin_text;
using ui::path_text;
using ui::qt_text;

namespace {

// The platform's fixed-pitch font; some platforms (the offscreen one among them) name none, and
// then the font matcher is asked for a typewriter face.
QFont fixed_pitch_font() {
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (QFontInfo(f).fixedPitch()) {
        return f;
    }
    for (const char* family : {"monospace", "DejaVu Sans Mono", "Liberation Mono", "Courier New"}) {
        f.setFamily(latin_text(family));
        f.setStyleHint(QFont::TypeWriter);
        f.setFixedPitch(true);
        if (QFontInfo(f).fixedPitch()) {
            break;
        }
    }
    return f;
}

// The year field of a date format as four digits; text in quotes is left alone.
QString with_four_digit_year(const QString& format) {
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
        }
        if (quoted || c != QLatin1Char('y')) {
            out += c;
            ++i;
            continue;
        }
        while (i < format.size() && format[i] == QLatin1Char('y')) {
            ++i;
        }
        out += QStringLiteral("yyyy");
    }
    return out;
}

// The column headings sit above the list's columns: each is centred over where the column's
// figures stand (the list's columns are character positions of its fixed-pitch font).
class ColumnHeadings : public QWidget {
public:
    ColumnHeadings(MileageListView* list, QWidget* parent) : QWidget(parent), list_(list) {
        const struct {
            const char* name;
            const char* caption;
            double centre; // 1-based character column
            double width;  // in characters
        } headings[] = {{"lblDate", "Date", 5.5, 10},
                        {"lblOdometer", "Odometer (miles)", 18.5, 14},
                        {"Label4", "Gas Purchased (gallons)", 33.5, 14},
                        {"Label5", "MPG since last fillup", 50.5, 14},
                        {"Label6", "MPG (5-tank average)", 65.5, 14}};
        for (const auto& h : headings) {
            auto* label = new QLabel(latin_text(h.caption), this);
            label->setObjectName(latin_text(h.name));
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
            labels_.push_back({label, h.centre, h.width});
        }
        setMinimumHeight(2 * fontMetrics().lineSpacing() + 4);
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        const double column = list_->character_width();
        const double left = list_->frameWidth() + list_->unscrolled_column_x(0);
        for (const Heading& h : labels_) {
            const double x = left + (h.centre - 0.5 - h.width / 2) * column;
            h.label->setGeometry(static_cast<int>(x), 0, static_cast<int>(h.width * column),
                                 height());
        }
    }

private:
    struct Heading {
        QLabel* label;
        double centre;
        double width;
    };
    MileageListView* list_;
    std::vector<Heading> labels_;
};

QPushButton* make_button(const char* name, const char* caption, const char* tooltip,
                         QWidget* parent) {
    auto* b = new QPushButton(latin_text(caption), parent);
    b->setObjectName(latin_text(name));
    b->setToolTip(latin_text(tooltip));
    b->setAutoDefault(false);
    return b;
}

ui::FileDialogRequest request(const FileDialogDesc& d) {
    return {latin_text(d.title), latin_text(d.filter), latin_text(d.default_suffix),
            ui::program_folder(), QString()};
}

// The open trackers, for the rescue of their unsaved logs when the program goes down on an error.
std::vector<const MileageWindow*>& open_trackers() {
    static std::vector<const MileageWindow*> windows;
    return windows;
}

std::terminate_handler previous_terminate = nullptr;

[[noreturn]] void rescue_and_terminate() {
    MileageWindow::save_unsaved_logs_for_recovery();
    if (previous_terminate != nullptr) {
        previous_terminate();
    }
    std::abort();
}

} // namespace

QString MileageWindow::recovery_path() {
    return QDir(ui::program_folder()).filePath(QStringLiteral("Unsaved mileage log.miloragas"));
}

void MileageWindow::save_unsaved_logs_for_recovery() noexcept {
    try {
        // The last tracker opened wins; there is rarely more than one.
        for (const MileageWindow* w : open_trackers()) {
            if (w->tracker_.data_changed() && !w->tracker_.log().empty()) {
                write_mileage_file(path_text(recovery_path()), w->tracker_.log());
            }
        }
    } catch (...) {
        // Going down already: nothing more can be done.
    }
}

MileageWindow::MileageWindow(ui::Application& app, QWidget* parent)
    : QWidget(parent, Qt::Window), car_(app.state().car), services_(app.services()),
      tracker_([this](const Message& m) { return services_.messages->show(this, m); }) {
    tracker_.set_preview([this](const ImportPreview& p) {
        return services_.previews == nullptr || services_.previews->confirm(this, p);
    });
    build();
    add_use_in_calculators(*this, app);
    tracker_.set_read_progress(
        [this](std::size_t done, std::size_t total) { return show_read_progress(done, total); });
    sync();
    open_trackers().push_back(this);
    if (previous_terminate == nullptr) {
        previous_terminate = std::set_terminate(rescue_and_terminate);
    }
}

MileageWindow::~MileageWindow() {
    std::erase(open_trackers(), this);
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

    v->addWidget(new ColumnHeadings(list_, column));
    v->addWidget(list_, 1);
    frame_ = build_entry_frame();
    v->addWidget(frame_);
    return column;
}

QGroupBox* MileageWindow::build_entry_frame() {
    auto* frame = new QGroupBox(QStringLiteral("Gas Purchase Data"), this);
    frame->setObjectName(QStringLiteral("fraAddNew"));
    auto* grid = new QGridLayout(frame);

    picker_ = new QDateEdit(QDate::currentDate(), frame);
    picker_->setObjectName(QStringLiteral("DTPicker1"));
    picker_->setToolTip(QStringLiteral("Enter the date of the gas purchase"));
    picker_->setCalendarPopup(true);
    picker_->setDisplayFormat(fillup_date_format(QLocale()));
    miles_ = new QLineEdit(frame);
    miles_->setObjectName(QStringLiteral("txtMiles"));
    miles_->setToolTip(QStringLiteral("Enter the odometer reading at the time you bought the gas"));
    gallons_ = new QLineEdit(frame);
    gallons_->setObjectName(QStringLiteral("txtGallons"));
    gallons_->setToolTip(
        QStringLiteral("Enter the number of gallons you bought when you filled up"));

    const struct {
        const char* name;
        const char* caption;
        QWidget* field;
    } rows[] = {{"lblPurchase_Date", "Purchase Date", picker_},
                {"lblMiles", "Odometer Mileage", miles_},
                {"lblGallons", "Gallons Purchased At Fillup", gallons_}};
    int r = 0;
    for (const auto& row : rows) {
        auto* label = new QLabel(latin_text(row.caption), frame);
        label->setObjectName(latin_text(row.name));
        label->setBuddy(row.field);
        row.field->setMinimumWidth(120);
        grid->addWidget(label, r, 0, Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(row.field, r, 1);
        ++r;
    }

    auto* add_button = make_button(
        "cmdAddEntry", "Add Purchase",
        "After entering the data in the boxes at left, click here to add the data to the list "
        "above",
        frame);
    auto* missing = make_button(
        "cmdAdd_With_Missing", "Add Purchase (With Missing Data)",
        "If you've lost or misplaced the data for one or more gas purchases, use this button",
        frame);
    auto* done = make_button("cmdDoneAdding", "Finished",
                             "Click this when you're done entering data, or if you change your "
                             "mind and don't want to enter any",
                             frame);
    connect(add_button, &QPushButton::clicked, this, [this] { add(false); });
    connect(missing, &QPushButton::clicked, this, [this] { add(true); });
    connect(done, &QPushButton::clicked, this, [this] {
        tracker_.done_adding();
        sync();
    });
    grid->addWidget(add_button, 0, 3);
    grid->addWidget(missing, 1, 3);
    grid->addWidget(done, 2, 3);
    grid->setColumnMinimumWidth(2, 16);
    grid->setColumnStretch(2, 1);
    return frame;
}

void MileageWindow::build() {
    setObjectName(latin_text(kTrackerWindow));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* root = new QHBoxLayout(this);
    root->addWidget(build_list_column(), 1);

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
        auto* button = make_button(d->name, d->caption, d->tooltip, this);
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
}

void MileageWindow::apply_list_changes() {
    list_->follow(tracker_.take_list_changes());
}

QString fillup_date_format(const QLocale& locale) {
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    if (locale.language() == QLocale::C || format.contains(QStringLiteral("MMM"))) {
        // The C locale's short form names the month ("9 Dec 2026"); its numeric form is the
        // month, day and year of the POSIX date representation.
        return QStringLiteral("MM/dd/yyyy");
    }
    return with_four_digit_year(format);
}

QString MileageWindow::picker_date_text() const {
    const QLocale locale;
    return locale.toString(picker_->date(), fillup_date_format(locale));
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
        miles_->setFocus(Qt::OtherFocusReason);
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
    end_read_progress();
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
    const std::string date = picker_date_text().toStdString();
    const std::string miles = miles_->text().toStdString();
    const std::string gallons = gallons_->text().toStdString();
    const EntryOutcome outcome = with_missing ? tracker_.add_with_missing(date, miles, gallons)
                                              : tracker_.add_entry(date, miles, gallons);
    sync();
    if (outcome.added) {
        miles_->clear();
        gallons_->clear();
        miles_->setFocus(Qt::OtherFocusReason);
    } else if (outcome.focus) {
        QLineEdit* box = *outcome.focus == EntryBox::Miles ? miles_ : gallons_;
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
    plot_ = new MileagePlotWindow(tracker_.log(), car_, services_, this);
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
    const QString rescued = recovery_path();
    if (!QFileInfo::exists(rescued)) {
        return;
    }
    // Kept under a name of its own, so that this is said once and a later rescue cannot
    // overwrite it.
    const QString kept = QDir(ui::program_folder())
                             .filePath(QStringLiteral("Rescued mileage log %1.miloragas")
                                           .arg(QDateTime::currentDateTime().toString(
                                               QStringLiteral("yyyy-MM-dd hh.mm.ss"))));
    const QString named = QFile::rename(rescued, kept) ? kept : rescued;
    services_.messages->show(
        this, Message{kProgramTitle,
                      "Milora stopped on an error the last time it ran, while the mileage "
                      "tracker held entries that were not saved. They were saved to the file \"" +
                          path_text(QDir::toNativeSeparators(named)) +
                          "\"; open it with \"Load Datafile\".",
                      Icon::Information, Buttons::Ok});
}

bool MileageWindow::show_read_progress(std::size_t done, std::size_t total) {
    if (!progress_) {
        progress_ = new QProgressDialog(QStringLiteral("Reading the mileage file..."),
                                        QStringLiteral("Cancel"), 0, 1000, this);
        progress_->setObjectName(QStringLiteral("prgReading"));
        progress_->setWindowTitle(latin_text(kProgramTitle));
        // Nothing else may change while the file is read between the events.
        progress_->setWindowModality(Qt::ApplicationModal);
        progress_->setMinimumDuration(0);
        progress_->setAutoClose(false);
        progress_->setAutoReset(false);
        progress_->show();
    }
    const double share = total == 0 ? 0.0 : static_cast<double>(done) / static_cast<double>(total);
    progress_->setValue(static_cast<int>(share * 1000));
    QCoreApplication::processEvents();
    return !progress_->wasCanceled();
}

void MileageWindow::end_read_progress() {
    if (progress_) {
        progress_->hide();
        progress_->deleteLater();
        progress_ = nullptr;
    }
}

void MileageWindow::keyPressEvent(QKeyEvent* event) {
    // In the entry frame Enter adds the purchase and Escape finishes, as their buttons do.
    if (frame_->isVisible()) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
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
