// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// Developer tool: renders a calculator window offscreen to a PNG, before or after Calculate,
// so that layouts can be looked at without a display.
//
//   milora-shot WINDOW OUT.png [--calculate] [NAME=VALUE]... [optGroup=INDEX]...

#include "calc/registry.h"
#include "support/logging_help_service.h"
#include "ui/application.h"
#include "ui/calculator_window.h"
#include "ui/real_services.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: milora-shot WINDOW OUT.png [--calculate] [NAME=VALUE]...\n");
        return 2;
    }
    milora::ui::QtMessageService messages;
    milora::ui::QtFileDialogService files;
    milora::ui::QtPrintService printer(messages, files);
    milora::ui::LoggingHelpService help;
    milora::ui::DesktopWebService web;
    milora::ui::Application app({&messages, &files, &printer, &help, &web});
    QWidget* w = app.open_calculator(QString::fromLocal8Bit(argv[1]));
    if (w == nullptr) {
        std::fprintf(stderr, "unknown window %s\n", argv[1]);
        return 2;
    }
    bool calculate = false;
    for (int i = 3; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        if (a == QStringLiteral("--calculate")) {
            calculate = true;
            continue;
        }
        const auto eq = a.indexOf(QLatin1Char('='));
        const QString name = a.left(eq);
        const QString value = a.mid(eq + 1);
        if (auto* box = w->findChild<QLineEdit*>(name)) {
            box->setText(value);
        } else if (auto* opt = w->findChild<QAbstractButton*>(name + QLatin1Char('_') + value)) {
            opt->click();
        }
    }
    if (calculate) {
        for (QAbstractButton* b : w->findChildren<QAbstractButton*>()) {
            if (b->objectName().startsWith(QStringLiteral("cmdCalc")) ||
                b->objectName() == QStringLiteral("cmdGasEvap")) {
                b->click();
                break;
            }
        }
    }
    QApplication::processEvents();
    return w->grab().save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
