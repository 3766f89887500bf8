// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "ui/validating_edit.h"

#include "ui/services.h"
#include "ui/support/window_helpers.h"

#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

using namespace milora;
using namespace milora::test;

namespace {

// Records each message with the widget that held the window's focus while it was up.
class RecordingMessages final : public ui::MessageService {
public:
    Answer show(QWidget* parent, const Message& message) override {
        shown.push_back(message);
        parents.push_back(parent);
        focus_while_shown.push_back(parent->focusWidget());
        return Answer::Ok;
    }
    std::vector<Message> shown;
    std::vector<QWidget*> parents;
    std::vector<QWidget*> focus_while_shown;
};

const Message kRefused{"Data Error", "Please enter digits.", Icon::Warning, Buttons::Ok};

class ValidatingEditTest : public ::testing::Test {
protected:
    RecordingMessages messages;
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    ui::ValidatingEdit* first = digits_box();
    ui::ValidatingEdit* second = digits_box();
    QPushButton* button = new QPushButton(QStringLiteral("Go"), window.get());

    ui::ValidatingEdit* digits_box() {
        auto check = [](const QString& text) -> std::optional<Message> {
            bool ok = false;
            text.toInt(&ok);
            return ok ? std::nullopt : std::optional<Message>(kRefused);
        };
        auto* box = new ui::ValidatingEdit(messages, check, window.get());
        box->setText(QStringLiteral("1"));
        return box;
    }

    void SetUp() override {
        auto* layout = new QVBoxLayout(window.get());
        layout->addWidget(first);
        layout->addWidget(second);
        layout->addWidget(button);
        button->setFocusPolicy(Qt::TabFocus);
        show_active(window.get());
    }
};

} // namespace

TEST_F(ValidatingEditTest, LeavingWithARefusedTextKeepsTheFocusWhileTheMessageIsUp) {
    type_into(first, QStringLiteral("x1"));
    QTest::keyClick(first, Qt::Key_Tab);
    settle();
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.shown[0], kRefused);
    EXPECT_EQ(messages.parents[0], window.get());
    EXPECT_EQ(messages.focus_while_shown[0], first);
    EXPECT_EQ(QApplication::focusWidget(), first);
    EXPECT_EQ(first->selectedText(), "x1");
    // The box that briefly had the focus is not checked on the way back.
    EXPECT_EQ(messages.shown.size(), 1U);
}

TEST_F(ValidatingEditTest, AnAcceptedTextLetsTheFocusGo) {
    type_into(first, QStringLiteral("42"));
    QTest::keyClick(first, Qt::Key_Tab);
    settle();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(QApplication::focusWidget(), second);
}

TEST_F(ValidatingEditTest, ValidateFocusedChecksOnlyTheBoxWithTheFocus) {
    second->setText(QStringLiteral("bad"));
    type_into(first, QStringLiteral("7"));
    EXPECT_TRUE(ui::ValidatingEdit::validate_focused(window.get()));
    type_into(first, QStringLiteral("seven"));
    EXPECT_FALSE(ui::ValidatingEdit::validate_focused(window.get()));
    EXPECT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(QApplication::focusWidget(), first);
}

TEST_F(ValidatingEditTest, HidingTheWindowChecksNothing) {
    type_into(first, QStringLiteral("abc"));
    window->hide();
    settle();
    EXPECT_TRUE(messages.shown.empty());
}
