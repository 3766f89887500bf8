// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/help_handbook.h"

#include "ui/program_folder.h"
#include "ui/qt_text.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

namespace milora::ui {

QStringList handbook_folders() {
    QStringList folders{program_folder(), installed_data_folder()};
    const QString built = build_tree_handbook_folder();
    if (!built.isEmpty()) {
        folders << built;
    }
    return folders;
}

QString find_handbook(const QStringList& folders) {
    for (const QString& folder : folders) {
        const QString candidate = QDir(folder).filePath(latin_text(kHandbookFileName));
        if (QFileInfo(candidate).isFile()) {
            return candidate;
        }
    }
    return {};
}

QString local_topic(const QString& local) {
    const qsizetype inside = local.indexOf(QLatin1String("::/"));
    QString topic = inside >= 0 ? local.mid(inside + 3) : local;
    while (topic.startsWith(QLatin1Char('/'))) {
        topic.remove(0, 1);
    }
    return topic;
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

QString own_page(const QString& heading, const QString& body) {
    return QStringLiteral("<html><head><title>%1</title></head><body><h2>%1</h2>%2"
                          "</body></html>")
        .arg(heading.toHtmlEscaped(), body);
}

bool web_scheme(const QString& scheme) {
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
           scheme == QLatin1String("mailto");
}

} // namespace milora::ui
