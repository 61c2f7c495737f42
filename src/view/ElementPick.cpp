#include "view/ElementPick.h"

#include "document/Layers.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vantro {
namespace {

Point StartPoint(const TCadData& e) { return {e.X1, e.Y1}; }
Point EndPoint(const TCadData& e) { return {e.X2, e.Y2}; }
Point Centre(const TCadData& e) { return {e.Cx, e.Cy}; }

bool WithinDistance(Point p, Point q, double t) { return PointDistance(p, q) < t; }
bool WithinInXAndY(Point p, Point q, double t) { return std::abs(p.X - q.X) < t && std::abs(p.Y - q.Y) < t; }
bool StrictlyBetween(double a, double b, double v) { return std::min(a, b) < v && v < std::max(a, b); }

void Add(PickBox& box, Point p)
{
    if (!std::isfinite(p.X) || !std::isfinite(p.Y)) box.Finite = false;
    if (box.Empty) {
        box = {p.X, p.Y, p.X, p.Y, false, box.Finite};
        return;
    }
    box.MinX = std::min(box.MinX, p.X);
    box.MinY = std::min(box.MinY, p.Y);
    box.MaxX = std::max(box.MaxX, p.X);
    box.MaxY = std::max(box.MaxY, p.Y);
}

void AddAround(PickBox& box, Point c, double reach)
{
    Add(box, {c.X - reach, c.Y - reach});
    Add(box, {c.X + reach, c.Y + reach});
}

void Widen(PickBox& box, double margin)
{
    if (!std::isfinite(margin)) box.Finite = false;
    box.MinX -= margin;
    box.MinY -= margin;
    box.MaxX += margin;
    box.MaxY += margin;
}

// IntersectSegments takes points within Eps of a segment's ends, and points past the segment while
// |ap| + |pb| − |ab| stays below Eps·0.001; rounding grows with the coordinates. Generous on purpose:
// a wider box costs a test, a narrower one a missed hit.
double ToleranceSlack(double length, double magnitude)
{
    const double eps = Eps();
    const double excess = eps * 0.001 + 1e-12 * (length + magnitude);
    return 4 * eps + 1e-5 + 4 * std::sqrt(length * excess) + 1e-9 * magnitude;
}

double Magnitude(Point p) { return std::max(std::abs(p.X), std::abs(p.Y)); }

// Widens a box by what a hit may reach past it.
void AddSlack(PickBox& box)
{
    if (box.Empty || !box.Finite) return;
    const double length = std::hypot(box.MaxX - box.MinX, box.MaxY - box.MinY);
    const double magnitude = std::max(Magnitude({box.MinX, box.MinY}), Magnitude({box.MaxX, box.MaxY}));
    Widen(box, ToleranceSlack(length, magnitude));
}

bool IsNearAnEnd(const TCadData& e, Point cursor, double t)
{
    return WithinDistance(cursor, StartPoint(e), t) || WithinDistance(cursor, EndPoint(e), t);
}

// The "+" cross of half-length t through the cursor against the segment a–b.
bool CrossMeets(Point cursor, double t, Point a, Point b)
{
    Point crossing;
    return IntersectSegments({cursor.X - t, cursor.Y}, {cursor.X + t, cursor.Y}, a, b, crossing) ||
           IntersectSegments({cursor.X, cursor.Y - t}, {cursor.X, cursor.Y + t}, a, b, crossing);
}

// Degrees in [0, 360) of p seen from c.
double DirectionDeg(Point p, Point c) { return RadToDeg(DirectionAngle(p, c)); }

bool IsArcNear(const TCadData& e, const PickContext& pick)
{
    const Point c = Centre(e);
    if (!(std::abs(PointDistance(pick.Cursor, c) - e.R) < pick.Aperture)) return false;
    const double a1 = DirectionDeg(StartPoint(e), c);
    const double a2 = a1 + e.Angle;
    const double ac = DirectionDeg(pick.Cursor, c);
    if (a2 < 360) return a1 < ac && ac < a2;
    return (a1 < ac && ac <= 360) || (0 < ac && ac < a2 - 360);
}

// Tested chord by chord as drawn, unless the whole ellipse is too far for any chord to be hit.
bool IsEllipseNear(const TCadData& e, const PickContext& pick)
{
    if (!MayBeNearEllipse(e, pick)) return false;
    const std::vector<Point> vertices = EllipsePiecePolyline(e, pick.Fineness);
    // Chords whose box stays clear of the cursor cannot meet the cross; most are skipped so. The
    // slack of the longest chord serves them all.
    const double longest = 2 * std::abs(e.R) * std::max(std::abs(e.Y1), 1.0);
    const double reach = PickReach(pick) + ToleranceSlack(longest, Magnitude(pick.Cursor) + longest);
    const Point c = pick.Cursor;
    for (size_t i = 1; i < vertices.size(); ++i) {
        const Point a = vertices[i - 1];
        const Point b = vertices[i];
        const bool clear = std::min(a.X, b.X) - reach > c.X || std::max(a.X, b.X) + reach < c.X ||
                           std::min(a.Y, b.Y) - reach > c.Y || std::max(a.Y, b.Y) + reach < c.Y;
        if (!clear && CrossMeets(c, pick.Aperture, a, b)) return true;
    }
    return false;
}

// One axis of a text's box; a box thinner than half the text height is widened by that much.
bool WithinTextAxis(double a, double b, double halfHeight, double v)
{
    if (std::abs(b - a) >= halfHeight) return StrictlyBetween(a, b, v);
    return std::min(a, b) - halfHeight < v && v < std::max(a, b) + halfHeight;
}

// The dimension line: a segment through the position, parallel to and as long as end 1 – end 2.
void DimensionLine(const TCadData& e, Point& a, Point& b)
{
    const double hx = (e.X1 - e.X2) / 2;
    const double hy = (e.Y1 - e.Y2) / 2;
    a = {e.Cx - hx, e.Cy - hy};
    b = {e.Cx + hx, e.Cy + hy};
}

bool IsDimensionNear(const TCadData& e, const PickContext& pick)
{
    const double reach = 2 * pick.Aperture;
    if (e.Kind == kKindDimAngle) return WithinInXAndY(pick.Cursor, AngleDimensionReference(e), reach);
    if (WithinInXAndY(pick.Cursor, Centre(e), reach)) return true;
    Point a;
    Point b;
    DimensionLine(e, a, b);
    return CrossMeets(pick.Cursor, pick.Aperture, a, b);
}

bool IsGeometryNear(const TCadData& e, const PickContext& pick)
{
    const Point cursor = pick.Cursor;
    const double t = pick.Aperture;
    if (CarriesEndPoints(e.Kind) && IsNearAnEnd(e, cursor, t)) return true;
    switch (e.Kind) {
    case kKindLine: return CrossMeets(cursor, t, StartPoint(e), EndPoint(e));
    case kKindEllipse: return IsEllipseNear(e, pick);
    case kKindArc: return IsArcNear(e, pick);
    case kKindCircle:
    case kKindCrossCircle: return std::abs(PointDistance(cursor, Centre(e)) - e.R) < t;
    case kKindPoint: return WithinDistance(cursor, Centre(e), t);
    case kKindFilledRect:
        return pick.FillsShown && StrictlyBetween(e.X1, e.X2, cursor.X) && StrictlyBetween(e.Y1, e.Y2, cursor.Y);
    case kKindText:
        return WithinTextAxis(e.X1, e.X2, e.R / 2, cursor.X) && WithinTextAxis(e.Y1, e.Y2, e.R / 2, cursor.Y);
    // Free curves are hit at their ends only: their other fields are 0, and the dimension rule
    // would make every curve pickable at the origin.
    default: return IsDimension(e.Kind) && IsDimensionNear(e, pick);
    }
}

// The arc's two ends on its circle and the quadrant points its sweep passes. A sweep outside
// (0, 360) lets the wrap-around rule accept any direction, so the whole circle is taken then.
void AddArc(PickBox& box, const TCadData& e)
{
    const Point c = Centre(e);
    const double r = e.R;
    if (!(r > 0 && e.Angle > 0 && e.Angle < 360)) {
        AddAround(box, c, std::abs(r));
        return;
    }
    const auto at = [&](double degrees) {
        const double radians = DegToRad(degrees);
        return Point{c.X + r * std::cos(radians), c.Y + r * std::sin(radians)};
    };
    const double a1 = DirectionDeg(StartPoint(e), c);
    const double a2 = a1 + e.Angle;
    Add(box, at(a1));
    Add(box, at(a2));
    for (int quarter = 0; quarter < 8; ++quarter)
        if (a1 < 90.0 * quarter && 90.0 * quarter < a2) Add(box, at(90.0 * quarter));
}

void AddKindBox(PickBox& box, const TCadData& e)
{
    switch (e.Kind) {
    case kKindEllipse: AddAround(box, Centre(e), std::abs(e.R) * std::max(1.0, std::abs(e.Y1))); break;
    case kKindArc: AddArc(box, e); break;
    case kKindCircle:
    case kKindCrossCircle: AddAround(box, Centre(e), std::abs(e.R)); break;
    case kKindPoint: Add(box, Centre(e)); break;
    case kKindFilledRect:
        Add(box, StartPoint(e));
        Add(box, EndPoint(e));
        break;
    case kKindText:
        Add(box, StartPoint(e));
        Add(box, EndPoint(e));
        Widen(box, std::max(e.R / 2, 0.0));
        break;
    case kKindDimAngle: Add(box, AngleDimensionReference(e)); break;
    default:
        if (IsDimension(e.Kind)) {
            Point a;
            Point b;
            DimensionLine(e, a, b);
            Add(box, Centre(e));
            Add(box, a);
            Add(box, b);
        }
        break;
    }
}

}  // namespace

double ApertureMm(const ViewState& view, int pickPixels)
{
    const double s = ViewScale(view);
    const double t = pickPixels / s;
    return std::isfinite(t) && t > 0 ? t : 0;
}

bool IsElementNear(const LayerTable& layers, const TCadData& element, const PickContext& pick)
{
    return pick.Aperture > 0 && IsElementShown(layers, element) && IsGeometryNear(element, pick);
}

bool IsCentreNear(const LayerTable& layers, const TCadData& element, const PickContext& pick)
{
    return pick.Aperture > 0 && (element.Kind == kKindArc || element.Kind == kKindCircle) &&
           IsLayerVisible(layers, element.Layer) && layers.Filters.Arcs &&
           WithinInXAndY(pick.Cursor, Centre(element), pick.Aperture);
}

bool MayBeNearEllipse(const TCadData& ellipse, const PickContext& pick)
{
    const double k = std::abs(ellipse.Y1);
    if (!(k > 0) || !std::isfinite(k) || !std::isfinite(ellipse.Angle)) return true;
    // A piece whose bounds run backwards is drawn as one chord straight across, far from the curve.
    if (!(ellipse.X1 >= ellipse.X2)) return true;
    const double dx = pick.Cursor.X - ellipse.Cx;
    const double dy = pick.Cursor.Y - ellipse.Cy;
    const double c = std::cos(ellipse.Angle);
    const double s = std::sin(ellipse.Angle);
    // Where the ellipse is the circle of radius R, true distances shrink by at most min(k, 1).
    const double d = std::hypot(dx * c + dy * s, (dy * c - dx * s) / k);
    const double sagitta = ellipse.R * (1 - std::cos(kPi / ClampFineness(pick.Fineness) / 2));
    // The cross reaches t from the cursor, and the segment test grants its tolerances on top.
    const double chord = 2 * std::abs(ellipse.R) * std::max(k, 1.0);
    const double reach = pick.Aperture + ToleranceSlack(chord + 2 * pick.Aperture, Magnitude(pick.Cursor));
    return !(std::abs(d - ellipse.R) > reach / std::min(k, 1.0) + sagitta);
}

std::vector<Point> EllipsePiecePolyline(const TCadData& ellipse, int fineness)
{
    if (!(ellipse.R > 0) || std::abs(ellipse.X1) > ellipse.R || std::abs(ellipse.X2) > ellipse.R) return {};
    TCadData piece = ellipse;
    if (ellipse.Y2 < 0) piece.Angle += kPi;
    return EllipsePolyline(piece, fineness);
}

Point AngleDimensionReference(const TCadData& element)
{
    const double direction = DirectionAngle(StartPoint(element), Centre(element)) + element.Angle;
    return {element.Cx + element.R * std::cos(direction), element.Cy + element.R * std::sin(direction)};
}

PickBox ElementPickBox(const TCadData& element)
{
    PickBox box;
    if (CarriesEndPoints(element.Kind)) {
        Add(box, StartPoint(element));
        Add(box, EndPoint(element));
    }
    AddKindBox(box, element);
    AddSlack(box);
    return box;
}

PickBox ElementWindowBox(const TCadData& element)
{
    PickBox box = ElementPickBox(element);
    if (element.Kind > kKindPoint || element.Kind == kKindFilledRect) {
        Add(box, StartPoint(element));
        Add(box, EndPoint(element));
        Add(box, Centre(element));
    }
    return box;
}

double PickReach(const PickContext& pick)
{
    return 2 * pick.Aperture + ToleranceSlack(2 * pick.Aperture, Magnitude(pick.Cursor));
}

bool IsInside(const PickBox& box, Point p, double reach)
{
    if (box.Empty) return false;
    if (!box.Finite) return true;
    return p.X >= box.MinX - reach && p.X <= box.MaxX + reach && p.Y >= box.MinY - reach && p.Y <= box.MaxY + reach;
}

}  // namespace vantro
