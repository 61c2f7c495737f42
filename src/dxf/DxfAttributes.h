// The groups every entity reader needs: the numbers of groups 10..79, and the layer, colour, line
// type, extrusion and space an entity is drawn in.
#pragma once

#include "dxf/DxfOcs.h"
#include "dxf/DxfReading.h"

#include <bitset>
#include <span>

namespace vantro::dxf {

// The last value of each numeric group 10..79 of an entity.
class Numbers {
public:
    // False when a numeric group holds something that is not a number.
    bool Take(const RawPair& pair);
    bool Has(int code) const { return has_.test(static_cast<size_t>(code)); }
    double Get(int code, double fallback = 0) const { return Has(code) ? values_[static_cast<size_t>(code)] : fallback; }
    Point PointOf(int xCode) const { return {Get(xCode), Get(xCode + 10)}; }
    // Flags and types; values beyond the integers read as 0.
    int Integer(int code, int fallback = 0) const;

private:
    std::array<double, 80> values_{};
    std::bitset<80> has_;
};

struct Common {
    CurrentAttributes Attributes;
    Numbers Values;
    PlaneMap Plane;  // groups 210, 220, 230
    bool PaperSpace = false;    // group 67 = 1
    bool Readable = true;       // every numeric group held a number
    bool ExtendedData = false;  // groups from 1000 on follow
};

Common ReadCommon(std::span<const RawPair> pairs, const ReadContext& context);

// A colour number (group 62, negative for a layer that is off): 256 (by layer) gives layerColour,
// 0 (by block) what places the block, 7 the foreground; white everywhere is the foreground.
uint32_t ColourOfValue(const ReadContext& context, std::string_view value, uint32_t layerColour);
// A true colour (group 420), white being the foreground too.
uint32_t ColourOfTrueValue(const ReadContext& context, int32_t rgb);

// The last value of a string group, or nothing.
std::string_view StringOf(std::span<const RawPair> pairs, int code);

// Appends a record through the store's creation operation and puts it into group (0: none). A
// record whose numbers are not finite is counted as dropped.
bool StoreElement(Drawing& target, ReadContext& context, const CurrentAttributes& attributes, TCadData element,
                  int32_t group = 0);
// A line (nothing when shorter than the tolerance) in group.
void StoreLine(Drawing& target, ReadContext& context, const CurrentAttributes& attributes, Point from, Point to,
               int32_t group = 0);
// An arc of an entity's plane, or the lines standing for it, in group.
void StoreArc(Drawing& target, ReadContext& context, const CurrentAttributes& attributes, const MappedArc& arc,
              int32_t group = 0);
// Lines joining the points, in group.
void StorePolyline(Drawing& target, ReadContext& context, const CurrentAttributes& attributes,
                   const std::vector<Point>& points, int32_t group = 0);

}  // namespace vantro::dxf
