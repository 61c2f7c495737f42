#include "geometry/DimensionLayout.h"

#include "geometry/Dimensions.h"

#include <cmath>

namespace vantro {
namespace {

Point Along(Point from, double radians, double length)
{
    return {from.X + length * std::cos(radians), from.Y + length * std::sin(radians)};
}

double Degrees(Point p, Point from) { return RadToDeg(DirectionAngle(p, from)); }

// The same direction in [0, 360) degrees.
double WithinOneTurn(double degrees)
{
    const double reduced = std::fmod(degrees, 360);
    return reduced < 0 ? reduced + 360 : reduced;
}

// Leader directions (radians) between these point left.
constexpr double kLeftwardFrom = 1.6534698176788385;
constexpr double kLeftwardTo = 4.963716392671874;

class Builder {
public:
    Builder(DimensionLayout& layout, const DimensionStyle& style) : layout_(layout), style_(style) {}

    void Line(Point a, Point b) { layout_.Segments.push_back({a, b}); }
    void Dot(Point p) { layout_.Dots.push_back(p); }

    // Barbs from tip along direction phi (radians), spread by the barb angle.
    void Barbs(Point tip, double phi)
    {
        const double length = 1.05 * style_.ArrowLength;
        Line(tip, Along(tip, phi - kBarbAngle, length));
        Line(tip, Along(tip, phi + kBarbAngle, length));
    }
    // An arrowhead at a pointing away from b: its barbs reach back towards b.
    void ArrowAwayFrom(Point a, Point b) { Barbs(a, DirectionAngle(b, a)); }
    void ArrowTowards(Point a, Point b) { Barbs(a, DirectionAngle(b, a) + kPi); }

    void ExtensionLine(Point from, Point to)
    {
        Line(from, Along(to, DirectionAngle(to, from), style_.ArrowHeight));
    }

    void LinearArrows(int style, Point d1, Point d2)
    {
        switch (style) {
        case 2:
            Dot(d1);
            ArrowAwayFrom(d2, d1);
            break;
        case 3:
            InwardArrowWithTail(d1, d2);
            InwardArrowWithTail(d2, d1);
            break;
        case 4:
            Dot(d1);
            InwardArrowWithTail(d2, d1);
            break;
        default:
            ArrowAwayFrom(d1, d2);
            ArrowAwayFrom(d2, d1);
            break;
        }
    }

private:
    void InwardArrowWithTail(Point end, Point other)
    {
        ArrowTowards(end, other);
        Line(end, Along(end, DirectionAngle(other, end) + kPi, 2 * style_.ArrowLength));
    }

    DimensionLayout& layout_;
    const DimensionStyle& style_;
};

void LayOutLinear(const TCadData& e, Builder& b, DimensionLayout& layout)
{
    const Point p1{e.X1, e.Y1};
    const Point p2{e.X2, e.Y2};
    Point d1;
    Point d2;
    LinearDimensionEnds(e, d1, d2);
    b.ExtensionLine(p1, d1);
    b.ExtensionLine(p2, d2);
    b.Line(d1, d2);
    b.LinearArrows(e.Width, d1, d2);
    layout.TextDegrees = RadToDeg(LinearDimensionDirection(e));
}

void LayOutRadius(const TCadData& e, const DimensionStyle& style, Builder& b, DimensionLayout& layout)
{
    const Point o{e.X1, e.Y1};
    const Point a{e.X2, e.Y2};
    const Point t{e.Cx, e.Cy};
    const double r = PointDistance(o, a);
    if (PointDistance(t, o) >= r) {
        b.Line(t, style.RadiusToCentre ? o : a);
        b.ArrowTowards(a, o);  // from outside, the tip touches the circle
    } else {
        if (style.RadiusToCentre) b.Line(a, o);
        else b.Line(t, a);
        b.ArrowAwayFrom(a, o);
    }
    layout.TextDegrees = Degrees(o, a);
}

void LayOutAngle(const TCadData& e, const DimensionStyle& style, Builder& b, DimensionLayout& layout)
{
    const Point v{e.Cx, e.Cy};
    const double r = e.R;
    const Point legs[2] = {{e.X1, e.Y1}, {e.X2, e.Y2}};
    for (const Point& leg : legs)
        if (PointDistance(v, leg) < r) b.Line(leg, Along(v, DirectionAngle(leg, v), r + style.ArrowHeight));
    const double a1 = DirectionAngle(legs[0], v);
    const double a2 = DirectionAngle(legs[1], v);
    const Point start = Along(v, a1, r);
    const Point end = Along(v, a2, r);
    layout.HasArc = true;
    layout.Arc = {start, end, v, r, e.Value};
    b.Barbs(start, a1 + kPi / 2);
    b.Barbs(end, a2 - kPi / 2);
    layout.TextAt = Along(v, a1 + e.Angle, r);
    // Within one turn before the upright test: a leg at 330° and half a sweep of 45° give 465°.
    layout.TextDegrees = WithinOneTurn(RadToDeg(a1 + e.Angle) + 90);
}

}  // namespace

bool LeaderPointsRight(double leaderDirection)
{
    return leaderDirection < kLeftwardFrom || leaderDirection > kLeftwardTo;
}

double UprightDegrees(double degrees) { return degrees > 95 && degrees < 275 ? degrees + 180 : degrees; }

DimensionLayout LayOutDimension(const TCadData& e, const DimensionStyle& style)
{
    DimensionLayout layout;
    Builder b(layout, style);
    const Point p1{e.X1, e.Y1};
    const Point p2{e.X2, e.Y2};
    const Point t{e.Cx, e.Cy};
    layout.TextAt = t;
    switch (e.Kind) {
    case kKindDimX:
    case kKindDimY:
    case kKindDimAligned: LayOutLinear(e, b, layout); break;
    case kKindDimRadius: LayOutRadius(e, style, b, layout); break;
    case kKindDimDiameter:
        b.Line(p1, p2);
        b.Line(t, p2);
        b.ArrowAwayFrom(p1, p2);
        b.ArrowAwayFrom(p2, p1);
        layout.TextDegrees = Degrees(p1, p2);
        break;
    case kKindDimAngle: LayOutAngle(e, style, b, layout); break;
    case kKindDimRunning:
        b.Line(p1, p2);
        layout.TextDegrees = Degrees(p2, p1);
        layout.LeaderCapable = true;
        layout.LeaderDirection = DirectionAngle(p2, p1);
        break;
    case kKindDimJoggedRadius:
    case kKindDimJoggedDiameter:
    case kKindDimCoordinate:
    case kKindDimRelativeCoordinate:
    case kKindLeader:
        b.Line(p1, p2);
        b.Line(p2, t);
        b.ArrowAwayFrom(p1, p2);
        layout.TextDegrees = Degrees(p2, t);
        layout.LeaderCapable = true;
        layout.LeaderAlways = e.Kind == kKindLeader;
        layout.LeaderDirection = DirectionAngle(t, p2);
        break;
    default: return layout;
    }
    layout.TextDegrees = UprightDegrees(layout.TextDegrees);
    return layout;
}

}  // namespace vantro
