// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "base/web_links.h"
#include "cardata/car_data_file.h"
#include "support/fake_services.h"
#include "support/window_helpers.h"
#include "ui/about_window.h"
#include "ui/application.h"
#include "ui/labels.h"
#include "ui/main_window.h"
#include "ui/program_folder.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QSettings>
#include <QTabWidget>
#include <QTimer>
#include <memory>

using namespace milora;
using namespace milora::test;

namespace {

// A stand-in for a window that start-up registers (Data Settings, the mileage tracker), noting
// the order in which windows close, and able to refuse, as a window with unsaved work may.
class StandIn : public QWidget {
public:
    StandIn(QString name, QStringList& closed) : closed_(closed) { setObjectName(std::move(name)); }
    bool refuse = false;

protected:
    void closeEvent(QCloseEvent* event) override {
        if (refuse) {
            event->ignore();
            return;
        }
        closed_.append(objectName());
        event->accept();
    }

private:
    QStringList& closed_;
};

QString default_path() {
    return ui::default_car_data_path();
}

void put_default_file(const QByteArray& contents) {
    QFile f(default_path());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(contents);
}

QByteArray read_all(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The per-user settings store of the main window's place.
QString settings_key(const char* key) {
    return QStringLiteral("Settings/") + QString::fromLatin1(key);
}

QVariant stored(const char* key) {
    return QSettings(QStringLiteral("Milora"), QStringLiteral("Milora")).value(settings_key(key));
}

void store(const char* key, const QString& value) {
    QSettings(QStringLiteral("Milora"), QStringLiteral("Milora"))
        .setValue(settings_key(key), value);
}

void expect_defaults(const CarData& car) {
    EXPECT_EQ(car.Global_Gas_Cost, 3.0F);
    EXPECT_EQ(car.Global_EPA_City_MPG, 18.0F);
    EXPECT_EQ(car.Global_EPA_Highway_MPG, 24.0F);
    EXPECT_FALSE(car.Global_City_Percent.is_single());
    EXPECT_EQ(car.Global_City_Percent.value(), 55.0);
    EXPECT_FALSE(car.Global_Highway_Percent.is_single());
    EXPECT_EQ(car.Global_Highway_Percent.value(), 45.0);
    EXPECT_EQ(car.Global_Combined_MPG, 20.0F);
    EXPECT_EQ(car.Global_Yearly_Miles_Traveled, 12000.0F);
    EXPECT_EQ(car.Global_Mileage_Cost, 0.445F);
    EXPECT_EQ(car.Global_Time_Cost, 10.0F);
}

class MainWindowTest : public ::testing::Test {
protected:
    FakeServices fakes;
    ui::Application app{fakes.services()};
    QPointer<ui::MainWindow> main;
    QStringList closed;

    void SetUp() override {
        QDir(ui::program_folder()).mkpath(QStringLiteral("."));
        remove_default_file();
        QSettings(QStringLiteral("Milora"), QStringLiteral("Milora")).clear();
    }
    void TearDown() override {
        if (main) {
            main->close();
            delete main.data();
        }
        app.windows().close_all();
        settle();
        remove_default_file();
    }
    static void remove_default_file() {
        const QString path = default_path();
        if (QFileInfo(path).isDir()) {
            QDir(path).removeRecursively();
        } else {
            QFile::remove(path);
        }
    }
    ui::MainWindow* open_main() {
        main = new ui::MainWindow(app);
        main->show();
        settle();
        return main;
    }
    void add_stand_in(const char* name, StandIn** made = nullptr) {
        app.add_window_factory(QString::fromLatin1(name), [this, name, made](ui::Application&) {
            auto* w = new StandIn(QString::fromLatin1(name), closed);
            if (made != nullptr) {
                *made = w;
            }
            return w;
        });
    }
    template <typename T = QWidget> T* get(const char* name) {
        return child<T>(main, QString::fromLatin1(name));
    }
    QPushButton* button(const char* name) { return get<QPushButton>(name); }
    QAction* action(const char* name) { return get<QAction>(name); }
    QTabWidget* tabs() { return get<QTabWidget>("SSTab1"); }
};

} // namespace

// Start-up and the notice

TEST_F(MainWindowTest, WithoutADefaultFileTheNoticeShowsAndTheDefaultsStay) {
    open_main();
    EXPECT_EQ(main->objectName(), "A0_Main");
    EXPECT_EQ(main->windowTitle(), "Milora");
    EXPECT_EQ(tabs()->currentIndex(), 0);
    EXPECT_TRUE(get("frameInitial_Frame")->isVisible());
    EXPECT_EQ(get<QGroupBox>("frameInitial_Frame")->title(),
              "The Best Place To Start Is The Helpfile");
    EXPECT_TRUE(get("lblFrame_Caption")->isVisible());
    EXPECT_EQ(get<QLabel>("lblFrame_Caption")->text().toStdString(), shell::startup_notice_text());
    EXPECT_FALSE(get<QCheckBox>("chkTurn_Off_Nag")->isChecked());
    EXPECT_EQ(app.state().Car_Data_Filename, "Initial data");
    expect_defaults(app.state().car);
    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_TRUE(fakes.help.topics.isEmpty());
}

TEST_F(MainWindowTest, NoticeOkUncheckedOpensTheHelpAndWritesNothing) {
    open_main();
    click(button("cmdOK"));
    EXPECT_FALSE(get("frameInitial_Frame")->isVisible());
    EXPECT_EQ(fakes.help.topics, QStringList{"Getting_Started.htm"});
    EXPECT_FALSE(QFile::exists(default_path()));
    delete main.data();
    open_main();
    EXPECT_TRUE(get("frameInitial_Frame")->isVisible());
}

TEST_F(MainWindowTest, NoticeOkCheckedWritesTheDefaultFileAndTheNoticeStaysAway) {
    open_main();
    get<QCheckBox>("chkTurn_Off_Nag")->setChecked(true);
    click(button("cmdOK"));
    EXPECT_FALSE(get("frameInitial_Frame")->isVisible());
    EXPECT_EQ(fakes.help.topics, QStringList{"Getting_Started.htm"});
    EXPECT_EQ(read_all(default_path()),
              "1.02\r\n3\r\n18\r\n24\r\n55\r\n45\r\n20\r\n12000\r\n0.445\r\n10\r\n");
    EXPECT_TRUE(fakes.messages.shown.empty());

    delete main.data();
    app.state() = ProgramState{};
    open_main();
    EXPECT_FALSE(get("frameInitial_Frame")->isVisible());
    EXPECT_FALSE(get("lblFrame_Caption")->isVisible());
    EXPECT_EQ(app.state().Car_Data_Filename, "default.miloracar");
}

TEST_F(MainWindowTest, AFailedWriteOfTheDefaultFileIsReported) {
    // A folder in the file's place: it cannot be read at load, nor replaced at OK.
    ASSERT_TRUE(QDir().mkpath(default_path()));
    open_main();
    ASSERT_TRUE(get("frameInitial_Frame")->isVisible());
    get<QCheckBox>("chkTurn_Off_Nag")->setChecked(true);
    click(button("cmdOK"));
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    const Message& m = fakes.messages.shown[0];
    EXPECT_EQ(m.title, "Milora");
    EXPECT_EQ(m.icon, Icon::Warning);
    const std::string start =
        "The car data file \"" + default_path().toStdString() + "\" could not be saved: ";
    EXPECT_EQ(m.text.substr(0, start.size()), start);
    EXPECT_TRUE(QFileInfo(default_path()).isDir());
    EXPECT_EQ(fakes.help.topics, QStringList{"Getting_Started.htm"});
}

TEST_F(MainWindowTest, ADefaultFileLineThatIsNotANumberKeepsOnlyItsField) {
    put_default_file("9.9\r\n2.5\r\n21\r\nabc\r\n60\r\n40\r\n23.5\r\n15000\r\n0.5\r\n12\r\n");
    open_main();
    const CarData& car = app.state().car;
    EXPECT_EQ(car.Global_Gas_Cost, 2.5F);
    EXPECT_EQ(car.Global_EPA_City_MPG, 21.0F);
    EXPECT_EQ(car.Global_EPA_Highway_MPG, 24.0F);
    EXPECT_TRUE(car.Global_City_Percent.is_single());
    EXPECT_EQ(car.Global_City_Percent.value(), 60.0);
    EXPECT_EQ(car.Global_Highway_Percent.value(), 40.0);
    EXPECT_EQ(car.Global_Combined_MPG, 23.5F);
    EXPECT_EQ(car.Global_Yearly_Miles_Traveled, 15000.0F);
    EXPECT_EQ(car.Global_Mileage_Cost, 0.5F);
    EXPECT_EQ(car.Global_Time_Cost, 12.0F);
    EXPECT_EQ(app.state().Car_Data_Filename, "default.miloracar");
    EXPECT_FALSE(get("frameInitial_Frame")->isVisible());
    EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(MainWindowTest, AShortDefaultFileSetsWhatItHolds) {
    put_default_file("1.02\r\n3.5\r\n19\r\n25\r\n60\r\n");
    open_main();
    const CarData& car = app.state().car;
    EXPECT_EQ(car.Global_Gas_Cost, 3.5F);
    EXPECT_EQ(car.Global_EPA_City_MPG, 19.0F);
    EXPECT_EQ(car.Global_EPA_Highway_MPG, 25.0F);
    EXPECT_TRUE(car.Global_City_Percent.is_single());
    EXPECT_EQ(car.Global_City_Percent.value(), 60.0);
    EXPECT_FALSE(car.Global_Highway_Percent.is_single());
    EXPECT_EQ(car.Global_Highway_Percent.value(), 45.0);
    EXPECT_EQ(car.Global_Combined_MPG, 20.0F);
    EXPECT_EQ(car.Global_Time_Cost, 10.0F);
    EXPECT_EQ(app.state().Car_Data_Filename, "default.miloracar");
    EXPECT_FALSE(get("frameInitial_Frame")->isVisible());
}

TEST_F(MainWindowTest, TheWorkingDirectoryIsNeverChanged) {
    // A relative path given on the command line must keep meaning what it meant at start-up.
    const QString start = QDir::currentPath();
    open_main();
    EXPECT_EQ(QDir::currentPath(), start);
    ASSERT_NE(app.open_window(QStringLiteral("B01_HowMuchDoYouSpendOnGas")), nullptr);
    EXPECT_EQ(QDir::currentPath(), start);
}

// File menu

TEST_F(MainWindowTest, FileOpenReadsTheChosenFileAndNamesItAsTheCarDataFile) {
    put_default_file("1.02\r\n3\r\n18\r\n24\r\n55\r\n45\r\n20\r\n12000\r\n0.445\r\n10\r\n");
    open_main();
    const QString other = QDir(ui::program_folder()).filePath(QStringLiteral("other.miloracar"));
    {
        QFile f(other);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("1.02\r\n4.25\r\n22.5\r\n31\r\n33.3\r\n66.7\r\n26\r\n9000\r\n0.6\r\n15\r\n");
    }
    fakes.files.open_answers = {other};
    action("mnuFileOpen")->trigger();
    ASSERT_EQ(fakes.files.open_requests.size(), 1U);
    EXPECT_EQ(fakes.files.open_requests[0].filter, "Car Data Files (*.miloracar)");
    EXPECT_EQ(fakes.files.open_requests[0].directory, ui::program_folder());
    const CarData& car = app.state().car;
    EXPECT_EQ(car.Global_Gas_Cost, 4.25F);
    EXPECT_EQ(car.Global_EPA_City_MPG, 22.5F);
    EXPECT_EQ(car.Global_EPA_Highway_MPG, 31.0F);
    EXPECT_EQ(car.Global_City_Percent.text(), "33.3");
    EXPECT_EQ(car.Global_Highway_Percent.text(), "66.7");
    EXPECT_EQ(car.Global_Combined_MPG, 26.0F);
    EXPECT_EQ(car.Global_Yearly_Miles_Traveled, 9000.0F);
    EXPECT_EQ(car.Global_Mileage_Cost, 0.6F);
    EXPECT_EQ(car.Global_Time_Cost, 15.0F);
    // Data Settings' "Car Data Filename" line names the file the numbers came from.
    EXPECT_EQ(app.state().Car_Data_Filename, other.toStdString());
    EXPECT_TRUE(fakes.messages.shown.empty());
    QFile::remove(other);
}

TEST_F(MainWindowTest, FileOpenOfABadFileTellsTheUserAndChangesNothing) {
    open_main();
    const QString bad = QDir(ui::program_folder()).filePath(QStringLiteral("bad.miloracar"));
    {
        QFile f(bad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("1.02\r\n4.25\r\n22.5\r\nabc\r\n");
    }
    fakes.files.open_answers = {bad, QString()};
    action("mnuFileOpen")->trigger();
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(fakes.messages.shown[0].title, "Milora");
    EXPECT_EQ(fakes.messages.shown[0].icon, Icon::Warning);
    EXPECT_NE(fakes.messages.shown[0].text.find(bad.toStdString()), std::string::npos);
    EXPECT_NE(fakes.messages.shown[0].text.find("line 4"), std::string::npos);
    expect_defaults(app.state().car);
    EXPECT_EQ(app.state().Car_Data_Filename, "Initial data");

    action("mnuFileOpen")->trigger(); // cancelled
    EXPECT_EQ(fakes.messages.shown.size(), 1U);
    expect_defaults(app.state().car);
    QFile::remove(bad);
}

TEST_F(MainWindowTest, PrintSetupSectionsAndWebPages) {
    open_main();
    action("PrintSetup")->trigger();
    EXPECT_EQ(fakes.printer.setups, 1);
    const char* const sections[] = {"mnuSectionsGetting_Started", "mnuSectionsFilling_Up",
                                    "mnuSectionsMaintenance",     "mnuSectionsGeneral_Operation",
                                    "mnuSectionsDriving_Style",   "mnuSectionsDriving_Habits"};
    for (int i = 5; i >= 0; --i) {
        action(sections[i])->trigger();
        EXPECT_EQ(tabs()->currentIndex(), i) << sections[i];
    }
    action("mnuUpdates")->trigger();
    EXPECT_EQ(fakes.web.urls, QStringList{"appstream://org.milora.Milora"});
    EXPECT_TRUE(fakes.help.topics.isEmpty());
}

TEST_F(MainWindowTest, VisitWebsiteOpensTheHomePageOrTheHandbooksPageAboutTheProgram) {
    open_main();
    action("mnuHelpWebsite")->trigger();
    const QString home = QString::fromLatin1(web_address(WebLink::HomePage));
    if (home.isEmpty()) {
        EXPECT_EQ(fakes.help.topics, QStringList{"History.htm"});
        EXPECT_TRUE(fakes.web.urls.isEmpty());
    } else {
        EXPECT_EQ(fakes.web.urls, QStringList{home});
        EXPECT_TRUE(fakes.help.topics.isEmpty());
    }
    EXPECT_FALSE(home.contains(QStringLiteral("example.")));
    EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(MainWindowTest, CheckForUpdatesWithoutASoftwareCentreNamesThePackageManagerAndVersion) {
    open_main();
    fakes.web.opens = false;
    action("mnuUpdates")->trigger();
    EXPECT_EQ(fakes.web.urls, QStringList{"appstream://org.milora.Milora"});
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    const Message& m = fakes.messages.shown[0];
    EXPECT_EQ(m, shell::updates_message("1.02"));
    EXPECT_EQ(m.title, "Check For Updates");
    EXPECT_NE(m.text.find("package manager"), std::string::npos);
    EXPECT_NE(m.text.find("Installed version: 1.02"), std::string::npos);
    EXPECT_EQ(m.buttons, Buttons::Ok);

    // A software centre that takes the link leaves nothing more to say.
    fakes.web.opens = true;
    action("mnuUpdates")->trigger();
    EXPECT_EQ(fakes.messages.shown.size(), 1U);
}

TEST(OpenLink, ALinkNoBrowserTakesNamesTheAddressToCopy) {
    FakeServices fakes;
    fakes.web.opens = false;
    EXPECT_FALSE(ui::open_link(fakes.services(), nullptr, QStringLiteral("https://a.test/p?q=1")));
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_EQ(fakes.messages.shown[0],
              ui::link_not_opened_message(QStringLiteral("https://a.test/p?q=1")));
    EXPECT_NE(fakes.messages.shown[0].text.find("\n\nhttps://a.test/p?q=1"), std::string::npos);
    fakes.web.opens = true;
    EXPECT_TRUE(ui::open_link(fakes.services(), nullptr, QStringLiteral("https://a.test/")));
    EXPECT_EQ(fakes.messages.shown.size(), 1U);
}

TEST_F(MainWindowTest, TabFollowsTheReadingOrderOfTheStartingUpTab) {
    add_stand_in("A01_Data_Settings"); // so that "Settings" is enabled
    open_main();
    show_active(main);
    button("cmdIntroduction_Help")->setFocus(Qt::TabFocusReason);
    QStringList order;
    for (int i = 0; i < 7; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(order, (QStringList{"cmdIntroduction_Help", "cmdGetting_Started_Help", "cmdSettings",
                                  "cmdSettings_Help", "chkTurn_Off_Nag", "cmdOK", "cmdExit"}));

    // On the other tabs the rows come first, each button before its Help, then Exit.
    tabs()->setCurrentIndex(3);
    settle();
    button("cmdIdling")->setFocus(Qt::TabFocusReason);
    order.clear();
    for (int i = 0; i < 11; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(order,
              (QStringList{"cmdIdling", "cmdIdling_Help", "cmdAC", "cmdAC_Help", "cmdAerodynamics",
                           "cmdAerodynamics_Help", "cmdWeight", "cmdWeight_Help", "cmdHeadlights",
                           "cmdHeadlights_Help", "cmdExit_Program"}));
}

TEST_F(MainWindowTest, TheWindowCannotBeShrunkUntilADescriptionIsCut) {
    open_main();
    const QString shots = qEnvironmentVariable("MILORA_SHOT_DIR");
    if (!shots.isEmpty()) {
        EXPECT_TRUE(main->grab().save(shots + "/main_window.png"));
    }
    main->resize(300, 200);
    settle();
    EXPECT_GE(main->width(), main->minimumWidth());
    EXPECT_GE(main->height(), main->minimumHeight());
    for (int i = 0; i < tabs()->count(); ++i) {
        tabs()->setCurrentIndex(i);
        settle();
        QWidget* page = tabs()->widget(i);
        for (QLabel* l : page->findChildren<QLabel*>()) {
            if (!l->isVisible() || l->text().isEmpty()) {
                continue;
            }
            EXPECT_GE(l->height(), l->heightForWidth(l->width()))
                << l->objectName().toStdString() << " is cut off on tab " << i;
            EXPECT_TRUE(page->rect().contains(l->geometry())) << l->objectName().toStdString();
        }
        if (!shots.isEmpty()) {
            EXPECT_TRUE(
                main->grab().save(shots + QStringLiteral("/main_window_smallest_%1.png").arg(i)));
        }
        for (QPushButton* b : page->findChildren<QPushButton*>()) {
            if (b->isVisible()) {
                EXPECT_TRUE(page->rect().contains(b->mapTo(page, b->rect().bottomRight())))
                    << b->objectName().toStdString();
            }
        }
    }
}

TEST_F(MainWindowTest, TheMenusInOrderEachWithAnAltLetterOfItsOwn) {
    open_main();
    QStringList menus;
    QStringList items;
    QString bar_letters;
    for (QAction* top : main->menuBar()->actions()) {
        menus << top->menu()->objectName() + QLatin1Char('=') + top->text();
        bar_letters += ui::mnemonic_of(top->text());
        QString letters;
        for (QAction* item : top->menu()->actions()) {
            items << item->objectName() + QLatin1Char('=') + item->text();
            const QChar letter = ui::mnemonic_of(item->text());
            EXPECT_FALSE(letter.isNull()) << item->objectName().toStdString();
            EXPECT_FALSE(letters.contains(letter)) << item->objectName().toStdString();
            letters += letter;
        }
    }
    EXPECT_EQ(bar_letters, "fsrh");
    // The letters the design gives (File, Open, Print Setup, Exit, Help) stay where they were.
    EXPECT_EQ(menus.join(u'|').toStdString(),
              "mnuFile=&File|mnuSections=&Sections|mnuRecommend=&Recommend|mnuHelp=&Help");
    EXPECT_EQ(items.join(u'|').toStdString(),
              "mnuFileOpen=&Open...|PrintSetup=&Print Setup|mnuFileExit=E&xit|"
              "mnuSectionsGetting_Started=&Starting Up|mnuSectionsFilling_Up=&Filling Up|"
              "mnuSectionsMaintenance=&Maintenance|mnuSectionsGeneral_Operation=&General|"
              "mnuSectionsDriving_Style=&Driving Style|mnuSectionsDriving_Habits=Driving &Habits|"
              "mnuTellFriend=&Tell A Friend|mnuBecomeAffiliate=&Become An Affiliate|"
              "mnuHelpContents=&Contents|mnuHelpWebsite=&Visit Website|"
              "mnuFrequently_Asked_Questions=&Frequently Asked Questions|"
              "Comments=Comments, &Suggestions, Bugs?|mnuCorrections=Corrections/&Mistakes|"
              "Tell_A_Friend=&Tell A Friend|Become_An_Affiliate=&Become An Affiliate|"
              "mnuProgram_History=&Program History|mnuUpdates=Check For &Updates|"
              "mnuAcknowledgements=&Acknowledgements|mnuHelpAbout=Ab&out ");
}

TEST(Mnemonics, FreeLettersWordStartsFirstAndAmpersandsKept) {
    EXPECT_EQ(ui::with_mnemonics({"&Open", "Options", "Oil && Ore", "o", "Print"}),
              (QStringList{"&Open", "O&ptions", "O&il && Ore", "o", "P&rint"}));
    EXPECT_TRUE(ui::mnemonic_of("Goops && Gizmos").isNull());
    EXPECT_EQ(ui::mnemonic_of("E&xit"), QChar(u'x'));
}

// Tabs and rows

TEST_F(MainWindowTest, SixTabsWithTheirRowsOnTheRightPages) {
    open_main();
    QStringList captions;
    for (int i = 0; i < tabs()->count(); ++i) {
        captions << tabs()->tabText(i);
    }
    EXPECT_EQ(captions, (QStringList{"Starting Up", "Filling Up", "Maintenance", "General",
                                     "Driving Style", "Driving Habits"}));
    // A row's button, Help button and description sit on the same tab page.
    const auto page_of = [&](const char* name) { return get(name)->parentWidget(); };
    EXPECT_EQ(page_of("cmdTire_Alignment"), tabs()->widget(2));
    EXPECT_EQ(page_of("cmdTire_Alignment_Help"), tabs()->widget(2));
    EXPECT_EQ(page_of("lblTire_Alignment"), tabs()->widget(2));
    EXPECT_EQ(page_of("cmdExit_Program"), tabs()->widget(3));
    EXPECT_EQ(page_of("cmdTrue_MPG"), tabs()->widget(1));
    EXPECT_EQ(page_of("lblUse_Help"), tabs()->widget(0));
    EXPECT_EQ(get<QLabel>("lblUse_Help")->text(), "");
    EXPECT_EQ(get<QLabel>("Label1")->text(),
              "To Get The Most Out Of The Milora, Use The Help File As Your Guide");
    EXPECT_EQ(button("cmdGadgets_And_Gizmos")->text(), "Goops, Gadgets && Gizmos");
    EXPECT_EQ(button("cmdTrue_Cost_Of_Gas")->text(), "True Cost Of 'Cheap' Gas");
    EXPECT_EQ(button("cmdTire_Tread_Help")->text(), "Help");
    EXPECT_EQ(get<QLabel>("lblWeight")->text(), "Putting your car on a \"diet\" can save on gas.");
    EXPECT_EQ(get<QLabel>("lblIdling")->text(),
              "Not only does your car get its worst mileage when you're idling (O MPG), wasting "
              "gas and money, it's bad for your car (and the environment) as well.");
    for (QPushButton* b : main->findChildren<QPushButton*>()) {
        EXPECT_TRUE(b->toolTip().isEmpty()) << b->objectName().toStdString();
    }
}

TEST_F(MainWindowTest, EveryDescriptionFitsItsRow) {
    open_main();
    for (int i = 0; i < tabs()->count(); ++i) {
        tabs()->setCurrentIndex(i);
        settle();
        for (QLabel* l : tabs()->widget(i)->findChildren<QLabel*>()) {
            if (!l->isVisible() || l->text().isEmpty()) {
                continue;
            }
            EXPECT_GE(l->height(), l->heightForWidth(l->width()))
                << l->objectName().toStdString() << " is cut off";
            EXPECT_TRUE(tabs()->widget(i)->rect().contains(l->geometry()))
                << l->objectName().toStdString();
        }
    }
}

// Opening and closing windows

TEST_F(MainWindowTest, ACalculatorButtonPressedTwiceOpensOneWindow) {
    open_main();
    click(button("cmdHow_Much_On_Gas")); // a hidden tab's button still works by click()
    settle();
    button("cmdHow_Much_On_Gas")->click();
    settle();
    EXPECT_EQ(app.windows().count(), 1);
    QWidget* open = app.windows().find(QStringLiteral("B01_HowMuchDoYouSpendOnGas"));
    ASSERT_NE(open, nullptr);
    EXPECT_TRUE(open->isVisible());
    open->close();
}

TEST_F(MainWindowTest, ButtonsOfWindowsThatCannotOpenAreDisabled) {
    open_main();
    EXPECT_FALSE(button("cmdSettings")->isEnabled());
    EXPECT_FALSE(button("cmdTrue_MPG")->isEnabled());
    EXPECT_TRUE(button("cmdHow_Much_On_Gas")->isEnabled());
    delete main.data();

    add_stand_in("A01_Data_Settings");
    add_stand_in("B07_Mileage");
    open_main();
    EXPECT_TRUE(button("cmdSettings")->isEnabled());
    EXPECT_TRUE(button("cmdTrue_MPG")->isEnabled());
    button("cmdSettings")->click();
    button("cmdSettings")->click();
    button("cmdTrue_MPG")->click();
    settle();
    EXPECT_EQ(app.windows().count(), 2);
    EXPECT_NE(app.windows().find(QStringLiteral("A01_Data_Settings")), nullptr);
}

TEST_F(MainWindowTest, ClosingTheMainWindowClosesTheOthersNewestFirstAndStoresItsPlace) {
    add_stand_in("A01_Data_Settings");
    add_stand_in("B07_Mileage");
    open_main();
    button("cmdSettings")->click();
    button("cmdHow_Much_On_Gas")->click();
    button("cmdTrue_MPG")->click();
    settle();
    QPointer<QWidget> calculator = app.windows().find(QStringLiteral("B01_HowMuchDoYouSpendOnGas"));
    ASSERT_EQ(app.windows().count(), 3);
    main->move(40, 30);
    main->resize(1000, 700);
    settle();
    const QRect g = main->frameGeometry();

    click(button("cmdExit"));
    settle();
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(closed, (QStringList{"B07_Mileage", "A01_Data_Settings"}));
    EXPECT_TRUE(calculator.isNull());
    EXPECT_EQ(app.windows().count(), 0);
    EXPECT_EQ(stored("MainLeft").toString(), QString::number(g.x()));
    EXPECT_EQ(stored("MainTop").toString(), QString::number(g.y()));
    EXPECT_EQ(stored("MainWidth").toString(), QString::number(g.width()));
    EXPECT_EQ(stored("MainHeight").toString(), QString::number(g.height()));
}

TEST_F(MainWindowTest, EveryExitCommandClosesTheMainWindow) {
    const char* const exits[] = {
        "cmdExit",         "cmdExit_Program_FillingUp", "cmdExit_Program_Maintenance",
        "cmdExit_Program", "cmdExit_Program_Style",     "cmdExit_Program_Habits",
        "mnuFileExit"};
    for (const char* name : exits) {
        open_main();
        if (QAction* a = main->findChild<QAction*>(QString::fromLatin1(name))) {
            a->trigger();
        } else {
            button(name)->click();
        }
        settle();
        EXPECT_FALSE(main->isVisible()) << name;
        delete main.data();
    }
}

TEST_F(MainWindowTest, ClosingWhileMinimizedLeavesTheStoredPlaceAlone) {
    store("MainLeft", QStringLiteral("11"));
    store("MainTop", QStringLiteral("22"));
    store("MainWidth", QStringLiteral("333"));
    store("MainHeight", QStringLiteral("444"));
    open_main();
    main->showMinimized();
    settle();
    ASSERT_TRUE(main->isMinimized());
    main->close();
    settle();
    EXPECT_EQ(stored("MainLeft").toString(), "11");
    EXPECT_EQ(stored("MainTop").toString(), "22");
    EXPECT_EQ(stored("MainWidth").toString(), "333");
    EXPECT_EQ(stored("MainHeight").toString(), "444");
}

TEST_F(MainWindowTest, AWindowThatRefusesToCloseKeepsTheProgramRunning) {
    StandIn* settings = nullptr;
    add_stand_in("A01_Data_Settings", &settings);
    open_main();
    button("cmdSettings")->click();
    ASSERT_NE(settings, nullptr);
    settings->refuse = true;
    EXPECT_FALSE(main->close());
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(stored("MainLeft").isValid());
    settings->refuse = false;
    EXPECT_TRUE(main->close());
}

// Help topics, letter for letter

TEST_F(MainWindowTest, EachCommandAsksForItsOwnHelpTopic) {
    open_main();
    const std::vector<std::pair<const char*, const char*>> commands = {
        {"cmdIntroduction_Help", "Introduction.htm"},
        {"cmdGetting_Started_Help", "Getting_Started.htm"},
        {"cmdSettings_Help", "Entering_Settings.htm"},
        {"cmd_How_Much_On_Gas_Help", "How_Much_Do_You_Spend_On_Gas.htm"},
        {"cmdTrue_Cost_Of_Gas_Help", "True_Cost_of_That__Cheaper_Gas__Across_Town.htm"},
        {"cmdExpensive_Vs_Cheap_Help", "Cheap_vs__Expensive_Gas.htm"},
        {"cmdFillup_Often_Help", "Emptying_The_Tank.htm"},
        {"cmdMissing_Cap_Help", "Gas_Cap.htm"},
        {"cmdMorning_Fillup_Help", "Best_Time_To_Fillup.htm"},
        {"cmdTrue_MPG_Help", "What_s_Your_True_MPG.htm"},
        {"cmdGeneral_Fillup_Tips_Help", "Other_Gas_Station_Tips.htm"},
        {"cmdTire_Pressure_Help", "Tires.htm"},
        {"cmdTire_Alignment_Help", "Tires.htm#alignment"},
        {"cmdTire_Tread_Help", "Tires.htm#tread"},
        {"cmdRadial_Vs_Bias_Help", "Tires.htm#radialbias"},
        {"cmdAir_Filter_Help", "Air_Filter.htm"},
        {"cmdOil_Change_Help", "Oil.htm"},
        {"cmdOil_Thickness_Help", "Oil.htm#oilthickness"},
        {"cmdECMO_Oil_Help", "Oil.htm#ECMO"},
        {"cmdOxygen_Sensor_Help", "Oxygen_sensor.htm"},
        {"cmdGadgets_And_Gizmos", "Gadgets_and_Gizmos.htm"},
        {"cmdGeneral_Maintenance_Tips", "Other_General_Tips.htm"},
        {"cmdIdling_Help", "Idling.htm"},
        {"cmdAC_Help", "Air_conditioning.htm"},
        {"cmdAerodynamics_Help", "Aerodynamics.htm"},
        {"cmdWeight_Help", "Weight.htm"},
        {"cmdHeadlights_Help", "Headlights.htm"},
        {"cmdCity_Driving_Style_Help", "City_driving_style.htm"},
        {"cmdHighway_Gas_Cost_Help", "Highway_driving_style.htm"},
        {"cmdHighway_Single_Trip_Cost_Help", "Highway_driving_style.htm#singletripcost"},
        {"cmdHighway_Yearly_Trip_Cost_Help", "Highway_driving_style.htm#yearlytripcost"},
        {"cmdCruise_Control_Help", "Highway_driving_style.htm#cruisecontrol"},
        {"cmdTotal_Driving_Cost_Help", "What_s_The_True_Cost_Of_Driving_.htm"},
        {"cmdMiles_Per_Dollar_Help", "Miles_Per_Dollar.htm"},
        {"cmdTrue_Cost_Miles_Help", "Is_This_Trip_Necessary_.htm"},
        {"cmdReally_Save_Help", "Is_This_Trip_Necessary_.htm#reallysave"},
        {"cmdMore_Efficient_Help", "Choose_The_Most_Efficient_Vehicle.htm"},
        {"cmdAlternatives", "Alternatives.htm"},
        {"cmdOther_Tips", "General_Driving_Habits_Tips.htm"},
        {"mnuHelpContents", "Introduction.htm"},
        {"mnuFrequently_Asked_Questions", "FAQ.htm"},
        {"Comments", "Comments.htm"},
        {"mnuCorrections", "Corrections.htm"},
        {"Tell_A_Friend", "Tell_A_Friend.htm"},
        {"mnuTellFriend", "Tell_A_Friend.htm"},
        {"Become_An_Affiliate", "Become_An_Affiliate.htm"},
        {"mnuBecomeAffiliate", "Become_An_Affiliate.htm"},
        {"mnuProgram_History", "History.htm"},
        {"mnuAcknowledgements", "Acknowledgements.htm"},
    };
    int help_buttons = 0;
    for (const auto& [name, topic] : commands) {
        fakes.help.topics.clear();
        if (QAction* a = main->findChild<QAction*>(QString::fromLatin1(name))) {
            a->trigger();
        } else {
            button(name)->click();
            help_buttons += button(name)->text() == "Help" ? 1 : 0;
        }
        EXPECT_EQ(fakes.help.topics, QStringList{QString::fromLatin1(topic)}) << name;
    }
    // No Help button is left out of the list above.
    int all_help_buttons = 0;
    for (QPushButton* b : main->findChildren<QPushButton*>()) {
        all_help_buttons += b->text() == "Help" ? 1 : 0;
    }
    EXPECT_EQ(help_buttons, all_help_buttons);
    EXPECT_TRUE(fakes.web.urls.isEmpty());
}

// About

TEST_F(MainWindowTest, AboutOpensModalOverTheMainWindow) {
    open_main();
    QString seen;
    QString version;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            return;
        }
        seen = modal->objectName();
        if (auto* l = modal->findChild<QLabel*>(QStringLiteral("lblVersion"))) {
            version = l->text();
        }
        EXPECT_EQ(modal->parentWidget(), main.data());
        click(modal->findChild<QPushButton*>(QStringLiteral("cmdOK")));
    });
    action("mnuHelpAbout")->trigger();
    EXPECT_EQ(seen, "frmAbout");
    EXPECT_EQ(version, "Version 1.02");
}

TEST(AboutWindow, ShowsNameVersionDateAndDescription) {
    ui::AboutWindow about;
    EXPECT_EQ(about.windowTitle(), "About The Milora");
    EXPECT_TRUE(about.isModal());
    const auto text = [&](const char* name) {
        auto* l = about.findChild<QLabel*>(QString::fromLatin1(name));
        return l != nullptr ? l->text() : QStringLiteral("<missing>");
    };
    EXPECT_EQ(text("lblTitle"), "Milora");
    EXPECT_EQ(text("Label1"), "TM");
    EXPECT_EQ(text("lblVersion"), "Version 1.02");
    EXPECT_EQ(text("lblDate"), "Date: 9/16/06");
    EXPECT_EQ(text("lblDescription"),
              "A software and helpfile package designed to show you how to use, drive and "
              "maintain your car in the most environmentally-friendly manner, and how much you "
              "can save in money and carbon dioxide emissions.");
    EXPECT_NE(about.findChild<QWidget*>(QStringLiteral("picIcon")), nullptr);
    // Where reports go: the home page the build names, else the package's bug tracker.
    const QString home = QString::fromLatin1(web_address(WebLink::HomePage));
    EXPECT_EQ(text("lblHomePage"), ui::reports_text(home));
    EXPECT_TRUE(home.isEmpty() ? text("lblHomePage").contains("bug tracker")
                               : text("lblHomePage").endsWith(home));
    EXPECT_TRUE(ui::reports_text("https://milora.test/").endsWith(": https://milora.test/"));
    auto* ok = about.findChild<QPushButton*>(QStringLiteral("cmdOK"));
    ASSERT_NE(ok, nullptr);
    about.show();
    ok->click();
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}
