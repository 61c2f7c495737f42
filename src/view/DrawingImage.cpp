#include "view/DrawingImage.h"

#include "view/ElementPainter.h"
#include "view/QPainterSurface.h"

namespace vantro {

QImage RenderFitted(const Drawing& drawing, const PaintSettings& settings, int sheetIndex, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    ViewState view;
    view.CanvasWidth = width;
    view.CanvasHeight = height;
    SetSheetSize(view, sheetIndex);
    FitToDrawing(view, drawing, 1);
    PaintSettings onWhite = settings;
    onWhite.BackgroundColour = 0xFFFFFF;
    QPainterSurface surface(image);
    PaintDrawing(surface, view, drawing, onWhite, [] {}, [](Surface&) {});
    return image;
}

}  // namespace vantro
