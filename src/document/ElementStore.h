// The element store operations: append, delete, compacting removal and reset.
#pragma once

#include "document/Drawing.h"

#include <array>
#include <functional>
#include <string>

namespace vantro {

inline constexpr const char* kCapacityMessage =
    "設定最大数を超えました、パラメータを設定しなおすか新規作図して下さい。";
inline constexpr const char* kMemoryMessage =
    "メモリーの確保に失敗しました。直ちにファイル保存して再起動してください！";

// Reserves slot Count + 1 as a zeroed record; with assignId it takes the next creation number.
// Refused (false) at the capacity and on memory failure, which set AppendFailed and say so. While
// it is set, appends are refused without a word until an append can succeed again: the store has
// changed since and has room (or SetCapacity made room), or a new operation began (EndRefusal).
bool Append(Drawing& drawing, bool assignId);

// Called where an operation begins or ends that may be refused: the standing refusal belonged to
// the refused operation. The next append succeeds if there is room (the refused command's own
// clean-up may have made it) and otherwise is refused with the message again, never in silence.
void EndRefusal(Drawing& drawing);

// The capacity ("CadMax"), kept within its accepted range. Raising it above Count clears
// AppendFailed.
void SetCapacity(Drawing& drawing, int32_t capacity);

// The store's edges for whole records, where a record with a number that is not finite is
// refused, so that none ever enters the store.
// AppendElement appends the record (a new id when numbered, else none) and, when numbered, records
// it as added under the open step; it returns the new index, 0 when refused.
int AppendElement(Drawing& drawing, TCadData element, bool numbered);
// ReplaceElement records the element at index as modified under the open step, then writes after
// over it; refused (false, nothing written or recorded) for a record that is not finite.
bool ReplaceElement(Drawing& drawing, int index, const TCadData& after);

// Removes one element, shifting the later ones down; with recordUndo it opens a step of its own.
void Delete(Drawing& drawing, int index, bool recordUndo);

// Removes every selected element in one pass, all under one new undo step. Returns how many.
int DeleteSelected(Drawing& drawing);

// The compacting pass behind DeleteSelected: removes the elements the predicate names, recording
// each under UndoStep + 1, and advances the step once when anything went.
int DeleteWhere(Drawing& drawing, const std::function<bool(const TCadData&)>& remove);

// Drops the provisional candidates from the end of the store.
void RemoveCandidates(Drawing& drawing);

// Layer names for a reset; a null pointer clears them.
using LayerNames = std::array<std::string, kLayerCount>;

// Makes the drawing empty: arrays, history, counters, fill memo, images, groups and layers.
void Reset(Drawing& drawing, const LayerNames* namesFromSettings);

// Points the id-to-index table at index, growing it when an id lies beyond it.
void SetIndexOfId(Drawing& drawing, int32_t id, int index);

// Current index of an element id, or 0 when the id is not in the table.
int FindIndexOfId(const Drawing& drawing, int32_t id);

}  // namespace vantro
