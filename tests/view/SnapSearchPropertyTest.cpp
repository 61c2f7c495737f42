// The indexed search against the plain one the rules describe: every element scanned in index
// order on every call. Random drawings, fixed seeds, thousands of mouse positions.
#include "SnapFixtures.h"
#include "document/Layers.h"
#include "document/UndoHistory.h"
#include "view/SnapSearch.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <limits>
#include <random>
#include <vector>

namespace vantro {
namespace {

using namespace vantro::testing;

int PlainFindElementNear(const Drawing& drawing, const PickContext& pick, int start)
{
    for (int i = std::max(start, 1); i <= drawing.Count; ++i)
        if (IsElementNear(drawing.Layers, drawing[i], pick)) return i;
    return 0;
}

std::vector<int> PlainElementsNear(const Drawing& drawing, const PickContext& pick, int start)
{
    std::vector<int> hits;
    for (int h = PlainFindElementNear(drawing, pick, start); h > 0; h = PlainFindElementNear(drawing, pick, h + 1))
        hits.push_back(h);
    return hits;
}

// The search step by step: each round rescans for a centre, then takes the next element hit.
SnapResult PlainSearchSnap(const Drawing& drawing, const ViewState& view, const SnapOptions& options,
                           const SnapInput& input)
{
    const SnapContext context = MakeSnapContext(view, options, input);
    SnapResult result;
    if (ElementSnapsAllowed(options, context)) {
        for (int start = 1; start <= drawing.Count;) {
            if (options.Kinds[3])
                for (int i = 1; i <= drawing.Count; ++i)
                    if (IsCentreNear(drawing.Layers, drawing[i], context.Pick)) return CentreSnap(drawing[i]);
            const int h = PlainFindElementNear(drawing, context.Pick, start);
            if (h == 0) break;
            if (SnapAtElement(drawing, context, options, h, PlainFindElementNear(drawing, context.Pick, h + 1), result))
                return result;
            start = h + 1;
        }
    }
    SnapToGrid(view, context, result);
    return result;
}

// Bit for bit, so that not-a-number positions compare too.
void ExpectSame(const SnapResult& indexed, const SnapResult& plain)
{
    EXPECT_EQ(indexed.Found, plain.Found);
    EXPECT_EQ(indexed.Kind, plain.Kind);
    EXPECT_EQ(indexed.Cursor, plain.Cursor);
    EXPECT_EQ(std::bit_cast<uint64_t>(indexed.Position.X), std::bit_cast<uint64_t>(plain.Position.X));
    EXPECT_EQ(std::bit_cast<uint64_t>(indexed.Position.Y), std::bit_cast<uint64_t>(plain.Position.Y));
}

class RandomDrawing {
public:
    explicit RandomDrawing(uint32_t seed) : random_(seed) {}

    double Uniform(double from, double to) { return std::uniform_real_distribution<double>(from, to)(random_); }
    int Pick(int from, int to) { return std::uniform_int_distribution<int>(from, to)(random_); }
    bool Chance(double p) { return Uniform(0, 1) < p; }
    Point Somewhere() { return {Uniform(-60, 60), Uniform(-60, 60)}; }
    // Often on a point already used, so that ends meet and elements cross near one another.
    Point Near(const std::vector<Point>& used)
    {
        if (used.empty() || Chance(0.5)) return Somewhere();
        const Point p = used[static_cast<size_t>(Pick(0, static_cast<int>(used.size()) - 1))];
        return Chance(0.5) ? p : Point{p.X + Uniform(-1, 1), p.Y + Uniform(-1, 1)};
    }

    TCadData Make(std::vector<Point>& used)
    {
        const Point a = Near(used);
        const Point b = Chance(0.2) ? Point{a.X + Uniform(-200, 200), a.Y + Uniform(-200, 200)}
                                    : Point{a.X + Uniform(-15, 15), a.Y + Uniform(-15, 15)};
        used.push_back(a);
        const double r = Chance(0.1) ? Uniform(-1, 0.5) : Uniform(0.2, 25);
        TCadData e;
        switch (Pick(0, 13)) {
        case 0:
        case 1: e = Line(a.X, a.Y, b.X, b.Y); break;
        case 2: e = ArcElement(a.X, a.Y, r, Uniform(0, 360), Chance(0.1) ? Uniform(-30, 400) : Uniform(1, 359)); break;
        case 3: e = Circle(a.X, a.Y, r); break;
        case 4: e = RoundElement(kKindCrossCircle, a.X, a.Y, r); break;
        case 5: e = PointElement(a.X, a.Y); break;
        case 6: e = EllipseElement(a.X, a.Y, r, Uniform(0.1, 2), Uniform(0, 7)); break;
        case 7: e = BoxElement(kKindText, a.X, a.Y, b.X, a.Y + Uniform(-3, 3), Uniform(-1, 8)); break;
        case 8: e = BoxElement(kKindFilledRect, a.X, a.Y, b.X, b.Y); break;
        case 9: e = BoxElement(Chance(0.5) ? kKindCurveThroughPoints : kKindCurveByControlPoints, a.X, a.Y, b.X, b.Y);
            break;
        case 10: e = DimensionElement(kKindDimAngle, a, b, Near(used), r, Uniform(-4, 4)); break;
        case 11: e = DimensionElement(static_cast<int8_t>(Pick(6, 29)), a, b, Near(used)); break;
        case 12: e = DimensionElement(static_cast<int8_t>(Pick(-6, 40)), a, b, Near(used), r); break;
        default: e = Damaged(Line(a.X, a.Y, b.X, b.Y)); break;
        }
        if (e.Kind == kKindEllipse && Chance(0.3)) e.Y2 = -1;
        if (e.Kind == kKindEllipse && Chance(0.2)) e.X2 = Uniform(-r, r);
        e.Layer = static_cast<uint8_t>(Pick(1, 3));
        e.Group = Chance(0.2) ? 1 : 0;
        return e;
    }

    // A field that is not finite, or a kind the element does not match.
    TCadData Damaged(TCadData e)
    {
        double* fields[] = {&e.X1, &e.Y1, &e.X2, &e.Y2, &e.Cx, &e.R, &e.Angle};
        const double values[] = {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                                 1e200};
        *fields[Pick(0, 6)] = values[Pick(0, 2)];
        e.Kind = static_cast<int8_t>(Pick(1, 5));
        return e;
    }

    void Fill(Drawing& drawing, int count)
    {
        std::vector<Point> used;
        for (int n = 0; n < count; ++n) PutElement(drawing, Make(used));
        SetLayerVisible(drawing.Layers, 3, Chance(0.5));
        drawing.Layers.Filters = {Chance(0.9), Chance(0.9), Chance(0.9), Chance(0.9), Chance(0.9), Chance(0.8)};
    }

    // The mouse near a point of a random element, or anywhere.
    Point MouseWorld(const Drawing& drawing, double aperture)
    {
        if (drawing.Count == 0 || Chance(0.2)) return Somewhere();
        const TCadData& e = drawing[Pick(1, drawing.Count)];
        const double spread = aperture * 2.5;
        const Point points[] = {{e.X1, e.Y1}, {e.X2, e.Y2}, {e.Cx, e.Cy}, {e.Cx + e.R, e.Cy}, {e.Cx, e.Cy - e.R},
                                {(e.X1 + e.X2) / 2, (e.Y1 + e.Y2) / 2}};
        const Point p = points[Pick(0, 5)];
        if (!std::isfinite(p.X) || !std::isfinite(p.Y)) return Somewhere();
        return {p.X + Uniform(-spread, spread), p.Y + Uniform(-spread, spread)};
    }

    SnapOptions Options()
    {
        SnapOptions options;
        for (bool& box : options.Kinds) box = Chance(0.4);
        options.Locked = Chance(0.05);
        options.PickAperture = Pick(1, 12);
        options.FillsShown = Chance(0.5);
        const int finenesses[] = {180, 36, 7, 1};
        options.Fineness = finenesses[Pick(0, 3)];
        return options;
    }

    SnapInput Input(const ViewState& view, Point world)
    {
        SnapInput input = MouseAt(view, world.X, world.Y);
        const int shifts[] = {0, 1, 4, 8, 9, 12};
        const SnapConstraint constraints[] = {SnapConstraint::HorizontalLine, SnapConstraint::VerticalLine,
                                              SnapConstraint::None, SnapConstraint::AngleLine};
        input.Shift = shifts[Pick(0, 5)];
        input.Constraint = constraints[Pick(0, 3)];
        input.InputPoint1 = Chance(0.2) ? Point{} : Somewhere();
        if (Chance(0.7)) input.LineAngle = Uniform(-360, 360);
        return input;
    }

    ViewState View()
    {
        const float scales[] = {0.05f, 0.5f, 2, 10, 200};
        ViewState view = ScaledView(scales[Pick(0, 4)]);
        view.OriginX = Pick(0, 1000);
        view.OriginY = Pick(0, 600);
        view.Grid.Pattern = Chance(0.3) ? GridPattern::Dots : GridPattern::None;
        view.ReferencePosition = Pick(0, 8);
        UpdateGridOrigin(view);
        return view;
    }

private:
    std::mt19937 random_;
};

// How often each snap kind was the answer, so a test can tell that its sample reaches them all.
using KindCounts = std::array<int, static_cast<size_t>(SnapKind::Grid) + 1>;

void CompareAtRandomMice(RandomDrawing& random, const Drawing& drawing, ElementIndex& index, int mice,
                         KindCounts& kindsFound)
{
    for (int m = 0; m < mice; ++m) {
        const ViewState view = random.View();
        const SnapOptions options = random.Options();
        const Point world = random.MouseWorld(drawing, ApertureMm(view, options.PickAperture));
        const SnapInput input = random.Input(view, world);
        SCOPED_TRACE(::testing::Message() << "mouse " << m << " at (" << input.MouseX << ", " << input.MouseY << ")");
        const SnapResult indexed = SearchSnap(drawing, view, options, input, index);
        ExpectSame(indexed, PlainSearchSnap(drawing, view, options, input));
        ++kindsFound[static_cast<size_t>(indexed.Kind)];
        const PickContext pick = MakeSnapContext(view, options, input).Pick;
        const int start = random.Pick(0, drawing.Count + 1);
        EXPECT_EQ(FindElementNear(drawing, index, pick, start), PlainFindElementNear(drawing, pick, start));
        EXPECT_EQ(ElementsNear(drawing, index, pick, start), PlainElementsNear(drawing, pick, start));
        if (::testing::Test::HasFailure()) return;
    }
}

TEST(SnapSearchProperty, IndexedSearchMatchesThePlainScan)
{
    SetEps(0.001f);
    KindCounts kindsFound{};
    for (uint32_t seed : {1u, 2u, 3u, 4u, 5u}) {
        SCOPED_TRACE(::testing::Message() << "seed " << seed);
        RandomDrawing random(seed);
        Drawing drawing;
        random.Fill(drawing, 400);
        ElementIndex index;
        CompareAtRandomMice(random, drawing, index, 800, kindsFound);
    }
    for (size_t kind = 1; kind < kindsFound.size(); ++kind) {
        SCOPED_TRACE(::testing::Message() << "snap kind " << kind);
        EXPECT_GE(kindsFound[kind], 20);
    }
}

TEST(SnapSearchProperty, MatchesAfterEditsAndAToleranceChange)
{
    RandomDrawing random(11);
    Drawing drawing;
    random.Fill(drawing, 200);
    ElementIndex index;
    std::vector<Point> used;
    const float tolerances[] = {0.1f, 0.001f, 0.000001f};
    KindCounts kindsFound{};
    for (int round = 0; round < 30; ++round) {
        SCOPED_TRACE(::testing::Message() << "round " << round);
        SetEps(tolerances[round % 3]);
        switch (round % 4) {
        case 0: PutElement(drawing, random.Make(used)); break;
        case 1: Delete(drawing, random.Pick(1, drawing.Count), true); break;
        case 2: Undo(drawing); break;
        default: {
            RecordUndo(drawing, BeginUndoStep(drawing), kActionModified, 1);
            const int32_t id = drawing[1].Id;
            drawing[1] = random.Make(used);
            drawing[1].Id = id;
            break;
        }
        }
        CompareAtRandomMice(random, drawing, index, 60, kindsFound);
    }
    SetEps(0.001f);
}

}  // namespace
}  // namespace vantro

namespace vantro {
namespace {

// The cross of the pick against every chord as drawn, with nothing skipped.
bool CrossMeetsAChord(const TCadData& ellipse, const PickContext& pick)
{
    const std::vector<Point> vertices = EllipsePiecePolyline(ellipse, pick.Fineness);
    const Point c = pick.Cursor;
    const double t = pick.Aperture;
    Point at;
    for (size_t i = 1; i < vertices.size(); ++i)
        if (IntersectSegments({c.X - t, c.Y}, {c.X + t, c.Y}, vertices[i - 1], vertices[i], at) ||
            IntersectSegments({c.X, c.Y - t}, {c.X, c.Y + t}, vertices[i - 1], vertices[i], at))
            return true;
    return false;
}

// The shortcuts of the ellipse hit test (the whole ellipse's distance, the chord boxes) never lose
// a hit that testing every chord finds, for flat and tall ellipses at any fineness.
TEST(EllipsePick, ShortcutsAgreeWithEveryChord)
{
    std::mt19937 random(23);
    std::uniform_real_distribution<double> unit(0, 1);
    const int finenesses[] = {1, 3, 7, 36, 180, 3600};
    LayerTable layers;
    ResetLayers(layers, nullptr);
    int hits = 0;
    for (int n = 0; n < 4000; ++n) {
        TCadData e{};
        e.Kind = kKindEllipse;
        e.Layer = 1;
        e.Cx = 1000 * (unit(random) - 0.5);
        e.Cy = 1000 * (unit(random) - 0.5);
        e.R = 0.1 + 50 * unit(random);
        e.Y1 = 0.02 + 3 * unit(random);
        e.Angle = 7 * unit(random);
        e.X1 = e.R * (2 * unit(random) - 1);
        e.X2 = e.R * (2 * unit(random) - 1);
        e.Y2 = unit(random) < 0.5 ? -1 : 1;
        PickContext pick;
        pick.Fineness = finenesses[n % 6];
        pick.Aperture = 0.01 + 3 * unit(random);
        // Mostly beside a vertex of the drawn piece, where hits and near misses are; else anywhere about.
        const std::vector<Point> drawn = EllipsePiecePolyline(e, pick.Fineness);
        if (!drawn.empty() && unit(random) < 0.8) {
            const Point v = drawn[static_cast<size_t>(unit(random) * static_cast<double>(drawn.size() - 1))];
            pick.Cursor = {v.X + 3 * pick.Aperture * (unit(random) - 0.5), v.Y + 3 * pick.Aperture * (unit(random) - 0.5)};
        } else {
            const double a = 7 * unit(random);
            const double spread = e.R * (1 + e.Y1) * 1.5 * unit(random);
            pick.Cursor = {e.Cx + spread * std::cos(a), e.Cy + spread * std::sin(a)};
        }
        const bool expected = CrossMeetsAChord(e, pick);
        hits += expected ? 1 : 0;
        ASSERT_EQ(IsElementNear(layers, e, pick), expected) << n;
    }
    EXPECT_GT(hits, 1000) << "the cursors must reach the ellipses often enough to tell";
}

}  // namespace
}  // namespace vantro
