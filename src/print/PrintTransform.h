// Where the world lands on the printed page: printer pixels per millimetre, the printer pixel of
// the world origin and the correction factors.
#pragma once

#include "print/PrintOptions.h"
#include "view/ViewState.h"

namespace vantro {

// The printer's page in device pixels.
struct PrintPage {
    int Width = 0;           // printable width
    int Height = 0;          // printable height
    int PhysicalHeight = 0;  // the whole sheet's height
    bool Landscape = false;
};

struct PrintTransform {
    float PrintScale = 1;  // printer pixels per mm
    float PrintOriginX = 0;
    float PrintOriginY = 0;
    float PrintFactorX = 1;
    float PrintFactorY = 1;
};

// At actual size (or scaled through the paper): the world point (a, b) comes to the page centre.
PrintTransform ActualSizeTransform(const PrintPage& page, int paperHeight, double a, double b,
                                   const PrintOptions& options);
// As the canvas shows it: the canvas stretched over the page, keeping its proportions.
PrintTransform OnScreenTransform(const PrintPage& page, const ViewState& view, const PrintOptions& options);

// A world point on the page, unrounded.
double PrintX(const PrintTransform& t, double x);
double PrintY(const PrintTransform& t, double y);

}  // namespace vantro
