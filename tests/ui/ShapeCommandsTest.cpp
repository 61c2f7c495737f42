// Rectangles and regular polygons in the real window, by clicks and by the entry fields.
#include "MainWindowFixture.h"

#include <QLabel>

#include <cmath>

namespace vantro::testing {
namespace {

using ShapeCommandsTest = MainWindowTest;

TEST_F(ShapeCommandsTest, ARectangleIsFourGroupedLinesAndOneUndoStep)
{
    Press("SpeedButton39");
    ClickAt(0, 0);
    EXPECT_EQ(Prompt(), "対角の頂点を入力するかクリックして下さい(四角作図)");
    ClickAt(60, 40);
    ASSERT_EQ(Count(), 4);
    const Point a = WorldOf(PixelOf(0, 0));
    const Point c = WorldOf(PixelOf(60, 40));
    const double expected[4][4] = {
        {a.X, a.Y, c.X, a.Y}, {a.X, c.Y, c.X, c.Y}, {a.X, a.Y, a.X, c.Y}, {c.X, a.Y, c.X, c.Y}};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const TCadData& line = Element(i + 1);
        EXPECT_EQ(line.Kind, kKindLine);
        EXPECT_EQ(line.X1, expected[i][0]);
        EXPECT_EQ(line.Y1, expected[i][1]);
        EXPECT_EQ(line.X2, expected[i][2]);
        EXPECT_EQ(line.Y2, expected[i][3]);
        EXPECT_EQ(line.Group, Element(1).Group);
    }
    EXPECT_NE(Element(1).Group, 0);
    EXPECT_EQ(Mode(), 39);
    EXPECT_EQ(Prompt(), "1つ目の頂点を入力するかクリックして下さい(四角作図)");
    Press("SpeedButtonUNDU");
    EXPECT_EQ(Count(), 0) << "one undo removes all four";
}

TEST_F(ShapeCommandsTest, TheRightButtonFillsTheRectangle)
{
    Press("SpeedButton39", Qt::RightButton);
    TypePoint(0, 0);
    TypePoint(30, -20);
    ASSERT_EQ(Count(), 1);
    EXPECT_EQ(Element(1).Kind, kKindFilledRect);
    EXPECT_EQ(Element(1).X2, 30);
    EXPECT_EQ(Element(1).Y2, -20);
}

TEST_F(ShapeCommandsTest, ARectangleWithoutHeightIsRefused)
{
    Press("SpeedButton39");
    TypePoint(0, 0);
    TypePoint(10, 0.00005);
    EXPECT_EQ(Count(), 0);
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0], "距離が小さすぎます");
    EXPECT_EQ(Mode(), 40);
}

TEST_F(ShapeCommandsTest, APolygonNeedsItsCornerCountFirst)
{
    const struct {
        const char* Typed;
        const char* Message;
    } cases[] = {{"", "始めに角数を入力してください"},
                 {"2", "3以上255以下の角数を入力して下さい"},
                 {"256", "3以上255以下の角数を入力して下さい"},
                 {"4.5", "3以上255以下の角数を入力して下さい"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Typed);
        Press("SpeedButton41");
        Find<QLineEdit>("EditR")->setText(c.Typed);
        ClickAt(0, 0);
        ASSERT_FALSE(dialogs.Messages.empty());
        EXPECT_EQ(dialogs.Messages.back(), c.Message);
        EXPECT_EQ(Mode(), 41);
        dialogs.Messages.clear();
        EnterIn("EditR", c.Typed);
        ASSERT_FALSE(dialogs.Messages.empty());
        EXPECT_EQ(dialogs.Messages.back(), c.Message);
        EXPECT_EQ(Mode(), 41);
    }
    EXPECT_EQ(Count(), 0);
}

TEST_F(ShapeCommandsTest, APolygonBySideByClicks)
{
    Press("SpeedButton41");
    Find<QLineEdit>("EditR")->setText("6");
    ClickAt(0, 0);
    EXPECT_EQ(Mode(), 43);
    EXPECT_EQ(Prompt(), "辺の長さを入力するかクリックして下さい(多角形作図)");
    EXPECT_EQ(Find<QLabel>("LabelR")->text(), "R");
    ClickAt(20, 0);
    ASSERT_EQ(Count(), 6);
    const Point centre = WorldOf(PixelOf(0, 0));
    const double size = PointDistance(centre, WorldOf(PixelOf(20, 0)));
    for (int i = 1; i <= 6; ++i) {
        SCOPED_TRACE(i);
        const Point middle{(Element(i).X1 + Element(i).X2) / 2, (Element(i).Y1 + Element(i).Y2) / 2};
        EXPECT_NEAR(PointDistance(centre, middle), size, 1e-9) << "the size is the distance to each side";
        EXPECT_EQ(Element(i).Group, Element(1).Group);
    }
    EXPECT_NEAR(FieldText("EditR").toDouble(), size, 0.000005);
    EXPECT_TRUE(Find<QLineEdit>("EditR")->isVisible()) << "the next size may be typed";
    EXPECT_EQ(window->Command().LastCorners, 6);
    EXPECT_EQ(Mode(), 42);
    EXPECT_EQ(Prompt(), "中心を入力するかクリックして下さい(多角形作図)");
    ClickAt(100, 0);
    EXPECT_EQ(Mode(), 43) << "the next centre, the same count";
    Press("SpeedButtonUNDU");
    EXPECT_EQ(Count(), 0);
}

TEST_F(ShapeCommandsTest, APolygonByVertexByTypedValues)
{
    Press("SpeedButton44");
    EnterIn("EditR", "5");
    EXPECT_EQ(Mode(), 45);
    EXPECT_EQ(Prompt(), "中心を入力するかクリックして下さい(多角形作図)");
    EXPECT_TRUE(Find<QLineEdit>("EditX")->isVisible());
    EXPECT_TRUE(Find<QLineEdit>("EditY")->isVisible());
    TypePoint(10, 10);
    EXPECT_EQ(Mode(), 46);
    EXPECT_EQ(Prompt(), "頂点の長さを入力するかクリックして下さい(多角形作図)");
    EXPECT_TRUE(Find<QLineEdit>("EditR")->hasFocus());
    EnterIn("EditR", "20");
    ASSERT_EQ(Count(), 5);
    for (int i = 1; i <= 5; ++i) EXPECT_NEAR(std::hypot(Element(i).X1 - 10, Element(i).Y1 - 10), 20, 1e-9) << i;
    EXPECT_NEAR(Element(5).X1, 30, 1e-9) << "the first corner lies to the right of the centre";
    EXPECT_EQ(Mode(), 44);
    EXPECT_EQ(FieldText("EditR"), "5") << "the count step offers the count again, not the size";
    EXPECT_EQ(Find<QLabel>("LabelR")->text(), "N");
}

}  // namespace
}  // namespace vantro::testing
