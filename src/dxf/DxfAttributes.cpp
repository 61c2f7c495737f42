#include "dxf/DxfAttributes.h"

#include "dxf/DxfValues.h"
#include "geometry/Constructors.h"

#include <cmath>

namespace vantro::dxf {
namespace {

constexpr int kByBlockNumber = 0;
constexpr int kByLayerNumber = 256;
constexpr int kForegroundNumber = 7;
constexpr uint32_t kWhite = 0xFFFFFF;

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

// White is drawn in the foreground colour, as the file's own program shows it on its sheet.
uint32_t Visible(const ReadContext& context, uint32_t colour) { return colour == kWhite ? context.Foreground : colour; }

}  // namespace

uint32_t ColourOfValue(const ReadContext& context, std::string_view value, uint32_t layerColour)
{
    int number = 0;
    if (!ParseDxfInteger(value, number)) return InvertRgb(context.BackgroundColour);
    number = std::abs(number);
    if (number == kByLayerNumber) return layerColour;
    if (number == kByBlockNumber) return context.InBlock ? kByBlockColour : context.Foreground;
    if (number == kForegroundNumber) return context.Foreground;
    return Visible(context, ColourOfNumber(number));
}

uint32_t ColourOfTrueValue(const ReadContext& context, int32_t rgb) { return Visible(context, ColourOfTrueColour(rgb)); }

bool Numbers::Take(const RawPair& pair)
{
    if (pair.Code < 10 || pair.Code > 79 || (pair.Code >= 60 && pair.Code < 70)) return true;
    double value = 0;
    if (!ParseDxfNumber(pair.Value, value)) return false;
    values_[static_cast<size_t>(pair.Code)] = value;
    has_.set(static_cast<size_t>(pair.Code));
    return true;
}

int Numbers::Integer(int code, int fallback) const
{
    const double value = Get(code, fallback);
    return std::abs(value) < 2e9 ? static_cast<int>(value) : 0;
}

Common ReadCommon(std::span<const RawPair> pairs, const ReadContext& context)
{
    Common common{LayerAttributes(context, 1), {}, {}, false, true, false};
    Vector3 extrusion;
    bool layerZero = false;
    bool colourGiven = false;
    for (const RawPair& pair : pairs) {
        double number = 0;
        int integer = 0;
        switch (pair.Code) {
        case 8:
            common.Attributes = LayerAttributes(context, LayerNumber(context, pair.Value));
            layerZero = pair.Value == "0";
            break;
        case 62:
            common.Attributes.Color = ColourOfValue(context, pair.Value, common.Attributes.Color);
            colourGiven = ParseDxfInteger(pair.Value, integer) && std::abs(integer) != kByLayerNumber;
            break;
        case 420:
            if (ParseDxfInteger(pair.Value, integer)) {
                common.Attributes.Color = ColourOfTrueValue(context, integer);
                colourGiven = true;
            }
            break;
        case 6:
            if (pair.Value != "BYLAYER" && pair.Value != "ByLayer" && pair.Value != "BYBLOCK" &&
                pair.Value != "ByBlock")
                common.Attributes.LineStyle = LineStyleOfName(pair.Value);
            break;
        case 67: common.PaperSpace = ParseDxfInteger(pair.Value, integer) && integer == 1; break;
        case 210:
        case 220:
        case 230:
            if (!ParseDxfNumber(pair.Value, number)) common.Readable = false;
            (pair.Code == 210 ? extrusion.X : pair.Code == 220 ? extrusion.Y : extrusion.Z) = number;
            break;
        default:
            if (!common.Values.Take(pair)) common.Readable = false;
            common.ExtendedData = common.ExtendedData || pair.Code >= 1000;
        }
    }
    // Inside a block, layer 0 and its colour are those of whatever places the block.
    if (context.InBlock && layerZero) {
        common.Attributes.Layer = kByBlockLayer;
        if (!colourGiven) common.Attributes.Color = kByBlockColour;
    }
    common.Plane = PlaneMap(extrusion);
    return common;
}

std::string_view StringOf(std::span<const RawPair> pairs, int code)
{
    std::string_view value;
    for (const RawPair& pair : pairs)
        if (pair.Code == code) value = pair.Value;
    return value;
}

bool StoreElement(Drawing& target, ReadContext& context, const CurrentAttributes& attributes, TCadData element,
                  int32_t group)
{
    if (!IsFiniteRecord(element)) {
        ++context.Counts.Dropped;
        return false;
    }
    if (!AppendRecord(target, attributes, std::move(element), true, true, false)) return false;
    target[target.Count].Group = group;
    return true;
}

void StoreLine(Drawing& target, ReadContext& context, const CurrentAttributes& attributes, Point from, Point to,
               int32_t group)
{
    if (!std::isfinite(from.X) || !std::isfinite(from.Y) || !std::isfinite(to.X) || !std::isfinite(to.Y)) {
        ++context.Counts.Dropped;
        return;
    }
    if (AppendLine(target, attributes, true, true, from, to)) target[target.Count].Group = group;
}

void StoreArc(Drawing& target, ReadContext& context, const CurrentAttributes& attributes, const MappedArc& arc,
              int32_t group)
{
    if (!arc.Round) {
        StorePolyline(target, context, attributes, arc.Polyline, group);
        return;
    }
    if (!(arc.Radius >= Eps())) return;
    if (!std::isfinite(arc.Radius) || !std::isfinite(arc.Centre.X) || !std::isfinite(arc.Centre.Y)) {
        ++context.Counts.Dropped;
        return;
    }
    if (AppendArc(target, attributes, true, true, arc.Start, arc.End, arc.Centre, arc.Radius))
        target[target.Count].Group = group;
}

void StorePolyline(Drawing& target, ReadContext& context, const CurrentAttributes& attributes,
                   const std::vector<Point>& points, int32_t group)
{
    for (size_t i = 1; i < points.size() && !target.AppendFailed; ++i)
        StoreLine(target, context, attributes, points[i - 1], points[i], group);
}

}  // namespace vantro::dxf
