#include "print/CorrectedSurface.h"

#include <cmath>

namespace vantro {

CorrectedSurface::CorrectedSurface(Surface& page, const PrintTransform& transform, int originX, int originY)
    : page_(page), factorX_(transform.PrintFactorX), factorY_(transform.PrintFactorY), originX_(originX),
      originY_(originY)
{
}

int CorrectedSurface::X(int x) const
{
    return originX_ + static_cast<int>(std::nearbyint((x - originX_) * factorX_));
}

int CorrectedSurface::Y(int y) const
{
    return originY_ + static_cast<int>(std::nearbyint((y - originY_) * factorY_));
}

std::vector<PixelPoint> CorrectedSurface::Corrected(const std::vector<PixelPoint>& points) const
{
    std::vector<PixelPoint> result;
    result.reserve(points.size());
    for (const PixelPoint& p : points) result.push_back({X(p.X), Y(p.Y)});
    return result;
}

void CorrectedSurface::MoveTo(int x, int y) { page_.MoveTo(X(x), Y(y)); }
void CorrectedSurface::LineTo(int x, int y) { page_.LineTo(X(x), Y(y)); }
void CorrectedSurface::Polyline(const std::vector<PixelPoint>& points) { page_.Polyline(Corrected(points)); }
void CorrectedSurface::Polygon(const std::vector<PixelPoint>& points) { page_.Polygon(Corrected(points)); }
void CorrectedSurface::Rectangle(int x1, int y1, int x2, int y2) { page_.Rectangle(X(x1), Y(y1), X(x2), Y(y2)); }
void CorrectedSurface::Ellipse(int x1, int y1, int x2, int y2) { page_.Ellipse(X(x1), Y(y1), X(x2), Y(y2)); }

void CorrectedSurface::StretchDraw(int x1, int y1, int x2, int y2, const Bitmap& bitmap)
{
    page_.StretchDraw(X(x1), Y(y1), X(x2), Y(y2), bitmap);
}

void CorrectedSurface::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    page_.Arc(X(x1), Y(y1), X(x2), Y(y2), X(x3), Y(y3), X(x4), Y(y4));
}

void CorrectedSurface::TextOut(int x, int y, const QString& text) { page_.TextOut(X(x), Y(y), text); }

}  // namespace vantro
