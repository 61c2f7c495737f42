#include "dxf/DxfDimensions.h"

#include "document/Cp932.h"
#include "dxf/DxfOwnRecords.h"
#include "geometry/DimensionLayout.h"
#include "geometry/Dimensions.h"

#include <cmath>

namespace vantro::dxf {
namespace {

constexpr double kBarbSpread = 0.32;  // radians either side of the arrow's axis
constexpr double kBarbFactor = 1.05;  // barb length in arrow lengths
constexpr double kQuarterTurn = kPi / 2;

enum Horizontal { kLeft = 0, kCentre = 1, kRight = 2 };
enum Vertical { kBottom = 1, kMiddle = 2 };

Point Offset(Point from, double radians, double length)
{
    return {from.X + length * std::cos(radians), from.Y + length * std::sin(radians)};
}

// Where the painter puts a dimension's text: centred over its text point with the bottom the gap
// above it, or beside a leader's end, vertically centred. Middle is the text's middle.
struct TextPlace {
    Point At;
    double Degrees = 0;
    int Horizontal = kCentre;
    int Vertical = kBottom;
    Point Middle;
};

TextPlace PlaceText(const TCadData& e, const DimensionStyle& style, const std::string& text)
{
    const DimensionLayout layout =
        LayOutDimension(e, vantro::DimensionStyle{style.ArrowLength, style.Extension, style.RadiusToCentre});
    const double along = DegToRad(layout.TextDegrees);
    const double halfWidth = static_cast<double>(text.size()) * 0.25 * style.TextHeight;
    const auto label = MakeDimensionLabel(e, style.Format, ScreenSigns());
    const bool prefixMemo = label && label->HasPrefixMemo;
    TextPlace place;
    place.Degrees = std::fmod(layout.TextDegrees, 360.0);
    if (layout.LeaderAlways || (layout.LeaderCapable && style.LeaderTextOnExtension && !prefixMemo)) {
        const double side = LeaderPointsRight(layout.LeaderDirection) ? 1 : -1;
        place.At = Offset(layout.TextAt, along, side * style.Gap);
        place.Horizontal = side > 0 ? kLeft : kRight;
        place.Vertical = kMiddle;
        place.Middle = Offset(place.At, along, side * halfWidth);
    } else {
        place.At = Offset(layout.TextAt, along + kQuarterTurn, style.Gap);
        place.Middle = Offset(layout.TextAt, along + kQuarterTurn, style.Gap + style.TextHeight / 2);
    }
    return place;
}

// A TEXT of a dimension (lineType empty: none); fixedRotation writes the angle in the
// 23-character form.
void WriteText(DxfOutput& out, const std::string& layer, std::string_view lineType, const DimensionStyle& style,
               const TextPlace& place, const std::string& text, bool fixedRotation)
{
    EntityStart(out, "TEXT", layer, lineType, style.TextColour);
    out.Pair(kSubclass, "AcDbText");
    out.FixedPoint(kPoint0, place.At);
    out.Fixed(kHeight, style.TextHeight);
    if (fixedRotation) out.Fixed(kAngle, place.Degrees);
    else out.General(kAngle, place.Degrees);
    out.Text(kPrimaryText, text);
    out.Pair(kStyleName, kTextStyle);
    out.Integer(kHorizontalAlignment, place.Horizontal);
    out.FixedPoint(kPoint1, place.At);
    out.Pair(kSubclass, "AcDbText");
    out.Integer(kVerticalAlignment, place.Vertical);
}

class BlockWriter {
public:
    BlockWriter(DxfOutput& out, const std::string& layer, const DimensionStyle& style)
        : out_(out), layer_(layer), style_(style)
    {
    }

    void Line(Point from, Point to, std::string_view typeCode = kEntityType)
    {
        EntityStart(out_, "LINE", layer_, "BYBLOCK", style_.PartColour, typeCode);
        out_.Pair(kSubclass, "AcDbLine");
        out_.FixedPoint(kPoint0, from);
        out_.FixedPoint(kPoint1, to);
    }
    void Solid(Point a, Point b, Point c, Point d)
    {
        EntityStart(out_, "SOLID", layer_, "BYBLOCK", style_.PartColour);
        out_.Pair(kSubclass, "AcDbTrace");
        out_.FixedPoint(kPoint0, a);
        out_.FixedPoint(kPoint1, b);
        out_.FixedPoint(kPoint2, c);
        out_.FixedPoint(kPoint3, d);
    }
    // The arrowhead at tip whose barbs leave it along axis ± the spread.
    void Arrow(Point tip, double axis)
    {
        const double length = kBarbFactor * style_.ArrowLength;
        Solid(tip, Offset(tip, axis - kBarbSpread, length), Offset(tip, axis + kBarbSpread, length), tip);
    }
    // The arrowheads of linear dimensions list their barbs first and the tip twice.
    void BarbsFirstArrow(Point tip, double axis)
    {
        const double length = kBarbFactor * style_.ArrowLength;
        Solid(Offset(tip, axis - kBarbSpread, length), Offset(tip, axis + kBarbSpread, length), tip, tip);
    }
    void Arc(Point centre, double radius, double startDegrees, double endDegrees)
    {
        EntityStart(out_, "ARC", layer_, "BYBLOCK", style_.PartColour);
        out_.Pair(kSubclass, "AcDbCircle");
        out_.FixedPoint(kPoint0, centre);
        out_.Fixed(kHeight, radius);
        out_.Pair(kSubclass, "AcDbArc");
        out_.Fixed(kAngle, startDegrees);
        out_.Fixed(kEndAngle, endDegrees);
    }
    void Text(const TextPlace& place, const std::string& text, bool fixedRotation = false)
    {
        WriteText(out_, layer_, "BYBLOCK", style_, place, text, fixedRotation);
    }
    void DefinitionPoint(Point p)
    {
        EntityStart(out_, "POINT", "DEFPOINTS", "BYBLOCK", style_.PartColour);
        out_.Pair(kSubclass, "AcDbPoint");
        out_.FixedPoint(kPoint0, p);
    }

private:
    DxfOutput& out_;
    const std::string& layer_;
    const DimensionStyle& style_;
};

struct Parts {
    Point P1;
    Point P2;
    Point T;
};

Parts PartsOf(const TCadData& e) { return {{e.X1, e.Y1}, {e.X2, e.Y2}, {e.Cx, e.Cy}}; }

// Rotation of the text of linear dimensions, shared by the block and the entity.
double LinearTextRotation(const TCadData& e, Point d1, Point d2)
{
    const Parts p = PartsOf(e);
    return e.Kind == kKindDimAligned ? ReadableDegrees(DirectionAngle(p.P1, p.P2))
                                     : ReadableDegrees(DirectionAngle(d1, d2));
}

void LinearBlock(BlockWriter& block, const TCadData& e, const DimensionStyle& style, const TextPlace& place,
                 const std::string& text)
{
    const Parts p = PartsOf(e);
    Point d1;
    Point d2;
    LinearDimensionEnds(e, d1, d2);
    block.Line(p.P1, Offset(d1, DirectionAngle(d1, p.P1), style.Extension));
    block.Line(p.P2, Offset(d2, DirectionAngle(d2, p.P2), style.Extension));
    block.Line(d1, d2);
    block.BarbsFirstArrow(d1, DirectionAngle(d2, d1));
    block.BarbsFirstArrow(d2, DirectionAngle(d1, d2));
    TextPlace rotated = place;
    rotated.Degrees = LinearTextRotation(e, d1, d2);
    block.Text(rotated, text);
    block.DefinitionPoint(p.P1);
    block.DefinitionPoint(p.P2);
}

void RadiusBlock(BlockWriter& block, const TCadData& e, const TextPlace& place, const std::string& text)
{
    const Parts p = PartsOf(e);
    const double phi = DirectionAngle(p.P1, p.P2);
    const bool outside = PointDistance(p.P1, p.T) >= e.Value;
    // This one line starts with a one-blank group code, as files of this program always had it.
    block.Line(p.P1, outside ? p.T : p.P2, " 0\r\n");
    block.Arrow(p.P2, outside ? phi + kPi : phi);
    TextPlace rotated = place;
    rotated.Degrees = ReadableDegrees(phi);
    block.Text(rotated, text);
}

void DiameterBlock(BlockWriter& block, const TCadData& e, const TextPlace& place, const std::string& text)
{
    const Parts p = PartsOf(e);
    const double phi = DirectionAngle(p.P1, p.P2);
    block.Line(p.P1, p.P2);
    block.Line(p.P2, p.T);
    block.Arrow(p.P1, phi + kPi);
    block.Arrow(p.P2, phi);
    TextPlace rotated = place;
    rotated.Degrees = ReadableDegrees(phi);
    block.Text(rotated, text);
}

double SweepEndDegrees(double startDegrees, double sweep)
{
    const double end = startDegrees + sweep;
    return end >= 360 ? end - 360 : end;
}

void AngleBlock(BlockWriter& block, const TCadData& e, const DimensionStyle& style, const TextPlace& place,
                const std::string& text)
{
    const Parts p = PartsOf(e);
    const Point v = p.T;
    const double r = e.R;
    const double a1 = DirectionAngle(p.P1, v);
    const double a2 = DirectionAngle(p.P2, v);
    if (PointDistance(v, p.P1) < r) block.Line(p.P1, Offset(v, a1, r + style.Extension));
    if (PointDistance(v, p.P2) < r) block.Line(p.P2, Offset(v, a2, r + style.Extension));
    block.Arrow(Offset(v, a1, r), a1 + kQuarterTurn);
    block.Arrow(Offset(v, a2, r), a2 - kQuarterTurn);
    const double start = RadToDeg(a1);
    block.Arc(v, r, start, SweepEndDegrees(start, e.Value));
    TextPlace rotated = place;
    rotated.Degrees = ReadableDegrees(a1 + e.Angle + kQuarterTurn);
    block.Text(rotated, text, true);
}

void RelativeValueBlock(BlockWriter& block, const TCadData& e, const TextPlace& place, const std::string& text)
{
    const Parts p = PartsOf(e);
    block.Line(p.P1, p.P2);
    TextPlace rotated = place;
    rotated.Degrees = ReadableDegrees(DirectionAngle(p.P1, p.P2));
    block.Text(rotated, text);
}

// CP932 text with the characters MTEXT reads as codes escaped; double-byte characters are stepped
// over, their second byte may be a backslash.
std::string MtextLiteral(std::string_view cp932)
{
    std::string out;
    for (size_t i = 0; i < cp932.size(); ++i) {
        const char c = cp932[i];
        if (IsCp932LeadByte(static_cast<unsigned char>(c)) && i + 1 < cp932.size()) {
            out.append(cp932.substr(i++, 2));
            continue;
        }
        if (c == '\\' || c == '{' || c == '}') out.push_back('\\');
        out.push_back(c);
    }
    return out;
}

const DimensionSigns& DxfSigns()
{
    static const DimensionSigns kSigns{"%%c", "%%d"};
    return kSigns;
}

// The text the DIMENSION entity shows, in the MTEXT form dimension texts have: the tolerance
// stacked as the painter stacks it.
std::string EntityText(const TCadData& dimension, const NumberFormat& format)
{
    const std::optional<DimensionLabel> label = MakeDimensionLabel(dimension, format, DxfSigns());
    if (!label) return {};
    std::string text = MtextLiteral(label->Main);
    if (label->Form == ToleranceForm::Stacked)
        text.append("\\S").append(MtextLiteral(label->Upper)).append("^").append(MtextLiteral(label->Lower)).append(";");
    else if (label->Form == ToleranceForm::PlusMinus)
        text.append("%%p").append(MtextLiteral(label->Upper));
    return text.append(MtextLiteral(label->Suffix));
}

}  // namespace

bool HasDimensionBlock(int8_t kind)
{
    switch (kind) {
    case kKindDimX:
    case kKindDimY:
    case kKindDimAligned:
    case kKindDimRadius:
    case kKindDimDiameter:
    case kKindDimAngle:
    case kKindDimRunning: return true;
    default: return false;
    }
}

bool IsLeaderDimension(int8_t kind)
{
    return kind == kKindDimJoggedRadius || kind == kKindDimJoggedDiameter || kind == kKindDimCoordinate ||
           kind == kKindDimRelativeCoordinate || kind == kKindLeader;
}

std::string DimensionDisplayText(const TCadData& dimension, const NumberFormat& format)
{
    const std::optional<DimensionLabel> label = MakeDimensionLabel(dimension, format, DxfSigns());
    if (!label) return {};
    std::string text = label->Main;
    if (label->Form == ToleranceForm::Stacked) text.append(label->Upper).append(label->Lower);
    else if (label->Form == ToleranceForm::PlusMinus) text.append("%%p").append(label->Upper);
    return text.append(label->Suffix);
}

void WriteDimensionBlock(DxfOutput& out, const TCadData& dimension, const std::string& layer, int number,
                         const DimensionStyle& style)
{
    const std::string name = std::string("*D").append(std::to_string(number));
    out.Pair(kEntityType, "BLOCK");
    out.Handle();
    out.Pair(kSubclass, "AcDbEntity");
    out.Pair(kLayer, layer);
    out.Pair(kSubclass, "AcDbBlockBegin");
    out.Pair(kName, name);
    // The flag code of this one kind has always been written with two blanks.
    out.Pair(dimension.Kind == kKindDimRunning ? "  70\r\n" : kFlags, "  65");
    out.Pair(kPoint0.X, kZero);
    out.Pair(kPoint0.Y, kZero);
    out.Pair(kPoint0.Z, kZero);
    out.Pair(kOtherName, name);
    BlockWriter block(out, layer, style);
    const std::string text = DimensionDisplayText(dimension, style.Format);
    const TextPlace place = PlaceText(dimension, style, text);
    switch (dimension.Kind) {
    case kKindDimRadius: RadiusBlock(block, dimension, place, text); break;
    case kKindDimDiameter: DiameterBlock(block, dimension, place, text); break;
    case kKindDimAngle: AngleBlock(block, dimension, style, place, text); break;
    case kKindDimRunning: RelativeValueBlock(block, dimension, place, text); break;
    default: LinearBlock(block, dimension, style, place, text); break;
    }
    out.Pair(kEntityType, "ENDBLK");
    out.Handle();
    out.Pair(kSubclass, "AcDbEntity");
    out.Pair(kLayer, layer);
    out.Pair(kSubclass, "AcDbBlockEnd");
}

void WriteDimensionEntity(DxfOutput& out, const TCadData& e, const std::string& layer, int number,
                          const DimensionStyle& style)
{
    const Parts p = PartsOf(e);
    const TextPlace place = PlaceText(e, style, DimensionDisplayText(e, style.Format));
    out.Pair(kEntityType, "DIMENSION");
    out.Handle();
    out.Pair(kSubclass, "AcDbEntity");
    out.Pair(kLayer, layer);
    out.Pair(kLineType, LineTypeName(e.LineStyle));
    out.Integer(kColour, ColourNumber(e.Color));
    out.Pair(kSubclass, "AcDbDimension");
    out.Pair(kName, std::string("*D").append(std::to_string(number)));
    switch (e.Kind) {
    case kKindDimRadius:
    case kKindDimDiameter: {
        const bool radius = e.Kind == kKindDimRadius;
        out.FixedPoint(kPoint0, p.P1);
        out.FixedPoint(kPoint1, place.Middle);
        out.Pair(kFlags, radius ? "  36" : "  35");
        out.Text(kPrimaryText, EntityText(e, style.Format));
        out.Fixed(kMeasurement, e.Value);
        out.Pair(kOtherName, "STANDARD");
        out.Pair(kSubclass, radius ? "AcDbRadialDimension" : "AcDbDiametricDimension");
        out.FixedPoint(kPoint5, p.P2);
        out.General(kAngle, ReadableDegrees(DirectionAngle(p.P1, p.P2)));
        break;
    }
    case kKindDimAngle: {
        const Point q = Offset(p.T, DirectionAngle(p.P1, p.T) + e.Angle, e.R);
        out.GeneralPoint(kPoint0, q);
        out.GeneralPoint(kPoint1, place.Middle);
        out.Pair(kFlags, "  37");
        out.Text(kPrimaryText, EntityText(e, style.Format));
        out.Fixed(kMeasurement, DegToRad(e.Value));
        out.Pair(kOtherName, "STANDARD");
        out.Pair(kSubclass, "AcDb3PointAngularDimension");
        out.FixedPoint(kPoint3, p.P1);
        out.FixedPoint(kPoint4, p.P2);
        out.FixedPoint(kPoint5, p.T);
        break;
    }
    case kKindDimRunning: {
        out.Pair(kPoint0.X, kZero);
        out.Pair(kPoint0.Y, kZero);
        out.Pair(kPoint0.Z, kZero);
        out.FixedPoint(kPoint1, place.Middle);
        out.Pair(kFlags, std::abs(e.X1 - e.X2) >= std::abs(e.Y1 - e.Y2) ? " 38" : "102");
        out.Text(kPrimaryText, EntityText(e, style.Format));
        out.Fixed(kMeasurement, e.Value);
        out.Pair(kOtherName, "STANDARD");
        out.Pair(kSubclass, "AcDbOrdinateDimension");
        out.FixedPoint(kPoint3, p.P1);
        out.FixedPoint(kPoint4, p.P2);
        break;
    }
    default: {
        Point d1;
        Point d2;
        LinearDimensionEnds(e, d1, d2);
        out.FixedPoint(kPoint0, d1);
        out.FixedPoint(kPoint1, place.Middle);
        out.Pair(kFlags, e.Kind == kKindDimAligned ? "  33" : "  32");
        out.Text(kPrimaryText, EntityText(e, style.Format));
        out.Fixed(kMeasurement, e.Value);
        out.Pair(kOtherName, "STANDARD");
        out.Pair(kSubclass, "AcDbAlignedDimension");
        out.FixedPoint(kPoint3, p.P2);
        out.FixedPoint(kPoint4, p.P1);
        out.General(kAngle, LinearTextRotation(e, d1, d2));
        // Horizontal and vertical dimensions are rotated dimensions, measuring along their angle.
        if (e.Kind != kKindDimAligned) out.Pair(kSubclass, "AcDbRotatedDimension");
        break;
    }
    }
    WriteOwnDimension(out, e);
}

void WriteLeaderDimension(DxfOutput& out, const TCadData& e, const std::string& layer, const DimensionStyle& style)
{
    const Parts p = PartsOf(e);
    const double phi = DirectionAngle(p.P1, p.P2);
    const double length = kBarbFactor * style.ArrowLength;
    const auto line = [&](Point from, Point to) {
        EntityStart(out, "LINE", layer, "CONTINUOUS", style.PartColour);
        out.Pair(kSubclass, "AcDbLine");
        out.FixedPoint(kPoint0, from);
        out.FixedPoint(kPoint1, to);
        WriteOwnPart(out);
    };
    line(p.P1, p.P2);
    line(p.P2, p.T);
    line(p.P1, Offset(p.P1, phi + kPi - kBarbSpread, length));
    line(p.P1, Offset(p.P1, phi + kPi + kBarbSpread, length));
    const std::string text = DimensionDisplayText(e, style.Format);
    WriteText(out, layer, {}, style, PlaceText(e, style, text), text, false);
    WriteOwnElement(out, e);
}

}  // namespace vantro::dxf
