// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/help_viewer.h"

#include "ui/program_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStringDecoder>
#include <QVBoxLayout>

namespace milora::ui {
namespace {

QString esc(const QString& s) {
    return s.toHtmlEscaped();
}

QString own_page(const QString& heading, const QString& body) {
    return QStringLiteral("<html><head><title>Milora Help</title></head><body><h2>%1</h2>%2"
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
    const qsizetype hash = topic.indexOf(QLatin1Char('#'));
    QUrl url;
    url.setScheme(QStringLiteral("chm"));
    url.setPath(QLatin1Char('/') + (hash < 0 ? topic : topic.left(hash)));
    if (hash >= 0) {
        url.setFragment(topic.mid(hash + 1));
    }
    return url;
}

HandbookBrowser::HandbookBrowser(QWidget* parent) : QTextBrowser(parent) {
    setObjectName(QStringLiteral("txtHandbook"));
    setOpenLinks(false);
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
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    const bool page = type == QTextDocument::HtmlResource;
    if (!problem_.isEmpty()) {
        return page ? QVariant(problem_) : QVariant();
    }
    std::optional<QByteArray> bytes;
    if (archive_ != nullptr && url.scheme() == QLatin1String("chm")) {
        bytes = archive_->read(url.path());
    }
    if (!page) {
        return bytes ? QVariant(*bytes) : QVariant();
    }
    if (bytes) {
        return decode_page(*bytes);
    }
    return own_page(QStringLiteral("Topic not found"),
                    QStringLiteral("<p>The page \"%1\" was looked for in the handbook \"%2\", "
                                   "and the handbook has no such page.</p>")
                        .arg(esc(topic_of(url)), esc(QDir::toNativeSeparators(path_))));
}

HelpWindow::HelpWindow(QStringList folders, WebService* web)
    : QWidget(nullptr, Qt::Window), folders_(std::move(folders)), web_(web),
      browser_(new HandbookBrowser(this)) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Milora Help"));
    // The help window does not keep the program running once the main window has closed.
    setAttribute(Qt::WA_QuitOnClose, false);

    auto* back = new QPushButton(QStringLiteral("Back"), this);
    back->setObjectName(QStringLiteral("cmdBack"));
    auto* forward = new QPushButton(QStringLiteral("Forward"), this);
    forward->setObjectName(QStringLiteral("cmdForward"));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::follow_link);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_, 1);
    resize(820, 640);
}

bool HelpWindow::refresh_archive(const QString& topic) {
    QString found;
    for (const QString& folder : folders_) {
        const QString candidate = QDir(folder).filePath(QString::fromLatin1(kHandbookFileName));
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
                .arg(esc(topic), QString::fromLatin1(kHandbookFileName), where)));
    } else if (!archive_.open(found)) {
        browser_->set_problem(own_page(
            QStringLiteral("The handbook could not be read"),
            QStringLiteral("<p>The topic \"%1\" was asked for, but the file \"%2\" could not be "
                           "read as a help file.</p>")
                .arg(esc(topic), esc(QDir::toNativeSeparators(found)))));
    } else {
        browser_->set_archive(&archive_, found);
    }
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

void HelpWindow::follow_link(const QUrl& url) {
    const QString scheme = url.scheme();
    const QString whole = url.toString();
    const qsizetype inside = whole.indexOf(QLatin1String("::/"));
    if (scheme == QLatin1String("chm")) {
        browser_->setSource(url);
    } else if ((scheme == QLatin1String("ms-its") || scheme == QLatin1String("mk")) &&
               inside >= 0) {
        // A help-file link written as ms-its:edt.chm::/Oil.htm#ECMO names a page of the handbook.
        browser_->setSource(handbook_url(whole.mid(inside + 3)));
    } else if (web_ != nullptr &&
               (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
                scheme == QLatin1String("mailto"))) {
        web_->open_url(url.toString());
    }
}

HelpViewer::HelpViewer(WebService* web, QStringList folders)
    : web_(web), folders_(std::move(folders)) {}

HelpViewer::~HelpViewer() = default;

void HelpViewer::show_topic(QWidget* /*owner*/, const QString& topic) {
    if (!window_) {
        window_ = std::make_unique<HelpWindow>(folders_, web_);
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
