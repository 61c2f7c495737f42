#include "view/ElementPainter.h"

#include "document/Layers.h"
#include "geometry/CurvePoints.h"
#include "geometry/CurvePolyline.h"
#include "geometry/EllipsePolyline.h"
#include "view/DimensionPainter.h"
#include "view/FillPainter.h"
#include "view/GridPainter.h"
#include "view/PixelMapping.h"
#include "view/TextPainter.h"

#include <cmath>

namespace vantro {
namespace {

int RoundPixel(double v) { return static_cast<int>(std::nearbyint(v)); }

// Pixel coordinates a surface can take: far beyond any canvas but safely inside int.
constexpr double kLargestPixel = 1.0e8;
// Boxes of circles and arcs handed to the surface stay within this; larger ones are drawn as
// clipped segments.
constexpr double kLargestBox = 1.0e6;

bool FitsPixels(double x, double y) { return std::abs(x) < kLargestPixel && std::abs(y) < kLargestPixel; }
bool FitsBox(double x, double y) { return std::abs(x) < kLargestBox && std::abs(y) < kLargestBox; }

// A pixel-space segment, drawn whole when it stays near the canvas, else clipped to the circle
// through the canvas corners.
void DrawPixelSegment(Surface& canvas, double ax, double ay, double bx, double by)
{
    if (!std::isfinite(ax) || !std::isfinite(ay) || !std::isfinite(bx) || !std::isfinite(by)) return;
    const double w = canvas.Width();
    const double h = canvas.Height();
    auto inside = [w, h](double x, double y) { return -w < x && x < 2 * w && -h < y && y < 2 * h; };
    if (!inside(ax, ay) || !inside(bx, by)) {
        const Point centre{w / 2, h / 2};
        const double radius = std::hypot(w / 2, h / 2);
        const IntersectionResult cut = IntersectSegmentCircle({ax, ay}, {bx, by}, centre, radius);
        const bool aInside = PointDistance({ax, ay}, centre) < radius;
        if (cut.Count == 2) {
            ax = cut.Points[0].X;
            ay = cut.Points[0].Y;
            bx = cut.Points[1].X;
            by = cut.Points[1].Y;
        } else if (cut.Count == 1 && aInside) {
            bx = cut.Points[0].X;
            by = cut.Points[0].Y;
        } else if (cut.Count == 1) {
            ax = cut.Points[0].X;
            ay = cut.Points[0].Y;
        } else if (!aInside) {
            return;
        }
        // Otherwise the segment lies wholly inside the circle, which reaches beyond the box on a
        // wide or tall canvas: it is drawn as it is.
    }
    if (!FitsPixels(ax, ay) || !FitsPixels(bx, by)) return;
    canvas.MoveTo(RoundPixel(ax), RoundPixel(ay));
    canvas.LineTo(RoundPixel(bx), RoundPixel(by));
}

void DrawLineBetween(Surface& canvas, const Mapping& m, Point a, Point b)
{
    DrawPixelSegment(canvas, m.Px(a.X), m.Py(a.Y), m.Px(b.X), m.Py(b.Y));
}

// A 2-pixel dot, only when strictly inside the canvas.
void DrawDot(Surface& canvas, const Mapping& m, Point p)
{
    const double px = m.Px(p.X);
    const double py = m.Py(p.Y);
    if (!(px > 0 && px < m.Width && py > 0 && py < m.Height)) return;
    canvas.Ellipse(RoundPixel(px - 2), RoundPixel(py - 2), RoundPixel(px + 2), RoundPixel(py + 2));
}

int ClampedFineness(const PaintSettings& settings) { return ClampFineness(settings.Fineness); }

Point OnCircle(Point centre, double r, double degrees)
{
    const double t = DegToRad(degrees);
    return {centre.X + r * std::cos(t), centre.Y + r * std::sin(t)};
}

// Successive points of a circle in equal steps, turned by one rotation each instead of a sine and
// cosine per point; a few thousand steps stay far below a pixel of drift.
class CircleSteps {
public:
    CircleSteps(Point centre, double r, double startDegrees, double stepDegrees)
        : centre_(centre), stepCos_(std::cos(DegToRad(stepDegrees))), stepSin_(std::sin(DegToRad(stepDegrees)))
    {
        const double t = DegToRad(startDegrees);
        dx_ = r * std::cos(t);
        dy_ = r * std::sin(t);
    }
    Point Current() const { return {centre_.X + dx_, centre_.Y + dy_}; }
    void Advance()
    {
        const double x = stepCos_ * dx_ - stepSin_ * dy_;
        dy_ = stepSin_ * dx_ + stepCos_ * dy_;
        dx_ = x;
    }

private:
    Point centre_;
    double stepCos_;
    double stepSin_;
    double dx_;
    double dy_;
};

// Where two circles cross, computed without the geometric tolerance: a circle thousands of times
// larger than the canvas meets the corner circle at a shallow angle that the tolerance would read as
// a touch, and its visible part would vanish.
IntersectionResult CircleCrossings(Point c1, double r1, Point c2, double r2)
{
    IntersectionResult result;
    const double d = PointDistance(c1, c2);
    if (!(d > 0) || d > r1 + r2 || d < std::abs(r1 - r2)) return result;
    const double along = (d * d + r1 * r1 - r2 * r2) / (2 * d);
    const double across = std::sqrt(std::max(0.0, (r1 - along) * (r1 + along)));
    const Point u{(c2.X - c1.X) / d, (c2.Y - c1.Y) / d};
    const Point foot{c1.X + along * u.X, c1.Y + along * u.Y};
    result.Count = 2;
    result.Points[0] = {foot.X - across * u.Y, foot.Y + across * u.X};
    result.Points[1] = {foot.X + across * u.Y, foot.Y - across * u.X};
    return result;
}

// A big circle: only the part inside the circle through the canvas corners, as one polyline of
// truncated pixels.
void DrawBigCircle(Surface& canvas, const Mapping& m, const PaintSettings& settings, Point centre, double r)
{
    const Point canvasCentre = m.CentreWorld();
    const IntersectionResult cut = CircleCrossings(centre, r, canvasCentre, m.ReachWorld());
    if (cut.Count < 2) return;
    // Start at the crossing from which the counter-clockwise way to the other passes the canvas
    // (choosing by the crossings' y fails when the centres line up vertically).
    Point start = cut.Points[0];
    Point other = cut.Points[1];
    if (SweepAngleDeg(start, canvasCentre, centre) > SweepAngleDeg(start, other, centre)) std::swap(start, other);
    const double e = RadToDeg(DirectionAngle(start, centre));
    const double sweep = SweepAngleDeg(start, other, centre);
    const int k = ClampedFineness(settings);
    const int n = static_cast<int>(std::trunc(k * sweep / 360));
    auto pixel = [&](int j) {
        const Point p = OnCircle(centre, r, e + j * 360.0 / k);
        return Point{std::trunc(m.Px(p.X)), std::trunc(m.Py(p.Y))};
    };
    Point previous = pixel(0);
    for (int j = 1; j <= n + 2; ++j) {
        const Point next = pixel(j);
        DrawPixelSegment(canvas, previous.X, previous.Y, next.X, next.Y);
        previous = next;
    }
}

// An arc as world segments, never shorter than about 5 pixels.
void DrawArcSegments(Surface& canvas, const Mapping& m, const PaintSettings& settings, Point centre, double r,
                     double startDegrees, double sweep)
{
    int k = ClampedFineness(settings);
    double step = 360.0 / k;
    const double radiusPixels = r * m.S;
    if (radiusPixels * std::tan(DegToRad(step / 2)) < 5) {
        const double coarse = RadToDeg(std::atan(5 / radiusPixels));
        k = std::max(1, static_cast<int>(std::trunc(360 / coarse)));
        step = 360.0 / k;
    }
    const int n = static_cast<int>(std::trunc(k * sweep / 360));
    if (n > k) return;  // a sweep beyond a full turn is not an arc
    CircleSteps steps(centre, r, startDegrees, step);
    Point previous = steps.Current();
    for (int j = 1; j <= n; ++j) {
        steps.Advance();
        const Point next = steps.Current();
        DrawLineBetween(canvas, m, previous, next);
        previous = next;
    }
    DrawLineBetween(canvas, m, previous, OnCircle(centre, r, startDegrees + sweep));
}

void DrawCircleBox(Surface& canvas, const Mapping& m, Point centre, double r)
{
    const double x = m.Px(centre.X);
    const double y = m.Py(centre.Y);
    const double rho = m.S * r;
    canvas.Ellipse(RoundPixel(x - rho), RoundPixel(y - rho), RoundPixel(x + rho), RoundPixel(y + rho));
}

// The surface's Arc between the pixels of start and end. Ends within a pixel of each other give
// it no direction to go: a short arc is then left out, and a long one is the whole circle.
void DrawArcInBox(Surface& canvas, const Mapping& m, Point centre, double r, Point start, Point end, double sweep)
{
    const int sx = RoundPixel(m.Px(start.X));
    const int sy = RoundPixel(m.Py(start.Y));
    int ex = RoundPixel(m.Px(end.X));
    int ey = RoundPixel(m.Py(end.Y));
    if (std::hypot(ex - sx, ey - sy) <= 1) {
        if (sweep < 180) return;
        ex = sx;  // equal rays: the whole circle
        ey = sy;
    }
    const double x = m.Px(centre.X);
    const double y = m.Py(centre.Y);
    const double rho = m.S * r;
    canvas.Arc(RoundPixel(x - rho), RoundPixel(y - rho), RoundPixel(x + rho), RoundPixel(y + rho), sx, sy, ex, ey);
}

// Kinds 3 and 4. Arcs and circles that cannot reach the canvas cost nothing; "OS" 98 draws arcs as
// segments, 2000 with the surface's Arc. A box too large for pixel coordinates is always drawn as
// segments.
void DrawArcOrCircle(Surface& canvas, const Mapping& m, const PaintSettings& settings, const TCadData& e)
{
    const Point centre{e.Cx, e.Cy};
    const double r = e.R;
    const double reach = m.ReachWorld();
    const double distance = PointDistance(m.CentreWorld(), centre);
    if (!std::isfinite(r) || !std::isfinite(distance) || r + reach < distance) return;
    const bool big = distance / 2 > reach - r;
    const bool isArc = e.Kind == kKindArc;
    const bool boxFits = FitsBox(m.Px(centre.X) - m.S * r, m.Py(centre.Y) - m.S * r) &&
                         FitsBox(m.Px(centre.X) + m.S * r, m.Py(centre.Y) + m.S * r);
    const bool segments = (settings.ArcMode != 2000 && (settings.ArcMode == 98 || big)) || !boxFits;
    if (segments && (big || isArc || !boxFits)) {
        if (isArc) DrawArcSegments(canvas, m, settings, centre, r, RadToDeg(DirectionAngle({e.X1, e.Y1}, centre)), e.Angle);
        else DrawBigCircle(canvas, m, settings, centre, r);
        return;
    }
    if (!isArc) {
        DrawCircleBox(canvas, m, centre, r);
        return;
    }
    DrawArcInBox(canvas, m, centre, r, {e.X1, e.Y1}, {e.X2, e.Y2}, e.Angle);
}

// Like arcs, an ellipse is cut into at most "Bunkatu" steps per half turn but into no steps
// shorter than about 5 pixels, and costs nothing when it cannot reach the canvas.
void DrawEllipse(Surface& canvas, const Mapping& m, const PaintSettings& settings, const TCadData& e)
{
    if (!(e.R >= Eps()) || std::abs(e.X1) > e.R || std::abs(e.X2) > e.R) return;
    const double reach = std::max(1.0, std::abs(e.Y1)) * e.R;
    if (PointDistance(m.CentreWorld(), {e.Cx, e.Cy}) > m.ReachWorld() + reach) return;
    const double halfTurnPixels = kPi * e.R * m.S;
    const int fineness = std::min(ClampedFineness(settings), std::max(4, static_cast<int>(std::ceil(halfTurnPixels / 5))));
    const std::vector<Point> points = EllipsePolyline(e, fineness);
    for (size_t i = 1; i < points.size(); ++i) DrawLineBetween(canvas, m, points[i - 1], points[i]);
}

void DrawCrossCircle(Surface& canvas, const Mapping& m, const TCadData& e)
{
    Pen pen = canvas.CurrentPen();
    pen.Width = 1;
    pen.Style = e.Value > 0 ? kStyleSolid : kStyleDot;
    canvas.SetPen(pen);
    const double x = m.Px(e.Cx);
    const double y = m.Py(e.Cy);
    const float h = static_cast<float>(m.S * e.R);
    if (!FitsBox(x - 1.2 * h, y - 1.2 * h) || !FitsBox(x + 1.2 * h, y + 1.2 * h)) return;
    canvas.Ellipse(RoundPixel(x - h), RoundPixel(y - h), RoundPixel(x + h), RoundPixel(y + h));
    canvas.MoveTo(RoundPixel(x - 1.2 * h), RoundPixel(y));
    canvas.LineTo(RoundPixel(x + 1.2 * h), RoundPixel(y));
    canvas.MoveTo(RoundPixel(x), RoundPixel(y - 1.2 * h));
    canvas.LineTo(RoundPixel(x), RoundPixel(y + 1.2 * h));
}

void DrawFilledRectangle(Surface& canvas, const Mapping& m, const TCadData& e)
{
    const double x1 = std::nearbyint(m.S * e.X1) + m.OriginX;
    const double y1 = std::nearbyint(-m.S * e.Y1) + m.OriginY;
    const double x2 = std::nearbyint(m.S * e.X2) + m.OriginX;
    const double y2 = std::nearbyint(-m.S * e.Y2) + m.OriginY;
    if (!FitsPixels(x1, y1) || !FitsPixels(x2, y2)) return;
    Pen pen = canvas.CurrentPen();
    pen.Colour = e.Color;
    canvas.SetPen(pen);
    canvas.SetBrush({true, e.Color});
    canvas.Rectangle(static_cast<int>(x1), static_cast<int>(y1), static_cast<int>(x2), static_cast<int>(y2));
    canvas.SetBrush({});
}

// The spline through the listed points, fineness segments per span, with dots at its ends.
void DrawCurveThroughPoints(Surface& canvas, const Mapping& m, const std::vector<Point>& p, int fineness)
{
    const std::vector<Point> polyline = SplineThroughPoints(p, fineness);
    for (size_t i = 1; i < polyline.size(); ++i) DrawLineBetween(canvas, m, polyline[i - 1], polyline[i]);
    if (!p.empty()) {
        DrawDot(canvas, m, p.front());
        DrawDot(canvas, m, p.back());
    }
}

// Quadratic pieces between the midpoints of the control polygon, with dots at the curve's ends.
void DrawCurveByControlPoints(Surface& canvas, const Mapping& m, const std::vector<Point>& p, int fineness)
{
    if (p.size() < 2) return;
    const std::vector<Point> polyline = CurveByControlPoints(p, fineness);
    for (size_t i = 1; i < polyline.size(); ++i) DrawLineBetween(canvas, m, polyline[i - 1], polyline[i]);
    DrawDot(canvas, m, MidPoint(p[0], p[1]));
    DrawDot(canvas, m, MidPoint(p[p.size() - 2], p[p.size() - 1]));
}

void DrawCurve(Surface& canvas, const Mapping& m, const PaintSettings& settings, const TCadData& e)
{
    const auto points = ParseCurvePoints(e.Text);
    if (!points) return;
    const int fineness = std::clamp(settings.CurveFineness, 1, 1000);
    if (e.Kind == kKindCurveThroughPoints) DrawCurveThroughPoints(canvas, m, *points, fineness);
    else DrawCurveByControlPoints(canvas, m, *points, fineness);
}

const TCadData* ElementAt(const Drawing& drawing, int index)
{
    if (index == -1 || index == -2) return &drawing.Scratch[static_cast<size_t>(-index - 1)];
    if (index < 1 || index > drawing.Count) return nullptr;
    return &drawing[index];
}

void DrawShapeWith(Surface& canvas, const Mapping& m, const PaintSettings& settings, const TCadData& e)
{
    switch (e.Kind) {
    case kKindLine: DrawLineBetween(canvas, m, {e.X1, e.Y1}, {e.X2, e.Y2}); break;
    case kKindEllipse: DrawEllipse(canvas, m, settings, e); break;
    case kKindArc:
    case kKindCircle: DrawArcOrCircle(canvas, m, settings, e); break;
    case kKindPoint: DrawDot(canvas, m, {e.Cx, e.Cy}); break;
    case kKindFilledRect: DrawFilledRectangle(canvas, m, e); break;
    case kKindCrossCircle: DrawCrossCircle(canvas, m, e); break;
    case kKindCurveThroughPoints:
    case kKindCurveByControlPoints: DrawCurve(canvas, m, settings, e); break;
    default: break;  // dimensions and texts have painters of their own
    }
}

// Any element: dimensions and texts through their painters, in full or (inverting pen) as lines
// and frames only.
void DrawAnyElement(const PaintTarget& target, const Mapping& m, const TCadData& e, bool full)
{
    if (IsDimension(e.Kind)) SubDimPaint(target, e, full, false);
    else if (e.Kind == kKindText) DrawText(target, e, full, false);
    else DrawShapeWith(target.Canvas, m, target.Settings, e);
}

// How often the pass offers the event loop a turn; the caller's yieldTurn decides by the clock
// whether to take it.
constexpr int kElementsPerTurn = 64;

// Restores the idle state however the pass ends.
struct RepaintGuard {
    ViewState& View;
    ~RepaintGuard() { View.Repaint = RepaintState::Idle; }
};

}  // namespace

Pen ElementPen(const PaintSettings& settings, const TCadData& element, int index)
{
    Pen pen;
    const bool picked = index != 0 && (index == settings.FirstPick || index == settings.SecondPick);
    if (element.Selected == 1 || picked) pen.Colour = settings.HighlightColour;
    else if (element.Kind > 5) pen.Colour = settings.AnnotationColour;
    else pen.Colour = element.Color;
    pen.Width = element.Kind > 5 ? 1 : std::clamp<int>(element.Width, 1, 3);
    pen.Style = element.LineStyle <= kStyleDashDotDot ? element.LineStyle : kStyleSolid;
    return pen;
}

void DrawWorldLine(Surface& canvas, const ViewState& view, double x1, double y1, double x2, double y2)
{
    DrawLineBetween(canvas, Mapping(canvas, view), {x1, y1}, {x2, y2});
}

void DrawWorldArc(Surface& canvas, const ViewState& view, const PaintSettings& settings, double startX,
                  double startY, double endX, double endY, double cx, double cy, double r, double sweep)
{
    const Mapping m(canvas, view);
    const Point centre{cx, cy};
    const double reach = m.ReachWorld();
    const double distance = PointDistance(m.CentreWorld(), centre);
    if (!std::isfinite(r) || !(r + reach >= distance)) return;
    const double x = m.Px(cx);
    const double y = m.Py(cy);
    const double rho = m.S * r;
    if (distance / 2 > reach - r || !FitsBox(x - rho, y - rho) || !FitsBox(x + rho, y + rho)) {
        const double j = RadToDeg(DirectionAngle({startX, startY}, centre));
        const int k = ClampedFineness(settings);
        const int n = static_cast<int>(std::trunc(sweep * k / 360));
        if (n > k) return;
        Point previous = OnCircle(centre, r, j);
        for (int i = 1; i <= n; ++i) {
            const Point next = OnCircle(centre, r, j + i * 360.0 / k);
            DrawLineBetween(canvas, m, previous, next);
            previous = next;
        }
        DrawLineBetween(canvas, m, previous, OnCircle(centre, r, j + sweep));
        return;
    }
    DrawArcInBox(canvas, m, centre, r, {startX, startY}, {endX, endY}, sweep);
}

void DrawShape(const PaintTarget& target, const TCadData& element)
{
    DrawShapeWith(target.Canvas, Mapping(target.Canvas, target.View), target.Settings, element);
}

void DrawWithCurrentPen(const PaintTarget& target, const TCadData& element)
{
    DrawAnyElement(target, Mapping(target.Canvas, target.View), element, true);
}

void DrawElement(const PaintTarget& target, int index, bool copyMode)
{
    const TCadData* element = ElementAt(target.Document, index);
    if (element == nullptr || element->Kind == kKindEmpty) return;
    Pen pen = ElementPen(target.Settings, *element, index);
    if (index < 0) pen.Colour = target.Settings.HighlightColour;
    pen.Mode = copyMode ? PenMode::Copy : PenMode::Not;
    target.Canvas.SetPen(pen);
    DrawAnyElement(target, Mapping(target.Canvas, target.View), *element, copyMode);
}

void DrawElementMerged(const PaintTarget& target, int index)
{
    const TCadData* element = ElementAt(target.Document, index);
    if (element == nullptr || element->Kind == kKindEmpty) return;
    Pen pen = ElementPen(target.Settings, *element, index);
    pen.Colour = target.Settings.HighlightColour;
    pen.Mode = PenMode::MergePenNot;
    target.Canvas.SetPen(pen);
    DrawAnyElement(target, Mapping(target.Canvas, target.View), *element, true);
    target.Canvas.SetPen({});
}

void DrawRecord(const PaintTarget& target, const TCadData& element, bool copyMode)
{
    if (element.Kind == kKindEmpty) return;
    Pen pen = ElementPen(target.Settings, element, 0);
    pen.Mode = copyMode ? PenMode::Copy : PenMode::Not;
    target.Canvas.SetPen(pen);
    DrawAnyElement(target, Mapping(target.Canvas, target.View), element, copyMode);
}

void EraseElement(const PaintTarget& target, int index)
{
    const TCadData* element = ElementAt(target.Document, index);
    if (element == nullptr || element->Kind == kKindEmpty) return;
    const Pen previous = target.Canvas.CurrentPen();
    Pen pen = ElementPen(target.Settings, *element, index);
    pen.Colour = target.Settings.BackgroundColour;
    pen.Style = kStyleSolid;
    pen.Mode = PenMode::Copy;
    target.Canvas.SetPen(pen);
    if (element->Kind == kKindFilledRect) {
        TCadData background = *element;
        background.Color = target.Settings.BackgroundColour;
        DrawShape(target, background);
    } else if (IsDimension(element->Kind)) {
        SubDimPaint(target, *element, true, true);
    } else if (element->Kind == kKindText) {
        DrawText(target, *element, true, true);
    } else {
        DrawShape(target, *element);
    }
    target.Canvas.SetPen(previous);
}

bool IsPainted(const Drawing& drawing, const TCadData& element)
{
    return IsElementShown(drawing.Layers, element);
}

void PaintDrawing(Surface& canvas, ViewState& view, const Drawing& drawing, const PaintSettings& settings,
                  const std::function<void()>& yieldTurn, const std::function<void(Surface&)>& repaintBackground)
{
    const RepaintGuard guard{view};
    view.Repaint = RepaintState::Painting;
    for (;;) {
        if (drawing.Count == 0 && view.Grid.Pattern == GridPattern::None) {
            DrawOriginMarker(canvas, view);
            return;
        }
        const Mapping m(canvas, view);
        DrawGrid(canvas, view);
        DrawOriginMarker(canvas, view);
        if (settings.FillsShown) PaintFills(canvas, view, drawing, settings.Fineness);
        // Filled rectangles are elements that snaps find whatever the fill switch: always shown.
        canvas.SetPen({0, 1, kStyleSolid, PenMode::Copy});
        for (int i = 1; i <= drawing.Count; ++i)
            if (drawing[i].Kind == kKindFilledRect && IsPainted(drawing, drawing[i]))
                DrawFilledRectangle(canvas, m, drawing[i]);
        canvas.SetBrush({});
        const PaintTarget target{canvas, view, drawing, settings};
        bool restart = false;
        for (int i = -2; i <= drawing.Count; ++i) {
            if (i > 0 && i % kElementsPerTurn == 0) {
                yieldTurn();
                restart = view.Repaint == RepaintState::RestartRequested;
                if (restart) break;
            }
            if (i == 0) continue;
            const TCadData& e = i < 0 ? drawing.Scratch[static_cast<size_t>(-i - 1)] : drawing[i];
            if (e.Kind == kKindFilledRect) continue;
            if (i < 0 ? e.Kind == kKindEmpty : !IsPainted(drawing, e)) continue;
            Pen pen = ElementPen(settings, e, i);
            if (i < 0) pen.Colour = settings.HighlightColour;
            canvas.SetPen(pen);
            DrawAnyElement(target, m, e, true);
        }
        if (!restart) break;
        view.Repaint = RepaintState::Painting;
        repaintBackground(canvas);
    }
    canvas.SetBrush({});
    Pen pen = canvas.CurrentPen();
    pen.Mode = PenMode::Copy;
    canvas.SetPen(pen);
}

}  // namespace vantro
