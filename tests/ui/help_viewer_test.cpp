// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "help/page_text.h"
#include "support/fake_services.h"
#include "support/window_helpers.h"
#include "ui/help_contents.h"
#include "ui/help_highlight.h"
#include "ui/help_viewer.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QSplitter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QTreeWidget>
#include <QWheelEvent>
#include <atomic>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace milora;
using namespace milora::test;

namespace {

class HelpViewerTest : public ::testing::Test {
protected:
    QTemporaryDir first;  // stands for the program folder
    QTemporaryDir second; // stands for the installed data folder
    FakeWeb web;
    FakePrinter printer;
    std::unique_ptr<ui::HelpViewer> viewer;

    void SetUp() override {
#ifndef MILORA_TEST_HANDBOOK
        GTEST_SKIP() << "this build cannot read help files";
#endif
        ASSERT_TRUE(first.isValid() && second.isValid());
        viewer = std::make_unique<ui::HelpViewer>(&web, QStringList{first.path(), second.path()},
                                                  &printer);
    }
    static bool install_handbook(const QString& folder) {
#ifdef MILORA_TEST_HANDBOOK
        return QFile::copy(QStringLiteral(MILORA_TEST_HANDBOOK),
                           QDir(folder).filePath(QStringLiteral("edt.chm")));
#else
        (void)folder;
        return false;
#endif
    }
    static bool install_hostile_handbook(const QString& folder) {
#ifdef MILORA_HOSTILE_HANDBOOK
        return QFile::copy(QStringLiteral(MILORA_HOSTILE_HANDBOOK),
                           QDir(folder).filePath(QStringLiteral("edt.chm")));
#else
        (void)folder;
        return false;
#endif
    }
    ui::HelpWindow* window() {
        return viewer->window();
    }
    template <typename T> T* part(const char* name) {
        return child<T>(window(), QString::fromLatin1(name));
    }
    void show(const char* topic) {
        viewer->show_topic(nullptr, QString::fromLatin1(topic));
        settle();
    }
    QTextBrowser* browser() {
        return viewer->window()->browser();
    }
    QString page_text() {
        return browser()->toPlainText();
    }
    // A search result's first line: the page's title (a snippet follows).
    static QString title_of(const QListWidgetItem* item) {
        return item->text().section(QLatin1Char('\n'), 0, 0);
    }
    // The text of the line at the top of the visible part of the page.
    QString top_line() {
        return browser()->cursorForPosition(QPoint(4, 4)).block().text();
    }
};

} // namespace

TEST_F(HelpViewerTest, OpensAPageWithItsPictureAndStyleSheet) {
    ASSERT_TRUE(install_handbook(second.path())); // found in the second folder too
    show("Introduction.htm");
    ASSERT_NE(viewer->window(), nullptr);
    EXPECT_TRUE(viewer->window()->isVisible());
    EXPECT_EQ(viewer->window()->handbook_path(), QDir(second.path()).filePath("edt.chm"));
    EXPECT_TRUE(page_text().startsWith("Introduction to the test handbook"))
        << page_text().toStdString();
    const QVariant picture = browser()->document()->resource(
        QTextDocument::ImageResource, QUrl(QStringLiteral("chm:/images/road.png")));
    EXPECT_FALSE(picture.isNull());
    // The style sheet colours the heading green.
    const QTextBlock heading = browser()->document()->firstBlock();
    EXPECT_EQ(heading.charFormat().foreground().color(), QColor(0x2e, 0x7d, 0x32));
}

TEST_F(HelpViewerTest, OpensATopicAtItsAnchor) {
    ASSERT_TRUE(install_handbook(first.path()));
    show("Tires.htm#tread");
    EXPECT_EQ(browser()->source(), QUrl(QStringLiteral("chm:/Tires.htm#tread")));
    EXPECT_GT(browser()->verticalScrollBar()->value(), 0);
    EXPECT_EQ(top_line(), "Tread section");
    show("Tires.htm#alignment"); // another anchor of the page on show
    EXPECT_EQ(top_line(), "Alignment section");
    show("Tires.htm");
    EXPECT_EQ(browser()->verticalScrollBar()->value(), 0);
    EXPECT_EQ(top_line(), "Tires");
}

TEST_F(HelpViewerTest, OneWindowServesEveryTopic) {
    ASSERT_TRUE(install_handbook(first.path()));
    show("Introduction.htm");
    ui::HelpWindow* window = viewer->window();
    window->close();
    show("Getting_Started.htm");
    EXPECT_EQ(viewer->window(), window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->testAttribute(Qt::WA_QuitOnClose));
    EXPECT_TRUE(page_text().startsWith("Getting started"));
}

TEST_F(HelpViewerTest, AMissingHandbookShowsWhereItWasLookedFor) {
    show("Tires.htm#alignment");
    const QString text = page_text();
    EXPECT_TRUE(text.contains("The handbook was not found")) << text.toStdString();
    EXPECT_TRUE(text.contains("\"Tires.htm#alignment\""));
    EXPECT_TRUE(text.contains("\"edt.chm\""));
    EXPECT_TRUE(text.contains(QDir::toNativeSeparators(first.path())));
    EXPECT_TRUE(text.contains(QDir::toNativeSeparators(second.path())));

    // Copied in while the program runs: the next request finds it, on the same page too.
    ASSERT_TRUE(install_handbook(first.path()));
    show("Tires.htm#alignment");
    EXPECT_EQ(top_line(), "Alignment section");
}

TEST_F(HelpViewerTest, AMissingTopicShowsWhatWasLookedForAndWhere) {
    ASSERT_TRUE(install_handbook(first.path()));
    show("Oxygen_sensor.htm#top");
    const QString text = page_text();
    EXPECT_TRUE(text.contains("Topic not found")) << text.toStdString();
    EXPECT_TRUE(text.contains("\"Oxygen_sensor.htm#top\""));
    EXPECT_TRUE(text.contains(QDir::toNativeSeparators(QDir(first.path()).filePath("edt.chm"))));
    show("Tires.htm");
    EXPECT_EQ(top_line(), "Tires");
}

TEST_F(HelpViewerTest, AFileThatIsNoHelpFileIsSaidSo) {
    QFile f(QDir(first.path()).filePath(QStringLiteral("edt.chm")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("this is not a help file");
    f.close();
    ASSERT_TRUE(install_handbook(second.path())); // the first one found is the one used
    show("Tires.htm");
    EXPECT_TRUE(page_text().contains("could not be read as a help file"))
        << page_text().toStdString();
}

TEST_F(HelpViewerTest, LinksStayInTheHandbookAndWebLinksGoToTheBrowser) {
    ASSERT_TRUE(install_handbook(first.path()));
    show("Introduction.htm");
    emit browser()->anchorClicked(QUrl(QStringLiteral("chm:/Getting_Started.htm")));
    settle();
    EXPECT_TRUE(page_text().startsWith("Getting started"));
    emit browser()->anchorClicked(QUrl(QStringLiteral("ms-its:edt.chm::/Tires.htm#alignment")));
    settle();
    EXPECT_EQ(top_line(), "Alignment section");
    emit browser()->anchorClicked(QUrl(QStringLiteral("https://milora.example.org/")));
    EXPECT_EQ(web.urls, QStringList{"https://milora.example.org/"});
    EXPECT_EQ(browser()->source(), QUrl(QStringLiteral("chm:/Tires.htm#alignment")));
    browser()->backward();
    settle();
    EXPECT_TRUE(page_text().startsWith("Getting started"));
}

TEST(HandbookUrl, KeepsTheTopicLetterForLetter) {
    const QUrl url =
        ui::handbook_url(QStringLiteral("True_Cost_of_That__Cheaper_Gas__Across_Town.htm"));
    EXPECT_EQ(url.path(), "/True_Cost_of_That__Cheaper_Gas__Across_Town.htm");
    EXPECT_FALSE(url.hasFragment());
    const QUrl anchored = ui::handbook_url(QStringLiteral("Oil.htm#ECMO"));
    EXPECT_EQ(anchored.path(), "/Oil.htm");
    EXPECT_EQ(anchored.fragment(), "ECMO");
    EXPECT_EQ(ui::handbook_url(QStringLiteral("Is_This_Trip_Necessary_.htm#reallysave")).toString(),
              "chm:/Is_This_Trip_Necessary_.htm#reallysave");
}

// ---------------------------------------------------------------------------------------------
// Safety: a page names local files, devices and pipes, tables nested 100 deep, 3 MB of one word.

namespace {

const QString kHostileFolder = QStringLiteral("/tmp/milora-hostile-help");

// The files the hostile pages name, made for the test: a picture, a style sheet that would
// colour headings red, and a named pipe nobody writes to.
class HostileFiles {
public:
    HostileFiles() {
        QDir().mkpath(kHostileFolder);
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::red);
        picture.save(kHostileFolder + QStringLiteral("/picture.png"));
        QFile css(kHostileFolder + QStringLiteral("/style.css"));
        if (css.open(QIODevice::WriteOnly)) {
            css.write("h1 { color: #ff0000; }\n");
        }
        css.close();
        const QByteArray pipe = QFile::encodeName(pipe_path());
        ::unlink(pipe.constData());
        made_pipe = ::mkfifo(pipe.constData(), 0600) == 0;
        // Should anything open the pipe to read, this lets it go after a while, so that a
        // failing test fails instead of hanging.
        watchdog = std::thread([this, pipe] {
            for (int i = 0; i < 100 && !done; ++i) {
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
            while (!done) {
                const int fd = ::open(pipe.constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) {
                    ::close(fd);
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
        });
    }
    ~HostileFiles() {
        done = true;
        watchdog.join();
        QDir(kHostileFolder).removeRecursively();
    }
    static QString pipe_path() { return kHostileFolder + QStringLiteral("/pipe"); }
    bool made_pipe = false;

private:
    std::atomic<bool> done{false};
    std::thread watchdog;
};

} // namespace

TEST_F(HelpViewerTest, NothingAPageNamesIsReadFromTheDisk) {
    HostileFiles files;
    ASSERT_TRUE(files.made_pipe);
    ASSERT_TRUE(install_hostile_handbook(first.path()));
    show("Local_Files.htm");
    EXPECT_TRUE(page_text().contains("After the pictures.")) << page_text().toStdString();
    QTextDocument* doc = browser()->document();
    for (const char* name :
         {"file:///tmp/milora-hostile-help/picture.png", "/tmp/milora-hostile-help/picture.png",
          "../../../../../../tmp/milora-hostile-help/picture.png", "file:///etc/passwd",
          "default.miloracar", "file:///tmp/milora-hostile-help/style.css"}) {
        for (const int type :
             {int(QTextDocument::ImageResource), int(QTextDocument::StyleSheetResource)}) {
            const QVariant got = doc->resource(type, QUrl(QString::fromLatin1(name)));
            if (type == QTextDocument::ImageResource) {
                // A blank stand-in, never the picture on the disk.
                const QImage image = got.value<QImage>();
                EXPECT_TRUE(image.isNull() || image.size() == QSize(1, 1)) << name;
            } else {
                EXPECT_TRUE(got.toByteArray().isEmpty()) << name << " was read";
            }
        }
    }
    // The heading keeps the engine's colour: the style sheet on the disk was not applied.
    EXPECT_NE(doc->firstBlock().charFormat().foreground().color(), QColor(0xff, 0, 0));
    // A search path would make QTextBrowser look names up on the disk.
    EXPECT_TRUE(browser()->searchPaths().isEmpty());
}

namespace {

// What the text engine was given to lay out: the page's characters, its table cells and the
// depth of its tables. Layout time follows these, so bounding them bounds the time.
struct LayoutWork {
    int characters = 0;
    int cells = 0;
    int deepest_table = 0;
};

void add_frames(QTextFrame* frame, int depth, LayoutWork& work) {
    for (QTextFrame* child : frame->childFrames()) {
        int level = depth;
        if (auto* table = qobject_cast<QTextTable*>(child)) {
            level = depth + 1;
            work.cells += table->rows() * table->columns();
            work.deepest_table = std::max(work.deepest_table, level);
        }
        add_frames(child, level, work);
    }
}

LayoutWork layout_work(QTextDocument* doc) {
    LayoutWork work;
    work.characters = doc->characterCount();
    add_frames(doc->rootFrame(), 0, work);
    return work;
}

// The longest run of characters without a blank or a place to break.
int longest_word(const QString& text) {
    int longest = 0;
    int run = 0;
    for (const QChar c : text) {
        run = c.isSpace() || c == QChar(0x200B) ? 0 : run + 1;
        longest = std::max(longest, run);
    }
    return longest;
}

} // namespace

TEST_F(HelpViewerTest, EveryHostilePageIsLaidOutWithinTheViewersBounds) {
    HostileFiles files;
    ASSERT_TRUE(files.made_pipe);
    ASSERT_TRUE(install_hostile_handbook(first.path()));
    show("Introduction.htm");
    struct Case {
        const char* page;
        const char* shows;
    };
    for (const Case& c :
         {Case{"Zero_Device.htm", "After the pictures."},
          Case{"Named_Pipe.htm", "After the pictures."},
          Case{"Local_Files.htm", "After the pictures."},
          Case{"Deep_Tables_20.htm", "After the tables."},
          Case{"Deep_Tables_100.htm", "After the tables."},
          Case{"Huge_Page.htm", "The page is too large"}, Case{"Long_Word.htm", "wwwwwwww"},
          Case{"Table_Rows.htm", "After the table."},
          Case{"Table_Spans.htm", "After the spans."}}) {
        // The named pipe is never opened; should it be, the watchdog lets it go after 5 s and
        // the page shows no text from it, so a fault fails here instead of hanging.
        show(c.page);
        browser()->document()->size(); // laid out
        browser()->repaint();
        const LayoutWork work = layout_work(browser()->document());
        EXPECT_TRUE(page_text().contains(QString::fromLatin1(c.shows))) << c.page;
        EXPECT_LE(static_cast<std::size_t>(work.characters), help::kLargestPage) << c.page;
        EXPECT_LE(static_cast<std::size_t>(work.cells), help::kMostTableCells) << c.page;
        EXPECT_LE(work.deepest_table, help::kDeepestTable) << c.page;
        EXPECT_LE(static_cast<std::size_t>(longest_word(page_text())), help::kLongestWord)
            << c.page;
    }
    show("Huge_Page.htm");
    EXPECT_TRUE(page_text().contains("more than the 256 KB the viewer shows"))
        << page_text().toStdString();
}

TEST_F(HelpViewerTest, OnlyWebAndMailLinksLeaveTheHandbook) {
    ASSERT_TRUE(install_handbook(first.path()));
    show("Tires.htm");
    for (const char* link : {"file:///etc/passwd", "javascript:alert(1)", "data:text/html,hello",
                             "smb://server/share", "ftp://example.org/", "/etc/passwd.htm"}) {
        emit browser()->anchorClicked(QUrl(QString::fromLatin1(link)));
        settle();
    }
    EXPECT_TRUE(web.urls.isEmpty()) << web.urls.join(' ').toStdString();
    EXPECT_EQ(browser()->source(), QUrl(QStringLiteral("chm:/Tires.htm")));
    emit browser()->anchorClicked(QUrl(QStringLiteral("mailto:someone@example.org")));
    emit browser()->anchorClicked(QUrl(QStringLiteral("http://example.org/a")));
    EXPECT_EQ(web.urls, (QStringList{"mailto:someone@example.org", "http://example.org/a"}));
}

// ---------------------------------------------------------------------------------------------
// Contents, index, search, find, zoom, keys

TEST_F(HelpViewerTest, TheContentsAreTheHandbooksTreeAndFollowThePage) {
    ASSERT_TRUE(install_handbook(first.path()));
    show("Introduction.htm");
    auto* tree = part<QTreeWidget>("treContents");
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    EXPECT_EQ(tree->topLevelItem(0)->text(0), "Introduction");
    QTreeWidgetItem* started = tree->topLevelItem(1);
    EXPECT_EQ(started->text(0), "Using the & handbook");
    ASSERT_EQ(started->childCount(), 1);
    EXPECT_EQ(started->child(0)->text(0), "Tires and wheels");
    EXPECT_EQ(started->child(0)->child(0)->text(0), "Wheel alignment");
    EXPECT_EQ(tree->currentItem(), tree->topLevelItem(0));
    EXPECT_EQ(tree->accessibleName(), "Contents");

    // The page shown from elsewhere is marked in the tree, its branch opened.
    show("Tires.htm#tread");
    EXPECT_EQ(tree->currentItem(), started->child(0));
    EXPECT_TRUE(started->isExpanded());
    EXPECT_EQ(window()->windowTitle(), "Milora Help - Tires");

    // By keyboard: up to the branch, close it with Left, open it with Right, down into it.
    show_active(window());
    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_Up);
    EXPECT_TRUE(page_text().startsWith("Getting started"));
    QTest::keyClick(tree, Qt::Key_Left);
    EXPECT_FALSE(started->isExpanded());
    QTest::keyClick(tree, Qt::Key_Right);
    EXPECT_TRUE(started->isExpanded());
    QTest::keyClick(tree, Qt::Key_Down);
    QTest::keyClick(tree, Qt::Key_Right);
    QTest::keyClick(tree, Qt::Key_Down);
    settle();
    EXPECT_EQ(tree->currentItem()->text(0), "Wheel alignment");
    EXPECT_EQ(browser()->source(), QUrl("chm:/Tires.htm#alignment"));
    EXPECT_EQ(top_line(), "Alignment section");
}

TEST_F(HelpViewerTest, TheIndexFiltersAsYouTypeAndOpensTheEntry) {
    ASSERT_TRUE(install_handbook(first.path()));
    show("Introduction.htm");
    show_active(window());
    auto* tabs = part<QTabWidget>("tabNavigation");
    auto* filter = part<QLineEdit>("txtIndex");
    auto* list = part<QListWidget>("lstIndex");
    ASSERT_EQ(list->count(), 8); // "pressure" names two pages: a row for each under it
    tabs->setCurrentIndex(1);
    filter->setFocus();
    QTest::keyClicks(filter, "T");
    QStringList shown;
    for (int i = 0; i < list->count(); ++i) {
        if (!list->item(i)->isHidden()) {
            shown << list->item(i)->text().trimmed();
        }
    }
    EXPECT_EQ(shown,
              (QStringList{"alignment", "getting started", "introduction", "tires", "tread"}));
    type_into(filter, "in");
    EXPECT_EQ(list->currentItem()->text(), "getting started");
    QTest::keyClick(filter, Qt::Key_Down); // the arrow keys move through the list from the box
    EXPECT_EQ(list->currentItem()->text(), "introduction");
    EXPECT_TRUE(filter->hasFocus());
    type_into(filter, "TREAD");
    EXPECT_EQ(list->currentItem()->text().trimmed(), "tread");
    EXPECT_TRUE(list->item(0)->isHidden());
    QTest::keyClick(filter, Qt::Key_Return);
    settle();
    EXPECT_EQ(browser()->source(), QUrl("chm:/Tires.htm#tread"));
    EXPECT_EQ(top_line(), "Tread section");
}

TEST_F(HelpViewerTest, SearchListsThePagesHoldingTheWordAndMarksItsHits) {
    ASSERT_TRUE(install_handbook(first.path()));
    show("Introduction.htm");
    show_active(window());
    part<QTabWidget>("tabNavigation")->setCurrentIndex(2);
    auto* box = part<QLineEdit>("txtSearch");
    auto* results = part<QListWidget>("lstSearch");
    type_into(box, "ALIGNMENT");
    QTest::keyClick(box, Qt::Key_Return);
    ASSERT_EQ(results->count(), 1);
    EXPECT_EQ(title_of(results->item(0)), "Tires");
    EXPECT_EQ(part<QLabel>("lblSearch")->text(), "1 page found.");
    emit results->itemActivated(results->item(0));
    settle();
    EXPECT_EQ(browser()->source(), QUrl("chm:/Tires.htm"));
    const auto marks = browser()->extraSelections();
    ASSERT_GE(marks.size(), 2); // the heading and every paragraph
    for (const auto& mark : marks) {
        EXPECT_EQ(mark.cursor.selectedText().toLower(), "alignment");
    }
    EXPECT_GT(browser()->verticalScrollBar()->value(), 0); // at the first hit

    type_into(box, "handbook");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(results->count(), 2);
    type_into(box, "carburettor");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(results->count(), 0);
    EXPECT_EQ(part<QLabel>("lblSearch")->text(), "No page holds these words.");
}

TEST_F(HelpViewerTest, FindInPageWithCtrlFAndF3) {
    ASSERT_TRUE(install_handbook(first.path()));
    show("Tires.htm");
    show_active(window());
    browser()->setFocus();
    QTest::keyClick(window(), Qt::Key_F, Qt::ControlModifier);
    auto* box = part<QLineEdit>("txtFind");
    EXPECT_TRUE(box->isVisible());
    EXPECT_TRUE(box->hasFocus());
    QTest::keyClicks(box, "paragraph 3");
    QTest::keyClick(box, Qt::Key_Return);
    QTextCursor at = browser()->textCursor();
    EXPECT_EQ(at.selectedText(), "paragraph 3");
    EXPECT_EQ(at.block().text(), "Tire pressure paragraph 3.");
    QTest::keyClick(window(), Qt::Key_F3);
    EXPECT_EQ(browser()->textCursor().block().text(), "Tire pressure paragraph 30.");
    QTest::keyClick(window(), Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(browser()->textCursor().block().text(), "Tire pressure paragraph 3.");
    type_into(box, "no such words");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(part<QLabel>("lblFind")->text(), "Not found");
}

TEST_F(HelpViewerTest, ZoomKeysAndTheWheelScaleThePage) {
    ASSERT_TRUE(install_handbook(first.path()));
    show("Tires.htm");
    show_active(window());
    const qreal normal = browser()->font().pointSizeF();
    QTest::keyClick(window(), Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(window()->zoom(), 110);
    EXPECT_GT(browser()->font().pointSizeF(), normal);
    QTest::keyClick(window(), Qt::Key_Minus, Qt::ControlModifier);
    QTest::keyClick(window(), Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(window()->zoom(), 90);
    EXPECT_LT(browser()->font().pointSizeF(), normal);
    QTest::keyClick(window(), Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(window()->zoom(), 100);
    EXPECT_EQ(browser()->font().pointSizeF(), normal);

    const QPoint middle = browser()->viewport()->rect().center();
    QWheelEvent up(middle, browser()->viewport()->mapToGlobal(middle), QPoint(), QPoint(0, 240),
                   Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(browser()->viewport(), &up);
    EXPECT_EQ(window()->zoom(), 125);
    // The zoom stays for the next page.
    show("Getting_Started.htm");
    EXPECT_EQ(window()->zoom(), 125);
    EXPECT_GT(browser()->font().pointSizeF(), normal);
}

TEST_F(HelpViewerTest, EscapeClosesTheHelpWindowOnly) {
    ASSERT_TRUE(install_handbook(first.path()));
    QWidget other;
    other.setObjectName("frmOther");
    other.show();
    show("Tires.htm");
    show_active(window());
    QTest::keyClick(browser(), Qt::Key_Escape);
    EXPECT_FALSE(window()->isVisible());
    EXPECT_TRUE(other.isVisible());
}

TEST_F(HelpViewerTest, HomeGoesToTheIntroductionAndPrintPrintsThePageText) {
    ASSERT_TRUE(install_handbook(first.path()));
    show("Tires.htm");
    click(part<QPushButton>("cmdHome"));
    settle();
    EXPECT_TRUE(page_text().startsWith("Introduction to the test handbook"));
    EXPECT_EQ(window()->windowTitle(), "Milora Help - Introduction");
    click(part<QPushButton>("cmdBack"));
    settle();
    EXPECT_EQ(window()->windowTitle(), "Milora Help - Tires");
    click(part<QPushButton>("cmdPrint"));
    ASSERT_EQ(printer.printed_documents.size(), 1);
    EXPECT_TRUE(printer.printed_documents[0].contains("Tire pressure paragraph 40."));
}

TEST_F(HelpViewerTest, AHelpFileWithoutContentsOrIndexShowsPagesAndSearch) {
    ASSERT_TRUE(install_hostile_handbook(first.path()));
    show("Introduction.htm");
    auto* tabs = part<QTabWidget>("tabNavigation");
    EXPECT_TRUE(tabs->isVisible());
    EXPECT_FALSE(tabs->isTabVisible(0));
    EXPECT_FALSE(tabs->isTabVisible(1));
    EXPECT_TRUE(tabs->isTabVisible(2));
    window()->search(QStringLiteral("tables"));
    auto* results = part<QListWidget>("lstSearch");
    QStringList titles;
    for (int i = 0; i < results->count(); ++i) {
        titles << title_of(results->item(i));
    }
    titles.sort();
    EXPECT_EQ(titles, (QStringList{"Tables 100 deep", "Tables 20 deep"}));

    // No handbook at all: the page says so, and there is nothing to navigate.
    QFile::remove(QDir(first.path()).filePath("edt.chm"));
    show("Tires.htm");
    EXPECT_FALSE(tabs->isVisible());
}

TEST_F(HelpViewerTest, TheWindowOpensCentredAndRemembersItsSizeAndSplitter) {
    ASSERT_TRUE(install_handbook(first.path()));
    show("Tires.htm");
    const QRect screen = QApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((window()->frameGeometry().center() - screen.center()).manhattanLength(), 4);
    window()->resize(700, 500);
    auto* splitter = part<QSplitter>("splHelp");
    splitter->setSizes({300, 380});
    const QList<int> sizes = splitter->sizes();
    window()->close();
    viewer = std::make_unique<ui::HelpViewer>(&web, QStringList{first.path()}, &printer);
    show("Tires.htm");
    EXPECT_EQ(window()->size(), QSize(700, 500));
    EXPECT_EQ(part<QSplitter>("splHelp")->sizes(), sizes);
}

TEST_F(HelpViewerTest, EveryPartIsReachableByTabAndNamed) {
    ASSERT_TRUE(install_handbook(first.path()));
    show("Tires.htm");
    show_active(window());
    part<QPushButton>("cmdHome")->setFocus();
    QStringList reached;
    for (int i = 0; i < 40; ++i) {
        QWidget* w = QApplication::focusWidget();
        if (w != nullptr && !w->objectName().isEmpty() && !reached.contains(w->objectName())) {
            reached << w->objectName();
        }
        QTest::keyClick(w, Qt::Key_Tab);
    }
    // Back and Forward are disabled on the first page.
    for (const char* name : {"cmdHome", "cmdPrint", "treContents", "txtHandbook"}) {
        EXPECT_TRUE(reached.contains(QString::fromLatin1(name)))
            << name << " in " << reached.join(' ').toStdString();
    }
    for (const char* name : {"treContents", "txtIndex", "lstIndex", "txtSearch", "lstSearch",
                             "txtHandbook", "txtFind"}) {
        EXPECT_FALSE(part<QWidget>(name)->accessibleName().isEmpty()) << name;
    }
}

// ---------------------------------------------------------------------------------------------
// Keyboard first

TEST_F(HelpViewerTest, TabGoesRoundEveryControlFromThePageBackToTheButtons) {
    ASSERT_TRUE(install_handbook(first.path()));
    show("Tires.htm");
    show("Getting_Started.htm"); // Back is enabled
    show_active(window());
    browser()->setFocus();
    QStringList reached;
    for (int i = 0; i < 30; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QWidget* w = QApplication::focusWidget();
        if (w != nullptr && !w->objectName().isEmpty() && !reached.contains(w->objectName())) {
            reached << w->objectName();
        }
    }
    for (const char* name : {"cmdHome", "cmdBack", "cmdPrint", "treContents", "txtHandbook"}) {
        EXPECT_TRUE(reached.contains(QString::fromLatin1(name)))
            << name << " in " << reached.join(' ').toStdString();
    }
    // The order is the order on the screen: the buttons from the page, the pane after them.
    EXPECT_LT(reached.indexOf("cmdHome"), reached.indexOf("cmdPrint"));
    EXPECT_LT(reached.indexOf("cmdPrint"), reached.indexOf("treContents"));
    // Shift+Tab goes back the same way.
    part<QPushButton>("cmdHome")->setFocus();
    QTest::keyClick(part<QPushButton>("cmdHome"), Qt::Key_Backtab);
    EXPECT_NE(QApplication::focusWidget(), part<QPushButton>("cmdHome"));
    EXPECT_NE(QApplication::focusWidget(), part<QPushButton>("cmdBack"));
}

TEST_F(HelpViewerTest, AltSAndAltIPutTheCursorInTheSearchBoxAndTheKeywordBox) {
    ASSERT_TRUE(install_handbook(first.path()));
    show("Tires.htm");
    show_active(window());
    part<QPushButton>("cmdPrint")->setFocus();
    QTest::keyClick(window(), Qt::Key_S, Qt::AltModifier);
    auto* search = part<QLineEdit>("txtSearch");
    EXPECT_TRUE(search->hasFocus());
    EXPECT_EQ(part<QTabWidget>("tabNavigation")->currentIndex(), 2);
    // Typed words go into the box; nothing is pressed on the way.
    QTest::keyClicks(QApplication::focusWidget(), "tread ");
    EXPECT_EQ(search->text(), "tread ");
    EXPECT_TRUE(printer.printed_documents.empty());

    QTest::keyClick(window(), Qt::Key_I, Qt::AltModifier);
    auto* keyword = part<QLineEdit>("txtIndex");
    EXPECT_TRUE(keyword->hasFocus());
    EXPECT_EQ(part<QTabWidget>("tabNavigation")->currentIndex(), 1);
    QTest::keyClicks(QApplication::focusWidget(), "tread");
    EXPECT_EQ(keyword->text(), "tread");
    QTest::keyClick(window(), Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(part<QTreeWidget>("treContents")->hasFocus());
    EXPECT_TRUE(printer.printed_documents.empty());
}

TEST_F(HelpViewerTest, EscapeClosesTheFindBarFirstThenTheWindow) {
    ASSERT_TRUE(install_handbook(first.path()));
    show("Tires.htm");
    show_active(window());
    QTest::keyClick(window(), Qt::Key_F, Qt::ControlModifier);
    auto* box = part<QLineEdit>("txtFind");
    ASSERT_TRUE(box->hasFocus());
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_FALSE(part<QWidget>("fraFind")->isVisible());
    EXPECT_TRUE(window()->isVisible());
    EXPECT_TRUE(browser()->hasFocus());
    QTest::keyClick(browser(), Qt::Key_Escape);
    EXPECT_FALSE(window()->isVisible());
}

TEST_F(HelpViewerTest, TheWindowOpensBesideItsOwnerAndRemembersWhereItWasPut) {
    // No place remembered yet.
    QSettings(QStringLiteral("Milora"), QStringLiteral("Milora")).remove(QStringLiteral("Help"));
    ASSERT_TRUE(install_handbook(first.path()));
    const QRect screen = QApplication::primaryScreen()->availableGeometry();
    QWidget owner;
    owner.setObjectName("frmOwner");
    owner.setGeometry(screen.left() + 10, screen.top() + 40, screen.width() / 4, 200);
    owner.show();
    settle();
    viewer->show_topic(&owner, QStringLiteral("Tires.htm"));
    settle();
    EXPECT_FALSE(window()->frameGeometry().intersects(owner.frameGeometry()))
        << "help at " << window()->frameGeometry().x() << "," << window()->frameGeometry().y();
    EXPECT_TRUE(screen.contains(window()->pos()));

    // The user puts it elsewhere; a later session opens it there, whoever asks.
    const QPoint put(screen.left() + 60, screen.top() + 30);
    window()->move(put);
    settle();
    window()->close();
    viewer = std::make_unique<ui::HelpViewer>(&web, QStringList{first.path()}, &printer);
    viewer->show_topic(&owner, QStringLiteral("Tires.htm"));
    settle();
    EXPECT_EQ(window()->pos(), put);
}

TEST(HelpWindowPlace, BesideTheOwnerOnTheSideWithRoomAndAlwaysOnTheScreen) {
    const QRect screen(0, 0, 1600, 1000);
    // Room on the right.
    EXPECT_EQ(ui::beside(QRect(100, 50, 500, 400), QSize(800, 600), screen), QPoint(600, 50));
    // Room only on the left.
    EXPECT_EQ(ui::beside(QRect(900, 50, 600, 400), QSize(800, 600), screen), QPoint(100, 50));
    // Room on neither side: the side with more, kept on the screen.
    EXPECT_EQ(ui::beside(QRect(300, 600, 1000, 400), QSize(800, 600), screen), QPoint(800, 400));
    // No owner: the middle of the screen.
    EXPECT_EQ(ui::beside(QRect(), QSize(800, 600), screen), QPoint(400, 200));
}

TEST_F(HelpViewerTest, TheContentsPaneIsWideEnoughForItsTitles) {
    ASSERT_TRUE(install_handbook(first.path()));
    show("Tires.htm");
    auto* splitter = part<QSplitter>("splHelp");
    splitter->setSizes({40, 860});
    // A handbook copied in anew is read again, and the pane made wide enough.
    QFile::remove(QDir(first.path()).filePath("edt.chm"));
    show("Tires.htm");
    ASSERT_TRUE(install_handbook(first.path()));
    show("Tires.htm");
    auto* tree = part<QTreeWidget>("treContents");
    const int wanted =
        std::min(static_cast<ui::HelpContents*>(tree)->wanted_width(), window()->width() / 2);
    EXPECT_GE(splitter->sizes().value(0), wanted - 1);
    EXPECT_GT(splitter->sizes().value(0), 40);
    EXPECT_EQ(tree->topLevelItem(1)->toolTip(0), "Using the & handbook");
}

TEST_F(HelpViewerTest, AKeywordOfSeveralPagesLetsTheUserChoose) {
    ASSERT_TRUE(install_handbook(first.path()));
    show("Introduction.htm");
    show_active(window());
    QTest::keyClick(window(), Qt::Key_I, Qt::AltModifier);
    auto* filter = part<QLineEdit>("txtIndex");
    auto* list = part<QListWidget>("lstIndex");
    type_into(filter, "pressure");
    QStringList shown;
    for (int i = 0; i < list->count(); ++i) {
        if (!list->item(i)->isHidden()) {
            shown << list->item(i)->text().trimmed();
        }
    }
    EXPECT_EQ(shown, (QStringList{"pressure", "\u2192 Tires", "\u2192 Getting Started"}));
    // Enter on the keyword opens nothing yet: it goes to the first page to choose.
    QTest::keyClick(filter, Qt::Key_Return);
    settle();
    EXPECT_TRUE(page_text().startsWith("Introduction"));
    EXPECT_TRUE(part<QLabel>("lblIndex")->text().contains("2 pages"))
        << part<QLabel>("lblIndex")->text().toStdString();
    QTest::keyClick(filter, Qt::Key_Down);
    QTest::keyClick(filter, Qt::Key_Return);
    settle();
    EXPECT_TRUE(page_text().startsWith("Getting started"));
}

// ---------------------------------------------------------------------------------------------
// Search: spellings, quotes, snippets, whole words, bounds

TEST_F(HelpViewerTest, SearchFindsBothSpellingsAndWordsInTypographicQuotes) {
    ASSERT_TRUE(install_handbook(first.path()));
    show("Introduction.htm");
    auto* results = part<QListWidget>("lstSearch");
    for (const QString& words :
         {QStringLiteral("litres"), QStringLiteral("liters"), QStringLiteral("\u201clitres\u201d"),
          QStringLiteral("\u201cpremium\u201d"), QStringLiteral("premium")}) {
        window()->search(words);
        ASSERT_EQ(results->count(), 1) << words.toStdString();
        EXPECT_EQ(title_of(results->item(0)), "Getting Started") << words.toStdString();
    }
    // The snippet shows the hit in its sentence.
    window()->search(QStringLiteral("liters"));
    EXPECT_TRUE(results->item(0)->text().contains("tank holds 40 litres"))
        << results->item(0)->text().toStdString();
    // "tire" is not a word of "entire".
    window()->search(QStringLiteral("tire"));
    for (int i = 0; i < results->count(); ++i) {
        EXPECT_NE(title_of(results->item(i)), "Getting Started");
    }
    EXPECT_EQ(title_of(results->item(0)), "Tires");
}

TEST_F(HelpViewerTest, HighlightingMarksWholeWordsAndPhrasesAndScrollsToTheFirst) {
    ASSERT_TRUE(install_handbook(first.path()));
    show("Introduction.htm");
    part<QLineEdit>("txtSearch")->setText(QStringLiteral("up"));
    window()->search(QStringLiteral("up"));
    auto* results = part<QListWidget>("lstSearch");
    ASSERT_EQ(results->count(), 1);
    emit results->itemActivated(results->item(0));
    settle();
    auto marks = browser()->extraSelections();
    ASSERT_EQ(marks.size(), 1); // "Fill up", not the "up" inside "setup"
    EXPECT_EQ(marks[0].cursor.selectedText(), "up");

    part<QLineEdit>("txtSearch")->setText(QStringLiteral("tire pressure paragraph 40"));
    window()->search(QStringLiteral("tire pressure paragraph 40"));
    ASSERT_EQ(results->count(), 1);
    emit results->itemActivated(results->item(0));
    settle();
    marks = browser()->extraSelections();
    ASSERT_FALSE(marks.isEmpty());
    // One mark for the phrase on its line, not four words.
    QStringList on_line_40;
    for (const auto& m : marks) {
        if (m.cursor.block().text() == "Tire pressure paragraph 40.") {
            on_line_40 << m.cursor.selectedText();
        }
    }
    EXPECT_EQ(on_line_40, QStringList{"Tire pressure paragraph 40"});
    EXPECT_EQ(browser()->textCursor().block().text(), "Tires"); // the first hit: the heading
}

TEST_F(HelpViewerTest, SearchAndHighlightingOfAHostileHelpFileAreBounded) {
    ASSERT_TRUE(install_hostile_handbook(first.path()));
    show("Introduction.htm");
    auto* results = part<QListWidget>("lstSearch");
    auto* status = part<QLabel>("lblSearch");
    // A query of a thousand words asks for its one distinct word.
    QString many;
    for (int i = 0; i < 1000; ++i) {
        many += QStringLiteral("a ");
    }
    part<QLineEdit>("txtSearch")->setText(many);
    window()->search(many);
    // The page over the size limit is left unread, and the status says the file was not
    // searched whole.
    EXPECT_TRUE(status->text().contains("too large to be searched whole"))
        << status->text().toStdString();
    QListWidgetItem* rows = nullptr;
    for (int i = 0; i < results->count(); ++i) {
        if (title_of(results->item(i)) == "Table rows") {
            rows = results->item(i);
        }
    }
    ASSERT_NE(rows, nullptr);
    // 12,000 cells of "a": the marks stop at the bound.
    emit results->itemActivated(rows);
    settle();
    EXPECT_EQ(browser()->extraSelections().size(), ui::kMostMarks);
}
