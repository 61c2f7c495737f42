#include "view/ElementIndex.h"

#include <algorithm>
#include <cmath>

namespace vantro {
namespace {

PickBox CentreBox(const TCadData& element)
{
    PickBox box;
    if (element.Kind != kKindArc && element.Kind != kKindCircle) return box;
    box = {element.Cx, element.Cy, element.Cx, element.Cy, false,
           std::isfinite(element.Cx) && std::isfinite(element.Cy)};
    return box;
}

}  // namespace

void ElementIndex::Refresh(const Drawing& drawing)
{
    // A drawing assigned over another starts its counter again; its storage tells them apart.
    const bool current = drawing_ == &drawing && storage_ == drawing.Elements.data() &&
                         generation_ == drawing.Generation && count_ == drawing.Count && eps_ == Eps();
    if (current) return;
    const auto slotCount = static_cast<size_t>(drawing.Count) + 1;
    std::vector<PickBox> boxes(slotCount);
    std::vector<PickBox> centres(slotCount);
    for (int i = 1; i <= drawing.Count; ++i) {
        boxes[static_cast<size_t>(i)] = ElementPickBox(drawing[i]);
        centres[static_cast<size_t>(i)] = CentreBox(drawing[i]);
    }
    elements_.Build(std::move(boxes));
    centres_.Build(std::move(centres));
    windowsCurrent_ = false;
    drawing_ = &drawing;
    storage_ = drawing.Elements.data();
    generation_ = drawing.Generation;
    count_ = drawing.Count;
    eps_ = Eps();
}

void ElementIndex::ElementCandidates(const PickContext& pick, std::vector<int>& out) const
{
    elements_.Collect(pick.Cursor, PickReach(pick), out);
}

void ElementIndex::CentreCandidates(const PickContext& pick, std::vector<int>& out) const
{
    centres_.Collect(pick.Cursor, PickReach(pick), out);
}

void ElementIndex::WindowCandidates(const Drawing& drawing, const PickBox& area, std::vector<int>& out)
{
    Refresh(drawing);
    if (!windowsCurrent_) {
        std::vector<PickBox> boxes(static_cast<size_t>(drawing.Count) + 1);
        for (int i = 1; i <= drawing.Count; ++i) boxes[static_cast<size_t>(i)] = ElementWindowBox(drawing[i]);
        windows_.Build(std::move(boxes));
        windowsCurrent_ = true;
    }
    windows_.CollectOverlapping(area, out);
}

int FindElementNear(const Drawing& drawing, ElementIndex& index, const PickContext& pick, int start)
{
    index.Refresh(drawing);
    std::vector<int> candidates;
    index.ElementCandidates(pick, candidates);
    for (auto it = std::lower_bound(candidates.begin(), candidates.end(), start); it != candidates.end(); ++it)
        if (IsElementNear(drawing.Layers, drawing[*it], pick)) return *it;
    return 0;
}

std::vector<int> ElementsNear(const Drawing& drawing, ElementIndex& index, const PickContext& pick, int start)
{
    index.Refresh(drawing);
    std::vector<int> hits;
    index.ElementCandidates(pick, hits);
    hits.erase(hits.begin(), std::lower_bound(hits.begin(), hits.end(), start));
    std::erase_if(hits, [&](int i) { return !IsElementNear(drawing.Layers, drawing[i], pick); });
    return hits;
}

int FindCentreNear(const Drawing& drawing, ElementIndex& index, const PickContext& pick)
{
    index.Refresh(drawing);
    std::vector<int> candidates;
    index.CentreCandidates(pick, candidates);
    for (int i : candidates)
        if (IsCentreNear(drawing.Layers, drawing[i], pick)) return i;
    return 0;
}

}  // namespace vantro
