// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// frmAbout: the program's name, picture, description, version and date; modal, owned by the main
// window. Below them, where reports about the program go: the home page named when the program
// was built, else the bug tracker of the package it came in.

#include <QDialog>

namespace milora::ui {

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
};

inline constexpr const char* kAboutDescription =
    "A software and helpfile package designed to show you how to use, drive and maintain your car "
    "in the most environmentally-friendly manner, and how much you can save in money and carbon "
    "dioxide emissions.";

// The line about where reports go, for a home page address (empty when none was named).
QString reports_text(const QString& home_page);

} // namespace milora::ui
