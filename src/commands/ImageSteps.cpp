#include "commands/ImageSteps.h"

#include <cmath>
#include <cstdlib>

namespace vantro {
namespace {

constexpr double kPickZone = 50;

ImageSlot& Slot(ImageList& images, int i) { return images.Slots[static_cast<size_t>(i)]; }

// The image under the click becomes the selected one, with the anchor and cursor at its top-left
// pixel, and the step moves on to next.
void TakeImage(CommandContext& ctx, const ClickInput& click, uint16_t next)
{
    ImageList& images = ctx.Document.Images;
    const int i = FindImageAt(images, ctx.View, click.X, click.Y);
    if (i == 0) return;
    CommandState& state = ctx.State;
    state.SelectedImage = static_cast<uint8_t>(i);
    state.AnchorPixel = state.CursorPixel = WorldToCanvas(ctx.View, Slot(images, i).X, Slot(images, i).Y);
    state.CommandMode = next;
}

// The command is over: the drawing is shown again with the image as it now is.
void EndImageCommand(CommandContext& ctx)
{
    ctx.State.SelectedImage = 0;
    ctx.Result.Repaint = true;
    ctx.Result.Cancel = true;
}

}  // namespace

int FindImageAt(const ImageList& images, const ViewState& view, int px, int py)
{
    const double s = ViewScale(view);
    const double wx = (px - view.OriginX) / s;
    const double wy = (view.OriginY - py) / s;
    const double zone = kPickZone * s;
    for (int i = 1; i <= images.ImageCount && i < kImageSlotCount; ++i) {
        const ImageSlot& slot = images.Slots[static_cast<size_t>(i)];
        if (slot.X < wx && wx < slot.X + zone && slot.Y - zone < wy && wy < slot.Y) return i;
    }
    return 0;
}

void ImagePickClick(CommandContext& ctx, const ClickInput& click) { TakeImage(ctx, click, step::kImagePlace); }

void ImagePlaceClick(CommandContext& ctx, const ClickInput& click)
{
    ImageList& images = ctx.Document.Images;
    const int i = ctx.State.SelectedImage;
    if (i >= 1 && i <= images.ImageCount) {
        const double s = ViewScale(ctx.View);
        Slot(images, i).X = (click.X - ctx.View.OriginX) / s;
        Slot(images, i).Y = (ctx.View.OriginY - click.Y) / s;
        ctx.Document.Saved = false;
    }
    EndImageCommand(ctx);
}

void ImageDeleteClick(CommandContext& ctx, const ClickInput& click)
{
    ctx.State.SelectedImage = 0;
    const int i = FindImageAt(ctx.Document.Images, ctx.View, click.X, click.Y);
    if (i == 0) return;
    DeleteImage(ctx.Document.Images, i);
    ctx.Document.Saved = false;
    EndImageCommand(ctx);
}

void ImageResizePickClick(CommandContext& ctx, const ClickInput& click) { TakeImage(ctx, click, step::kImageResize); }

// The size comes from the frame at the cursor, measured from the image's corner either way; the
// pixels are resampled in memory only, so the file keeps its own size. A frame without area
// leaves the image as it was rather than making it vanish.
void ImageResizeClick(CommandContext& ctx, const ClickInput&)
{
    ImageList& images = ctx.Document.Images;
    const int i = ctx.State.SelectedImage;
    if (i >= 1 && i <= images.ImageCount && Slot(images, i).Pixels) {
        const double s = ViewScale(ctx.View);
        const CommandState& state = ctx.State;
        const double width = std::nearbyint(std::abs(state.CursorPixel.X - state.AnchorPixel.X) / s);
        const double height = std::nearbyint(std::abs(state.CursorPixel.Y - state.AnchorPixel.Y) / s);
        if (!ImageSizeAllowed(width, height)) {
            ctx.Dialogs.ShowMessage(kImageTooLargeMessage);
        } else if (width >= 1 && height >= 1) {
            Slot(images, i).Pixels = std::make_shared<const Bitmap>(
                Resampled(*Slot(images, i).Pixels, static_cast<int>(width), static_cast<int>(height)));
        }
    }
    EndImageCommand(ctx);
}

}  // namespace vantro
