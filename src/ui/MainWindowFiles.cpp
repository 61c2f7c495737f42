// Opening and saving drawing files from the main window, and exchanging them as DXF.
#include "ui/MainWindow.h"

#include "document/Layers.h"
#include "dxf/DxfExport.h"
#include "dxf/DxfImport.h"
#include "document/Maintenance.h"
#include "files/DrawingFile.h"
#include "files/FileSystem.h"
#include "ui/DimensionControls.h"
#include "ui/LayerPanel.h"
#include "ui/WaitCursor.h"
#include "view/BitmapFiles.h"

#include <QLabel>

#include <filesystem>

namespace vantro {
namespace {

const QString kNoFileCaption = QStringLiteral("VantroCad");

bool IsDxfPath(const QString& path) { return path.endsWith(QLatin1String(kDxfExtension), Qt::CaseInsensitive); }

}  // namespace

QString TForm1::CurrentFile() const
{
    return windowTitle() == kNoFileCaption ? QString() : windowTitle();
}

bool TForm1::OpenDrawing(const std::string& path)
{
    // The reader changes only the fields it reached, so a failed read applies the current values.
    DrawingFileSettings file;
    file.BackgroundColor = settings_.FormColor;
    TakeStyleFromSettings(settings_, file);
    ReadResult result;
    {
        const WaitCursor wait;
        result = ReadDrawingFile(PathFromUtf8(path), drawing_, file, &settings_.LayerNames);
    }
    if (!settings_.SetSW) {
        settings_.FormColor = file.BackgroundColor;
        ApplyStyleToSettings(file, settings_);
    }
    SetFillsShown(file.FillDisplay.value_or(false));
    if (file.DrawingRange) settings_.Width2 = *file.DrawingRange;
    LoadImageEntries(drawing_.Images, file.Images);
    layerPanel_->Refresh();
    layerPanel_->SetTab((drawing_.Layers.ActiveLayer - 1) / kLayersPerTab);
    labelRayer_->setText(QString::fromStdString(ActiveLayerCaption(drawing_.Layers)));
    if (!result.Ok) dialogs_->ShowMessage(result.Message);
    if (result.SkippedElements > 0) dialogs_->ShowMessage(SkippedElementsMessage(result.SkippedElements));
    if (!result.Ok) {
        RedrawAll(true);
        return false;
    }
    setWindowTitle(QString::fromStdString(path));
    RedrawAll(true);
    if (FitToDrawing(view_, drawing_, 1)) AfterZoom();
    RememberRecentFile(path);
    return true;
}

void TForm1::OpenCommand()
{
    if (!MayReplaceDrawing(drawing_, *dialogs_, false)) return;
    const auto chosen = dialogs_->ChooseOpenFile(settings_.CadFolder, kDrawingFileFilter);
    if (chosen) OpenDrawing(*chosen);
}

DrawingFileSettings TForm1::CurrentFileSettings() const
{
    DrawingFileSettings file;
    file.BackgroundColor = settings_.FormColor;
    TakeStyleFromSettings(settings_, file);
    file.FillDisplay = fillsShown_;
    file.DrawingRange = settings_.Width2;
    file.Images = ImageEntries(drawing_.Images);
    return file;
}

bool TForm1::WriteDrawingTo(const std::string& path)
{
    const DrawingFileSettings file = CurrentFileSettings();
    WriteResult result;
    {
        const WaitCursor wait;
        result = WriteDrawingFile(PathFromUtf8(path), drawing_, file);
    }
    if (!result.Ok) {
        dialogs_->ShowMessage(result.Message);
        return false;
    }
    // The file holds less than the drawing: it is written, but the drawing is not called saved.
    drawing_.Saved = result.CutStrings == 0;
    if (!drawing_.Saved) dialogs_->ShowMessage(std::to_string(result.CutStrings) + kStringsCutOnSaveSuffix);
    RememberRecentFile(path);
    return true;
}

bool TForm1::SaveAsCommand()
{
    const auto chosen = dialogs_->ChooseSaveFile(settings_.CadFolder, kDrawingFileFilter);
    if (!chosen) return false;
    std::filesystem::path path = PathFromUtf8(*chosen);
    path.replace_extension(kDrawingFileExtension);
    const std::string target = Utf8FromPath(path);
    if (std::filesystem::exists(path) &&
        !IsAffirmative(dialogs_->Ask(OverwriteQuestion(target), QuestionButtons::YesCancel)))
        return false;
    if (!WriteDrawingTo(target)) return false;
    setWindowTitle(QString::fromStdString(target));
    return true;
}

bool TForm1::OverwriteSaveCommand()
{
    const QString current = CurrentFile();
    // After a DXF import the caption names the DXF file, which must never receive a drawing file.
    if (current.isEmpty() || IsDxfPath(current)) return SaveAsCommand();
    return WriteDrawingTo(current.toStdString());
}

bool TForm1::DxfSaveCommand(bool visibleOnly)
{
    const std::string& folder = settings_.DxfFolder.empty() ? settings_.CadFolder : settings_.DxfFolder;
    const auto chosen = dialogs_->ChooseSaveFile(folder, kDxfFileFilter);
    if (!chosen) return false;
    std::filesystem::path path = PathFromUtf8(*chosen);
    path.replace_extension(kDxfExtension);
    DxfExportResult result;
    {
        const WaitCursor wait;
        result = ExportDxf(path, drawing_, settings_, visibleOnly);
    }
    // A refusal, or what the file could not hold.
    if (!result.Message.empty()) dialogs_->ShowMessage(result.Message);
    return result.Ok;
}

bool TForm1::DxfOpenCommand()
{
    if (!MayReplaceDrawing(drawing_, *dialogs_, false)) return false;
    const std::string& folder = settings_.DxfFolder.empty() ? settings_.CadFolder : settings_.DxfFolder;
    const auto chosen = dialogs_->ChooseOpenFile(folder, kDxfFileFilter);
    if (!chosen) return false;
    dimensionControls_->ClearTexts();
    return ImportDxfFile(*chosen);
}

bool TForm1::ImportDxfFile(const std::string& path)
{
    DxfImportResult result;
    {
        const WaitCursor wait;
        result = ImportDxf(PathFromUtf8(path), drawing_, {{settings_.Precision, settings_.Dim0Chk}, settings_.FormColor});
    }
    if (!result.Ok) {
        dialogs_->ShowMessage(result.Message);
        return false;
    }
    // The file's dimension sizes, as a drawing file's own style is taken.
    if (result.DimensionStyle && !settings_.SetSW) {
        DrawingFileSettings file;
        TakeStyleFromSettings(settings_, file);
        TakeDxfDimensionStyle(*result.DimensionStyle, file);
        ApplyStyleToSettings(file, settings_);
    }
    drawing_.AppendFailed = false;
    layerPanel_->Refresh();
    labelRayer_->setText(QString::fromStdString(ActiveLayerCaption(drawing_.Layers)));
    setWindowTitle(QString::fromStdString(path));
    FitToDrawing(view_, drawing_, 0);
    AfterZoom();
    return true;
}

}  // namespace vantro
