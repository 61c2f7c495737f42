// The large drawing the benchmarks share: lines, arcs, circles, points and ellipses of 1 to 20 mm
// spread over an 800 × 400 mm sheet, each in a colour of its own.
#pragma once

#include "document/ElementStore.h"
#include "geometry/Primitives.h"

#include <random>

namespace vantro::bench {

inline void FillMixed(Drawing& drawing, int count)
{
    drawing.Capacity = kMaxCapacity;
    std::mt19937 random(11);
    std::uniform_real_distribution<double> x(-400, 400);
    std::uniform_real_distribution<double> y(-200, 200);
    std::uniform_real_distribution<double> size(1, 20);
    std::uniform_real_distribution<double> angle(0, 360);
    std::uniform_int_distribution<uint32_t> colour(0, 0xFFFFFF);
    for (int n = 0; n < count; ++n) {
        Append(drawing, true);
        TCadData& e = drawing[drawing.Count];
        e.Layer = 1;
        e.Width = 1;
        e.Color = colour(random);
        e.Cx = x(random);
        e.Cy = y(random);
        e.R = size(random) / 2;
        const Point c{e.Cx, e.Cy};
        switch (n % 5) {
        case 0:
            e.Kind = kKindLine;
            e.X1 = c.X;
            e.Y1 = c.Y;
            e.X2 = c.X + size(random) - 10;
            e.Y2 = c.Y + size(random) - 10;
            e.Cx = e.Cy = e.R = 0;
            break;
        case 1: {
            e.Kind = kKindArc;
            e.Angle = angle(random) / 2 + 10;
            const double start = angle(random);
            const Point s = RotatePointDeg({c.X + e.R, c.Y}, c, start);
            const Point t = RotatePointDeg({c.X + e.R, c.Y}, c, start + e.Angle);
            e.X1 = s.X;
            e.Y1 = s.Y;
            e.X2 = t.X;
            e.Y2 = t.Y;
            break;
        }
        case 2:
            e.Kind = kKindCircle;
            e.Angle = 360;
            break;
        case 3:
            e.Kind = kKindPoint;
            e.R = 0;
            break;
        default:
            e.Kind = kKindEllipse;
            e.Y1 = 0.5;
            e.X1 = e.R;
            e.X2 = -e.R;
            e.Angle = DegToRad(angle(random));
            break;
        }
    }
}

}  // namespace vantro::bench
