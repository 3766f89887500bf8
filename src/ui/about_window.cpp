// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/about_window.h"

#include "base/car_data.h"
#include "base/web_links.h"
#include "numbers/number_text.h"
#include "ui/labels.h"
#include "ui/qt_text.h"
#include "ui/splash_window.h"
#include "ui/window_tracker.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace milora::ui {

using ui::latin_text;
using ui::qt_text;

QString reports_text(const QString& home_page) {
    if (home_page.isEmpty()) {
        return QStringLiteral("Problems and suggestions: please report them to the bug tracker of "
                              "the package you installed Milora from.");
    }
    return QStringLiteral("Home page, for news, problems and suggestions: ") + home_page;
}

namespace {

QLabel* make_label(QWidget* parent, const char* name, const QString& text) {
    return ui::plain_label(parent, name, text);
}

void set_font(QLabel* label, int points, bool bold) {
    QFont f = label->font();
    f.setPointSize(points);
    f.setBold(bold);
    label->setFont(f);
}

} // namespace

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About The Milora"));
    setModal(true);
    // A small message of a window: no minimise, no maximise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    auto* picture = new LogoWidget(this);
    picture->setObjectName(QStringLiteral("picIcon"));

    auto* title = make_label(this, "lblTitle", QStringLiteral("Milora"));
    set_font(title, 20, true);
    auto* tm = make_label(this, "Label1", QStringLiteral("TM"));
    set_font(tm, 7, false);
    auto* description = make_label(this, "lblDescription", latin_text(kAboutDescription));
    description->setWordWrap(true);
    description->setMinimumWidth(340);
    auto* version = make_label(this, "lblVersion", QStringLiteral("Version:"));
    auto* date = make_label(this, "lblDate", QStringLiteral("Date: "));
    auto* reports =
        make_label(this, "lblHomePage", reports_text(latin_text(web_address(WebLink::HomePage))));
    reports->setWordWrap(true);
    // The address can be selected and copied, by mouse or keyboard.
    reports->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* name_row = new QHBoxLayout;
    name_row->setSpacing(0);
    name_row->addWidget(title);
    name_row->addWidget(tm, 0, Qt::AlignTop);
    name_row->addStretch(1);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setHorizontalSpacing(16);
    grid->addWidget(picture, 0, 0, 3, 1, Qt::AlignTop);
    grid->addLayout(name_row, 0, 1);
    grid->addWidget(description, 1, 1);
    grid->addWidget(version, 2, 1);
    grid->addWidget(date, 3, 1);
    grid->addWidget(reports, 4, 1);
    grid->addWidget(ok, 5, 1, Qt::AlignRight);

    // Load: version and date.
    version->setText(QStringLiteral("Version ") + qt_text(numbers::number_text(Car_Data_Version)));
    date->setText(QStringLiteral("Date: ") + latin_text(Program_Date));
    ok->setFocus();
    adjustSize();
}

void AboutWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ui::centre_on_screen(this);
}

} // namespace milora::ui
