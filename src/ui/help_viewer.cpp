// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/help_viewer.h"

#include "help/page_text.h"
#include "help/sitemap.h"
#include "shell/help_topics.h"
#include "ui/program_folder.h"
#include "ui/qt_text.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QSplitter>
#include <QStringDecoder>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <array>

namespace milora::ui {
namespace {

constexpr int kPageRole = Qt::UserRole + 1;

const QString kTitle = QStringLiteral("Milora Help");

// The zoom steps Ctrl+Plus and Ctrl+Minus go through, in percent.
constexpr std::array kZoomSteps{50, 67, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300};

QString esc(const QString& s) {
    return s.toHtmlEscaped();
}

QString own_page(const QString& heading, const QString& body) {
    return QStringLiteral("<html><head><title>%1</title></head><body><h2>%1</h2>%2"
                          "</body></html>")
        .arg(esc(heading), body);
}

// "Tires.htm#alignment" from chm:/Tires.htm#alignment.
QString topic_of(const QUrl& url) {
    QString topic = url.path();
    if (topic.startsWith(QLatin1Char('/'))) {
        topic.remove(0, 1);
    }
    if (url.hasFragment()) {
        topic += QLatin1Char('#') + url.fragment();
    }
    return topic;
}

// The key under which the contents know a page: "tires.htm" for chm:/Tires.htm#tread.
QString page_key(QString page) {
    const qsizetype hash = page.indexOf(QLatin1Char('#'));
    if (hash >= 0) {
        page.truncate(hash);
    }
    while (page.startsWith(QLatin1Char('/'))) {
        page.remove(0, 1);
    }
    return page.toLower();
}

QString decode_page(const QByteArray& bytes) {
    QStringDecoder declared = QStringDecoder::decoderForHtml(bytes);
    if (declared.isValid()) {
        return declared.decode(bytes);
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    // Handbooks are often written in a single-byte code page; read bytes that are not UTF-8 as
    // Latin-1 rather than showing replacement characters.
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

bool web_scheme(const QString& scheme) {
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
           scheme == QLatin1String("mailto");
}

// A help-file link names a page of the handbook: "ms-its:edt.chm::/Oil.htm#ECMO", "/Oil.htm".
QString local_topic(const QString& local) {
    const qsizetype inside = local.indexOf(QLatin1String("::/"));
    QString topic = inside >= 0 ? local.mid(inside + 3) : local;
    while (topic.startsWith(QLatin1Char('/'))) {
        topic.remove(0, 1);
    }
    return topic;
}

void add_rows(QTreeWidgetItem* parent, QTreeWidget* tree,
              const std::vector<help::SitemapEntry>& entries,
              QHash<QString, QTreeWidgetItem*>& rows) {
    for (const help::SitemapEntry& e : entries) {
        auto* item = parent != nullptr ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
        item->setText(0, QString::fromStdString(e.name));
        if (!e.local.empty()) {
            const QString topic = local_topic(QString::fromStdString(e.local));
            item->setData(0, kPageRole, topic);
            const QString key = page_key(topic);
            if (!rows.contains(key)) {
                rows.insert(key, item);
            }
        }
        add_rows(item, tree, e.children, rows);
    }
}

void add_index_rows(QListWidget* list, const std::vector<help::SitemapEntry>& entries, int level) {
    for (const help::SitemapEntry& e : entries) {
        auto* item = new QListWidgetItem(
            QString(level * 4, QLatin1Char(' ')) + QString::fromStdString(e.name), list);
        item->setData(kPageRole, local_topic(QString::fromStdString(e.local)));
        add_index_rows(list, e.children, level + 1);
    }
}

} // namespace

QStringList handbook_folders() {
    QStringList folders{program_folder(), installed_data_folder()};
    const QString built = build_tree_handbook_folder();
    if (!built.isEmpty()) {
        folders << built;
    }
    return folders;
}

QUrl handbook_url(const QString& topic) {
    const QString page = local_topic(topic);
    const qsizetype hash = page.indexOf(QLatin1Char('#'));
    QUrl url;
    url.setScheme(QStringLiteral("chm"));
    url.setPath(QLatin1Char('/') + (hash < 0 ? page : page.left(hash)));
    if (hash >= 0) {
        url.setFragment(page.mid(hash + 1));
    }
    return url;
}

// ---------------------------------------------------------------------------------------------
// The page

namespace {

// The document asks its browser for every resource, and the text engine reads a name it got no
// answer for as a local file. Here every question has an answer, so that never happens.
class HandbookDocument final : public QTextDocument {
public:
    explicit HandbookDocument(HandbookBrowser* browser)
        : QTextDocument(browser), browser_(browser) {}

protected:
    QVariant loadResource(int type, const QUrl& name) override {
        QVariant r = browser_->loadResource(type, name);
        return r.isNull() ? QVariant(QByteArray()) : r;
    }

private:
    HandbookBrowser* browser_;
};

} // namespace

HandbookBrowser::HandbookBrowser(QWidget* parent) : QTextBrowser(parent) {
    setObjectName(QStringLiteral("txtHandbook"));
    setAccessibleName(QStringLiteral("Page"));
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setSearchPaths({});
    setDocument(new HandbookDocument(this));
}

void HandbookBrowser::set_archive(const ChmArchive* archive, const QString& path) {
    archive_ = archive;
    path_ = path;
    problem_.clear();
}

void HandbookBrowser::set_problem(const QString& html) {
    archive_ = nullptr;
    problem_ = html;
}

QVariant HandbookBrowser::loadResource(int type, const QUrl& name) {
    // Never QTextBrowser's own loading: it opens any name as a local file.
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    return handbook_resource(type, url);
}

QVariant HandbookBrowser::handbook_resource(int type, const QUrl& url) const {
    const bool page = type == QTextDocument::HtmlResource;
    if (!problem_.isEmpty()) {
        return page ? QVariant(problem_) : QVariant(QByteArray());
    }
    std::optional<QByteArray> bytes;
    if (archive_ != nullptr && url.scheme() == QLatin1String("chm")) {
        bytes = archive_->read(url.path());
    }
    if (type == QTextDocument::ImageResource) {
        // Always a picture: given none, or bytes that are no picture, the text engine loads the
        // image's name from the disk instead.
        QImage image;
        if (bytes) {
            image.loadFromData(*bytes);
        }
        if (image.isNull()) {
            image = QImage(1, 1, QImage::Format_ARGB32);
            image.fill(Qt::transparent);
        }
        return image;
    }
    if (!page) {
        if (bytes && static_cast<std::size_t>(bytes->size()) > help::kLargestPage) {
            bytes.reset();
        }
        return bytes ? QVariant(*bytes) : QVariant(QByteArray());
    }
    if (bytes && static_cast<std::size_t>(bytes->size()) > help::kLargestPage) {
        return own_page(QStringLiteral("The page is too large"),
                        QStringLiteral("<p>The page \"%1\" of the handbook is %2 MB long, more "
                                       "than the %3 KB the viewer shows.</p>")
                            .arg(esc(topic_of(url)))
                            .arg(static_cast<double>(bytes->size()) / (1024.0 * 1024.0), 0, 'f', 1)
                            .arg(help::kLargestPage / 1024));
    }
    if (bytes) {
        const QByteArray html = decode_page(*bytes).toUtf8();
        const std::string flat = help::break_long_words(
            help::flatten_deep_tables(std::string_view(html.constData(), html.size())));
        return QString::fromUtf8(flat.data(), static_cast<qsizetype>(flat.size()));
    }
    return own_page(QStringLiteral("Topic not found"),
                    QStringLiteral("<p>The page \"%1\" was looked for in the handbook \"%2\", "
                                   "and the handbook has no such page.</p>")
                        .arg(esc(topic_of(url)), esc(QDir::toNativeSeparators(path_))));
}

void HandbookBrowser::wheelEvent(QWheelEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) {
        wheel_ += event->angleDelta().y();
        const int steps = wheel_ / 120;
        wheel_ -= steps * 120;
        if (steps != 0) {
            emit zoom_step(steps);
        }
        event->accept();
        return;
    }
    QTextBrowser::wheelEvent(event);
}

// ---------------------------------------------------------------------------------------------
// The window

HelpWindow::HelpWindow(QStringList folders, WebService* web, PrintService* printer)
    : QWidget(nullptr, Qt::Window), folders_(std::move(folders)), web_(web), printer_(printer),
      browser_(new HandbookBrowser(this)) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(kTitle);
    // The help window does not keep the program running once the main window has closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    base_point_size_ = browser_->font().pointSizeF();

    auto button = [this](const char* name, const QString& caption, const QString& tip) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(tip);
        b->setAccessibleName(caption);
        return b;
    };
    auto* home = button("cmdHome", QStringLiteral("Home"), QStringLiteral("The Introduction"));
    auto* back = button("cmdBack", QStringLiteral("Back"), QStringLiteral("The page before"));
    auto* forward =
        button("cmdForward", QStringLiteral("Forward"), QStringLiteral("The next page"));
    print_ = button("cmdPrint", QStringLiteral("Print"), QStringLiteral("Print this page"));
    back->setEnabled(false);
    forward->setEnabled(false);
    print_->setEnabled(printer_ != nullptr);
    connect(home, &QPushButton::clicked, this, &HelpWindow::go_home);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(print_, &QPushButton::clicked, this, &HelpWindow::print_page);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::follow_link);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::page_shown);
    connect(browser_, &HandbookBrowser::zoom_step, this, &HelpWindow::step_zoom);

    // Contents
    contents_ = new QTreeWidget(this);
    contents_->setObjectName(QStringLiteral("treContents"));
    contents_->setAccessibleName(QStringLiteral("Contents"));
    contents_->setHeaderHidden(true);
    contents_->setColumnCount(1);
    connect(contents_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (!syncing_ && item != nullptr) {
            open_local(item->data(0, kPageRole).toString());
        }
    });
    connect(contents_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { open_local(item->data(0, kPageRole).toString()); });

    // Index
    auto* index_page = new QWidget(this);
    index_filter_ = new QLineEdit(index_page);
    index_filter_->setObjectName(QStringLiteral("txtIndex"));
    index_filter_->setAccessibleName(QStringLiteral("Index keyword"));
    index_filter_->setPlaceholderText(QStringLiteral("Type a keyword"));
    index_filter_->setClearButtonEnabled(true);
    index_ = new QListWidget(index_page);
    index_->setObjectName(QStringLiteral("lstIndex"));
    index_->setAccessibleName(QStringLiteral("Index"));
    auto* index_layout = new QVBoxLayout(index_page);
    index_layout->setContentsMargins(4, 4, 4, 4);
    index_layout->addWidget(index_filter_);
    index_layout->addWidget(index_, 1);
    connect(index_filter_, &QLineEdit::textChanged, this, &HelpWindow::filter_index);
    connect(index_filter_, &QLineEdit::returnPressed, this, [this] {
        if (QListWidgetItem* item = index_->currentItem(); item != nullptr && !item->isHidden()) {
            open_local(item->data(kPageRole).toString());
        }
    });
    connect(index_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { open_local(item->data(kPageRole).toString()); });
    connect(index_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { open_local(item->data(kPageRole).toString()); });
    index_filter_->installEventFilter(this);

    // Search
    auto* search_page = new QWidget(this);
    search_box_ = new QLineEdit(search_page);
    search_box_->setObjectName(QStringLiteral("txtSearch"));
    search_box_->setAccessibleName(QStringLiteral("Search words"));
    search_box_->setPlaceholderText(QStringLiteral("Words to find, then Enter"));
    search_box_->setClearButtonEnabled(true);
    results_ = new QListWidget(search_page);
    results_->setObjectName(QStringLiteral("lstSearch"));
    results_->setAccessibleName(QStringLiteral("Pages found"));
    search_status_ = new QLabel(search_page);
    search_status_->setObjectName(QStringLiteral("lblSearch"));
    search_status_->setWordWrap(true);
    auto* search_layout = new QVBoxLayout(search_page);
    search_layout->setContentsMargins(4, 4, 4, 4);
    search_layout->addWidget(search_box_);
    search_layout->addWidget(search_status_);
    search_layout->addWidget(results_, 1);
    connect(search_box_, &QLineEdit::returnPressed, this, [this] { search(search_box_->text()); });
    connect(results_, &QListWidget::itemActivated, this, &HelpWindow::open_search_hit);
    connect(results_, &QListWidget::itemClicked, this, &HelpWindow::open_search_hit);
    search_box_->installEventFilter(this);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabNavigation"));
    tabs_->setAccessibleName(QStringLiteral("Contents, index and search"));
    tabs_->addTab(contents_, QStringLiteral("&Contents"));
    tabs_->addTab(index_page, QStringLiteral("&Index"));
    tabs_->addTab(search_page, QStringLiteral("&Search"));

    // Find in page
    find_bar_ = new QWidget(this);
    find_bar_->setObjectName(QStringLiteral("fraFind"));
    auto* find_label = new QLabel(QStringLiteral("Find:"), find_bar_);
    find_box_ = new QLineEdit(find_bar_);
    find_box_->setObjectName(QStringLiteral("txtFind"));
    find_box_->setAccessibleName(QStringLiteral("Find in page"));
    find_label->setBuddy(find_box_);
    auto* find_next_button = new QPushButton(QStringLiteral("Next"), find_bar_);
    find_next_button->setObjectName(QStringLiteral("cmdFindNext"));
    auto* find_previous = new QPushButton(QStringLiteral("Previous"), find_bar_);
    find_previous->setObjectName(QStringLiteral("cmdFindPrevious"));
    find_status_ = new QLabel(find_bar_);
    find_status_->setObjectName(QStringLiteral("lblFind"));
    auto* find_layout = new QHBoxLayout(find_bar_);
    find_layout->setContentsMargins(0, 0, 0, 0);
    find_layout->addWidget(find_label);
    find_layout->addWidget(find_box_, 1);
    find_layout->addWidget(find_next_button);
    find_layout->addWidget(find_previous);
    find_layout->addWidget(find_status_);
    find_bar_->hide();
    connect(find_box_, &QLineEdit::returnPressed, this, [this] { find_next(false); });
    connect(find_next_button, &QPushButton::clicked, this, [this] { find_next(false); });
    connect(find_previous, &QPushButton::clicked, this, [this] { find_next(true); });

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
    for (QPushButton* b : {home, back, forward, print_}) {
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter_, 1);

    setTabOrder(home, back);
    setTabOrder(back, forward);
    setTabOrder(forward, print_);
    setTabOrder(print_, tabs_->tabBar());
    setTabOrder(tabs_->tabBar(), contents_);
    setTabOrder(contents_, index_filter_);
    setTabOrder(index_filter_, index_);
    setTabOrder(index_, search_box_);
    setTabOrder(search_box_, results_);
    setTabOrder(results_, browser_);
    setTabOrder(browser_, find_box_);
    setTabOrder(find_box_, find_next_button);
    setTabOrder(find_next_button, find_previous);

    auto shortcut = [this](const QKeySequence& keys, auto slot) {
        auto* s = new QShortcut(keys, this);
        s->setContext(Qt::WindowShortcut);
        connect(s, &QShortcut::activated, this, slot);
    };
    shortcut(QKeySequence(Qt::Key_Escape), [this] { close(); });
    shortcut(QKeySequence::Find, [this] { show_find_bar(); });
    shortcut(QKeySequence(Qt::Key_F3), [this] { find_next(false); });
    shortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3), [this] { find_next(true); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Plus), [this] { step_zoom(1); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { step_zoom(1); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus), [this] { step_zoom(-1); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { set_zoom(100); });
    shortcut(QKeySequence(Qt::ALT | Qt::Key_Home), [this] { go_home(); });
    shortcut(QKeySequence::Back, [this] { browser_->backward(); });
    shortcut(QKeySequence::Forward, [this] { browser_->forward(); });
    shortcut(QKeySequence::Print, [this] { print_page(); });

    QSettings settings(QStringLiteral("Milora"), QStringLiteral("Milora"));
    settings.beginGroup(QStringLiteral("Help"));
    const QSize size = settings.value(QStringLiteral("size")).toSize();
    resize(size.isValid() && size.width() >= 300 && size.height() >= 200 ? size : QSize(900, 660));
    const QByteArray state = settings.value(QStringLiteral("splitter")).toByteArray();
    if (!state.isEmpty()) {
        splitter_->restoreState(state);
    }
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::showEvent(QShowEvent* event) {
    if (!placed_) {
        placed_ = true;
        const QScreen* screen = QApplication::primaryScreen();
        if (screen != nullptr) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    QWidget::showEvent(event);
}

void HelpWindow::closeEvent(QCloseEvent* event) {
    save_geometry();
    QWidget::closeEvent(event);
}

void HelpWindow::save_geometry() const {
    QSettings settings(QStringLiteral("Milora"), QStringLiteral("Milora"));
    settings.beginGroup(QStringLiteral("Help"));
    settings.setValue(QStringLiteral("size"), size());
    settings.setValue(QStringLiteral("splitter"), splitter_->saveState());
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
    // Up and Down in the keyword and search boxes move through the list below them.
    if (event->type() == QEvent::KeyPress && (watched == index_filter_ || watched == search_box_)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        QListWidget* list = watched == index_filter_ ? index_ : results_;
        if (key->key() == Qt::Key_Down || key->key() == Qt::Key_Up ||
            key->key() == Qt::Key_PageDown || key->key() == Qt::Key_PageUp) {
            QKeyEvent copy(QEvent::KeyPress, key->key(), key->modifiers());
            QApplication::sendEvent(list, &copy);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

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
    syncing_ = true;
    contents_->clear();
    index_->clear();
    rows_.clear();
    results_->clear();
    search_status_->clear();
    search_index_.reset();
    const bool open = archive_.is_open();
    const QByteArray hhc = open ? sitemap_text(QStringLiteral(".hhc")).toUtf8() : QByteArray();
    const QByteArray hhk = open ? sitemap_text(QStringLiteral(".hhk")).toUtf8() : QByteArray();
    add_rows(nullptr, contents_, help::parse_sitemap(std::string_view(hhc.data(), hhc.size())),
             rows_);
    add_index_rows(index_, help::parse_sitemap(std::string_view(hhk.data(), hhk.size())), 0);
    index_filter_->clear();
    tabs_->setTabVisible(0, contents_->topLevelItemCount() > 0);
    tabs_->setTabVisible(1, index_->count() > 0);
    tabs_->setTabVisible(2, open);
    tabs_->setVisible(open);
    syncing_ = false;
}

bool HelpWindow::refresh_archive(const QString& topic) {
    QString found;
    for (const QString& folder : folders_) {
        const QString candidate = QDir(folder).filePath(latin_text(kHandbookFileName));
        if (QFileInfo(candidate).isFile()) {
            found = candidate;
            break;
        }
    }
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
    // The zoom is the document's default font, which a new page keeps; its pictures are not.
    // A row for another part of the same page (an anchor) stays the current one.
    const QString key = page_key(url.path());
    const QTreeWidgetItem* current = contents_->currentItem();
    if (QTreeWidgetItem* row = rows_.value(key);
        row != nullptr &&
        (current == nullptr || page_key(current->data(0, kPageRole).toString()) != key)) {
        syncing_ = true;
        contents_->setCurrentItem(row);
        contents_->scrollToItem(row);
        syncing_ = false;
    }
    highlight(highlight_words_);
    highlight_words_.clear();
    find_status_->clear();
}

// ---------------------------------------------------------------------------------------------
// Index and search

void HelpWindow::filter_index(const QString& text) {
    const QString wanted = text.trimmed();
    QListWidgetItem* first = nullptr;
    for (int i = 0; i < index_->count(); ++i) {
        QListWidgetItem* item = index_->item(i);
        const bool shown = wanted.isEmpty() || item->text().contains(wanted, Qt::CaseInsensitive);
        item->setHidden(!shown);
        if (shown && first == nullptr) {
            first = item;
        }
    }
    if (first != nullptr) {
        index_->setCurrentItem(first);
        index_->scrollToItem(first);
    }
}

void HelpWindow::search(const QString& words) {
    results_->clear();
    if (!archive_.is_open()) {
        return;
    }
    if (!search_index_) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        search_index_.emplace();
        for (const QString& name : archive_.names()) {
            if (!name.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive) &&
                !name.endsWith(QLatin1String(".html"), Qt::CaseInsensitive)) {
                continue;
            }
            const std::optional<QByteArray> bytes = archive_.read(name);
            if (!bytes || static_cast<std::size_t>(bytes->size()) > help::kLargestPage) {
                continue;
            }
            const QByteArray html = decode_page(*bytes).toUtf8();
            const help::PageText text = help::page_text(std::string_view(html.data(), html.size()));
            const QByteArray folded = QString::fromStdString(text.text).toLower().toUtf8();
            std::string title = text.title.empty() ? name.mid(1).toStdString() : text.title;
            search_index_->add_page(name.mid(1).toStdString(), std::move(title),
                                    std::string_view(folded.data(), folded.size()));
        }
        QApplication::restoreOverrideCursor();
    }
    const QByteArray query = words.toLower().toUtf8();
    const auto hits = search_index_->search(std::string_view(query.data(), query.size()));
    for (const help::SearchIndex::Hit& hit : hits) {
        auto* item = new QListWidgetItem(QString::fromStdString(hit.title), results_);
        item->setData(kPageRole, QString::fromStdString(hit.page));
    }
    search_status_->setText(hits.empty() ? QStringLiteral("No page holds these words.")
                            : hits.size() == 1U
                                ? QStringLiteral("1 page found.")
                                : QStringLiteral("%1 pages found.").arg(hits.size()));
    if (!hits.empty()) {
        results_->setCurrentRow(0);
    }
}

void HelpWindow::open_search_hit(QListWidgetItem* item) {
    if (item == nullptr) {
        return;
    }
    const QStringList words =
        search_box_->text().split(QRegularExpression(QStringLiteral("\\W+")), Qt::SkipEmptyParts);
    const QUrl url = handbook_url(item->data(kPageRole).toString());
    if (browser_->source().adjusted(QUrl::RemoveFragment) == url) {
        highlight(words);
        return;
    }
    highlight_words_ = words;
    browser_->setSource(url);
}

void HelpWindow::highlight(const QStringList& words) {
    QList<QTextEdit::ExtraSelection> marks;
    QTextCursor first;
    for (const QString& word : words) {
        QTextCursor at(browser_->document());
        while (true) {
            at = browser_->document()->find(word, at);
            if (at.isNull() || marks.size() > 5000) {
                break;
            }
            QTextEdit::ExtraSelection mark;
            mark.cursor = at;
            mark.format.setBackground(QColor(0xff, 0xeb, 0x3b));
            mark.format.setForeground(Qt::black);
            marks.append(mark);
            if (first.isNull() || at.position() < first.position()) {
                first = at;
            }
        }
    }
    browser_->setExtraSelections(marks);
    if (!first.isNull()) {
        first.clearSelection();
        browser_->setTextCursor(first);
        browser_->ensureCursorVisible();
    }
}

// ---------------------------------------------------------------------------------------------
// Find, zoom, print

void HelpWindow::show_find_bar() {
    find_bar_->show();
    find_box_->setFocus(Qt::ShortcutFocusReason);
    find_box_->selectAll();
}

bool HelpWindow::find_in_page(const QString& text, bool backward) {
    if (text.isEmpty()) {
        return false;
    }
    const QTextDocument::FindFlags flags =
        backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (browser_->find(text, flags)) {
        return true;
    }
    // Round the end of the page.
    QTextCursor from(browser_->document());
    from.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
    browser_->setTextCursor(from);
    return browser_->find(text, flags);
}

void HelpWindow::find_next(bool backward) {
    if (find_box_->text().isEmpty()) {
        show_find_bar();
        return;
    }
    const bool found = find_in_page(find_box_->text(), backward);
    find_status_->setText(found ? QString() : QStringLiteral("Not found"));
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

// ---------------------------------------------------------------------------------------------

HelpViewer::HelpViewer(WebService* web, QStringList folders, PrintService* printer)
    : web_(web), folders_(std::move(folders)), printer_(printer) {}

HelpViewer::~HelpViewer() = default;

void HelpViewer::show_topic(QWidget* /*owner*/, const QString& topic) {
    if (!window_) {
        window_ = std::make_unique<HelpWindow>(folders_, web_, printer_);
    }
    // Shown first, so that the page is laid out when it scrolls to the topic's anchor.
    if (window_->isMinimized()) {
        window_->showNormal();
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
    window_->show_topic(topic);
}

} // namespace milora::ui
