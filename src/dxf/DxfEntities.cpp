#include "document/Groups.h"
#include "dxf/DxfCurves.h"
#include "dxf/DxfEntityReaders.h"
#include "dxf/DxfOwnRecords.h"
#include "dxf/DxfValues.h"
#include "geometry/Constructors.h"

#include <algorithm>
#include <cmath>

namespace vantro::dxf {
namespace {

bool ReadArc(Drawing& target, ReadContext& context, const Common& c)
{
    const Point centre = c.Values.PointOf(10);
    const double radius = c.Values.Get(40);
    if (!(radius >= Eps())) return true;
    const double start = c.Values.Get(50);
    double sweep = std::fmod(c.Values.Get(51) - start, 360.0);
    if (sweep < 0) sweep += 360;
    // An arc ending where it starts has no length and creates nothing.
    if (sweep == 0) return true;
    StoreArc(target, context, c.Attributes, MapArc(c.Plane, centre, radius, start, sweep, c.Values.Get(30)));
    return true;
}

bool ReadCircle(Drawing& target, ReadContext& context, const Common& c)
{
    const double radius = c.Values.Get(40);
    if (!(radius >= Eps())) return true;
    if (!c.Plane.KeepsCircles()) {
        StoreArc(target, context, c.Attributes, MapArc(c.Plane, c.Values.PointOf(10), radius, 0, 360, c.Values.Get(30)),
                 NewGroupNumber(target));
        return true;
    }
    if (radius > kMaxCircleRadius) ++context.Counts.Dropped;
    else AppendCircle(target, c.Attributes, true, c.Plane.Apply(c.Values.PointOf(10), c.Values.Get(30)), radius);
    return true;
}

// Four corners, all on the corners of their box, none twice.
bool IsUprightRectangle(const std::array<Point, 4>& p)
{
    const auto [minX, maxX] = std::minmax({p[0].X, p[1].X, p[2].X, p[3].X});
    const auto [minY, maxY] = std::minmax({p[0].Y, p[1].Y, p[2].Y, p[3].Y});
    if (maxX - minX < Eps() || maxY - minY < Eps()) return false;
    int corners = 0;
    for (const Point& q : p) {
        const bool left = std::abs(q.X - minX) < Eps();
        const bool right = std::abs(q.X - maxX) < Eps();
        const bool bottom = std::abs(q.Y - minY) < Eps();
        const bool top = std::abs(q.Y - maxY) < Eps();
        if (!(left || right) || !(bottom || top)) return false;
        corners |= 1 << ((right ? 1 : 0) + (top ? 2 : 0));
    }
    return corners == 0xF;
}

// SOLID and TRACE: corners 1, 2, 4, 3 in outline order (the fourth is the third when not given).
// An upright rectangle is a filled rectangle; any other shape (an arrowhead) its outline.
bool ReadSolid(Drawing& target, ReadContext& context, const Common& c)
{
    const Numbers& v = c.Values;
    const double z = v.Get(30);
    const std::array<Point, 4> outline{c.Plane.Apply(v.PointOf(10), z), c.Plane.Apply(v.PointOf(11), z),
                                       c.Plane.Apply(v.Has(13) ? v.PointOf(13) : v.PointOf(12), z),
                                       c.Plane.Apply(v.PointOf(12), z)};
    if (IsUprightRectangle(outline)) {
        AppendFilledRectangle(target, c.Attributes, outline[0], outline[2]);
        return true;
    }
    const int32_t group = NewGroupNumber(target);
    for (size_t i = 0; i < outline.size(); ++i)
        StoreLine(target, context, c.Attributes, outline[i], outline[(i + 1) % outline.size()], group);
    return true;
}

// 3DFACE: its visible edges in plan view (flag bits 1, 2, 4, 8 hide edges 1 to 4).
bool ReadFace(Drawing& target, ReadContext& context, const Common& c)
{
    const Numbers& v = c.Values;
    const std::array<Point, 4> corners{v.PointOf(10), v.PointOf(11), v.PointOf(12),
                                       v.Has(13) ? v.PointOf(13) : v.PointOf(12)};
    const int hidden = v.Integer(70);
    const int32_t group = NewGroupNumber(target);
    for (size_t i = 0; i < corners.size(); ++i)
        if ((hidden & (1 << i)) == 0)
            StoreLine(target, context, c.Attributes, corners[i], corners[(i + 1) % corners.size()], group);
    return true;
}

// INSERT, also as an array of rows and columns. Seen against −Z the block is mirrored in x.
bool ReadInsert(Drawing& target, ReadContext& context, const Common& c)
{
    const std::string_view block = StringOf(context.Pairs, 2);
    // Every placement below walks at least one entry, so the work limit bounds rows × columns.
    if (context.Blocks.EntriesOf(block).empty()) return true;
    const Numbers& v = c.Values;
    const bool mirrored = c.Plane.KeepsCircles() && c.Plane.Mirrors();
    Placement placement{{}, v.Get(41, 1) * (mirrored ? -1 : 1), v.Get(42, 1), v.Get(50) * (mirrored ? -1 : 1),
                        c.Attributes.Color, c.Attributes.Layer};
    const int columns = std::max(1, v.Integer(70, 1));
    const int rows = std::max(1, v.Integer(71, 1));
    const double radians = DegToRad(v.Get(50));
    for (int row = 0; row < rows && !target.AppendFailed; ++row) {
        for (int column = 0; column < columns && !target.AppendFailed; ++column) {
            const Point offset = RotatePointRad({column * v.Get(44), row * v.Get(45)}, {}, radians);
            placement.At = c.Plane.Apply({v.Get(10) + offset.X, v.Get(20) + offset.Y}, v.Get(30));
            if (!PlaceBlock(target, context, block, placement, 0)) return true;
        }
    }
    return true;
}

bool ReadPoint(Drawing& target, ReadContext& context, const Common& c)
{
    // A block's points on DEFPOINTS are a dimension's definition points, never drawn.
    if (context.InBlock && Capitals(StringOf(context.Pairs, 8)) == "DEFPOINTS") return true;
    StoreElement(target, context, c.Attributes, [&] {
        TCadData e{};
        e.Kind = kKindPoint;
        e.Cx = c.Values.Get(10);
        e.Cy = c.Values.Get(20);
        return e;
    }());
    return true;
}

bool ReadGeometry(std::string_view type, Drawing& target, ReadContext& context, const Common& c)
{
    if (type == "LINE") {
        StoreLine(target, context, c.Attributes, c.Values.PointOf(10), c.Values.PointOf(11));
        return true;
    }
    if (type == "ARC") return ReadArc(target, context, c);
    if (type == "CIRCLE") return ReadCircle(target, context, c);
    if (type == "POINT") return ReadPoint(target, context, c);
    if (type == "SOLID" || type == "TRACE") return ReadSolid(target, context, c);
    if (type == "3DFACE") return ReadFace(target, context, c);
    if (type == "INSERT") return ReadInsert(target, context, c);
    if (type == "ELLIPSE") return CreateEllipse(target, c.Attributes, context.Pairs);
    if (type == "SPLINE") return CreateSpline(target, c.Attributes, context.Pairs);
    if (type == "LWPOLYLINE") return ReadLightweightPolyline(target, context, c);
    if (type == "TEXT" || type == "ATTRIB") return ReadText(target, context, c, type == "ATTRIB");
    if (type == "DIMENSION" || type == "ARC_DIMENSION") return ReadDimension(target, context, c, type != "DIMENSION");
    if (type == "HATCH") return ReadHatch(target, context, c);
    return ReadLeader(target, context, c);
}

bool ReadSimple(std::string_view type, Drawing& target, ReadContext& context)
{
    // MTEXT's embedded object repeats its groups with other meanings; it reads its own part.
    if (type == "MTEXT") return ReadMtext(target, context);
    const Common c = ReadCommon(context.Pairs, context);
    if (!c.Readable) return false;
    if (c.PaperSpace) {
        ++context.Counts.PaperSpace;
        return true;
    }
    const OwnRecord own = c.ExtendedData ? ReadOwnRecord(context.Pairs, context.Decoder) : OwnRecord{};
    if (own.What == OwnData::Part) return true;
    if (own.What == OwnData::Element) {
        CurrentAttributes attributes = c.Attributes;
        attributes.Color = own.Element.Color;
        attributes.Width = own.Element.Width;
        StoreElement(target, context, attributes, own.Element);
        return true;
    }
    return ReadGeometry(type, target, context, c);
}

}  // namespace

bool IsSupportedEntity(std::string_view type)
{
    static constexpr std::string_view kTypes[] = {
        "LINE",    "SOLID",  "TRACE",  "3DFACE",    "ARC",     "CIRCLE", "POINT",  "POLYLINE", "LWPOLYLINE",
        "TEXT",    "MTEXT",  "ATTRIB", "INSERT",    "DIMENSION", "ARC_DIMENSION", "ELLIPSE", "SPLINE", "HATCH",
        "LEADER"};
    return std::find(std::begin(kTypes), std::end(kTypes), type) != std::end(kTypes);
}

bool CollectPairs(DxfPairReader& reader, EntityPairs& pairs)
{
    pairs.clear();
    bool complete = true;
    while (reader.Next() && reader.Code() != 0) {
        if (pairs.size() < kMaxEntityPairs) pairs.push_back({reader.Code(), reader.Value()});
        else complete = false;
    }
    return complete;
}

EntityOutcome ReadEntity(std::string_view type, DxfPairReader& reader, Drawing& target, ReadContext& context)
{
    const bool supported = IsSupportedEntity(type);
    if (!CollectPairs(reader, context.Pairs)) return supported ? EntityOutcome::Abandoned : EntityOutcome::Unsupported;
    if (!supported) {
        // Whatever its type, a paper-space entity is left out as such.
        int space = 0;
        if (!ParseDxfInteger(StringOf(context.Pairs, 67), space) || space != 1) return EntityOutcome::Unsupported;
        ++context.Counts.PaperSpace;
        return EntityOutcome::Read;
    }
    bool read = true;
    if (type == "POLYLINE") {
        const Common c = ReadCommon(context.Pairs, context);
        if (c.PaperSpace) ++context.Counts.PaperSpace;
        read = ReadPolyline(reader, target, context, c);
    } else {
        read = ReadSimple(type, target, context);
    }
    return read ? EntityOutcome::Read : EntityOutcome::Abandoned;
}

}  // namespace vantro::dxf
