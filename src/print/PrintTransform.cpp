#include "print/PrintTransform.h"

#include <algorithm>

namespace vantro {
namespace {

// "HoseiX" is the vertical factor of a landscape page; a portrait page turns both.
void SetFactors(PrintTransform& t, const PrintPage& page, const PrintOptions& options)
{
    if (page.Landscape) {
        t.PrintFactorY = static_cast<float>(options.HoseiY);
        t.PrintFactorX = static_cast<float>(options.HoseiX);
    } else {
        t.PrintFactorY = static_cast<float>(options.HoseiX);
        t.PrintFactorX = static_cast<float>(options.HoseiY);
    }
}

}  // namespace

PrintTransform ActualSizeTransform(const PrintPage& page, int paperHeight, double a, double b,
                                   const PrintOptions& options)
{
    PrintTransform t;
    SetFactors(t, page, options);
    t.PrintScale = static_cast<float>(page.PhysicalHeight) / static_cast<float>(paperHeight);
    t.PrintOriginX = static_cast<float>(page.Width / 2 - a * t.PrintScale);
    t.PrintOriginY = static_cast<float>(page.Height / 2 + b * t.PrintScale);
    return t;
}

PrintTransform OnScreenTransform(const PrintPage& page, const ViewState& view, const PrintOptions& options)
{
    PrintTransform t;
    SetFactors(t, page, options);
    const float s = ViewScale(view);
    const float w = static_cast<float>(page.Width) / static_cast<float>(view.CanvasWidth);
    const float h = static_cast<float>(page.Height) / static_cast<float>(view.CanvasHeight);
    const float k = std::min(w, h);
    t.PrintScale = k * s;
    t.PrintOriginX = k * static_cast<float>(view.OriginX);
    t.PrintOriginY = k * static_cast<float>(view.OriginY);
    return t;
}

double PrintX(const PrintTransform& t, double x)
{
    return x * t.PrintScale * t.PrintFactorX + t.PrintOriginX;
}

double PrintY(const PrintTransform& t, double y)
{
    return t.PrintOriginY - y * t.PrintScale * t.PrintFactorY;
}

}  // namespace vantro
