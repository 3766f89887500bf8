// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// Windows stay on screen: placed inside the free area of their screen, shrunk to their minimum,
// scrolling where even that does not fit, and never put back where no screen shows them. The
// window tests also run on a small screen (see tests/CMakeLists.txt, MILORA_TEST_SCREEN).

#include "calc/registry.h"
#include "support/fake_services.h"
#include "support/window_helpers.h"
#include "ui/about_window.h"
#include "ui/application.h"
#include "ui/data_settings_window.h"
#include "ui/help_window.h"
#include "ui/on_screen.h"
#include "ui/program_folder.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QVBoxLayout>

using namespace milora;
using namespace milora::test;

namespace {

QRect room() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// The window lies inside the free area, and all of its contents can be reached: either the
// window shows them whole, or they scroll.
void expect_on_screen_and_whole(QWidget* window, int* scrolled) {
    SCOPED_TRACE(window->objectName().toStdString());
    EXPECT_TRUE(room().contains(window->frameGeometry()))
        << window->frameGeometry().x() << "," << window->frameGeometry().y() << " "
        << window->frameGeometry().width() << "x" << window->frameGeometry().height();
    QWidget* page = ui::content_page(window);
    // Nothing is squeezed below what its texts need side by side.
    if (page->layout() != nullptr) {
        EXPECT_GE(page->width(), page->layout()->minimumSize().width());
    }
    if (page == window) {
        EXPECT_GE(window->height(), window->minimumHeight());
        return;
    }
    ++*scrolled;
    auto* area = window->findChild<QScrollArea*>(QStringLiteral("WindowScroll"));
    ASSERT_NE(area, nullptr);
    EXPECT_GE(page->height(), page->minimumHeight());
    if (page->height() > area->viewport()->height()) {
        EXPECT_EQ(area->verticalScrollBar()->maximum(),
                  page->height() - area->viewport()->height());
    }
}

} // namespace

TEST(WindowPlacement, AFrameIsCentredInsideTheFreeAreaAndShrinksNoFurtherThanItsMinimum) {
    // A free area below a top panel, and one on a screen left of the first.
    for (const QRect& free : {QRect(0, 32, 960, 508), QRect(-1366, 0, 1366, 728)}) {
        SCOPED_TRACE(free.x());
        const QRect small = ui::centred_in(QSize(400, 300), QSize(100, 100), free);
        EXPECT_EQ(small.size(), QSize(400, 300));
        EXPECT_EQ(small.topLeft(),
                  free.topLeft() + QPoint((free.width() - 400) / 2, (free.height() - 300) / 2));
        const QRect big = ui::centred_in(QSize(3000, 2000), QSize(100, 100), free);
        EXPECT_EQ(big, free);
        // Larger than the area even at its minimum: the title bar stays at the area's top left.
        const QRect stiff = ui::centred_in(QSize(3000, 2000), QSize(1500, 900), free);
        EXPECT_EQ(stiff.topLeft(), free.topLeft());
        EXPECT_EQ(stiff.size(), QSize(1500, 900));
    }
    // Moved inside, not resized; a frame too large keeps its top left in the area.
    const QRect free(0, 32, 960, 508);
    EXPECT_EQ(ui::moved_inside(QRect(900, 500, 200, 100), free), QRect(760, 440, 200, 100));
    EXPECT_EQ(ui::moved_inside(QRect(-50, -900, 200, 100), free), QRect(0, 32, 200, 100));
    EXPECT_EQ(ui::moved_inside(QRect(300, 300, 2000, 2000), free).topLeft(), free.topLeft());
}

TEST(WindowPlacement, AStoredPositionIsUsedOnlyWhereAScreenShowsTheTitleBar) {
    const QList<QRect> rooms{QRect(0, 0, 1366, 728), QRect(1366, 0, 1920, 1040)};
    const QSize size(600, 400);
    EXPECT_EQ(ui::room_showing(QRect(QPoint(100, 100), size), rooms), rooms[0]);
    EXPECT_EQ(ui::room_showing(QRect(QPoint(2000, 300), size), rooms), rooms[1]);
    // On a screen that is gone, above every screen, or with only a sliver of the title bar left.
    EXPECT_TRUE(ui::room_showing(QRect(QPoint(5000, 5000), size), rooms).isEmpty());
    EXPECT_TRUE(ui::room_showing(QRect(QPoint(-3000, 100), size), rooms).isEmpty());
    EXPECT_TRUE(ui::room_showing(QRect(QPoint(100, -10), size), rooms).isEmpty());
    EXPECT_TRUE(ui::room_showing(QRect(QPoint(-590, 100), size), rooms).isEmpty());
    EXPECT_TRUE(ui::room_showing(QRect(QPoint(100, 100), size), {}).isEmpty());
}

TEST(WindowPlacement, AWindowWhoseMinimumCannotFitScrollsAndKeepsItsFieldsAndFocus) {
    QWidget window(nullptr, Qt::Window);
    window.setObjectName(QStringLiteral("Tall"));
    auto* layout = new QVBoxLayout(&window);
    auto* edit = new QLineEdit(&window);
    auto* hidden = new QLabel(QStringLiteral("hidden"), &window);
    auto* ok = new QPushButton(QStringLiteral("OK"), &window);
    layout->addWidget(edit);
    layout->addWidget(hidden);
    layout->addWidget(ok);
    hidden->hide();
    window.setMinimumSize(room().width() / 2, room().height() + 400);
    edit->setFocus();
    show_active(&window);
    ui::centre_on_screen(&window);
    settle();

    int scrolled = 0;
    expect_on_screen_and_whole(&window, &scrolled);
    EXPECT_EQ(scrolled, 1);
    QWidget* page = ui::content_page(&window);
    EXPECT_EQ(edit->parentWidget(), page);
    EXPECT_TRUE(edit->isVisible());
    EXPECT_TRUE(ok->isVisible());
    EXPECT_FALSE(hidden->isVisible()) << "what was hidden stays hidden";
    EXPECT_EQ(window.focusWidget(), edit);
    EXPECT_GE(page->height(), room().height() + 400);
    // Placing it again changes nothing: one scroll area, not one inside another.
    ui::centre_on_screen(&window);
    EXPECT_EQ(window.findChildren<QScrollArea*>().size(), 1);
}

TEST(WindowPlacement, TheHelpWindowFitsTheScreenAndForgetsAPositionNoScreenShows) {
    FakeWeb web;
    QSettings settings(QStringLiteral("Milora"), QStringLiteral("Milora"));
    settings.setValue(QStringLiteral("Help/position"), QPoint(5000, 5000));
    settings.setValue(QStringLiteral("Help/size"), QSize(4000, 3000));
    settings.sync();
    {
        ui::HelpWindow help(QStringList{QDir::tempPath()}, &web);
        help.show();
        settle();
        int scrolled = 0;
        expect_on_screen_and_whole(&help, &scrolled);
        help.hide();
    }
    // A position a screen still shows is used.
    const QPoint kept = room().topLeft() + QPoint(20, 20);
    settings.setValue(QStringLiteral("Help/position"), kept);
    settings.setValue(QStringLiteral("Help/size"), QSize(400, 300));
    settings.sync();
    ui::HelpWindow help(QStringList{QDir::tempPath()}, &web);
    help.show();
    settle();
    EXPECT_EQ(help.frameGeometry().topLeft(), kept);
    settings.remove(QStringLiteral("Help"));
}

TEST(WindowPlacement, EveryWindowOpensInsideTheScreenAndScrollsWhereItCannotFit) {
    QDir(ui::program_folder()).mkpath(QStringLiteral("."));
    FakeServices fakes;
    ui::Application app{fakes.services()};
    app.add_window_factory(QStringLiteral("A01_Data_Settings"),
                           [](ui::Application& a) { return new ui::DataSettingsWindow(a); });
    app.state().Car_Data_Filename = "Initial data";
    int scrolled = 0;
    for (const calc::CalculatorEntry& entry : calc::calculators()) {
        QPointer<QWidget> window = app.open_calculator(QString::fromStdString(entry.window));
        ASSERT_NE(window, nullptr) << entry.window;
        show_active(window);
        settle();
        expect_on_screen_and_whole(window, &scrolled);
        // The keyboard still reaches the window through its scroll area: Escape is Exit.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        settle();
        EXPECT_TRUE(window.isNull() || !window->isVisible()) << entry.window;
    }
    QPointer<QWidget> settings = app.open_window(QStringLiteral("A01_Data_Settings"));
    ASSERT_NE(settings, nullptr);
    show_active(settings);
    settle();
    expect_on_screen_and_whole(settings, &scrolled);
    settings->close();
    ui::AboutWindow about;
    about.setWindowModality(Qt::NonModal);
    about.show();
    settle();
    expect_on_screen_and_whole(&about, &scrolled);
    about.close();
    settle();
    // On a screen lower than the taller calculators need, they scroll.
    if (room().height() < 600) {
        EXPECT_GT(scrolled, 0);
    }
    std::printf("[ screen ] %dx%d, %d windows scroll\n", room().width(), room().height(), scrolled);
}
