#include "commands/TextSteps.h"

#include "commands/PointTaking.h"
#include "geometry/TextElements.h"

namespace vantro {

void TextPlacementClick(CommandContext& ctx, const ClickInput& click)
{
    const Point at = ClickPoint(ctx, click.Shift, false);
    CurrentAttributes attributes = ctx.Attributes;
    attributes.Color = ctx.Text.Colour;
    AppendTextLines(ctx.Document, attributes, ctx.Text.Height, ctx.Text.Lines, at);
    ctx.Result.Repaint = true;
    ctx.Result.ReopenTextDialog = true;
}

}  // namespace vantro
