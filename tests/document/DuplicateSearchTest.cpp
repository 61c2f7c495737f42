#include "document/DuplicateSearch.h"
#include "document/Maintenance.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>

namespace vantro {
namespace {

using testing::PutElement;

// The pairwise definition, element by element with an early exit per element.
std::vector<int> PairwiseFirstDuplicates(const Drawing& drawing, DuplicateScope scope, double tolerance)
{
    std::vector<int> first(static_cast<size_t>(drawing.Count) + 1, 0);
    for (int i = 1; i <= drawing.Count; ++i)
        for (int j = i + 1; j <= drawing.Count; ++j)
            if (IsDuplicatePair(drawing.Layers, scope, drawing[i], drawing[j], tolerance)) {
                first[static_cast<size_t>(i)] = j;
                break;
            }
    return first;
}

// What the menu command selects from a list of first duplicates.
std::vector<uint8_t> Selection(const std::vector<int>& first, bool deleteOriginals)
{
    std::vector<uint8_t> selected(first.size(), 0);
    for (size_t i = 1; i < first.size(); ++i) {
        if (first[i] == 0) continue;
        selected[static_cast<size_t>(first[i])] = 1;
        if (deleteOriginals) selected[i] = 1;
    }
    return selected;
}

// Elements on a coarse lattice, with offsets just inside and just outside the tolerance, so that
// exact, near and almost-near duplicates are common.
Drawing RandomDrawing(std::mt19937& random, int count, double tolerance)
{
    Drawing drawing;
    drawing.Layers.Visible[1] = 0;
    std::uniform_int_distribution<int> lattice(0, 3);
    std::uniform_int_distribution<int> kindPick(0, 5);
    std::uniform_int_distribution<int> layerPick(1, 3);
    const double offsets[] = {0, 0, 0, 0.3, -0.7, 0.99, -1.01, 1.5};
    std::uniform_int_distribution<size_t> offsetPick(0, std::size(offsets) - 1);
    auto coordinate = [&] { return lattice(random) * 1.0 + offsets[offsetPick(random)] * tolerance; };
    const int8_t kinds[] = {kKindLine, kKindArc, kKindCircle, kKindPoint, kKindEllipse, kKindText};
    for (int n = 0; n < count; ++n) {
        TCadData e{};
        e.Kind = kinds[kindPick(random)];
        e.Layer = static_cast<uint8_t>(layerPick(random));
        e.X1 = coordinate();
        e.Y1 = coordinate();
        e.X2 = coordinate();
        e.Y2 = coordinate();
        e.Cx = coordinate();
        e.Cy = coordinate();
        e.R = 1 + lattice(random) % 2 + offsets[offsetPick(random)] * tolerance;
        e.Angle = 90 * (lattice(random) % 2);
        PutElement(drawing, e);
    }
    return drawing;
}

TEST(DuplicateSearch, SelectsExactlyWhatThePairwiseDefinitionSelects)
{
    const double tolerance = 0.0010000000474974513;
    for (const unsigned seed : {1u, 2u, 3u, 4u, 5u, 6u}) {
        std::mt19937 random(seed);
        const Drawing drawing = RandomDrawing(random, 600, tolerance);
        for (const DuplicateScope scope : {DuplicateScope::All, DuplicateScope::SameLayer,
                                           DuplicateScope::VisibleSameLayer}) {
            SCOPED_TRACE(::testing::Message() << "seed " << seed << " scope " << static_cast<int>(scope));
            const auto fast = FindFirstDuplicates(drawing, scope, tolerance);
            const auto pairwise = PairwiseFirstDuplicates(drawing, scope, tolerance);
            EXPECT_EQ(fast, pairwise);
            EXPECT_EQ(Selection(fast, false), Selection(pairwise, false));
            EXPECT_EQ(Selection(fast, true), Selection(pairwise, true));
        }
    }
}

TEST(DuplicateSearch, NonFiniteAndHugeCoordinatesAreHandled)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    Drawing drawing;
    PutElement(drawing, testing::Line(nan, 0, 1, 1));
    PutElement(drawing, testing::Line(nan, 0, 1, 1));
    PutElement(drawing, testing::Circle(inf, 0, 1));
    PutElement(drawing, testing::Circle(inf, 0, 1));
    PutElement(drawing, testing::Circle(1e300, -1e300, 1));
    PutElement(drawing, testing::Circle(1e300, -1e300, 1));
    const auto fast = FindFirstDuplicates(drawing, DuplicateScope::All, 0.001);
    EXPECT_EQ(fast, PairwiseFirstDuplicates(drawing, DuplicateScope::All, 0.001));
    EXPECT_EQ(fast[5], 6);
}

}  // namespace
}  // namespace vantro
