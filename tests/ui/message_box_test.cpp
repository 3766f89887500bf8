// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/real_services.h"

#include <QMessageBox>
#include <QPushButton>
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
