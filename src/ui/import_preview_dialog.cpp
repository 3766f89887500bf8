// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/import_preview_dialog.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace milora::ui {

ImportPreviewDialog::ImportPreviewDialog(QWidget* parent, const mileage::ImportPreview& preview)
    : QDialog(parent) {
    setObjectName(QStringLiteral("ImportPreview"));
    setWindowTitle(QString::fromStdString(preview.title));
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(tr("Milora found this in the file:"), this);
    layout->addWidget(heading);
    auto* text = new QPlainTextEdit(QString::fromStdString(preview.text), this);
    text->setObjectName(QStringLiteral("txtPreview"));
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    const QFontMetrics metrics(text->font());
    text->setMinimumSize(metrics.averageCharWidth() * 80, metrics.lineSpacing() * 14);
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

bool QtImportPreviewService::confirm(QWidget* parent, const mileage::ImportPreview& preview) {
    ImportPreviewDialog dialog(parent, preview);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace milora::ui
