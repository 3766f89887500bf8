// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// The keyboard and a screen reader in the main window and the windows it opens: real key events
// sent to the focused control, as a user's keys arrive.

#include "support/fake_services.h"
#include "support/window_helpers.h"
#include "ui/about_window.h"
#include "ui/application.h"
#include "ui/main_window.h"
#include "ui/program_folder.h"
#include "ui/window_tracker.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <set>

using namespace milora;
using namespace milora::test;

namespace {

class MainWindowKeyboardTest : public ::testing::Test {
protected:
    FakeServices fakes;
    ui::Application app{fakes.services()};
    QPointer<ui::MainWindow> main;

    void SetUp() override {
        QDir(ui::program_folder()).mkpath(QStringLiteral("."));
        QFile::remove(ui::default_car_data_path());
        QSettings(QStringLiteral("Milora"), QStringLiteral("Milora")).clear();
        app.add_window_factory(QStringLiteral("A01_Data_Settings"), [](ui::Application&) {
            auto* w = new QWidget(nullptr, Qt::Window);
            w->setObjectName(QStringLiteral("A01_Data_Settings"));
            return w;
        });
    }
    void TearDown() override {
        if (main) {
            main->close();
            delete main.data();
        }
        app.windows().close_all();
        settle();
    }
    void open_main() {
        main = new ui::MainWindow(app);
        show_active(main);
        settle();
    }
    QPushButton* button(const char* name) { return child<QPushButton>(main, QLatin1String(name)); }
    QTabWidget* tabs() { return child<QTabWidget>(main, QStringLiteral("SSTab1")); }
    static QWidget* focused() { return QApplication::focusWidget(); }
    static void key(int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        ASSERT_NE(focused(), nullptr);
        QTest::keyClick(focused(), static_cast<Qt::Key>(k), m);
        settle();
    }
};

} // namespace

TEST_F(MainWindowKeyboardTest, EnterPressesTheFocusedButtonAndOkLeavesTheFocusOnTheFirstRow) {
    open_main();
    ASSERT_TRUE(child<QGroupBox>(main, QStringLiteral("frameInitial_Frame"))->isVisible());
    // The notice's OK: Enter presses it; the focus goes to the tab's first row, not to
    // "Exit Program", so a following Space opens the Introduction instead of quitting.
    button("cmdOK")->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Return);
    EXPECT_EQ(fakes.help.topics, QStringList{"Getting_Started.htm"});
    EXPECT_FALSE(child<QGroupBox>(main, QStringLiteral("frameInitial_Frame"))->isVisible());
    ASSERT_NE(focused(), nullptr);
    EXPECT_EQ(focused()->objectName(), "cmdIntroduction_Help");
    key(Qt::Key_Space);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(fakes.help.topics.last(), "Introduction.htm");

    // Settings by Enter, a row's Help by keypad Enter.
    button("cmdSettings")->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Return);
    EXPECT_NE(app.windows().find(QStringLiteral("A01_Data_Settings")), nullptr);
    show_active(main);
    tabs()->setCurrentIndex(2);
    settle();
    button("cmdTire_Alignment_Help")->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(fakes.help.topics.last(), "Tires.htm#alignment");
}

TEST_F(MainWindowKeyboardTest, EnterOnTheAboutBoxOkClosesIt) {
    ui::AboutWindow about;
    expected_modal_windows() << about.objectName();
    show_active(&about);
    auto* ok = child<QPushButton>(&about, QStringLiteral("cmdOK"));
    ok->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
    // Nothing to minimise or maximise on a message of a window.
    EXPECT_FALSE(about.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(about.windowFlags() & Qt::WindowMaximizeButtonHint);
    expected_modal_windows().removeAll(about.objectName());
}

TEST_F(MainWindowKeyboardTest, ALoneAltAndF10OpenTheMenus) {
    open_main();
    button("cmdIntroduction_Help")->setFocus(Qt::TabFocusReason);
    // Through the window system, as a real key arrives: the menu bar watches the whole window.
    QTest::keyPress(main->windowHandle(), Qt::Key_Alt, Qt::AltModifier);
    QTest::keyRelease(main->windowHandle(), Qt::Key_Alt, Qt::NoModifier);
    settle();
    QMenu* file = main->findChild<QMenu*>(QStringLiteral("mnuFile"));
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(main->menuBar()->activeAction(), file->menuAction());
    QTest::keyClick(main->windowHandle(), Qt::Key_Escape);
    settle();
    button("cmdIntroduction_Help")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(main->menuBar()->activeAction(), nullptr);

    key(Qt::Key_F10);
    EXPECT_EQ(main->menuBar()->activeAction(), file->menuAction());
    EXPECT_EQ(QApplication::activePopupWidget(), file);
    file->close();
    settle();
}

TEST_F(MainWindowKeyboardTest, CtrlTabAndCtrlPageKeysSwitchTabsAndTheTabRowSaysSo) {
    open_main();
    button("cmdIntroduction_Help")->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(tabs()->currentIndex(), 1);
    key(Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(tabs()->currentIndex(), 2);
    key(Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(tabs()->currentIndex(), 1);
    key(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(tabs()->currentIndex(), 0);
    key(Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(tabs()->currentIndex(), 5);
    // The focus follows onto the page shown, where the keys go on working.
    ASSERT_NE(focused(), nullptr);
    EXPECT_TRUE(focused()->isVisible());
    EXPECT_TRUE(tabs()->tabBar()->toolTip().contains("Ctrl+Tab"));
    EXPECT_TRUE(tabs()->tabBar()->toolTip().contains("Ctrl+PgDn"));
}

TEST_F(MainWindowKeyboardTest, F1OpensTheChapterOfWhereTheUserIs) {
    open_main();
    button("cmdIntroduction_Help")->setFocus(Qt::TabFocusReason);
    key(Qt::Key_F1);
    EXPECT_EQ(fakes.help.topics.last(), "Introduction.htm");
    tabs()->setCurrentIndex(2);
    settle();
    button("cmdOil_Change")->setFocus(Qt::TabFocusReason);
    key(Qt::Key_F1);
    EXPECT_EQ(fakes.help.topics.last(), "Oil.htm");
    // Anywhere else on the tab: its first chapter.
    button("cmdExit_Program_Maintenance")->setFocus(Qt::TabFocusReason);
    key(Qt::Key_F1);
    EXPECT_EQ(fakes.help.topics.last(), "Tires.htm");

    // A calculator: its own chapter, as its Help button.
    QWidget* calc = app.open_calculator(QStringLiteral("C01_Tire_Pressure"));
    ASSERT_NE(calc, nullptr);
    show_active(calc);
    calc->findChild<QLineEdit*>()->setFocus(Qt::TabFocusReason);
    key(Qt::Key_F1);
    EXPECT_EQ(fakes.help.topics.last(), "Tires.htm");
}

TEST_F(MainWindowKeyboardTest, AScreenReaderTellsTheHelpButtonsAndTheWindowsApart) {
    open_main();
    std::set<QString> names;
    int help_buttons = 0;
    for (QPushButton* b : main->findChildren<QPushButton*>()) {
        if (b->text() != "Help") {
            continue;
        }
        ++help_buttons;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(b);
        ASSERT_NE(a, nullptr);
        const QString name = a->text(QAccessible::Name);
        EXPECT_TRUE(name.startsWith("Help on ")) << name.toStdString();
        names.insert(name);
    }
    EXPECT_GE(help_buttons, 31);
    EXPECT_EQ(names.size(), static_cast<std::size_t>(help_buttons));
    EXPECT_EQ(names.count("Help on Tire Pressure"), 1U);

    QWidget* calc = app.open_calculator(QStringLiteral("C01_Tire_Pressure"));
    QWidget* settings = app.open_window(QStringLiteral("A01_Data_Settings"));
    for (QWidget* w : {calc, settings}) {
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(w)->role(),
                  // A plain QWidget stand-in is Qt's own and keeps its role.
                  w == settings ? QAccessible::queryAccessibleInterface(w)->role()
                                : QAccessible::Window)
            << w->objectName().toStdString();
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(main)->role(), QAccessible::Window);
    ui::AboutWindow about;
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&about)->role(), QAccessible::Dialog);
    // A fixed-size calculator offers no maximise button.
    EXPECT_FALSE(calc->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(calc->windowFlags() & Qt::WindowCloseButtonHint);
}

TEST_F(MainWindowKeyboardTest, TheMainWindowOpensInsideTheScreenAndScrollsWhereItCannotFit) {
    open_main();
    const QRect room = main->screen()->availableGeometry();
    EXPECT_TRUE(room.contains(main->frameGeometry().topLeft()));
    EXPECT_LE(main->frameGeometry().width(), room.width());
    EXPECT_LE(main->frameGeometry().height(), room.height());
    // Smaller than the rows need: they keep their size and the tabs scroll.
    auto* scroll = child<QScrollArea>(main, QStringLiteral("MainScroll"));
    main->resize(main->minimumSize());
    settle();
    if (main->height() < tabs()->minimumHeight()) {
        EXPECT_GT(scroll->verticalScrollBar()->maximum(), 0);
    }
    EXPECT_GE(tabs()->height(), tabs()->minimumHeight());
}

TEST(WindowPlacement, AWindowLargerThanTheScreenShrinksToItsMinimumAndStartsInsideIt) {
    QWidget big;
    const QRect room = big.screen()->availableGeometry();
    big.setMinimumSize(room.width() / 2, room.height() + 200);
    big.resize(room.width() * 2, room.height() + 400);
    ui::centre_on_screen(&big);
    EXPECT_EQ(big.width(), room.width());
    EXPECT_EQ(big.height(), room.height() + 200); // no smaller than its minimum
    EXPECT_GE(big.x(), room.x());
    EXPECT_GE(big.y(), room.y());
}

TEST_F(MainWindowKeyboardTest, AWindowNeverShownStoresNoPlace) {
    {
        ui::MainWindow never(app);
        never.close();
    }
    EXPECT_FALSE(QSettings(QStringLiteral("Milora"), QStringLiteral("Milora"))
                     .value(QStringLiteral("Settings/MainWidth"))
                     .isValid());
}
