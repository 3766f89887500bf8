// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/help_browser.h"

#include "help/page_text.h"
#include "ui/help_handbook.h"

#include <QDir>
#include <QImage>
#include <QWheelEvent>

namespace milora::ui {
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

// Always a picture: given none, or bytes that are no picture, the text engine loads the image's
// name from the disk instead.
QImage picture(const std::optional<QByteArray>& bytes) {
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

// The page as the text engine gets it: sizes and spans bounded, deep or huge tables flattened,
// long words given a place to break.
std::string laid_out_html(const QByteArray& bytes) {
    const QByteArray html = decode_page(bytes).toUtf8();
    return help::break_long_words(help::flatten_deep_tables(
        help::bound_sizes(std::string_view(html.constData(), html.size()))));
}

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
    bool too_large = false;
    if (archive_ != nullptr && url.scheme() == QLatin1String("chm")) {
        // Pictures may be larger than pages; the reader refuses anything beyond its own bound.
        const auto most = type == QTextDocument::ImageResource
                              ? static_cast<qint64>(help::ChmFile::kMaxObjectSize)
                              : static_cast<qint64>(help::kLargestPage);
        bytes = archive_->read_at_most(url.path(), most, &too_large);
    }
    if (type == QTextDocument::ImageResource) {
        return picture(bytes);
    }
    if (!page) {
        return bytes ? QVariant(*bytes) : QVariant(QByteArray());
    }
    if (too_large) {
        const qint64 length = archive_->size(url.path()).value_or(0);
        return own_page(QStringLiteral("The page is too large"),
                        QStringLiteral("<p>The page \"%1\" of the handbook is %2 MB long, more "
                                       "than the %3 KB the viewer shows.</p>")
                            .arg(topic_of(url).toHtmlEscaped())
                            .arg(static_cast<double>(length) / (1024.0 * 1024.0), 0, 'f', 1)
                            .arg(help::kLargestPage / 1024));
    }
    if (bytes) {
        return QString::fromStdString(laid_out_html(*bytes));
    }
    return own_page(
        QStringLiteral("Topic not found"),
        QStringLiteral("<p>The page \"%1\" was looked for in the handbook \"%2\", "
                       "and the handbook has no such page.</p>")
            .arg(topic_of(url).toHtmlEscaped(), QDir::toNativeSeparators(path_).toHtmlEscaped()));
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

} // namespace milora::ui
