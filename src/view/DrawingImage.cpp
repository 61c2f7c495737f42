#include "view/DrawingImage.h"

#include "files/FileSystem.h"

#include "document/Layers.h"
#include "view/ElementExtents.h"
#include "view/ElementPainter.h"
#include "view/ImagePainter.h"
#include "view/PaintedExtents.h"
#include "view/QPainterSurface.h"

#include <QBuffer>

namespace vantro {
namespace {

// The inserted images that have pixels, each from its top-left corner one millimetre a pixel.
void AddImageExtents(ExtentBox& box, const ImageList& images)
{
    for (int i = 1; i <= images.ImageCount && i < kImageSlotCount; ++i) {
        const ImageSlot& slot = images.Slots[static_cast<size_t>(i)];
        if (ImageWidth(slot) == 0) continue;
        box.Add(slot.X, slot.Y);
        box.Add(slot.X + ImageWidth(slot), slot.Y - ImageHeight(slot));
    }
}

// The fit buttons count a text or a dimension as its reference point ± 20 mm, which cuts long
// texts; a picture is fitted again to what their painters draw at the first fit, and to the
// inserted images it shows.
void FitToPaintedExtents(ViewState& view, const Drawing& drawing, const PaintSettings& settings)
{
    ExtentBox box;
    for (int i = 1; i <= drawing.Count; ++i) {
        const TCadData& e = drawing[i];
        if (!IsDimension(e.Kind) && e.Kind != kKindText && IsLayerVisible(drawing.Layers, e.Layer))
            AddElementExtent(box, e);
    }
    box.Add(PaintedAnnotationExtents(drawing, view, settings));
    AddImageExtents(box, drawing.Images);
    FitToBox(view, box, 1.0);
}

}  // namespace

QImage RenderFitted(const Drawing& drawing, const PaintSettings& settings, int sheetIndex, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    ViewState view;
    view.CanvasWidth = width;
    view.CanvasHeight = height;
    SetSheetSize(view, sheetIndex);
    PaintSettings onWhite = settings;
    onWhite.BackgroundColour = 0xFFFFFF;
    if (FitToDrawing(view, drawing, 1) || drawing.Images.ImageCount > 0) FitToPaintedExtents(view, drawing, onWhite);
    QPainterSurface surface(image);
    PaintImages(surface, view, drawing.Images, settings.Images, false, onWhite.BackgroundColour);
    PaintDrawing(surface, view, drawing, onWhite, [] {}, [](Surface&) {});
    return image;
}

bool SaveImageAtomically(const QImage& image, const std::filesystem::path& target, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    return buffer.open(QIODevice::WriteOnly) && image.save(&buffer, format) &&
           WriteFileAtomically(target, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

}  // namespace vantro
