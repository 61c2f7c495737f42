#include "geometry/FillRegions.h"

#include "document/ElementStore.h"
#include "geometry/EllipsePolyline.h"
#include "support/Fixtures.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vantro::testing {
namespace {

class FillRegions : public ::testing::Test {
protected:
    void SetUp() override { drawing.Dialogs = &dialogs; }

    // A closed rectangle of four lines in the group, corners (x1, y1) and (x2, y2).
    void PutRectangle(double x1, double y1, double x2, double y2, int32_t group)
    {
        for (TCadData line : {Line(x1, y1, x2, y1), Line(x2, y1, x2, y2), Line(x2, y2, x1, y2), Line(x1, y2, x1, y1)}) {
            line.Group = group;
            PutElement(drawing, line);
        }
    }

    FillRegion Resolve(std::string_view line) const
    {
        return ResolveFill(drawing, IndexGroups(drawing), line, kDefaultFineness);
    }

    Drawing drawing;
    ScriptedDialogs dialogs;
};

TEST_F(FillRegions, AGroupedRectangleFilledRed)
{
    PutRectangle(0, 0, 100, 50, 5);
    const FillRegion region = Resolve("5,255");
    EXPECT_EQ(region.Problem, FillProblem::None);
    EXPECT_EQ(region.Colour, 0x0000FFu);
    EXPECT_FALSE(region.IsCircle);
    // The walk comes back to the first corner.
    const std::vector<Point> corners{{0, 0}, {100, 0}, {100, 50}, {0, 50}, {0, 0}};
    EXPECT_EQ(region.Outline, corners);
}

TEST_F(FillRegions, AChainIsFollowedWhicheverWayItsElementsRun)
{
    // The second line runs against the walk; a half circle makes the top.
    for (TCadData e : {Line(0, 0, 100, 0), Line(100, 50, 100, 0), ArcElement({50, 50}, 50, 0, 180), Line(0, 50, 0, 0)}) {
        e.Group = 2;
        e.Layer = 1;
        PutElement(drawing, e);
    }
    const FillRegion region = Resolve("2,65280");
    ASSERT_EQ(region.Problem, FillProblem::None);
    ASSERT_GT(region.Outline.size(), 6u);
    EXPECT_EQ(region.Outline[0], (Point{0, 0}));
    EXPECT_EQ(region.Outline[1], (Point{100, 0}));
    EXPECT_EQ(region.Outline[2], (Point{100, 50}));
    double top = 0;
    for (const Point& p : region.Outline) top = std::max(top, p.Y);
    EXPECT_NEAR(top, 100, 1e-9) << "the arc's points lie on the outline";
    EXPECT_EQ(region.Outline.back(), (Point{0, 0})) << "the last line comes back to the first corner";
}

TEST_F(FillRegions, ACircleOfTheGroupIsFilledWhole)
{
    TCadData circle = Circle(10, 10, 5);
    circle.Group = 4;
    PutElement(drawing, circle);
    const FillRegion region = Resolve("4,16711680");
    EXPECT_EQ(region.Problem, FillProblem::None);
    EXPECT_TRUE(region.IsCircle);
    EXPECT_EQ(region.First, 1);
    EXPECT_EQ(region.Colour, 0xFF0000u);
}

TEST_F(FillRegions, EveryProblemOfAMemoLine)
{
    PutRectangle(0, 0, 100, 50, 5);
    TCadData open = Line(200, 0, 300, 0);
    open.Group = 6;
    PutElement(drawing, open);
    TCadData text = TextElement(0, 0, 5, "A");
    text.Group = 8;
    PutElement(drawing, text);
    TCadData otherLayer = Line(0, 50, 0, 0, 2);
    otherLayer.Group = 9;
    for (TCadData e : {Line(0, 0, 100, 0), Line(100, 0, 100, 50), Line(100, 50, 0, 50)}) {
        e.Group = 9;
        PutElement(drawing, e);
    }
    PutElement(drawing, otherLayer);
    const struct {
        const char* Line;
        FillProblem Problem;
        std::string Message;
    } cases[] = {
        {"", FillProblem::EmptyLine, ""},
        {"x,255", FillProblem::BadGroup, kFillDataErrorMessage},
        {",255", FillProblem::BadGroup, kFillDataErrorMessage},
        {"7,255", FillProblem::NoSuchGroup, "選択したグループ番号(7)が無い為、指定を解除しました。"},
        {"0,255", FillProblem::NoSuchGroup, "選択したグループ番号(0)が無い為、指定を解除しました。"},
        {"6,255", FillProblem::NotClosed, kFillNotClosedMessage},
        {"8,255", FillProblem::NotClosed, kFillNotClosedMessage},
        {"9,255", FillProblem::NotClosed, kFillNotClosedMessage},  // the closing line lies on another layer
        {"5,red", FillProblem::BadColour, ""},
        {"5", FillProblem::BadColour, ""},
        {" 5 , 255 ", FillProblem::None, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Line);
        const FillRegion region = Resolve(c.Line);
        EXPECT_EQ(region.Problem, c.Problem);
        EXPECT_EQ(FillProblemMessage(region), c.Message);
        EXPECT_EQ(DeletesLine(region.Problem), c.Problem != FillProblem::None && c.Problem != FillProblem::BadColour);
    }
}

TEST_F(FillRegions, AFillLineIsDroppedWithItsMessageOnceALineOfItsChainIsDeleted)
{
    PutRectangle(0, 0, 100, 50, 5);
    drawing.MemoBrush = {"5,255"};
    EXPECT_TRUE(DropBrokenFills(drawing, kDefaultFineness));
    EXPECT_EQ(drawing.MemoBrush.size(), 1u);
    EXPECT_TRUE(dialogs.Messages.empty());
    Delete(drawing, 2, false);
    EXPECT_TRUE(DropBrokenFills(drawing, kDefaultFineness));
    EXPECT_TRUE(drawing.MemoBrush.empty());
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{kFillNotClosedMessage});
}

TEST_F(FillRegions, BrokenLinesGoAndTheOthersStayInOrder)
{
    PutRectangle(0, 0, 100, 50, 5);
    PutRectangle(200, 0, 300, 50, 6);
    drawing.MemoBrush = {"5,255", "", "7,1", "6,65280", "x"};
    EXPECT_TRUE(DropBrokenFills(drawing, kDefaultFineness));
    EXPECT_EQ(drawing.MemoBrush, (std::vector<std::string>{"5,255", "6,65280"}));
    EXPECT_EQ(dialogs.Messages, (std::vector<std::string>{"選択したグループ番号(7)が無い為、指定を解除しました。",
                                                           kFillDataErrorMessage}));
}

TEST_F(FillRegions, AColourThatCannotBeReadStopsThePassAndKeepsItsLine)
{
    PutRectangle(0, 0, 100, 50, 5);
    drawing.MemoBrush = {"5,red", "7,1"};
    EXPECT_FALSE(DropBrokenFills(drawing, kDefaultFineness));
    EXPECT_EQ(drawing.MemoBrush.front(), "5,red");
}

}  // namespace
}  // namespace vantro::testing
