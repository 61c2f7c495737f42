#include "print/PrintOptions.h"

namespace vantro {
namespace {

constexpr uint32_t kWhite = 0xFFFFFF;

}  // namespace

PrintOptions PrintOptionsFrom(const Settings& settings)
{
    PrintOptions options;
    options.LineWidth = settings.LineWidth;
    options.ColorNox = settings.ColorNox;
    options.ColorChk = settings.ColorChk;
    options.Op1 = settings.Op1;
    options.HoseiX = settings.HoseiX;
    options.HoseiY = settings.HoseiY;
    options.LineWid = settings.LineWid;
    options.DimWid = settings.DimWid;
    options.AnnotationColour = settings.Color2;
    return options;
}

bool Monochrome(const PrintOptions& options) { return options.ColorChk == 1; }

bool InvertedPens(const PrintOptions& options) { return options.ColorNox && !Monochrome(options); }

uint32_t PrintColour(const PrintOptions& options, const TCadData& element)
{
    if (Monochrome(options)) return 0;
    const uint32_t colour = element.Kind > 5 ? options.AnnotationColour : element.Color;
    return !options.ColorNox && colour == kWhite ? 0 : colour;
}

// Letters take the inverted colour themselves, since a text is not drawn with the pen. White
// letters on white paper would vanish, so they print black as white lines do.
uint32_t PrintTextColour(const PrintOptions& options, const TCadData& element)
{
    if (Monochrome(options)) return 0;
    if (options.ColorNox) return element.Color == 0 ? 0 : (element.Color ^ kWhite);
    return element.Color == kWhite ? 0 : element.Color;
}

int PrintPenWidth(const PrintOptions& options, const TCadData& element)
{
    const int l = options.LineWid;
    const bool solid = element.LineStyle == kStyleSolid;
    if (element.Kind > 5) return options.DimWid;
    if (options.LineWidth && solid) return 3 * l;
    if (element.Width >= 2) return element.Width * l;
    return solid ? l : 1;
}

}  // namespace vantro
