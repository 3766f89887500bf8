// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The services as the running program provides them: Qt message boxes and file dialogs, printing
// through QPrinter or straight into a PDF file, web pages through the desktop's browser.

#include "base/atomic_file.h"
#include "ui/services.h"

#include <QPageLayout>
#include <QPageSize>

#include <QPrinter>
#include <memory>

class QMessageBox;

namespace milora::ui {

// Title, text, icon, buttons and the default button of `message`, on a box not yet shown.
void prepare_message_box(QMessageBox& box, const Message& message);

class QtMessageService final : public MessageService {
public:
    Answer show(QWidget* parent, const Message& message) override;
};

class QtFileDialogService final : public FileDialogService {
public:
    QString open_file(QWidget* parent, const FileDialogRequest& request) override;
    QString save_file(QWidget* parent, const FileDialogRequest& request) override;
};

// Prints a window as vector graphics: sharp at any printer resolution, and its texts stay text in
// a PDF. A PDF file is written whole beside the old one and replaces it only then.
class QtPrintService final : public PrintService {
public:
    QtPrintService(MessageService& messages, FileDialogService& files);
    ~QtPrintService() override;
    bool print_widget(QWidget* widget, Orientation orientation) override;
    bool print_document(QWidget* parent, QTextDocument& document) override;
    void printer_setup(QWidget* parent) override;

private:
    // True when prints go to a PDF file: Print Setup chose one, or there is no printer at all.
    bool prints_to_pdf() const;
    QPageLayout pdf_layout(Orientation orientation) const;
    // Asks where the PDF goes, each time: proposed is the window's title in the folder used last
    // (at first the program folder), or after Print Setup chose a file, the file used last. The
    // save dialog asks before it replaces a file. Empty when the user cancelled.
    QString choose_pdf(QWidget* parent);
    bool print_pdf(QWidget* widget, const QString& path, const QPageLayout& layout);
    // Tells the user when a PDF file could not be written; true when it was.
    bool report_pdf(QWidget* parent, const QString& path, const Status& written);

    MessageService& messages_;
    FileDialogService& files_;
    // The whole choice made in Print Setup: a printer, or PDF output with its file, and the paper.
    std::unique_ptr<QPrinter> chosen_;
    QString last_folder_; // of the last PDF file written
    QString last_pdf_;    // the last file chosen for Print Setup's PDF output
};

// A file name for a print of the window titled `title`: the title without the characters a file
// name cannot hold, and ".pdf".
QString pdf_file_name(const QString& title);

class DesktopWebService final : public WebService {
public:
    bool open_url(const QString& url) override;
};

// The paper of the user's locale: Letter where US measures are used, A4 elsewhere.
QPageSize locale_page_size();

// Draws the widget onto one page of `device` as vector graphics, scaled to fit the page and
// centred across it, without the focus or the selection of the box that has the focus.
bool paint_widget_page(QWidget* widget, QPagedPaintDevice& device);

// Writes the widget as a one-page PDF file; an existing file is replaced only by a whole new one.
Status write_widget_pdf(QWidget* widget, const QString& path, const QPageLayout& layout);

} // namespace milora::ui
