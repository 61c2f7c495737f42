// Tool-button glyphs: every command button has a visible glyph of its own; caption buttons and
// unknown names have none.
#include "ui/ButtonGlyphs.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace vantro {
namespace {

constexpr std::array kToolButtons{
    // lines
    "SpeedButton17", "SpeedButton15", "SpeedButton16", "SpeedButton19", "SpeedButton22",
    "SpeedButton23", "SpeedButton202", "SpeedButton241",
    // circles and arcs
    "SpeedButton30", "SpeedButton34", "SpeedButton36", "SpeedButton32", "SpeedButton64",
    "SpeedButton59", "SpeedButton243",
    // shapes, points, curves, centre lines, text
    "SpeedButton39", "SpeedButton41", "SpeedButton44", "SpeedButton49", "SpeedButton52",
    "SpeedButton21", "SpeedButton47", "SpeedButton235", "SpeedButton232", "SpeedButton296",
    // dimensions and annotations
    "SpeedButton150", "SpeedButton153", "SpeedButton156", "SpeedButton250", "SpeedButton252",
    "SpeedButton255", "SpeedButton257", "SpeedButton260", "SpeedButton159", "SpeedButton162",
    "SpeedButton167", "SpeedButton171",
    // editing
    "SpeedButton300", "SpeedButton199", "SpeedButton208", "SpeedButton238", "SpeedButton206",
    "SpeedButton211", "SpeedButton213", "SpeedButton215", "SpeedButton200", "SpeedButton229",
    "SpeedButton231", "SpeedButton100", "SpeedButton108", "SpeedButton116", "SpeedButton125",
    "SpeedButton220", "SpeedButton224", "SpeedButton166", "SpeedButton297", "SpeedButton246",
    "SpeedButton234", "SpeedButton240", "SpeedButton55", "SpeedButton228",
    // view
    "SpeedButton1", "SpeedButton3", "SpeedButton8", "SpeedButton9", "SpeedButton10",
    "SpeedButton11", "SpeedButtonFit",
    // history, files, cancel
    "SpeedButtonUNDU", "SpeedButtonREDU", "SpeedButtonNew1", "SpeedButtonOpen", "SpeedButtonSave",
    "SpeedButtonSave2", "SpeedButton0", "SpeedButton20", "SpeedButtonPrint1", "SpeedButton24",
};

QImage GlyphImage(const QIcon& icon, int size)
{
    return icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32);
}

// Pixels whose alpha lies in [low, high].
int PixelsWithAlpha(const QImage& image, int low, int high)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(image.pixel(x, y));
            count += alpha >= low && alpha <= high ? 1 : 0;
        }
    }
    return count;
}

int OpaquePixels(const QImage& image)
{
    return PixelsWithAlpha(image, 128, 255);
}

int ClearPixels(const QImage& image)
{
    return PixelsWithAlpha(image, 0, 0);
}

TEST(ButtonGlyphs, EveryToolButtonHasAVisibleGlyphOnATransparentGround)
{
    for (const char* name : kToolButtons) {
        SCOPED_TRACE(name);
        const QIcon icon = ToolButtonGlyph(QString::fromLatin1(name));
        ASSERT_FALSE(icon.isNull());
        const QImage image = GlyphImage(icon, 24);
        ASSERT_EQ(image.size(), QSize(24, 24));
        EXPECT_GT(OpaquePixels(image), 20);
        EXPECT_GT(ClearPixels(image), 24 * 24 / 4);
    }
}

TEST(ButtonGlyphs, EveryGlyphHasAHighDensityPixmap)
{
    for (const char* name : kToolButtons) {
        SCOPED_TRACE(name);
        const QIcon icon = ToolButtonGlyph(QString::fromLatin1(name));
        const QList<QSize> sizes = icon.availableSizes();
        EXPECT_TRUE(sizes.contains(QSize(24, 24)));
        EXPECT_TRUE(sizes.contains(QSize(48, 48)));
        const QImage large = GlyphImage(icon, 48);
        ASSERT_EQ(large.size(), QSize(48, 48));
        // The same drawing at twice the scale covers about four times the pixels.
        EXPECT_GT(OpaquePixels(large), 2 * OpaquePixels(GlyphImage(icon, 24)));
    }
}

TEST(ButtonGlyphs, NoTwoToolsShareAGlyph)
{
    std::vector<QImage> images;
    for (const char* name : kToolButtons) {
        images.push_back(GlyphImage(ToolButtonGlyph(QString::fromLatin1(name)), 24));
    }
    for (std::size_t i = 0; i < images.size(); ++i) {
        for (std::size_t j = i + 1; j < images.size(); ++j) {
            EXPECT_NE(images[i], images[j]) << kToolButtons[i] << " and " << kToolButtons[j];
        }
    }
}

TEST(ButtonGlyphs, CaptionButtonsAndUnknownNamesHaveNoGlyph)
{
    for (const char* name : {"SpeedButtonOp", "SpeedButtonRTP", "SpeedButton000", "SpeedButton999",
                             "speedbutton17", "SpeedButton", ""}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(ToolButtonGlyph(QString::fromLatin1(name)).isNull());
    }
}

}  // namespace
}  // namespace vantro
