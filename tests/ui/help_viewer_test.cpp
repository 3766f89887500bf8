// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "support/fake_services.h"
#include "support/window_helpers.h"
#include "ui/help_viewer.h"

#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>

using namespace milora;
using namespace milora::test;

namespace {

class HelpViewerTest : public ::testing::Test {
protected:
    QTemporaryDir first;  // stands for the program folder
    QTemporaryDir second; // stands for the installed data folder
    FakeWeb web;
    std::unique_ptr<ui::HelpViewer> viewer;

    void SetUp() override {
#ifndef MILORA_TEST_HANDBOOK
        GTEST_SKIP() << "this build cannot read help files";
#endif
        ASSERT_TRUE(first.isValid() && second.isValid());
        viewer = std::make_unique<ui::HelpViewer>(&web, QStringList{first.path(), second.path()});
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
