// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/real_services.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QProcess>
#include <QUrl>
#include <QWidget>

namespace milora::ui {

void prepare_message_box(QMessageBox& box, const Message& message) {
    box.setWindowTitle(QString::fromStdString(message.title));
    box.setText(QString::fromStdString(message.text));
    switch (message.icon) {
    case Icon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    }
    if (message.buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(message.default_answer == Answer::No ? QMessageBox::No
                                                                  : QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
}

Answer QtMessageService::show(QWidget* parent, const Message& message) {
    QMessageBox box(parent);
    prepare_message_box(box, message);
    const int answer = box.exec();
    if (message.buttons == Buttons::YesNo) {
        return answer == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
    return Answer::Ok;
}

namespace {

QString run_dialog(QWidget* parent, const FileDialogRequest& r, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, r.title, r.directory, r.filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(r.default_suffix);
    if (!r.file_name.isEmpty()) {
        dialog.selectFile(r.file_name);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString QtFileDialogService::open_file(QWidget* parent, const FileDialogRequest& request) {
    return run_dialog(parent, request, QFileDialog::AcceptOpen);
}

QString QtFileDialogService::save_file(QWidget* parent, const FileDialogRequest& request) {
    return run_dialog(parent, request, QFileDialog::AcceptSave);
}

QtPrintService::QtPrintService(MessageService& messages, FileDialogService& files)
    : messages_(messages), files_(files) {}

QtPrintService::~QtPrintService() = default;

bool paint_widget_page(QWidget* widget, QPrinter& printer) {
    const QPixmap image = widget->grab();
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const QRect page = painter.viewport();
    QSize size = image.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    const QRect target(page.x() + (page.width() - size.width()) / 2, page.y(), size.width(),
                       size.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, image);
    return painter.end();
}

bool QtPrintService::print_widget(QWidget* widget, Orientation orientation) {
    QPrinter printer(QPrinter::HighResolution);
    if (chosen_) {
        printer.setPrinterName(chosen_->printerName());
    } else if (QPrinterInfo::availablePrinters().isEmpty()) {
        // No printer at all: offer a PDF file instead.
        const QString path = files_.save_file(
            widget, {QObject::tr("Print to PDF File"), QObject::tr("PDF Files (*.pdf)"),
                     QStringLiteral("pdf"), QDir::homePath(), QString()});
        if (path.isEmpty()) {
            return false;
        }
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
    }
    printer.setPageOrientation(orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                     : QPageLayout::Portrait);
    if (!paint_widget_page(widget, printer)) {
        messages_.show(widget, {kProgramTitle, "The window could not be printed.", Icon::Warning,
                                Buttons::Ok});
        return false;
    }
    return true;
}

void QtPrintService::printer_setup(QWidget* parent) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (chosen_) {
        printer->setPrinterName(chosen_->printerName());
    }
    QPrintDialog dialog(printer.get(), parent);
    dialog.setWindowTitle(QObject::tr("Print Setup"));
    if (dialog.exec() == QDialog::Accepted) {
        chosen_ = std::move(printer);
    }
}

namespace {

// Qt hands a link to xdg-open and reports only that it started, so a link that no program takes
// would count as opened. For schemes other than the web's own, the desktop is asked first.
bool desktop_takes(const QString& scheme) {
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
        scheme == QLatin1String("file")) {
        return true;
    }
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                             QStringLiteral("x-scheme-handler/") + scheme});
    if (!query.waitForStarted(2000)) {
        return true; // nothing to ask: Qt's own answer decides
    }
    if (!query.waitForFinished(3000)) {
        query.kill();
        query.waitForFinished(1000);
        return true;
    }
    return query.exitCode() == 0 && !query.readAllStandardOutput().trimmed().isEmpty();
#else
    return true;
#endif
}

} // namespace

bool DesktopWebService::open_url(const QString& url) {
    const QUrl address(url);
    return desktop_takes(address.scheme()) && QDesktopServices::openUrl(address);
}

} // namespace milora::ui
