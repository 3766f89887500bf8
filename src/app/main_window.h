// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#pragma once

// A0_Main: the tabs whose rows open the calculators and the handbook's chapters.

#include <QWidget>

namespace milora::ui {
class Application;
}

namespace milora::app {

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(ui::Application& app, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    ui::Application& app_;
};

} // namespace milora::app
