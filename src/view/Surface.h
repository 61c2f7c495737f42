// The drawing operations every painter uses, in integer pixels with y down. The canvas, bitmaps
// and the printer page implement it; tests use a recording one.
#pragma once

#include "document/ImageList.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace vantro {

enum class PenMode {
    Copy,
    Not,           // inverts the destination; drawing twice restores it
    NotCopy,       // the inverted pen colour
    MergePenNot,   // pen colour OR inverted destination
};

struct PixelPoint {
    int X = 0;
    int Y = 0;
    bool operator==(const PixelPoint&) const = default;
};

struct Pen {
    uint32_t Colour = 0;  // 0x00BBGGRR
    int Width = 1;
    uint8_t Style = 0;  // 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot
    PenMode Mode = PenMode::Copy;
    bool operator==(const Pen&) const = default;
};

struct Brush {
    bool Solid = false;  // clear: shapes are outlined only
    uint32_t Colour = 0;
    bool operator==(const Brush&) const = default;
};

// A logical font: face, height in pixels, escapement in tenths of a degree counter-clockwise.
struct Font {
    QString Face;
    int Height = 12;
    int Escapement = 0;
    uint32_t Colour = 0;
    bool operator==(const Font&) const = default;
};

class Surface {
public:
    virtual ~Surface() = default;

    virtual int Width() const = 0;
    virtual int Height() const = 0;

    virtual void SetPen(const Pen& pen) = 0;
    virtual const Pen& CurrentPen() const = 0;
    virtual void SetBrush(const Brush& brush) = 0;
    virtual void SetFont(const Font& font) = 0;

    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    virtual void Polyline(const std::vector<PixelPoint>& points) = 0;
    virtual void Polygon(const std::vector<PixelPoint>& points) = 0;
    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
    // Ellipse inscribed in the box.
    virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
    // Arc of the ellipse inscribed in the box, counter-clockwise on the screen from the ray through
    // (x3, y3) to the ray through (x4, y4); equal rays give the whole ellipse.
    virtual void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
    // (x, y) is the top-left corner of the text, rotated with the font's escapement.
    virtual void TextOut(int x, int y, const QString& text) = 0;
    virtual int TextWidth(const QString& text) = 0;
    // The bitmap stretched onto the box from (x1, y1) to (x2, y2), right and bottom excluded,
    // replacing what is there whatever the pen mode.
    virtual void StretchDraw(int x1, int y1, int x2, int y2, const Bitmap& bitmap) = 0;
};

}  // namespace vantro
