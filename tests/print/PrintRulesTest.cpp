// The rules of a print run that need no page: pens, colours, papers, the typed factor and the
// printer transform.
#include "print/Paper.h"
#include "print/PrintOptions.h"
#include "print/PrintTransform.h"
#include "support/Fixtures.h"

#include <gtest/gtest.h>

namespace vantro {
namespace {

using testing::Line;

TCadData Styled(int8_t kind, uint8_t style, uint8_t width, uint32_t colour = 0x0000FF)
{
    TCadData e = Line(0, 0, 10, 0);
    e.Kind = kind;
    e.LineStyle = style;
    e.Width = width;
    e.Color = colour;
    return e;
}

TEST(PrintPenWidth, FollowsTheEmphasisOptionAndTheLineParameter)
{
    struct Case {
        const char* name;
        bool lineWidth;
        TCadData element;
        int pixels;
    };
    constexpr uint8_t kDot = 2;
    const Case cases[] = {
        {"thin solid, emphasis on", true, Styled(kKindLine, kStyleSolid, 1), 9},
        {"thick solid, emphasis on", true, Styled(kKindLine, kStyleSolid, 3), 9},
        {"dotted, emphasis on", true, Styled(kKindLine, kDot, 1), 1},
        {"thin solid, emphasis off", false, Styled(kKindLine, kStyleSolid, 1), 3},
        {"thick solid, emphasis off", false, Styled(kKindLine, kStyleSolid, 3), 9},
        {"medium dotted, emphasis off", false, Styled(kKindLine, kDot, 2), 6},
        {"dimension", true, Styled(kKindDimX, kStyleSolid, 1), 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PrintOptions options;
        options.LineWidth = c.lineWidth;
        options.LineWid = 3;
        EXPECT_EQ(PrintPenWidth(options, c.element), c.pixels);
    }
}

TEST(PrintColour, BlackAndWhiteInversionAndTheAnnotationColour)
{
    struct Case {
        const char* name;
        int colorChk;
        bool colorNox;
        TCadData element;
        uint32_t pen;
        uint32_t letters;
    };
    const Case cases[] = {
        {"red line in colour", 0, false, Styled(kKindLine, kStyleSolid, 1, 0x0000FF), 0x0000FF, 0x0000FF},
        {"red line in black and white", 1, false, Styled(kKindLine, kStyleSolid, 1, 0x0000FF), 0, 0},
        {"white line prints black", 0, false, Styled(kKindLine, kStyleSolid, 1, 0xFFFFFF), 0, 0},
        {"white line inverted keeps its colour for the inverting pen", 0, true,
         Styled(kKindLine, kStyleSolid, 1, 0xFFFFFF), 0xFFFFFF, 0},
        {"dimension takes the annotation colour", 0, false, Styled(kKindDimX, kStyleSolid, 1, 0x00FF00), 0xFF0000,
         0x00FF00},
        {"inverted black letters stay black", 0, true, Styled(kKindText, kStyleSolid, 1, 0), 0xFF0000, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PrintOptions options;
        options.ColorChk = c.colorChk;
        options.ColorNox = c.colorNox;
        options.AnnotationColour = 0xFF0000;
        EXPECT_EQ(PrintColour(options, c.element), c.pen);
        EXPECT_EQ(PrintTextColour(options, c.element), c.letters);
    }
}

TEST(PrintColour, OnlyColourModeInvertsThePens)
{
    PrintOptions options;
    options.ColorNox = true;
    EXPECT_TRUE(InvertedPens(options));
    options.ColorChk = 1;
    EXPECT_FALSE(InvertedPens(options));
}

TEST(Paper, PrinterSizesAreKnownLongSideFirstAndPortraitTurnsThem)
{
    EXPECT_EQ(PaperOfPageSize(QPageSize::A4), (PaperSize{297, 210}));
    EXPECT_EQ(PaperOfPageSize(QPageSize::A2), (PaperSize{594, 420}));
    EXPECT_EQ(PaperOfPageSize(QPageSize::JisB4), (PaperSize{364, 257}));
    EXPECT_EQ(PaperOfPageSize(QPageSize::JisB5), (PaperSize{257, 182}));
    EXPECT_FALSE(PaperOfPageSize(QPageSize::Letter));
    EXPECT_FALSE(PaperOfPageSize(QPageSize::A1));
    EXPECT_EQ(Oriented({297, 210}, false), (PaperSize{210, 297}));
    EXPECT_EQ(Oriented({297, 210}, true), (PaperSize{297, 210}));
    ASSERT_NE(PaperNamed("a1"), nullptr);
    EXPECT_EQ(PaperNamed("A1")->Size, (PaperSize{840, 594}));
    EXPECT_EQ(PaperNamed("Letter"), nullptr);
}

TEST(Paper, FiveTimesOnA4LandscapeIsA59By42Rectangle)
{
    EXPECT_EQ(ScaledPaper({297, 210}, 5), (PaperSize{59, 42}));
    EXPECT_EQ(ScaledPaper({210, 297}, 0.5), (PaperSize{420, 594}));
}

TEST(PrintFactor, TheTypedFactorAndItsMessages)
{
    struct Case {
        const char* text;
        bool accepted;
        const char* message;
    };
    const Case cases[] = {
        {"1", true, nullptr},          {"0.0099", true, nullptr},
        {"100", true, nullptr},        {"0.0098", false, "数値が範囲外です"},
        {"100.5", false, "数値が範囲外です"}, {"-2", false, "数値が範囲外です"},
        {"abc", false, "数値が不正です"},   {"", false, "数値が不正です"},
        {"2x", false, "数値が不正です"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const FactorReading reading = ReadPrintFactor(c.text);
        EXPECT_EQ(reading.Factor.has_value(), c.accepted);
        if (!c.accepted) {
            EXPECT_STREQ(reading.Message, c.message);
        }
    }
}

// An A4 page at 600 dpi: 4961 × 7016 device pixels.
PrintPage A4Portrait() { return {4961, 7016, 7016, false}; }

TEST(PrintTransform, ActualSizeOnA4PortraitPutsTheClickAtThePageCentre)
{
    const PrintTransform t = ActualSizeTransform(A4Portrait(), 297, 10, 20, PrintOptions{});
    EXPECT_FLOAT_EQ(t.PrintScale, 7016.0f / 297.0f);
    EXPECT_NEAR(PrintX(t, 10), 2480, 1e-3);
    EXPECT_NEAR(PrintY(t, 20), 3508, 1e-3);
    EXPECT_NEAR(PrintX(t, 110) - PrintX(t, 10), 100 * 7016.0 / 297.0, 1e-2);
}

TEST(PrintTransform, CorrectionFactorsTurnWithThePage)
{
    PrintOptions options;
    options.HoseiX = 1.1;
    options.HoseiY = 0.9;
    PrintPage page = A4Portrait();
    const PrintTransform portrait = ActualSizeTransform(page, 297, 0, 0, options);
    EXPECT_FLOAT_EQ(portrait.PrintFactorX, 0.9f);
    EXPECT_FLOAT_EQ(portrait.PrintFactorY, 1.1f);
    page.Landscape = true;
    const PrintTransform landscape = ActualSizeTransform(page, 210, 0, 0, options);
    EXPECT_FLOAT_EQ(landscape.PrintFactorX, 1.1f);
    EXPECT_FLOAT_EQ(landscape.PrintFactorY, 0.9f);
}

TEST(PrintTransform, AsOnScreenStretchesTheCanvasOverTheNarrowerSide)
{
    ViewState view;
    view.CanvasWidth = 1000;
    view.CanvasHeight = 600;
    view.FitScale = 2;
    view.OriginX = 500;
    view.OriginY = 300;
    const PrintTransform t = OnScreenTransform(A4Portrait(), view, PrintOptions{});
    const float k = 4961.0f / 1000.0f;
    EXPECT_FLOAT_EQ(t.PrintScale, k * 2);
    EXPECT_FLOAT_EQ(t.PrintOriginX, k * 500);
    EXPECT_FLOAT_EQ(t.PrintOriginY, k * 300);
}

}  // namespace
}  // namespace vantro
