// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/mileage_read_progress.h"

#include "base/message.h"
#include "ui/qt_text.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace milora::ui {

ReadProgress::~ReadProgress() {
    end();
}

bool ReadProgress::step(std::size_t done, std::size_t total) {
    if (!dialog_) {
        dialog_ = new QProgressDialog(QStringLiteral("Reading the mileage file..."),
                                      QStringLiteral("Cancel"), 0, 1000, owner_);
        dialog_->setObjectName(QStringLiteral("prgReading"));
        dialog_->setWindowTitle(latin_text(kProgramTitle));
        // Nothing else may change while the file is read between the events.
        dialog_->setWindowModality(Qt::ApplicationModal);
        dialog_->setMinimumDuration(0);
        dialog_->setAutoClose(false);
        dialog_->setAutoReset(false);
        dialog_->show();
    }
    const double share = total == 0 ? 0.0 : static_cast<double>(done) / static_cast<double>(total);
    dialog_->setValue(static_cast<int>(share * 1000));
    QCoreApplication::processEvents();
    return !dialog_->wasCanceled();
}

void ReadProgress::end() {
    if (dialog_) {
        dialog_->hide();
        dialog_->deleteLater();
        dialog_ = nullptr;
    }
}

} // namespace milora::ui
