// SPDX-FileCopyrightText: 2026 The Milora developers
// SPDX-License-Identifier: MIT
#include "calc/calculator.h"
#include "calc/registry.h"
#include "numbers/precision.h"

#include <gtest/gtest.h>

using namespace milora;
using namespace milora::calc;

namespace {

// A small calculator that divides two boxes; the time-worth box accepts zero.
class Divide final : public Calculator {
public:
    const WindowDescription& description() const override {
        static const WindowDescription d = [] {
            WindowDescription w;
            w.window = "T_Divide";
            w.boxes = {box("txtA", "A", "", "Please enter A."),
                       box("txtTime_Worth", "W", "", "Please enter W.").allowing_zero(),
                       box("txtPlain", "P", "", "Plain message.").with_plain_message()};
            w.results = {LabelDesc{.name = "lblResults", .text = "intro"}};
            return w;
        }();
        return d;
    }
    void load(const CarData&, FormState& s) override {
        s.box("txtA") = "1";
        s.box("txtTime_Worth") = "0";
        s.box("txtPlain") = "2";
    }
    void calculate(FormState& s) override {
        s.label("lblResults").text = "started";
        const float q = numbers::single(double{read_box(s, "txtA")} / read_box(s, "txtTime_Worth"));
        s.label("lblResults").text = std::to_string(q);
    }
};

} // namespace

TEST(Validation, RefusesNonNumbersAndValuesNotAboveZero) {
    Divide calc;
    FormState s = open_window(calc, CarData{});
    for (const char* text : {"0", "-5", "abc", "", "$3", "1 0", "nan"}) {
        s.box("txtA") = text;
        const auto m = validate_box(s, "txtA");
        ASSERT_TRUE(m.has_value()) << text;
        EXPECT_EQ(*m, (Message{"Data Error", "Please enter A.", Icon::Warning, Buttons::Ok}));
    }
    for (const char* text : {"1,000", " 2.5 ", "1e3", "0.001"}) {
        s.box("txtA") = text;
        EXPECT_FALSE(validate_box(s, "txtA").has_value()) << text;
    }
    s.box("txtA") = "1,000";
    EXPECT_EQ(read_box(s, "txtA"), 1000.0F);
}

TEST(Validation, ANumberTooLargeForASingleIsToldSoAndNotGreaterThanZero) {
    Divide calc;
    FormState s = open_window(calc, CarData{});
    for (const char* text : {"1e40", "3.5e38", "3.4028236e38", "1,000e40"}) {
        s.box("txtA") = text;
        EXPECT_EQ(validate_box(s, "txtA"),
                  (Message{"Data Error", kTooLargeMessage, Icon::Warning, Buttons::Ok}))
            << text;
        s.box("txtPlain") = text;
        EXPECT_EQ(validate_box(s, "txtPlain"),
                  (Message{"Milora", kTooLargeMessage, Icon::None, Buttons::Ok}))
            << text;
    }
    // The largest single is still a number a box holds; huge negatives keep the box's message.
    s.box("txtA") = "3.402823E+38";
    EXPECT_FALSE(validate_box(s, "txtA").has_value());
    for (const char* text : {"-1e40", "-3.5e38"}) {
        s.box("txtA") = text;
        EXPECT_EQ(validate_box(s, "txtA")->text, "Please enter A.") << text;
    }
    s.box("txtPlain") = "2";
}

TEST(Validation, ANumberTooSmallForASingleIsNotAboveZeroAndNeverTooLarge) {
    Divide calc;
    FormState s = open_window(calc, CarData{});
    // Held as 0 by the box: refused with the box's own "above zero" message, never as too large,
    // and never passed on to Calculate as a zero divisor.
    for (const char* text :
         {"1e-320", "1e-50", "0.00000000000000000000000000000000000000000000001"}) {
        s.box("txtA") = text;
        EXPECT_EQ(validate_box(s, "txtA"),
                  (Message{"Data Error", "Please enter A.", Icon::Warning, Buttons::Ok}))
            << text;
    }
    // Where zero is allowed, a tiny number is the zero it is held as; the smallest normal single
    // is a number above zero.
    s.box("txtTime_Worth") = "1e-320";
    EXPECT_FALSE(validate_box(s, "txtTime_Worth").has_value());
    s.box("txtA") = "1.2e-38";
    EXPECT_FALSE(validate_box(s, "txtA").has_value());
}

TEST(Validation, TimeWorthAcceptsZeroAndOneBoxHasAPlainMessage) {
    Divide calc;
    FormState s = open_window(calc, CarData{});
    s.box("txtTime_Worth") = "0";
    EXPECT_FALSE(validate_box(s, "txtTime_Worth").has_value());
    s.box("txtTime_Worth") = "-1";
    EXPECT_TRUE(validate_box(s, "txtTime_Worth").has_value());
    s.box("txtPlain") = "0";
    EXPECT_EQ(*validate_box(s, "txtPlain"),
              (Message{"Milora", "Plain message.", Icon::None, Buttons::Ok}));
}

TEST(Calculate, AFaultStopsWhereItIsAndTellsTheUser) {
    Divide calc;
    FormState s = open_window(calc, CarData{});
    EXPECT_FALSE(run_calculate(calc, s));
    EXPECT_EQ(s.label("lblResults").text, "started");
    ASSERT_EQ(s.dialogue.kept().size(), 1U);
    EXPECT_EQ(s.dialogue.kept()[0].text, kFaultMessage);
    EXPECT_TRUE(s.fault.has_value());
}

TEST(Calculate, ABoxTextThatIsNoNumberIsNeverComputedWith) {
    Divide calc;
    FormState s = open_window(calc, CarData{});
    s.box("txtA") = "abc";
    EXPECT_FALSE(run_calculate(calc, s));
    EXPECT_EQ(s.label("lblResults").text, "started");
    ASSERT_EQ(s.dialogue.kept().size(), 1U);
    EXPECT_EQ(s.dialogue.kept()[0].text, "Please enter A.");
}

TEST(Registry, FindsCalculatorsByWindowNameAndEachDescriptionIsConsistent) {
    ASSERT_NE(find_calculator("B01_HowMuchDoYouSpendOnGas"), nullptr);
    EXPECT_EQ(find_calculator("NoSuchWindow"), nullptr);
    for (const auto& entry : calculators()) {
        auto calc = entry.make();
        const WindowDescription& d = calc->description();
        EXPECT_EQ(d.window, entry.window);
        EXPECT_FALSE(d.caption.empty()) << entry.window;
        EXPECT_FALSE(d.help_topic.empty()) << entry.window;
        // Loading fills every box with a valid number.
        FormState s = open_window(*calc, CarData{});
        for (const auto& b : d.boxes) {
            EXPECT_FALSE(validate_box(s, b.name).has_value()) << entry.window << ' ' << b.name;
        }
    }
}

namespace {

// Boxes that start from a car data field, from a fixed number, or as the unit's load leaves them.
WindowDescription starting_texts() {
    WindowDescription w = describe_window("T_Start", "Start", "", "Calculate");
    w.boxes = {box("txtGas", "G", "", "").from(&CarData::Global_Gas_Cost),
               box("txtFixed", "F", "", "").starting_at(12.5F),
               box("txtWorked", "W", "", "").from(&CarData::Global_Combined_MPG)};
    return w;
}

class StartingTexts final : public DescribedCalculator<starting_texts> {
public:
    // The unit's load comes after the frame's starting texts and may change them.
    void load(const CarData& car, FormState& s) override {
        s.box("txtWorked") = std::to_string(static_cast<int>(car.Global_Combined_MPG) * 2);
    }
    void calculate(FormState&) override {}
};

} // namespace

TEST(Frame, OpeningFillsTheBoxesFromTheCarDataThenRunsTheLoad) {
    CarData car;
    car.Global_Gas_Cost = 3.459F;
    car.Global_Combined_MPG = 21.0F;
    StartingTexts calc;
    const FormState s = open_window(calc, car);
    EXPECT_EQ(s.box("txtGas"), "3.459");
    EXPECT_EQ(s.box("txtFixed"), "12.5");
    EXPECT_EQ(s.box("txtWorked"), "42");
    // One description for every window of the calculator, and its buttons by role.
    EXPECT_EQ(&StartingTexts().description(), &calc.description());
    EXPECT_EQ(calc.description().buttons.size(), 4U);
    EXPECT_EQ(calc.description().buttons[0].tooltip, "Calculate");
    EXPECT_EQ(calc.description().buttons[3].name, "cmdExit");
}
