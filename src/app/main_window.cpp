// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "app/main_window.h"

#include "calc/registry.h"
#include "ui/application.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace milora::app {
namespace {

struct Row {
    const char* button;
    const char* caption;
    const char* window; // the calculator opened
    const char* help_button;
    const char* help_topic;
    const char* label;
    const char* description;
};

struct Tab {
    const char* caption;
    std::vector<Row> rows;
};

const std::vector<Tab>& tabs() {
    static const std::vector<Tab> t = {
        {"Filling Up",
         {{"cmdHow_Much_On_Gas", "How Much Do You Spend On Gas?", "B01_HowMuchDoYouSpendOnGas",
           "cmd_How_Much_On_Gas_Help", "How_Much_Do_You_Spend_On_Gas.htm", "lblHow_Much_On_Gas",
           "Find out how much you're actually spending on gas every year, and how much you could "
           "save by improving your MPG by 10-50%."}}},
    };
    return t;
}

} // namespace

MainWindow::MainWindow(ui::Application& app, QWidget* parent) : QWidget(parent), app_(app) {
    setObjectName(QStringLiteral("A0_Main"));
    setWindowTitle(QStringLiteral("Milora"));
    auto* root = new QVBoxLayout(this);
    auto* tab_widget = new QTabWidget(this);
    tab_widget->setObjectName(QStringLiteral("SSTab1"));
    root->addWidget(tab_widget);
    for (const Tab& tab : tabs()) {
        auto* page = new QWidget(tab_widget);
        auto* grid = new QGridLayout(page);
        int r = 0;
        for (const Row& row : tab.rows) {
            auto* open = new QPushButton(QString::fromUtf8(row.caption), page);
            open->setObjectName(QString::fromLatin1(row.button));
            const QString window = QString::fromLatin1(row.window);
            open->setEnabled(calc::find_calculator(row.window) != nullptr);
            connect(open, &QPushButton::clicked, this,
                    [this, window] { app_.open_calculator(window); });
            auto* help = new QPushButton(QStringLiteral("Help"), page);
            help->setObjectName(QString::fromLatin1(row.help_button));
            const QString topic = QString::fromLatin1(row.help_topic);
            connect(help, &QPushButton::clicked, this,
                    [this, topic] { app_.services().help->show_topic(this, topic); });
            auto* label = new QLabel(QString::fromUtf8(row.description), page);
            label->setObjectName(QString::fromLatin1(row.label));
            label->setWordWrap(true);
            grid->addWidget(open, r, 0);
            grid->addWidget(help, r, 1);
            grid->addWidget(label, r, 2);
            ++r;
        }
        grid->setColumnStretch(2, 1);
        grid->setRowStretch(r, 1);
        tab_widget->addTab(page, QString::fromUtf8(tab.caption));
    }
    resize(760, 480);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    app_.windows().close_all();
    event->accept();
}

} // namespace milora::app
