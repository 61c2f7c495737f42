#include "view/DimensionPainter.h"

#include "view/PixelMapping.h"
#include "view/QtText.h"

#include <algorithm>
#include <cmath>

namespace vantro {
namespace {

// Writes texts in a frame along the dimension: x along the text, y up, millimetres from Origin.
class TextFrame {
public:
    TextFrame(Surface& canvas, const Mapping& m, Point origin, double degrees)
        : canvas_(canvas), m_(m), origin_(origin), degrees_(degrees)
    {
    }
    void Write(double x, double y, const std::string& cp932)
    {
        const Point p = InTextFrame(origin_, degrees_, x, y);
        canvas_.TextOut(static_cast<int>(std::trunc(m_.Px(p.X))), static_cast<int>(std::trunc(m_.Py(p.Y))),
                        ToQString(cp932));
    }

private:
    Surface& canvas_;
    const Mapping& m_;
    Point origin_;
    double degrees_;
};

void DrawDimensionText(const PaintTarget& target, const TCadData& e, const DimensionLayout& layout, bool erase)
{
    Surface& canvas = target.Canvas;
    const AnnotationSettings& a = target.Settings.Annotations;
    const Mapping m(canvas, target.View);
    const double th = std::clamp(a.TextHeight * m.S, 1.0, 200.0);
    const double thMm = th / m.S;
    const double off = a.ArrowOffset;
    const double degrees = layout.TextDegrees;
    const Point anchor = InTextFrame(layout.TextAt, degrees, 0, off + thMm);
    const double ax = m.Px(anchor.X);
    const double ay = m.Py(anchor.Y);
    if (!(ax >= 0 && ax <= m.Width && ay >= 0 && ay <= m.Height)) return;
    const std::optional<DimensionLabel> label = MakeDimensionLabel(e, a.Format, ScreenSigns());
    if (!label) return;

    Font font{a.DimensionFace, static_cast<int>(std::trunc(th)), static_cast<int>(std::trunc(degrees * 10)),
              erase ? target.Settings.BackgroundColour : a.TextColour};
    canvas.SetFont(font);
    const double w = canvas.TextWidth(ToQString(label->Main)) / m.S / 2;
    const double g = canvas.TextWidth(QStringLiteral("0")) / m.S / 3;
    // Offsets of the leader placement from the centred one; tolerance and suffix follow the text.
    double dx = 0;
    double dy = 0;
    const bool onLeader =
        layout.LeaderAlways || (layout.LeaderCapable && a.LeaderTextOnExtension && !label->HasPrefixMemo);
    if (onLeader) {
        const bool rightward = LeaderPointsRight(layout.LeaderDirection);
        dx = (rightward ? off : -2 * w - off) + w;
        dy = thMm / 2 - (off + thMm);
    }
    TextFrame frame(canvas, m, layout.TextAt, degrees);
    frame.Write(-w + dx, off + thMm + dy, label->Main);

    font.Height = std::max(1, static_cast<int>(std::trunc(0.6 * th)));
    canvas.SetFont(font);
    const double x = w + g + dx;
    if (label->Form == ToleranceForm::Stacked) {
        frame.Write(x, off + 1.2 * thMm + dy, label->Upper);
        frame.Write(x, off + 0.6 * thMm + dy, label->Lower);
    } else if (label->Form == ToleranceForm::PlusMinus) {
        frame.Write(x, off + 0.8 * thMm + dy, "+");
        frame.Write(x, off + 0.5 * thMm + dy, "-");
        frame.Write(x + 2 * g, off + 0.7 * thMm + dy, label->Upper);
    }
    if (label->Suffix.empty()) return;
    font.Height = static_cast<int>(std::trunc(th));
    canvas.SetFont(font);
    frame.Write(w + (static_cast<double>(label->Tolerance.size()) + 1) * thMm / 3 + dx, off + thMm + dy, label->Suffix);
}

}  // namespace

void SubDimPaint(const PaintTarget& target, const TCadData& e, bool drawText, bool erase)
{
    const DimensionLayout layout = LayOutDimension(e, target.Settings.Annotations.Style);
    for (const auto& s : layout.Segments)
        DrawWorldLine(target.Canvas, target.View, s[0].X, s[0].Y, s[1].X, s[1].Y);
    for (const Point& p : layout.Dots) {
        TCadData dot{};
        dot.Kind = kKindPoint;
        dot.Cx = p.X;
        dot.Cy = p.Y;
        DrawShape(target, dot);
    }
    if (layout.HasArc) {
        const DimensionArc& arc = layout.Arc;
        DrawWorldArc(target.Canvas, target.View, target.Settings, arc.Start.X, arc.Start.Y, arc.End.X, arc.End.Y,
                     arc.Centre.X, arc.Centre.Y, arc.Radius, arc.Sweep);
    }
    if (drawText && (!layout.Segments.empty() || layout.HasArc)) DrawDimensionText(target, e, layout, erase);
}

}  // namespace vantro
