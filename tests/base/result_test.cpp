// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "base/dialogue.h"
#include "base/result.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

namespace milora {
namespace {

Result<std::string> read_named(bool there) {
    if (!there) {
        return Failure{"it does not exist"};
    }
    return std::string("contents");
}

TEST(ResultTest, CarriesTheValueOrTheReasonNeverBoth) {
    const Result<std::string> read = read_named(true);
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, "contents");
    EXPECT_EQ(read->size(), 8U);
    EXPECT_EQ(read.reason(), "");

    // A value of the same type as the reason is still a value.
    const Result<std::string> missing = read_named(false);
    EXPECT_FALSE(missing);
    EXPECT_EQ(missing.reason(), "it does not exist");
    EXPECT_THROW((void)missing.value(), std::logic_error);
}

TEST(ResultTest, MovesItsValueOut) {
    Result<std::unique_ptr<int>> made = std::make_unique<int>(7);
    const std::unique_ptr<int> taken = std::move(made).value();
    ASSERT_NE(taken, nullptr);
    EXPECT_EQ(*taken, 7);
}

TEST(ResultTest, StatusIsSuccessUnlessAReasonWasGiven) {
    EXPECT_TRUE(Status{});
    const Status failed = Failure{"the disk is full"};
    EXPECT_FALSE(failed);
    EXPECT_EQ(failed.reason(), "the disk is full");
    // A failure whose reason is empty is still a failure.
    EXPECT_FALSE(Status{Failure{}});
    EXPECT_FALSE(status_of(read_named(false)));
    EXPECT_EQ(status_of(read_named(false)).reason(), "it does not exist");
    EXPECT_TRUE(status_of(read_named(true)));
}

TEST(DialogueTest, UnattendedItKeepsEveryMessageAndNeverAnswersYesToALoss) {
    Dialogue dialogue;
    const Message plain{.text = "Saved."};
    Message discard{.text = "Throw your changes away?", .buttons = Buttons::YesNo};
    discard.default_answer = Answer::No;
    const Message keep{.text = "Keep going?", .buttons = Buttons::YesNo};

    EXPECT_EQ(dialogue.ask(plain), Answer::Ok);
    EXPECT_EQ(dialogue.ask(discard), Answer::No);
    EXPECT_EQ(dialogue.ask(keep), Answer::Yes);
    ASSERT_EQ(dialogue.kept().size(), 3U);
    EXPECT_EQ(dialogue.take_kept()[1], discard);
    EXPECT_TRUE(dialogue.kept().empty());
}

TEST(DialogueTest, AConnectedAnswererDecidesAndNothingIsKept) {
    std::vector<std::string> shown;
    Dialogue dialogue([&](const Message& m) {
        shown.push_back(m.text);
        return Answer::No;
    });
    EXPECT_EQ(dialogue.ask(Message{.text = "Sure?", .buttons = Buttons::YesNo}), Answer::No);
    dialogue.tell(Message{.text = "Done."});
    EXPECT_EQ(shown, (std::vector<std::string>{"Sure?", "Done."}));
    EXPECT_TRUE(dialogue.kept().empty());
}

} // namespace
} // namespace milora
