#include "document/Cp932.h"
#include "document/ElementStore.h"
#include "geometry/Dimensions.h"
#include "view/ElementPainter.h"
#include "view/FontFaces.h"
#include "view/QPainterSurface.h"

#include <QFontInfo>
#include <QImage>

#include <gtest/gtest.h>

#include <cmath>

namespace vantro {
namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr uint32_t kLineColour = 0x0000FF;  // red
constexpr uint32_t kTextColour = 0x00C000;  // green: neither the lines nor the origin marker

// Ten pixels per millimetre; world (0, 0) at pixel (100, 400).
class AnnotationPainter : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetEps(0.001f);
        image = QImage(600, 500, QImage::Format_RGB32);
        image.fill(kWhite);
        view.CanvasWidth = image.width();
        view.CanvasHeight = image.height();
        view.FitScale = 10;
        view.OriginX = 100;
        view.OriginY = 400;
        settings.AnnotationColour = kLineColour;
        settings.BackgroundColour = 0xFFFFFF;
        settings.Annotations.TextColour = kTextColour;
        settings.Annotations.TextHeight = 4;
        settings.Annotations.ArrowOffset = 1;
        settings.Annotations.DimensionFace = QString::fromUtf8("ＭＳ ゴシック");
        settings.Annotations.TextFace = settings.Annotations.DimensionFace;
    }
    void TearDown() override { SetEps(kInitialEps); }

    int Add(TCadData e)
    {
        e.Layer = 1;
        Append(drawing, true);
        e.Id = drawing[drawing.Count].Id;
        drawing[drawing.Count] = e;
        return drawing.Count;
    }
    void PaintAll()
    {
        QPainterSurface surface(image);
        PaintDrawing(surface, view, drawing, settings, [] {}, [](Surface&) {});
    }
    void Draw(int index, bool copyMode)
    {
        QPainterSurface surface(image);
        DrawElement({surface, view, drawing, settings}, index, copyMode);
    }
    void Erase(int index)
    {
        QPainterSurface surface(image);
        EraseElement({surface, view, drawing, settings}, index);
    }
    QPoint Pixel(double x, double y) const
    {
        return {static_cast<int>(std::lround(100 + 10 * x)), static_cast<int>(std::lround(400 - 10 * y))};
    }
    bool IsLine(QPoint p) const
    {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (image.pixel(p.x() + dx, p.y() + dy) == 0xFFFF0000) return true;
        return false;
    }
    // The box of the pixels in the text colour, in world millimetres.
    QRectF TextBox() const
    {
        QRect box;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.green() > 150 && c.red() < 60 && c.blue() < 60) box |= QRect(x, y, 1, 1);
            }
        if (box.isEmpty()) return {};
        return QRectF(QPointF((box.left() - 100) / 10.0, (400 - box.bottom()) / 10.0),
                      QPointF((box.right() - 100) / 10.0, (400 - box.top()) / 10.0));
    }

    QImage image;
    ViewState view;
    Drawing drawing;
    PaintSettings settings;
    DimensionOptions options;
    CurrentAttributes attributes;
};

TEST_F(AnnotationPainter, AHorizontalDimensionDrawsItsLinesArrowsAndCentredText)
{
    ASSERT_TRUE(AppendLinearDimension(drawing, attributes, options, kKindDimX, {0, 0}, {30, 10}, {15, 20}));
    PaintAll();
    for (double x : {0.5, 15.0, 29.5}) EXPECT_TRUE(IsLine(Pixel(x, 20))) << x;
    EXPECT_TRUE(IsLine(Pixel(0, 10)));
    EXPECT_TRUE(IsLine(Pixel(30, 15)));
    EXPECT_TRUE(IsLine(Pixel(30, 20.8)));  // the extension runs 1 mm past the line
    EXPECT_FALSE(IsLine(Pixel(30, 21.5)));
    // Barbs reach back along the line from each end.
    EXPECT_TRUE(IsLine(Pixel(2.1 * std::cos(0.32), 20 - 2.1 * std::sin(0.32))));
    EXPECT_TRUE(IsLine(Pixel(30 - 2.1 * std::cos(0.32), 20 + 2.1 * std::sin(0.32))));
    const QRectF text = TextBox();
    ASSERT_FALSE(text.isEmpty());
    EXPECT_NEAR(text.center().x(), 15, 0.6);
    EXPECT_GE(text.bottom() /* world: lowest y */, 20.5);
    EXPECT_LE(text.top(), 25.2);
    EXPECT_LT(text.width(), 5);
}

TEST_F(AnnotationPainter, AVerticalDimensionReadsUpwardsLeftOfItsLine)
{
    ASSERT_TRUE(AppendLinearDimension(drawing, attributes, options, kKindDimY, {10, 0}, {20, 30}, {-5, 15}));
    PaintAll();
    EXPECT_TRUE(IsLine(Pixel(-5, 15)));
    const QRectF text = TextBox();
    ASSERT_FALSE(text.isEmpty());
    // Turned by 90 degrees: the text stands left of the line, centred on its middle.
    EXPECT_LT(text.right(), -5.5);
    EXPECT_GT(text.left(), -5 - 1 - 4.5);
    EXPECT_NEAR(text.center().y(), 15, 0.6);
    EXPECT_GT(text.height(), text.width());
}

TEST_F(AnnotationPainter, AnAlignedDimensionAtThirtyDegreesPutsItsTextAboveTheMiddle)
{
    const Point p2{30 * std::cos(kPi / 6), 30 * std::sin(kPi / 6)};
    ASSERT_TRUE(AppendAlignedDimension(drawing, attributes, options, {0, 0}, p2, {-5 * std::sin(kPi / 6), 5 * std::cos(kPi / 6)}));
    PaintAll();
    const TCadData& e = drawing[1];
    EXPECT_TRUE(IsLine(Pixel(e.R, e.Angle)));
    const QRectF text = TextBox();
    ASSERT_FALSE(text.isEmpty());
    // The text centre lies on the normal through the line's middle, above the line.
    const double along = (text.center().x() - e.R) * std::cos(kPi / 6) + (text.center().y() - e.Angle) * std::sin(kPi / 6);
    const double across = -(text.center().x() - e.R) * std::sin(kPi / 6) + (text.center().y() - e.Angle) * std::cos(kPi / 6);
    EXPECT_NEAR(along, 0, 0.8);
    EXPECT_NEAR(across, 1 + 2, 1.0);
}

TEST_F(AnnotationPainter, ARadiusArrowPointsOutwardsFromInsideAndInwardsFromOutside)
{
    const struct {
        Point Click;
        double BarbDistance;  // from the centre, where the barbs lie
    } cases[] = {{{3, 0}, 10 - 2}, {{20, 0}, 10 + 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Click.X);
        image.fill(kWhite);
        drawing = Drawing();
        ASSERT_TRUE(AppendRadiusDimension(drawing, attributes, options, kKindDimRadius, {20, 20}, 10, {20 + c.Click.X, 20}));
        PaintAll();
        EXPECT_TRUE(IsLine(Pixel(20 + c.BarbDistance, 20 + 2 * std::tan(0.32))));
        EXPECT_TRUE(IsLine(Pixel(20 + c.BarbDistance, 20 - 2 * std::tan(0.32))));
        EXPECT_FALSE(TextBox().isEmpty());
    }
}

TEST_F(AnnotationPainter, AnAngleDimensionDrawsItsArcAndTextOnTheBisector)
{
    ASSERT_TRUE(AppendAngleDimension(drawing, attributes, options, {0, 0}, {30, 0}, {0, 0}, {0, 30}, {10, 10}));
    settings.ArcMode = 98;
    PaintAll();
    const double r = std::hypot(10, 10);
    EXPECT_TRUE(IsLine(Pixel(r * std::cos(kPi / 8), r * std::sin(kPi / 8))));
    EXPECT_TRUE(IsLine(Pixel(r * std::cos(3 * kPi / 8), r * std::sin(3 * kPi / 8))));
    const QRectF text = TextBox();
    ASSERT_FALSE(text.isEmpty());
    // The degree sign makes the ink a little lopsided.
    EXPECT_NEAR(std::atan2(text.center().y(), text.center().x()), kPi / 4, 0.15);
    EXPECT_GT(std::hypot(text.center().x(), text.center().y()), r);
}

TEST_F(AnnotationPainter, ReservedDimensionKindsDrawNothing)
{
    TCadData e{};
    e.Kind = 20;
    e.X2 = 10;
    e.Y2 = 10;
    e.Cx = 5;
    Add(e);
    PaintAll();
    EXPECT_TRUE(TextBox().isEmpty());
    EXPECT_FALSE(IsLine(Pixel(5, 5)));
}

TEST_F(AnnotationPainter, InvertedDrawingOfADimensionAndATextRestoresTheCanvas)
{
    ASSERT_TRUE(AppendLinearDimension(drawing, attributes, options, kKindDimX, {0, 0}, {30, 10}, {15, 20}));
    TCadData text{};
    text.Kind = kKindText;
    text.R = 5;
    text.Cx = 5;
    text.Cy = 30;
    text.Text = "ABC";
    text.Angle = DegToRad(30);
    const int t = Add(text);
    const QImage before = image.copy();
    for (int index : {1, t}) {
        Draw(index, false);
        EXPECT_NE(image, before) << index;
        Draw(index, false);
        EXPECT_EQ(image, before) << index;
    }
}

TEST_F(AnnotationPainter, ErasingLeavesNoMarkOfADimensionOrAText)
{
    PaintAll();  // the origin marker alone
    const QImage blank = image.copy();
    // Away from the origin marker, which an erased line crossing it would cut.
    ASSERT_TRUE(AppendLinearDimension(drawing, attributes, options, kKindDimX, {5, 5}, {35, 15}, {20, 25}));
    TCadData text{};
    text.Kind = kKindText;
    text.R = 5;
    text.Cx = 5;
    text.Cy = 30;
    text.Text = Utf8ToCp932("日本");
    text.Color = kTextColour;
    Add(text);
    PaintAll();
    EXPECT_NE(image, blank);
    Erase(1);
    Erase(2);
    EXPECT_EQ(image, blank);
}

TEST_F(AnnotationPainter, TextsTurnAboutTheirInsertionPointWithTheTopLeftRule)
{
    TCadData text{};
    text.Kind = kKindText;
    text.R = 5;
    text.Cx = 20;
    text.Cy = 10;
    text.Text = "HHHH";
    text.Color = kTextColour;
    const struct {
        double Degrees;
        double DirectionX;
        double DirectionY;
    } cases[] = {{0, 1, 0}, {90, 0, 1}, {30, std::cos(kPi / 6), std::sin(kPi / 6)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Degrees);
        image.fill(kWhite);
        drawing = Drawing();
        text.Angle = DegToRad(c.Degrees);
        Add(text);
        PaintAll();
        const QRectF box = TextBox();
        ASSERT_FALSE(box.isEmpty());
        // The ink lies in the band from the insertion point along the direction, on its left side.
        const Point centre{box.center().x() - 20, box.center().y() - 10};
        const double along = centre.X * c.DirectionX + centre.Y * c.DirectionY;
        const double left = -centre.X * c.DirectionY + centre.Y * c.DirectionX;
        EXPECT_GT(along, 2);
        EXPECT_GT(left, 0.5);
        EXPECT_LT(left, 5);
    }
}

TEST_F(AnnotationPainter, ATextWhoseTopIsFarAboveTheCanvasIsSkipped)
{
    TCadData text{};
    text.Kind = kKindText;
    text.R = 20;
    text.Cx = 10;
    text.Text = "HH";
    text.Color = kTextColour;
    // The top-left corner 150 pixels above the canvas; the lower part would reach into it.
    text.Cy = 40 + 15 - 20 + 0.1;
    Add(text);
    PaintAll();
    EXPECT_TRUE(TextBox().isEmpty());
    drawing[1].Cy -= 10;  // top 50 pixels above: drawn
    PaintAll();
    EXPECT_FALSE(TextBox().isEmpty());
}

TEST(FontFaces, WindowsJapaneseFacesGetJapaneseGlyphs)
{
    const QFont font = FontForFace(QString::fromUtf8("ＭＳ ゴシック"), 24);
    EXPECT_TRUE(QFontInfo(font).family().contains("IPA")) << QFontInfo(font).family().toStdString();
    // Distinct characters give distinct ink: a missing glyph would draw the same box for both.
    auto render = [&](const char* utf8) {
        QImage image(40, 40, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(4, 30, QString::fromUtf8(utf8));
        return image;
    };
    const QImage sun = render("日");
    const QImage book = render("本");
    EXPECT_NE(sun, book);
    EXPECT_NE(sun, render(" "));
}

}  // namespace
}  // namespace vantro
