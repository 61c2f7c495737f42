#include "document/Groups.h"
#include "dxf/DxfEntityReaders.h"
#include "dxf/DxfValues.h"

#include <cmath>

namespace vantro::dxf {
namespace {

constexpr int kClosedFlag = 1;
constexpr int kSplineFrameFlag = 16;   // vertex: a frame point of a splined polyline
constexpr int kThreeDimensionalFlag = 8;  // polyline: vertices in world coordinates
constexpr int kMeshVertexFlag = 64;
constexpr int kFaceRecordFlag = 128;

void CreateSegment(Drawing& target, ReadContext& context, const CurrentAttributes& attributes, const Vertex& from,
                   Point to, const PlaneMap& plane, double elevation, int32_t group)
{
    const double bulge = from.Bulge;
    if (bulge == 0) {
        StoreLine(target, context, attributes, plane.Apply(from.At, elevation), plane.Apply(to, elevation), group);
        return;
    }
    const double chord = PointDistance(from.At, to);
    const double radius = chord * (1 + bulge * bulge) / (4 * std::abs(bulge));
    const double offset = (1 - bulge * bulge) / (4 * bulge);
    const Point middle = MidPoint(from.At, to);
    const Point centre{middle.X - (to.Y - from.At.Y) * offset, middle.Y + (to.X - from.At.X) * offset};
    if (!(radius >= Eps()) || !std::isfinite(radius)) return;
    // Counter-clockwise from the start for positive bulges, from the end for negative ones.
    const Point start = bulge > 0 ? from.At : to;
    const Point end = bulge > 0 ? to : from.At;
    if (plane.IsPlain()) {
        StoreArc(target, context, attributes, {true, centre, radius, start, end, {}}, group);
        return;
    }
    const double startDegrees = RadToDeg(DirectionAngle(start, centre));
    const double sweepDegrees = RadToDeg(4 * std::atan(std::abs(bulge)));
    StoreArc(target, context, attributes, MapArc(plane, centre, radius, startDegrees, sweepDegrees, elevation), group);
}

}  // namespace

void CreatePolyline(Drawing& target, ReadContext& context, const CurrentAttributes& attributes,
                    const std::vector<Vertex>& vertices, bool closed, const PlaneMap& plane, double elevation,
                    int32_t group)
{
    for (size_t i = 1; i < vertices.size() && !target.AppendFailed; ++i)
        CreateSegment(target, context, attributes, vertices[i - 1], vertices[i].At, plane, elevation, group);
    // The closing segment keeps the last vertex's bulge, so a closed outline of arcs stays round.
    if (closed && vertices.size() > 1 && !target.AppendFailed)
        CreateSegment(target, context, attributes, vertices.back(), vertices.front().At, plane, elevation, group);
}

bool ReadLightweightPolyline(Drawing& target, ReadContext& context, const Common& c)
{
    std::vector<Vertex> vertices;
    int flags = 0;
    for (const RawPair& pair : context.Pairs) {
        double value = 0;
        if (pair.Code == 70 && !ParseDxfInteger(pair.Value, flags)) return false;
        if (pair.Code != 10 && pair.Code != 20 && pair.Code != 42) continue;
        if (!ParseDxfNumber(pair.Value, value)) return false;
        if (pair.Code == 10) vertices.push_back({{value, 0}, 0});
        else if (vertices.empty()) continue;
        else if (pair.Code == 20) vertices.back().At.Y = value;
        else vertices.back().Bulge = value;
    }
    CreatePolyline(target, context, c.Attributes, vertices, (flags & kClosedFlag) != 0, c.Plane, c.Values.Get(38),
                   NewGroupNumber(target));
    return true;
}

bool ReadPolyline(DxfPairReader& reader, Drawing& target, ReadContext& context, const Common& c)
{
    const int flags = c.Values.Integer(70);
    const bool world = (flags & (kThreeDimensionalFlag | kMeshVertexFlag)) != 0;
    std::vector<Vertex> vertices;
    while (reader.Is(0, "VERTEX")) {
        if (!CollectPairs(reader, context.Pairs)) continue;
        Numbers v;
        bool readable = true;
        for (const RawPair& pair : context.Pairs) readable = v.Take(pair) && readable;
        if (!readable) continue;
        const int vertexFlags = v.Integer(70);
        // Face records of polyface meshes and the frame points of splined polylines are no vertices.
        const bool faceRecord = (vertexFlags & kFaceRecordFlag) != 0 && (vertexFlags & kMeshVertexFlag) == 0;
        if (faceRecord || (vertexFlags & kSplineFrameFlag) != 0) continue;
        vertices.push_back({v.PointOf(10), v.Get(42)});
    }
    if (reader.Is(0, "SEQEND")) CollectPairs(reader, context.Pairs);
    if (c.PaperSpace) return true;
    if (!c.Readable) return false;
    CreatePolyline(target, context, c.Attributes, vertices, (flags & kClosedFlag) != 0,
                   world ? PlaneMap() : c.Plane, c.Values.Get(30), NewGroupNumber(target));
    return true;
}

}  // namespace vantro::dxf
