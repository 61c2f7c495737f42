// The dimension and leader commands in the real window: points must be snap points, circles and
// lines are picked, and the options of PanelDim and PanelDim2 go into the new element.
#include "MainWindowFixture.h"

#include "document/Cp932.h"
#include "document/TextLimit.h"
#include "support/Fixtures.h"

#include <QCheckBox>
#include <QComboBox>

#include <cmath>

namespace vantro::testing {
namespace {

class DimensionCommandsTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        Find<QCheckBox>("CheckBoxSnap1")->setChecked(true);  // end points
    }
    const TCadData& Last() const { return Element(Count()); }
    void Lines(std::initializer_list<std::array<double, 4>> lines)
    {
        for (const auto& l : lines) AddLine(window->Document(), l[0], l[1], l[2], l[3]);
        window->RedrawAll(true);
    }
    bool ButtonDown(const char* name) const { return Find<QToolButton>(name)->isChecked(); }
    // A drawing of one circle about the origin, radius 20, and the command of the button.
    void StartWithACircle(const char* button)
    {
        window->Document().Count = 0;
        AddCircle(window->Document(), 0, 0, 20);
        window->RedrawAll(true);
        Press(button);
    }
};

// The tolerance and the memo once made a dimension text longer than a drawing file holds, cut
// without a word at the next save.
TEST_F(DimensionCommandsTest, ToleranceAndMemoTogetherFitADrawingFile)
{
    Lines({{0, 0, 30, 10}});
    Press("SpeedButton150");
    const QString many = QString::fromUtf8("あ").repeated(2000);
    Find<QLineEdit>("EditKousa")->setText(many);
    Find<QLineEdit>("EditCome")->setText(many);
    ClickAt(0, 0);
    ClickAt(30, 10);
    ClickAt(15, 30);
    const Drawing& d = window->Document();
    ASSERT_EQ(d.Count, 2);
    EXPECT_GT(d[2].Text.size(), 2000u);
    EXPECT_LE(d[2].Text.size(), kMaxTextBytes);
}

TEST_F(DimensionCommandsTest, AHorizontalDimensionBetweenTwoSnapPoints)
{
    Lines({{0, 0, 30, 10}});
    Press("SpeedButton150");
    Find<QComboBox>("ComboBoxDim1")->setCurrentIndex(2);  // the line on a 5 mm pitch
    Find<QLineEdit>("EditKousa")->setText("+0.1");
    ClickAt(50, 50);
    EXPECT_EQ(Mode(), 150) << "a point without a snap is not taken";
    ClickAt(0, 0);
    EXPECT_EQ(Prompt(), "2つ目のポイントを選択して下さい(寸法線-距離)");
    ClickAt(30, 10);
    EXPECT_EQ(Prompt(), "表示位置をクリックして下さい(寸法線-距離)");
    ClickAt(15, 31);
    ASSERT_EQ(Count(), 2);
    const TCadData& d = Last();
    EXPECT_EQ(d.Kind, kKindDimX);
    EXPECT_EQ(d.X1, 0);
    EXPECT_EQ(d.X2, 30);
    EXPECT_EQ(d.Y2, 10);
    EXPECT_EQ(d.Value, 30);
    EXPECT_EQ(d.Angle, 30) << "the dimension line on the 5 mm pitch";
    EXPECT_EQ(d.Text, "+0.1");
    EXPECT_EQ(Mode(), 150);
    EXPECT_EQ(Prompt(), "1つ目のポイントを選択して下さい(寸法線-距離)");
    Press("SpeedButtonUNDU");
    EXPECT_EQ(Count(), 1);
}

TEST_F(DimensionCommandsTest, TheRatioAndThePrefixGoIntoTheDimension)
{
    Lines({{0, 0, 30, 40}});
    Press("SpeedButton156");
    Find<QComboBox>("ComboBoxBy")->setCurrentIndex(3);  // 1/2
    Find<QCheckBox>("CheckBoxD")->setChecked(true);
    ClickAt(0, 0);
    ClickAt(30, 40);
    ClickAt(-20, 40);
    ASSERT_EQ(Count(), 2);
    EXPECT_EQ(Last().Kind, kKindDimAligned);
    EXPECT_EQ(Last().Value, 25);
    EXPECT_EQ(Last().Text, "D");
}

TEST_F(DimensionCommandsTest, PointsAboveEachOtherTurnTheHorizontalDimensionVertical)
{
    const struct {
        const char* Button;
        std::array<double, 4> Line;
        int Kind;
        const char* Pressed;
        int After;
    } cases[] = {{"SpeedButton150", {0, 0, 0, 40}, kKindDimY, "SpeedButton153", 153},
                 {"SpeedButton153", {0, 0, 40, 0}, kKindDimX, "SpeedButton150", 150}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Button);
        window->Document().Count = 0;
        Lines({c.Line});
        Press(c.Button);
        ClickAt(c.Line[0], c.Line[1]);
        ClickAt(c.Line[2], c.Line[3]);
        EXPECT_TRUE(ButtonDown(c.Pressed));
        ClickAt(20, 20);
        ASSERT_EQ(Count(), 2);
        EXPECT_EQ(Last().Kind, c.Kind);
        EXPECT_EQ(Last().Value, 40);
        EXPECT_EQ(Mode(), c.After);
    }
}

TEST_F(DimensionCommandsTest, RadiusAndDiameterOfAPickedCircle)
{
    const struct {
        const char* Button;
        int Kind;
        double Value;
        const char* Text;
        const char* Again;
    } cases[] = {{"SpeedButton250", kKindDimRadius, 20, "R", "円、又は円弧を選択して下さい(寸法線-半径)"},
                 {"SpeedButton255", kKindDimDiameter, 40, "D", "円、又は円弧を選択して下さい(寸法線-直径)"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Button);
        StartWithACircle(c.Button);
        ClickAt(40, 40);
        EXPECT_EQ(Count(), 1) << "nothing picked there";
        ClickAt(20, 0);
        EXPECT_EQ(window->Command().FirstPick, 1);
        ClickAt(40, 40);
        ASSERT_EQ(Count(), 2);
        EXPECT_EQ(Last().Kind, c.Kind);
        EXPECT_EQ(Last().Value, c.Value);
        EXPECT_EQ(Last().Text, c.Text);
        EXPECT_EQ(window->Command().FirstPick, 0);
        EXPECT_EQ(Prompt(), c.Again);
    }
}

TEST_F(DimensionCommandsTest, RadiusAndDiameterOnABentLeader)
{
    const struct {
        const char* Button;
        int Kind;
        double Value;
        const char* Knee;
        const char* Position;
    } cases[] = {{"SpeedButton252", kKindDimJoggedRadius, 20, "折れ線位置をクリックして下さい(寸法線-半径)",
                  "表示位置をクリックして下さい(寸法線-半径)"},
                 {"SpeedButton257", kKindDimJoggedDiameter, 40, "折れ線位置をクリックして下さい(寸法線-直径)",
                  "表示位置をクリックして下さい(寸法線-直径)"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Button);
        StartWithACircle(c.Button);
        ClickAt(14.1, 14.1);
        EXPECT_EQ(Prompt(), c.Knee);
        ClickAt(40, 40);
        EXPECT_EQ(Prompt(), c.Position);
        ClickAt(70, 40);
        ASSERT_EQ(Count(), 2);
        const TCadData& d = Last();
        EXPECT_EQ(d.Kind, c.Kind);
        EXPECT_EQ(d.Value, c.Value);
        EXPECT_NEAR(std::hypot(d.X1, d.Y1), 20, 1e-9) << "the arrow sits on the circle";
        const Point knee = WorldOf(PixelOf(40, 40));
        EXPECT_EQ(d.X2, knee.X);
        EXPECT_EQ(d.Cy, knee.Y);
        EXPECT_EQ(d.Cx, WorldOf(PixelOf(70, 40)).X);
        EXPECT_EQ(Mode(), c.Kind == kKindDimJoggedRadius ? 252 : 257);
    }
}

TEST_F(DimensionCommandsTest, TheAngleBetweenTwoLines)
{
    Lines({{0, 0, 100, 0}, {0, 0, 100, 100}, {0, 20, 100, 20}});
    Press("SpeedButton260");
    ClickAt(80, 0);
    EXPECT_EQ(Prompt(), "2つ目の直線を指定して下さい(角度表示)");
    ClickAt(60, 60);
    EXPECT_EQ(Prompt(), "表示位置をクリックして下さい(角度表示)");
    ClickAt(40, 15);
    ASSERT_EQ(Count(), 4);
    EXPECT_EQ(Last().Kind, kKindDimAngle);
    EXPECT_NEAR(Last().Value, 45, 1e-9);
    EXPECT_EQ(Prompt(), "1つ目の直線を指定して下さい(角度表示)");

    ClickAt(80, 0);
    ClickAt(80, 20);
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0], "選択された２本の直線は交点を持ちません");
    EXPECT_EQ(Mode(), 260);
    EXPECT_EQ(window->Command().FirstPick, 0);
}

TEST_F(DimensionCommandsTest, CoordinatesOfAPointAndFromABasePoint)
{
    Lines({{10, 20, 50, 20}});
    Press("SpeedButton159");
    ClickAt(10, 20);
    EXPECT_EQ(Prompt(), "折れ線位置をクリックして下さい(座標位置)");
    ClickAt(30, 40);
    EXPECT_EQ(Prompt(), "表示位置をクリックして下さい(座標位置)");
    ClickAt(60, 40);
    ASSERT_EQ(Count(), 2);
    EXPECT_EQ(Last().Kind, kKindDimCoordinate);
    EXPECT_EQ(Last().X1, 10);
    EXPECT_EQ(Last().Y1, 20);
    EXPECT_EQ(Prompt(), "座標をクリックして下さい(座標表示)");

    Press("SpeedButton167");
    ClickAt(10, 20);
    EXPECT_EQ(Prompt(), "座標をクリックして下さい(基点相対座標)");
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        ClickAt(50, 20);
        EXPECT_EQ(Prompt(), "折れ線位置をクリックして下さい(基点相対座標)");
        ClickAt(60, 50);
        ClickAt(90, 50);
        EXPECT_EQ(Last().Kind, kKindDimRelativeCoordinate);
        EXPECT_EQ(Last().X1, 50);
        EXPECT_EQ(Last().R, 10) << "the base point is kept for the next point";
        EXPECT_EQ(Last().Angle, 20);
        EXPECT_EQ(Prompt(), "座標をクリックして下さい(基点相対座標)");
    }
    EXPECT_EQ(Count(), 4);
}

TEST_F(DimensionCommandsTest, RelativeValuesAlongADisplayLine)
{
    Lines({{0, 0, 30, 0}, {50, 10, 80, 10}});
    Press("SpeedButton162");
    ClickAt(0, 0);
    EXPECT_EQ(Prompt(), "表示位置をクリックして下さい(相対値寸法表示)");
    ClickAt(0, -30);
    ASSERT_EQ(Count(), 3);
    EXPECT_EQ(Last().Kind, kKindDimRunning);
    EXPECT_EQ(Last().Value, 0) << "the base point's own value";
    EXPECT_EQ(Prompt(), "次ぎの座標をクリックして下さい(Shiftキーで表示位置変更)(相対値寸法表示)");
    ClickAt(30, 0);
    ASSERT_EQ(Count(), 4);
    EXPECT_EQ(Last().Value, 30);
    EXPECT_EQ(Last().Y2, Element(3).Y2) << "on the same display line";
    ClickAt(50, 10, Qt::ShiftModifier);
    EXPECT_EQ(Count(), 4);
    EXPECT_EQ(Prompt(), "表示位置をクリックして下さい(相対値寸法表示)");
    ClickAt(-40, 5);
    ASSERT_EQ(Count(), 5);
    EXPECT_EQ(Last().Value, 10) << "a sideways display line shows the height";
    EXPECT_EQ(Prompt(), "次ぎの座標をクリックして下さい(相対値寸法表示)");
    EXPECT_EQ(Mode(), 164);
}

TEST_F(DimensionCommandsTest, ALeaderTextAsksForItsText)
{
    Press("SpeedButton171");
    ClickAt(10, 20);
    EXPECT_EQ(Prompt(), "折れ線位置をクリックして下さい(折れ線TEXT)");
    ClickAt(30, 40);
    EXPECT_EQ(Prompt(), "表示位置をクリックして下さい(折れ線TEXT)");
    dialogs.Inputs = {std::string("穴あけ")};
    ClickAt(60, 40);
    ASSERT_EQ(dialogs.Questions.size(), 1u);
    EXPECT_EQ(dialogs.Questions[0], "表示する文字を入力してください");
    ASSERT_EQ(Count(), 1);
    EXPECT_EQ(Last().Kind, kKindLeader);
    EXPECT_EQ(Last().Text, "=" + Utf8ToCp932("穴あけ"));
    EXPECT_EQ(Prompt(), "基点位置をクリックして下さい(折れ線TEXT)");

    ClickAt(10, 20);
    ClickAt(30, 40);
    dialogs.Inputs = {std::nullopt};
    ClickAt(60, 40);
    EXPECT_EQ(Count(), 1) << "cancelled";
    EXPECT_EQ(Mode(), 171);
}

TEST_F(DimensionCommandsTest, AnOverLongLeaderTextIsCutToWhatAFileHolds)
{
    Press("SpeedButton171");
    ClickAt(10, 20);
    ClickAt(30, 40);
    dialogs.Inputs = {std::string(3000, 'A')};
    ClickAt(60, 40);
    ASSERT_EQ(Count(), 1);
    EXPECT_EQ(Last().Text.size(), 2550u) << "the leading = and 2549 characters";
    ASSERT_FALSE(dialogs.Messages.empty());
    EXPECT_EQ(dialogs.Messages.back(), "1個のテキストが長すぎるため、2550バイトまでに切り詰めました。");
}

}  // namespace
}  // namespace vantro::testing
