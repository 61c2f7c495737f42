// HATCH and LEADER: the program has no hatch fill of a DXF boundary, so a hatch brings in its
// boundary (lines, arcs, and lines along elliptic and spline edges); a leader brings in its path
// and arrowhead. Each entity's pieces share one new group.
#include "document/Groups.h"
#include "dxf/DxfCurves.h"
#include "dxf/DxfEntityReaders.h"
#include "dxf/DxfValues.h"

#include <cmath>

namespace vantro::dxf {
namespace {

constexpr int kPolylinePath = 2;
enum EdgeType { kLineEdge = 1, kArcEdge = 2, kEllipseEdge = 3, kSplineEdge = 4 };
constexpr int kEllipseSteps = 36;
constexpr double kBarbSpread = 0.32;  // radians either side of the arrow's axis
constexpr double kBarbFactor = 1.05;  // barb length in arrow sizes

// Reads the pairs in order; a pair of another code than asked for stops the reading.
class PairCursor {
public:
    PairCursor(std::span<const RawPair> pairs, size_t at) : pairs_(pairs), at_(at) {}

    bool Number(int code, double& value)
    {
        if (!At(code) || !ParseDxfNumber(pairs_[at_].Value, value)) return false;
        ++at_;
        return true;
    }
    bool Integer(int code, int& value)
    {
        if (!At(code) || !ParseDxfInteger(pairs_[at_].Value, value)) return false;
        ++at_;
        return true;
    }
    bool PointAt(int xCode, Point& p) { return Number(xCode, p.X) && Number(xCode + 10, p.Y); }
    bool At(int code) const { return at_ < pairs_.size() && pairs_[at_].Code == code; }
    // Steps over a pair of the code (a handle, say); false when the pair has another code.
    bool Skip(int code)
    {
        if (!At(code)) return false;
        ++at_;
        return true;
    }
    // Reads a count and checks it against the pairs left (each item takes at least perItem pairs).
    bool Count(int code, int perItem, int& count)
    {
        return Integer(code, count) && count >= 0 &&
               static_cast<size_t>(count) * static_cast<size_t>(perItem) <= pairs_.size() - at_;
    }

private:
    std::span<const RawPair> pairs_;
    size_t at_;
};

struct Boundary {
    Drawing& Target;
    ReadContext& Context;
    const Common& Entity;
    int32_t Group;
};

double Elevation(const Common& c) { return c.Values.Get(30); }

bool PolylinePath(PairCursor& cursor, const Boundary& b)
{
    int hasBulge = 0;
    int closed = 0;
    int count = 0;
    if (!cursor.Integer(72, hasBulge) || !cursor.Integer(73, closed) || !cursor.Count(93, 2, count)) return false;
    std::vector<Vertex> vertices;
    for (int i = 0; i < count; ++i) {
        Vertex vertex;
        if (!cursor.PointAt(10, vertex.At)) return false;
        if (hasBulge != 0 && cursor.At(42) && !cursor.Number(42, vertex.Bulge)) return false;
        vertices.push_back(vertex);
    }
    CreatePolyline(b.Target, b.Context, b.Entity.Attributes, vertices, closed != 0, b.Entity.Plane, Elevation(b.Entity),
                   b.Group);
    return true;
}

// Counter-clockwise start and end of an arc or ellipse edge (clockwise ones are stored mirrored).
void CounterClockwise(double& start, double& end, int ccw)
{
    if (ccw != 0) return;
    const double first = 360 - end;
    end = 360 - start;
    start = first;
}

double SweepOf(double start, double end)
{
    double sweep = std::fmod(end - start, 360.0);
    if (sweep <= 0) sweep += 360;
    return sweep;
}

bool ArcEdge(PairCursor& cursor, const Boundary& b)
{
    Point centre;
    double radius = 0;
    double start = 0;
    double end = 0;
    int ccw = 1;
    if (!cursor.PointAt(10, centre) || !cursor.Number(40, radius) || !cursor.Number(50, start) ||
        !cursor.Number(51, end) || !cursor.Integer(73, ccw))
        return false;
    CounterClockwise(start, end, ccw);
    if (radius >= Eps())
        StoreArc(b.Target, b.Context, b.Entity.Attributes,
                 MapArc(b.Entity.Plane, centre, radius, start, SweepOf(start, end), Elevation(b.Entity)), b.Group);
    return true;
}

bool EllipseEdge(PairCursor& cursor, const Boundary& b)
{
    Point centre;
    Point major;
    double ratio = 0;
    double start = 0;
    double end = 0;
    int ccw = 1;
    if (!cursor.PointAt(10, centre) || !cursor.PointAt(11, major) || !cursor.Number(40, ratio) ||
        !cursor.Number(50, start) || !cursor.Number(51, end) || !cursor.Integer(73, ccw))
        return false;
    CounterClockwise(start, end, ccw);
    const double sweep = SweepOf(start, end);
    const Point minor{-major.Y * ratio, major.X * ratio};
    std::vector<Point> points;
    for (int k = 0; k <= kEllipseSteps; ++k) {
        const double t = DegToRad(start + sweep * k / kEllipseSteps);
        points.push_back(b.Entity.Plane.Apply({centre.X + major.X * std::cos(t) + minor.X * std::sin(t),
                                               centre.Y + major.Y * std::cos(t) + minor.Y * std::sin(t)},
                                              Elevation(b.Entity)));
    }
    StorePolyline(b.Target, b.Context, b.Entity.Attributes, points, b.Group);
    return true;
}

bool SplineEdge(PairCursor& cursor, const Boundary& b)
{
    SplineValues spline;
    int rational = 0;
    int periodic = 0;
    int knots = 0;
    int controls = 0;
    if (!cursor.Integer(94, spline.Degree) || !cursor.Integer(73, rational) || !cursor.Integer(74, periodic) ||
        !cursor.Count(95, 1, knots) || !cursor.Count(96, 2, controls))
        return false;
    for (int i = 0; i < knots; ++i) {
        double knot = 0;
        if (!cursor.Number(40, knot)) return false;
        spline.Knots.push_back(knot);
    }
    for (int i = 0; i < controls; ++i) {
        Point p;
        double weight = 1;
        if (!cursor.PointAt(10, p) || (cursor.At(42) && !cursor.Number(42, weight))) return false;
        spline.Control.push_back(p);
        spline.Weights.push_back(weight);
    }
    // Fit points and tangents follow in later versions; the control points already give the curve.
    int fits = 0;
    if (cursor.At(97) && cursor.Count(97, 2, fits))
        for (Point p; fits > 0 && cursor.PointAt(11, p); --fits) {}
    for (int tangent = 12; tangent <= 13; ++tangent)
        if (Point p; cursor.At(tangent)) cursor.PointAt(tangent, p);
    if (spline.Control.size() < 2) return true;
    std::vector<Point> points = SplinePolyline(spline);
    for (Point& p : points) p = b.Entity.Plane.Apply(p, Elevation(b.Entity));
    StorePolyline(b.Target, b.Context, b.Entity.Attributes, points, b.Group);
    return true;
}

bool EdgePath(PairCursor& cursor, const Boundary& b)
{
    int count = 0;
    if (!cursor.Count(93, 2, count)) return false;
    for (int i = 0; i < count; ++i) {
        int type = 0;
        if (!cursor.Integer(72, type)) return false;
        bool read = false;
        if (type == kLineEdge) {
            Point from;
            Point to;
            read = cursor.PointAt(10, from) && cursor.PointAt(11, to);
            if (read)
                StoreLine(b.Target, b.Context, b.Entity.Attributes, b.Entity.Plane.Apply(from, Elevation(b.Entity)),
                          b.Entity.Plane.Apply(to, Elevation(b.Entity)), b.Group);
        } else if (type == kArcEdge) {
            read = ArcEdge(cursor, b);
        } else if (type == kEllipseEdge) {
            read = EllipseEdge(cursor, b);
        } else if (type == kSplineEdge) {
            read = SplineEdge(cursor, b);
        }
        if (!read) return false;
    }
    return true;
}

}  // namespace

bool ReadHatch(Drawing& target, ReadContext& context, const Common& c)
{
    const EntityPairs& pairs = context.Pairs;
    size_t at = 0;
    while (at < pairs.size() && pairs[at].Code != 91) ++at;
    PairCursor cursor(pairs, at);
    int paths = 0;
    if (!cursor.Count(91, 3, paths)) return true;
    const Boundary boundary{target, context, c, NewGroupNumber(target)};
    for (int path = 0; path < paths && !target.AppendFailed; ++path) {
        int type = 0;
        if (!cursor.Integer(92, type)) break;
        const bool read = (type & kPolylinePath) != 0 ? PolylinePath(cursor, boundary) : EdgePath(cursor, boundary);
        if (!read) break;
        int sources = 0;
        if (cursor.Count(97, 1, sources))
            while (sources-- > 0 && cursor.Skip(330)) {}
    }
    return true;
}

bool ReadLeader(Drawing& target, ReadContext& context, const Common& c)
{
    std::vector<Point> path;
    for (const RawPair& pair : context.Pairs) {
        double value = 0;
        if ((pair.Code == 10 || pair.Code == 20) && !ParseDxfNumber(pair.Value, value)) return false;
        if (pair.Code == 10) path.push_back({value, 0});
        else if (pair.Code == 20 && !path.empty()) path.back().Y = value;
    }
    const int32_t group = NewGroupNumber(target);
    StorePolyline(target, context, c.Attributes, path, group);
    const bool arrowhead = c.Values.Integer(71, 1) != 0;
    if (!arrowhead || path.size() < 2) return true;
    const double length = kBarbFactor * StyleNamed(context, StringOf(context.Pairs, 3)).ArrowSize;
    const double axis = DirectionAngle(path[1], path[0]);
    for (const double side : {-kBarbSpread, kBarbSpread})
        StoreLine(target, context, c.Attributes, path[0],
                  {path[0].X + length * std::cos(axis + side), path[0].Y + length * std::sin(axis + side)}, group);
    return true;
}

}  // namespace vantro::dxf
