#include "geometry/EditFixtures.h"

#include "document/ElementStore.h"
#include "document/UndoHistory.h"
#include "geometry/CurvePoints.h"
#include "support/Fixtures.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vantro::testing {

void EditTest::Put(const std::vector<TCadData>& elements)
{
    Reset(drawing, nullptr);
    dialogs.Messages.clear();
    dialogs.Questions.clear();
    for (const TCadData& e : elements) PutElement(drawing, e);
}

std::vector<TCadData> EditTest::Snapshot() const
{
    return {drawing.Elements.begin() + 1, drawing.Elements.begin() + drawing.Count + 1};
}

void EditTest::ExpectUndoRestores(const std::vector<TCadData>& before)
{
    Undo(drawing);
    std::vector<TCadData> after = Snapshot();
    std::vector<TCadData> expected = before;
    auto byId = [](const TCadData& a, const TCadData& b) { return a.Id < b.Id; };
    std::sort(after.begin(), after.end(), byId);
    std::sort(expected.begin(), expected.end(), byId);
    // Undo copies are kept unselected, so the selection flag is the one field undo does not restore.
    for (TCadData& e : expected) e.Selected = 0;
    for (TCadData& e : after) e.Selected = 0;
    ASSERT_EQ(after.size(), expected.size());
    for (size_t i = 0; i < after.size(); ++i) EXPECT_EQ(after[i], expected[i]) << "element id " << expected[i].Id;
}

void ExpectNearRecord(const TCadData& actual, const TCadData& expected, double tolerance, bool turnsModulo)
{
    EXPECT_EQ(actual.Kind, expected.Kind);
    EXPECT_EQ(actual.Id, expected.Id);
    EXPECT_EQ(actual.Layer, expected.Layer);
    EXPECT_EQ(actual.Color, expected.Color);
    EXPECT_EQ(actual.Group, expected.Group);
    EXPECT_EQ(actual.Selected, expected.Selected);
    EXPECT_NEAR(actual.Cx, expected.Cx, tolerance);
    EXPECT_NEAR(actual.Cy, expected.Cy, tolerance);
    EXPECT_NEAR(actual.R, expected.R, tolerance);
    EXPECT_NEAR(actual.Value, expected.Value, tolerance);
    EXPECT_NEAR(actual.X1, expected.X1, tolerance);
    EXPECT_NEAR(actual.Y1, expected.Y1, tolerance);
    EXPECT_NEAR(actual.X2, expected.X2, tolerance);
    EXPECT_NEAR(actual.Y2, expected.Y2, tolerance);
    double angle = actual.Angle - expected.Angle;
    if (turnsModulo) angle = std::remainder(angle, 2 * std::numbers::pi);
    EXPECT_NEAR(angle, 0, tolerance);
    if (!IsCurve(actual.Kind)) {
        EXPECT_EQ(actual.Text, expected.Text);
        return;
    }
    const auto points = ParseCurvePoints(actual.Text);
    const auto expectedPoints = ParseCurvePoints(expected.Text);
    ASSERT_TRUE(points && expectedPoints) << actual.Text;
    ASSERT_EQ(points->size(), expectedPoints->size());
    for (size_t i = 0; i < points->size(); ++i) {
        EXPECT_NEAR((*points)[i].X, (*expectedPoints)[i].X, tolerance);
        EXPECT_NEAR((*points)[i].Y, (*expectedPoints)[i].Y, tolerance);
    }
}

}  // namespace vantro::testing
