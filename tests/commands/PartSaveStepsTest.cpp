// The part save through the selection steps: a pick or a window, "確定", the save dialog.
#include "CommandFixture.h"

#include "commands/Dispatch.h"
#include "commands/SelectionSteps.h"
#include "files/PartFile.h"
#include "files/ScratchFolder.h"
#include "support/Fixtures.h"

namespace vantro::testing {
namespace {

class PartSave : public CommandTest {
protected:
    void SetUp() override
    {
        for (double y : {100.0, 120.0, 140.0, 300.0}) AddLine(drawing, 100, y, 150, y);
        settings.CadFolder = "/drawings";
        BeginCommandState(drawing, state, step::kPartSaveSelect);
    }

    // A window from (90, 90) to (200, 200) around the first three lines, then "確定".
    CommandContext& SelectThreeAndConfirm()
    {
        DispatchClick(Context(), At(90, 90));
        const ClickInput end = At(200, 200);
        FinishWindowDrag(Context(), end.X, end.Y);
        CommandContext& ctx = Context();
        ConfirmSelection(ctx);
        return ctx;
    }

    int SelectedCount() const
    {
        int count = 0;
        for (int i = 1; i <= drawing.Count; ++i) count += drawing[i].Selected;
        return count;
    }

    ScratchFolder folder;
};

TEST_F(PartSave, AWindowAndConfirmationSaveTheSelectedElementsAndEndTheCommand)
{
    dialogs.Files = {(folder / "three").string()};
    const CommandContext& ctx = SelectThreeAndConfirm();
    const std::filesystem::path written = folder / "three.dpa";
    ASSERT_TRUE(std::filesystem::exists(written)) << "the extension is forced";
    EXPECT_EQ(std::filesystem::file_size(written), 6u + 3 * 85);
    ASSERT_EQ(dialogs.FileDialogs.size(), 1u);
    EXPECT_EQ(dialogs.FileDialogs[0], (ScriptedDialogs::FileDialog{"/drawings", kPartFileFilter}));
    EXPECT_TRUE(ctx.Result.Cancel) << "the command ends, clearing the selection";
    EXPECT_TRUE(ctx.Result.Repaint);
    EXPECT_TRUE(dialogs.Messages.empty());
    Drawing back;
    ASSERT_TRUE(MergeElementFile(written, back).Ok);
    EXPECT_EQ(back.Count, 3);
}

TEST_F(PartSave, ASinglePickWaitsForTheConfirmation)
{
    CommandContext& pick = Context();
    DispatchClick(pick, At(125, 300));
    EXPECT_EQ(drawing[4].Selected, 1);
    EXPECT_EQ(state.CommandMode, step::kPartSaveSelect);
    EXPECT_TRUE(state.MultiSelectPending);
    EXPECT_EQ(pick.Result.MultiPanel, true);
    dialogs.Files = {(folder / "one.dpa").string()};
    ConfirmSelection(Context());
    EXPECT_EQ(std::filesystem::file_size(folder / "one.dpa"), 6u + 85);
}

TEST_F(PartSave, CancellingTheDialogOrTheOverwriteWritesNothing)
{
    const CommandContext& cancelled = SelectThreeAndConfirm();
    EXPECT_TRUE(cancelled.Result.Cancel);
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));

    const std::filesystem::path existing = folder / "old.dpa";
    WriteBytes(existing, "old");
    BeginCommandState(drawing, state, step::kPartSaveSelect);
    dialogs.Files = {(folder / "old.dpa").string()};
    dialogs.Answers = {DialogAnswer::Cancel};
    const CommandContext& refused = SelectThreeAndConfirm();
    EXPECT_EQ(dialogs.Questions, std::vector<std::string>{"ファイル名 " + existing.string() + " はすでに存在します上書きしますか？"});
    EXPECT_EQ(ReadBytes(existing), "old");
    EXPECT_TRUE(refused.Result.Cancel);

    BeginCommandState(drawing, state, step::kPartSaveSelect);
    dialogs.Files = {(folder / "old.dpa").string()};
    dialogs.Answers = {DialogAnswer::Yes};
    SelectThreeAndConfirm();
    EXPECT_EQ(std::filesystem::file_size(existing), 6u + 3 * 85);
}

TEST_F(PartSave, NothingSelectedWhenTheSaveRunsIsTold)
{
    state.CommandMode = step::kPartSaveWindow;
    dialogs.Files = {(folder / "none").string()};
    CommandContext& ctx = Context();
    DispatchClick(ctx, {});
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"保存するデータが選択されていません"});
    EXPECT_FALSE(std::filesystem::exists(folder / "none.dpa"));
    EXPECT_TRUE(ctx.Result.Cancel);
    EXPECT_EQ(SelectedCount(), 0);
}

TEST_F(PartSave, AFailedWriteSaysSo)
{
    dialogs.Files = {(folder / "no-such-folder" / "three").string()};
    SelectThreeAndConfirm();
    EXPECT_EQ(dialogs.Messages, std::vector<std::string>{"ファイルは保存できませんでした。"});
}

}  // namespace
}  // namespace vantro::testing
