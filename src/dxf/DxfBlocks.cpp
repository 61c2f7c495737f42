#include "dxf/DxfReading.h"

#include <cmath>

namespace vantro::dxf {
namespace {

const std::vector<size_t> kNoEntries;

bool HasEnds(int8_t kind) { return kind != kKindEllipse && kind != kKindCircle && kind != kKindPoint; }
bool HasCentre(int8_t kind) { return kind != kKindLine; }
bool HasLinePoint(int8_t kind)
{
    return (kind >= kKindDimX && kind <= kKindDimAligned) || kind == kKindDimRelativeCoordinate;
}

}  // namespace

TCadData PlacedElement(const TCadData& element, const Placement& placement)
{
    const double radians = DegToRad(placement.RotationDegrees);
    const auto place = [&](double& x, double& y) {
        Point p{x * placement.ScaleX + placement.At.X, y * placement.ScaleY + placement.At.Y};
        if (placement.RotationDegrees != 0) p = RotatePointRad(p, placement.At, radians);
        x = p.X;
        y = p.Y;
    };
    TCadData e = element;
    if (HasEnds(e.Kind)) {
        place(e.X1, e.Y1);
        place(e.X2, e.Y2);
    }
    if (HasLinePoint(e.Kind)) {
        e.R += placement.At.X;
        e.Angle += placement.At.Y;
    } else if (HasCentre(e.Kind)) {
        place(e.Cx, e.Cy);
    }
    // Turned and uniformly scaled pieces keep their shape: a line's inclination follows its ends,
    // texts and ellipses turn with the block, radii grow with it, and a mirrored arc runs the
    // other way round.
    const bool uniform = std::abs(placement.ScaleX) == std::abs(placement.ScaleY);
    if (uniform && (e.Kind == kKindArc || e.Kind == kKindCircle || e.Kind == kKindEllipse))
        e.R *= std::abs(placement.ScaleX);
    if (e.Kind == kKindText || e.Kind == kKindEllipse) e.Angle += radians;
    if (e.Kind == kKindLine) e.Angle = RadToDeg(DirectionAngle({e.X2, e.Y2}, {e.X1, e.Y1}));
    if (e.Kind == kKindArc && placement.ScaleX * placement.ScaleY < 0) {
        std::swap(e.X1, e.X2);
        std::swap(e.Y1, e.Y2);
    }
    e.Group = 0;
    e.Selected = 0;
    return e;
}

bool BlockList::Add(std::string_view block, const TCadData& element)
{
    if (elements_.size() >= kMaxEntries) return false;
    auto found = byName_.find(std::string(block));
    if (found == byName_.end()) found = byName_.emplace(std::string(block), std::vector<size_t>{}).first;
    found->second.push_back(elements_.size());
    elements_.push_back(element);
    return true;
}

const std::vector<size_t>& BlockList::EntriesOf(std::string_view block) const
{
    const auto found = byName_.find(std::string(block));
    return found == byName_.end() ? kNoEntries : found->second;
}

const TCadData* BlockList::FirstText(std::string_view block) const
{
    for (const size_t index : EntriesOf(block))
        if (elements_[index].Kind == kKindText) return &elements_[index];
    return nullptr;
}

}  // namespace vantro::dxf
