#include "geometry/TangentConstructions.h"

#include "geometry/Candidates.h"
#include "geometry/Constructions.h"
#include "geometry/ElementPoints.h"
#include "geometry/Offsets.h"
#include "geometry/TangentSolvers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace vantro {
namespace {

using Type = TangentObjectType;

InfiniteLine LineOf(const TangentObject& o) { return {o.A, o.B}; }

// Lines first, then circles, then points, each kind in picking order.
int Rank(Type type) { return type == Type::Line ? 0 : type == Type::Circle ? 1 : 2; }

template <size_t N>
std::array<TangentObject, N> Ordered(std::array<TangentObject, N> objects)
{
    std::stable_sort(objects.begin(), objects.end(),
                     [](const TangentObject& a, const TangentObject& b) { return Rank(a.Type) < Rank(b.Type); });
    return objects;
}

// Directions of two parallel lines that differ by about π rather than about 0 or 2π.
bool OppositeDirections(InfiniteLine a, InfiniteLine b)
{
    const double turn = std::abs(DirectionAngle(a.B, a.A) - DirectionAngle(b.B, b.A));
    return turn > kPi / 2 && turn < 3 * kPi / 2;
}

bool Crossing(InfiniteLine a, InfiniteLine b, Point& x) { return IntersectLines(a.A, a.B, b.A, b.B, x); }

// The side point opposite to side across the line.
Point OtherSide(InfiniteLine line, Point side)
{
    Point mirrored = side;
    MirrorPoint(line.A, line.B, side, mirrored);
    return mirrored;
}

// The point where the circle of the given centre and radius touches the object.
Point TouchingPoint(const TangentObject& object, Point centre, double radius)
{
    switch (object.Type) {
    case Type::Line: {
        Point foot = centre;
        PerpendicularFoot(object.A, object.B, centre, foot);
        return foot;
    }
    case Type::Circle: {
        const double apart = PointDistance(centre, object.A);
        if (!(apart > 0)) return centre;
        // A circle inside the given one touches it on the far side of its own centre.
        const bool inside = object.Radius > radius &&
                            std::abs(apart - (object.Radius - radius)) < std::abs(apart - (object.Radius + radius));
        const double s = (inside ? -radius : radius) / apart;
        return {centre.X + s * (object.A.X - centre.X), centre.Y + s * (object.A.Y - centre.Y)};
    }
    default: return object.A;
    }
}

// Collects the candidates of one construction. Verified candidates must touch every line and
// circle object; the circles between parallels and those of a triangle are exact by construction.
class CandidateSink {
public:
    CandidateSink(Drawing& drawing, const CurrentAttributes& attributes, const TangentObject* objects, int count)
        : drawing_(drawing), attributes_(attributes), objects_(objects), count_(count)
    {
    }
    void Add(Point centre, double radius, bool verify)
    {
        if (!std::isfinite(centre.X) || !std::isfinite(centre.Y) || !std::isfinite(radius)) return;
        if (verify && !TouchesAll(centre, radius, objects_, count_)) return;
        if (TwinOfMade(centre, radius)) return;
        if (!AppendCandidateCircle(drawing_, attributes_, centre, radius)) return;
        circles_.push_back({centre, radius});
        ++made_;
    }
    void AddAll(const SolutionRecord& record, bool verify)
    {
        for (int i = 0; i < record.Count; ++i) {
            const CircleGeometry& circle = record.Circles[static_cast<size_t>(i)];
            Add(circle.Centre, circle.Radius, verify);
        }
    }
    int Made() const { return made_; }

private:
    // Two solvers can reach one solution by ill-conditioned ways and part by more than Eps in
    // centre and radius, most of all for large circles; what the user sees is one circle twice.
    // A circle that touches every line and circle within Eps of where a made candidate does is
    // that candidate again.
    bool TwinOfMade(Point centre, double radius) const
    {
        for (const CircleGeometry& made : circles_) {
            bool twin = true;
            for (int i = 0; i < count_ && twin; ++i) {
                if (objects_[i].Type == Type::Point) continue;
                const Point touching = TouchingPoint(objects_[i], centre, radius);
                twin = std::abs(PointDistance(touching, made.Centre) - made.Radius) < Eps();
            }
            if (twin) return true;
        }
        return false;
    }

    Drawing& drawing_;
    const CurrentAttributes& attributes_;
    const TangentObject* objects_;
    int count_;
    int made_ = 0;
    std::vector<CircleGeometry> circles_;
};

void LinesAndPoint(CandidateSink& sink, InfiniteLine l1, InfiniteLine l2, Point p, const Drawing& drawing)
{
    Point x;
    if (Crossing(l1, l2, x)) {
        sink.AddAll(TwoLinesPoint(l1, l2, p), true);
        return;
    }
    if (OppositeDirections(l1, l2)) {
        Tell(drawing, kTangentCircleErrorMessage);
        return;
    }
    const double h = DistanceToLine(l2, l1.A) / 2;
    const InfiniteLine middle = MiddleParallel(l1, l2);
    const IntersectionResult centres = IntersectLineCircle(middle.A, middle.B, p, h);
    for (int i = 0; i < centres.Count; ++i) sink.Add(centres.Points[static_cast<size_t>(i)], h, false);
}

void ThreeLines(CandidateSink& sink, const std::array<TangentObject, 3>& o, const Drawing& drawing)
{
    const InfiniteLine l[3] = {LineOf(o[0]), LineOf(o[1]), LineOf(o[2])};
    Point x01;
    Point x02;
    Point x12;
    const bool m01 = Crossing(l[0], l[1], x01);
    const bool m02 = Crossing(l[0], l[2], x02);
    const bool m12 = Crossing(l[1], l[2], x12);
    if (m01 && m02 && m12) {
        if (PointDistance(x01, x02) < Eps() || PointDistance(x01, x12) < Eps() || PointDistance(x02, x12) < Eps()) {
            Tell(drawing, kThreeLinesMeetMessage);
            return;
        }
        // Incentre and excentres: the corners weighted by the opposite sides, one weight negated
        // for each escribed circle.
        const Point corner[3] = {x12, x02, x01};
        const double side[3] = {PointDistance(x02, x01), PointDistance(x12, x01), PointDistance(x12, x02)};
        for (const std::array<double, 3> sign : {std::array{1.0, 1.0, 1.0}, std::array{-1.0, 1.0, 1.0},
                                                 std::array{1.0, -1.0, 1.0}, std::array{1.0, 1.0, -1.0}}) {
            double w = 0;
            Point c;
            for (int i = 0; i < 3; ++i) {
                const double wi = sign[static_cast<size_t>(i)] * side[i];
                w += wi;
                c.X += wi * corner[i].X;
                c.Y += wi * corner[i].Y;
            }
            if (w == 0) continue;
            c = {c.X / w, c.Y / w};
            sink.Add(c, DistanceToLine(l[0], c), false);
        }
        return;
    }
    // Two parallels and a line crossing them: circles between the parallels, centred where the
    // middle parallel meets the crossing line's parallels at half their distance.
    int third = -1;
    if (m01 && m02 && !m12) third = 0;
    if (m01 && m12 && !m02) third = 1;
    if (m02 && m12 && !m01) third = 2;
    if (third < 0) return;
    const InfiniteLine p = l[(third + 1) % 3];
    const InfiniteLine q = l[(third + 2) % 3];
    const double h = DistanceToLine(q, p.A) / 2;
    const InfiniteLine middle = MiddleParallel(p, q);
    for (const OffsetResult& parallel : ParallelsOfLine(l[third].A, l[third].B, h)) {
        Point centre;
        if (parallel.Count == 2 && IntersectLines(parallel.Start, parallel.End, middle.A, middle.B, centre))
            sink.Add(centre, h, false);
    }
}

void TwoLinesCircle(CandidateSink& sink, const std::array<TangentObject, 3>& o, const Drawing& drawing)
{
    const InfiniteLine l1 = LineOf(o[0]);
    const InfiniteLine l2 = LineOf(o[1]);
    const Point c = o[2].A;
    const double r = o[2].Radius;
    Point x;
    if (!Crossing(l1, l2, x)) {
        if (OppositeDirections(l1, l2)) {
            Tell(drawing, kTangentCircleErrorMessage);
            return;
        }
        const double h = DistanceToLine(l2, l1.A) / 2;
        const InfiniteLine middle = MiddleParallel(l1, l2);
        std::vector<double> reaches{r + h};
        if (r - h > Eps()) reaches.push_back(r - h);
        for (const double reach : reaches) {
            const IntersectionResult centres = IntersectLineCircle(middle.A, middle.B, c, reach);
            for (int i = 0; i < centres.Count; ++i) sink.Add(centres.Points[static_cast<size_t>(i)], h, false);
        }
        return;
    }
    const Point middle = MidPoint(o[0].Pick, o[1].Pick);
    for (const bool towards : {true, false}) {
        InfiniteLine s1;
        InfiniteLine s2;
        if (!ShiftLine(l1, r, towards ? middle : OtherSide(l1, middle), s1) ||
            !ShiftLine(l2, r, towards ? middle : OtherSide(l2, middle), s2))
            continue;
        const SolutionRecord found = TwoLinesPoint(s1, s2, c);
        for (int i = 0; i < found.Count; ++i) {
            const CircleGeometry& g = found.Circles[static_cast<size_t>(i)];
            sink.Add(g.Centre, towards ? g.Radius + r : g.Radius - r, true);
            sink.Add(g.Centre, DistanceToLine(l1, g.Centre), true);
        }
    }
}

// The solution of smaller radius, the second on a tie.
void AddSmaller(CandidateSink& sink, const SolutionRecord& found, double change)
{
    if (found.Count == 0) return;
    size_t pick = 0;
    if (found.Count == 2 && found.Circles[1].Radius <= found.Circles[0].Radius) pick = 1;
    sink.Add(found.Circles[pick].Centre, found.Circles[pick].Radius + change, true);
}

void LineTwoCircles(CandidateSink& sink, const std::array<TangentObject, 3>& o)
{
    const InfiniteLine line = LineOf(o[0]);
    const bool firstLarger = o[1].Radius >= o[2].Radius;
    const TangentObject& a = firstLarger ? o[1] : o[2];
    const TangentObject& b = firstLarger ? o[2] : o[1];
    const double ra = a.Radius;
    const double rb = b.Radius;
    const Point away = OtherSide(line, b.A);
    InfiniteLine towardsB;
    InfiniteLine awayFromB;
    const bool haveTowards = ShiftLine(line, rb, b.A, towardsB);
    const bool haveAway = ShiftLine(line, rb, away, awayFromB);
    if (std::abs(ra - rb) < 10 * Eps()) {
        for (const bool towards : {true, false}) {
            if (!(towards ? haveTowards : haveAway)) continue;
            const SolutionRecord found = TwoPointsLine(towards ? towardsB : awayFromB, b.A, a.A);
            for (int i = 0; i < found.Count; ++i) {
                const CircleGeometry& g = found.Circles[static_cast<size_t>(i)];
                sink.Add(g.Centre, towards ? g.Radius + rb : g.Radius - rb, true);
                sink.Add(g.Centre, DistanceToLine(line, g.Centre), true);
            }
        }
    } else {
        if (haveTowards) AddSmaller(sink, LineCirclePoint(2, towardsB, a.A, ra - rb, b.A), rb);
        if (haveAway) AddSmaller(sink, LineCirclePoint(1, awayFromB, a.A, ra - rb, b.A), -rb);
    }
    for (const bool towards : {false, true}) {
        if (!(towards ? haveTowards : haveAway)) continue;
        for (const double reduced : {ra - rb, ra + rb}) {
            for (int variant = 1; variant <= 4; ++variant) {
                const InfiniteLine shifted = towards ? towardsB : awayFromB;
                const SolutionRecord found = LineCirclePoint(variant, shifted, a.A, reduced, b.A);
                for (int i = 0; i < found.Count; ++i) {
                    const Point centre = found.Circles[static_cast<size_t>(i)].Centre;
                    sink.Add(centre, DistanceToLine(line, centre), true);
                }
            }
        }
    }
}

void ThreeCircles(CandidateSink& sink, const std::array<TangentObject, 3>& o)
{
    for (int i = 0; i < 3; ++i) {
        const Point p = o[static_cast<size_t>(i)].A;
        const double u = o[static_cast<size_t>(i)].Radius;
        const TangentObject& j = o[static_cast<size_t>((i + 1) % 3)];
        const TangentObject& k = o[static_cast<size_t>((i + 2) % 3)];
        for (const double sj : {-1.0, 1.0}) {
            for (const double sk : {-1.0, 1.0}) {
                const double rj = std::abs(j.Radius + sj * u);
                const double rk = std::abs(k.Radius + sk * u);
                std::vector<SolutionRecord> found;
                if (rj > Eps() && rk > Eps()) {
                    found.push_back(TwoCirclesPoint(1, j.A, rj, k.A, rk, p));
                    found.push_back(TwoCirclesPoint(2, j.A, rj, k.A, rk, p));
                } else if (rk > Eps()) {
                    found.push_back(TwoPointsCircle(j.A, p, k.A, rk));
                } else if (rj > Eps()) {
                    found.push_back(TwoPointsCircle(k.A, p, j.A, rj));
                } else if (const auto circle = CircleThrough3Points(j.A, k.A, p)) {
                    found.push_back({1, {*circle, {}}});
                }
                for (const SolutionRecord& record : found) {
                    for (int n = 0; n < record.Count; ++n) {
                        const Point centre = record.Circles[static_cast<size_t>(n)].Centre;
                        const double d = PointDistance(centre, p);
                        sink.Add(centre, std::abs(d - u), true);
                        sink.Add(centre, d + u, true);
                    }
                }
            }
        }
    }
}

// Two points on either side of the line (or one inside the circle and one outside it), each by
// Eps or more: every circle through both crosses the object, none touches it.
bool SeparatedBy(const TangentObject& object, Point p1, Point p2)
{
    auto side = [&object](Point p) {
        if (object.Type == Type::Circle) return PointDistance(p, object.A) - object.Radius;
        const double length = PointDistance(object.A, object.B);
        if (!(length > 0)) return 0.0;
        return ((object.B.X - object.A.X) * (p.Y - object.A.Y) - (object.B.Y - object.A.Y) * (p.X - object.A.X)) /
               length;
    };
    const double s1 = side(p1);
    const double s2 = side(p2);
    return (s1 >= Eps() && s2 <= -Eps()) || (s1 <= -Eps() && s2 >= Eps());
}

void AddCrossings(std::vector<Point>& centres, const IntersectionResult& crossings)
{
    for (int i = 0; i < crossings.Count; ++i) centres.push_back(crossings.Points[static_cast<size_t>(i)]);
}

// Centres of the circles of radius R tangent to (or through) both objects.
std::vector<Point> CentresAtRadius(const TangentObject& first, const TangentObject& second, double radius)
{
    std::vector<Point> centres;
    auto reaches = [radius](double r) {
        std::vector<double> values{r + radius};
        if (std::abs(r - radius) >= Eps()) values.push_back(std::abs(r - radius));
        return values;
    };
    if (first.Type == Type::Line) {
        const auto parallels = ParallelsOfLine(first.A, first.B, radius);
        for (const OffsetResult& p : parallels) {
            if (second.Type == Type::Line) {
                for (const OffsetResult& q : ParallelsOfLine(second.A, second.B, radius)) {
                    Point x;
                    if (IntersectLines(p.Start, p.End, q.Start, q.End, x)) centres.push_back(x);
                }
            } else if (second.Type == Type::Circle) {
                for (const double reach : reaches(second.Radius))
                    AddCrossings(centres, IntersectLineCircle(p.Start, p.End, second.A, reach));
            } else {
                AddCrossings(centres, IntersectLineCircle(p.Start, p.End, second.A, radius));
            }
        }
        return centres;
    }
    if (first.Type == Type::Circle) {
        for (const double reach : reaches(first.Radius)) {
            if (second.Type == Type::Circle) {
                for (const double other : reaches(second.Radius))
                    AddCrossings(centres, IntersectCircles(first.A, reach, second.A, other));
            } else {
                AddCrossings(centres, IntersectCircles(first.A, reach, second.A, radius));
            }
        }
        return centres;
    }
    AddCrossings(centres, IntersectCircles(first.A, radius, second.A, radius));
    return centres;
}

}  // namespace

TangentObject TangentObjectOf(const TCadData& element, Point pick)
{
    TangentObject object = TangentObjectAt(pick);
    switch (element.Kind) {
    case kKindLine:
        object.Type = Type::Line;
        object.A = StartOf(element);
        object.B = EndOf(element);
        break;
    case kKindArc:
    case kKindCircle:
        object.Type = Type::Circle;
        object.A = CentreOf(element);
        object.Radius = element.R;
        break;
    case kKindPoint: object.A = CentreOf(element); break;
    default: break;
    }
    return object;
}

TangentObject TangentObjectAt(Point click)
{
    TangentObject object;
    object.A = click;
    object.Pick = click;
    return object;
}

bool TouchesAll(Point centre, double radius, const TangentObject* objects, int count)
{
    for (int i = 0; i < count; ++i) {
        const TangentObject& o = objects[i];
        if (o.Type == Type::Line && IntersectLineCircle(o.A, o.B, centre, radius).Count != 1) return false;
        if (o.Type == Type::Circle && IntersectCircles(centre, radius, o.A, o.Radius).Count != 1) return false;
    }
    return true;
}

int CircleTangentTo3(Drawing& drawing, const CurrentAttributes& attributes, const TangentObject& first,
                     const TangentObject& second, const TangentObject& third)
{
    const std::array<TangentObject, 3> o = Ordered(std::array{first, second, third});
    auto countOf = [&o](Type type) {
        auto ofType = [type](const TangentObject& x) { return x.Type == type; };
        return static_cast<int>(std::count_if(o.begin(), o.end(), ofType));
    };
    const int lines = countOf(Type::Line);
    const int points = countOf(Type::Point);
    if (points == 3) return AppendCircleThrough3Points(drawing, attributes, o[0].A, o[1].A, o[2].A) ? 1 : 0;

    CandidateSink sink(drawing, attributes, o.data(), 3);
    if (points == 2) {
        if (SeparatedBy(o[0], o[1].A, o[2].A)) {
            Tell(drawing, kCannotDrawMessage);
            return 0;
        }
        // Touching the infinite line, as every other construction checks it: the touching point
        // may lie beyond the drawn segment.
        sink.AddAll(lines == 1 ? TwoPointsLine(LineOf(o[0]), o[1].A, o[2].A)
                               : TwoPointsCircle(o[1].A, o[2].A, o[0].A, o[0].Radius),
                    true);
    } else if (points == 1) {
        const Point p = o[2].A;
        if (lines == 2) {
            LinesAndPoint(sink, LineOf(o[0]), LineOf(o[1]), p, drawing);
        } else if (lines == 1) {
            for (int variant = 1; variant <= 4; ++variant)
                sink.AddAll(LineCirclePoint(variant, LineOf(o[0]), o[1].A, o[1].Radius, p), true);
        } else {
            for (int variant = 1; variant <= 2; ++variant)
                sink.AddAll(TwoCirclesPoint(variant, o[0].A, o[0].Radius, o[1].A, o[1].Radius, p), true);
        }
    } else if (lines == 3) {
        ThreeLines(sink, o, drawing);
    } else if (lines == 2) {
        TwoLinesCircle(sink, o, drawing);
    } else if (lines == 1) {
        LineTwoCircles(sink, o);
    } else {
        ThreeCircles(sink, o);
    }
    TakeSingleCandidate(drawing, attributes);
    return sink.Made();
}

int CircleTangentTo2WithRadius(Drawing& drawing, const CurrentAttributes& attributes, const TangentObject& first,
                               const TangentObject& second, double radius, bool arcMode)
{
    if (std::isnan(radius)) {
        Tell(drawing, kArcInputErrorMessage);
        return 0;
    }
    if (!(radius > 0)) {
        Tell(drawing, kArcRadiusErrorMessage);
        return 0;
    }
    const std::array<TangentObject, 2> o = Ordered(std::array{first, second});
    int made = 0;
    for (const Point centre : CentresAtRadius(o[0], o[1], radius)) {
        if (!arcMode) {
            made += AppendCandidateCircle(drawing, attributes, centre, radius) ? 1 : 0;
            continue;
        }
        const Point t1 = TouchingPoint(o[0], centre, radius);
        const Point t2 = TouchingPoint(o[1], centre, radius);
        made += AppendCandidateArc(drawing, attributes, t1, t2, centre, radius) ? 1 : 0;
        made += AppendCandidateArc(drawing, attributes, t2, t1, centre, radius) ? 1 : 0;
    }
    if (made == 0) Tell(drawing, kArcComputationErrorMessage);
    TakeSingleCandidate(drawing, attributes);
    return made;
}

int TangentLinesOf2Circles(Drawing& drawing, const CurrentAttributes& attributes, const TCadData& first,
                           const TCadData& second)
{
    auto round = [](const TCadData& e) { return e.Kind == kKindArc || e.Kind == kKindCircle; };
    if (!round(first) || !round(second)) return 0;
    const Point c1 = CentreOf(first);
    const Point c2 = CentreOf(second);
    const IntersectionResult touching = IntersectCircles(c1, first.R, c2, second.R);
    // Circles touching inside one another have one common tangent, the one at the touching
    // point; their outer tangents would both shrink onto that point.
    const bool inside = touching.Count == 1 && PointDistance(c1, c2) < std::max(first.R, second.R);
    TangentLinesResult tangents;
    if (!inside) tangents = CircleTangentLines(c1, first.R, c2, second.R);
    int made = 0;
    for (int i = 0; i + 1 < tangents.Count; i += 2)
        made += AppendCandidateLine(drawing, attributes, tangents.Points[static_cast<size_t>(i)],
                                    tangents.Points[static_cast<size_t>(i + 1)])
                    ? 1
                    : 0;
    if (touching.Count == 1) {
        // The common tangent at the touching point, as long as the smaller circle is wide.
        const double reach = std::min(first.R, second.R);
        const double across = DirectionAngle(c2, c1) + kPi / 2;
        const Point t = touching.Points[0];
        const Point along{reach * std::cos(across), reach * std::sin(across)};
        made += AppendCandidateLine(drawing, attributes, {t.X - along.X, t.Y - along.Y}, {t.X + along.X, t.Y + along.Y})
                    ? 1
                    : 0;
    }
    if (made == 0) {
        Tell(drawing, kNoTangentLineMessage);
        return 0;
    }
    TakeSingleCandidate(drawing, attributes);
    return made;
}

}  // namespace vantro
