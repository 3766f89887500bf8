// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "mileage/entry_rules.h"

#include "mileage/log_fixtures.h"
#include "support/scripted_user.h"

#include <deque>
#include <gtest/gtest.h>

using namespace milora;
using namespace milora::mileage;
using milora::test::make_log;

namespace {

// Records every message and answers questions from a queue (a question without an answer fails).
struct Asker {
    Asker() = default;
    Asker(const Asker&) = delete;
    Asker& operator=(const Asker&) = delete;

    std::vector<Message> shown;
    std::deque<Answer> answers;
    Dialogue dialogue{
        [this](const Message& m) { return test::answer_from_script(shown, answers, m); }};
};

MileageLog thirty_mpg_log() {
    return make_log({{"a", 1000, 10}, {"b", 1300, 10}, {"c", 1600, 10}});
}

} // namespace

TEST(EntryRulesTest, NoQuestionForTheFirstTwoEntries) {
    Asker user;
    MileageLog log;
    EXPECT_TRUE(add_entry(log, "a", "1000", "10", user.dialogue).added);
    EXPECT_TRUE(add_entry(log, "b", "1900", "1", user.dialogue).added); // 900 MPG
    EXPECT_TRUE(user.shown.empty());
    EXPECT_EQ(log.entry(2).Fillup_Date, "b");
    EXPECT_EQ(log.entry(2).Tank_MPG, 900.0F);
}

TEST(EntryRulesTest, TankMpgFarFromTheAverageAsksFirst) {
    struct Case {
        const char* gallons;
        std::optional<Message> question;
    };
    // A = 30: above 45 asks, below 22.5 asks, in between nothing.
    const Case cases[] = {{"6.6", messages::far_above_average()},  // 45.45
                          {"6.7", std::nullopt},                   // 44.78
                          {"13.4", messages::far_below_average()}, // 22.39
                          {"13.3", std::nullopt}};                 // 22.56
    for (const Case& c : cases) {
        for (const Answer answer : {Answer::No, Answer::Yes}) {
            Asker user;
            MileageLog log = thirty_mpg_log();
            if (c.question) {
                user.answers.push_back(answer);
            }
            const EntryOutcome out = add_entry(log, "d", "1900", c.gallons, user.dialogue);
            const bool added = !c.question || answer == Answer::Yes;
            EXPECT_EQ(out.added, added) << c.gallons;
            EXPECT_EQ(log.fillup_count(), added ? 4 : 3) << c.gallons;
            EXPECT_FALSE(out.focus) << c.gallons;
            if (c.question) {
                ASSERT_EQ(user.shown.size(), 1U) << c.gallons;
                EXPECT_EQ(user.shown[0], *c.question) << c.gallons;
                EXPECT_EQ(user.shown[0].title, "Is Your Data Correct?");
            } else {
                EXPECT_TRUE(user.shown.empty()) << c.gallons;
                break; // no question: the answer makes no difference
            }
        }
    }
}

TEST(EntryRulesTest, ExactlyOneAndAHalfOrThreeQuartersOfTheAverageAsksNothing) {
    // 300 more miles at exactly 150 % of A = 10, and at exactly 75 % of A = 40.
    const struct {
        MileageLog log;
        const char* miles;
        const char* gallons;
    } cases[] = {{make_log({{"a", 1000, 10}, {"b", 1200, 20}}), "1500", "20"},
                 {make_log({{"a", 1000, 10}, {"b", 1400, 10}}), "1700", "10"}};
    for (auto c : cases) {
        Asker user;
        EXPECT_TRUE(add_entry(c.log, "c", c.miles, c.gallons, user.dialogue).added) << c.miles;
        EXPECT_TRUE(user.shown.empty()) << c.miles;
    }
}

TEST(EntryRulesTest, RefusedBoxesNameTheirMessageAndFocus) {
    struct Case {
        const char* miles;
        const char* gallons;
        Message message;
        EntryBox focus;
    };
    const Case cases[] = {
        {"", "10", messages::odometer_invalid(), EntryBox::Miles},
        {"abc", "10", messages::odometer_invalid(), EntryBox::Miles},
        {"0", "10", messages::odometer_invalid(), EntryBox::Miles},
        {"-1900", "10", messages::odometer_invalid(), EntryBox::Miles},
        {"1e39", "10", messages::odometer_invalid(), EntryBox::Miles},
        {"1600", "10", messages::odometer_not_above(), EntryBox::Miles}, // equal to the last
        {"1599.9", "10", messages::odometer_not_above(), EntryBox::Miles},
        {"1,599", "10", messages::odometer_not_above(), EntryBox::Miles}, // read as 1599
        {"12,34", "10", messages::odometer_invalid(), EntryBox::Miles},   // groups of three only
        {"1900", "1,0", messages::gallons_invalid(), EntryBox::Gallons},
        {"1900", "0", messages::gallons_invalid(), EntryBox::Gallons},
        {"1900", "$10", messages::gallons_invalid(), EntryBox::Gallons},
        {"1900", "10 gal", messages::gallons_invalid(), EntryBox::Gallons},
    };
    for (const Case& c : cases) {
        Asker user;
        MileageLog log = thirty_mpg_log();
        const EntryOutcome out = add_entry(log, "d", c.miles, c.gallons, user.dialogue);
        EXPECT_FALSE(out.added) << c.miles << " " << c.gallons;
        EXPECT_EQ(out.focus, c.focus) << c.miles << " " << c.gallons;
        ASSERT_EQ(user.shown.size(), 1U) << c.miles;
        EXPECT_EQ(user.shown[0], c.message) << c.miles << " " << c.gallons;
        EXPECT_EQ(log.fillup_count(), 3);
    }
}

TEST(EntryRulesTest, ThousandsSeparatorsAreReadAsInTheCalculatorBoxes) {
    // "12,345" used to be stored as 12 (the reading stopped at the comma), and the next reading
    // was then refused as below it.
    Asker user;
    MileageLog log;
    EXPECT_TRUE(add_entry(log, "a", "12,345", "10", user.dialogue).added);
    EXPECT_EQ(log.entry(1).Fillup_Odometer, 12345.0F);
    EXPECT_TRUE(add_entry(log, "b", " 12,645 ", "1,000.5", user.dialogue).added);
    EXPECT_EQ(log.entry(2).Fillup_Odometer, 12645.0F);
    EXPECT_EQ(log.entry(2).Fillup_Gallons, 1000.5F);
    EXPECT_TRUE(user.shown.empty());
}

TEST(EntryRulesTest, MissingDataEntryStoresTheGallonsAtTheOverallAverage) {
    Asker user;
    MileageLog log = make_log({{"a", 1000, 10}, {"b", 1300, 10}});
    user.answers.push_back(Answer::Yes);
    // The gallons box must hold a valid number, but its value is not used.
    EXPECT_TRUE(add_with_missing(log, "c", "1900", "99", user.dialogue).added);
    ASSERT_EQ(log.fillup_count(), 3);
    EXPECT_EQ(log.entry(3).Fillup_Gallons, 20.0F);
    EXPECT_EQ(log.entry(3).Tank_MPG, 30.0F);
    EXPECT_EQ(log.entry(3).Overall_MPG, 30.0F);
    ASSERT_EQ(user.shown.size(), 1U);
    EXPECT_EQ(user.shown[0], messages::missing_confirm());
}

TEST(EntryRulesTest, MissingDataEntryNeedsTwoEntriesAConfirmationAndValidBoxes) {
    {
        Asker user;
        MileageLog log = make_log({{"a", 1000, 10}});
        EXPECT_FALSE(add_with_missing(log, "b", "1900", "10", user.dialogue).added);
        ASSERT_EQ(user.shown.size(), 1U);
        EXPECT_EQ(user.shown[0].title, "Milora");
        EXPECT_EQ(user.shown[0].buttons, Buttons::Ok);
        EXPECT_EQ(user.shown[0], messages::missing_needs_two());
    }
    {
        Asker user;
        MileageLog log = thirty_mpg_log();
        user.answers.push_back(Answer::No);
        EXPECT_FALSE(add_with_missing(log, "d", "1900", "10", user.dialogue).added);
        EXPECT_EQ(user.shown.size(), 1U); // no check after No
        EXPECT_EQ(log.fillup_count(), 3);
    }
    {
        Asker user;
        MileageLog log = thirty_mpg_log();
        user.answers.push_back(Answer::Yes);
        const EntryOutcome out = add_with_missing(log, "d", "1900", "", user.dialogue);
        EXPECT_FALSE(out.added);
        EXPECT_EQ(out.focus, EntryBox::Gallons);
        EXPECT_EQ(user.shown.back(), messages::gallons_invalid());
    }
    {
        // A read log whose odometer went backwards has no average to estimate from.
        Asker user;
        MileageLog log = make_log({{"a", 1000, 10}, {"b", 700, 10}});
        user.answers.push_back(Answer::Yes);
        EXPECT_FALSE(add_with_missing(log, "c", "900", "10", user.dialogue).added);
        EXPECT_EQ(user.shown.back(), messages::no_meaningful_result());
        EXPECT_EQ(log.fillup_count(), 2);
    }
}

namespace {

EntryDate typed(const char* text, CivilDate today = {2024, 6, 1}) {
    return EntryDate::typed(read_typed_date(text, DateOrder::MonthDayYear), text, today,
                            DateOrder::MonthDayYear, "6/1/2024");
}

} // namespace

TEST(EntryRulesTest, ATypedTextThatIsNoDateIsRefusedFirst) {
    Asker user;
    MileageLog log = thirty_mpg_log();
    for (auto* add : {&add_entry, &add_with_missing}) {
        if (add == &add_with_missing) {
            user.answers = {Answer::Yes}; // "Is This The Right Option?"
        }
        const EntryOutcome out =
            (*add)(log, typed("2/30/2024"), "abc", "10", user.dialogue, Units::UsMpg);
        EXPECT_FALSE(out.added);
        EXPECT_EQ(out.focus, EntryBox::Date); // before the odometer, which is no number either
        EXPECT_EQ(user.shown.back(), messages::date_invalid("6/1/2024"));
        EXPECT_EQ(user.shown.back().icon, Icon::Warning);
    }
    EXPECT_EQ(log.fillup_count(), 3);
}

TEST(EntryRulesTest, AFutureDateOrOneBeforeThePreviousEntryAsksAndNoCorrectsIt) {
    MileageLog log = make_log({{"5/1/2024", 1000, 10}, {"5/8/2024", 1300, 10}});
    const struct {
        const char* date;
        std::optional<Message> question;
    } cases[] = {
        {"6/2/2024", std::nullopt}, // tomorrow: a time zone away, no question
        {"6/3/2024", messages::date_in_future("6/3/2024")},
        {"5/8/2024", std::nullopt}, // the same day as the previous entry
        {"5/7/2024", messages::date_before_previous("5/7/2024", "5/8/2024")},
    };
    for (const auto& c : cases) {
        for (const Answer answer : {Answer::No, Answer::Yes}) {
            Asker user;
            MileageLog copy = log;
            if (c.question) {
                user.answers = {answer};
            }
            const EntryOutcome out = add_entry(copy, typed(c.date), "1600", "10", user.dialogue);
            if (!c.question) {
                EXPECT_TRUE(out.added) << c.date;
                EXPECT_TRUE(user.shown.empty()) << c.date;
                continue;
            }
            ASSERT_EQ(user.shown.size(), 1U) << c.date;
            EXPECT_EQ(user.shown[0], *c.question);
            EXPECT_EQ(user.shown[0].default_answer, Answer::No);
            EXPECT_EQ(out.added, answer == Answer::Yes) << c.date;
            EXPECT_EQ(copy.fillup_count(), answer == Answer::Yes ? 3 : 2);
            if (answer == Answer::No) {
                EXPECT_EQ(out.focus, EntryBox::Date);
            }
        }
    }
}

TEST(EntryRulesTest, DateQuestionsComeOnlyAfterTheBoxesPassed) {
    Asker user;
    MileageLog log = thirty_mpg_log();
    // A future date with an odometer below the last: refused for the odometer, nothing asked.
    const EntryOutcome out = add_entry(log, typed("7/1/2024"), "1500", "10", user.dialogue);
    EXPECT_FALSE(out.added);
    ASSERT_EQ(user.shown.size(), 1U);
    EXPECT_EQ(user.shown[0], messages::odometer_not_above());
}

TEST(EntryRulesTest, TheSlipQuestionsDefaultToNo) {
    for (const Message& m : {messages::far_above_average(), messages::far_below_average(),
                             messages::missing_confirm()}) {
        EXPECT_EQ(m.default_answer, Answer::No) << m.title;
    }
}
