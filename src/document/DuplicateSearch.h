// The duplicate-element search behind the three "重複図形削除" menu items.
#pragma once

#include "document/Drawing.h"

#include <vector>

namespace vantro {

enum class DuplicateScope {
    VisibleSameLayer,  // N13
    SameLayer,         // N15
    All,               // N16
};

// Whether j duplicates i: the same kind, admitted by the scope, and the kind's fields equal within
// the tolerance (strictly below it). Dimensions, texts, curves and filled rectangles never are.
bool IsDuplicatePair(const LayerTable& layers, DuplicateScope scope, const TCadData& i, const TCadData& j,
                     double tolerance);

// For each index i in 1..Count, the first j > i that duplicates it, or 0 (element 0 unused).
// Exactly the pairs the pairwise definition finds, found through a grid of tolerance-sized cells.
std::vector<int> FindFirstDuplicates(const Drawing& drawing, DuplicateScope scope, double tolerance);

}  // namespace vantro
