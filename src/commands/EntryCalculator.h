// The logic behind Enter in the entry fields EditX, EditY and EditR: the one-operator calculator,
// "@" relative coordinates resolved against the last point, and the number and angle formats the
// steps read. Plain C++ so that it is tested without the window.
#pragma once

#include "geometry/Primitives.h"

#include <optional>
#include <string>
#include <string_view>

namespace vantro {

inline constexpr const char* kCalculatorErrorMessage = "計算機能エラー！";
inline constexpr const char* kBadEntryMessage = "入力数値を確認して下さい！";
inline constexpr const char* kBadAngleMessage = "入力数値(角度)を確認して下さい";

// A decimal number with '.' whatever the locale, surrounding blanks allowed; nothing when the text
// is not a finite number.
std::optional<double> ReadNumber(std::string_view text);

// The angle format of EditR in degrees: "d", "d,m" or "d,m,,s". Minutes and seconds are added while
// the value so far is not negative and subtracted while it is ("-30,30" is −30.5, "-0,30" −0.5).
std::optional<double> ReadAngle(std::string_view text);

enum class CalculationKind { NoOperator, Computed, Failed };

struct Calculation {
    CalculationKind Kind = CalculationKind::NoOperator;
    double Value = 0;
};

// One binary operator, looked for as +, −, ×, ÷ on the whole text; a leading "-" is a sign. An
// operand that holds another operator fails the calculation ("2+3*4").
Calculation Calculate(std::string_view text);

enum class EntryField { X = 1, Y = 2, R = 3 };

struct EntryFields {
    std::string X;  // the texts as typed
    std::string Y;
    std::string R;
    bool XVisible = false;
    bool YVisible = false;
};

enum class EnterOutcome {
    WroteBack,        // the calculator's result replaces the field's text; nothing is dispatched
    CalculatorError,  // kCalculatorErrorMessage; the fields keep their texts and Enter is not consumed
    BadNumber,        // kBadEntryMessage; the fields keep their texts and the step stays
    Dispatch,         // run the step with the texts of Shown, then restore XAfterStep and YAfterStep
};

struct EnterResolution {
    EnterOutcome Outcome = EnterOutcome::Dispatch;
    EntryFields Shown;  // what the fields show now
    bool RelativeX = false;
    bool RelativeY = false;
    std::optional<double> X;  // the absolute coordinates the step reads; nothing for a hidden field
    std::optional<double> Y;
    Point LastPoint;          // after this Enter: X and Y where visible, the old coordinates elsewhere
    std::string XAfterStep;   // "@" + the X offset once the step has run; empty: leave EditX alone
    std::string YAfterStep;
};

// Enter pressed in field pressedIn.
EnterResolution ResolveEnter(const EntryFields& fields, EntryField pressedIn, Point lastPoint);

}  // namespace vantro
