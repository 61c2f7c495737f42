// FindElementNear, the centre check and the selection window over an index of the elements' boxes. The index follows
// the drawing's Generation and does not depend on the view, so zooming and panning keep it.
#pragma once

#include "view/BoxGrid.h"
#include "view/ElementPick.h"

#include <cstdint>
#include <vector>

namespace vantro {

class ElementIndex {
public:
    // Rebuilds when the drawing changed, or is another drawing, since the last call.
    void Refresh(const Drawing& drawing);

    // Ascending indices of the elements that may be hit at the pick's cursor (every hit among them).
    void ElementCandidates(const PickContext& pick, std::vector<int>& out) const;
    // The same for the centre check (arcs and circles only).
    void CentreCandidates(const PickContext& pick, std::vector<int>& out) const;
    // Ascending indices of the elements a selection window over the area may take (a superset).
    void WindowCandidates(const Drawing& drawing, const PickBox& area, std::vector<int>& out);

private:
    const Drawing* drawing_ = nullptr;
    const TCadData* storage_ = nullptr;
    uint64_t generation_ = 0;
    int32_t count_ = -1;
    double eps_ = 0;
    BoxGrid elements_;
    BoxGrid centres_;
    // Built on the first window after a change, so that snapping alone never pays for it.
    BoxGrid windows_;
    bool windowsCurrent_ = false;
};

// The first element with index ≥ start that the cursor hits, or 0.
int FindElementNear(const Drawing& drawing, ElementIndex& index, const PickContext& pick, int start);

// Every element with index ≥ start that the cursor hits, ascending (the chooser's list).
std::vector<int> ElementsNear(const Drawing& drawing, ElementIndex& index, const PickContext& pick, int start);

// The first arc or circle whose centre passes IsCentreNear, or 0.
int FindCentreNear(const Drawing& drawing, ElementIndex& index, const PickContext& pick);

}  // namespace vantro
