// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "support/window_helpers.h"
#include "ui/real_services.h"

#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <gtest/gtest.h>

using namespace milora;

TEST(MessageBoxTest, AYesNoQuestionDefaultsToTheAnswerItNames) {
    Message question{"Save Modified Data?", "Exit without saving?", Icon::None, Buttons::YesNo};
    {
        QMessageBox box;
        ui::prepare_message_box(box, question);
        ASSERT_NE(box.button(QMessageBox::Yes), nullptr);
        EXPECT_EQ(static_cast<QAbstractButton*>(box.defaultButton()), box.button(QMessageBox::Yes));
    }
    question.default_answer = Answer::No;
    QMessageBox box;
    ui::prepare_message_box(box, question);
    EXPECT_EQ(box.windowTitle(), "Save Modified Data?");
    EXPECT_EQ(box.text(), "Exit without saving?");
    EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
    ASSERT_NE(box.button(QMessageBox::No), nullptr);
    EXPECT_EQ(static_cast<QAbstractButton*>(box.defaultButton()), box.button(QMessageBox::No));
}

TEST(MessageBoxTest, AMessageHasOnlyOk) {
    QMessageBox box;
    ui::prepare_message_box(box, {"Data Error", "Please enter a number.", Icon::Warning});
    EXPECT_EQ(box.icon(), QMessageBox::Warning);
    EXPECT_NE(box.button(QMessageBox::Ok), nullptr);
    EXPECT_EQ(box.button(QMessageBox::Yes), nullptr);
}

namespace {

// Finds the file dialog the service opened, notes its size and view, and answers it.
struct DialogSeen {
    QSize size;
    bool detail = false;
};

void watch_file_dialog(DialogSeen& seen, QSize resize_to) {
    QTimer::singleShot(0, [&seen, resize_to] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            ADD_FAILURE() << "no file dialog";
            return;
        }
        seen.size = dialog->size();
        seen.detail = dialog->viewMode() == QFileDialog::Detail;
        dialog->resize(resize_to);
        dialog->reject();
    });
}

} // namespace

TEST(FileDialogTest, OpensLargeInDetailAndRemembersTheSizeTheUserLeft) {
    QSettings(QStringLiteral("Milora"), QStringLiteral("Milora")).clear();
    milora::test::expected_modal_windows() << QStringLiteral("FileDialog");
    ui::QtFileDialogService files;
    const QSize room = QGuiApplication::primaryScreen()->availableGeometry().size() * 9 / 10;
    DialogSeen first;
    watch_file_dialog(first, QSize(500, 400));
    EXPECT_TRUE(files
                    .open_file(nullptr, {QStringLiteral("Open"), QStringLiteral("All (*)"),
                                         QString(), QDir::tempPath(), QString()})
                    .isEmpty());
    EXPECT_EQ(first.size, QSize(900, 560).boundedTo(room));
    EXPECT_TRUE(first.detail);
    DialogSeen second;
    watch_file_dialog(second, QSize(500, 400));
    EXPECT_TRUE(files
                    .save_file(nullptr, {QStringLiteral("Save"), QStringLiteral("All (*)"),
                                         QString(), QDir::tempPath(), QString()})
                    .isEmpty());
    EXPECT_EQ(second.size, QSize(500, 400));
    milora::test::expected_modal_windows().removeAll(QStringLiteral("FileDialog"));
}
