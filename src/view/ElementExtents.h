// The box that holds elements, in single precision as the fits compute it: fitting the view and
// previewing a large selection by its outline.
#pragma once

#include "document/CadData.h"

#include <algorithm>
#include <cmath>

namespace vantro {

// Bounding box of the points taken, in single precision.
struct ExtentBox {
    bool Empty = true;
    float MinX = 0, MinY = 0, MaxX = 0, MaxY = 0;

    void Add(double x, double y)
    {
        if (!std::isfinite(x) || !std::isfinite(y)) return;
        const float fx = static_cast<float>(x);
        const float fy = static_cast<float>(y);
        if (Empty) {
            MinX = MaxX = fx;
            MinY = MaxY = fy;
            Empty = false;
            return;
        }
        MinX = std::min(MinX, fx);
        MaxX = std::max(MaxX, fx);
        MinY = std::min(MinY, fy);
        MaxY = std::max(MaxY, fy);
    }

    void AddAround(double x, double y, double rx, double ry)
    {
        Add(x - rx, y - ry);
        Add(x + rx, y + ry);
    }

    void Add(const ExtentBox& other)
    {
        if (other.Empty) return;
        Add(other.MinX, other.MinY);
        Add(other.MaxX, other.MaxY);
    }
};

// Adds the points that bound the element: ends, centres with radius, reference points of the rest.
void AddElementExtent(ExtentBox& box, const TCadData& element);

}  // namespace vantro
