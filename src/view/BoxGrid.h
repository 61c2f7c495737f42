// A uniform grid of cells over a set of boxes, for finding the few boxes near a point among many.
#pragma once

#include "view/ElementPick.h"

#include <cstdint>
#include <vector>

namespace vantro {

class BoxGrid {
public:
    // boxes[i] belongs to item i. Empty boxes are left out; boxes that are not finite or would
    // cover too many cells are kept aside and tested by every query.
    void Build(std::vector<PickBox> boxes);

    // The items whose box comes within reach of p, ascending.
    void Collect(Point p, double reach, std::vector<int>& out) const;
    // The items whose box meets the area, ascending.
    void CollectOverlapping(const PickBox& area, std::vector<int>& out) const;

private:
    void ChooseCells();
    void Register();
    // Adds the gridded items of the cells under [x0, x1] × [y0, y1] for which take is called.
    template <typename Take>
    void VisitCells(double x0, double y0, double x1, double y1, Take take) const;
    int Cell(double v, double origin, int cells) const;
    bool Spans(double from, double to, double min, double max) const { return to >= min && from <= max; }

    double minX_ = 0;
    double minY_ = 0;
    double maxX_ = 0;
    double maxY_ = 0;
    double cell_ = 1;
    int columns_ = 0;
    int rows_ = 0;
    std::vector<uint32_t> cellStart_;  // items of cell k: items_[cellStart_[k] .. cellStart_[k + 1])
    std::vector<int> items_;
    std::vector<int> everywhere_;
    std::vector<PickBox> boxes_;
};

}  // namespace vantro
