#include "geometry/Dimensions.h"

#include "geometry/Constructors.h"

#include <algorithm>
#include <cmath>

namespace vantro {
namespace {

// Every dimension is one element; only the horizontal one tells the user about bad input.
bool StoreDimension(Drawing& drawing, const CurrentAttributes& attributes, TCadData e)
{
    const bool tell = e.Kind == kKindDimX;
    if (e.Width == 0) e.Width = 1;
    return AppendRecord(drawing, attributes, std::move(e), true, true, tell);
}

Point Along(Point from, double radians, double length)
{
    return {from.X + length * std::cos(radians), from.Y + length * std::sin(radians)};
}

// The end of the line a-b on the click's side of the vertex: the one whose direction from the
// vertex is nearer the click's. Ends on the vertex have no direction and are not taken.
bool LegPoint(Point vertex, Point a, Point b, Point click, Point& leg)
{
    const double towards = DirectionAngle(click, vertex);
    auto gap = [&](Point p) {
        const double d = std::abs(DirectionAngle(p, vertex) - towards);
        return std::min(d, 2 * kPi - d);
    };
    const bool aUsable = PointDistance(a, vertex) >= Eps();
    const bool bUsable = PointDistance(b, vertex) >= Eps();
    if (!aUsable && !bUsable) return false;
    if (!bUsable || (aUsable && gap(a) <= gap(b))) leg = a;
    else leg = b;
    return true;
}

}  // namespace

TCadData DimensionRecord(int8_t kind, Point p1, Point p2, Point textAt)
{
    TCadData e{};
    e.Kind = kind;
    e.X1 = p1.X;
    e.Y1 = p1.Y;
    e.X2 = p2.X;
    e.Y2 = p2.Y;
    e.Cx = textAt.X;
    e.Cy = textAt.Y;
    return e;
}

double ApplyRatio(double length, int ratioIndex)
{
    switch (ratioIndex) {
    case 0: return length / 5;
    case 1: return length / 4;
    case 2: return length / 3;
    case 3: return length / 2;
    case 5: return length * 1.5;
    case 6: return length * 2;
    case 7: return length * 3;
    case 8: return length * 4;
    case 9: return length * 5;
    case 10: return length * 10;
    default: return length;
    }
}

double SnapLinePosition(double value, int linePitch)
{
    switch (linePitch) {
    case 1: return std::nearbyint(value);
    case 2: return RoundTo5(value);
    case 3: return RoundTo10(value);
    default: return value;
    }
}

bool AppendLinearDimension(Drawing& drawing, const CurrentAttributes& attributes, const DimensionOptions& options,
                           int kind, Point p1, Point p2, Point click)
{
    const bool horizontal = kind == kKindDimX;
    const double line = SnapLinePosition(horizontal ? click.Y : click.X, options.LinePitch);
    const double middle = horizontal ? (p1.X + p2.X) / 2 : (p1.Y + p2.Y) / 2;
    const double along = options.CentreText ? middle : (horizontal ? click.X : click.Y);
    const Point textAt = horizontal ? Point{along, line} : Point{line, along};
    TCadData e = DimensionRecord(static_cast<int8_t>(kind), p1, p2, textAt);
    e.R = horizontal ? middle : line;
    e.Angle = horizontal ? line : middle;
    e.Value = ApplyRatio(horizontal ? std::abs(p1.X - p2.X) : std::abs(p1.Y - p2.Y), options.RatioIndex);
    e.Width = static_cast<uint8_t>(std::clamp(options.ArrowStyle, 0, 3) + 1);
    e.Text = BuildDimensionField(kind, options);
    return StoreDimension(drawing, attributes, std::move(e));
}

bool AlignedDimensionLine(Point p1, Point p2, Point click, Point& f1, Point& f2)
{
    if (PointDistance(p1, p2) < Eps()) return false;
    const double theta = DirectionAngle(p2, p1);
    const Point normal{-std::sin(theta), std::cos(theta)};
    const Point through{click.X + 1000 * std::cos(theta), click.Y + 1000 * std::sin(theta)};
    return IntersectLines(p1, {p1.X + normal.X, p1.Y + normal.Y}, click, through, f1) &&
           IntersectLines(p2, {p2.X + normal.X, p2.Y + normal.Y}, click, through, f2);
}

bool AppendAlignedDimension(Drawing& drawing, const CurrentAttributes& attributes, const DimensionOptions& options,
                            Point p1, Point p2, Point click)
{
    Point f1;
    Point f2;
    if (!AlignedDimensionLine(p1, p2, click, f1, f2)) return false;
    const Point m = MidPoint(f1, f2);
    TCadData e = DimensionRecord(kKindDimAligned, p1, p2, options.CentreText ? m : click);
    e.R = m.X;
    e.Angle = m.Y;
    e.Value = ApplyRatio(PointDistance(p1, p2), options.RatioIndex);
    e.Width = static_cast<uint8_t>(std::clamp(options.ArrowStyle, 0, 3) + 1);
    e.Text = BuildDimensionField(kKindDimAligned, options);
    return StoreDimension(drawing, attributes, std::move(e));
}

bool AppendRadiusDimension(Drawing& drawing, const CurrentAttributes& attributes, const DimensionOptions& options,
                           int kind, Point centre, double radius, Point click)
{
    if (!(radius >= Eps()) || PointDistance(centre, click) < Eps()) return false;
    const double theta = DirectionAngle(click, centre);
    const Point towards = Along(centre, theta, radius);
    const bool diameter = kind == kKindDimDiameter;
    const Point first = diameter ? Along(centre, theta + kPi, radius) : centre;
    TCadData e = DimensionRecord(static_cast<int8_t>(kind), first, towards, click);
    e.Angle = RadToDeg(theta);
    e.Value = ApplyRatio(diameter ? 2 * radius : radius, options.RatioIndex);
    e.Text = BuildDimensionField(kind, options);
    return StoreDimension(drawing, attributes, std::move(e));
}

bool AppendJoggedRadiusDimension(Drawing& drawing, const CurrentAttributes& attributes,
                                 const DimensionOptions& options, int kind, double radius, Point arrow, Point knee,
                                 double clickX)
{
    TCadData e = DimensionRecord(static_cast<int8_t>(kind), arrow, knee, {clickX, knee.Y});
    e.Value = ApplyRatio(kind == kKindDimJoggedDiameter ? 2 * radius : radius, options.RatioIndex);
    e.Text = BuildDimensionField(kind, options);
    return StoreDimension(drawing, attributes, std::move(e));
}

bool AppendCoordinateDimension(Drawing& drawing, const CurrentAttributes& attributes, Point pointed, Point knee,
                               double clickX)
{
    return StoreDimension(drawing, attributes, DimensionRecord(kKindDimCoordinate, pointed, knee, {clickX, knee.Y}));
}

bool AppendRelativeCoordinateDimension(Drawing& drawing, const CurrentAttributes& attributes, Point base,
                                       Point pointed, Point knee, double clickX)
{
    TCadData e = DimensionRecord(kKindDimRelativeCoordinate, pointed, knee, {clickX, knee.Y});
    e.R = base.X;
    e.Angle = base.Y;
    return StoreDimension(drawing, attributes, std::move(e));
}

bool AppendLeaderText(Drawing& drawing, const CurrentAttributes& attributes, const std::string& text, Point pointed,
                      Point knee, double clickX)
{
    TCadData e = DimensionRecord(kKindLeader, pointed, knee, {clickX, knee.Y});
    e.Text = std::string("=").append(text);
    return StoreDimension(drawing, attributes, std::move(e));
}

bool AngleDimensionLegs(Point a1, Point a2, Point b1, Point b2, Point click, Point& vertex, Point& legA, Point& legB)
{
    if (!IntersectLines(a1, a2, b1, b2, vertex) || PointDistance(vertex, click) < Eps()) return false;
    if (!LegPoint(vertex, a1, a2, click, legA) || !LegPoint(vertex, b1, b2, click, legB)) return false;
    // The arc runs counter-clockwise from the first leg; the click's sector decides which leg that is.
    if (SweepAngleDeg(legA, click, vertex) > SweepAngleDeg(legA, legB, vertex)) std::swap(legA, legB);
    return true;
}

bool AppendAngleDimension(Drawing& drawing, const CurrentAttributes& attributes, const DimensionOptions& options,
                          Point a1, Point a2, Point b1, Point b2, Point click)
{
    Point vertex;
    Point legA;
    Point legB;
    if (!AngleDimensionLegs(a1, a2, b1, b2, click, vertex, legA, legB)) return false;
    const double sweep = SweepAngleDeg(legA, legB, vertex);
    TCadData e = DimensionRecord(kKindDimAngle, legA, legB, vertex);
    e.R = PointDistance(vertex, click);
    e.Value = sweep;
    e.Angle = DegToRad(sweep) / 2;
    e.Text = BuildDimensionField(kKindDimAngle, options);
    return StoreDimension(drawing, attributes, std::move(e));
}

bool AppendRelativeValueDimension(Drawing& drawing, const CurrentAttributes& attributes,
                                  const DimensionOptions& options, Point base, Point display, Point point)
{
    const bool horizontalLeader = std::abs(display.X - base.X) >= std::abs(display.Y - base.Y);
    const Point shown = horizontalLeader ? Point{display.X, point.Y} : Point{point.X, display.Y};
    TCadData e = DimensionRecord(kKindDimRunning, point, shown, shown);
    e.Value = ApplyRatio(horizontalLeader ? std::abs(point.Y - base.Y) : std::abs(point.X - base.X), options.RatioIndex);
    e.Text = BuildDimensionField(kKindDimRunning, options);
    return StoreDimension(drawing, attributes, std::move(e));
}

namespace {

// The side a dimension line through the midpoint of its points takes: above, or right of a
// vertical one (kind 8: of the line P1-P2).
double DefaultSide(const TCadData& e)
{
    if (e.Kind == kKindDimX) return kPi / 2;
    if (e.Kind == kKindDimY) return 0;
    double along = DirectionAngle({e.X2, e.Y2}, {e.X1, e.Y1});
    if (along >= kPi) along -= kPi;
    return along >= kPi / 2 ? along - kPi / 2 : along + kPi / 2;
}

}  // namespace

double LinearDimensionDirection(const TCadData& e)
{
    const Point m{e.R, e.Angle};
    const Point c = MidPoint({e.X1, e.Y1}, {e.X2, e.Y2});
    const double side = PointDistance(m, c) < Eps() ? DefaultSide(e) : DirectionAngle(m, c);
    return side - kPi / 2;
}

void LinearDimensionEnds(const TCadData& e, Point& d1, Point& d2)
{
    const Point p1{e.X1, e.Y1};
    const Point p2{e.X2, e.Y2};
    const Point m{e.R, e.Angle};
    if (e.Kind == kKindDimAligned) {
        const Point h{(p1.X - p2.X) / 2, (p1.Y - p2.Y) / 2};
        d1 = {m.X + h.X, m.Y + h.Y};
        d2 = {m.X - h.X, m.Y - h.Y};
        return;
    }
    const Point c = MidPoint(p1, p2);
    const double beta = LinearDimensionDirection(e);
    const double h = PointDistance(p1, p2) / 2 * std::cos(beta + kPi - DirectionAngle(p1, c));
    d1 = {m.X - h * std::cos(beta), m.Y - h * std::sin(beta)};
    d2 = {m.X + h * std::cos(beta), m.Y + h * std::sin(beta)};
}

}  // namespace vantro
