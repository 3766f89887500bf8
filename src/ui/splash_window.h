// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// frmSplash: the program's name, its four slogans, version and date, shown during start-up.

#include <QWidget>

namespace milora::ui {

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
};

// The program's logo, drawn rather than loaded: a fuel drop over a road, in green.
class LogoWidget : public QWidget {
    Q_OBJECT
public:
    explicit LogoWidget(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {120, 120}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace milora::ui
