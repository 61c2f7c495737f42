#include "document/ElementStore.h"
#include "document/UndoHistory.h"
#include "geometry/CurvePoints.h"
#include "geometry/EditElements.h"
#include "geometry/EditFixtures.h"
#include "geometry/Transform.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace vantro {
namespace {

using testing::ExpectNearRecord;

TCadData Ellipse()
{
    TCadData e{};
    e.Kind = kKindEllipse;
    e.Cx = 3;
    e.Cy = 4;
    e.R = 10;
    e.Y1 = 0.5;
    e.Angle = 0.3;
    e.X1 = 10;
    e.X2 = -4;
    e.Layer = 2;
    return e;
}

TCadData Text()
{
    TCadData e{};
    e.Kind = kKindText;
    e.Cx = e.X1 = 10;
    e.Cy = e.Y1 = 5;
    e.R = 4;
    e.X2 = 14;
    e.Y2 = 9;
    e.Text = "AB";
    e.Layer = 2;
    return e;
}

TCadData AlignedDimension()
{
    TCadData e{};
    e.Kind = kKindDimAligned;
    e.X2 = 10;
    e.Cx = e.R = 5;
    e.Cy = e.Angle = 5;
    e.Value = 10;
    e.Layer = 2;
    return e;
}

TCadData AngleDimension()
{
    TCadData e{};
    e.Kind = kKindDimAngle;
    e.R = 5;
    e.Angle = std::numbers::pi / 4;
    e.Value = 90;
    e.X1 = 10;
    e.Y2 = 10;
    e.Layer = 2;
    return e;
}

TCadData Curve()
{
    TCadData e{};
    e.Kind = kKindCurveThroughPoints;
    e.Text = "0,0,5,5,10,0,";
    e.X2 = 10;
    e.Layer = 2;
    return e;
}

class Transform : public testing::EditTest {
protected:
    // One element of every transformable kind, all selected.
    void AddEveryKind()
    {
        for (const TCadData& e :
             {testing::Line(0, 0, 10, 5, 2), testing::ArcElement({0, 0}, 5, 0, 90), testing::Circle(1, 2, 3, 2),
              testing::PointElement({4, 4}), Ellipse(), Text(), AlignedDimension(), AngleDimension(), Curve()}) {
            testing::PutElement(drawing, e);
            drawing[drawing.Count].Selected = 1;
        }
    }
    std::vector<TCadData> Unselected() const
    {
        std::vector<TCadData> elements = Snapshot();
        for (TCadData& e : elements) e.Selected = 0;
        return elements;
    }
};

TEST_F(Transform, FourQuarterTurnsReturnEveryElementToItsFields)
{
    AddEveryKind();
    const std::vector<TCadData> before = Unselected();
    for (int turn = 0; turn < 4; ++turn) {
        for (int i = 1; i <= drawing.Count; ++i) drawing[i].Selected = 1;
        EXPECT_EQ(RotateElements(drawing, 9, 0, {7, -3}, 90), 9);
    }
    for (int i = 1; i <= drawing.Count; ++i) {
        SCOPED_TRACE(i);
        ExpectNearRecord(drawing[i], before[static_cast<size_t>(i - 1)], Eps(), true);
    }
}

TEST_F(Transform, MirroringTwiceIsTheIdentity)
{
    AddEveryKind();
    const std::vector<TCadData> before = Unselected();
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 1; i <= drawing.Count; ++i) drawing[i].Selected = 1;
        EXPECT_EQ(MirrorElements(drawing, 9, false, {-2, 1}, {3, 7}), 9);
    }
    for (int i = 1; i <= drawing.Count; ++i) {
        SCOPED_TRACE(i);
        ExpectNearRecord(drawing[i], before[static_cast<size_t>(i - 1)], Eps());
    }
}

TEST_F(Transform, EveryInPlaceOperationIsOneUndoStepRestoringEveryField)
{
    struct Case {
        const char* Name;
        std::function<int(Drawing&)> Run;
    };
    const Case cases[] = {
        {"move", [](Drawing& d) { return MoveElements(d, 9, 0, {3, -2}); }},
        {"mirror", [](Drawing& d) { return MirrorElements(d, 9, false, {0, 0}, {1, 2}); }},
        {"rotate", [](Drawing& d) { return RotateElements(d, 9, 0, {1, 1}, 33); }},
        {"scale", [](Drawing& d) { return ScaleElements(d, {1, 1}, 2.5); }},
        {"origin", [](Drawing& d) { return MoveOrigin(d, {4, 5}); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Reset(drawing, nullptr);
        AddEveryKind();
        const std::vector<TCadData> before = Snapshot();
        EXPECT_EQ(c.Run(drawing), 9);
        EXPECT_NE(drawing[9].Text, before[8].Text);
        EXPECT_NE(drawing[1].X2, before[0].X2);
        ExpectUndoRestores(before);
        EXPECT_FALSE(CanUndo(drawing));
    }
}

TEST_F(Transform, RotateCopyWithCountThreeAppendsThreeCopiesInOneUndoStep)
{
    testing::PutElement(drawing, testing::Line(10, 0, 20, 0, 2));
    testing::PutElement(drawing, Text());
    drawing[1].Selected = drawing[2].Selected = 1;
    const std::vector<TCadData> before = Snapshot();
    EXPECT_EQ(RotateElements(drawing, 9, 3, {0, 0}, 90), 6);
    ASSERT_EQ(drawing.Count, 8);
    const double expectedAngles[] = {90, 180, 270};
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        const TCadData& line = drawing[3 + 2 * k];
        const Point start = RotatePointDeg({10, 0}, {0, 0}, 90.0 * (k + 1));
        EXPECT_NEAR(line.X1, start.X, 1e-9);
        EXPECT_NEAR(line.Y1, start.Y, 1e-9);
        EXPECT_NEAR(line.Angle, expectedAngles[k], 1e-9);
        EXPECT_EQ(line.Layer, 9);
        EXPECT_EQ(line.Selected, 0);
        EXPECT_NE(line.Id, drawing[1].Id);
        const TCadData& text = drawing[4 + 2 * k];
        EXPECT_NEAR(text.Angle, std::numbers::pi / 2 * (k + 1), 1e-12);
    }
    EXPECT_EQ(drawing[1].Selected, 0);
    EXPECT_EQ(drawing[2].Selected, 0);
    EXPECT_EQ(drawing[1].Layer, 2);
    ExpectUndoRestores(before);
    EXPECT_FALSE(CanUndo(drawing));
}

TEST_F(Transform, ACopiedTextOrEllipseStaysBelowAFullTurnWhileInPlaceTurnsDoNot)
{
    TCadData text = Text();
    text.Angle = 6;
    TCadData ellipse = Ellipse();
    ellipse.Angle = 6;
    Put({text, ellipse});
    drawing[1].Selected = drawing[2].Selected = 1;
    RotateElements(drawing, 9, 1, {0, 0}, 90);
    EXPECT_NEAR(drawing[3].Angle, 6 + kPi / 2 - 2 * kPi, 1e-12);
    EXPECT_NEAR(drawing[4].Angle, 6 + kPi / 2 - 2 * kPi, 1e-12);
    drawing[1].Selected = 1;
    RotateElements(drawing, 9, 0, {0, 0}, 90);
    EXPECT_NEAR(drawing[1].Angle, 6 + kPi / 2, 1e-12);
}

TEST_F(Transform, MoveCopyStopsAtTheCapacityWithoutAPartialElement)
{
    drawing.Capacity = 100;
    for (int i = 0; i < 95; ++i) testing::PutElement(drawing, testing::PointElement({static_cast<double>(i), 0}));
    testing::PutElement(drawing, testing::Line(0, 0, 1, 1, 2));
    testing::PutElement(drawing, testing::Circle(0, 0, 1, 2));
    drawing[96].Selected = drawing[97].Selected = 1;
    const std::vector<TCadData> before = Snapshot();
    // 97 elements; appends are refused once Count exceeds 100, so 4 copies fit.
    EXPECT_EQ(MoveElements(drawing, 9, 5, {10, 0}), 4);
    EXPECT_EQ(drawing.Count, 101);
    EXPECT_FALSE(drawing.AppendFailed);
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0], kCapacityMessage);
    EXPECT_EQ(drawing[101].Kind, kKindCircle);
    EXPECT_DOUBLE_EQ(drawing[101].Cx, 20);
    EXPECT_EQ(drawing[97].Selected, 0);
    ExpectUndoRestores(before);
}

struct SingleCase {
    const char* Name;
    TCadData Source;
    Transformation How;
    TCadData Expected;
};

TEST(TransformElement, EachKindTransformsTheFieldsItsKindGivesMeaning)
{
    SetEps(0.001f);
    TCadData mirroredEllipse = Ellipse();
    mirroredEllipse.Cx = -3;
    mirroredEllipse.Angle = kPi - 0.3 + kPi;  // axis direction π/2 seen from (0,0) to (0,1)
    mirroredEllipse.X1 = 4;
    mirroredEllipse.X2 = -10;
    TCadData scaledEllipse = Ellipse();
    scaledEllipse.Cx = 6;
    scaledEllipse.Cy = 8;
    scaledEllipse.R = 20;
    scaledEllipse.X1 = 20;
    scaledEllipse.X2 = -8;
    TCadData mirroredText = Text();
    mirroredText.Cx = mirroredText.X1 = -14;
    mirroredText.X2 = -10;
    TCadData scaledText = Text();
    scaledText.Cx = scaledText.X1 = 20;
    scaledText.Cy = scaledText.Y1 = 10;
    scaledText.X2 = 28;
    scaledText.Y2 = 18;
    // Guards against moving a text turned in place to its re-sorted box corner, which displaces the
    // drawn text: turned about its insertion point, the point stays and only the box turns.
    TCadData rotatedText = Text();
    rotatedText.Angle = kPi / 2;
    rotatedText.X1 = 6;
    rotatedText.X2 = 10;
    rotatedText.Y2 = 9;
    TCadData scaledDimension = AlignedDimension();
    scaledDimension.Cx = scaledDimension.Cy = scaledDimension.R = scaledDimension.Angle = 10;
    scaledDimension.X2 = 20;
    scaledDimension.Value = 20;
    TCadData scaledAngle = AngleDimension();
    scaledAngle.R = 10;
    scaledAngle.X1 = 20;
    scaledAngle.Y2 = 20;
    TCadData mirroredAngle = AngleDimension();
    mirroredAngle.X1 = 0;
    mirroredAngle.Y1 = 10;
    mirroredAngle.X2 = -10;
    mirroredAngle.Y2 = 0;
    TCadData movedCurve = Curve();
    movedCurve.X1 = 1;
    movedCurve.Y1 = -1;
    movedCurve.X2 = 11;
    movedCurve.Y2 = -1;
    movedCurve.Text = "1,-1,6,4,11,-1,";
    const SingleCase cases[] = {
        {"arc 0..90 mirrored on the y axis runs 90..180", testing::ArcElement({0, 0}, 5, 0, 90),
         MirrorAcross({0, 0}, {0, 1}), testing::ArcElement({0, 0}, 5, 90, 180)},
        {"circle halved about its centre", testing::Circle(1, 2, 10, 2), ScaleAbout({1, 2}, 0.5),
         testing::Circle(1, 2, 5, 2)},
        {"line mirrored gets its angle again", testing::Line(0, 0, 10, 0, 2), MirrorAcross({0, 0}, {1, 1}),
         testing::Line(0, 0, 0, 10, 2)},
        {"ellipse mirrored: half turn and negated values", Ellipse(), MirrorAcross({0, 0}, {0, 1}), mirroredEllipse},
        {"ellipse scaled: radius and values", Ellipse(), ScaleAbout({0, 0}, 2), scaledEllipse},
        {"text mirrored keeps reading forwards", Text(), MirrorAcross({0, 0}, {0, 1}), mirroredText},
        {"text scaled keeps its height", Text(), ScaleAbout({0, 0}, 2), scaledText},
        {"text rotated in place", Text(), RotateAbout({10, 5}, 90), rotatedText},
        {"aligned dimension scaled: third point and value", AlignedDimension(), ScaleAbout({0, 0}, 2), scaledDimension},
        {"angle dimension scaled: radius, not value", AngleDimension(), ScaleAbout({0, 0}, 2), scaledAngle},
        {"angle dimension mirrored exchanges its legs", AngleDimension(), MirrorAcross({0, 0}, {0, 1}), mirroredAngle},
        {"curve moved with its point list", Curve(), MoveBy({1, -1}), movedCurve},
    };
    for (const SingleCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TCadData e = c.Source;
        TransformElement(e, c.How, true);
        ExpectNearRecord(e, c.Expected, 1e-9);
    }
    SetEps(kInitialEps);
}

TEST_F(Transform, MirrorOnAZeroLengthAxisIsRefusedWithTheMessage)
{
    testing::PutElement(drawing, testing::Line(0, 0, 10, 5, 2));
    drawing[1].Selected = 1;
    const std::vector<TCadData> before = Snapshot();
    EXPECT_EQ(MirrorElements(drawing, 9, true, {1, 1}, {1, 1.0005}), -1);
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0], kZeroMirrorAxisMessage);
    EXPECT_EQ(Snapshot(), before);
    EXPECT_FALSE(CanUndo(drawing));
}

TEST_F(Transform, MirrorCopyPutsOneCopyOnTheCopyLayerAndKeepsTheSource)
{
    testing::PutElement(drawing, testing::ArcElement({0, 0}, 5, 0, 90));
    drawing[1].Selected = 1;
    const TCadData source = Unselected()[0];
    EXPECT_EQ(MirrorElements(drawing, 9, true, {0, 0}, {0, 1}), 1);
    ASSERT_EQ(drawing.Count, 2);
    EXPECT_EQ(drawing[1], source);
    TCadData expected = testing::ArcElement({0, 0}, 5, 90, 180);
    expected.Layer = 9;
    expected.Id = drawing[2].Id;
    ExpectNearRecord(drawing[2], expected, 1e-9);
}

TEST_F(Transform, ScaleRefusesAFactorThatIsNotPositive)
{
    testing::PutElement(drawing, testing::Circle(0, 0, 2, 2));
    drawing[1].Selected = 1;
    for (const double factor : {0.0, -2.0, std::nan("")}) EXPECT_EQ(ScaleElements(drawing, {0, 0}, factor), 0);
    EXPECT_EQ(drawing[1].R, 2);
    EXPECT_FALSE(CanUndo(drawing));
}

// Guards against numbers that are not finite entering the store through a transformation that
// overflows: the element stays as it was and is not counted.
TEST_F(Transform, AnElementThatAMoveOrScaleWouldOverflowStaysAsItWas)
{
    testing::PutElement(drawing, testing::Line(1e308, 0, 1.5e308, 0));
    testing::PutElement(drawing, testing::Line(0, 0, 10, 0));
    drawing[1].Selected = 1;
    drawing[2].Selected = 1;
    const std::vector<TCadData> before = Unselected();
    EXPECT_EQ(MoveElements(drawing, 9, 0, {1e308, 0}), 1);
    EXPECT_EQ(drawing[1], before[0]);
    EXPECT_EQ(drawing[2].X1, 1e308);
    drawing[1].Selected = 1;
    EXPECT_EQ(ScaleElements(drawing, {0, 0}, 1e10), 0);
    EXPECT_EQ(drawing[1], before[0]);
}

TEST_F(Transform, MoveOriginShiftsEveryElementAndTheCurvePointsSelectedOrNot)
{
    testing::PutElement(drawing, Curve());
    testing::PutElement(drawing, testing::PointElement({5, 5}));
    EXPECT_EQ(MoveOrigin(drawing, {5, 5}), 2);
    EXPECT_EQ(drawing[1].Text, "-5,-5,0,0,5,-5,");
    EXPECT_EQ(drawing[1].X2, 5);
    EXPECT_EQ(drawing[2].Cx, 0);
    EXPECT_EQ(drawing[2].Cy, 0);
}

TEST(CurvePointList, TransformedListsUseFifteenSignificantDigits)
{
    EXPECT_EQ(FormatCurvePoints({{1.0 / 3, -2}, {1e-20, 123456789.123456789}}),
              "0.333333333333333,-2,1e-20,123456789.123457,");
    const auto back = ParseCurvePoints(FormatCurvePoints({{0.1, 2.5}}));
    ASSERT_TRUE(back);
    EXPECT_EQ((*back)[0], (Point{0.1, 2.5}));
}

}  // namespace
}  // namespace vantro
