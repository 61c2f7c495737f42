#include "document/ElementStore.h"
#include "dxf/DxfEntityReaders.h"
#include "geometry/CurvePoints.h"

#include <cmath>

namespace vantro::dxf {
namespace {

// Beyond this a coordinate no longer holds the shown decimals: a placement reaching it is refused.
constexpr double kLargestCoordinate = 1e15;

const std::vector<size_t> kNoEntries;

bool HasEnds(int8_t kind) { return kind != kKindEllipse && kind != kKindCircle && kind != kKindPoint; }
bool HasCentre(int8_t kind) { return kind != kKindLine && kind != kKindFilledRect && !IsCurve(kind); }
bool HasLinePoint(int8_t kind)
{
    return (kind >= kKindDimX && kind <= kKindDimAligned) || kind == kKindDimRelativeCoordinate;
}
bool HasRadius(int8_t kind)
{
    return kind == kKindArc || kind == kKindCircle || kind == kKindCrossCircle || kind == kKindEllipse;
}

void Include(Extent& extent, double x, double y)
{
    if (extent.Empty) extent = {false, x, y, x, y};
    extent.MinX = std::min(extent.MinX, x);
    extent.MinY = std::min(extent.MinY, y);
    extent.MaxX = std::max(extent.MaxX, x);
    extent.MaxY = std::max(extent.MaxY, y);
}

void Include(Extent& extent, const TCadData& e)
{
    if (HasEnds(e.Kind)) {
        Include(extent, e.X1, e.Y1);
        Include(extent, e.X2, e.Y2);
    }
    if (!HasCentre(e.Kind)) return;
    const double reach = HasRadius(e.Kind) ? std::abs(e.R) * std::max(1.0, e.Kind == kKindEllipse ? e.Y1 : 1.0) : 0;
    Include(extent, e.Cx - reach, e.Cy - reach);
    Include(extent, e.Cx + reach, e.Cy + reach);
}

// The placed points of a free curve, written back into its point list.
void PlaceCurve(TCadData& e, const auto& place)
{
    auto points = ParseCurvePoints(e.Text);
    if (!points) return;
    for (Point& p : *points) place(p.X, p.Y);
    e.Text = FormatCurvePoints(*points);
}

// A mirrored ellipse piece: the other end of its parameter range, its inclination reflected.
void MirrorEllipse(TCadData& e)
{
    const double start = e.X1;
    e.X1 = -e.X2;
    e.X2 = -start;
    e.Angle = -e.Angle;
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
    const bool mirrored = placement.ScaleX * placement.ScaleY < 0;
    if (IsCurve(e.Kind)) PlaceCurve(e, place);
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
    // texts and ellipses turn with the block, radii and text heights grow with it, and a mirrored
    // arc runs the other way round.
    const bool uniform = std::abs(placement.ScaleX) == std::abs(placement.ScaleY);
    if (uniform && HasRadius(e.Kind)) e.R *= std::abs(placement.ScaleX);
    if (e.Kind == kKindText) e.R *= std::abs(placement.ScaleY);
    if (e.Kind == kKindEllipse && mirrored) MirrorEllipse(e);
    if (e.Kind == kKindText || e.Kind == kKindEllipse) e.Angle += radians;
    if (e.Kind == kKindLine) e.Angle = RadToDeg(DirectionAngle({e.X2, e.Y2}, {e.X1, e.Y1}));
    if (e.Kind == kKindArc && mirrored) {
        std::swap(e.X1, e.X2);
        std::swap(e.Y1, e.Y2);
    }
    if (e.Color == kByBlockColour) e.Color = placement.Colour;
    if (e.Layer == kByBlockLayer) e.Layer = placement.Layer;
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
    if (!extents_.empty()) extents_.erase(std::string(block));
    return true;
}

const std::vector<size_t>& BlockList::EntriesOf(std::string_view block) const
{
    const auto found = byName_.find(std::string(block));
    return found == byName_.end() ? kNoEntries : found->second;
}

const Extent& BlockList::ExtentOf(std::string_view block)
{
    const std::string name(block);
    if (const auto found = extents_.find(name); found != extents_.end()) return found->second;
    Extent extent;
    for (const size_t index : EntriesOf(block)) Include(extent, elements_[index]);
    return extents_.emplace(name, extent).first->second;
}

bool PlaceBlock(Drawing& target, ReadContext& context, std::string_view block, const Placement& placement,
                int32_t group)
{
    const std::vector<size_t>& entries = context.Blocks.EntriesOf(block);
    if (entries.empty()) return true;
    // The block's box, placed: when it overflows or shrinks to a point, so would every entry.
    const Extent& extent = context.Blocks.ExtentOf(block);
    TCadData box{};
    box.Kind = kKindLine;
    box.X1 = extent.MinX;
    box.Y1 = extent.MinY;
    box.X2 = extent.MaxX;
    box.Y2 = extent.MaxY;
    TCadData across = box;
    std::swap(across.Y1, across.Y2);
    const TCadData placedBox = PlacedElement(box, placement);
    const TCadData placedAcross = PlacedElement(across, placement);
    const bool overflows = !IsFiniteRecord(placedBox) || !IsFiniteRecord(placedAcross) ||
                           std::max({std::abs(placedBox.X1), std::abs(placedBox.Y1), std::abs(placedBox.X2),
                                     std::abs(placedBox.Y2), std::abs(placedAcross.X1), std::abs(placedAcross.Y1),
                                     std::abs(placedAcross.X2), std::abs(placedAcross.Y2)}) > kLargestCoordinate;
    const bool hadSize = extent.MaxX - extent.MinX >= Eps() || extent.MaxY - extent.MinY >= Eps();
    const bool collapses = hadSize && PointDistance({placedBox.X1, placedBox.Y1}, {placedBox.X2, placedBox.Y2}) < Eps() &&
                           PointDistance({placedAcross.X1, placedAcross.Y1}, {placedAcross.X2, placedAcross.Y2}) < Eps();
    if (overflows || collapses || !std::isfinite(placement.RotationDegrees)) {
        ++context.Counts.RefusedInserts;
        return false;
    }
    for (const size_t index : entries) {
        if (++context.Counts.Work > kMaxPlacedEntries) {
            context.Counts.WorkLimitReached = true;
            return false;
        }
        TCadData element = PlacedElement(context.Blocks.Element(index), placement);
        if (!IsFiniteRecord(element)) {
            ++context.Counts.Dropped;
            continue;
        }
        if (!Append(target, true)) return false;
        element.Id = target[target.Count].Id;
        element.Group = group;
        target[target.Count] = std::move(element);
    }
    return true;
}

}  // namespace vantro::dxf
