#include "document/ElementStore.h"

#include "document/Assert.h"
#include "document/Layers.h"
#include "document/UndoHistory.h"

#include <algorithm>
#include <new>

namespace vantro {

Drawing::Drawing() { ResetLayers(Layers, nullptr); }

void Tell(const Drawing& drawing, const std::string& text)
{
    if (drawing.Dialogs != nullptr) drawing.Dialogs->ShowMessage(text);
}

namespace {

// Growth rule: when fewer than 10 spare slots remain the array is made 100 longer than needed.
void Grow(Drawing& drawing)
{
    const auto count = static_cast<size_t>(drawing.Count);
    if (drawing.Elements.size() < count + 10) drawing.Elements.resize(count + 100);
    const auto lastId = static_cast<size_t>(drawing.LastId);
    if (drawing.IndexOfId.size() < lastId + 10) drawing.IndexOfId.resize(lastId + 100);
}

// A refused append stays refused, silently, until the store has changed since (the refusal's own
// command cancelling its candidates counts as part of the refusal) and has room again.
bool MayAppendAgain(const Drawing& drawing)
{
    return drawing.Generation != drawing.RefusalGeneration && drawing.Count <= drawing.Capacity;
}

}  // namespace

void SetCapacity(Drawing& drawing, int32_t capacity)
{
    drawing.Capacity = std::clamp(capacity, kMinCapacity, kMaxCapacity);
    if (drawing.Count <= drawing.Capacity) drawing.AppendFailed = false;
}

void EndRefusal(Drawing& drawing) { drawing.AppendFailed = false; }

void SetIndexOfId(Drawing& drawing, int32_t id, int index)
{
    if (id < 0) return;
    const auto slot = static_cast<size_t>(id);
    if (slot >= drawing.IndexOfId.size()) drawing.IndexOfId.resize(slot + 100);
    drawing.IndexOfId[slot] = index;
}

int FindIndexOfId(const Drawing& drawing, int32_t id)
{
    if (id < 0 || static_cast<size_t>(id) >= drawing.IndexOfId.size()) return 0;
    return drawing.IndexOfId[static_cast<size_t>(id)];
}

bool Append(Drawing& drawing, bool assignId)
{
    if (drawing.AppendFailed && !MayAppendAgain(drawing)) return false;
    drawing.AppendFailed = false;
    if (drawing.Count > drawing.Capacity) {
        drawing.AppendFailed = true;
        Tell(drawing, kCapacityMessage);
        if (drawing.Listener != nullptr) {
            drawing.Listener->AppendRefused();
            drawing.Listener->RepaintAll();
        }
        drawing.RefusalGeneration = drawing.Generation;
        return false;
    }
    try {
        Grow(drawing);
    } catch (const std::bad_alloc&) {
        drawing.AppendFailed = true;
        Tell(drawing, kMemoryMessage);
        drawing.RefusalGeneration = drawing.Generation;
        return false;
    }
    ++drawing.Count;
    ++drawing.Generation;
    TCadData& slot = drawing[drawing.Count];
    slot = TCadData{};
    if (assignId) {
        ++drawing.LastId;
        slot.Id = static_cast<int32_t>(drawing.LastId);
        SetIndexOfId(drawing, slot.Id, drawing.Count);
    }
    return true;
}

int AppendElement(Drawing& drawing, TCadData element, bool numbered)
{
    if (!IsFiniteRecord(element) || !Append(drawing, numbered)) return 0;
    const int index = drawing.Count;
    element.Id = drawing[index].Id;
    drawing[index] = std::move(element);
    if (numbered) RecordUndo(drawing, StepForRecord(drawing), kActionAdded, index);
    return index;
}

bool ReplaceElement(Drawing& drawing, int index, const TCadData& after)
{
    VANTRO_ASSERT(index >= 1 && index <= drawing.Count);
    if (!IsFiniteRecord(after)) return false;
    RecordUndo(drawing, StepForRecord(drawing), kActionModified, index);
    drawing[index] = after;
    return true;
}

void Delete(Drawing& drawing, int index, bool recordUndo)
{
    if (drawing.Count == 0) return;
    VANTRO_ASSERT(index >= 1 && index <= drawing.Count);
    ++drawing.Generation;
    if (recordUndo) {
        ++drawing.History.UndoStep;
        RecordUndo(drawing, drawing.History.UndoStep, kActionDeleted, index);
    }
    for (int k = index; k < drawing.Count; ++k) {
        drawing[k] = std::move(drawing[k + 1]);
        SetIndexOfId(drawing, drawing[k].Id, k);
    }
    drawing[drawing.Count].Selected = 0;
    --drawing.Count;
}

int DeleteWhere(Drawing& drawing, const std::function<bool(const TCadData&)>& remove)
{
    const int32_t step = drawing.History.UndoStep + 1;
    int kept = 0;
    for (int i = 1; i <= drawing.Count; ++i) {
        if (remove(drawing[i])) {
            RecordUndo(drawing, step, kActionDeleted, i);
            continue;
        }
        ++kept;
        if (kept != i) {
            drawing[kept] = std::move(drawing[i]);
            SetIndexOfId(drawing, drawing[kept].Id, kept);
        }
    }
    const int removed = drawing.Count - kept;
    for (int i = kept + 1; i <= drawing.Count; ++i) drawing[i].Selected = 0;
    drawing.Count = kept;
    if (removed > 0) {
        ++drawing.History.UndoStep;
        ++drawing.Generation;
    }
    return removed;
}

int DeleteSelected(Drawing& drawing)
{
    return DeleteWhere(drawing, [](const TCadData& e) { return e.Selected == 1; });
}

void RemoveCandidates(Drawing& drawing)
{
    drawing.Count -= drawing.CandidateCount;
    drawing.CandidateCount = 0;
    ++drawing.Generation;
}

void Reset(Drawing& drawing, const LayerNames* namesFromSettings)
{
    drawing.Elements.assign(100, TCadData{});
    drawing.IndexOfId.assign(100, 0);
    ++drawing.Generation;
    ClearUndo(drawing);
    ClearRedo(drawing);
    drawing.Count = 0;
    drawing.LastId = 0;
    drawing.CandidateCount = 0;
    drawing.AppendFailed = false;
    drawing.Saved = true;
    drawing.MemoBrush.clear();
    ClearImages(drawing.Images);
    drawing.MaxGroup = 0;
    ResetLayers(drawing.Layers, namesFromSettings);
    if (drawing.Listener != nullptr) drawing.Listener->DrawingWasReset();
}

}  // namespace vantro
