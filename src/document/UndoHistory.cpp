#include "document/UndoHistory.h"

#include "document/Assert.h"
#include "document/ElementStore.h"

#include <new>
#include <unordered_map>
#include <vector>

namespace vantro {
namespace {

void NotifyButtons(const Drawing& drawing)
{
    if (drawing.Listener != nullptr)
        drawing.Listener->UndoButtonsChanged(CanUndo(drawing), CanRedo(drawing));
}

void ClearAllAfterFailure(Drawing& drawing, const char* message)
{
    ClearUndo(drawing);
    ClearRedo(drawing);
    Tell(drawing, message);
}

// Drops the oldest records while they are UndoDepth or more steps older than UndoStep.
void Trim(UndoHistory& history)
{
    while (!history.UndoRecords.empty() &&
           history.UndoStep - history.UndoDepth >= history.UndoRecords.front().Step) {
        if (history.UndoRecords.front().Action != kActionAdded) history.UndoCopies.pop_front();
        history.UndoRecords.pop_front();
    }
}

bool IsStored(const Drawing& drawing, int32_t id)
{
    const int index = FindIndexOfId(drawing, id);
    return index >= 1 && index <= drawing.Count && drawing[index].Id == id;
}

// Undo and redo check their step first (StepApplies), so every element a record names is here.
int IndexOfStored(const Drawing& drawing, int32_t id)
{
    VANTRO_ASSERT(IsStored(drawing, id));
    return FindIndexOfId(drawing, id);
}

// What a record needs of its element when it is undone or redone, and what it leaves.
struct Presence {
    bool Before;
    bool After;
};

Presence PresenceFor(uint8_t action, bool undoing)
{
    if (action == kActionModified) return {true, true};
    // Undoing an addition and redoing a deletion take the element away; the others put it back.
    const bool removes = (action == kActionAdded) == undoing;
    return {removes, !removes};
}

// Undo copies belong to actions 1 and 2, redo copies to actions 0 and 1.
bool HoldsCopy(uint8_t action, bool undoing) { return action != (undoing ? kActionAdded : kActionDeleted); }

// Whether the newest step of records (those from the newest back to the first older than floor)
// can be applied whole: each element is in the store where the step changes or removes it and
// absent where it puts it back, and each copy the step takes is of its record's element. Checked
// before anything is applied, so a step that does not fit the store changes nothing.
template <typename Records, typename Copies>
bool StepApplies(const Drawing& drawing, const Records& records, const Copies& copies, int32_t floor, bool undoing)
{
    std::unordered_map<int32_t, bool> present;
    size_t copiesTaken = 0;
    for (auto record = records.rbegin(); record != records.rend(); ++record) {
        if (record != records.rbegin() && record->Step < floor) break;
        const auto [entry, added] = present.try_emplace(record->ElementId, false);
        if (added) entry->second = IsStored(drawing, record->ElementId);
        const Presence presence = PresenceFor(record->Action, undoing);
        if (entry->second != presence.Before) return false;
        entry->second = presence.After;
        if (!HoldsCopy(record->Action, undoing)) continue;
        ++copiesTaken;
        if (copiesTaken > copies.size() || copies[copies.size() - copiesTaken].Id != record->ElementId) return false;
    }
    return true;
}

TCadData Unselected(const TCadData& element)
{
    TCadData copy = element;
    copy.Selected = 0;
    return copy;
}

// Undo and redo put elements back at the end of the drawing order, without a new id.
void AppendRestored(Drawing& drawing, TCadData element)
{
    const auto needed = static_cast<size_t>(drawing.Count) + 2;
    if (drawing.Elements.size() < needed) drawing.Elements.resize(needed + 100);
    ++drawing.Count;
    SetIndexOfId(drawing, element.Id, drawing.Count);
    drawing[drawing.Count] = std::move(element);
}

// Removes the marked indices in one pass, keeping the order of the rest.
void Compact(Drawing& drawing, const std::vector<bool>& marked)
{
    int kept = 0;
    for (int i = 1; i <= drawing.Count; ++i) {
        if (marked[static_cast<size_t>(i)]) continue;
        ++kept;
        if (kept != i) {
            drawing[kept] = std::move(drawing[i]);
            SetIndexOfId(drawing, drawing[kept].Id, kept);
        }
    }
    drawing.Count = kept;
}

void UndoNewestStep(Drawing& drawing)
{
    UndoHistory& h = drawing.History;
    ++h.RedoStep;
    std::vector<bool> marked(static_cast<size_t>(drawing.Count) + 1, false);
    bool anyMarked = false;
    for (;;) {
        const UndoRecord record = h.UndoRecords.back();
        switch (record.Action) {
        case kActionAdded: {
            const int index = IndexOfStored(drawing, record.ElementId);
            h.RedoRecords.push_back({kActionAdded, h.RedoStep, record.ElementId});
            h.RedoCopies.push_back(Unselected(drawing[index]));
            marked[static_cast<size_t>(index)] = true;
            anyMarked = true;
            break;
        }
        case kActionModified: {
            const int index = IndexOfStored(drawing, record.ElementId);
            h.RedoRecords.push_back({kActionModified, h.RedoStep, record.ElementId});
            h.RedoCopies.push_back(Unselected(drawing[index]));
            drawing[index] = std::move(h.UndoCopies.back());
            h.UndoCopies.pop_back();
            break;
        }
        default:
            h.RedoRecords.push_back({kActionDeleted, h.RedoStep, record.ElementId});
            AppendRestored(drawing, std::move(h.UndoCopies.back()));
            h.UndoCopies.pop_back();
            marked.push_back(false);
            break;
        }
        h.UndoRecords.pop_back();
        if (h.UndoRecords.empty() || h.UndoRecords.back().Step < h.UndoStep) break;
    }
    if (anyMarked) Compact(drawing, marked);
    --h.UndoStep;
}

void RedoNewestStep(Drawing& drawing)
{
    UndoHistory& h = drawing.History;
    ++h.UndoStep;
    for (;;) {
        const UndoRecord record = h.RedoRecords.back();
        switch (record.Action) {
        case kActionAdded:
            h.UndoRecords.push_back({kActionAdded, h.UndoStep, record.ElementId});
            AppendRestored(drawing, std::move(h.RedoCopies.back()));
            h.RedoCopies.pop_back();
            break;
        case kActionModified: {
            const int index = IndexOfStored(drawing, record.ElementId);
            h.UndoRecords.push_back({kActionModified, h.UndoStep, record.ElementId});
            h.UndoCopies.push_back(Unselected(drawing[index]));
            drawing[index] = std::move(h.RedoCopies.back());
            h.RedoCopies.pop_back();
            break;
        }
        default: {
            const int index = IndexOfStored(drawing, record.ElementId);
            h.UndoRecords.push_back({kActionDeleted, h.UndoStep, record.ElementId});
            h.UndoCopies.push_back(Unselected(drawing[index]));
            Delete(drawing, index, false);
            break;
        }
        }
        h.RedoRecords.pop_back();
        if (h.RedoRecords.empty() || h.RedoRecords.back().Step < h.RedoStep) break;
    }
    --h.RedoStep;
}

// Runs one undo or redo whose step was found to apply. Running out of memory inside leaves the
// store as far as it got and drops history.
template <typename Body>
void RunHistoryOperation(Drawing& drawing, Body body)
{
    drawing.Saved = false;
    ++drawing.Generation;
    try {
        body(drawing);
    } catch (const std::bad_alloc&) {
        ClearAllAfterFailure(drawing, kUndoHistoryFailedMessage);
    }
    NotifyButtons(drawing);
    if (drawing.Listener != nullptr) drawing.Listener->RepaintAll();
}

}  // namespace

bool CanUndo(const Drawing& drawing) { return !drawing.History.UndoRecords.empty(); }
bool CanRedo(const Drawing& drawing) { return !drawing.History.RedoRecords.empty(); }

int32_t BeginUndoStep(Drawing& drawing) { return ++drawing.History.UndoStep; }

int32_t StepForRecord(Drawing& drawing)
{
    UndoHistory& h = drawing.History;
    if (!h.GroupOpen) return BeginUndoStep(drawing);
    if (h.GroupStep == 0) h.GroupStep = BeginUndoStep(drawing);
    return h.GroupStep;
}

UndoStepGroup::UndoStepGroup(Drawing& drawing) : drawing_(drawing), nested_(drawing.History.GroupOpen)
{
    if (nested_) return;
    drawing.History.GroupOpen = true;
    drawing.History.GroupStep = 0;
}

UndoStepGroup::~UndoStepGroup()
{
    if (nested_) return;
    drawing_.History.GroupOpen = false;
    drawing_.History.GroupStep = 0;
}

void RecordUndo(Drawing& drawing, int32_t step, uint8_t action, int index)
{
    UndoHistory& h = drawing.History;
    TCadData& element = drawing[index];
    const uint8_t wasSelected = element.Selected;
    // Recorded before the change it announces.
    ++drawing.Generation;
    // The undone steps were recorded against the store before this change: they cannot be redone.
    if (CanRedo(drawing)) ClearRedo(drawing);
    try {
        if (!h.UndoRecords.empty() && step >= h.UndoRecords.front().Step + h.UndoDepth) Trim(h);
        element.Selected = 0;
        SetIndexOfId(drawing, element.Id, index);
        if (action == kActionAdded) {
            h.UndoRecords.push_back({action, step, element.Id});
        } else {
            if (drawing.Listener != nullptr) drawing.Listener->EraseElement(index);
            h.UndoCopies.push_back(element);
            h.UndoRecords.push_back({action, step, element.Id});
        }
    } catch (const std::bad_alloc&) {
        // Keep the two lists paired: a copy without its record is dropped with the rest.
        ClearAllAfterFailure(drawing, kUndoRecordFailedMessage);
    }
    element.Selected = wasSelected;
    // Every recorded change is a change to the drawing, whether or not a command was started.
    drawing.Saved = false;
    NotifyButtons(drawing);
}

void Undo(Drawing& drawing)
{
    if (drawing.CandidateCount > 0) return;
    if (drawing.History.UndoRecords.empty()) {
        drawing.History.UndoStep = 0;
        NotifyButtons(drawing);
        return;
    }
    const UndoHistory& h = drawing.History;
    // A step that does not fit the store is dropped with the rest of the history, the store untouched.
    if (!StepApplies(drawing, h.UndoRecords, h.UndoCopies, h.UndoStep, true)) {
        ClearAllAfterFailure(drawing, kUndoHistoryFailedMessage);
        return;
    }
    RunHistoryOperation(drawing, UndoNewestStep);
}

void Redo(Drawing& drawing)
{
    if (drawing.CandidateCount > 0) return;
    if (drawing.History.RedoRecords.empty()) {
        drawing.History.RedoStep = 0;
        NotifyButtons(drawing);
        return;
    }
    const UndoHistory& h = drawing.History;
    if (!StepApplies(drawing, h.RedoRecords, h.RedoCopies, h.RedoStep, false)) {
        ClearAllAfterFailure(drawing, kUndoHistoryFailedMessage);
        return;
    }
    RunHistoryOperation(drawing, RedoNewestStep);
}

void ClearUndo(Drawing& drawing)
{
    drawing.History.UndoRecords.clear();
    drawing.History.UndoCopies.clear();
    drawing.History.UndoStep = 0;
    NotifyButtons(drawing);
}

void ClearRedo(Drawing& drawing)
{
    drawing.History.RedoRecords.clear();
    drawing.History.RedoCopies.clear();
    drawing.History.RedoStep = 0;
    NotifyButtons(drawing);
}

}  // namespace vantro
