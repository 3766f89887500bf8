// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/help_window.h"

#include "help/page_text.h"
#include "help/sitemap.h"
#include "shell/help_topics.h"
#include "ui/help_contents.h"
#include "ui/help_find_bar.h"
#include "ui/help_handbook.h"
#include "ui/help_highlight.h"
#include "ui/help_index.h"
#include "ui/help_search.h"
#include "ui/on_screen.h"
#include "ui/qt_text.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMoveEvent>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

namespace milora::ui {
namespace {

const QString kTitle = QStringLiteral("Milora Help");

// The zoom steps Ctrl+Plus and Ctrl+Minus go through, in percent.
constexpr std::array kZoomSteps{50, 67, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300};

QString esc(const QString& s) {
    return s.toHtmlEscaped();
}

std::vector<help::SitemapEntry> sitemap(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return help::parse_sitemap(std::string_view(bytes.data(), bytes.size()));
}

} // namespace

QPoint beside(const QRect& owner, const QSize& size, const QRect& screen) {
    const auto inside = [&](QPoint at) {
        at.setX(std::clamp(at.x(), screen.left(),
                           std::max(screen.left(), screen.right() - size.width() + 1)));
        at.setY(std::clamp(at.y(), screen.top(),
                           std::max(screen.top(), screen.bottom() - size.height() + 1)));
        return at;
    };
    if (!owner.isValid()) {
        QRect frame(QPoint(), size);
        frame.moveCenter(screen.center());
        return inside(frame.topLeft());
    }
    const int right_room = screen.right() - owner.right();
    const int left_room = owner.left() - screen.left();
    if (right_room >= size.width() || right_room >= left_room) {
        return inside(QPoint(owner.right() + 1, owner.top()));
    }
    return inside(QPoint(owner.left() - size.width(), owner.top()));
}

HelpWindow::HelpWindow(QStringList folders, WebService* web, PrintService* printer)
    : QWidget(nullptr, Qt::Window), folders_(std::move(folders)), web_(web), printer_(printer),
      browser_(new HandbookBrowser(this)) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(kTitle);
    // The help window does not keep the program running once the main window has closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    base_point_size_ = browser_->font().pointSizeF();
    build_buttons();
    build_navigation();
    build_layout();
    add_shortcuts();
    restore_geometry();
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::build_buttons() {
    auto button = [this](const char* name, const QString& caption, const QString& tip) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(tip);
        b->setAccessibleName(caption);
        return b;
    };
    home_ = button("cmdHome", QStringLiteral("Home"), QStringLiteral("The Introduction"));
    back_ = button("cmdBack", QStringLiteral("Back"), QStringLiteral("The page before"));
    forward_ = button("cmdForward", QStringLiteral("Forward"), QStringLiteral("The next page"));
    print_ = button("cmdPrint", QStringLiteral("Print"), QStringLiteral("Print this page"));
    back_->setEnabled(false);
    forward_->setEnabled(false);
    print_->setEnabled(printer_ != nullptr);
    connect(home_, &QPushButton::clicked, this, &HelpWindow::go_home);
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(print_, &QPushButton::clicked, this, &HelpWindow::print_page);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::follow_link);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::page_shown);
    connect(browser_, &HandbookBrowser::zoom_step, this, &HelpWindow::step_zoom);
}

void HelpWindow::build_navigation() {
    contents_ = new HelpContents(this);
    index_ = new HelpIndex(this);
    search_ = new HelpSearch(this);
    connect(contents_, &HelpContents::open_topic, this, &HelpWindow::open_local);
    connect(index_, &HelpIndex::open_topic, this, &HelpWindow::open_local);
    connect(search_, &HelpSearch::open_page, this, &HelpWindow::open_search_hit);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabNavigation"));
    tabs_->setAccessibleName(QStringLiteral("Contents, index and search"));
    // Alt+C, Alt+I and Alt+S are the window's own keys (add_shortcuts): they put the cursor
    // into the pane, which a tab's mnemonic would not.
    tabs_->addTab(contents_, QStringLiteral("Contents"));
    tabs_->addTab(index_, QStringLiteral("Index"));
    tabs_->addTab(search_, QStringLiteral("Search"));
    tabs_->setTabToolTip(0, QStringLiteral("The handbook's chapters (Alt+C)"));
    tabs_->setTabToolTip(1, QStringLiteral("Keywords (Alt+I)"));
    tabs_->setTabToolTip(2, QStringLiteral("Search every page (Alt+S)"));
}

void HelpWindow::build_layout() {
    find_bar_ = new HelpFindBar(browser_, this);
    auto* page_side = new QWidget(this);
    auto* page_layout = new QVBoxLayout(page_side);
    page_layout->setContentsMargins(0, 0, 0, 0);
    page_layout->addWidget(browser_, 1);
    page_layout->addWidget(find_bar_);

    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->setObjectName(QStringLiteral("splHelp"));
    splitter_->setChildrenCollapsible(false);
    splitter_->addWidget(tabs_);
    splitter_->addWidget(page_side);
    splitter_->setStretchFactor(1, 1);
    splitter_->setSizes({240, 660});

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {home_, back_, forward_, print_}) {
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter_, 1);
}

std::vector<QWidget*> HelpWindow::tab_order() const {
    std::vector<QWidget*> order{home_, back_, forward_, print_, tabs_->tabBar()};
    if (tabs_->currentWidget() == contents_) {
        order.push_back(contents_);
    } else if (tabs_->currentWidget() == index_) {
        order.insert(order.end(), {index_->keyword_box(), index_->list()});
    } else {
        order.insert(order.end(), {search_->words_box(), search_->results()});
    }
    order.push_back(browser_);
    order.insert(order.end(),
                 {find_bar_->box(), find_bar_->next_control(), find_bar_->last_control()});
    return order;
}

bool HelpWindow::focusNextPrevChild(bool next) {
    // Tab goes round every control there is to use, in the order they stand, Home after the
    // last: the chain Qt builds from the widgets' creation order loses the buttons above.
    std::vector<QWidget*> order = tab_order();
    std::erase_if(order, [](const QWidget* w) {
        return !w->isVisible() || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus);
    });
    if (order.empty()) {
        return QWidget::focusNextPrevChild(next);
    }
    const QWidget* now = QApplication::focusWidget();
    auto at = std::find_if(order.begin(), order.end(), [now](const QWidget* w) {
        return now != nullptr && (w == now || w->isAncestorOf(now));
    });
    const auto n = static_cast<std::ptrdiff_t>(order.size());
    std::ptrdiff_t i = at == order.end() ? (next ? -1 : 0) : at - order.begin();
    i = ((i + (next ? 1 : -1)) % n + n) % n;
    order[static_cast<std::size_t>(i)]->setFocus(next ? Qt::TabFocusReason
                                                      : Qt::BacktabFocusReason);
    return true;
}

void HelpWindow::add_shortcuts() {
    auto shortcut = [this](const QKeySequence& keys, auto slot) {
        auto* s = new QShortcut(keys, this);
        s->setContext(Qt::WindowShortcut);
        connect(s, &QShortcut::activated, this, slot);
    };
    shortcut(QKeySequence(Qt::Key_Escape), [this] { escape(); });
    shortcut(QKeySequence(Qt::ALT | Qt::Key_C), [this] { open_pane(0); });
    shortcut(QKeySequence(Qt::ALT | Qt::Key_I), [this] { open_pane(1); });
    shortcut(QKeySequence(Qt::ALT | Qt::Key_S), [this] { open_pane(2); });
    shortcut(QKeySequence::Find, [this] { find_bar_->open(); });
    shortcut(QKeySequence(Qt::Key_F3), [this] { find_bar_->find_next(false); });
    shortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3), [this] { find_bar_->find_next(true); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Plus), [this] { step_zoom(1); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { step_zoom(1); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus), [this] { step_zoom(-1); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { set_zoom(100); });
    shortcut(QKeySequence(Qt::ALT | Qt::Key_Home), [this] { go_home(); });
    shortcut(QKeySequence::Back, [this] { browser_->backward(); });
    shortcut(QKeySequence::Forward, [this] { browser_->forward(); });
    shortcut(QKeySequence::Print, [this] { print_page(); });
}

void HelpWindow::escape() {
    // The find bar first, then the window.
    if (find_bar_->isVisible()) {
        find_bar_->hide();
        browser_->setFocus(Qt::ShortcutFocusReason);
        return;
    }
    close();
}

void HelpWindow::open_pane(int tab) {
    if (!tabs_->isVisible() || !tabs_->isTabVisible(tab)) {
        return;
    }
    tabs_->setCurrentIndex(tab);
    if (tab == 0) {
        contents_->setFocus(Qt::ShortcutFocusReason);
    } else if (tab == 1) {
        index_->focus_keyword();
    } else {
        search_->focus_words();
    }
}

void HelpWindow::restore_geometry() {
    QSettings settings(QStringLiteral("Milora"), QStringLiteral("Milora"));
    settings.beginGroup(QStringLiteral("Help"));
    const QSize size = settings.value(QStringLiteral("size")).toSize();
    resize(size.isValid() && size.width() >= 300 && size.height() >= 200 ? size : QSize(900, 660));
    const QByteArray state = settings.value(QStringLiteral("splitter")).toByteArray();
    if (!state.isEmpty()) {
        splitter_->restoreState(state);
    }
    saved_position_ = settings.value(QStringLiteral("position")).toPoint();
    has_saved_position_ = settings.contains(QStringLiteral("position"));
}

void HelpWindow::set_owner(QWidget* owner) {
    owner_ = owner != nullptr ? owner->window() : nullptr;
}

void HelpWindow::showEvent(QShowEvent* event) {
    if (!placed_) {
        placed_ = true;
        place();
    }
    QWidget::showEvent(event);
}

void HelpWindow::place() {
    // Where the user last put it, while a screen shows its title bar there; else beside the
    // window that asked for help, not over it; else in the middle of the screen. Never larger
    // than the screen's free area.
    if (has_saved_position_ && place_at_stored(this, saved_position_)) {
        return;
    }
    const QScreen* screen = owner_ != nullptr ? owner_->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect room = screen->availableGeometry();
    fit_in(this, room);
    move(beside(owner_ != nullptr ? owner_->frameGeometry() : QRect(), frameGeometry().size(),
                room));
}

void HelpWindow::moveEvent(QMoveEvent* event) {
    // A move while shown and placed is the user's (or the window manager's on the user's
    // behalf); the program's own move comes before the window is shown.
    user_moved_ = user_moved_ || (placed_ && isVisible() && event->pos() != event->oldPos());
    QWidget::moveEvent(event);
}

void HelpWindow::closeEvent(QCloseEvent* event) {
    save_geometry();
    QWidget::closeEvent(event);
}

void HelpWindow::save_geometry() const {
    QSettings settings(QStringLiteral("Milora"), QStringLiteral("Milora"));
    settings.beginGroup(QStringLiteral("Help"));
    if (user_moved_) {
        settings.setValue(QStringLiteral("position"), pos());
    }
    settings.setValue(QStringLiteral("size"), size());
    settings.setValue(QStringLiteral("splitter"), splitter_->saveState());
}

// ---------------------------------------------------------------------------------------------
// The handbook

QString HelpWindow::sitemap_text(const QString& suffix) const {
    for (const QString& name : archive_.names()) {
        if (name.endsWith(suffix, Qt::CaseInsensitive) && name.indexOf(QLatin1Char('/'), 1) < 0) {
            const std::optional<QByteArray> bytes = archive_.read(name);
            if (bytes && static_cast<std::size_t>(bytes->size()) <= help::kLargestPage) {
                return decode_page(*bytes);
            }
        }
    }
    return {};
}

void HelpWindow::load_navigation() {
    const bool open = archive_.is_open();
    contents_->load(open ? sitemap(sitemap_text(QStringLiteral(".hhc")))
                         : std::vector<help::SitemapEntry>{});
    index_->load(open ? sitemap(sitemap_text(QStringLiteral(".hhk")))
                      : std::vector<help::SitemapEntry>{});
    search_->set_archive(open ? &archive_ : nullptr);
    tabs_->setTabVisible(0, contents_->topLevelItemCount() > 0);
    tabs_->setTabVisible(1, !index_->empty());
    tabs_->setTabVisible(2, open);
    tabs_->setVisible(open);
    widen_contents();
}

void HelpWindow::widen_contents() {
    // As wide as its titles, up to half the window; the user may make it narrower again.
    QList<int> sizes = splitter_->sizes();
    const int total = sizes.value(0) + sizes.value(1);
    const int wanted = std::min(contents_->wanted_width(), std::max(width(), total) / 2);
    if (sizes.size() == 2 && sizes[0] < wanted && total > wanted) {
        splitter_->setSizes({wanted, total - wanted});
    }
}

bool HelpWindow::refresh_archive(const QString& topic) {
    const QString found = find_handbook(folders_);
    const QFileInfo info(found);
    if (!found.isEmpty() && archive_.is_open() && found == path_ &&
        info.lastModified() == modified_ && info.size() == size_) {
        return false;
    }
    archive_.close();
    path_ = found;
    modified_ = info.lastModified();
    size_ = found.isEmpty() ? -1 : info.size();

    if (found.isEmpty()) {
        QString where;
        for (const QString& folder : folders_) {
            where += QStringLiteral("<li>%1</li>").arg(esc(QDir::toNativeSeparators(folder)));
        }
        browser_->set_problem(own_page(
            QStringLiteral("The handbook was not found"),
            QStringLiteral("<p>The topic \"%1\" was asked for, but the handbook file \"%2\" "
                           "is in none of these folders:</p><ul>%3</ul>"
                           "<p>Put %2 into one of them to read the handbook.</p>")
                .arg(esc(topic), latin_text(kHandbookFileName), where)));
    } else if (!archive_.open(found)) {
        browser_->set_problem(own_page(
            QStringLiteral("The handbook could not be read"),
            QStringLiteral("<p>The topic \"%1\" was asked for, but the file \"%2\" could not be "
                           "read as a help file.</p>")
                .arg(esc(topic), esc(QDir::toNativeSeparators(found)))));
    } else {
        browser_->set_archive(&archive_, found);
    }
    load_navigation();
    return true;
}

// ---------------------------------------------------------------------------------------------
// Pages and links

void HelpWindow::show_topic(const QString& topic) {
    const bool changed = refresh_archive(topic);
    const QUrl url = handbook_url(topic);
    const bool same_page =
        browser_->source().adjusted(QUrl::RemoveFragment) == url.adjusted(QUrl::RemoveFragment);
    browser_->setSource(url);
    if (changed && same_page) {
        // The page on show came from another handbook, or was the viewer's own page.
        browser_->reload();
    }
}

void HelpWindow::go_home() {
    show_topic(latin_text(shell::kIntroductionTopic));
}

void HelpWindow::open_local(const QString& local) {
    if (local.isEmpty()) {
        return;
    }
    highlight_words_.clear();
    browser_->setSource(handbook_url(local));
}

void HelpWindow::follow_link(const QUrl& url) {
    const QString scheme = url.scheme();
    const QString whole = url.toString();
    if (scheme == QLatin1String("chm")) {
        browser_->setSource(url);
    } else if ((scheme == QLatin1String("ms-its") || scheme == QLatin1String("mk")) &&
               whole.contains(QLatin1String("::/"))) {
        // A help-file link written as ms-its:edt.chm::/Oil.htm#ECMO names a page of the handbook.
        browser_->setSource(handbook_url(whole));
    } else if (web_ != nullptr && web_scheme(scheme)) {
        web_->open_url(whole);
    }
    // file:, javascript:, data:, smb: and every other kind of link do nothing.
}

void HelpWindow::page_shown(const QUrl& url) {
    const QString title = browser_->documentTitle().simplified();
    setWindowTitle(title.isEmpty() || title == kTitle ? kTitle
                                                      : kTitle + QStringLiteral(" - ") + title);
    // The zoom is the document's default font, which a new page keeps.
    contents_->follow_page(page_key(url.path()));
    mark_words(browser_, highlight_words_);
    highlight_words_.clear();
    find_bar_->clear_status();
}

// ---------------------------------------------------------------------------------------------
// Search, find, zoom, print

void HelpWindow::search(const QString& words) {
    search_->search(words);
}

void HelpWindow::open_search_hit(const QString& page, const QStringList& words) {
    const QUrl url = handbook_url(page);
    if (browser_->source().adjusted(QUrl::RemoveFragment) == url) {
        mark_words(browser_, words);
        return;
    }
    highlight_words_ = words;
    browser_->setSource(url);
}

bool HelpWindow::find_in_page(const QString& text, bool backward) {
    return find_bar_->find_in_page(text, backward);
}

void HelpWindow::step_zoom(int steps) {
    auto at = std::find(kZoomSteps.begin(), kZoomSteps.end(), zoom_);
    int i = at == kZoomSteps.end() ? 4 : static_cast<int>(at - kZoomSteps.begin());
    i = std::clamp(i + steps, 0, static_cast<int>(kZoomSteps.size()) - 1);
    set_zoom(kZoomSteps[static_cast<std::size_t>(i)]);
}

void HelpWindow::set_zoom(int percent) {
    zoom_ = std::clamp(percent, kSmallestZoom, kLargestZoom);
    QFont font = browser_->font();
    font.setPointSizeF(base_point_size_ * zoom_ / 100.0);
    browser_->setFont(font);
}

void HelpWindow::print_page() {
    if (printer_ != nullptr) {
        printer_->print_document(this, *browser_->document());
    }
}

} // namespace milora::ui
