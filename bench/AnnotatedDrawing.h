// A drawing of dimensions and texts: half horizontal dimensions with tolerances, half texts at 30
// degrees, spread over an 800 × 400 mm sheet.
#pragma once

#include "document/ElementStore.h"
#include "geometry/Dimensions.h"
#include "geometry/Primitives.h"
#include "geometry/TextElements.h"

#include <random>

namespace vantro::bench {

inline void FillAnnotations(Drawing& drawing, int count)
{
    drawing.Capacity = kMaxCapacity;
    std::mt19937 random(7);
    std::uniform_real_distribution<double> x(-350, 350);
    std::uniform_real_distribution<double> y(-180, 180);
    DimensionOptions options;
    options.Tolerance = "+0.1-0.05";
    const CurrentAttributes attributes;
    for (int i = 0; i < count; i += 2) {
        const Point p{x(random), y(random)};
        AppendLinearDimension(drawing, attributes, options, kKindDimX, p, {p.X + 30, p.Y}, {p.X + 15, p.Y + 8});
        AppendTextElement(drawing, attributes, 5, "VantroCad", {x(random), y(random)});
        drawing[drawing.Count].Angle = DegToRad(30);
    }
}

}  // namespace vantro::bench
