#include "commands/EntryCalculator.h"

#include "commands/EntryText.h"

#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace vantro {
namespace {

std::vector<std::string_view> SplitAtCommas(std::string_view text)
{
    std::vector<std::string_view> parts;
    for (size_t comma = text.find(','); comma != std::string_view::npos; comma = text.find(',')) {
        parts.push_back(text.substr(0, comma));
        text.remove_prefix(comma + 1);
    }
    parts.push_back(text);
    return parts;
}

// The operator's position: a "-" in first position is a sign, so the minus is looked for after it.
size_t OperatorPosition(std::string_view text, char op) { return op == '-' ? text.find('-', 1) : text.find(op); }

double Apply(char op, double left, double right)
{
    switch (op) {
    case '+': return left + right;
    case '-': return left - right;
    case '*': return left * right;
    default: return left / right;
    }
}

// Takes the first "@" out of the text; true when there was one.
bool RemoveFirstAt(std::string& text)
{
    const size_t at = text.find('@');
    if (at == std::string::npos) return false;
    text.erase(at, 1);
    return true;
}

std::string WithAt(bool relative, double value) { return (relative ? "@" : "") + FormatShortest(value); }

// One coordinate of the dispatch: absolute as typed, or the last point's coordinate moved by the
// typed offset, which the field then shows while the step runs. Nothing when unreadable.
std::optional<double> ResolveAxis(const std::string& bare, bool relative, double& last, std::string& shown,
                                  std::string& afterStep)
{
    const std::optional<double> typed = ReadNumber(bare);
    if (!typed) return std::nullopt;
    if (relative) {
        last += *typed;
        shown = FormatShortest(last);
        afterStep = "@" + FormatShortest(*typed);
    } else {
        last = *typed;
    }
    if (!std::isfinite(last)) return std::nullopt;
    return last;
}

}  // namespace

std::optional<double> ReadNumber(std::string_view text)
{
    const double value = ParseFloatOr(text, std::numeric_limits<double>::quiet_NaN());
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<double> ReadAngle(std::string_view text)
{
    const std::vector<std::string_view> parts = SplitAtCommas(text);
    const bool withSeconds = parts.size() == 4 && parts[2].empty();
    if (parts.size() > 2 && !withSeconds) return std::nullopt;
    std::optional<double> angle = ReadNumber(parts[0]);
    const auto addPart = [&](std::string_view part, double perDegree) {
        const std::optional<double> amount = ReadNumber(part);
        if (!angle || !amount) return std::optional<double>();
        // A typed "-0" counts as negative, so "-0,30" is half a degree below zero.
        const double step = *amount / perDegree;
        return std::optional<double>(std::signbit(*angle) ? *angle - step : *angle + step);
    };
    if (parts.size() >= 2) angle = addPart(parts[1], 60);
    if (withSeconds) angle = addPart(parts[3], 3600);
    if (!angle || !std::isfinite(*angle)) return std::nullopt;
    return angle;
}

Calculation Calculate(std::string_view text)
{
    Calculation result;
    for (char op : std::array{'+', '-', '*', '/'}) {
        const size_t at = OperatorPosition(text, op);
        if (at == std::string_view::npos) continue;
        const std::optional<double> left = ReadNumber(text.substr(0, at));
        const std::optional<double> right = ReadNumber(text.substr(at + 1));
        if (!left || !right) return {CalculationKind::Failed, 0};
        const double value = Apply(op, *left, *right);
        // A division by zero or an overflow is no number to write back.
        if (!std::isfinite(value)) return {CalculationKind::Failed, 0};
        result = {CalculationKind::Computed, value};
    }
    return result;
}

EnterResolution ResolveEnter(const EntryFields& fields, EntryField pressedIn, Point lastPoint)
{
    EnterResolution resolution;
    resolution.Shown = fields;
    resolution.LastPoint = lastPoint;
    std::string x = fields.X;
    std::string y = fields.Y;
    resolution.RelativeX = fields.XVisible && RemoveFirstAt(x);
    resolution.RelativeY = fields.YVisible && RemoveFirstAt(y);

    const std::string& typed = pressedIn == EntryField::X ? x : pressedIn == EntryField::Y ? y : fields.R;
    const Calculation calculation = Calculate(typed);
    if (calculation.Kind == CalculationKind::Failed) {
        resolution.Outcome = EnterOutcome::CalculatorError;
        return resolution;
    }
    if (calculation.Kind == CalculationKind::Computed) {
        // Only the field Enter was pressed in changes; the others keep their "@" for the next Enter.
        resolution.Outcome = EnterOutcome::WroteBack;
        if (pressedIn == EntryField::X) resolution.Shown.X = WithAt(resolution.RelativeX, calculation.Value);
        else if (pressedIn == EntryField::Y) resolution.Shown.Y = WithAt(resolution.RelativeY, calculation.Value);
        else resolution.Shown.R = FormatShortest(calculation.Value);
        return resolution;
    }
    EnterResolution dispatch = resolution;
    dispatch.Outcome = EnterOutcome::Dispatch;
    if (fields.XVisible)
        dispatch.X = ResolveAxis(x, dispatch.RelativeX, dispatch.LastPoint.X, dispatch.Shown.X, dispatch.XAfterStep);
    if (fields.YVisible)
        dispatch.Y = ResolveAxis(y, dispatch.RelativeY, dispatch.LastPoint.Y, dispatch.Shown.Y, dispatch.YAfterStep);
    if ((fields.XVisible && !dispatch.X) || (fields.YVisible && !dispatch.Y)) {
        // An unreadable number leaves every field and the last point as they were.
        resolution.Outcome = EnterOutcome::BadNumber;
        return resolution;
    }
    return dispatch;
}

}  // namespace vantro
