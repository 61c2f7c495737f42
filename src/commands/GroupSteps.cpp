#include "commands/GroupSteps.h"

#include "commands/Dispatch.h"
#include "commands/EditPicks.h"
#include "commands/Selection.h"
#include "document/Groups.h"
#include "geometry/ChainTrace.h"

namespace vantro {
namespace {

using namespace step;

constexpr const char* kAnyKind = "0";
constexpr const char* kChainKinds = "134";
constexpr const char* kRemovedMessage = "グループ除外しました。";
constexpr const char* kChainDuplicatesFoundMessage = "連続線の中に重複する端点を含む要素が有りました！";

// The element under the click when it belongs to a group; "選択した要素はグループではありません！"
// when it does not.
int PickGrouped(CommandContext& ctx, const ClickInput& click)
{
    const int h = PickUnlocked(ctx, click, kAnyKind);
    if (h == 0) return 0;
    if (ctx.Document[h].Group >= 1) return h;
    ctx.Dialogs.ShowMessage(kNotAGroupMessage);
    return 0;
}

std::string ChainQuestion(int links)
{
    return "連続する要素は " + std::to_string(links + 1) + " 個です" + "\r\n" + "グループに登録しますか？";
}

}  // namespace

void GroupCreateWindowClick(CommandContext& ctx, const ClickInput&)
{
    const int32_t group = FormGroup(ctx.Document, ctx.Dialogs);
    if (group != 0) {
        ctx.Result.Transient = GroupRegisteredText(group);
        FinishEdit(ctx);
    }
    ReturnToStep(ctx, kGroupCreate);
}

// Answered with Cancel, the question ends the command.
void GroupDissolveClick(CommandContext& ctx, const ClickInput& click)
{
    const int h = PickUnlocked(ctx, click, kAnyKind);
    if (h == 0) return;
    const bool grouped = ctx.Document[h].Group >= 1;
    if (DissolveGroupCommand(ctx.Document, ctx.Dialogs, h)) {
        FinishEdit(ctx);
    } else if (grouped) {
        ctx.Result.Repaint = true;
        ctx.Result.Cancel = true;
    }
}

void GroupAddClick(CommandContext& ctx, const ClickInput& click)
{
    const int h = PickGrouped(ctx, click);
    if (h == 0) return;
    ctx.State.FirstPick = h;
    RedrawElement(ctx.Document, h);
    EnterStep(ctx, kGroupAddMember);
}

// An element already in the group is left as it is.
void GroupAddMemberClick(CommandContext& ctx, const ClickInput& click)
{
    const int h = PickUnlocked(ctx, click, kAnyKind);
    const int source = ctx.State.FirstPick;
    if (h == 0 || ctx.Document[h].Group == ctx.Document[source].Group) return;
    AddToGroup(ctx.Document, source, h);
    RedrawElement(ctx.Document, h);
    ctx.Result.Transient = GroupRegisteredText(ctx.Document[source].Group);
}

void GroupRemoveClick(CommandContext& ctx, const ClickInput& click)
{
    const int h = PickGrouped(ctx, click);
    if (h == 0) return;
    RemoveFromGroup(ctx.Document, h);
    RedrawElement(ctx.Document, h);
    ctx.Result.Transient = kRemovedMessage;
}

// The chain is marked selected while the question is open; answered Yes, it becomes one group.
void ChainCheckClick(CommandContext& ctx, const ClickInput& click)
{
    const int h = TakeFirstPick(ctx, click, kChainKinds, true);
    if (h == 0) return;
    const int links = MarkChain(ctx.Document, h, ctx.State.InputPoint1, ctx.Entries.GroupPick);
    if (links < 0) {
        ctx.Dialogs.ShowMessage(kChainDuplicatesFoundMessage);
    } else if (links == 0) {
        ctx.Dialogs.ShowMessage(kChainNothingConnectedMessage);
    } else if (IsAffirmative(ctx.Dialogs.Ask(ChainQuestion(links), QuestionButtons::YesNo))) {
        FormGroup(ctx.Document, ctx.Dialogs);
    }
    ClearPicksAndSelection(ctx.Document, ctx.State);
    FinishEdit(ctx);
}

}  // namespace vantro
