#include "document/Groups.h"
#include "document/ElementStore.h"
#include "dxf/DxfCurves.h"
#include "dxf/DxfReading.h"
#include "dxf/DxfValues.h"
#include "geometry/Constructors.h"
#include "geometry/Dimensions.h"
#include "geometry/TextElements.h"

#include <bitset>
#include <cmath>

namespace vantro::dxf {
namespace {

// The last value of each numeric group 10..79 of an entity.
class Numbers {
public:
    // False when a numeric group holds something that is not a number.
    bool Take(const RawPair& pair)
    {
        if (pair.Code < 10 || pair.Code > 79 || (pair.Code >= 60 && pair.Code < 70)) return true;
        double value = 0;
        if (!ParseDxfNumber(pair.Value, value)) return false;
        values_[static_cast<size_t>(pair.Code)] = value;
        has_.set(static_cast<size_t>(pair.Code));
        return true;
    }
    bool Has(int code) const { return has_.test(static_cast<size_t>(code)); }
    double Get(int code, double fallback = 0) const { return Has(code) ? values_[static_cast<size_t>(code)] : fallback; }
    Point PointOf(int xCode) const { return {Get(xCode), Get(xCode + 10)}; }
    // Flags and types; values beyond the integers read as 0.
    int Integer(int code, int fallback = 0) const
    {
        const double value = Get(code, fallback);
        return std::abs(value) < 2e9 ? static_cast<int>(value) : 0;
    }

private:
    std::array<double, 80> values_{};
    std::bitset<80> has_;
};

int LayerNumber(const ReadContext& context, std::string_view name)
{
    const auto found = context.LayerByName.find(std::string(name));
    return found == context.LayerByName.end() ? 1 : found->second;
}

CurrentAttributes LayerAttributes(const ReadContext& context, int layer)
{
    CurrentAttributes attributes;
    attributes.Layer = static_cast<uint8_t>(layer);
    attributes.Color = context.Layers[static_cast<size_t>(layer)].Colour;
    attributes.LineStyle = context.Layers[static_cast<size_t>(layer)].Style;
    attributes.Width = 1;
    return attributes;
}

uint32_t ColourOfValue(const ReadContext& context, std::string_view value)
{
    int number = 0;
    return ParseDxfInteger(value, number) ? ColourOfNumber(number) : InvertRgb(context.BackgroundColour);
}

// Layer, colour and line type of an entity; withOverrides false keeps the layer's colour and style.
struct Common {
    CurrentAttributes Attributes;
    Numbers Values;
    bool Readable = true;
};

Common ReadCommon(const EntityPairs& pairs, const ReadContext& context, bool withOverrides = true)
{
    Common common{LayerAttributes(context, 1), {}, true};
    for (const RawPair& pair : pairs) {
        if (pair.Code == 8) common.Attributes = LayerAttributes(context, LayerNumber(context, pair.Value));
        else if (pair.Code == 62 && withOverrides) common.Attributes.Color = ColourOfValue(context, pair.Value);
        else if (pair.Code == 6 && withOverrides) common.Attributes.LineStyle = LineStyleOfName(pair.Value);
        else if (!common.Values.Take(pair)) common.Readable = false;
    }
    return common;
}

Point OnCircle(Point centre, double radius, double degrees)
{
    const double radians = DegToRad(degrees);
    return {centre.X + radius * std::cos(radians), centre.Y + radius * std::sin(radians)};
}

bool ReadArc(Drawing& target, const Common& c)
{
    const Point centre = c.Values.PointOf(10);
    const double radius = c.Values.Get(40);
    if (!(radius >= Eps())) return true;
    const Point start = OnCircle(centre, radius, c.Values.Get(50));
    const Point end = OnCircle(centre, radius, c.Values.Get(51));
    AppendArc(target, c.Attributes, true, true, start, end, centre, radius);
    return true;
}

bool ReadCircle(Drawing& target, const Common& c)
{
    const double radius = c.Values.Get(40);
    if (radius >= Eps() && radius <= kMaxCircleRadius) AppendCircle(target, c.Attributes, true, c.Values.PointOf(10), radius);
    return true;
}

bool ReadText(Drawing& target, ReadContext& context, const EntityPairs& pairs, bool multiline)
{
    const Common c = ReadCommon(pairs, context);
    if (!c.Readable) return false;
    std::string raw;
    std::string_view last;
    for (const RawPair& pair : pairs) {
        // Long MTEXT values come in 250-character pieces of group 3 before the final group 1.
        if (pair.Code == 3 && multiline) raw.append(pair.Value);
        else if (pair.Code == 1) last = pair.Value;
    }
    raw.append(last);
    const double height = std::trunc(c.Values.Get(40, 1));
    const double rotation = c.Values.Get(50);
    if (!AppendTextElement(target, c.Attributes, height < 1 ? kMinTextHeight : height, context.Decoder.Text(raw),
                           c.Values.PointOf(10)))
        return true;
    if (rotation != 0) target[target.Count].Angle = DegToRad(rotation);
    return true;
}

// The dimension constructors with the window's current options; true when one was made.
bool CreateDimension(Drawing& target, const ReadContext& context, const CurrentAttributes& attributes, int type,
                     double rotation, Point first, Point second, Point text)
{
    const DimensionOptions& options = context.Dimensions;
    switch (type) {
    case 32:
    case 160:
        if (rotation == 0) return AppendLinearDimension(target, attributes, options, kKindDimX, first, second, text);
        if (rotation == 90) return AppendLinearDimension(target, attributes, options, kKindDimY, first, second, text);
        return false;
    case 33: return AppendAlignedDimension(target, attributes, options, first, second, text);
    case 35:
    case 163: {
        const Point centre = MidPoint(first, second);
        return AppendRadiusDimension(target, attributes, options, kKindDimDiameter, centre,
                                     PointDistance(second, centre), text);
    }
    case 36:
    case 164:
        return AppendRadiusDimension(target, attributes, options, kKindDimRadius, first, PointDistance(first, second),
                                     text);
    default: return false;
    }
}

bool ReadDimension(Drawing& target, ReadContext& context, const EntityPairs& pairs)
{
    const Common c = ReadCommon(pairs, context);
    if (!c.Readable) return false;
    std::string_view block;
    for (const RawPair& pair : pairs)
        if (pair.Code == 2) block = pair.Value;
    const Numbers& v = c.Values;
    const Point first = v.Has(13) ? v.PointOf(13) : v.PointOf(10);
    const Point second = v.Has(15) ? v.PointOf(15) : v.PointOf(14);
    const double rotation = std::nearbyint(v.Get(50));
    if (!CreateDimension(target, context, c.Attributes, v.Integer(70, 32), rotation, first, second,
                         v.PointOf(11)))
        return true;
    TCadData& created = target[target.Count];
    created.Layer = c.Attributes.Layer;
    if (const TCadData* text = context.Blocks.FirstText(block)) created.Text.append("=").append(text->Text);
    return true;
}

// A polyline segment: a line, or for a bulge the arc of included angle 4·atan(bulge), counter-
// clockwise for positive bulges. It joins group.
void CreateSegment(Drawing& target, const CurrentAttributes& attributes, int32_t group, Point from, Point to,
                   double bulge)
{
    const int before = target.Count;
    if (bulge == 0) {
        AppendLine(target, attributes, true, true, from, to);
    } else {
        const double chord = PointDistance(from, to);
        const double radius = chord * (1 + bulge * bulge) / (4 * std::abs(bulge));
        const double offset = (1 - bulge * bulge) / (4 * bulge);
        const Point middle = MidPoint(from, to);
        const Point centre{middle.X - (to.Y - from.Y) * offset, middle.Y + (to.X - from.X) * offset};
        if (radius >= Eps() && std::isfinite(radius)) {
            if (bulge > 0) AppendArc(target, attributes, true, true, from, to, centre, radius);
            else AppendArc(target, attributes, true, true, to, from, centre, radius);
        }
    }
    if (target.Count > before) target[target.Count].Group = group;
}

struct Vertex {
    Point At;
    double Bulge = 0;
};

void CreatePolyline(Drawing& target, const CurrentAttributes& attributes, const std::vector<Vertex>& vertices,
                    bool closed)
{
    const int32_t group = NewGroupNumber(target);
    for (size_t i = 1; i < vertices.size() && !target.AppendFailed; ++i)
        CreateSegment(target, attributes, group, vertices[i - 1].At, vertices[i].At, vertices[i - 1].Bulge);
    // The closing segment keeps the last vertex's bulge, so a closed outline of arcs stays round.
    if (closed && vertices.size() > 1 && !target.AppendFailed)
        CreateSegment(target, attributes, group, vertices.back().At, vertices.front().At, vertices.back().Bulge);
}

bool ReadLightweightPolyline(Drawing& target, ReadContext& context, const EntityPairs& pairs)
{
    const Common c = ReadCommon(pairs, context, false);
    std::vector<Vertex> vertices;
    int flags = 0;
    for (const RawPair& pair : pairs) {
        double value = 0;
        if (pair.Code == 70 && !ParseDxfInteger(pair.Value, flags)) return false;
        if (pair.Code != 10 && pair.Code != 20 && pair.Code != 42) continue;
        if (!ParseDxfNumber(pair.Value, value)) return false;
        if (pair.Code == 10) vertices.push_back({{value, 0}, 0});
        else if (vertices.empty()) continue;
        else if (pair.Code == 20) vertices.back().At.Y = value;
        else vertices.back().Bulge = value;
    }
    CreatePolyline(target, c.Attributes, vertices, (flags & 1) != 0);
    return true;
}

// POLYLINE, its VERTEX entities and SEQEND. A polyline cut short by any other entity ends there.
bool ReadPolyline(DxfPairReader& reader, Drawing& target, ReadContext& context)
{
    const Common c = ReadCommon(context.Pairs, context);
    if (!c.Readable) return false;
    const bool closed = (c.Values.Integer(70) & 1) != 0;
    std::vector<Vertex> vertices;
    while (reader.Is(0, "VERTEX")) {
        if (!CollectPairs(reader, context.Pairs)) continue;
        Numbers v;
        bool readable = true;
        for (const RawPair& pair : context.Pairs) readable = v.Take(pair) && readable;
        if (!readable) continue;
        const int flags = v.Integer(70);
        // Face records of polyface meshes and the frame points of splined polylines are no vertices.
        const bool faceRecord = (flags & 128) != 0 && (flags & 64) == 0;
        if (faceRecord || (flags & 16) != 0) continue;
        vertices.push_back({v.PointOf(10), v.Get(42)});
    }
    if (reader.Is(0, "SEQEND")) CollectPairs(reader, context.Pairs);
    CreatePolyline(target, c.Attributes, vertices, closed);
    return true;
}

bool ReadInsert(Drawing& target, const ReadContext& context, const Common& c, const EntityPairs& pairs)
{
    std::string_view block;
    for (const RawPair& pair : pairs)
        if (pair.Code == 2) block = pair.Value;
    const Placement placement{c.Values.PointOf(10), c.Values.Get(41, 1), c.Values.Get(42, 1), c.Values.Get(50)};
    for (const size_t index : context.Blocks.EntriesOf(block)) {
        TCadData element = PlacedElement(context.Blocks.Element(index), placement);
        if (!IsFiniteRecord(element)) continue;
        if (!Append(target, true)) return true;
        element.Id = target[target.Count].Id;
        target[target.Count] = std::move(element);
    }
    return true;
}

bool ReadSimple(std::string_view type, Drawing& target, ReadContext& context)
{
    const EntityPairs& pairs = context.Pairs;
    if (type == "TEXT" || type == "MTEXT") return ReadText(target, context, pairs, type == "MTEXT");
    if (type == "DIMENSION") return ReadDimension(target, context, pairs);
    if (type == "LWPOLYLINE") return ReadLightweightPolyline(target, context, pairs);
    const Common c = ReadCommon(pairs, context);
    if (!c.Readable) return false;
    if (type == "LINE" || type == "SOLID") {
        AppendLine(target, c.Attributes, true, true, c.Values.PointOf(10), c.Values.PointOf(11));
        return true;
    }
    if (type == "ARC") return ReadArc(target, c);
    if (type == "CIRCLE") return ReadCircle(target, c);
    if (type == "POINT") {
        AppendPoint(target, c.Attributes, c.Values.PointOf(10));
        return true;
    }
    if (type == "INSERT") return ReadInsert(target, context, c, pairs);
    if (type == "ELLIPSE") return CreateEllipse(target, c.Attributes, pairs);
    return CreateSpline(target, c.Attributes, pairs);
}

bool IsSupported(std::string_view type)
{
    static constexpr std::string_view kTypes[] = {"LINE",   "SOLID", "ARC",    "CIRCLE", "POINT",   "POLYLINE",
                                                  "LWPOLYLINE", "TEXT", "MTEXT", "INSERT", "DIMENSION", "ELLIPSE",
                                                  "SPLINE"};
    for (const std::string_view known : kTypes)
        if (known == type) return true;
    return false;
}

}  // namespace

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
    if (!IsSupported(type)) return EntityOutcome::Unsupported;
    if (!CollectPairs(reader, context.Pairs)) return EntityOutcome::Abandoned;
    const bool read = type == "POLYLINE" ? ReadPolyline(reader, target, context) : ReadSimple(type, target, context);
    return read ? EntityOutcome::Read : EntityOutcome::Abandoned;
}

}  // namespace vantro::dxf
