// DIMENSION entities as this program's dimensions where one of its kinds draws the same thing,
// otherwise as the lines, arrowheads and texts of the dimension's block, grouped. The shown text
// is kept: as the dimension's own marks and tolerance when they show it, else as a fixed text.
#include "document/Groups.h"
#include "dxf/DxfEntityReaders.h"
#include "dxf/DxfOwnRecords.h"
#include "geometry/DimensionLayout.h"
#include "geometry/Dimensions.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>

namespace vantro::dxf {
namespace {

enum DimensionType {
    kRotated = 0,
    kAligned = 1,
    kAngular = 2,
    kDiameter = 3,
    kRadius = 4,
    kAngular3Point = 5,
    kOrdinate = 6,
};
constexpr int kTypeMask = 7;
constexpr int kOrdinateX = 64;
constexpr double kSameDirection = 1e-9;  // radians

Point Along(Point from, double radians, double length)
{
    return {from.X + length * std::cos(radians), from.Y + length * std::sin(radians)};
}

TCadData Dimension(int8_t kind, Point p1, Point p2, Point text)
{
    TCadData e = DimensionRecord(kind, p1, p2, text);
    e.Width = 1;  // the arrow style "←→"
    return e;
}

// Degrees in [0, 180): a line's direction either way.
double Undirected(double degrees)
{
    const double d = std::fmod(degrees, 180.0);
    return d < 0 ? d + 180 : d;
}

bool SameUndirected(double a, double b)
{
    const double d = std::abs(Undirected(a) - Undirected(b));
    return std::min(d, 180 - d) < RadToDeg(kSameDirection);
}

// Kinds 6, 7 and 8 measure p1 to p2, the dimension line through lineAt.
std::optional<TCadData> Linear(int8_t kind, Point p1, Point p2, Point lineAt, Point text)
{
    if (PointDistance(p1, p2) < Eps()) return std::nullopt;
    TCadData e = Dimension(kind, p1, p2, text);
    if (kind == kKindDimX) {
        e.R = (p1.X + p2.X) / 2;
        e.Angle = lineAt.Y;
        e.Value = std::abs(p1.X - p2.X);
    } else if (kind == kKindDimY) {
        e.R = lineAt.X;
        e.Angle = (p1.Y + p2.Y) / 2;
        e.Value = std::abs(p1.Y - p2.Y);
    } else {
        Point f1;
        Point f2;
        if (!AlignedDimensionLine(p1, p2, lineAt, f1, f2)) return std::nullopt;
        const Point m = MidPoint(f1, f2);
        e.R = m.X;
        e.Angle = m.Y;
        e.Value = PointDistance(p1, p2);
    }
    return e;
}

std::optional<TCadData> Angular(Point a1, Point a2, Point b1, Point b2, Point arcAt)
{
    Point vertex;
    Point legA;
    Point legB;
    if (!AngleDimensionLegs(a1, a2, b1, b2, arcAt, vertex, legA, legB)) return std::nullopt;
    TCadData e = Dimension(kKindDimAngle, legA, legB, vertex);
    const double sweep = SweepAngleDeg(legA, legB, vertex);
    e.R = PointDistance(vertex, arcAt);
    e.Value = sweep;
    e.Angle = DegToRad(sweep) / 2;
    return e;
}

// The dimension of ours that draws what the entity draws; T is the text's middle for now.
std::optional<TCadData> OwnKind(const Numbers& v)
{
    const int flags = v.Integer(70);
    // The first measured point is 14, beside the dimension line's definition point 10.
    const Point p13 = v.PointOf(13);
    const Point p14 = v.PointOf(14);
    const Point text = v.PointOf(11);
    switch (flags & kTypeMask) {
    case kRotated: {
        const double rotation = v.Get(50);
        if (SameUndirected(rotation, 0)) return Linear(kKindDimX, p14, p13, v.PointOf(10), text);
        if (SameUndirected(rotation, 90)) return Linear(kKindDimY, p14, p13, v.PointOf(10), text);
        if (PointDistance(p13, p14) >= Eps() && SameUndirected(rotation, RadToDeg(DirectionAngle(p13, p14))))
            return Linear(kKindDimAligned, p14, p13, v.PointOf(10), text);
        return std::nullopt;
    }
    case kAligned: return Linear(kKindDimAligned, p14, p13, v.PointOf(10), text);
    case kAngular: return Angular(p13, p14, v.PointOf(15), v.PointOf(10), v.PointOf(16));
    case kAngular3Point: return Angular(v.PointOf(15), p13, v.PointOf(15), p14, v.PointOf(10));
    case kDiameter:
    case kRadius: {
        const bool diameter = (flags & kTypeMask) == kDiameter;
        const Point p1 = v.PointOf(10);
        const Point p2 = v.PointOf(15);
        if (PointDistance(p1, p2) < Eps()) return std::nullopt;
        TCadData e = Dimension(diameter ? kKindDimDiameter : kKindDimRadius, p1, p2, text);
        e.Value = PointDistance(p1, p2);
        e.Angle = RadToDeg(DirectionAngle(p2, p1));
        return e;
    }
    case kOrdinate: {
        const Point origin = v.PointOf(10);
        TCadData e = Dimension(kKindDimRunning, p13, p14, p14);
        const double measured = (flags & kOrdinateX) != 0 ? std::abs(p13.X - origin.X) : std::abs(p13.Y - origin.Y);
        e.Value = v.Get(42, measured);
        e.Cx = text.X;
        e.Cy = text.Y;
        return e;
    }
    default: return std::nullopt;
    }
}

// The file gives the text's middle; this program's text point lies under it by the gap and half
// the height, on the side the text is drawn. Angle dimensions keep their vertex there.
void PlaceTextPoint(TCadData& e, const DimensionStyleValues& style)
{
    if (e.Kind == kKindDimAngle) return;
    vantro::DimensionStyle drawing;
    drawing.ArrowLength = style.ArrowSize;
    drawing.ArrowHeight = style.Extension;
    const DimensionLayout layout = LayOutDimension(e, drawing);
    const Point text = Along({e.Cx, e.Cy}, DegToRad(layout.TextDegrees) + kPi / 2, -(style.Gap + style.TextHeight / 2));
    e.Cx = text.X;
    e.Cy = text.Y;
    // A diameter dimension keeps the direction of its text point from the centre.
    if (e.Kind == kKindDimDiameter) e.Angle = RadToDeg(DirectionAngle(text, MidPoint({e.X1, e.Y1}, {e.X2, e.Y2})));
}

std::string WithoutBlanks(std::string_view text)
{
    std::string out;
    for (const char c : text)
        if (c != ' ') out.push_back(c);
    return out;
}

// What the dimension shows with the given field, flattened to one line.
std::optional<std::string> Shown(TCadData e, const std::string& field, const NumberFormat& format)
{
    e.Text = field;
    const std::optional<DimensionLabel> label = MakeDimensionLabel(e, format, ScreenSigns());
    if (!label) return std::nullopt;
    return label->Main + (label->Form == ToleranceForm::None ? "" : label->Tolerance) + label->Suffix;
}

// A field whose value, marks and tolerance show the text; else the text itself in place of the
// value. A tolerance is taken only in the forms a field can hold (+a-b, +a, -a).
std::string FieldShowing(const TCadData& e, const std::string& shown, const NumberFormat& format)
{
    std::vector<std::string> marks{""};
    if (e.Kind == kKindDimRadius) marks = {"R"};
    else if (e.Kind == kKindDimDiameter) marks = {"D"};
    else if (e.Kind <= kKindDimAligned) marks = {"", "D", "R"};
    if (shown.empty()) return marks.front();
    const std::string compact = WithoutBlanks(shown);
    for (const std::string& mark : marks) {
        const std::optional<std::string> plain = Shown(e, mark, format);
        if (!plain || !compact.starts_with(WithoutBlanks(*plain))) continue;
        const std::string rest = compact.substr(WithoutBlanks(*plain).size());
        if (rest.empty()) return mark;
        const bool toleranceLike = (rest[0] == '+' || rest[0] == '-') &&
                                   rest.find_first_not_of("+-.0123456789") == std::string::npos;
        if (toleranceLike && Shown(e, mark + rest, format) == std::optional<std::string>(*plain + rest))
            return mark + rest;
    }
    return "=" + shown + ")";
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) text.append(text.empty() || line.empty() ? "" : " ").append(line);
    return text;
}

// The number as the dimension style writes it, or as the window does when the style does not say.
std::string MeasuredText(double value, const DimensionStyleValues& style, const NumberFormat& window)
{
    const NumberFormat format = style.Decimals >= 0 ? NumberFormat{std::min(style.Decimals, 6), style.DropZeros} : window;
    return FormatDimensionNumber(value, format).value_or("");
}

// The text the file shows: the texts of its block, else its own text with "<>" for the value.
std::string ShownText(ReadContext& context, std::string_view block, std::string_view own,
                      const DimensionStyleValues& style, double measured)
{
    std::vector<std::string> texts;
    for (const size_t index : context.Blocks.EntriesOf(block))
        if (context.Blocks.Element(index).Kind == kKindText) texts.push_back(context.Blocks.Element(index).Text);
    if (!texts.empty()) return Joined(texts);
    if (own.empty() || own == "<>") return {};
    std::string text = Joined(context.Decoder.Paragraphs(own));
    const size_t value = text.find("<>");
    if (value != std::string::npos) text.replace(value, 2, MeasuredText(measured, style, context.Format));
    // The alternate units "[]" are not shown by this program.
    if (const size_t alternate = text.find("[]"); alternate != std::string::npos) text.erase(alternate, 2);
    return text;
}

}  // namespace

bool ReadDimension(Drawing& target, ReadContext& context, const Common& c, bool asParts)
{
    const std::string_view block = StringOf(context.Pairs, 2);
    const std::string_view styleName = StringOf(context.Pairs, 3);
    if (!context.InBlock) ++context.StyleUse[Capitals(styleName)];
    const DimensionStyleValues& style = StyleNamed(context, styleName);
    std::optional<TCadData> e = asParts ? std::nullopt : OwnKind(c.Values);
    if (!e) {
        if (context.Blocks.EntriesOf(block).empty()) {
            ++context.Counts.DimensionsLost;
            return true;
        }
        ++context.Counts.DimensionsAsParts;
        PlaceBlock(target, context, block, Placement{{}, 1, 1, 0, c.Attributes.Color, c.Attributes.Layer},
                   NewGroupNumber(target));
        return true;
    }
    PlaceTextPoint(*e, style);
    CurrentAttributes attributes = c.Attributes;
    const OwnRecord own = c.ExtendedData ? ReadOwnRecord(context.Pairs, context.Decoder) : OwnRecord{};
    if (own.What == OwnData::Dimension) {
        e->Text = own.Element.Text;
        e->Width = own.Element.Width;
        attributes.Color = own.Element.Color;
    } else {
        const std::string shown = ShownText(context, block, StringOf(context.Pairs, 1), style, c.Values.Get(42, e->Value));
        e->Text = FieldShowing(*e, shown, context.Format);
    }
    attributes.Width = e->Width;
    StoreElement(target, context, attributes, std::move(*e));
    return true;
}

}  // namespace vantro::dxf
