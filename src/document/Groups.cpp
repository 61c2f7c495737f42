#include "document/Groups.h"

#include "document/UndoHistory.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>
#include <vector>

namespace vantro {
namespace {

// A centre-cross circle that leaves its group becomes a plain circle.
void LeaveGroup(TCadData& element)
{
    element.Group = 0;
    element.Selected = 0;
    if (element.Kind == kKindCrossCircle) {
        element.Kind = kKindCircle;
        element.Value = 0;
    }
}

// The group number a fill memo line begins with ("3,255"), when it is one.
std::optional<int32_t> MemoGroup(std::string_view line)
{
    const std::string_view number = line.substr(0, line.find(','));
    int32_t group = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), group);
    if (error != std::errc() || end != number.data() + number.size() || group < 1) return std::nullopt;
    return group;
}

}  // namespace

int32_t NewGroupNumber(Drawing& drawing) { return ++drawing.MaxGroup; }

void UpdateMaxGroup(Drawing& drawing)
{
    for (int i = 1; i <= drawing.Count; ++i) drawing.MaxGroup = std::max(drawing.MaxGroup, drawing[i].Group);
}

bool KeepGroupNumbersInRange(Drawing& drawing)
{
    if (drawing.MaxGroup <= kMaxGroupNumber) return false;
    std::vector<int32_t> numbers;
    for (int i = 1; i <= drawing.Count; ++i)
        if (drawing[i].Group >= 1) numbers.push_back(drawing[i].Group);
    for (const std::string& line : drawing.MemoBrush)
        if (const auto group = MemoGroup(line)) numbers.push_back(*group);
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    const auto renumbered = [&numbers](int32_t group) {
        return static_cast<int32_t>(std::lower_bound(numbers.begin(), numbers.end(), group) - numbers.begin()) + 1;
    };
    for (int i = 1; i <= drawing.Count; ++i)
        if (drawing[i].Group >= 1) drawing[i].Group = renumbered(drawing[i].Group);
    for (std::string& line : drawing.MemoBrush) {
        const auto group = MemoGroup(line);
        if (!group) continue;
        const size_t comma = std::min(line.find(','), line.size());
        line = std::to_string(renumbered(*group)) + line.substr(comma);
    }
    drawing.MaxGroup = static_cast<int32_t>(numbers.size());
    return true;
}

std::string GroupRegisteredText(int32_t group) { return "グループ" + std::to_string(group) + "番に登録しました。"; }

int32_t FormGroup(Drawing& drawing, UserDialogs& dialogs)
{
    bool any = false;
    for (int i = 1; i <= drawing.Count && !any; ++i) any = drawing[i].Selected == 1;
    if (!any) {
        dialogs.ShowMessage(kNothingSelectedMessage);
        return 0;
    }
    const int32_t group = NewGroupNumber(drawing);
    UndoStepGroup step(drawing);
    for (int i = 1; i <= drawing.Count; ++i) {
        if (drawing[i].Selected != 1) continue;
        RecordUndo(drawing, step.Step(), kActionModified, i);
        drawing[i].Group = group;
        drawing[i].Selected = 0;
    }
    return group;
}

int CountGroupMembers(const Drawing& drawing, int32_t group)
{
    int count = 0;
    for (int i = 1; i <= drawing.Count; ++i) count += drawing[i].Group == group ? 1 : 0;
    return count;
}

void ClearSelection(Drawing& drawing)
{
    for (int i = 1; i <= drawing.Count; ++i) drawing[i].Selected = 0;
}

bool DissolveGroupCommand(Drawing& drawing, UserDialogs& dialogs, int index)
{
    const int32_t group = drawing[index].Group;
    if (group < 1) {
        dialogs.ShowMessage(kNotAGroupMessage);
        return false;
    }
    for (int i = 1; i <= drawing.Count; ++i) {
        if (drawing[i].Group != group) continue;
        drawing[i].Selected = 1;
        if (drawing.Listener != nullptr) drawing.Listener->DrawElement(i);
    }
    const std::string question =
        "要素数" + std::to_string(CountGroupMembers(drawing, group)) + "個のグループを解除しますか？";
    if (!IsAffirmative(dialogs.Ask(question, QuestionButtons::YesCancel))) {
        ClearSelection(drawing);
        return false;
    }
    DissolveGroup(drawing, group);
    return true;
}

void DissolveGroup(Drawing& drawing, int32_t group)
{
    UndoStepGroup step(drawing);
    for (int i = 1; i <= drawing.Count; ++i) {
        if (drawing[i].Group != group) continue;
        RecordUndo(drawing, step.Step(), kActionModified, i);
        LeaveGroup(drawing[i]);
    }
    if (drawing.Listener != nullptr) drawing.Listener->RepaintAll();
}

void AddToGroup(Drawing& drawing, int groupIndex, int memberIndex)
{
    const TCadData& owner = drawing[groupIndex];
    const int32_t group = owner.Group;
    const bool crossGroup = owner.Kind == kKindCrossCircle;
    const double crossStyle = owner.Value == 1 ? 1 : -1;
    RecordUndo(drawing, StepForRecord(drawing), kActionModified, memberIndex);
    TCadData& member = drawing[memberIndex];
    member.Group = group;
    // Only a circle can take the centre cross; other kinds keep their kind and their Value.
    if (crossGroup && (member.Kind == kKindCircle || member.Kind == kKindCrossCircle)) {
        member.Kind = kKindCrossCircle;
        member.Value = crossStyle;
    }
}

void RemoveFromGroup(Drawing& drawing, int index)
{
    RecordUndo(drawing, StepForRecord(drawing), kActionModified, index);
    const uint8_t selected = drawing[index].Selected;
    LeaveGroup(drawing[index]);
    drawing[index].Selected = selected;
}

}  // namespace vantro
