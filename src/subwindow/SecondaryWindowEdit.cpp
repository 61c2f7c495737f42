// The secondary window's edits (copy, cut, paste, delete and their one undo level) and its files.
#include "subwindow/SecondaryWindow.h"

#include "commands/Selection.h"
#include "document/ElementStore.h"
#include "document/Groups.h"
#include "document/TextLimit.h"
#include "document/UndoHistory.h"
#include "files/FileSystem.h"
#include "subwindow/SubLayerPanel.h"
#include "ui/MainWindow.h"
#include "ui/WaitCursor.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLockFile>

#include <charconv>

namespace vantro {
namespace {

constexpr const char* kUndoCaption = "元に戻す";
constexpr const char* kPasteStoppedMessage =
    "メモリーが足りないため、貼り付けられなかった図形があります。";

}  // namespace

// One undo file per running program: the first takes "CadUndo2" under a lock, the others add
// their process number.
std::filesystem::path TFormCAD2::UndoFile() const
{
    if (undoLock_ && undoLock_->isLocked()) return undoFolder_ / "CadUndo2";
    return undoFolder_ / ("CadUndo2-" + std::to_string(QCoreApplication::applicationPid()));
}

bool TFormCAD2::WriteUndoFile()
{
    if (!undoLock_) {
        undoLock_ = std::make_unique<QLockFile>(QString::fromStdU16String((undoFolder_ / "CadUndo2.lock").u16string()));
        undoLock_->setStaleLockTime(0);
        undoLock_->tryLock(0);
    }
    const WaitCursor wait;
    const WriteResult written = WriteDrawingFile(UndoFile(), drawing_, file_);
    if (!written.Ok) main_.Dialogs().ShowMessage(kWriteFailedMessage);
    return written.Ok;
}

// The one undo level, taken before a cut, delete or paste. Undo is offered only over an undo file
// written now: a failed write leaves the one before, and undoing to that would drop the work since.
void TFormCAD2::TakeUndoLevel(const QString& caption)
{
    const bool written = WriteUndoFile();
    undo_->setText(written ? caption : QString::fromUtf8(kUndoCaption));
    undo_->setEnabled(written);
}

void TFormCAD2::UndoLast()
{
    undo_->setText(QString::fromUtf8(kUndoCaption));
    undo_->setEnabled(false);
    Drawing restored;
    DrawingFileSettings ignored;
    ReadResult read;
    {
        const WaitCursor wait;
        read = ReadDrawingFile(UndoFile(), restored, ignored);
    }
    if (!read.Ok) {
        main_.Dialogs().ShowMessage("アンドゥー読み込みエラー");
        return;
    }
    // Only the elements come back; the layers and the rest stay as they are now.
    LayerTable layers = drawing_.Layers;
    std::vector<std::string> memo = std::move(drawing_.MemoBrush);
    drawing_ = std::move(restored);
    drawing_.Layers = std::move(layers);
    drawing_.MemoBrush = std::move(memo);
    TakeStoreRules();
    selectionCount_ = 0;
    panels_[0]->clear();
    RedrawAll();
}

void TFormCAD2::CopySelection()
{
    // With nothing selected a copy would empty the buffer the main window shares.
    if (CountSelected(drawing_) == 0) return;
    vantro::CopySelection(drawing_, clipboard_, true);
    selectionCount_ = 0;
    panels_[0]->clear();
    RedrawAll();
}

void TFormCAD2::CutSelection()
{
    if (CountSelected(drawing_) == 0) return;
    vantro::CopySelection(drawing_, clipboard_, false);
    RemoveSelection(QStringLiteral("元に戻す-切り取り"));
}

// Nothing to delete would still take the one undo level.
void TFormCAD2::DeleteSelection()
{
    if (CountSelected(drawing_) > 0) RemoveSelection(QStringLiteral("元に戻す-削除"));
}

void TFormCAD2::RemoveSelection(const QString& undoCaption)
{
    TakeUndoLevel(undoCaption);
    DeleteSelected(drawing_);
    // This window keeps one undo level in its file, no history of its own.
    ClearUndo(drawing_);
    selectionCount_ = 0;
    panels_[0]->clear();
    RedrawAll();
}

void TFormCAD2::Paste(std::optional<uint8_t> layer)
{
    if (clipboard_.Records.empty()) return;
    TakeUndoLevel(QStringLiteral("元に戻す-貼り付け"));
    EndRefusal(drawing_);
    const PasteResult pasted = PasteClipboard(drawing_, clipboard_, layer);
    ClearUndo(drawing_);
    RedrawAll();
    if (pasted.CutTexts > 0) main_.Dialogs().ShowMessage(std::to_string(pasted.CutTexts) + kLongTextsCutSuffix);
    if (pasted.Indices.size() < clipboard_.Records.size()) main_.Dialogs().ShowMessage(kPasteStoppedMessage);
}

void TFormCAD2::PasteKeepingLayers() { Paste(std::nullopt); }

void TFormCAD2::PasteOntoTypedLayer()
{
    if (clipboard_.Records.empty()) return;
    const std::optional<std::string> typed =
        main_.Dialogs().InputLine("レイヤー指定貼り付け", "貼り付けるレイヤー番号を入力して下さい", "1");
    if (!typed) return;
    int layer = 0;
    const auto [end, error] = std::from_chars(typed->data(), typed->data() + typed->size(), layer);
    if (error != std::errc() || end != typed->data() + typed->size() || typed->empty()) {
        main_.Dialogs().ShowMessage("レイヤーは番号で入力して下さい");
        return;
    }
    // A layer outside the drawing's 96 would make the saved file unreadable.
    if (layer < 1 || layer > kLayerCount) {
        main_.Dialogs().ShowMessage("レイヤーは1から96までの番号で入力して下さい");
        return;
    }
    Paste(static_cast<uint8_t>(layer));
}

void TFormCAD2::ClearDrawing()
{
    Reset(true);
    RedrawAll();
}

bool TFormCAD2::OpenDrawing(const std::string& path)
{
    Reset(true);
    ReadResult read;
    {
        const WaitCursor wait;
        read = ReadDrawingFile(PathFromUtf8(path), drawing_, file_, &settings_.LayerNames);
    }
    TakeStoreRules();
    ClearUndo(drawing_);
    layerPanel_->SetTab(0);
    if (read.SkippedElements > 0) main_.Dialogs().ShowMessage(SkippedElementsMessage(read.SkippedElements));
    if (!read.Ok) {
        // The canvas would otherwise go on showing the drawing that is gone.
        RedrawAll();
        main_.Dialogs().ShowMessage(read.Message);
        return false;
    }
    setWindowTitle(QString::fromStdString(path));
    RedrawAll();
    return true;
}

void TFormCAD2::OpenCommand()
{
    const auto chosen = main_.Dialogs().ChooseOpenFile(settings_.CadFolder, kDrawingFileFilter);
    if (chosen) OpenDrawing(*chosen);
}

// The drawing with its own layers, fills, images and style; the main drawing's saved state is not
// this window's business, but the file joins the recent files as every written drawing does.
bool TFormCAD2::WriteTo(const std::string& path)
{
    WriteResult written;
    {
        const WaitCursor wait;
        written = WriteDrawingFile(PathFromUtf8(path), drawing_, file_);
    }
    if (!written.Ok) {
        main_.Dialogs().ShowMessage(written.Message);
        return false;
    }
    if (written.CutStrings > 0)
        main_.Dialogs().ShowMessage(std::to_string(written.CutStrings) + kStringsCutOnSaveSuffix);
    setWindowTitle(QString::fromStdString(path));
    main_.RememberRecentFile(path);
    return true;
}

bool TFormCAD2::SaveAsCommand()
{
    const auto chosen = main_.Dialogs().ChooseSaveFile(settings_.CadFolder, kDrawingFileFilter);
    if (!chosen) return false;
    std::filesystem::path path = PathFromUtf8(*chosen);
    path.replace_extension(kDrawingFileExtension);
    const std::string target = Utf8FromPath(path);
    if (std::filesystem::exists(path) &&
        !IsAffirmative(main_.Dialogs().Ask(OverwriteQuestion(target), QuestionButtons::YesCancel)))
        return false;
    return WriteTo(target);
}

bool TFormCAD2::OverwriteCommand()
{
    const QString current = CurrentFile();
    if (current.isEmpty()) return SaveAsCommand();
    if (main_.Dialogs().Ask(current.toStdString() + "に上書きします。よろしいですか？", QuestionButtons::YesNo) !=
        DialogAnswer::Yes)
        return false;
    return WriteTo(current.toStdString());
}

}  // namespace vantro
