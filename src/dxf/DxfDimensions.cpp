#include "dxf/DxfDimensions.h"

#include "geometry/Dimensions.h"

#include <cmath>

namespace vantro::dxf {
namespace {

constexpr double kBarbSpread = 0.32;  // radians either side of the arrow's axis
constexpr double kBarbFactor = 1.05;  // barb length in arrow lengths
constexpr double kQuarterTurn = kPi / 2;

Point Offset(Point from, double radians, double length)
{
    return {from.X + length * std::cos(radians), from.Y + length * std::sin(radians)};
}

class BlockWriter {
public:
    BlockWriter(DxfOutput& out, const std::string& layer, const DimensionStyle& style)
        : out_(out), layer_(layer), style_(style)
    {
    }

    void Line(Point from, Point to, std::string_view typeCode = kEntityType)
    {
        Start(typeCode, "LINE", layer_, style_.PartColour);
        out_.Pair(kSubclass, "AcDbLine");
        out_.FixedPoint(kPoint0, from);
        out_.FixedPoint(kPoint1, to);
    }
    void Solid(Point a, Point b, Point c, Point d)
    {
        Start(kEntityType, "SOLID", layer_, style_.PartColour);
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
        Start(kEntityType, "ARC", layer_, style_.PartColour);
        out_.Pair(kSubclass, "AcDbCircle");
        out_.FixedPoint(kPoint0, centre);
        out_.Fixed(kHeight, radius);
        out_.Pair(kSubclass, "AcDbArc");
        out_.Fixed(kAngle, startDegrees);
        out_.Fixed(kEndAngle, endDegrees);
    }
    // fixedRotation: the 23-character form (angle dimensions) instead of the general one.
    void Text(Point at, double rotationDegrees, const std::string& text, bool fixedRotation = false)
    {
        Start(kEntityType, "TEXT", layer_, style_.TextColour);
        out_.Pair(kSubclass, "AcDbText");
        out_.FixedPoint(kPoint0, at);
        out_.Fixed(kHeight, style_.TextHeight);
        if (fixedRotation) out_.Fixed(kAngle, rotationDegrees);
        else out_.General(kAngle, rotationDegrees);
        out_.Pair(kPrimaryText, text);
    }
    void DefinitionPoint(Point p)
    {
        Start(kEntityType, "POINT", "DEFPOINTS", style_.PartColour);
        out_.Pair(kSubclass, "AcDbPoint");
        out_.FixedPoint(kPoint0, p);
    }

private:
    void Start(std::string_view typeCode, std::string_view type, std::string_view layer, int colour)
    {
        out_.Pair(typeCode, type);
        out_.Pair(kSubclass, "AcDbEntity");
        out_.Pair(kLayer, layer);
        out_.Pair(kLineType, "BYBLOCK");
        out_.Integer(kColour, colour);
    }

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

void LinearBlock(BlockWriter& block, const TCadData& e, const DimensionStyle& style, const std::string& text)
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
    block.Text(p.T, LinearTextRotation(e, d1, d2), text);
    block.DefinitionPoint(p.P1);
    block.DefinitionPoint(p.P2);
}

void RadiusBlock(BlockWriter& block, const TCadData& e, const std::string& text)
{
    const Parts p = PartsOf(e);
    const double phi = DirectionAngle(p.P1, p.P2);
    const bool outside = PointDistance(p.P1, p.T) >= e.Value;
    // This one line starts with a one-blank group code, as files of this program always had it.
    block.Line(p.P1, outside ? p.T : p.P2, " 0\r\n");
    block.Arrow(p.P2, outside ? phi + kPi : phi);
    block.Text(p.T, ReadableDegrees(phi), text);
}

void DiameterBlock(BlockWriter& block, const TCadData& e, const std::string& text)
{
    const Parts p = PartsOf(e);
    const double phi = DirectionAngle(p.P1, p.P2);
    block.Line(p.P1, p.P2);
    block.Line(p.P2, p.T);
    block.Arrow(p.P1, phi + kPi);
    block.Arrow(p.P2, phi);
    block.Text(p.T, ReadableDegrees(phi), text);
}

double SweepEndDegrees(double startDegrees, double sweep)
{
    const double end = startDegrees + sweep;
    return end >= 360 ? end - 360 : end;
}

void AngleBlock(BlockWriter& block, const TCadData& e, const DimensionStyle& style, const std::string& text)
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
    const double t = a1 + e.Angle;
    block.Text(Offset(v, t, r), ReadableDegrees(t + kQuarterTurn), text, true);
}

void RelativeValueBlock(BlockWriter& block, const TCadData& e, const std::string& text)
{
    const Parts p = PartsOf(e);
    block.Line(p.P1, p.P2);
    block.Text(p.T, ReadableDegrees(DirectionAngle(p.P1, p.P2)), text);
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
    return kind == kKindDimJoggedRadius || kind == kKindDimJoggedDiameter || kind == kKindDimCoordinate;
}

std::string DimensionDisplayText(const TCadData& dimension, const NumberFormat& format)
{
    static const DimensionSigns kDxfSigns{"%%c", "%%d"};
    const std::optional<DimensionLabel> label = MakeDimensionLabel(dimension, format, kDxfSigns);
    if (!label) return {};
    std::string text = label->Main;
    if (label->Form != ToleranceForm::None) text.append(label->Tolerance);
    return text.append(label->Suffix);
}

void WriteDimensionBlock(DxfOutput& out, const TCadData& dimension, const std::string& layer, int number,
                         const DimensionStyle& style)
{
    const std::string name = std::string("*D").append(std::to_string(number));
    out.Pair(kEntityType, "BLOCK");
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
    switch (dimension.Kind) {
    case kKindDimRadius: RadiusBlock(block, dimension, text); break;
    case kKindDimDiameter: DiameterBlock(block, dimension, text); break;
    case kKindDimAngle: AngleBlock(block, dimension, style, text); break;
    case kKindDimRunning: RelativeValueBlock(block, dimension, text); break;
    default: LinearBlock(block, dimension, style, text); break;
    }
    out.Pair(kEntityType, "ENDBLK");
    out.Pair(kSubclass, "AcDbBlockEnd");
}

void WriteDimensionEntity(DxfOutput& out, const TCadData& e, const std::string& layer, int number)
{
    const Parts p = PartsOf(e);
    out.Pair(kEntityType, "DIMENSION");
    out.Pair(kSubclass, "AcDbEntity");
    out.Pair(kSubclass, "AcDbDimension");
    out.Pair(kName, std::string("*D").append(std::to_string(number)));
    out.Pair(kLayer, layer);
    out.Pair(kLineType, LineTypeName(e.LineStyle));
    out.Integer(kColour, ColourNumber(e.Color));
    switch (e.Kind) {
    case kKindDimRadius:
    case kKindDimDiameter: {
        const bool radius = e.Kind == kKindDimRadius;
        out.FixedPoint(kPoint0, p.P1);
        out.FixedPoint(kPoint1, p.T);
        out.Pair(kFlags, radius ? "  36" : "  35");
        out.Pair(kOtherName, "STANDARD");
        out.Pair(kSubclass, radius ? "AcDbRadialDimension" : "AcDbDiametricDimension");
        out.FixedPoint(kPoint5, p.P2);
        out.General(kAngle, ReadableDegrees(DirectionAngle(p.P1, p.P2)));
        break;
    }
    case kKindDimAngle: {
        const Point q = Offset(p.T, DirectionAngle(p.P1, p.T) + e.Angle, e.R);
        out.GeneralPoint(kPoint0, q);
        out.GeneralPoint(kPoint1, q);
        out.Pair(kFlags, "  37");
        out.Pair(kOtherName, "STANDARD");
        out.Pair(kSubclass, "AcDb2LineAngularDimension");
        out.FixedPoint(kPoint3, p.P1);
        out.FixedPoint(kPoint4, p.P2);
        out.FixedPoint(kPoint5, p.T);
        break;
    }
    case kKindDimRunning: {
        out.Pair(kPoint0.X, kZero);
        out.Pair(kPoint0.Y, kZero);
        out.Pair(kPoint0.Z, kZero);
        out.FixedPoint(kPoint1, p.T);
        out.Pair(kFlags, std::abs(e.X1 - e.X2) >= std::abs(e.Y1 - e.Y2) ? " 38" : "102");
        out.Pair(kOtherName, "STANDARD");
        // The subclass name is spelt as the files of this program always had it.
        out.Pair(kSubclass, "AcDbOedinateDimension");
        out.FixedPoint(kPoint3, p.P1);
        out.FixedPoint(kPoint4, p.P2);
        break;
    }
    default: {
        Point d1;
        Point d2;
        LinearDimensionEnds(e, d1, d2);
        out.FixedPoint(kPoint0, d1);
        out.FixedPoint(kPoint1, p.T);
        out.Pair(kFlags, e.Kind == kKindDimAligned ? "  33" : "  32");
        out.Pair(kOtherName, "STANDARD");
        out.Pair(kSubclass, "AcDbAlignedDimension");
        out.FixedPoint(kPoint3, p.P2);
        out.FixedPoint(kPoint4, p.P1);
        out.General(kAngle, LinearTextRotation(e, d1, d2));
        break;
    }
    }
}

void WriteLeaderDimension(DxfOutput& out, const TCadData& e, const std::string& layer, const DimensionStyle& style)
{
    const Parts p = PartsOf(e);
    const double phi = DirectionAngle(p.P1, p.P2);
    const double length = kBarbFactor * style.ArrowLength;
    const auto line = [&](Point from, Point to) {
        out.Pair(kEntityType, "LINE");
        out.Pair(kSubclass, "AcDbEntity");
        out.Pair(kLayer, layer);
        out.Pair(kLineType, "CONTINUOUS");
        out.Integer(kColour, style.PartColour);
        out.Pair(kSubclass, "AcDbLine");
        out.FixedPoint(kPoint0, from);
        out.FixedPoint(kPoint1, to);
    };
    line(p.P1, p.P2);
    line(p.P2, p.T);
    line(p.P1, Offset(p.P1, phi + kPi - kBarbSpread, length));
    line(p.P1, Offset(p.P1, phi + kPi + kBarbSpread, length));
    out.Pair(kEntityType, "TEXT");
    out.Pair(kSubclass, "AcDbEntity");
    out.Pair(kLayer, layer);
    out.Integer(kColour, style.TextColour);
    out.Pair(kSubclass, "AcDbText");
    out.FixedPoint(kPoint0, p.T);
    out.Fixed(kHeight, style.TextHeight);
    out.General(kAngle, ReadableDegrees(DirectionAngle(p.P2, p.T)));
    out.Pair(kPrimaryText, DimensionDisplayText(e, style.Format));
}

}  // namespace vantro::dxf
