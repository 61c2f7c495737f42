// The entry fields' calculator, number and angle formats, and "@" relative entry, as tables.
#include "commands/EntryCalculator.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace vantro {
namespace {

struct CalculationCase {
    const char* Text;
    CalculationKind Kind;
    double Value = 0;
};

TEST(EntryCalculator, OneOperatorCalculations)
{
    const std::vector<CalculationCase> cases = {
        {"12+3", CalculationKind::Computed, 15},
        {"7-2", CalculationKind::Computed, 5},
        {"3*4", CalculationKind::Computed, 12},
        {"10/4", CalculationKind::Computed, 2.5},
        {"1.5+1.25", CalculationKind::Computed, 2.75},
        {" 2 * 3 ", CalculationKind::Computed, 6},
        {"-5-3", CalculationKind::Computed, -8},   // a leading minus is a sign
        {"-5+3", CalculationKind::Computed, -2},
        {"-5", CalculationKind::NoOperator},
        {"12", CalculationKind::NoOperator},
        {"", CalculationKind::NoOperator},
        {"2+3*4", CalculationKind::Failed},  // "3*4" is no number
        {"2*3+4", CalculationKind::Failed},
        {"-2*-3", CalculationKind::Failed},   // the second minus is an operator with "-2*" before it
        {"1e-3", CalculationKind::Failed},    // so is an exponent's
        {"5+", CalculationKind::Failed},
        {"+5", CalculationKind::Failed},
        {"1,5+1", CalculationKind::Failed},  // the decimal separator is '.' whatever the locale
        {"@3+4", CalculationKind::Failed},
        {"5/0", CalculationKind::Failed},    // no infinite result is written back
        {"1e308*10", CalculationKind::Failed},
        {"inf+1", CalculationKind::Failed},
    };
    for (const CalculationCase& c : cases) {
        SCOPED_TRACE(c.Text);
        const Calculation calculation = Calculate(c.Text);
        EXPECT_EQ(calculation.Kind, c.Kind);
        if (c.Kind == CalculationKind::Computed) {
            EXPECT_EQ(calculation.Value, c.Value);
        }
    }
}

struct NumberCase {
    const char* Text;
    std::optional<double> Value;
};

TEST(EntryCalculator, NumbersAndAngles)
{
    const std::vector<NumberCase> numbers = {
        {"12.5", 12.5}, {" -3 ", -3}, {"1e3", 1000}, {"12,5", std::nullopt}, {"", std::nullopt},
        {"nan", std::nullopt}, {"inf", std::nullopt}, {"1e400", std::nullopt}, {"0x10", std::nullopt},
    };
    for (const NumberCase& c : numbers) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(ReadNumber(c.Text), c.Value);
    }
    const std::vector<NumberCase> angles = {
        {"30", 30},
        {"30,30", 30.5},
        {"-30,30", -30.5},
        {"10,0,,36", 10.01},
        {"-10,30,,36", -10.51},
        {"-0,30", -0.5},       // the sign of a zero degree count still counts
        {"0,-30", -0.5},       // minutes added to a value not yet negative
        {" 45 , 15 ", 45.25},
        {"30,30,15", std::nullopt},  // seconds come after two commas
        {"30,,", std::nullopt},
        {"30,", std::nullopt},
        {"30,,,15", std::nullopt},
        {"30,1,,2,3", std::nullopt},
        {"abc", std::nullopt},
        {"", std::nullopt},
    };
    for (const NumberCase& c : angles) {
        SCOPED_TRACE(c.Text);
        const std::optional<double> angle = ReadAngle(c.Text);
        ASSERT_EQ(angle.has_value(), c.Value.has_value());
        if (angle) {
            EXPECT_NEAR(*angle, *c.Value, 1e-12);
        }
    }
}

EntryFields Fields(std::string x, std::string y, std::string r, bool xVisible = true, bool yVisible = true)
{
    return {std::move(x), std::move(y), std::move(r), xVisible, yVisible};
}

struct EnterCase {
    const char* Name;
    EntryFields Typed;
    EntryField PressedIn;
    Point LastPoint;
    EnterOutcome Outcome;
    EntryFields Shown;
    Point NewLastPoint{};
    std::string XAfterStep{};
    std::string YAfterStep{};
};

TEST(EntryCalculator, EnterInAField)
{
    const std::vector<EnterCase> cases = {
        {"the sum replaces the text and nothing is dispatched", Fields("1", "2", "12+3"), EntryField::R, {},
         EnterOutcome::WroteBack, Fields("1", "2", "15")},
        {"the second Enter dispatches the value", Fields("1", "2", "15"), EntryField::R, {}, EnterOutcome::Dispatch,
         Fields("1", "2", "15"), {1, 2}},
        {"a relative sum keeps its @", Fields("@2+3", "0", ""), EntryField::X, {}, EnterOutcome::WroteBack,
         Fields("@5", "0", "")},
        {"the other field keeps its @ across a sum", Fields("@10", "@1+1", ""), EntryField::Y, {},
         EnterOutcome::WroteBack, Fields("@10", "@2", "")},
        {"the shortest decimal form", Fields("0.1+0.2", "0", ""), EntryField::X, {}, EnterOutcome::WroteBack,
         Fields("0.30000000000000004", "0", "")},
        {"a calculator error keeps every text", Fields("@2+3*4", "0", ""), EntryField::X, {},
         EnterOutcome::CalculatorError, Fields("@2+3*4", "0", "")},
        {"@ in EditX: an offset from the last point, shown absolute while the step runs", Fields("@10", "0", ""),
         EntryField::X, {5, 3}, EnterOutcome::Dispatch, Fields("15", "0", ""), {15, 0}, "@10"},
        {"... and the next Enter steps on by the same offset", Fields("@10", "0", ""), EntryField::Y, {15, 0},
         EnterOutcome::Dispatch, Fields("25", "0", ""), {25, 0}, "@10"},
        {"@ in EditY only: X absolute, Y relative", Fields("7", "@-2", ""), EntryField::X, {1, 1},
         EnterOutcome::Dispatch, Fields("7", "-1", ""), {7, -1}, "", "@-2"},
        {"a hidden field is neither read nor relative", Fields("@abc", "4", "", false), EntryField::Y, {1, 1},
         EnterOutcome::Dispatch, Fields("@abc", "4", "", false), {1, 4}},
        {"an unreadable visible field", Fields("abc", "4", "5"), EntryField::R, {1, 1}, EnterOutcome::BadNumber,
         Fields("abc", "4", "5"), {1, 1}},
        {"an empty visible field", Fields("@", "4", ""), EntryField::Y, {1, 1}, EnterOutcome::BadNumber,
         Fields("@", "4", ""), {1, 1}},
        {"@ in EditR is not relative entry", Fields("1", "2", "@5"), EntryField::R, {}, EnterOutcome::Dispatch,
         Fields("1", "2", "@5"), {1, 2}},
    };
    for (const EnterCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const EnterResolution resolution = ResolveEnter(c.Typed, c.PressedIn, c.LastPoint);
        EXPECT_EQ(resolution.Outcome, c.Outcome);
        EXPECT_EQ(resolution.Shown.X, c.Shown.X);
        EXPECT_EQ(resolution.Shown.Y, c.Shown.Y);
        EXPECT_EQ(resolution.Shown.R, c.Shown.R);
        if (c.Outcome == EnterOutcome::WroteBack || c.Outcome == EnterOutcome::CalculatorError) continue;
        EXPECT_EQ(resolution.LastPoint, c.NewLastPoint);
        if (c.Outcome == EnterOutcome::Dispatch) {
            EXPECT_EQ(resolution.X, c.Typed.XVisible ? std::optional(c.NewLastPoint.X) : std::nullopt);
            EXPECT_EQ(resolution.Y, c.Typed.YVisible ? std::optional(c.NewLastPoint.Y) : std::nullopt);
        }
        EXPECT_EQ(resolution.XAfterStep, c.XAfterStep);
        EXPECT_EQ(resolution.YAfterStep, c.YAfterStep);
    }
}

}  // namespace
}  // namespace vantro
