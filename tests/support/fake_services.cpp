// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "support/fake_services.h"

#include "support/scripted_user.h"
#include "ui/real_services.h"

#include <QPrinter>
#include <QTextDocument>
#include <QWidget>
#include <gtest/gtest.h>

namespace milora::test {

Answer FakeMessages::show(QWidget* /*parent*/, const Message& message) {
    return answer_from_script(shown, answers, message);
}

namespace {

QString take(std::deque<QString>& answers, const char* what) {
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected " << what << " dialog";
        return {};
    }
    QString a = answers.front();
    answers.pop_front();
    return a;
}

} // namespace

QString FakeFiles::open_file(QWidget* /*parent*/, const ui::FileDialogRequest& request) {
    open_requests.push_back(request);
    return take(open_answers, "open-file");
}

std::optional<mileage::ImportChoices> FakePreviews::confirm(QWidget* /*parent*/,
                                                            const mileage::ImportPreview& preview,
                                                            const mileage::Repreview& /*again*/) {
    shown.push_back(preview);
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected preview: " << preview.text;
        return std::nullopt;
    }
    const bool ok = answers.front();
    answers.pop_front();
    return ok ? std::optional(preview.choices) : std::nullopt;
}

QString FakeFiles::save_file(QWidget* /*parent*/, const ui::FileDialogRequest& request) {
    save_requests.push_back(request);
    return take(save_answers, "save-file");
}

bool FakePrinter::print_widget(QWidget* widget, ui::Orientation orientation) {
    printed.push_back(orientation);
    printed_windows.push_back(widget->objectName());
    if (pdf_path.isEmpty()) {
        return true;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf_path);
    printer.setPageOrientation(orientation == ui::Orientation::Landscape ? QPageLayout::Landscape
                                                                         : QPageLayout::Portrait);
    return ui::paint_widget_page(widget, printer);
}

bool FakePrinter::print_document(QWidget* /*parent*/, QTextDocument& document) {
    printed_documents.append(document.toPlainText());
    return true;
}

void FakePrinter::printer_setup(QWidget* /*parent*/) {
    ++setups;
}

void FakeHelp::show_topic(QWidget* /*owner*/, const QString& topic) {
    topics.append(topic);
}

bool FakeWeb::open_url(const QString& url) {
    urls.append(url);
    return opens;
}

} // namespace milora::test
