#include "AnnotatedDrawing.h"
#include "MixedDrawing.h"
#include "SheetView.h"
#include "view/ElementPainter.h"
#include "view/QPainterSurface.h"
#include "view/TextLayouts.h"

#include <QImage>
#include <QPaintEngine>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace vantro {
namespace {

using bench::SheetOnFullHd;

QImage Paint(const Drawing& drawing, ViewState view, const PaintSettings& settings, SurfaceDrawing how,
             TextLayouts* layouts)
{
    QImage image(view.CanvasWidth, view.CanvasHeight, QImage::Format_RGB32);
    image.fill(0xFFC0C0C0);
    QPainterSurface surface(image, layouts, how);
    PaintDrawing(surface, view, drawing, settings, [] {}, [](Surface&) {});
    return image;
}

int DifferingPixels(const QImage& a, const QImage& b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    return n;
}

// Draws the same calls directly and through QPainter on a blank canvas; the differing pixels.
int DifferingAfter(int width, int height, const std::function<void(QPainterSurface&)>& draw)
{
    QImage direct(width, height, QImage::Format_RGB32);
    direct.fill(0xFFC0C0C0);
    QImage plain = direct;
    for (auto [image, how] : {std::pair{&direct, SurfaceDrawing::Direct}, std::pair{&plain, SurfaceDrawing::Plain}}) {
        QPainterSurface surface(*image, nullptr, how);
        draw(surface);
    }
    return DifferingPixels(direct, plain);
}

struct DrawingCase {
    const char* Name;
    std::function<void(Drawing&)> Fill;
    std::function<void(ViewState&)> Move;
};

// The surface's direct drawing (stamped ellipses, texts from stored glyphs, kept from one repaint
// to the next) against drawing everything through QPainter, on the benchmark drawings.
TEST(SurfaceDrawing, DirectDrawingGivesThePixelsOfThePlainPainter)
{
    const DrawingCase cases[] = {
        {"mixed shapes over the sheet", [](Drawing& d) { bench::FillMixed(d, 20000); }, [](ViewState&) {}},
        {"mixed shapes zoomed in", [](Drawing& d) { bench::FillMixed(d, 20000); },
         [](ViewState& v) { v.FitScale *= 8; }},
        {"dimensions and texts over the sheet", [](Drawing& d) { bench::FillAnnotations(d, 2000); },
         [](ViewState&) {}},
        {"dimensions and texts zoomed in", [](Drawing& d) { bench::FillAnnotations(d, 2000); },
         [](ViewState& v) { v.FitScale *= 3; }},
    };
    SetEps(0.001f);
    PaintSettings settings;
    settings.Annotations.DimensionFace = settings.Annotations.TextFace = "IPAGothic";
    for (const DrawingCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Drawing drawing;
        c.Fill(drawing);
        ViewState view = SheetOnFullHd();
        c.Move(view);
        const QImage plain = Paint(drawing, view, settings, SurfaceDrawing::Plain, nullptr);
        TextLayouts layouts;
        const QImage first = Paint(drawing, view, settings, SurfaceDrawing::Direct, &layouts);
        const QImage again = Paint(drawing, view, settings, SurfaceDrawing::Direct, &layouts);
        EXPECT_EQ(DifferingPixels(plain, first), 0);
        EXPECT_EQ(DifferingPixels(plain, again), 0);
    }
    SetEps(kInitialEps);
}

// Ellipses that reach the canvas edge, and those drawn in not mode or with a brush, are left to
// QPainter; the stamped ones must not differ from them at any size.
TEST(SurfaceDrawing, StampedEllipsesMatchThePainterAtEverySize)
{
    for (int size = 1; size <= 140; ++size) {
        SCOPED_TRACE(size);
        EXPECT_EQ(DifferingAfter(200, 200,
                                 [size](QPainterSurface& surface) {
                                     surface.SetPen({0x123456, 1, 0, PenMode::Copy});
                                     surface.Ellipse(30, 40, 30 + size, 40 + (size * 2) / 3 + 1);
                                     surface.Ellipse(-5, 190, 15, 210);
                                 }),
                  0);
    }
}

// Lines written into the image must land on the pixels QPainter gives them, in every direction
// and length, alone and in chains that turn back on themselves under one pen.
TEST(SurfaceDrawing, StampedLinesMatchThePainterInEveryDirection)
{
    for (int dy = -23; dy <= 23; ++dy) {
        SCOPED_TRACE(dy);
        const auto draw = [dy](QPainterSurface& surface) {
            for (int dx = -23; dx <= 23; ++dx) {
                const auto colour = static_cast<uint32_t>(0x010203 * (dx + 30));
                surface.SetPen({colour, 1, 0, PenMode::Copy});
                surface.MoveTo(60, 60);
                surface.LineTo(60 + dx, 60 + dy);
                surface.SetPen({colour + 1, 1, 0, PenMode::Copy});
                surface.LineTo(60 + 2 * dx + 1, 60 + dy / 2);
                surface.SetPen({colour + 2, 1, 0, PenMode::Copy});
                surface.MoveTo(0, 119);
                surface.LineTo(119 - dx, 119 + dy);
                surface.LineTo(119, 119 - dy);
                surface.SetPen({colour + 3, 1, 0, PenMode::Copy});
                surface.MoveTo(60, 60);
                surface.LineTo(60 + dx, 60 - dy);
                surface.LineTo(60 - dy, 60 + dx / 2);
                surface.LineTo(60, 60);
                surface.LineTo(61, 60 - dx);
            }
        };
        EXPECT_EQ(DifferingAfter(120, 120, draw), 0);
    }
}

// A page that keeps what reaches it: the point counts of polylines and the loose lines.
class RecordingPage final : public QPaintDevice {
public:
    explicit RecordingPage(int dpi = 600) : dpi_(dpi) {}
    int devType() const override { return QInternal::Printer; }
    QPaintEngine* paintEngine() const override { return &engine_; }
    std::vector<int> Polylines() const { return engine_.Polylines; }
    int Lines() const { return engine_.Lines; }
    QList<qreal> Dashes() const { return engine_.Dashes; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
        case PdmHeight: return 1000;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return dpi_;
        case PdmDepth: return 32;
        case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
        default: return 1;
        }
    }

private:
    struct Engine final : QPaintEngine {
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState& state) override
        {
            if (state.state() & QPaintEngine::DirtyPen) Dashes = state.pen().dashPattern();
        }
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        Type type() const override { return QPaintEngine::User; }
        void drawPolygon(const QPointF*, int count, PolygonDrawMode mode) override
        {
            if (mode == PolylineMode) Polylines.push_back(count);
        }
        void drawPolygon(const QPoint*, int count, PolygonDrawMode mode) override
        {
            if (mode == PolylineMode) Polylines.push_back(count);
        }
        void drawLines(const QLineF*, int count) override { Lines += count; }
        void drawLines(const QLine*, int count) override { Lines += count; }
        std::vector<int> Polylines;
        int Lines = 0;
        QList<qreal> Dashes;
    };
    int dpi_;
    mutable Engine engine_;
};

// On a page, lines that continue one another go out as one polyline: each vertex is written once
// and dashes run on round the turns.
TEST(SurfaceDrawing, APageTakesChainedLinesAsPolylines)
{
    RecordingPage page;
    {
        QPainterSurface surface(page);
        surface.SetPen({0, 1, 0, PenMode::Copy});
        surface.MoveTo(0, 0);
        for (int i = 1; i <= 72; ++i) surface.LineTo(10 * i, i % 2);
        surface.MoveTo(500, 500);
        surface.LineTo(600, 600);
        surface.MoveTo(0, 900);
        surface.LineTo(10, 900);
        surface.LineTo(10, 910);
    }
    EXPECT_EQ(page.Polylines(), (std::vector<int>{73, 2, 3}));
    EXPECT_EQ(page.Lines(), 0);
}

// A dash on paper is as long as on a screen of 96 dpi, so that centre lines print dashed.
TEST(SurfaceDrawing, APageDrawsDashesAtTheirLengthOnAScreen)
{
    RecordingPage screenLike(96);
    RecordingPage printer(600);
    for (RecordingPage* page : {&screenLike, &printer}) {
        QPainterSurface surface(*page);
        surface.SetPen({0, 1, kStyleDashDot, PenMode::Copy});
        surface.MoveTo(0, 0);
        surface.LineTo(500, 0);
    }
    ASSERT_FALSE(screenLike.Dashes().isEmpty());
    ASSERT_EQ(printer.Dashes().size(), screenLike.Dashes().size());
    for (qsizetype i = 0; i < printer.Dashes().size(); ++i)
        EXPECT_DOUBLE_EQ(printer.Dashes()[i], screenLike.Dashes()[i] * 600 / 96);
}

}  // namespace
}  // namespace vantro
