// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/real_services.h"

#include "ui/on_screen.h"
#include "ui/program_folder.h"
#include "ui/qt_text.h"
#include "ui/validating_edit.h"

#include <QBuffer>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTextDocument>
#include <QUrl>
#include <QWidget>
#include <algorithm>
#include <array>
#include <functional>

namespace milora::ui {

void prepare_message_box(QMessageBox& box, const Message& message) {
    box.setWindowTitle(qt_text(message.title));
    box.setText(qt_text(message.text));
    static constexpr std::array kIcons = {QMessageBox::NoIcon, QMessageBox::Information,
                                          QMessageBox::Warning, QMessageBox::Critical,
                                          QMessageBox::Question};
    box.setIcon(kIcons.at(static_cast<std::size_t>(message.icon)));
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

// A file dialog opens large enough for the name, size, type and date of a file side by side, and
// as large as the user left the last one.
constexpr QSize kFileDialogSize(900, 560);

QString run_dialog(QWidget* parent, const FileDialogRequest& r, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, r.title, r.directory, r.filter);
    dialog.setObjectName(QStringLiteral("FileDialog"));
    dialog.setViewMode(QFileDialog::Detail);
    QSettings settings(QStringLiteral("Milora"), QStringLiteral("Milora"));
    const QSize stored = settings.value(QStringLiteral("FileDialog/Size")).toSize();
    QSize size = stored.isValid() ? stored : kFileDialogSize;
    const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    }
    dialog.resize(size);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(r.default_suffix);
    if (!r.file_name.isEmpty()) {
        dialog.selectFile(r.file_name);
    }
    const bool chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    settings.setValue(QStringLiteral("FileDialog/Size"), dialog.size());
    return chosen ? dialog.selectedFiles().constFirst() : QString();
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

QPageSize locale_page_size() {
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                         ? QPageSize::Letter
                         : QPageSize::A4);
}

namespace {

// While it lives, the window's focused control has no focus, so that a print shows neither the
// focus frame nor the selected text; then both come back as they were, and no box is checked.
class FocusHidden {
public:
    explicit FocusHidden(QWidget* window) : focus_(window->focusWidget()) {
        if (focus_ == nullptr) {
            return;
        }
        if (auto* edit = qobject_cast<QLineEdit*>(focus_.data())) {
            cursor_ = edit->cursorPosition();
            selection_start_ = edit->selectionStart();
            selection_length_ = static_cast<int>(edit->selectedText().size());
        }
        const ValidatingEdit::Unchecked quiet;
        focus_->clearFocus();
    }
    ~FocusHidden() {
        if (focus_ == nullptr) {
            return;
        }
        const ValidatingEdit::Unchecked quiet;
        focus_->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(focus_.data())) {
            if (selection_length_ <= 0) {
                edit->setCursorPosition(cursor_);
            } else if (cursor_ == selection_start_) {
                edit->setSelection(selection_start_ + selection_length_, -selection_length_);
            } else {
                edit->setSelection(selection_start_, selection_length_);
            }
        }
    }
    FocusHidden(const FocusHidden&) = delete;
    FocusHidden& operator=(const FocusHidden&) = delete;

private:
    QPointer<QWidget> focus_;
    int cursor_ = 0;
    int selection_start_ = -1;
    int selection_length_ = 0;
};

QPageLayout page_layout(const QPageSize& paper, Orientation orientation) {
    return QPageLayout(paper,
                       orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                             : QPageLayout::Portrait,
                       QMarginsF(12.7, 12.7, 12.7, 12.7), QPageLayout::Millimeter);
}

// Print resolution for a PDF file, as a high-resolution printer has it.
constexpr int kPdfResolution = 1200;

} // namespace

bool paint_widget_page(QWidget* window, QPagedPaintDevice& device) {
    // All of a window that scrolls on a small screen, not only the part in view.
    QWidget* widget = content_page(window);
    const FocusHidden hidden(window);
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    const QRect page = painter.viewport();
    const QSize size = widget->size();
    if (size.isEmpty()) {
        return painter.end();
    }
    const double scale = std::min(static_cast<double>(page.width()) / size.width(),
                                  static_cast<double>(page.height()) / size.height());
    painter.translate(page.x() + (page.width() - size.width() * scale) / 2, page.y());
    painter.scale(scale, scale);
    widget->render(&painter, QPoint(), QRegion(),
                   QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return painter.end();
}

Status write_pdf(const QString& path, const QPageLayout& layout, const QString& title,
                 const std::function<bool(QPdfWriter&)>& paint) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(layout);
        writer.setCreator(QStringLiteral("Milora"));
        writer.setTitle(title);
        if (!paint(writer)) {
            return Failure{"the page could not be drawn"};
        }
    }
    const QByteArray& bytes = buffer.data();
    return write_file_atomically(
        path_text(path), std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

Status write_widget_pdf(QWidget* widget, const QString& path, const QPageLayout& layout) {
    return write_pdf(path, layout, widget->windowTitle(),
                     [widget](QPdfWriter& writer) { return paint_widget_page(widget, writer); });
}

bool QtPrintService::report_pdf(QWidget* parent, const QString& path, const Status& written) {
    if (!written) {
        messages_.show(parent, {kProgramTitle,
                                "The file \"" + path.toStdString() +
                                    "\" could not be saved: " + written.reason() + ".",
                                Icon::Warning, Buttons::Ok});
        return false;
    }
    // A file is not a sheet of paper in the tray: the user is told where to find it.
    messages_.show(parent, {kProgramTitle,
                            "The print was saved as a PDF file:\n\n" +
                                QDir::toNativeSeparators(path).toStdString(),
                            Icon::Information, Buttons::Ok});
    return true;
}

QString pdf_file_name(const QString& title) {
    QString name;
    for (const QChar c : title) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\')) {
            name += QLatin1Char('-');
        } else if (c.isPrint() && !QStringLiteral(":*?\"<>|").contains(c)) {
            name += c;
        }
    }
    name = name.simplified();
    while (name.startsWith(QLatin1Char('.')) || name.startsWith(QLatin1Char('-'))) {
        name.remove(0, 1);
    }
    return (name.isEmpty() ? QStringLiteral("Milora") : name) + QStringLiteral(".pdf");
}

bool QtPrintService::prints_to_pdf() const {
    return chosen_ ? chosen_->outputFormat() == QPrinter::PdfFormat
                   : QPrinterInfo::availablePrinters().isEmpty();
}

QPageLayout QtPrintService::pdf_layout(Orientation orientation) const {
    return page_layout(chosen_ ? chosen_->pageLayout().pageSize() : locale_page_size(),
                       orientation);
}

QString QtPrintService::choose_pdf(QWidget* parent) {
    const bool from_setup = chosen_ != nullptr;
    QString proposed;
    if (from_setup) {
        proposed = last_pdf_.isEmpty() ? chosen_->outputFileName() : last_pdf_;
    } else {
        const QString folder = last_folder_.isEmpty() ? program_folder() : last_folder_;
        const QString title = parent != nullptr ? parent->window()->windowTitle() : QString();
        proposed = QDir(folder).filePath(pdf_file_name(title));
    }
    const QFileInfo start(proposed);
    const QString path = files_.save_file(
        parent, {QObject::tr("Print to PDF File"), QObject::tr("PDF Files (*.pdf)"),
                 QStringLiteral("pdf"), start.absolutePath(), start.fileName()});
    if (!path.isEmpty()) {
        last_folder_ = QFileInfo(path).absolutePath();
        if (from_setup) {
            last_pdf_ = path;
        }
    }
    return path;
}

bool QtPrintService::print_pdf(QWidget* widget, const QString& path, const QPageLayout& layout) {
    return report_pdf(widget, path, write_widget_pdf(widget, path, layout));
}

bool QtPrintService::print_widget(QWidget* widget, Orientation orientation) {
    if (prints_to_pdf()) {
        const QString path = choose_pdf(widget);
        return !path.isEmpty() && print_pdf(widget, path, pdf_layout(orientation));
    }
    QPrinter fresh(QPrinter::HighResolution);
    QPrinter& printer = chosen_ ? *chosen_ : fresh;
    if (!chosen_) {
        printer.setPageSize(locale_page_size());
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

bool QtPrintService::print_document(QWidget* parent, QTextDocument& document) {
    // The text itself goes to the page, so it stays sharp; a PDF file is written whole or not at
    // all, as the windows' prints are.
    const auto pdf = [&](const QString& path, const QPageLayout& layout) {
        const QString title = parent != nullptr ? parent->windowTitle() : QString();
        return report_pdf(parent, path, write_pdf(path, layout, title, [&](QPdfWriter& writer) {
                              document.print(&writer);
                              return true;
                          }));
    };
    if (prints_to_pdf()) {
        const QString path = choose_pdf(parent);
        return !path.isEmpty() && pdf(path, pdf_layout(Orientation::Portrait));
    }
    QPrinter fresh(QPrinter::HighResolution);
    QPrinter& printer = chosen_ ? *chosen_ : fresh;
    if (!chosen_) {
        printer.setPageSize(locale_page_size());
    }
    printer.setPageOrientation(QPageLayout::Portrait);
    document.print(&printer);
    if (printer.printerState() == QPrinter::Error) {
        messages_.show(
            parent, {kProgramTitle, "The page could not be printed.", Icon::Warning, Buttons::Ok});
        return false;
    }
    return true;
}

void QtPrintService::printer_setup(QWidget* parent) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (chosen_) {
        printer->setOutputFormat(chosen_->outputFormat());
        if (chosen_->outputFormat() == QPrinter::PdfFormat) {
            printer->setOutputFileName(chosen_->outputFileName());
        } else {
            printer->setPrinterName(chosen_->printerName());
        }
        printer->setPageSize(chosen_->pageLayout().pageSize());
    } else {
        printer->setPageSize(locale_page_size());
    }
    QPrintDialog dialog(printer.get(), parent);
    dialog.setObjectName(QStringLiteral("PrintSetup"));
    dialog.setWindowTitle(QObject::tr("Print Setup"));
    // The dialog only chooses; it prints nothing.
    for (QDialogButtonBox* buttons : dialog.findChildren<QDialogButtonBox*>()) {
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) {
            ok->setText(QObject::tr("OK"));
        }
    }
    if (dialog.exec() == QDialog::Accepted) {
        chosen_ = std::move(printer);
        last_pdf_.clear();
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

Message link_not_opened_message(const QString& url) {
    return {kProgramTitle,
            "No web browser could be started for this link. To visit the page, copy its address "
            "into a browser:\n\n" +
                url.toStdString(),
            Icon::Information, Buttons::Ok};
}

bool open_link(const Services& services, QWidget* parent, const QString& url) {
    if (services.web != nullptr && services.web->open_url(url)) {
        return true;
    }
    if (services.messages != nullptr) {
        services.messages->show(parent, link_not_opened_message(url));
    }
    return false;
}

} // namespace milora::ui
