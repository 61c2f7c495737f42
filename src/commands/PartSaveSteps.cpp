#include "commands/PartSaveSteps.h"

#include "commands/Selection.h"
#include "files/FileSystem.h"
#include "files/PartFile.h"

namespace vantro {
namespace {

// Every way out clears the selection, ends the command and repaints.
void EndPartSave(CommandContext& ctx)
{
    ctx.Result.Repaint = true;
    ctx.Result.Cancel = true;
}

void WriteSelection(CommandContext& ctx, const std::filesystem::path& path)
{
    const WriteResult result = WritePartFile(path, ctx.Document);
    if (!result.Ok) ctx.Dialogs.ShowMessage(result.Message);
    else if (result.CutStrings > 0) ctx.Dialogs.ShowMessage(std::to_string(result.CutStrings) + kStringsCutOnSaveSuffix);
}

}  // namespace

void PartSaveConfirmClick(CommandContext& ctx, const ClickInput&)
{
    EndPartSave(ctx);
    const auto chosen = ctx.Dialogs.ChooseSaveFile(ctx.Preferences.CadFolder, kPartFileFilter);
    if (!chosen) return;
    std::filesystem::path path = PathFromUtf8(*chosen);
    path.replace_extension(kPartFileExtension);
    std::error_code error;
    if (std::filesystem::exists(path, error) &&
        !IsAffirmative(ctx.Dialogs.Ask(OverwriteQuestion(Utf8FromPath(path)), QuestionButtons::YesCancel)))
        return;
    if (CountSelected(ctx.Document) == 0) {
        ctx.Dialogs.ShowMessage(kNothingToSaveMessage);
        return;
    }
    WriteSelection(ctx, path);
}

}  // namespace vantro
