// Rotate and rotate-copy: a centre, then the angle as the direction of a clicked point or typed in
// EditR; the copies are counted in EditR.
#include "commands/TransformSteps.h"

#include "commands/EditPicks.h"
#include "commands/EntryCalculator.h"
#include "commands/EntryText.h"
#include "commands/PointTaking.h"
#include "commands/TransformBase.h"
#include "geometry/Transform.h"

namespace vantro {
namespace {

using namespace step;

constexpr const char* kCentreAfterWindowPrompt =
    "回転中心をクリックするか入力して下さい。[Shift]+クリック=選択変更　(ミラー範囲)";
constexpr const char* kZeroAngleMessage = "エラー　回転角度=0";

bool IsCopy(uint16_t code) { return code >= kRotateCopySelect && code <= kRotateCopyCount; }

uint16_t CentreStepOf(uint16_t code) { return IsCopy(code) ? kRotateCopyCentre : kRotateCentre; }

// The centre is taken: EditR waits for the angle.
void AskForAngle(CommandContext& ctx)
{
    ctx.Result.LabelR = "Q";
    ctx.Result.ShowR = true;
    EnterStep(ctx, static_cast<uint16_t>(ctx.State.CommandMode + 1));
}

// Rotates by the angle, or keeps it for the copies and asks for their count in EditR.
void TakeAngle(CommandContext& ctx, double degrees, const char* countText)
{
    if (degrees == 0) {
        ctx.Dialogs.ShowMessage(kZeroAngleMessage);
        return;
    }
    if (!IsCopy(ctx.State.CommandMode)) {
        RotateElements(ctx.Document, ctx.Attributes.Layer, 0, ctx.State.InputPoint1, degrees);
        ReturnToSelection(ctx, kRotateSelect);
        return;
    }
    ctx.State.Editing.CopyAngle = degrees;
    ctx.Result.LabelR = "N";
    ShowField(ctx, EntryFocus::R, countText);
    FocusField(ctx, EntryFocus::R);
    EnterStep(ctx, kRotateCopyCount);
}

}  // namespace

void RotateSelectClick(CommandContext& ctx, const ClickInput& click)
{
    const uint16_t code = ctx.State.CommandMode;
    if (PickedAlone(ctx, click)) EnterBasePoint(ctx, CentreStepOf(code));
}

void RotateWindowClick(CommandContext& ctx, const ClickInput&)
{
    EnterBasePoint(ctx, CentreStepOf(ctx.State.CommandMode), kCentreAfterWindowPrompt);
    ctx.Result.LabelR = "Q";
}

void RotateCentreClick(CommandContext& ctx, const ClickInput& click)
{
    TakeClickPoint(ctx, click.X, click.Y, false);
    ShowField(ctx, EntryFocus::X, FormatFiveDecimals(ctx.State.InputPoint1.X));
    ShowField(ctx, EntryFocus::Y, FormatFiveDecimals(ctx.State.InputPoint1.Y));
    AskForAngle(ctx);
}

void RotateCentreEnter(CommandContext& ctx)
{
    const std::optional<Point> p = ReadTypedPoint(ctx);
    if (!p) return;
    ctx.State.InputPoint1 = *p;
    ctx.State.AnchorPixel = WorldToCanvas(ctx.View, p->X, p->Y);
    FocusField(ctx, EntryFocus::R);
    AskForAngle(ctx);
}

// The angle is the direction of the point seen from the centre.
void RotateAngleClick(CommandContext& ctx, const ClickInput& click)
{
    const Point p = ClickPoint(ctx, click.Shift, false);
    TakeAngle(ctx, RadToDeg(DirectionAngle(p, ctx.State.InputPoint1)), "1");
}

void RotateAngleEnter(CommandContext& ctx)
{
    const std::optional<double> degrees = ReadAngle(ctx.Entries.R);
    if (!degrees) {
        ctx.Dialogs.ShowMessage(kBadAngleMessage);
        return;
    }
    TakeAngle(ctx, *degrees, "");
}

void RotateCopyCountEnter(CommandContext& ctx)
{
    const std::optional<int> copies = ReadWholeNumber(ctx.Entries.R);
    if (!copies || *copies < 1 || *copies > ctx.Document.Capacity) {
        ctx.Dialogs.ShowMessage(kCheckTypedPointMessage);
        return;
    }
    RotateElements(ctx.Document, ctx.Attributes.Layer, *copies, ctx.State.InputPoint1, ctx.State.Editing.CopyAngle);
    ReturnToSelection(ctx, kRotateCopySelect);
}

}  // namespace vantro
