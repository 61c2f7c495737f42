// What the editing commands need of the window beyond their step results: the chain check's start
// from the menu, the markers of cut points, and the property dialog.
#include "ui/MainWindow.h"

#include "commands/Selection.h"
#include "commands/StepTable.h"
#include "ui/CanvasWidget.h"
#include "view/QPainterSurface.h"

namespace vantro {
namespace {

// A marker is a circle this many pixels about its point.
constexpr int kMarkerRadius = 3;

}  // namespace

void TForm1::StartChainCheck()
{
    const StepRow& row = *FindStep(step::kChainCheck);
    StartCommand(row.Code, row.Layout);
    SetPrompt(QString::fromUtf8(EntryPrompt(row, false)));
}

// Not elements: the next repaint removes them.
void TForm1::DrawMarkers(const std::vector<Point>& points)
{
    if (points.empty()) return;
    QPainterSurface surface(canvas_->Image());
    surface.SetPen({settings_.Color3, 1, kStyleSolid, PenMode::Copy});
    surface.SetBrush({});
    for (const Point p : points) {
        const CanvasPoint pixel = WorldToCanvas(view_, p.X, p.Y);
        surface.Ellipse(pixel.X - kMarkerRadius, pixel.Y - kMarkerRadius, pixel.X + kMarkerRadius,
                        pixel.Y + kMarkerRadius);
    }
    canvas_->update();
}

}  // namespace vantro
