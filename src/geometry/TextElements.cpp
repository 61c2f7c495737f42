#include "geometry/TextElements.h"

#include "document/UndoHistory.h"
#include "geometry/Constructors.h"

namespace vantro {

bool AppendTextElement(Drawing& drawing, const CurrentAttributes& attributes, double height, const std::string& text,
                       Point insertion)
{
    TCadData e{};
    e.Kind = kKindText;
    e.Width = 1;
    e.Cx = static_cast<float>(insertion.X);
    e.Cy = static_cast<float>(insertion.Y);
    e.R = height < kMinTextHeight ? kMinTextHeight : height;
    e.X1 = e.Cx;
    e.Y1 = e.Cy;
    e.X2 = e.Cx + height * static_cast<double>(text.size()) * 0.5;
    e.Y2 = e.Cy + height;
    e.Text = text;
    return AppendRecord(drawing, attributes, std::move(e), true, true, false);
}

int AppendTextLines(Drawing& drawing, const CurrentAttributes& attributes, double height,
                    const std::vector<std::string>& lines, Point click)
{
    const UndoStepGroup step(drawing);
    int stored = 0;
    double y = click.Y - height;
    for (const std::string& line : lines) {
        if (AppendTextElement(drawing, attributes, height, line, {click.X, y})) ++stored;
        y -= 1.1 * height;
    }
    return stored;
}

}  // namespace vantro
