#include "document/ElementStore.h"
#include "view/PreviewPainter.h"
#include "view/RecordingSurface.h"
#include "view/SnapFixtures.h"

#include <gtest/gtest.h>

namespace vantro {
namespace {

using testing::RecordingSurface;

// One pixel per millimetre, world origin at the bottom-left of a 400 x 400 canvas.
class PreviewPainter : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetEps(0.001f);
        view.CanvasWidth = view.CanvasHeight = 400;
        view.OriginY = 400;
    }
    void TearDown() override { SetEps(kInitialEps); }

    void AddSelectedLines(int count)
    {
        for (int i = 0; i < count; ++i) {
            Append(drawing, true);
            TCadData& e = drawing[drawing.Count];
            e.Kind = kKindLine;
            e.Layer = 1;
            e.Width = 1;
            e.X1 = 10 + i;
            e.Y1 = 10;
            e.X2 = 10 + i;
            e.Y2 = 50;
            e.Selected = 1;
        }
    }
    std::optional<double> Draw(const PreviewInput& input)
    {
        return DrawPreviewShape({surface, view, drawing, settings}, input);
    }

    RecordingSurface surface{400, 400};
    ViewState view;
    Drawing drawing;
    PaintSettings settings;
};

TEST_F(PreviewPainter, ASelectionAboveTheLimitIsShownByItsOutline)
{
    const struct {
        int Selected;
        int Lines;
    } cases[] = {{50, 50}, {51, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Selected);
        drawing = Drawing();
        surface.Calls.clear();
        AddSelectedLines(c.Selected);
        PreviewInput move;
        move.Shape = PreviewShape::SelectionMoved;
        move.Hani = 50;
        move.LastPoint = {0, 0};
        move.Cursor = {20, 380};
        Draw(move);
        EXPECT_EQ(surface.Count("LineTo"), c.Lines);
    }
}

TEST_F(PreviewPainter, TheMovedCopiesFollowTheMouseAndTheStoreIsUntouched)
{
    AddSelectedLines(1);
    const TCadData before = drawing[1];
    PreviewInput move;
    move.Shape = PreviewShape::SelectionMoved;
    move.LastPoint = {10, 10};
    move.Cursor = {40, 370};  // world (40, 30): moved by (30, 20)
    Draw(move);
    ASSERT_EQ(surface.Count("LineTo"), 1);
    EXPECT_EQ(surface.Calls[0].Points[0], (PixelPoint{40, 370}));
    EXPECT_EQ(surface.Calls[1].Points[0], (PixelPoint{40, 330}));
    EXPECT_EQ(drawing[1], before);
}

TEST_F(PreviewPainter, AMirrorAxisOfNoLengthShowsNothing)
{
    AddSelectedLines(2);
    PreviewInput mirror;
    mirror.Shape = PreviewShape::SelectionMirrored;
    mirror.LastPoint = {100, 100};
    mirror.Cursor = {100, 300};
    Draw(mirror);
    EXPECT_TRUE(surface.Calls.empty());
    mirror.Cursor = {150, 300};
    Draw(mirror);
    EXPECT_EQ(surface.Count("LineTo"), 3) << "two mirrored lines and the axis";
}

TEST_F(PreviewPainter, TheRotationStepReportsItsAngle)
{
    AddSelectedLines(1);
    PreviewInput rotate;
    rotate.Shape = PreviewShape::SelectionRotated;
    rotate.LastPoint = {100, 100};
    rotate.Anchor = {100, 300};
    rotate.Cursor = {100, 200};  // straight above the centre
    const auto angle = Draw(rotate);
    ASSERT_TRUE(angle.has_value());
    EXPECT_NEAR(*angle, 90, 1e-9);
}

TEST_F(PreviewPainter, DimensionStepsShowExtensionAndDimensionLines)
{
    PreviewInput horizontal;
    horizontal.Shape = PreviewShape::HorizontalDimension;
    horizontal.InputPoint1 = {10, 10};
    horizontal.LastPoint = {60, 30};
    horizontal.Cursor = {0, 300};  // the dimension line on row 300
    Draw(horizontal);
    ASSERT_EQ(surface.Count("LineTo"), 3);
    EXPECT_EQ(surface.Calls[1].Points[0], (PixelPoint{10, 300}));
    EXPECT_EQ(surface.Calls[3].Points[0], (PixelPoint{60, 300}));
}

TEST_F(PreviewPainter, TheEllipseStepDrawsTheEllipseThroughTheHeightPoint)
{
    PreviewInput ellipse;
    ellipse.Shape = PreviewShape::EllipseHeightByEnds;
    ellipse.InputPoint2 = {100, 200};
    ellipse.LastPoint = {300, 200};
    ellipse.Cursor = {200, 400 - 250};  // 50 above the axis middle
    Draw(ellipse);
    int lowest = 400;
    int highest = 0;
    for (const auto& call : surface.Calls) {
        if (call.Name != "LineTo") continue;
        lowest = std::min(lowest, call.Points[0].Y);
        highest = std::max(highest, call.Points[0].Y);
    }
    EXPECT_GT(surface.Count("LineTo"), 20);
    EXPECT_NEAR(lowest, 150, 1);
    EXPECT_NEAR(highest, 250, 1);
}

TEST_F(PreviewPainter, ShapesDrawnElsewhereDrawNothingHere)
{
    for (const PreviewShape shape : {PreviewShape::None, PreviewShape::TextPlacement}) {
        PreviewInput input;
        input.Shape = shape;
        Draw(input);
    }
    EXPECT_TRUE(surface.Calls.empty());
}

// Moving an image: its frame, scaled with the view, hangs from the mouse by its top-left corner.
TEST_F(PreviewPainter, TheImageOutlineFollowsTheMouseAtTheImagesSize)
{
    drawing.Images.Slots[1].Pixels =
        std::make_shared<const Bitmap>(Bitmap{40, 20, std::vector<uint32_t>(800, 0)});
    drawing.Images.ImageCount = 1;
    view.Zoom = 2;
    PreviewInput input;
    input.Shape = PreviewShape::ImageOutline;
    input.SelectedImage = 1;
    input.Cursor = {100, 150};
    Draw(input);
    ASSERT_EQ(surface.Count("Rectangle"), 1);
    EXPECT_EQ(surface.Calls[0].Points, (std::vector<PixelPoint>{{100, 150}, {180, 190}}));
    surface.Calls.clear();
    input.SelectedImage = 2;
    Draw(input);
    EXPECT_TRUE(surface.Calls.empty()) << "no frame for an image beyond the list";
}

// Resizing: the frame runs from the image's corner as far right and down as the mouse is away
// from it in either direction.
TEST_F(PreviewPainter, TheResizeFrameAlwaysHangsRightAndDown)
{
    PreviewInput input;
    input.Shape = PreviewShape::ImageFrame;
    input.Anchor = {100, 100};
    const struct {
        CanvasPoint Cursor;
        PixelPoint Corner;
    } cases[] = {{{130, 120}, {130, 120}}, {{70, 120}, {130, 120}}, {{130, 80}, {130, 120}}, {{60, 50}, {140, 150}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.Cursor.X << "," << c.Cursor.Y);
        surface.Calls.clear();
        input.Cursor = c.Cursor;
        Draw(input);
        ASSERT_EQ(surface.Count("Rectangle"), 1);
        EXPECT_EQ(surface.Calls[0].Points, (std::vector<PixelPoint>{{100, 100}, c.Corner}));
    }
}

}  // namespace
}  // namespace vantro
