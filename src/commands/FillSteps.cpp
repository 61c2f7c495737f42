#include "commands/FillSteps.h"

#include "commands/Selection.h"
#include "document/Groups.h"
#include "document/Layers.h"
#include "geometry/FillRegions.h"

namespace vantro {

void FillClick(CommandContext& ctx, const ClickInput& click)
{
    const int h = PickElement(ctx, click.X, click.Y, "0");
    if (h < 1) return;
    Drawing& drawing = ctx.Document;
    TCadData& element = drawing[h];
    if (IsLayerLocked(drawing.Layers, element.Layer)) return;
    if (element.Group < 1 && element.Kind != kKindCircle) {
        ctx.Dialogs.ShowMessage(kNotAGroupMessage);
        return;
    }
    if (element.Group < 1) {
        element.Group = NewGroupNumber(drawing);
        ++drawing.Generation;
    }
    const std::string line = std::to_string(element.Group) + "," + std::to_string(ctx.Attributes.Color);
    drawing.MemoBrush.push_back(line);
    const FillRegion region = ResolveFill(drawing, IndexGroups(drawing), line, ctx.Preferences.Bunkatu);
    if (DeletesLine(region.Problem)) {
        drawing.MemoBrush.pop_back();
        ctx.Dialogs.ShowMessage(FillProblemMessage(region));
        return;
    }
    ctx.Result.PaintFill = drawing.MemoBrush.size() - 1;
}

}  // namespace vantro
