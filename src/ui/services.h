// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The platform services the windows use, each behind a small interface so that tests can put
// fakes in their place that record what was asked and answer dialogs from the test.

#include "base/message.h"
#include "mileage/import_preview.h"

#include <QString>
#include <optional>

class QTextDocument;
class QWidget;

namespace milora::ui {

class MessageService {
public:
    virtual ~MessageService() = default;
    virtual Answer show(QWidget* parent, const Message& message) = 0;
};

struct FileDialogRequest {
    QString title;
    QString filter;         // "Car Data Files (*.miloracar)"
    QString default_suffix; // "miloracar"
    QString directory;      // initial folder
    QString file_name;      // proposed name, may be empty
};

class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    // The chosen path, or an empty string when the user cancelled.
    virtual QString open_file(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual QString save_file(QWidget* parent, const FileDialogRequest& request) = 0;
};

enum class Orientation { Portrait = 1, Landscape = 2 };

class PrintService {
public:
    virtual ~PrintService() = default;
    // Prints the widget's image on one page; false when nothing was printed (cancelled, failed).
    virtual bool print_widget(QWidget* widget, Orientation orientation) = 0;
    // Prints the document as text over as many pages as it needs (the help window's page); false
    // when nothing was printed.
    virtual bool print_document(QWidget* parent, QTextDocument& document) = 0;
    // The printer set-up dialog; later prints go to the printer chosen there.
    virtual void printer_setup(QWidget* parent) = 0;
};

class HelpService {
public:
    virtual ~HelpService() = default;
    // Opens a topic of the handbook, "Tires.htm" or "Tires.htm#alignment".
    virtual void show_topic(QWidget* owner, const QString& topic) = 0;
};

class WebService {
public:
    virtual ~WebService() = default;
    // False when nothing on the desktop takes the address.
    virtual bool open_url(const QString& url) = 0;
};

class ImportPreviewService {
public:
    virtual ~ImportPreviewService() = default;
    // Shows what another app's export holds before it replaces the tracker's log, read again
    // with `again` as the user changes what was assumed; the choices said OK to, nullopt for
    // Cancel.
    virtual std::optional<mileage::ImportChoices> confirm(QWidget* parent,
                                                          const mileage::ImportPreview& preview,
                                                          const mileage::Repreview& again) = 0;
};

// The set of services a window is handed. The application owns the real ones.
struct Services {
    MessageService* messages = nullptr;
    FileDialogService* files = nullptr;
    PrintService* printer = nullptr;
    HelpService* help = nullptr;
    WebService* web = nullptr;
    ImportPreviewService* previews = nullptr; // none: exports replace the log unasked
};

// Opens a web address; when nothing on the desktop takes it, tells the user so, with the address
// to copy into a browser. False when it was not opened.
bool open_link(const Services& services, QWidget* parent, const QString& url);
// What that message says.
Message link_not_opened_message(const QString& url);

} // namespace milora::ui
