// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/main_window.h"

#include "cardata/car_data_file.h"
#include "numbers/number_text.h"
#include "shell/help_topics.h"
#include "ui/about_window.h"
#include "ui/application.h"
#include "ui/labels.h"
#include "ui/program_folder.h"
#include "ui/qt_text.h"
#include "ui/window_tracker.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace milora::ui {

using namespace milora::shell;
using ui::latin_text;
using ui::path_text;
using ui::qt_text;

namespace {

QLabel* text_label(QWidget* parent, const char* name, const QString& text) {
    return ui::plain_label(parent, name, text, true);
}

QPushButton* push_button(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(latin_text(caption), parent);
    button->setObjectName(latin_text(name));
    button->setAutoDefault(false);
    return button;
}

// A screen reader tells the rows' Help buttons apart by their subject.
void name_for_screen_readers(QPushButton* help, const MainRow& row) {
    help->setAccessibleName(QObject::tr("Help on %1")
                                .arg(QString(latin_text(row.caption))
                                         .replace(QStringLiteral("&&"), QStringLiteral("&"))));
    if (row.label != nullptr) {
        help->setAccessibleDescription(qt_text(join_pieces(row.description)));
    }
}

Message warning(const std::string& text) {
    return {kProgramTitle, text, Icon::Warning, Buttons::Ok};
}

} // namespace

MainWindow::MainWindow(ui::Application& app, QWidget* parent) : QMainWindow(parent), app_(app) {
    setObjectName(latin_text(kMainWindowName));
    setWindowTitle(latin_text(kMainCaption));

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    bool first = true;
    for (const MainTab& tab : main_tabs()) {
        tabs_->addTab(build_tab(tab, first), latin_text(tab.caption));
        first = false;
    }
    // On a small screen even the smallest window that shows every row whole may not fit: then
    // the tabs scroll.
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("MainScroll"));
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidget(tabs_);
    setCentralWidget(scroll_);
    build_menus();
    build_keys();
    load();
    fix_minimum_size();
    resize(std::max(980, minimumWidth()), std::max(660, minimumHeight()));
}

void MainWindow::build_keys() {
    // The tab row: Ctrl+Tab and Ctrl+PgDn to the next tab, Ctrl+Shift+Tab and Ctrl+PgUp back,
    // wherever the focus is in the window.
    const auto step = [this](int by) {
        const int n = tabs_->count();
        tabs_->setCurrentIndex((tabs_->currentIndex() + by + n) % n);
    };
    const std::pair<QKeySequence, int> keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
        {QKeySequence(Qt::CTRL | Qt::Key_Backtab), -1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1},
    };
    for (const auto& [key, by] : keys) {
        auto* shortcut = new QShortcut(key, this);
        const int b = by;
        connect(shortcut, &QShortcut::activated, this, [step, b] { step(b); });
    }
    tabs_->tabBar()->setToolTip(
        tr("Ctrl+Tab or Ctrl+PgDn: next tab. Ctrl+Shift+Tab or Ctrl+PgUp: previous tab."));
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this,
            [this] { app_.services().help->show_topic(this, current_chapter()); });
    // Moving to another tab puts the focus on its first row, not on a button of a hidden page.
    connect(tabs_, &QTabWidget::currentChanged, this, [this] {
        if (QWidget* focus = QApplication::focusWidget(); focus == nullptr || !focus->isVisible()) {
            focus_first_row();
        }
    });
}

QString MainWindow::current_chapter() const {
    const int tab = tabs_->currentIndex();
    const MainTab& rows = main_tabs().at(static_cast<std::size_t>(tab));
    const QWidget* focus = focusWidget();
    const MainRow* chosen = nullptr;
    for (const MainRow& row : rows.rows) {
        const bool focused =
            focus != nullptr &&
            (focus->objectName() == latin_text(row.button) ||
             (row.help_button != nullptr && focus->objectName() == latin_text(row.help_button)));
        if (row.action != RowAction::Exit && (chosen == nullptr || focused)) {
            chosen = &row;
        }
        if (focused) {
            break;
        }
    }
    if (chosen == nullptr) {
        return latin_text(help_topic(kMainWindowName, "cmdIntroduction_Help"));
    }
    const char* control = chosen->help_button != nullptr ? chosen->help_button : chosen->button;
    return latin_text(help_topic(kMainWindowName, control));
}

void MainWindow::focus_first_row() {
    QWidget* page = tabs_->currentWidget();
    for (QPushButton* b : page->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
        if (b->isVisible() && b->isEnabled()) {
            b->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void MainWindow::fix_minimum_size() {
    // The descriptions wrap, so a narrower window needs more height: at its narrowest the
    // window still holds every line of the tallest tab (the start-up notice included while it
    // shows). Wider than that, the same height leaves room to spare.
    constexpr int kMinimumWidth = 820;
    const QMargins margins = contentsMargins();
    const int tabs_width = std::max(kMinimumWidth - margins.left() - margins.right(),
                                    tabs_->minimumSizeHint().width());
    const int tabs_height =
        std::max(tabs_->heightForWidth(tabs_width), tabs_->minimumSizeHint().height());
    tabs_->setMinimumSize(tabs_width, tabs_height);
    content_minimum_ =
        QSize(tabs_width + margins.left() + margins.right(),
              margins.top() + margins.bottom() + menuBar()->sizeHint().height() + tabs_height);
    setMinimumSize(content_minimum_);
}

QWidget* MainWindow::build_tab(const MainTab& tab, bool starting_up) {
    auto* page = new QWidget(tabs_);
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(14, 12, 14, 12);
    column->setSpacing(10);
    if (starting_up) {
        auto* title = text_label(page, "Label1", latin_text(kStartingUpTitle));
        QFont f = title->font();
        f.setPointSize(f.pointSize() + 3);
        f.setBold(true);
        title->setFont(f);
        title->setAlignment(Qt::AlignHCenter);
        column->addWidget(title);
    }

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    grid->setColumnStretch(2, 1);
    column->addLayout(grid);
    QPushButton* exit = nullptr;
    int r = 0;
    for (const MainRow& row : tab.rows) {
        QPushButton* button = push_button(page, row.button, row.caption);
        connect(button, &QPushButton::clicked, this, [this, &row] { run_row(row); });
        if (row.action == RowAction::Exit) {
            exit = button;
            continue;
        }
        if (row.action == RowAction::OpenWindow) {
            window_buttons_.emplace_back(button, latin_text(row.window));
        }
        grid->addWidget(button, r, 0);
        if (row.help_button != nullptr) {
            QPushButton* help = push_button(page, row.help_button, kHelpCaption);
            name_for_screen_readers(help, row);
            const char* control = row.help_button;
            connect(help, &QPushButton::clicked, this, [this, control] { show_help(control); });
            grid->addWidget(help, r, 1);
        }
        if (row.label != nullptr) {
            auto* label = text_label(page, row.label, qt_text(join_pieces(row.description)));
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            grid->addWidget(label, r, 2);
        }
        // Room for two lines in every row, so that rows line up from tab to tab.
        grid->setRowMinimumHeight(r, 2 * page->fontMetrics().lineSpacing() + 4);
        ++r;
    }

    if (starting_up) {
        column->addWidget(text_label(page, "lblUse_Help", QString()));
        notice_ = new QGroupBox(latin_text(kNoticeFrameCaption), page);
        notice_->setObjectName(QStringLiteral("frameInitial_Frame"));
        auto* notice_layout = new QGridLayout(notice_);
        notice_caption_ = text_label(notice_, "lblFrame_Caption", QString());
        nag_ = new QCheckBox(latin_text(kNoticeCheckCaption), notice_);
        nag_->setObjectName(QStringLiteral("chkTurn_Off_Nag"));
        QPushButton* ok = push_button(notice_, "cmdOK", "OK");
        connect(ok, &QPushButton::clicked, this, &MainWindow::notice_ok);
        notice_layout->addWidget(notice_caption_, 0, 0, 1, 2);
        notice_layout->addWidget(nag_, 1, 0);
        notice_layout->addWidget(ok, 1, 1);
        notice_layout->setColumnStretch(0, 1);
        column->addWidget(notice_);
    }
    column->addStretch(1);
    if (exit != nullptr) {
        column->addWidget(exit, 0, Qt::AlignLeft);
    }
    set_tab_order(page, exit);
    return page;
}

void MainWindow::set_tab_order(QWidget* page, QPushButton* exit) {
    // Reading order: the rows from top to bottom, each from left to right, then the notice's
    // check box and OK, and "Exit Program" last, as it stands at the foot of the tab.
    std::vector<QWidget*> order;
    // The rows' buttons were made in reading order.
    for (QPushButton* b : page->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
        if (b != exit) {
            order.push_back(b);
        }
    }
    if (notice_ != nullptr && notice_->parentWidget() == page) {
        order.push_back(nag_);
        order.push_back(notice_->findChild<QPushButton*>(QStringLiteral("cmdOK")));
    }
    if (exit != nullptr) {
        order.push_back(exit);
    }
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void MainWindow::build_menus() {
    for (const Menu& menu : main_menus()) {
        QMenu* m = menuBar()->addMenu(latin_text(menu.caption));
        m->setObjectName(latin_text(menu.name));
        for (const MenuItem& item : menu.items) {
            QAction* action = m->addAction(latin_text(item.caption));
            action->setObjectName(latin_text(item.name));
            connect(action, &QAction::triggered, this, [this, &item] { run_menu(item); });
        }
    }
    // Every menu and item gets an Alt letter; those the tables give stay.
    ui::add_mnemonics(*menuBar());
}

void MainWindow::load() {
    ui::make_program_folder();
    ProgramState& state = app_.state();
    state.Car_Data_Filename = "Initial data";
    tabs_->setCurrentIndex(0);
    notice_->hide();
    notice_caption_->hide();
    if (!cardata::read_tolerant(path_text(ui::default_car_data_path()), state.car)) {
        notice_caption_->setText(qt_text(startup_notice_text()));
        notice_caption_->show();
        notice_->show();
        return;
    }
    state.Car_Data_Filename = kDefaultFileName;
}

void MainWindow::run_row(const MainRow& row) {
    switch (row.action) {
    case RowAction::OpenWindow:
        app_.open_window(latin_text(row.window));
        break;
    case RowAction::HelpChapter:
        show_help(row.button);
        break;
    case RowAction::Exit:
        close();
        break;
    }
}

void MainWindow::run_menu(const MenuItem& item) {
    switch (item.action) {
    case MenuAction::OpenCarData:
        open_car_data();
        break;
    case MenuAction::PrintSetup:
        app_.services().printer->printer_setup(this);
        break;
    case MenuAction::Exit:
        close();
        break;
    case MenuAction::SelectTab:
        tabs_->setCurrentIndex(item.tab);
        break;
    case MenuAction::HelpTopic:
        show_help(item.name);
        break;
    case MenuAction::WebPage:
        open_web_page(item.link);
        break;
    case MenuAction::About: {
        AboutWindow about(this);
        about.exec();
        break;
    }
    }
}

void MainWindow::open_web_page(WebLink link) {
    const char* address = web_address(link);
    if (link == WebLink::HomePage && *address == '\0') {
        app_.services().help->show_topic(this, latin_text(kWebsiteTopic));
        return;
    }
    if (link == WebLink::SoftwareCentre) {
        if (!app_.services().web->open_url(latin_text(address))) {
            app_.services().messages->show(this, updates_message(MILORA_VERSION));
        }
        return;
    }
    ui::open_link(app_.services(), this, latin_text(address));
}

void MainWindow::show_help(const char* control) {
    app_.services().help->show_topic(this, latin_text(help_topic(kMainWindowName, control)));
}

void MainWindow::notice_ok() {
    if (nag_->isChecked()) {
        const QString path = ui::default_car_data_path();
        const Status written = cardata::write_car_data(path_text(path), app_.state().car);
        if (!written) {
            // The notice would come back at every start without the user knowing why.
            app_.services().messages->show(
                this, warning(cardata::save_failed_message(path.toStdString(), written.reason())));
        }
    }
    notice_->hide();
    notice_caption_->hide();
    // The OK just hidden would hand the focus on to "Exit Program", where a Space quits.
    focus_first_row();
    show_help("cmdOK");
}

void MainWindow::open_car_data() {
    ui::FileDialogRequest request;
    request.filter = latin_text(cardata::kDialogFilter);
    request.directory = ui::program_folder();
    const QString path = app_.services().files->open_file(this, request);
    if (path.isEmpty()) {
        return;
    }
    // All nine values or none; the Car Data Filename line then names the file they came from.
    const Status read = cardata::read_strict(path_text(path), app_.state().car);
    if (!read) {
        app_.services().messages->show(this, warning(read.reason()));
        return;
    }
    app_.state().Car_Data_Filename = path.toStdString();
}

void MainWindow::update_window_buttons() {
    for (const auto& [button, window] : window_buttons_) {
        button->setEnabled(app_.can_open(window));
    }
}

void MainWindow::showEvent(QShowEvent* event) {
    update_window_buttons();
    QMainWindow::showEvent(event);
    if (!centred_) {
        centred_ = true;
        // Never smaller than every row needs where the screen has the room; where it has not,
        // the tabs scroll.
        if (const QScreen* s = screen()) {
            setMinimumSize(content_minimum_.boundedTo(s->availableGeometry().size()));
        }
        ui::centre_on_screen(this);
        if (focusWidget() == nullptr || !focusWidget()->isVisible()) {
            focus_first_row();
        }
    }
    note_frame();
}

void MainWindow::note_frame() {
    // The frame is known only once the window system has placed the window; until then (and
    // while minimized) the last frame seen stands.
    if (!isVisible() || isMinimized()) {
        return;
    }
    const QRect frame = frameGeometry();
    if (frame.width() >= width() && frame.height() >= height() && frame.width() > 1 &&
        frame.height() > 1) {
        last_frame_ = frame;
    }
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    note_frame();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    note_frame();
}

void MainWindow::store_geometry() {
    note_frame();
    if (!last_frame_.isValid()) {
        return; // never shown: there is no place to remember
    }
    const QRect g = last_frame_;
    QSettings settings(QStringLiteral("Milora"), QStringLiteral("Milora"));
    settings.beginGroup(QStringLiteral("Settings"));
    const auto text = [](int v) { return qt_text(numbers::number_text(static_cast<double>(v))); };
    settings.setValue(QStringLiteral("MainLeft"), text(g.x()));
    settings.setValue(QStringLiteral("MainTop"), text(g.y()));
    settings.setValue(QStringLiteral("MainWidth"), text(g.width()));
    settings.setValue(QStringLiteral("MainHeight"), text(g.height()));
    settings.endGroup();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!app_.windows().close_all()) {
        // A window refused to close (it asked the user, who chose to stay): the program goes on.
        event->ignore();
        return;
    }
    if (!isMinimized()) {
        store_geometry();
    }
    event->accept();
}

} // namespace milora::ui
