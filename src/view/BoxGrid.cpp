#include "view/BoxGrid.h"

#include <algorithm>
#include <cmath>

namespace vantro {
namespace {

constexpr int kMaxCellsPerAxis = 2048;
// A box over more cells than this is cheaper to test on every query than to register.
constexpr int64_t kMaxCellsPerBox = 256;

bool IsGridded(const PickBox& box) { return !box.Empty && box.Finite; }

double Extent(const PickBox& box) { return std::max(box.MaxX - box.MinX, box.MaxY - box.MinY); }

// Cells along a span of the given number of cell widths (which may overflow to infinity).
int CellCount(double span)
{
    const double cells = std::ceil(span);
    if (cells >= kMaxCellsPerAxis) return kMaxCellsPerAxis;
    return cells > 1 ? static_cast<int>(cells) : 1;
}

}  // namespace

void BoxGrid::Build(std::vector<PickBox> boxes)
{
    boxes_ = std::move(boxes);
    everywhere_.clear();
    items_.clear();
    cellStart_.clear();
    columns_ = rows_ = 0;
    ChooseCells();
    Register();
}

// About one cell per box, and never smaller than the typical box, so most boxes touch a few cells.
void BoxGrid::ChooseCells()
{
    std::vector<double> extents;
    bool first = true;
    for (const PickBox& box : boxes_) {
        if (!IsGridded(box)) continue;
        extents.push_back(Extent(box));
        minX_ = first ? box.MinX : std::min(minX_, box.MinX);
        minY_ = first ? box.MinY : std::min(minY_, box.MinY);
        maxX_ = first ? box.MaxX : std::max(maxX_, box.MaxX);
        maxY_ = first ? box.MaxY : std::max(maxY_, box.MaxY);
        first = false;
    }
    if (extents.empty()) return;
    const double width = maxX_ - minX_;
    const double height = maxY_ - minY_;
    auto median = extents.begin() + static_cast<std::ptrdiff_t>(extents.size() / 2);
    std::nth_element(extents.begin(), median, extents.end());
    cell_ = std::max({std::sqrt(width * height / static_cast<double>(extents.size())), *median,
                      width / kMaxCellsPerAxis, height / kMaxCellsPerAxis});
    if (!(cell_ > 0 && std::isfinite(cell_))) cell_ = 1;
    columns_ = CellCount(width / cell_);
    rows_ = CellCount(height / cell_);
}

// Counting sort of the (cell, item) pairs into one array, cell by cell.
void BoxGrid::Register()
{
    const size_t cellCount = static_cast<size_t>(columns_) * static_cast<size_t>(rows_);
    cellStart_.assign(cellCount + 1, 0);
    std::vector<int> gridded;
    for (size_t i = 0; i < boxes_.size(); ++i) {
        const PickBox& box = boxes_[i];
        if (box.Empty) continue;
        const auto item = static_cast<int>(i);
        if (!IsGridded(box) || cellCount == 0) {
            everywhere_.push_back(item);
            continue;
        }
        const int64_t across = Cell(box.MaxX, minX_, columns_) - Cell(box.MinX, minX_, columns_) + 1;
        const int64_t down = Cell(box.MaxY, minY_, rows_) - Cell(box.MinY, minY_, rows_) + 1;
        if (across * down > kMaxCellsPerBox) everywhere_.push_back(item);
        else gridded.push_back(item);
    }
    const auto forEachCell = [this](const PickBox& box, auto visit) {
        for (int y = Cell(box.MinY, minY_, rows_); y <= Cell(box.MaxY, minY_, rows_); ++y)
            for (int x = Cell(box.MinX, minX_, columns_); x <= Cell(box.MaxX, minX_, columns_); ++x)
                visit(static_cast<size_t>(y) * static_cast<size_t>(columns_) + static_cast<size_t>(x));
    };
    for (int item : gridded) forEachCell(boxes_[static_cast<size_t>(item)], [this](size_t k) { ++cellStart_[k + 1]; });
    for (size_t k = 0; k < cellCount; ++k) cellStart_[k + 1] += cellStart_[k];
    items_.resize(cellStart_[cellCount]);
    std::vector<uint32_t> fill(cellStart_.begin(), cellStart_.end() - 1);
    for (int item : gridded)
        forEachCell(boxes_[static_cast<size_t>(item)], [&](size_t k) { items_[fill[k]++] = item; });
}

int BoxGrid::Cell(double v, double origin, int cells) const
{
    const double q = std::floor((v - origin) / cell_);
    if (!(q > 0)) return 0;
    return q >= cells - 1 ? cells - 1 : static_cast<int>(q);
}

template <typename Take>
void BoxGrid::VisitCells(double x0, double y0, double x1, double y1, Take take) const
{
    // An area that is not finite meets no finite box; an infinite one spans the whole grid.
    const bool overGrid = columns_ > 0 && !std::isnan(x0) && !std::isnan(x1) && !std::isnan(y0) &&
                          !std::isnan(y1) && Spans(x0, x1, minX_, maxX_) && Spans(y0, y1, minY_, maxY_);
    if (!overGrid) return;
    const auto first = static_cast<size_t>(Cell(x0, minX_, columns_));
    const auto last = static_cast<size_t>(Cell(x1, minX_, columns_));
    // The cells of one row are neighbours in items_, so a row's run is one range.
    for (int y = Cell(y0, minY_, rows_); y <= Cell(y1, minY_, rows_); ++y) {
        const size_t row = static_cast<size_t>(y) * static_cast<size_t>(columns_);
        for (uint32_t k = cellStart_[row + first]; k < cellStart_[row + last + 1]; ++k) take(items_[k]);
    }
}

void BoxGrid::Collect(Point p, double reach, std::vector<int>& out) const
{
    out.clear();
    const auto take = [&](int item) {
        if (IsInside(boxes_[static_cast<size_t>(item)], p, reach)) out.push_back(item);
    };
    for (int item : everywhere_) take(item);
    if (std::isfinite(p.X) && std::isfinite(p.Y)) VisitCells(p.X - reach, p.Y - reach, p.X + reach, p.Y + reach, take);
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
}

void BoxGrid::CollectOverlapping(const PickBox& area, std::vector<int>& out) const
{
    out.clear();
    if (area.Empty) return;
    const auto take = [&](int item) {
        const PickBox& box = boxes_[static_cast<size_t>(item)];
        const bool meets = Spans(box.MinX, box.MaxX, area.MinX, area.MaxX) && Spans(box.MinY, box.MaxY, area.MinY, area.MaxY);
        if (!box.Finite || meets) out.push_back(item);
    };
    for (int item : everywhere_) take(item);
    VisitCells(area.MinX, area.MinY, area.MaxX, area.MaxY, take);
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
}

}  // namespace vantro
