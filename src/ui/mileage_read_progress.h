// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// The progress dialog shown while a long mileage file is read; its Cancel stops the reading.

#include <QPointer>
#include <cstddef>

class QProgressDialog;
class QWidget;

namespace milora::ui {

class ReadProgress {
public:
    explicit ReadProgress(QWidget* owner) : owner_(owner) {}
    ~ReadProgress();
    ReadProgress(const ReadProgress&) = delete;
    ReadProgress& operator=(const ReadProgress&) = delete;

    // Shows how far reading has come and lets events through; false when the user cancelled.
    bool step(std::size_t done, std::size_t total);
    // Reading is over: the dialog goes.
    void end();

private:
    QWidget* owner_;
    QPointer<QProgressDialog> dialog_;
};

} // namespace milora::ui
