// Starting, cancelling and repeating commands, and the presets of the tool buttons.
#include "ui/MainWindow.h"

#include "commands/Dispatch.h"
#include "commands/EntryText.h"
#include "commands/StepTable.h"
#include "commands/ToolButtonTable.h"
#include "geometry/Curves.h"
#include "ui/CanvasWidget.h"
#include "ui/DimensionControls.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include <cmath>

namespace vantro {
void TForm1::SetEditShortcutsEnabled(bool enabled)
{
    const std::pair<const char*, QKeySequence> shortcuts[] = {
        {"menuCut", QKeySequence(Qt::CTRL | Qt::Key_X)},  {"menuCopy", QKeySequence(Qt::CTRL | Qt::Key_C)},
        {"menuPest1", QKeySequence(Qt::CTRL | Qt::Key_V)}, {"menuPest2", QKeySequence(Qt::CTRL | Qt::Key_B)},
        {"menuDel", QKeySequence(Qt::Key_Delete)},
    };
    for (const auto& [name, key] : shortcuts) editActions_[QString::fromUtf8(name)]->setShortcut(enabled ? key : QKeySequence());
}

void TForm1::FocusEntry(QLineEdit* field)
{
    if (field == nullptr || !field->isVisible()) {
        panelCad2_->setFocus();
        return;
    }
    field->setFocus();
    field->selectAll();
}

void TForm1::ApplyLayout(int layout)
{
    const bool x = layout == kLayoutX || layout == kLayoutXY || layout == kLayoutXYR || layout == kLayoutXYRFocusR;
    const bool y = layout == kLayoutY || layout == kLayoutXY || layout == kLayoutXYR || layout == kLayoutXYRFocusR;
    const bool r = layout == kLayoutR || layout == kLayoutXYR || layout == kLayoutXYRFocusR;
    for (const auto& [field, shown] : {std::pair{editX_, x}, std::pair{editY_, y}, std::pair{editR_, r}}) {
        field->clear();
        field->setVisible(shown);
    }
    switch (layout) {
    case kLayoutX: case kLayoutXY: case kLayoutXYR: lastEntryField_ = editX_; break;
    case kLayoutY: lastEntryField_ = editY_; break;
    case kLayoutR: case kLayoutXYRFocusR: lastEntryField_ = editR_; break;
    default: lastEntryField_ = nullptr; break;
    }
    FocusEntry(lastEntryField_);
}

void TForm1::SetLabelR(const StepRow& row)
{
    if (const char* caption = StartLabelR(row)) {
        labelR_->setText(QString::fromUtf8(caption));
        return;
    }
    panelDim_->show();
    if (row.Dimension == DimensionPanels::OptionsAndLinear) panelDim2_->show();
    else dimensionControls_->ClearMarks();
}

void TForm1::StartCommand(int mode, int layout)
{
    const auto code = static_cast<uint16_t>(mode);
    SetEditShortcutsEnabled(false);
    ErasePreview();
    if (!ShowsTextPlacement(code)) EndTextDialog();
    panelDim2_->hide();
    speedButtonOp_->setIcon(QIcon());
    speedButtonOp_->setText(QStringLiteral("OP"));
    if (BeginCommandState(drawing_, command_, code)) RedrawAll(true);
    PlaySound(kSoundClick);
    editR_->setEnabled(true);
    checkBoxLock_->hide();
    checkBoxCrCenter_->hide();
    panelDim_->hide();
    ApplyLayout(layout);
    const StepRow* row = FindStep(code);
    checkBoxInt_->setVisible(row != nullptr && row->IntegerBox);
    checkBoxLock2_->setChecked(row != nullptr && row->StartsLocked);
    if (row != nullptr) SetLabelR(*row);
}

void TForm1::CancelCommand()
{
    SetEditShortcutsEnabled(true);
    ErasePreview();
    EraseSnapMarker();
    // A free curve being collected is finished: with "PejeChk" it becomes lines.
    if (command_.CommandMode == step::kCurveNext &&
        FinishCurve(drawing_, Attributes(), settings_.PejeChk, settings_.PejeValue) > 0)
        RedrawAll(true);
    if (command_.WindowDragActive) DrawXorRectangle(command_.AnchorPixel, command_.CursorPixel);
    panelDim2_->hide();
    speedButtonOp_->setIcon(QIcon());
    speedButtonOp_->setText(QStringLiteral("OP"));
    canvas_->unsetCursor();
    for (QWidget* widget : std::initializer_list<QWidget*>{checkBoxLock_, checkBoxCrCenter_, editX_, editY_, editR_,
                                                          panelDim_, panelMulti_})
        widget->hide();
    toolButtons_["SpeedButton0"]->setChecked(true);
    checkBoxLock2_->setChecked(true);
    EndTextDialog();
    if (EndCommandState(drawing_, command_)) RedrawAll(true);
    PlaySound(kSoundCancel);
    SetPrompt(QString());
    lastEntryField_ = nullptr;
    panelCad2_->setFocus();
}

void TForm1::StepHistory(void (*step)(Drawing&))
{
    const uint64_t before = drawing_.Generation;
    step(drawing_);
    PlaySound(kSoundUndo);
    if (drawing_.Generation != before) RestartPickingCommand();
    RedrawAll(true);
}

// Picks and selections name elements by their place in the store, which undo and redo move: the
// running command starts again rather than edit another element than the one picked.
void TForm1::RestartPickingCommand()
{
    const bool holds = command_.FirstPick != 0 || command_.SecondPick != 0 || command_.SelectionCount != 0;
    const StepRow* start = FindStep(command_.LastCommand);
    if (command_.CommandMode == step::kIdle || !holds || start == nullptr) return;
    const bool alt = command_.AltVariant;
    StartCommand(start->Code, start->Layout);
    command_.AltVariant = alt;
    SetPrompt(QString::fromUtf8(EntryPrompt(*start, alt)));
}

void TForm1::PressToolButton(const ToolButtonRow& row, bool right)
{
    const bool other = right && row.Right == RightButton::OtherCommand;
    const uint16_t code = other ? row.RightStart : row.Start;
    const StepRow& step = *FindStep(code);
    toolButtons_[QString::fromUtf8(row.Name)]->setChecked(true);
    StartCommand(code, step.Layout);
    command_.AltVariant = right && row.Right == RightButton::AltVariant;
    // A command whose steps take no input yet says so, instead of ignoring every click in silence.
    const bool built = step.Click != nullptr || step.Enter != nullptr;
    SetPrompt(QString::fromUtf8(EntryPrompt(step, command_.AltVariant)) +
              (built ? QString() : QStringLiteral("　※この機能は準備中です")));
    ApplyPreset(row);
    if (row.Preset == ToolPreset::OnPanelOp) {
        speedButtonOp_->setIcon(toolButtons_[QString::fromUtf8(row.Name)]->icon());
        speedButtonOp_->setText(QString());
        speedButtonOp_->setChecked(true);
        panelOp_->hide();
    }
}

void TForm1::ApplyPreset(const ToolButtonRow& row)
{
    auto presetR = [this](const std::string& text) {
        editR_->setText(QString::fromStdString(text));
        if (editR_->isVisible()) FocusEntry(editR_);
    };
    switch (row.Preset) {
    case ToolPreset::LastAngle:
    case ToolPreset::LastAngleHidden:
        presetR(FormatOptionalDecimals(command_.LastAngle));
        break;
    case ToolPreset::CircleRadius:
        labelR_->setText(command_.AltVariant ? QStringLiteral("D") : QStringLiteral("R"));
        editR_->setText(QString::fromStdString(
            FormatOptionalDecimals(command_.AltVariant ? command_.LastDiameter : command_.LastRadius)));
        checkBoxLock_->show();
        checkBoxCrCenter_->show();
        break;
    case ToolPreset::CircleCentreBox: checkBoxCrCenter_->show(); break;
    case ToolPreset::TangentRadius:
        checkBoxLock2_->setChecked(command_.AltVariant);
        presetR(FormatOptionalDecimals(command_.LastRadius));
        break;
    case ToolPreset::TangentThree: checkBoxLock2_->setChecked(command_.AltVariant); break;
    case ToolPreset::LastRadiusFocused: presetR(FormatOptionalDecimals(command_.LastRadius)); break;
    case ToolPreset::LastCorners:
        presetR(command_.LastCorners != 0 ? std::to_string(command_.LastCorners) : std::string());
        break;
    case ToolPreset::FilletRadius:
        presetR(command_.LastFilletRadius != 0 ? FormatOptionalDecimals(command_.LastFilletRadius) : "0");
        break;
    case ToolPreset::ChamferZero: presetR("0"); break;
    case ToolPreset::LastOffset:
        presetR(command_.LastOffset != 0 ? FormatShortest(command_.LastOffset) : std::string());
        break;
    case ToolPreset::LockSnapping: checkBoxLock2_->setChecked(true); break;
    case ToolPreset::TextDialog: StartTextCommand(); break;
    case ToolPreset::HatchDialog: StartHatchCommand(); break;
    default: break;
    }
}

void TForm1::RepeatLastCommand(int x, int y)
{
    const uint16_t last = command_.LastCommand;
    const ToolButtonRow* row = FindToolButton(last);
    if (last == step::kChainCheck) {
        StartChainCheck();
    } else if (row == nullptr) {
        toolButtons_["SpeedButton0"]->setChecked(true);
        CancelCommand();
    } else {
        const bool right = (row->Right == RightButton::OtherCommand && row->RightStart == last) ||
                           (row->RepeatsVariant && command_.AltVariant);
        PressToolButton(*row, right);
    }
    command_.AnchorPixel = command_.CursorPixel = {x, y};
}

}  // namespace vantro
