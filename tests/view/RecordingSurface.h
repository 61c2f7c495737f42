// A surface that records the drawing calls, for tests that check what a painter asked for.
#pragma once

#include "view/Surface.h"

#include <string>
#include <vector>

namespace vantro::testing {

class RecordingSurface final : public Surface {
public:
    RecordingSurface(int width, int height) : width_(width), height_(height) {}

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void SetPen(const Pen& pen) override { pen_ = pen; }
    const Pen& CurrentPen() const override { return pen_; }
    void SetBrush(const Brush&) override {}
    void SetFont(const Font& font) override { Fonts.push_back(font); }
    void MoveTo(int x, int y) override { Log("MoveTo", {x, y}); }
    void LineTo(int x, int y) override { Log("LineTo", {x, y}); }
    void Polyline(const std::vector<PixelPoint>& points) override { Calls.push_back({"Polyline", points}); }
    void Polygon(const std::vector<PixelPoint>& points) override { Calls.push_back({"Polygon", points}); }
    void Rectangle(int x1, int y1, int x2, int y2) override { Log("Rectangle", {x1, y1, x2, y2}); }
    void Ellipse(int x1, int y1, int x2, int y2) override { Log("Ellipse", {x1, y1, x2, y2}); }
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override
    {
        Log("Arc", {x1, y1, x2, y2, x3, y3, x4, y4});
    }
    void TextOut(int x, int y, const QString&) override { Log("TextOut", {x, y}); }
    int TextWidth(const QString& text) override { return static_cast<int>(text.size()) * 8; }
    void StretchDraw(int x1, int y1, int x2, int y2, const Bitmap&) override { Log("StretchDraw", {x1, y1, x2, y2}); }

    struct Call {
        std::string Name;
        std::vector<PixelPoint> Points;
    };
    std::vector<Call> Calls;
    std::vector<Font> Fonts;  // every font set, in order

    int Count(const std::string& name) const
    {
        int n = 0;
        for (const Call& c : Calls) n += c.Name == name ? 1 : 0;
        return n;
    }

private:
    void Log(const char* name, std::initializer_list<int> values)
    {
        Call call{name, {}};
        for (auto it = values.begin(); it != values.end(); it += 2) call.Points.push_back({*it, *(it + 1)});
        Calls.push_back(call);
    }

    int width_;
    int height_;
    Pen pen_;
};

}  // namespace vantro::testing
