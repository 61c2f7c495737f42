// The clipboard of a drawing window: copies of selected elements kept inside the program, pasted
// into this or the other drawing window.
#pragma once

#include "document/Drawing.h"

#include <optional>
#include <vector>

namespace vantro {

struct ClipboardBuffer {
    std::vector<TCadData> Records;  // in store order, selected flags cleared
};

// Replaces the buffer with copies of the selected elements; with clearFlags the elements in the
// store are deselected too (copy), without they stay selected for the deletion that follows (cut).
// Returns how many were copied.
int CopySelection(Drawing& drawing, ClipboardBuffer& buffer, bool clearFlags);

struct PasteResult {
    std::vector<int> Indices;  // the elements appended
    int CutTexts = 0;          // texts cut to what a drawing file holds (kLongTextsCutSuffix)
};

// Appends the buffer as one undo step, each record with a new id, on the given layer or (without
// one) on its own. Groups come in under new numbers above the drawing's, so two pastes never join.
PasteResult PasteClipboard(Drawing& drawing, const ClipboardBuffer& buffer, std::optional<uint8_t> layer);

}  // namespace vantro
