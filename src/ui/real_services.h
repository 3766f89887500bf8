// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The services as the running program provides them: Qt message boxes and file dialogs, printing
// through QPrinter, web pages through the desktop's browser.

#include "ui/services.h"

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

class QtPrintService final : public PrintService {
public:
    QtPrintService(MessageService& messages, FileDialogService& files);
    ~QtPrintService() override;
    bool print_widget(QWidget* widget, Orientation orientation) override;
    void printer_setup(QWidget* parent) override;

private:
    MessageService& messages_;
    FileDialogService& files_;
    std::unique_ptr<QPrinter> chosen_; // set by Print Setup
};

class DesktopWebService final : public WebService {
public:
    bool open_url(const QString& url) override;
};

// Paints the widget's current image onto one page of `printer`, scaled to fit and centred.
bool paint_widget_page(QWidget* widget, QPrinter& printer);

} // namespace milora::ui
