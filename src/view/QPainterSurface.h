// The drawing surface over a QPainter: the canvas image, bitmaps and the printer page.
#pragma once

#include "view/Surface.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <optional>

namespace vantro {

// 0x00BBGGRR to a QColor.
QColor ToQColor(uint32_t colour);

class QPainterSurface final : public Surface {
public:
    // The device must outlive the surface. Antialiasing stays off so that not mode restores exactly.
    explicit QPainterSurface(QPaintDevice& device);
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
    void ApplyPen();
    void FlushLines();
    // The pen's width and dashes, rebuilt only when they change; the colour is set per use.
    QPen MakeQPen() const;

    QPainter painter_;
    int width_;
    int height_;
    Pen pen_;
    QPen qpen_;
    Brush brush_;
    Font font_;
    std::optional<QFont> qfont_;  // font_ made, with its metrics
    std::optional<QFontMetrics> metrics_;
    QPoint position_;
    // Lines in copy mode are collected and drawn in one call when anything else is drawn.
    QList<QLine> pendingLines_;
};

}  // namespace vantro
