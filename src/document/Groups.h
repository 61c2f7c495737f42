// Group numbers and the data effects of the group commands. Each command is one undo step that
// records every element it changes.
#pragma once

#include "document/Drawing.h"

#include <string>

namespace vantro {

inline constexpr const char* kNotAGroupMessage = "選択した要素はグループではありません！";
inline constexpr const char* kNothingSelectedMessage = "図形が選択されていません。";

// Group numbers read from a file above this are renumbered, so that new groups, which count up
// from the highest number, stay far within the range of the field.
inline constexpr int32_t kMaxGroupNumber = 1'000'000'000;

// MaxGroup + 1, which becomes the new MaxGroup.
int32_t NewGroupNumber(Drawing& drawing);

// Raises MaxGroup to the highest group found in the store (after reading a file).
void UpdateMaxGroup(Drawing& drawing);

// After reading a file: when MaxGroup lies above kMaxGroupNumber, every group number of the
// elements and of the fill memo lines is replaced by its rank among them (1, 2, ... in the order
// of the old numbers), so that groups, their order and their fills stay as they were, and MaxGroup
// becomes the highest new number. True when it renumbered.
bool KeepGroupNumbersInRange(Drawing& drawing);

// Gives every selected element a new group number and clears its selection. With nothing
// selected it says so and returns 0, using neither a group number nor an undo step.
int32_t FormGroup(Drawing& drawing, UserDialogs& dialogs);

// "グループ" + n + "番に登録しました。" for the message panel.
std::string GroupRegisteredText(int32_t group);

int CountGroupMembers(const Drawing& drawing, int32_t group);

// Picks the element at index for dissolving its group: selects the members and asks. True when
// the group was dissolved; otherwise the selection is cleared.
bool DissolveGroupCommand(Drawing& drawing, UserDialogs& dialogs, int index);

// Every member of the group leaves it; centre-cross circles become plain circles.
void DissolveGroup(Drawing& drawing, int32_t group);

// Puts the element at memberIndex into the group of the element at groupIndex.
void AddToGroup(Drawing& drawing, int groupIndex, int memberIndex);

// Takes the element at index out of its group.
void RemoveFromGroup(Drawing& drawing, int index);

void ClearSelection(Drawing& drawing);

}  // namespace vantro
