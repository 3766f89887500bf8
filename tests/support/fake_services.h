// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// Fakes of the platform services for window tests: they record what was asked, answer dialogs
// from queues that the test fills, and fail the test at once when a question or a dialog comes
// that the test did not expect.

#include "ui/application.h"
#include "ui/services.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

namespace milora::test {

class FakeMessages final : public ui::MessageService {
public:
    Answer show(QWidget* parent, const Message& message) override;
    std::vector<Message> shown;
    std::deque<Answer> answers; // for Yes/No questions, taken in order
};

class FakeFiles final : public ui::FileDialogService {
public:
    QString open_file(QWidget* parent, const ui::FileDialogRequest& request) override;
    QString save_file(QWidget* parent, const ui::FileDialogRequest& request) override;
    std::vector<ui::FileDialogRequest> open_requests;
    std::vector<ui::FileDialogRequest> save_requests;
    std::deque<QString> open_answers; // "" is a cancel
    std::deque<QString> save_answers;
};

class FakePrinter final : public ui::PrintService {
public:
    bool print_widget(QWidget* widget, ui::Orientation orientation) override;
    bool print_document(QWidget* parent, QTextDocument& document) override;
    void printer_setup(QWidget* parent) override;
    QStringList printed_documents; // the plain text of each document printed
    std::vector<ui::Orientation> printed;
    std::vector<QString> printed_windows;
    int setups = 0;
    QString pdf_path; // when set, prints really go to this PDF file
};

class FakeHelp final : public ui::HelpService {
public:
    void show_topic(QWidget* owner, const QString& topic) override;
    QStringList topics;
};

class FakeWeb final : public ui::WebService {
public:
    bool open_url(const QString& url) override;
    QStringList urls;
    bool opens = true; // what open_url answers
};

// Previews of an export before it replaces the tracker's log: recorded, answered from `answers`
// (true for OK, with the preview's own choices).
class FakePreviews final : public ui::ImportPreviewService {
public:
    std::optional<mileage::ImportChoices> confirm(QWidget* parent,
                                                  const mileage::ImportPreview& preview,
                                                  const mileage::Repreview& again) override;
    std::vector<mileage::ImportPreview> shown;
    std::deque<bool> answers;
};

// All fakes together, and the Services that point at them.
struct FakeServices {
    FakeMessages messages;
    FakeFiles files;
    FakePrinter printer;
    FakeHelp help;
    FakeWeb web;
    FakePreviews previews;
    ui::Services services() { return {&messages, &files, &printer, &help, &web, &previews}; }
};

} // namespace milora::test
