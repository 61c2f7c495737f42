// Starting, cancelling and repeating commands, and the presets of the tool buttons.
#include "ui/MainWindow.h"

#include "document/ElementStore.h"
#include "document/UndoHistory.h"
#include "ui/CanvasWidget.h"
#include "ui/DimensionControls.h"
#include "ui/EntryText.h"
#include "ui/ToolButtonTable.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include <cmath>

namespace vantro {
namespace {

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

// The caption of LabelR by start code; dimension codes keep it and show PanelDim instead.
const char* LabelRFor(int mode)
{
    switch (mode) {
    case 22: case 23: return "Q";
    case 41: case 44: case 104: case 125: return "N";
    case 100: case 108: case 112: case 116: case 120: return "";
    case 200: case 229: case 231: return "W";
    case 213: return "C";
    default: return "R";
    }
}

bool IsDimensionStart(int mode)
{
    switch (mode) {
    case 150: case 153: case 156: case 162: case 250: case 252: case 255: case 257: case 260: return true;
    default: return false;
    }
}

bool IsLinearDimensionStart(int mode) { return mode == 150 || mode == 153 || mode == 156; }

}  // namespace

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

void TForm1::ShowPoint(Point p)
{
    editX_->setText(FromUtf8(FormatNumber(p.X)));
    editY_->setText(FromUtf8(FormatNumber(p.Y)));
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

void TForm1::SetLabelR(int mode)
{
    if (!IsDimensionStart(mode)) {
        labelR_->setText(QString::fromUtf8(LabelRFor(mode)));
        return;
    }
    panelDim_->show();
    if (IsLinearDimensionStart(mode)) panelDim2_->show();
    else dimensionControls_->ClearMarks();
}

void TForm1::ClearPicksAndSelection(bool repaintWhenCandidatesRemoved)
{
    for (int* pick : {&command_.FirstPick, &command_.SecondPick}) {
        const int index = *pick;
        *pick = 0;
        if (index >= 1 && index <= drawing_.Count) DrawElement(index);
    }
    const bool hadCandidates = drawing_.CandidateCount > 0;
    RemoveCandidates(drawing_);
    for (int i = 1; i <= drawing_.Count; ++i) {
        if (drawing_[i].Selected == 0) continue;
        drawing_[i].Selected = 0;
        if (!hadCandidates) DrawElement(i);
    }
    command_.SelectionCount = 0;
    if (hadCandidates && repaintWhenCandidatesRemoved) RedrawAll(true);
}

void TForm1::StartCommand(int mode, int layout)
{
    SetEditShortcutsEnabled(false);
    ErasePreview();
    if (mode != kModeTextPlacement) EndTextDialog();
    panelDim2_->hide();
    speedButtonOp_->setIcon(QIcon());
    speedButtonOp_->setText(QStringLiteral("OP"));
    command_.AltVariant = false;
    command_.AnchorPixel = kNoAnchor;
    command_.SnapMarkerPixel = {};
    command_.CursorPixel = command_.AnchorPixel;
    command_.InputPoint1 = command_.InputPoint2 = command_.InputPoint3 = {};
    command_.MultiSelectPending = false;
    command_.CommandMode = static_cast<uint16_t>(mode);
    command_.WindowDragActive = false;
    drawing_.Saved = false;
    ClearRedo(drawing_);
    editR_->setEnabled(true);
    command_.LastCommand = static_cast<uint16_t>(mode);
    checkBoxLock_->hide();
    checkBoxCrCenter_->hide();
    panelDim_->hide();
    ClearPicksAndSelection(true);
    drawing_.Scratch = {};
    ApplyLayout(layout);
    checkBoxInt_->setVisible(mode <= 52);
    checkBoxLock2_->setChecked(mode >= 200);
    SetLabelR(mode);
}

void TForm1::CancelCommand()
{
    SetEditShortcutsEnabled(true);
    ErasePreview();
    EraseSnapMarker();
    command_.SnapFound = false;
    panelDim2_->hide();
    speedButtonOp_->setIcon(QIcon());
    speedButtonOp_->setText(QStringLiteral("OP"));
    canvas_->unsetCursor();
    for (QWidget* widget : std::initializer_list<QWidget*>{checkBoxLock_, checkBoxCrCenter_, editX_, editY_, editR_,
                                                          panelDim_, panelMulti_})
        widget->hide();
    toolButtons_["SpeedButton0"]->setChecked(true);
    checkBoxLock2_->setChecked(true);
    drawing_.Scratch = {};
    command_.CommandMode = kModeIdle;
    EndTextDialog();
    ClearPicksAndSelection(true);
    SetPrompt(QString());
    lastEntryField_ = nullptr;
    panelCad2_->setFocus();
}

void TForm1::PressToolButton(const ToolButtonRow& row, bool right)
{
    const bool other = right && row.Right == RightButton::OtherCommand;
    toolButtons_[QString::fromUtf8(row.Name)]->setChecked(true);
    StartCommand(other ? row.RightStart : row.Start, other ? row.RightLayout : row.Layout);
    command_.AltVariant = right && row.Right == RightButton::AltVariant;
    SetPrompt(QString::fromUtf8(right && row.RightPrompt != nullptr ? row.RightPrompt : row.Prompt));
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
    case ToolPreset::LockSnappingNoLabel:
        labelR_->clear();
        checkBoxLock2_->setChecked(true);
        break;
    case ToolPreset::TextDialog: StartTextCommand(); break;
    default: break;
    }
}

void TForm1::RepeatLastCommand(int x, int y)
{
    const int last = command_.LastCommand;
    const ToolButtonRow* row = FindToolButton(last);
    if (row == nullptr) {
        toolButtons_["SpeedButton0"]->setChecked(true);
        CancelCommand();
    } else {
        // Only these commands come back in the variant they last ran in; the others restart plain.
        const bool keepsVariant = last == 30 || last == 32 || last == 39 || last == 47 || last == 59 || last == 64;
        const bool right = (row->Right == RightButton::OtherCommand && row->RightStart == last) ||
                           (keepsVariant && command_.AltVariant);
        PressToolButton(*row, right);
    }
    command_.AnchorPixel = command_.CursorPixel = {x, y};
}

void TForm1::TakeClickPoint(int x, int y, bool advance)
{
    if (advance) ++command_.CommandMode;
    if (command_.SnapFound) {
        command_.InputPoint1 = command_.SnapPoint;
        command_.AnchorPixel = WorldToCanvas(view_, command_.SnapPoint.X, command_.SnapPoint.Y);
        command_.CursorPixel = command_.AnchorPixel;
        command_.SnapFound = false;
    } else {
        Point p = ToWorld(x, y);
        if (checkBoxInt_->isChecked()) p = {std::nearbyint(p.X), std::nearbyint(p.Y)};
        command_.InputPoint1 = p;
        command_.AnchorPixel = command_.CursorPixel = {x, y};
    }
    ShowPoint(command_.InputPoint1);
    command_.LastPoint = command_.InputPoint1;
    command_.HasLastPoint = true;
}

}  // namespace vantro
