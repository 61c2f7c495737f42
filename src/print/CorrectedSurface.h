// A surface that stretches what is drawn on it about the printer origin by the correction factors,
// so the painters' single scale serves a printer whose x and y differ.
#pragma once

#include "print/PrintTransform.h"
#include "view/Surface.h"

namespace vantro {

class CorrectedSurface final : public Surface {
public:
    CorrectedSurface(Surface& page, const PrintTransform& transform, int originX, int originY);

    int Width() const override { return page_.Width(); }
    int Height() const override { return page_.Height(); }
    void SetPen(const Pen& pen) override { page_.SetPen(pen); }
    const Pen& CurrentPen() const override { return page_.CurrentPen(); }
    void SetBrush(const Brush& brush) override { page_.SetBrush(brush); }
    void SetFont(const Font& font) override { page_.SetFont(font); }
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Polyline(const std::vector<PixelPoint>& points) override;
    void Polygon(const std::vector<PixelPoint>& points) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void TextOut(int x, int y, const QString& text) override;
    int TextWidth(const QString& text) override { return page_.TextWidth(text); }
    void StretchDraw(int x1, int y1, int x2, int y2, const Bitmap& bitmap) override;

private:
    int X(int x) const;
    int Y(int y) const;
    std::vector<PixelPoint> Corrected(const std::vector<PixelPoint>& points) const;

    Surface& page_;
    double factorX_;
    double factorY_;
    int originX_;
    int originY_;
};

}  // namespace vantro
