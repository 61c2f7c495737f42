// The circle commands in the real window: by centre and radius or diameter, through two and through
// three points, by clicks and by the entry fields.
#include "MainWindowFixture.h"

#include <QCheckBox>

#include <cmath>
#include <vector>

namespace vantro::testing {
namespace {

using CircleCommandsTest = MainWindowTest;

TEST_F(CircleCommandsTest, AClickedRadiusIsTakenAtTheShownPrecision)
{
    // One pixel is 12.34567 mm.
    window->View().FitScale = 1;
    window->View().Zoom = static_cast<float>(1 / 12.34567);
    window->RedrawAll(true);
    Press("SpeedButton30");
    ClickCanvas({400, 300});
    EXPECT_EQ(Mode(), 31);
    EXPECT_EQ(Prompt(), "半径を入力又はクリックして下さい(円-中心)");
    QTest::mouseMove(Canvas(), {401, 300});
    ClickCanvas({401, 300});
    ASSERT_EQ(Count(), 1);
    EXPECT_EQ(Element(1).Kind, kKindCircle);
    EXPECT_EQ(Element(1).R, 12.346);
    EXPECT_EQ(FieldText("EditR"), "12.346");
    EXPECT_EQ(window->Command().LastRadius, 12.346);
    EXPECT_EQ(Mode(), 30);
    EXPECT_EQ(Prompt(), "中心点と半径を入力又はクリックして下さい(円-中心)");
}

TEST_F(CircleCommandsTest, WithTheIntegerBoxCentreAndRadiusAreWholeMillimetres)
{
    Find<QCheckBox>("CheckBox_Int")->setChecked(true);
    Press("SpeedButton30");
    ClickAt(10.3, 20.4);
    ClickAt(47.2, 20.4);
    ASSERT_EQ(Count(), 1);
    EXPECT_EQ(Element(1).Cx, std::nearbyint(WorldOf(PixelOf(10.3, 20.4)).X));
    EXPECT_EQ(Element(1).R, std::nearbyint(Element(1).R));
    EXPECT_NEAR(Element(1).R, 37, 1.5);
}

TEST_F(CircleCommandsTest, ATypedCentreWithoutARadiusAsksForIt)
{
    Press("SpeedButton30");
    Find<QLineEdit>("EditR")->clear();
    TypePoint(10, 20);
    EXPECT_EQ(Count(), 0);
    EXPECT_EQ(Mode(), 31);
    EXPECT_TRUE(Find<QLineEdit>("EditR")->hasFocus());
    EnterIn("EditR", "7.5");
    ASSERT_EQ(Count(), 1);
    EXPECT_EQ(Element(1).Cx, 10);
    EXPECT_EQ(Element(1).Cy, 20);
    EXPECT_EQ(Element(1).R, 7.5);
    EXPECT_EQ(Mode(), 30);
    Press("SpeedButton30");
    EXPECT_EQ(FieldText("EditR"), "7.5") << "the last radius is offered again";
}

TEST_F(CircleCommandsTest, TheRightButtonTakesADiameter)
{
    Press("SpeedButton30", Qt::RightButton);
    Find<QLineEdit>("EditR")->setText("20");
    TypePoint(0, 0);
    ASSERT_EQ(Count(), 1);
    EXPECT_EQ(Element(1).R, 10);
    EXPECT_EQ(window->Command().LastDiameter, 20);
    EXPECT_EQ(window->Command().LastRadius, 0) << "the radius memory is the left button's";
    EXPECT_EQ(Prompt(), "中心点と直径を入力又はクリックして下さい(円-中心)");
    Press("SpeedButton30", Qt::RightButton);
    EXPECT_EQ(FieldText("EditR"), "20");
}

TEST_F(CircleCommandsTest, AFixedRadiusDrawsAtTheFirstClick)
{
    Press("SpeedButton30");
    Find<QLineEdit>("EditR")->setText("5");
    Find<QCheckBox>("CheckBoxLock")->setChecked(true);
    ClickAt(50, 50);
    ASSERT_EQ(Count(), 1);
    EXPECT_EQ(Element(1).R, 5);
    EXPECT_EQ(Element(1).Cx, WorldOf(PixelOf(50, 50)).X);
    EXPECT_EQ(Mode(), 30);
}

TEST_F(CircleCommandsTest, TheCentreCrossComesWithTheCircle)
{
    const struct {
        const char* Button;
        std::vector<Point> Typed;
        double Radius;
    } cases[] = {{"SpeedButton30", {{0, 0}}, 10},
                 {"SpeedButton34", {{0, 0}, {10, 0}}, 5},
                 {"SpeedButton36", {{0, 0}, {10, 0}, {5, 5}}, 5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Button);
        window->Document().Count = 0;
        Press(c.Button);
        Find<QCheckBox>("CheckBoxCrCenter")->setChecked(true);
        Find<QLineEdit>("EditR")->setText("10");
        for (const Point p : c.Typed) TypePoint(p.X, p.Y);
        ASSERT_EQ(Count(), 3);
        EXPECT_EQ(Element(1).R, c.Radius);
        EXPECT_EQ(Element(2).Kind, kKindLine);
        EXPECT_NEAR(Element(2).X2 - Element(2).X1, 2.6 * c.Radius, 1e-5);
        EXPECT_NEAR(Element(3).Y2 - Element(3).Y1, 2.6 * c.Radius, 1e-5);
    }
}

TEST_F(CircleCommandsTest, TwoClickedPointsAreADiameter)
{
    Press("SpeedButton34");
    ClickAt(0, 0);
    EXPECT_EQ(Prompt(), " 2点目を指定して下さい(円-2点)");
    ClickAt(40, 30);
    ASSERT_EQ(Count(), 1);
    const Point a = WorldOf(PixelOf(0, 0));
    const Point b = WorldOf(PixelOf(40, 30));
    EXPECT_NEAR(Element(1).Cx, (a.X + b.X) / 2, 1e-9);
    EXPECT_NEAR(Element(1).R, PointDistance(a, b) / 2, 1e-9);
    EXPECT_EQ(Prompt(), "1点目を入力、又はクリックして下さい(円-2点)");
    EXPECT_EQ(Mode(), 34);
}

TEST_F(CircleCommandsTest, ThreeTypedPoints)
{
    Press("SpeedButton36");
    TypePoint(0, 0);
    EXPECT_EQ(Prompt(), " 2点目を指定して下さい(円-3点)");
    TypePoint(10, 0);
    EXPECT_EQ(Prompt(), "3点目を入力、又はクリックして下さい(円-3点)");
    TypePoint(0, 10);
    ASSERT_EQ(Count(), 1);
    EXPECT_NEAR(Element(1).Cx, 5, 1e-12);
    EXPECT_NEAR(Element(1).Cy, 5, 1e-12);
    EXPECT_NEAR(Element(1).R, std::sqrt(50.0), 1e-12);
    EXPECT_EQ(Prompt(), "1点目を入力、又はクリックして下さい(円-3点)");
}

TEST_F(CircleCommandsTest, ThreePointsOnALineMakeNoCircle)
{
    Press("SpeedButton36");
    TypePoint(0, 0);
    TypePoint(10, 0);
    TypePoint(20, 0);
    EXPECT_EQ(Count(), 0);
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0], "作図できません!");
    EXPECT_EQ(Mode(), 38) << "the third point may be given again";
}

}  // namespace
}  // namespace vantro::testing
