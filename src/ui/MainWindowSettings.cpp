// The settings dialogs of the main window and putting their values into effect.
#include "ui/MainWindow.h"

#include "document/ElementStore.h"
#include "document/Tolerance.h"
#include "document/UndoHistory.h"
#include "files/SettingsFile.h"
#include "ui/CadSettingsDialog.h"
#include "ui/ColourDialog.h"
#include "ui/SettingsDialog.h"
#include "view/QtText.h"

#include <QFileDialog>
#include <QFontDialog>
#include <QLabel>

namespace vantro {

void TForm1::ApplySettings(const Settings& changed)
{
    const bool sheetChanged = changed.Width2 != settings_.Width2 || changed.Senter != settings_.Senter;
    settings_ = changed;
    SetCapacity(drawing_, settings_.CadMax);
    drawing_.History.UndoDepth = static_cast<uint8_t>(std::clamp(settings_.Undo, 2, 95));
    if (settings_.EpsIndex >= 0 && settings_.EpsIndex <= 6) SetEps(kEpsChoices[settings_.EpsIndex]);
    view_.Wheel = settings_.Wheel;
    view_.ReferencePosition = settings_.Senter;
    view_.Grid = {static_cast<GridPattern>(std::clamp(settings_.Patern, 0, 2)), settings_.GridPit,
                  static_cast<uint8_t>(std::clamp(settings_.GridCountX, 0, 100)),
                  static_cast<uint8_t>(std::clamp(settings_.GridCountY, 0, 100)),
                  static_cast<uint8_t>(std::clamp(settings_.GridPit2, 0, 10)), settings_.GridColor};
    UpdateGridOrigin(view_);
    if (sheetChanged && view_.CanvasWidth > 0) {
        SetSheetSize(view_, settings_.Width2);
        statusPanels_[0]->setText(QString::fromStdString(view_.SizeText));
    }
    RestartAutoSaveTimer();
    StoreSettings(WriteSettings);
    RedrawAll(true);
}

void TForm1::ShowSettingsDialog()
{
    SettingsDialog dialog(
        settings_, [this](uint32_t current) { return ChooseColour(this, current); },
        [this](const std::string& folder) -> std::optional<std::string> {
            const QString chosen = QFileDialog::getExistingDirectory(this, QString(), QString::fromStdString(folder));
            if (chosen.isEmpty()) return std::nullopt;
            return chosen.toStdString();
        },
        this);
    if (dialog.exec() == QDialog::Accepted) ApplySettings(dialog.Result());
}

void TForm1::ShowCadSettingsDialog(int page)
{
    CadSettingsDialog dialog(
        settings_, relay_, [this](uint32_t current) { return ChooseColour(this, current); },
        [this] {
            ClearUndo(drawing_);
            ClearRedo(drawing_);
        },
        this);
    dialog.SetFontChooser([this](const FontChoice& current) -> std::optional<FontChoice> {
        bool accepted = false;
        const QFont font = QFontDialog::getFont(&accepted, QFont(ToQString(current.Face)), this);
        if (!accepted) return std::nullopt;
        return FontChoice{ToCp932(font.family()), current.Colour};
    });
    dialog.SetSelectionMenuShown(menuSentakuStert_->isVisible());
    dialog.ShowPage(page);
    if (dialog.exec() != QDialog::Accepted) return;
    menuSentakuStert_->setVisible(dialog.SelectionMenuShown());
    ApplySettings(dialog.Result());
}

}  // namespace vantro
