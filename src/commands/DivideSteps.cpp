#include "commands/DivideSteps.h"

#include "commands/EditPicks.h"
#include "commands/EntryCalculator.h"
#include "geometry/Curves.h"
#include "geometry/Divide.h"

namespace vantro {
namespace {

constexpr const char* kDividedKinds = "134";
constexpr const char* kCurveKinds = "-4-5";
constexpr const char* kDivideCaption = "等分割";
constexpr const char* kBaseAnglePrompt = "円を分割する時は基点の角度を指定してください（右水平が0度）";
constexpr const char* kPartsPrompt = "分割数を入力してください";
constexpr const char* kNotANumberMessage = "数値を入力して下さい";
constexpr const char* kNotWholeMessage = "整数値を入力して下さい";

// A circle's first piece starts at this angle (degrees); nothing when cancelled or not a number.
std::optional<double> AskBaseAngle(CommandContext& ctx)
{
    const std::optional<std::string> typed = ctx.Dialogs.InputLine(kDivideCaption, kBaseAnglePrompt, "0");
    if (!typed) return std::nullopt;
    const std::optional<double> degrees = ReadNumber(*typed);
    if (!degrees) ctx.Dialogs.ShowMessage(kNotANumberMessage);
    return degrees;
}

std::optional<int> AskParts(CommandContext& ctx)
{
    const std::optional<std::string> typed = ctx.Dialogs.InputLine(kDivideCaption, kPartsPrompt, "");
    if (!typed) return std::nullopt;
    const std::optional<int> parts = ReadWholeNumber(*typed);
    if (!parts) ctx.Dialogs.ShowMessage(kNotWholeMessage);
    return parts;
}

void ShowDivision(CommandContext& ctx, std::vector<Point> points)
{
    if (points.empty()) return;
    FinishEdit(ctx);
    ctx.Result.Markers = std::move(points);
}

}  // namespace

void DivideClick(CommandContext& ctx, const ClickInput& click)
{
    const int h = PickUnlocked(ctx, click, kDividedKinds);
    if (h == 0) return;
    double base = 0;
    if (ctx.Document[h].Kind == kKindCircle) {
        const std::optional<double> angle = AskBaseAngle(ctx);
        if (!angle) return;
        base = *angle;
    }
    const std::optional<int> parts = AskParts(ctx);
    if (!parts) return;
    ShowDivision(ctx, DivideElement(ctx.Document, h, *parts, base));
}

void HalveClick(CommandContext& ctx, const ClickInput& click)
{
    const int h = PickUnlocked(ctx, click, kDividedKinds);
    if (h != 0) ShowDivision(ctx, HalveElement(ctx.Document, h, ClickInWorld(ctx, click)));
}

void CurveToLinesClick(CommandContext& ctx, const ClickInput& click)
{
    const int h = PickUnlocked(ctx, click, kCurveKinds);
    if (h != 0 && CurveToLines(ctx.Document, ctx.Attributes, h, ctx.Preferences.PejeValue) > 0) FinishEdit(ctx);
}

}  // namespace vantro
