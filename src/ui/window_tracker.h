// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// Keeps each named window at most once: opening it again brings the open one to the front
// without reloading it. Closing the main window closes the rest, newest first.

#include "ui/on_screen.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

namespace milora::ui {

class WindowTracker : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<QWidget*()>;

    explicit WindowTracker(QObject* parent = nullptr) : QObject(parent) {}

    // The open window of that name, brought to the front; otherwise a new one from `make`, shown.
    QWidget* open(const QString& name, const Factory& make);
    QWidget* find(const QString& name) const;
    // Closes every tracked window, newest first; false when one of them refused to close.
    bool close_all();
    int count() const;

private:
    struct Entry {
        QString name;
        QPointer<QWidget> window;
    };
    std::vector<Entry> windows_; // oldest first
};

} // namespace milora::ui
