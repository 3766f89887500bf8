// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
// Printing through the real print service, into PDF files: the window as vector graphics with its
// texts as text, the paper of the locale, files replaced only whole, and Print Setup's choice.

#include "support/calculator_window_fixture.h"
#include "support/window_helpers.h"
#include "ui/application.h"
#include "ui/real_services.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QPdfWriter>
#include <QPointer>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

using namespace milora;
using namespace milora::test;

namespace {

QByteArray read_all(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The text of a PDF as a reader finds it; empty when pdftotext is not installed.
QString pdf_text(const QString& path) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty()) {
        return {};
    }
    QProcess p;
    p.start(tool, {QStringLiteral("-layout"), path, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

class PrintServiceTest : public CalculatorWindowFixture {
protected:
    ui::QtPrintService service{fakes.messages, fakes.files};
    QTemporaryDir dir;

    void SetUp() override {
        if (!QPrinterInfo::availablePrinters().isEmpty()) {
            GTEST_SKIP() << "a printer is installed; these tests print to PDF files";
        }
        open("B01_HowMuchDoYouSpendOnGas");
        click(child<QPushButton>(window, QStringLiteral("cmdCalculate")));
    }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    bool print_to(const QString& file) {
        fakes.files.save_answers.push_back(file);
        return service.print_widget(window, ui::Orientation::Portrait);
    }
};

} // namespace

TEST_F(PrintServiceTest, APdfHoldsTheWindowsTextsAsTextAndTheFocusComesBackAsItWas) {
    QLineEdit* gas = child<QLineEdit>(window, QStringLiteral("txtGas_Cost"));
    gas->setFocus(Qt::MouseFocusReason);
    gas->setSelection(0, 1);
    ASSERT_TRUE(print_to(path("window.pdf")));
    EXPECT_TRUE(fakes.messages.shown.empty());

    const QByteArray pdf = read_all(path("window.pdf"));
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
    EXPECT_TRUE(pdf.contains("/Font")) << "the texts are drawn as text";
    const QString text = pdf_text(path("window.pdf"));
    if (!text.isEmpty()) {
        for (const char* expected : {"Gas Cost ($/gallon)", "Calculate", "$1800", "$164"}) {
            EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected;
        }
    }

    // The box had the focus and its selection before the print, and has them after it.
    EXPECT_EQ(QApplication::focusWidget(), gas);
    EXPECT_EQ(gas->selectedText(), gas->text().left(1));
    settle();
    EXPECT_TRUE(fakes.messages.shown.empty()) << "no box was checked";
}

TEST_F(PrintServiceTest, ThePaperFollowsTheLocale) {
    ASSERT_TRUE(print_to(path("paper.pdf")));
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (tool.isEmpty()) {
        GTEST_SKIP() << "pdfinfo is not installed";
    }
    QProcess p;
    p.start(tool, {path("paper.pdf")});
    p.waitForFinished(30000);
    const QString info = QString::fromUtf8(p.readAllStandardOutput());
    const bool letter = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    EXPECT_TRUE(info.contains(letter ? QStringLiteral("(letter)") : QStringLiteral("(A4)")))
        << info.toStdString();
}

TEST_F(PrintServiceTest, AFailedPdfIsReportedAndTheOldFileStays) {
    // A folder where the file should be: nothing may replace it.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken.pdf")));
    EXPECT_FALSE(print_to(path("taken.pdf")));
    ASSERT_EQ(fakes.messages.shown.size(), 1U);
    EXPECT_NE(fakes.messages.shown[0].text.find("could not be saved"), std::string::npos);
    EXPECT_NE(fakes.messages.shown[0].text.find("taken.pdf"), std::string::npos);
    EXPECT_EQ(fakes.messages.shown[0].icon, Icon::Warning);
    EXPECT_TRUE(QFileInfo(path("taken.pdf")).isDir());

    // A folder that does not exist.
    fakes.messages.shown.clear();
    EXPECT_FALSE(print_to(path("missing/window.pdf")));
    EXPECT_EQ(fakes.messages.shown.size(), 1U);

    // A good print replaces an old file, and leaves nothing else beside it.
    QFile old(path("old.pdf"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old contents");
    old.close();
    fakes.messages.shown.clear();
    EXPECT_TRUE(print_to(path("old.pdf")));
    EXPECT_TRUE(read_all(path("old.pdf")).startsWith("%PDF"));
    EXPECT_TRUE(fakes.messages.shown.empty());
    const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    EXPECT_EQ(left, QStringList{QStringLiteral("old.pdf")}) << left.join(' ').toStdString();
}

TEST_F(PrintServiceTest, PrintSetupRemembersAPdfFileAndItsButtonReadsOk) {
    expected_modal_windows().append(QStringLiteral("PrintSetup"));
    QString ok_text;
    const QString chosen = path("chosen.pdf");
    // Answers the dialog as soon as it is up, however long the machine takes to show it.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr || dialog->objectName() != QStringLiteral("PrintSetup")) {
            return;
        }
        answer.stop();
        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        ok_text = buttons != nullptr ? buttons->button(QDialogButtonBox::Ok)->text() : QString();
        if (auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"))) {
            file->setText(chosen);
        }
        buttons->button(QDialogButtonBox::Ok)->click();
    });
    answer.start(0);
    service.printer_setup(window);
    answer.stop();
    expected_modal_windows().removeAll(QStringLiteral("PrintSetup"));
    EXPECT_EQ(ok_text, "OK");

    // Every later Print goes to the chosen file, without a dialog.
    for (int i = 0; i < 2; ++i) {
        QFile::remove(chosen);
        EXPECT_TRUE(service.print_widget(window, ui::Orientation::Landscape));
        EXPECT_TRUE(read_all(chosen).startsWith("%PDF"));
    }
    EXPECT_TRUE(fakes.files.save_requests.empty());
    EXPECT_TRUE(fakes.messages.shown.empty());
}

namespace {

// Notes which widget had the focus while the page was being drawn.
class WatchingPdf final : public QPdfWriter {
public:
    using QPdfWriter::QPdfWriter;
    mutable bool box_focused_while_drawn = false;
    QPointer<QWidget> box;

protected:
    int metric(PaintDeviceMetric id) const override {
        if (box != nullptr && box->hasFocus()) {
            box_focused_while_drawn = true;
        }
        return QPdfWriter::metric(id);
    }
};

} // namespace

TEST_F(PrintServiceTest, TheFocusedBoxIsDrawnWithoutItsFocus) {
    QLineEdit* gas = child<QLineEdit>(window, QStringLiteral("txtGas_Cost"));
    gas->setFocus(Qt::MouseFocusReason);
    gas->selectAll();
    WatchingPdf writer(path("focus.pdf"));
    writer.box = gas;
    EXPECT_TRUE(ui::paint_widget_page(window, writer));
    EXPECT_FALSE(writer.box_focused_while_drawn);
    EXPECT_EQ(QApplication::focusWidget(), gas);
    EXPECT_EQ(gas->selectedText(), gas->text());
}
