// The edit menu's maintenance commands on the store: invalid and duplicate removal, and the
// questions before a drawing is thrown away.
#pragma once

#include "document/DuplicateSearch.h"
#include "document/ElementStore.h"

namespace vantro {

// A kind code outside the kind table (0 among them), lines shorter than the tolerance, arcs with a
// radius or sweep below it, circles with a radius below it.
bool IsInvalidElement(const TCadData& element, double tolerance);

// "不正図形削除": removes every invalid element under one undo step and reports the count.
int RemoveInvalidElements(Drawing& drawing, UserDialogs& dialogs);

// "重複図形削除": marks the duplicates of the scope (and, with deleteOriginals, the elements they
// duplicate), asks, and deletes them or clears the marks. Returns the number deleted.
int RemoveDuplicates(Drawing& drawing, UserDialogs& dialogs, DuplicateScope scope, bool deleteOriginals);

// "ＣＡＤデータ初期化": true when the drawing was reset.
bool NewDrawingCommand(Drawing& drawing, UserDialogs& dialogs, const LayerNames* namesFromSettings);

// Before a drawing is replaced by another: with elements (unsaved ones, unless evenWhenSaved)
// asks "編集中の CADデータがあります、よろしいですか？"; true when the drawing may go.
bool MayReplaceDrawing(const Drawing& drawing, UserDialogs& dialogs, bool evenWhenSaved);

enum class CloseChoice { Save, Discard, Cancel };

// Closing the window with unsaved changes asks whether to save them.
CloseChoice AskBeforeClose(const Drawing& drawing, UserDialogs& dialogs);

}  // namespace vantro
