// The drawing surface over a QPainter: the canvas image, bitmaps and the printer page.
#pragma once

#include "view/Surface.h"
#include "view/TextLayouts.h"

#include <QPainter>

namespace vantro {

// 0x00BBGGRR to a QColor, and to the opaque pixel value of an RGB32 image.
QColor ToQColor(uint32_t colour);
QRgb ToQRgb(uint32_t colour);

// On an image, Direct lets the surface write small ellipses into RGB32 pixels itself and draw
// texts from their stored glyphs; Plain (and every other device) sends everything through
// QPainter. Both give the same pixels.
enum class SurfaceDrawing { Direct, Plain };

class QPainterSurface final : public Surface {
public:
    // The device must outlive the surface, and so must layouts, which keeps shaped texts from one
    // surface to the next (without it the surface keeps its own). Antialiasing stays off so that
    // not mode restores exactly.
    explicit QPainterSurface(QPaintDevice& device, TextLayouts* layouts = nullptr,
                             SurfaceDrawing drawing = SurfaceDrawing::Direct);
    ~QPainterSurface() override;
    QPainterSurface(const QPainterSurface&) = delete;
    QPainterSurface& operator=(const QPainterSurface&) = delete;

    // Draws the lines still held back; the destructor does it too.
    void Flush();
    // False when the device refused painting (a printer that could not start its document).
    bool IsActive() const { return painter_.isActive(); }

    int Width() const override { return width_; }
    int Height() const override { return height_; }

    void SetPen(const Pen& pen) override;
    const Pen& CurrentPen() const override { return pen_; }
    void SetBrush(const Brush& brush) override;
    void SetFont(const Font& font) override;

    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Polyline(const std::vector<PixelPoint>& points) override;
    void Polygon(const std::vector<PixelPoint>& points) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void TextOut(int x, int y, const QString& text) override;
    int TextWidth(const QString& text) override;
    void StretchDraw(int x1, int y1, int x2, int y2, const Bitmap& bitmap) override;

private:
    // The pen reaches the painter only before something is drawn through it.
    void ApplyPen();
    void FlushLines();
    void DrawLineChains();
    bool CanStamp(const QRect& box) const;
    void Stamp(const QRect& box);
    // Held-back thin solid lines with all their ends on the canvas are written into the image the
    // way one QPainter call would draw them.
    bool CanStampLines(QPoint from, QPoint to) const;
    void StampLines();
    void DrawTextThroughPainter(int x, int y, const QString& text);
    // The pen's width and dashes, rebuilt only when they change; the colour is set per use.
    QPen MakeQPen() const;

    QPainter painter_;
    int width_;
    int height_;
    Pen pen_;
    QPen qpen_;
    bool penApplied_ = false;
    Brush brush_;
    Font font_;
    TextLayouts ownLayouts_;
    TextLayouts& layouts_;
    bool plain_;
    // A printer or PDF page, where drawn shapes are kept as vectors.
    bool vector_;
    double dashScale_;
    // The image's pixels when the device is an RGB32 image drawn directly, else null.
    QRgb* pixels_ = nullptr;
    qsizetype pixelsPerLine_ = 0;
    QPoint position_;
    // Lines in copy mode are collected and drawn in one call when anything else is drawn.
    QList<QLine> pendingLines_;
};

}  // namespace vantro
