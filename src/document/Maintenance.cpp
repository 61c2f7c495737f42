#include "document/Maintenance.h"

#include "document/Groups.h"
#include "document/Tolerance.h"

#include <cmath>

namespace vantro {

bool IsInvalidElement(const TCadData& e, double tolerance)
{
    switch (e.Kind) {
    case kKindLine:
        return std::hypot(e.X2 - e.X1, e.Y2 - e.Y1) < tolerance;
    case kKindArc:
        return e.Angle < tolerance || e.R < tolerance;
    case kKindCircle:
        return e.R < tolerance;
    default:
        return !IsKnownKind(e.Kind);
    }
}

int RemoveInvalidElements(Drawing& drawing, UserDialogs& dialogs)
{
    const double tolerance = Eps();
    const int removed = DeleteWhere(drawing, [tolerance](const TCadData& e) { return IsInvalidElement(e, tolerance); });
    if (removed == 0) dialogs.ShowMessage("不正図形は有りません");
    else dialogs.ShowMessage(std::to_string(removed) + "個の不正図形を削除しました");
    return removed;
}

int RemoveDuplicates(Drawing& drawing, UserDialogs& dialogs, DuplicateScope scope, bool deleteOriginals)
{
    const std::vector<int> first = FindFirstDuplicates(drawing, scope, Eps());
    int count = 0;
    for (int i = 1; i <= drawing.Count; ++i) {
        const int j = first[static_cast<size_t>(i)];
        if (j == 0) continue;
        drawing[j].Selected = 1;
        if (drawing.Listener != nullptr) drawing.Listener->DrawElement(j);
        if (deleteOriginals) drawing[i].Selected = 1;
        ++count;
    }
    int deleted = 0;
    if (count == 0) {
        dialogs.ShowMessage("重複図形は有りません");
    } else {
        std::string question = "重複図形は" + std::to_string(count) + "個(オリジナル数は含まず)です。削除しますか？";
        if (deleteOriginals) question += "\n（オリジナル削除オプションが有効です。重複した図形は全て消去されます）";
        if (IsAffirmative(dialogs.Ask(question, QuestionButtons::YesNo))) deleted = DeleteSelected(drawing);
        else ClearSelection(drawing);
    }
    if (drawing.Listener != nullptr) drawing.Listener->RepaintAll();
    return deleted;
}

bool NewDrawingCommand(Drawing& drawing, UserDialogs& dialogs, const LayerNames* namesFromSettings)
{
    if (drawing.Count > 0 && !drawing.Saved &&
        !IsAffirmative(dialogs.Ask("編集中の CADデータを無効にして、よろしいですか？", QuestionButtons::OkCancel)))
        return false;
    Reset(drawing, namesFromSettings);
    if (drawing.Listener != nullptr) drawing.Listener->RepaintAll();
    return true;
}

bool MayReplaceDrawing(const Drawing& drawing, UserDialogs& dialogs, bool evenWhenSaved)
{
    if (drawing.Count == 0 || (drawing.Saved && !evenWhenSaved)) return true;
    return IsAffirmative(dialogs.Ask("編集中の CADデータがあります、よろしいですか？", QuestionButtons::OkCancel));
}

CloseChoice AskBeforeClose(const Drawing& drawing, UserDialogs& dialogs)
{
    if (drawing.Saved) return CloseChoice::Discard;
    switch (dialogs.Ask("CADデータは変更されています保存しますか？", QuestionButtons::YesNoCancel)) {
    case DialogAnswer::Yes:
        return CloseChoice::Save;
    case DialogAnswer::No:
        return CloseChoice::Discard;
    default:
        return CloseChoice::Cancel;
    }
}

}  // namespace vantro
