#include "geometry/Divide.h"

#include "document/UndoHistory.h"
#include "geometry/ElementEdits.h"

#include <cmath>

namespace vantro {
namespace {

// The ends of the pieces in order: for a line or an arc the element's start and the division
// points up to its end, for a circle the base point round to the base point again. The last is
// the exact end, so that the pieces close up. Empty for kinds that are not divided.
std::vector<Point> PieceEnds(const TCadData& e, int parts, double baseDegrees)
{
    std::vector<Point> ends;
    if (e.Kind == kKindLine) {
        const Point d{(e.X2 - e.X1) / parts, (e.Y2 - e.Y1) / parts};
        for (int k = 0; k < parts; ++k) ends.push_back({e.X1 + k * d.X, e.Y1 + k * d.Y});
        ends.push_back(EndOf(e));
    } else if (e.Kind == kKindArc) {
        for (int k = 0; k < parts; ++k) ends.push_back(RotatePointDeg(StartOf(e), CentreOf(e), k * e.Angle / parts));
        ends.push_back(EndOf(e));
    } else if (e.Kind == kKindCircle) {
        const Point base = RotatePointDeg({e.Cx + e.R, e.Cy}, CentreOf(e), baseDegrees);
        for (int k = 0; k < parts; ++k) ends.push_back(RotatePointDeg(base, CentreOf(e), k * 360.0 / parts));
        ends.push_back(base);
    }
    return ends;
}

// The element itself keeps the first piece; a circle becomes an arc for it.
void MakeFirstPiece(TCadData& e, Point start, Point end)
{
    if (e.Kind == kKindCircle) MakeArc(e, start, end);
    else SetEnd(e, end);
}

}  // namespace

std::vector<Point> DivideElement(Drawing& drawing, int index, int parts, double baseDegrees)
{
    if (parts > kMaxParts) {
        Tell(drawing, kTooManyPartsMessage);
        return {};
    }
    if (parts < 2) return {};
    const std::vector<Point> ends = PieceEnds(drawing[index], parts, baseDegrees);
    if (ends.empty()) return {};
    const bool circle = drawing[index].Kind == kKindCircle;
    UndoStepGroup step(drawing);
    TCadData first = drawing[index];
    MakeFirstPiece(first, ends[0], ends[1]);
    if (!WriteRecorded(drawing, index, first)) return {};
    for (size_t k = 1; k + 1 < ends.size(); ++k)
        if (AppendPiece(drawing, first, ends[k], ends[k + 1]) == 0) break;
    // Markers: a circle's base point is a division point too, a line's or arc's start is not.
    return {ends.begin() + (circle ? 0 : 1), ends.end() - 1};
}

std::vector<Point> HalveElement(Drawing& drawing, int index, Point click)
{
    const TCadData& e = drawing[index];
    const double base = std::abs(click.X - e.Cx) >= std::abs(click.Y - e.Cy) ? 0 : 90;
    return DivideElement(drawing, index, 2, base);
}

}  // namespace vantro
