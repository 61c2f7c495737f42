#include "document/DuplicateSearch.h"

#include "document/Layers.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>

namespace vantro {
namespace {

bool Near(double ax, double ay, double bx, double by, double tolerance)
{
    return std::hypot(ax - bx, ay - by) < tolerance;
}

bool Below(double a, double b, double tolerance) { return std::abs(a - b) < tolerance; }

bool SameGeometry(const TCadData& i, const TCadData& j, double t)
{
    switch (i.Kind) {
    case kKindLine:
        return (Near(i.X1, i.Y1, j.X1, j.Y1, t) && Near(i.X2, i.Y2, j.X2, j.Y2, t)) ||
               (Near(i.X1, i.Y1, j.X2, j.Y2, t) && Near(i.X2, i.Y2, j.X1, j.Y1, t));
    case kKindEllipse:
    case kKindArc:
        return Below(i.X1, j.X1, t) && Below(i.X2, j.X2, t) && Below(i.Cx, j.Cx, t) && Below(i.Cy, j.Cy, t) &&
               Below(i.Y1, j.Y1, t) && Below(i.R, j.R, t) && Below(i.Angle, j.Angle, t);
    case kKindCircle:
    case kKindPoint:
    case kKindCrossCircle:
        return Below(i.Cx, j.Cx, t) && Below(i.Cy, j.Cy, t) && Below(i.R, j.R, t);
    default:
        return false;
    }
}

bool ScopeAdmits(const LayerTable& layers, DuplicateScope scope, const TCadData& i, const TCadData& j)
{
    if (scope == DuplicateScope::All) return true;
    if (i.Layer != j.Layer) return false;
    return scope == DuplicateScope::SameLayer || IsLayerVisible(layers, i.Layer);
}

// Cells twice the tolerance wide: two points closer than the tolerance then lie in the same or a
// neighbouring cell even after the rounding of the division.
struct CellKey {
    int64_t X;
    int64_t Y;
    bool operator==(const CellKey&) const = default;
};

struct CellHash {
    size_t operator()(const CellKey& key) const
    {
        return std::hash<int64_t>()(key.X * 73856093) ^ std::hash<int64_t>()(key.Y * 19349663);
    }
};

// Coordinates too large for a cell number cannot be searched by cell; they go through one list
// that every query also scans.
constexpr double kLargestCell = 4.0e18;

bool CellOf(double x, double y, double cellSize, CellKey& key)
{
    const double cx = std::floor(x / cellSize);
    const double cy = std::floor(y / cellSize);
    if (!(std::abs(cx) < kLargestCell && std::abs(cy) < kLargestCell)) return false;
    key = {static_cast<int64_t>(cx), static_cast<int64_t>(cy)};
    return true;
}

// The point each kind is filed under: a line by its start, the rest by their centre.
void KeyPoint(const TCadData& e, double& x, double& y)
{
    x = e.Kind == kKindLine ? e.X1 : e.Cx;
    y = e.Kind == kKindLine ? e.Y1 : e.Cy;
}

bool IsSearchedKind(int8_t kind)
{
    return kind == kKindLine || kind == kKindEllipse || kind == kKindArc || kind == kKindCircle ||
           kind == kKindPoint || kind == kKindCrossCircle;
}

class DuplicateGrid {
public:
    DuplicateGrid(const Drawing& drawing, double tolerance) : cellSize_(2 * tolerance)
    {
        for (int j = 1; j <= drawing.Count; ++j) {
            const TCadData& e = drawing[j];
            if (!IsSearchedKind(e.Kind)) continue;
            double x = 0;
            double y = 0;
            KeyPoint(e, x, y);
            CellKey key{};
            if (CellOf(x, y, cellSize_, key)) cells_[key].push_back(j);
            else if (!std::isnan(x) && !std::isnan(y)) unfiled_.push_back(j);
        }
    }

    // Calls visit(list) for every index list that may hold an element filed near (x, y).
    template <typename Visit>
    void ForListsNear(double x, double y, Visit visit) const
    {
        visit(unfiled_);
        CellKey centre{};
        if (!CellOf(x, y, cellSize_, centre)) return;
        for (int64_t dx = -1; dx <= 1; ++dx)
            for (int64_t dy = -1; dy <= 1; ++dy) {
                const auto found = cells_.find({centre.X + dx, centre.Y + dy});
                if (found != cells_.end()) visit(found->second);
            }
    }

private:
    double cellSize_;
    std::unordered_map<CellKey, std::vector<int>, CellHash> cells_;
    std::vector<int> unfiled_;
};

}  // namespace

bool IsDuplicatePair(const LayerTable& layers, DuplicateScope scope, const TCadData& i, const TCadData& j,
                     double tolerance)
{
    return i.Kind == j.Kind && ScopeAdmits(layers, scope, i, j) && SameGeometry(i, j, tolerance);
}

std::vector<int> FindFirstDuplicates(const Drawing& drawing, DuplicateScope scope, double tolerance)
{
    std::vector<int> first(static_cast<size_t>(drawing.Count) + 1, 0);
    const DuplicateGrid grid(drawing, tolerance);
    for (int i = 1; i <= drawing.Count; ++i) {
        const TCadData& e = drawing[i];
        if (!IsSearchedKind(e.Kind)) continue;
        int best = 0;
        // Lists are in index order: scan each from the first index above i and stop at the first
        // duplicate or once past the best found so far.
        auto scan = [&](const std::vector<int>& list) {
            for (auto it = std::upper_bound(list.begin(), list.end(), i); it != list.end(); ++it) {
                if (best != 0 && *it >= best) return;
                if (IsDuplicatePair(drawing.Layers, scope, e, drawing[*it], tolerance)) {
                    best = *it;
                    return;
                }
            }
        };
        grid.ForListsNear(e.Kind == kKindLine ? e.X1 : e.Cx, e.Kind == kKindLine ? e.Y1 : e.Cy, scan);
        // A line reversed in j has its start near i's end.
        if (e.Kind == kKindLine) grid.ForListsNear(e.X2, e.Y2, scan);
        first[static_cast<size_t>(i)] = best;
    }
    return first;
}

}  // namespace vantro
