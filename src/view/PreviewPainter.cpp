#include "view/PreviewPainter.h"

#include "document/Layers.h"
#include "geometry/Constructions.h"
#include "geometry/Dimensions.h"
#include "geometry/Ellipses.h"
#include "geometry/Transform.h"
#include "view/ElementExtents.h"
#include "view/PixelMapping.h"

#include <cmath>

namespace vantro {
namespace {

int RoundPixel(double v) { return static_cast<int>(std::nearbyint(v)); }

class PreviewDrawer {
public:
    PreviewDrawer(const PaintTarget& target, const PreviewInput& in)
        : t_(target), in_(in), m_(target.Canvas, target.View), mouse_(m_.ToWorld(in.Cursor.X, in.Cursor.Y))
    {
    }

    std::optional<double> Draw();

private:
    void PixelLine(CanvasPoint a, CanvasPoint b)
    {
        t_.Canvas.MoveTo(a.X, a.Y);
        t_.Canvas.LineTo(b.X, b.Y);
    }
    void WorldLine(Point a, Point b) { DrawWorldLine(t_.Canvas, t_.View, a.X, a.Y, b.X, b.Y); }
    CanvasPoint Pixel(Point p) const { return {RoundPixel(m_.Px(p.X)), RoundPixel(m_.Py(p.Y))}; }
    void PixelCircle(double x, double y, int radius)
    {
        t_.Canvas.Ellipse(RoundPixel(x) - radius, RoundPixel(y) - radius, RoundPixel(x) + radius, RoundPixel(y) + radius);
    }
    double PixelDistance(CanvasPoint a, CanvasPoint b) const { return std::hypot(a.X - b.X, a.Y - b.Y); }
    const TCadData* Picked(int index) const
    {
        return index >= 1 && index <= t_.Document.Count ? &t_.Document[index] : nullptr;
    }

    std::optional<double> CircleByRadius();
    void Polygon();
    void Ellipse();
    void EllipseByHeight();
    std::optional<double> ArcBetweenLines();
    void LinearDimension();
    void RadiusLeader(bool diameter);
    void AngleArc();
    void Selection(const Transformation& t);
    std::optional<double> Mirrored();
    std::optional<double> Rotated();
    void ImageOutline();
    void ImageFrame();

    const PaintTarget& t_;
    const PreviewInput& in_;
    Mapping m_;
    Point mouse_;
};

std::optional<double> PreviewDrawer::CircleByRadius()
{
    if (in_.RadiusLocked) return std::nullopt;
    const int rho = RoundPixel(PixelDistance(in_.Anchor, in_.Cursor));
    PixelCircle(in_.Anchor.X, in_.Anchor.Y, rho);
    return rho / m_.S;
}

void PreviewDrawer::Polygon()
{
    const double size = PointDistance(in_.LastPoint, mouse_);
    const std::vector<Point> corners = RegularPolygonCorners(in_.LastPoint, size, in_.Corners, in_.Shape == PreviewShape::PolygonBySide);
    for (size_t i = 1; i < corners.size(); ++i) WorldLine(corners[i - 1], corners[i]);
}

void PreviewDrawer::Ellipse()
{
    PixelLine(in_.Anchor, in_.Cursor);
    const double length = PixelDistance(in_.Anchor, in_.Cursor);
    if (in_.Shape == PreviewShape::EllipseAxisByEnds) {
        PixelCircle((in_.Anchor.X + in_.Cursor.X) / 2.0, (in_.Anchor.Y + in_.Cursor.Y) / 2.0, RoundPixel(length / 2));
    } else {
        PixelCircle(in_.Anchor.X, in_.Anchor.Y, RoundPixel(length));
    }
}

void PreviewDrawer::EllipseByHeight()
{
    const auto values = EllipseFromAxis(in_.InputPoint2, in_.LastPoint, mouse_, in_.Shape == PreviewShape::EllipseHeightFromCentre);
    if (!values) return;
    TCadData e{};
    e.Kind = kKindEllipse;
    e.Cx = values->Centre.X;
    e.Cy = values->Centre.Y;
    e.R = values->Major;
    e.Y1 = values->Flattening;
    e.Angle = values->Inclination;
    e.X1 = values->Start;
    e.X2 = values->End;
    DrawShape(t_, e);
    e.Angle += kPi;  // the other half, as the command appends it
    DrawShape(t_, e);
}

std::optional<double> PreviewDrawer::ArcBetweenLines()
{
    const TCadData* line1 = Picked(in_.FirstPick);
    const TCadData* line2 = Picked(in_.SecondPick);
    if (line1 == nullptr || line2 == nullptr) return std::nullopt;
    const double radius = PointDistance(in_.InputPoint3, mouse_);
    const auto arc = ArcBetweenTwoLinesGeometry(*line1, in_.InputPoint1, *line2, in_.InputPoint2, in_.InputPoint3, radius);
    if (!arc) return radius;
    DrawWorldArc(t_.Canvas, t_.View, t_.Settings, arc->Start.X, arc->Start.Y, arc->End.X, arc->End.Y, arc->Centre.X,
                 arc->Centre.Y, arc->Radius, arc->Sweep);
    return radius;
}

void PreviewDrawer::LinearDimension()
{
    const CanvasPoint p1 = Pixel(in_.InputPoint1);
    const CanvasPoint p2 = Pixel(in_.LastPoint);
    if (in_.Shape != PreviewShape::AlignedDimension) {
        const bool horizontal = in_.Shape == PreviewShape::HorizontalDimension;
        const CanvasPoint f1 = horizontal ? CanvasPoint{p1.X, in_.Cursor.Y} : CanvasPoint{in_.Cursor.X, p1.Y};
        const CanvasPoint f2 = horizontal ? CanvasPoint{p2.X, in_.Cursor.Y} : CanvasPoint{in_.Cursor.X, p2.Y};
        PixelLine(p1, f1);
        PixelLine(p2, f2);
        PixelLine(f1, f2);
        return;
    }
    Point f1;
    Point f2;
    if (!AlignedDimensionLine(in_.InputPoint1, in_.LastPoint, mouse_, f1, f2)) return;
    WorldLine(in_.InputPoint1, f1);
    WorldLine(in_.LastPoint, f2);
    WorldLine(f1, f2);
}

void PreviewDrawer::RadiusLeader(bool diameter)
{
    const TCadData* circle = Picked(in_.FirstPick);
    if (circle == nullptr) return;
    const Point centre{circle->Cx, circle->Cy};
    if (PointDistance(centre, mouse_) < Eps()) return;
    const double theta = DirectionAngle(mouse_, centre);
    const Point towards{centre.X + circle->R * std::cos(theta), centre.Y + circle->R * std::sin(theta)};
    if (diameter) WorldLine({2 * centre.X - towards.X, 2 * centre.Y - towards.Y}, towards);
    WorldLine(towards, mouse_);
}

void PreviewDrawer::AngleArc()
{
    const TCadData* a = Picked(in_.FirstPick);
    const TCadData* b = Picked(in_.SecondPick);
    if (a == nullptr || b == nullptr) return;
    Point vertex;
    Point legA;
    Point legB;
    if (!AngleDimensionLegs({a->X1, a->Y1}, {a->X2, a->Y2}, {b->X1, b->Y1}, {b->X2, b->Y2}, mouse_, vertex, legA, legB))
        return;
    const double r = PointDistance(vertex, mouse_);
    const double startAngle = DirectionAngle(legA, vertex);
    const double endAngle = DirectionAngle(legB, vertex);
    const Point start{vertex.X + r * std::cos(startAngle), vertex.Y + r * std::sin(startAngle)};
    const Point end{vertex.X + r * std::cos(endAngle), vertex.Y + r * std::sin(endAngle)};
    DrawWorldArc(t_.Canvas, t_.View, t_.Settings, start.X, start.Y, end.X, end.Y, vertex.X, vertex.Y, r,
                 SweepAngleDeg(legA, legB, vertex));
}

// The selection transformed: element by element up to "Hani" of them, else its outline.
void PreviewDrawer::Selection(const Transformation& t)
{
    const Drawing& d = t_.Document;
    std::vector<int> shown;
    ExtentBox box;
    for (int i = 1; i <= d.Count; ++i) {
        if (d[i].Selected != 1 || !IsLayerVisible(d.Layers, d[i].Layer)) continue;
        shown.push_back(i);
        AddElementExtent(box, d[i]);
    }
    if (static_cast<int>(shown.size()) > in_.Hani) {
        if (box.Empty) return;
        const Point corners[] = {{box.MinX, box.MinY}, {box.MaxX, box.MinY}, {box.MaxX, box.MaxY}, {box.MinX, box.MaxY}};
        for (int k = 0; k < 4; ++k) WorldLine(TransformPoint(t, corners[k]), TransformPoint(t, corners[(k + 1) % 4]));
        return;
    }
    const Pen pen = t_.Canvas.CurrentPen();
    for (const int i : shown) {
        TCadData copy = d[i];
        TransformElement(copy, t, false);
        DrawRecord(t_, copy, false);
    }
    t_.Canvas.SetPen(pen);
}

std::optional<double> PreviewDrawer::Mirrored()
{
    if (PointDistance(in_.LastPoint, mouse_) < 0.001) return std::nullopt;
    Selection(MirrorAcross(in_.LastPoint, mouse_));
    WorldLine(in_.LastPoint, mouse_);
    return std::nullopt;
}

std::optional<double> PreviewDrawer::Rotated()
{
    const double degrees = RadToDeg(DirectionAngle(mouse_, in_.LastPoint));
    Selection(RotateAbout(in_.LastPoint, degrees));
    PixelLine(in_.Anchor, in_.Cursor);
    return degrees;
}

void PreviewDrawer::ImageOutline()
{
    const ImageList& images = t_.Document.Images;
    if (in_.SelectedImage < 1 || in_.SelectedImage > images.ImageCount) return;
    const ImageSlot& slot = images.Slots[static_cast<size_t>(in_.SelectedImage)];
    const int w = RoundPixel(ImageWidth(slot) * m_.S);
    const int h = RoundPixel(ImageHeight(slot) * m_.S);
    t_.Canvas.Rectangle(in_.Cursor.X, in_.Cursor.Y, in_.Cursor.X + w, in_.Cursor.Y + h);
}

// A mouse left of or above the corner is mirrored about it: the frame always hangs right and down.
void PreviewDrawer::ImageFrame()
{
    const CanvasPoint a = in_.Anchor;
    const int x = in_.Cursor.X < a.X ? 2 * a.X - in_.Cursor.X : in_.Cursor.X;
    const int y = in_.Cursor.Y < a.Y ? 2 * a.Y - in_.Cursor.Y : in_.Cursor.Y;
    t_.Canvas.Rectangle(a.X, a.Y, x, y);
}

std::optional<double> PreviewDrawer::Draw()
{
    switch (in_.Shape) {
    case PreviewShape::None:
    case PreviewShape::TextPlacement: break;
    case PreviewShape::RubberLine: PixelLine(in_.Anchor, in_.Cursor); break;
    case PreviewShape::TypedCircle:
        if (in_.TypedRadius) {
            const double pixels = *in_.TypedRadius * m_.S / (in_.DiameterVariant ? 2 : 1);
            PixelCircle(in_.Cursor.X, in_.Cursor.Y, RoundPixel(pixels));
        }
        break;
    case PreviewShape::CircleByRadius: return CircleByRadius();
    case PreviewShape::CircleOn2Points:
        PixelCircle((in_.Anchor.X + in_.Cursor.X) / 2.0, (in_.Anchor.Y + in_.Cursor.Y) / 2.0,
                    RoundPixel(PixelDistance(in_.Anchor, in_.Cursor) / 2));
        break;
    case PreviewShape::CircleThrough3Points:
        if (const auto circle = CircleThrough3Points(in_.LastPoint, in_.InputPoint1, mouse_))
            PixelCircle(m_.Px(circle->Centre.X), m_.Py(circle->Centre.Y), RoundPixel(circle->Radius * m_.S));
        break;
    case PreviewShape::Rectangle: {
        const CanvasPoint corner = Pixel(in_.LastPoint);
        t_.Canvas.Rectangle(corner.X, corner.Y, in_.Cursor.X, in_.Cursor.Y);
        break;
    }
    case PreviewShape::PolygonBySide:
    case PreviewShape::PolygonByVertex: Polygon(); break;
    case PreviewShape::LineFromLastPoint: PixelLine(Pixel(in_.LastPoint), in_.Cursor); break;
    case PreviewShape::EllipseAxisByEnds:
    case PreviewShape::EllipseAxisFromCentre: Ellipse(); break;
    case PreviewShape::EllipseHeightByEnds:
    case PreviewShape::EllipseHeightFromCentre: EllipseByHeight(); break;
    case PreviewShape::ArcBetweenLines: return ArcBetweenLines();
    case PreviewShape::HorizontalDimension:
    case PreviewShape::VerticalDimension:
    case PreviewShape::AlignedDimension: LinearDimension(); break;
    case PreviewShape::LeaderShoulder: {
        const CanvasPoint knee = Pixel(in_.LastPoint);
        PixelLine(Pixel(in_.InputPoint1), knee);
        PixelLine(knee, {in_.Cursor.X, knee.Y});
        break;
    }
    case PreviewShape::RelativeValueLine: {
        const CanvasPoint base = Pixel(in_.LastPoint);
        const bool vertical = std::abs(in_.Cursor.Y - base.Y) > std::abs(in_.Cursor.X - base.X);
        PixelLine(base, vertical ? CanvasPoint{base.X, in_.Cursor.Y} : CanvasPoint{in_.Cursor.X, base.Y});
        break;
    }
    case PreviewShape::RadiusLeader: RadiusLeader(false); break;
    case PreviewShape::DiameterLeader: RadiusLeader(true); break;
    case PreviewShape::AngleArc: AngleArc(); break;
    case PreviewShape::SelectionMoved:
        Selection(MoveBy({mouse_.X - in_.LastPoint.X, mouse_.Y - in_.LastPoint.Y}));
        break;
    case PreviewShape::SelectionMirrored: return Mirrored();
    case PreviewShape::SelectionRotated: return Rotated();
    case PreviewShape::ImageOutline: ImageOutline(); break;
    case PreviewShape::ImageFrame: ImageFrame(); break;
    }
    return std::nullopt;
}

}  // namespace

std::optional<double> DrawPreviewShape(const PaintTarget& target, const PreviewInput& input)
{
    target.Canvas.SetBrush({});
    return PreviewDrawer(target, input).Draw();
}

}  // namespace vantro
