#include "view/GridPainter.h"

#include "view/ElementPainter.h"

#include <cmath>

namespace vantro {
namespace {

void DrawGridDots(Surface& canvas, const ViewState& view, float s)
{
    const GridSettings& grid = view.Grid;
    for (int a = 0; a <= grid.CountX; ++a) {
        for (int b = 0; b <= grid.CountY; ++b) {
            const float px = static_cast<float>((a * grid.Pitch + view.GridOriginX) * s + view.OriginX);
            const float py = static_cast<float>(view.OriginY - (b * grid.Pitch + view.GridOriginY) * s);
            if (!(px > 0 && px < canvas.Width() && py > 0 && py < canvas.Height())) continue;
            canvas.Ellipse(static_cast<int>(std::nearbyint(px - 1)), static_cast<int>(std::nearbyint(py - 1)),
                           static_cast<int>(std::nearbyint(px + 1)), static_cast<int>(std::nearbyint(py + 1)));
        }
    }
}

// Lines with index ThickEvery, 2·ThickEvery, ... in each direction are 2 pixels wide.
void DrawGridLines(Surface& canvas, const ViewState& view)
{
    const GridSettings& grid = view.Grid;
    const double left = view.GridOriginX;
    const double bottom = view.GridOriginY;
    const double right = left + grid.CountX * grid.Pitch;
    const double top = bottom + grid.CountY * grid.Pitch;
    Pen pen{grid.Colour, 1, kStyleSolid, PenMode::Copy};
    auto drawLine = [&](int& counter, double x1, double y1, double x2, double y2) {
        ++counter;
        const bool thick = grid.ThickEvery > 0 && counter == grid.ThickEvery;
        if (thick) counter = 0;
        pen.Width = thick ? 2 : 1;
        canvas.SetPen(pen);
        DrawWorldLine(canvas, view, x1, y1, x2, y2);
    };
    int counter = -1;
    for (int a = 0; a <= grid.CountX; ++a) drawLine(counter, left + a * grid.Pitch, bottom, left + a * grid.Pitch, top);
    counter = -1;
    for (int b = 0; b <= grid.CountY; ++b) drawLine(counter, left, bottom + b * grid.Pitch, right, bottom + b * grid.Pitch);
}

}  // namespace

void DrawGrid(Surface& canvas, const ViewState& view)
{
    if (view.Grid.Pattern == GridPattern::None) return;
    canvas.SetBrush({});
    canvas.SetPen({view.Grid.Colour, 1, kStyleSolid, PenMode::Copy});
    if (view.Grid.Pattern == GridPattern::Dots) DrawGridDots(canvas, view, ViewScale(view));
    else DrawGridLines(canvas, view);
}

void DrawOriginMarker(Surface& canvas, const ViewState& view)
{
    canvas.SetBrush({});
    canvas.SetPen({0x0000FF, 1, kStyleDashDot, PenMode::Copy});
    canvas.MoveTo(view.OriginX - 50, view.OriginY);
    canvas.LineTo(view.OriginX + 50, view.OriginY);
    canvas.SetPen({0xFF0000, 1, kStyleDashDot, PenMode::Copy});
    canvas.MoveTo(view.OriginX, view.OriginY + 50);
    canvas.LineTo(view.OriginX, view.OriginY - 50);
    canvas.MoveTo(view.OriginX, view.OriginY);
    canvas.SetPen({0xFF0000, 1, kStyleSolid, PenMode::Copy});
}

}  // namespace vantro
