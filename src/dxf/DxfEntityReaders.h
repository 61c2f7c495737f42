// The entity readers behind ReadEntity, one file per family. Each works on the pairs collected in
// the context and returns false when a value could not be read (the entity is abandoned).
#pragma once

#include "dxf/DxfAttributes.h"

namespace vantro::dxf {

struct Vertex {
    Point At;
    double Bulge = 0;
};

// The segments of a polyline of the plane, lines or (for a bulge) arcs of included angle
// 4·atan(bulge), counter-clockwise for positive bulges, all in group. Closed: a segment from the
// last vertex back to the first, with the last vertex's bulge.
void CreatePolyline(Drawing& target, ReadContext& context, const CurrentAttributes& attributes,
                    const std::vector<Vertex>& vertices, bool closed, const PlaneMap& plane, double elevation,
                    int32_t group);

// POLYLINE with its VERTEX entities and SEQEND (the reader stands on the first of them).
bool ReadPolyline(DxfPairReader& reader, Drawing& target, ReadContext& context, const Common& c);
bool ReadLightweightPolyline(Drawing& target, ReadContext& context, const Common& c);
// TEXT and ATTRIB (attribute: the vertical alignment in group 74, invisible ones skipped).
bool ReadText(Drawing& target, ReadContext& context, const Common& c, bool attribute);
bool ReadMtext(Drawing& target, ReadContext& context);
// DIMENSION; ARC_DIMENSION (asParts), which no kind of this program draws, by its block's parts.
bool ReadDimension(Drawing& target, ReadContext& context, const Common& c, bool asParts);
// HATCH boundaries and LEADER lines, as lines and arcs in one group.
bool ReadHatch(Drawing& target, ReadContext& context, const Common& c);
bool ReadLeader(Drawing& target, ReadContext& context, const Common& c);

// Places every entry of a block: the entries of an INSERT, or a dimension's drawn parts. group:
// 0 for none. Refuses (false) a placement that would overflow or collapse the block.
bool PlaceBlock(Drawing& target, ReadContext& context, std::string_view block, const Placement& placement,
                int32_t group);

}  // namespace vantro::dxf
