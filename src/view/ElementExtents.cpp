#include "view/ElementExtents.h"

#include "geometry/Primitives.h"

namespace vantro {
namespace {

constexpr double kPointMargin = 2;       // mm around a point element when fitting
constexpr double kReferenceMargin = 20;  // mm around the reference position of other kinds

}  // namespace

void AddElementExtent(ExtentBox& box, const TCadData& e)
{
    switch (e.Kind) {
    case kKindLine:
    case -1:
    case kKindFilledRect:
        box.Add(e.X1, e.Y1);
        box.Add(e.X2, e.Y2);
        break;
    case kKindArc: {
        box.Add(e.X1, e.Y1);
        box.Add(e.X2, e.Y2);
        const Point quadrants[] = {
            {e.Cx + e.R, e.Cy}, {e.Cx, e.Cy + e.R}, {e.Cx - e.R, e.Cy}, {e.Cx, e.Cy - e.R}};
        for (const Point& q : quadrants)
            if (IsWithinArcSweep(e, q)) box.Add(q.X, q.Y);
        break;
    }
    case kKindCircle:
        box.AddAround(e.Cx, e.Cy, e.R, e.R);
        break;
    case kKindEllipse: {
        // The larger semi-axis about the centre holds the ellipse at any inclination.
        const double reach = std::abs(e.R) * std::max(1.0, std::abs(e.Y1));
        box.AddAround(e.Cx, e.Cy, reach, reach);
        break;
    }
    case kKindPoint:
        box.AddAround(e.Cx, e.Cy, kPointMargin, kPointMargin);
        break;
    default:
        box.AddAround(e.Cx, e.Cy, kReferenceMargin, kReferenceMargin);
        break;
    }
}

}  // namespace vantro
