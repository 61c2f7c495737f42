// Undo and redo: records naming elements by Id, grouped by step number.
#pragma once

#include "document/Drawing.h"

namespace vantro {

inline constexpr const char* kUndoRecordFailedMessage =
    "図形データ又はアンドゥー用のメモリー確保に失敗しました。過去のアンドゥーデータを消去してメモリーを確保します！";
inline constexpr const char* kUndoHistoryFailedMessage =
    "アンドゥーの書込み操作でエラーが発生しました。過去のアンドゥーデータは無効になりました！";

// Records one change of the element at index under step. Actions 1 and 2 keep a copy of the
// element as it is now, so they are recorded before the change. Any recorded change discards redo.
void RecordUndo(Drawing& drawing, int32_t step, uint8_t action, int index);

// Opens a new step and returns its number; every record of one user action uses it.
int32_t BeginUndoStep(Drawing& drawing);

// The step for the next record of a single-element change: the open group's, or a new one.
int32_t StepForRecord(Drawing& drawing);

// Makes every record written while it lives one undo step. The step is opened at the first record,
// so an action that ends up changing nothing leaves the counter alone: an empty step would stop
// the next undo part-way through the step before it. A group opened inside another joins it.
class UndoStepGroup {
public:
    explicit UndoStepGroup(Drawing& drawing);
    ~UndoStepGroup();
    UndoStepGroup(const UndoStepGroup&) = delete;
    UndoStepGroup& operator=(const UndoStepGroup&) = delete;
    int32_t Step() { return StepForRecord(drawing_); }

private:
    Drawing& drawing_;
    bool nested_;
};

// Reverts, or replays, every record of the newest step. Both do nothing while candidates are
// pending. A step whose records do not fit the store is not applied at all: the history is dropped
// with its message and the store is left as it was.
void Undo(Drawing& drawing);
void Redo(Drawing& drawing);

void ClearUndo(Drawing& drawing);
void ClearRedo(Drawing& drawing);

bool CanUndo(const Drawing& drawing);
bool CanRedo(const Drawing& drawing);

}  // namespace vantro
